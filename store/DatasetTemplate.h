// Creating a new, empty dataset from the template (data/template.sql, built into the program):
// every table, the fixed rows of Type, Operations and Formula, and the relations.
#pragma once

#include <string>

// The template's SQL text.
const std::string& DatasetTemplateSql();

// Creates an empty dataset at `path`. Fails, with a message in `error`, when anything already
// exists at `path` (it is never touched) or the file cannot be written. The dataset is built
// under a temporary name beside `path` and appears under `path` only when it is whole.
bool CreateDataset(const std::string& path, std::string& error);
