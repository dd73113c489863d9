#include "moxprint/core/PageRecord.h"

#include "moxprint/core/MoxFailure.h"
#include "moxprint/core/RecordIo.h"

#include <algorithm>
#include <limits>

namespace {

constexpr uint8_t kEndOfObjects = 0;

bool IsStorableKind(uint8_t kind)
{
    return kind >= uint8_t(ObjectKind::Line) && kind <= uint8_t(ObjectKind::Polygon) &&
           kind != uint8_t(ObjectKind::Barcode);
}

// Picture types whose stored bytes are kept as they are; any other stored picture is a bitmap
// in memory once read.
bool KeepsStoredType(uint8_t type) { return type >= 5 && type <= 8; }
constexpr uint8_t kBitmapInMemory = 3;
constexpr uint8_t kResourceBitmap = 4;

// ---- Writing --------------------------------------------------------------------------------

void WritePen(RecordWriter& out, const MoxPen& pen)
{
    out.U16(pen.size);
    out.U8(pen.style);
    out.U32(pen.color);
}

void WriteBoxFields(RecordWriter& out, const MoxBoxObject& box)
{
    WritePen(out, box.pen);
    out.U32(box.fillColor);
    out.U8(box.backgroundMode);
    out.U8(box.frameFlags);
    out.U8(box.hatchStyle);
    out.U32(box.secondColor);
}

void WritePoint(RecordWriter& out, MoxPoint point)
{
    out.I32(point.x);
    out.I32(point.y);
}

void WritePolyFields(RecordWriter& out, const MoxPolyLineObject& poly)
{
    WritePen(out, poly.pen);
    out.I32(std::max<int32_t>(poly.capacity, int32_t(poly.points.size())));
    out.I32(int32_t(poly.points.size()));
    for (MoxPoint point : poly.points)
        WritePoint(out, point);
}

void WriteText(RecordWriter& out, const MoxTextObject& text, int version)
{
    WriteBoxFields(out, text);
    const std::string& face = text.fontName.Text();
    const size_t faceLength = std::min<size_t>(face.size(), std::numeric_limits<uint16_t>::max());
    out.U16(uint16_t(faceLength));
    out.Bytes(std::string_view(face).substr(0, faceLength));
    const size_t textLength =
        std::min<size_t>(text.text.size(), std::numeric_limits<int32_t>::max());
    out.I32(int32_t(textLength));
    out.Bytes(std::string_view(text.text).substr(0, textLength));
    out.U16(text.fontSize);
    out.U8(text.alignment);
    out.U16(text.rotation);
    out.U8(text.styleFlags);
    out.U32(text.textColor);
    if (version >= 1)
        out.U8(text.charset);
}

void WritePicture(RecordWriter& out, const MoxPictureObject& picture, int version)
{
    WriteBoxFields(out, picture);
    out.I32(int32_t(picture.fileName.size()));
    out.Bytes(picture.fileName);
    out.U16(picture.resolutionX);
    out.U16(picture.resolutionY);
    out.U16(picture.pictureFlags);
    out.U16(picture.pictureValue1);
    out.U16(picture.pictureValue2);
    out.U8(picture.pictureByte);
    if (version >= 1) {
        out.I32(picture.picturePage);
        out.U8(picture.pictureType & 0x7F);
        out.U16(picture.rotation);
    }
    if (picture.pictureFlags & PictureDataStored) {
        out.I32(int32_t(picture.data.size()));
        out.U16(picture.dataValue);
        out.Bytes(std::string_view(reinterpret_cast<const char*>(picture.data.data()),
                                   picture.data.size()));
    } else if (version >= 1 && (picture.pictureType & 0x7F) == kResourceBitmap &&
               picture.fileName.empty()) {
        out.I32(picture.resourceNumber);
    }
}

void WriteObject(RecordWriter& out, const MoxObject& object, int version)
{
    out.U8(uint8_t(object.kind));
    out.Rect(object.rect);
    if (version >= 1)
        out.U32(object.visibility);
    switch (object.kind) {
    case ObjectKind::Line: {
        const auto& line = static_cast<const MoxLineObject&>(object);
        WritePoint(out, line.from);
        WritePoint(out, line.to);
        WritePen(out, line.pen);
        break;
    }
    case ObjectKind::PolyLine:
        WritePolyFields(out, static_cast<const MoxPolyLineObject&>(object));
        break;
    case ObjectKind::Polygon: {
        const auto& polygon = static_cast<const MoxPolygonObject&>(object);
        WritePolyFields(out, polygon);
        out.U32(polygon.fillColor);
        out.U8(polygon.backgroundMode);
        out.U8(polygon.hatchStyle);
        out.U32(polygon.hatchColor);
        break;
    }
    case ObjectKind::Box:
    case ObjectKind::Ellipse:
        WriteBoxFields(out, static_cast<const MoxBoxObject&>(object));
        break;
    case ObjectKind::Pie: {
        const auto& pie = static_cast<const MoxPieObject&>(object);
        WriteBoxFields(out, pie);
        WritePoint(out, pie.radialStart);
        WritePoint(out, pie.radialEnd);
        break;
    }
    case ObjectKind::Text:
        WriteText(out, static_cast<const MoxTextObject&>(object), version);
        break;
    case ObjectKind::Picture:
        WritePicture(out, static_cast<const MoxPictureObject&>(object), version);
        break;
    case ObjectKind::PageStart:
    case ObjectKind::Barcode:
        break;
    }
}

bool IsStored(const MoxObject& object)
{
    return IsStorableKind(uint8_t(object.kind)) && !object.HiddenInFile();
}

// ---- Reading --------------------------------------------------------------------------------

MoxPen ReadPen(RecordReader& in)
{
    MoxPen pen;
    pen.size = in.U16();
    pen.style = in.U8();
    pen.color = in.U32();
    return pen;
}

void ReadBoxFields(RecordReader& in, MoxBoxObject& box)
{
    box.pen = ReadPen(in);
    box.fillColor = in.U32();
    box.backgroundMode = in.U8();
    box.frameFlags = in.U8();
    box.hatchStyle = in.U8();
    box.secondColor = in.U32();
}

MoxPoint ReadPoint(RecordReader& in)
{
    MoxPoint point;
    point.x = in.I32();
    point.y = in.I32();
    return point;
}

void ReadPolyFields(RecordReader& in, MoxPolyLineObject& poly)
{
    poly.pen = ReadPen(in);
    poly.capacity = in.I32();
    const int32_t count = in.I32();
    if (count < 0 || int64_t(count) * 8 > in.Remaining())
        Fail(MOX_ERROR_FILE_READ);
    poly.points.reserve(size_t(count));
    for (int32_t i = 0; i < count; ++i)
        poly.points.push_back(ReadPoint(in));
}

std::unique_ptr<MoxObject> ReadText(RecordReader& in, int version)
{
    auto text = std::make_unique<MoxTextObject>();
    ReadBoxFields(in, *text);
    text->fontName = FontName::Intern(in.Bytes(in.U16()));
    text->text = in.Bytes(in.I32());
    text->fontSize = in.U16();
    text->alignment = in.U8();
    text->rotation = in.U16();
    text->styleFlags = in.U8();
    text->textColor = in.U32();
    text->charset = version >= 1 ? in.U8() : 1;
    return text;
}

std::unique_ptr<MoxObject> ReadPicture(RecordReader& in, int version)
{
    auto picture = std::make_unique<MoxPictureObject>();
    ReadBoxFields(in, *picture);
    picture->fileName = in.Bytes(in.I32());
    picture->resolutionX = in.U16();
    picture->resolutionY = in.U16();
    picture->pictureFlags = in.U16();
    picture->pictureValue1 = in.U16();
    picture->pictureValue2 = in.U16();
    picture->pictureByte = in.U8();
    if (version >= 1) {
        picture->picturePage = in.I32();
        picture->pictureType = in.U8() & 0x7F;
        picture->rotation = in.U16();
    }
    if (picture->pictureFlags & PictureDataStored) {
        const int32_t size = in.I32();
        picture->dataValue = in.U16();
        const std::string bytes = in.Bytes(size);
        picture->data.assign(bytes.begin(), bytes.end());
        if (!KeepsStoredType(picture->pictureType))
            picture->pictureType = kBitmapInMemory;
    } else if (version >= 1 && picture->pictureType == kResourceBitmap &&
               picture->fileName.empty()) {
        picture->resourceNumber = in.I32();
    }
    return picture;
}

std::unique_ptr<MoxObject> ReadObjectFields(RecordReader& in, ObjectKind kind, int version)
{
    switch (kind) {
    case ObjectKind::Line: {
        auto line = std::make_unique<MoxLineObject>();
        line->from = ReadPoint(in);
        line->to = ReadPoint(in);
        line->pen = ReadPen(in);
        return line;
    }
    case ObjectKind::PolyLine: {
        auto poly = std::make_unique<MoxPolyLineObject>();
        ReadPolyFields(in, *poly);
        return poly;
    }
    case ObjectKind::Polygon: {
        auto polygon = std::make_unique<MoxPolygonObject>();
        ReadPolyFields(in, *polygon);
        polygon->fillColor = in.U32();
        polygon->backgroundMode = in.U8();
        polygon->hatchStyle = in.U8();
        polygon->hatchColor = in.U32();
        return polygon;
    }
    case ObjectKind::Box:
    case ObjectKind::Ellipse: {
        auto box = std::make_unique<MoxBoxObject>(kind);
        ReadBoxFields(in, *box);
        return box;
    }
    case ObjectKind::Pie: {
        auto pie = std::make_unique<MoxPieObject>();
        ReadBoxFields(in, *pie);
        pie->radialStart = ReadPoint(in);
        pie->radialEnd = ReadPoint(in);
        return pie;
    }
    case ObjectKind::Text: return ReadText(in, version);
    case ObjectKind::Picture: return ReadPicture(in, version);
    case ObjectKind::PageStart:
    case ObjectKind::Barcode: break;
    }
    Fail(MOX_ERROR_FILE_READ);
}

}  // namespace

std::string EncodePageBody(const MoxPage& page, int version)
{
    RecordWriter out;
    out.Rect(page.outRect);
    out.Rect(page.lastRect);
    if (version >= 1) {
        out.U32(page.flags);
        out.I32(page.width);
        out.I32(page.height);
        out.I32(page.paperBin);
    }
    for (const auto& object : page.objects) {
        if (IsStored(*object))
            WriteObject(out, *object, version);
    }
    out.U16(kEndOfObjects);
    return out.Take();
}

std::unique_ptr<MoxPage> DecodePageBody(RecordReader& in, int version,
                                        const MoxPageGeometry& documentGeometry)
{
    auto page = std::make_unique<MoxPage>(documentGeometry);
    page->outRect = in.Rect();
    page->lastRect = in.Rect();
    if (version >= 1) {
        page->flags = in.U32();
        page->width = in.I32();
        page->height = in.I32();
        page->paperBin = in.I32();
    }
    for (;;) {
        const uint8_t kind = in.U8();
        if (kind == kEndOfObjects || !IsStorableKind(kind))
            break;
        const MoxRect rect = in.Rect();
        const uint32_t visibility = version >= 1 ? in.U32() : 0;
        auto object = ReadObjectFields(in, ObjectKind(kind), version);
        object->rect = rect;
        object->visibility = visibility;
        page->objects.push_back(std::move(object));
    }
    return page;
}

int64_t MinimumPageRecordSize(int version)
{
    const int64_t geometry = version >= 1 ? 16 : 0;
    return kPageLinksSize + 32 + geometry + 2;
}
