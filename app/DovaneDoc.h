// CDovaneDoc: the one document of the program. It opens either a dataset (".tvd", through the
// dataset store) or a report file (".mox", shown on the report viewer screen); it stores nothing
// of its own in the file. Opening a dataset compacts the one opened before, runs the first loads,
// returns to the start screen, sets the main title and adds the file to the recent-file list.
#pragma once

#include "moxprint.h"

#include <QObject>
#include <QString>

class CMainFrame;
class CRecentFileList;

class CDovaneDoc : public QObject {
    Q_OBJECT

public:
    explicit CDovaneDoc(CRecentFileList& recentFiles, QObject* parent = nullptr);
    ~CDovaneDoc() override;

    void SetFrame(CMainFrame* frame) { frame_ = frame; }

    // Opens `path` (a full path). False when nothing was opened: the open dataset named again,
    // a file that cannot be read (after the standard message), another extension (silently),
    // or a dataset the store refused ("Unable to open dataset " and the path).
    bool OnOpenDocument(const QString& path);

    // The extension of the file opened last, lower case, without the dot.
    QString Extension() const { return extension_; }
    // A report file that waits for the report viewer screen to exist; empty when none.
    QString WaitingReportPath() const { return waitingReport_; }
    // The open flags the print engine gets for report files: read-only, fixed message numbers
    // and the viewer's preview settings.
    static constexpr unsigned kReportOpenFlags = 0x3E700;
    // The print engine document of the open report file; null when none is open.
    HMOXDOC ReportDocument() const { return report_; }
    // Closes the open report file, if any.
    void CloseReport();

    bool IsDatasetOpen() const;
    void CloseDataset();
    bool CompactDataset();

    // The text after the last "." of `path`, lower case; empty when there is none.
    static QString ExtensionOf(const QString& path);
    // The standard check before a document opens: the file can be opened for reading. On
    // failure the standard message names the file and the reason.
    static bool CanOpenForReading(const QString& path);

signals:
    // A report file must wait until the report viewer exists (the "Tavrin open report" post).
    void reportWaiting();

private:
    bool OpenReport(const QString& path);
    bool OpenDataset(const QString& path);

    CRecentFileList& recentFiles_;
    CMainFrame* frame_ = nullptr;
    QString extension_;
    QString waitingReport_;
    HMOXDOC report_ = nullptr;
};
