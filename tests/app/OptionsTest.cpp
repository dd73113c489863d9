// The Options dialog: the five switches, what OK writes and what it posts.
#include "app/DovaneOptions.h"

#include "app/Commands.h"
#include "app/HelpWindow.h"
#include "platform/Settings.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Stands in for the frame: records the commands posted to it.
class CommandRecorder : public QObject {
public:
    std::vector<int> commands;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == CommandEvent::EventType()) {
            commands.push_back(static_cast<CommandEvent*>(event)->Command());
            return true;
        }
        return QObject::event(event);
    }
};

class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override { UseSettingsFolder(settings_.path()); }
    QTemporaryDir settings_;
    CommandRecorder frame_;
    int promptOnSave_ = -1;
};

}  // namespace

TEST_F(OptionsTest, ShowsTheFiveSwitchesAsStoredAndReadsThePromptIntoTheFrame)
{
    WriteUiSetting(kPromptOnSaveSetting, 0);
    WriteUiSetting(kBeepSetting, 0);
    CDovaneOptions options(nullptr, &frame_, &promptOnSave_);
    EXPECT_EQ(options.windowTitle(), "Options");
    EXPECT_FALSE(options.PromptOnSaveBox()->isChecked());
    EXPECT_FALSE(options.BeepBox()->isChecked());
    EXPECT_TRUE(options.LoadLastBox()->isChecked()) << "a first read gives 1";
    EXPECT_TRUE(options.SplashBox()->isChecked());
    EXPECT_TRUE(options.ShowLinksBox()->isChecked());
    EXPECT_EQ(promptOnSave_, 0);
    EXPECT_EQ(options.ShowLinksBox()->text(), "Show \"Links\" column in View");
}

TEST_F(OptionsTest, OkWritesEverySwitchAndCancelWritesNothing)
{
    {
        CDovaneOptions options(nullptr, &frame_, &promptOnSave_);
        options.PromptOnSaveBox()->setChecked(false);
        options.SplashBox()->setChecked(false);
        options.reject();
    }
    EXPECT_EQ(ReadUiSetting(kPromptOnSaveSetting), 1);
    EXPECT_EQ(ReadUiSetting(kShowSplashSetting), 1);

    CDovaneOptions options(nullptr, &frame_, &promptOnSave_);
    options.PromptOnSaveBox()->setChecked(false);
    options.LoadLastBox()->setChecked(false);
    options.SplashBox()->setChecked(false);
    options.accept();
    EXPECT_EQ(ReadUiSetting(kPromptOnSaveSetting), 0);
    EXPECT_EQ(ReadUiSetting(kLoadLastSetting), 0);
    EXPECT_EQ(ReadUiSetting(kShowSplashSetting), 0);
    EXPECT_EQ(ReadUiSetting(kBeepSetting), 1);
    EXPECT_EQ(ReadUiSetting(kShowLinksSetting), 1);
    EXPECT_EQ(promptOnSave_, 0) << "the frame's copy follows OK";
}

TEST_F(OptionsTest, ChangingShowLinksPostsRestoreLinksColumnOnce)
{
    const struct {
        int clicks;
        size_t posted;
        const char* why;
    } cases[] = {
        {0, 0, "unchanged"},
        {1, 1, "toggled once"},
        {2, 0, "toggled twice is no change"},
    };
    for (const auto& c : cases) {
        frame_.commands.clear();
        CDovaneOptions options(nullptr, &frame_, &promptOnSave_);
        options.show();
        for (int i = 0; i < c.clicks; ++i)
            QTest::mouseClick(options.ShowLinksBox(), Qt::LeftButton, {},
                              QPoint(4, options.ShowLinksBox()->height() / 2));
        options.accept();
        EXPECT_TRUE(frame_.commands.empty()) << "posted, not sent: " << c.why;
        QCoreApplication::sendPostedEvents(&frame_);
        ASSERT_EQ(frame_.commands.size(), c.posted) << c.why;
        if (c.posted) {
            EXPECT_EQ(frame_.commands[0], ID_RESTORE_LINKS) << c.why;
        }
    }
}

TEST_F(OptionsTest, F1OpensTheOptionsTopicWithTheContents)
{
    CDovaneOptions options(nullptr, &frame_, &promptOnSave_);
    options.show();
    QTest::keyClick(&options, Qt::Key_F1);
    ASSERT_NE(CHelpWindow::Existing(), nullptr);
    EXPECT_EQ(CHelpWindow::Existing()->CurrentTopic(), QUrl("qrc:/help/navigation.htm#options"));
    EXPECT_TRUE(CHelpWindow::Existing()->IsContentsShown());
    CHelpWindow::Existing()->close();
}
