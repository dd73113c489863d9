// The formatting keywords at the start of texts.
#include "moxprint/core/EmbeddedFlags.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

TEST(EmbeddedFlags, KeywordsInShortAndLongFormSetTheirAttribute)
{
    struct Case {
        std::string flags;
        std::function<bool(const MoxAttributes&)> holds;
    };
    const Case cases[] = {
        {"[PS 7]", [](auto& a) { return a.penSize == 7; }},
        {"[PenSize 12]", [](auto& a) { return a.penSize == 12; }},
        {"[PC Red]", [](auto& a) { return a.penColor == 0x0000C0; }},
        {"[PRGB 1 2 3]", [](auto& a) { return a.penColor == 0x030201; }},
        {"['Times New Roman']", [](auto& a) { return a.fontName.Text() == "Times New Roman"; }},
        {"[S 14]", [](auto& a) { return a.fontSize == 14; }},
        {"[fontsize 9]", [](auto& a) { return a.fontSize == 9; }}, // any case
        {"[C LtBlue]", [](auto& a) { return a.textColor == 0xFF8000; }},
        {"[RGB 255 0 0]", [](auto& a) { return a.textColor == 0x0000FF; }},
        {"[RGB 256 257 258]", [](auto& a) { return a.textColor == 0x020100; }}, // modulo 256
        {"[BC Yellow]", [](auto& a) { return a.backgroundColor == 0x00F2F2; }},
        {"[BCRGB 0 0 255]", [](auto& a) { return a.backgroundColor == 0xFF0000; }},
        {"[TO]", [](auto& a) { return a.backgroundMode == BackgroundOpaque; }},
        {"[TO T]", [](auto& a) { return a.backgroundMode == BackgroundTransparent; }},
        {"[J]", [](auto& a) { return a.alignment == 3; }},
        {"[Right]", [](auto& a) { return a.alignment == 1; }},
        {"[Ce]", [](auto& a) { return a.alignment == 2; }},
        {"[Ce L]", [](auto& a) { return a.alignment == 0; }},
        {"[B U I ST]", [](auto& a) { return a.bold && a.underlined && a.italic && a.strikeOut; }},
        {"[Bold BoldOff]", [](auto& a) { return !a.bold; }},
        {"[AO]", [](auto& a) { return a.autoBreak == AutoBreakMode::Off; }},
        {"[ANL]", [](auto& a) { return a.autoBreak == AutoBreakMode::NoLimits; }},
        {"[AutoBreakFull]", [](auto& a) { return a.autoBreak == AutoBreakMode::Full; }},
        {"[ROT 900]", [](auto& a) { return a.rotation == 900; }},
        {"[HSDC]", [](auto& a) { return a.hatchStyle == 5; }},
        {"[HSBDiagonal]", [](auto& a) { return a.hatchStyle == 3; }},
        {"[HC Green]", [](auto& a) { return a.hatchColor == 0x00C000; }},
        {"[PSDADO]", [](auto& a) { return a.penStyle == 3; }},
        {"[PSDashDotDot]", [](auto& a) { return a.penStyle == 4; }},
        {"[GRDE]", [](auto& a) { return a.backgroundMode == BackgroundGradientEllipse; }},
        {"[GradientRect]", [](auto& a) { return a.backgroundMode == BackgroundGradientRect; }},
        {"[GRDSC Cyan GRDEC Magenta]",
         [](auto& a) { return a.gradientStartColor == 0xFFFF00 && a.gradientEndColor == 0xFF00FF; }},
        {"[GRDECRGB 9 8 7]", [](auto& a) { return a.gradientEndColor == 0x070809; }},
        {"[C NoSuchColour]", [](auto& a) { return a.textColor == 0; }}, // unknown name: black
        {"[Frobnicate S 20]", [](auto& a) { return a.fontSize == 20; }}, // unknown keyword skipped
        {"[PS]", [](auto& a) { return a.penSize == 0; }},              // missing number: 0
    };
    for (const Case& c : cases) {
        MoxAttributes attributes;
        attributes.textColor = 0x123456;
        const auto flags = ApplyEmbeddedFlags(c.flags + "text", attributes);
        EXPECT_TRUE(c.holds(attributes)) << c.flags;
        EXPECT_EQ(flags.textStart, c.flags.size()) << c.flags;
        EXPECT_FALSE(flags.oneCall) << c.flags;
    }
}

TEST(EmbeddedFlags, TwoOpeningBracketsStandForOneAndCarryNoFlags)
{
    MoxAttributes attributes;
    const auto flags = ApplyEmbeddedFlags("[[B] literal", attributes);
    EXPECT_EQ(flags.textStart, 1u);
    EXPECT_FALSE(attributes.bold);
}

TEST(EmbeddedFlags, TextWithoutBracketHasNoFlags)
{
    MoxAttributes attributes;
    EXPECT_EQ(ApplyEmbeddedFlags("B plain", attributes).textStart, 0u);
    EXPECT_EQ(ApplyEmbeddedFlags("", attributes).textStart, 0u);
}

TEST(EmbeddedFlags, NAsFirstKeywordMakesTheFlagsOneCall)
{
    struct Case {
        const char* text;
        bool oneCall;
    };
    const Case cases[] = {
        {"[N B]x", true},
        {"[  n B]x", true},
        {"[NoHold B]x", true},
        {"[B N]x", false},   // only as the first keyword
        {"[NB]x", false},    // "N" must stand alone
    };
    for (const Case& c : cases) {
        MoxAttributes attributes;
        EXPECT_EQ(ApplyEmbeddedFlags(c.text, attributes).oneCall, c.oneCall) << c.text;
    }
}

TEST(EmbeddedFlags, AnUnclosedBlockTakesTheWholeText)
{
    MoxAttributes attributes;
    const std::string text = "[B S 12";
    EXPECT_EQ(ApplyEmbeddedFlags(text, attributes).textStart, text.size());
    EXPECT_TRUE(attributes.bold);
    EXPECT_EQ(attributes.fontSize, 12);
}

TEST(EmbeddedFlags, ColourNamesMatchInAnyCase)
{
    EXPECT_EQ(ColourByName("dkpurple"), 0x800080u);
    EXPECT_EQ(ColourByName("HIBLUE"), 0xFFC000u);
    EXPECT_EQ(ColourByName("LtOrange"), 0x00C0FFu);
    EXPECT_EQ(ColourByName("White"), 0xFFFFFFu);
    EXPECT_EQ(ColourByName(""), 0u);
}

} // namespace
