// Exported functions that keep the document's preview and print settings (zoom, view options,
// print position) and map message numbers. The preview and printing read these settings.
#include "moxprint/core/ApiGuard.h"

#include <cmath>

namespace {

template <class Edit>
void ChangeOptions(HMOXDOC doc, Edit edit)
{
    MoxCall(doc, [&](MoxDocument& d) { edit(d.options); });
}

template <class Edit>
void ChangeScale(HMOXDOC doc, double value, Edit edit)
{
    if (std::isnan(value))
        return;
    MoxCall(doc, [&](MoxDocument& d) { edit(d.scale, value); });
}

constexpr double kPercent = 0.01;

}  // namespace

extern "C" {

unsigned MoxMapMessage(HMOXDOC, unsigned fixedNumber)
{
    try {
        return MapFixedMessage(fixedNumber);
    } catch (...) {
        return fixedNumber;
    }
}

// ---- Zoom -------------------------------------------------------------------------------------

void MoxSetScale(HMOXDOC doc, double scale)
{
    ChangeScale(doc, scale, [](MoxViewScale& s, double v) { s.SetZoom(v); });
}
void MoxSetScalePercent(HMOXDOC doc, int percent) { MoxSetScale(doc, percent * kPercent); }

double MoxGetScale(HMOXDOC doc)
{
    return MoxCall(doc, 0.0, [](MoxDocument& d) { return d.scale.zoom; });
}
int MoxGetScalePercent(HMOXDOC doc)
{
    return MoxCall(doc, 0, [](MoxDocument& d) { return int(d.scale.zoom * 100); });
}

void MoxSetMinScale(HMOXDOC doc, double scale)
{
    ChangeScale(doc, scale, [](MoxViewScale& s, double v) {
        s.minimum = std::max(v, MoxViewScale::kLowestMinimum);
    });
}
void MoxSetMinScalePercent(HMOXDOC doc, int percent) { MoxSetMinScale(doc, percent * kPercent); }

void MoxSetMaxScale(HMOXDOC doc, double scale)
{
    ChangeScale(doc, scale, [](MoxViewScale& s, double v) {
        s.maximum = std::min(v, MoxViewScale::kHighestMaximum);
    });
}
void MoxSetMaxScalePercent(HMOXDOC doc, int percent) { MoxSetMaxScale(doc, percent * kPercent); }

void MoxSetScaleStep(HMOXDOC doc, double step)
{
    ChangeScale(doc, step, [](MoxViewScale& s, double v) { s.step = v; });
}
void MoxSetScaleStepPercent(HMOXDOC doc, int percent) { MoxSetScaleStep(doc, percent * kPercent); }

// ---- View options -----------------------------------------------------------------------------

void MoxSetPaperView(HMOXDOC doc, int on)
{
    ChangeOptions(doc, [&](MoxDocumentOptions& o) { o.paperView = on ? 1 : 0; });
}

void MoxEnableMouseScaling(HMOXDOC doc, int on)
{
    ChangeOptions(doc, [&](MoxDocumentOptions& o) { o.mouseScaling = on ? 1 : 0; });
}

void MoxEnableHelpRouting(HMOXDOC doc, int on)
{
    ChangeOptions(doc, [&](MoxDocumentOptions& o) { o.helpRouting = on ? 1 : 0; });
}

void MoxSetPageScrollerTracking(HMOXDOC doc, int on)
{
    ChangeOptions(doc, [&](MoxDocumentOptions& o) { o.pageScrollerTracking = on ? 1 : 0; });
}

void MoxSetPreviewWithScrollers(HMOXDOC doc, int on)
{
    ChangeOptions(doc, [&](MoxDocumentOptions& o) { o.previewWithScrollers = on ? 1 : 0; });
}

void MoxSetPreviewCtrl(HMOXDOC doc, int value)
{
    ChangeOptions(doc, [&](MoxDocumentOptions& o) { o.previewControl = uint8_t(value); });
}

// ---- Print position ---------------------------------------------------------------------------

void MoxSetPrintPosMode(HMOXDOC doc, int32_t mode)
{
    ChangeOptions(doc, [&](MoxDocumentOptions& o) { o.printPosMode = mode; });
}

void MoxSetPrintOffset(HMOXDOC doc, int32_t x, int32_t y)
{
    ChangeOptions(doc, [&](MoxDocumentOptions& o) {
        o.printOffsetX = x;
        o.printOffsetY = y;
    });
}

void MoxSetPrintOffsetX(HMOXDOC doc, int32_t x)
{
    ChangeOptions(doc, [&](MoxDocumentOptions& o) { o.printOffsetX = x; });
}

void MoxSetPrintOffsetY(HMOXDOC doc, int32_t y)
{
    ChangeOptions(doc, [&](MoxDocumentOptions& o) { o.printOffsetY = y; });
}

int32_t MoxGetPrintOffsetX(HMOXDOC doc)
{
    return MoxCall(doc, 0, [](MoxDocument& d) { return d.options.printOffsetX; });
}

int32_t MoxGetPrintOffsetY(HMOXDOC doc)
{
    return MoxCall(doc, 0, [](MoxDocument& d) { return d.options.printOffsetY; });
}

}  // extern "C"
