// Drawing of lines, polylines, boxes, ellipses, pies, polygons, texts and pictures: pens, fills,
// background modes (opaque, transparent, three gradients), hatches and text rotation.
#include "moxprint/core/PagePainter.h"

#include "moxprint/core/GlyphPainter.h"
#include "moxprint/core/LayoutFont.h"
#include "moxprint/core/MoxAttributes.h"
#include "moxprint/core/PictureData.h"
#include "moxprint/core/TextBreaker.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kLayoutPerTenth = 600.0 / 254.0;

Qt::PenStyle PenStyleOf(uint8_t style)
{
    switch (style) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}

QPen PenOfObject(const MoxPen& pen, const DeviceConversion& conversion)
{
    if (pen.size == 0)
        return Qt::NoPen;
    QPen qpen(ColorOfRef(pen.color));
    qpen.setWidthF(std::max(1.0, conversion.LengthX(pen.size)));
    qpen.setStyle(PenStyleOf(pen.style));
    qpen.setCapStyle(pen.style == 0 ? Qt::RoundCap : Qt::FlatCap);
    qpen.setJoinStyle(Qt::MiterJoin);
    return qpen;
}

Qt::BrushStyle HatchOf(uint8_t hatch)
{
    switch (hatch) {
    case 0: return Qt::HorPattern;
    case 1: return Qt::VerPattern;
    case 2: return Qt::BDiagPattern; // forward diagonal: lines rising to the right
    case 3: return Qt::FDiagPattern;
    case 4: return Qt::CrossPattern;
    case 5: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
    }
}

// A gradient in the bounding box of the shape: a line from start to end colour in the
// direction of the rotation, or from the start colour at the edges to the end colour in the
// middle (rectangle, ellipse).
void FillGradient(QPainter& painter, const QPainterPath& shape, const QRectF& box, uint8_t mode,
                  uint16_t rotation, const QColor& start, const QColor& end)
{
    painter.save();
    painter.setClipPath(shape, Qt::IntersectClip);
    if (mode == BackgroundGradientLine) {
        QPointF from = box.topLeft(), to = box.topRight();
        switch (rotation / 900) {
        case 1: from = box.bottomLeft(); to = box.topLeft(); break;
        case 2: from = box.topRight(); to = box.topLeft(); break;
        case 3: from = box.topLeft(); to = box.bottomLeft(); break;
        default: break;
        }
        QLinearGradient gradient(from, to);
        gradient.setColorAt(0, start);
        gradient.setColorAt(1, end);
        painter.fillRect(box, gradient);
    } else if (mode == BackgroundGradientEllipse) {
        QRadialGradient gradient(0.5, 0.5, 0.5);
        gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
        gradient.setColorAt(0, end);
        gradient.setColorAt(1, start);
        painter.fillRect(box, gradient);
    } else {
        // Four triangles from the edges to the centre, each a line gradient across it.
        const QPointF c = box.center();
        const QPointF corners[4] = {box.topLeft(), box.topRight(), box.bottomRight(),
                                    box.bottomLeft()};
        const QPointF edges[4] = {QPointF(c.x(), box.top()), QPointF(box.right(), c.y()),
                                  QPointF(c.x(), box.bottom()), QPointF(box.left(), c.y())};
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            QLinearGradient gradient(edges[i], c);
            gradient.setColorAt(0, start);
            gradient.setColorAt(1, end);
            painter.setBrush(gradient);
            painter.drawPolygon(QPolygonF({corners[i], corners[(i + 1) % 4], c}));
        }
    }
    painter.restore();
}

// Background (by mode), hatch and frame of a box-like object around `shape`.
void PaintBoxPart(QPainter& painter, const MoxBoxObject& box, const QPainterPath& shape,
                  const QRectF& bounds, const DeviceConversion& conversion,
                  const PaintOptions& options, bool drawFrame = true)
{
    const uint8_t mode = box.backgroundMode;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (mode == BackgroundOpaque) {
        painter.fillPath(shape, ColorOfRef(box.fillColor));
    } else if (mode >= BackgroundGradientLine && mode <= BackgroundGradientEllipse) {
        if (options.printer && options.gradientPrintMode == 2)
            painter.fillPath(shape, ColorOfRef(options.gradientSolidColor));
        else
            FillGradient(painter, shape, bounds, mode, box.GradientRotation(),
                         ColorOfRef(box.fillColor), ColorOfRef(box.secondColor));
    }
    if (mode <= BackgroundTransparent && box.hatchStyle != kNoHatch) {
        QBrush hatch(ColorOfRef(box.secondColor), HatchOf(box.hatchStyle));
        // Hatch lines keep the spacing they have on a screen at real size.
        const double scale = std::max(1.0, conversion.factorX * 254.0 / 96.0);
        hatch.setTransform(QTransform::fromScale(scale, scale));
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillPath(shape, hatch);
        painter.setRenderHint(QPainter::Antialiasing, true);
    }
    if (drawFrame && box.pen.size > 0) {
        painter.setPen(PenOfObject(box.pen, conversion));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shape);
    }
    painter.restore();
}

QPainterPath RectPath(const QRectF& rect)
{
    QPainterPath path;
    path.addRect(rect);
    return path;
}

// --- texts ------------------------------------------------------------------------------

// Extra layout units after each blank of a line so that the free width spreads over them.
std::vector<int> SpreadOverBlanks(std::string_view line, int free)
{
    std::vector<size_t> blanks;
    for (size_t i = 0; i < line.size(); ++i)
        if (line[i] == ' ')
            blanks.push_back(i);
    std::vector<int> extra(line.size(), 0);
    const int64_t n = static_cast<int64_t>(blanks.size());
    for (int64_t k = 0; k < n; ++k)
        extra[blanks[static_cast<size_t>(k)]] =
            static_cast<int>(free * (k + 1) / n - free * k / n);
    return extra;
}

void PaintTextLines(QPainter& painter, const MoxTextObject& text, int boxWidth, int boxHeight,
                    double unitsPerLayout)
{
    const bool bold = text.styleFlags & TextBold;
    const bool italic = text.styleFlags & TextItalic;
    const auto font = LayoutFont::Get(text.fontName.Text(), text.fontSize, bold, italic);
    if (!font)
        return;
    const bool framed = text.pen.size > 0;
    const LayoutArea area = TextArea(boxWidth, boxHeight, text.pen.size);
    int availableHeight = area.bottom - area.top + 3;
    int used = font->ExternalLeading();
    if (framed) {
        availableHeight -= font->InternalLeading();
        used += font->InternalLeading();
    }
    const int firstTop = area.top + (framed ? font->InternalLeading() : 0);
    const std::string_view all = text.text;
    const TextBreaker breaker(*font, all, area.Width());
    const std::vector<TextLine> lines = breaker.AllLines();
    const double fontScale = unitsPerLayout * font->ScaleFactor();
    const QColor colour = ColorOfRef(text.textColor);

    for (size_t i = 0; i < lines.size(); ++i) {
        if (used + font->TextHeight() >= availableHeight)
            break; // the next line no longer fits the area
        const TextLine& line = lines[i];
        const std::string_view shown = all.substr(line.begin, line.end - line.begin);
        const int free = area.Width() - line.width;
        int offset = 0;
        std::vector<int> extra(shown.size(), 0);
        // A justified text cut by a page break also spreads its last line, unless a line
        // feed ended that line.
        const bool endedByLineFeed = line.end < all.size() && all[line.end] == '\n';
        const bool lastOfObject = i + 1 == lines.size() && !endedByLineFeed;
        const bool justify = (text.alignment == AlignJustified && !line.endsParagraph) ||
                             (text.alignment == AlignJustifiedAll &&
                              (!line.endsParagraph || lastOfObject));
        if (text.alignment == AlignRight)
            offset = std::max(0, free);
        else if (text.alignment == AlignCenter)
            offset = std::max(0, free / 2);
        else if (justify && free > 0)
            extra = SpreadOverBlanks(shown, free);

        std::u32string characters;
        std::vector<double> x;
        int pen = area.left + offset;
        for (size_t pos = 0; pos < shown.size();) {
            const size_t at = pos;
            const char32_t c = NextCharacter(shown, pos);
            characters.push_back(c);
            x.push_back(pen * unitsPerLayout);
            pen += font->Width(c) + extra[at];
        }
        const int top = firstTop + static_cast<int>(i) * font->LineHeight();
        const double baseline = (top + font->Ascent()) * unitsPerLayout;
        FillGlyphRun(painter, font->Face(), fontScale, QPointF(0, baseline), characters, x,
                     colour);
        if (text.styleFlags & (TextUnderline | TextStrikeOut) && !characters.empty()) {
            const double left = x.front();
            const double right = pen * unitsPerLayout;
            const auto bar = [&](int position, int thickness) {
                const double height = std::max(fontScale * thickness, 1.0);
                painter.fillRect(QRectF(left, baseline - fontScale * position - height / 2,
                                        right - left, height), colour);
            };
            if (text.styleFlags & TextUnderline)
                bar(font->Face().UnderlinePosition(), font->Face().UnderlineThickness());
            if (text.styleFlags & TextStrikeOut)
                bar(font->Face().StrikeoutPosition(), font->Face().StrikeoutSize());
        }
        used += font->LineHeight();
    }
}

void PaintText(QPainter& painter, const MoxTextObject& text, const DeviceConversion& conversion,
               const PaintOptions& options)
{
    const QRectF device = conversion.Rect(text.rect);
    PaintBoxPart(painter, text, RectPath(device), device, conversion, options);
    if (text.text.empty())
        return;

    painter.save();
    const double grow = options.printer ? 3 : 1;
    const double growEnd = options.printer ? 10 : 1;
    painter.setClipRect(device.adjusted(-grow, -grow, growEnd, growEnd), Qt::IntersectClip);

    // The text box in 0.1 mm as the layout saw it (sides exchanged for quarter turns), and the
    // painter turned so that the box's top left is the origin.
    int boxWidth = text.rect.right - text.rect.left;
    int boxHeight = text.rect.bottom - text.rect.top;
    switch (text.rotation) {
    case 900:
        std::swap(boxWidth, boxHeight);
        painter.translate(device.left(), device.bottom());
        painter.rotate(-90);
        break;
    case 1800:
        painter.translate(device.right(), device.bottom());
        painter.rotate(180);
        break;
    case 2700:
        std::swap(boxWidth, boxHeight);
        painter.translate(device.right(), device.top());
        painter.rotate(90);
        break;
    default:
        painter.translate(device.left(), device.top());
        if (text.rotation != 0)
            painter.rotate(-text.rotation / 10.0);
        break;
    }
    PaintTextLines(painter, text, boxWidth, boxHeight, conversion.factorX / kLayoutPerTenth);
    painter.restore();
}

// --- other objects ----------------------------------------------------------------------

void PaintLine(QPainter& painter, const MoxLineObject& line, const DeviceConversion& conversion)
{
    if (line.pen.size == 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(PenOfObject(line.pen, conversion));
    painter.drawLine(QPointF(conversion.X(line.from.x), conversion.Y(line.from.y)),
                     QPointF(conversion.X(line.to.x), conversion.Y(line.to.y)));
    painter.restore();
}

// The runs of points between pen lifts.
std::vector<QPolygonF> Runs(const std::vector<MoxPoint>& points,
                            const DeviceConversion& conversion)
{
    std::vector<QPolygonF> runs(1);
    for (const MoxPoint& p : points) {
        if (p.x == MoxPolyLineObject::kPenUp) {
            if (!runs.back().isEmpty())
                runs.emplace_back();
            continue;
        }
        runs.back().append(QPointF(conversion.X(p.x), conversion.Y(p.y)));
    }
    return runs;
}

void PaintPolyLine(QPainter& painter, const MoxPolyLineObject& poly,
                   const DeviceConversion& conversion)
{
    if (poly.pen.size == 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(PenOfObject(poly.pen, conversion));
    for (const QPolygonF& run : Runs(poly.points, conversion))
        if (run.size() > 1)
            painter.drawPolyline(run);
    painter.restore();
}

void PaintPolygon(QPainter& painter, const MoxPolygonObject& polygon,
                  const DeviceConversion& conversion, const PaintOptions& options)
{
    QPainterPath shape;
    shape.setFillRule(Qt::OddEvenFill);
    for (const QPolygonF& run : Runs(polygon.points, conversion)) {
        if (run.size() < 2)
            continue;
        shape.addPolygon(run);
        shape.closeSubpath();
    }
    if (shape.isEmpty())
        return;
    // A polygon keeps its fill in fields of its own; paint it through a box of those values.
    MoxBoxObject box(ObjectKind::Box);
    box.pen = polygon.pen;
    box.fillColor = polygon.fillColor;
    box.secondColor = polygon.hatchColor;
    box.backgroundMode = polygon.backgroundMode;
    box.hatchStyle = polygon.hatchStyle;
    if (box.backgroundMode > BackgroundTransparent)
        box.backgroundMode = BackgroundOpaque;
    PaintBoxPart(painter, box, shape, shape.boundingRect(), conversion, options);
}

// The angle of a point of an ellipse as the painter's arcs count it (degrees, counter-clockwise
// from three o'clock, on the circle before it is stretched to the ellipse).
double EllipseAngle(const QRectF& box, QPointF point)
{
    const QPointF c = box.center();
    const double rx = std::max(box.width() / 2, 1e-9), ry = std::max(box.height() / 2, 1e-9);
    return std::atan2(-(point.y() - c.y()) / ry, (point.x() - c.x()) / rx) * 180 /
           std::numbers::pi;
}

void PaintPie(QPainter& painter, const MoxPieObject& pie, const DeviceConversion& conversion,
              const PaintOptions& options)
{
    const QRectF box = conversion.Rect(pie.rect);
    const double start = EllipseAngle(box, QPointF(conversion.X(pie.radialStart.x),
                                                   conversion.Y(pie.radialStart.y)));
    const double end = EllipseAngle(box, QPointF(conversion.X(pie.radialEnd.x),
                                                 conversion.Y(pie.radialEnd.y)));
    double span = std::fmod(end - start + 720.0, 360.0);
    if (span == 0)
        span = 360;
    QPainterPath shape;
    shape.moveTo(box.center());
    shape.arcTo(box, start, span);
    shape.closeSubpath();
    PaintBoxPart(painter, pie, shape, box, conversion, options);
}

void PaintPicture(QPainter& painter, const MoxPictureObject& picture,
                  const DeviceConversion& conversion, const PaintOptions& options)
{
    const QRectF device = conversion.Rect(picture.rect);
    PaintBoxPart(painter, picture, RectPath(device), device, conversion, options, false);
    if (auto data = PictureOfObject(picture)) {
        // Bitmaps draw black on white whatever the surrounding text colours.
        painter.save();
        painter.setBackground(Qt::white);
        painter.setPen(Qt::black);
        data->Draw(painter, device);
        painter.restore();
    }
    MoxBoxObject frame(ObjectKind::Box);
    frame.pen = picture.pen;
    frame.backgroundMode = BackgroundTransparent;
    PaintBoxPart(painter, frame, RectPath(device), device, conversion, options);
}

bool HiddenFor(const MoxObject& object, const PaintOptions& options)
{
    return (object.visibility & (options.printer ? MOX_HIDE_IN_PRINT : MOX_HIDE_IN_PREVIEW)) != 0;
}

} // namespace

QColor ColorOfRef(uint32_t colorRef)
{
    return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

DeviceConversion DeviceConversion::For(double dpiX, double dpiY, double zoom)
{
    DeviceConversion conversion;
    conversion.factorX = dpiX * zoom / 254.0;
    conversion.factorY = dpiY * zoom / 254.0;
    return conversion;
}

double DeviceConversion::X(double tenths) const
{
    return offsetX + std::round(tenths * factorX);
}

double DeviceConversion::Y(double tenths) const
{
    return offsetY + std::round(tenths * factorY);
}

QRectF DeviceConversion::Rect(const MoxRect& rect) const
{
    return QRectF(QPointF(X(rect.left), Y(rect.top)), QPointF(X(rect.right), Y(rect.bottom)));
}

void PaintObject(QPainter& painter, const MoxObject& object, const DeviceConversion& conversion,
                 const PaintOptions& options)
{
    switch (object.kind) {
    case ObjectKind::Line:
        PaintLine(painter, static_cast<const MoxLineObject&>(object), conversion);
        break;
    case ObjectKind::PolyLine:
        PaintPolyLine(painter, static_cast<const MoxPolyLineObject&>(object), conversion);
        break;
    case ObjectKind::Polygon:
        PaintPolygon(painter, static_cast<const MoxPolygonObject&>(object), conversion, options);
        break;
    case ObjectKind::Box: {
        const auto& box = static_cast<const MoxBoxObject&>(object);
        const QRectF device = conversion.Rect(box.rect);
        PaintBoxPart(painter, box, RectPath(device), device, conversion, options);
        break;
    }
    case ObjectKind::Ellipse: {
        const auto& box = static_cast<const MoxBoxObject&>(object);
        const QRectF device = conversion.Rect(box.rect);
        QPainterPath shape;
        shape.addEllipse(device);
        PaintBoxPart(painter, box, shape, device, conversion, options);
        break;
    }
    case ObjectKind::Pie:
        PaintPie(painter, static_cast<const MoxPieObject&>(object), conversion, options);
        break;
    case ObjectKind::Text:
        PaintText(painter, static_cast<const MoxTextObject&>(object), conversion, options);
        break;
    case ObjectKind::Picture:
        PaintPicture(painter, static_cast<const MoxPictureObject&>(object), conversion, options);
        break;
    default:
        break; // the page-start marker and reserved kinds are never drawn
    }
}

void PaintPage(QPainter& painter, const MoxPage& page, const DeviceConversion& conversion,
               const PaintOptions& options)
{
    for (const auto& object : page.objects) {
        if (object->kind == ObjectKind::PageStart || HiddenFor(*object, options))
            continue;
        if (!options.area.isEmpty() &&
            !conversion.Rect(object->rect).normalized().adjusted(-3, -3, 3, 3).intersects(
                options.area))
            continue;
        PaintObject(painter, *object, conversion, options);
    }
}

QImage RenderPageImage(const MoxPage& page, double dpi)
{
    const DeviceConversion conversion = DeviceConversion::For(dpi, dpi, 1.0);
    const int width = std::max(1, static_cast<int>(std::ceil(page.width * conversion.factorX)));
    const int height = std::max(1, static_cast<int>(std::ceil(page.height * conversion.factorY)));
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPage(painter, page, conversion);
    painter.end();
    return image;
}
