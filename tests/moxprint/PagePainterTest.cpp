// Painting pages onto images: what each kind of object leaves on the page, visibility for the
// preview and the printer, and a sample page saved as PNG under the build folder for a person to
// look at (moxprint-sample-page.png).
#include "moxprint.h"
#include "moxprint/core/MoxDocument.h"
#include "moxprint/core/PagePainter.h"

#include "PictureFixtures.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

constexpr double kOnePixelPerTenth = 254; // dots per inch at which 1 pixel = 0.1 mm

class PagePainter : public ::testing::Test {
protected:
    void SetUp() override { doc_ = MoxOpenDoc(nullptr, "paint", 0); ASSERT_TRUE(doc_); }
    void TearDown() override { MoxCloseDoc(doc_); }
    QImage Page() { return RenderPageImage(doc_->CurrentPage(), kOnePixelPerTenth); }
    static int DarkPixels(const QImage& image, QRect area)
    {
        int dark = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    ++dark;
        return dark;
    }
    HMOXDOC doc_ = nullptr;
};

TEST_F(PagePainter, BoxesAreFilledByTheirModeAndFramedByThePen)
{
    MoxSetBkgMode(doc_, MOX_BKG_OPAQUE);
    MoxSetBkgColor(doc_, 0x0000FF); // red
    MoxSetPen(doc_, 10, 0, 0x000000);
    MoxBox(doc_, 100, 100, 300, 300);
    MoxSetBkgMode(doc_, MOX_BKG_TRANSPARENT);
    MoxBox(doc_, 400, 100, 600, 300);
    const QImage image = Page();
    EXPECT_EQ(image.pixel(200, 200), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(100, 200), qRgb(0, 0, 0));       // the frame
    EXPECT_EQ(image.pixel(500, 200), qRgb(255, 255, 255)); // transparent: nothing inside
    EXPECT_EQ(image.pixel(400, 200), qRgb(0, 0, 0));
}

TEST_F(PagePainter, GradientsRunFromTheStartToTheEndColour)
{
    MoxSetBkgGradientStartColor(doc_, 0x000000);
    MoxSetBkgGradientEndColor(doc_, 0xFFFFFF);
    MoxNoPen(doc_);
    MoxSetBkgMode(doc_, MOX_BKG_GRADIENT_LINE);
    MoxBox(doc_, 100, 100, 1100, 200);
    MoxSetBkgMode(doc_, MOX_BKG_GRADIENT_ELLIPSE);
    MoxBox(doc_, 100, 300, 500, 700);
    const QImage image = Page();
    EXPECT_LT(qGray(image.pixel(110, 150)), 40);  // start colour at the left
    EXPECT_GT(qGray(image.pixel(1090, 150)), 215); // end colour at the right
    EXPECT_GT(qGray(image.pixel(300, 500)), 215);  // ellipse: end colour in the middle
    EXPECT_LT(qGray(image.pixel(110, 310)), 40);   // start colour at the edge

    PaintOptions solid;
    solid.printer = true;
    solid.gradientPrintMode = 2;
    solid.gradientSolidColor = 0x0000FF;
    QImage printed(1200, 800, QImage::Format_RGB32);
    printed.fill(Qt::white);
    QPainter painter(&printed);
    PaintPage(painter, doc_->CurrentPage(), DeviceConversion::For(254, 254, 1.0), solid);
    painter.end();
    EXPECT_EQ(printed.pixel(600, 150), qRgb(255, 0, 0)); // printed as the solid colour
}

TEST_F(PagePainter, HiddenObjectsAreSkippedForTheirTarget)
{
    MoxSetPen(doc_, 20, 0, 0);
    doc_->attributes.visibility = MOX_HIDE_IN_PREVIEW;
    MoxLine(doc_, 100, 100, 900, 100);
    doc_->attributes.visibility = MOX_HIDE_IN_PRINT;
    MoxLine(doc_, 100, 300, 900, 300);
    const QImage preview = Page();
    EXPECT_EQ(preview.pixel(500, 100), qRgb(255, 255, 255));
    EXPECT_EQ(preview.pixel(500, 300), qRgb(0, 0, 0));

    QImage printed(1000, 400, QImage::Format_RGB32);
    printed.fill(Qt::white);
    QPainter painter(&printed);
    PaintOptions printer;
    printer.printer = true;
    PaintPage(painter, doc_->CurrentPage(), DeviceConversion::For(254, 254, 1.0), printer);
    painter.end();
    EXPECT_EQ(printed.pixel(500, 100), qRgb(0, 0, 0));
    EXPECT_EQ(printed.pixel(500, 300), qRgb(255, 255, 255));
}

TEST_F(PagePainter, TextIsDrawnInsideItsRectangleAndAlignedByTheLayout)
{
    MoxSetFont(doc_, "Times New Roman", 24);
    MoxSetTextAlignment(doc_, MOX_ALIGN_RIGHT);
    MoxWrite(doc_, 200, 200, 1900, MOX_FREE, "Right");
    const QImage image = Page();
    const MoxRect r = doc_->CurrentPage().LastObject()->rect;
    EXPECT_GT(DarkPixels(image, QRect(1500, r.top, 400, r.bottom - r.top)), 200);
    EXPECT_EQ(DarkPixels(image, QRect(200, r.top, 1000, r.bottom - r.top)), 0);
    EXPECT_EQ(DarkPixels(image, QRect(200, r.bottom + 2, 1700, 200)), 0);
}

TEST_F(PagePainter, TextOfAFixedRectangleIsClippedToIt)
{
    std::string text;
    for (int i = 0; i < 20; ++i)
        text += "Many lines of text\n";
    MoxWrite(doc_, 200, 200, 1000, 300, text.c_str());
    const QImage image = Page();
    EXPECT_GT(DarkPixels(image, QRect(200, 200, 800, 100)), 100);
    EXPECT_EQ(DarkPixels(image, QRect(200, 303, 800, 400)), 0);
}

TEST_F(PagePainter, RotatedTextRunsAlongTheVerticalEdge)
{
    MoxSetRotation(doc_, 900);
    MoxPrint(doc_, 200, 200, "Upwards text");
    const MoxRect r = doc_->CurrentPage().LastObject()->rect;
    EXPECT_GT(r.bottom - r.top, r.right - r.left); // the layout exchanged width and height
    const QImage image = Page();
    EXPECT_GT(DarkPixels(image, QRect(r.left, r.top, r.right - r.left, r.bottom - r.top)), 100);
}

TEST_F(PagePainter, ASamplePageWithEveryKindOfObjectIsSavedForViewing)
{
    MoxSetFont(doc_, "Times New Roman", 18);
    MoxSetBold(doc_, 1);
    MoxPrint(doc_, 200, 200, "Sample page of the print engine");
    MoxSetBold(doc_, 0);
    MoxSetFont(doc_, "Arial", 10);
    MoxSetTextAlignment(doc_, MOX_ALIGN_JUSTIFIED);
    MoxWriteBox(doc_, 200, MOX_LAST_BOTTOM, 1100, MOX_FREE,
                "A framed Arial text at ten points, justified: the words of every line but the "
                "last are spread so that the line fills the width of the frame exactly.");
    MoxSetTextAlignment(doc_, MOX_ALIGN_LEFT);
    MoxPrint(doc_, 1200, 330, "[N 'Courier New' S 12 I C DkBlue]Courier New, italic, 12 pt");
    MoxPrint(doc_, 1200, 420, "[N U ST C Red]Underlined and struck out");

    MoxSetPen(doc_, 5, 0, 0x000000);
    MoxSetBkgMode(doc_, MOX_BKG_OPAQUE);
    MoxSetBkgColor(doc_, 0x00F2F2);
    MoxBox(doc_, 200, 800, 600, 1100);
    MoxSetBkgMode(doc_, MOX_BKG_TRANSPARENT);
    MoxSetHatchStyle(doc_, 5);
    MoxSetHatchColor(doc_, 0x808080);
    MoxBox(doc_, 700, 800, 1100, 1100);
    MoxSetHatchStyle(doc_, 255);
    MoxSetBkgGradientStartColor(doc_, 0xFFFF00);
    MoxSetBkgGradientEndColor(doc_, 0x800000);
    MoxSetBkgMode(doc_, MOX_BKG_GRADIENT_LINE);
    MoxBox(doc_, 1200, 800, 1900, 1100);
    MoxSetBkgMode(doc_, MOX_BKG_GRADIENT_ELLIPSE);
    MoxEllipse(doc_, 200, 1200, 800, 1600);
    MoxSetBkgMode(doc_, MOX_BKG_OPAQUE);
    MoxSetBkgColor(doc_, 0x00C000);
    MoxPie(doc_, 900, 1200, 1300, 1600, 0, 900);
    MoxSetPenStyle(doc_, 1);
    MoxSetPenColor(doc_, 0x0000C0);
    MoxLine(doc_, 200, 1700, 1900, 1700);
    MoxSetPenStyle(doc_, 0);
    MoxSetPenColor(doc_, 0);
    MoxLine(doc_, 200, 1750, 1900, 1850);

    const std::string dib = MakePackedDib(64, 32, 24, 96, [](int x, int y) {
        return qRgb(x * 4, y * 8, 255 - x * 4);
    });
    MoxPictureDIB(doc_, 1400, 1200, 1900, MOX_FREE, dib.data(), 0);

    const QImage image = RenderPageImage(doc_->CurrentPage(), 150);
    const QString folder = qEnvironmentVariable("TAVRIN_BINARY_DIR", QDir::currentPath());
    const QString path = folder + "/moxprint-sample-page.png";
    ASSERT_TRUE(image.save(path)) << path.toStdString();
    // Spot checks at 150 dots per inch (0.1 mm = 150 / 254 pixels).
    const auto at = [&](int x, int y) { return image.pixel(x * 150 / 254, y * 150 / 254); };
    EXPECT_EQ(at(400, 950), qRgb(0xF2, 0xF2, 0x00)); // yellow box
    EXPECT_EQ(at(1200, 1300), qRgb(0, 0xC0, 0));     // the first quarter of the pie
    EXPECT_NE(at(1450, 1220), qRgb(255, 255, 255));  // the bitmap
}

} // namespace
