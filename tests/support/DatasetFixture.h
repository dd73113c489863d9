// Small datasets for tests, made from the dataset template in a scratch folder from a short
// description: parameters with their types and values, items with their values, notes, links
// and descriptions. Rows are written directly with SQLite, not through the stores under test,
// and the helpers below read the file back the same way.
//
//   TestDataset dataset({.parameters = {{"Colour", TYPE_ALPHANUMERIC, 0, {"Red", "Blue"}},
//                                       {"Price", TYPE_NUMERIC, 2}},
//                        .items = {{"Apple", {{"Colour", "Red"}, {"Price", "1.5"}}}}});
//   TheDatabase().OpenDataset(dataset.Path());
#pragma once

#include "store/SharedTypes.h"
#include "tests/support/TempFolder.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct FixtureParameter {
    std::string name;
    ParamType type = TYPE_ALPHANUMERIC;
    int precision = 0;
    std::vector<std::string> values = {};  // the choice list of an alphanumeric parameter
    bool alphabetic = false;          // ALPHABETIC_ORDER
};

struct FixtureItem {
    std::string identifier;
    // (parameter name, value): a text of the parameter's choice list (added to it when
    // missing), a number ("1.5"), or a date ("1/31/2007", "2007-01-31").
    std::vector<std::pair<std::string, std::string>> values = {};
    std::string note = {};
    std::vector<std::string> links = {};  // identifiers of the items this one links to
    std::string description = {};    // empty: no Descriptions row
};

struct DatasetDescription {
    std::vector<FixtureParameter> parameters = {};  // PROPERTY_ID 1, 2, ... and SORT_ORDER 0, 1, ...
    std::vector<FixtureItem> items = {};            // ITEM_ID 1, 2, ...
};

// Creates the dataset at `path` (which must not exist). False with `error` on failure.
bool BuildDataset(const std::string& path, const DatasetDescription& description, std::string& error);

// A dataset in its own scratch folder, removed with the folder when the test ends.
class TestDataset {
public:
    explicit TestDataset(const DatasetDescription& description = {},
                         const std::string& fileName = "dataset.tvd");

    const std::string& Path() const { return path_; }
    const TempFolder& Folder() const { return folder_; }

    // ---- Reading and changing the file directly -------------------------------------------
    // Runs statements in SQLite's dialect; a failure fails the test.
    void Exec(const std::string& sql) const;
    // Every row of a query, each value as text ("NULL" for NULL; numbers as SQLite prints them).
    std::vector<std::vector<std::string>> Rows(const std::string& sql) const;
    // The first column of the first row as a number (0 when there is no row).
    double Number(const std::string& sql) const;
    int64_t Count(const std::string& table, const std::string& where = {}) const;

    int ParameterId(const std::string& name) const;  // -1 when none
    int ItemId(const std::string& identifier) const;
    int ValueId(const std::string& parameter, const std::string& text) const;

private:
    TempFolder folder_;
    std::string path_;
};
