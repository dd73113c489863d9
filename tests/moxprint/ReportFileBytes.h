// Report file bytes built by hand in the tests, from the documented layout rather than from the
// engine's writer, and an independent (bit by bit) checksum to seal them with.
#pragma once

#include <cstdint>
#include <string>

class FileBytes {
public:
    FileBytes& U8(uint8_t value);
    FileBytes& U16(uint16_t value);
    FileBytes& I32(int32_t value);
    FileBytes& Rect(int32_t left, int32_t top, int32_t right, int32_t bottom);
    FileBytes& Text(const std::string& text);
    const std::string& Data() const { return bytes_; }
    size_t Size() const { return bytes_.size(); }

private:
    std::string bytes_;
};

// Reads and writes little-endian values in a byte string.
int32_t I32At(const std::string& bytes, size_t offset);
void PutI32(std::string& bytes, size_t offset, int32_t value);

// CRC-32/MPEG-2 computed bit by bit over `count` bytes from `from`; bytes past the end count
// as zero bytes.
uint32_t BitwiseCrc(const std::string& bytes, size_t from, uint32_t count);
// Writes the checksum a version 2 or 3 file must carry at offset 4 (count from offset 8).
void Seal(std::string& file);

// The 119-byte header of a new version 3 file with `pages` pages at the given offsets, the
// default output rectangle and A4 portrait page size; the checksum is left 0.
std::string NewFileHeader(int32_t pages, int32_t first, int32_t last);

// A file of one page holding a box (100, 120, 300, 340) and a text "Hello" in "Arial" written
// in the layout of `version` (0 .. 3) with page size 2970 x 2100 in the header; version 0
// marks it landscape in its header flags. Sealed when the version has a checksum.
std::string HandMadeFile(int version);
