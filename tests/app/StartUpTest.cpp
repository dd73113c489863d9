// The start-up sequence: what ends it, what it opens, what it writes on a first run.
#include "tests/app/AppFixture.h"

#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "store/DovaneDatabase.h"

#include <QApplication>
#include <QSettings>

namespace {

bool AnyWindowVisible()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            return true;
    return false;
}

}  // namespace

TEST_F(StartedApp, CommandLineNamesThatAreNoDatasetEndStartUpWithoutAWindow)
{
    const struct {
        std::vector<std::string> arguments;
        const char* why;
    } cases[] = {
        {{"report.mox"}, "a report file is not opened from the command line"},
        {{"notes"}, "a name without extension"},
        {{"shop.tvd.bak"}, "the text after the last dot counts"},
        {{"--print", "shop.tvd"}, "printing from the command line is not offered"},
    };
    for (const auto& c : cases) {
        instanceName_ = UniqueInstanceName();
        EXPECT_FALSE(Start(c.arguments)) << c.why;
        EXPECT_EQ(app_->MainFrame(), nullptr) << c.why;
        EXPECT_FALSE(AnyWindowVisible()) << c.why;
        app_.reset();
    }
}

TEST_F(StartedApp, AnUpperCaseTvdNamePassesAndIsOpenedOnceTheScreensExist)
{
    const std::string path = MakeDataset(folder_, "STOCK.TVD");
    ASSERT_TRUE(Start({path}));
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_NE(Frame().ReportView(), nullptr);
    EXPECT_TRUE(TheDatabase().IsOpen());
    EXPECT_EQ(TheDatabase().currentDatasetPath(), path);
    EXPECT_EQ(Frame().windowTitle().toStdString(), path + " - Tavrin");
}

TEST_F(StartedApp, AMissingUpperCaseTvdNameStartsWithNoDatasetOpen)
{
    ScriptedMessages messages;
    ASSERT_TRUE(Start({folder_.Path("MISSING.TVD")}));
    EXPECT_FALSE(TheDatabase().IsOpen());
    EXPECT_EQ(Frame().ActiveView(), static_cast<CDovaneScreenView*>(Frame().StartView()));
    EXPECT_EQ(messages.Shown().size(), 1u) << "the file's open failure is reported once";
}

TEST_F(StartedApp, AFirstRunWritesEachSwitchWithOneOnlyOnceItWasRead)
{
    ASSERT_TRUE(Start({}, true));
    QSettings stored("Brennick", "Tavrin");
    stored.beginGroup("SettingsUI");
    // Start-up reads the splash switch and the last-dataset switch, the frame the prompt.
    EXPECT_EQ(stored.value(kShowSplashSetting).toInt(), 1);
    EXPECT_EQ(stored.value(kLoadLastSetting).toInt(), 1);
    EXPECT_EQ(stored.value(kPromptOnSaveSetting).toInt(), 1);
    EXPECT_FALSE(stored.contains(kBeepSetting)) << "read only by the Items screen";
    EXPECT_FALSE(stored.contains(kShowLinksSetting)) << "read only by the result screen";
    EXPECT_NE(app_->Splash(), nullptr) << "the splash shows on a first run";
}

TEST_F(StartedApp, LoadLastOpensTheNewestRecentDatasetUnlessACommandLineNameIsGiven)
{
    const std::string older = MakeDataset(folder_, "older.tvd");
    const std::string newest = MakeDataset(folder_, "newest.tvd");
    const std::string named = MakeDataset(folder_, "named.tvd");
    const struct {
        int loadLast;
        std::vector<std::string> arguments;
        std::string opened;
        const char* why;
    } cases[] = {
        {1, {}, newest, "the first recent entry"},
        {0, {}, "", "switched off: nothing opens"},
        {1, {named}, named, "a name on the command line comes first"},
    };
    for (const auto& c : cases) {
        WriteRecentFiles({newest, older});
        WriteUiSetting(kLoadLastSetting, c.loadLast);
        instanceName_ = UniqueInstanceName();
        ASSERT_TRUE(Start(c.arguments)) << c.why;
        EXPECT_EQ(TheDatabase().IsOpen() ? TheDatabase().currentDatasetPath() : "", c.opened)
            << c.why;
        app_.reset();
        TheDatabase().CloseDataset();
        TheDatabase().SetCurrentDatasetPath("");
    }
}

TEST_F(StartedApp, ARecentEntryWhoseFileIsGoneLeavesTheList)
{
    const std::string kept = MakeDataset(folder_, "kept.tvd");
    WriteRecentFiles({folder_.Path("gone.tvd"), kept});
    ScriptedMessages messages;
    ASSERT_TRUE(Start());
    EXPECT_FALSE(TheDatabase().IsOpen());
    EXPECT_EQ(ReadRecentFiles(), std::vector<std::string>{kept});
}

TEST_F(StartedApp, StartUpCreatesTheSevenScreensAndShowsTheStartScreen)
{
    ASSERT_TRUE(Start());
    CMainFrame& frame = Frame();
    const std::vector<CDovaneScreenView*> screens{
        frame.StartView(), frame.ParamEdit(), frame.ValueEdit(),  frame.ItemEdit(),
        frame.QueryEdit(), frame.QueryView(), frame.ReportView()};
    for (CDovaneScreenView* screen : screens) {
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(screen->window(), &frame);
    }
    EXPECT_EQ(frame.ActiveView(), static_cast<CDovaneScreenView*>(frame.StartView()));
    EXPECT_EQ(frame.ScreenMenu(), 126);
    EXPECT_EQ(frame.windowTitle(), "Tavrin");
    EXPECT_TRUE(frame.acceptDrops());
}
