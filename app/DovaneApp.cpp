#include "app/DovaneApp.h"

#include "app/AboutDlg.h"
#include "app/Commands.h"
#include "app/DovaneDoc.h"
#include "app/DovaneSplash.h"
#include "app/HelpWindow.h"
#include "app/MainFrame.h"
#include "app/SingleInstance.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "query/ui/DovaneQueryView.h"
#include "reports/ui/DovaneReportView.h"
#include "screens/DovaneItemEdit.h"
#include "screens/DovaneParamEdit.h"
#include "screens/DovaneQueryEdit.h"
#include "screens/DovaneValueEdit.h"
#include "store/DatasetCopy.h"
#include "store/DatasetTemplate.h"
#include "store/DovaneDatabase.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPrinter>

namespace {

CDovaneApp* g_app = nullptr;

constexpr const char* kDatasetFilter = "Tavrin Files (*.tvd)";
constexpr const char* kOpenFilter = "Tavrin Files (*.tvd);;Tavrin Reports (*.mox);;All Files (*)";

QString FullPath(const QString& path)
{
    return path.isEmpty() ? path : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace

CDovaneApp::CDovaneApp(const QString& instanceName, QObject* parent)
    : QObject(parent),
      instanceName_(instanceName.isEmpty() ? CSingleInstance::DefaultName() : instanceName)
{
    if (!g_app)
        g_app = this;
}

CDovaneApp::~CDovaneApp()
{
    qApp->removeEventFilter(this);
    if (splash_)
        delete splash_.data();
    frame_.reset();  // compacts the dataset
    delete CHelpWindow::Existing();
    if (g_app == this)
        g_app = nullptr;
}

CDovaneApp* CDovaneApp::Instance() { return g_app; }

bool CDovaneApp::IsDatasetFileName(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && path.mid(dot).compare(QLatin1String(".tvd"), Qt::CaseInsensitive) == 0;
}

bool CDovaneApp::InitInstance(const CommandLine& command)
{
    if (command.action == CommandLine::Action::Print)
        return false;

    // One copy per user: a later copy hands its file name to the running one and ends.
    const QString fileName = FullPath(QString::fromStdString(command.datasetPath));
    instance_ = std::make_unique<CSingleInstance>(instanceName_);
    if (instance_->ClaimOrHandOver(fileName) != CSingleInstance::Claim::First)
        return false;
    connect(instance_.get(), &CSingleInstance::fileNameReceived, this, [this](const QString& name) {
        if (frame_)
            frame_->OnHandOver(name);
    });

    TheDatabase().LoadTemplateDir();
    doc_ = std::make_unique<CDovaneDoc>(recentFiles_);
    connect(doc_.get(), &CDovaneDoc::reportWaiting, this, &CDovaneApp::OpenWaitingReport,
            Qt::QueuedConnection);
    showSplash_ = ReadUiSetting(kShowSplashSetting);

    // A name on the command line must be a dataset; it is opened once the screens exist.
    if (!fileName.isEmpty() && !IsDatasetFileName(fileName))
        return false;

    frame_ = std::make_unique<CMainFrame>(*this, *doc_);
    doc_->SetFrame(frame_.get());
    ShowSplash();
    CreateScreens();
    frame_->show();

    if (!fileName.isEmpty())
        OpenDocumentFile(fileName);
    else if (ReadUiSetting(kLoadLastSetting) != 0 && !recentFiles_.At(0).isEmpty())
        OnOpenRecent(0);
    return true;
}

void CDovaneApp::CreateScreens()
{
    auto* params = new CDovaneParamEdit;
    auto* values = new CDovaneValueEdit;
    auto* items = new CDovaneItemEdit;
    auto* queryEdit = new CDovaneQueryEdit;
    auto* queryView = new CDovaneQueryView;
    auto* report = new CDovaneReportView;
    frame_->AddScreens(params, values, items, queryEdit, queryView, report);
    // The report viewer gets no initial update.
    for (CDovaneScreenView* screen :
         std::initializer_list<CDovaneScreenView*>{items, params, values, queryView, queryEdit})
        screen->OnInitialUpdate();
}

CDovaneScreenView* CDovaneApp::SwitchScreen(CDovaneScreenView* view)
{
    return frame_ ? frame_->SwitchScreen(view) : nullptr;
}

bool CDovaneApp::OpenDocumentFile(const QString& path)
{
    if (!doc_)
        return false;
    const QString full = FullPath(path);
    // The open dataset named again: nothing happens, so nothing needs leaving either.
    if (TheDatabase().IsOpen() && full.toStdString() == TheDatabase().currentDatasetPath())
        return false;
    // Another document replaces what the screen shows: its unsaved changes are settled first.
    if (frame_ && !frame_->LeaveCurrentScreen())
        return false;
    return doc_->OnOpenDocument(full);
}

void CDovaneApp::OpenWaitingReport()
{
    const QString waiting = doc_->WaitingReportPath();
    if (!waiting.isEmpty() && frame_ && frame_->ReportView())
        doc_->OnOpenDocument(waiting);
}

// ---- Commands -------------------------------------------------------------------------------------

bool CDovaneApp::HandlesCommand(int command) const
{
    switch (command) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_PRINT_SETUP:
    case ID_APP_ABOUT:
    case ID_APP_EXIT:
    case ID_DUPLICATE_DATASET:
        return true;
    default:
        return command >= ID_FILE_MRU_FILE1 && command < ID_FILE_MRU_FILE1 + kRecentFileCount &&
               !recentFiles_.At(command - ID_FILE_MRU_FILE1).isEmpty();
    }
}

void CDovaneApp::OnCommand(int command)
{
    switch (command) {
    case ID_FILE_NEW: OnFileNew(); break;
    case ID_FILE_OPEN: OnFileOpen(); break;
    case ID_FILE_PRINT_SETUP: OnPrintSetup(); break;
    case ID_APP_ABOUT: OnAbout(); break;
    case ID_APP_EXIT:
        if (frame_)
            frame_->close();
        break;
    case ID_DUPLICATE_DATASET: OnDuplicateDataset(); break;
    default:
        if (command >= ID_FILE_MRU_FILE1 && command < ID_FILE_MRU_FILE1 + kRecentFileCount)
            OnOpenRecent(command - ID_FILE_MRU_FILE1);
        break;
    }
}

QString CDovaneApp::DialogFolder() const
{
    const std::string& current = TheDatabase().currentDatasetPath();
    return current.empty() ? QDir::homePath()
                           : QFileInfo(QString::fromStdString(current)).absolutePath();
}

void CDovaneApp::OnFileNew()
{
    QString path = QString::fromStdString(GetSaveFileName(frame_.get(), "New dataset",
                                                          kDatasetFilter,
                                                          DialogFolder().toStdString(), "tvd",
                                                          false));
    if (path.isEmpty())
        return;
    if (CDovaneDoc::ExtensionOf(path) != QLatin1String("tvd"))
        path += QStringLiteral(".tvd");
    std::string error;
    if (!CreateDataset(FullPath(path).toStdString(), error)) {
        MessageBox(error, {}, MB_OK | MB_ICONERROR, frame_.get());
        return;
    }
    OpenDocumentFile(path);
}

void CDovaneApp::OnFileOpen()
{
    const QString path = QString::fromStdString(
        GetOpenFileName(frame_.get(), "Open", kOpenFilter, DialogFolder().toStdString()));
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

void CDovaneApp::OnOpenRecent(int index)
{
    const QString path = recentFiles_.At(index);
    if (path.isEmpty())
        return;
    // A file that has gone leaves the list once its failure was shown.
    if (!OpenDocumentFile(path) && !QFileInfo::exists(path))
        recentFiles_.Remove(path);
}

void CDovaneApp::OnDuplicateDataset()
{
    CDovaneDatabase& database = TheDatabase();
    if (!database.IsOpen())
        return;
    const QString source = QString::fromStdString(database.currentDatasetPath());
    QString target = QString::fromStdString(
        GetSaveFileName(frame_.get(), "Duplicate current dataset", kDatasetFilter,
                        DialogFolder().toStdString(), "tvd"));
    if (target.isEmpty())
        return;
    if (CDovaneDoc::ExtensionOf(target) != QLatin1String("tvd"))
        target += QStringLiteral(".tvd");
    target = FullPath(target);
    std::string error;
    if (!CopyDataset(source.toStdString(), target.toStdString(), error)) {
        MessageBox("The dataset was not duplicated: " + error, {}, MB_OK | MB_ICONERROR,
                   frame_.get());
        return;
    }
    OpenDocumentFile(target);
}

void CDovaneApp::OnPrintSetup()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>();
    QPageSetupDialog setup(printer_.get(), frame_.get());
    setup.exec();
}

void CDovaneApp::OnAbout()
{
    CAboutDlg about(frame_.get());
    about.exec();
}

// ---- Splash -----------------------------------------------------------------------------------------

void CDovaneApp::ShowSplash()
{
    if (showSplash_ == 0 || splash_)
        return;
    splash_ = new CDovaneSplash(frame_.get());
    connect(splash_, &CDovaneSplash::continueClicked, this, &CDovaneApp::CloseSplash);
    qApp->installEventFilter(this);
    splash_->show();
    splash_->raise();
    splash_->repaint();
}

void CDovaneApp::CloseSplash()
{
    if (!splash_)
        return;
    CDovaneSplash* splash = splash_;
    splash_ = nullptr;
    splash->hide();
    splash->deleteLater();
    if (swallowedKey_ == 0)
        qApp->removeEventFilter(this);
    if (frame_)
        frame_->update();
}

bool CDovaneApp::SwallowRestOfClosingKey(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == swallowedKey_)
            return true;
        break;
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent*>(event)->key() == swallowedKey_) {
            StopSwallowing();
            return true;
        }
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::FocusOut:
        break;
    default:
        return false;
    }
    StopSwallowing();
    return false;
}

void CDovaneApp::StopSwallowing()
{
    swallowedKey_ = 0;
    if (!splash_)
        qApp->removeEventFilter(this);
}

bool CDovaneApp::eventFilter(QObject* watched, QEvent* event)
{
    if (swallowedKey_ != 0 && SwallowRestOfClosingKey(event))
        return true;
    if (!splash_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Taken, so that no shortcut runs: the key press that follows closes the splash.
        event->accept();
        return true;
    case QEvent::KeyPress:
        // The key may reach several receivers; none of them gets it.
        swallowedKey_ = static_cast<QKeyEvent*>(event)->key();
        CloseSplash();
        return true;
    case QEvent::NonClientAreaMouseButtonPress:
        CloseSplash();
        return true;
    case QEvent::MouseButtonPress: {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::RightButton || button == Qt::MiddleButton) {
            CloseSplash();
            return true;
        }
        return false;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
