// Checking and playing Windows and enhanced metafiles built in the test.
#include "moxprint/core/Metafile.h"

#include "PictureFixtures.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

const QRgb kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255), kWhite = qRgb(255, 255, 255);

std::vector<uint16_t> Colour(QRgb rgb)
{
    const uint32_t ref = ColorRef(rgb);
    return {static_cast<uint16_t>(ref & 0xFFFF), static_cast<uint16_t>(ref >> 16)};
}

WmfRecord SolidBrush(QRgb rgb)
{
    auto c = Colour(rgb);
    return {0x02FC, {0, c[0], c[1], 0}};
}
WmfRecord NullPen() { return {0x02FA, {5, 0, 0, 0, 0}}; }
WmfRecord Select(uint16_t index) { return {0x012D, {index}}; }
WmfRecord Rectangle(int l, int t, int r, int b)
{
    return {0x041B, {uint16_t(b), uint16_t(r), uint16_t(t), uint16_t(l)}};
}

QImage Played(const Metafile& file, QSize size = {100, 100})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    file.Play(painter, QRectF(0, 0, size.width(), size.height()));
    painter.end();
    return image;
}

TEST(Metafile, PlaceableFrameComesFromTheBoxAndTheUnitsPerInch)
{
    const auto file = Metafile::Parse(Metafile::Kind::Windows,
                                      MakePlaceableWmf(1000, 500, 1000, {}));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->FrameWidth(), 254);
    EXPECT_EQ(file->FrameHeight(), 127);
}

TEST(Metafile, WindowsRecordsDrawWithTheSelectedObjectsIntoTheTarget)
{
    const auto file = Metafile::Parse(
        Metafile::Kind::Windows,
        MakePlaceableWmf(1000, 1000, 1000,
                         {SolidBrush(kRed), Select(0), NullPen(), Select(1),
                          Rectangle(0, 0, 500, 500)}));
    ASSERT_TRUE(file);
    const QImage image = Played(*file);
    EXPECT_EQ(image.pixel(25, 25), kRed);   // the box maps onto the target's top-left quarter
    EXPECT_EQ(image.pixel(75, 75), kWhite);
    EXPECT_EQ(image.pixel(75, 25), kWhite);
}

TEST(Metafile, WindowExtentOfTheFileChangesTheMapping)
{
    const auto file = Metafile::Parse(
        Metafile::Kind::Windows,
        MakePlaceableWmf(1000, 1000, 1000,
                         {{0x020C, {2000, 2000}}, SolidBrush(kBlue), Select(0), NullPen(),
                          Select(1), Rectangle(0, 0, 1000, 1000)}));
    ASSERT_TRUE(file);
    const QImage image = Played(*file);
    EXPECT_EQ(image.pixel(25, 25), kBlue);
    EXPECT_EQ(image.pixel(75, 75), kWhite); // the rectangle is a quarter of a 2000 window
}

TEST(Metafile, RestoringAStateBringsBackTheBrushSelectedBefore)
{
    const auto file = Metafile::Parse(
        Metafile::Kind::Windows,
        MakePlaceableWmf(1000, 1000, 1000,
                         {SolidBrush(kRed), SolidBrush(kBlue), NullPen(), Select(2), Select(0),
                          {0x001E, {}}, Select(1), {0x0127, {0xFFFF}},
                          Rectangle(0, 0, 1000, 1000)}));
    ASSERT_TRUE(file);
    EXPECT_EQ(Played(*file).pixel(50, 50), kRed);
}

TEST(Metafile, BitmapsAndTextOfWindowsMetafilesAreDrawn)
{
    // A 2 x 1 bitmap, red and blue, stretched over the whole box.
    const std::string dib = MakePackedDib(2, 1, 24, 96, [](int x, int) { return x ? kBlue : kRed; });
    std::vector<uint16_t> stretch = {0x0020, 0x00CC, 0, 1, 2, 0, 0, 1000, 1000, 0, 0};
    for (size_t i = 0; i < dib.size(); i += 2)
        stretch.push_back(static_cast<uint16_t>(static_cast<unsigned char>(dib[i]) |
                                                (i + 1 < dib.size() ? static_cast<unsigned char>(dib[i + 1]) << 8 : 0)));
    const auto picture = Metafile::Parse(Metafile::Kind::Windows,
                                         MakePlaceableWmf(1000, 1000, 1000, {{0x0F43, stretch}}));
    ASSERT_TRUE(picture);
    const QImage image = Played(*picture);
    EXPECT_EQ(image.pixel(20, 50), kRed);
    EXPECT_EQ(image.pixel(80, 50), kBlue);

    // "HH" in a 400-unit font at the top left: some dark pixels appear there, none elsewhere.
    WmfRecord font{0x02FB, {uint16_t(-400), 0, 0, 0, 400, 0, 0, 0, 0}};
    font.words.insert(font.words.end(), {'A' | ('r' << 8), 'i' | ('a' << 8), 'l'});
    font.words.resize(9 + 16, 0); // the face name takes 32 bytes
    const auto text = Metafile::Parse(
        Metafile::Kind::Windows,
        MakePlaceableWmf(1000, 1000, 1000,
                         {font, Select(0), {0x0102, {1}}, {0x0521, {2, 'H' | ('H' << 8), 0, 0}}}));
    ASSERT_TRUE(text);
    const QImage written = Played(*text);
    int dark = 0, darkFar = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            if (qGray(written.pixel(x, y)) < 128)
                (x < 60 && y < 45 ? dark : darkFar)++;
    EXPECT_GT(dark, 50);
    EXPECT_EQ(darkFar, 0);
}

TEST(Metafile, EnhancedMetafilesMapTheirFrameOntoTheTarget)
{
    Bytes brush, select, nullPen, rect;
    brush.U32(1).U32(0).U32(ColorRef(kBlue)).U32(0);
    select.U32(1);
    nullPen.U32(0x80000008u);
    rect.I32(0).I32(0).I32(50).I32(50); // reference pixels: the frame is 100 x 100 of them
    const auto file = Metafile::Parse(
        Metafile::Kind::Enhanced,
        MakeEnhancedMetafile(2540, 2540, {{39, brush.Data()}, {37, select.Data()},
                                          {37, nullPen.Data()}, {43, rect.Data()}}));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->FrameWidth(), 254);
    EXPECT_EQ(file->FrameHeight(), 254);
    const QImage image = Played(*file, {200, 200});
    EXPECT_EQ(image.pixel(40, 40), kBlue);
    EXPECT_EQ(image.pixel(150, 150), kWhite);
}

TEST(Metafile, DamagedMetafilesAreRejected)
{
    const std::string wmf = MakePlaceableWmf(1000, 1000, 1000, {Rectangle(0, 0, 10, 10)});
    const std::string emf = MakeEnhancedMetafile(2540, 2540, {});
    const auto patched = [](std::string bytes, size_t at, uint32_t value) {
        Bytes word;
        word.U32(value);
        return bytes.replace(at, 4, word.Data());
    };
    struct Case {
        const char* why;
        Metafile::Kind kind;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", Metafile::Kind::Windows, ""},
        {"placeable header only", Metafile::Kind::Windows, wmf.substr(0, 22)},
        {"zero units per inch", Metafile::Kind::Windows, patched(wmf, 14, 0) },
        {"record longer than the file", Metafile::Kind::Windows, patched(wmf, 22 + 18, 100000)},
        {"record of no length", Metafile::Kind::Windows, patched(wmf, 22 + 18, 0)},
        {"bad header words", Metafile::Kind::Windows, patched(wmf, 22, 0x00050001)},
        {"cut in a record", Metafile::Kind::Windows, wmf.substr(0, 22 + 18 + 8)},
        {"enhanced: wrong signature", Metafile::Kind::Enhanced, patched(emf, 40, 0)},
        {"enhanced: header too short", Metafile::Kind::Enhanced, emf.substr(0, 60)},
        {"enhanced: header size past the end", Metafile::Kind::Enhanced, patched(emf, 4, 4000)},
        {"enhanced: record size not a multiple of 4", Metafile::Kind::Enhanced,
         patched(emf, 88 + 4, 21)},
        {"enhanced: empty frame and bounds", Metafile::Kind::Enhanced,
         patched(patched(patched(emf, 32, 0), 16, 0), 36, 0)},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(Metafile::Parse(c.kind, c.bytes)) << c.why;
}

// Records whose counts and offsets point anywhere must not crash the player.
TEST(Metafile, PlayingRecordsWithHostileCountsStaysInsideTheData)
{
    Bytes huge;
    huge.U32(0).U32(0).U32(100).U32(100).U32(0x7FFFFFFF); // polyline: bounds, count
    Bytes text;
    text.U32(0).U32(0).U32(0).U32(0).U32(1).U32(0).U32(0); // bounds, mode, scales
    text.I32(0).I32(0).U32(1000000).U32(0xFFFFFF00).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0xFFFFFFF0);
    Bytes bitmap;
    bitmap.Append(std::string(16, '\0'));
    for (int i = 0; i < 6; ++i)
        bitmap.I32(10);
    bitmap.U32(0xFFFFFF00).U32(0xFFFF).U32(0xFFFFFF00).U32(0xFFFF).U32(0).U32(0).I32(10).I32(10);
    const auto file = Metafile::Parse(
        Metafile::Kind::Enhanced,
        MakeEnhancedMetafile(2540, 2540, {{4, huge.Data()}, {84, text.Data()},
                                          {81, bitmap.Data()}, {37, std::string(4, '\xFF')},
                                          {34, std::string(4, '\x80')}}));
    ASSERT_TRUE(file);
    Played(*file);

    std::vector<uint16_t> polyPolygon = {0xFFFF, 0xFFFF, 0xFFFF};
    const auto windows = Metafile::Parse(
        Metafile::Kind::Windows,
        MakePlaceableWmf(1000, 1000, 1000,
                         {{0x0538, polyPolygon}, {0x0325, {0x7FFF}}, {0x0A32, {0, 0, 0xFFFF, 6}},
                          {0x0F43, {0, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 40, 0}},
                          {0x012D, {0xFFFF}}, {0x0127, {0x7FFF}}}));
    ASSERT_TRUE(windows);
    Played(*windows);
}

} // namespace
