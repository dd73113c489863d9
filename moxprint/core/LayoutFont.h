// Fonts of the print engine: a face found by fontconfig and read with FreeType, and that face at
// one em size in layout units. Text is measured at 600 layout units per inch from the face's own
// tables (unhinted, scaled from font units and rounded per character), so a layout is the same on
// screen, on paper and in a host without a display. Glyph outlines are kept as painter paths for
// drawing, which needs no Qt application either.
#pragma once

#include <QPainterPath>

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

struct FT_FaceRec_;

// One font file opened with FreeType. Values in font units; shared by every size of the face.
class FontFace {
public:
    struct Glyph {
        unsigned index = 0;      // glyph index in the face, 0 = the missing-glyph box
        int advance = 0;         // advance width
        int rightEdge = 0;       // left side bearing + glyph box width (xMax of the outline)
        QPainterPath outline;    // y grows upwards, origin on the base line at the pen position
    };

    // The face fontconfig matches for the family name with that weight and slant; never null
    // while any font is installed (fontconfig falls back to a default family).
    static std::shared_ptr<FontFace> Match(const std::string& family, bool bold, bool italic);
    // A face from a file; null when FreeType cannot read it.
    static std::shared_ptr<FontFace> FromFile(const std::string& path, int faceIndex = 0);

    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    const std::string& FilePath() const { return path_; }
    const std::string& FamilyName() const { return family_; }
    int UnitsPerEm() const { return unitsPerEm_; }
    int WinAscent() const { return winAscent_; }
    int WinDescent() const { return winDescent_; }
    int HheaAscender() const { return hheaAscender_; }
    int HheaDescender() const { return hheaDescender_; }
    int HheaLineGap() const { return hheaLineGap_; }
    int UnderlinePosition() const { return underlinePosition_; }
    int UnderlineThickness() const { return underlineThickness_; }
    int StrikeoutPosition() const { return strikeoutPosition_; }
    int StrikeoutSize() const { return strikeoutSize_; }

    // The glyph of a character (loaded once, then kept).
    const Glyph& GlyphOf(char32_t character) const;

private:
    FontFace() = default;
    bool Open(const std::string& path, int faceIndex);
    Glyph LoadGlyph(char32_t character) const;

    FT_FaceRec_* face_ = nullptr;
    std::string path_;
    std::string family_;
    int unitsPerEm_ = 2048;
    int winAscent_ = 0, winDescent_ = 0;
    int hheaAscender_ = 0, hheaDescender_ = 0, hheaLineGap_ = 0;
    int underlinePosition_ = 0, underlineThickness_ = 0;
    int strikeoutPosition_ = 0, strikeoutSize_ = 0;
    mutable std::mutex mutex_;
    mutable std::unordered_map<char32_t, Glyph> glyphs_;
};

// A face at one em size, in whole layout units (600 per inch), with the text metrics the layout
// rules speak of. Immutable once made; shared through LayoutFont::Get.
class LayoutFont {
public:
    static constexpr int kUnitsPerInch = 600;

    // The font of the layout for a size in points: em = size x 600 / 72, truncated.
    static std::shared_ptr<const LayoutFont> Get(const std::string& family, int sizePoints,
                                                 bool bold, bool italic);
    // The same face at an em size given directly in layout units (at least 1).
    static std::shared_ptr<const LayoutFont> GetForEm(const std::string& family, int em,
                                                      bool bold, bool italic);
    // Em size in layout units of a size in points.
    static int EmForPoints(int sizePoints);

    LayoutFont(std::shared_ptr<FontFace> face, int em, bool italic);

    int Em() const { return em_; }
    int Ascent() const { return ascent_; }
    int Descent() const { return descent_; }
    int TextHeight() const { return ascent_ + descent_; }
    int InternalLeading() const { return TextHeight() - em_; }
    int ExternalLeading() const { return externalLeading_; }
    int LineHeight() const { return TextHeight() + externalLeading_; }
    bool Italic() const { return italic_; }
    const FontFace& Face() const { return *face_; }

    // Advance width of a character in layout units.
    int Width(char32_t character) const;
    // Right overhang (C spacing) of a character: advance - (left bearing + box width); negative
    // when the glyph reaches past its advance, as italic glyphs do.
    int CSpacing(char32_t character) const;
    // Scales a value in font units to layout units, rounded to nearest.
    int Scale(int fontUnits) const;
    // Font units to layout units without rounding (for drawing outlines).
    double ScaleFactor() const;

private:
    std::shared_ptr<FontFace> face_;
    int em_;
    bool italic_;
    int ascent_, descent_, externalLeading_;
};

// Text is UTF-8. Reads the character at `pos` and moves `pos` past it; a byte that does not start
// a valid sequence is taken as one character of that value, so no input stops the reading.
char32_t NextCharacter(std::string_view text, size_t& pos);
