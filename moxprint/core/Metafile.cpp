// Checking and playing Windows and enhanced metafiles. Both kinds share one drawing state (the
// objects selected, colours, modes, mapping) and the drawing helpers; each has its own record
// decoder. Records are read through a bounded reader: reading past a record's end gives zeros.
#include "moxprint/core/Metafile.h"

#include "moxprint/core/Dib.h"
#include "moxprint/core/GlyphPainter.h"
#include "moxprint/core/LayoutFont.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <variant>
#include <vector>

namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr uint32_t kEnhancedSignature = 0x464D4520; // " EMF"
constexpr int kMaxObjects = 65535;
constexpr int kMaxSavedStates = 1024;

// Little-endian reads inside [begin, end) of a buffer; past the end every read gives 0.
class Reader {
public:
    Reader(std::string_view data, size_t at = 0) : data_(data), at_(at) {}
    size_t Position() const { return at_; }
    size_t Remaining() const { return at_ < data_.size() ? data_.size() - at_ : 0; }
    void Seek(size_t at) { at_ = at; }
    void Skip(size_t n) { at_ += n; }
    uint8_t U8() { return at_ < data_.size() ? static_cast<uint8_t>(data_[at_++]) : (at_++, 0); }
    uint16_t U16() { uint16_t lo = U8(); return static_cast<uint16_t>(lo | (U8() << 8)); }
    int16_t I16() { return static_cast<int16_t>(U16()); }
    uint32_t U32() { uint32_t lo = U16(); return lo | (uint32_t(U16()) << 16); }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    float F32()
    {
        const uint32_t bits = U32();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return std::isfinite(value) ? value : 0.0f;
    }
    std::string_view Bytes(size_t at, size_t length) const
    {
        if (at > data_.size())
            return {};
        return data_.substr(at, std::min(length, data_.size() - at));
    }

private:
    std::string_view data_;
    size_t at_;
};

QColor ColourOf(uint32_t colorRef)
{
    return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

struct PenSpec {
    int style = 0;        // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none
    double width = 0;     // logical units; 0 = one device pixel
    QColor colour = Qt::black;
};

struct BrushSpec {
    int style = 0;        // 0 solid, 1 none, 2 hatched, 3 pattern
    QColor colour = Qt::white;
    int hatch = 0;
    QImage pattern;
};

struct FontSpec {
    int height = 0;       // logical units; negative = character height, positive = cell height
    int escapement = 0;   // tenths of a degree
    int weight = 400;
    bool italic = false;
    std::string face = "Arial";
};

using GdiObject = std::variant<std::monostate, PenSpec, BrushSpec, FontSpec>;

struct DrawState {
    PenSpec pen;
    BrushSpec brush;
    FontSpec font;
    QColor textColour = Qt::black;
    QColor backgroundColour = Qt::white;
    bool opaque = true;
    uint32_t textAlign = 0;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    int mapMode = 1;
    QPointF windowOrg, windowExt{1, 1}, viewportOrg, viewportExt{1, 1};
    QTransform world;
    QPointF position;
};

Qt::BrushStyle HatchPattern(int hatch)
{
    static constexpr Qt::BrushStyle kPatterns[] = {Qt::HorPattern, Qt::VerPattern,
        Qt::BDiagPattern, Qt::FDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    return hatch >= 0 && hatch < 6 ? kPatterns[hatch] : Qt::SolidPattern;
}

std::u32string Latin1(std::string_view bytes)
{
    std::u32string text;
    for (char c : bytes)
        text.push_back(static_cast<unsigned char>(c));
    return text;
}

std::u32string Utf16(std::string_view bytes)
{
    std::u32string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = static_cast<unsigned char>(bytes[i]) |
                        (static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = static_cast<unsigned char>(bytes[i + 2]) |
                                 (static_cast<unsigned char>(bytes[i + 3]) << 8);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        text.push_back(unit);
    }
    return text;
}

// The state machine shared by both players: objects, states, mapping and drawing.
class Player {
public:
    Player(QPainter& painter, int objectCount)
        : painter_(painter), base_(painter.transform()),
          objects_(static_cast<size_t>(std::clamp(objectCount, 0, kMaxObjects)))
    {
    }

    DrawState state;
    QTransform toTarget; // device space of the file to painter coordinates

    // Windows metafiles: a new object takes the lowest free slot.
    void CreateInFreeSlot(GdiObject object)
    {
        for (auto& slot : objects_) {
            if (!slot) {
                slot = std::move(object);
                return;
            }
        }
        if (objects_.size() < kMaxObjects)
            objects_.emplace_back(std::move(object));
    }
    // Enhanced metafiles name the slot.
    void CreateAt(uint32_t index, GdiObject object)
    {
        if (index < objects_.size())
            objects_[index] = std::move(object);
        else if (index < kMaxObjects && objects_.size() <= index) {
            objects_.resize(index + 1);
            objects_[index] = std::move(object);
        }
    }
    void Delete(uint32_t index)
    {
        if (index < objects_.size())
            objects_[index].reset();
    }
    void Select(uint32_t index)
    {
        if (index & 0x80000000u) {
            SelectStock(index & 0x7FFFFFFFu);
            return;
        }
        if (index >= objects_.size() || !objects_[index])
            return;
        const GdiObject& object = *objects_[index];
        if (auto* pen = std::get_if<PenSpec>(&object))
            state.pen = *pen;
        else if (auto* brush = std::get_if<BrushSpec>(&object))
            state.brush = *brush;
        else if (auto* font = std::get_if<FontSpec>(&object))
            state.font = *font;
    }
    void SelectStock(uint32_t stock)
    {
        static const int kGreys[] = {255, 192, 128, 64, 0};
        if (stock <= 4)
            state.brush = BrushSpec{0, QColor(kGreys[stock], kGreys[stock], kGreys[stock]), 0, {}};
        else if (stock == 5)
            state.brush.style = 1;
        else if (stock == 6 || stock == 7)
            state.pen = PenSpec{0, 0, stock == 6 ? Qt::white : Qt::black};
        else if (stock == 8)
            state.pen.style = 5;
        else if (stock >= 10 && stock <= 17)
            state.font = FontSpec{};
    }

    void Save()
    {
        if (saved_.size() < kMaxSavedStates)
            saved_.push_back(state);
    }
    void Restore(int relative)
    {
        // Negative: that many states back; positive: the state with that number.
        size_t keep = relative < 0 ? (saved_.size() >= size_t(-int64_t(relative))
                                          ? saved_.size() - size_t(-int64_t(relative)) : SIZE_MAX)
                                   : size_t(relative) - 1;
        if (relative == 0 || keep >= saved_.size())
            return;
        state = saved_[keep];
        saved_.resize(keep);
    }

    // Logical coordinates of the file to painter coordinates.
    QTransform LogicalToPainter() const { return state.world * PageTransform() * toTarget; }

    QTransform PageTransform() const
    {
        double sx = 1, sy = 1;
        switch (state.mapMode) {
        case 2: sx = sy = 0.1 * pixelsPerMm_; sy = -sy; break;        // 0.1 mm, y up
        case 3: sx = sy = 0.01 * pixelsPerMm_; sy = -sy; break;       // 0.01 mm
        case 4: sx = sy = 0.254 * pixelsPerMm_; sy = -sy; break;      // 0.01 inch
        case 5: sx = sy = 0.0254 * pixelsPerMm_; sy = -sy; break;     // 0.001 inch
        case 6: sx = sy = 25.4 / 1440 * pixelsPerMm_; sy = -sy; break; // twips
        case 7:
        case 8:
            sx = state.windowExt.x() ? state.viewportExt.x() / state.windowExt.x() : 1;
            sy = state.windowExt.y() ? state.viewportExt.y() / state.windowExt.y() : 1;
            if (state.mapMode == 7) {
                const double s = std::min(std::abs(sx), std::abs(sy));
                sx = std::copysign(s, sx);
                sy = std::copysign(s, sy);
            }
            break;
        default: break;
        }
        QTransform page;
        page.translate(state.viewportOrg.x(), state.viewportOrg.y());
        page.scale(sx, sy);
        page.translate(-state.windowOrg.x(), -state.windowOrg.y());
        return page;
    }
    void SetPixelsPerMm(double value) { pixelsPerMm_ = value; }

    // --- drawing ---------------------------------------------------------------------------
    void UseLogicalSpace() { painter_.setTransform(LogicalToPainter() * base_); }

    QPen CurrentPen() const
    {
        if (state.pen.style == 5)
            return Qt::NoPen;
        QPen pen(state.pen.colour);
        pen.setWidthF(state.pen.width); // 0 = cosmetic, one device pixel
        static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
            Qt::DashDotLine, Qt::DashDotDotLine};
        pen.setStyle(state.pen.style >= 0 && state.pen.style < 5 ? kStyles[state.pen.style]
                                                                 : Qt::SolidLine);
        return pen;
    }
    QBrush CurrentBrush() const
    {
        switch (state.brush.style) {
        case 1: return Qt::NoBrush;
        case 2: return QBrush(state.brush.colour, HatchPattern(state.brush.hatch));
        case 3: return state.brush.pattern.isNull() ? QBrush(Qt::black)
                                                    : QBrush(state.brush.pattern);
        default: return QBrush(state.brush.colour);
        }
    }

    void Shape(const QPainterPath& path, bool fill)
    {
        UseLogicalSpace();
        painter_.setPen(CurrentPen());
        painter_.setBrush(fill ? CurrentBrush() : QBrush(Qt::NoBrush));
        painter_.drawPath(path);
    }
    void Polyline(const QPolygonF& points)
    {
        if (points.size() < 2)
            return;
        QPainterPath path;
        path.addPolygon(points);
        Shape(path, false);
    }
    void Polygon(const std::vector<QPolygonF>& polygons)
    {
        QPainterPath path;
        path.setFillRule(state.fillRule);
        for (const auto& polygon : polygons) {
            if (polygon.size() < 2)
                continue;
            path.addPolygon(polygon);
            path.closeSubpath();
        }
        if (!path.isEmpty())
            Shape(path, true);
    }
    void Rectangle(QRectF box, double cornerW = 0, double cornerH = 0)
    {
        QPainterPath path;
        box = box.normalized();
        if (cornerW > 0 && cornerH > 0)
            path.addRoundedRect(box, cornerW / 2, cornerH / 2);
        else
            path.addRect(box);
        Shape(path, true);
    }
    void Ellipse(const QRectF& box)
    {
        QPainterPath path;
        path.addEllipse(box.normalized());
        Shape(path, true);
    }
    void LineTo(QPointF to)
    {
        Polyline(QPolygonF({state.position, to}));
        state.position = to;
    }

    void Bitmap(QRectF target, QImage image, QRectF source)
    {
        if (image.isNull() || target.width() == 0 || target.height() == 0)
            return;
        if (target.width() < 0) {
            image = image.mirrored(true, false);
            source.moveLeft(image.width() - source.right());
            target = QRectF(target.right(), target.top(), -target.width(), target.height());
        }
        if (target.height() < 0) {
            image = image.mirrored(false, true);
            source.moveTop(image.height() - source.bottom());
            target = QRectF(target.left(), target.bottom(), target.width(), -target.height());
        }
        UseLogicalSpace();
        painter_.drawImage(target, image, source.isEmpty() ? QRectF(image.rect()) : source);
    }

    // Text at `origin` (logical) with the selected font, alignment and colours; `dx` holds the
    // distances from each character to the next in logical units, or nothing.
    void Text(QPointF origin, const std::u32string& text, const std::vector<int>& dx)
    {
        if (text.empty())
            return;
        const bool updateCp = state.textAlign & 1;
        if (updateCp)
            origin = state.position;
        auto face = FontFace::Match(state.font.face, state.font.weight >= 600, state.font.italic);
        if (!face)
            return;
        const QTransform map = LogicalToPainter();
        const double sx = std::hypot(map.m11(), map.m12());
        const double sy = std::hypot(map.m21(), map.m22());
        if (sx <= 0 || sy <= 0)
            return;
        double em = std::abs(state.font.height);
        if (state.font.height > 0)
            em = em * face->UnitsPerEm() / std::max(1, face->WinAscent() + face->WinDescent());
        if (em == 0)
            em = 12;
        // Glyph space: painter units vertically; horizontally stretched by sx / sy afterwards.
        const double unit = em * sy / face->UnitsPerEm();
        std::vector<double> x;
        double pen = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            x.push_back(pen);
            pen += i < dx.size() ? dx[i] * sy : face->GlyphOf(text[i]).advance * unit;
        }
        const double width = pen;
        double shiftX = 0, shiftY = 0;
        switch (state.textAlign & 6) {
        case 2: shiftX = -width; break;
        case 6: shiftX = -width / 2; break;
        default: break;
        }
        const double ascent = face->WinAscent() * unit, descent = face->WinDescent() * unit;
        switch (state.textAlign & 24) {
        case 0: shiftY = ascent; break;
        case 8: shiftY = -descent; break;
        default: break;
        }
        for (double& each : x)
            each += shiftX;
        QTransform local;
        const QPointF at = map.map(origin);
        local.translate(at.x(), at.y());
        local.rotate(-state.font.escapement / 10.0);
        local.scale(sx / sy, 1);
        painter_.setTransform(local * base_);
        if (state.opaque)
            painter_.fillRect(QRectF(shiftX, shiftY - ascent, width, ascent + descent),
                              state.backgroundColour);
        FillGlyphRun(painter_, *face, unit, QPointF(0, shiftY), text, x, state.textColour);
        if (updateCp)
            state.position = origin + QPointF(width / sy, 0);
    }

private:
    QPainter& painter_;
    QTransform base_;
    std::vector<std::optional<GdiObject>> objects_;
    std::vector<DrawState> saved_;
    double pixelsPerMm_ = 96 / 25.4;
};

// --- Windows metafiles ------------------------------------------------------------------

PenSpec ReadWindowsPen(Reader& r)
{
    PenSpec pen;
    pen.style = r.U16() & 0xFF;
    pen.width = r.I16();
    r.I16();
    pen.colour = ColourOf(r.U32());
    if (pen.style == 6)
        pen.style = 0;
    return pen;
}

BrushSpec ReadWindowsBrush(Reader& r)
{
    BrushSpec brush;
    brush.style = r.U16();
    brush.colour = ColourOf(r.U32());
    brush.hatch = r.U16();
    if (brush.style > 2)
        brush.style = 0;
    return brush;
}

FontSpec ReadFont16(Reader& r)
{
    FontSpec font;
    font.height = r.I16();
    r.I16(); // width
    font.escapement = r.I16();
    r.I16(); // orientation
    font.weight = r.I16();
    font.italic = r.U8() != 0;
    r.Skip(7); // underline, strike-out, character set, precisions, quality, pitch
    std::string face;
    for (int i = 0; i < 32; ++i) {
        const char c = static_cast<char>(r.U8());
        if (!c)
            break;
        face.push_back(c);
    }
    if (!face.empty())
        font.face = face;
    return font;
}

QPolygonF ReadPoints16(Reader& r, size_t count)
{
    count = std::min(count, r.Remaining() / 4);
    QPolygonF points;
    points.reserve(static_cast<qsizetype>(count));
    for (size_t i = 0; i < count; ++i) {
        const double x = r.I16();
        points.append(QPointF(x, r.I16()));
    }
    return points;
}

QPolygonF ReadPoints32(Reader& r, size_t count)
{
    count = std::min(count, r.Remaining() / 8);
    QPolygonF points;
    points.reserve(static_cast<qsizetype>(count));
    for (size_t i = 0; i < count; ++i) {
        const double x = r.I32();
        points.append(QPointF(x, r.I32()));
    }
    return points;
}

std::optional<QImage> DibImage(std::string_view dib)
{
    if (auto bitmap = DecodePackedDib(dib))
        return bitmap->image;
    return std::nullopt;
}

QRectF SourceRect(const QImage& image, double x, double y, double w, double h)
{
    // Source rows count from the bottom of a DIB.
    return QRectF(x, image.height() - y - h, w, h);
}

void PlayWindowsRecord(Player& player, uint16_t function, Reader r)
{
    auto& s = player.state;
    switch (function) {
    case 0x020B: { const double y = r.I16(); s.windowOrg = QPointF(r.I16(), y); break; }
    case 0x020C: {
        const double y = r.I16();
        const double x = r.I16();
        if (x != 0 && y != 0)
            s.windowExt = QPointF(x, y);
        break;
    }
    case 0x001E: player.Save(); break;
    case 0x0127: player.Restore(r.I16()); break;
    case 0x02FA: player.CreateInFreeSlot(ReadWindowsPen(r)); break;
    case 0x02FC: player.CreateInFreeSlot(ReadWindowsBrush(r)); break;
    case 0x02FB: player.CreateInFreeSlot(ReadFont16(r)); break;
    case 0x0142: { // pattern brush from a DIB
        r.U16();
        r.U16();
        BrushSpec brush;
        brush.style = 3;
        if (auto image = DibImage(r.Bytes(r.Position(), r.Remaining())))
            brush.pattern = *image;
        player.CreateInFreeSlot(brush);
        break;
    }
    case 0x00F7: case 0x01F9: case 0x06FF: player.CreateInFreeSlot(std::monostate{}); break;
    case 0x012D: player.Select(r.U16()); break;
    case 0x01F0: player.Delete(r.U16()); break;
    case 0x0209: s.textColour = ColourOf(r.U32()); break;
    case 0x0201: s.backgroundColour = ColourOf(r.U32()); break;
    case 0x0102: s.opaque = r.U16() == 2; break;
    case 0x012E: s.textAlign = r.U16(); break;
    case 0x0106: s.fillRule = r.U16() == 2 ? Qt::WindingFill : Qt::OddEvenFill; break;
    case 0x0214: { const double y = r.I16(); s.position = QPointF(r.I16(), y); break; }
    case 0x0213: { const double y = r.I16(); player.LineTo(QPointF(r.I16(), y)); break; }
    case 0x0325: { const int n = r.I16(); player.Polyline(ReadPoints16(r, std::max(0, n))); break; }
    case 0x0324: { const int n = r.I16(); player.Polygon({ReadPoints16(r, std::max(0, n))}); break; }
    case 0x0538: {
        const size_t polygons = std::min<size_t>(r.U16(), r.Remaining() / 2);
        std::vector<size_t> counts;
        for (size_t i = 0; i < polygons; ++i)
            counts.push_back(r.U16());
        std::vector<QPolygonF> shapes;
        for (size_t count : counts)
            shapes.push_back(ReadPoints16(r, count));
        player.Polygon(shapes);
        break;
    }
    case 0x041B: case 0x0418: {
        const double bottom = r.I16(), right = r.I16(), top = r.I16(), left = r.I16();
        const QRectF box(QPointF(left, top), QPointF(right, bottom));
        if (function == 0x041B)
            player.Rectangle(box);
        else
            player.Ellipse(box);
        break;
    }
    case 0x061C: {
        const double h = r.I16(), w = r.I16();
        const double bottom = r.I16(), right = r.I16(), top = r.I16(), left = r.I16();
        player.Rectangle(QRectF(QPointF(left, top), QPointF(right, bottom)), w, h);
        break;
    }
    case 0x0521: { // TEXTOUT: count, string (padded to words), y, x
        const size_t count = r.U16();
        const std::string_view text = r.Bytes(r.Position(), count);
        r.Skip((count + 1) & ~size_t(1));
        const double y = r.I16();
        player.Text(QPointF(r.I16(), y), Latin1(text), {});
        break;
    }
    case 0x0A32: { // EXTTEXTOUT: y, x, count, options, [rectangle], string, [distances]
        const double y = r.I16();
        const double x = r.I16();
        const size_t count = r.U16();
        const uint16_t options = r.U16();
        if (options & 0x0006)
            r.Skip(8);
        const std::string_view text = r.Bytes(r.Position(), count);
        r.Skip((count + 1) & ~size_t(1));
        std::vector<int> dx;
        if (r.Remaining() >= count * 2)
            for (size_t i = 0; i < count; ++i)
                dx.push_back(r.I16());
        player.Text(QPointF(x, y), Latin1(text), dx);
        break;
    }
    case 0x0F43: { // STRETCHDIB
        r.U32();
        r.U16();
        const double sh = r.I16(), sw = r.I16(), sy = r.I16(), sx = r.I16();
        const double dh = r.I16(), dw = r.I16(), dy = r.I16(), dx = r.I16();
        if (auto image = DibImage(r.Bytes(r.Position(), r.Remaining())))
            player.Bitmap(QRectF(dx, dy, dw, dh), *image, SourceRect(*image, sx, sy, sw, sh));
        break;
    }
    case 0x0B41: case 0x0940: { // DIBSTRETCHBLT, DIBBITBLT (with a bitmap)
        r.U32();
        double sh = 0, sw = 0;
        if (function == 0x0B41) {
            sh = r.I16();
            sw = r.I16();
        }
        const double sy = r.I16(), sx = r.I16();
        const double dh = r.I16(), dw = r.I16(), dy = r.I16(), dx = r.I16();
        if (function == 0x0940) {
            sh = dh;
            sw = dw;
        }
        if (auto image = DibImage(r.Bytes(r.Position(), r.Remaining())))
            player.Bitmap(QRectF(dx, dy, dw, dh), *image, SourceRect(*image, sx, sy, sw, sh));
        break;
    }
    default:
        break; // viewport records (the caller owns the viewport), map mode and others
    }
}

// --- enhanced metafiles -----------------------------------------------------------------

FontSpec ReadFontW(Reader& r)
{
    FontSpec font;
    font.height = r.I32();
    r.I32(); // width
    font.escapement = r.I32();
    r.I32(); // orientation
    font.weight = r.I32();
    font.italic = r.U8() != 0;
    r.Skip(7);
    std::u32string face;
    for (int i = 0; i < 32; ++i) {
        const char32_t c = r.U16();
        if (!c)
            break;
        face.push_back(c);
    }
    if (!face.empty()) {
        std::string utf8;
        for (char32_t c : face)
            utf8 += QString::fromUcs4(&c, 1).toStdString();
        font.face = utf8;
    }
    return font;
}

void PlayBitmapRecord(Player& player, Reader& r, std::string_view record, uint32_t type)
{
    // Offsets of the bitmap info and rows count from the start of the record.
    const auto bitmapAt = [&](uint32_t offInfo, uint32_t infoLength, uint32_t offBits,
                              uint32_t bitsLength) -> std::optional<QImage> {
        if (infoLength == 0 || offInfo > record.size() || offBits > record.size())
            return std::nullopt;
        auto bitmap = DecodeDib(r.Bytes(offInfo, infoLength), r.Bytes(offBits, bitsLength));
        if (!bitmap)
            return std::nullopt;
        return bitmap->image;
    };
    r.Skip(16); // bounds
    if (type == 81) { // STRETCHDIBITS
        const double xDest = r.I32(), yDest = r.I32(), xSrc = r.I32(), ySrc = r.I32();
        const double cxSrc = r.I32(), cySrc = r.I32();
        const uint32_t offBmi = r.U32(), cbBmi = r.U32(), offBits = r.U32(), cbBits = r.U32();
        r.U32(); // usage
        r.U32(); // raster operation
        const double cxDest = r.I32(), cyDest = r.I32();
        if (auto image = bitmapAt(offBmi, cbBmi, offBits, cbBits))
            player.Bitmap(QRectF(xDest, yDest, cxDest, cyDest), *image,
                          SourceRect(*image, xSrc, ySrc, cxSrc, cySrc));
        return;
    }
    // BITBLT, STRETCHBLT
    const double xDest = r.I32(), yDest = r.I32(), cxDest = r.I32(), cyDest = r.I32();
    r.U32(); // raster operation
    const double xSrc = r.I32(), ySrc = r.I32();
    r.Skip(24 + 4 + 4); // source transform, background colour, usage
    const uint32_t offBmi = r.U32(), cbBmi = r.U32(), offBits = r.U32(), cbBits = r.U32();
    double cxSrc = cxDest, cySrc = cyDest;
    if (type == 77) {
        cxSrc = r.I32();
        cySrc = r.I32();
    }
    if (auto image = bitmapAt(offBmi, cbBmi, offBits, cbBits))
        player.Bitmap(QRectF(xDest, yDest, cxDest, cyDest), *image,
                      QRectF(xSrc, ySrc, cxSrc, cySrc));
}

void PlayTextRecord(Player& player, Reader& r, uint32_t type)
{
    r.Skip(16 + 4 + 8); // bounds, graphics mode, scales
    const double x = r.I32(), y = r.I32();
    const size_t count = std::min<size_t>(r.U32(), 1 << 20);
    const uint32_t offString = r.U32();
    r.U32();      // options
    r.Skip(16);   // clipping rectangle
    const uint32_t offDx = r.U32();
    const size_t bytes = type == 84 ? count * 2 : count;
    const std::string_view raw = r.Bytes(offString, bytes);
    const std::u32string text = type == 84 ? Utf16(raw) : Latin1(raw);
    std::vector<int> dx;
    if (offDx) {
        Reader d(r.Bytes(offDx, count * 4));
        if (d.Remaining() >= count * 4)
            for (size_t i = 0; i < count; ++i)
                dx.push_back(d.I32());
    }
    if (dx.size() > text.size())
        dx.resize(text.size());
    player.Text(QPointF(x, y), text, dx);
}

std::vector<QPolygonF> ReadPolyPoly(Reader& r, bool small)
{
    r.Skip(16);
    const size_t polygons = r.U32();
    const size_t total = r.U32();
    if (polygons > r.Remaining() / 4)
        return {};
    std::vector<size_t> counts;
    for (size_t i = 0; i < polygons; ++i)
        counts.push_back(r.U32());
    std::vector<QPolygonF> shapes;
    size_t left = total;
    for (size_t count : counts) {
        count = std::min(count, left);
        left -= count;
        shapes.push_back(small ? ReadPoints16(r, count) : ReadPoints32(r, count));
    }
    return shapes;
}

void PlayEnhancedRecord(Player& player, uint32_t type, std::string_view record)
{
    Reader r(record, 8);
    auto& s = player.state;
    switch (type) {
    case 3: case 4: case 86: case 87: case 6: case 89: { // polygon, polyline, polyline-to
        r.Skip(16);
        const size_t count = r.U32();
        const bool small = type >= 85;
        QPolygonF points = small ? ReadPoints16(r, count) : ReadPoints32(r, count);
        if (type == 3 || type == 86) {
            player.Polygon({points});
        } else if (type == 6 || type == 89) {
            points.prepend(s.position);
            player.Polyline(points);
            if (!points.isEmpty())
                s.position = points.back();
        } else {
            player.Polyline(points);
        }
        break;
    }
    case 7: case 90: // poly-polyline
        for (const auto& line : ReadPolyPoly(r, type == 90))
            player.Polyline(line);
        break;
    case 8: case 91: player.Polygon(ReadPolyPoly(r, type == 91)); break;
    case 9: {
        const double x = r.I32();
        const double y = r.I32();
        if (x && y)
            s.windowExt = QPointF(x, y);
        break;
    }
    case 10: { const double x = r.I32(); s.windowOrg = QPointF(x, r.I32()); break; }
    case 11: {
        const double x = r.I32();
        const double y = r.I32();
        if (x && y)
            s.viewportExt = QPointF(x, y);
        break;
    }
    case 12: { const double x = r.I32(); s.viewportOrg = QPointF(x, r.I32()); break; }
    case 17: s.mapMode = static_cast<int>(r.U32()); break;
    case 18: s.opaque = r.U32() == 2; break;
    case 19: s.fillRule = r.U32() == 2 ? Qt::WindingFill : Qt::OddEvenFill; break;
    case 22: s.textAlign = r.U32(); break;
    case 24: s.textColour = ColourOf(r.U32()); break;
    case 25: s.backgroundColour = ColourOf(r.U32()); break;
    case 27: { const double x = r.I32(); s.position = QPointF(x, r.I32()); break; }
    case 54: { const double x = r.I32(); player.LineTo(QPointF(x, r.I32())); break; }
    case 33: player.Save(); break;
    case 34: player.Restore(r.I32()); break;
    case 35: case 36: {
        const double m11 = r.F32(), m12 = r.F32(), m21 = r.F32(), m22 = r.F32();
        const double dx = r.F32(), dy = r.F32();
        const QTransform given(m11, m12, m21, m22, dx, dy);
        const uint32_t mode = type == 35 ? 4 : r.U32();
        if (mode == 1)
            s.world = QTransform();
        else if (mode == 2)
            s.world = given * s.world;
        else if (mode == 3)
            s.world = s.world * given;
        else if (mode == 4)
            s.world = given;
        break;
    }
    case 37: player.Select(r.U32()); break;
    case 40: player.Delete(r.U32()); break;
    case 38: {
        const uint32_t index = r.U32();
        PenSpec pen;
        pen.style = static_cast<int>(r.U32() & 0xFF);
        pen.width = r.I32();
        r.I32();
        pen.colour = ColourOf(r.U32());
        if (pen.style > 5)
            pen.style = 0;
        player.CreateAt(index, pen);
        break;
    }
    case 95: {
        const uint32_t index = r.U32();
        r.Skip(16);
        PenSpec pen;
        pen.style = static_cast<int>(r.U32() & 0xFF);
        pen.width = r.U32();
        r.U32(); // brush style
        pen.colour = ColourOf(r.U32());
        if (pen.style > 5)
            pen.style = 0;
        player.CreateAt(index, pen);
        break;
    }
    case 39: {
        const uint32_t index = r.U32();
        BrushSpec brush;
        brush.style = static_cast<int>(r.U32());
        brush.colour = ColourOf(r.U32());
        brush.hatch = static_cast<int>(r.U32());
        if (brush.style > 2)
            brush.style = 0;
        player.CreateAt(index, brush);
        break;
    }
    case 82: { const uint32_t index = r.U32(); player.CreateAt(index, ReadFontW(r)); break; }
    case 42: case 43: case 44: {
        const double l = r.I32(), t = r.I32(), rt = r.I32(), b = r.I32();
        const QRectF box(QPointF(l, t), QPointF(rt, b));
        if (type == 42)
            player.Ellipse(box);
        else if (type == 43)
            player.Rectangle(box);
        else {
            const double w = r.I32();
            player.Rectangle(box, w, r.I32());
        }
        break;
    }
    case 76: case 77: case 81: PlayBitmapRecord(player, r, record, type); break;
    case 83: case 84: PlayTextRecord(player, r, type); break;
    default: break;
    }
}

} // namespace

std::shared_ptr<const Metafile> Metafile::Parse(Kind kind, std::string bytes)
{
    std::shared_ptr<Metafile> file(new Metafile);
    file->kind_ = kind;
    file->bytes_ = std::move(bytes);
    const bool valid = kind == Kind::Windows ? file->ParseWindows() : file->ParseEnhanced();
    return valid ? file : nullptr;
}

bool Metafile::ParseWindows()
{
    Reader r(bytes_);
    size_t headerAt = 0;
    if (bytes_.size() >= 22 && r.U32() == kPlaceableKey) {
        r.U16(); // handle
        const double left = r.I16(), top = r.I16(), right = r.I16(), bottom = r.I16();
        const int inch = r.U16();
        if (inch == 0 || right == left || bottom == top)
            return false;
        window_ = QRectF(left, top, right - left, bottom - top);
        frameWidth_ = static_cast<int>(std::abs(right - left) * 254 / inch);
        frameHeight_ = static_cast<int>(std::abs(bottom - top) * 254 / inch);
        headerAt = 22;
    }
    if (bytes_.size() < headerAt + 18)
        return false;
    r.Seek(headerAt);
    const uint16_t type = r.U16();
    const uint16_t headerWords = r.U16();
    r.U16(); // version
    r.U32(); // size
    objectCount_ = r.U16();
    if ((type != 1 && type != 2) || headerWords != 9)
        return false;
    recordsAt_ = headerAt + 18;
    // The records must lie inside the data; the last may be the end record or the data's end.
    QPointF windowExtent;
    for (size_t at = recordsAt_; at < bytes_.size();) {
        if (bytes_.size() - at < 6)
            return false;
        Reader record(bytes_, at);
        const uint64_t length = uint64_t(record.U32()) * 2;
        const uint16_t function = record.U16();
        if (function == 0)
            break;
        if (length < 6 || length > bytes_.size() - at)
            return false;
        if (function == 0x020C && windowExtent.isNull()) {
            const double y = record.I16();
            windowExtent = QPointF(record.I16(), y);
        }
        at += static_cast<size_t>(length);
    }
    if (window_.isEmpty() && windowExtent.x() && windowExtent.y()) {
        // Without the placeable header the extent of the window gives the frame, taken as
        // pixels of a 96 dots per inch screen.
        window_ = QRectF(0, 0, windowExtent.x(), windowExtent.y());
        frameWidth_ = static_cast<int>(std::abs(windowExtent.x()) * 254 / 96);
        frameHeight_ = static_cast<int>(std::abs(windowExtent.y()) * 254 / 96);
    }
    return true;
}

bool Metafile::ParseEnhanced()
{
    if (bytes_.size() < 88)
        return false;
    Reader r(bytes_);
    const uint32_t type = r.U32();
    const uint32_t headerLength = r.U32();
    if (type != 1 || headerLength < 88 || headerLength > bytes_.size() || headerLength % 4)
        return false;
    const int32_t bl = r.I32(), bt = r.I32(), br = r.I32(), bb = r.I32();
    const int32_t fl = r.I32(), ft = r.I32(), fr = r.I32(), fb = r.I32();
    if (r.U32() != kEnhancedSignature)
        return false;
    r.Seek(56);
    objectCount_ = r.U16();
    r.Seek(72);
    const int32_t deviceX = r.I32(), deviceY = r.I32();
    const int32_t millimetresX = r.I32(), millimetresY = r.I32();
    if (deviceX > 0 && deviceY > 0 && millimetresX > 0 && millimetresY > 0) {
        pixelsPerMmX_ = static_cast<double>(deviceX) / millimetresX;
        pixelsPerMmY_ = static_cast<double>(deviceY) / millimetresY;
    }
    const double frameW = static_cast<double>(fr) - fl, frameH = static_cast<double>(fb) - ft;
    if (frameW > 0 && frameH > 0) {
        referenceFrame_ = QRectF(fl * pixelsPerMmX_ / 100, ft * pixelsPerMmY_ / 100,
                                 frameW * pixelsPerMmX_ / 100, frameH * pixelsPerMmY_ / 100);
        frameWidth_ = static_cast<int>(frameW / 10);
        frameHeight_ = static_cast<int>(frameH / 10);
    } else if (br > bl && bb > bt) {
        referenceFrame_ = QRectF(bl, bt, double(br) - bl, double(bb) - bt);
        frameWidth_ = static_cast<int>(referenceFrame_.width() / pixelsPerMmX_ * 10);
        frameHeight_ = static_cast<int>(referenceFrame_.height() / pixelsPerMmY_ * 10);
    } else {
        return false;
    }
    recordsAt_ = headerLength;
    for (size_t at = recordsAt_; at < bytes_.size();) {
        if (bytes_.size() - at < 8)
            return false;
        Reader record(bytes_, at);
        const uint32_t recordType = record.U32();
        const uint32_t length = record.U32();
        if (length < 8 || length % 4 || length > bytes_.size() - at)
            return false;
        if (recordType == 14)
            break;
        at += length;
    }
    return true;
}

void Metafile::Play(QPainter& painter, const QRectF& target) const
{
    if (target.isEmpty())
        return;
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    Player player(painter, objectCount_);
    if (kind_ == Kind::Windows) {
        // The placeable box is the window; the target is the viewport. Window records of the
        // file move and resize the window; the viewport stays the target's.
        const QRectF window = window_.isEmpty() ? QRectF(0, 0, 1000, 1000) : window_;
        player.state.mapMode = 8;
        player.state.windowOrg = window.topLeft();
        player.state.windowExt = QPointF(window.width(), window.height());
        player.state.viewportOrg = target.topLeft();
        player.state.viewportExt = QPointF(target.width(), target.height());
        for (size_t at = recordsAt_; at + 6 <= bytes_.size();) {
            Reader head(bytes_, at);
            const uint64_t length = uint64_t(head.U32()) * 2;
            const uint16_t function = head.U16();
            if (function == 0 || length < 6 || length > bytes_.size() - at)
                break;
            const std::string_view record = std::string_view(bytes_).substr(at, length);
            PlayWindowsRecord(player, function, Reader(record, 6));
            at += static_cast<size_t>(length);
        }
    } else {
        player.SetPixelsPerMm(pixelsPerMmX_);
        player.toTarget.translate(target.left(), target.top());
        player.toTarget.scale(target.width() / referenceFrame_.width(),
                              target.height() / referenceFrame_.height());
        player.toTarget.translate(-referenceFrame_.left(), -referenceFrame_.top());
        for (size_t at = recordsAt_; at + 8 <= bytes_.size();) {
            Reader head(bytes_, at);
            const uint32_t type = head.U32();
            const uint32_t length = head.U32();
            if (type == 14 || length < 8 || length > bytes_.size() - at)
                break;
            PlayEnhancedRecord(player, type, std::string_view(bytes_).substr(at, length));
            at += length;
        }
    }
    painter.restore();
}
