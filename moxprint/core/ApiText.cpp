// The exported Text family: placing, measuring, header and footer.
#include "moxprint.h"
#include "moxprint/core/ApiGuard.h"
#include "moxprint/core/TextPlacer.h"

extern "C" {

MOXAPI int32_t MoxPrint(HMOXDOC doc, int32_t x, int32_t y, const char* text)
{
    return MoxFallibleCall(doc, int32_t(0), [&](MoxDocument& d) {
        return PlaceText(d, {x, y, MOX_FREE, MOX_FREE}, text, false);
    });
}

MOXAPI int32_t MoxPrintBox(HMOXDOC doc, int32_t x, int32_t y, const char* text)
{
    return MoxFallibleCall(doc, int32_t(0), [&](MoxDocument& d) {
        return PlaceText(d, {x, y, MOX_FREE, MOX_FREE}, text, true);
    });
}

MOXAPI int32_t MoxWrite(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                        const char* text)
{
    return MoxFallibleCall(doc, int32_t(0), [&](MoxDocument& d) {
        return PlaceText(d, {x1, y1, x2, y2}, text, false);
    });
}

MOXAPI int32_t MoxWriteBox(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                           const char* text)
{
    return MoxFallibleCall(doc, int32_t(0), [&](MoxDocument& d) {
        return PlaceText(d, {x1, y1, x2, y2}, text, true);
    });
}

MOXAPI int MoxRenderPrint(HMOXDOC doc, int32_t x, int32_t y, const char* text)
{
    return MoxFallibleCall(doc, 2, [&](MoxDocument& d) {
        return RenderText(d, {x, y, MOX_FREE, MOX_FREE}, text, false);
    });
}

MOXAPI int MoxRenderPrintBox(HMOXDOC doc, int32_t x, int32_t y, const char* text)
{
    return MoxFallibleCall(doc, 2, [&](MoxDocument& d) {
        return RenderText(d, {x, y, MOX_FREE, MOX_FREE}, text, true);
    });
}

MOXAPI int MoxRenderWrite(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                          const char* text)
{
    return MoxFallibleCall(doc, 2, [&](MoxDocument& d) {
        return RenderText(d, {x1, y1, x2, y2}, text, false);
    });
}

MOXAPI int MoxRenderWriteBox(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                             const char* text)
{
    return MoxFallibleCall(doc, 2, [&](MoxDocument& d) {
        return RenderText(d, {x1, y1, x2, y2}, text, true);
    });
}

MOXAPI int MoxDefineHeader(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                           const char* text)
{
    return MoxFallibleCall(doc, 0, [&](MoxDocument& d) {
        return DefineRunningText(d, {x1, y1, x2, y2}, text, true);
    });
}

MOXAPI int MoxDefineFooter(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                           const char* text)
{
    return MoxFallibleCall(doc, 0, [&](MoxDocument& d) {
        return DefineRunningText(d, {x1, y1, x2, y2}, text, false);
    });
}

} // extern "C"
