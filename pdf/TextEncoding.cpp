// UTF-8 decoding (strict: no overlong forms, no surrogates, nothing above U+10FFFF) and the two
// single-byte encodings of the PDF writer. Both agree with Latin-1 except in the block
// 0x80-0x9F, which each table below spells out.
#include "pdf/TextEncoding.h"

namespace DOC_PDF {

namespace {

constexpr char32_t kIllFormed = 0xFFFFFFFF;

bool IsContinuation(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF)
{
    return byte >= low && byte <= high;
}

// The code point of the sequence at `pos` and its length in bytes, or kIllFormed and length 1
// when the byte at `pos` does not start a well-formed sequence.
char32_t DecodeAt(std::string_view text, size_t pos, size_t& length)
{
    const auto byteAt = [&](size_t index) {
        return index < text.size() ? static_cast<unsigned char>(text[index]) : 0;
    };
    const unsigned char lead = byteAt(pos);
    length = 1;
    if (lead < 0x80)
        return lead;

    size_t count;
    unsigned char secondLow = 0x80, secondHigh = 0xBF;
    char32_t value;
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 3;
        value = lead & 0x0F;
        if (lead == 0xE0)
            secondLow = 0xA0;  // overlong below U+0800
        else if (lead == 0xED)
            secondHigh = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 4;
        value = lead & 0x07;
        if (lead == 0xF0)
            secondLow = 0x90;  // overlong below U+10000
        else if (lead == 0xF4)
            secondHigh = 0x8F;  // above U+10FFFF
    } else {
        return kIllFormed;
    }

    if (!IsContinuation(byteAt(pos + 1), secondLow, secondHigh))
        return kIllFormed;
    for (size_t i = 1; i < count; ++i) {
        const unsigned char next = byteAt(pos + i);
        if (!IsContinuation(next))
            return kIllFormed;
        value = (value << 6) | (next & 0x3F);
    }
    length = count;
    return value;
}

struct ByteOf {
    char32_t codePoint;
    unsigned char byte;
};

// Windows-1252 0x80-0x9F (0x81, 0x8D, 0x8F, 0x90 and 0x9D are unassigned).
constexpr ByteOf kWindows1252Block[] = {
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
    {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
    {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
    {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
    {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
    {0x017E, 0x9E}, {0x0178, 0x9F},
};

// PDFDocEncoding's own characters: the spacing accents at 0x18-0x1F, the block 0x80-0x9E and
// the euro sign at 0xA0.
constexpr ByteOf kPdfDocOwn[] = {
    {0x02D8, 0x18}, {0x02C7, 0x19}, {0x02C6, 0x1A}, {0x02D9, 0x1B}, {0x02DD, 0x1C},
    {0x02DB, 0x1D}, {0x02DA, 0x1E}, {0x02DC, 0x1F}, {0x2022, 0x80}, {0x2020, 0x81},
    {0x2021, 0x82}, {0x2026, 0x83}, {0x2014, 0x84}, {0x2013, 0x85}, {0x0192, 0x86},
    {0x2044, 0x87}, {0x2039, 0x88}, {0x203A, 0x89}, {0x2212, 0x8A}, {0x2030, 0x8B},
    {0x201E, 0x8C}, {0x201C, 0x8D}, {0x201D, 0x8E}, {0x2018, 0x8F}, {0x2019, 0x90},
    {0x201A, 0x91}, {0x2122, 0x92}, {0xFB01, 0x93}, {0xFB02, 0x94}, {0x0141, 0x95},
    {0x0152, 0x96}, {0x0160, 0x97}, {0x0178, 0x98}, {0x017D, 0x99}, {0x0131, 0x9A},
    {0x0142, 0x9B}, {0x0153, 0x9C}, {0x0161, 0x9D}, {0x017E, 0x9E}, {0x20AC, 0xA0},
};

constexpr int kMissing = -1;

template <size_t N>
int Find(const ByteOf (&table)[N], char32_t codePoint)
{
    for (const ByteOf& entry : table) {
        if (entry.codePoint == codePoint)
            return entry.byte;
    }
    return kMissing;
}

int WinAnsiByte(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    return Find(kWindows1252Block, codePoint);
}

int PdfDocByte(char32_t codePoint)
{
    if (codePoint == '\t' || codePoint == '\n' || codePoint == '\r')
        return static_cast<int>(codePoint);
    if (codePoint >= 0x20 && codePoint < 0x7F)
        return static_cast<int>(codePoint);
    if (codePoint == 0x00A0)
        return ' ';  // 0xA0 holds the euro sign here
    if (codePoint == 0x00AD)
        return '-';  // the soft hyphen is unassigned
    if (codePoint >= 0xA1 && codePoint <= 0xFF)
        return static_cast<int>(codePoint);
    return Find(kPdfDocOwn, codePoint);
}

std::string Encode(std::string_view utf8, int (*byteOf)(char32_t))
{
    std::string bytes;
    bytes.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        size_t length;
        const char32_t codePoint = DecodeAt(utf8, pos, length);
        const int byte = codePoint == kIllFormed ? kMissing : byteOf(codePoint);
        bytes += byte == kMissing ? '?' : static_cast<char>(byte);
        pos += length;
    }
    return bytes;
}

}  // namespace

std::string ToWinAnsi(std::string_view utf8) { return Encode(utf8, WinAnsiByte); }

std::string ToPdfDocEncoding(std::string_view utf8) { return Encode(utf8, PdfDocByte); }

std::string EncodeUri(std::string_view address)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(address.size());
    for (const char c : address) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > ' ' && byte < 0x7F) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += hex[byte >> 4];
            encoded += hex[byte & 0xF];
        }
    }
    return encoded;
}

void AppendEscapedString(std::string& out, std::string_view bytes)
{
    out += '(';
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '(' || c == ')') {
            out += '\\';
            out += c;
        } else if (byte >= ' ' && byte < 0x7F) {
            out += c;
        } else {
            // Always three digits, so a digit that follows is not read as part of the escape.
            out += '\\';
            out += static_cast<char>('0' + (byte >> 6));
            out += static_cast<char>('0' + ((byte >> 3) & 7));
            out += static_cast<char>('0' + (byte & 7));
        }
    }
    out += ')';
}

}  // namespace DOC_PDF
