// The report CPDFExport builds from a result list: which rows and columns it takes, the page
// size, the positions of the title block and the table, the cell colours and the document
// information, each read back from the saved file.
#include "tests/reports/ExportFixture.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kGrey = 0xC8C8C8;
constexpr COLORREF kBlack = 0x000000;

// The exported columns of the fixture's query: Links, Place, Weight, Item.
constexpr int kLinksX = 53;
constexpr int kPlaceX = 53 + 47;            // Links: 5 characters ("Links")
constexpr int kWeightX = kPlaceX + 92;      // Place: 10 characters ("Münstertal")
constexpr int kItemX = kWeightX + 56;       // Weight: 6 characters ("Weight")

TEST_F(ExportTest, TheCheckedFormTakesTheCheckedRowsOnAPageSizedForTheWholeList)
{
    Run(QueryId());
    const int beta = View().FindRowOfItem(Dataset().ItemId("Beta"));
    View().SetChecked(beta, true);
    const struct {
        const char* why;
        bool allItems;
        std::vector<int> rows;
        std::vector<std::string> shown;
        std::vector<std::string> left;
    } cases[] = {
        {"all items: every row", true, {0, 1, 2}, {"Alpha", "Beta", "Gamma"}, {}},
        {"checked items: one row, the page still as high as three", false, {beta}, {"Beta"}, {"Alpha", "Gamma"}},
    };
    for (const auto& c : cases) {
        auto report = MakeReport(c.allItems);
        ASSERT_TRUE(report->Build()) << c.why;
        EXPECT_EQ(report->PageHeight(), 250) << c.why;  // 20 x 3 + 190
        EXPECT_EQ(report->ExportedRows(), c.rows) << c.why;
        const std::string file = Saved(*report, c.allItems ? "all.pdf" : "checked.pdf");
        EXPECT_TRUE(Contains(file, "/MediaBox [ 0 0 " + std::to_string(report->PageWidth()) + " 250 ]")) << c.why;
        const std::string text = PageText(Folder().Path(c.allItems ? "all.pdf" : "checked.pdf"));
        for (const std::string& shown : c.shown)
            EXPECT_TRUE(Contains(text, shown)) << c.why << ": " << shown << "\n" << text;
        for (const std::string& left : c.left)
            EXPECT_FALSE(Contains(text, left)) << c.why << ": " << left << "\n" << text;
    }
}

TEST_F(ExportTest, ColumnsAreAsWideAsTheirLongestTextAndThePageFollowsThem)
{
    Run(QueryId());
    auto report = MakeReport(true);
    ASSERT_TRUE(report->Build());
    // Links ("Links"), Place ("Münstertal", counted in characters, not bytes), Weight (its
    // title beats "12.3"), Item ("Alpha", "Gamma").
    EXPECT_EQ(report->ColumnUnits(), (std::vector<int>{5, 10, 6, 5}));
    EXPECT_EQ(CPDFExport::CellWidth(10), 92);
    // S = 26 + 4 columns; W = 9 x 30 - 15 + 80.
    EXPECT_EQ(report->PageWidth(), 335);
    const std::string file = Saved(*report);
    const int header = report->HeaderBottom();
    EXPECT_TRUE(Contains(file, CellBox(kGrey, kPlaceX, header, 92)));
    EXPECT_TRUE(Contains(file, CellBox(kGrey, kItemX, header, 47)));
}

TEST_F(ExportTest, APageNeverCutsOffTheTable)
{
    // One long text makes the table wider than the page the width rule gives.
    Run(QueryId());
    const int itemColumn = View().ColumnCount() - 1;
    View().SetCellText(0, itemColumn, std::string(60, 'x'));
    auto report = MakeReport(true);
    ASSERT_TRUE(report->Build());
    int right = CPDFExport::TableLeft();
    for (int units : report->ColumnUnits())
        right += CPDFExport::CellWidth(units);
    EXPECT_GE(report->PageWidth(), right);
    Saved(*report);
}

TEST_F(ExportTest, TheTitleBlockAndTheHeaderRowMoveDownForAPermutationName)
{
    Run(QueryId());
    const struct {
        const char* why;
        std::string permutationName;
        int producedBy;  // below the top
        int headerBottom;
    } cases[] = {
        {"without a name the Produced By line takes its place", "", 70, 110},
        {"with a name", "Heaviest first", 90, 130},
    };
    for (const auto& c : cases) {
        auto report = MakeReport(true, c.permutationName);
        ASSERT_TRUE(report->Build());
        const int h = report->PageHeight();
        const int middle = report->PageWidth() / 2;
        EXPECT_EQ(report->ProducedByY(), h - c.producedBy) << c.why;
        EXPECT_EQ(report->HeaderBottom(), h - c.headerBottom) << c.why;
        const std::string file = Saved(*report);
        EXPECT_TRUE(Contains(file, TextRun(middle - 30, h - 20, 0xFF0000, "F1", 24) + "Stock) Tj")) << c.why;
        EXPECT_TRUE(Contains(file, TextRun(middle - 70, h - 50, kBlack, "F1", 14) + "Permutation number: 2) Tj"))
            << c.why;
        EXPECT_EQ(Contains(file, TextRun(middle - 70, h - 70, kBlack, "F1", 14) + "Permutation name: Heaviest first) Tj"),
                  !c.permutationName.empty())
            << c.why;
        EXPECT_TRUE(Contains(file, TextRun(middle - 70, h - c.producedBy, kBlack, "F1", 14) +
                                       "Produced By: Ana Ruiz) Tj"))
            << c.why;
        EXPECT_TRUE(Contains(file, CellBox(kGrey, kLinksX, h - c.headerBottom, 47)));
        EXPECT_TRUE(Contains(file, TextRun(kLinksX + 4, h - c.headerBottom + 4, kBlack, "F2", 12) + "Links) Tj"));
        // The first data row lies right under the header row.
        EXPECT_TRUE(Contains(file, TextRun(kItemX + 4, h - c.headerBottom - 20 + 4, kBlack, "F2", 12) + "Alpha) Tj"))
            << c.why;
    }
}

TEST_F(ExportTest, CellsTakeTheirOwnColoursThenTheItemsThenTheColumnsThenTheDefaults)
{
    const COLORREF columnText = 0x112233, columnFill = 0x445566;
    const COLORREF itemText = 0x0A0B0C, itemFill = 0x7080F0;
    const COLORREF cellText = 0x00FF00, cellFill = 0x20E0A0;
    const COLORREF defaultText = 0x302010, defaultFill = 0xFAFBFC;
    const int alpha = Dataset().ItemId("Alpha");
    const int beta = Dataset().ItemId("Beta");
    const auto colours = [&](int type, int object, const std::string& more, COLORREF text, COLORREF fill) {
        Dataset().Exec("INSERT INTO Colors (OBJECT_TYPE, OBJECT_ID" + std::string(more.empty() ? "" : ", OBJECT_ID2, OBJECT_ID3") +
                       ", COLOR_FG, COLOR_BG) VALUES (" + std::to_string(type) + ", " + std::to_string(object) +
                       more + ", " + std::to_string(text) + ", " + std::to_string(fill) + ")");
    };
    colours(0, Dataset().ParameterId("Place"), "", columnText, columnFill);
    colours(2, alpha, "", itemText, itemFill);
    colours(4, beta, ", 2, " + std::to_string(QueryId()), cellText, cellFill);  // Beta's Place cell
    Run(QueryId());
    View().Changes().LoadCellColours(QueryId());
    View().SetDefaultColours(defaultFill, defaultText);
    auto report = MakeReport(true);
    ASSERT_TRUE(report->Build());
    const std::string file = Saved(*report);
    const auto bottomOf = [&](int item) { return report->HeaderBottom() - 20 * (View().FindRowOfItem(item) + 1); };
    const int gamma = Dataset().ItemId("Gamma");
    const struct {
        const char* why;
        int item;
        int x;
        int width;
        COLORREF text;
        COLORREF fill;
    } cases[] = {
        {"a cell's own colours", beta, kPlaceX, 92, cellText, cellFill},
        {"the item's colours over the column's", alpha, kPlaceX, 92, itemText, itemFill},
        {"the item's colours in every column", alpha, kItemX, 47, itemText, itemFill},
        {"the column's colours", gamma, kPlaceX, 92, columnText, columnFill},
        {"the defaults elsewhere", gamma, kWeightX, 56, defaultText, defaultFill},
        {"the defaults beside a coloured cell", beta, kWeightX, 56, defaultText, defaultFill},
    };
    for (const auto& c : cases) {
        const int bottom = bottomOf(c.item);
        EXPECT_TRUE(Contains(file, ColourOperands(kBlack) + " RG\r\n" + CellBox(c.fill, c.x, bottom, c.width)))
            << c.why;
        EXPECT_TRUE(Contains(file, TextRun(c.x + 4, bottom + 4, c.text, "F2", 12))) << c.why;
    }
}

TEST_F(ExportTest, TheDocumentNamesTheReportItsMakerAndTheDateAndOpensFitted)
{
    Run(QueryId());
    auto report = MakeReport(true);
    ASSERT_TRUE(report->Build());
    const std::string file = Saved(*report);
    const std::string info = ObjectText(file, 2);
    EXPECT_TRUE(Contains(info, "/Title (Tavrin report for Query Report - Stock)")) << info;
    EXPECT_TRUE(Contains(info, "/Creator (Ana Ruiz)")) << info;
    EXPECT_TRUE(Contains(info, "/CreationDate (D:20261211090507)")) << info;
    EXPECT_TRUE(Contains(ObjectText(file, 1), "/PageMode /UseOutlines"));
    EXPECT_TRUE(Contains(ObjectText(file, 3), "/FitWindow true"));
    // One page, nothing to follow.
    EXPECT_EQ(report->Document()->GetPages()->GetCount(), 1);
    EXPECT_FALSE(Contains(file, "/Annots"));
    const std::string pdfinfo = RunTool("pdfinfo", {QString::fromStdString(Folder().Path("report.pdf"))}).output;
    EXPECT_TRUE(Contains(pdfinfo, "Tavrin report for Query Report - Stock")) << pdfinfo;
}

TEST_F(ExportTest, NothingIsBuiltWithoutAListOrWithoutColumns)
{
    CPDFExport withoutList(Folder().Path("none.pdf"), nullptr, nullptr, "t", "u", 1, {}, true, Created());
    EXPECT_FALSE(withoutList.Build());
    // A model that was never filled has no header, as a query that met nothing.
    auto report = MakeReport(true);
    EXPECT_FALSE(report->Build());
    EXPECT_EQ(report->Document()->GetPages()->GetCount(), 0);
}

TEST(PdfExport, CharactersAreCountedNotBytes)
{
    EXPECT_EQ(CharacterCount(""), 0);
    EXPECT_EQ(CharacterCount("Oslo"), 4);
    EXPECT_EQ(CharacterCount("Navaj\xC3\xBAn"), 7);
    EXPECT_EQ(CharacterCount("12,50 \xE2\x82\xAC"), 7);
    EXPECT_EQ(CharacterCount("\xF0\x9F\x98\x80"), 1);
}

}  // namespace
