#include "platform/MessageBox.h"

#include <gtest/gtest.h>

TEST(MessageBox, ScriptedResponderRecordsTextCaptionAndStyleAndGivesPreparedAnswers)
{
    ScriptedMessages messages;
    messages.Answer(IDNO);
    messages.Answer(IDCANCEL);

    EXPECT_EQ(MessageBox("Save changes?", "Tavrin", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(MessageBox("Really?", "", MB_YESNO), IDCANCEL);
    // Prepared answers used up: the default (first) button answers.
    EXPECT_EQ(MessageBox("Invalid Path", "/tmp/a.tvd"), IDOK);

    ASSERT_EQ(messages.Shown().size(), 3u);
    EXPECT_EQ(messages.Shown()[0].caption, "Tavrin");
    EXPECT_EQ(messages.Shown()[0].style, unsigned(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(messages.Shown()[2].caption, "/tmp/a.tvd");
    EXPECT_TRUE(messages.WasShown("Invalid Path"));
    EXPECT_FALSE(messages.WasShown("Invalid"));
}

TEST(MessageBox, DefaultAnswerIsTheFirstButtonOfEachSet)
{
    const struct {
        unsigned style;
        int answer;
    } cases[] = {
        {MB_OK, IDOK},           {MB_OKCANCEL, IDOK},       {MB_YESNO | MB_ICONQUESTION, IDYES},
        {MB_YESNOCANCEL, IDYES}, {MB_RETRYCANCEL, IDRETRY}, {MB_ABORTRETRYIGNORE, IDABORT},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DefaultAnswer(c.style), c.answer) << "style " << c.style;
}

TEST(MessageBox, NestedResponderRestoresTheOuterOne)
{
    ScriptedMessages outer;
    {
        ScriptedMessages inner;
        MessageBox("inner");
        EXPECT_EQ(inner.Shown().size(), 1u);
    }
    MessageBox("outer");
    ASSERT_EQ(outer.Shown().size(), 1u);
    EXPECT_EQ(outer.Shown()[0].text, "outer");
}
