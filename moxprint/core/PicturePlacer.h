// Placing picture objects: where the picture comes from (a file, a packed DIB in memory, a
// module resource), loading it (through the cache when asked), its natural size and its fitting
// into the requested rectangle. A picture that cannot be had leaves an empty box (10 mm square
// where its size was free) and last error 300.
#pragma once

#include "moxprint/core/MoxDocument.h"

#include <string>

struct PictureSource {
    enum class Kind { File, PackedDib, Resource } kind = Kind::File;
    const char* file = nullptr;
    const void* packedDib = nullptr;
};

// Places (or, with `place` false, only measures into the page's render size) a picture; returns
// the bottom of its rectangle.
int32_t PlacePicture(MoxDocument& document, MoxRect requested, const PictureSource& source,
                     int32_t flags, bool place);
