// Device-independent bitmaps: BMP files and packed DIBs (an info header, its colour table and
// the pixel rows) decoded into images. Every size and offset in the data is checked against the
// data's length and against fixed limits before use, so a hostile file fails cleanly.
#pragma once

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct DecodedBitmap {
    QImage image;     // RGB32, or ARGB32 when the bitmap carries alpha
    int dpiX = 0;     // resolution stored in the bitmap, 0 when it stores none
    int dpiY = 0;
};

// Largest bitmap accepted, in pixels per side and in all.
inline constexpr int kMaxBitmapSide = 32767;
inline constexpr int64_t kMaxBitmapPixels = int64_t(1) << 26;

// A packed DIB: the header, colour masks and colour table, then the rows.
std::optional<DecodedBitmap> DecodePackedDib(std::string_view data);
// The header part and the pixel rows apart, as metafile records carry them.
std::optional<DecodedBitmap> DecodeDib(std::string_view info, std::string_view bits);
// A BMP file ("BM", the file header, then a DIB whose rows start at the stored offset).
std::optional<DecodedBitmap> DecodeBmpFile(std::string_view file);

// The packed DIB of a BMP file (header and table followed directly by the rows), as stored in
// report files; empty when the file is not a readable bitmap.
std::string PackedDibOfBmpFile(std::string_view file);

// Length of the packed DIB that starts at `memory`, computed from its header: the engine's form
// of a bitmap handed over in memory. 0 when the header is not one of a DIB.
size_t PackedDibLength(const void* memory);
