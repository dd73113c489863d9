// Transactions and prepared statements on the connection: a save is all or nothing, nested
// saves are savepoints, and bulk statements convert values as recordsets do.
#include "store/DbConnection.h"
#include "store/DbStatement.h"
#include "store/DbTransaction.h"
#include "tests/support/DatasetFixture.h"

#include <gtest/gtest.h>

namespace {

class TransactionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(connection_.Open(CDbConnection::MakeConnectionString(dataset_.Path())));
    }

    bool AddItem(const std::string& identifier)
    {
        if (!connection_.Execute("SELECT * FROM [ItemSet];", 0))
            return false;
        CDbRecordset& items = connection_.Recordset(0);
        return items.AddNew() && items.SetValue("ITEM_IDENTIFIER", identifier) && items.Update();
    }

    TestDataset dataset_;
    CDbConnection connection_;
};

}  // namespace

TEST_F(TransactionTest, ACommittedSaveIsKept)
{
    CDbTransaction save(connection_);
    ASSERT_TRUE(save.IsActive());
    EXPECT_FALSE(save.IsNested());
    ASSERT_TRUE(AddItem("Kept"));
    ASSERT_TRUE(save.Commit());
    EXPECT_EQ(dataset_.Count("ItemSet"), 1);
}

TEST_F(TransactionTest, AnUncommittedSaveLeavesNothing)
{
    {
        CDbTransaction save(connection_);
        ASSERT_TRUE(AddItem("First"));
        ASSERT_TRUE(AddItem("Second"));
        ASSERT_TRUE(connection_.Execute("DELETE * FROM [Property]", 1));
    }
    EXPECT_EQ(dataset_.Count("ItemSet"), 0);
    EXPECT_EQ(dataset_.Count("Type"), 3);
    ASSERT_TRUE(AddItem("After")) << "the connection works on after a rollback";
    EXPECT_EQ(dataset_.Count("ItemSet"), 1);
}

TEST_F(TransactionTest, ANestedSaveIsASavepointOfTheOuterOne)
{
    CDbTransaction outer(connection_);
    ASSERT_TRUE(AddItem("Outer"));
    {
        CDbTransaction inner(connection_);
        ASSERT_TRUE(inner.IsActive());
        EXPECT_TRUE(inner.IsNested());
        ASSERT_TRUE(AddItem("Inner, undone"));
    }
    {
        CDbTransaction inner(connection_);
        ASSERT_TRUE(AddItem("Inner, kept"));
        ASSERT_TRUE(inner.Commit());
    }
    EXPECT_EQ(dataset_.Count("ItemSet"), 0) << "nothing is visible before the outer commit";
    ASSERT_TRUE(outer.Commit());
    EXPECT_EQ(dataset_.Rows("SELECT ITEM_IDENTIFIER FROM ItemSet ORDER BY ITEM_ID"),
              (std::vector<std::vector<std::string>>{{"Outer"}, {"Inner, kept"}}));
}

TEST_F(TransactionTest, NeedsAnOpenDataset)
{
    CDbConnection closed;
    CDbTransaction save(closed);
    EXPECT_FALSE(save.IsActive());
    EXPECT_FALSE(save.Commit());
}

TEST_F(TransactionTest, PreparedStatementsWriteManyRowsInOneSave)
{
    CDbTransaction save(connection_);
    CDbStatement insert(connection_, "INSERT INTO [Values] (PROPERTY_ID, VALUE_NUMBER, VALUE_ANUM) VALUES (?, ?, ?)");
    ASSERT_TRUE(insert.IsValid()) << connection_.lastError();
    ASSERT_TRUE(AddItem("unused"));  // the recordset and the statement share the handle
    connection_.Execute("INSERT INTO [Property] (PROPERTY_NAME, TYPE_ID) VALUES (\"Weight\", 2)", 1);
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(insert.Bind(1, 1));
        ASSERT_TRUE(insert.Bind(2, i + 0.1, VT_R4));
        ASSERT_TRUE(insert.Bind(3, CFieldValue::Null()));
        ASSERT_TRUE(insert.Run()) << connection_.lastError();
    }
    EXPECT_FALSE(insert.Bind(2, "heavy", VT_R4)) << "a bound value is checked against the column kind";
    ASSERT_TRUE(save.Commit());
    EXPECT_EQ(dataset_.Count("Values"), 100);

    CDbStatement read(connection_, "SELECT VALUE_NUMBER, VALUE_ANUM FROM [Values] WHERE VALUE_ID=?");
    ASSERT_TRUE(read.Bind(1, 3));
    ASSERT_EQ(read.Next(), CDbStatement::Step::Row);
    EXPECT_EQ(read.ColumnName(0), "VALUE_NUMBER");
    EXPECT_EQ(read.Column(0).Kind(), VT_R4);
    EXPECT_EQ(read.Column(0).ToDouble(), static_cast<double>(2.1f));
    EXPECT_TRUE(read.Column(1).IsNull());
    EXPECT_EQ(read.Next(), CDbStatement::Step::Done);

    CDbStatement broken(connection_, "SELECT * FROM Nowhere");
    EXPECT_FALSE(broken.IsValid());
    EXPECT_NE(connection_.lastError().find("no such table"), std::string::npos);
}
