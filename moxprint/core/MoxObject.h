// The objects a page holds, in drawing order. Each object carries its kind, visibility flags and
// rectangle (0.1 mm, page coordinates, special values already resolved) and the attributes it
// copied when it was made. Objects are plain records; the report file code reads and writes
// them field by field, the painter draws them.
#pragma once

#include "moxprint.h"
#include "moxprint/core/FontNamePool.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct MoxAttributes;
// Decoded picture data of a picture object, defined by the picture code (shared with its cache).
struct MoxPictureData;

enum class ObjectKind : uint8_t {
    PageStart = 16,  // first object of every page; never drawn nor stored
    Line = 17,
    PolyLine = 18,
    Box = 19,
    Text = 20,
    Picture = 21,
    Barcode = 22,  // reserved: no object of this kind is made
    Ellipse = 23,
    Pie = 24,
    Polygon = 25,
};

struct MoxPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const MoxPoint&) const = default;
};

// Pen of lines and frames.
struct MoxPen {
    uint16_t size = 0;  // 0.1 mm; 0 = no pen
    uint8_t style = 0;  // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    uint32_t color = 0;
    bool operator==(const MoxPen&) const = default;
};
MoxPen PenOf(const MoxAttributes& attributes);

struct MoxObject {
    explicit MoxObject(ObjectKind kind) : kind(kind) {}
    virtual ~MoxObject() = default;
    virtual std::unique_ptr<MoxObject> Clone() const = 0;

    bool HiddenInFile() const { return (visibility & MOX_HIDE_IN_FILE) != 0; }

    ObjectKind kind;
    uint32_t visibility = 0;  // MOX_HIDE_* bits
    MoxRect rect{};

protected:
    MoxObject(const MoxObject&) = default;
    MoxObject& operator=(const MoxObject&) = default;
};

// Clone() for every concrete kind.
template <class Derived, class Base>
struct MoxCloneable : Base {
    using Base::Base;
    std::unique_ptr<MoxObject> Clone() const override
    {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }
};

struct MoxPageStartObject final : MoxCloneable<MoxPageStartObject, MoxObject> {
    MoxPageStartObject();
};

struct MoxLineObject final : MoxCloneable<MoxLineObject, MoxObject> {
    MoxLineObject() : MoxCloneable(ObjectKind::Line) {}
    MoxPoint from;  // the end points as passed
    MoxPoint to;
    MoxPen pen;
};

// A polyline (kind 18), or the outline of a polygon (kind 25, MoxPolygonObject).
struct MoxPolyLineObject : MoxCloneable<MoxPolyLineObject, MoxObject> {
    MoxPolyLineObject() : MoxCloneable(ObjectKind::PolyLine) {}
    // Adds a point; a point with x = -1 lifts the pen. The rectangle grows to hold the drawn
    // points.
    void AddPoint(MoxPoint point);
    static constexpr int32_t kPenUp = -1;

    MoxPen pen;
    int32_t capacity = 0;  // room asked for when the object was started (stored, informative)
    std::vector<MoxPoint> points;

protected:
    explicit MoxPolyLineObject(ObjectKind kind) : MoxCloneable(kind) {}
};

struct MoxPolygonObject final : MoxCloneable<MoxPolygonObject, MoxPolyLineObject> {
    MoxPolygonObject() : MoxCloneable(ObjectKind::Polygon) {}
    uint32_t fillColor = 0xFFFFFF;
    uint8_t backgroundMode = 1;
    uint8_t hatchStyle = 255;
    uint32_t hatchColor = 0;
};

// The frame-and-fill part shared by boxes (19), ellipses (23), pies, texts and pictures.
struct MoxBoxObject : MoxCloneable<MoxBoxObject, MoxObject> {
    explicit MoxBoxObject(ObjectKind kind) : MoxCloneable(kind) {}
    // Pen, fill, visibility from the attributes. Modes 0 and 1: fill = background colour,
    // second = hatch colour, the hatch style; gradient modes: fill = gradient start, second =
    // gradient end, no hatch.
    void TakeBoxAttributes(const MoxAttributes& attributes);
    uint16_t GradientRotation() const { return uint16_t((frameFlags >> 4) * 900); }

    MoxPen pen;
    uint32_t fillColor = 0xFFFFFF;
    uint32_t secondColor = 0;
    uint8_t backgroundMode = 1;
    uint8_t frameFlags = 2;  // low 4 bits 2, high 4 bits gradient rotation / 900
    uint8_t hatchStyle = 255;
};

struct MoxPieObject final : MoxCloneable<MoxPieObject, MoxBoxObject> {
    MoxPieObject() : MoxCloneable(ObjectKind::Pie) {}
    MoxPoint radialStart;  // end points of the two radials on the ellipse
    MoxPoint radialEnd;
};

// Style flag bits of text objects.
enum TextStyle : uint8_t {
    TextBold = 0x1,
    TextUnderline = 0x2,
    TextItalic = 0x4,
    TextStrikeOut = 0x8,
};

// Text alignment values of text objects; 5 is set only by the layout (a justified text cut by
// a page break justifies its last line too).
enum TextAlignment : uint8_t {
    AlignLeft = 0,
    AlignRight = 1,
    AlignCenter = 2,
    AlignJustified = 3,
    AlignJustifiedAll = 5,
};

struct MoxTextObject final : MoxCloneable<MoxTextObject, MoxBoxObject> {
    MoxTextObject() : MoxCloneable(ObjectKind::Text) {}
    // Box fields, font, alignment, style, text colour, rotation and character set from the
    // attributes (the text itself is set by the layout).
    void TakeTextAttributes(const MoxAttributes& attributes);

    FontName fontName = FontName::Intern("Arial");
    uint16_t fontSize = 10;  // points
    uint8_t alignment = AlignLeft;
    uint8_t styleFlags = 0;  // TextStyle bits
    uint32_t textColor = 0;
    std::string text;  // the part of the caller's text this object took, without carriage returns
    uint16_t rotation = 0;
    uint8_t charset = 1;
};

// Picture flag bits of picture objects.
enum PictureFlag : uint16_t {
    PictureUseCache = 0x0002,
    PictureFit = 0x0010,
    PictureDataStored = 0x0020,  // the picture data travels in the report file
    PictureOneResolution = 0x0080,
    PictureKeepAspect = 0x2000,
};

struct MoxPictureObject final : MoxCloneable<MoxPictureObject, MoxBoxObject> {
    MoxPictureObject() : MoxCloneable(ObjectKind::Picture) {}
    // Box fields, resolution, type, page and keep-aspect (flag bit 13) from the attributes.
    void TakePictureAttributes(const MoxAttributes& attributes);

    std::string fileName;  // empty for bitmaps in memory and resources by number
    uint16_t resolutionX = 96;
    uint16_t resolutionY = 96;
    uint16_t pictureFlags = 0;  // PictureFlag bits
    uint16_t pictureValue1 = 0;  // carried unchanged through report files
    uint16_t pictureValue2 = 0;
    uint8_t pictureByte = 0;
    int32_t picturePage = 1;
    uint8_t pictureType = 255;
    uint16_t rotation = 0;
    // With PictureDataStored: the picture's bytes as stored (packed DIB, metafile bits) and the
    // value stored beside them; an empty vector means no picture.
    std::vector<uint8_t> data;
    uint16_t dataValue = 0;
    int32_t resourceNumber = 0;  // type 4 without file name
    // In memory only, owned by the picture code.
    uint16_t naturalWidth = 0;  // pixels
    uint16_t naturalHeight = 0;
    uint8_t picturePresent = 0;
    std::shared_ptr<MoxPictureData> decoded;
};

// The smallest rectangle holding both points.
MoxRect BoundingRect(MoxPoint a, MoxPoint b);
