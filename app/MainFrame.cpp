#include "app/MainFrame.h"

#include "app/Commands.h"
#include "app/DovaneApp.h"
#include "app/DovaneDoc.h"
#include "app/DovaneMainScreenView.h"
#include "app/DovaneOptions.h"
#include "app/FrameToolBars.h"
#include "app/HelpWindow.h"
#include "app/MenuResources.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "query/ui/DovaneQueryView.h"
#include "reports/ui/DovaneReportView.h"
#include "screens/DovaneItemEdit.h"
#include "screens/DovaneParamEdit.h"
#include "screens/DovaneQueryEdit.h"
#include "screens/DovaneValueEdit.h"
#include "widgets/AdvCalendar.h"
#include "widgets/ColourPopup.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace {

constexpr const char* kNoDatasetText = "No dataset is opened";
const COLORREF kPopupStartColour = RGB(100, 200, 200);

// The frame's keys, whatever menu is shown.
const struct {
    QKeyCombination keys;
    int command;
} kAccelerators[] = {
    {Qt::CTRL | Qt::Key_D, ID_SAMPLE_DATASET}, {Qt::ALT | Qt::Key_H, ID_HELP},
    {QKeyCombination(Qt::Key_F1), ID_HELP},    {Qt::CTRL | Qt::Key_N, ID_FILE_NEW},
    {Qt::CTRL | Qt::Key_O, ID_FILE_OPEN},      {Qt::ALT | Qt::Key_O, ID_OPTIONS},
    {QKeyCombination(Qt::Key_F6), ID_NEXT_PANE}, {Qt::SHIFT | Qt::Key_F6, ID_PREV_PANE},
};

}  // namespace

CMainFrame::CMainFrame(CDovaneApp& app, CDovaneDoc& doc)
    : app_(app), doc_(doc), screens_(new QStackedWidget(this)),
      start_(new CDovaneMainScreenView), active_(start_)
{
    setObjectName("mainframe");
    setWindowIcon(QIcon(QStringLiteral(":/images/tavrin.svg")));
    mainTitle_ = QStringLiteral("Tavrin");
    setWindowTitle(mainTitle_);

    toolBars_ = std::make_unique<CFrameToolBars>(
        this, [this](QAction* item, int command) { RegisterItem(item, command); });
    auto* ready = new QLabel(tr("Ready"), this);
    statusBar()->addWidget(ready, 1);

    screens_->addWidget(start_);
    setCentralWidget(screens_);
    setAcceptDrops(true);
    AddAccelerators();

    promptOnSave_ = ReadUiSetting(kPromptOnSaveSetting);
    LoadScreenMenu(IDR_MAINFRAME);
    TheDatabase().SetObserver(this);

    const int captionHeight = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    setMinimumSize(640, 480 - captionHeight);
    resize(980, 700);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect place(QPoint(), size());
        place.moveCenter(screen->availableGeometry().center());
        move(place.topLeft());
    }
}

CMainFrame::~CMainFrame()
{
    TheDatabase().SetObserver(nullptr);
    doc_.CompactDataset();
}

// ---- Screens ------------------------------------------------------------------------------------

void CMainFrame::AddScreens(CDovaneParamEdit* params, CDovaneValueEdit* values,
                            CDovaneItemEdit* items, CDovaneQueryEdit* queryEdit,
                            CDovaneQueryView* queryView, CDovaneReportView* report)
{
    params_ = params;
    values_ = values;
    items_ = items;
    queryEdit_ = queryEdit;
    queryView_ = queryView;
    report_ = report;
    for (CDovaneScreenView* screen : {static_cast<CDovaneScreenView*>(params_),
                                      static_cast<CDovaneScreenView*>(items_),
                                      static_cast<CDovaneScreenView*>(values_),
                                      static_cast<CDovaneScreenView*>(queryView_),
                                      static_cast<CDovaneScreenView*>(queryEdit_),
                                      static_cast<CDovaneScreenView*>(report_)})
        screens_->addWidget(screen);
    screens_->setCurrentWidget(active_);
}

CDovaneEdit* CMainFrame::ActiveEdit() const { return qobject_cast<CDovaneEdit*>(active_); }

CDovaneScreenView* CMainFrame::ScreenOfCommand(int screenCommand) const
{
    switch (screenCommand) {
    case ID_PARAMETERS: return params_;
    case ID_VALUES: return values_;
    case ID_ITEMS: return items_;
    case ID_QUERY: return queryEdit_;
    default: return nullptr;
    }
}

bool CMainFrame::IsDatasetOpen() const { return TheDatabase().IsOpen(); }

bool CMainFrame::GoToScreen(int screenCommand)
{
    CDovaneScreenView* target = ScreenOfCommand(screenCommand);
    if (!target)
        return false;
    if (active_ == queryView_) {
        if (!queryView_->ConfirmLeaveQuery())
            return false;
        queryView_->LeaveScreen();
    } else if (CDovaneEdit* edit = ActiveEdit(); edit && !edit->CanLeave(promptOnSave_ != 0)) {
        return false;
    }
    queryView_->ResetView();
    items_->SetOpenedFromQuery(false);
    if (!IsDatasetOpen()) {
        MessageBox(kNoDatasetText, {}, MB_OK, this);
        return false;
    }
    ArrangeToolBars(target->Info().toolBar, target->Info().saveCommand);
    SwitchScreen(target);
    if (auto* edit = qobject_cast<CDovaneEdit*>(target))
        edit->Reload();
    return true;
}

CDovaneScreenView* CMainFrame::SwitchScreen(CDovaneScreenView* view)
{
    CDovaneScreenView* old = active_;
    if (view == old) {
        if (old != report_)
            view->update();
        return old;
    }
    if (old == queryView_)
        toolBars_->SaveButton()->setEnabled(true);
    old->OnActivateView(false);
    screens_->setCurrentWidget(view);
    active_ = view;
    view->OnActivateView(true);
    view->update();
    UpdateCommandUi();
    return old;
}

void CMainFrame::BackToStartScreen()
{
    queryView_->ResetView();
    ArrangeToolBars(ScreenToolBar::None, ID_SAVE_HIDDEN);
    SwitchScreen(start_);
}

bool CMainFrame::LeaveCurrentScreen()
{
    if (active_ == queryView_) {
        if (!queryView_->ConfirmLeaveQuery())
            return false;
        queryView_->LeaveScreen();
        return true;
    }
    if (CDovaneEdit* edit = ActiveEdit())
        return edit->CanLeave(promptOnSave_ != 0);
    return true;
}

void CMainFrame::ArrangeToolBars(ScreenToolBar bar, int saveCommand)
{
    toolBars_->Arrange(bar, saveCommand);
    UpdateCommandUi();
}

void CMainFrame::ResetScreens()
{
    for (CDovaneScreenView* screen : {static_cast<CDovaneScreenView*>(params_),
                                      static_cast<CDovaneScreenView*>(values_),
                                      static_cast<CDovaneScreenView*>(items_),
                                      static_cast<CDovaneScreenView*>(queryEdit_),
                                      static_cast<CDovaneScreenView*>(queryView_)})
        if (screen)
            screen->ClearScreen();
}

// ---- Menus and titles ------------------------------------------------------------------------------

void CMainFrame::LoadScreenMenu(int resource)
{
    // The menus go later: this may run from one of their own items.
    for (QMenu* old : menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
        old->setProperty("deleting", true);
        old->hide();
        old->deleteLater();
    }
    BuildMenuBar(menuBar(), resource,
                 [this](QAction* item, int command) { RegisterItem(item, command); });
    menu_ = resource;
    for (QMenu* menu : menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
        if (menu->property("deleting").toBool())
            continue;
        if (menu->objectName() == QLatin1String("file"))
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::RefreshFileMenu);
        else
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUi);
    }
    RefreshFileMenu();
}

void CMainFrame::RefreshFileMenu()
{
    for (QMenu* menu : menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        if (menu->objectName() == QLatin1String("file") && !menu->property("deleting").toBool())
            app_.RecentFiles().FillMenu(
                menu, [this](QAction* item, int command) { RegisterItem(item, command); });
    UpdateCommandUi();
}

void CMainFrame::SetScreenTitle(const QString& suffix)
{
    suffix_ = suffix;
    setWindowTitle(mainTitle_ + suffix_);
}

void CMainFrame::SetMainTitle(const std::string& title)
{
    mainTitle_ = QString::fromStdString(title);
    setWindowTitle(mainTitle_ + suffix_);
}

// ---- Commands -------------------------------------------------------------------------------------

void CMainFrame::RegisterItem(QAction* item, int command)
{
    item->setData(command);
    // The save button changes its command with the screen: read it when it is pressed.
    connect(item, &QAction::triggered, this, [this, item] { OnCommand(item->data().toInt()); });
    commandItems_.append(item);
    const CommandUi state = CommandState(command);
    item->setEnabled(state.enabled);
}

void CMainFrame::AddAccelerators()
{
    for (const auto& accelerator : kAccelerators) {
        auto* key = new QAction(this);
        key->setShortcut(QKeySequence(accelerator.keys));
        key->setShortcutContext(Qt::WindowShortcut);
        key->setObjectName(QStringLiteral("key-%1").arg(accelerator.command));
        addAction(key);
        RegisterItem(key, accelerator.command);
    }
}

void CMainFrame::OnCommand(int command)
{
    if (!RunFrameCommand(command) && !active_->OnCommand(command))
        app_.OnCommand(command);
    UpdateCommandUi();
}

bool CMainFrame::RunFrameCommand(int command)
{
    switch (command) {
    case ID_PARAMETERS:
    case ID_VALUES:
    case ID_ITEMS:
    case ID_QUERY:
        GoToScreen(command);
        return true;
    case ID_VIEW_NEW_QUERY:
    case ID_VIEW_EDIT_QUERY:
        if (active_->OnCommand(command))
            return true;
        ArrangeToolBars(ScreenToolBar::Query, ID_QUERY_SAVE);
        SwitchScreen(queryEdit_);
        return true;
    case ID_VIEW_QUERY:
        items_->SetOpenedFromQuery(false);
        setFocus();
        if (LeaveCurrentScreen()) {
            ArrangeToolBars(ScreenToolBar::Result, ID_VIEW_SAVE);
            toolBars_->SaveButton()->setEnabled(false);
            SwitchScreen(queryView_);
        }
        return true;
    case ID_PARAMS_SAVE: ForwardTo(params_, command); return true;
    case ID_VALUES_SAVE: ForwardTo(values_, command); return true;
    case ID_ITEMS_SAVE:
        setFocus();
        ForwardTo(items_, command);
        return true;
    case ID_PARAMS_CLOSE:
    case ID_VALUES_CLOSE:
    case ID_ITEMS_CLOSE:
        CloseScreen(command);
        return true;
    case ID_QUERY_CLOSE:
        ForwardTo(queryEdit_, command);
        BackToStartScreen();
        return true;
    case ID_QUERY_RUN:
    case ID_QUERY_NEW:
    case ID_QUERY_SAVE:
    case ID_QUERY_DELETE:
    case ID_QUERY_DELETE_CURRENT:
        setFocus();
        ForwardTo(queryEdit_, command);
        return true;
    case ID_VIEW_CLOSE: ForwardTo(queryView_, command); return true;
    case ID_VIEW_SAVE:
        if (active_ == queryView_)
            ForwardTo(queryView_, command);
        return true;
    case ID_OPTIONS: OpenOptions(); return true;
    case ID_CALENDAR: OpenCalendar(); return true;
    case ID_TEXT_COLOUR:
    case ID_BACKGROUND_COLOUR:
        OpenColourPopup(command);
        return true;
    case ID_SAMPLE_DATASET:
        if (const std::string sample = SampleDatasetPath(); !sample.empty())
            app_.OpenDocumentFile(QString::fromStdString(sample));
        return true;
    case ID_HELP:
    case ID_HELP_TAVRIN:
        OpenHelp(HelpFilePath());
        return true;
    default:
        return false;
    }
}

void CMainFrame::ForwardTo(CDovaneScreenView* screen, int command)
{
    if (screen)
        screen->OnCommand(command);
}

void CMainFrame::CloseScreen(int closeCommand)
{
    CDovaneEdit* screen = closeCommand == ID_PARAMS_CLOSE   ? static_cast<CDovaneEdit*>(params_)
                          : closeCommand == ID_VALUES_CLOSE ? static_cast<CDovaneEdit*>(values_)
                                                            : static_cast<CDovaneEdit*>(items_);
    if (screen->CanLeave(true))
        BackToStartScreen();
}

CommandUi CMainFrame::CommandState(int command) const
{
    if (const auto state = FrameCommandState(command))
        return *state;
    if (const auto state = active_->CommandState(command))
        return *state;
    return {app_.HandlesCommand(command), false};
}

std::optional<CommandUi> CMainFrame::FrameCommandState(int command) const
{
    switch (command) {
    case ID_PARAMETERS:
    case ID_VALUES:
    case ID_ITEMS:
    case ID_QUERY:
    case ID_DUPLICATE_DATASET:
        return CommandUi{IsDatasetOpen(), false};
    case ID_TEXT_COLOUR:
    case ID_BACKGROUND_COLOUR:
        return CommandUi{ColourCommandsEnabled(), false};
    case ID_SAMPLE_DATASET:
        return CommandUi{!SampleDatasetPath().empty(), false};
    case ID_VIEW_NEW_QUERY:
    case ID_VIEW_EDIT_QUERY:
        return active_->CommandState(command).value_or(CommandUi{});
    case ID_VIEW_SAVE:
        // Greyed until the result screen has changes to save.
        return active_ == queryView_ ? queryView_->CommandState(command).value_or(CommandUi{false})
                                     : CommandUi{false};
    case ID_VIEW_QUERY:
    case ID_PARAMS_SAVE:
    case ID_VALUES_SAVE:
    case ID_ITEMS_SAVE:
    case ID_PARAMS_CLOSE:
    case ID_VALUES_CLOSE:
    case ID_ITEMS_CLOSE:
    case ID_QUERY_CLOSE:
    case ID_QUERY_RUN:
    case ID_QUERY_NEW:
    case ID_QUERY_SAVE:
    case ID_QUERY_DELETE:
    case ID_QUERY_DELETE_CURRENT:
    case ID_VIEW_CLOSE:
    case ID_OPTIONS:
    case ID_CALENDAR:
    case ID_HELP:
    case ID_HELP_TAVRIN:
        return CommandUi{};
    default:
        return std::nullopt;
    }
}

void CMainFrame::UpdateCommandUi()
{
    commandItems_.removeAll(nullptr);
    for (const QPointer<QAction>& item : commandItems_) {
        const CommandUi state = CommandState(item->data().toInt());
        item->setEnabled(state.enabled);
        if (item->isCheckable())
            item->setChecked(state.checked);
    }
}

std::string CMainFrame::SampleDatasetPath() const
{
    const std::string& folder = TheDatabase().templateDir();
    if (folder.empty())
        return {};
    const QFileInfo sample(QString::fromStdString(folder) + QStringLiteral("/sample.tvd"));
    return sample.isFile() ? sample.absoluteFilePath().toStdString() : std::string();
}

// ---- Colours ---------------------------------------------------------------------------------------

bool CMainFrame::ColourCommandsEnabled() const
{
    if (!IsDatasetOpen())
        return false;
    if (active_ == queryView_)
        return queryView_->SupportsColours();
    if (active_ == items_)
        return !items_->IsAutoRunning();
    if (const CDovaneEdit* edit = ActiveEdit())
        return edit->SupportsColours();
    return false;
}

void CMainFrame::OpenColourPopup(int command)
{
    colourTarget_ = command == ID_TEXT_COLOUR ? 1 : 0;
    if (active_ != params_ && active_ != items_ && active_ != queryEdit_ && active_ != queryView_)
        return;
    if (popup_)
        popup_->close();
    QToolBar* bar = toolBars_->ColourBar();
    const QPoint at = bar->mapToGlobal(QPoint(bar->width() + 8, -8));
    popup_ = new CColourPopup(at, kPopupStartColour, this);
    colouredView_ = active_;
    connect(popup_, &CColourPopup::colourChosen, this, &CMainFrame::OnColourChosen);
    connect(popup_, &CColourPopup::cancelled, this, &CMainFrame::OnColourCancelled);
    popup_->show();
    active_->StartRowBlink();
}

void CMainFrame::OnColourChosen(COLORREF colour)
{
    if (!colouredView_)
        return;
    colouredView_->StopRowBlink();
    colouredView_->SetRowColour(colour, colourTarget_ == 1);
}

void CMainFrame::OnColourCancelled()
{
    if (colouredView_)
        colouredView_->StopRowBlink();
}

// ---- Dialogs --------------------------------------------------------------------------------------

void CMainFrame::OpenOptions()
{
    CDovaneOptions options(this, this, &promptOnSave_);
    options.exec();
}

void CMainFrame::OpenCalendar()
{
    CAdvCalendar calendar(this, QDate::currentDate());
    calendar.exec();
}

// ---- Other copies, drops, closing -----------------------------------------------------------------

void CMainFrame::OnHandOver(const QString& fileName)
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    if (!fileName.isEmpty() && fileName.toStdString() != TheDatabase().currentDatasetPath())
        app_.OpenDocumentFile(fileName);
}

QString CMainFrame::DroppedDocument(const QList<QUrl>& urls)
{
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QString path = urls.front().toLocalFile();
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : path.mid(dot + 1).toLower();
    if (extension != QLatin1String("tvd") && extension != QLatin1String("mox"))
        return {};
    return path;
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() && !DroppedDocument(event->mimeData()->urls()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QString path = event->mimeData()->hasUrls()
                             ? DroppedDocument(event->mimeData()->urls())
                             : QString();
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    activateWindow();
    app_.OpenDocumentFile(path);
}

bool CMainFrame::CloseRequestAgreed()
{
    if (active_ == queryView_) {
        queryView_->LeaveScreen();
        return queryView_->CanCloseView();
    }
    if (CDovaneEdit* edit = ActiveEdit())
        return edit->CanLeave(promptOnSave_ != 0);
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!CloseRequestAgreed()) {
        event->ignore();
        return;
    }
    if (popup_)
        popup_->close();
    doc_.CloseDataset();
    event->accept();
}

bool CMainFrame::event(QEvent* event)
{
    if (event->type() == CommandEvent::EventType()) {
        OnCommand(static_cast<CommandEvent*>(event)->Command());
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (active_ == queryView_)
        queryView_->HideTransientWindows();
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && active_ == queryView_)
        queryView_->HideTransientWindows();
}
