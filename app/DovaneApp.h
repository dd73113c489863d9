// CDovaneApp: the application object. It runs the start-up sequence (command-line check, one
// copy per user with the hand-over of the file name to the running copy, settings, template
// folder, help file, splash, the main frame with its seven screens), owns the frame, the document
// and the recent-file list, handles the file commands (New, Open, recent files, Duplicate),
// About, Print Setup and Exit, and sees every event first while the splash window is shown, so
// that a key press or a right or middle click anywhere closes it.
#pragma once

#include "app/CommandLine.h"
#include "app/DovaneSplash.h"
#include "app/RecentFileList.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class CDovaneDoc;
class CDovaneScreenView;
class CMainFrame;
class CSingleInstance;
class QPrinter;

class CDovaneApp : public QObject {
    Q_OBJECT

public:
    // `instanceName` names the single-instance socket (tests give their own).
    explicit CDovaneApp(const QString& instanceName = {}, QObject* parent = nullptr);
    ~CDovaneApp() override;

    // The application object of the process (the first one made), or null.
    static CDovaneApp* Instance();

    // The start-up sequence; false ends the program at once without a window (a print request,
    // another copy runs, an unusable file name on the command line).
    bool InitInstance(const CommandLine& command);

    CMainFrame* MainFrame() const { return frame_.get(); }
    CDovaneDoc& Document() const { return *doc_; }
    CRecentFileList& RecentFiles() { return recentFiles_; }
    // Hides the active screen and shows `view`.
    CDovaneScreenView* SwitchScreen(CDovaneScreenView* view);

    // Opens a dataset or report file as the document (after the current screen agreed to be
    // left); relative names are taken from the current folder.
    bool OpenDocumentFile(const QString& path);

    // ---- Commands the frame leaves to the application -----------------------------------------
    void OnCommand(int command);
    bool HandlesCommand(int command) const;

    // ---- Splash ----------------------------------------------------------------------------------
    // Shows the splash window unless the setting is off or one is shown already.
    void ShowSplash();
    void CloseSplash();
    CDovaneSplash* Splash() const { return splash_; }
    int ShowSplashSetting() const { return showSplash_; }

    // A command-line name passes when it ends in ".tvd" in any letter case.
    static bool IsDatasetFileName(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateScreens();
    void OnFileNew();
    void OnFileOpen();
    void OnOpenRecent(int index);
    void OnDuplicateDataset();
    void OnPrintSetup();
    void OnAbout();
    void OpenWaitingReport();
    // After a key closed the splash: the rest of that key's events go nowhere.
    bool SwallowRestOfClosingKey(QEvent* event);
    void StopSwallowing();
    QString DialogFolder() const;

    QString instanceName_;
    std::unique_ptr<CSingleInstance> instance_;
    std::unique_ptr<CDovaneDoc> doc_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<QPrinter> printer_;
    CRecentFileList recentFiles_;
    QPointer<CDovaneSplash> splash_;
    int showSplash_ = 0;
    int swallowedKey_ = 0;
};
