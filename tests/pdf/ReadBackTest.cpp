// Files the writer produces, read by external PDF tools: the page texts through pdftotext and
// the document information through pdfinfo, accented letters and the euro sign included.
#include "pdf/DocPDF.h"
#include "tests/pdf/PdfFileChecks.h"

#include <gtest/gtest.h>

namespace {

std::string PageText(const std::string& path, int page)
{
    const QString number = QString::number(page);
    return RunTool("pdftotext", {"-enc", "UTF-8", "-f", number, "-l", number,
                                 QString::fromStdString(path), "-"})
        .output;
}

}  // namespace

TEST(PdfReadBack, PageTextsComeBackInSeveralFontsWithAccentsAndTheEuroSign)
{
    const struct {
        const char* why;
        tpStandartFont font;
        const char* text;
    } cases[] = {
        {"Latin-1 letters", tpStandartFont::TimesRoman, "Caf\xC3\xA9 M\xC3\xBCller \xC3\x85sa"},
        {"the euro sign sits in the Windows-1252 block", tpStandartFont::Helvetica,
         "Price 12,50 \xE2\x82\xAC"},
        {"typographic quotes and a dash", tpStandartFont::CourierBold,
         "\xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x80\x93 done"},
        {"delimiters of PDF strings", tpStandartFont::TimesBoldItalic, "a(b) c\\d"},
    };

    TempFolder folder;
    CDocPDF document;
    IPagePDF* page = document.GetPages()->AddPage(612, 792);
    int y = 700;
    for (const auto& c : cases) {
        page->AddString(document.CreateString(c.font, 14, 0x000000, c.text, 72, y));
        y -= 40;
    }
    SaveAndCheck(document, folder);

    const std::string text = PageText(folder.Path("out.pdf"), 1);
    for (const auto& c : cases)
        EXPECT_TRUE(Contains(text, c.text)) << c.why << "\n" << text;
}

TEST(PdfReadBack, ACharacterOutsideTheFontsEncodingShowsAsAQuestionMark)
{
    TempFolder folder;
    CDocPDF document;
    IPagePDF* page = document.GetPages()->AddPage(612, 792);
    page->AddString(document.CreateString(tpStandartFont::Helvetica, 12, 0,
                                          "Item \xE4\xB8\xAD here \xF0\x9F\x98\x80 end", 72,
                                          700));
    SaveAndCheck(document, folder);
    EXPECT_TRUE(Contains(PageText(folder.Path("out.pdf"), 1), "Item ? here ? end"));
}

TEST(PdfReadBack, EachPageHoldsItsOwnTableCells)
{
    TempFolder folder;
    CDocPDF document;
    for (int pageNumber = 1; pageNumber <= 3; ++pageNumber) {
        IPagePDF* page = document.GetPages()->AddPage(400, 300);
        for (int row = 0; row < 4; ++row) {
            const int bottom = 250 - 20 * row;
            page->DrawRect(0x000000, 0xC8C8C8, 53, bottom, 92, 20);
            const std::string cell = "p" + std::to_string(pageNumber) + "r" + std::to_string(row);
            page->AddString(document.CreateString(tpStandartFont::Courier, 12, 0, cell.c_str(), 57,
                                                  bottom + 4));
        }
    }
    SaveAndCheck(document, folder);

    const ToolRun info = RunTool("pdfinfo", {QString::fromStdString(folder.Path("out.pdf"))});
    EXPECT_TRUE(Contains(info.output, "Pages:           3\n")) << info.output;
    for (int pageNumber = 1; pageNumber <= 3; ++pageNumber) {
        const std::string text = PageText(folder.Path("out.pdf"), pageNumber);
        const std::string own = "p" + std::to_string(pageNumber) + "r3";
        const std::string other = "p" + std::to_string(pageNumber % 3 + 1) + "r0";
        EXPECT_TRUE(Contains(text, own)) << text;
        EXPECT_FALSE(Contains(text, other)) << text;
    }
}

TEST(PdfReadBack, InformationStringsComeBackWithAccentsAndTypographicMarks)
{
    TempFolder folder;
    CDocPDF document;
    const std::string title = "Tavrin report for Query Report - Caf\xC3\xA9 \xE2\x80\x93 "
                              "\xE2\x80\x9C" "5 \xE2\x82\xAC\xE2\x80\x9D";
    document.AddInfo(tpInfoString::Title, title.c_str());
    document.AddInfo(tpInfoString::Author, "J\xC3\xBCrgen");
    document.GetPages()->AddPage(612, 792);
    SaveAndCheck(document, folder);

    const ToolRun info =
        RunTool("pdfinfo", {"-enc", "UTF-8", QString::fromStdString(folder.Path("out.pdf"))});
    EXPECT_TRUE(Contains(info.output, "Title:           " + title + "\n")) << info.output;
    EXPECT_TRUE(Contains(info.output, "Author:          J\xC3\xBCrgen\n")) << info.output;
}
