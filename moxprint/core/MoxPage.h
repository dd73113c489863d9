// One page of a document: its geometry, output rectangle (margins), last-position rectangle
// and its objects in drawing order, the first always the page-start marker.
#pragma once

#include "moxprint/core/MoxObject.h"

#include <cstdint>
#include <memory>
#include <vector>

enum PageFlag : uint32_t {
    PageLandscape = 0x1,
};

// What a new page takes from its document.
struct MoxPageGeometry {
    int32_t width = 2100;  // 0.1 mm
    int32_t height = 2970;
    bool landscape = false;
    int32_t paperBin = 255;
    MoxRect outRect{200, 200, 1900, 2770};
};

struct MoxPage {
    // A page with only the page-start marker; its last position is the top of the output
    // rectangle (left, top, right, top), so an object placed at MOX_LAST_BOTTOM starts there.
    explicit MoxPage(const MoxPageGeometry& geometry);
    MoxPage(const MoxPage& other);
    MoxPage& operator=(const MoxPage&) = delete;

    // Appends an object; its rectangle becomes the last-position rectangle.
    MoxObject& Add(std::unique_ptr<MoxObject> object);
    MoxObject* LastObject() const;
    // Only the page-start marker.
    bool IsEmpty() const { return objects.size() <= 1; }
    bool Landscape() const { return (flags & PageLandscape) != 0; }
    void SetLandscape(bool on);
    // Takes the fields of `source` (geometry, rectangles, render size) and appends copies of
    // its objects after the ones already here.
    void CopyFrom(const MoxPage& source);
    void ResetLastPosition() { lastRect = {outRect.left, outRect.top, outRect.right, outRect.top}; }

    uint32_t flags = 0;  // PageFlag bits
    int32_t width = 0;
    int32_t height = 0;
    int32_t paperBin = 255;
    MoxRect outRect{};
    MoxRect lastRect{};
    int32_t renderWidth = 0;  // written by the Render calls
    int32_t renderHeight = 0;
    std::vector<std::unique_ptr<MoxObject>> objects;
};
