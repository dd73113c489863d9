// Exported functions of the Positions family: output rectangles, the last position, the MoxGet
// and MoxSet selectors and the position stack.
#include "moxprint/core/ApiGuard.h"
#include "moxprint/core/SpecialValues.h"

namespace {

// Runs `body` on a rectangle pointer that must not be null (last error 1 otherwise).
template <class Rect, class Body>
int WithRect(HMOXDOC doc, Rect* rect, Body body)
{
    return MoxFallibleCall(doc, 0, [&](MoxDocument& d) {
        if (!rect)
            Fail(MOX_ERROR_ARGUMENT);
        body(d, *rect);
        return 1;
    });
}

}  // namespace

extern "C" {

int MoxSetOutRect(HMOXDOC doc, const MoxRect* rect)
{
    return WithRect(doc, rect, [](MoxDocument& d, const MoxRect& r) { d.CurrentPage().outRect = r; });
}

void MoxSetOutRectSP(HMOXDOC doc, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    MoxCall(doc, [&](MoxDocument& d) { d.CurrentPage().outRect = MoxRect{left, top, right, bottom}; });
}

int MoxGetOutRect(HMOXDOC doc, MoxRect* rect)
{
    return WithRect(doc, rect, [](MoxDocument& d, MoxRect& r) { r = d.CurrentPage().outRect; });
}

int MoxSetDefOutRect(HMOXDOC doc, const MoxRect* rect)
{
    return WithRect(doc, rect, [](MoxDocument& d, const MoxRect& r) { d.defaultOutRect = r; });
}

void MoxSetDefOutRectSP(HMOXDOC doc, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    MoxCall(doc, [&](MoxDocument& d) { d.defaultOutRect = MoxRect{left, top, right, bottom}; });
}

int MoxGetPosRect(HMOXDOC doc, MoxRect* rect)
{
    return WithRect(doc, rect, [](MoxDocument& d, MoxRect& r) { r = d.CurrentPage().lastRect; });
}

int MoxSetPosRect(HMOXDOC doc, const MoxRect* rect)
{
    return WithRect(doc, rect, [](MoxDocument& d, const MoxRect& r) { d.CurrentPage().lastRect = r; });
}

int32_t MoxGet(HMOXDOC doc, int32_t selector)
{
    return MoxCall(doc, 0, [&](MoxDocument& d) { return SelectorValue(d.CurrentPage(), selector); });
}

void MoxSet(HMOXDOC doc, int32_t selector, int32_t value)
{
    MoxCall(doc, [&](MoxDocument& d) { SetSelectorValue(d.CurrentPage(), selector, value); });
}

void MoxStorePos(HMOXDOC doc)
{
    MoxCall(doc, [](MoxDocument& d) { d.positionStack.push_back(d.CurrentPage().lastRect); });
}

void MoxRestorePos(HMOXDOC doc)
{
    MoxCall(doc, [](MoxDocument& d) {
        if (d.positionStack.empty())
            return;
        d.CurrentPage().lastRect = d.positionStack.back();
        d.positionStack.pop_back();
    });
}

}  // extern "C"
