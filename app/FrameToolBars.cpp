#include "app/FrameToolBars.h"

#include "app/Commands.h"

#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include <unordered_map>

namespace {

constexpr int kSeparator = 0;

struct IconNames {
    const char* theme;     // name in the icon theme
    const char* bundled;   // picture under :/icons
};

const std::unordered_map<int, IconNames>& Icons()
{
    static const std::unordered_map<int, IconNames> icons{
        {ID_FILE_NEW, {"document-new", "new"}},
        {ID_FILE_OPEN, {"document-open", "open"}},
        {ID_SAVE_HIDDEN, {"document-save", "save"}},
        {ID_PARAMETERS, {"code-variable", "parameters"}},
        {ID_VALUES, {"view-list-text", "values"}},
        {ID_ITEMS, {"view-list-icons", "items"}},
        {ID_QUERY, {"view-filter", "query"}},
        {ID_QUERY_RUN, {"media-playback-start", "run"}},
        {ID_VIEW_BACK, {"go-previous", "back"}},
        {ID_EDIT_ITEM, {"document-edit", "edit"}},
        {ID_REMOVE_CHECKED, {"edit-delete", "remove"}},
        {ID_PRINT, {"document-print", "print"}},
        {ID_PREVIEW, {"document-print-preview", "preview"}},
        {ID_EMAIL_REPORT_PDF, {"mail-send", "email"}},
        {ID_MARK_ALL, {"edit-select-all", "markall"}},
        {ID_UNMARK_ALL, {"edit-select-none", "unmarkall"}},
        {ID_CYCLE_TOOLBAR, {"media-playlist-repeat", "cycle"}},
        {ID_TEXT_COLOUR, {"format-text-color", "textcolour"}},
        {ID_BACKGROUND_COLOUR, {"format-fill-color", "backcolour"}},
        {ID_CALENDAR, {"view-calendar", "calendar"}},
    };
    return icons;
}

// The drop-down menu of each drop-down button.
const std::unordered_map<int, int>& DropDowns()
{
    static const std::unordered_map<int, int> menus{
        {ID_PRINT, IDR_PRINT_DROPDOWN},
        {ID_PREVIEW, IDR_PREVIEW_DROPDOWN},
        {ID_EMAIL_REPORT_PDF, IDR_EMAIL_DROPDOWN},
    };
    return menus;
}

}  // namespace

QIcon CFrameToolBars::CommandIcon(int command)
{
    const auto found = Icons().find(command);
    if (found == Icons().end())
        return {};
    const QIcon bundled(QStringLiteral(":/icons/%1.svg").arg(found->second.bundled));
    return QIcon::fromTheme(QString::fromLatin1(found->second.theme), bundled);
}

void CFrameToolBars::UseIconTheme()
{
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("breeze"));
    else
        QIcon::setFallbackThemeName(QStringLiteral("breeze"));
}

CFrameToolBars::CFrameToolBars(QMainWindow* frame, const MenuItemHook& hook)
    : frame_(frame), hook_(hook)
{
    UseIconTheme();
    main_ = MakeBar("main", QObject::tr("Standard"),
                    {ID_FILE_NEW, ID_FILE_OPEN, ID_SAVE_HIDDEN, kSeparator, ID_PARAMETERS,
                     ID_VALUES, ID_ITEMS, kSeparator, ID_QUERY});
    query_ = MakeBar("query", QObject::tr("Query"), {ID_QUERY_RUN});
    result_ = MakeBar("result", QObject::tr("Result"),
                      {ID_VIEW_BACK, kSeparator, ID_EDIT_ITEM, ID_REMOVE_CHECKED, kSeparator,
                       ID_PRINT, ID_PREVIEW, ID_EMAIL_REPORT_PDF, kSeparator, ID_MARK_ALL,
                       ID_UNMARK_ALL, kSeparator, ID_CYCLE_TOOLBAR});
    colour_ = MakeBar("colour", QObject::tr("Colour"),
                      {ID_TEXT_COLOUR, ID_BACKGROUND_COLOUR, ID_CALENDAR});
    current_ = main_;
    save_ = main_->actions().at(2);
    SetSaveCommand(ID_SAVE_HIDDEN);
    query_->hide();
    result_->hide();
}

QToolBar* CFrameToolBars::MakeBar(const char* name, const QString& title,
                                  const std::vector<int>& commands)
{
    auto* bar = new QToolBar(title, frame_);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setIconSize(QSize(22, 22));
    frame_->addToolBar(Qt::TopToolBarArea, bar);
    for (int command : commands) {
        if (command == kSeparator) {
            bar->addSeparator();
            continue;
        }
        const CommandText text = CommandTextOf(command);
        QAction* button = bar->addAction(CommandIcon(command), text.tip);
        button->setData(command);
        button->setToolTip(text.tip);
        button->setStatusTip(text.prompt);
        if (hook_)
            hook_(button, command);
        if (const auto dropDown = DropDowns().find(command); dropDown != DropDowns().end()) {
            auto* menu = new QMenu(bar);
            BuildDropDownMenu(menu, dropDown->second, hook_);
            auto* widget = qobject_cast<QToolButton*>(bar->widgetForAction(button));
            widget->setMenu(menu);
            widget->setPopupMode(QToolButton::MenuButtonPopup);
        }
    }
    return bar;
}

int CFrameToolBars::SaveCommand() const { return save_->data().toInt(); }

void CFrameToolBars::SetSaveCommand(int command)
{
    const CommandText text = CommandTextOf(command);
    save_->setData(command);
    save_->setVisible(command != ID_SAVE_HIDDEN);
    save_->setToolTip(text.tip);
    save_->setStatusTip(text.prompt);
    save_->setText(text.tip);
}

QToolButton* CFrameToolBars::DropDownButton(int command) const
{
    for (QAction* button : result_->actions())
        if (button->data().toInt() == command)
            return qobject_cast<QToolButton*>(result_->widgetForAction(button));
    return nullptr;
}

void CFrameToolBars::Arrange(ScreenToolBar bar, int saveCommand)
{
    if (bar == ScreenToolBar::AllHidden) {
        if (current_ != main_)
            current_->hide();
        main_->hide();
        colour_->hide();
        current_ = main_;
        return;
    }
    main_->show();
    colour_->show();
    if (current_ != main_)
        current_->hide();
    SetSaveCommand(saveCommand);
    QToolBar* side = bar == ScreenToolBar::Query    ? query_
                     : bar == ScreenToolBar::Result ? result_
                                                    : main_;
    current_ = side;
    side->show();
    DockInOrder(side);
}

void CFrameToolBars::DockInOrder(QToolBar* side)
{
    // Adding a bar again moves it to the end of the top row: main first, then the side bar,
    // then the colour bar, wherever the user had dragged them.
    frame_->addToolBar(Qt::TopToolBarArea, main_);
    if (side != main_)
        frame_->addToolBar(Qt::TopToolBarArea, side);
    frame_->addToolBar(Qt::TopToolBarArea, colour_);
}
