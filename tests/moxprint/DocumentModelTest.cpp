// The document model behind the interface: page breaks with header and footer, the automatic
// page break, and what objects copy from the attribute block.
#include "moxprint.h"
#include "moxprint/core/MoxDocument.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct DocumentCloser {
    void operator()(MoxDocument* doc) const { MoxCloseDoc(doc); }
};
using Document = std::unique_ptr<MoxDocument, DocumentCloser>;

std::unique_ptr<MoxRunningText> RunningText(const std::string& text, MoxRect rect)
{
    auto running = std::make_unique<MoxRunningText>();
    running->prepared = std::make_unique<MoxTextObject>();
    running->prepared->rect = rect;
    running->text = text;
    return running;
}

const MoxTextObject& TextAt(MoxDocument& doc, size_t index)
{
    return static_cast<const MoxTextObject&>(*doc.CurrentPage().objects.at(index));
}

TEST(DocumentModel, PageBreakPlacesHeaderThenFooterAndStartsAtTheTopMargin)
{
    Document doc(MoxOpenDoc(nullptr, "model", 0));
    doc->header = RunningText("Page @PAGE of @PAGE", MoxRect{200, 100, 1900, 150});
    doc->footer = RunningText("Footer", MoxRect{200, 2800, 1900, 2850});
    MoxPageBreak(doc.get());
    MoxPageBreak(doc.get());
    ASSERT_EQ(doc->CurrentPage().objects.size(), 3u);  // marker, header, footer
    EXPECT_EQ(TextAt(*doc, 1).text, "Page 3 of @PAGE");  // only the first field
    EXPECT_EQ(TextAt(*doc, 1).rect.top, 100);
    EXPECT_EQ(TextAt(*doc, 2).text, "Footer");
    EXPECT_EQ(MoxGet(doc.get(), MOX_LAST_BOTTOM), 200);
}

TEST(DocumentModel, PlacingARunningTextKeepsTheLastPosition)
{
    Document doc(MoxOpenDoc(nullptr, "model", 0));
    MoxBox(doc.get(), 300, 300, 400, 400);
    const auto header = RunningText("Head", MoxRect{200, 100, 1900, 150});
    doc->PlaceRunningText(*header);
    EXPECT_EQ(MoxGet(doc.get(), MOX_LAST_TOP), 300);
    EXPECT_EQ(doc->CurrentPage().objects.size(), 3u);
}

TEST(DocumentModel, AutoPageBreakMovesToTheNextPageAndAppendsOnlyAfterTheLast)
{
    Document doc(MoxOpenDoc(nullptr, "model", 0));
    MoxPageBreak(doc.get());
    MoxGotoPage(doc.get(), 1);
    doc->AutoPageBreak();
    EXPECT_EQ(MoxGetCurrentPage(doc.get()), 2);
    EXPECT_EQ(MoxGetPageCount(doc.get()), 2);
    doc->AutoPageBreak();
    EXPECT_EQ(MoxGetCurrentPage(doc.get()), 3);
    EXPECT_EQ(MoxGetPageCount(doc.get()), 3);
}

TEST(DocumentModel, BoxesTakeTheirFillByBackgroundMode)
{
    struct Case {
        int mode;
        uint32_t fill, second;
        uint8_t hatch;
    };
    // Plain modes fill with the background and hatch colours; gradients with their two colours
    // and never hatch.
    const Case cases[] = {
        {MOX_BKG_OPAQUE, 0x00AA00, 0x0000BB, 2},
        {MOX_BKG_TRANSPARENT, 0x00AA00, 0x0000BB, 2},
        {MOX_BKG_GRADIENT_LINE, 0x111111, 0x222222, 255},
        {MOX_BKG_GRADIENT_ELLIPSE, 0x111111, 0x222222, 255},
    };
    for (const Case& c : cases) {
        MoxAttributes attributes;
        attributes.backgroundMode = uint8_t(c.mode);
        attributes.backgroundColor = 0x00AA00;
        attributes.hatchColor = 0x0000BB;
        attributes.hatchStyle = 2;
        attributes.gradientStartColor = 0x111111;
        attributes.gradientEndColor = 0x222222;
        attributes.gradientRotation = 2700;
        MoxBoxObject box(ObjectKind::Box);
        box.TakeBoxAttributes(attributes);
        EXPECT_EQ(box.fillColor, c.fill) << c.mode;
        EXPECT_EQ(box.secondColor, c.second) << c.mode;
        EXPECT_EQ(box.hatchStyle, c.hatch) << c.mode;
        EXPECT_EQ(box.frameFlags, 0x32) << c.mode;
    }
}

TEST(DocumentModel, TextObjectsCopyFontAndStyleAndIgnoreLaterChanges)
{
    Document doc(MoxOpenDoc(nullptr, "model", 0));
    MoxSetFont(doc.get(), "Times New Roman", 16);
    MoxSetFontAttr(doc.get(), MOX_ALIGN_RIGHT, 1, 0, 1, 1);
    MoxSetCharset(doc.get(), 238);
    auto text = std::make_unique<MoxTextObject>();
    text->TakeTextAttributes(doc->attributes);
    MoxSetFont(doc.get(), "Arial", 8);
    EXPECT_EQ(text->fontName.Text(), "Times New Roman");
    EXPECT_EQ(text->fontSize, 16);
    EXPECT_EQ(text->alignment, AlignRight);
    EXPECT_EQ(text->styleFlags, TextBold | TextItalic | TextStrikeOut);
    EXPECT_EQ(text->charset, 238);
    EXPECT_TRUE(text->fontName == FontName::Intern("Times New Roman"));
}

}  // namespace
