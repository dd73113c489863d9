// The main frame's four tool bars: the main bar (New, Open, the screen's Save button, the four
// screen buttons), the query bar, the result bar and the colour bar. The bar beside the main one
// follows the screen; the main bar's third button is the Save button, whose command each screen
// sets (ID_SAVE_HIDDEN hides it). Icons come from the desktop's icon theme, with bundled pictures
// for whatever the theme lacks, so that no button is blank.
#pragma once

#include "app/MenuResources.h"
#include "screens/DovaneScreenView.h"

#include <QIcon>

class QMainWindow;
class QToolBar;
class QToolButton;

class CFrameToolBars {
public:
    // Creates the bars in `frame`, docked at the top in the order main, query, result, colour,
    // with the query and result bars hidden. `hook` connects every button to its command.
    CFrameToolBars(QMainWindow* frame, const MenuItemHook& hook);

    QToolBar* MainBar() const { return main_; }
    QToolBar* QueryBar() const { return query_; }
    QToolBar* ResultBar() const { return result_; }
    QToolBar* ColourBar() const { return colour_; }
    // The bar beside the main one now (the main bar itself when none).
    QToolBar* CurrentBar() const { return current_; }

    // Shows the bar a screen wants beside the main one and gives the Save button `saveCommand`:
    // hidden for ID_SAVE_HIDDEN, else shown with that command. AllHidden hides every bar.
    void Arrange(ScreenToolBar bar, int saveCommand);

    // The main bar's Save button.
    QAction* SaveButton() const { return save_; }
    int SaveCommand() const;
    void SetSaveCommand(int command);

    // The button of a drop-down command (ID_PRINT, ID_PREVIEW, ID_EMAIL_REPORT_PDF).
    QToolButton* DropDownButton(int command) const;

    // The icon of a command: the theme's, else the bundled picture; null when it has none.
    static QIcon CommandIcon(int command);
    // Makes sure an icon theme is set: the desktop's, or breeze when the desktop names none.
    static void UseIconTheme();

private:
    QToolBar* MakeBar(const char* name, const QString& title, const std::vector<int>& commands);
    void DockInOrder(QToolBar* side);

    QMainWindow* frame_;
    MenuItemHook hook_;
    QToolBar* main_;
    QToolBar* query_;
    QToolBar* result_;
    QToolBar* colour_;
    QToolBar* current_;
    QAction* save_ = nullptr;
};
