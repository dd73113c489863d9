#include "moxprint/core/Crc32Mpeg2.h"

#include <array>

namespace {

constexpr uint32_t kPolynomial = 0x04C11DB7;

constexpr std::array<uint32_t, 256> MakeTable()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t crc = i << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ kPolynomial : crc << 1;
        table[i] = crc;
    }
    return table;
}

constexpr std::array<uint32_t, 256> kTable = MakeTable();

uint32_t ZeroByte(uint32_t crc) { return (crc << 8) ^ kTable[crc >> 24]; }

// Feeding zero bytes is linear over GF(2) on the CRC register: a 32 x 32 bit matrix, held as
// the images of the 32 unit vectors.
using Matrix = std::array<uint32_t, 32>;

uint32_t Apply(const Matrix& m, uint32_t v)
{
    uint32_t result = 0;
    for (int i = 0; v != 0; ++i, v >>= 1) {
        if (v & 1)
            result ^= m[size_t(i)];
    }
    return result;
}

Matrix Compose(const Matrix& outer, const Matrix& inner)
{
    Matrix result{};
    for (size_t i = 0; i < 32; ++i)
        result[i] = Apply(outer, inner[i]);
    return result;
}

}  // namespace

void Crc32Mpeg2::Update(const uint8_t* bytes, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        crc_ = (crc_ << 8) ^ kTable[(crc_ >> 24) ^ bytes[i]];
}

void Crc32Mpeg2::ZeroExtend(uint64_t count)
{
    Matrix power{};  // one zero byte, squared as the count's bits are walked
    for (size_t i = 0; i < 32; ++i)
        power[i] = ZeroByte(uint32_t(1) << i);
    while (count != 0) {
        if (count & 1)
            crc_ = Apply(power, crc_);
        count >>= 1;
        if (count != 0)
            power = Compose(power, power);
    }
}

uint32_t Crc32Mpeg2::Of(const uint8_t* bytes, size_t count)
{
    Crc32Mpeg2 crc;
    crc.Update(bytes, count);
    return crc.Value();
}
