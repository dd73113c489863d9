// The command line of the program. Headless commands (help, version, creating a dataset, the
// CSV and PDF exports of a stored query) run without a display and create no window; anything
// else starts the desktop program. A print request (--print FILE, --print-to FILE PRINTER) is
// recognised so that start-up can refuse it: printing from the command line is not offered.
#pragma once

#include <string>
#include <vector>

struct CommandLine {
    enum class Action { StartGui, Help, Version, NewDataset, QueryCsv, QueryPdf, Print, Invalid };

    Action action = Action::StartGui;
    std::string datasetPath;  // the file to open (or print), the dataset to create (--new) or to query
    std::string queryName;    // --query: the stored query to export
    std::string csvPath;      // --csv: where the CSV goes ("-": standard output)
    std::string pdfPath;      // --pdf: where the PDF report goes
    std::string error;        // why the line is invalid
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The usage text printed by --help.
std::string UsageText();

// Runs a headless command; returns the process exit status. Messages go to standard error.
int RunHeadless(const CommandLine& command, const std::string& version);
