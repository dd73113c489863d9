// Decoding of BMP files and packed DIBs, and the clean failure of damaged ones.
#include "moxprint/core/Dib.h"

#include "PictureFixtures.h"

#include <gtest/gtest.h>

namespace {

const QRgb kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255), kWhite = qRgb(255, 255, 255),
           kBlack = qRgb(0, 0, 0);

// Left half red, right half blue, top row white: shows orientation and both axes.
QRgb Pattern(int x, int y, int width)
{
    if (y == 0)
        return kWhite;
    return x < width / 2 ? kRed : kBlue;
}

TEST(Dib, ABitmapFileKeepsItsPixelsAndItsResolution)
{
    const std::string file =
        MakeBmpFile(300, 150, 24, 300, [](int x, int y) { return Pattern(x, y, 300); });
    const auto bitmap = DecodeBmpFile(file);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->image.size(), QSize(300, 150));
    EXPECT_EQ(bitmap->dpiX, 300);
    EXPECT_EQ(bitmap->dpiY, 300);
    EXPECT_EQ(bitmap->image.pixel(10, 0), kWhite); // rows are stored bottom-up
    EXPECT_EQ(bitmap->image.pixel(10, 100), kRed);
    EXPECT_EQ(bitmap->image.pixel(290, 100), kBlue);
}

TEST(Dib, EveryBitDepthDecodesToTheSamePixels)
{
    const std::vector<QRgb> palette = {kBlack, kWhite, kRed, kBlue};
    struct Case {
        int bits;
        std::vector<QRgb> palette;
    };
    const Case cases[] = {
        {1, {kWhite, kRed}}, {4, palette}, {8, palette}, {16, {}}, {24, {}}, {32, {}},
    };
    for (const Case& c : cases) {
        // With two colours the pattern is white on red only.
        const auto pixel = [&](int x, int y) {
            return c.bits == 1 ? (y == 0 ? kWhite : kRed) : Pattern(x, y, 6);
        };
        const std::string dib = MakePackedDib(6, 3, c.bits, 96, pixel, c.palette);
        const auto bitmap = DecodePackedDib(dib);
        ASSERT_TRUE(bitmap) << c.bits << " bits";
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 6; ++x)
                EXPECT_EQ(bitmap->image.pixel(x, y), pixel(x, y))
                    << c.bits << " bits at " << x << "," << y;
    }
}

TEST(Dib, TopDownRowsAndRunLengthRowsAreRead)
{
    // 2 x 2, 8 bits, top-down (negative height): row 0 is stored first.
    Bytes topDown;
    topDown.U32(40).I32(2).I32(-2).U16(1).U16(8).U32(0).U32(8).I32(0).I32(0).U32(2).U32(0);
    topDown.U32(0x000000FF).U32(0x00FF0000); // palette: blue, red (BGRA order)
    topDown.U8(0).U8(1).U16(0).U8(1).U8(0).U16(0);
    auto bitmap = DecodePackedDib(topDown.Data());
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->image.pixel(0, 0), kBlue);
    EXPECT_EQ(bitmap->image.pixel(1, 0), kRed);
    EXPECT_EQ(bitmap->image.pixel(0, 1), kRed);

    // 4 x 2 run-length: bottom row 4 x red, top row 2 x blue then 2 x red.
    Bytes rle;
    rle.U32(40).I32(4).I32(2).U16(1).U16(8).U32(1).U32(12).I32(0).I32(0).U32(2).U32(0);
    rle.U32(0x000000FF).U32(0x00FF0000);
    rle.U8(4).U8(1).U8(0).U8(0).U8(2).U8(0).U8(2).U8(1).U8(0).U8(1);
    bitmap = DecodePackedDib(rle.Data());
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->image.pixel(0, 1), kRed);
    EXPECT_EQ(bitmap->image.pixel(3, 1), kRed);
    EXPECT_EQ(bitmap->image.pixel(1, 0), kBlue);
    EXPECT_EQ(bitmap->image.pixel(2, 0), kRed);
}

TEST(Dib, DamagedBitmapsFailCleanly)
{
    const std::string good =
        MakeBmpFile(8, 4, 24, 96, [](int x, int y) { return Pattern(x, y, 8); });
    const auto with = [&](size_t at, uint32_t value, int bytes = 4) {
        std::string copy = good;
        for (int i = 0; i < bytes; ++i)
            copy[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        return copy;
    };
    struct Case {
        const char* why;
        std::string file;
    };
    const Case cases[] = {
        {"rows cut short", good.substr(0, good.size() - 10)},
        {"only the file header", good.substr(0, 14)},
        {"not BM", with(0, 'X', 1)},
        {"zero width", with(14 + 4, 0)},
        {"negative width", with(14 + 4, 0xFFFFFFF0)},
        {"width beyond the limit", with(14 + 4, 100000)},
        {"height far beyond the rows present", with(14 + 8, 30000)},
        {"unknown header size", with(14, 7)},
        {"header size beyond the data", with(14, 5000)},
        {"three bits per pixel", with(14 + 14, 3, 2)},
        {"JPEG inside", with(14 + 16, 4)},
        {"colour table larger than the data", [&] {
             std::string eight = MakeBmpFile(2, 2, 8, 96, [](int, int) { return kBlack; },
                                             {kBlack});
             return eight.substr(0, 14 + 40 + 2);
         }()},
        {"most negative height", with(14 + 8, 0x80000000u)},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(DecodeBmpFile(c.file)) << c.why;
        EXPECT_TRUE(PackedDibOfBmpFile(c.file).empty()) << c.why;
    }
}

TEST(Dib, PackedDibOfAFileHasHeaderTableAndRowsTogether)
{
    const std::vector<QRgb> palette = {kBlack, kWhite};
    const std::string file = MakeBmpFile(8, 2, 1, 72, [](int x, int) { return x % 2 ? kWhite : kBlack; },
                                         palette);
    const std::string packed = PackedDibOfBmpFile(file);
    EXPECT_EQ(packed, file.substr(14));
    EXPECT_EQ(PackedDibLength(packed.data()), packed.size());
    const auto bitmap = DecodePackedDib(packed);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->dpiX, 72);
    EXPECT_EQ(bitmap->image.pixel(1, 0), kWhite);
}

} // namespace
