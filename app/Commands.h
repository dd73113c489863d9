// The command numbers of the program's menus, tool bars and accelerators, their status-bar
// prompts and tool tips, and the event that posts a command to a window. The numbers are fixed:
// menus, tool bars and screens name commands by them.
#pragma once

#include <QEvent>
#include <QString>

// ---- Standard commands -----------------------------------------------------------------------
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_CLOSE = 57602;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;  // the recent-file entries, 57616 .. 57619
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_HELP = 57670;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;

// ---- Screens, saving and closing -------------------------------------------------------------
inline constexpr int ID_PARAMETERS = 32859;  // go to the Parameters screen
inline constexpr int ID_VALUES = 32861;
inline constexpr int ID_ITEMS = 32860;
inline constexpr int ID_QUERY = 2253;        // go to the Query editor
inline constexpr int ID_SAVE_HIDDEN = 32858; // the main tool bar's save button while it is hidden
inline constexpr int ID_PARAMS_SAVE = 2263;
inline constexpr int ID_VALUES_SAVE = 2265;
inline constexpr int ID_ITEMS_SAVE = 2259;
inline constexpr int ID_PARAMS_CLOSE = 2256;
inline constexpr int ID_VALUES_CLOSE = 2276;
inline constexpr int ID_ITEMS_CLOSE = 2261;

// ---- Queries -----------------------------------------------------------------------------------
inline constexpr int ID_QUERY_SAVE_AS = 1210;
inline constexpr int ID_QUERY_NEW = 2280;
inline constexpr int ID_QUERY_DELETE = 2269;
inline constexpr int ID_QUERY_SAVE = 2262;
inline constexpr int ID_QUERY_RUN = 2277;
inline constexpr int ID_QUERY_CLOSE = 2278;
inline constexpr int ID_QUERY_DELETE_CURRENT = 32838;
inline constexpr int ID_VIEW_QUERY = 2283;      // from the Query editor to the result screen

// ---- The result screen ---------------------------------------------------------------------------
inline constexpr int ID_VIEW_NEW_QUERY = 2267;
inline constexpr int ID_VIEW_EDIT_QUERY = 2268;
inline constexpr int ID_VIEW_CLOSE = 2288;
inline constexpr int ID_VIEW_SAVE = 32904;
inline constexpr int ID_VIEW_BACK = 32862;
inline constexpr int ID_EDIT_ITEM = 2285;
inline constexpr int ID_REMOVE_CHECKED = 2282;
inline constexpr int ID_PRINT = 2270;
inline constexpr int ID_PREVIEW = 32841;
inline constexpr int ID_EMAIL_REPORT_PDF = 32919;
inline constexpr int ID_EMAIL_PDF = 32918;
inline constexpr int ID_SAVE_AS_PDF = 32917;
inline constexpr int ID_MARK_ALL = 2274;
inline constexpr int ID_UNMARK_ALL = 2275;
inline constexpr int ID_CYCLE_TOOLBAR = 2287;
inline constexpr int ID_CLEAR_TEMPORARY = 2273;
inline constexpr int ID_RESTORE_LINKS = 32898;
inline constexpr int ID_PREVIEW_ALL = 32876;
inline constexpr int ID_PREVIEW_CHECKED = 32877;
inline constexpr int ID_PRINT_ALL = 32878;
inline constexpr int ID_PRINT_CHECKED = 32879;
inline constexpr int ID_SAVE_REPORT_ALL = 32880;
inline constexpr int ID_SAVE_REPORT_CHECKED = 32881;
inline constexpr int ID_SAVE_PDF_ALL = 3005;
inline constexpr int ID_SAVE_PDF_CHECKED = 3007;
inline constexpr int ID_EMAIL_ALL = 3008;
inline constexpr int ID_EMAIL_CHECKED = 3009;

// ---- Tools, colours, datasets, help --------------------------------------------------------------
inline constexpr int ID_OPTIONS = 2255;
inline constexpr int ID_CALENDAR = 2258;
inline constexpr int ID_TEXT_COLOUR = 32900;
inline constexpr int ID_BACKGROUND_COLOUR = 32901;
inline constexpr int ID_SAMPLE_DATASET = 32867;
inline constexpr int ID_DUPLICATE_DATASET = 32910;
inline constexpr int ID_HELP_TAVRIN = 32868;

// ---- Prompts ---------------------------------------------------------------------------------
// The status-bar prompt and the tool tip of a command; empty texts when it has none.
struct CommandText {
    QString prompt;
    QString tip;
};
CommandText CommandTextOf(int id);

// ---- Posting ---------------------------------------------------------------------------------
// A command posted to a window: it arrives later through the event loop, like a menu choice.
class CommandEvent : public QEvent {
public:
    explicit CommandEvent(int command) : QEvent(EventType()), command_(command) {}
    int Command() const { return command_; }
    static QEvent::Type EventType();

private:
    int command_;
};

// Posts `command` to `target` (which handles CommandEvent).
void PostCommand(QObject* target, int command);
