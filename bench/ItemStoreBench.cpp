// The items store on a dataset of 100,000 items, each with an alphanumeric and a numeric value:
// loading the list, showing one item, and saving one changed, one new and one deleted item.
// Saving one item must stay interactive however large the dataset is.
#include "platform/MessageBox.h"
#include "store/DatasetTemplate.h"
#include "store/DovaneDatabase.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kItems = 100'000;

// Fills a new dataset with SQL alone (the stores under measure write nothing of it).
const char* kFill = R"(
BEGIN;
INSERT INTO Property (PROPERTY_ID, PROPERTY_NAME, TYPE_ID, PRESCISION, SORT_ORDER) VALUES
  (1, 'Colour', 1, 0, 0), (2, 'Price', 2, 2, 1);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10)
  INSERT INTO [Values] (VALUE_ID, PROPERTY_ID, VALUE_ANUM) SELECT i, 1, 'Colour ' || i FROM n;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000)
  INSERT INTO ItemSet (ITEM_ID, ITEM_IDENTIFIER) SELECT i, 'Item ' || i FROM n;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000)
  INSERT INTO [Values] (VALUE_ID, PROPERTY_ID, VALUE_NUMBER) SELECT 10 + i, 2, i / 4.0 FROM n;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000)
  INSERT INTO ItemValues (ITEM_ID, VALUE_ID) SELECT i, 1 + i % 10 FROM n;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000)
  INSERT INTO ItemValues (ITEM_ID, VALUE_ID) SELECT i, 10 + i FROM n;
COMMIT;
)";

class LargeDataset {
public:
    LargeDataset()
    {
        path_ = folder_.filePath("large.tvd").toStdString();
        std::string error;
        sqlite3* db = nullptr;
        if (!CreateDataset(path_, error) || sqlite3_open(path_.c_str(), &db) != SQLITE_OK ||
            sqlite3_exec(db, kFill, nullptr, nullptr, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "cannot build the dataset: %s\n", error.c_str());
            std::abort();
        }
        sqlite3_close(db);
        TheDatabase().OpenDataset(path_);
        TheDatabase().RunFirstLoads();
        TheDatabase().Items().LoadItems();
    }
    ~LargeDataset() { TheDatabase().CloseDataset(); }

private:
    QTemporaryDir folder_;
    std::string path_;
};

LargeDataset& Dataset()
{
    static ScriptedMessages quiet;
    static LargeDataset dataset;
    return dataset;
}

CItemStore& Items() { return TheDatabase().Items(); }

void ShowMiddleItem()
{
    Items().ShowItem(kItems / 2);
    Items().LoadItemValues(Items().Current().ITEM_ID);
    Items().LoadLinks(Items().Current().ITEM_ID);
}

void LoadItems(benchmark::State& state)
{
    Dataset();
    for (auto _ : state)
        benchmark::DoNotOptimize(Items().LoadItems());
    state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(LoadItems)->Unit(benchmark::kMillisecond);

void ShowOneItem(benchmark::State& state)
{
    Dataset();
    for (auto _ : state)
        ShowMiddleItem();
}
BENCHMARK(ShowOneItem)->Unit(benchmark::kMillisecond);

// The identifier, note and price of one item changed and saved.
void SaveOneChangedItem(benchmark::State& state)
{
    Dataset();
    ShowMiddleItem();
    int round = 0;
    for (auto _ : state) {
        ++round;
        Items().SetItemText("Item changed " + std::to_string(round), "note");
        Items().SetItemValue(2, std::to_string(round) + ".25");
        if (!Items().SaveItems() || !Items().SaveItemValues(Items().Current().ITEM_ID))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(SaveOneChangedItem)->Unit(benchmark::kMillisecond);

// A new item with a description saved, then deleted and the deletion saved.
void SaveNewThenDeletedItem(benchmark::State& state)
{
    Dataset();
    ShowMiddleItem();
    for (auto _ : state) {
        Items().CreateItem(false);
        Items().LoadItemValues(0);
        Items().SetItemValue(2, "7.5");
        Items().SetDescription("{\\rtf1 new}");
        const bool saved = Items().SaveItems() && Items().SaveDescription() &&
                           Items().SaveItemValues(Items().Current().ITEM_ID);
        const bool deleted = Items().DeleteItem(false) >= 0 && Items().SaveItems();
        if (!saved || !deleted)
            state.SkipWithError("save failed");
    }
}
BENCHMARK(SaveNewThenDeletedItem)->Unit(benchmark::kMillisecond);

}  // namespace
