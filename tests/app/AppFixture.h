// Fixtures of the application tests. StartedApp runs the real start-up sequence of a program
// copy with settings, a template folder and a single-instance name of its own; FrameHarness
// builds a main frame around screens that record what the frame asks of them.
#pragma once

#include "app/CommandLine.h"
#include "app/DovaneMainScreenView.h"
#include "app/DovaneApp.h"
#include "app/DovaneDoc.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "query/ui/DovaneQueryView.h"
#include "reports/ui/DovaneReportView.h"
#include "screens/DovaneItemEdit.h"
#include "screens/DovaneParamEdit.h"
#include "screens/DovaneQueryEdit.h"
#include "screens/DovaneValueEdit.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

// A name for the single-instance socket that no other test (or a real copy) uses.
QString UniqueInstanceName();

// Makes an empty dataset file named `name` in `folder` and returns its full path.
std::string MakeDataset(const TempFolder& folder, const std::string& name);

// Makes a report file of one page with a line of text through the print engine and returns
// its full path.
std::string MakeReport(const TempFolder& folder, const std::string& name);

// Settings of a new user, a scratch folder, and the dataset store left closed afterwards.
class AppTestBase : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QTemporaryDir settings_;
    TempFolder folder_;
};

class StartedApp : public AppTestBase {
protected:
    void TearDown() override;
    // Runs start-up with `arguments` as the command line. Unless `splash`, the splash switch is
    // turned off first; with it the settings stay as they are (a first run shows the splash).
    bool Start(const std::vector<std::string>& arguments = {}, bool splash = false);
    CMainFrame& Frame() { return *app_->MainFrame(); }

    QString instanceName_ = UniqueInstanceName();
    std::unique_ptr<CDovaneApp> app_;
};

// An editing screen that records the frame's calls and answers CanLeave as told.
template <class Screen>
class Recording : public Screen {
public:
    bool CanLeave(bool prompt) override
    {
        prompts.push_back(prompt);
        return agreeToLeave;
    }
    void Reload() override { ++reloads; }
    void StartRowBlink() override { ++blinkStarts; }
    void StopRowBlink() override { ++blinkStops; }
    void SetRowColour(COLORREF colour, bool text) override
    {
        colours.push_back({colour, text});
    }
    // Records the commands the frame forwards; runs none, so the others route on.
    bool OnCommand(int command) override
    {
        commands.push_back(command);
        return false;
    }

    bool agreeToLeave = true;
    std::vector<bool> prompts;
    int reloads = 0;
    int blinkStarts = 0;
    int blinkStops = 0;
    std::vector<std::pair<COLORREF, bool>> colours;
    std::vector<int> commands;
};

class FrameHarness : public AppTestBase {
protected:
    void SetUp() override;
    void TearDown() override;
    // Opens a new dataset through the document.
    std::string OpenNewDataset(const std::string& name = "shop.tvd");

    std::unique_ptr<CDovaneApp> app_;  // not started: the frame's fallback for file commands
    CRecentFileList recent_;
    std::unique_ptr<CDovaneDoc> doc_;
    std::unique_ptr<CMainFrame> frame_;
    Recording<CDovaneParamEdit>* params_ = nullptr;
    Recording<CDovaneValueEdit>* values_ = nullptr;
    Recording<CDovaneItemEdit>* items_ = nullptr;
    Recording<CDovaneQueryEdit>* queryEdit_ = nullptr;
    CDovaneQueryView* queryView_ = nullptr;
    CDovaneReportView* report_ = nullptr;
};
