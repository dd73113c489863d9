// CRC-32/MPEG-2 (polynomial 0x04C11DB7, initial value 0xFFFFFFFF, no reflection, no final XOR),
// the checksum of report files. ZeroExtended appends any number of zero bytes in logarithmic
// time, so covered bytes that run past a short (or hostile) file cost nothing to count.
#pragma once

#include <cstddef>
#include <cstdint>

class Crc32Mpeg2 {
public:
    static constexpr uint32_t kInitial = 0xFFFFFFFF;

    void Update(const uint8_t* bytes, size_t count);
    // As if `count` zero bytes were passed to Update.
    void ZeroExtend(uint64_t count);
    uint32_t Value() const { return crc_; }

    static uint32_t Of(const uint8_t* bytes, size_t count);

private:
    uint32_t crc_ = kInitial;
};
