// The PDF values write exactly the text the file layout fixes.
#include "pdf/ObjBase.h"

#include <gtest/gtest.h>

#include <functional>

using namespace DOC_PDF;

namespace {

std::string TextOf(const OBJ_BASE& value)
{
    _buffer out;
    value.Write(out);
    return out;
}

}  // namespace

TEST(PdfValues, EachKindWritesItsText)
{
    const struct {
        const char* why;
        std::function<OBJ_PDF()> make;
        const char* text;
    } cases[] = {
        {"a name gets its slash", [] { return OBJ_PDF(OBJ_NAME("Catalog")); }, "/Catalog"},
        {"blanks and delimiters in a name are hex escapes",
         [] { return OBJ_PDF(OBJ_NAME("A b/(#)")); }, "/A#20b#2F#28#23#29"},
        {"parentheses in a string are escaped", [] { return OBJ_PDF(OBJ_STRING("a(b")); },
         "(a\\(b)"},
        {"a backslash is doubled", [] { return OBJ_PDF(OBJ_STRING("C:\\x)")); }, "(C:\\\\x\\))"},
        {"an integer has no decimals", [] { return OBJ_PDF(OBJ_NUMERIC(612)); }, "612"},
        {"a negative integer", [] { return OBJ_PDF(OBJ_NUMERIC(-40)); }, "-40"},
        {"integers above 2^24 stay exact (stream lengths, sizes)",
         [] { return OBJ_PDF(OBJ_NUMERIC(16777217)); }, "16777217"},
        {"a real has six decimals", [] { return OBJ_PDF(OBJ_NUMERIC(0.5f)); }, "0.500000"},
        {"a real is rounded to six decimals",
         [] { return OBJ_PDF(OBJ_NUMERIC(200.0f / 255.0f)); }, "0.784314"},
        {"a negative real", [] { return OBJ_PDF(OBJ_NUMERIC(-1.25f)); }, "-1.250000"},
        {"booleans", [] { return OBJ_PDF(OBJ_BOOLEAN(false)); }, "false"},
        {"a reference", [] { return OBJ_PDF(OBJ_POINTER(5)); }, "5 0 R"},
        {"each array element is followed by one blank",
         [] { return OBJ_PDF(OBJ_ARRAY{0, 0, 612, 792}); }, "[ 0 0 612 792 ]"},
        {"an empty array", [] { return OBJ_PDF(OBJ_ARRAY()); }, "[ ]"},
        {"an empty value writes nothing", [] { return OBJ_PDF(); }, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextOf(c.make()), c.text) << c.why;
}

TEST(PdfValues, RealsAreTruncatedTowardZeroWhenReadAsIntegers)
{
    EXPECT_EQ(OBJ_NUMERIC(2.9f).Integer(), 2);
    EXPECT_EQ(OBJ_NUMERIC(-2.9f).Integer(), -2);
    EXPECT_EQ(OBJ_NUMERIC(7).Integer(), 7);
}

TEST(PdfValues, DictionaryKeysComeOutInByteOrderWhateverTheOrderOfSetting)
{
    OBJ_INDIRECT page;
    page.Set("Type", OBJ_NAME("Page"));
    page.Set("Resources", OBJ_INDIRECT());
    page.Set("Parent", OBJ_POINTER(5));
    page.Set("MediaBox", OBJ_ARRAY{0, 0, 100, 200});
    page.Set("Annots", OBJ_ARRAY());
    EXPECT_EQ(TextOf(page),
              "<<\r\n/Annots [ ]\r\n/MediaBox [ 0 0 100 200 ]\r\n/Parent 5 0 R\r\n"
              "/Resources <<\r\n>>\r\n/Type /Page\r\n>>");
}

TEST(PdfValues, SettingAKeyAgainReplacesItsValue)
{
    OBJ_INDIRECT dictionary;
    dictionary.Set("Count", OBJ_NUMERIC(1));
    dictionary.Set("Count", OBJ_NUMERIC(2));
    EXPECT_EQ(dictionary.EntryCount(), 1u);
    EXPECT_EQ(TextOf(dictionary), "<<\r\n/Count 2\r\n>>");
}

TEST(PdfValues, AValueReplacedInAHolderTakesTheNewKind)
{
    OBJ_PDF holder(OBJ_NAME("PDF"));
    EXPECT_EQ(holder.GetType(), OBJ_PDF::tpName);
    holder = OBJ_ARRAY{1, 2};
    EXPECT_EQ(holder.GetType(), OBJ_PDF::tpArray);
    EXPECT_EQ(holder.AsName(), nullptr);
    ASSERT_NE(holder.AsArray(), nullptr);
    EXPECT_EQ(TextOf(holder), "[ 1 2 ]");
}

TEST(PdfValues, TypeCodesAreThoseOfTheFileModel)
{
    EXPECT_EQ(OBJ_PDF().GetType(), 0);
    EXPECT_EQ(OBJ_PDF(OBJ_BOOLEAN(true)).GetType(), 1);
    EXPECT_EQ(OBJ_PDF(OBJ_NUMERIC(1)).GetType(), 2);
    EXPECT_EQ(OBJ_PDF(OBJ_STRING("")).GetType(), 3);
    EXPECT_EQ(OBJ_PDF(OBJ_NAME("N")).GetType(), 4);
    EXPECT_EQ(OBJ_PDF(OBJ_ARRAY()).GetType(), 5);
    EXPECT_EQ(OBJ_PDF(OBJ_POINTER(1)).GetType(), 6);
    EXPECT_EQ(OBJ_PDF(OBJ_INDIRECT()).GetType(), 7);
}

TEST(PdfValues, AStreamSitsBetweenItsKeywordsWithLineEnds)
{
    EXPECT_EQ(TextOf(OBJ_STREAM("BT\r\nET")), "\r\nstream\r\nBT\r\nET\r\nendstream");
}

TEST(PdfValues, ArraysFindTheNamesTheyHold)
{
    OBJ_ARRAY names;
    names.Add(OBJ_NAME("PDF"));
    names.Add(OBJ_NUMERIC(3));
    EXPECT_TRUE(names.ContainsName("PDF"));
    EXPECT_FALSE(names.ContainsName("Text"));
}
