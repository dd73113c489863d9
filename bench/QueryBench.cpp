// The query run on large collections: the result table build, the query's SELECT with the fill
// of the result model (cells, footers), and both together, at 1,000, 10,000 and 100,000 items
// with 20 parameters. Time should grow linearly with the items.
//
//   query_bench                              the benchmarks
//   query_bench --make-dataset N PATH        writes a generated dataset of N items to PATH and,
//                                            beside it, PATH.pivot.sql: the same flattening as
//                                            one INSERT ... SELECT plus the same SELECT, for
//                                            `time sqlite3 PATH < PATH.pivot.sql`
#include "bench/DatasetGenerator.h"
#include "platform/MessageBox.h"
#include "query/DovaneView.h"
#include "store/DovaneDatabase.h"
#include "store/JetSql.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <memory>
#include <string>

namespace {

// One generated dataset per size, made at first use and opened in the dataset store.
class Datasets {
public:
    bool Open(int items)
    {
        if (open_ == items)
            return true;
        const std::string path = folder_.filePath(QString("items%1.tvd").arg(items)).toStdString();
        if (made_.emplace(items).second) {
            std::string error;
            if (!GenerateDataset(path, {items, 20, 4}, error)) {
                std::fprintf(stderr, "cannot generate %s: %s\n", path.c_str(), error.c_str());
                return false;
            }
        }
        TheDatabase().CloseDataset();
        TheDatabase().SetCurrentDatasetPath(path);
        if (!TheDatabase().OpenDataset(path) || !TheDatabase().IsOpen())
            return false;
        TheDatabase().RunFirstLoads();
        open_ = items;
        return true;
    }

private:
    QTemporaryDir folder_;
    std::set<int> made_;
    int open_ = 0;
};

Datasets& TheDatasets()
{
    static Datasets datasets;
    return datasets;
}

bool Run(CDovaneView& view)
{
    return view.RunQuery(kGeneratedQueryId, true);
}

void BM_BuildResultTable(benchmark::State& state)
{
    if (!TheDatasets().Open(int(state.range(0))))
        return state.SkipWithError("no dataset");
    CDovaneView view(TheDatabase());
    for (auto _ : state) {
        if (!view.BuildResultTable())
            return state.SkipWithError(view.LastError().c_str());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SelectAndFill(benchmark::State& state)
{
    if (!TheDatasets().Open(int(state.range(0))))
        return state.SkipWithError("no dataset");
    CDovaneView view(TheDatabase());
    if (!Run(view))
        return state.SkipWithError(view.LastError().c_str());
    for (auto _ : state) {
        if (view.FillResultList(kGeneratedQueryId, true) != 1)
            return state.SkipWithError(view.LastError().c_str());
        benchmark::DoNotOptimize(view.CellText(view.RowCount() - 1, 2));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_RunQuery(benchmark::State& state)
{
    if (!TheDatasets().Open(int(state.range(0))))
        return state.SkipWithError("no dataset");
    CDovaneView view(TheDatabase());
    for (auto _ : state) {
        if (!Run(view))
            return state.SkipWithError(view.LastError().c_str());
    }
    state.counters["rows"] = view.RowCount();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_BuildResultTable)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectAndFill)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunQuery)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int MakeDataset(int items, const std::string& path)
{
    const GeneratedDataset shape{items, 20, 4};
    std::string error;
    if (!GenerateDataset(path, shape, error)) {
        std::fprintf(stderr, "query_bench: %s\n", error.c_str());
        return 1;
    }
    TheDatabase().SetCurrentDatasetPath(path);
    if (!TheDatabase().OpenDataset(path) || !TheDatabase().IsOpen())
        return 1;
    TheDatabase().RunFirstLoads();
    CDovaneView view(TheDatabase());
    std::string select;
    if (!view.BuildQuerySql(kGeneratedQueryId) || !TranslateJetSql(view.Sql().Statement(), select, error)) {
        std::fprintf(stderr, "query_bench: %s\n", error.c_str());
        return 1;
    }
    TheDatabase().CloseDataset();
    std::ofstream(path + ".pivot.sql") << PivotScript(shape, select);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ScriptedMessages messages;  // nothing of the run waits for an answer
    if (argc == 4 && std::string(argv[1]) == "--make-dataset")
        return MakeDataset(std::atoi(argv[2]), argv[3]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    TheDatabase().CloseDataset();
    return 0;
}
