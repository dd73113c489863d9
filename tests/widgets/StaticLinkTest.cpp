#include "widgets/StaticLink.h"

#include "platform/ShellOpen.h"

#include <gtest/gtest.h>

#include <QTest>

TEST(StaticLink, MailAddressesGetMailtoInFrontOfThem)
{
    const struct {
        const char* target;
        const char* opened;
        const char* why;
    } cases[] = {
        {"support@brennick.example", "mailto:support@brennick.example", "a plain mail address"},
        {"mailto:support@brennick.example", "mailto:support@brennick.example", "already marked"},
        {"https://www.brennick.example/tavrin", "https://www.brennick.example/tavrin", "no at sign"},
        {"@brennick.example", "@brennick.example", "an at sign first is no address"},
        {"x@y", "mailto:x@y", "the at sign right after the first character counts"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CStaticLink::ShellTarget(c.target).toStdString(), c.opened) << c.why;
}

TEST(StaticLink, AClickOpensTheTargetAndTurnsTheLinkPurple)
{
    ScriptedShellOpen shell;
    CStaticLink link("support@brennick.example");
    link.resize(200, 20);
    EXPECT_EQ(link.palette().color(QPalette::WindowText), CStaticLink::UnvisitedColour());
    EXPECT_TRUE(link.font().underline());

    QTest::mouseClick(&link, Qt::LeftButton);
    ASSERT_EQ(shell.Targets().size(), 1u);
    EXPECT_EQ(shell.Targets()[0], "mailto:support@brennick.example");
    EXPECT_TRUE(link.Visited());
    EXPECT_EQ(link.palette().color(QPalette::WindowText), CStaticLink::VisitedColour());
}

TEST(StaticLink, ASetTargetWinsOverTheTextAndAFailedOpenChangesNothing)
{
    ScriptedShellOpen shell;
    shell.Answer(false);
    CStaticLink link("Brennick");
    link.SetTarget("https://www.brennick.example/");
    EXPECT_FALSE(link.Open());
    EXPECT_EQ(shell.Targets(), std::vector<std::string>{"https://www.brennick.example/"});
    EXPECT_FALSE(link.Visited());
    EXPECT_EQ(link.palette().color(QPalette::WindowText), CStaticLink::UnvisitedColour());
}
