// Decoding of BMP files and DIBs: core and info headers (and their later versions), 1, 4, 8,
// 16, 24 and 32 bits per pixel, colour tables, bit fields and run-length compression.
#include "moxprint/core/Dib.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;

uint32_t U32(std::string_view d, size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(d[at + i]);
    return v;
}

uint16_t U16(std::string_view d, size_t at)
{
    return static_cast<uint16_t>(static_cast<unsigned char>(d[at]) |
                                 (static_cast<unsigned char>(d[at + 1]) << 8));
}

int32_t I32(std::string_view d, size_t at) { return static_cast<int32_t>(U32(d, at)); }

// What the header says about the bitmap; `headerLength` covers the header, the masks and the
// colour table, `bitsLength` the rows as they must be present.
struct DibLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = kRgb;
    uint32_t masks[4] = {0, 0, 0, 0}; // red, green, blue, alpha
    std::vector<QRgb> palette;
    size_t headerLength = 0;
    size_t bitsLength = 0;
    size_t stride = 0;
    int dpiX = 0;
    int dpiY = 0;
};

int DpiOf(int32_t pixelsPerMetre)
{
    return pixelsPerMetre > 0 ? static_cast<int>(std::lround(pixelsPerMetre * 0.0254)) : 0;
}

bool SupportedBitCount(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

std::optional<DibLayout> ParseInfo(std::string_view info)
{
    if (info.size() < 12)
        return std::nullopt;
    DibLayout layout;
    const uint32_t headerSize = U32(info, 0);
    bool core = false;
    size_t paletteCount = 0;
    if (headerSize == 12) {
        core = true;
        layout.width = U16(info, 4);
        layout.height = U16(info, 6);
        layout.bitCount = U16(info, 10);
    } else if (headerSize >= 40 && headerSize <= 1024 && info.size() >= headerSize) {
        layout.width = I32(info, 4);
        const int32_t height = I32(info, 8);
        if (height == INT32_MIN)
            return std::nullopt;
        layout.topDown = height < 0;
        layout.height = std::abs(height);
        layout.bitCount = U16(info, 14);
        layout.compression = U32(info, 16);
        layout.dpiX = DpiOf(I32(info, 24));
        layout.dpiY = DpiOf(I32(info, 28));
        paletteCount = U32(info, 32);
    } else {
        return std::nullopt;
    }
    if (layout.width <= 0 || layout.height <= 0 || layout.width > kMaxBitmapSide ||
        layout.height > kMaxBitmapSide ||
        int64_t(layout.width) * layout.height > kMaxBitmapPixels ||
        !SupportedBitCount(layout.bitCount))
        return std::nullopt;

    size_t at = headerSize;
    const bool bitFields = layout.compression == kBitFields ||
                           layout.compression == kAlphaBitFields;
    if (bitFields) {
        if (layout.bitCount != 16 && layout.bitCount != 32)
            return std::nullopt;
        const int maskCount = layout.compression == kAlphaBitFields ? 4 : 3;
        if (headerSize >= 40 + 4u * maskCount) {
            for (int i = 0; i < maskCount; ++i)
                layout.masks[i] = U32(info, 40 + 4 * i);
        } else {
            if (info.size() < at + 4u * maskCount)
                return std::nullopt;
            for (int i = 0; i < maskCount; ++i)
                layout.masks[i] = U32(info, at + 4 * i);
            at += 4u * maskCount;
        }
    } else if (layout.compression == kRle8) {
        if (layout.bitCount != 8 || layout.topDown)
            return std::nullopt;
    } else if (layout.compression == kRle4) {
        if (layout.bitCount != 4 || layout.topDown)
            return std::nullopt;
    } else if (layout.compression != kRgb) {
        return std::nullopt; // JPEG, PNG and others inside a DIB are not read
    }

    if (layout.bitCount <= 8) {
        const size_t full = size_t(1) << layout.bitCount;
        paletteCount = paletteCount == 0 || paletteCount > full ? full : paletteCount;
    } else if (!core && paletteCount > 256) {
        return std::nullopt;
    }
    const size_t entrySize = core ? 3 : 4;
    if (info.size() < at + paletteCount * entrySize)
        return std::nullopt;
    if (layout.bitCount <= 8) {
        layout.palette.resize(size_t(1) << layout.bitCount, qRgb(0, 0, 0));
        for (size_t i = 0; i < paletteCount; ++i) {
            const size_t e = at + i * entrySize;
            layout.palette[i] = qRgb(static_cast<unsigned char>(info[e + 2]),
                                     static_cast<unsigned char>(info[e + 1]),
                                     static_cast<unsigned char>(info[e]));
        }
    }
    at += paletteCount * entrySize;
    layout.headerLength = at;
    layout.stride = ((size_t(layout.width) * layout.bitCount + 31) / 32) * 4;
    if (layout.compression == kRle8 || layout.compression == kRle4) {
        const uint32_t sizeImage = core ? 0 : U32(info, 20);
        layout.bitsLength = sizeImage; // 0: whatever follows
    } else {
        layout.bitsLength = layout.stride * size_t(layout.height);
    }
    return layout;
}

int MaskShift(uint32_t mask)
{
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// A channel value scaled from the width of its mask to 0..255.
int Channel(uint32_t pixel, uint32_t mask)
{
    if (!mask)
        return 0;
    const uint32_t value = (pixel & mask) >> MaskShift(mask);
    const uint32_t max = mask >> MaskShift(mask);
    return static_cast<int>((uint64_t(value) * 255 + max / 2) / max);
}

void DecodeRows(const DibLayout& layout, std::string_view bits, QImage& image, bool& hasAlpha)
{
    uint32_t masks[4] = {layout.masks[0], layout.masks[1], layout.masks[2], layout.masks[3]};
    if (layout.compression == kRgb && layout.bitCount == 16) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    }
    for (int row = 0; row < layout.height; ++row) {
        const int y = layout.topDown ? row : layout.height - 1 - row;
        const auto* src = reinterpret_cast<const unsigned char*>(bits.data()) +
                          size_t(row) * layout.stride;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < layout.width; ++x) {
            switch (layout.bitCount) {
            case 1: out[x] = layout.palette[(src[x >> 3] >> (7 - (x & 7))) & 1]; break;
            case 4: out[x] = layout.palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15]; break;
            case 8: out[x] = layout.palette[src[x]]; break;
            case 24: out[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
            case 16:
            case 32: {
                const uint32_t pixel = layout.bitCount == 16
                    ? uint32_t(src[2 * x] | (src[2 * x + 1] << 8))
                    : uint32_t(src[4 * x]) | (uint32_t(src[4 * x + 1]) << 8) |
                          (uint32_t(src[4 * x + 2]) << 16) | (uint32_t(src[4 * x + 3]) << 24);
                if (layout.bitCount == 32 && layout.compression == kRgb) {
                    out[x] = qRgb((pixel >> 16) & 255, (pixel >> 8) & 255, pixel & 255);
                } else {
                    const int alpha = masks[3] ? Channel(pixel, masks[3]) : 255;
                    hasAlpha = hasAlpha || alpha != 255;
                    out[x] = qRgba(Channel(pixel, masks[0]), Channel(pixel, masks[1]),
                                   Channel(pixel, masks[2]), alpha);
                }
                break;
            }
            }
        }
    }
}

// Run-length rows (bottom-up); pixels the runs never reach stay the first palette colour.
void DecodeRunLength(const DibLayout& layout, std::string_view bits, QImage& image)
{
    image.fill(layout.palette[0]);
    const bool four = layout.compression == kRle4;
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bits[i]); };
    int x = 0, row = 0;
    const auto put = [&](int index) {
        if (x < layout.width && row < layout.height)
            reinterpret_cast<QRgb*>(image.scanLine(layout.height - 1 - row))[x] =
                layout.palette[index & (four ? 15 : 255)];
        ++x;
    };
    size_t at = 0;
    while (at + 1 < bits.size() && row < layout.height) {
        const int count = byte(at), value = byte(at + 1);
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count && x < layout.width; ++i)
                put(four ? ((i & 1) ? value : value >> 4) : value);
        } else if (value == 0) {
            x = 0;
            ++row;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (at + 1 >= bits.size())
                break;
            x += byte(at);
            row += byte(at + 1);
            at += 2;
        } else {
            const size_t length = four ? (size_t(value) + 1) / 2 : value;
            if (at + length > bits.size())
                break;
            for (int i = 0; i < value && x < layout.width; ++i)
                put(four ? ((i & 1) ? byte(at + i / 2) : byte(at + i / 2) >> 4) : byte(at + i));
            at += (length + 1) & ~size_t(1);
        }
    }
}

} // namespace

std::optional<DecodedBitmap> DecodeDib(std::string_view info, std::string_view bits)
{
    const auto layout = ParseInfo(info);
    if (!layout)
        return std::nullopt;
    const bool runLength = layout->compression == kRle8 || layout->compression == kRle4;
    if (!runLength && bits.size() < layout->bitsLength)
        return std::nullopt;
    QImage image(layout->width, layout->height, QImage::Format_ARGB32);
    if (image.isNull())
        return std::nullopt;
    bool hasAlpha = false;
    if (runLength)
        DecodeRunLength(*layout, bits, image);
    else
        DecodeRows(*layout, bits, image, hasAlpha);
    if (!hasAlpha)
        image = std::move(image).convertToFormat(QImage::Format_RGB32);
    return DecodedBitmap{std::move(image), layout->dpiX, layout->dpiY};
}

std::optional<DecodedBitmap> DecodePackedDib(std::string_view data)
{
    const auto layout = ParseInfo(data);
    if (!layout)
        return std::nullopt;
    return DecodeDib(data, data.substr(layout->headerLength));
}

namespace {

// The info part and the rows of a BMP file, located through its file header.
bool SplitBmpFile(std::string_view file, std::string_view& info, std::string_view& bits)
{
    if (file.size() < 14 + 12 || file[0] != 'B' || file[1] != 'M')
        return false;
    info = file.substr(14);
    const auto layout = ParseInfo(info);
    if (!layout)
        return false;
    const uint32_t offBits = U32(file, 10);
    const size_t rowsAt = offBits >= 14 + layout->headerLength && offBits < file.size()
                              ? offBits : 14 + layout->headerLength;
    if (rowsAt > file.size())
        return false;
    bits = file.substr(rowsAt);
    if (layout->bitsLength && bits.size() > layout->bitsLength)
        bits = bits.substr(0, layout->bitsLength);
    info = info.substr(0, layout->headerLength);
    return true;
}

} // namespace

std::optional<DecodedBitmap> DecodeBmpFile(std::string_view file)
{
    std::string_view info, bits;
    if (!SplitBmpFile(file, info, bits))
        return std::nullopt;
    return DecodeDib(info, bits);
}

std::string PackedDibOfBmpFile(std::string_view file)
{
    std::string_view info, bits;
    if (!SplitBmpFile(file, info, bits) || !DecodeDib(info, bits))
        return {};
    std::string packed(info);
    packed.append(bits);
    return packed;
}

size_t PackedDibLength(const void* memory)
{
    if (!memory)
        return 0;
    const auto* bytes = static_cast<const char*>(memory);
    const uint32_t headerSize = U32(std::string_view(bytes, 4), 0);
    size_t tableBytes = 0;
    uint32_t sizeImage = 0;
    if (headerSize == 12) {
        const std::string_view head(bytes, 12);
        const int bitCount = U16(head, 10);
        tableBytes = bitCount <= 8 ? 3 * (size_t(1) << bitCount) : 0;
    } else if (headerSize >= 40 && headerSize <= 1024) {
        const std::string_view head(bytes, 40);
        const int bitCount = U16(head, 14);
        const uint32_t compression = U32(head, 16);
        const uint32_t used = U32(head, 32);
        sizeImage = U32(head, 20);
        if (bitCount > 32)
            return 0;
        if (headerSize == 40 && compression == kBitFields)
            tableBytes += 12;
        if (headerSize == 40 && compression == kAlphaBitFields)
            tableBytes += 16;
        const size_t full = bitCount <= 8 ? size_t(1) << bitCount : 256;
        const size_t count = bitCount <= 8 ? (used && used <= full ? used : full)
                                           : std::min<size_t>(used, full);
        tableBytes += 4 * count;
    } else {
        return 0;
    }
    const auto layout = ParseInfo(std::string_view(bytes, headerSize + tableBytes));
    if (!layout)
        return 0;
    return layout->headerLength + (layout->bitsLength ? layout->bitsLength : sizeImage);
}
