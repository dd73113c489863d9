// The menus of the screens and the drop-down menus of the result tool bar, built from tables of
// their texts and commands. Each screen names its menu by number; the frame builds it into the
// menu bar when the screen becomes active.
#pragma once

#include <functional>

class QAction;
class QMenu;
class QMenuBar;

// ---- Menu numbers ------------------------------------------------------------------------------
inline constexpr int IDR_MAINFRAME = 126;   // start screen
inline constexpr int IDR_PARAMETERS = 146;
inline constexpr int IDR_VALUES = 148;
inline constexpr int IDR_ITEMS = 139;
inline constexpr int IDR_QUERY = 149;
inline constexpr int IDR_RESULTS = 137;
inline constexpr int IDR_REPORT = 103;      // report viewer: File and Help only
inline constexpr int IDR_PREVIEW_DROPDOWN = 194;
inline constexpr int IDR_PRINT_DROPDOWN = 195;
inline constexpr int IDR_PDF_DROPDOWN = 228;
inline constexpr int IDR_EMAIL_DROPDOWN = 229;

// Called for every command item a menu gets: the frame connects it and keeps it up to date.
using MenuItemHook = std::function<void(QAction* item, int command)>;

// Replaces the contents of `bar` with menu `resource`. Returns false for an unknown number.
// The File menu is named "&File" and gets the object name "file" (the recent files go before
// its "E&xit" item, after the separator named "recent").
bool BuildMenuBar(QMenuBar* bar, int resource, const MenuItemHook& hook);

// Fills `menu` with the drop-down menu `resource` ("&All items" / "&Checked items").
bool BuildDropDownMenu(QMenu* menu, int resource, const MenuItemHook& hook);
