#include "platform/ColourDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QTimer>

TEST(ColourDialog, ScriptedAnswersRecordTheStartAndLeaveTheColourOnCancel)
{
    ScriptedColourDialog dialog;
    dialog.Answer(0x00123456);
    dialog.Cancel();

    uint32_t colour = 0x00C8C864;
    EXPECT_TRUE(ChooseColour(colour));
    EXPECT_EQ(colour, 0x00123456u);
    EXPECT_FALSE(ChooseColour(colour));
    EXPECT_EQ(colour, 0x00123456u);
    EXPECT_FALSE(ChooseColour(colour)) << "no answers left means cancel";

    const std::vector<uint32_t> starts{0x00C8C864, 0x00123456, 0x00123456};
    EXPECT_EQ(dialog.StartingColours(), starts);
}

// The real dialog works in QColor; the program's colours keep red in the lowest byte.
TEST(ColourDialog, RealDialogStartsAtTheColourAndReturnsTheChoiceRedInTheLowestByte)
{
    QColor shownAtStart;
    QTimer::singleShot(0, [&shownAtStart] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shownAtStart = dialog->currentColor();
        dialog->setCurrentColor(QColor(10, 20, 30));
        dialog->accept();
    });
    uint32_t colour = 0x00C86432;  // red 0x32, green 0x64, blue 0xC8
    EXPECT_TRUE(ChooseColour(colour));
    EXPECT_EQ(shownAtStart, QColor(0x32, 0x64, 0xC8));
    EXPECT_EQ(colour, 0x001E140Au);
}
