// The tool bars and menus of the frame: buttons, pictures, tips and the menu texts.
#include "tests/app/AppFixture.h"

#include "app/Commands.h"
#include "app/FrameToolBars.h"
#include "app/MenuResources.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {

std::vector<int> Commands(const QToolBar* bar)
{
    std::vector<int> commands;
    for (QAction* button : bar->actions())
        commands.push_back(button->isSeparator() ? 0 : button->data().toInt());
    return commands;
}

QStringList MenuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* item : menu->actions())
        texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
    return texts;
}

}  // namespace

TEST_F(FrameHarness, TheFourBarsHoldTheirCommandsInOrder)
{
    CFrameToolBars& bars = frame_->ToolBars();
    EXPECT_EQ(Commands(bars.MainBar()),
              (std::vector<int>{57600, 57601, 32858, 0, 32859, 32861, 32860, 0, 2253}));
    EXPECT_EQ(Commands(bars.QueryBar()), std::vector<int>{2277});
    EXPECT_EQ(Commands(bars.ResultBar()), (std::vector<int>{32862, 0, 2285, 2282, 0, 2270, 32841,
                                                            32919, 0, 2274, 2275, 0, 2287}));
    EXPECT_EQ(Commands(bars.ColourBar()), (std::vector<int>{32900, 32901, 2258}));
    EXPECT_FALSE(bars.QueryBar()->isVisible());
    EXPECT_FALSE(bars.ResultBar()->isVisible());
    EXPECT_FALSE(bars.SaveButton()->isVisible()) << "the start screen hides the save button";
    for (int command : {ID_PRINT, ID_PREVIEW, ID_EMAIL_REPORT_PDF}) {
        QToolButton* button = bars.DropDownButton(command);
        ASSERT_NE(button, nullptr) << command;
        EXPECT_EQ(button->popupMode(), QToolButton::MenuButtonPopup) << command;
        ASSERT_NE(button->menu(), nullptr) << command;
        EXPECT_EQ(MenuTexts(button->menu()), (QStringList{"&All items", "&Checked items"}));
    }
}

TEST_F(FrameHarness, EveryButtonHasAPictureATipAndAPrompt)
{
    CFrameToolBars& bars = frame_->ToolBars();
    for (QToolBar* bar : {bars.MainBar(), bars.QueryBar(), bars.ResultBar(), bars.ColourBar()}) {
        for (QAction* button : bar->actions()) {
            if (button->isSeparator())
                continue;
            const int command = button->data().toInt();
            EXPECT_FALSE(button->icon().pixmap(22, 22).isNull()) << command << " is blank";
            EXPECT_FALSE(button->toolTip().isEmpty()) << command;
            EXPECT_FALSE(button->statusTip().isEmpty()) << command;
        }
    }
    EXPECT_EQ(frame_->ToolBars().MainBar()->actions()[4]->toolTip(), "Configure parameters");
    EXPECT_EQ(frame_->ToolBars().MainBar()->actions()[4]->statusTip(), "Configure parameters");
    EXPECT_EQ(frame_->ToolBars().QueryBar()->actions()[0]->toolTip(), "View query results");
}

TEST(FrameToolBars, BundledPicturesStandInForATheme)
{
    const QString theme = QIcon::themeName();
    QIcon::setThemeName("no-such-theme");
    for (int command : {ID_FILE_NEW, ID_PARAMETERS, ID_QUERY_RUN, ID_CYCLE_TOOLBAR, ID_CALENDAR,
                        ID_TEXT_COLOUR, ID_EMAIL_REPORT_PDF})
        EXPECT_FALSE(CFrameToolBars::CommandIcon(command).pixmap(22, 22).isNull()) << command;
    QIcon::setThemeName(theme);
}

TEST_F(FrameHarness, MenusCarryTheTextsAndKeysOfEachScreen)
{
    const struct {
        int resource;
        QStringList titles;
    } menus[] = {
        {IDR_MAINFRAME, {"&File", "&Data", "&Modelling", "&Tools", "&Help"}},
        {IDR_PARAMETERS, {"&File", "&Parameters", "&Tools", "&Help"}},
        {IDR_VALUES, {"&File", "&Values", "&Tools", "&Help"}},
        {IDR_ITEMS, {"&File", "&Items", "&Tools", "&Help"}},
        {IDR_QUERY, {"&File", "&Queries", "&Tools", "&Help"}},
        {IDR_RESULTS, {"&File", "&Query", "&Item", "&Mark", "&Tools", "&Help"}},
        {IDR_REPORT, {"&File", "&Help"}},
    };
    for (const auto& menu : menus) {
        frame_->LoadScreenMenu(menu.resource);
        QStringList titles;
        for (QAction* top : frame_->menuBar()->actions())
            titles << top->text();
        EXPECT_EQ(titles, menu.titles) << menu.resource;
    }
    frame_->LoadScreenMenu(IDR_MAINFRAME);
    QMenu* file = frame_->menuBar()->actions()[0]->menu();
    EXPECT_EQ(MenuTexts(file), (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O",
                                            "Open &Sample dataset\tCtrl+D",
                                            "Duplicate current dataset", "-", "E&xit"}));
    QMenu* help = frame_->menuBar()->actions()[4]->menu();
    EXPECT_EQ(MenuTexts(help), (QStringList{"Tavrin &Help", "-", "&About Tavrin..."}));
}

TEST_F(FrameHarness, TheFileMenuListsTheRecentDatasets)
{
    recent_.Add("/data/one.tvd");
    recent_.Add("/data/two & three.tvd");
    frame_->LoadScreenMenu(IDR_PARAMETERS);
    QMenu* file = frame_->menuBar()->actions()[0]->menu();
    const QStringList texts = MenuTexts(file);
    EXPECT_EQ(texts.mid(3), (QStringList{"-", "&1 /data/two && three.tvd", "&2 /data/one.tvd", "-",
                                         "E&xit"}));
}
