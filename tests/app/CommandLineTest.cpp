// The command line: headless commands and what starts the desktop program.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, RecognisesEachForm)
{
    using Action = CommandLine::Action;
    const struct {
        std::vector<std::string> arguments;
        Action action;
        std::string path;
        const char* why;
    } cases[] = {
        {{}, Action::StartGui, "", "no argument starts the program"},
        {{"shop.tvd"}, Action::StartGui, "shop.tvd", "a dataset to open"},
        {{"--print", "shop.tvd"}, Action::Print, "shop.tvd", "a print request"},
        {{"--print-to", "shop.tvd", "laser"}, Action::Print, "shop.tvd", "print to a printer"},
        {{"--new", "a.tvd"}, Action::NewDataset, "a.tvd", "headless creation"},
        {{"--new"}, Action::Invalid, "", "--new needs a path"},
        {{"-x"}, Action::Invalid, "", "unknown option"},
        {{"--version"}, Action::Version, "", "version"},
    };
    for (const auto& c : cases) {
        const CommandLine command = ParseCommandLine(c.arguments);
        EXPECT_EQ(command.action, c.action) << c.why;
        EXPECT_EQ(command.datasetPath, c.path) << c.why;
    }
}

TEST(CommandLine, HeadlessCommandsRunWithoutTheDesktop)
{
    EXPECT_EQ(RunHeadless(ParseCommandLine({"--version"}), "1.0.0"), 0);
    EXPECT_EQ(RunHeadless(ParseCommandLine({"-x"}), "1.0.0"), 2);
}
