// The main frame: screen switching, the document open, colours, drops, closing and the file
// commands.
#include "tests/app/AppFixture.h"

#include "app/Commands.h"
#include "app/FrameToolBars.h"
#include "app/HelpWindow.h"
#include "app/MenuResources.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/WindowMessage.h"
#include "store/DovaneDatabase.h"
#include "widgets/ColourPopup.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QToolBar>

namespace {

constexpr const char* kNoDataset = "No dataset is opened";

bool IsActive(CMainFrame& frame, CDovaneScreenView* screen) { return frame.ActiveView() == screen; }

// Drops `paths` on the frame as a file manager would.
void Drop(CMainFrame& frame, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    const QPoint at = frame.centralWidget()->geometry().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame, &drop);
}

}  // namespace

// ---- Screen switching -----------------------------------------------------------------------------

TEST_F(FrameHarness, WithoutADatasetEveryScreenCommandRefusesAndTheStartScreenStays)
{
    for (int command : {ID_PARAMETERS, ID_VALUES, ID_ITEMS, ID_QUERY}) {
        ScriptedMessages messages;
        frame_->OnCommand(command);
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{kNoDataset}) << command;
        EXPECT_TRUE(IsActive(*frame_, frame_->StartView())) << command;
        EXPECT_FALSE(frame_->CommandState(command).enabled) << command;
    }
    EXPECT_FALSE(frame_->CommandState(ID_DUPLICATE_DATASET).enabled);
}

TEST_F(FrameHarness, EachScreenBringsItsMenuTitleToolBarAndSaveButton)
{
    const std::string path = OpenNewDataset();
    const struct {
        int command;
        CDovaneScreenView* screen;
        int menu;
        const char* suffix;
        int save;
        QToolBar* side;
    } screens[] = {
        {ID_PARAMETERS, params_, IDR_PARAMETERS, " - [Parameters]", ID_PARAMS_SAVE, nullptr},
        {ID_VALUES, values_, IDR_VALUES, " - [Values]", ID_VALUES_SAVE, nullptr},
        {ID_ITEMS, items_, IDR_ITEMS, " - [Items]", ID_ITEMS_SAVE, nullptr},
        {ID_QUERY, queryEdit_, IDR_QUERY, " - [Query]", ID_QUERY_SAVE,
         frame_->ToolBars().QueryBar()},
    };
    CFrameToolBars& bars = frame_->ToolBars();
    for (const auto& s : screens) {
        ASSERT_TRUE(frame_->GoToScreen(s.command)) << s.suffix;
        EXPECT_TRUE(IsActive(*frame_, s.screen)) << s.suffix;
        EXPECT_EQ(frame_->ScreenMenu(), s.menu) << s.suffix;
        EXPECT_EQ(frame_->windowTitle().toStdString(), path + " - Tavrin" + s.suffix);
        EXPECT_EQ(bars.SaveCommand(), s.save) << s.suffix;
        EXPECT_TRUE(bars.SaveButton()->isVisible()) << s.suffix;
        EXPECT_EQ(bars.QueryBar()->isVisible(), s.side == bars.QueryBar()) << s.suffix;
        EXPECT_TRUE(bars.ColourBar()->isVisible()) << s.suffix;
        EXPECT_GT(bars.ColourBar()->x(), (s.side ? s.side : bars.MainBar())->x())
            << "the colour bar sits right of the screen's bar: " << s.suffix;
    }
    EXPECT_EQ(params_->reloads, 1) << "a screen is reloaded each time it is entered";

    frame_->OnCommand(ID_QUERY_CLOSE);
    EXPECT_EQ(queryEdit_->commands, std::vector<int>{ID_QUERY_CLOSE}) << "the editor's own part";
    EXPECT_TRUE(IsActive(*frame_, frame_->StartView()));
    EXPECT_EQ(frame_->windowTitle().toStdString(), path + " - Tavrin");
    EXPECT_FALSE(bars.SaveButton()->isVisible());
    EXPECT_EQ(frame_->ScreenMenu(), IDR_MAINFRAME);
}

TEST_F(FrameHarness, AScreenThatRefusesToBeLeftKeepsEverything)
{
    OpenNewDataset();
    ASSERT_TRUE(frame_->GoToScreen(ID_VALUES));
    values_->agreeToLeave = false;
    EXPECT_FALSE(frame_->GoToScreen(ID_PARAMETERS));
    EXPECT_TRUE(IsActive(*frame_, values_));
    EXPECT_EQ(params_->reloads, 0);
    EXPECT_EQ(frame_->ToolBars().SaveCommand(), ID_VALUES_SAVE);

    values_->agreeToLeave = true;
    EXPECT_TRUE(frame_->GoToScreen(ID_PARAMETERS));
    EXPECT_TRUE(IsActive(*frame_, params_));
}

TEST_F(FrameHarness, SwitchingAsksWithThePromptOptionAndCloseAlwaysAsksWithAPrompt)
{
    OpenNewDataset();
    *frame_->PromptOnSavePointer() = 0;
    ASSERT_TRUE(frame_->GoToScreen(ID_VALUES));
    ASSERT_TRUE(frame_->GoToScreen(ID_ITEMS));
    EXPECT_EQ(values_->prompts, std::vector<bool>{false}) << "the option is off: no question";
    frame_->OnCommand(ID_ITEMS_CLOSE);
    EXPECT_EQ(items_->prompts, std::vector<bool>{true});
    EXPECT_TRUE(IsActive(*frame_, frame_->StartView()));
}

TEST_F(FrameHarness, SaveAndQueryCommandsGoToTheirScreens)
{
    OpenNewDataset();
    ASSERT_TRUE(frame_->GoToScreen(ID_PARAMETERS));
    frame_->ToolBars().SaveButton()->trigger();
    EXPECT_EQ(params_->commands, std::vector<int>{ID_PARAMS_SAVE}) << "the save button's command";
    for (int command : {ID_QUERY_RUN, ID_QUERY_NEW, ID_QUERY_SAVE, ID_QUERY_DELETE})
        frame_->OnCommand(command);
    EXPECT_EQ(queryEdit_->commands,
              (std::vector<int>{ID_QUERY_RUN, ID_QUERY_NEW, ID_QUERY_SAVE, ID_QUERY_DELETE}));
}

TEST_F(FrameHarness, TheResultScreenShowsTheResultBarWithAGreyedSaveButton)
{
    OpenNewDataset();
    ASSERT_TRUE(frame_->GoToScreen(ID_QUERY));
    frame_->OnCommand(ID_VIEW_QUERY);
    EXPECT_TRUE(IsActive(*frame_, queryView_));
    EXPECT_EQ(frame_->ScreenMenu(), IDR_RESULTS);
    CFrameToolBars& bars = frame_->ToolBars();
    EXPECT_TRUE(bars.ResultBar()->isVisible());
    EXPECT_FALSE(bars.QueryBar()->isVisible());
    EXPECT_EQ(bars.SaveCommand(), ID_VIEW_SAVE);
    EXPECT_TRUE(bars.SaveButton()->isVisible());
    EXPECT_FALSE(bars.SaveButton()->isEnabled());

    frame_->OnCommand(ID_VIEW_EDIT_QUERY);
    EXPECT_TRUE(IsActive(*frame_, queryEdit_));
    EXPECT_TRUE(bars.QueryBar()->isVisible());
    EXPECT_EQ(bars.SaveCommand(), ID_QUERY_SAVE);
    EXPECT_TRUE(bars.SaveButton()->isEnabled());
}

// ---- Opening documents ----------------------------------------------------------------------------

TEST_F(FrameHarness, OpeningTheOpenDatasetAgainDoesNothing)
{
    const std::string path = OpenNewDataset();
    ASSERT_TRUE(frame_->GoToScreen(ID_PARAMETERS));
    EXPECT_FALSE(doc_->OnOpenDocument(QString::fromStdString(path)));
    EXPECT_TRUE(IsActive(*frame_, params_)) << "no reload, no return to the start screen";
    EXPECT_EQ(params_->reloads, 1);
}

TEST_F(FrameHarness, OpeningADatasetReturnsToTheStartScreenAndListsTheFile)
{
    OpenNewDataset("first.tvd");
    ASSERT_TRUE(frame_->GoToScreen(ID_ITEMS));
    const std::string second = OpenNewDataset("second.tvd");
    EXPECT_TRUE(IsActive(*frame_, frame_->StartView()));
    EXPECT_EQ(frame_->windowTitle().toStdString(), second + " - Tavrin");
    EXPECT_EQ(recent_.At(0).toStdString(), second);
    EXPECT_EQ(doc_->Extension(), "tvd");
}

TEST_F(FrameHarness, FilesThatCannotBeOpenedOrHaveAnotherExtensionAreRefused)
{
    ScriptedMessages messages;
    EXPECT_FALSE(doc_->OnOpenDocument(QString::fromStdString(folder_.Path("missing.tvd"))));
    EXPECT_EQ(messages.Shown().size(), 1u) << "the standard failure message, nothing else";

    messages.Clear();
    const std::string text = folder_.WriteFile("notes.txt", "text");
    EXPECT_FALSE(doc_->OnOpenDocument(QString::fromStdString(text)));
    EXPECT_TRUE(messages.Shown().empty()) << "another extension is refused silently";
    EXPECT_FALSE(TheDatabase().IsOpen());
}

TEST_F(FrameHarness, AReportFileClosesTheDatasetAndShowsTheViewerWithEveryBarHidden)
{
    OpenNewDataset("stock.tvd");
    const std::string report = MakeReport(folder_, "result.mox");
    ASSERT_TRUE(doc_->OnOpenDocument(QString::fromStdString(report)));
    EXPECT_FALSE(TheDatabase().IsOpen());
    ASSERT_NE(doc_->ReportDocument(), nullptr);
    EXPECT_EQ(MoxGetPageCount(doc_->ReportDocument()), 1);
    EXPECT_TRUE(IsActive(*frame_, report_));
    EXPECT_EQ(doc_->Extension(), "mox");
    EXPECT_EQ(frame_->ScreenMenu(), IDR_REPORT);
    EXPECT_EQ(frame_->windowTitle().toStdString(), report + " - Tavrin");
    CFrameToolBars& bars = frame_->ToolBars();
    for (QToolBar* bar : {bars.MainBar(), bars.QueryBar(), bars.ResultBar(), bars.ColourBar()})
        EXPECT_FALSE(bar->isVisible()) << bar->objectName().toStdString();

    const std::string dataset = MakeDataset(folder_, "again.tvd");
    ASSERT_TRUE(doc_->OnOpenDocument(QString::fromStdString(dataset)));
    EXPECT_EQ(doc_->ReportDocument(), nullptr) << "opening a dataset closes the report";
    EXPECT_TRUE(IsActive(*frame_, frame_->StartView()));
    EXPECT_TRUE(bars.MainBar()->isVisible());
    EXPECT_TRUE(bars.ColourBar()->isVisible());
}

TEST_F(FrameHarness, AFileThatIsNoReportIsRefusedAndTheDatasetStaysOpen)
{
    ScriptedMessages messages;
    OpenNewDataset("stock.tvd");
    const std::string fake = folder_.WriteFile("notes.mox", "not a report");
    EXPECT_FALSE(doc_->OnOpenDocument(QString::fromStdString(fake)));
    EXPECT_TRUE(messages.WasShown("Unable to open report " + fake));
    EXPECT_TRUE(TheDatabase().IsOpen());
    EXPECT_EQ(doc_->ReportDocument(), nullptr);
    EXPECT_FALSE(IsActive(*frame_, report_));
    EXPECT_EQ(ReadWholeFile(fake), "not a report");
}

TEST_F(FrameHarness, TheReportPreviewsHelpRequestOpensTheViewingTopic)
{
    const struct {
        unsigned message;
        const char* why;
    } requests[] = {
        {RegisterWindowMessage(")/$%!MoxHelp"), "the registered message"},
        {MOX_MSG_HELP, "the fixed number of report files opened with fixed messages"},
    };
    for (const auto& request : requests) {
        if (CHelpWindow::Existing())
            CHelpWindow::Existing()->hide();
        EXPECT_EQ(SendWindowMessage(static_cast<QWidget*>(report_), request.message, 0, 0), 1)
            << request.why;
        ASSERT_NE(CHelpWindow::Existing(), nullptr) << request.why;
        EXPECT_TRUE(CHelpWindow::Instance()->isVisible()) << request.why;
        EXPECT_TRUE(CHelpWindow::Instance()->CurrentTopic().toString().endsWith("view_howto.htm"))
            << CHelpWindow::Instance()->CurrentTopic().toString().toStdString();
    }
    EXPECT_EQ(SendWindowMessage(static_cast<QWidget*>(report_), MOX_MSG_PRINT, 0, 0), 0)
        << "other engine messages are not help requests";
}

// ---- Colours ---------------------------------------------------------------------------------------

TEST_F(FrameHarness, ColourCommandsAreGreyedWithoutADatasetAndWhereNothingTakesColours)
{
    EXPECT_FALSE(frame_->CommandState(ID_TEXT_COLOUR).enabled) << "no dataset";
    OpenNewDataset();
    const struct {
        CDovaneScreenView* screen;
        bool enabled;
        const char* why;
    } cases[] = {
        {frame_->StartView(), false, "start screen"},
        {params_, true, "Parameters"},
        {values_, false, "Values take no colours"},
        {items_, true, "Items while Auto does not run"},
        {queryEdit_, true, "Query editor"},
        {queryView_, false, "results, by the screen's own answer"},
        {report_, false, "report viewer"},
    };
    for (const auto& c : cases) {
        frame_->SwitchScreen(c.screen);
        EXPECT_EQ(frame_->CommandState(ID_TEXT_COLOUR).enabled, c.enabled) << c.why;
        EXPECT_EQ(frame_->CommandState(ID_BACKGROUND_COLOUR).enabled, c.enabled) << c.why;
    }
}

TEST_F(FrameHarness, AChosenColourStopsTheBlinkAndColoursTheRowForTheTarget)
{
    OpenNewDataset();
    ASSERT_TRUE(frame_->GoToScreen(ID_PARAMETERS));
    frame_->OnCommand(ID_BACKGROUND_COLOUR);
    ASSERT_NE(frame_->ColourPopup(), nullptr);
    EXPECT_EQ(params_->blinkStarts, 1);
    QToolBar* colourBar = frame_->ToolBars().ColourBar();
    const QPoint barRight = colourBar->mapToGlobal(QPoint(colourBar->width() + 8, -8));
    EXPECT_LE((frame_->ColourPopup()->geometry().topLeft() - barRight).manhattanLength(), 4)
        << "the pop-up opens at the colour bar's right edge";
    QTest::keyClick(frame_->ColourPopup(), Qt::Key_Up);  // the first palette entry
    QTest::keyClick(frame_->ColourPopup(), Qt::Key_Return);
    EXPECT_EQ(params_->blinkStops, 1);
    ASSERT_EQ(params_->colours.size(), 1u);
    EXPECT_EQ(params_->colours[0],
              std::make_pair(CColourPopup::Palette()[0].colour, false)) << "background";

    frame_->OnCommand(ID_TEXT_COLOUR);
    EXPECT_EQ(frame_->ColourTarget(), 1);
    QTest::keyClick(frame_->ColourPopup(), Qt::Key_Escape);
    EXPECT_EQ(params_->blinkStops, 2) << "a cancel stops the blink";
    EXPECT_EQ(params_->colours.size(), 1u) << "and colours nothing";
}

TEST_F(FrameHarness, TheColourPopUpDoesNotOpenOverTheValuesScreen)
{
    OpenNewDataset();
    ASSERT_TRUE(frame_->GoToScreen(ID_VALUES));
    frame_->OnCommand(ID_TEXT_COLOUR);
    EXPECT_EQ(frame_->ColourPopup(), nullptr);
    EXPECT_EQ(values_->blinkStarts, 0);
}

// ---- Closing ----------------------------------------------------------------------------------------

TEST_F(FrameHarness, ClosingAsksTheScreenAndClosesTheDatasetOnlyWhenItAgrees)
{
    OpenNewDataset();
    ASSERT_TRUE(frame_->GoToScreen(ID_ITEMS));
    items_->agreeToLeave = false;
    EXPECT_FALSE(frame_->close());
    EXPECT_TRUE(frame_->isVisible());
    EXPECT_TRUE(TheDatabase().IsOpen());

    items_->agreeToLeave = true;
    EXPECT_TRUE(frame_->close());
    EXPECT_FALSE(TheDatabase().IsOpen());
}

// ---- With the whole program ---------------------------------------------------------------------

TEST_F(StartedApp, DroppingExactlyOneDatasetOrReportOpensIt)
{
    ASSERT_TRUE(Start());
    const std::string one = MakeDataset(folder_, "ONE.TVD");
    const std::string two = MakeDataset(folder_, "two.tvd");
    const std::string text = folder_.WriteFile("notes.txt", "x");

    Drop(Frame(), {QString::fromStdString(one), QString::fromStdString(two)});
    EXPECT_FALSE(TheDatabase().IsOpen()) << "two files at once: nothing";
    Drop(Frame(), {QString::fromStdString(text)});
    EXPECT_FALSE(TheDatabase().IsOpen()) << "another extension: nothing";
    Drop(Frame(), {QString::fromStdString(one)});
    EXPECT_TRUE(TheDatabase().IsOpen()) << "one dataset, the extension in any case";
    EXPECT_EQ(TheDatabase().currentDatasetPath(), one);
}

TEST_F(StartedApp, TheSampleCommandIsGreyedWithoutASampleAndOpensIt)
{
    ASSERT_TRUE(Start());
    TheDatabase().SetTemplateDir(folder_.Root());
    EXPECT_FALSE(Frame().CommandState(ID_SAMPLE_DATASET).enabled);
    const std::string sample = MakeDataset(folder_, "sample.tvd");
    EXPECT_TRUE(Frame().CommandState(ID_SAMPLE_DATASET).enabled);
    Frame().OnCommand(ID_SAMPLE_DATASET);
    EXPECT_TRUE(TheDatabase().IsOpen());
    EXPECT_EQ(TheDatabase().currentDatasetPath(), sample);
}

TEST_F(StartedApp, NewCreatesAnEmptyDatasetAndOpensItButNeverReplacesAFile)
{
    ASSERT_TRUE(Start());
    ScriptedFileDialogs dialogs;
    dialogs.Answer(folder_.Path("fresh"));
    Frame().OnCommand(ID_FILE_NEW);
    EXPECT_TRUE(TheDatabase().IsOpen());
    EXPECT_EQ(TheDatabase().currentDatasetPath(), folder_.Path("fresh.tvd"));
    ASSERT_EQ(dialogs.Requests().size(), 1u);
    EXPECT_EQ(dialogs.Requests()[0].kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(dialogs.Requests()[0].filter, "Tavrin Files (*.tvd)");

    const std::string kept = folder_.WriteFile("kept.tvd", "someone's data");
    ScriptedMessages messages;
    dialogs.Answer(kept);
    Frame().OnCommand(ID_FILE_NEW);
    EXPECT_EQ(ReadWholeFile(kept), "someone's data");
    EXPECT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(TheDatabase().currentDatasetPath(), folder_.Path("fresh.tvd"));
}

TEST_F(StartedApp, DuplicateCopiesTheOpenDatasetAndOpensTheCopyButNeverOverwritesIt)
{
    const std::string original = MakeDataset(folder_, "original.tvd");
    ASSERT_TRUE(Start({original}));
    ASSERT_TRUE(Frame().CommandState(ID_DUPLICATE_DATASET).enabled);
    ScriptedFileDialogs dialogs;
    ScriptedMessages messages;
    dialogs.Answer(original);
    Frame().OnCommand(ID_DUPLICATE_DATASET);
    EXPECT_EQ(messages.Shown().size(), 1u) << "the open file is no target";
    EXPECT_EQ(TheDatabase().currentDatasetPath(), original);

    dialogs.Answer(folder_.Path("copy.tvd"));
    Frame().OnCommand(ID_DUPLICATE_DATASET);
    EXPECT_EQ(TheDatabase().currentDatasetPath(), folder_.Path("copy.tvd"));
    EXPECT_TRUE(TheDatabase().IsOpen());
    EXPECT_TRUE(FileExists(original));
}

TEST_F(StartedApp, OpenAsksForADatasetAndOpensTheChoice)
{
    ASSERT_TRUE(Start());
    const std::string path = MakeDataset(folder_, "chosen.tvd");
    ScriptedFileDialogs dialogs;
    dialogs.Answer(path);
    Frame().OnCommand(ID_FILE_OPEN);
    EXPECT_EQ(TheDatabase().currentDatasetPath(), path);
    ASSERT_EQ(dialogs.Requests().size(), 1u);
    EXPECT_EQ(dialogs.Requests()[0].kind, FileDialogRequest::Kind::Open);
    EXPECT_TRUE(QString::fromStdString(dialogs.Requests()[0].filter).startsWith("Tavrin Files (*.tvd)"));
}
