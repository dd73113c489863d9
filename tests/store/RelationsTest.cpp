// The relations of a new dataset: deleting an item, a parameter, a query or a condition takes
// along the rows that only mean something with it.
#include "store/DbConnection.h"
#include "tests/support/DatasetFixture.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kQuery = R"sql(
INSERT INTO Queries (QUERY_ID, QUERY_NAME, IS_TEMPORARY, USER_ORDER) VALUES (1, 'Q', 0, 0);
INSERT INTO Conditions (CONDITION_ID, QUERY_ID, PROPERTY_ID, OPERATION_ID, IS_MULTY) VALUES (1, 1, 1, 1, 1), (2, 1, 2, 4, 0);
INSERT INTO Multiply (CONDITION_ID, VALUE_ID) VALUES (1, 1), (1, 2);
INSERT INTO SortOrder (QUERY_ID, PROPERTY_ID, SORT_ORDER) VALUES (1, 1, 0), (1, 2, 1);
INSERT INTO Viewable (QUERY_ID, PROPERTY_ID) VALUES (1, 1), (1, 2);
INSERT INTO Footer (QUERY_ID, PROPERTY_ID, FORMULA_ID) VALUES (1, 2, 4);
INSERT INTO Combo (QUERY_ID, QUERY_NAME, COMBO_NAME, COMBO) VALUES (1, 'Q', 'P', '3,2');
INSERT INTO Sizes (QUERY_ID, COL_NUM, COL_SIZE) VALUES (1, 0, 20);
INSERT INTO Deleted_Items (DELETED_ITEM_ID, QUERY_ID, IS_TEMPORARY) VALUES (1, 1, 0), (2, 1, 0);
)sql";

class RelationsTest : public ::testing::Test {
protected:
    RelationsTest()
        : dataset_({.parameters = {{"Colour", TYPE_ALPHANUMERIC, 0, {"Red", "Blue"}}, {"Price", TYPE_NUMERIC, 2}},
                    .items = {{"A", {{"Colour", "Red"}, {"Price", "1"}}, "", {"B"}, "{\\rtf1 a}"},
                              {"B", {{"Colour", "Blue"}, {"Price", "2"}}, "", {"A"}}}})
    {
        dataset_.Exec(kQuery);
    }

    void SetUp() override
    {
        ASSERT_TRUE(connection_.Open(CDbConnection::MakeConnectionString(dataset_.Path())));
    }

    // Deletes the row the criteria finds, the way the stores do.
    void DeleteRow(const std::string& select, const std::string& criteria)
    {
        ASSERT_TRUE(connection_.Execute(select, 0)) << connection_.lastError();
        CDbRecordset& rows = connection_.Recordset(0);
        rows.MoveFirst();
        ASSERT_TRUE(rows.Find(criteria));
        ASSERT_FALSE(rows.IsEOF()) << criteria;
        ASSERT_TRUE(rows.Delete()) << connection_.lastError();
        ASSERT_TRUE(rows.Update());
    }

    TestDataset dataset_;
    CDbConnection connection_;
};

}  // namespace

TEST_F(RelationsTest, DeletingAnItemTakesItsValuesLinksDescriptionAndDeletions)
{
    DeleteRow("SELECT * FROM [ItemSet];", "ITEM_ID=1");
    EXPECT_EQ(dataset_.Count("ItemValues", "ITEM_ID=1"), 0);
    EXPECT_EQ(dataset_.Count("ItemValues"), 2) << "the other item keeps its values";
    EXPECT_EQ(dataset_.Count("Hyperlink"), 0) << "links in both directions";
    EXPECT_EQ(dataset_.Count("Descriptions"), 0);
    EXPECT_EQ(dataset_.Count("Deleted_Items"), 1);
    EXPECT_EQ(dataset_.Count("Values"), 4) << "the values themselves stay for the item store to tidy";
}

TEST_F(RelationsTest, DeletingAParameterTakesEverythingThatNamesIt)
{
    DeleteRow("SELECT * FROM [Property] ORDER BY PROPERTY_ID;", "PROPERTY_ID=1");
    const struct {
        const char* table;
        int64_t remaining;
    } cases[] = {{"Values", 2},    {"ItemValues", 2}, {"Multiply", 0}, {"Conditions", 1},
                 {"SortOrder", 1}, {"Viewable", 1},   {"Footer", 1},   {"Queries", 1}};
    for (const auto& c : cases)
        EXPECT_EQ(dataset_.Count(c.table), c.remaining) << c.table;
}

TEST_F(RelationsTest, DeletingAQueryTakesItsDefinitionButNotItsDeletions)
{
    ASSERT_TRUE(connection_.Execute("DELETE * FROM [Queries] WHERE QUERY_ID=1;", 1)) << connection_.lastError();
    for (const char* table : {"Conditions", "Multiply", "SortOrder", "Viewable", "Footer", "Combo", "Sizes"})
        EXPECT_EQ(dataset_.Count(table), 0) << table;
    EXPECT_EQ(dataset_.Count("Deleted_Items"), 2);
    EXPECT_EQ(dataset_.Count("Property"), 2);
}

TEST_F(RelationsTest, DeletingAConditionTakesItsChosenValues)
{
    DeleteRow("SELECT * FROM [Conditions] ORDER BY CONDITION_ID;", "CONDITION_ID=1");
    EXPECT_EQ(dataset_.Count("Multiply"), 0);
    EXPECT_EQ(dataset_.Count("Conditions"), 1);
    EXPECT_EQ(dataset_.Count("Values"), 4);
}

TEST_F(RelationsTest, ATypeInUseCannotBeDeleted)
{
    EXPECT_FALSE(connection_.Execute("DELETE * FROM [Type] WHERE TYPE_ID=1;", 1));
    EXPECT_EQ(dataset_.Count("Type"), 3);
}
