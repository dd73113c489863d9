// The generated SELECT of a query run: every condition term as the worked forms give it (with the
// escaped value texts and four-digit years), the WHERE, ORDER BY and column parts, and statements
// built from stored queries and run against a result table.
#include "platform/MessageBox.h"
#include "query/QuerySql.h"
#include "store/DovaneDatabase.h"
#include "tests/support/DatasetFixture.h"

#include <gtest/gtest.h>

namespace {

AutomationDate Day(int year, int month, int day)
{
    return AutomationDate::FromDate(year, month, day);
}

ConditionSqlInput Price(int32_t operationId, const std::string& sql, float number,
                        float number2 = 0)
{
    ConditionSqlInput c;
    c.name = "Price";
    c.type = TYPE_NUMERIC;
    c.precision = 2;
    c.operationId = operationId;
    c.sqlString = sql;
    c.noNumber = false;
    c.number = number;
    c.number2 = number2;
    return c;
}

ConditionSqlInput Made(int32_t operationId, const std::string& sql, AutomationDate date,
                       AutomationDate date2 = AutomationDate::NullDate())
{
    ConditionSqlInput c;
    c.name = "Made";
    c.type = TYPE_DATETIME;
    c.operationId = operationId;
    c.sqlString = sql;
    c.noDate = false;
    c.date = date;
    c.date2 = date2;
    return c;
}

ConditionSqlInput Color(std::vector<std::string> texts, bool isMulty = true)
{
    ConditionSqlInput c;
    c.name = "Color";
    c.type = TYPE_ALPHANUMERIC;
    c.operationId = 1;
    c.sqlString = "";
    c.isMulty = isMulty;
    c.valueTexts = std::move(texts);
    return c;
}

template <class T>
T With(T value, void (*change)(T&))
{
    change(value);
    return value;
}

struct TermCase {
    const char* why;
    ConditionSqlInput condition;
    std::string term;
};

TEST(QuerySqlTerms, EachConditionGivesItsTerm)
{
    const std::vector<TermCase> cases = {
        {"a comparison prints the number with the parameter's decimals", Price(9, ">=", 10),
         "([Price]>=10.00)"},
        {"the numeric between has exclusive bounds and blanks around AND",
         Price(14, "BETWEEN", 5, 20), "(([Price]>5.00) AND (([Price]<20.00)))"},
        {"ALL_BUT negates the term",
         With<ConditionSqlInput>(Price(9, ">=", 10), [](auto& c) { c.allBut = true; }),
         "(NOT([Price]>=10.00))"},
        {"dates carry a four-digit year", Made(12, "<", Day(2007, 1, 31)), "([Made]<#01/31/2007#)"},
        {"a year of the last century stays in it", Made(16, ">", Day(1925, 6, 1)),
         "([Made]>#06/01/1925#)"},
        {"the date between has no blanks around AND",
         Made(15, "BETWEEN", Day(2007, 1, 1), Day(2007, 2, 1)),
         "(([Made]>#01/01/2007#)AND(([Made]<#02/01/2007#)))"},
        {"the chosen values make an OR list", Color({"Red", "Blue"}),
         "(([Color]=\"Red\") OR ([Color]=\"Blue\"))"},
        {"a double quote inside a value text is doubled", Color({"5\" disk", "a\"\"b"}),
         "(([Color]=\"5\"\" disk\") OR ([Color]=\"a\"\"\"\"b\"))"},
        {"an alphanumeric operation without IS_MULTY restricts nothing", Color({"Red"}, false), ""},
        {"a parameter without values gives no OR list", Color({}), ""},
        {"an SQLString read as NULL restricts nothing", Price(9, "NULL", 10), ""},
        {"an empty SQLString restricts nothing", Price(2, "", 10), ""},
        {"an empty SQLString of the between restricts nothing", Price(14, "", 5, 20), ""},
        {"no number: no term",
         With<ConditionSqlInput>(Price(9, ">=", 10), [](auto& c) { c.noNumber = true; }), ""},
        {"no date: no term",
         With<ConditionSqlInput>(Made(12, "<", Day(2007, 1, 31)), [](auto& c) { c.noDate = true; }),
         ""},
        {"ALL_BUT of nothing stays nothing",
         With<ConditionSqlInput>(Price(9, "", 10), [](auto& c) { c.allBut = true; }), ""},
        {"precision 0 prints integers without a decimal point",
         With<ConditionSqlInput>(Price(9, ">=", 3),
                                 [](auto& c) {
                                     c.name = "Qty";
                                     c.precision = 0;
                                 }),
         "([Qty]>=3)"},
        {"a negative number keeps its sign", Price(6, "<", -2.5f), "([Price]<-2.50)"},
    };
    for (const TermCase& c : cases)
        EXPECT_EQ(ConditionTerm(c.condition), c.term) << c.why;
}

TEST(QuerySqlTexts, WhereOrderAndSelectParts)
{
    EXPECT_EQ(MakeWhereText({}, 12),
              "WHERE (fulltable.ITEM_ID NOT IN (SELECT DELETED_ITEM_ID FROM Deleted_Items WHERE "
              "QUERY_ID = 12))");
    EXPECT_EQ(MakeWhereText({"(a)", "(b)"}, 3),
              "WHERE ((a)AND(b) AND fulltable.ITEM_ID NOT IN (SELECT DELETED_ITEM_ID FROM "
              "Deleted_Items WHERE QUERY_ID = 3))");
    EXPECT_EQ(MakeOrderText({}), "");
    EXPECT_EQ(MakeOrderText({"Price", "Color"}), "ORDER BY [Price],[Color]");
    EXPECT_EQ(MakeSelectText({}), "SELECT FULL_ID,ITEM_ID,IDENT,IS_LINKS FROM [fulltable] ");
}

// A dataset with the three parameters of the worked examples and query 7 over them.
class QuerySqlBuild : public ::testing::Test {
protected:
    QuerySqlBuild()
        : dataset_({.parameters = {{"Price", TYPE_NUMERIC, 2},
                                   {"Color", TYPE_ALPHANUMERIC, 0, {"Red", "Green", "Blue"}},
                                   {"Made", TYPE_DATETIME}}})
    {
        dataset_.Exec("INSERT INTO Queries (QUERY_ID, QUERY_NAME, IS_TEMPORARY, USER_ORDER) "
                      "VALUES (7, 'Cheap colours', 0, 0)");
        database_.OpenDataset(dataset_.Path());
        database_.RunFirstLoads();
    }

    void AddSortKey(const std::string& parameter, int order, int queryId = 7)
    {
        dataset_.Exec("INSERT INTO SortOrder (QUERY_ID, PROPERTY_ID, SORT_ORDER) VALUES (" +
                      std::to_string(queryId) + ", " + Id(parameter) + ", " +
                      std::to_string(order) + ")");
    }
    void AddViewable(const std::string& parameter, int queryId = 7)
    {
        dataset_.Exec("INSERT INTO Viewable (QUERY_ID, PROPERTY_ID) VALUES (" +
                      std::to_string(queryId) + ", " + Id(parameter) + ")");
    }
    // A condition with the given columns; returns its CONDITION_ID.
    int AddCondition(const std::string& parameter, int operation, const std::string& columns = "",
                     const std::string& values = "")
    {
        dataset_.Exec("INSERT INTO Conditions (QUERY_ID, PROPERTY_ID, OPERATION_ID" + columns +
                      ") VALUES (7, " + Id(parameter) + ", " + std::to_string(operation) + values +
                      ")");
        return int(dataset_.Number("SELECT MAX(CONDITION_ID) FROM Conditions"));
    }
    void Choose(int conditionId, const std::string& text)
    {
        dataset_.Exec("INSERT INTO Multiply (CONDITION_ID, VALUE_ID) VALUES (" +
                      std::to_string(conditionId) + ", " +
                      std::to_string(dataset_.ValueId("Color", text)) + ")");
    }
    std::string Id(const std::string& parameter) const
    {
        return std::to_string(dataset_.ParameterId(parameter));
    }

    TestDataset dataset_;
    CDovaneDatabase database_;
    CQuerySql sql_{database_};
};

TEST_F(QuerySqlBuild, TheWorkedStatement)
{
    AddViewable("Price");
    AddViewable("Color");
    AddSortKey("Price", 0);
    AddSortKey("Color", 1);
    AddSortKey("Made", 2);
    AddCondition("Price", 9, ", ARGUMENT_NUM", ", 10");
    const int color = AddCondition("Color", 1, ", IS_MULTY", ", 1");
    Choose(color, "Red");
    Choose(color, "Blue");

    ASSERT_TRUE(sql_.Build(7));
    EXPECT_EQ(
        sql_.Statement(),
        "SELECT FULL_ID,ITEM_ID,IDENT,IS_LINKS,[Price],[Color] FROM [fulltable] WHERE "
        "(([Price]>=10.00)AND(([Color]=\"Red\") OR ([Color]=\"Blue\")) AND "
        "fulltable.ITEM_ID NOT IN (SELECT DELETED_ITEM_ID FROM Deleted_Items WHERE QUERY_ID = "
        "7))ORDER BY [Price],[Color],[Made];");
    EXPECT_EQ(sql_.ConditionTerms().size(), 2u);
    EXPECT_EQ(sql_.ColumnNames(), (std::vector<std::string>{"Price", "Color"}));
    EXPECT_EQ(sql_.SortNames(), (std::vector<std::string>{"Price", "Color", "Made"}));
    EXPECT_EQ(sql_.Statement(), sql_.SelectText() + sql_.WhereText() + sql_.OrderText() + ";");
}

TEST_F(QuerySqlBuild, ColumnsFollowSortKeysAndViewableMode)
{
    AddSortKey("Made", 0);
    AddSortKey("Price", 1);
    ASSERT_TRUE(sql_.Build(7));
    EXPECT_EQ(sql_.SelectText(),
              "SELECT FULL_ID,ITEM_ID,IDENT,IS_LINKS,[Made],[Price] FROM [fulltable] ")
        << "a saved query without viewable rows shows every parameter that has a sort key";

    dataset_.Exec("UPDATE Queries SET IS_TEMPORARY=1 WHERE QUERY_ID=7");
    ASSERT_TRUE(sql_.Build(7));
    EXPECT_EQ(sql_.SelectText(), "SELECT FULL_ID,ITEM_ID,IDENT,IS_LINKS FROM [fulltable] ")
        << "a temporary query without viewable rows shows the fixed columns only";
    EXPECT_EQ(sql_.OrderText(), "ORDER BY [Made],[Price]");
}

TEST_F(QuerySqlBuild, ANegativeRankPlacesTheColumnButDoesNotSort)
{
    AddSortKey("Price", 0);
    AddSortKey("Color", -1);
    ASSERT_TRUE(sql_.Build(7));
    EXPECT_EQ(sql_.SelectText(),
              "SELECT FULL_ID,ITEM_ID,IDENT,IS_LINKS,[Color],[Price] FROM [fulltable] ");
    EXPECT_EQ(sql_.OrderText(), "ORDER BY [Price]");
}

TEST_F(QuerySqlBuild, AQueryWithoutConditionsOrSortKeys)
{
    ASSERT_TRUE(sql_.Build(7));
    EXPECT_EQ(sql_.Statement(),
              "SELECT FULL_ID,ITEM_ID,IDENT,IS_LINKS FROM [fulltable] WHERE (fulltable.ITEM_ID NOT "
              "IN (SELECT DELETED_ITEM_ID FROM Deleted_Items WHERE QUERY_ID = 7));");
    EXPECT_FALSE(sql_.Build(-1));
    EXPECT_EQ(sql_.Statement(), "");
}

TEST_F(QuerySqlBuild, NothingChosenListsEveryValueOfTheParameter)
{
    AddCondition("Color", 1, ", IS_MULTY, ALL_BUT", ", 1, 1");
    ASSERT_TRUE(sql_.Build(7));
    EXPECT_EQ(sql_.ConditionTerms(),
              (std::vector<std::string>{"(NOT(([Color]=\"Red\") OR ([Color]=\"Green\") OR "
                                        "([Color]=\"Blue\")))"}));
}

TEST_F(QuerySqlBuild, ARefusedParameterNameFailsTheBuildWithAMessage)
{
    dataset_.Exec("UPDATE Property SET PROPERTY_NAME='item_id' WHERE PROPERTY_NAME='Price'");
    AddSortKey("item_id", 0);
    EXPECT_FALSE(sql_.Build(7));
    EXPECT_NE(sql_.Error().find("item_id"), std::string::npos) << sql_.Error();
    EXPECT_EQ(sql_.Statement(), "");
}

// The statement runs on the dataset engine: the escaped value and the four-digit year match
// exactly what was stored.
TEST_F(QuerySqlBuild, TheStatementSelectsExactlyTheMatchingRows)
{
    dataset_.Exec("CREATE TABLE fulltable(FULL_ID INTEGER PRIMARY KEY AUTOINCREMENT, ITEM_ID LONG, "
                  "IDENT TEXT(255), IS_LINKS BIT DEFAULT 0, [Price] SINGLE, [Color] TEXT(255), "
                  "[Made] DATETIME)");
    dataset_.Exec("INSERT INTO [Values] (PROPERTY_ID, VALUE_ANUM) VALUES (" + Id("Color") +
                  ", '5\" disk')");
    const auto row = [&](int item, const std::string& color, double made) {
        dataset_.Exec("INSERT INTO fulltable (ITEM_ID, IDENT, [Color], [Made]) VALUES (" +
                      std::to_string(item) + ", 'i" + std::to_string(item) + "', '" + color +
                      "', " + std::to_string(made) + ")");
    };
    row(1, "5\" disk", Day(1925, 3, 1).Value());
    row(2, "5\" disk", Day(2025, 3, 1).Value());
    row(3, "Red", Day(1925, 3, 1).Value());
    AddViewable("Color");
    AddSortKey("Color", 0);
    const int color = AddCondition("Color", 1, ", IS_MULTY", ", 1");
    Choose(color, "5\" disk");
    AddCondition("Made", 12, ", ARGUMENT_DATE", ", " + std::to_string(Day(1930, 1, 1).Value()));

    ASSERT_TRUE(sql_.Build(7));
    CDbConnection& connection = database_.Connection();
    ASSERT_TRUE(connection.Execute(sql_.Statement(), CDbConnection::kReadOnlyRecordset))
        << connection.lastError() << "\n"
        << sql_.Statement();
    CDbRecordset& rows = connection.Recordset(CDbConnection::kReadOnlyRecordset);
    ASSERT_EQ(rows.RecordCount(), 1);
    EXPECT_EQ(rows.GetValue("ITEM_ID").ToLong(), 1);
}

}  // namespace
