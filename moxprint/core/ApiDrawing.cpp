// Exported functions of the Drawing family other than pictures: lines, boxes, ellipses, pies,
// polylines and polygons on the current page.
#include "moxprint/core/ApiGuard.h"
#include "moxprint/core/SpecialValues.h"

#include <cmath>
#include <numbers>

namespace {

MoxRect Requested(int32_t x1, int32_t y1, int32_t x2, int32_t y2) { return MoxRect{x1, y1, x2, y2}; }

// A box-like object (box, ellipse, pie) with the current pen and fill over the resolved,
// normalised rectangle.
template <class Object, class... Kind>
std::unique_ptr<Object> MakeFilled(MoxDocument& d, const MoxRect& requested, Kind... kind)
{
    auto object = std::make_unique<Object>(kind...);
    object->TakeBoxAttributes(d.attributes);
    object->rect = NormalizedRect(d.Resolve(requested));
    return object;
}

// The point of the ellipse inside `rect` at `angle` (tenths of a degree, counter-clockwise from
// three o'clock, y downwards).
MoxPoint PointOnEllipse(const MoxRect& rect, int32_t angle)
{
    const double centerX = (double(rect.left) + rect.right) / 2;
    const double centerY = (double(rect.top) + rect.bottom) / 2;
    const double radiusX = (double(rect.right) - rect.left) / 2;
    const double radiusY = (double(rect.bottom) - rect.top) / 2;
    const double radians = angle / 10.0 * std::numbers::pi / 180;
    return MoxPoint{int32_t(std::lround(centerX + radiusX * std::cos(radians))),
                    int32_t(std::lround(centerY - radiusY * std::sin(radians)))};
}

int32_t Insert(MoxDocument& d, std::unique_ptr<MoxObject> object)
{
    return d.InsertObject(std::move(object)).rect.bottom;
}

// Starts a polyline or polygon: it has no drawn point, so the last position stays.
template <class Object>
int StartPoly(HMOXDOC doc, int32_t capacity)
{
    return MoxFallibleCall(doc, 0, [&](MoxDocument& d) {
        if (capacity < 0)
            Fail(MOX_ERROR_ARGUMENT);
        auto poly = std::make_unique<Object>();
        poly->visibility = d.attributes.visibility;
        poly->pen = PenOf(d.attributes);
        poly->capacity = capacity;
        if constexpr (std::is_same_v<Object, MoxPolygonObject>) {
            poly->fillColor = d.attributes.backgroundColor;
            poly->backgroundMode = d.attributes.backgroundMode;
            poly->hatchStyle = d.attributes.hatchStyle;
            poly->hatchColor = d.attributes.hatchColor;
        }
        MoxPage& page = d.CurrentPage();
        const MoxRect lastPosition = page.lastRect;
        page.Add(std::move(poly));
        page.lastRect = lastPosition;
        return 1;
    });
}

int AddPolyPoint(HMOXDOC doc, ObjectKind kind, int32_t x, int32_t y)
{
    return MoxFallibleCall(doc, 0, [&](MoxDocument& d) {
        MoxPage& page = d.CurrentPage();
        MoxObject* last = page.LastObject();
        if (!last || last->kind != kind)
            Fail(MOX_ERROR_ARGUMENT);
        auto& poly = static_cast<MoxPolyLineObject&>(*last);
        poly.AddPoint(MoxPoint{x, y});
        if (x != MoxPolyLineObject::kPenUp)
            page.lastRect = poly.rect;
        return 1;
    });
}

}  // namespace

extern "C" {

int32_t MoxLine(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return MoxFallibleCall(doc, 0, [&](MoxDocument& d) {
        auto line = std::make_unique<MoxLineObject>();
        line->visibility = d.attributes.visibility;
        line->pen = PenOf(d.attributes);
        const MoxRect ends = d.Resolve(Requested(x1, y1, x2, y2));
        line->from = MoxPoint{ends.left, ends.top};
        line->to = MoxPoint{ends.right, ends.bottom};
        line->rect = NormalizedRect(ends);
        return Insert(d, std::move(line));
    });
}

int32_t MoxBox(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return MoxFallibleCall(doc, 0, [&](MoxDocument& d) {
        return Insert(d, MakeFilled<MoxBoxObject>(d, Requested(x1, y1, x2, y2), ObjectKind::Box));
    });
}

int32_t MoxEllipse(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return MoxFallibleCall(doc, 0, [&](MoxDocument& d) {
        return Insert(d,
                      MakeFilled<MoxBoxObject>(d, Requested(x1, y1, x2, y2), ObjectKind::Ellipse));
    });
}

int32_t MoxPie(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t startAngle,
               int32_t endAngle)
{
    return MoxFallibleCall(doc, 0, [&](MoxDocument& d) {
        auto pie = MakeFilled<MoxPieObject>(d, Requested(x1, y1, x2, y2));
        pie->radialStart = PointOnEllipse(pie->rect, startAngle);
        pie->radialEnd = PointOnEllipse(pie->rect, endAngle);
        return Insert(d, std::move(pie));
    });
}

int MoxPolyLine(HMOXDOC doc, int32_t capacity) { return StartPoly<MoxPolyLineObject>(doc, capacity); }

int MoxPolygon(HMOXDOC doc, int32_t capacity) { return StartPoly<MoxPolygonObject>(doc, capacity); }

int MoxAddPolyPoint(HMOXDOC doc, int32_t x, int32_t y)
{
    return AddPolyPoint(doc, ObjectKind::PolyLine, x, y);
}

int MoxAddPolygonPoint(HMOXDOC doc, int32_t x, int32_t y)
{
    return AddPolyPoint(doc, ObjectKind::Polygon, x, y);
}

}  // extern "C"
