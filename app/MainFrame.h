// CMainFrame: the main window. It holds the menu bar of the active screen, the four tool bars,
// the status bar's message pane and the seven screens, of which it shows one at a time. It
// routes every command: its own (screen switching, saving and closing screens, colours,
// options, calendar, help), then the active screen's, then the application's. It takes dropped
// files, asks the current screen before the program closes, and compacts the dataset when it is
// destroyed.
#pragma once

#include "screens/DovaneScreenView.h"
#include "store/DovaneDatabase.h"
#include "widgets/ColourPopup.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>

class CDovaneApp;
class CDovaneDoc;
class CDovaneEdit;
class CDovaneItemEdit;
class CDovaneMainScreenView;
class CDovaneParamEdit;
class CDovaneQueryEdit;
class CDovaneQueryView;
class CDovaneReportView;
class CDovaneValueEdit;
class CFrameToolBars;
class QStackedWidget;

class CMainFrame : public QMainWindow, public IDatasetObserver {
    Q_OBJECT

public:
    // `app` handles the commands the frame leaves (files, About, Exit); `doc` is the document.
    CMainFrame(CDovaneApp& app, CDovaneDoc& doc);
    ~CMainFrame() override;

    // ---- Screens -------------------------------------------------------------------------------
    // Places the six screens that start-up creates beside the start screen.
    void AddScreens(CDovaneParamEdit* params, CDovaneValueEdit* values, CDovaneItemEdit* items,
                    CDovaneQueryEdit* queryEdit, CDovaneQueryView* queryView,
                    CDovaneReportView* report);
    CDovaneScreenView* ActiveView() const { return active_; }
    CDovaneMainScreenView* StartView() const { return start_; }
    CDovaneParamEdit* ParamEdit() const { return params_; }
    CDovaneValueEdit* ValueEdit() const { return values_; }
    CDovaneItemEdit* ItemEdit() const { return items_; }
    CDovaneQueryEdit* QueryEdit() const { return queryEdit_; }
    CDovaneQueryView* QueryView() const { return queryView_; }
    CDovaneReportView* ReportView() const { return report_; }

    // Goes to an editing screen (ID_PARAMETERS, ID_VALUES, ID_ITEMS, ID_QUERY): the current
    // screen must agree to be left and a dataset must be open. False when it stayed.
    bool GoToScreen(int screenCommand);
    // Shows `view` in place of the active screen; returns the screen shown before.
    CDovaneScreenView* SwitchScreen(CDovaneScreenView* view);
    // Back to the start screen with the main tool bar alone and the save button hidden.
    void BackToStartScreen();
    // Asks the current screen to be left before something replaces what it shows (another
    // dataset, the end of the program): an editing screen's CanLeave(promptOnSave), the result
    // screen's confirmation. False: the user stays.
    bool LeaveCurrentScreen();
    // Shows the tool bar a screen wants beside the main one and gives the save button its
    // command.
    void ArrangeToolBars(ScreenToolBar bar, int saveCommand);
    CFrameToolBars& ToolBars() const { return *toolBars_; }

    // ---- Menus and titles (the screens call these when they become active) ------------------
    void LoadScreenMenu(int resource);
    int ScreenMenu() const { return menu_; }
    // The title is the main title followed by the active screen's suffix.
    void SetScreenTitle(const QString& suffix);
    QString MainTitle() const { return mainTitle_; }
    void SetMainTitle(const std::string& title) override;
    void ResetScreens() override;

    // ---- Commands -------------------------------------------------------------------------------
    // Runs a command as a menu choice does.
    void OnCommand(int command);
    // Whether a command can run now, and whether it shows checked.
    CommandUi CommandState(int command) const;
    // Brings every menu item and button up to date with CommandState.
    void UpdateCommandUi();

    int PromptOnSave() const { return promptOnSave_; }
    int* PromptOnSavePointer() { return &promptOnSave_; }
    // 1: the last colour command was "Set text color", 0: "Set background color".
    int ColourTarget() const { return colourTarget_; }
    // The colour pop-up while it is open.
    CColourPopup* ColourPopup() const { return popup_; }

    // The sample dataset in the template folder; empty when there is none.
    std::string SampleDatasetPath() const;

    // Another copy of the program handed over `fileName`: come to the front and open it unless
    // it is empty or the open dataset.
    void OnHandOver(const QString& fileName);

    // The extension check of a dropped file: exactly one file, ".tvd" or ".mox" in any case.
    static QString DroppedDocument(const QList<QUrl>& urls);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool IsDatasetOpen() const;
    CDovaneEdit* ActiveEdit() const;
    CDovaneScreenView* ScreenOfCommand(int screenCommand) const;
    bool RunFrameCommand(int command);
    std::optional<CommandUi> FrameCommandState(int command) const;
    bool ColourCommandsEnabled() const;
    void CloseScreen(int closeCommand);
    void ForwardTo(CDovaneScreenView* screen, int command);
    void OpenColourPopup(int command);
    void OnColourChosen(COLORREF colour);
    void OnColourCancelled();
    void OpenOptions();
    void OpenCalendar();
    void RegisterItem(QAction* item, int command);
    void RefreshFileMenu();
    bool CloseRequestAgreed();
    void AddAccelerators();

    CDovaneApp& app_;
    CDovaneDoc& doc_;
    std::unique_ptr<CFrameToolBars> toolBars_;
    QStackedWidget* screens_;
    CDovaneMainScreenView* start_;
    CDovaneParamEdit* params_ = nullptr;
    CDovaneValueEdit* values_ = nullptr;
    CDovaneItemEdit* items_ = nullptr;
    CDovaneQueryEdit* queryEdit_ = nullptr;
    CDovaneQueryView* queryView_ = nullptr;
    CDovaneReportView* report_ = nullptr;
    CDovaneScreenView* active_;
    QList<QPointer<QAction>> commandItems_;  // every menu item and button, kept up to date
    QString suffix_;                         // the active screen's title suffix
    QPointer<CColourPopup> popup_;
    QPointer<CDovaneScreenView> colouredView_;
    QString mainTitle_;
    int menu_ = 0;
    int promptOnSave_ = 1;
    int colourTarget_ = 0;
};
