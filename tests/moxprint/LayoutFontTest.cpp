// The text metrics of the layout fonts against numbers worked out by hand from the font tables,
// and the matching of the face names the program uses.
#include "moxprint/core/LayoutFont.h"

#include <gtest/gtest.h>

namespace {

// Liberation Serif Regular, read from its tables with a few lines of Python (struct on the
// font file):
//   head.unitsPerEm 2048; OS/2 usWinAscent 1825, usWinDescent 443;
//   hhea ascender 1825, descender -443, lineGap 87; hmtx advance of "H" 1479, of "i" 569.
// At 10 points the em is 10 x 600 / 72 = 83.33, truncated to 83 layout units, so:
//   ascent   = 1825 x 83 / 2048 = 73.96 -> 74
//   descent  =  443 x 83 / 2048 = 17.95 -> 18
//   height   = 74 + 18 = 92; internal leading = 92 - 83 = 9
//   external = 87 - ((1825 + 443) - (1825 + 443)) = 87 units -> 87 x 83 / 2048 = 3.53 -> 4
//   width("H") = 1479 x 83 / 2048 = 59.94 -> 60; width("i") = 569 x 83 / 2048 = 23.06 -> 23
TEST(LayoutFont, LiberationSerifAtTenPointsHasTheMetricsOfItsTables)
{
    const auto font = LayoutFont::Get("Times New Roman", 10, false, false);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->Face().FamilyName(), "Liberation Serif");
    EXPECT_EQ(font->Em(), 83);
    EXPECT_EQ(font->Ascent(), 74);
    EXPECT_EQ(font->Descent(), 18);
    EXPECT_EQ(font->TextHeight(), 92);
    EXPECT_EQ(font->InternalLeading(), 9);
    EXPECT_EQ(font->ExternalLeading(), 4);
    EXPECT_EQ(font->LineHeight(), 96);
    EXPECT_EQ(font->Width(U'H'), 60);
    EXPECT_EQ(font->Width(U'i'), 23);
}

// Liberation Serif Italic "f": advance 569, right edge of the outline (xMax) 805, so the right
// overhang is 569 - 805 = -236 font units -> -9.56 -> -10 layout units at 10 points.
TEST(LayoutFont, ItalicGlyphsReportTheirRightOverhang)
{
    const auto font = LayoutFont::Get("Times New Roman", 10, false, true);
    ASSERT_TRUE(font);
    EXPECT_TRUE(font->Italic());
    EXPECT_EQ(font->CSpacing(U'f'), -10);
}

TEST(LayoutFont, TheProgramsFaceNamesMatchTheMetricCompatibleFaces)
{
    struct Case {
        const char* family;
        bool bold;
        bool italic;
        const char* file; // expected end of the matched file's name
    };
    const Case cases[] = {
        {"Times New Roman", false, false, "LiberationSerif-Regular.ttf"},
        {"Arial", true, false, "LiberationSans-Bold.ttf"},
        {"Courier New", false, true, "LiberationMono-Italic.ttf"},
        {"arial", true, true, "LiberationSans-BoldItalic.ttf"}, // names match in any case
    };
    for (const Case& c : cases) {
        const auto face = FontFace::Match(c.family, c.bold, c.italic);
        ASSERT_TRUE(face) << c.family;
        const std::string& path = face->FilePath();
        EXPECT_TRUE(path.ends_with(c.file)) << c.family << " gave " << path;
    }
}

TEST(LayoutFont, EmSizeIsTheTruncatedPointSizeAtSixHundredUnitsPerInch)
{
    EXPECT_EQ(LayoutFont::EmForPoints(10), 83);
    EXPECT_EQ(LayoutFont::EmForPoints(12), 100);
    EXPECT_EQ(LayoutFont::EmForPoints(7), 58); // 58.33
}

TEST(LayoutFont, Utf8IsReadCharacterByCharacterAndBadBytesStandAlone)
{
    struct Case {
        std::string text;
        std::u32string expected;
    };
    const Case cases[] = {
        {"ab", U"ab"},
        {"\xC3\xA9t\xC3\xA9", U"\u00E9t\u00E9"},      // two-byte sequences
        {"\xE2\x82\xAC", U"\u20AC"},                  // three bytes
        {"\xF0\x9F\x98\x80", U"\U0001F600"},          // four bytes
        {"\xC3", U"\u00C3"},                          // cut sequence: the byte alone
        {"\xC0\xAF", U"\u00C0\u00AF"},                // overlong form: bytes alone
        {"\xED\xA0\x80", U"\u00ED\u00A0\u0080"},      // surrogate: bytes alone
    };
    for (const Case& c : cases) {
        std::u32string read;
        for (size_t pos = 0; pos < c.text.size();)
            read.push_back(NextCharacter(c.text, pos));
        EXPECT_EQ(read, c.expected);
    }
}

} // namespace
