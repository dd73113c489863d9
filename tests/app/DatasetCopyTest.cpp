// Copying a dataset for "Duplicate current dataset".
#include "store/DatasetCopy.h"

#include "store/DatasetTemplate.h"
#include "tests/app/AppFixture.h"

#include <QCoreApplication>

#include <sqlite3.h>

namespace {

// Runs `sql` on the file at `path` and returns the first column of the first row as text.
std::string QueryOne(const std::string& path, const std::string& sql)
{
    sqlite3* db = nullptr;
    std::string result;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_text(statement, 0))
            result = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return result;
}

}  // namespace

TEST(DatasetCopy, CopiesTheCommittedContentAndReplacesAnOlderFile)
{
    TempFolder folder;
    const std::string source = MakeDataset(folder, "source.tvd");
    QueryOne(source, "INSERT INTO [Property] (PROPERTY_NAME, TYPE_ID) VALUES ('Weight', 2)");
    const std::string target = folder.WriteFile("copy.tvd", "an older file");
    std::string error;
    ASSERT_TRUE(CopyDataset(source, target, error)) << error;
    EXPECT_EQ(QueryOne(target, "SELECT PROPERTY_NAME FROM [Property]"), "Weight");
    EXPECT_EQ(QueryOne(source, "SELECT PROPERTY_NAME FROM [Property]"), "Weight");
}

TEST(DatasetCopy, RefusesTheSameFileAndLeavesEverythingWhenTheSourceIsNoDataset)
{
    TempFolder folder;
    const std::string source = MakeDataset(folder, "source.tvd");
    const std::string before = ReadWholeFile(source);
    std::string error;
    EXPECT_FALSE(CopyDataset(source, source, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadWholeFile(source), before);

    const std::string text = folder.WriteFile("notes.tvd", "plain text, no dataset");
    const std::string target = folder.WriteFile("kept.tvd", "kept");
    EXPECT_FALSE(CopyDataset(text, target, error));
    EXPECT_EQ(ReadWholeFile(target), "kept") << "a failed copy never touches the target";
    EXPECT_FALSE(FileExists(target + ".part-" + std::to_string(QCoreApplication::applicationPid())));
}
