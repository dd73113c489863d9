// The headless PDF export of a stored query: the run of the result screen without widgets, then
// the all-items report of its result list (permutation number 1, no permutation name, the
// report title "Query Report - " + the query name), as the "Save report as PDF" command makes it.
// Checked-items reports need check marks set by hand and are not offered here.
#pragma once

#include <string>

// Writes the report of stored query `queryName` of the dataset at `datasetPath` to `outputPath`.
// The file is written whole or not at all, and an existing file without write permission is
// left alone. On failure the result is false and `error` holds one line that says why.
bool ExportQueryPdf(const std::string& datasetPath, const std::string& queryName,
                    const std::string& outputPath, std::string& error);
