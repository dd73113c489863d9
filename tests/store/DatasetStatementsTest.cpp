// Every statement the stores and the query engine send, with its placeholders filled, runs
// through the connection against a dataset made from the template, and the ones whose answer
// matters give the rows they should.
#include "store/DbConnection.h"
#include "tests/support/DatasetFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Price (numeric, 2 decimals), Color (text: Red, Blue, Green), Made (date); items A, B, C; query
// 7 with a condition per parameter, its sort keys, columns, footer, permutation, widths and
// colours, and item B deleted from it; query 8 is temporary.
DatasetDescription ShopDescription()
{
    return {.parameters = {{"Price", TYPE_NUMERIC, 2},
                           {"Color", TYPE_ALPHANUMERIC, 0, {"Red", "Blue", "Green"}},
                           {"Made", TYPE_DATETIME}},
            .items = {{"A", {{"Price", "12"}, {"Color", "Red"}, {"Made", "1/15/2007"}}, "", {"B"}, "{\\rtf1 A}"},
                      {"B", {{"Price", "5"}, {"Color", "Blue"}, {"Made", "3/1/2007"}}},
                      {"C", {{"Price", "20"}, {"Color", "Green"}, {"Made", "1/20/2007"}}}}};
}

constexpr const char* kQueries = R"sql(
INSERT INTO Queries (QUERY_ID, QUERY_NAME, IS_TEMPORARY, USER_ORDER) VALUES (7, 'Cheap red', 0, 0), (8, 'Scratch', 1, 1);
INSERT INTO Conditions (CONDITION_ID, QUERY_ID, PROPERTY_ID, OPERATION_ID, ARGUMENT_NUM, ALL_BUT, IS_MULTY) VALUES (1, 7, 1, 9, 10, 0, 0);
INSERT INTO Conditions (CONDITION_ID, QUERY_ID, PROPERTY_ID, OPERATION_ID, ALL_BUT, IS_MULTY) VALUES (2, 7, 2, 1, 0, 1);
INSERT INTO Conditions (CONDITION_ID, QUERY_ID, PROPERTY_ID, OPERATION_ID, ARGUMENT_DATE, ARGUMENT_DATE_2, ALL_BUT, IS_MULTY) VALUES (3, 7, 3, 15, 39083, 39114, 0, 0);
INSERT INTO Multiply (CONDITION_ID, VALUE_ID) VALUES (2, 1), (2, 2);
INSERT INTO SortOrder (QUERY_ID, PROPERTY_ID, SORT_ORDER) VALUES (7, 1, 0), (7, 2, 1), (7, 3, 2);
INSERT INTO Viewable (QUERY_ID, PROPERTY_ID) VALUES (7, 1), (7, 2);
INSERT INTO Footer (QUERY_ID, PROPERTY_ID, FORMULA_ID) VALUES (7, 1, 4);
INSERT INTO Combo (QUERY_ID, QUERY_NAME, COMBO_NAME, COMBO) VALUES (7, 'Cheap red', 'Swap', '3,2');
INSERT INTO Sizes (QUERY_ID, COL_NUM, COL_SIZE) VALUES (7, 0, 20), (7, 1, 20), (7, 2, 80), (7, 3, 60);
INSERT INTO Colors (OBJECT_TYPE, OBJECT_ID, OBJECT_ID2, OBJECT_ID3, COLOR_FG, COLOR_BG) VALUES (4, 1, 2, 7, 255, 0), (2, 1, 0, 0, 0, 65280);
INSERT INTO Deleted_Items (DELETED_ITEM_ID, QUERY_ID, IS_TEMPORARY) VALUES (2, 7, 1);
INSERT INTO [Values] (PROPERTY_ID, VALUE_NUMBER) VALUES (1, 99);
)sql";

constexpr const char* kFulltable =
    "CREATE TABLE fulltable(FULL_ID int  IDENTITY(1,1) primary key, ITEM_ID int, IDENT varchar(255), "
    "IS_LINKS bit DEFAULT 0, [Price] Single, [Color] varchar(255), [Made] smalldatetime)";

constexpr const char* kStage =
    "INSERT INTO [tempvalues] (ITEM_ID, ITEM_IDENTIFIER, VALUE_ID, PROPERTY_ID, VALUE_DATE, VALUE_NUMBER, "
    "VALUE_ANUM, PROPERTY_NAME, TYPE_ID, TYPE) SELECT ItemSet.ITEM_ID, ItemSet.ITEM_IDENTIFIER, "
    "ItemValues.VALUE_ID, Values.PROPERTY_ID, Values.VALUE_DATE, Values.VALUE_NUMBER, Values.VALUE_ANUM, "
    "Property.PROPERTY_NAME, Property.TYPE_ID, Type.TYPE FROM (Type INNER JOIN Property ON Type.TYPE_ID = "
    "Property.TYPE_ID) INNER JOIN ([Values] INNER JOIN ([ItemSet] INNER JOIN [ItemValues] ON ItemSet.ITEM_ID "
    "= ItemValues.ITEM_ID) ON Values.VALUE_ID = ItemValues.VALUE_ID) ON Property.PROPERTY_ID = "
    "Values.PROPERTY_ID;";

constexpr const char* kExclusion =
    "fulltable.ITEM_ID NOT IN (SELECT DELETED_ITEM_ID FROM Deleted_Items WHERE QUERY_ID = ";

class DatasetStatements : public ::testing::Test {
protected:
    DatasetStatements() : dataset_(ShopDescription()) { dataset_.Exec(kQueries); }

    void SetUp() override
    {
        ASSERT_TRUE(connection_.Open(CDbConnection::MakeConnectionString(dataset_.Path())))
            << connection_.lastError();
    }

    // Runs `sql` and gives the number of rows it returned (-1 for a statement without rows).
    long Run(const std::string& sql, int index = 0)
    {
        EXPECT_TRUE(connection_.Execute(sql, index)) << sql << "\n" << connection_.lastError();
        const CDbRecordset& recordset = connection_.Recordset(index);
        return recordset.IsOpen() ? recordset.RecordCount() : -1;
    }

    // Stages the values and builds the result table as a query run does.
    void BuildResultTable()
    {
        EXPECT_EQ(Run("SELECT * FROM [tempvalues];"), 0);
        EXPECT_EQ(Run(kStage), -1);
        EXPECT_FALSE(connection_.Execute("DROP TABLE fulltable", 1)) << "no result table yet";
        ASSERT_EQ(Run(kFulltable, 1), -1);
        CDbRecordset& staged = connection_.Recordset(2);
        CDbRecordset& table = connection_.Recordset(0);
        ASSERT_EQ(Run("SELECT * FROM [fulltable]"), 0);
        for (int item = 1; item <= 3; ++item) {
            ASSERT_TRUE(table.AddNew());
            ASSERT_TRUE(table.SetValue("IDENT", std::string(1, static_cast<char>('A' + item - 1))));
            ASSERT_TRUE(table.SetValue("ITEM_ID", item));
            ASSERT_TRUE(table.SetValue("IS_LINKS", item == 1));
            for (int parameter = 1; parameter <= 3; ++parameter) {
                Run("SELECT * FROM [tempvalues] WHERE(((ITEM_ID)=" + std::to_string(item) +
                        ") AND ((PROPERTY_ID)=" + std::to_string(parameter) + "));",
                    2);
                const char* column = parameter == 1 ? "VALUE_NUMBER" : (parameter == 2 ? "VALUE_ANUM" : "VALUE_DATE");
                if (!staged.IsEOF()) {
                    ASSERT_TRUE(table.SetValue(parameter + 3, staged.GetValue(column))) << connection_.lastError();
                }
            }
            ASSERT_TRUE(table.Update()) << connection_.lastError();
        }
    }

    TestDataset dataset_;
    CDbConnection connection_;
};

}  // namespace

TEST_F(DatasetStatements, EveryReadingStatementRuns)
{
    const struct {
        const char* sql;
        long rows;  // -1: any number
    } cases[] = {
        {"SELECT * FROM Type ORDER BY TYPE_ID;", 3},
        {"SELECT * FROM [Property] ORDER BY PROPERTY_ID;", 3},
        {"SELECT * FROM [Property] ORDER BY PROPERTY_NAME;", 3},
        {"SELECT * FROM [Property] ORDER BY SORT_ORDER;", 3},
        {"SELECT * FROM [Property] WHERE PROPERTY_ID=1 ORDER BY TYPE_ID;", 1},
        {"SELECT * FROM [Colors] WHERE OBJECT_TYPE=2;", 1},
        {"SELECT * FROM [Colors] WHERE OBJECT_TYPE=4 AND OBJECT_ID3=7;", 1},
        {"SELECT * FROM [Colors] WHERE OBJECT_TYPE=4 AND OBJECT_ID=1 AND OBJECT_ID2=2 AND OBJECT_ID3=7;", 1},
        {"SELECT * FROM [Values] WHERE PROPERTY_ID=2;", 3},
        {"SELECT * FROM [Operations] WHERE (Operations.FOR_ARGUMENT=True) AND (Operations.TYPE_ID=2);", 8},
        {"SELECT * FROM [Conditions] WHERE PROPERTY_ID=1;", 1},
        {"SELECT * FROM [Footer] WHERE PROPERTY_ID=1;", 1},
        {"SELECT * FROM [SortOrder] ORDER BY QUERY_ID;", 3},
        {"SELECT * FROM [SortOrder] WHERE QUERY_ID=7;", 3},
        {"SELECT * FROM [Sizes] WHERE (QUERY_ID=7) AND (COL_NUM=3);", 1},
        {"SELECT * FROM [Sizes] WHERE (QUERY_ID=7);", 4},
        {"SELECT VALUE_ID, VALUE_ANUM, PROPERTY_ID FROM [Values] WHERE PROPERTY_ID=2 ORDER BY VALUE_ANUM;", 3},
        {"SELECT VALUE_ID, VALUE_ANUM, PROPERTY_ID FROM [Values] WHERE PROPERTY_ID=2 ORDER BY VALUE_ID;", 3},
        {"SELECT * FROM [Values] ORDER BY VALUE_ID;", 10},
        {"SELECT * from [Values] ORDER BY VALUE_ID;", 10},
        {"SELECT * FROM [ItemValues] WHERE VALUE_ID=1", 1},
        {"SELECT * FROM [ItemValues] ORDER BY ITEMVALUE_ID;", 9},
        {"SELECT * FROM ItemSet ORDER BY ITEM_ID;", 3},
        {"SELECT * FROM [ItemSet] ORDER BY ITEM_ID;", 3},
        {"SELECT * FROM [ItemSet];", 3},
        {"SELECT * FROM [Hyperlink] WHERE ITEM_ID=1 ORDER BY LINK_ID;", 1},
        {"SELECT * FROM Hyperlink WHERE ITEM_ID=1;", 1},
        {"SELECT * FROM [Hyperlink] ORDER BY LINK_ID;", 1},
        {"SELECT * FROM [Descriptions] ORDER BY ITEM_ID;", 1},
        {"SELECT * FROM [Descriptions] ORDER BY DESCRIPTION_ID;", 1},
        {"SELECT Values.VALUE_ID, Values.PROPERTY_ID FROM Property INNER JOIN ([Values] LEFT JOIN ItemValues ON "
         "Values.VALUE_ID = ItemValues.VALUE_ID) ON Property.PROPERTY_ID = Values.PROPERTY_ID WHERE "
         "(((Property.TYPE_ID)<>1) AND ((ItemValues.VALUE_ID) Is Null));",
         1},
        {"SELECT Property.PROPERTY_ID, Property.PROPERTY_NAME, Property.TYPE_ID, Type.TYPE FROM Type INNER JOIN "
         "Property ON Type.TYPE_ID = Property.TYPE_ID ORDER BY Property.SORT_ORDER;",
         3},
        {"SELECT ItemValues.ITEMVALUE_ID, ItemValues.VALUE_ID, Values.PROPERTY_ID, Values.VALUE_DATE, "
         "Values.VALUE_NUMBER, Values.VALUE_ANUM, Property.PROPERTY_NAME, Property.TYPE_ID, Type.TYPE FROM (Type "
         "INNER JOIN (Property INNER JOIN [Values] ON Property.PROPERTY_ID = Values.PROPERTY_ID) ON Type.TYPE_ID = "
         "Property.TYPE_ID) INNER JOIN ItemValues ON Values.VALUE_ID = ItemValues.VALUE_ID WHERE "
         "(((Values.PROPERTY_ID)=1) AND ((ItemValues.ITEM_ID)=1)) ORDER BY Values.PROPERTY_ID;",
         1},
        {"SELECT * FROM [Queries] ORDER BY QUERY_ID;", 2},
        {"SELECT distinct Conditions.*, Property.SORT_ORDER FROM [Property] AS Property_1, Property INNER JOIN "
         "Conditions ON Property.PROPERTY_ID = Conditions.PROPERTY_ID WHERE (Conditions.QUERY_ID=7) order by "
         "Property.SORT_ORDER;",
         3},
        {"SELECT PROPERTY_ID FROM [Conditions] WHERE CONDITION_ID=1", 1},
        {"SELECT MULTY_ID,CONDITION_ID FROM [Multiply] WHERE CONDITION_ID=2", 2},
        {"SELECT * FROM [Multiply] ORDER BY MULTY_ID", 2},
        {"SELECT * FROM [Multiply] WHERE CONDITION_ID=2 ORDER BY MULTY_ID;", 2},
        {"SELECT * FROM Multiply ORDER BY MULTY_ID;", 2},
        {"SELECT * FROM [Conditions] ORDER BY CONDITION_ID;", 3},
        {"SELECT * FROM [Conditions] WHERE Conditions.QUERY_ID=7;", 3},
        {"SELECT * FROM [Operations] ORDER BY OPERATION_ID;", 17},
        {"SELECT [SQLString] FROM [Operations] WHERE OPERATION_ID=9", 1},
        {"SELECT * FROM Formula WHERE TYPE_ID=2;", 6},
        {"SELECT [SQLString] FROM [Formula] WHERE FORMULA_ID=4;", 1},
        {"SELECT FORMULA FROM [Formula] WHERE FORMULA_ID=4;", 1},
        {"SELECT * FROM [Footer] WHERE Footer.QUERY_ID=7;", 1},
        {"SELECT * FROM [Footer] WHERE QUERY_ID=7;", 1},
        {"SELECT * FROM [Footer] ORDER BY FOOTER_ID;", 1},
        {"SELECT * FROM [SortOrder] WHERE SortOrder.QUERY_ID=7 ORDER BY SORT_ORDER;", 3},
        {"SELECT * FROM [SortOrder] ORDER BY SORT_ID;", 3},
        {"SELECT * FROM [Viewable] WHERE Viewable.QUERY_ID=7;", 2},
        {"SELECT * FROM [Viewable] WHERE Viewable.QUERY_ID=7 ORDER BY PROPERTY_ID;", 2},
        {"SELECT * FROM [Viewable] ORDER BY VIEWABLE_ID;", 2},
        {"SELECT * FROM [Combo] WHERE Combo.QUERY_ID=7", 1},
        {"SELECT * FROM Combo WHERE Combo.QUERY_ID=7;", 1},
        {"SELECT * FROM [Combo] ORDER BY COMBO_ID;", 1},
        {"SELECT * FROM Sizes WHERE QUERY_ID=7 ORDER BY COL_NUM;", 4},
        {"SELECT * FROM Sizes;", 4},
        {"SELECT * FROM [Deleted_Items] WHERE DELETED_ITEM_ID=2 AND QUERY_ID=7;", 1},
        {"SELECT * FROM [Deleted_Items] WHERE QUERY_ID=7 AND IS_TEMPORARY=TRUE", 1},
        {"SELECT * FROM [Deleted_Items] WHERE QUERY_ID=7", 1},
    };
    for (const auto& c : cases) {
        const long rows = Run(c.sql);
        if (c.rows >= 0) {
            EXPECT_EQ(rows, c.rows) << c.sql;
        }
    }
    Run("SELECT VALUE_ID, VALUE_ANUM, PROPERTY_ID FROM [Values] WHERE PROPERTY_ID=2 ORDER BY VALUE_ANUM;");
    EXPECT_EQ(connection_.Recordset(0).GetValue("VALUE_ANUM").ToText(), "Blue");
    ASSERT_TRUE(connection_.Execute("[Queries]", 0, true));
    EXPECT_EQ(connection_.Recordset(0).FieldCount(), 4);
}

TEST_F(DatasetStatements, TheResultTableIsBuiltAndQueried)
{
    BuildResultTable();
    EXPECT_EQ(Run("SELECT * FROM [tempvalues];"), 9);
    EXPECT_EQ(Run("SELECT * FROM [fulltable]"), 3);
    const std::string exclusion7 = std::string(kExclusion) + "7))";
    const std::string where = "WHERE (([Price]>=10.00)AND(([Color]=\"Red\") OR ([Color]=\"Blue\")) AND " + exclusion7;
    const std::string statement =
        "SELECT FULL_ID,ITEM_ID,IDENT,IS_LINKS,[Price],[Color] FROM [fulltable] " + where + "ORDER BY [Price],[Color],[Made];";
    ASSERT_EQ(Run(statement, 2), 1) << "B is deleted from query 7, C is green";
    CDbRecordset& result = connection_.Recordset(2);
    EXPECT_EQ(result.GetValue("IDENT").ToText(), "A");
    EXPECT_EQ(CDbConnection::VariantToText(result.GetValue("IS_LINKS")), "TRUE");
    EXPECT_EQ(result.GetValue("Price").Kind(), VT_R4);
    EXPECT_EQ(result.FieldCount(), 6);

    Run("SELECT SUM([Price]) FROM fulltable " + where + ";", 2);
    EXPECT_EQ(result.GetValue(0).ToDouble(), 12.0);

    const struct {
        const char* why;
        std::string where;
        long rows;
    } cases[] = {
        {"dates between, both bounds exclusive",
         "WHERE ((([Made]>#01/01/07#)AND(([Made]<#02/01/07#)))AND " + exclusion7, 2},
        {"numbers between", "WHERE ((([Price]>5.00) AND (([Price]<20.00))) AND " + std::string(kExclusion) + "8))", 1},
        {"negated", "WHERE ((NOT([Price]>=10.00)) AND " + std::string(kExclusion) + "8))", 1},
        {"a date comparison", "WHERE (([Made]<#01/31/07#) AND " + std::string(kExclusion) + "8))", 2},
        {"no condition", "WHERE (" + std::string(kExclusion) + "8))", 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Run("SELECT FULL_ID,ITEM_ID,IDENT,IS_LINKS FROM [fulltable] " + c.where + ";", 2), c.rows) << c.why;

    EXPECT_EQ(Run("DROP TABLE fulltable", 1), -1);
}

TEST_F(DatasetStatements, UpgradeStatementsCreateWhatOlderDatasetsLack)
{
    dataset_.Exec("DROP TABLE Colors; DROP TABLE Deleted_Items; ALTER TABLE Queries DROP COLUMN USER_ORDER;");
    connection_.Close();
    ASSERT_TRUE(connection_.Open(CDbConnection::MakeConnectionString(dataset_.Path())));
    const char* upgrades[] = {
        "CREATE TABLE Colors(ID int IDENTITY(1,1) primary key not null, OBJECT_TYPE int, OBJECT_ID int, OBJECT_ID2 int "
        "DEFAULT 0, OBJECT_ID3 int DEFAULT 0, COLOR_FG int, COLOR_BG int);",
        "CREATE TABLE Deleted_Items(ID int IDENTITY(1,1) primary key not null, DELETED_ITEM_ID int, QUERY_ID int, "
        "IS_TEMPORARY bit\tDEFAULT 0);",
        "ALTER TABLE [Queries] ADD USER_ORDER Integer;",
    };
    for (const char* sql : upgrades)
        EXPECT_EQ(Run(sql, 1), -1) << sql;
    ASSERT_TRUE(connection_.Execute("[Queries]", 0, true));
    EXPECT_EQ(connection_.Recordset(0).FieldCount(), 4);

    CDbRecordset& colours = connection_.Recordset(0);
    ASSERT_EQ(Run("SELECT * FROM [Colors] WHERE OBJECT_TYPE=1 AND OBJECT_ID=0"), 0);
    ASSERT_TRUE(colours.AddNew());
    ASSERT_TRUE(colours.SetValue("OBJECT_TYPE", 1));
    ASSERT_TRUE(colours.Update());
    EXPECT_EQ(colours.GetValue("ID").ToLong(), 1) << "the identity column generates keys";
    EXPECT_EQ(colours.GetValue("OBJECT_ID2").ToLong(), 0) << "its default is read back";
    EXPECT_EQ(colours.GetValue("ID").Kind(), VT_I4);
}

TEST_F(DatasetStatements, DeleteStatementsRemoveTheirRows)
{
    const struct {
        const char* sql;
        const char* table;
        int64_t remaining;
    } cases[] = {
        {"DELETE Combo.COMBO_ID, Combo.QUERY_NAME, Combo.QUERY_ID FROM Combo WHERE (((Combo.QUERY_ID)=7));", "Combo", 0},
        {"DELETE * FROM [Sizes] WHERE (((Sizes.QUERY_ID)=7));", "Sizes", 0},
        {"DELETE * FROM [Colors] WHERE OBJECT_TYPE=2 AND OBJECT_ID=1;", "Colors", 1},
        {"DELETE Queries.QUERY_ID, Queries.QUERY_NAME, Queries.IS_TEMPORARY FROM Queries WHERE "
         "(((Queries.IS_TEMPORARY)=True));",
         "Queries", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.sql), -1) << c.sql;
        EXPECT_EQ(dataset_.Count(c.table), c.remaining) << c.sql;
    }
    EXPECT_EQ(dataset_.Count("Queries", "QUERY_ID=7"), 1) << "the saved query stays";
}
