// The headless query export: opens a dataset, runs one stored query as the result screen runs
// it (result table, deleted items, statement, result list, footers, the check of the saved
// permutations) and writes the result list as CSV (RFC 4180, UTF-8, CRLF line ends): a header
// line with the column titles in display order without the check box column, the Links column
// always included, then one line per row with the cell texts as the list shows them, the
// footer row included. Column widths are neither measured nor saved and nothing is compacted.
#pragma once

#include <functional>
#include <string>

class CDovaneView;

// Opens the dataset at `datasetPath`, runs its stored query `queryName` (exact name, the first
// query of that name in QUERY_ID order) as the result screen runs it, and hands the filled
// result model to `use` while the dataset is open; the dataset is closed afterwards. False with
// one line in `error` when any step or `use` fails.
bool RunStoredQuery(const std::string& datasetPath, const std::string& queryName,
                    const std::function<bool(const CDovaneView&, std::string&)>& use, std::string& error);

// One CSV field: quoted (with its double quotes doubled) when it holds a comma, a double quote
// or a line break.
std::string CsvField(const std::string& text);

// The CSV text of the result list as it stands.
std::string ResultListCsv(const CDovaneView& view);

// Runs stored query `queryName` (exact name, the first query of that name in QUERY_ID order)
// of the dataset at `datasetPath` and writes its CSV to `outputPath` ("-" for standard
// output). The file is written whole or not at all. On failure the result is false and
// `error` holds one line that says why.
bool ExportQueryCsv(const std::string& datasetPath, const std::string& queryName,
                    const std::string& outputPath, std::string& error);
