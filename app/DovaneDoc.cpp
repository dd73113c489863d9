#include "app/DovaneDoc.h"

#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "platform/MessageBox.h"
#include "query/ui/DovaneQueryView.h"
#include "reports/ui/DovaneReportView.h"
#include "store/DovaneDatabase.h"

#include <QFile>

CDovaneDoc::CDovaneDoc(CRecentFileList& recentFiles, QObject* parent)
    : QObject(parent), recentFiles_(recentFiles)
{
}

CDovaneDoc::~CDovaneDoc() { CloseReport(); }

void CDovaneDoc::CloseReport()
{
    if (!report_)
        return;
    MoxCloseDoc(report_);
    report_ = nullptr;
}

QString CDovaneDoc::ExtensionOf(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : path.mid(dot + 1).toLower();
}

bool CDovaneDoc::CanOpenForReading(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        return true;
    MessageBox(("Cannot open the document " + path + ".\n" + file.errorString()).toStdString(), {},
               MB_OK | MB_ICONWARNING);
    return false;
}

bool CDovaneDoc::IsDatasetOpen() const { return TheDatabase().IsOpen(); }

void CDovaneDoc::CloseDataset() { TheDatabase().CloseDataset(); }

bool CDovaneDoc::CompactDataset() { return TheDatabase().CompactDataset(); }

bool CDovaneDoc::OnOpenDocument(const QString& path)
{
    CDovaneDatabase& database = TheDatabase();
    if (database.IsOpen() && path.toStdString() == database.currentDatasetPath())
        return false;
    if (!CanOpenForReading(path))
        return false;
    const QString extension = ExtensionOf(path);
    if (extension == QLatin1String("mox")) {
        extension_ = extension;
        return OpenReport(path);
    }
    if (extension == QLatin1String("tvd")) {
        extension_ = extension;
        return OpenDataset(path);
    }
    return false;
}

bool CDovaneDoc::OpenReport(const QString& path)
{
    CDovaneDatabase& database = TheDatabase();
    if (!frame_ || !frame_->ReportView()) {
        if (database.IsOpen())
            database.CloseDataset();
        waitingReport_ = path;
        emit reportWaiting();
        return true;
    }
    waitingReport_.clear();
    // The engine checks the file first: a file that is not a whole report leaves everything as
    // it was, with a message, instead of an empty viewer.
    HMOXDOC report = MoxOpenDocFile(frame_->ReportView(), path.toLocal8Bit().constData(),
                                    "Tavrin Report Viewer", kReportOpenFlags);
    if (!report) {
        MessageBox("Unable to open report " + path.toStdString(), {}, MB_OK | MB_ICONERROR);
        return false;
    }
    if (database.IsOpen())
        database.CloseDataset();
    CloseReport();
    report_ = report;
    frame_->QueryView()->ResetView();
    frame_->ArrangeToolBars(ScreenToolBar::AllHidden, 0);
    frame_->SwitchScreen(frame_->ReportView());
    frame_->SetMainTitle((path + QString::fromLatin1(kMainTitleSuffix)).toStdString());
    return true;
}

bool CDovaneDoc::OpenDataset(const QString& path)
{
    CDovaneDatabase& database = TheDatabase();
    database.CompactDataset();
    database.SetCurrentDatasetPath(path.toStdString());
    CloseReport();
    if (!database.OpenDataset(path.toStdString())) {
        MessageBox("Unable to open dataset " + path.toStdString());
        return false;
    }
    database.RunFirstLoads();
    if (frame_)
        frame_->BackToStartScreen();
    const std::string title = database.currentDatasetPath() + kMainTitleSuffix;
    if (frame_)
        frame_->SetMainTitle(title);
    recentFiles_.Add(path);
    return true;
}
