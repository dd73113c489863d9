// Recordsets: moving over the held rows, reading fields of their declared kinds, adding,
// changing and deleting rows of one table, and finding rows by one-column criteria.
#include "platform/MessageBox.h"
#include "store/DbConnection.h"
#include "tests/support/DatasetFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class RecordsetTest : public ::testing::Test {
protected:
    RecordsetTest()
        : dataset_({.parameters = {{"Colour", TYPE_ALPHANUMERIC, 0, {"apple", "Banana", "cherry"}},
                                   {"Price", TYPE_NUMERIC, 2},
                                   {"Made", TYPE_DATETIME}},
                    .items = {{"First", {{"Colour", "apple"}, {"Price", "1.5"}, {"Made", "1/31/2007"}}},
                              {"Second", {{"Colour", "Banana"}, {"Price", "2.25"}}},
                              {"O'Brien", {{"Colour", "apple"}}}}})
    {
    }

    void SetUp() override
    {
        ASSERT_TRUE(connection_.Open(CDbConnection::MakeConnectionString(dataset_.Path())))
            << connection_.lastError();
    }

    CDbRecordset& Run(const std::string& sql, int index = 0)
    {
        EXPECT_TRUE(connection_.Execute(sql, index)) << sql << ": " << connection_.lastError();
        return connection_.Recordset(index);
    }

    std::vector<std::string> Column(CDbRecordset& recordset, const std::string& field)
    {
        std::vector<std::string> texts;
        for (recordset.MoveFirst(); !recordset.IsEOF(); recordset.MoveNext())
            texts.push_back(CDbConnection::VariantToText(recordset.GetValue(field)));
        return texts;
    }

    TestDataset dataset_;
    CDbConnection connection_;
};

}  // namespace

TEST_F(RecordsetTest, OpensOnTheFirstRowAndMovesBetweenTheEnds)
{
    CDbRecordset& items = Run("SELECT * FROM ItemSet ORDER BY ITEM_ID;");
    EXPECT_EQ(items.RecordCount(), 3);
    EXPECT_FALSE(items.IsBOF());
    EXPECT_FALSE(items.IsEOF());
    EXPECT_EQ(items.GetValue("ITEM_IDENTIFIER").ToText(), "First");
    ASSERT_TRUE(items.Move(2));
    EXPECT_EQ(items.GetValue("ITEM_IDENTIFIER").ToText(), "O'Brien");
    ASSERT_TRUE(items.MoveNext());
    EXPECT_TRUE(items.IsEOF());
    EXPECT_FALSE(items.MoveNext()) << "no row after the last";
    ASSERT_TRUE(items.MovePrevious());
    EXPECT_EQ(items.GetValue("ITEM_IDENTIFIER").ToText(), "O'Brien");
    ASSERT_TRUE(items.Move(-10));
    EXPECT_TRUE(items.IsBOF());
    EXPECT_TRUE(items.GetValue("ITEM_IDENTIFIER").IsEmpty());
    ASSERT_TRUE(items.MoveLast());
    EXPECT_EQ(items.GetValue("ITEM_ID").ToLong(), 3);

    CDbRecordset& none = Run("SELECT * FROM ItemSet WHERE ITEM_ID=99;", 1);
    EXPECT_TRUE(none.IsBOF());
    EXPECT_TRUE(none.IsEOF());
    EXPECT_EQ(none.RecordCount(), 0);
}

TEST_F(RecordsetTest, TextsSortAndCompareWithoutCase)
{
    CDbRecordset& values =
        Run("SELECT VALUE_ID, VALUE_ANUM, PROPERTY_ID FROM [Values] WHERE PROPERTY_ID=1 ORDER BY VALUE_ANUM;");
    EXPECT_EQ(Column(values, "VALUE_ANUM"), (std::vector<std::string>{"apple", "Banana", "cherry"}));
    EXPECT_EQ(Run("SELECT * FROM [Values] WHERE VALUE_ANUM='BANANA'", 1).RecordCount(), 1);
}

TEST_F(RecordsetTest, FieldsHaveTheKindsOfTheirColumns)
{
    CDbRecordset& parameter = Run("SELECT * FROM [Property] WHERE PROPERTY_ID=2");
    const struct {
        const char* field;
        VariantKind kind;
    } cases[] = {{"PROPERTY_ID", VT_I4},   {"PROPERTY_NAME", VT_BSTR}, {"TYPE_ID", VT_I4},
                 {"PRESCISION", VT_UI1},   {"SORT_ORDER", VT_I2},      {"ALPHABETIC_ORDER", VT_BOOL}};
    for (const auto& c : cases) {
        EXPECT_EQ(parameter.Field(c.field).Kind(), c.kind) << c.field;
        EXPECT_EQ(parameter.GetValue(c.field).Kind(), c.kind) << c.field;
    }
    EXPECT_EQ(parameter.GetValue("PRESCISION").ToLong(), 2);
    EXPECT_EQ(parameter.FieldName(1), "PROPERTY_NAME");
    EXPECT_EQ(parameter.FieldIndex("property_name"), 1) << "names compare without case";
    EXPECT_FALSE(parameter.Field("NO_SUCH").Exists());

    CDbRecordset& values = Run("SELECT * FROM [Values] WHERE PROPERTY_ID IN (2, 3) ORDER BY VALUE_ID", 1);
    EXPECT_EQ(values.GetValue("VALUE_NUMBER").Kind(), VT_R4);
    EXPECT_EQ(values.GetValue("VALUE_NUMBER").ToDouble(), 1.5);
    EXPECT_EQ(values.GetValue("VALUE_ANUM").Kind(), VT_NULL);
    EXPECT_EQ(CDbConnection::VariantToText(values.GetValue("VALUE_ANUM")), "NULL");
    values.MoveNext();
    EXPECT_EQ(values.GetValue("VALUE_DATE").Kind(), VT_DATE);
    EXPECT_EQ(values.GetValue("VALUE_DATE").ToDouble(), 39113.0);

    CDbRecordset& totals = Run("SELECT count(*), SUM(VALUE_NUMBER) FROM [Values] WHERE PROPERTY_ID=2", 2);
    EXPECT_EQ(totals.GetValue(0).Kind(), VT_I4);
    EXPECT_EQ(totals.GetValue(0).ToLong(), 2);
    EXPECT_EQ(totals.GetValue(1).Kind(), VT_R8);
    EXPECT_EQ(totals.GetValue(1).ToDouble(), 3.75);
}

TEST_F(RecordsetTest, AddedRowsGetTheirGeneratedIdentifierAndStayCurrent)
{
    CDbRecordset& parameters = Run("SELECT * FROM [Property] ORDER BY PROPERTY_ID;");
    ASSERT_TRUE(parameters.AddNew());
    ASSERT_TRUE(parameters.SetValue("PROPERTY_NAME", "Weight"));
    ASSERT_TRUE(parameters.SetValue("TYPE_ID", 2));
    ASSERT_TRUE(parameters.SetValue("PRESCISION", CFieldValue::Byte(3)));
    ASSERT_TRUE(parameters.Update()) << connection_.lastError();
    EXPECT_EQ(parameters.GetValue("PROPERTY_ID").ToLong(), 4);
    EXPECT_EQ(parameters.GetValue("PROPERTY_NAME").ToText(), "Weight");
    EXPECT_EQ(parameters.GetValue("SORT_ORDER").ToLong(), 0) << "the default is read back";
    EXPECT_EQ(parameters.RecordCount(), 4);
    EXPECT_EQ(dataset_.Rows("SELECT PROPERTY_NAME, TYPE_ID, PRESCISION FROM Property WHERE PROPERTY_ID=4"),
              (std::vector<std::vector<std::string>>{{"Weight", "2", "3"}}));
}

TEST_F(RecordsetTest, FieldWritesChangeTheirRowOnly)
{
    CDbRecordset& items = Run("SELECT * FROM [ItemSet] ORDER BY ITEM_ID;");
    items.MoveNext();
    ASSERT_TRUE(items.SetValue("ITEM_IDENTIFIER", "Renamed"));
    ASSERT_TRUE(items.SetValue("ITEM_NOTE", "007"));
    ASSERT_TRUE(items.MoveNext()) << "moving writes the pending change";
    EXPECT_EQ(dataset_.Rows("SELECT ITEM_IDENTIFIER, ITEM_NOTE FROM ItemSet ORDER BY ITEM_ID"),
              (std::vector<std::vector<std::string>>{{"First", "NULL"}, {"Renamed", "007"}, {"O'Brien", "NULL"}}));

    ASSERT_TRUE(items.SetValue("ITEM_IDENTIFIER", "Dropped"));
    items.CancelUpdate();
    EXPECT_EQ(items.GetValue("ITEM_IDENTIFIER").ToText(), "O'Brien");
    EXPECT_EQ(dataset_.Count("ItemSet", "ITEM_IDENTIFIER='Dropped'"), 0);
}

TEST_F(RecordsetTest, SinglesAreStoredAsFloats)
{
    CDbRecordset& values = Run("SELECT * FROM [Values] WHERE PROPERTY_ID=2 ORDER BY VALUE_ID");
    ASSERT_TRUE(values.SetValue("VALUE_NUMBER", 1.1));
    ASSERT_TRUE(values.Update());
    EXPECT_EQ(values.GetValue("VALUE_NUMBER").ToDouble(), static_cast<double>(1.1f));
    EXPECT_EQ(dataset_.Number("SELECT VALUE_NUMBER FROM [Values] WHERE PROPERTY_ID=2 ORDER BY VALUE_ID"),
              static_cast<double>(1.1f));
}

TEST_F(RecordsetTest, RefusedWritesLeaveRowAndFileAsTheyWere)
{
    CDbRecordset& parameters = Run("SELECT * FROM [Property] ORDER BY PROPERTY_ID;");
    EXPECT_FALSE(parameters.SetValue("PROPERTY_NAME", std::string(256, 'x'))) << "longer than TEXT(255)";
    EXPECT_TRUE(parameters.SetValue("PROPERTY_NAME", std::string(255, 'x')));
    parameters.CancelUpdate();
    EXPECT_FALSE(parameters.SetValue("TYPE_ID", "Numeric")) << "not a number";
    EXPECT_FALSE(parameters.SetValue("SORT_ORDER", 70000)) << "beyond SHORT";

    ASSERT_TRUE(parameters.SetValue("TYPE_ID", 9));
    EXPECT_FALSE(parameters.Update()) << "no type 9: the relation refuses it";
    EXPECT_NE(connection_.lastError().find("FOREIGN KEY"), std::string::npos) << connection_.lastError();
    EXPECT_EQ(parameters.GetValue("TYPE_ID").ToLong(), 1) << "the row is as before";

    ASSERT_TRUE(parameters.AddNew());
    ASSERT_TRUE(parameters.SetValue("TYPE_ID", 9));
    EXPECT_FALSE(parameters.Update());
    EXPECT_EQ(parameters.RecordCount(), 3) << "the failed new row is dropped";
    EXPECT_EQ(dataset_.Count("Property"), 3);
}

TEST_F(RecordsetTest, OnlySingleTableSelectsAreUpdatable)
{
    CDbRecordset& joined = Run(
        "SELECT Property.PROPERTY_ID, Property.PROPERTY_NAME, Property.TYPE_ID, Type.TYPE FROM Type "
        "INNER JOIN Property ON Type.TYPE_ID = Property.TYPE_ID ORDER BY Property.SORT_ORDER;");
    EXPECT_EQ(joined.RecordCount(), 3);
    EXPECT_FALSE(joined.SupportsUpdate());
    EXPECT_FALSE(joined.SetValue("PROPERTY_NAME", "x"));

    CDbRecordset& withExpression = Run("SELECT *, 1 AS ONE FROM [Property]", 1);
    EXPECT_TRUE(withExpression.SupportsUpdate());
    EXPECT_FALSE(withExpression.SetValue("ONE", 2)) << "an expression is not a column";
    EXPECT_TRUE(withExpression.SetValue("PROPERTY_NAME", "Hue"));
    EXPECT_TRUE(withExpression.Update());
}

TEST_F(RecordsetTest, DeletingRowByRowVisitsEveryRow)
{
    CDbRecordset& values = Run("SELECT * FROM [Values];");
    const long total = values.RecordCount();
    int deleted = 0;
    while (!values.IsEOF()) {
        ASSERT_TRUE(values.Delete()) << connection_.lastError();
        ASSERT_TRUE(values.Update());
        values.MoveNext();
        ++deleted;
    }
    EXPECT_EQ(deleted, total);
    EXPECT_EQ(values.RecordCount(), 0);
    EXPECT_EQ(dataset_.Count("Values"), 0);
    EXPECT_EQ(dataset_.Count("ItemValues"), 0) << "the relation took the items' values along";
}

TEST_F(RecordsetTest, FindsFromTheCurrentRowForward)
{
    CDbRecordset& values = Run("SELECT * FROM [Values] ORDER BY VALUE_ID;");
    ASSERT_TRUE(values.Find("VALUE_ID=2"));
    EXPECT_EQ(values.GetValue("VALUE_ANUM").ToText(), "Banana");
    ASSERT_TRUE(values.Find("VALUE_ID=2")) << "the current row counts";
    EXPECT_EQ(values.GetValue("VALUE_ID").ToLong(), 2);
    ASSERT_TRUE(values.Find("VALUE_ID=1"));
    EXPECT_TRUE(values.IsEOF()) << "a row before the current one is not found";
    values.MoveFirst();
    ASSERT_TRUE(values.Find("VALUE_ANUM='CHERRY'"));
    EXPECT_EQ(values.GetValue("VALUE_ID").ToLong(), 3) << "texts match without case";
    values.MoveFirst();
    ASSERT_TRUE(values.Find("[VALUE_NUMBER] >= 2"));
    EXPECT_EQ(values.GetValue("VALUE_NUMBER").ToDouble(), 2.25);
    values.MoveFirst();
    ASSERT_TRUE(values.Find("VALUE_DATE=#1/31/2007#"));
    EXPECT_FALSE(values.IsEOF());
    values.MoveFirst();
    ASSERT_TRUE(values.Find("VALUE_ANUM<>'apple'"));
    EXPECT_EQ(values.GetValue("VALUE_ANUM").ToText(), "Banana") << "NULL texts are never met";

    EXPECT_FALSE(values.Find("NO_SUCH=1"));
    EXPECT_FALSE(values.Find("VALUE_ID"));
    EXPECT_FALSE(values.Find("VALUE_ANUM='open"));
}

TEST_F(RecordsetTest, FindsNamesWithApostrophes)
{
    CDbRecordset& items = Run("SELECT * FROM [ItemSet] ORDER BY ITEM_ID;");
    ASSERT_TRUE(items.Find("ITEM_IDENTIFIER='O''Brien'"));
    EXPECT_EQ(items.GetValue("ITEM_ID").ToLong(), 3);
    items.MoveFirst();
    ASSERT_TRUE(items.Find("ITEM_IDENTIFIER='O'Brien'")) << "an unescaped apostrophe is tolerated";
    EXPECT_EQ(items.GetValue("ITEM_ID").ToLong(), 3);
    EXPECT_EQ(Run("SELECT * FROM [ItemSet] WHERE ITEM_IDENTIFIER=\"O'Brien\"", 1).RecordCount(), 1);
}

TEST_F(RecordsetTest, FindsKeepUpWithChangedAddedAndDeletedRows)
{
    CDbRecordset& items = Run("SELECT * FROM [ItemSet] ORDER BY ITEM_ID;");
    ASSERT_TRUE(items.Find("ITEM_ID=2"));  // builds the index
    ASSERT_TRUE(items.SetValue("ITEM_IDENTIFIER", "Moved"));
    ASSERT_TRUE(items.Update());
    ASSERT_TRUE(items.AddNew());
    ASSERT_TRUE(items.SetValue("ITEM_IDENTIFIER", "Added"));
    ASSERT_TRUE(items.Update());
    const int added = items.GetValue("ITEM_ID").ToLong();

    items.MoveFirst();
    ASSERT_TRUE(items.Find("ITEM_ID=" + std::to_string(added)));
    EXPECT_EQ(items.GetValue("ITEM_IDENTIFIER").ToText(), "Added");
    items.MoveFirst();
    ASSERT_TRUE(items.Find("ITEM_IDENTIFIER='Moved'"));
    EXPECT_EQ(items.GetValue("ITEM_ID").ToLong(), 2);
    ASSERT_TRUE(items.Delete());
    items.MoveFirst();
    ASSERT_TRUE(items.Find("ITEM_ID=2"));
    EXPECT_TRUE(items.IsEOF()) << "a deleted row is not found";
    items.MoveFirst();
    ASSERT_TRUE(items.Find("ITEM_IDENTIFIER='Second'"));
    EXPECT_TRUE(items.IsEOF()) << "the old name is gone from the index";
}
