// Placing and measuring texts through the engine's functions: fixed and free rectangles, the
// automatic page break in its modes, justified text across pages, embedded flags, header and
// footer. The model is read directly to see the objects the calls made.
#include "moxprint.h"
#include "moxprint/core/LayoutFont.h"
#include "moxprint/core/MoxDocument.h"
#include "moxprint/core/PagePainter.h"
#include "moxprint/core/TextBreaker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class TextApi : public ::testing::Test {
protected:
    void SetUp() override { doc_ = MoxOpenDoc(nullptr, "test", 0); ASSERT_TRUE(doc_); }
    void TearDown() override { MoxCloseDoc(doc_); }

    std::vector<const MoxTextObject*> TextsOnPage(int page)
    {
        MoxGotoPage(doc_, page);
        std::vector<const MoxTextObject*> texts;
        for (const auto& object : doc_->CurrentPage().objects)
            if (object->kind == ObjectKind::Text)
                texts.push_back(static_cast<const MoxTextObject*>(object.get()));
        return texts;
    }
    // Every character of every text object, pages in order, without blanks and line feeds.
    std::string AllPlacedCharacters()
    {
        std::string all;
        for (int page = 1; page <= MoxGetPageCount(doc_); ++page)
            for (const MoxTextObject* text : TextsOnPage(page))
                for (char c : text->text)
                    if (c != ' ' && c != '\n')
                        all.push_back(c);
        return all;
    }
    static std::string WithoutBlanks(const std::string& text)
    {
        std::string kept;
        for (char c : text)
            if (c != ' ' && c != '\n')
                kept.push_back(c);
        return kept;
    }
    static std::string Paragraphs(int lines)
    {
        std::string text;
        for (int i = 0; i < lines; ++i)
            text += "Line " + std::to_string(i) + " of a text that flows over pages\n";
        return text;
    }

    HMOXDOC doc_ = nullptr;
};

TEST_F(TextApi, AFixedRectangleKeepsItsBottom)
{
    EXPECT_EQ(MoxWriteBox(doc_, 200, 200, 1000, 260, "One line"), 260);
    EXPECT_EQ(MoxGet(doc_, MOX_LAST_BOTTOM), 260);
    const auto texts = TextsOnPage(1);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->rect.right, 1000);
    EXPECT_EQ(texts[0]->pen.size, 3); // the Box form frames with the current pen
}

TEST_F(TextApi, RenderPrintBoxMeasuresTheTextPlusTheFrameMargins)
{
    const auto font = LayoutFont::Get("Arial", 10, false, false);
    const std::string text = "Hello";
    const int layoutWidth = TextBreaker(*font, text, 100000).MeasureSpan(0, text.size());
    EXPECT_EQ(MoxRenderPrintBox(doc_, 200, 200, text.c_str()), 0);
    EXPECT_EQ(MoxGet(doc_, MOX_RENDER_WIDTH), LayoutToTenths(layoutWidth) + 2 + 3 + 20);
    EXPECT_GT(MoxGet(doc_, MOX_RENDER_HEIGHT), 0);
    EXPECT_EQ(TextsOnPage(1).size(), 0u); // measuring places nothing
    EXPECT_EQ(MoxGetPageCount(doc_), 1);
}

TEST_F(TextApi, RenderReportsWhetherTheTextFits)
{
    EXPECT_EQ(MoxRenderWrite(doc_, 200, 200, 1900, MOX_FREE, "short"), 0);
    MoxSetAutoBreak(doc_, MOX_AUTOBREAK_OFF);
    EXPECT_EQ(MoxRenderWrite(doc_, 200, 2600, 1900, MOX_FREE, Paragraphs(20).c_str()), 1);
    EXPECT_EQ(MoxRenderWrite(doc_, 200, 2769, 1900, MOX_FREE, "x"), 2);
    EXPECT_EQ(MoxGetPageCount(doc_), 1); // Render never breaks pages
}

TEST_F(TextApi, TextBelowTheMarginStartsAtTheTopOfANewPage)
{
    MoxWrite(doc_, 300, 2800, 1900, MOX_FREE, "Late text");
    EXPECT_EQ(MoxGetPageCount(doc_), 2);
    EXPECT_TRUE(TextsOnPage(1).empty());
    const auto texts = TextsOnPage(2);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->rect.top, 200);
    EXPECT_EQ(texts[0]->rect.left, 300);
    EXPECT_EQ(texts[0]->text, "Late text");
}

TEST_F(TextApi, ContinuationPagesKeepTheCallersSidesOrTakeTheMargins)
{
    struct Case {
        int mode;
        int32_t left; // of the continuation
    };
    for (const Case c : {Case{MOX_AUTOBREAK_ON, 1000}, Case{MOX_AUTOBREAK_FULL, 200}}) {
        HMOXDOC doc = MoxOpenDoc(nullptr, nullptr, 0);
        MoxSetAutoBreak(doc, c.mode);
        MoxWrite(doc, 1000, 2500, 1500, MOX_FREE, Paragraphs(12).c_str());
        ASSERT_EQ(MoxGetPageCount(doc), 2) << c.mode;
        MoxGotoPage(doc, 2);
        const MoxObject* continuation = doc->CurrentPage().LastObject();
        ASSERT_TRUE(continuation);
        EXPECT_EQ(continuation->rect.left, c.left) << c.mode;
        EXPECT_EQ(continuation->rect.top, 200) << c.mode;
        MoxCloseDoc(doc);
    }
}

TEST_F(TextApi, NoLimitsLetsAFreeTextGrowPastTheMarginAndThePageEnd)
{
    MoxSetAutoBreak(doc_, MOX_AUTOBREAK_NO_LIMITS);
    const int32_t bottom = MoxWrite(doc_, 200, 2700, 1900, MOX_FREE, Paragraphs(10).c_str());
    EXPECT_GT(bottom, 2970);
    EXPECT_EQ(MoxGetPageCount(doc_), 1);
}

TEST_F(TextApi, AutoBreakOffCutsAtTheMarginAndDropsTheRest)
{
    MoxSetAutoBreak(doc_, MOX_AUTOBREAK_OFF);
    const int32_t bottom = MoxWrite(doc_, 200, 2600, 1900, MOX_FREE, Paragraphs(10).c_str());
    EXPECT_LE(bottom, 2770);
    EXPECT_EQ(MoxGetPageCount(doc_), 1);
    EXPECT_LT(AllPlacedCharacters().size(), WithoutBlanks(Paragraphs(10)).size());
}

TEST_F(TextApi, AFixedRectangleCrossingTheMarginContinuesOnTheNextPageOnce)
{
    const std::string text = Paragraphs(8);
    MoxWrite(doc_, 200, 2600, 1900, 2900, text.c_str());
    ASSERT_EQ(MoxGetPageCount(doc_), 2);
    const auto first = TextsOnPage(1);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_LE(first[0]->rect.bottom, 2770); // cut at the margin
    const auto second = TextsOnPage(2);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0]->rect.top, 200);
    EXPECT_EQ(AllPlacedCharacters(), WithoutBlanks(text)); // every character once
}

TEST_F(TextApi, AFixedBottomThatIsTooSmallSendsTheRestToTheNextPageNotOverItself)
{
    const std::string text = Paragraphs(6);
    MoxWrite(doc_, 200, 200, MOX_FREE, 300, text.c_str());
    EXPECT_EQ(TextsOnPage(1).size(), 1u);
    EXPECT_EQ(AllPlacedCharacters(), WithoutBlanks(text));
}

TEST_F(TextApi, TextTooTallForAnyPageEndsTheCallInsteadOfBreakingForever)
{
    MoxWrite(doc_, 200, 200, 1900, MOX_FREE, "[S 3000]x");
    EXPECT_LE(MoxGetPageCount(doc_), 2);
}

TEST_F(TextApi, JustifiedTextSplitByAPageBreakJustifiesItsLastLineOnTheFirstPage)
{
    MoxSetTextAlignment(doc_, MOX_ALIGN_JUSTIFIED);
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += "justified words flow ";
    MoxWrite(doc_, 200, 2500, 1900, MOX_FREE, text.c_str());
    ASSERT_EQ(MoxGetPageCount(doc_), 2);
    const auto first = TextsOnPage(1);
    const auto second = TextsOnPage(2);
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(first[0]->alignment, AlignJustifiedAll);
    EXPECT_NE(first[0]->text.back(), ' '); // trailing blanks removed
    EXPECT_EQ(second[0]->alignment, AlignJustified);

    // Drawn, the first page's last line reaches the right edge of the text area; the
    // paragraph's last line on the second page does not.
    const auto inkRight = [&](int page, int32_t top, int32_t bottom) {
        MoxGotoPage(doc_, page);
        const QImage image = RenderPageImage(doc_->CurrentPage(), 254); // 1 pixel = 0.1 mm
        int right = -1;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    right = std::max(right, x);
        return right;
    };
    const MoxRect r1 = first[0]->rect;
    EXPECT_GE(inkRight(1, r1.bottom - 40, r1.bottom), 1890);
    const MoxRect r2 = second[0]->rect;
    EXPECT_LT(inkRight(2, r2.bottom - 40, r2.bottom), 1800);
}

TEST_F(TextApi, TwoOpeningBracketsShowOneAndReadNoFlags)
{
    MoxPrint(doc_, 200, 200, "[[B] stays");
    const auto texts = TextsOnPage(1);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->text, "[B] stays");
    EXPECT_FALSE(texts[0]->styleFlags & TextBold);
    EXPECT_EQ(MoxGetBold(doc_), 0);
}

TEST_F(TextApi, FlagsStayUnlessTheyAreOneCallFlags)
{
    MoxPrint(doc_, 200, 200, "[B]bold");
    EXPECT_TRUE(TextsOnPage(1).back()->styleFlags & TextBold);
    EXPECT_EQ(MoxGetBold(doc_), 1);

    MoxSetBold(doc_, 0);
    MoxPrint(doc_, 200, 300, "[N B S 20]bold once");
    const auto texts = TextsOnPage(1);
    EXPECT_TRUE(texts.back()->styleFlags & TextBold);
    EXPECT_EQ(texts.back()->fontSize, 20);
    EXPECT_EQ(MoxGetBold(doc_), 0);
    EXPECT_EQ(MoxGetFontSize(doc_), 10);
    EXPECT_EQ(MoxGetPenSize(doc_), 3); // the frameless form gave its pen back too
}

TEST_F(TextApi, ATextOfOnlyFlagsPlacesAnEmptyObject)
{
    EXPECT_EQ(MoxPrint(doc_, 200, 200, "[B]"), 200); // no frame: height 0
    EXPECT_GT(MoxPrintBox(doc_, 200, 300, "[B]"), 300); // a frame keeps its margins
    EXPECT_EQ(TextsOnPage(1).size(), 2u);
}

TEST_F(TextApi, CarriageReturnsAreRemovedFromTheText)
{
    MoxPrint(doc_, 200, 200, "one\r\ntwo");
    EXPECT_EQ(TextsOnPage(1).back()->text, "one\ntwo");
}

TEST_F(TextApi, ANullTextIsAnArgumentError)
{
    MoxPrint(doc_, 200, 200, nullptr);
    EXPECT_EQ(MoxGetLastError(doc_), MOX_ERROR_ARGUMENT);
    MoxPrint(doc_, 200, 200, "fine");
    EXPECT_EQ(MoxGetLastError(doc_), MOX_ERROR_NONE);
}

TEST_F(TextApi, HeaderShowsThePageNumberOnEveryPageAndIsDefinedOnce)
{
    EXPECT_EQ(MoxDefineHeader(doc_, 200, 100, 1900, 180, "Page @PAGE"), 1);
    EXPECT_EQ(MoxGet(doc_, MOX_LAST_BOTTOM), 200); // the last position stays
    EXPECT_EQ(MoxDefineHeader(doc_, 200, 100, 1900, 180, "Other"), 0);
    EXPECT_EQ(MoxDefineFooter(doc_, 200, 2800, 1900, MOX_FREE, "Footer"), 1);
    MoxPageBreak(doc_);
    MoxPageBreak(doc_);
    const auto third = TextsOnPage(3);
    ASSERT_EQ(third.size(), 2u);
    EXPECT_EQ(third[0]->text, "Page 3");
    EXPECT_EQ(third[1]->text, "Footer");
    EXPECT_GT(third[1]->rect.bottom, 2800); // the free bottom was worked out from the text
    EXPECT_EQ(TextsOnPage(1)[0]->text, "Page 1");
}

} // namespace
