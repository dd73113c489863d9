// Pictures through the engine's functions: natural size, the cache, failures, bitmaps in
// memory, measuring, and pictures that travel in report files.
#include "moxprint.h"
#include "moxprint/core/MoxDocument.h"
#include "moxprint/core/PagePainter.h"
#include "moxprint/core/PictureData.h"

#include "PictureFixtures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

const QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0);

class PictureApi : public ::testing::Test {
protected:
    void SetUp() override
    {
        PictureCache::Instance().Clear();
        doc_ = MoxOpenDoc(nullptr, "test", 0);
        ASSERT_TRUE(doc_);
    }
    void TearDown() override
    {
        MoxCloseDoc(doc_);
        PictureCache::Instance().Clear();
    }
    std::string Bitmap(const std::string& name, int width, int height, int dpi, QRgb colour = kRed)
    {
        return folder_.WriteFile(name, MakeBmpFile(width, height, 24, dpi,
                                                   [=](int, int) { return colour; }));
    }
    const MoxPictureObject& LastPicture()
    {
        const MoxObject* last = doc_->CurrentPage().LastObject();
        EXPECT_TRUE(last && last->kind == ObjectKind::Picture);
        return static_cast<const MoxPictureObject&>(*last);
    }
    static int32_t Width(const MoxRect& r) { return r.right - r.left; }
    static int32_t Height(const MoxRect& r) { return r.bottom - r.top; }

    TempFolder folder_;
    HMOXDOC doc_ = nullptr;
};

TEST_F(PictureApi, ABitmapOfThreeHundredDotsPerInchGetsItsNaturalSize)
{
    const std::string file = Bitmap("p.bmp", 300, 150, 300);
    EXPECT_EQ(MoxPicture(doc_, 200, 200, MOX_FREE, MOX_FREE, file.c_str(), 0), 327);
    EXPECT_EQ(MoxGetLastError(doc_), MOX_ERROR_NONE);
    const MoxRect rect = LastPicture().rect;
    EXPECT_EQ(Width(rect), 254);
    EXPECT_EQ(Height(rect), 127);
    EXPECT_EQ(LastPicture().pictureType, PictureBitmapFile);
}

TEST_F(PictureApi, ABitmapUnderAnotherExtensionIsRecognisedByItsFirstBytes)
{
    const std::string file = folder_.WriteFile(
        "picture.dat", MakeBmpFile(96, 96, 24, 0, [](int, int) { return kRed; }));
    MoxPicture(doc_, 200, 200, MOX_FREE, MOX_FREE, file.c_str(), 0);
    EXPECT_EQ(MoxGetLastError(doc_), MOX_ERROR_NONE);
    EXPECT_EQ(Width(LastPicture().rect), 254); // 96 pixels at the default 96 dots per inch
}

TEST_F(PictureApi, TheSameFileWithTheCacheBitIsDecodedOnce)
{
    const std::string file = Bitmap("cached.bmp", 300, 150, 300);
    MoxPicture(doc_, 200, 200, MOX_FREE, MOX_FREE, file.c_str(), MOX_PICTURE_USE_CACHE);
    const int used = MoxGetPictureCacheUsed(doc_);
    EXPECT_GT(used, 0);
    // The file changes on disk: a cached placement still shows what was decoded first.
    Bitmap("cached.bmp", 600, 600, 96, kGreen);
    MoxPicture(doc_, 200, 400, MOX_FREE, MOX_FREE, file.c_str(), MOX_PICTURE_USE_CACHE);
    EXPECT_EQ(Width(LastPicture().rect), 254);
    EXPECT_EQ(LastPicture().decoded->image.pixel(0, 0), kRed);
    EXPECT_EQ(MoxGetPictureCacheUsed(doc_), used);
    // Without the cache bit the file is decoded again.
    MoxPicture(doc_, 200, 600, MOX_FREE, MOX_FREE, file.c_str(), 0);
    EXPECT_EQ(Width(LastPicture().rect), 1587); // 600 x 254 / 96
}

TEST_F(PictureApi, CacheSizeFunctionsWorkOnTheProcessWideCache)
{
    const int32_t before = MoxGetPictureCacheSize(nullptr);
    MoxSetPicCacheSize(doc_, 10);
    EXPECT_EQ(MoxGetPicCacheSize(doc_), 10);
    const std::string file = Bitmap("big.bmp", 300, 300, 96); // over 600 KB decoded
    MoxPicture(doc_, 200, 200, MOX_FREE, MOX_FREE, file.c_str(), MOX_PICTURE_USE_CACHE);
    EXPECT_EQ(MoxGetPicCacheUsed(doc_), 0); // larger than the limit: not kept
    MoxSetPictureCacheSize(nullptr, before);
}

TEST_F(PictureApi, PicturesThatCannotBeHadLeaveATenMillimetreBox)
{
    const std::string corrupt = folder_.WriteFile("bad.bmp", "BM not really a bitmap");
    const std::string text = folder_.WriteFile("notes.txt", "plain words");
    struct Case {
        const char* why;
        std::function<int32_t()> place;
    };
    const Case cases[] = {
        {"missing file", [&] { return MoxPicture(doc_, 200, 200, MOX_FREE, MOX_FREE,
                                                 folder_.Path("none.bmp").c_str(), 0); }},
        {"corrupt bitmap", [&] { return MoxPicture(doc_, 200, 200, MOX_FREE, MOX_FREE,
                                                   corrupt.c_str(), 0); }},
        {"not a picture", [&] { return MoxPicture(doc_, 200, 200, MOX_FREE, MOX_FREE,
                                                  text.c_str(), 0); }},
        {"null file name", [&] { return MoxPicture(doc_, 200, 200, MOX_FREE, MOX_FREE,
                                                   nullptr, 0); }},
        {"null bitmap", [&] { return MoxPictureDIB(doc_, 200, 200, MOX_FREE, MOX_FREE,
                                                   nullptr, 0); }},
        {"resource by number", [&] { return MoxPictureResID(doc_, 200, 200, MOX_FREE, MOX_FREE,
                                                            nullptr, 7, 0); }},
        {"resource by name", [&] { return MoxPictureResName(doc_, 200, 200, MOX_FREE, MOX_FREE,
                                                            nullptr, "LOGO", 0); }},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.place(), 300) << c.why;
        EXPECT_EQ(MoxGetLastError(doc_), MOX_ERROR_NO_PICTURE) << c.why;
        EXPECT_EQ(Width(LastPicture().rect), 100) << c.why;
        EXPECT_FALSE(LastPicture().picturePresent) << c.why;
    }
    // A fixed rectangle stays as given.
    MoxPicture(doc_, 200, 200, 500, 400, corrupt.c_str(), 0);
    EXPECT_EQ(Width(LastPicture().rect), 300);
}

TEST_F(PictureApi, ABitmapInMemoryIsCopiedAndStoredWithTheObject)
{
    std::string dib = MakePackedDib(40, 20, 24, 254, [](int, int) { return kGreen; });
    MoxPictureDIB(doc_, 200, 200, MOX_FREE, MOX_FREE, dib.data(), 0);
    dib.assign(dib.size(), '\0'); // the caller's memory may go away
    const MoxPictureObject& picture = LastPicture();
    EXPECT_EQ(picture.pictureType, PictureBitmapMemory);
    EXPECT_TRUE(picture.pictureFlags & PictureDataStored);
    EXPECT_EQ(Width(picture.rect), 40); // 40 pixels at 254 dots per inch: 4 mm
    EXPECT_EQ(picture.decoded->image.pixel(0, 0), kGreen);
}

TEST_F(PictureApi, FitKeepsTheAspectInsideAFixedRectangle)
{
    const std::string file = Bitmap("p.bmp", 300, 150, 300); // 254 x 127
    MoxPicture(doc_, 0, 0, 1000, 100, file.c_str(), MOX_PICTURE_FIT);
    EXPECT_EQ(Width(LastPicture().rect), 200);
    EXPECT_EQ(Height(LastPicture().rect), 100);
}

TEST_F(PictureApi, RenderMeasuresWithoutPlacing)
{
    const std::string file = Bitmap("p.bmp", 300, 150, 300);
    const size_t objects = doc_->CurrentPage().objects.size();
    EXPECT_EQ(MoxRenderPicture(doc_, MOX_FREE, 254, file.c_str(), 0), 254);
    EXPECT_EQ(MoxGet(doc_, MOX_RENDER_WIDTH), 508); // aspect kept by default
    EXPECT_EQ(MoxGet(doc_, MOX_RENDER_HEIGHT), 254);
    EXPECT_EQ(doc_->CurrentPage().objects.size(), objects);
}

TEST_F(PictureApi, PictureAttributesAndTheTypeList)
{
    char buffer[64];
    EXPECT_EQ(MoxGetPictureTypes(doc_, buffer, sizeof buffer), 17);
    EXPECT_STREQ(buffer, "*.BMP;*.WMF;*.EMF");
    char small[6];
    MoxGetPictureTypes(doc_, small, sizeof small);
    EXPECT_STREQ(small, "*.BMP");
    EXPECT_EQ(MoxGetPictureType(doc_), 255);
    MoxSetPictureType(doc_, 6);
    EXPECT_EQ(MoxGetPictureType(doc_), 6);
    MoxSetPicturePage(doc_, 3);
    EXPECT_EQ(MoxGetPicturePage(doc_), 3);
    EXPECT_EQ(MoxGetPicturePageCount(doc_, "x.bmp"), 1);

    // A bitmap without its own resolution takes the default; no aspect: natural width.
    MoxSetPictureType(doc_, 255);
    MoxDefaultBitmapDPI(doc_, 48, 48);
    MoxKeepBitmapAspect(doc_, 0);
    const std::string file = Bitmap("plain.bmp", 48, 48, 0);
    MoxPicture(doc_, 0, 0, MOX_FREE, 100, file.c_str(), 0);
    EXPECT_EQ(Width(LastPicture().rect), 254);
}

TEST_F(PictureApi, AStoredPictureIsDrawnAfterTheReportFileIsReadBack)
{
    const std::string dib = MakePackedDib(10, 10, 24, 96, [](int, int) { return kRed; });
    MoxPictureDIB(doc_, 500, 500, 1500, 1500, dib.data(), 0);
    const std::string report = folder_.Path("pictures.mox");
    ASSERT_EQ(MoxWriteDoc(doc_, report.c_str()), 1);

    HMOXDOC read = MoxOpenDoc(nullptr, "read", 0);
    ASSERT_EQ(MoxReadDoc(read, report.c_str()), 1);
    MoxGotoPage(read, MoxGetPageCount(read));
    const QImage image = RenderPageImage(read->CurrentPage(), 25.4); // 1 pixel = 1 mm
    EXPECT_EQ(image.pixel(100, 100), kRed);
    EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 255));
    MoxCloseDoc(read);
}

} // namespace
