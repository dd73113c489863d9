#include "app/MenuResources.h"

#include "app/Commands.h"

#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace {

// One line of a menu table: a command item, a separator (command 0, no text), the place of the
// recent files (kRecentPlace) or a sub-menu (children).
struct MenuLine {
    const char* text;
    int command;
    std::vector<MenuLine> children = {};
};
constexpr int kSeparator = 0;
constexpr int kRecentPlace = -1;

const MenuLine Separator{nullptr, kSeparator};

std::vector<MenuLine> FileMenu(bool withDuplicate, bool withReports)
{
    std::vector<MenuLine> lines{
        {"&New\tCtrl+N", ID_FILE_NEW},
        {"&Open...\tCtrl+O", ID_FILE_OPEN},
        {"Open &Sample dataset\tCtrl+D", ID_SAMPLE_DATASET},
    };
    if (withDuplicate)
        lines.push_back({"Duplicate current dataset", ID_DUPLICATE_DATASET});
    if (withReports) {
        lines.push_back(Separator);
        lines.push_back({"Pre&view report", 0,
                         {{"&All items", ID_PREVIEW_ALL}, {"&Checked items", ID_PREVIEW_CHECKED}}});
        lines.push_back({"S&ave report", 0,
                         {{"&All items", ID_SAVE_REPORT_ALL},
                          {"&Checked items", ID_SAVE_REPORT_CHECKED}}});
        lines.push_back({"Save report as P&DF", 0,
                         {{"&All items", ID_SAVE_PDF_ALL}, {"&Checked items", ID_SAVE_PDF_CHECKED}}});
        lines.push_back({"E-ma&il report", 0,
                         {{"&All items", ID_EMAIL_ALL}, {"&Checked items", ID_EMAIL_CHECKED}}});
        lines.push_back({"&Print report", 0,
                         {{"&All items", ID_PRINT_ALL}, {"&Checked items", ID_PRINT_CHECKED}}});
        lines.push_back(Separator);
        lines.push_back({"P&rint Setup...", ID_FILE_PRINT_SETUP});
    }
    lines.push_back({nullptr, kRecentPlace});
    lines.push_back({"E&xit", ID_APP_EXIT});
    return lines;
}

const MenuLine HelpMenu{"&Help", 0,
                        {{"Tavrin &Help", ID_HELP_TAVRIN}, Separator,
                         {"&About Tavrin...", ID_APP_ABOUT}}};

const MenuLine ToolsMenu{"&Tools", 0, {{"&Options", ID_OPTIONS}, {"Calendar", ID_CALENDAR}}};

MenuLine ScreenMenu(const char* title, int save, int close)
{
    return {title, 0, {{"&Save", save}, {"&Close", close}}};
}

std::vector<MenuLine> MenuTable(int resource)
{
    switch (resource) {
    case IDR_MAINFRAME:
        return {{"&File", 0, FileMenu(true, false)},
                {"&Data", 0,
                 {{"&Parameters", ID_PARAMETERS}, {"&Values", ID_VALUES}, {"&Items", ID_ITEMS}}},
                {"&Modelling", 0, {{"&Query", ID_QUERY}}},
                ToolsMenu,
                HelpMenu};
    case IDR_PARAMETERS:
        return {{"&File", 0, FileMenu(false, false)},
                ScreenMenu("&Parameters", ID_PARAMS_SAVE, ID_PARAMS_CLOSE), ToolsMenu, HelpMenu};
    case IDR_VALUES:
        return {{"&File", 0, FileMenu(false, false)},
                ScreenMenu("&Values", ID_VALUES_SAVE, ID_VALUES_CLOSE), ToolsMenu, HelpMenu};
    case IDR_ITEMS:
        return {{"&File", 0, FileMenu(false, false)},
                ScreenMenu("&Items", ID_ITEMS_SAVE, ID_ITEMS_CLOSE), ToolsMenu, HelpMenu};
    case IDR_QUERY:
        return {{"&File", 0, FileMenu(false, false)},
                {"&Queries", 0,
                 {{"&New query", ID_QUERY_NEW},
                  {"&Delete query", ID_QUERY_DELETE},
                  {"&Save query", ID_QUERY_SAVE},
                  {"&Run query", ID_QUERY_RUN},
                  {"&Close", ID_QUERY_CLOSE}}},
                ToolsMenu,
                HelpMenu};
    case IDR_RESULTS:
        return {{"&File", 0, FileMenu(false, true)},
                {"&Query", 0,
                 {{"&New query", ID_VIEW_NEW_QUERY},
                  {"&Edit query", ID_VIEW_EDIT_QUERY},
                  {"&Close", ID_VIEW_CLOSE}}},
                {"&Item", 0,
                 {{"&Edit item", ID_EDIT_ITEM},
                  {"&Delete checked items", ID_REMOVE_CHECKED},
                  {"Set Text color", ID_TEXT_COLOUR},
                  {"Set Background color", ID_BACKGROUND_COLOUR}}},
                {"&Mark", 0, {{"&Mark all", ID_MARK_ALL}, {"&Unmark all", ID_UNMARK_ALL}}},
                {"&Tools", 0,
                 {{"C&ycle toolbar", ID_CYCLE_TOOLBAR},
                  {"Calendar", ID_CALENDAR},
                  {"&Options", ID_OPTIONS}}},
                HelpMenu};
    case IDR_REPORT:
        return {{"&File", 0, FileMenu(false, false)}, HelpMenu};
    default:
        return {};
    }
}

std::vector<MenuLine> DropDownTable(int resource)
{
    switch (resource) {
    case IDR_PREVIEW_DROPDOWN:
        return {{"&All items", ID_PREVIEW_ALL}, {"&Checked items", ID_PREVIEW_CHECKED}};
    case IDR_PRINT_DROPDOWN:
        return {{"&All items", ID_PRINT_ALL}, {"&Checked items", ID_PRINT_CHECKED}};
    case IDR_PDF_DROPDOWN:
        return {{"&All items", ID_SAVE_PDF_ALL}, {"&Checked items", ID_SAVE_PDF_CHECKED}};
    case IDR_EMAIL_DROPDOWN:
        return {{"&All items", ID_EMAIL_ALL}, {"&Checked items", ID_EMAIL_CHECKED}};
    default:
        return {};
    }
}

void AddLines(QMenu* menu, const std::vector<MenuLine>& lines, const MenuItemHook& hook)
{
    for (const MenuLine& line : lines) {
        if (line.command == kRecentPlace) {
            menu->addSeparator()->setObjectName("recent");
        } else if (!line.children.empty()) {
            QMenu* sub = menu->addMenu(QString::fromUtf8(line.text));
            AddLines(sub, line.children, hook);
        } else if (line.command == kSeparator) {
            menu->addSeparator();
        } else {
            QAction* item = menu->addAction(QString::fromUtf8(line.text));
            item->setData(line.command);
            item->setStatusTip(CommandTextOf(line.command).prompt);
            if (hook)
                hook(item, line.command);
        }
    }
}

}  // namespace

bool BuildMenuBar(QMenuBar* bar, int resource, const MenuItemHook& hook)
{
    const std::vector<MenuLine> table = MenuTable(resource);
    if (table.empty())
        return false;
    bar->clear();
    for (const MenuLine& top : table) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(top.text));
        if (top.text == std::string("&File"))
            menu->setObjectName("file");
        AddLines(menu, top.children, hook);
    }
    return true;
}

bool BuildDropDownMenu(QMenu* menu, int resource, const MenuItemHook& hook)
{
    const std::vector<MenuLine> table = DropDownTable(resource);
    if (table.empty())
        return false;
    menu->clear();
    AddLines(menu, table, hook);
    return true;
}
