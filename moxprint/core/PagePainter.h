// Painting of a page's objects onto any QPainter target (an image, a widget, a printer), in
// insertion order, through a device conversion from 0.1 mm to device units. Texts are broken
// into lines by the layout's own rules and their glyphs placed at the layout's widths scaled to
// the device, so lines break and measure the same on every target.
#pragma once

#include "moxprint/core/MoxPage.h"

#include <QImage>
#include <QPainter>
#include <QRectF>

#include <cstdint>

// 0.1 mm of a page to device units: device = offset + value x factor, factor = dots per inch
// x zoom / 254.
struct DeviceConversion {
    double factorX = 96.0 / 254.0;
    double factorY = 96.0 / 254.0;
    double offsetX = 0;   // device position of the page's left edge
    double offsetY = 0;   // and of its top edge

    static DeviceConversion For(double dpiX, double dpiY, double zoom);
    double X(double tenths) const;
    double Y(double tenths) const;
    QRectF Rect(const MoxRect& rect) const;
    // Device units per 0.1 mm for a length (a pen width, a distance).
    double LengthX(double tenths) const { return tenths * factorX; }
};

struct PaintOptions {
    bool printer = false;               // skip objects hidden from printing, else from preview
    QRectF area;                        // device area to repaint; empty = the whole page
    int gradientPrintMode = 1;          // 2 = gradients as the solid colour below
    uint32_t gradientSolidColor = 0xE6E6E6;
};

// Draws every object of the page that is visible for the target and meets the area.
void PaintPage(QPainter& painter, const MoxPage& page, const DeviceConversion& conversion,
               const PaintOptions& options = {});
// Draws one object (visibility is the caller's business).
void PaintObject(QPainter& painter, const MoxObject& object, const DeviceConversion& conversion,
                 const PaintOptions& options = {});

// The page drawn on a white image at `dpi` dots per inch (the size of the page at that
// resolution), as the preview draws it; for tests and thumbnails.
QImage RenderPageImage(const MoxPage& page, double dpi);

// Colour 0x00BBGGRR as a Qt colour.
QColor ColorOfRef(uint32_t colorRef);
