#include "app/CommandLine.h"
#include "tests/cli/RunTavrin.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

TEST(CommandLine, ParsesTheHeadlessCommands)
{
    const struct {
        std::vector<std::string> arguments;
        CommandLine::Action action;
        std::string path;
    } cases[] = {
        {{}, CommandLine::Action::StartGui, ""},
        {{"/data/stock.tvd"}, CommandLine::Action::StartGui, "/data/stock.tvd"},
        {{"--help"}, CommandLine::Action::Help, ""},
        {{"--new", "/tmp/a.tvd"}, CommandLine::Action::NewDataset, "/tmp/a.tvd"},
        {{"--new"}, CommandLine::Action::Invalid, ""},
        {{"--frobnicate"}, CommandLine::Action::Invalid, ""},
        {{"-v"}, CommandLine::Action::Version, ""},
    };
    for (const auto& c : cases) {
        const CommandLine command = ParseCommandLine(c.arguments);
        EXPECT_EQ(command.action, c.action) << testing::PrintToString(c.arguments);
        EXPECT_EQ(command.datasetPath, c.path) << testing::PrintToString(c.arguments);
    }
}

TEST(CommandLine, HelpAndVersionRunWithoutADisplay)
{
    const RunResult help = RunTavrin({"--help"});
    EXPECT_EQ(help.exitCode, 0) << help.err;
    EXPECT_NE(help.out.find("--new PATH.tvd"), std::string::npos) << help.out;

    const RunResult version = RunTavrin({"--version"});
    EXPECT_EQ(version.exitCode, 0) << version.err;
    EXPECT_EQ(version.out.rfind("Tavrin ", 0), 0u) << version.out;
}

TEST(CommandLine, NewCreatesADatasetOnceAndRefusesAnExistingPath)
{
    TempFolder folder;
    const std::string path = folder.Path("collection.tvd");
    const RunResult first = RunTavrin({"--new", QString::fromStdString(path)});
    EXPECT_EQ(first.exitCode, 0) << first.err;
    const std::string created = ReadWholeFile(path);
    EXPECT_EQ(created.rfind("SQLite format 3", 0), 0u);

    const RunResult second = RunTavrin({"--new", QString::fromStdString(path)});
    EXPECT_NE(second.exitCode, 0);
    EXPECT_NE(second.err.find("already exists"), std::string::npos) << second.err;
    EXPECT_EQ(ReadWholeFile(path), created);
}

TEST(CommandLine, UnknownOptionIsAnErrorWithUsage)
{
    const RunResult result = RunTavrin({"--frobnicate"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("unknown option --frobnicate"), std::string::npos) << result.err;
}
