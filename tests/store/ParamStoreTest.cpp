// The parameters and values store: in-memory change states, saving with the type-change and
// deletion cascades, the names the query engine cannot use, and the value lists.
#include "store/JetSql.h"
#include "store/ParamStore.h"
#include "tests/store/StoreTestFixture.h"

namespace {

const DatasetDescription kShop{
    .parameters = {{"Colour", TYPE_ALPHANUMERIC, 0, {"Red", "Blue"}},
                   {"Price", TYPE_NUMERIC, 2},
                   {"Size", TYPE_ALPHANUMERIC, 0, {"Small", "Large"}},
                   {"Made", TYPE_DATETIME}},
    .items = {{"Apple", {{"Colour", "Red"}, {"Price", "1.5"}, {"Made", "1/31/2007"}}},
              {"Plum", {{"Colour", "Blue"}, {"Size", "Small"}}}},
};

using ParamStoreTest = StoreTest;

// ---- In memory ---------------------------------------------------------------------------------

TEST_F(ParamStoreTest, SettersFollowTheRecordStateRules)
{
    Open(kShop);
    ASSERT_EQ(Params().Params().size(), 4u);
    const tagPARAM& colour = Params().Params()[0];
    EXPECT_EQ(colour.state, RecordLoaded);

    // The same values make a loaded record unchanged; a different one makes it changed.
    EXPECT_TRUE(Params().UpdateParam(0, "Colour", TYPE_ALPHANUMERIC, 0, 0));
    EXPECT_EQ(colour.state, RecordUnchanged);
    EXPECT_TRUE(Params().SetParamAlphabetic(0, true));
    EXPECT_EQ(colour.state, RecordChanged);
    EXPECT_TRUE(Params().SetParamAlphabetic(0, true));
    EXPECT_EQ(colour.state, RecordChanged) << "setting the same value keeps a changed record";

    EXPECT_FALSE(Params().SetParamOrder(1, Params().Params()[1].SORT_ORDER))
        << "an equal order changes nothing";
    EXPECT_EQ(Params().Params()[1].state, RecordLoaded);

    // A new record stays new whatever is set.
    Params().AddParam("Weight", TYPE_NUMERIC, 1);
    const tagPARAM& weight = Params().Params().back();
    EXPECT_EQ(weight.state, RecordNew);
    EXPECT_EQ(weight.SORT_ORDER, 4);
    EXPECT_TRUE(Params().SetParamType(4, TYPE_DATETIME));
    EXPECT_EQ(weight.state, RecordNew);

    // Colours change the flags, not the state.
    EXPECT_TRUE(Params().SetParamColour(2, RGB(1, 2, 3), true));
    EXPECT_EQ(Params().Params()[2].state, RecordLoaded);
    EXPECT_EQ(Params().Params()[2].colourFlags, uint32_t(COLOUR_TEXT_SET));

    // Outside the list: nothing changes; UpdateParam adds a named parameter.
    EXPECT_FALSE(Params().SetParamType(99, TYPE_NUMERIC));
    EXPECT_FALSE(Params().UpdateParam(99, "", TYPE_NUMERIC, 0, 0));
    EXPECT_TRUE(Params().UpdateParam(99, "Depth", TYPE_NUMERIC, 0, 0));
    EXPECT_EQ(Params().Params().back().PROPERTY_NAME, "Depth");
}

TEST_F(ParamStoreTest, DeletingAskedOnlyForSavedParameters)
{
    Open(kShop);
    Params().AddParam("Weight", TYPE_NUMERIC, 0);
    EXPECT_TRUE(Params().DeleteParam(4));
    EXPECT_EQ(Params().Params().size(), 4u) << "a parameter never saved leaves the list";
    EXPECT_TRUE(Messages().Shown().empty());

    Messages().Answer(IDNO);
    EXPECT_FALSE(Params().DeleteParam(1));
    EXPECT_EQ(Params().Params()[1].state, RecordLoaded);
    Messages().Answer(IDYES);
    EXPECT_TRUE(Params().DeleteParam(1));
    EXPECT_EQ(Params().Params()[1].state, RecordDeleted);
    ASSERT_EQ(Messages().Shown().size(), 2u);
    EXPECT_EQ(Messages().Shown()[0].text,
              "Parameter deleting will cause possible loss of all information \nassociated with "
              "it. It will affect item, query, and permutation data.\nDelete anyway?");
    EXPECT_EQ(Messages().Shown()[0].style, unsigned(MB_YESNO | MB_ICONQUESTION));
    EXPECT_FALSE(Params().UpdateParam(1, "Cost", TYPE_NUMERIC, 2, 1)) << "a deleted record";
    EXPECT_FALSE(Params().SetParamType(1, TYPE_DATETIME));
    EXPECT_FALSE(Params().SetParamAlphabetic(1, true));
    EXPECT_FALSE(Params().SetParamOrder(1, 7));
    EXPECT_EQ(Params().Params()[1].state, RecordDeleted) << "a deleted record stays deleted";
}

TEST_F(ParamStoreTest, NamesDifferingOnlyInCaseAreNotUnique)
{
    Open(kShop);
    Params().AddParam("SIZE", TYPE_ALPHANUMERIC, 0);
    EXPECT_FALSE(Params().IsParamNameUnique(2)) << "Size";
    EXPECT_FALSE(Params().IsParamNameUnique(4)) << "SIZE";
    EXPECT_TRUE(Params().IsParamNameUnique(0));

    Messages().Answer(IDYES);
    ASSERT_TRUE(Params().DeleteParam(2));
    EXPECT_TRUE(Params().IsParamNameUnique(4)) << "a deleted record does not clash";
    EXPECT_TRUE(Params().IsParamNameUnique(2));

    Params().AddParam("", TYPE_ALPHANUMERIC, 0);
    EXPECT_FALSE(Params().IsParamNameUnique(5)) << "an empty name";
}

// ---- Saving --------------------------------------------------------------------------------------

TEST_F(ParamStoreTest, SaveInsertsUpdatesAndDeletesRows)
{
    Open(kShop);
    Params().AddParam("Weight", TYPE_NUMERIC, 3);
    ASSERT_TRUE(Params().SetParamAlphabetic(4, true));
    ASSERT_TRUE(Params().UpdateParam(0, "Hue", TYPE_ALPHANUMERIC, 0, 3));
    ASSERT_TRUE(Params().SetParamColour(0, RGB(10, 20, 30), false));
    Messages().Answer(IDYES);
    ASSERT_TRUE(Params().DeleteParam(3));
    Dataset().Exec("INSERT INTO Colors (OBJECT_TYPE, OBJECT_ID, COLOR_FG, COLOR_BG) VALUES (0, 4, 1, 2)");

    ASSERT_TRUE(Params().SaveParams());

    const tagPARAM& weight = Params().Params()[4];
    EXPECT_GT(weight.PROPERTY_ID, 4) << "the generated identifier is read back";
    EXPECT_EQ(weight.state, RecordUnchanged);
    EXPECT_EQ(Dataset().Rows("SELECT PROPERTY_NAME, TYPE_ID, PRESCISION, SORT_ORDER, ALPHABETIC_ORDER "
                             "FROM Property WHERE PROPERTY_ID=" + std::to_string(weight.PROPERTY_ID)),
              (std::vector<std::vector<std::string>>{{"Weight", "2", "3", "4", "1"}}));
    EXPECT_EQ(Text("SELECT PROPERTY_NAME || ',' || SORT_ORDER FROM Property WHERE PROPERTY_ID=1"), "Hue,3");
    EXPECT_EQ(Text("SELECT COLOR_BG FROM Colors WHERE OBJECT_TYPE=0 AND OBJECT_ID=1"),
              std::to_string(RGB(10, 20, 30)));
    EXPECT_EQ(Params().Params()[0].colourFlags, uint32_t(COLOUR_STORED));

    // The deleted parameter's row, colours and values are gone, and it stays out of the list.
    EXPECT_EQ(Dataset().Count("Property", "PROPERTY_ID=4"), 0);
    EXPECT_EQ(Dataset().Count("Colors", "OBJECT_TYPE=0 AND OBJECT_ID=4"), 0);
    EXPECT_EQ(Dataset().Count("Values", "PROPERTY_ID=4"), 0);
    EXPECT_TRUE(IsRemoved(Params().Params()[3].state));

    ASSERT_TRUE(Params().LoadParams());
    EXPECT_EQ(Params().Params().size(), 4u);
    EXPECT_EQ(Params().Params()[0].backgroundColour, RGB(10, 20, 30));
}

TEST_F(ParamStoreTest, TypeChangeRemovesValuesAndResetsConditionsAndFooters)
{
    Open(kShop);
    const int red = Dataset().ValueId("Colour", "Red");
    Dataset().Exec(
        "INSERT INTO Queries (QUERY_ID, QUERY_NAME) VALUES (1, 'Q');"
        "INSERT INTO Conditions (CONDITION_ID, QUERY_ID, PROPERTY_ID, OPERATION_ID, ARGUMENT_ALPH,"
        " ARGUMENT_NUM, ALL_BUT, IS_MULTY) VALUES (1, 1, 1, 1, 'x', 3, 1, 1);"
        "INSERT INTO Conditions (CONDITION_ID, QUERY_ID, PROPERTY_ID, OPERATION_ID) VALUES (2, 1, 3, 1);"
        "INSERT INTO Multiply (CONDITION_ID, VALUE_ID) VALUES (1, " + std::to_string(red) + ");"
        "INSERT INTO Footer (QUERY_ID, PROPERTY_ID, FORMULA_ID) VALUES (1, 1, 1);");

    ASSERT_TRUE(Params().SetParamType(0, TYPE_NUMERIC));
    ASSERT_TRUE(Params().SaveParams());

    EXPECT_EQ(Dataset().Count("Values", "PROPERTY_ID=1"), 0);
    EXPECT_EQ(Dataset().Count("ItemValues", "VALUE_ID=" + std::to_string(red)), 0);
    EXPECT_EQ(Dataset().Count("Multiply"), 0);
    EXPECT_EQ(Dataset().Rows("SELECT OPERATION_ID, ARGUMENT_ALPH, ARGUMENT_NUM, ALL_BUT, IS_MULTY "
                             "FROM Conditions WHERE CONDITION_ID=1"),
              (std::vector<std::vector<std::string>>{{"NULL", "", "NULL", "0", "0"}}));
    EXPECT_EQ(Text("SELECT OPERATION_ID FROM Conditions WHERE CONDITION_ID=2"), "1")
        << "conditions on other parameters stay";
    EXPECT_EQ(Text("SELECT FORMULA_ID FROM Footer"), "2");
    EXPECT_EQ(Dataset().Count("Values", "PROPERTY_ID=3"), 2) << "other parameters keep theirs";
}

// A query sorts by Colour (rank 0), Price (rank 1) and Size (rank 2); its width rows cover
// columns 0 to 4. Deleting Price (rank 1, column 3) renumbers the two remaining keys 0 and 1 in
// their order, deletes the width of column 3 and gives its width in halves to the two columns
// after the first two, which become columns 2 and 3. The query's permutations go.
TEST_F(ParamStoreTest, DeletionRenumbersSortKeysAndSharesTheColumnWidth)
{
    Open(kShop);
    Dataset().Exec(
        "INSERT INTO Queries (QUERY_ID, QUERY_NAME) VALUES (1, 'First'), (2, 'Second');"
        // Rows in another order than their ranks: the renumbering keeps the ranks' order.
        "INSERT INTO SortOrder (QUERY_ID, PROPERTY_ID, SORT_ORDER) VALUES (1, 3, 2), (1, 2, 1), (1, 1, 0);"
        "INSERT INTO SortOrder (QUERY_ID, PROPERTY_ID, SORT_ORDER) VALUES (2, 2, 0), (2, 1, 1);"
        "INSERT INTO Sizes (QUERY_ID, COL_NUM, COL_SIZE) VALUES (1, 4, 50), (1, 0, 10), (1, 1, 20),"
        " (1, 3, 41), (1, 2, 30);"
        "INSERT INTO Sizes (QUERY_ID, COL_NUM, COL_SIZE) VALUES (2, 2, 77);"
        "INSERT INTO Combo (QUERY_ID, COMBO_NAME, COMBO) VALUES (1, 'p', '0,1,2'), (2, 'q', '1,0');");

    Messages().Answer(IDYES);
    ASSERT_TRUE(Params().DeleteParam(1));
    ASSERT_TRUE(Params().SaveParams());

    EXPECT_EQ(Dataset().Rows("SELECT PROPERTY_ID, SORT_ORDER FROM SortOrder WHERE QUERY_ID=1 "
                             "ORDER BY SORT_ORDER"),
              (std::vector<std::vector<std::string>>{{"1", "0"}, {"3", "1"}}));
    EXPECT_EQ(Dataset().Rows("SELECT COL_NUM, COL_SIZE FROM Sizes WHERE QUERY_ID=1 ORDER BY COL_NUM"),
              (std::vector<std::vector<std::string>>{{"0", "10"}, {"1", "20"}, {"2", "50"}, {"3", "70"}}));
    EXPECT_EQ(Dataset().Count("Combo", "QUERY_ID=1"), 0);

    // Only the first query that sorts by it is adjusted; the other loses its key by relation.
    EXPECT_EQ(Dataset().Rows("SELECT PROPERTY_ID, SORT_ORDER FROM SortOrder WHERE QUERY_ID=2"),
              (std::vector<std::vector<std::string>>{{"1", "1"}}));
    EXPECT_EQ(Text("SELECT COL_SIZE FROM Sizes WHERE QUERY_ID=2"), "77");
    EXPECT_EQ(Dataset().Count("Combo", "QUERY_ID=2"), 1);
}

TEST_F(ParamStoreTest, NamesTheQueryEngineCannotUseAreRefused)
{
    const struct {
        const char* name;
        bool refused;
    } cases[] = {
        {"Size [cm]", true},  // names stand in brackets in the generated SQL
        {"a]b", true},
        {"[", true},
        {"FULL_ID", true},  // the result table's own columns
        {"item_id", true},
        {"Ident", true},
        {"IS_LINKS", true},
        {"IDENTITY", false},
        {"Item ID", false},
        {"O'Brien", false},
    };
    Open(kShop);
    for (const auto& c : cases) {
        Messages().Clear();
        Params().LoadParams();
        Params().AddParam(c.name, TYPE_ALPHANUMERIC, 0);
        EXPECT_EQ(Params().SaveParams(), !c.refused) << c.name;
        EXPECT_EQ(Dataset().Count("Property", "PROPERTY_NAME=" + QuoteSqlText(c.name)), c.refused ? 0 : 1)
            << c.name;
        EXPECT_EQ(Messages().Shown().size(), c.refused ? 1u : 0u) << c.name;
        if (c.refused) {
            EXPECT_EQ(Messages().Shown()[0].text, ParamNameProblem(c.name));
        }
    }
}

TEST_F(ParamStoreTest, RenamingToAReservedNameRefusesTheWholeSave)
{
    Open(kShop);
    Params().AddParam("Weight", TYPE_NUMERIC, 0);
    ASSERT_TRUE(Params().UpdateParam(0, "Ident", TYPE_ALPHANUMERIC, 0, 0));
    EXPECT_FALSE(Params().SaveParams());
    EXPECT_EQ(Dataset().Count("Property", "PROPERTY_NAME='Weight'"), 0);
    EXPECT_EQ(Text("SELECT PROPERTY_NAME FROM Property WHERE PROPERTY_ID=1"), "Colour");
    EXPECT_EQ(Params().Params()[4].state, RecordNew) << "the records keep their states";
    EXPECT_FALSE(ParamNameProblem("Ident").empty());
    EXPECT_TRUE(ParamNameProblem("Identifier").empty());
}

TEST_F(ParamStoreTest, AFailedSaveWritesNothingAndKeepsTheStates)
{
    Open(kShop);
    Dataset().Exec("CREATE TRIGGER NoNewParameters BEFORE INSERT ON Property BEGIN SELECT "
                   "RAISE(ABORT, 'no new parameters'); END;");
    ASSERT_TRUE(Params().UpdateParam(0, "Hue", TYPE_ALPHANUMERIC, 0, 0));
    ASSERT_TRUE(Params().SetParamType(1, TYPE_ALPHANUMERIC));  // Price loses its values
    Params().AddParam("Weight", TYPE_NUMERIC, 0);
    EXPECT_FALSE(Params().SaveParams());
    EXPECT_EQ(Text("SELECT PROPERTY_NAME FROM Property WHERE PROPERTY_ID=1"), "Colour");
    EXPECT_EQ(Text("SELECT TYPE_ID FROM Property WHERE PROPERTY_ID=2"), "2");
    EXPECT_EQ(Dataset().Count("Values", "PROPERTY_ID=2"), 1) << "the cascade is undone as well";
    EXPECT_EQ(Params().Params()[0].state, RecordChanged);
    EXPECT_EQ(Params().Params()[4].state, RecordNew);
    EXPECT_EQ(Params().Params()[4].PROPERTY_ID, 0);
    EXPECT_EQ(Messages().Shown().size(), 1u);
}

// ---- Look-ups ------------------------------------------------------------------------------------

TEST_F(ParamStoreTest, LookUpsReadTheDataset)
{
    Open({.parameters = {{"Price", TYPE_NUMERIC, 2}, {"Owner's weight", TYPE_NUMERIC, 3},
                         {"Colour", TYPE_ALPHANUMERIC, 0, {"Dark 'red'"}}}});
    EXPECT_EQ(Params().GetParamName(1), "Price");
    EXPECT_EQ(Params().GetParamName(99), "");
    EXPECT_EQ(Params().GetParamType(3), TYPE_ALPHANUMERIC);
    EXPECT_EQ(Params().GetParamType(99), -1);
    EXPECT_EQ(Params().GetNumberFormat("Price"), "%.2f");
    EXPECT_EQ(Params().GetNumberFormat("Owner's weight"), "%.3f") << "an apostrophe in the name";
    EXPECT_EQ(Params().GetNumberFormat("Nothing"), "%.0f");
    EXPECT_EQ(Params().FindParamIndex(2), 1);
    EXPECT_EQ(Params().FindParamIndex(99), -1);
    const int value = Dataset().ValueId("Colour", "Dark 'red'");
    EXPECT_EQ(Params().GetValueText(value), "Dark 'red'");
    EXPECT_TRUE(Params().IsValueUnused(value));
}

// ---- Values --------------------------------------------------------------------------------------

TEST_F(ParamStoreTest, ValueListsSkipNullTextsAndFollowTheParametersOrder)
{
    Open({.parameters = {{"Colour", TYPE_ALPHANUMERIC, 0, {"Red", "blue", "Green"}},
                         {"Size", TYPE_ALPHANUMERIC, 0, {"Small"}, true}}});
    Dataset().Exec("INSERT INTO [Values] (PROPERTY_ID, VALUE_ANUM) VALUES (1, NULL)");

    ASSERT_TRUE(Params().LoadValues(1));
    ASSERT_EQ(Params().Values().size(), 3u) << "the NULL row is no value";
    EXPECT_EQ(Params().Values()[0].VALUE_ANUM, "Red") << "by identifier";
    EXPECT_EQ(Params().LoadedValueCount(), 3);

    ASSERT_TRUE(Params().SetParamAlphabetic(0, true));
    ASSERT_TRUE(Params().LoadValues(1));
    std::vector<std::string> texts;
    for (const tagVALUE& value : Params().Values())
        texts.push_back(value.VALUE_ANUM);
    EXPECT_EQ(texts, (std::vector<std::string>{"blue", "Green", "Red"})) << "by text";

    ASSERT_TRUE(Params().LoadChoices(2));
    EXPECT_EQ(Params().Choices().size(), 1u);
    EXPECT_EQ(Params().Values().size(), 3u) << "loading the choices leaves the value list";
}

TEST_F(ParamStoreTest, SavingValuesWritesNewRenamedAndDeletedOnes)
{
    Open(kShop);
    ASSERT_TRUE(Params().LoadValues(1));
    Params().AddValue(1, "Green");
    EXPECT_TRUE(Params().RenameValue(1, 2, "Green")) << "renamed to its own text";
    EXPECT_EQ(Params().Values()[2].state, RecordNew) << "a new value stays new";
    ASSERT_TRUE(Params().RenameValue(1, 1, "Navy's blue"));
    EXPECT_EQ(Params().Values()[1].state, RecordChanged);
    ASSERT_TRUE(Params().RenameValue(1, 0, "Red"));
    EXPECT_EQ(Params().Values()[0].state, RecordUnchanged);
    Params().AddValue(1, "Dropped");
    ASSERT_TRUE(Params().DeleteValue(3));
    EXPECT_EQ(Params().Values().size(), 3u) << "a new value leaves the list";

    Params().AddValue(1, "green");
    EXPECT_FALSE(Params().IsValueNameUnique(2));
    EXPECT_FALSE(Params().IsValueNameUnique(3));
    ASSERT_TRUE(Params().DeleteValue(3));
    EXPECT_TRUE(Params().IsValueNameUnique(2));

    ASSERT_TRUE(Params().SaveValues());
    EXPECT_GT(Params().Values()[2].VALUE_ID, 0);
    EXPECT_EQ(Dataset().Rows("SELECT VALUE_ANUM FROM [Values] WHERE PROPERTY_ID=1 ORDER BY VALUE_ID"),
              (std::vector<std::vector<std::string>>{{"Red"}, {"Navy's blue"}, {"Green"}}));

    // Deleting a saved value marks it, the save removes its row.
    const int red = Dataset().ValueId("Colour", "Red");
    EXPECT_FALSE(Params().IsValueUnused(red)) << "Apple carries it";
    ASSERT_TRUE(Params().DeleteValue(2));
    EXPECT_EQ(Params().Values()[2].state, RecordDeleted);
    ASSERT_TRUE(Params().SaveValues());
    EXPECT_EQ(Dataset().Count("Values", "VALUE_ANUM='Green'"), 0);
}

TEST_F(ParamStoreTest, GetAndPutValueCopyTheRecordFields)
{
    Open(kShop);
    ASSERT_TRUE(Params().LoadValues(1));
    tagVALUE value;
    ASSERT_TRUE(Params().GetValue(1, value));
    EXPECT_EQ(value.VALUE_ID, Dataset().ValueId("Colour", "Blue"));
    value.VALUE_NUMBER = 2.5f;
    value.state = RecordChanged;
    value.VALUE_ANUM = "not copied";
    ASSERT_TRUE(Params().PutValue(1, value));
    EXPECT_EQ(Params().Values()[1].VALUE_NUMBER, 2.5f);
    EXPECT_EQ(Params().Values()[1].state, RecordChanged);
    EXPECT_EQ(Params().Values()[1].VALUE_ANUM, "Blue");
    EXPECT_FALSE(Params().GetValue(5, value));
    EXPECT_FALSE(Params().PutValue(-1, value));
}

}  // namespace
