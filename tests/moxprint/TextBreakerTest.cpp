// Line breaking and measuring. Breaking uses Liberation Mono ("Courier New"), whose characters
// are all 1229 / 2048 em wide: 1229 x 83 / 2048 = 49.8 -> 50 layout units at 10 points, so
// widths are whole multiples of 50. Heights use Liberation Serif 10 pt ("Times New Roman"):
// text height 92, external leading 4, internal leading 9, line height 96 (LayoutFontTest).
#include "moxprint/core/TextBreaker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::shared_ptr<const LayoutFont> Mono() { return LayoutFont::Get("Courier New", 10, false, false); }
std::shared_ptr<const LayoutFont> Serif() { return LayoutFont::Get("Times New Roman", 10, false, false); }

std::vector<std::string> Lines(const std::string& text, int width)
{
    const auto font = Mono();
    TextBreaker breaker(*font, text, width);
    std::vector<std::string> lines;
    for (const TextLine& line : breaker.AllLines())
        lines.push_back(text.substr(line.begin, line.end - line.begin));
    return lines;
}

TEST(TextBreaker, MonospacedCharactersAreFiftyUnitsWide)
{
    EXPECT_EQ(Mono()->Width(U'a'), 50);
    EXPECT_EQ(Mono()->Width(U' '), 50);
}

TEST(TextBreaker, BreaksAtWordsAndSplitsWordsThatDoNotFit)
{
    struct Case {
        const char* why;
        std::string text;
        int width;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a line exactly full keeps its last word", "aaa bbb ccc", 350, {"aaa bbb", "ccc"}},
        {"a word that passes the width starts the next line", "aaa bbb ccc", 300,
         {"aaa", "bbb", "ccc"}},
        {"a word longer than the line is cut after the longest prefix", "abcdefgh", 175,
         {"abc", "def", "gh"}},
        {"a width below one character still takes one per line", "ab", 10, {"a", "b"}},
        {"line feeds end lines", "ab\ncd", 1000, {"ab", "cd"}},
        {"an empty paragraph is an empty line", "a\n\nb", 1000, {"a", "", "b"}},
        {"only the blank at the break is dropped", "aa  bb", 200, {"aa ", "bb"}},
        {"everything fits on one line", "one two", 1000, {"one two"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Lines(c.text, c.width), c.lines) << c.why;
}

TEST(TextBreaker, LinesKnowWhetherTheyEndAParagraph)
{
    const auto font = Mono();
    const std::string text = "aaa bbb\nccc";
    const auto lines = TextBreaker(*font, text, 200).AllLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_FALSE(lines[0].endsParagraph); // broken by the width
    EXPECT_TRUE(lines[1].endsParagraph);  // by the line feed
    EXPECT_TRUE(lines[2].endsParagraph);  // by the end of the text
    EXPECT_EQ(lines[0].width, 150);
}

TEST(TextBreaker, ItalicLinesIncludeTheOverhangOfTheirLastCharacter)
{
    const auto italic = LayoutFont::Get("Times New Roman", 10, false, true);
    const std::string text = "f";
    TextBreaker breaker(*italic, text, 1000);
    EXPECT_EQ(breaker.MeasureSpan(0, 1), italic->Width(U'f') - italic->CSpacing(U'f'));
    EXPECT_GT(breaker.MeasureSpan(0, 1), italic->Width(U'f'));
}

TEST(MeasureText, OneLineWithoutFrameIsTheLineHeightPlusTwo)
{
    MeasureRequest request;
    request.width = 1700;
    request.height = 2570;
    request.rightFree = true;
    const auto result = MeasureText(*Serif(), "Hello", request);
    // 96 layout units -> 96 x 0.42333 = 40.6 -> 40, + 2
    EXPECT_EQ(result.usedHeight, 42);
    EXPECT_EQ(result.lineCount, 1);
    EXPECT_EQ(result.remainder, 5u);
}

TEST(MeasureText, AFrameAddsTheInternalLeadingTwiceAndThePen)
{
    MeasureRequest request;
    request.width = 1700;
    request.height = 2570;
    request.penSize = 3;
    request.rightFree = true;
    const auto result = MeasureText(*Serif(), "Hello", request);
    // 9 + 96 + 9 = 114 -> 48.3 -> 48, + 2, + pen 3
    EXPECT_EQ(result.usedHeight, 53);
}

TEST(MeasureText, FreeRightWidthIsTheWidestLinePlusFrameMargins)
{
    MeasureRequest request;
    request.width = 1700;
    request.height = 2570;
    request.rightFree = true;
    // "abcd": 200 layout units -> 84.7 -> 84, + 2
    EXPECT_EQ(MeasureText(*Mono(), "abcd", request).usedWidth, 86);
    request.penSize = 3;
    EXPECT_EQ(MeasureText(*Mono(), "abcd", request).usedWidth, 86 + 3 + 20);
    request.rightFree = false;
    EXPECT_EQ(MeasureText(*Mono(), "abcd", request).usedWidth, 1700);
}

TEST(MeasureText, HeightLimitDecidesHowManyLinesFit)
{
    // 100 (0.1 mm) -> 236 layout units, + 3 = 239 available. Line k fits while
    // 4 + k x 96 + 92 < 239: lines 0 and 1 fit, line 2 (288) does not.
    MeasureRequest request;
    request.width = 1700;
    request.height = 100;
    const std::string text = "a\nb\nc";
    auto result = MeasureText(*Serif(), text, request);
    EXPECT_EQ(result.lineCount, 2);
    EXPECT_EQ(result.remainder, 4u);
    EXPECT_FALSE(result.nothingFits);

    request.noHeightLimit = true;
    result = MeasureText(*Serif(), text, request);
    EXPECT_EQ(result.lineCount, 3);
    EXPECT_EQ(result.remainder, text.size());

    request.noHeightLimit = false;
    request.height = 30; // 70 + 3: not even 4 + 92 fits
    result = MeasureText(*Serif(), text, request);
    EXPECT_TRUE(result.nothingFits);
    EXPECT_EQ(result.remainder, 0u);
}

TEST(MeasureText, AnEmptyTextWithoutFrameTakesNoSpace)
{
    MeasureRequest request;
    request.width = 1700;
    request.height = 2570;
    request.rightFree = true;
    const auto result = MeasureText(*Serif(), "", request);
    EXPECT_EQ(result.usedHeight, 0);
    EXPECT_EQ(result.usedWidth, 0);
    EXPECT_FALSE(result.nothingFits);
}

TEST(TextBreaker, LengthConversionsTruncateWithTheFixedFactors)
{
    EXPECT_EQ(TenthsToLayout(254), 599); // 254 x 2.362204724409448 lies just below 600
    EXPECT_EQ(TenthsToLayout(100), 236);
    EXPECT_EQ(LayoutToTenths(600), 254);
    EXPECT_EQ(LayoutToTenths(96), 40);
}

} // namespace
