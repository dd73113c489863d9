// The per-user settings store: QSettings of organisation "Brennick", application "Tavrin"
// (on Linux ~/.config/Brennick/Tavrin.conf). Groups: "Settings" (installation values such as
// TEMPLATEDIR), "SettingsUI" (the five user-interface switches) and "Recent File List".
#pragma once

#include <string>
#include <vector>

class QString;

// The five switches of the SettingsUI group.
inline constexpr const char* kShowSplashSetting = "Show splash screen";
inline constexpr const char* kLoadLastSetting = "LoadLast";
inline constexpr const char* kPromptOnSaveSetting = "PromptOnSave";
inline constexpr const char* kBeepSetting = "Beep";
inline constexpr const char* kShowLinksSetting = "Show Links";

// One switch of SettingsUI. An empty name reads 0; a missing (or unreadable) value is written as
// 1 and reads 1; when the settings store itself is unavailable the switch reads 0.
int ReadUiSetting(const std::string& name);
// Writes one switch; an empty name writes nothing; errors are ignored.
void WriteUiSetting(const std::string& name, int value);

// "Settings"/"TEMPLATEDIR": the folder that holds the sample dataset; empty when missing.
std::string ReadTemplateDirSetting();

// The recent-file list, newest first, at most kRecentFileCount entries.
inline constexpr int kRecentFileCount = 4;
std::vector<std::string> ReadRecentFiles();
void WriteRecentFiles(const std::vector<std::string>& paths);
// Puts `path` first (removing an equal entry) and keeps the newest kRecentFileCount.
void AddRecentFile(const std::string& path);

// Tests and sandboxed runs: keep the per-user settings under `folder` instead of ~/.config.
void UseSettingsFolder(const QString& folder);
