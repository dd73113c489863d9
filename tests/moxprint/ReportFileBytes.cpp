#include "tests/moxprint/ReportFileBytes.h"

FileBytes& FileBytes::U8(uint8_t value)
{
    bytes_.push_back(char(value));
    return *this;
}

FileBytes& FileBytes::U16(uint16_t value)
{
    return U8(uint8_t(value)).U8(uint8_t(value >> 8));
}

FileBytes& FileBytes::I32(int32_t value)
{
    const auto v = uint32_t(value);
    return U8(uint8_t(v)).U8(uint8_t(v >> 8)).U8(uint8_t(v >> 16)).U8(uint8_t(v >> 24));
}

FileBytes& FileBytes::Rect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return I32(left).I32(top).I32(right).I32(bottom);
}

FileBytes& FileBytes::Text(const std::string& text)
{
    bytes_ += text;
    return *this;
}

int32_t I32At(const std::string& bytes, size_t offset)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | uint8_t(bytes.at(offset + size_t(i)));
    return int32_t(value);
}

void PutI32(std::string& bytes, size_t offset, int32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.at(offset + size_t(i)) = char(uint32_t(value) >> (8 * i));
}

uint32_t BitwiseCrc(const std::string& bytes, size_t from, uint32_t count)
{
    uint32_t crc = 0xFFFFFFFF;
    for (uint32_t i = 0; i < count; ++i) {
        const size_t at = from + i;
        const uint8_t byte = at < bytes.size() ? uint8_t(bytes[at]) : 0;
        crc ^= uint32_t(byte) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

void Seal(std::string& file)
{
    const uint32_t covered = uint32_t(I32At(file, 8)) ^ 0xFFA5AA5Au;
    PutI32(file, 4, int32_t(BitwiseCrc(file, 12, covered)));
}

namespace {

// The fields from offset 12 (4 in versions 0 and 1) on.
void HeaderFields(FileBytes& out, int version, int32_t pages, int32_t first, int32_t last,
                  int32_t width, int32_t height)
{
    out.I32(pages).I32(first).I32(last);
    out.Rect(200, 200, 1900, 2770);
    out.I32(width).I32(height);
    out.I32(version == 0 ? 0x2000 : 0);
    if (version == 0)
        return;
    out.I32(0x23061967).I32(1000).I32(0).U16(0);
    out.U8(0).I32(0xE6E6E6).I32(1);  // gradient print mode and colour, preview control
    out.U8(1).U8(1).U8(1).U8(1);     // mouse scaling, scroller tracking, scroll bars, paper
    out.I32(0).I32(0).I32(0);        // print position mode and offsets
    out.I32(0).I32(0).I32(0).I32(0).I32(0).I32(0).I32(0);  // zeros, document value, zeros
}

void BoxFields(FileBytes& out)
{
    out.U16(3).U8(0).I32(0);               // pen
    out.I32(0xFFFFFF).U8(1).U8(2).U8(255);  // fill, mode, frame flags, hatch
    out.I32(0);                             // second colour
}

}  // namespace

std::string NewFileHeader(int32_t pages, int32_t first, int32_t last)
{
    FileBytes out;
    out.I32(0x2406196A).I32(0).I32(int32_t(177u ^ 0xFFA5AA5Au));
    HeaderFields(out, 3, pages, first, last, 2100, 2970);
    return out.Data();
}

std::string HandMadeFile(int version)
{
    FileBytes header;
    header.I32(0x24061967 + version);
    if (version >= 2)
        header.I32(0).I32(int32_t(177u ^ 0xFFA5AA5Au));
    const int32_t headerSize = version >= 2 ? 119 : version == 1 ? 111 : 44;
    HeaderFields(header, version, 1, headerSize, headerSize, 2970, 2100);

    FileBytes page;
    page.I32(0).I32(0);
    page.Rect(200, 200, 2770, 1900).Rect(100, 120, 300, 340);
    if (version >= 1)
        page.I32(1).I32(2970).I32(2100).I32(255);
    page.U8(19).Rect(100, 120, 300, 340);
    if (version >= 1)
        page.I32(0);
    BoxFields(page);
    page.U8(20).Rect(100, 400, 900, 460);
    if (version >= 1)
        page.I32(0);
    BoxFields(page);
    page.U16(5).Text("Arial").I32(5).Text("Hello");
    page.U16(10).U8(0).U16(0).U8(1).I32(0x0000FF);  // size, alignment, rotation, bold, red
    if (version >= 1)
        page.U8(1);
    page.U16(0);

    std::string file = header.Data() + page.Data();
    if (version >= 2)
        Seal(file);
    return file;
}
