#include "store/DatasetTemplate.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <set>
#include <unistd.h>

namespace {

// Runs a one-value query on a dataset file opened read-only.
std::string QueryText(const std::string& path, const char* sql)
{
    sqlite3* db = nullptr;
    std::string text;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_text(statement, 0))
            text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return text;
}

std::set<std::string> TableNames(const std::string& path)
{
    std::set<std::string> names;
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type='table'", -1, &statement,
                       nullptr);
    while (statement && sqlite3_step(statement) == SQLITE_ROW)
        names.insert(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return names;
}

}  // namespace

TEST(DatasetTemplate, NewDatasetHoldsEveryTableAndTheFixedRows)
{
    TempFolder folder;
    const std::string path = folder.Path("stock.tvd");
    std::string error;
    ASSERT_TRUE(CreateDataset(path, error)) << error;

    const std::set<std::string> tables = TableNames(path);
    for (const char* table :
         {"Type", "Property", "Values", "ItemSet", "ItemValues", "Hyperlink", "Descriptions",
          "Colors", "Queries", "Conditions", "Multiply", "Operations", "Formula", "Footer",
          "SortOrder", "Viewable", "Combo", "Sizes", "Deleted_Items", "tempvalues"})
        EXPECT_TRUE(tables.count(table)) << "missing table " << table;

    EXPECT_EQ(QueryText(path, "SELECT group_concat(TYPE, '|') FROM (SELECT TYPE FROM Type ORDER BY TYPE_ID)"),
              "Alphanumeric|Numeric|Date/Time");
    EXPECT_EQ(QueryText(path, "SELECT TYPE_ID || SQLString FROM Operations WHERE OPERATION_ID=14"),
              "2BETWEEN");
    EXPECT_EQ(QueryText(path, "SELECT TYPE_ID || SQLString FROM Operations WHERE OPERATION_ID=15"),
              "3BETWEEN");
    EXPECT_EQ(QueryText(path, "SELECT count(*) FROM Operations WHERE OPERATION='NONE' AND SQLString=''"),
              "3");
    EXPECT_EQ(QueryText(path, "SELECT count(*) FROM Formula WHERE FORMULA_ID>3 AND SQLString<>''"),
              "5");
    EXPECT_EQ(QueryText(path, "PRAGMA integrity_check"), "ok");
    EXPECT_FALSE(FileExists(path + ".part-" + std::to_string(::getpid())));
}

TEST(DatasetTemplate, ExistingFileIsNeverTouched)
{
    TempFolder folder;
    const std::string path = folder.WriteFile("mine.tvd", "my own notes");
    std::string error;
    EXPECT_FALSE(CreateDataset(path, error));
    EXPECT_NE(error.find("already exists"), std::string::npos) << error;
    EXPECT_EQ(ReadWholeFile(path), "my own notes");
}

TEST(DatasetTemplate, PlaceThatCannotHoldAFileFailsWithAMessage)
{
    TempFolder folder;
    const std::string notAFolder = folder.WriteFile("notes.txt", "x");
    const std::string cases[] = {
        folder.Path("no/such/folder/x.tvd"),  // the folder does not exist
        notAFolder + "/x.tvd",                // a file stands where the folder should be
    };
    for (const std::string& path : cases) {
        std::string error;
        EXPECT_FALSE(CreateDataset(path, error)) << path;
        EXPECT_NE(error.find("cannot create"), std::string::npos) << error;
    }
    EXPECT_EQ(ReadWholeFile(notAFolder), "x");
}
