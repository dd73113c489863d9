// Items removed from a query's result: recording (once per item and query), saving, discarding,
// the "Save as" copy that excludes every deleted item while the source keeps only its saved
// deletions, the table made when a dataset lacks it, and a dataset that refuses writes.
#include "platform/MessageBox.h"
#include "query/DeletedItems.h"
#include "query/QuerySql.h"
#include "query/QueryStore.h"
#include "store/DovaneDatabase.h"
#include "tests/support/DatasetFixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

class DeletedItemsTest : public ::testing::Test {
protected:
    DeletedItemsTest()
        : dataset_({.parameters = {{"Hardness", TYPE_NUMERIC, 1}},
                    .items = {{"Quartz"}, {"Talc"}, {"Gypsum"}, {"Calcite"}}})
    {
        dataset_.Exec("INSERT INTO Queries (QUERY_ID, QUERY_NAME, IS_TEMPORARY, USER_ORDER) VALUES "
                      "(1, 'Soft', 0, 0), (2, 'Other', 0, 1)");
    }

    void Open()
    {
        database_.OpenDataset(dataset_.Path());
        database_.RunFirstLoads();
    }
    int Item(const std::string& name) const { return dataset_.ItemId(name); }
    // (item, temporary) of a query's rows, by item.
    Rows RowsOf(int queryId) const
    {
        return dataset_.Rows(
            "SELECT DELETED_ITEM_ID, IS_TEMPORARY FROM Deleted_Items WHERE QUERY_ID=" +
            std::to_string(queryId) + " ORDER BY DELETED_ITEM_ID");
    }
    std::vector<std::string> Row(const std::string& item, bool temporary) const
    {
        return {std::to_string(Item(item)), temporary ? "1" : "0"};
    }

    TestDataset dataset_;
    CDovaneDatabase database_;
    CDeletedItems deleted_{database_};
    ScriptedMessages messages_;
};

TEST_F(DeletedItemsTest, ASecondDeletionOfTheSameItemAddsNoRow)
{
    Open();
    ASSERT_TRUE(deleted_.RecordDeletion(Item("Talc"), 1));
    ASSERT_TRUE(deleted_.RecordDeletion(Item("Talc"), 1));
    ASSERT_TRUE(deleted_.RecordDeletion(Item("Talc"), 2));
    EXPECT_EQ(RowsOf(1), (Rows{Row("Talc", true)}));
    EXPECT_EQ(RowsOf(2), (Rows{Row("Talc", true)})) << "each query has its own deletions";
}

TEST_F(DeletedItemsTest, SaveKeepsAndDiscardDropsOnlyTheTemporaryRows)
{
    Open();
    ASSERT_TRUE(deleted_.RecordDeletion(Item("Talc"), 1));
    ASSERT_TRUE(deleted_.SaveDeletions(1));
    ASSERT_TRUE(deleted_.RecordDeletion(Item("Gypsum"), 1));
    ASSERT_TRUE(deleted_.RecordDeletion(Item("Gypsum"), 2));
    EXPECT_EQ(RowsOf(1), (Rows{Row("Talc", false), Row("Gypsum", true)}));

    ASSERT_TRUE(deleted_.DiscardDeletions(1));
    EXPECT_EQ(RowsOf(1), (Rows{Row("Talc", false)}));
    EXPECT_EQ(RowsOf(2), (Rows{Row("Gypsum", true)})) << "other queries are not affected";
    ASSERT_TRUE(deleted_.SaveDeletions(2));
    EXPECT_EQ(RowsOf(2), (Rows{Row("Gypsum", false)}));
}

TEST_F(DeletedItemsTest, SaveAsExcludesEveryDeletedItemAndTheSourceKeepsItsSavedOnes)
{
    Open();
    CDovaneQuery store(database_);
    ASSERT_TRUE(store.LoadQueries());
    store.SetCurrentIndex(store.IndexOfQuery(1));
    ASSERT_TRUE(store.LoadConditions(1));
    ASSERT_TRUE(deleted_.RecordDeletion(Item("Talc"), 1));
    ASSERT_TRUE(deleted_.SaveDeletions(1));
    ASSERT_TRUE(deleted_.RecordDeletion(Item("Gypsum"), 1));

    ASSERT_TRUE(store.CopyCurrentQuery("Soft copy"));
    const int32_t copy = store.SaveCurrentQuery();
    ASSERT_GT(copy, 2);
    ASSERT_TRUE(deleted_.CopyDeletions(copy, 1));
    EXPECT_EQ(RowsOf(copy), (Rows{Row("Talc", false), Row("Gypsum", false)}));
    EXPECT_EQ(RowsOf(1), (Rows{Row("Talc", false)}));

    // Run against a result table, the copy shows neither item and the source shows Gypsum again.
    dataset_.Exec("CREATE TABLE fulltable(FULL_ID INTEGER PRIMARY KEY AUTOINCREMENT, ITEM_ID LONG, "
                  "IDENT TEXT(255), IS_LINKS BIT DEFAULT 0)");
    dataset_.Exec(
        "INSERT INTO fulltable (ITEM_ID, IDENT) SELECT ITEM_ID, ITEM_IDENTIFIER FROM ItemSet");
    const auto shown = [&](int32_t queryId) {
        CQuerySql sql(database_);
        EXPECT_TRUE(sql.Build(queryId));
        std::vector<std::string> idents;
        CDbConnection& connection = database_.Connection();
        EXPECT_TRUE(connection.Execute(sql.Statement(), CDbConnection::kReadOnlyRecordset));
        CDbRecordset& rows = connection.Recordset(CDbConnection::kReadOnlyRecordset);
        for (; rows.IsOpen() && !rows.IsEOF(); rows.MoveNext())
            idents.push_back(rows.GetValue("IDENT").ToText());
        std::sort(idents.begin(), idents.end());
        return idents;
    };
    EXPECT_EQ(shown(copy), (std::vector<std::string>{"Calcite", "Quartz"}));
    EXPECT_EQ(shown(1), (std::vector<std::string>{"Calcite", "Gypsum", "Quartz"}));
}

TEST_F(DeletedItemsTest, TheTableIsMadeWhenTheDatasetLacksIt)
{
    dataset_.Exec("DROP TABLE Deleted_Items");
    Open();
    ASSERT_TRUE(deleted_.EnsureDeletedItemsTable());
    ASSERT_TRUE(deleted_.EnsureDeletedItemsTable()) << "a second call finds the table";
    ASSERT_TRUE(deleted_.RecordDeletion(Item("Quartz"), 1));
    EXPECT_EQ(RowsOf(1), (Rows{Row("Quartz", true)}));
}

TEST_F(DeletedItemsTest, AReadOnlyDatasetWritesNothing)
{
    Open();
    ASSERT_TRUE(deleted_.RecordDeletion(Item("Quartz"), 1));
    database_.CloseDataset();
    ASSERT_EQ(::chmod(dataset_.Path().c_str(), 0444), 0);
    Open();
    ASSERT_TRUE(database_.writeRefused());
    EXPECT_FALSE(deleted_.RecordDeletion(Item("Talc"), 1));
    EXPECT_FALSE(deleted_.SaveDeletions(1));
    EXPECT_FALSE(deleted_.DiscardDeletions(1));
    EXPECT_FALSE(deleted_.CopyDeletions(2, 1));
    EXPECT_TRUE(deleted_.EnsureDeletedItemsTable()) << "the table exists: nothing to write";
    EXPECT_EQ(messages_.Texts(), std::vector<std::string>(4, kUpdateNotSupportedText));
    database_.CloseDataset();
    ::chmod(dataset_.Path().c_str(), 0644);
    EXPECT_EQ(RowsOf(1), (Rows{Row("Quartz", true)}));
    EXPECT_EQ(RowsOf(2), Rows{});
}

}  // namespace
