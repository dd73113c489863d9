// Bookmarks (the outline), page destinations, link rectangles and web links: the dictionaries
// the writer produces, and the outline as a PDF reader sees it.
#include "pdf/DocPDF.h"
#include "tests/pdf/PdfFileChecks.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>

namespace {

// The outline read back by qpdf: title, page (from 1) and the children of each item.
std::string OutlineAsReadBack(const std::string& path)
{
    const ToolRun run =
        RunTool("qpdf", {"--json", "--json-key=outlines", QString::fromStdString(path)});
    const QJsonArray items =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.output)).object()["outlines"].toArray();
    std::function<std::string(const QJsonArray&)> describe = [&](const QJsonArray& level) {
        std::string text;
        for (const QJsonValue& value : level) {
            const QJsonObject item = value.toObject();
            text += "[" + item["title"].toString().toStdString() + " p" +
                    std::to_string(item["destpageposfrom1"].toInt());
            if (!item["kids"].toArray().isEmpty())
                text += " " + describe(item["kids"].toArray());
            text += "]";
        }
        return text;
    };
    return describe(items);
}

}  // namespace

TEST(PdfOutline, ItemsAreChainedToTheirParentAndSiblingsAndCounted)
{
    TempFolder folder;
    CDocPDF document;
    IPagePDF* page = document.GetPages()->AddPage(612, 792);                   // 6
    IBookmarkPDF* root = document.CreateBookmark();                              // 7
    EXPECT_EQ(document.CreateBookmark(), root) << "one outline root per document";
    root->AddChild("One", page, 0, 792, 0.0f, 0x0000FF, 2);                      // action 8, item 9
    IBookmarkPDF* two = root->AddChild("Two", page->GetDestination(), 0, 0);     // 10, 11
    two->AddChild("Two.1", page, 10, 500, 1.5f, 0xFF0000, 1);                    // 12, 13
    root->AddChild("Three", document.CreateHLink("https://example.org/"), 0, 0);  // 14, 15
    const std::string file = SaveAndCheck(document, folder);

    EXPECT_TRUE(Contains(ObjectText(file, 1), "/Outlines 7 0 R\r\n"));
    EXPECT_EQ(ObjectText(file, 7),
              "7 0 obj\r\n<<\r\n/Count 4\r\n/First 9 0 R\r\n/Last 15 0 R\r\n/Type /Outlines\r\n"
              ">>\r\nendobj\r\n")
        << "every item is open, so the root counts all four";
    EXPECT_EQ(ObjectText(file, 9),
              "9 0 obj\r\n<<\r\n/A 8 0 R\r\n/C [ 1.000000 0.000000 0.000000 ]\r\n/Count 0\r\n"
              "/F 2\r\n/Next 11 0 R\r\n/Parent 7 0 R\r\n/Title (One)\r\n>>\r\nendobj\r\n");
    EXPECT_EQ(ObjectText(file, 11),
              "11 0 obj\r\n<<\r\n/A 10 0 R\r\n/C [ 0.000000 0.000000 0.000000 ]\r\n/Count 1\r\n"
              "/F 0\r\n/First 13 0 R\r\n/Last 13 0 R\r\n/Next 15 0 R\r\n/Parent 7 0 R\r\n"
              "/Prev 9 0 R\r\n/Title (Two)\r\n>>\r\nendobj\r\n");
    EXPECT_TRUE(Contains(ObjectText(file, 13), "/C [ 0.000000 0.000000 1.000000 ]\r\n/Count 0\r\n/F 1\r\n"));
    EXPECT_TRUE(Contains(ObjectText(file, 13), "/Parent 11 0 R\r\n"));
    EXPECT_FALSE(Contains(ObjectText(file, 15), "/Next"));
    EXPECT_EQ(ObjectText(file, 8),
              "8 0 obj\r\n<<\r\n/D [ 6 0 R /XYZ 0 792 0.000000 ]\r\n/S /GoTo\r\n/Type /Action\r\n"
              ">>\r\nendobj\r\n");
    EXPECT_TRUE(Contains(ObjectText(file, 12), "/D [ 6 0 R /XYZ 10 500 1.500000 ]\r\n"));

    EXPECT_EQ(OutlineAsReadBack(folder.Path("out.pdf")), "[One p1][Two p1 [Two.1 p1]][Three p0]");
}

TEST(PdfOutline, TitlesWithAccentsAndTypographicMarksReadBackUnchanged)
{
    TempFolder folder;
    CDocPDF document;
    IPagePDF* page = document.GetPages()->AddPage(612, 792);
    const std::string title = "Caf\xC3\xA9 \xE2\x80\x93 \xE2\x80\x9C" "M\xC3\xBC" "ller\xE2\x80\x9D 5 \xE2\x82\xAC";
    document.CreateBookmark()->AddChild(title.c_str(), page, 0, 792, 0.0f, 0, 0);
    SaveAndCheck(document, folder);
    EXPECT_EQ(OutlineAsReadBack(folder.Path("out.pdf")), "[" + title + " p1]");
}

TEST(PdfOutline, AnItemWithoutATargetHasNoAction)
{
    TempFolder folder;
    CDocPDF document;
    document.GetPages()->AddPage(612, 792);
    IBookmarkPDF* root = document.CreateBookmark();
    EXPECT_EQ(root->AddChild("Nowhere", static_cast<IPagePDF*>(nullptr), 0, 0, 0.0f, 0, 0), nullptr);
    ASSERT_NE(root->AddChild("Heading", static_cast<IDestLinkPDF*>(nullptr), 0, 0), nullptr);
    const std::string file = SaveAndCheck(document, folder);
    EXPECT_FALSE(Contains(ObjectText(file, 8), "/A "));
    EXPECT_TRUE(Contains(ObjectText(file, 8), "/Title (Heading)"));
}

TEST(PdfLinks, APageDestinationShowsTheTopOfThePageAndIsMadeOnce)
{
    TempFolder folder;
    CDocPDF document;
    IPagePDF* page = document.GetPages()->AddPage(300, 500);
    IDestLinkPDF* destination = page->GetDestination();
    EXPECT_EQ(page->GetDestination(), destination);
    const std::string file = SaveAndCheck(document, folder);
    // The top of a page is its height (500), not its width.
    EXPECT_EQ(ObjectText(file, 7),
              "7 0 obj\r\n<<\r\n/D [ 6 0 R /XYZ 0 500 0.000000 ]\r\n/S /GoTo\r\n/Type /Action\r\n"
              ">>\r\nendobj\r\n");
    EXPECT_EQ(ObjectText(file, 8), "") << "no second destination";
}

TEST(PdfLinks, ALinkedRectangleGetsAnAnnotationOverIt)
{
    TempFolder folder;
    CDocPDF document;
    IPagePDF* first = document.GetPages()->AddPage(612, 792);                       // 6
    IPagePDF* second = document.GetPages()->AddPage(612, 792);                      // 7
    IDestLinkPDF* web = document.CreateHLink("https://example.org/caf\xC3\xA9");    // 8
    first->DrawRect(0, 0xFFFFFF, 53, 100, 92, 20, web);                             // 9, 10, link 11
    first->DrawRect(0, 0xFFFFFF, RectPDF{10, 10, 30, 40}, second->GetDestination());  // action 12; 13, 14, link 15
    const std::string file = SaveAndCheck(document, folder);

    EXPECT_TRUE(Contains(ObjectText(file, 6), "/Annots [ 11 0 R 15 0 R ]\r\n"));
    EXPECT_EQ(ObjectText(file, 11),
              "11 0 obj\r\n<<\r\n/A 8 0 R\r\n/Border [ 0 0 0 ]\r\n/H /N\r\n/Rect [ 53 100 145 120 ]\r\n"
              "/Subtype /Link\r\n/Type /Annot\r\n>>\r\nendobj\r\n");
    EXPECT_TRUE(Contains(ObjectText(file, 15), "/A 12 0 R\r\n"));
    EXPECT_TRUE(Contains(ObjectText(file, 15), "/Rect [ 10 10 30 40 ]\r\n"));
    EXPECT_TRUE(Contains(ObjectText(file, 12), "/D [ 7 0 R /XYZ 0 792 0.000000 ]"));
    EXPECT_EQ(ObjectText(file, 8),
              "8 0 obj\r\n<<\r\n/S /URI\r\n/Type /Action\r\n/URI (https://example.org/caf%C3%A9)\r\n"
              ">>\r\nendobj\r\n");
    // The go-to action is written after the page it shows, the web link after everything.
    EXPECT_LT(file.find("7 0 obj\r\n"), file.find("12 0 obj\r\n"));
    EXPECT_GT(file.find("8 0 obj\r\n"), file.find("5 0 obj\r\n"));
}

TEST(PdfLinks, ObjectsOfAnotherDocumentAreNeverReferenced)
{
    CDocPDF other;
    IPagePDF* otherPage = other.GetPages()->AddPage(612, 792);
    IStringPDF* otherRun = other.CreateString(tpStandartFont::Courier, 12, 0, "elsewhere", 0, 0);

    TempFolder folder;
    CDocPDF document;
    IPagePDF* page = document.GetPages()->AddPage(612, 792);          // 6
    page->AddString(otherRun);
    page->DrawRect(0, 0, 0, 0, 10, 10, otherPage->GetDestination());  // 7, 8
    IBookmarkPDF* root = document.CreateBookmark();                    // 9
    EXPECT_EQ(root->AddChild("Other page", otherPage, 0, 0, 0.0f, 0, 0), nullptr);
    root->AddChild("Other destination", other.CreateHLink("https://example.org/"), 0, 0);  // 10
    const std::string file = SaveAndCheck(document, folder);

    EXPECT_TRUE(Contains(ObjectText(file, 6), "/Contents [ 7 0 R ]\r\n")) << "only the rectangle";
    EXPECT_FALSE(Contains(ObjectText(file, 6), "/Annots"));
    EXPECT_FALSE(Contains(ObjectText(file, 6), "/Font"));
    EXPECT_FALSE(Contains(ObjectText(file, 10), "/A "));
    EXPECT_TRUE(ReadXref(file).faults.empty());
}
