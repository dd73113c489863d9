// CDovaneScreenView: the base of the main frame's seven screens. A screen is a full-window view;
// the frame shows one at a time. Each screen states its row of the screen table (menu, title
// suffix, help topic, tool bar beside the main one, save command), takes part in the frame's
// command routing, and offers the colour interface that the frame's colour tool drives. All seven
// exist from start-up on and live as long as the frame.
#pragma once

#include "store/SharedTypes.h"

#include <QWidget>

#include <optional>
#include <string>

class CMainFrame;

// The tool bar docked beside the main one while a screen is shown.
enum class ScreenToolBar {
    None,       // the main tool bar alone
    Query,      // the query tool bar
    Result,     // the result tool bar
    AllHidden,  // no tool bar at all
};

struct ScreenInfo {
    int menu = 0;                       // menu resource the screen loads when it becomes active
    QString titleSuffix;                // appended to the main title while the screen is active
    std::string helpTopic;              // "::/parameters_screen.htm"; empty: none
    ScreenToolBar toolBar = ScreenToolBar::None;
    int saveCommand = 0;                // the main save button's command; ID_SAVE_HIDDEN hides it
};

// What a command's menu items and buttons show.
struct CommandUi {
    bool enabled = true;
    bool checked = false;
};

class CDovaneScreenView : public QWidget {
    Q_OBJECT

public:
    explicit CDovaneScreenView(const ScreenInfo& info, QWidget* parent = nullptr);

    const ScreenInfo& Info() const { return info_; }

    // ---- Life with the frame --------------------------------------------------------------
    // Once after all screens exist.
    virtual void OnInitialUpdate() {}
    // The screen became (active = true) or stopped being the active view. The base loads the
    // screen's menu and title suffix into the frame, and restores the main title when left.
    virtual void OnActivateView(bool active);
    // A dataset is being opened: drop every in-memory state of the dataset shown before.
    virtual void ClearScreen() {}
    // The frame moved or the program was activated: close tip windows the screen shows.
    virtual void HideTransientWindows() {}

    // ---- Commands ---------------------------------------------------------------------------
    // Runs the screen's own action for `command`; false when the screen has none.
    virtual bool OnCommand(int command);
    // The state of the screen's own command; nothing when the screen has no such command.
    virtual std::optional<CommandUi> CommandState(int command) const;

    // ---- Colours ----------------------------------------------------------------------------
    // Whether the colour commands may colour something on this screen now.
    virtual bool SupportsColours() const { return false; }
    // The colour pop-up opened over this screen: mark the row (or cell) that will be coloured.
    virtual void StartRowBlink() {}
    virtual void StopRowBlink() {}
    // Colours the current row (or cell): its text colour when `text`, else its background.
    virtual void SetRowColour(COLORREF colour, bool text);

protected:
    // The frame that shows this screen; null while the screen is not placed in one.
    CMainFrame* Frame() const;

private:
    ScreenInfo info_;
};
