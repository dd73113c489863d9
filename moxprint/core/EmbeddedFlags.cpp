// The keyword table of the embedded flags and the reading of their arguments.
#include "moxprint/core/EmbeddedFlags.h"

#include <array>
#include <cctype>
#include <string>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Upper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// Reads keywords and their arguments from the flags block; stops at "]" or the end.
class FlagReader {
public:
    explicit FlagReader(std::string_view text, size_t pos) : text_(text), pos_(pos) {}

    size_t Position() const { return pos_; }
    bool AtEnd() const { return pos_ >= text_.size() || text_[pos_] == ']'; }
    void SkipBlanks()
    {
        while (pos_ < text_.size() && IsBlank(text_[pos_]))
            ++pos_;
    }
    void SkipClosing()
    {
        if (pos_ < text_.size() && text_[pos_] == ']')
            ++pos_;
    }
    bool StartsWithUpper(std::string_view prefix) const
    {
        return Upper(text_.substr(pos_, prefix.size())) == prefix;
    }

    // A keyword ends before a blank, a "'" or "]"; a "'" is a keyword by itself.
    std::string Keyword()
    {
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == '\'')
            return std::string(1, text_[pos_++]);
        return Upper(Word());
    }
    // Unsigned decimal, at most 15 digits; blanks after it are skipped; 0 when missing.
    uint64_t Number()
    {
        SkipBlanks();
        uint64_t value = 0;
        for (int digits = 0; digits < 15 && pos_ < text_.size() &&
                             std::isdigit(static_cast<unsigned char>(text_[pos_]));
             ++digits)
            value = value * 10 + static_cast<uint64_t>(text_[pos_++] - '0');
        SkipBlanks();
        return value;
    }
    uint32_t Rgb()
    {
        const uint32_t red = Number() % 256;
        const uint32_t green = Number() % 256;
        const uint32_t blue = Number() % 256;
        return red + green * 256 + blue * 65536;
    }
    uint32_t NamedColour()
    {
        SkipBlanks();
        return ColourByName(Word());
    }
    // The face name: every character up to the next "'" (which is skipped).
    std::string_view Quoted()
    {
        const size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != '\'')
            ++pos_;
        const std::string_view face = text_.substr(start, pos_ - start);
        if (pos_ < text_.size())
            ++pos_;
        return face;
    }

private:
    std::string_view Word()
    {
        const size_t start = pos_;
        while (pos_ < text_.size() && !IsBlank(text_[pos_]) && text_[pos_] != '\'' &&
               text_[pos_] != ']')
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

    std::string_view text_;
    size_t pos_;
};

// Applies one keyword (upper case), reading its arguments. Unknown keywords do nothing.
void ApplyKeyword(const std::string& k, FlagReader& in, MoxAttributes& a)
{
    const auto is = [&](const char* shortForm, const char* longForm) {
        return k == shortForm || k == longForm;
    };
    if (k == "'") a.fontName = FontName::Intern(in.Quoted());
    else if (is("PS", "PENSIZE")) a.penSize = static_cast<uint16_t>(in.Number());
    else if (is("PC", "PENCOLOR")) a.penColor = in.NamedColour();
    else if (is("PRGB", "PENCOLORRGB")) a.penColor = in.Rgb();
    else if (is("S", "FONTSIZE")) a.fontSize = static_cast<uint16_t>(in.Number());
    else if (is("C", "COLOR")) a.textColor = in.NamedColour();
    else if (is("RGB", "COLORRGB")) a.textColor = in.Rgb();
    else if (is("BC", "BKGCOLOR")) a.backgroundColor = in.NamedColour();
    else if (is("BCRGB", "BKGCOLORRGB")) a.backgroundColor = in.Rgb();
    else if (is("T", "TRANSPARENT")) a.backgroundMode = BackgroundTransparent;
    else if (is("TO", "TRANSPARENTOFF")) a.backgroundMode = BackgroundOpaque;
    else if (is("J", "JUSTIFIED")) a.alignment = 3;
    else if (is("R", "RIGHT")) a.alignment = 1;
    else if (is("L", "LEFT")) a.alignment = 0;
    else if (is("CE", "CENTER")) a.alignment = 2;
    else if (is("B", "BOLD")) a.bold = 1;
    else if (is("BO", "BOLDOFF")) a.bold = 0;
    else if (is("U", "UNDERLINE")) a.underlined = 1;
    else if (is("UO", "UNDERLINEOFF")) a.underlined = 0;
    else if (is("I", "ITALIC")) a.italic = 1;
    else if (is("IO", "ITALICOFF")) a.italic = 0;
    else if (is("ST", "STRIKEOUT")) a.strikeOut = 1;
    else if (is("STO", "STRIKEOUTOFF")) a.strikeOut = 0;
    else if (is("A", "AUTOBREAK")) a.autoBreak = AutoBreakMode::On;
    else if (is("AO", "AUTOBREAKOFF")) a.autoBreak = AutoBreakMode::Off;
    else if (is("ANL", "AUTOBREAKNOLIMITS")) a.autoBreak = AutoBreakMode::NoLimits;
    else if (is("AF", "AUTOBREAKFULL")) a.autoBreak = AutoBreakMode::Full;
    else if (is("ROT", "ROTATE")) a.rotation = static_cast<uint16_t>(in.Number());
    else if (is("HSN", "HSNONE")) a.hatchStyle = kNoHatch;
    else if (is("HSH", "HSHORIZONTAL")) a.hatchStyle = 0;
    else if (is("HSV", "HSVERTICAL")) a.hatchStyle = 1;
    else if (is("HSFD", "HSFDIAGONAL")) a.hatchStyle = 2;
    else if (is("HSBD", "HSBDIAGONAL")) a.hatchStyle = 3;
    else if (is("HSC", "HSCROSS")) a.hatchStyle = 4;
    else if (is("HSDC", "HSDIAGCROSS")) a.hatchStyle = 5;
    else if (is("HC", "HATCHCOLOR")) a.hatchColor = in.NamedColour();
    else if (is("HCRGB", "HATCHCOLORRGB")) a.hatchColor = in.Rgb();
    else if (is("PSS", "PSSOLID")) a.penStyle = 0;
    else if (is("PSDA", "PSDASH")) a.penStyle = 1;
    else if (is("PSDO", "PSDOT")) a.penStyle = 2;
    else if (is("PSDADO", "PSDASHDOT")) a.penStyle = 3;
    else if (is("PSDADODO", "PSDASHDOTDOT")) a.penStyle = 4;
    else if (is("GRDL", "GRADIENTLINE")) a.backgroundMode = BackgroundGradientLine;
    else if (is("GRDR", "GRADIENTRECT")) a.backgroundMode = BackgroundGradientRect;
    else if (is("GRDE", "GRADIENTELLIPSE")) a.backgroundMode = BackgroundGradientEllipse;
    else if (is("GRDSC", "GRADIENTSTARTCOLOR")) a.gradientStartColor = in.NamedColour();
    else if (is("GRDEC", "GRADIENTENDCOLOR")) a.gradientEndColor = in.NamedColour();
    else if (is("GRDSCRGB", "GRADIENTSTARTCOLORRGB")) a.gradientStartColor = in.Rgb();
    else if (is("GRDECRGB", "GRADIENTENDCOLORRGB")) a.gradientEndColor = in.Rgb();
}

struct NamedColourEntry {
    const char* name; // upper case
    uint32_t value;
};

constexpr std::array<NamedColourEntry, 30> kColourNames{{
    {"BLACK", 0x000000}, {"DKGRAY", 0x808080}, {"GRAY", 0xC0C0C0}, {"LTGRAY", 0xE6E6E6},
    {"WHITE", 0xFFFFFF}, {"DKRED", 0x000080}, {"RED", 0x0000C0}, {"LTRED", 0x0000FF},
    {"DKORANGE", 0x0040FF}, {"ORANGE", 0x0080FF}, {"DKYELLOW", 0x00E0E0},
    {"YELLOW", 0x00F2F2}, {"LTYELLOW", 0x00FFFF}, {"DKGREEN", 0x008000},
    {"GREEN", 0x00C000}, {"LTGREEN", 0x00FF00}, {"HIGREEN", 0x80FF00},
    {"BLUEGREEN", 0x808000}, {"OLIVE", 0x008080}, {"BROWN", 0x005080},
    {"DKBLUE", 0x800000}, {"BLUE", 0xFF0000}, {"LTBLUE", 0xFF8000}, {"LTLTBLUE", 0xFFA000},
    {"HIBLUE", 0xFFC000}, {"CYAN", 0xFFFF00}, {"DKPURPLE", 0x800080},
    {"PURPLE", 0xC000C0}, {"MAGENTA", 0xFF00FF}, {"LTORANGE", 0x00C0FF},
}};

} // namespace

uint32_t ColourByName(std::string_view name)
{
    const std::string upper = Upper(name);
    for (const auto& entry : kColourNames)
        if (upper == entry.name)
            return entry.value;
    return 0;
}

EmbeddedFlags ApplyEmbeddedFlags(std::string_view text, MoxAttributes& attributes)
{
    EmbeddedFlags flags;
    if (text.empty() || text[0] != '[')
        return flags;
    if (text.size() > 1 && text[1] == '[') {
        flags.textStart = 1;
        return flags;
    }
    FlagReader in(text, 1);
    in.SkipBlanks();
    flags.oneCall = in.StartsWithUpper("NOHOLD") || in.StartsWithUpper("N ");
    for (;;) {
        in.SkipBlanks();
        if (in.AtEnd())
            break;
        const size_t before = in.Position();
        const std::string keyword = in.Keyword();
        ApplyKeyword(keyword, in, attributes);
        if (in.Position() == before)
            break; // cannot happen with the readers above; guards against a stuck loop
    }
    in.SkipClosing();
    flags.textStart = in.Position();
    return flags;
}
