// The dataset engine under the loads the stores put on it: holding 100,000 item rows, finding
// and saving one of them, and writing many rows through a prepared statement.
#include "store/DatasetTemplate.h"
#include "store/DbConnection.h"
#include "store/DbStatement.h"
#include "store/DbTransaction.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QTemporaryDir>

#include <random>
#include <string>

namespace {

constexpr int kItemCount = 100'000;

// A dataset with kItemCount items, made once for the whole program.
const std::string& LargeDataset()
{
    static QTemporaryDir folder;
    static const std::string path = [] {
        const std::string file = folder.filePath("large.tvd").toStdString();
        std::string error;
        if (!CreateDataset(file, error))
            return std::string();
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        const std::string fill =
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
            std::to_string(kItemCount) +
            ") INSERT INTO ItemSet (ITEM_IDENTIFIER, ITEM_NOTE) SELECT 'Item ' || i, 'note ' || i FROM n;";
        sqlite3_exec(db, fill.c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return file;
    }();
    return path;
}

void OpenTheItemList(benchmark::State& state)
{
    CDbConnection connection;
    connection.Open(CDbConnection::MakeConnectionString(LargeDataset()));
    for (auto _ : state) {
        connection.Execute("SELECT * FROM [ItemSet] ORDER BY ITEM_ID;", 0);
        benchmark::DoNotOptimize(connection.Recordset(0).RecordCount());
    }
}
BENCHMARK(OpenTheItemList)->Unit(benchmark::kMillisecond);

// One save of one item among many: find by identifier, change, update, in a transaction.
void SaveOneItemAmongMany(benchmark::State& state)
{
    CDbConnection connection;
    connection.Open(CDbConnection::MakeConnectionString(LargeDataset()));
    connection.Execute("SELECT * FROM [ItemSet];", 0);
    CDbRecordset& items = connection.Recordset(0);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> anyItem(1, kItemCount);
    for (auto _ : state) {
        CDbTransaction save(connection);
        items.MoveFirst();
        items.Find("ITEM_ID=" + std::to_string(anyItem(random)));
        items.SetValue("ITEM_NOTE", "changed");
        items.Update();
        save.Commit();
    }
}
BENCHMARK(SaveOneItemAmongMany)->Unit(benchmark::kMicrosecond);

void InsertRowsThroughAPreparedStatement(benchmark::State& state)
{
    CDbConnection connection;
    connection.Open(CDbConnection::MakeConnectionString(LargeDataset()));
    for (auto _ : state) {
        CDbTransaction save(connection);
        CDbStatement insert(connection, "INSERT INTO [tempvalues] (ITEM_ID, VALUE_NUMBER) VALUES (?, ?)");
        for (int i = 0; i < 10'000; ++i) {
            insert.Bind(1, i);
            insert.Bind(2, i * 0.5, VT_R4);
            insert.Run();
        }
        save.Rollback();
    }
    state.SetItemsProcessed(state.iterations() * 10'000);
}
BENCHMARK(InsertRowsThroughAPreparedStatement)->Unit(benchmark::kMillisecond);

}  // namespace
