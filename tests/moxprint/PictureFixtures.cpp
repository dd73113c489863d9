// Builders of the test pictures.
#include "PictureFixtures.h"

#include <cmath>

Bytes& Bytes::U8(unsigned v)
{
    data_.push_back(static_cast<char>(v & 0xFF));
    return *this;
}

Bytes& Bytes::U16(unsigned v)
{
    return U8(v).U8(v >> 8);
}

Bytes& Bytes::U32(uint32_t v)
{
    return U16(v & 0xFFFF).U16(v >> 16);
}

Bytes& Bytes::Append(const std::string& bytes)
{
    data_ += bytes;
    return *this;
}

uint32_t ColorRef(QRgb rgb)
{
    return uint32_t(qRed(rgb)) | (uint32_t(qGreen(rgb)) << 8) | (uint32_t(qBlue(rgb)) << 16);
}

namespace {

int PaletteIndex(const std::vector<QRgb>& palette, QRgb colour)
{
    for (size_t i = 0; i < palette.size(); ++i)
        if (palette[i] == colour)
            return static_cast<int>(i);
    return 0;
}

} // namespace

std::string MakePackedDib(int width, int height, int bitCount, int dpi, const PixelColour& pixel,
                          const std::vector<QRgb>& palette)
{
    const int stride = ((width * bitCount + 31) / 32) * 4;
    Bytes dib;
    dib.U32(40).I32(width).I32(height).U16(1).U16(bitCount).U32(0).U32(stride * height);
    const int perMetre = static_cast<int>(std::lround(dpi / 0.0254));
    dib.I32(perMetre).I32(perMetre).U32(static_cast<uint32_t>(palette.size())).U32(0);
    for (QRgb colour : palette)
        dib.U8(qBlue(colour)).U8(qGreen(colour)).U8(qRed(colour)).U8(0);
    for (int row = height - 1; row >= 0; --row) {
        std::string line(static_cast<size_t>(stride), '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb c = pixel(x, row);
            auto* bytes = reinterpret_cast<unsigned char*>(line.data());
            switch (bitCount) {
            case 1: bytes[x / 8] |= static_cast<unsigned char>(PaletteIndex(palette, c) << (7 - x % 8)); break;
            case 4: bytes[x / 2] |= static_cast<unsigned char>(PaletteIndex(palette, c) << (x % 2 ? 0 : 4)); break;
            case 8: bytes[x] = static_cast<unsigned char>(PaletteIndex(palette, c)); break;
            case 16: {
                const unsigned v = ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3);
                bytes[2 * x] = v & 0xFF;
                bytes[2 * x + 1] = static_cast<unsigned char>(v >> 8);
                break;
            }
            case 24:
                bytes[3 * x] = static_cast<unsigned char>(qBlue(c));
                bytes[3 * x + 1] = static_cast<unsigned char>(qGreen(c));
                bytes[3 * x + 2] = static_cast<unsigned char>(qRed(c));
                break;
            case 32:
                bytes[4 * x] = static_cast<unsigned char>(qBlue(c));
                bytes[4 * x + 1] = static_cast<unsigned char>(qGreen(c));
                bytes[4 * x + 2] = static_cast<unsigned char>(qRed(c));
                break;
            }
        }
        dib.Append(line);
    }
    return dib.Data();
}

std::string MakeBmpFile(int width, int height, int bitCount, int dpi, const PixelColour& pixel,
                        const std::vector<QRgb>& palette)
{
    const std::string dib = MakePackedDib(width, height, bitCount, dpi, pixel, palette);
    Bytes file;
    file.U8('B').U8('M').U32(static_cast<uint32_t>(14 + dib.size())).U32(0);
    file.U32(static_cast<uint32_t>(14 + 40 + 4 * palette.size()));
    file.Append(dib);
    return file.Data();
}

std::string MakePlaceableWmf(int width, int height, int unitsPerInch,
                             const std::vector<WmfRecord>& records, int objectCount)
{
    Bytes body;
    size_t largest = 3;
    for (const WmfRecord& r : records) {
        body.U32(static_cast<uint32_t>(3 + r.words.size())).U16(r.function);
        for (uint16_t w : r.words)
            body.U16(w);
        largest = std::max(largest, 3 + r.words.size());
    }
    body.U32(3).U16(0); // end record
    Bytes file;
    file.U32(0x9AC6CDD7).U16(0).I16(0).I16(0).I16(width).I16(height).U16(unitsPerInch).U32(0);
    uint16_t checksum = 0;
    for (size_t i = 0; i < 20; i += 2)
        checksum ^= static_cast<uint16_t>(static_cast<unsigned char>(file.Data()[i]) |
                                          (static_cast<unsigned char>(file.Data()[i + 1]) << 8));
    file.U16(checksum);
    file.U16(1).U16(9).U16(0x300).U32(static_cast<uint32_t>(9 + body.Size() / 2));
    file.U16(static_cast<unsigned>(objectCount)).U32(static_cast<uint32_t>(largest)).U16(0);
    file.Append(body.Data());
    return file.Data();
}

std::string MakeEnhancedMetafile(int frameWidth, int frameHeight,
                                 const std::vector<EmfRecord>& records)
{
    Bytes body;
    for (const EmfRecord& r : records)
        body.U32(r.type).U32(static_cast<uint32_t>(8 + r.parameters.size())).Append(r.parameters);
    body.U32(14).U32(20).U32(0).U32(0).U32(20); // end record
    Bytes header;
    const int pixelsW = frameWidth * 1000 / 25400, pixelsH = frameHeight * 1000 / 25400;
    header.U32(1).U32(88);
    header.I32(0).I32(0).I32(pixelsW).I32(pixelsH);         // bounds, reference pixels
    header.I32(0).I32(0).I32(frameWidth).I32(frameHeight);  // frame, 0.01 mm
    header.U32(0x464D4520).U32(0x10000);
    header.U32(static_cast<uint32_t>(88 + body.Size())).U32(static_cast<uint32_t>(records.size() + 2));
    header.U16(8).U16(0).U32(0).U32(0).U32(0);
    header.I32(1000).I32(1000).I32(254).I32(254);
    return header.Data() + body.Data();
}
