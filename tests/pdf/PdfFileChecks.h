// Helpers of the PDF writer tests: saving a document and checking the file with the external
// validators (every file the tests write goes through qpdf --check), running the text and
// information extractors, and reading single objects and the cross-reference table back out of
// the bytes.
#pragma once

#include "tests/support/TempFolder.h"

#include <QStringList>

#include <string>
#include <vector>

class CDocPDF;

struct ToolRun {
    int exitCode = -1;
    std::string output;  // standard output and standard error
};

bool Contains(const std::string& text, const std::string& part);

// Runs `program` with `arguments`; exit code -1 when it could not be started.
ToolRun RunTool(const QString& program, const QStringList& arguments);

// Saves `document` as `name` in `folder`, expects qpdf --check to pass without a warning, and
// answers the file's bytes (empty when the save failed).
std::string SaveAndCheck(CDocPDF& document, const TempFolder& folder,
                         const std::string& name = "out.pdf");

// The text of object `number` from "n 0 obj" CR LF to "endobj" CR LF; empty when absent.
std::string ObjectText(const std::string& file, int number);

// The stream bytes of object `number` (between "stream" CR LF and CR LF "endstream").
std::string StreamOf(const std::string& file, int number);

// The offsets listed in the cross-reference table, index = object number (entry 0 the free
// entry), and a description of every way the table, "startxref" or the line lengths disagree
// with the bytes; no description means the table is right.
struct XrefReading {
    std::vector<long long> offsets;
    std::vector<std::string> faults;
};
XrefReading ReadXref(const std::string& file);

// The names of the files in `folder`.
std::vector<std::string> FilesIn(const std::string& folder);
