// The result table build: fulltable's columns, types, rows and NULLs, and tempvalues' rows.
#include "query/ResultTable.h"
#include "tests/query/ResultTestFixture.h"

#include <sys/stat.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

const DatasetDescription kShop{
    .parameters = {{"Colour", TYPE_ALPHANUMERIC, 0, {"Red", "Blue"}},
                   {"Price", TYPE_NUMERIC, 2},
                   {"Made", TYPE_DATETIME}},
    .items = {{.identifier = "Apple",
               .values = {{"Colour", "Red"}, {"Price", "1.1"}, {"Made", "2007-01-31"}},
               .links = {"Plum"}},
              {.identifier = "Plum", .values = {{"Colour", "Blue"}}},
              {.identifier = "Pear", .values = {{"Price", "2.5"}}}},
};

class ResultTableTest : public ResultTest {
protected:
    bool Build() { return View().BuildResultTable(); }
    // (name, declared type) of every fulltable column, in order.
    Rows Columns() { return Dataset().Rows("SELECT name, type FROM pragma_table_info('fulltable')"); }
};

TEST_F(ResultTableTest, ColumnsFollowPropertyIdWithTheParameterTypes)
{
    Open(kShop);
    // The display order (SORT_ORDER) is reversed: the columns still follow PROPERTY_ID.
    Dataset().Exec("UPDATE Property SET SORT_ORDER = 10 - PROPERTY_ID");
    ASSERT_TRUE(Build()) << View().LastError();
    EXPECT_EQ(Columns(), (Rows{{"FULL_ID", "INTEGER"},
                               {"ITEM_ID", "LONG"},
                               {"IDENT", "TEXT(255)"},
                               {"IS_LINKS", "BIT"},
                               {"Colour", "TEXT(255)"},
                               {"Price", "SINGLE"},
                               {"Made", "DATETIME"}}));
}

TEST_F(ResultTableTest, OneRowPerItemWithNullWhereAnItemHasNoValue)
{
    Open(kShop);
    ASSERT_TRUE(Build()) << View().LastError();
    const double made = Dataset().Number("SELECT VALUE_DATE FROM [Values] WHERE VALUE_DATE IS NOT NULL");
    EXPECT_EQ(Dataset().Rows("SELECT ITEM_ID, IDENT, IS_LINKS, Colour, typeof(Price), "
                             "iif(Price IS NULL, 'NULL', printf('%.6f', Price)), Made = " + std::to_string(made) +
                             " FROM fulltable ORDER BY FULL_ID"),
              (Rows{{"1", "Apple", "1", "Red", "real", "1.100000", "1"},
                    {"2", "Plum", "0", "Blue", "null", "NULL", "NULL"},
                    {"3", "Pear", "0", "NULL", "real", "2.500000", "NULL"}}));
    // The number is the single-precision value of 1.1, as the SINGLE column keeps it.
    EXPECT_EQ(Dataset().Number("SELECT Price FROM fulltable WHERE ITEM_ID = 1"), double(1.1f));
    EXPECT_EQ(View().ItemTotal(), 3);
}

TEST_F(ResultTableTest, TempvaluesHoldsOneRowPerItemValue)
{
    Open(kShop);
    ASSERT_TRUE(Build());
    EXPECT_EQ(Dataset().Count("tempvalues"), Dataset().Count("ItemValues"));
    EXPECT_EQ(Dataset().Rows("SELECT ITEM_IDENTIFIER, PROPERTY_NAME, TYPE FROM tempvalues "
                             "WHERE ITEM_ID = 3"),
              (Rows{{"Pear", "Price", "Numeric"}}));
    // A second build stages afresh instead of adding to the last one.
    ASSERT_TRUE(Build());
    EXPECT_EQ(Dataset().Count("tempvalues"), Dataset().Count("ItemValues"));
}

TEST_F(ResultTableTest, EdgeDatasets)
{
    const struct {
        const char* why;
        DatasetDescription description;
        Rows columns;
        int64_t rows;
    } cases[] = {
        {"no items: every parameter column, no row",
         {.parameters = {{"Colour", TYPE_ALPHANUMERIC, 0, {"Red"}}, {"Price", TYPE_NUMERIC, 2}}},
         {{"FULL_ID", "INTEGER"}, {"ITEM_ID", "LONG"}, {"IDENT", "TEXT(255)"}, {"IS_LINKS", "BIT"},
          {"Colour", "TEXT(255)"}, {"Price", "SINGLE"}},
         0},
        {"no parameters: the four fixed columns",
         {.items = {{.identifier = "Apple"}, {.identifier = "Plum"}}},
         {{"FULL_ID", "INTEGER"}, {"ITEM_ID", "LONG"}, {"IDENT", "TEXT(255)"}, {"IS_LINKS", "BIT"}},
         2},
    };
    for (const auto& c : cases) {
        Open(c.description);
        ASSERT_TRUE(Build()) << c.why << ": " << View().LastError();
        EXPECT_EQ(Columns(), c.columns) << c.why;
        EXPECT_EQ(Dataset().Count("fulltable"), c.rows) << c.why;
    }
}

TEST_F(ResultTableTest, ARebuildShowsTheItemsAsTheyAreNow)
{
    Open(kShop);
    ASSERT_TRUE(Build());
    Dataset().Exec("INSERT INTO ItemSet (ITEM_IDENTIFIER) VALUES ('Fig')");
    Dataset().Exec("DELETE FROM Hyperlink");
    ASSERT_TRUE(Build());
    EXPECT_EQ(Dataset().Rows("SELECT IDENT, IS_LINKS FROM fulltable ORDER BY FULL_ID"),
              (Rows{{"Apple", "0"}, {"Plum", "0"}, {"Pear", "0"}, {"Fig", "0"}}));
}

TEST_F(ResultTableTest, AParameterNameThatCannotNameAColumnFailsTheBuildWithAMessage)
{
    for (const char* name : {"Size [cm]", "ident"}) {
        Open(kShop);
        ASSERT_TRUE(Build());
        // Written around the parameters store, which refuses such names.
        Dataset().Exec(std::string("UPDATE Property SET PROPERTY_NAME = '") + name +
                       "' WHERE PROPERTY_NAME = 'Price'");
        EXPECT_FALSE(Build()) << name;
        EXPECT_NE(View().LastError().find(name), std::string::npos) << View().LastError();
        // No stale result table stays behind to answer the next query.
        EXPECT_EQ(Dataset().Count("sqlite_master", "name = 'fulltable'"), 0) << name;
    }
}

TEST_F(ResultTableTest, AReadOnlyDatasetIsRefusedWithTheMessage)
{
    Open(kShop);
    TheDatabase().CloseDataset();
    ASSERT_EQ(chmod(Dataset().Path().c_str(), 0444), 0);
    Reopen();
    ASSERT_TRUE(TheDatabase().writeRefused());
    EXPECT_FALSE(Build());
    EXPECT_TRUE(Messages().WasShown(kUpdateNotSupportedText));
}

TEST_F(ResultTableTest, EveryCellEqualsTheItemsValueReadFromTheItemTables)
{
    DatasetDescription description{.parameters = {{"Colour", TYPE_ALPHANUMERIC, 0, {"Red", "Blue", "Green"}},
                                                  {"Price", TYPE_NUMERIC, 2},
                                                  {"Made", TYPE_DATETIME},
                                                  {"Size", TYPE_ALPHANUMERIC, 0, {"S", "M", "L"}},
                                                  {"Weight", TYPE_NUMERIC, 1}}};
    // Forty items with every other combination of missing values and a few links.
    const char* colours[] = {"Red", "Blue", "Green"};
    const char* sizes[] = {"S", "M", "L"};
    for (int i = 0; i < 40; ++i) {
        FixtureItem item{.identifier = "Item " + std::to_string(i)};
        if (i % 2 == 0)
            item.values.push_back({"Colour", colours[i % 3]});
        if (i % 3 != 0)
            item.values.push_back({"Price", std::to_string(i) + ".25"});
        if (i % 5 != 0)
            item.values.push_back({"Made", "2001-01-" + std::to_string(1 + i % 28)});
        if (i % 7 != 0)
            item.values.push_back({"Size", sizes[i % 3]});
        if (i % 4 != 1)
            item.values.push_back({"Weight", std::to_string(i * 3) + ".5"});
        if (i % 6 == 0 && i > 0)
            item.links.push_back("Item " + std::to_string(i - 1));
        description.items.push_back(item);
    }
    Open(description);
    ASSERT_TRUE(Build()) << View().LastError();
    // The same flattening read straight from the item tables.
    std::string pivot = "SELECT i.ITEM_ID, i.ITEM_IDENTIFIER, EXISTS (SELECT 1 FROM Hyperlink h WHERE "
                        "h.ITEM_ID = i.ITEM_ID)";
    std::string cells = "SELECT ITEM_ID, IDENT, IS_LINKS";
    for (const auto& [name, column] : std::vector<std::pair<std::string, std::string>>{
             {"Colour", "VALUE_ANUM"}, {"Price", "VALUE_NUMBER"}, {"Made", "VALUE_DATE"},
             {"Size", "VALUE_ANUM"}, {"Weight", "VALUE_NUMBER"}}) {
        pivot += ", (SELECT quote(v." + column + ") FROM ItemValues iv JOIN [Values] v ON v.VALUE_ID = "
                 "iv.VALUE_ID WHERE iv.ITEM_ID = i.ITEM_ID AND v.PROPERTY_ID = " +
                 std::to_string(Dataset().ParameterId(name)) + ")";
        cells += ", quote([" + name + "])";
    }
    const Rows expected = Dataset().Rows(pivot + " FROM ItemSet i ORDER BY i.ITEM_ID");
    ASSERT_EQ(expected.size(), 40u);
    EXPECT_EQ(Dataset().Rows(cells + " FROM fulltable ORDER BY FULL_ID"), expected);
}

TEST(FullTableStatement, IsWrittenAsTheDatasetHasAlwaysMadeIt)
{
    EXPECT_EQ(MakeFullTableStatement({{1, TYPE_NUMERIC, "Price"}, {2, TYPE_ALPHANUMERIC, "Colour"},
                                      {3, TYPE_DATETIME, "Made"}, {4, 9, "Odd"}}),
              "CREATE TABLE fulltable(FULL_ID int  IDENTITY(1,1) primary key, ITEM_ID int, "
              "IDENT varchar(255), IS_LINKS bit DEFAULT 0, [Price] Single, [Colour] varchar(255), "
              "[Made] smalldatetime)");
}

}  // namespace
