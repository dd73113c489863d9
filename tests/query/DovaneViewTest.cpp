// The result model: columns, rows, cell texts, footers, widths, colours, check marks, deleting
// items from a query and the re-sort of a permutation.
#include "query/DovaneView.h"
#include "store/Formats.h"
#include "tests/query/ResultTestFixture.h"

namespace {

using Texts = std::vector<std::string>;

const DatasetDescription kStock{
    .parameters = {{"Colour", TYPE_ALPHANUMERIC, 0, {"Red", "Blue"}},
                   {"Weight", TYPE_NUMERIC, 1},
                   {"Price", TYPE_NUMERIC, 2},
                   {"Made", TYPE_DATETIME}},
    .items = {{.identifier = "Apple",
               .values = {{"Colour", "Red"}, {"Weight", "1.5"}, {"Price", "3.14159"}, {"Made", "2007-01-31"}},
               .links = {"Plum"}},
              {.identifier = "Plum", .values = {{"Colour", "Blue"}, {"Weight", "2.25"}}},
              {.identifier = "Pear", .values = {{"Price", "1"}}}},
};
constexpr int kSum = 4;  // the template's sum formula

// Ten pixels a character, the check box column 16.
class FixedMeasure : public IColumnMeasure {
public:
    int TextWidth(const std::string& text) const override { return 10 * int(text.size()) + 4; }
    int CheckBoxColumnWidth() const override { return 16; }
};

class DovaneViewTest : public ResultTest {
protected:
    void SetUp() override
    {
        Open(kStock);
        queryId_ = AddQuery("Stock", {"Weight", "Colour", "Price", "Made"}, {{"Weight", kSum}});
    }
    std::vector<int32_t> ItemIds(const std::vector<std::string>& names)
    {
        std::vector<int32_t> ids;
        for (const std::string& name : names)
            ids.push_back(Dataset().ItemId(name));
        return ids;
    }
    int queryId_ = 0;
};

TEST_F(DovaneViewTest, FillMakesTheColumnsAndRowsInStatementOrder)
{
    Run(queryId_);
    EXPECT_EQ(Titles(), (Texts{"Links", "Weight", "Colour", "Price", "Made", "Item"}));
    const struct {
        int column;
        ColumnAlignment alignment;
        int32_t headerCode;
    } columns[] = {{1, ColumnAlignment::Left, HEADER_NONE},   {2, ColumnAlignment::Right, HEADER_NUMBER},
                   {3, ColumnAlignment::Left, HEADER_TEXT},   {4, ColumnAlignment::Right, HEADER_NUMBER},
                   {5, ColumnAlignment::Left, HEADER_DATE},   {6, ColumnAlignment::Left, HEADER_NONE}};
    for (const auto& c : columns) {
        EXPECT_EQ(View().Column(c.column).alignment, c.alignment) << c.column;
        EXPECT_EQ(View().Column(c.column).headerCode, c.headerCode) << c.column;
    }
    // Sorted by Weight: a missing number first.
    ASSERT_EQ(View().RowCount(), 4);
    const std::string made = FormatShortDate(AutomationDate::FromDate(2007, 1, 31));
    EXPECT_EQ(RowTexts(0), (Texts{"NO", "", "NULL", "1.00", "", "Pear"}));
    EXPECT_EQ(RowTexts(1), (Texts{"YES", "1.5", "Red", "3.14", made, "Apple"}));
    EXPECT_EQ(View().ItemData(1), Dataset().ItemId("Apple"));
    EXPECT_EQ(View().ShownItems(), ItemIds({"Pear", "Apple", "Plum"}));
    EXPECT_EQ(View().ReadItems(), View().ShownItems());
    EXPECT_EQ(View().CellText(1, 0), "");
}

TEST_F(DovaneViewTest, ARunDropsSavedPermutationsMadeForOtherColumns)
{
    const std::string id = std::to_string(queryId_);
    Dataset().Exec("INSERT INTO Combo (QUERY_ID, COMBO_NAME, COMBO) VALUES (" + id + ", 'Fits', '3,2,4,5')");
    Run(queryId_);
    EXPECT_EQ(Dataset().Count("Combo"), 1);
    Dataset().Exec("DELETE FROM Viewable WHERE QUERY_ID = " + id + " AND PROPERTY_ID = " +
                   std::to_string(Dataset().ParameterId("Made")));
    Run(queryId_);
    EXPECT_EQ(View().ParameterColumnCount(), 3);
    EXPECT_EQ(Dataset().Count("Combo"), 0);
}

TEST_F(DovaneViewTest, TheFooterRowSumsTheRowsThatMeetTheQuery)
{
    Run(queryId_);
    const int footer = View().RowCount() - 1;
    EXPECT_EQ(View().ItemData(footer), kFooterItemData);
    // 1.5 + 2.25 = 3.75, shown with the column's one decimal.
    EXPECT_EQ(RowTexts(footer), (Texts{"", "Sum:3.8", "", "", "", "(Calculation)"}));
}

TEST_F(DovaneViewTest, AQueryMatchingNothingGivesAnEmptyListWithTheHeaderDisabled)
{
    Dataset().Exec("INSERT INTO Conditions (QUERY_ID, PROPERTY_ID, OPERATION_ID, ARGUMENT_NUM, ALL_BUT, "
                   "IS_MULTY) VALUES (" + std::to_string(queryId_) + ", " +
                   std::to_string(Dataset().ParameterId("Price")) + ", 9, 100, 0, 0)");
    Run(queryId_);
    EXPECT_TRUE(View().IsEmpty());
    EXPECT_FALSE(View().IsHeaderEnabled());
    EXPECT_EQ(View().ColumnCount(), 1);
    EXPECT_EQ(View().FillResultList(-1, true), 0);
}

TEST_F(DovaneViewTest, TheFirstFillSavesOneWidthPerColumnButTheLast)
{
    const FixedMeasure measure;
    Run(queryId_, true, &measure);
    const auto sizes = Dataset().Rows("SELECT COL_NUM, COL_SIZE FROM Sizes WHERE QUERY_ID = " +
                                      std::to_string(queryId_) + " ORDER BY COL_NUM");
    ASSERT_EQ(int(sizes.size()), View().ColumnCount() - 1);
    for (int c = 0; c < int(sizes.size()); ++c) {
        EXPECT_EQ(sizes[size_t(c)][0], std::to_string(c));
        EXPECT_EQ(sizes[size_t(c)][1], std::to_string(View().Column(c).width)) << c;
    }
    EXPECT_EQ(View().Column(0).width, 16);
    EXPECT_EQ(View().Column(1).width, kLinksColumnWidth);
    // Made: its title is wider than a date of this locale or not; never narrower than it.
    EXPECT_GE(View().Column(5).width, measure.TextWidth("Made"));

    // A dragged divider is kept and restored by position at the next fill.
    View().SetColumnWidth(3, 123);
    ASSERT_TRUE(View().SaveColumnWidths(queryId_));
    ASSERT_EQ(View().FillResultList(queryId_, false, &measure), 1);
    EXPECT_EQ(View().Column(3).width, 123);
    EXPECT_EQ(View().Column(1).width, 0);  // links hidden
    EXPECT_EQ(Dataset().Count("Sizes"), int64_t(sizes.size()));
}

TEST_F(DovaneViewTest, AFillWithoutAMeasureSavesNoWidths)
{
    Run(queryId_);
    EXPECT_EQ(Dataset().Count("Sizes"), 0);
}

TEST_F(DovaneViewTest, CellColoursComeFromCellThenRowThenColumnThenTheDefaults)
{
    const int apple = Dataset().ItemId("Apple");
    const int pear = Dataset().ItemId("Pear");
    Dataset().Exec("INSERT INTO Colors (OBJECT_TYPE, OBJECT_ID, COLOR_FG, COLOR_BG) VALUES (0, " +
                   std::to_string(Dataset().ParameterId("Colour")) + ", 11, 12)");
    Dataset().Exec("INSERT INTO Colors (OBJECT_TYPE, OBJECT_ID, COLOR_FG, COLOR_BG) VALUES (2, " +
                   std::to_string(apple) + ", 21, 22)");
    Dataset().Exec("INSERT INTO Colors (OBJECT_TYPE, OBJECT_ID, OBJECT_ID2, OBJECT_ID3, COLOR_FG, COLOR_BG) "
                   "VALUES (4, " + std::to_string(pear) + ", 2, " + std::to_string(queryId_) + ", 31, 32)");
    Run(queryId_);
    View().Changes().LoadCellColours(queryId_);
    View().SetDefaultColours(42, 41);
    View().SetListBackground(50);
    const int pearRow = View().FindRowOfItem(pear);
    const int appleRow = View().FindRowOfItem(apple);
    const int plumRow = View().FindRowOfItem(Dataset().ItemId("Plum"));
    const struct {
        const char* why;
        int row;
        int column;
        COLORREF background;
        COLORREF text;
    } cases[] = {
        {"the cell's own colours", pearRow, 2, 32, 31},
        {"the row's colours over the column's", appleRow, 3, 22, 21},
        {"the column's colours", pearRow, 3, 12, 11},
        {"the query's defaults", plumRow, 2, 42, 41},
        {"the check box column takes the row's background", appleRow, 0, 22, 41},
        {"else the list's background", plumRow, 0, 50, 41},
    };
    for (const auto& c : cases) {
        const CellColours colours = View().ColoursOf(c.row, c.column);
        EXPECT_EQ(colours.background, c.background) << c.why;
        EXPECT_EQ(colours.text, c.text) << c.why;
    }
}

TEST_F(DovaneViewTest, MarkAllChecksTheFooterRowToo)
{
    Run(queryId_);
    View().MarkAll(true);
    EXPECT_EQ(View().CountChecked().count, 4);
    EXPECT_FALSE(View().CountChecked().onlyFooter);
    View().MarkAll(false);
    View().SetChecked(View().RowCount() - 1, true);
    EXPECT_EQ(View().CountChecked().count, 1);
    EXPECT_TRUE(View().CountChecked().onlyFooter);
}

TEST_F(DovaneViewTest, TheItemsScreenGetsTheCheckedItemsWhenThereAreAtLeastTwo)
{
    Run(queryId_);
    View().SetChecked(0, true);
    View().SetChecked(View().RowCount() - 1, true);  // the footer row does not count
    EXPECT_EQ(View().KeepCheckedItems(), 0);
    View().SetChecked(2, true);
    EXPECT_EQ(View().KeepCheckedItems(), 2);
    EXPECT_EQ(View().CheckedItems(), ItemIds({"Pear", "Plum"}));
}

TEST_F(DovaneViewTest, DeletingCheckedItemsRemovesThemFromThisQueryOnly)
{
    Run(queryId_);
    const int plum = Dataset().ItemId("Plum");
    View().SetChecked(View().FindRowOfItem(plum), true);
    EXPECT_EQ(View().DeleteCheckedItems(false), 1);
    EXPECT_TRUE(View().HasPendingDeletions());
    EXPECT_EQ(View().FindRowOfItem(plum), -1);
    EXPECT_EQ(View().ShownItems(), ItemIds({"Pear", "Apple"}));
    EXPECT_EQ(Dataset().Rows("SELECT DELETED_ITEM_ID, QUERY_ID, IS_TEMPORARY FROM Deleted_Items"),
              (std::vector<Texts>{{std::to_string(plum), std::to_string(queryId_), "1"}}));
    // The footer no longer counts the deleted item.
    EXPECT_EQ(View().CellText(View().RowCount() - 1, 2), "Sum:1.5");
    EXPECT_EQ(Dataset().Count("ItemSet"), 3);

    View().RestoreItemLists();
    EXPECT_EQ(View().ShownItems(), ItemIds({"Pear", "Apple", "Plum"}));
    EXPECT_FALSE(View().HasListCopy());
}

TEST_F(DovaneViewTest, DeletingTheFooterRowAloneBringsItBackAsTheLastRow)
{
    Run(queryId_);
    View().SetChecked(View().RowCount() - 1, true);
    EXPECT_EQ(View().DeleteCheckedItems(true), 1);
    EXPECT_FALSE(View().HasPendingDeletions());  // a temporary query never asks
    ASSERT_EQ(View().RowCount(), 4);
    EXPECT_TRUE(View().IsFooterRow(3));
    EXPECT_FALSE(View().IsChecked(3));
    EXPECT_EQ(View().CellText(3, 2), "Sum:3.8");
    EXPECT_EQ(Dataset().Count("Deleted_Items"), 0);
}

TEST_F(DovaneViewTest, ApplyingAnOrderReSortsByTheDisplayedColumns)
{
    Run(queryId_);
    View().MarkAll(true);
    ASSERT_TRUE(View().ApplyOrder({4, 2, 3, 5}));  // Price, Weight, Colour, Made
    EXPECT_EQ(View().ColumnOrder(), (std::vector<int>{0, 1, 4, 2, 3, 5, 6}));
    EXPECT_EQ(View().CurrentOrder(), (PermutationOrder{4, 2, 3, 5}));
    EXPECT_NE(View().Statement().find("ORDER BY [Price],[Weight],[Colour],[Made];"), std::string::npos)
        << View().Statement();
    EXPECT_EQ(View().ShownItems(), ItemIds({"Plum", "Pear", "Apple"}));
    EXPECT_EQ(View().CountChecked().count, 0);
    EXPECT_EQ(View().CellText(3, 2), "Sum:3.8");
    EXPECT_FALSE(View().ApplyOrder({4, 2}));  // not an arrangement of the four columns
}

}  // namespace

namespace {

// Records what a list view over the model would hear.
class RecordingObserver : public IResultObserver {
public:
    void ListAboutToChange() override { events.push_back("about to change"); }
    void ListChanged() override { events.push_back("changed"); }
    void CellChanged(int row, int column) override
    {
        events.push_back("cell " + std::to_string(row) + "," + std::to_string(column));
    }
    std::vector<std::string> events;
};

TEST_F(DovaneViewTest, AListViewHearsOfEveryChange)
{
    RecordingObserver observer;
    View().SetObserver(&observer);
    Run(queryId_);
    View().MarkAll(true);
    View().Changes().EnterNumber(1, 2, "8");
    View().Changes().SetCellColour(1, 3, 9, true);
    View().DeleteCheckedItems(true);
    View().SetObserver(nullptr);
    EXPECT_EQ(observer.events, (Texts{"about to change", "changed", "cell -1,0", "cell 1,2", "cell 1,-1",
                                      "about to change", "changed"}));
}

}  // namespace
