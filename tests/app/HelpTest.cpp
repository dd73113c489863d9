// The help viewer: help paths map to the built-in pages, and every topic the program names
// exists.
#include "app/HelpWindow.h"

#include "app/DovaneOptions.h"
#include "screens/DovaneItemEdit.h"
#include "screens/DovaneParamEdit.h"
#include "screens/DovaneQueryEdit.h"
#include "screens/DovaneValueEdit.h"
#include "query/ui/DovaneQueryView.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTest>

TEST(Help, TheHelpFileIsTheProgramPathWithTheChmExtension)
{
    const std::string path = HelpFilePath();
    EXPECT_EQ(path, QCoreApplication::applicationFilePath().toStdString() + ".chm");
}

TEST(Help, HelpPathsMapToTheirPagesAndAnchors)
{
    const std::string file = HelpFilePath();
    const struct {
        std::string path;
        const char* url;
        const char* why;
    } cases[] = {
        {file + "::/parameters_screen.htm", "qrc:/help/parameters_screen.htm", "a topic"},
        {file + "::/navigation.htm#options", "qrc:/help/navigation.htm#options", "an anchor"},
        {"/elsewhere/other.chm::/view_howto.htm", "qrc:/help/view_howto.htm",
         "only the topic counts"},
        {file, "qrc:/help/index.htm", "no topic: the contents"},
        {file + "::/missing.htm", "qrc:/help/index.htm", "an unknown topic: the contents"},
        {file + "::/../index.htm", "qrc:/help/index.htm", "no way out of the help pages"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HelpTopicUrl(c.path), QUrl(c.url)) << c.why;
}

TEST(Help, EveryTopicTheProgramNamesHasAPage)
{
    const std::vector<std::string> topics{
        CDovaneParamEdit().Info().helpTopic, CDovaneValueEdit().Info().helpTopic,
        CDovaneItemEdit().Info().helpTopic,  CDovaneQueryEdit().Info().helpTopic,
        CDovaneQueryView().Info().helpTopic, "::/view_howto.htm",
        "::/navigation.htm#options"};
    for (const std::string& topic : topics) {
        const QUrl page = HelpTopicUrl(HelpFilePath() + topic);
        EXPECT_NE(page.path(), "/help/index.htm") << topic << " has no page of its own";
        EXPECT_TRUE(QFile::exists(":" + page.path())) << topic;
    }
    EXPECT_EQ(CDovaneOptions::HelpTopicPath(), HelpFilePath() + "::/navigation.htm#options");
}

TEST(Help, AScreensHelpButtonShowsItsTopic)
{
    CDovaneItemEdit items;
    QTest::mouseClick(items.HelpButton(), Qt::LeftButton);
    ASSERT_NE(CHelpWindow::Existing(), nullptr);
    EXPECT_TRUE(CHelpWindow::Existing()->isVisible());
    EXPECT_EQ(CHelpWindow::Existing()->CurrentTopic(), QUrl("qrc:/help/items_screen.htm"));
    CHelpWindow::Existing()->close();
}
