#include "platform/Settings.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

namespace {

// Each test gets settings of its own, as a first run of a new user.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { UseSettingsFolder(folder_.path()); }
    QTemporaryDir folder_;
};

QVariant StoredValue(const QString& key)
{
    return QSettings("Brennick", "Tavrin").value(key);
}

}  // namespace

TEST_F(SettingsTest, FirstReadOfEachSwitchWritesAndReturnsOne)
{
    const char* names[] = {kShowSplashSetting, kLoadLastSetting, kPromptOnSaveSetting,
                           kBeepSetting, kShowLinksSetting};
    for (const char* name : names) {
        const QString key = QStringLiteral("SettingsUI/") + name;
        EXPECT_FALSE(StoredValue(key).isValid()) << name << " exists before it is read";
        EXPECT_EQ(ReadUiSetting(name), 1) << name;
        EXPECT_EQ(StoredValue(key).toInt(), 1) << name << " not written by its first read";
    }
}

TEST_F(SettingsTest, WrittenSwitchReadsBackAndEmptyNameIsIgnored)
{
    WriteUiSetting(kBeepSetting, 0);
    EXPECT_EQ(ReadUiSetting(kBeepSetting), 0);
    WriteUiSetting(kBeepSetting, 7);
    EXPECT_EQ(ReadUiSetting(kBeepSetting), 7);

    WriteUiSetting("", 5);
    EXPECT_EQ(ReadUiSetting(""), 0);
    EXPECT_FALSE(StoredValue("SettingsUI/").isValid());
}

TEST_F(SettingsTest, TemplateDirIsEmptyUntilSet)
{
    EXPECT_EQ(ReadTemplateDirSetting(), "");
    QSettings("Brennick", "Tavrin").setValue("Settings/TEMPLATEDIR", "/opt/tavrin/template");
    EXPECT_EQ(ReadTemplateDirSetting(), "/opt/tavrin/template");
}

TEST_F(SettingsTest, RecentFilesKeepTheNewestFourWithoutDuplicates)
{
    for (const char* path : {"/a.tvd", "/b.tvd", "/c.tvd", "/d.tvd", "/e.tvd", "/c.tvd"})
        AddRecentFile(path);
    const std::vector<std::string> expected{"/c.tvd", "/e.tvd", "/d.tvd", "/b.tvd"};
    EXPECT_EQ(ReadRecentFiles(), expected);
}
