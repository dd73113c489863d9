// The query definitions store: the query list with its order numbers, the USER_ORDER upgrade,
// conditions with their arguments and chosen values, the editor's defaults and the following of
// the viewable columns, the full save and the "Save as" copy, and a dataset that refuses writes.
#include "platform/MessageBox.h"
#include "query/QueryStore.h"
#include "store/DovaneDatabase.h"
#include "store/Formats.h"
#include "tests/support/DatasetFixture.h"

#include <gtest/gtest.h>

#include <QDate>

#include <sys/stat.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

class QueryStoreTest : public ::testing::Test {
protected:
    explicit QueryStoreTest(
        const DatasetDescription& description =
            {.parameters = {{"Weight", TYPE_NUMERIC, 2},
                            {"Colour", TYPE_ALPHANUMERIC, 0, {"Red", "Blue", "Amber"}},
                            {"Found", TYPE_DATETIME},
                            {"Age", TYPE_NUMERIC, 0}}})
        : dataset_(description)
    {
    }

    void Open()
    {
        database_.OpenDataset(dataset_.Path());
        database_.RunFirstLoads();
    }
    void AddQueryRow(int id, const std::string& name, bool temporary, int order)
    {
        dataset_.Exec(
            "INSERT INTO Queries (QUERY_ID, QUERY_NAME, IS_TEMPORARY, USER_ORDER) VALUES (" +
            std::to_string(id) + ", '" + name + "', " + (temporary ? "1" : "0") + ", " +
            std::to_string(order) + ")");
    }
    int Param(const std::string& name) const { return dataset_.ParameterId(name); }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const tagQUERY& query : store_.Queries())
            names.push_back(query.QUERY_NAME);
        return names;
    }

    TestDataset dataset_;
    CDovaneDatabase database_;
    CDovaneQuery store_{database_};
    ScriptedMessages messages_;
};

TEST_F(QueryStoreTest, AQueriesTableWithoutTheOrderGainsItNumberedByIdentifier)
{
    dataset_.Exec("ALTER TABLE Queries DROP COLUMN USER_ORDER");
    dataset_.Exec("INSERT INTO Queries (QUERY_ID, QUERY_NAME, IS_TEMPORARY) VALUES (5, 'b', 0), "
                  "(2, 'a', 0), (9, 'c', 1)");
    Open();
    ASSERT_TRUE(store_.LoadQueries());
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(dataset_.Rows("SELECT QUERY_ID, USER_ORDER FROM Queries ORDER BY QUERY_ID"),
              (Rows{{"2", "0"}, {"5", "1"}, {"9", "2"}}));
    EXPECT_TRUE(store_.Queries()[2].IS_TEMPORARY);
}

TEST_F(QueryStoreTest, NamesOnSaveAndRename)
{
    AddQueryRow(1, "Stones", false, 0);
    Open();
    ASSERT_TRUE(store_.LoadQueries());
    store_.AddQuery("");
    ASSERT_TRUE(store_.RenameQuery(0, ""));
    ASSERT_TRUE(store_.SaveQueries());
    EXPECT_EQ(
        dataset_.Rows("SELECT QUERY_NAME, IS_TEMPORARY, USER_ORDER FROM Queries ORDER BY QUERY_ID"),
        (Rows{{"Stones", "0", "0"}, {"Untitled", "1", "1"}}))
        << "a new query without a name is stored as Untitled; an empty rename keeps the name";
    EXPECT_GT(store_.QueryIdAt(1), 1) << "the generated identifier is read back";
    EXPECT_FALSE(store_.RenameQuery(2, "x"));
    EXPECT_TRUE(store_.SaveQueries());
    EXPECT_EQ(dataset_.Count("Queries"), 2) << "a second save writes nothing again";
}

TEST_F(QueryStoreTest, DeletingRenumbersTheRemainingQueriesByTheirOrder)
{
    AddQueryRow(1, "first in list, order 2", false, 2);
    AddQueryRow(2, "deleted", false, 0);
    AddQueryRow(3, "order 1", false, 1);
    AddQueryRow(4, "order 3", false, 3);
    Open();
    ASSERT_TRUE(store_.LoadQueries());
    store_.AddQuery("never saved");
    ASSERT_TRUE(store_.DeleteQuery(4));
    EXPECT_EQ(store_.CurrentIndex(), 3) << "past the live queries: the index before it";
    ASSERT_TRUE(store_.DeleteQuery(1));
    EXPECT_EQ(store_.CurrentIndex(), 1);
    EXPECT_EQ(store_.CurrentName(), "order 1") << "the next query takes the deleted one's place";
    EXPECT_EQ(store_.CountQueries(0), 3);
    ASSERT_TRUE(store_.SaveQueries());
    EXPECT_EQ(dataset_.Rows("SELECT QUERY_ID, USER_ORDER FROM Queries ORDER BY QUERY_ID"),
              (Rows{{"1", "1"}, {"3", "0"}, {"4", "2"}}));
    EXPECT_FALSE(store_.DeleteQuery(9));
}

TEST_F(QueryStoreTest, ClearingTemporaryQueriesRemovesEveryTemporaryRow)
{
    AddQueryRow(1, "kept", false, 1);
    AddQueryRow(2, "temporary", true, 0);
    AddQueryRow(3, "kept too", false, 2);
    Open();
    ASSERT_TRUE(store_.LoadQueries());
    AddQueryRow(4, "not in the list", true, 3);
    ASSERT_TRUE(store_.ClearTemporaryQueries());
    EXPECT_EQ(dataset_.Rows("SELECT QUERY_ID, USER_ORDER FROM Queries ORDER BY QUERY_ID"),
              (Rows{{"1", "0"}, {"3", "1"}}));
}

TEST_F(QueryStoreTest, ConditionArgumentsRoundTrip)
{
    AddQueryRow(1, "q", false, 0);
    Open();
    ASSERT_TRUE(store_.LoadQueries());
    tagCONDITION between;
    between.PROPERTY_ID = Param("Weight");
    between.OPERATION_ID = 14;
    between.noNumber = false;
    between.ARGUMENT_NUM = 1.5f;
    between.ARGUMENT_NUM_2 = 3.0f;
    between.state = RecordNew;
    tagCONDITION noNumber = between;
    noNumber.PROPERTY_ID = Param("Age");
    noNumber.OPERATION_ID = 9;
    noNumber.noNumber = true;
    tagCONDITION noDate;
    noDate.PROPERTY_ID = Param("Found");
    noDate.OPERATION_ID = 12;
    noDate.state = RecordNew;
    tagCONDITION incomplete;
    incomplete.state = RecordNew;
    for (const tagCONDITION& c : {between, noNumber, noDate, incomplete})
        store_.AddCondition(c);
    ASSERT_TRUE(store_.SaveConditions(1));
    EXPECT_EQ(dataset_.Count("Conditions"), 3) << "an incomplete condition is never written";

    ASSERT_TRUE(store_.LoadConditions(1));
    ASSERT_EQ(store_.Conditions().size(), 3u);
    const tagCONDITION& weight = store_.Conditions()[0];  // parameters in display order
    EXPECT_FALSE(weight.noNumber);
    EXPECT_FLOAT_EQ(weight.ARGUMENT_NUM, 1.5f);
    EXPECT_FLOAT_EQ(weight.ARGUMENT_NUM_2, 3.0f);
    EXPECT_TRUE(store_.Conditions()[1].noDate);
    EXPECT_EQ(store_.Conditions()[1].PROPERTY_ID, Param("Found"));
    EXPECT_TRUE(store_.Conditions()[2].noNumber);
    EXPECT_EQ(store_.DescribeCondition(0, true), "BETWEEN 1.50 AND 3.00");
    EXPECT_EQ(store_.DescribeCondition(0, false), "Set");
    EXPECT_EQ(store_.DescribeCondition(5, false), "");
}

TEST_F(QueryStoreTest, DateConditionTextsUseTheShortDateFormat)
{
    Open();
    const AutomationDate first = AutomationDate::FromDate(1925, 1, 31);
    const AutomationDate second = AutomationDate::FromDate(2007, 2, 1);
    tagCONDITION between;
    between.PROPERTY_ID = Param("Found");
    between.OPERATION_ID = 15;
    between.noDate = false;
    between.ARGUMENT_DATE = first;
    between.ARGUMENT_DATE_2 = second;
    tagCONDITION withoutDate = between;
    withoutDate.OPERATION_ID = 12;
    withoutDate.ARGUMENT_DATE = AutomationDate::NullDate();
    tagCONDITION none = between;
    none.OPERATION_ID = 3;
    for (const tagCONDITION& c : {between, withoutDate, none})
        store_.AddCondition(c);
    EXPECT_EQ(store_.DescribeCondition(0, true),
              "BETWEEN " + FormatShortDate(first) + " AND " + FormatShortDate(second));
    EXPECT_EQ(store_.DescribeCondition(1, true),
              "< " + FormatShortDate(AutomationDate::FromQDate(QDate::currentDate())))
        << "a null date prints as today";
    EXPECT_EQ(store_.DescribeCondition(2, true), "All");
    EXPECT_EQ(store_.DescribeCondition(2, false), "All");
}

TEST_F(QueryStoreTest, MultipleValueConditions)
{
    AddQueryRow(1, "q", false, 0);
    dataset_.Exec("UPDATE Property SET ALPHABETIC_ORDER=1 WHERE PROPERTY_NAME='Colour'");
    Open();
    const int red = dataset_.ValueId("Colour", "Red");
    const int blue = dataset_.ValueId("Colour", "Blue");
    const int amber = dataset_.ValueId("Colour", "Amber");

    CDovaneMulty holder(database_);
    holder.Add(red);
    holder.Add(blue);
    holder.Add(amber);
    ASSERT_TRUE(holder.Remove(2));
    ASSERT_TRUE(holder.LoadCandidates(Param("Colour")));
    ASSERT_EQ(holder.Candidates().size(), 1u) << "a chosen value is never offered again";
    EXPECT_EQ(holder.Candidates()[0].VALUE_ANUM, "Amber");

    tagCONDITION colour;
    colour.PROPERTY_ID = Param("Colour");
    colour.OPERATION_ID = 1;
    colour.IS_MULTY = true;
    colour.state = RecordNew;
    colour.multy = std::make_shared<CDovaneMulty>(holder);
    store_.AddCondition(colour);
    ASSERT_TRUE(store_.SaveConditions(1));
    EXPECT_EQ(dataset_.Rows("SELECT VALUE_ID FROM Multiply ORDER BY MULTY_ID"),
              (Rows{{std::to_string(red)}, {std::to_string(blue)}}))
        << "an entry added and removed before the save writes nothing";

    ASSERT_TRUE(store_.LoadConditions(1));
    tagCONDITION loaded;
    ASSERT_TRUE(store_.GetCondition(0, loaded));
    ASSERT_TRUE(loaded.multy);
    ASSERT_TRUE(loaded.multy->LoadCandidates(loaded.PROPERTY_ID));
    EXPECT_EQ(loaded.multy->Candidates().size(), 1u);
    EXPECT_EQ(store_.DescribeCondition(0, true), "Multi");
    loaded.multy->Remove(1);
    EXPECT_EQ(store_.DescribeCondition(0, true), "EQUAL Red");
    loaded.multy->Remove(0);
    EXPECT_FALSE(loaded.multy->IsRestricted());
    ASSERT_TRUE(loaded.multy->Save(loaded.CONDITION_ID));
    EXPECT_EQ(dataset_.Count("Multiply"), 0) << "the removed rows are deleted on save";

    // Moving a saved multiple-value condition to another parameter drops its chosen values.
    CDovaneMulty again(database_);
    again.Add(red);
    ASSERT_TRUE(again.Save(loaded.CONDITION_ID));
    loaded.PROPERTY_ID = Param("Weight");
    loaded.state = RecordChanged;
    ASSERT_TRUE(store_.SetCondition(0, loaded));
    ASSERT_TRUE(store_.SaveConditions(1));
    EXPECT_EQ(dataset_.Count("Multiply"), 0);
}

TEST_F(QueryStoreTest, ANewQueryGetsEveryParameterViewableAndOneConditionEach)
{
    dataset_.Exec("UPDATE Property SET SORT_ORDER = 4 - SORT_ORDER");  // display order reversed
    Open();
    ASSERT_TRUE(store_.LoadQueries());
    store_.AddQuery("new");
    ASSERT_TRUE(store_.MakeAllViewable());
    std::vector<int32_t> viewable;
    for (const tagVIEWABLE& v : store_.Viewable())
        viewable.push_back(v.PROPERTY_ID);
    EXPECT_EQ(viewable, (std::vector<int32_t>{Param("Age"), Param("Colour"), Param("Found"),
                                              Param("Weight")}))
        << "in name order";
    ASSERT_TRUE(store_.CreateDefaultConditions());
    std::vector<std::pair<int32_t, int32_t>> conditions;
    for (const tagCONDITION& c : store_.Conditions())
        conditions.emplace_back(c.PROPERTY_ID, c.OPERATION_ID);
    EXPECT_EQ(
        conditions,
        (std::vector<std::pair<int32_t, int32_t>>{
            {Param("Age"), 2}, {Param("Found"), 3}, {Param("Colour"), 1}, {Param("Weight"), 2}}))
        << "in display order, each with the first operation its type offers";
    EXPECT_TRUE(store_.SyncWithViewable());
    ASSERT_EQ(store_.SortKeys().size(), 4u);
    EXPECT_EQ(store_.Footers().size(), 2u) << "numeric parameters get a footer";
    for (const tagFOOTER& footer : store_.Footers())
        EXPECT_EQ(footer.FORMULA_ID, 2);

    // The full save gives the new query its identifier and writes its lists under it.
    const int32_t id = store_.SaveCurrentQuery();
    ASSERT_GT(id, 0);
    for (const char* table : {"Viewable", "SortOrder", "Conditions"})
        EXPECT_EQ(dataset_.Count(table, "QUERY_ID=" + std::to_string(id)), 4) << table;
    EXPECT_EQ(dataset_.Count("Footer", "QUERY_ID=" + std::to_string(id)), 2);
}

TEST_F(QueryStoreTest, RemovingAViewableColumnRemovesItsConditionSortKeyAndFooter)
{
    Open();
    ASSERT_TRUE(store_.LoadQueries());
    store_.AddQuery("q");
    ASSERT_TRUE(store_.MakeAllViewable());
    ASSERT_TRUE(store_.CreateDefaultConditions());
    ASSERT_TRUE(store_.SyncWithViewable());
    const int32_t id = store_.SaveCurrentQuery();
    ASSERT_GT(id, 0);

    ASSERT_TRUE(store_.LoadViewable(id));
    ASSERT_TRUE(store_.LoadConditions(id));
    ASSERT_TRUE(store_.LoadSortOrder(id));
    store_.LoadFooters(id);
    // Weight is first in display order: its sort key has rank 0.
    for (size_t i = 0; i < store_.Viewable().size(); ++i) {
        if (store_.Viewable()[i].PROPERTY_ID == Param("Weight")) {
            ASSERT_TRUE(store_.DeleteViewable(int(i)));
        }
    }
    ASSERT_TRUE(store_.SyncWithViewable());
    ASSERT_GT(store_.SaveCurrentQuery(), 0);
    const std::string weight = "PROPERTY_ID=" + std::to_string(Param("Weight"));
    for (const char* table : {"Viewable", "SortOrder", "Conditions", "Footer"})
        EXPECT_EQ(dataset_.Count(table, weight), 0) << table;
    EXPECT_EQ(dataset_.Rows("SELECT SORT_ORDER FROM SortOrder ORDER BY SORT_ORDER"),
              (Rows{{"0"}, {"1"}, {"2"}}))
        << "the remaining keys are ranked without gaps";
    EXPECT_EQ(dataset_.Count("Footer"), 1);
}

TEST_F(QueryStoreTest, SaveAsCopiesTheQueryAndLeavesTheSourceAlone)
{
    Open();
    ASSERT_TRUE(store_.LoadQueries());
    store_.AddQuery("source");
    ASSERT_TRUE(store_.MakeAllViewable());
    ASSERT_TRUE(store_.CreateDefaultConditions());
    ASSERT_TRUE(store_.SyncWithViewable());
    const int32_t source = store_.SaveCurrentQuery();
    ASSERT_GT(source, 0);
    // The source's colour condition chooses two values.
    dataset_.Exec("UPDATE Conditions SET IS_MULTY=1 WHERE PROPERTY_ID=" +
                  std::to_string(Param("Colour")));
    dataset_.Exec(
        "INSERT INTO Multiply (CONDITION_ID, VALUE_ID) SELECT CONDITION_ID, VALUE_ID FROM "
        "Conditions, [Values] WHERE Conditions.PROPERTY_ID=[Values].PROPERTY_ID AND "
        "[Values].VALUE_ANUM IN ('Red', 'Blue')");
    ASSERT_TRUE(store_.LoadQueries());
    store_.SetCurrentIndex(store_.IndexOfQuery(source));
    ASSERT_TRUE(store_.LoadViewable(source));
    ASSERT_TRUE(store_.LoadConditions(source));
    ASSERT_TRUE(store_.LoadSortOrder(source));
    store_.LoadFooters(source);
    ASSERT_TRUE(store_.DeleteViewable(0));  // removed in memory: not part of the copy

    ASSERT_TRUE(store_.CopyCurrentQuery("copy", 7));
    const int32_t copy = store_.SaveCurrentQuery();
    ASSERT_GT(copy, source);
    EXPECT_EQ(
        dataset_.Rows("SELECT QUERY_NAME, IS_TEMPORARY, USER_ORDER FROM Queries ORDER BY QUERY_ID"),
        (Rows{{"source", "1", "0"}, {"copy", "0", "7"}}));
    const auto count = [&](const char* table, int32_t id) {
        return dataset_.Count(table, "QUERY_ID=" + std::to_string(id));
    };
    EXPECT_EQ(count("Viewable", source), 4);
    EXPECT_EQ(count("Viewable", copy), 3);
    EXPECT_EQ(count("Conditions", copy), 4);
    EXPECT_EQ(count("SortOrder", copy), 4);
    EXPECT_EQ(count("Footer", copy), 2);
    const auto chosen = [&](int32_t id) {
        return dataset_.Rows("SELECT VALUE_ANUM FROM Multiply JOIN Conditions USING (CONDITION_ID) "
                             "JOIN [Values] USING (VALUE_ID) WHERE QUERY_ID=" +
                             std::to_string(id) + " ORDER BY MULTY_ID");
    };
    EXPECT_EQ(chosen(source), (Rows{{"Red"}, {"Blue"}}));
    EXPECT_EQ(chosen(copy), chosen(source)) << "the copy chooses the same values";
}

TEST_F(QueryStoreTest, OperationsFormulasAndCompletedSortKeys)
{
    Open();
    ASSERT_TRUE(store_.LoadOperations(TYPE_DATETIME));
    for (const tagOPERATION& operation : store_.Operations())
        EXPECT_EQ(operation.TYPE_ID, TYPE_DATETIME);
    EXPECT_EQ(store_.OperationName(14), "BETWEEN");
    EXPECT_EQ(store_.OperationName(1), "NONE");
    EXPECT_EQ(store_.OperationName(999), "");
    ASSERT_TRUE(store_.LoadFormulas());
    ASSERT_FALSE(store_.Formulas().empty());
    for (const tagFORMULA& formula : store_.Formulas())
        EXPECT_EQ(formula.TYPE_ID, TYPE_NUMERIC) << "footers exist only for numeric columns";

    store_.SortKeys().push_back({0, 0, Param("Found"), 3, RecordNew});
    ASSERT_TRUE(store_.CompleteSortOrder(3));
    std::vector<std::pair<int32_t, int32_t>> keys;
    for (const tagSORTORDER& key : store_.SortKeys())
        keys.emplace_back(key.PROPERTY_ID, key.SORT_ORDER);
    EXPECT_EQ(
        keys,
        (std::vector<std::pair<int32_t, int32_t>>{
            {Param("Found"), 0}, {Param("Weight"), 1}, {Param("Colour"), 2}, {Param("Age"), 3}}))
        << "every parameter without a key gets one, in display order";
}

// A part of the full save that fails undoes the whole save, in the dataset and in memory.
TEST_F(QueryStoreTest, AFailedFullSaveWritesNothingAndKeepsTheRecords)
{
    Open();
    ASSERT_TRUE(store_.LoadQueries());
    store_.AddQuery("new");
    ASSERT_TRUE(store_.MakeAllViewable());
    tagCONDITION orphan;
    orphan.PROPERTY_ID = 999;  // no such parameter: the dataset's relations refuse the row
    orphan.OPERATION_ID = 2;
    orphan.state = RecordNew;
    store_.AddCondition(orphan);
    EXPECT_EQ(store_.SaveCurrentQuery(), -1);
    EXPECT_EQ(messages_.Shown().size(), 1u) << "the engine's error is shown";
    for (const char* table : {"Queries", "Viewable", "Conditions"})
        EXPECT_EQ(dataset_.Count(table), 0) << table;
    ASSERT_EQ(store_.Queries().size(), 1u);
    EXPECT_EQ(store_.Queries()[0].state, RecordNew);
    EXPECT_EQ(store_.Queries()[0].QUERY_ID, 0);
    EXPECT_EQ(store_.Viewable()[0].state, RecordNew);

    tagCONDITION fixed = orphan;
    fixed.PROPERTY_ID = Param("Weight");
    ASSERT_TRUE(store_.SetCondition(0, fixed));
    const int32_t id = store_.SaveCurrentQuery();
    ASSERT_GT(id, 0) << "the records kept their states, so the next save writes them";
    EXPECT_EQ(dataset_.Count("Viewable", "QUERY_ID=" + std::to_string(id)), 4);
    EXPECT_EQ(dataset_.Count("Conditions", "QUERY_ID=" + std::to_string(id)), 1);
}

TEST_F(QueryStoreTest, AReadOnlyDatasetRefusesLoadAndSaves)
{
    AddQueryRow(1, "q", false, 0);
    ASSERT_EQ(::chmod(dataset_.Path().c_str(), 0444), 0);
    Open();
    ASSERT_TRUE(database_.writeRefused());
    EXPECT_FALSE(store_.LoadQueries());
    store_.AddQuery("new");
    EXPECT_FALSE(store_.SaveQueries());
    EXPECT_EQ(store_.SaveCurrentQuery(), -1);
    EXPECT_FALSE(store_.DeleteSavedPermutations(1));
    EXPECT_FALSE(messages_.Texts().empty());
    for (const std::string& text : messages_.Texts())
        EXPECT_EQ(text, kUpdateNotSupportedText);
    database_.CloseDataset();
    ::chmod(dataset_.Path().c_str(), 0644);
    EXPECT_EQ(dataset_.Count("Queries"), 1);
}

TEST_F(QueryStoreTest, SavedPermutationsAndWidthsOfAQuery)
{
    AddQueryRow(1, "q", false, 0);
    AddQueryRow(2, "other", false, 1);
    dataset_.Exec(
        "INSERT INTO Combo (QUERY_ID, COMBO_NAME, COMBO) VALUES (1, 'p', '3,2'), (2, 'p', '2,3')");
    dataset_.Exec("INSERT INTO Sizes (QUERY_ID, COL_NUM, COL_SIZE) VALUES (1, 0, 20), (2, 0, 20)");
    Open();
    EXPECT_TRUE(store_.HasSavedPermutations(1));
    ASSERT_TRUE(store_.DeleteSavedPermutations(1));
    EXPECT_FALSE(store_.HasSavedPermutations(1));
    EXPECT_TRUE(store_.HasSavedPermutations(2));
    ASSERT_TRUE(store_.DeleteColumnWidths(1));
    EXPECT_EQ(dataset_.Rows("SELECT QUERY_ID FROM Sizes"), (Rows{{"2"}}));
}

}  // namespace
