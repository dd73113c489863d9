// Font matching with fontconfig, face tables and glyphs with FreeType, metrics of the layout.
#include "moxprint/core/LayoutFont.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <tuple>

namespace {

// The one FreeType library of the process; faces are created and used under its lock.
std::mutex& LibraryMutex()
{
    static std::mutex mutex;
    return mutex;
}

FT_Library Library()
{
    static FT_Library library = [] {
        FT_Library made = nullptr;
        if (FT_Init_FreeType(&made) != 0)
            made = nullptr;
        return made;
    }();
    return library;
}

std::string Lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// fontconfig's answer for a family, weight and slant: the file and the face index in it.
bool MatchFile(const std::string& family, bool bold, bool italic, std::string& file, int& index)
{
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    static const bool initialised = FcInit() == FcTrue;
    if (!initialised)
        return false;
    FcPattern* pattern = FcPatternCreate();
    if (!pattern)
        return false;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match)
        return false;
    FcChar8* path = nullptr;
    bool found = FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path;
    if (found) {
        file = reinterpret_cast<const char*>(path);
        if (FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch)
            index = 0;
    }
    FcPatternDestroy(match);
    return found;
}

// Collects an outline in font units into a painter path.
struct OutlineSink {
    QPainterPath path;
    QPointF last;
};

QPointF ToPoint(const FT_Vector* v)
{
    return QPointF(static_cast<double>(v->x), static_cast<double>(v->y));
}

int MoveTo(const FT_Vector* to, void* user)
{
    auto* sink = static_cast<OutlineSink*>(user);
    sink->path.closeSubpath();
    sink->last = ToPoint(to);
    sink->path.moveTo(sink->last);
    return 0;
}

int LineTo(const FT_Vector* to, void* user)
{
    auto* sink = static_cast<OutlineSink*>(user);
    sink->last = ToPoint(to);
    sink->path.lineTo(sink->last);
    return 0;
}

int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user)
{
    auto* sink = static_cast<OutlineSink*>(user);
    sink->last = ToPoint(to);
    sink->path.quadTo(ToPoint(control), sink->last);
    return 0;
}

int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user)
{
    auto* sink = static_cast<OutlineSink*>(user);
    sink->last = ToPoint(to);
    sink->path.cubicTo(ToPoint(c1), ToPoint(c2), sink->last);
    return 0;
}

} // namespace

std::shared_ptr<FontFace> FontFace::FromFile(const std::string& path, int faceIndex)
{
    static std::mutex mutex;
    static std::map<std::pair<std::string, int>, std::weak_ptr<FontFace>> opened;
    std::lock_guard lock(mutex);
    auto& slot = opened[{path, faceIndex}];
    if (auto existing = slot.lock())
        return existing;
    std::shared_ptr<FontFace> face(new FontFace);
    if (!face->Open(path, faceIndex))
        return nullptr;
    slot = face;
    return face;
}

std::shared_ptr<FontFace> FontFace::Match(const std::string& family, bool bold, bool italic)
{
    static std::mutex mutex;
    static std::map<std::tuple<std::string, bool, bool>, std::shared_ptr<FontFace>> matched;
    const auto key = std::make_tuple(Lowered(family), bold, italic);
    {
        std::lock_guard lock(mutex);
        if (auto found = matched.find(key); found != matched.end())
            return found->second;
    }
    std::string file;
    int index = 0;
    std::shared_ptr<FontFace> face;
    if (MatchFile(family.empty() ? std::string("Arial") : family, bold, italic, file, index))
        face = FromFile(file, index);
    if (!face && family != "Arial")
        face = Match("Arial", bold, italic);
    std::lock_guard lock(mutex);
    matched[key] = face;
    return face;
}

FontFace::~FontFace()
{
    if (face_) {
        std::lock_guard lock(LibraryMutex());
        FT_Done_Face(face_);
    }
}

bool FontFace::Open(const std::string& path, int faceIndex)
{
    std::lock_guard lock(LibraryMutex());
    FT_Library library = Library();
    if (!library || FT_New_Face(library, path.c_str(), faceIndex, &face_) != 0) {
        face_ = nullptr;
        return false;
    }
    if (!FT_IS_SCALABLE(face_) || face_->units_per_EM == 0) {
        FT_Done_Face(face_);
        face_ = nullptr;
        return false;
    }
    FT_Select_Charmap(face_, FT_ENCODING_UNICODE);
    path_ = path;
    family_ = face_->family_name ? face_->family_name : "";
    unitsPerEm_ = face_->units_per_EM;
    hheaAscender_ = face_->ascender;
    hheaDescender_ = face_->descender;
    hheaLineGap_ = face_->height - (face_->ascender - face_->descender);
    if (auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(face_, FT_SFNT_HHEA))) {
        hheaAscender_ = hhea->Ascender;
        hheaDescender_ = hhea->Descender;
        hheaLineGap_ = hhea->Line_Gap;
    }
    winAscent_ = hheaAscender_;
    winDescent_ = -hheaDescender_;
    strikeoutSize_ = unitsPerEm_ / 20;
    strikeoutPosition_ = unitsPerEm_ / 4;
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
        os2 && os2->version != 0xFFFF) {
        winAscent_ = os2->usWinAscent;
        winDescent_ = os2->usWinDescent;
        strikeoutSize_ = os2->yStrikeoutSize;
        strikeoutPosition_ = os2->yStrikeoutPosition;
    }
    underlinePosition_ = face_->underline_position;
    underlineThickness_ = face_->underline_thickness;
    return true;
}

const FontFace::Glyph& FontFace::GlyphOf(char32_t character) const
{
    std::lock_guard lock(mutex_);
    auto found = glyphs_.find(character);
    if (found == glyphs_.end())
        found = glyphs_.emplace(character, LoadGlyph(character)).first;
    return found->second;
}

FontFace::Glyph FontFace::LoadGlyph(char32_t character) const
{
    std::lock_guard lock(LibraryMutex());
    Glyph glyph;
    glyph.index = FT_Get_Char_Index(face_, character);
    if (FT_Load_Glyph(face_, glyph.index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING |
                                              FT_LOAD_NO_BITMAP) != 0)
        return glyph;
    const FT_GlyphSlot slot = face_->glyph;
    glyph.advance = static_cast<int>(slot->metrics.horiAdvance);
    glyph.rightEdge = static_cast<int>(slot->metrics.horiBearingX + slot->metrics.width);
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE && slot->outline.n_points > 0) {
        FT_Outline_Funcs funcs{};
        funcs.move_to = MoveTo;
        funcs.line_to = LineTo;
        funcs.conic_to = ConicTo;
        funcs.cubic_to = CubicTo;
        OutlineSink sink;
        if (FT_Outline_Decompose(&slot->outline, &funcs, &sink) == 0) {
            sink.path.closeSubpath();
            sink.path.setFillRule((slot->outline.flags & FT_OUTLINE_EVEN_ODD_FILL)
                                      ? Qt::OddEvenFill : Qt::WindingFill);
            glyph.outline = sink.path;
        }
    }
    return glyph;
}

int LayoutFont::EmForPoints(int sizePoints)
{
    return static_cast<int>(sizePoints * (static_cast<double>(kUnitsPerInch) / 72.0));
}

std::shared_ptr<const LayoutFont> LayoutFont::Get(const std::string& family, int sizePoints,
                                                  bool bold, bool italic)
{
    return GetForEm(family, EmForPoints(sizePoints), bold, italic);
}

std::shared_ptr<const LayoutFont> LayoutFont::GetForEm(const std::string& family, int em,
                                                       bool bold, bool italic)
{
    static std::mutex mutex;
    static std::map<std::tuple<std::string, int, bool, bool>, std::shared_ptr<const LayoutFont>>
        fonts;
    em = std::max(1, em);
    const auto key = std::make_tuple(Lowered(family), em, bold, italic);
    {
        std::lock_guard lock(mutex);
        if (auto found = fonts.find(key); found != fonts.end())
            return found->second;
    }
    auto face = FontFace::Match(family, bold, italic);
    if (!face)
        return nullptr;
    auto font = std::make_shared<const LayoutFont>(face, em, italic);
    std::lock_guard lock(mutex);
    fonts.emplace(key, font);
    return font;
}

LayoutFont::LayoutFont(std::shared_ptr<FontFace> face, int em, bool italic)
    : face_(std::move(face)), em_(em), italic_(italic)
{
    ascent_ = Scale(face_->WinAscent());
    descent_ = Scale(face_->WinDescent());
    const int typoSpan = face_->WinAscent() + face_->WinDescent();
    const int hheaSpan = face_->HheaAscender() - face_->HheaDescender();
    externalLeading_ = std::max(0, Scale(face_->HheaLineGap() - (typoSpan - hheaSpan)));
}

double LayoutFont::ScaleFactor() const
{
    return static_cast<double>(em_) / face_->UnitsPerEm();
}

int LayoutFont::Scale(int fontUnits) const
{
    return static_cast<int>(std::lround(fontUnits * ScaleFactor()));
}

int LayoutFont::Width(char32_t character) const
{
    return Scale(face_->GlyphOf(character).advance);
}

int LayoutFont::CSpacing(char32_t character) const
{
    const auto& glyph = face_->GlyphOf(character);
    return Scale(glyph.advance - glyph.rightEdge);
}

char32_t NextCharacter(std::string_view text, size_t& pos)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3
                                   : (lead >> 3) == 30 ? 4 : 0;
    if (length > 1 && pos + length <= text.size()) {
        char32_t value = lead & (0x7F >> length);
        bool valid = true;
        for (int i = 1; i < length && valid; ++i) {
            valid = (byte(pos + i) & 0xC0) == 0x80;
            value = (value << 6) | (byte(pos + i) & 0x3F);
        }
        static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (valid && value >= kSmallest[length] && value <= 0x10FFFF &&
            (value < 0xD800 || value > 0xDFFF)) {
            pos += length;
            return value;
        }
    }
    ++pos;
    return lead;
}
