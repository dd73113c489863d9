#include "app/CommandLine.h"

#include "app/QueryCsv.h"
#include "app/QueryPdf.h"
#include "store/DatasetTemplate.h"

#include <cstdio>

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine command;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            command.action = CommandLine::Action::Help;
            return command;
        }
        if (argument == "--version" || argument == "-v") {
            command.action = CommandLine::Action::Version;
            return command;
        }
        if (argument == "--new") {
            if (i + 1 >= arguments.size()) {
                command.action = CommandLine::Action::Invalid;
                command.error = "--new needs the path of the dataset to create";
                return command;
            }
            command.action = CommandLine::Action::NewDataset;
            command.datasetPath = arguments[++i];
        } else if (argument == "--print" || argument == "--print-to") {
            // The file (and for --print-to the printer) follow; none of it is used.
            command.action = CommandLine::Action::Print;
            if (i + 1 < arguments.size())
                command.datasetPath = arguments[++i];
            return command;
        } else if (argument == "--query" || argument == "--csv" || argument == "--pdf") {
            if (i + 1 >= arguments.size()) {
                command.action = CommandLine::Action::Invalid;
                command.error = argument + " needs a value";
                return command;
            }
            std::string& value = argument == "--query" ? command.queryName
                                 : argument == "--csv" ? command.csvPath
                                                       : command.pdfPath;
            value = arguments[++i];
            command.action = command.pdfPath.empty() ? CommandLine::Action::QueryCsv
                                                     : CommandLine::Action::QueryPdf;
        } else if (argument.size() > 1 && argument[0] == '-') {
            command.action = CommandLine::Action::Invalid;
            command.error = "unknown option " + argument;
            return command;
        } else if (command.action == CommandLine::Action::StartGui ||
                   command.action == CommandLine::Action::QueryCsv ||
                   command.action == CommandLine::Action::QueryPdf) {
            command.datasetPath = argument;
        }
    }
    const bool exportsQuery = command.action == CommandLine::Action::QueryCsv ||
                              command.action == CommandLine::Action::QueryPdf;
    if (exportsQuery && !command.csvPath.empty() && !command.pdfPath.empty()) {
        command.action = CommandLine::Action::Invalid;
        command.error = "--csv and --pdf cannot be combined: export the query twice";
    } else if (exportsQuery && (command.queryName.empty() || command.datasetPath.empty() ||
                                (command.csvPath.empty() && command.pdfPath.empty()))) {
        command.action = CommandLine::Action::Invalid;
        command.error = "--query needs --csv or --pdf and a dataset: --query NAME --csv OUT DATASET.tvd";
    }
    return command;
}

std::string UsageText()
{
    return "Usage: Tavrin [DATASET.tvd]\n"
           "       Tavrin --new PATH.tvd\n"
           "       Tavrin --query NAME --csv OUT DATASET.tvd\n"
           "       Tavrin --query NAME --pdf OUT.pdf DATASET.tvd\n"
           "\n"
           "Tavrin keeps a collection of items described by typed parameters, runs queries\n"
           "over it and turns the results into reports.\n"
           "\n"
           "Options:\n"
           "  -h, --help        show this text and exit\n"
           "  -v, --version     show the version and exit\n"
           "  --new PATH.tvd    create an empty dataset at PATH.tvd and exit; an existing\n"
           "                    file is never touched\n"
           "  --query NAME --csv OUT DATASET.tvd\n"
           "                    run the stored query NAME of DATASET.tvd and write its\n"
           "                    result list as CSV to OUT (\"-\": standard output)\n"
           "  --query NAME --pdf OUT.pdf DATASET.tvd\n"
           "                    run the stored query NAME of DATASET.tvd and write the PDF\n"
           "                    report of all its items to OUT.pdf; an existing OUT.pdf\n"
           "                    that is read-only is left alone\n";
}

int RunHeadless(const CommandLine& command, const std::string& version)
{
    switch (command.action) {
    case CommandLine::Action::Help:
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::printf("Tavrin %s\n", version.c_str());
        return 0;
    case CommandLine::Action::NewDataset: {
        std::string error;
        if (!CreateDataset(command.datasetPath, error)) {
            std::fprintf(stderr, "Tavrin: %s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    case CommandLine::Action::QueryCsv: {
        std::string error;
        if (!ExportQueryCsv(command.datasetPath, command.queryName, command.csvPath, error)) {
            std::fprintf(stderr, "Tavrin: %s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    case CommandLine::Action::QueryPdf: {
        std::string error;
        if (!ExportQueryPdf(command.datasetPath, command.queryName, command.pdfPath, error)) {
            std::fprintf(stderr, "Tavrin: %s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    case CommandLine::Action::Invalid:
        std::fprintf(stderr, "Tavrin: %s\n%s", command.error.c_str(), UsageText().c_str());
        return 2;
    case CommandLine::Action::Print:
    case CommandLine::Action::StartGui:
        break;
    }
    return 0;
}
