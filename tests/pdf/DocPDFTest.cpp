// The document interface: the bytes of whole files, the fixed objects, text runs, rectangles,
// fonts, information and viewer settings, and saving safely.
#include "pdf/DocPDF.h"
#include "pdf/FontObj.h"
#include "tests/pdf/PdfFileChecks.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

namespace {

// A page of US Letter size in points.
constexpr int kWidth = 612;
constexpr int kHeight = 792;

// The text of the trailer dictionary.
std::string TrailerOf(const std::string& file)
{
    const size_t start = file.find("trailer\r\n");
    const size_t end = file.find("startxref", start);
    return start == std::string::npos ? std::string() : file.substr(start, end - start);
}

}  // namespace

// ---- Whole files -----------------------------------------------------------------------------

TEST(PdfDocument, AnEmptyPageGivesExactlyTheseBytes)
{
    // Worked out by hand from the file layout: objects 1 to 5 are made by the document, 6 is
    // the page; the page is written before the Pages object; offsets start after the 10-byte
    // header.
    const std::string expected =
        "%PDF-1.2\r\n"
        "1 0 obj\r\n<<\r\n/Pages 5 0 R\r\n/Type /Catalog\r\n>>\r\nendobj\r\n"      // 10, 55 bytes
        "2 0 obj\r\n<<\r\n>>\r\nendobj\r\n"                                       // 65, 25
        "3 0 obj\r\n<<\r\n>>\r\nendobj\r\n"                                       // 90, 25
        "4 0 obj\r\n[ /PDF /ImageC ]\r\nendobj\r\n"                               // 115, 35
        "6 0 obj\r\n<<\r\n/MediaBox [ 0 0 612 792 ]\r\n/Parent 5 0 R\r\n"         // 150, 115
        "/Resources <<\r\n/ProcSet 4 0 R\r\n>>\r\n/Type /Page\r\n>>\r\nendobj\r\n"
        "5 0 obj\r\n<<\r\n/Count 1\r\n/Kids [ 6 0 R ]\r\n/MediaBox [ 0 0 612 792 ]\r\n"  // 265, 93
        "/Type /Pages\r\n>>\r\nendobj\r\n"
        "xref\r\n0 7\r\n"                                                         // 358
        "0000000000 65535 f\r\n"
        "0000000010 00000 n\r\n"
        "0000000065 00000 n\r\n"
        "0000000090 00000 n\r\n"
        "0000000115 00000 n\r\n"
        "0000000265 00000 n\r\n"
        "0000000150 00000 n\r\n"
        "trailer\r\n<<\r\n/Root 1 0 R\r\n/Size 7\r\n>>\r\n"
        "startxref\r\n358\r\n%%EOF";

    TempFolder folder;
    CDocPDF document;
    document.GetPages()->AddPage(kWidth, kHeight);
    EXPECT_EQ(SaveAndCheck(document, folder), expected);
}

TEST(PdfDocument, TheCrossReferenceTableMatchesTheBytesOfAFullDocument)
{
    TempFolder folder;
    CDocPDF document;
    document.AddInfo(tpInfoString::Title, "Report");
    document.SetViewPageSettings(tpVewPageSettings::FitWindow, true);
    for (int pageIndex = 0; pageIndex < 3; ++pageIndex) {
        IPagePDF* page = document.GetPages()->AddPage(300, 400);
        for (int row = 0; row < 5; ++row) {
            page->DrawRect(0, 0xC8C8C8, 53, 40 * row, 92, 20, page->GetDestination());
            const auto font = static_cast<tpStandartFont>((pageIndex * 5 + row) % 12);
            page->AddString(document.CreateString(font, 12, 0, "cell", 57, 40 * row + 4));
        }
    }
    document.CreateBookmark()->AddChild("First", document.GetPages()->GetPage(0), 0, 400, 0, 0, 0);
    document.CreateHLink("https://example.org/");

    const std::string file = SaveAndCheck(document, folder);
    const XrefReading xref = ReadXref(file);
    EXPECT_TRUE(xref.faults.empty()) << ::testing::PrintToString(xref.faults);
    EXPECT_TRUE(Contains(TrailerOf(file), "/Size " + std::to_string(xref.offsets.size())));
}

TEST(PdfDocument, AnotherDocumentInTheSameRunIsNumberedFromOneAgain)
{
    TempFolder folder;
    CDocPDF first;
    IPagePDF* page = first.GetPages()->AddPage(kWidth, kHeight);
    page->AddString(first.CreateString(tpStandartFont::Helvetica, 10, 0, "x", 0, 0));
    SaveAndCheck(first, folder, "first.pdf");

    CDocPDF second;  // while the first one still exists
    second.GetPages()->AddPage(kWidth, kHeight);
    const std::string file = SaveAndCheck(second, folder, "second.pdf");
    EXPECT_EQ(file.compare(10, 9, "1 0 obj\r\n"), 0) << "the catalog comes first as object 1";
    const XrefReading xref = ReadXref(file);
    EXPECT_TRUE(xref.faults.empty()) << ::testing::PrintToString(xref.faults);
    EXPECT_EQ(xref.offsets.size(), 7u) << "objects 1 to 6 and the free entry";
}

TEST(PdfDocument, ADocumentWithoutPagesIsStillAValidFile)
{
    TempFolder folder;
    CDocPDF document;
    const std::string file = SaveAndCheck(document, folder);
    EXPECT_EQ(ObjectText(file, 1), "1 0 obj\r\n<<\r\n/Pages 5 0 R\r\n/Type /Catalog\r\n>>\r\nendobj\r\n");
    EXPECT_EQ(ObjectText(file, 5),
              "5 0 obj\r\n<<\r\n/Count 0\r\n/Kids [ ]\r\n/Type /Pages\r\n>>\r\nendobj\r\n");
}

// ---- Pages, text runs and rectangles ---------------------------------------------------------

TEST(PdfDocument, AnUntouchedPageHasNoContentsAndTheProcSetOnlyPdfAndImageC)
{
    TempFolder folder;
    CDocPDF document;
    document.GetPages()->AddPage(kWidth, kHeight);
    const std::string file = SaveAndCheck(document, folder);
    EXPECT_FALSE(Contains(ObjectText(file, 6), "/Contents"));
    EXPECT_EQ(ObjectText(file, 4), "4 0 obj\r\n[ /PDF /ImageC ]\r\nendobj\r\n");
}

TEST(PdfDocument, ACourierRunAsTheFirstFontIsWrittenWithF1)
{
    TempFolder folder;
    CDocPDF document;
    IPagePDF* page = document.GetPages()->AddPage(kWidth, kHeight);
    page->AddString(document.CreateString(tpStandartFont::Courier, 12, 0x000000, "abc", 57, 24));
    const std::string file = SaveAndCheck(document, folder);

    // 6 the page, 7 and 8 the font and its encoding, 9 the content, 10 its length, 11 the
    // page's fonts.
    const std::string content = "BT\r\n57 24 Td\r\n0.000000 0.000000 0.000000 rg\r\n/F1 12 Tf\r\n"
                                "(abc) Tj\r\nET";
    EXPECT_EQ(StreamOf(file, 9), content);
    EXPECT_EQ(ObjectText(file, 10), "10 0 obj\r\n68\r\nendobj\r\n");
    EXPECT_EQ(ObjectText(file, 7),
              "7 0 obj\r\n<<\r\n/BaseFont /Courier\r\n/Encoding 8 0 R\r\n/Name /F1\r\n"
              "/Subtype /Type1\r\n/Type /Font\r\n>>\r\nendobj\r\n");
    EXPECT_EQ(ObjectText(file, 8),
              "8 0 obj\r\n<<\r\n/BaseEncoding /WinAnsiEncoding\r\n/Type /Encoding\r\n>>\r\nendobj\r\n");
    EXPECT_EQ(ObjectText(file, 11), "11 0 obj\r\n<<\r\n/F1 7 0 R\r\n>>\r\nendobj\r\n");
    EXPECT_EQ(ObjectText(file, 6),
              "6 0 obj\r\n<<\r\n/Contents [ 9 0 R ]\r\n/MediaBox [ 0 0 612 792 ]\r\n"
              "/Parent 5 0 R\r\n/Resources <<\r\n/Font 11 0 R\r\n/ProcSet 4 0 R\r\n>>\r\n"
              "/Type /Page\r\n>>\r\nendobj\r\n");
    EXPECT_EQ(ObjectText(file, 4), "4 0 obj\r\n[ /PDF /ImageC /Text ]\r\nendobj\r\n");
}

TEST(PdfDocument, TextWithAParenthesisIsEscapedInTheContent)
{
    TempFolder folder;
    CDocPDF document;
    IPagePDF* page = document.GetPages()->AddPage(kWidth, kHeight);
    page->AddString(document.CreateString(tpStandartFont::TimesRoman, 10, 0, "a(b", 0, 0));
    EXPECT_TRUE(Contains(StreamOf(SaveAndCheck(document, folder), 9), "(a\\(b) Tj\r\n"));
}

TEST(PdfDocument, ARunWithSeveralPiecesNamesEachOfItsFontsOnThePage)
{
    TempFolder folder;
    CDocPDF document;
    IPagePDF* page = document.GetPages()->AddPage(kWidth, kHeight);
    IStringPDF* run = document.CreateString(tpStandartFont::TimesBold, 14, 0x0000FF, "Red ", 10, 20);
    run->AddText(tpStandartFont::HelveticaOblique, 9, 0xFF0000, "blue");
    page->AddString(run);
    const std::string file = SaveAndCheck(document, folder);

    // Fonts 7/8 (F1) and 9/10 (F2); the content is 11, its length 12, the page's fonts 13.
    EXPECT_EQ(StreamOf(file, 11),
              "BT\r\n10 20 Td\r\n1.000000 0.000000 0.000000 rg\r\n/F1 14 Tf\r\n(Red ) Tj\r\n"
              "0.000000 0.000000 1.000000 rg\r\n/F2 9 Tf\r\n(blue) Tj\r\nET");
    EXPECT_EQ(ObjectText(file, 13), "13 0 obj\r\n<<\r\n/F1 7 0 R\r\n/F2 9 0 R\r\n>>\r\nendobj\r\n");
    EXPECT_TRUE(Contains(ObjectText(file, 9), "/BaseFont /Helvetica-Oblique\r\n"));
}

TEST(PdfDocument, ARectangleIsStrokedAndFilledInItsColours)
{
    TempFolder folder;
    CDocPDF document;
    IPagePDF* page = document.GetPages()->AddPage(kWidth, kHeight);
    page->DrawRect(0x000000, 0xC8C8C8, RectPDF{53, 100, 145, 120});
    const std::string file = SaveAndCheck(document, folder);
    EXPECT_EQ(StreamOf(file, 7),
              "0.000000 0.000000 0.000000 RG\r\n0.784314 0.784314 0.784314 rg\r\n"
              "53 100 92 20 re\r\nB\r\n");
    EXPECT_FALSE(Contains(ObjectText(file, 6), "/Annots")) << "no link, no annotation";
}

TEST(PdfDocument, ContentObjectsAreListedInTheOrderTheyWereAdded)
{
    TempFolder folder;
    CDocPDF document;
    IPagePDF* page = document.GetPages()->AddPage(kWidth, kHeight);
    page->DrawRect(0, 0, 0, 0, 10, 10);                                              // 7, 8
    page->AddString(document.CreateString(tpStandartFont::Courier, 8, 0, "a", 0, 0));  // font 9, 10; 11, 12; fonts 13
    page->DrawRect(0, 0, 0, 0, 10, 10);                                              // 14, 15
    const std::string file = SaveAndCheck(document, folder);
    EXPECT_TRUE(Contains(ObjectText(file, 6), "/Contents [ 7 0 R 11 0 R 14 0 R ]\r\n"));
    EXPECT_TRUE(Contains(ObjectText(file, 6), "/Font 13 0 R\r\n"));
}

TEST(PdfDocument, PagesAreCountedAndFoundByIndex)
{
    CDocPDF document;
    IPagesPDF* pages = document.GetPages();
    IPagePDF* first = pages->AddPage(100, 200);
    IPagePDF* second = pages->Add(300, 400);
    EXPECT_EQ(pages->GetCount(), 2);
    EXPECT_EQ(pages->GetPage(0), first);
    EXPECT_EQ(pages->GetPage(1), second);
    EXPECT_EQ(pages->GetPage(2), nullptr) << "an index equal to the count";
    EXPECT_EQ(pages->GetPage(-1), nullptr);

    TempFolder folder;
    const std::string file = SaveAndCheck(document, folder);
    EXPECT_EQ(ObjectText(file, 5),
              "5 0 obj\r\n<<\r\n/Count 2\r\n/Kids [ 6 0 R 7 0 R ]\r\n/MediaBox [ 0 0 100 200 ]\r\n"
              "/Type /Pages\r\n>>\r\nendobj\r\n")
        << "the tree's media box is the first page's";
    EXPECT_TRUE(Contains(ObjectText(file, 7), "/MediaBox [ 0 0 300 400 ]\r\n"));
}

// ---- Fonts and the ProcSet -------------------------------------------------------------------

TEST(PdfDocument, EachStandardFontIsMadeOnceAndNamedInOrderOfFirstUse)
{
    CDocPDF document;
    DOC_PDF::CFontObj* courier = document.FoundFont(tpStandartFont::Courier);
    DOC_PDF::CFontObj* times = document.FoundFont(tpStandartFont::TimesRoman);
    ASSERT_NE(courier, nullptr);
    EXPECT_EQ(document.FoundFont(tpStandartFont::Courier), courier);
    EXPECT_EQ(courier->Name(), "F1");
    EXPECT_EQ(times->Name(), "F2");
    EXPECT_EQ(document.FoundFont(static_cast<tpStandartFont>(12)), nullptr);
}

TEST(PdfDocument, EveryStandardFontHasItsBaseFontName)
{
    const char* names[] = {"Times-Roman", "Times-Italic", "Times-Bold", "Times-BoldItalic",
                           "Helvetica", "Helvetica-Oblique", "Helvetica-Bold",
                           "Helvetica-BoldOblique", "Courier", "Courier-Oblique", "Courier-Bold",
                           "Courier-BoldOblique"};
    for (int font = 0; font < 12; ++font)
        EXPECT_STREQ(DOC_PDF::StandardFontName(static_cast<tpStandartFont>(font)), names[font]);
}

TEST(PdfDocument, AProcSetNameIsAddedOnlyOnce)
{
    TempFolder folder;
    CDocPDF document;
    document.AddProcSet("PDF");
    document.AddProcSet("ImageB");
    document.AddProcSet("ImageB");
    document.GetPages()->AddPage(kWidth, kHeight);
    EXPECT_EQ(ObjectText(SaveAndCheck(document, folder), 4),
              "4 0 obj\r\n[ /PDF /ImageB /ImageC ]\r\nendobj\r\n");
}

// ---- Document information and viewer settings ------------------------------------------------

TEST(PdfDocument, ATrailerWithoutInformationHasOnlyRootAndSize)
{
    TempFolder folder;
    CDocPDF document;
    document.GetPages()->AddPage(kWidth, kHeight);
    EXPECT_EQ(TrailerOf(SaveAndCheck(document, folder)),
              "trailer\r\n<<\r\n/Root 1 0 R\r\n/Size 7\r\n>>\r\n");
}

TEST(PdfDocument, InformationEntriesAreStringsAndTheLastTextWins)
{
    TempFolder folder;
    CDocPDF document;
    document.AddInfo(tpInfoString::Title, "First title");
    document.AddInfo(tpInfoString::Title, "Tavrin report for Query Report - Stock");
    document.AddInfo(tpInfoString::Creator, "J. (Jo) Smith");
    std::tm created{};
    created.tm_year = 2024 - 1900;
    created.tm_mon = 2;
    created.tm_mday = 5;
    created.tm_hour = 14;
    created.tm_min = 7;
    created.tm_sec = 9;
    document.AddInfo(tpInfoDate::CreationDate, &created);
    document.GetPages()->AddPage(kWidth, kHeight);
    const std::string file = SaveAndCheck(document, folder);

    EXPECT_EQ(ObjectText(file, 2),
              "2 0 obj\r\n<<\r\n/CreationDate (D:20240305140709)\r\n/Creator (J. \\(Jo\\) Smith)\r\n"
              "/Title (Tavrin report for Query Report - Stock)\r\n>>\r\nendobj\r\n");
    EXPECT_EQ(TrailerOf(file), "trailer\r\n<<\r\n/Info 2 0 R\r\n/Root 1 0 R\r\n/Size 7\r\n>>\r\n");

    const ToolRun info = RunTool("pdfinfo", {QString::fromStdString(folder.Path("out.pdf"))});
    EXPECT_TRUE(Contains(info.output, "Creator:         J. (Jo) Smith")) << info.output;
}

TEST(PdfDocument, ADateOnlyWithAFourDigitYearIsWritten)
{
    TempFolder folder;
    CDocPDF document;
    std::tm farAway{};
    farAway.tm_year = 10000 - 1900;
    farAway.tm_mday = 1;
    document.AddInfo(tpInfoDate::ModDate, &farAway);
    document.AddInfo(tpInfoDate::CreationDate, nullptr);
    document.GetPages()->AddPage(kWidth, kHeight);
    const std::string file = SaveAndCheck(document, folder);
    EXPECT_EQ(ObjectText(file, 2), "2 0 obj\r\n<<\r\n>>\r\nendobj\r\n");
    EXPECT_FALSE(Contains(TrailerOf(file), "/Info"));
}

TEST(PdfDocument, ViewerSettingsGoIntoTheCatalogAndThePreferences)
{
    TempFolder folder;
    CDocPDF document;
    document.SetViewDocSettings(tpViewDocSettings::FullScreen);
    document.SetViewDocSettings(tpViewDocSettings::UseOutlines);
    document.SetViewPageSettings(tpVewPageSettings::HideToolBar, true);
    document.SetViewPageSettings(tpVewPageSettings::FitWindow, true);
    document.SetViewPageSettings(tpVewPageSettings::HideToolBar, false);
    document.GetPages()->AddPage(kWidth, kHeight);
    const std::string file = SaveAndCheck(document, folder);
    EXPECT_EQ(ObjectText(file, 1),
              "1 0 obj\r\n<<\r\n/PageMode /UseOutlines\r\n/Pages 5 0 R\r\n/Type /Catalog\r\n"
              "/ViewerPreferences 3 0 R\r\n>>\r\nendobj\r\n");
    EXPECT_EQ(ObjectText(file, 3),
              "3 0 obj\r\n<<\r\n/FitWindow true\r\n/HideToolBar false\r\n>>\r\nendobj\r\n");
}

// ---- Saving ----------------------------------------------------------------------------------

TEST(PdfDocumentSave, SavingTwiceWritesTheSameFileAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    CDocPDF document;
    IPagePDF* page = document.GetPages()->AddPage(kWidth, kHeight);
    page->AddString(document.CreateString(tpStandartFont::Courier, 12, 0, "same", 57, 24));
    const std::string first = SaveAndCheck(document, folder, "a.pdf");
    const std::string second = SaveAndCheck(document, folder, "b.pdf");
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first, second);
    EXPECT_EQ(FilesIn(folder.Root()), (std::vector<std::string>{"a.pdf", "b.pdf"}));
}

TEST(PdfDocumentSave, AnExistingFileIsReplacedWhole)
{
    TempFolder folder;
    const std::string path = folder.WriteFile("out.pdf", std::string(100000, 'x'));
    CDocPDF document;
    document.GetPages()->AddPage(kWidth, kHeight);
    const std::string file = SaveAndCheck(document, folder);
    EXPECT_EQ(file.compare(0, 8, "%PDF-1.2"), 0);
    EXPECT_EQ(file.find("xxxx"), std::string::npos) << "nothing of the old content is left";
    EXPECT_EQ(FilesIn(folder.Root()), std::vector<std::string>{"out.pdf"});
}

TEST(PdfDocumentSave, AFileThatCannotBeCreatedIsReportedAndNothingIsWritten)
{
    TempFolder folder;
    CDocPDF document;
    document.GetPages()->AddPage(kWidth, kHeight);
    EXPECT_FALSE(document.Save(folder.Path("missing/out.pdf").c_str()));
    EXPECT_FALSE(document.Save(""));
    EXPECT_FALSE(document.Save(nullptr));
    EXPECT_TRUE(FilesIn(folder.Root()).empty());
}

TEST(PdfDocumentSave, ATargetThatCannotBeReplacedIsLeftAsItWas)
{
    TempFolder folder;
    const std::string target = folder.Path("report.pdf");
    std::filesystem::create_directory(target);
    folder.WriteFile("report.pdf/keep.txt", "kept");
    CDocPDF document;
    document.GetPages()->AddPage(kWidth, kHeight);
    EXPECT_FALSE(document.Save(target.c_str()));
    EXPECT_EQ(ReadWholeFile(folder.Path("report.pdf/keep.txt")), "kept");
    EXPECT_EQ(FilesIn(folder.Root()), std::vector<std::string>{"report.pdf"}) << "no temporary file left";
}

TEST(PdfDocumentSave, AWriteThatFailsHalfwayLeavesTheOldFileAndReportsFalse)
{
    TempFolder folder;
    const std::string path = folder.WriteFile("out.pdf", "old report");
    CDocPDF document;
    IPagePDF* page = document.GetPages()->AddPage(kWidth, kHeight);
    for (int i = 0; i < 200; ++i)
        page->AddString(document.CreateString(tpStandartFont::Courier, 12, 0, "filler text", 0, i));

    // Files of this process may not grow beyond 4 KB for the duration of the save (the
    // document needs far more): the writes fail as on a full disk.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool result = document.Save(path.c_str());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result);
    EXPECT_EQ(ReadWholeFile(path), "old report");
    EXPECT_EQ(FilesIn(folder.Root()), std::vector<std::string>{"out.pdf"});
}
