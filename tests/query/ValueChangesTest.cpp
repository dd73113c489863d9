// Cell edits of the result list: value changes written through the items store, and the
// colours of single cells stored per query.
#include "query/ValueChanges.h"
#include "store/Formats.h"
#include "tests/query/ResultTestFixture.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

const DatasetDescription kStock{
    .parameters = {{"Colour", TYPE_ALPHANUMERIC, 0, {"Red", "Blue"}},
                   {"Weight", TYPE_NUMERIC, 1},
                   {"Made", TYPE_DATETIME}},
    .items = {{.identifier = "Apple", .values = {{"Colour", "Red"}, {"Weight", "1.5"}}},
              {.identifier = "Plum", .values = {{"Colour", "Blue"}}}},
};
// List columns of the query below.
constexpr int kColour = 2;
constexpr int kWeight = 3;
constexpr int kMade = 4;

class ValueChangesTest : public ResultTest {
protected:
    void SetUp() override
    {
        Open(kStock);
        queryId_ = AddQuery("Stock", {"Colour", "Weight", "Made"});
        Run(queryId_);
        apple_ = View().FindRowOfItem(Dataset().ItemId("Apple"));
        plum_ = View().FindRowOfItem(Dataset().ItemId("Plum"));
    }
    CValueChanges& Changes() { return View().Changes(); }
    // The value rows the item carries for the parameter, as "text|number|date".
    Rows ItemValue(const std::string& item, const std::string& parameter)
    {
        return Dataset().Rows("SELECT v.VALUE_ID, v.VALUE_ANUM, v.VALUE_NUMBER, v.VALUE_DATE FROM "
                              "ItemValues iv JOIN [Values] v ON v.VALUE_ID = iv.VALUE_ID WHERE iv.ITEM_ID = " +
                              std::to_string(Dataset().ItemId(item)) + " AND v.PROPERTY_ID = " +
                              std::to_string(Dataset().ParameterId(parameter)));
    }
    int queryId_ = 0;
    int apple_ = -1;
    int plum_ = -1;
};

TEST_F(ValueChangesTest, ANumberIsWrittenIntoTheSameValueRow)
{
    const Rows before = ItemValue("Apple", "Weight");
    ASSERT_EQ(before.size(), 1u);
    EXPECT_EQ(Changes().EnterNumber(apple_, kWeight, "4.5"), "4.5");
    EXPECT_EQ(View().CellText(apple_, kWeight), "4.5");
    EXPECT_TRUE(Changes().ValueChangesPending());
    ASSERT_TRUE(Changes().SaveValueChanges());
    EXPECT_FALSE(Changes().ValueChangesPending());
    EXPECT_EQ(ItemValue("Apple", "Weight"), (Rows{{before[0][0], "NULL", "4.5", "NULL"}}));
}

TEST_F(ValueChangesTest, ANumberTooLongIsCutWithAMessage)
{
    EXPECT_EQ(Changes().EnterNumber(apple_, kWeight, "12345678901.5"), "1234567890");
    EXPECT_TRUE(Messages().WasShown(kNumberTooBigText));
    // A second edit of the same cell replaces the first.
    Changes().EnterNumber(apple_, kWeight, "7");
    EXPECT_EQ(Changes().Changes().size(), 1u);
    EXPECT_EQ(View().CellText(apple_, kWeight), "7");
}

TEST_F(ValueChangesTest, BlankRemovesTheItemsValueAndKeepsTheChoice)
{
    std::vector<std::string> offered;
    for (const CValueChanges::Choice& choice : Changes().ValueChoices(kColour))
        offered.push_back(choice.text);
    EXPECT_EQ(offered, (std::vector<std::string>{"Red", "Blue", kBlankValueText}));
    EXPECT_EQ(Changes().ValueChoices(kColour).back().VALUE_ID, -1);

    Changes().ChooseValue(apple_, kColour, -1, kBlankValueText);
    ASSERT_TRUE(Changes().SaveValueChanges());
    EXPECT_TRUE(ItemValue("Apple", "Colour").empty());
    EXPECT_EQ(Dataset().ValueId("Colour", "Red") > 0, true);
}

TEST_F(ValueChangesTest, ATypedTextBecomesAValueAtOnceEvenWhenTheEditIsDiscarded)
{
    const std::string longText(60, 'g');
    EXPECT_EQ(Changes().EnterValueText(plum_, kColour, longText), std::string(49, 'g'));
    Changes().DiscardChanges();
    EXPECT_FALSE(Changes().AnyPending());
    EXPECT_GT(Dataset().ValueId("Colour", std::string(49, 'g')), 0);
    EXPECT_EQ(ItemValue("Plum", "Colour")[0][1], "Blue");

    Changes().EnterValueText(plum_, kColour, "Green");
    ASSERT_TRUE(Changes().SaveValueChanges());
    EXPECT_EQ(ItemValue("Plum", "Colour")[0][1], "Green");
    // The next run shows what was saved.
    Run(queryId_);
    EXPECT_EQ(View().CellText(View().FindRowOfItem(Dataset().ItemId("Plum")), kColour), "Green");
}

TEST_F(ValueChangesTest, ADateGivesTheItemAValueRow)
{
    const AutomationDate date = AutomationDate::FromDate(2020, 5, 1);
    Changes().ChooseDate(plum_, kMade, date);
    EXPECT_EQ(View().CellText(plum_, kMade), FormatShortDate(date));
    ASSERT_TRUE(Changes().SaveValueChanges());
    const Rows stored = ItemValue("Plum", "Made");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_DOUBLE_EQ(std::stod(stored[0][3]), date.Value());
}

TEST_F(ValueChangesTest, CellColoursAreStoredForThisQueryOnly)
{
    View().SetDefaultColours(100, 200);
    EXPECT_FALSE(Changes().SetCellColour(apple_, 0, 7, false));  // the check box column
    ASSERT_TRUE(Changes().SetCellColour(apple_, kWeight, 0x123456, false));
    EXPECT_EQ(View().ColoursOf(apple_, kWeight).background, 0x123456u);
    EXPECT_EQ(View().ColoursOf(apple_, kWeight).text, 200u);
    ASSERT_TRUE(Changes().SaveCellColours(queryId_));
    EXPECT_FALSE(Changes().ColourChangesPending());
    EXPECT_EQ(Dataset().Rows("SELECT OBJECT_ID, OBJECT_ID2, OBJECT_ID3, COLOR_FG, COLOR_BG FROM Colors "
                             "WHERE OBJECT_TYPE = 4"),
              (Rows{{std::to_string(Dataset().ItemId("Apple")), std::to_string(kWeight),
                     std::to_string(queryId_), "200", std::to_string(0x123456)}}));

    const int other = AddQuery("Other", {"Colour", "Weight"});
    Changes().LoadCellColours(other);
    EXPECT_EQ(Changes().FindCellColours(Dataset().ItemId("Apple"), kWeight), nullptr);
    Changes().LoadCellColours(queryId_);
    EXPECT_NE(Changes().FindCellColours(Dataset().ItemId("Apple"), kWeight), nullptr);
}

TEST_F(ValueChangesTest, DiscardedCellColoursAreLost)
{
    Changes().SetCellColour(plum_, kColour, 5, true);
    Changes().DiscardChanges();
    EXPECT_EQ(Dataset().Count("Colors", "OBJECT_TYPE = 4"), 0);
    EXPECT_EQ(Changes().FindCellColours(Dataset().ItemId("Plum"), kColour), nullptr);
}

}  // namespace
