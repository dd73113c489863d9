#include "widgets/ColourPopup.h"

#include "platform/ColourDialog.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace {

// Records what the pop-up reported.
struct Outcome {
    std::vector<COLORREF> chosen;
    int cancels = 0;
};

CColourPopup* OpenPopup(COLORREF initial, Outcome& outcome)
{
    auto* popup = new CColourPopup(QPoint(100, 100), initial);
    QObject::connect(popup, &CColourPopup::colourChosen,
                     [&outcome](COLORREF colour) { outcome.chosen.push_back(colour); });
    QObject::connect(popup, &CColourPopup::cancelled, [&outcome] { ++outcome.cancels; });
    popup->show();
    return popup;
}

}  // namespace

TEST(ColourPopup, StartsOnTheInitialColourAndEnterChoosesTheEntryTheKeysReach)
{
    const COLORREF initial = CColourPopup::Palette()[9].colour;
    Outcome outcome;
    QPointer<CColourPopup> popup = OpenPopup(initial, outcome);
    EXPECT_EQ(popup->CurrentEntry(), 9);

    QTest::keyClick(popup, Qt::Key_Right);
    QTest::keyClick(popup, Qt::Key_Down);
    EXPECT_EQ(popup->CurrentEntry(), 9 + 1 + CColourPopup::kColumns);
    QTest::keyClick(popup, Qt::Key_Return);

    ASSERT_EQ(outcome.chosen.size(), 1u);
    EXPECT_EQ(outcome.chosen[0], CColourPopup::Palette()[9 + 1 + CColourPopup::kColumns].colour);
    EXPECT_EQ(outcome.cancels, 0) << "a choice is reported once, and is no cancel";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(popup.isNull()) << "the pop-up closes itself";
}

TEST(ColourPopup, EscapeAndClosingFromOutsideReportOneCancel)
{
    Outcome escaped;
    CColourPopup* popup = OpenPopup(RGB(100, 200, 200), escaped);
    EXPECT_EQ(popup->CurrentEntry(), -1) << "a colour outside the palette marks no entry";
    QTest::keyClick(popup, Qt::Key_Escape);
    EXPECT_EQ(escaped.cancels, 1);
    EXPECT_TRUE(escaped.chosen.empty());

    Outcome outside;
    popup = OpenPopup(RGB(100, 200, 200), outside);
    popup->close();  // what a click outside a pop-up does
    EXPECT_EQ(outside.cancels, 1);
}

TEST(ColourPopup, MoreColoursOpensTheColourDialogAtTheInitialColour)
{
    const struct {
        bool dialogAnswers;
        const char* why;
    } cases[] = {{true, "OK in the dialog chooses its colour"},
                 {false, "Cancel in the dialog cancels the pop-up"}};
    for (const auto& c : cases) {
        ScriptedColourDialog dialog;
        if (c.dialogAnswers)
            dialog.Answer(RGB(1, 2, 3));
        Outcome outcome;
        CColourPopup* popup = OpenPopup(RGB(100, 200, 200), outcome);
        QTest::keyClick(popup, Qt::Key_Up);  // from no entry to the first cell
        while (popup->CurrentEntry() != CColourPopup::kMoreEntry)
            QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
        EXPECT_EQ(dialog.StartingColours(), std::vector<COLORREF>{RGB(100, 200, 200)}) << c.why;
        if (c.dialogAnswers) {
            EXPECT_EQ(outcome.chosen, std::vector<COLORREF>{RGB(1, 2, 3)}) << c.why;
            EXPECT_EQ(outcome.cancels, 0) << c.why;
        } else {
            EXPECT_TRUE(outcome.chosen.empty()) << c.why;
            EXPECT_EQ(outcome.cancels, 1) << c.why;
        }
    }
}

TEST(ColourPopup, AClickOnACellChoosesItsColour)
{
    Outcome outcome;
    CColourPopup* popup = OpenPopup(RGB(100, 200, 200), outcome);
    // The first cell sits at the top left inside the margin.
    QTest::mouseMove(popup, QPoint(10, 10));
    QTest::mouseClick(popup, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(outcome.chosen, std::vector<COLORREF>{CColourPopup::Palette()[0].colour});
}
