// Datasets of a chosen size for the query benchmarks: N items described by P parameters of
// mixed types (texts from choice lists of different lengths, numbers of different precisions,
// dates), most items carrying most values, a few links, and one stored query showing every
// parameter, sorted by all of them, with a sum footer under each number. The content is drawn
// from a fixed seed, so the same size always gives the same dataset.
#pragma once

#include <string>

struct GeneratedDataset {
    int items = 1000;
    int parameters = 20;
    unsigned seed = 4;
};

// Creates the dataset at `path` (which must not exist). False with `error` on failure.
bool GenerateDataset(const std::string& path, const GeneratedDataset& shape, std::string& error);

// The QUERY_ID of the stored query of a generated dataset.
inline constexpr int kGeneratedQueryId = 1;

// The flattening of a generated dataset done by SQL alone, as the sqlite3 shell would run it:
// fulltable re-created and filled by one INSERT ... SELECT pivot over the item tables, then
// `select` (the query's statement) with its rows sent to /dev/null, all in one transaction.
std::string PivotScript(const GeneratedDataset& shape, const std::string& select);
