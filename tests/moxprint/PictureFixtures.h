// Small pictures built in the tests: BMP files and packed DIBs, placeable Windows metafiles and
// enhanced metafiles, written byte by byte from the record layouts.
#pragma once

#include <QColor>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Little-endian byte writer.
class Bytes {
public:
    Bytes& U8(unsigned v);
    Bytes& U16(unsigned v);
    Bytes& I16(int v) { return U16(static_cast<uint16_t>(v)); }
    Bytes& U32(uint32_t v);
    Bytes& I32(int32_t v) { return U32(static_cast<uint32_t>(v)); }
    Bytes& Append(const std::string& bytes);
    const std::string& Data() const { return data_; }
    size_t Size() const { return data_.size(); }

private:
    std::string data_;
};

using PixelColour = std::function<QRgb(int x, int y)>; // y from the top

// A packed DIB with a 40-byte info header, bottom-up rows.
std::string MakePackedDib(int width, int height, int bitCount, int dpi, const PixelColour& pixel,
                          const std::vector<QRgb>& palette = {});
// The same as a BMP file ("BM" and the 14-byte file header in front).
std::string MakeBmpFile(int width, int height, int bitCount, int dpi, const PixelColour& pixel,
                        const std::vector<QRgb>& palette = {});

// Windows metafile records: each is (function, parameter words).
struct WmfRecord {
    uint16_t function;
    std::vector<uint16_t> words;
};
// A placeable metafile with the box (0, 0, width, height) at `unitsPerInch`.
std::string MakePlaceableWmf(int width, int height, int unitsPerInch,
                             const std::vector<WmfRecord>& records, int objectCount = 4);

// Enhanced metafile records: (type, parameter bytes).
struct EmfRecord {
    uint32_t type;
    std::string parameters;
};
// An enhanced metafile whose frame is (0, 0, frameWidth, frameHeight) in 0.01 mm on a reference
// device of 1000 x 1000 pixels and 254 x 254 mm (100 pixels per 25.4 mm).
std::string MakeEnhancedMetafile(int frameWidth, int frameHeight,
                                 const std::vector<EmfRecord>& records);

// COLORREF of a Qt colour.
uint32_t ColorRef(QRgb rgb);
