// UTF-8 texts become the right single bytes, "?" where an encoding lacks a character, and
// strings stay plain ASCII in the file.
#include "pdf/TextEncoding.h"

#include <gtest/gtest.h>

using namespace DOC_PDF;

TEST(TextEncoding, Utf8BecomesWindows1252)
{
    const struct {
        const char* why;
        const char* utf8;
        const char* bytes;
    } cases[] = {
        {"ASCII is unchanged", "Item 42 (a)", "Item 42 (a)"},
        {"Latin-1 letters keep their code", "\xC3\xA9\xC3\xBC\xC3\x9F", "\xE9\xFC\xDF"},
        {"the euro sign is 0x80", "\xE2\x82\xAC", "\x80"},
        {"typographic quotes and dashes", "\xE2\x80\x9C\xE2\x80\x94\xE2\x80\x9D", "\x93\x97\x94"},
        {"Y with diaeresis is 0x9F", "\xC5\xB8", "\x9F"},
        {"a character outside the code page is one ?", "a\xE4\xB8\xAD" "b", "a?b"},
        {"a four-byte character is one ?", "\xF0\x9F\x98\x80", "?"},
        {"a C1 control has no place in the code page", "\xC2\x81", "?"},
        {"a stray continuation byte", "a\x80z", "a?z"},
        {"a byte that never starts a sequence", "\xFF", "?"},
        {"a truncated sequence: each byte that belongs to no character", "\xE2\x82" "A", "??A"},
        {"an overlong form is not a character", "\xC0\xAF", "??"},
        {"an encoded surrogate is not a character", "\xED\xA0\x80", "???"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", "????"},
        {"a sequence cut off at the end", "x\xC3", "x?"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToWinAnsi(c.utf8), c.bytes) << c.why;
}

TEST(TextEncoding, Utf8BecomesPdfDocEncodingForTextStrings)
{
    const struct {
        const char* why;
        const char* utf8;
        const char* bytes;
    } cases[] = {
        {"ASCII is unchanged", "Tavrin report", "Tavrin report"},
        {"Latin-1 letters keep their code", "Caf\xC3\xA9 \xC3\xBC", "Caf\xE9 \xFC"},
        {"the euro sign is 0xA0 here", "\xE2\x82\xAC", "\xA0"},
        {"the en dash and curly quotes have their own places",
         "\xE2\x80\x93\xE2\x80\x9C\xE2\x80\x9D", "\x85\x8D\x8E"},
        {"a no-break space becomes a space", "10\xC2\xA0" "000", "10 000"},
        {"a character outside the encoding is one ?", "\xD0\x96", "?"},
        {"an invalid byte", "\xFE", "?"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToPdfDocEncoding(c.utf8), c.bytes) << c.why;
}

TEST(TextEncoding, StringsEscapeDelimitersAndWriteOtherBytesInOctal)
{
    const struct {
        const char* why;
        std::string bytes;
        const char* text;
    } cases[] = {
        {"an opening parenthesis", "a(b", "(a\\(b)"},
        {"both parentheses and a backslash", "(x)\\", "(\\(x\\)\\\\)"},
        {"bytes above ASCII in three octal digits", "\xE9\x80", "(\\351\\200)"},
        {"a digit after an escape is not swallowed", "\x01" "7", "(\\0017)"},
        {"line ends inside a text", "a\r\nb", "(a\\015\\012b)"},
        {"DEL", "\x7F", "(\\177)"},
        {"an empty string", "", "()"},
    };
    for (const auto& c : cases) {
        std::string out;
        AppendEscapedString(out, c.bytes);
        EXPECT_EQ(out, c.text) << c.why;
    }
}

TEST(TextEncoding, LinkAddressesBecomeSevenBitAscii)
{
    EXPECT_EQ(EncodeUri("https://example.org/a?b=c&d=%20"), "https://example.org/a?b=c&d=%20");
    EXPECT_EQ(EncodeUri("https://example.org/caf\xC3\xA9 x"), "https://example.org/caf%C3%A9%20x");
}
