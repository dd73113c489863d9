// The items store: moving through the items, creating, copying and deleting them, and saving
// the current item with its values, links and description.
#include "store/ItemStore.h"
#include "tests/store/StoreTestFixture.h"

#include <sys/stat.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

const DatasetDescription kShop{
    .parameters = {{"Colour", TYPE_ALPHANUMERIC, 0, {"Red", "Blue"}},
                   {"Price", TYPE_NUMERIC, 2},
                   {"Size", TYPE_ALPHANUMERIC, 0, {"Small", "Large"}},
                   {"Made", TYPE_DATETIME}},
    .items = {{.identifier = "Apple",
               .values = {{"Colour", "Red"}, {"Price", "1.5"}},
               .note = "Sweet",
               .links = {"Plum"},
               .description = "{\\rtf1 An {\\b apple}.}"},
              {.identifier = "Plum", .values = {{"Colour", "Blue"}, {"Size", "Small"}}}},
};

class ItemStoreTest : public StoreTest {
protected:
    // Makes entry `index` current with its values and links, as the Items screen shows it.
    void Show(int index)
    {
        ASSERT_TRUE(Items().ShowItem(index));
        Items().LoadItemValues(Items().Current().ITEM_ID);
        Items().LoadLinks(Items().Current().ITEM_ID);
    }

    // Saves the current item in the order the Items screen saves it.
    bool SaveCurrentItem()
    {
        if (!Items().SaveItems())
            return false;
        if (!IsRemoved(Items().Current().state)) {
            const int32_t id = Items().Current().ITEM_ID;
            Items().SetDescription(Items().GetDescription());
            if (!Items().SaveDescription() || !Items().SaveItemValues(id) || !Items().SaveLinks(id))
                return false;
        }
        Items().LoadItems();
        return true;
    }

    const tagVALUE& ValueOf(const std::string& parameter)
    {
        const int id = Dataset().ParameterId(parameter);
        for (const tagVALUE& value : Items().ItemValues()) {
            if (value.PROPERTY_ID == id)
                return value;
        }
        ADD_FAILURE() << "no value record for " << parameter;
        static const tagVALUE none;
        return none;
    }

    std::string Id(const std::string& identifier) const
    {
        return std::to_string(Dataset().ItemId(identifier));
    }
};

// ---- Reading -------------------------------------------------------------------------------------

TEST_F(ItemStoreTest, ShowingAnItemReadsItsFieldsValuesLinksAndDescription)
{
    Open(kShop);
    ASSERT_TRUE(Items().LoadItems());
    ASSERT_EQ(Items().Items().size(), 2u);
    Show(0);
    const CurrentItem& apple = Items().Current();
    EXPECT_EQ(apple.ITEM_IDENTIFIER, "Apple");
    EXPECT_EQ(apple.ITEM_NOTE, "Sweet");
    EXPECT_EQ(apple.state, RecordLoaded);
    EXPECT_EQ(Items().GetDescription(), "{\\rtf1 An {\\b apple}.}") << "returned unchanged";
    EXPECT_EQ(Items().DescriptionState(), RecordLoaded);
    ASSERT_EQ(Items().Links().size(), 1u);
    EXPECT_EQ(Items().Links()[0].ITEM_LINK_ID, Dataset().ItemId("Plum"));
    EXPECT_TRUE(Items().HasLinks(apple.ITEM_ID));
    EXPECT_FALSE(Items().HasLinks(Dataset().ItemId("Plum")));

    // One record per parameter in the parameters' order.
    ASSERT_EQ(Items().ItemValues().size(), 4u);
    EXPECT_EQ(ValueOf("Colour").VALUE_ANUM, "Red");
    EXPECT_EQ(ValueOf("Colour").state, RecordLoaded);
    EXPECT_EQ(ValueOf("Price").VALUE_NUMBER, 1.5f);
    EXPECT_FALSE(ValueOf("Price").noNumber);
    EXPECT_EQ(ValueOf("Price").VALUE_ANUM, "1.50") << "shown with the parameter's decimals";
    // Without a row: an alphanumeric record is unchanged and offers the first value by text,
    // a numeric or date one is new, so the next save gives the item a row for it.
    EXPECT_EQ(ValueOf("Size").state, RecordUnchanged);
    EXPECT_EQ(ValueOf("Size").VALUE_ID, Dataset().ValueId("Size", "Large"));
    EXPECT_EQ(ValueOf("Made").state, RecordNew);
    EXPECT_TRUE(ValueOf("Made").noDate);

    Show(1);
    EXPECT_EQ(Items().Current().ITEM_NOTE, "") << "a NULL note is no note";
    EXPECT_EQ(Items().DescriptionState(), RecordNew);
    EXPECT_EQ(Items().GetDescription(), "") << "the previous item's description is not kept";
    EXPECT_EQ(Items().GetItemIdentifier(Dataset().ItemId("Apple")), "Apple");
    EXPECT_EQ(Items().GetItemIdentifier(999), "");
    EXPECT_EQ(Items().FindItemIndex(Dataset().ItemId("Plum")), 1);
    EXPECT_EQ(Items().FindItemIndex(999), -1);
    EXPECT_EQ(Items().GetItemId(1), Dataset().ItemId("Plum"));
    EXPECT_EQ(Items().GetItemId(2), -1);
}

// ---- Moving --------------------------------------------------------------------------------------

TEST_F(ItemStoreTest, StepsSkipWhatTheyMustAndStepItemRefusesRemovedTargets)
{
    Open({.items = {{"A"}, {"B"}, {"C"}, {"D"}}});
    ASSERT_TRUE(Items().LoadItems());
    Show(1);
    Items().SetItemText("B changed", "");  // B is Changed
    Show(2);
    ASSERT_EQ(Items().DeleteItem(true), 1);  // C is Deleted, and stays current
    Show(0);

    EXPECT_TRUE(Items().IsFirstItem());
    EXPECT_FALSE(Items().MoveItem(false)) << "nothing before A";
    EXPECT_TRUE(Items().MoveItem(true)) << "walks over the changed and the deleted entry";
    EXPECT_EQ(Items().Current().ITEM_IDENTIFIER, "D");
    EXPECT_TRUE(Items().IsLastItem());
    EXPECT_FALSE(Items().StepItem(true, false)) << "past the end without wrap";
    EXPECT_TRUE(Items().StepItem(true, true)) << "wraps to the first";
    EXPECT_EQ(Items().Current().index, 0);
    EXPECT_TRUE(Items().StepItem(true, false)) << "a changed target is fine";
    EXPECT_EQ(Items().Current().index, 1);
    EXPECT_EQ(Items().Items()[1].ITEM_IDENTIFIER, "B") << "showing it dropped the unsaved edit";
    EXPECT_FALSE(Items().StepItem(true, false)) << "a deleted target is refused";
    EXPECT_EQ(Items().Current().index, 1);
    EXPECT_TRUE(Items().StepItem(false, true));
    EXPECT_TRUE(Items().StepItem(false, true)) << "wraps to the last";
    EXPECT_EQ(Items().Current().ITEM_IDENTIFIER, "D");
    EXPECT_FALSE(Items().IsFirstItem());

    // After a jump the steps follow the dataset's rows: changed ones too, removed ones never.
    Items().JumpToItem(0);
    EXPECT_TRUE(Items().IsPositioned());
    ASSERT_TRUE(Items().ShowItem(Items().RememberedIndex()));
    EXPECT_TRUE(Items().MoveItem(true));
    EXPECT_EQ(Items().Current().index, 1);
    EXPECT_TRUE(Items().MoveItem(true));
    EXPECT_EQ(Items().Current().index, 3);
    EXPECT_FALSE(Items().MoveItem(true));
}

TEST_F(ItemStoreTest, DeletingMovesToANeighbour)
{
    Open({.items = {{"A"}, {"B"}, {"C"}}});
    ASSERT_TRUE(Items().LoadItems());
    Show(1);
    EXPECT_EQ(Items().DeleteItem(false), 1) << "the one before";
    EXPECT_EQ(Items().Current().ITEM_IDENTIFIER, "A");
    EXPECT_EQ(Items().DeleteItem(false), 0) << "none before: the one after";
    EXPECT_EQ(Items().Current().ITEM_IDENTIFIER, "C");
    EXPECT_EQ(Items().DeleteItem(false), -1);
    EXPECT_TRUE(IsRemoved(Items().Current().state));
}

// ---- Creating and copying ------------------------------------------------------------------------

TEST_F(ItemStoreTest, CopiesAreNamedCopyOfWithAtMost49Characters)
{
    const std::string name45(45, 'x');
    std::string accented;
    for (int i = 0; i < 45; ++i)
        accented += "\xC3\xA9";  // é: two bytes, one character
    const struct {
        std::string source;
        std::string copy;
    } cases[] = {
        {"Apple", "Copy of Apple"},
        {name45, "Copy of " + name45.substr(0, 41)},  // 49 characters in all
        {accented, "Copy of " + accented.substr(0, 41 * 2)},  // characters, not bytes
        {std::string(41, 'y'), "Copy of " + std::string(41, 'y')},
    };
    for (const auto& c : cases) {
        Open({.items = {{c.source}}});
        ASSERT_TRUE(Items().LoadItems());
        Show(0);
        Items().CreateItem(true);
        EXPECT_EQ(Items().Current().ITEM_IDENTIFIER, c.copy) << c.source;
        EXPECT_EQ(Items().Items().back().ITEM_IDENTIFIER, c.copy);
        EXPECT_EQ(Items().Current().state, RecordNew);
        EXPECT_TRUE(Items().IsCopy());
        TheDatabase().CloseDataset();
    }
}

TEST_F(ItemStoreTest, SavingADuplicateCreatesExactlyTheNewRows)
{
    Open(kShop);
    ASSERT_TRUE(Items().LoadItems());
    Show(0);
    const Rows valuesBefore = Dataset().Rows("SELECT * FROM [Values] ORDER BY VALUE_ID");
    const Rows itemValuesBefore = Dataset().Rows("SELECT * FROM ItemValues ORDER BY ITEMVALUE_ID");
    const Rows linksBefore = Dataset().Rows("SELECT * FROM Hyperlink ORDER BY LINK_ID");
    const Rows descriptionsBefore = Dataset().Rows("SELECT * FROM Descriptions ORDER BY DESCRIPTION_ID");

    Items().CreateItem(true);
    // The screen shows the copy: loading for item 0 keeps what was copied.
    Items().LoadItemValues(0);
    Items().LoadLinks(0);
    ASSERT_EQ(Items().ItemValues().size(), 4u);
    ASSERT_EQ(Items().Links().size(), 1u);
    ASSERT_TRUE(SaveCurrentItem());

    const std::string copy = Id("Copy of Apple");
    ASSERT_NE(copy, "-1");
    EXPECT_EQ(Text("SELECT ITEM_NOTE FROM ItemSet WHERE ITEM_ID=" + copy), "Sweet");
    // Values for exactly Colour (the shared choice) and Price (a row of its own).
    const Rows copied = Dataset().Rows(
        "SELECT [Values].PROPERTY_ID, [Values].VALUE_ID, [Values].VALUE_NUMBER FROM ItemValues JOIN"
        " [Values] USING (VALUE_ID) WHERE ITEM_ID=" + copy + " ORDER BY [Values].PROPERTY_ID");
    ASSERT_EQ(copied.size(), 2u);
    EXPECT_EQ(copied[0][1], std::to_string(Dataset().ValueId("Colour", "Red")));
    EXPECT_EQ(copied[1][0], std::to_string(Dataset().ParameterId("Price")));
    EXPECT_EQ(copied[1][2], "1.5");
    EXPECT_EQ(Dataset().Count("Values"), int64_t(valuesBefore.size()) + 1)
        << "one new number, and no row for the values the source had none of";
    EXPECT_EQ(Dataset().Rows("SELECT ITEM_LINK_ID FROM Hyperlink WHERE ITEM_ID=" + copy),
              (Rows{{Id("Plum")}}));
    EXPECT_EQ(Text("SELECT DESCRIPTION FROM Descriptions WHERE ITEM_ID=" + copy),
              "{\\rtf1 An {\\b apple}.}");

    // The source's rows are as they were.
    const std::string apple = Id("Apple");
    EXPECT_EQ(Dataset().Rows("SELECT * FROM [Values] ORDER BY VALUE_ID LIMIT " +
                             std::to_string(valuesBefore.size())),
              valuesBefore);
    EXPECT_EQ(Dataset().Rows("SELECT * FROM ItemValues WHERE ITEM_ID<>" + copy + " ORDER BY ITEMVALUE_ID"),
              itemValuesBefore);
    EXPECT_EQ(Dataset().Rows("SELECT * FROM Hyperlink WHERE ITEM_ID<>" + copy + " ORDER BY LINK_ID"),
              linksBefore);
    EXPECT_EQ(Dataset().Rows("SELECT * FROM Descriptions WHERE ITEM_ID<>" + copy +
                             " ORDER BY DESCRIPTION_ID"),
              descriptionsBefore);
}

TEST_F(ItemStoreTest, AValueGivenToACopyIsSavedEvenWhereTheSourceHadNone)
{
    Open(kShop);
    ASSERT_TRUE(Items().LoadItems());
    Show(1);  // Plum has no price
    Items().CreateItem(true);
    Items().LoadItemValues(0);
    ASSERT_TRUE(Items().SetItemValue(Dataset().ParameterId("Price"), "4.25"));
    ASSERT_TRUE(SaveCurrentItem());
    const std::string copy = Id("Copy of Plum");
    EXPECT_EQ(Text("SELECT VALUE_NUMBER FROM ItemValues JOIN [Values] USING (VALUE_ID) WHERE ITEM_ID=" +
                   copy + " AND PROPERTY_ID=" + std::to_string(Dataset().ParameterId("Price"))),
              "4.25");
    EXPECT_EQ(Dataset().Count("ItemValues", "ITEM_ID=" + copy), 3);
}

TEST_F(ItemStoreTest, ANewItemGetsItsOwnDescription)
{
    Open(kShop);
    ASSERT_TRUE(Items().LoadItems());
    Show(0);
    Items().CreateItem(false);
    EXPECT_EQ(Items().Current().ITEM_IDENTIFIER, "NEW ITEM");
    EXPECT_EQ(Items().GetDescription(), "");
    EXPECT_EQ(Items().DescriptionId(), 0);
    EXPECT_EQ(Items().RememberedIndex(), 0) << "the item to return to";
    Items().LoadItemValues(0);
    EXPECT_TRUE(Items().Links().empty());
    Items().SetDescription("{\\rtf1 New}");
    ASSERT_TRUE(SaveCurrentItem());

    EXPECT_EQ(Text("SELECT DESCRIPTION FROM Descriptions WHERE ITEM_ID=" + Id("NEW ITEM")), "{\\rtf1 New}");
    EXPECT_EQ(Dataset().Rows("SELECT DESCRIPTION FROM Descriptions WHERE ITEM_ID=" + Id("Apple")),
              (Rows{{"{\\rtf1 An {\\b apple}.}"}}));
    EXPECT_EQ(Dataset().Count("Descriptions"), 2);
}

// ---- Values ----------------------------------------------------------------------------------------

TEST_F(ItemStoreTest, BlankRemovesTheItemValueButKeepsTheChoice)
{
    Open(kShop);
    ASSERT_TRUE(Items().LoadItems());
    Show(0);
    const int colour = Dataset().ParameterId("Colour");
    const int red = Dataset().ValueId("Colour", "Red");
    ASSERT_TRUE(Items().SetItemValue(colour, "(Blank)", -1));
    EXPECT_EQ(ValueOf("Colour").state, RecordDeleted);
    ASSERT_TRUE(Items().SaveItemValues(Items().Current().ITEM_ID));
    EXPECT_EQ(Dataset().Count("ItemValues", "ITEM_ID=" + Id("Apple") + " AND VALUE_ID=" + std::to_string(red)), 0);
    EXPECT_EQ(Dataset().Count("Values", "VALUE_ID=" + std::to_string(red)), 1);
    EXPECT_EQ(ValueOf("Colour").ITEMVALUE_ID, 0);

    // Choosing a value again gives the item a new row.
    ASSERT_TRUE(Items().SetItemValue(colour, "Blue", Dataset().ValueId("Colour", "Blue")));
    ASSERT_TRUE(Items().SaveItemValues(Items().Current().ITEM_ID));
    EXPECT_EQ(Text("SELECT VALUE_ANUM FROM ItemValues JOIN [Values] USING (VALUE_ID) WHERE ITEM_ID=" +
                   Id("Apple") + " AND PROPERTY_ID=" + std::to_string(colour)),
              "Blue");
}

TEST_F(ItemStoreTest, AChangedNumberIsWrittenIntoTheSameValuesRow)
{
    Open(kShop);
    ASSERT_TRUE(Items().LoadItems());
    Show(0);
    const int price = Dataset().ParameterId("Price");
    const int32_t row = ValueOf("Price").VALUE_ID;
    const std::string prices = "PROPERTY_ID=" + std::to_string(price);
    const int64_t values = Dataset().Count("Values", prices);
    EXPECT_TRUE(Items().SetItemValue(price, "1.50"));
    EXPECT_EQ(ValueOf("Price").state, RecordUnchanged) << "the text it already shows";
    ASSERT_TRUE(Items().SetItemValue(price, "2.25"));
    EXPECT_EQ(ValueOf("Price").state, RecordChanged);
    ASSERT_TRUE(Items().SaveItemValues(Items().Current().ITEM_ID));
    EXPECT_EQ(Text("SELECT VALUE_NUMBER FROM [Values] WHERE VALUE_ID=" + std::to_string(row)), "2.25");
    EXPECT_EQ(Dataset().Count("Values", prices), values);
}

TEST_F(ItemStoreTest, ValuesAnItemLackedGetRowsWhenSaved)
{
    const struct {
        const char* text;
        const char* stored;  // VALUE_NUMBER as the file holds it
    } cases[] = {
        {"", "NULL"},      // no number entered
        {"0", "0"},        // zero is a number
        {"-3.5", "-3.5"},
        {"12abc", "NULL"}, // not a number
    };
    for (const auto& c : cases) {
        Open(kShop);
        ASSERT_TRUE(Items().LoadItems());
        Show(1);  // Plum: no price, no date
        const int price = Dataset().ParameterId("Price");
        if (*c.text) {
            ASSERT_TRUE(Items().SetItemValue(price, c.text));
        }
        ASSERT_TRUE(Items().SaveItemValues(Items().Current().ITEM_ID));
        EXPECT_EQ(Text("SELECT quote(VALUE_NUMBER) FROM ItemValues JOIN [Values] USING (VALUE_ID) WHERE "
                       "ITEM_ID=" + Id("Plum") + " AND PROPERTY_ID=" + std::to_string(price)),
                  c.stored)
            << c.text;
        EXPECT_EQ(Text("SELECT VALUE_DATE FROM ItemValues JOIN [Values] USING (VALUE_ID) WHERE ITEM_ID=" +
                       Id("Plum") + " AND PROPERTY_ID=" + std::to_string(Dataset().ParameterId("Made"))),
                  "NULL");
        EXPECT_EQ(ValueOf("Price").state, RecordLoaded);
        TheDatabase().CloseDataset();
    }
}

TEST_F(ItemStoreTest, ADateIsStoredAsTheAutomationDate)
{
    Open(kShop);
    ASSERT_TRUE(Items().LoadItems());
    Show(0);
    const AutomationDate date = AutomationDate::FromDate(2007, 1, 31);
    ASSERT_TRUE(Items().SetItemValue(Dataset().ParameterId("Made"), "31/01/2007", 0, date));
    ASSERT_TRUE(Items().SaveItemValues(Items().Current().ITEM_ID));
    EXPECT_DOUBLE_EQ(Dataset().Number("SELECT VALUE_DATE FROM ItemValues JOIN [Values] USING (VALUE_ID)"
                                      " WHERE ITEM_ID=" + Id("Apple") + " AND PROPERTY_ID=" +
                                      std::to_string(Dataset().ParameterId("Made"))),
                     date.Value());
}

// ---- Items -----------------------------------------------------------------------------------------

TEST_F(ItemStoreTest, ChangedTextsAndColoursAreWritten)
{
    Open(kShop);
    ASSERT_TRUE(Items().LoadItems());
    Show(1);
    Items().SetItemText("Plum's twin", "It's ripe");
    EXPECT_EQ(Items().Current().state, RecordChanged);
    EXPECT_EQ(Items().Items()[1].state, RecordChanged);
    EXPECT_TRUE(Items().IsCurrentChanged());
    ASSERT_TRUE(Items().SetItemColour(1, RGB(1, 2, 3), true));
    ASSERT_TRUE(Items().SaveItems());
    EXPECT_EQ(Dataset().Rows("SELECT ITEM_IDENTIFIER, ITEM_NOTE FROM ItemSet WHERE ITEM_ID=" + Id("Plum's twin")),
              (Rows{{"Plum's twin", "It's ripe"}}));
    EXPECT_EQ(Items().Items()[1].state, RecordLoaded);

    Items().ReloadAfterSave();
    COLORREF text = 0, background = 0;
    ASSERT_TRUE(Items().GetItemColours(Dataset().ItemId("Plum's twin"), text, background));
    EXPECT_EQ(text, RGB(1, 2, 3));
    EXPECT_FALSE(Items().GetItemColours(Dataset().ItemId("Apple"), text, background));
    EXPECT_EQ(Items().Current().ITEM_IDENTIFIER, "Plum's twin") << "the remembered item";

    Items().SetItemText("Plum", "");
    ASSERT_TRUE(Items().SaveItems());
    EXPECT_EQ(Text("SELECT ITEM_NOTE FROM ItemSet WHERE ITEM_ID=" + Id("Plum")), "NULL")
        << "an empty note is written as NULL";
}

TEST_F(ItemStoreTest, DeletingTheOnlyItemLeavesNoCurrentItem)
{
    Open({.parameters = {{"Colour", TYPE_ALPHANUMERIC, 0, {"Red"}}, {"Price", TYPE_NUMERIC, 2}},
          .items = {{.identifier = "Solo",
                     .values = {{"Colour", "Red"}, {"Price", "3"}},
                     .description = "{\\rtf1 x}"}}});
    Dataset().Exec("INSERT INTO Colors (OBJECT_TYPE, OBJECT_ID, COLOR_FG, COLOR_BG) VALUES (2, 1, 1, 2)");
    ASSERT_TRUE(Items().LoadItems());
    Show(0);
    EXPECT_EQ(Items().DeleteItem(false), -1);
    ASSERT_TRUE(SaveCurrentItem());
    Items().ReloadAfterSave();

    EXPECT_TRUE(Items().Items().empty());
    EXPECT_EQ(Items().Current().index, -1);
    EXPECT_EQ(Items().Current().ITEM_ID, 0);
    EXPECT_EQ(Dataset().Count("ItemSet"), 0);
    EXPECT_EQ(Dataset().Count("ItemValues"), 0);
    EXPECT_EQ(Dataset().Count("Descriptions"), 0);
    EXPECT_EQ(Dataset().Count("Colors", "OBJECT_TYPE=2"), 0);
    EXPECT_EQ(Dataset().Count("Values", "PROPERTY_ID=2"), 0) << "its number goes with it";
    EXPECT_EQ(Dataset().Count("Values", "PROPERTY_ID=1"), 1) << "the choice stays";
}

TEST_F(ItemStoreTest, LinksToADeletedItemNeverSurviveTheSave)
{
    Open({.items = {{.identifier = "A", .links = {"B"}},
                    {.identifier = "B", .links = {"A"}},
                    {.identifier = "C"}}});
    ASSERT_TRUE(Items().LoadItems());
    Show(2);
    Items().AddLink(Dataset().ItemId("B"));  // C links to B, not yet saved
    Items().AddLink(Dataset().ItemId("A"));
    Show(1);
    ASSERT_EQ(Items().DeleteItem(true), 1);  // B goes: its links in both directions go too
    ASSERT_TRUE(Items().SaveItems());
    EXPECT_EQ(Dataset().Count("Hyperlink"), 0);

    // The screen dropped C's edits when it moved; a link list that still names B keeps only A.
    ASSERT_TRUE(Items().ShowItem(Items().FindItemIndex(Dataset().ItemId("C"))));
    ASSERT_TRUE(Items().LoadLinks(Items().Current().ITEM_ID));
    Items().AddLink(Dataset().ItemId("A"));
    Items().AddLink(Dataset().ItemId("B"));
    ASSERT_TRUE(Items().SaveLinks(Items().Current().ITEM_ID));
    EXPECT_EQ(Dataset().Rows("SELECT ITEM_ID, ITEM_LINK_ID FROM Hyperlink"), (Rows{{Id("C"), Id("A")}}));
    EXPECT_EQ(Items().Links()[1].state, RecordDiscarded);
}

TEST_F(ItemStoreTest, LinkEditsAreSavedAndTargetsLeaveOutTheLinked)
{
    Open({.items = {{.identifier = "A", .links = {"B"}}, {.identifier = "B"}, {.identifier = "C"},
                    {.identifier = "D"}}});
    ASSERT_TRUE(Items().LoadItems());
    Show(3);
    ASSERT_EQ(Items().DeleteItem(true), 1);  // D is deleted, not yet saved
    Show(0);
    Items().BuildLinkTargets(Items().Current().ITEM_ID);
    ASSERT_EQ(Items().LinkTargets().size(), 1u) << "not A itself, not B, not the deleted D";
    EXPECT_EQ(Items().LinkTargets()[0].ITEM_IDENTIFIER, "C");

    // Adding and removing again in one visit writes nothing; removing a stored link deletes it.
    const int added = Items().AddLink(Dataset().ItemId("C"));
    ASSERT_TRUE(Items().RemoveLink(added));
    EXPECT_EQ(Items().Links()[added].state, RecordDiscarded);
    ASSERT_TRUE(Items().RemoveLink(0));
    EXPECT_EQ(Items().Links()[0].state, RecordDeleted);
    Items().BuildLinkTargets(Items().Current().ITEM_ID);
    EXPECT_EQ(Items().LinkTargets().size(), 2u) << "B is offered again";
    ASSERT_TRUE(Items().SaveLinks(Items().Current().ITEM_ID));
    EXPECT_EQ(Dataset().Count("Hyperlink"), 0);

    Items().AddLink(Dataset().ItemId("C"));
    ASSERT_TRUE(Items().SaveLinks(Items().Current().ITEM_ID));
    ASSERT_TRUE(Items().LoadLinks(Items().Current().ITEM_ID));
    ASSERT_EQ(Items().Links().size(), 1u);
    EXPECT_EQ(Items().Links()[0].ITEM_LINK_ID, Dataset().ItemId("C"));
}

TEST_F(ItemStoreTest, AFailedSaveWritesNothingAndKeepsTheStates)
{
    Open({.items = {{.identifier = "A", .links = {"B"}}, {.identifier = "B"}, {.identifier = "C"}}});
    // The engine refuses every new link: the save fails after it deleted one.
    Dataset().Exec("CREATE TRIGGER NoNewLinks BEFORE INSERT ON Hyperlink BEGIN SELECT RAISE(ABORT, "
                   "'no new links'); END;");
    ASSERT_TRUE(Items().LoadItems());
    Show(0);
    ASSERT_TRUE(Items().RemoveLink(0));
    Items().AddLink(Dataset().ItemId("C"));
    EXPECT_FALSE(Items().SaveLinks(Items().Current().ITEM_ID));
    EXPECT_EQ(Dataset().Rows("SELECT ITEM_LINK_ID FROM Hyperlink"), (Rows{{Id("B")}}));
    EXPECT_EQ(Items().Links()[0].state, RecordDeleted);
    EXPECT_EQ(Items().Links()[1].state, RecordNew);
    EXPECT_EQ(Items().Links()[1].LINK_ID, 0);
    ASSERT_EQ(Messages().Shown().size(), 1u);
    EXPECT_NE(Messages().Shown()[0].text.find("no new links"), std::string::npos)
        << "the engine's reason is shown";
}

// ---- A dataset that cannot be written ------------------------------------------------------------

TEST_F(ItemStoreTest, AReadOnlyDatasetRefusesEverySaveAndStaysUnchanged)
{
    Open(kShop);
    TheDatabase().CloseDataset();
    ASSERT_EQ(chmod(Dataset().Path().c_str(), 0444), 0);
    const std::string before = ReadWholeFile(Dataset().Path());
    Reopen();
    ASSERT_TRUE(TheDatabase().writeRefused());

    Params().AddParam("Weight", TYPE_NUMERIC, 0);
    ASSERT_TRUE(Params().UpdateParam(0, "Hue", TYPE_NUMERIC, 0, 0));
    ASSERT_TRUE(Params().LoadValues(1));
    Params().AddValue(1, "Green");
    ASSERT_TRUE(Items().LoadItems());
    Show(0);
    Items().SetItemText("Pear", "note");
    Items().SetItemColour(0, RGB(1, 1, 1), false);
    Items().SetDescription("{\\rtf1 changed}");
    ASSERT_TRUE(Items().SetItemValue(Dataset().ParameterId("Price"), "9"));
    Items().AddLink(Dataset().ItemId("Apple"));

    Messages().Clear();
    const struct {
        const char* save;
        bool (*run)(StoreTest&);
    } saves[] = {
        {"SaveParams", [](StoreTest&) { return TheDatabase().Params().SaveParams(); }},
        {"SaveValues", [](StoreTest&) { return TheDatabase().Params().SaveValues(); }},
        {"SaveItems", [](StoreTest&) { return TheDatabase().Items().SaveItems(); }},
        {"SaveDescription", [](StoreTest&) { return TheDatabase().Items().SaveDescription(); }},
        {"SaveItemValues", [](StoreTest&) { return TheDatabase().Items().SaveItemValues(1); }},
        {"SaveLinks", [](StoreTest&) { return TheDatabase().Items().SaveLinks(1); }},
    };
    for (const auto& s : saves) {
        Messages().Clear();
        EXPECT_FALSE(s.run(*this)) << s.save;
        EXPECT_EQ(Messages().Texts(), std::vector<std::string>{kUpdateNotSupportedText}) << s.save;
    }
    EXPECT_EQ(Params().Params().back().state, RecordNew) << "the records keep their states";
    EXPECT_EQ(Items().Current().state, RecordChanged);
    TheDatabase().CloseDataset();
    EXPECT_EQ(ReadWholeFile(Dataset().Path()), before);
    chmod(Dataset().Path().c_str(), 0644);
}

}  // namespace
