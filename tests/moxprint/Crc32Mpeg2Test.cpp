#include "moxprint/core/Crc32Mpeg2.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

uint32_t OfText(const std::string& text)
{
    return Crc32Mpeg2::Of(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

}  // namespace

TEST(Crc32Mpeg2, MatchesTheCatalogueCheckValue)
{
    // The published check value of CRC-32/MPEG-2 over "123456789".
    EXPECT_EQ(OfText("123456789"), 0x0376E6E7u);
    EXPECT_EQ(OfText(""), 0xFFFFFFFFu);
}

TEST(Crc32Mpeg2, ZeroExtendingEqualsFeedingZeroBytes)
{
    // Counts around the squaring steps and past a byte boundary of the count.
    for (uint64_t count : {0u, 1u, 2u, 7u, 12u, 255u, 256u, 1000u, 65537u}) {
        Crc32Mpeg2 fed;
        Crc32Mpeg2 extended;
        fed.Update(reinterpret_cast<const uint8_t*>("head"), 4);
        extended.Update(reinterpret_cast<const uint8_t*>("head"), 4);
        const std::vector<uint8_t> zeros(count, 0);
        fed.Update(zeros.data(), zeros.size());
        extended.ZeroExtend(count);
        EXPECT_EQ(extended.Value(), fed.Value()) << count << " zero bytes";
    }
}
