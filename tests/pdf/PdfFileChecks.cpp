// Saving, validating and reading back PDF files in the writer tests.
#include "tests/pdf/PdfFileChecks.h"

#include "pdf/DocPDF.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <algorithm>
#include <filesystem>
#include <sstream>

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

ToolRun RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForStarted(10000) || !process.waitForFinished(60000))
        return run;
    run.output = process.readAll().toStdString();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

std::string SaveAndCheck(CDocPDF& document, const TempFolder& folder, const std::string& name)
{
    const std::string path = folder.Path(name);
    if (!document.Save(path.c_str())) {
        ADD_FAILURE() << "saving " << path << " failed";
        return {};
    }
    // qpdf answers 0 for a clean file, 3 when it had to warn, 2 for errors.
    const ToolRun check = RunTool("qpdf", {"--check", QString::fromStdString(path)});
    EXPECT_EQ(check.exitCode, 0) << check.output;
    EXPECT_EQ(check.output.find("WARNING"), std::string::npos) << check.output;
    return ReadWholeFile(path);
}

std::string ObjectText(const std::string& file, int number)
{
    const std::string head = std::to_string(number) + " 0 obj\r\n";
    size_t start = file.find(head);
    // The object header starts a line: skip matches such as "16 0 obj" for object 6.
    while (start != std::string::npos && start > 0 && file[start - 1] != '\n')
        start = file.find(head, start + 1);
    if (start == std::string::npos)
        return {};
    const std::string tail = "endobj\r\n";
    const size_t end = file.find(tail, start);
    return end == std::string::npos ? std::string() : file.substr(start, end + tail.size() - start);
}

std::string StreamOf(const std::string& file, int number)
{
    const std::string object = ObjectText(file, number);
    const std::string open = "stream\r\n", close = "\r\nendstream";
    const size_t start = object.find(open);
    const size_t end = object.rfind(close);
    if (start == std::string::npos || end == std::string::npos || end < start + open.size())
        return {};
    return object.substr(start + open.size(), end - start - open.size());
}

namespace {

std::string Line(const std::string& file, size_t& pos)
{
    const size_t end = file.find("\r\n", pos);
    const std::string line = file.substr(pos, end == std::string::npos ? end : end - pos);
    pos = end == std::string::npos ? file.size() : end + 2;
    return line;
}

}  // namespace

XrefReading ReadXref(const std::string& file)
{
    XrefReading reading;
    const size_t startxref = file.rfind("startxref\r\n");
    if (startxref == std::string::npos) {
        reading.faults.push_back("no startxref");
        return reading;
    }
    size_t pos = startxref + 11;
    const long long tableOffset = std::stoll(Line(file, pos));
    if (file.compare(pos, std::string::npos, "%%EOF") != 0)
        reading.faults.push_back("the file does not end with %%EOF right after the offset");
    if (tableOffset < 0 || file.compare(static_cast<size_t>(tableOffset), 6, "xref\r\n") != 0) {
        reading.faults.push_back("startxref does not point at xref");
        return reading;
    }
    pos = static_cast<size_t>(tableOffset) + 6;
    std::istringstream subsection(Line(file, pos));
    int first = -1, count = 0;
    subsection >> first >> count;
    if (first != 0)
        reading.faults.push_back("the subsection does not start at 0");
    for (int number = 0; number < count; ++number) {
        const size_t lineStart = pos;
        const std::string line = Line(file, pos);
        if (pos - lineStart != 20)
            reading.faults.push_back("line of object " + std::to_string(number) + " is not 20 bytes");
        const long long offset = std::stoll(line.substr(0, 10));
        reading.offsets.push_back(offset);
        if (number == 0) {
            if (line != "0000000000 65535 f")
                reading.faults.push_back("entry 0 is not the free entry");
            continue;
        }
        const std::string head = std::to_string(number) + " 0 obj\r\n";
        if (line.substr(10) != " 00000 n" || file.compare(static_cast<size_t>(offset), head.size(), head) != 0)
            reading.faults.push_back("entry " + std::to_string(number) + " does not point at its object");
    }
    if (file.compare(pos, 9, "trailer\r\n") != 0)
        reading.faults.push_back("the table is not followed by the trailer");

    // Every object of the file is listed.
    int objects = 0;
    for (size_t at = file.find(" 0 obj\r\n"); at != std::string::npos && at < static_cast<size_t>(tableOffset);
         at = file.find(" 0 obj\r\n", at + 1))
        ++objects;
    if (objects != count - 1)
        reading.faults.push_back(std::to_string(objects) + " objects in the file, " +
                                 std::to_string(count - 1) + " in the table");
    return reading;
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
