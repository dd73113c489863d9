// Picture types, natural sizes, fitting and the picture cache.
#include "moxprint/core/PictureData.h"

#include "PictureFixtures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

const QRgb kRed = qRgb(255, 0, 0);

std::string RedBmp(int width, int height, int dpi)
{
    return MakeBmpFile(width, height, 24, dpi, [](int, int) { return kRed; });
}

TEST(PictureType, ExtensionDecidesFirstThenTheFirstBytes)
{
    TempFolder folder;
    const std::string bmp = RedBmp(2, 2, 96);
    const std::string wmf = MakePlaceableWmf(100, 100, 1000, {});
    const std::string emf = MakeEnhancedMetafile(100, 100, {});
    struct Case {
        const char* name;
        std::string bytes;
        uint8_t chosen;
        std::optional<uint8_t> type;
    };
    const Case cases[] = {
        {"a.bmp", bmp, 255, PictureBitmapFile},
        {"b.WMF", "anything", 255, PictureWindowsMetafile}, // the extension wins
        {"c.Emf", "", 255, PictureEnhancedMetafile},
        {"d.pic", bmp, 255, PictureBitmapFile},           // "BM" under another extension
        {"e.dat", wmf, 255, PictureWindowsMetafile},      // the placeable key
        {"f", emf, 255, PictureEnhancedMetafile},         // first record type 1
        {"g.txt", "hello", 255, std::nullopt},
        {"h.dat", "BM", 255, std::nullopt},               // shorter than four bytes
        {"i.txt", "hello", PictureEnhancedMetafile, PictureEnhancedMetafile}, // attribute wins
    };
    for (const Case& c : cases)
        EXPECT_EQ(PictureTypeOfFile(folder.WriteFile(c.name, c.bytes), c.chosen), c.type)
            << c.name;
    EXPECT_EQ(PictureTypeOfFile(folder.Path("missing.dat"), 255), std::nullopt);
}

TEST(PictureData, NaturalSizeComesFromTheBitmapsOwnResolution)
{
    TempFolder folder;
    const auto picture = LoadPictureFile(folder.WriteFile("p.bmp", RedBmp(300, 150, 300)),
                                         PictureBitmapFile);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->NaturalWidth(96), 254);
    EXPECT_EQ(picture->NaturalHeight(96, 96, false), 127);

    // Without its own resolution the given one counts; one resolution uses x for both.
    auto plain = std::make_shared<MoxPictureData>(*picture);
    plain->dpiX = plain->dpiY = 0;
    EXPECT_EQ(plain->NaturalWidth(150), 508);
    EXPECT_EQ(plain->NaturalHeight(150, 75, false), 508);
    EXPECT_EQ(plain->NaturalHeight(150, 75, true), 254);
}

TEST(PictureData, CorruptFilesDoNotLoad)
{
    TempFolder folder;
    const std::string bmp = RedBmp(4, 4, 96);
    EXPECT_FALSE(LoadPictureFile(folder.WriteFile("cut.bmp", bmp.substr(0, 60)), PictureBitmapFile));
    EXPECT_FALSE(LoadPictureFile(folder.WriteFile("junk.wmf", std::string(100, 'x')),
                                 PictureWindowsMetafile));
    EXPECT_FALSE(LoadPictureFile(folder.WriteFile("bmp.emf", bmp), PictureEnhancedMetafile));
    EXPECT_FALSE(LoadPictureFile(folder.Path("missing.bmp"), PictureBitmapFile));
    EXPECT_FALSE(PictureFromPackedDib(std::string(10, '\0')));
}

TEST(PictureData, StoredDataComesBackAsTheSamePicture)
{
    TempFolder folder;
    const auto bitmap = LoadPictureFile(folder.WriteFile("p.bmp", RedBmp(3, 2, 200)),
                                        PictureBitmapFile);
    ASSERT_TRUE(bitmap);
    const auto again = PictureFromStoredData(PictureBitmapMemory, bitmap->stored);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->image, bitmap->image);
    EXPECT_EQ(again->dpiX, 200);

    const auto wmf = LoadPictureFile(folder.WriteFile("p.wmf", MakePlaceableWmf(500, 250, 1000, {})),
                                     PictureWindowsMetafile);
    ASSERT_TRUE(wmf);
    const auto storedWmf = PictureFromStoredData(PictureWindowsMetafileMemory, wmf->stored);
    ASSERT_TRUE(storedWmf && storedWmf->IsMetafile());
    EXPECT_EQ(storedWmf->NaturalWidth(96), 127);
}

TEST(FitPicture, FreeEdgesTakeTheNaturalSizeOrKeepTheAspect)
{
    struct Case {
        const char* why;
        MoxRect rect;
        bool fit;
        bool keep;
        MoxRect expected;
    };
    // Natural size 200 x 100.
    const Case cases[] = {
        {"both free: natural size", {10, 20, MOX_FREE, MOX_FREE}, false, true, {10, 20, 210, 120}},
        {"free right, aspect kept: height scale", {0, 0, MOX_FREE, 50}, false, true, {0, 0, 100, 50}},
        {"free right without aspect: natural width", {0, 0, MOX_FREE, 50}, false, false, {0, 0, 200, 50}},
        {"free bottom, aspect kept: width scale", {0, 0, 300, MOX_FREE}, false, true, {0, 0, 300, 150}},
        {"both fixed: stretched", {0, 0, 50, 50}, false, true, {0, 0, 50, 50}},
        {"fit: wider box frees the right", {0, 0, 1000, 100}, true, false, {0, 0, 200, 100}},
        {"fit: taller box frees the bottom", {0, 0, 100, 1000}, true, false, {0, 0, 100, 50}},
        {"products are truncated", {0, 0, MOX_FREE, 33}, false, true, {0, 0, 66, 33}},
    };
    for (const Case& c : cases) {
        const MoxRect got = FitPicture(c.rect, 200, 100, c.fit, c.keep);
        EXPECT_EQ(got.left, c.expected.left) << c.why;
        EXPECT_EQ(got.top, c.expected.top) << c.why;
        EXPECT_EQ(got.right, c.expected.right) << c.why;
        EXPECT_EQ(got.bottom, c.expected.bottom) << c.why;
    }
}

class PictureCacheTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        cache_.Clear();
        limit_ = cache_.LimitKb();
    }
    void TearDown() override
    {
        cache_.SetLimitKb(limit_);
        cache_.Clear();
    }
    std::shared_ptr<const MoxPictureData> Picture(int width, int height)
    {
        auto picture = std::make_shared<MoxPictureData>();
        picture->image = QImage(width, height, QImage::Format_RGB32);
        return picture;
    }
    PictureCache& cache_ = PictureCache::Instance();
    int limit_ = 0;
};

TEST_F(PictureCacheTest, CountsWhatItHoldsAndDropsTheLeastRecentlyUsedPastTheLimit)
{
    cache_.SetLimitKb(100);
    cache_.Insert("/a", Picture(64, 64)); // 16 KB each
    cache_.Insert("/b", Picture(64, 64));
    EXPECT_EQ(cache_.UsedKb(), 32);
    ASSERT_TRUE(cache_.Find("/a")); // "a" is now the most recently used
    for (const char* name : {"/c", "/d", "/e", "/f"})
        cache_.Insert(name, Picture(64, 64));
    EXPECT_EQ(cache_.UsedKb(), 96);
    cache_.Insert("/g", Picture(64, 64));
    EXPECT_FALSE(cache_.Find("/b"));
    EXPECT_TRUE(cache_.Find("/a"));
    EXPECT_LE(cache_.UsedKb(), 100);

    cache_.SetLimitKb(20);
    EXPECT_LE(cache_.UsedKb(), 20);
    cache_.Insert("/big", Picture(256, 256)); // 256 KB: above the limit, not kept
    EXPECT_FALSE(cache_.Find("/big"));
}

} // namespace
