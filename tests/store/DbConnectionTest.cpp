// The connection: connection strings, opening (and refusing) files, read-only files, the last
// error, the table list and statement execution.
#include "platform/MessageBox.h"
#include "store/DbConnection.h"
#include "tests/support/DatasetFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

bool OpenConnection(CDbConnection& connection, const std::string& path)
{
    return connection.Open(CDbConnection::MakeConnectionString(path));
}

}  // namespace

TEST(ConnectionStrings, CarryThePathBetweenQuotes)
{
    const std::string work = CDbConnection::MakeConnectionString("/data/stock.tvd");
    EXPECT_EQ(work, "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"/data/stock.tvd\";Persist Security Info=False;");
    EXPECT_EQ(CDbConnection::MakeCompactConnectionString("/data/stock.tmp"),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"/data/stock.tmp\";");
    std::string path;
    ASSERT_TRUE(CDbConnection::PathFromConnectionString(work, path));
    EXPECT_EQ(path, "/data/stock.tvd");
    ASSERT_TRUE(CDbConnection::PathFromConnectionString(CDbConnection::MakeCompactConnectionString("a b.tvd"), path));
    EXPECT_EQ(path, "a b.tvd");
    EXPECT_FALSE(CDbConnection::PathFromConnectionString(CDbConnection::MakeConnectionString("a\"b.tvd"), path));
    EXPECT_FALSE(CDbConnection::PathFromConnectionString("Data Source=x.tvd", path));
}

TEST(ErrorText, JoinsTheCollectionOrNamesTheFailure)
{
    EXPECT_EQ(BuildErrorText({{"first", "SQLite"}, {"second", "SQLite"}}, {}), "first\n\nsecond");
    EXPECT_EQ(BuildErrorText({}, {"disk I/O error", "SQLite"}), "\nSource: SQLite; Description: disk I/O error");
    EXPECT_EQ(BuildErrorText({{"", "SQLite"}}, {"gone", "SQLite"}), "\nSource: SQLite; Description: gone");
}

TEST(Connection, OpensADatasetAndClosesIt)
{
    TestDataset dataset;
    CDbConnection connection;
    EXPECT_EQ(connection.State(), 0);
    EXPECT_EQ(connection.ExecTimeText(), "Exec time: 00:00:00");
    ASSERT_TRUE(OpenConnection(connection, dataset.Path())) << connection.lastError();
    EXPECT_EQ(connection.State(), 1);
    EXPECT_FALSE(connection.IsReadOnly());
    EXPECT_EQ(connection.DbmsName(), "SQLite");
    EXPECT_EQ(connection.Path(), dataset.Path());
    connection.Close();
    EXPECT_EQ(connection.State(), 0);
    EXPECT_FALSE(connection.Execute("SELECT * FROM Type", 0));
}

TEST(Connection, RefusesWhatIsNotADatasetWithAMessage)
{
    TempFolder folder;
    const std::string text = folder.WriteFile("notes.tvd", "These are not the rows you are looking for.\n");
    const std::string empty = folder.WriteFile("empty.tvd", "");
    TestDataset other;
    other.Exec("DROP TABLE [Property]");
    const std::string withoutProperty = other.Path();
    const std::string beforeOther = ReadWholeFile(withoutProperty);
    const struct {
        const char* why;
        std::string path;
        const char* mentions;
    } cases[] = {
        {"a text file", text, "not a database"},
        {"an empty file", empty, "no Property table"},
        {"a database without the Property table", withoutProperty, "no Property table"},
        {"a missing file", folder.Path("missing.tvd"), "unable to open"},
        {"a path with a double quote", folder.Path("a\"b.tvd"), "connection string is not valid"},
    };
    for (const auto& c : cases) {
        const std::string before = ReadWholeFile(c.path);
        ScriptedMessages messages;
        CDbConnection connection;
        EXPECT_FALSE(OpenConnection(connection, c.path)) << c.why;
        EXPECT_EQ(connection.State(), 0) << c.why;
        EXPECT_NE(connection.lastError().find(c.mentions), std::string::npos) << c.why << ": " << connection.lastError();
        ASSERT_EQ(messages.Shown().size(), 1u) << c.why;
        EXPECT_EQ(messages.Shown()[0].caption, "error1") << c.why;
        EXPECT_EQ(messages.Shown()[0].text, connection.lastError()) << c.why;
        EXPECT_EQ(ReadWholeFile(c.path), before) << c.why << ": the file was changed";
    }
    EXPECT_FALSE(FileExists(folder.Path("missing.tvd")));
    EXPECT_EQ(ReadWholeFile(withoutProperty), beforeOther);
}

TEST(Connection, OpensAReadOnlyFileReadOnlyAndLeavesItAsItWas)
{
    TestDataset dataset({.parameters = {{"Colour", TYPE_ALPHANUMERIC, 0, {"Red"}}}});
    ASSERT_EQ(::chmod(dataset.Path().c_str(), 0444), 0);
    const std::string before = ReadWholeFile(dataset.Path());
    {
        CDbConnection connection;
        ASSERT_TRUE(OpenConnection(connection, dataset.Path())) << connection.lastError();
        EXPECT_TRUE(connection.IsReadOnly());
        ASSERT_TRUE(connection.Execute("SELECT * FROM [Values]", 0));
        CDbRecordset& values = connection.Recordset(0);
        EXPECT_EQ(values.RecordCount(), 1);
        EXPECT_FALSE(values.SupportsUpdate());
        EXPECT_FALSE(values.SetValue("VALUE_ANUM", "Blue"));
        EXPECT_FALSE(values.AddNew());
        EXPECT_FALSE(values.Delete());
        EXPECT_FALSE(connection.Execute("DELETE * FROM [Values]", 1));
        EXPECT_FALSE(connection.Execute("CREATE TABLE Extra(ID int)", 1));
    }
    EXPECT_EQ(ReadWholeFile(dataset.Path()), before);
    ::chmod(dataset.Path().c_str(), 0644);
}

TEST(Connection, ExecuteKeepsTheStatementAndTheError)
{
    TestDataset dataset;
    CDbConnection connection;
    ASSERT_TRUE(OpenConnection(connection, dataset.Path()));
    ASSERT_TRUE(connection.Execute("SELECT * FROM Type ORDER BY TYPE_ID;", 0));
    EXPECT_EQ(connection.LastStatement(), "SELECT * FROM Type ORDER BY TYPE_ID;");
    EXPECT_EQ(connection.Recordset(0).RecordCount(), 3);

    EXPECT_FALSE(connection.Execute("SELECT * FROM NoSuchTable", 1));
    EXPECT_TRUE(connection.LastStatement().empty());
    EXPECT_NE(connection.lastError().find("no such table"), std::string::npos) << connection.lastError();
    EXPECT_FALSE(connection.Execute("SELECT 1; SELECT 2", 1));
    EXPECT_FALSE(connection.Execute("SELECT 1", 4));
    EXPECT_EQ(connection.Recordset(0).RecordCount(), 3) << "a failure elsewhere leaves recordset 0 alone";

    ASSERT_TRUE(connection.Execute("[Queries]", 3, true));
    EXPECT_EQ(connection.Recordset(3).FieldCount(), 4);
    ASSERT_TRUE(connection.Execute("DELETE * FROM [Colors]", 1));
    EXPECT_EQ(connection.Recordset(1).State(), 0) << "a statement without rows leaves its recordset closed";
}

TEST(Connection, RecordsetTwoIsReadOnly)
{
    TestDataset dataset;
    CDbConnection connection;
    ASSERT_TRUE(OpenConnection(connection, dataset.Path()));
    for (int index = 0; index < CDbConnection::kRecordsetCount; ++index) {
        ASSERT_TRUE(connection.Execute("SELECT * FROM [Queries]", index));
        EXPECT_EQ(connection.Recordset(index).SupportsUpdate(), index != 2) << index;
    }
}

TEST(Connection, ListsTheDatasetTablesInBrackets)
{
    TestDataset dataset;
    dataset.Exec("DROP TABLE Colors; CREATE TABLE Colors2(ID INTEGER PRIMARY KEY)");
    CDbConnection connection;
    ASSERT_TRUE(OpenConnection(connection, dataset.Path()));
    std::string tables;
    ASSERT_TRUE(connection.GetTableList(tables));
    EXPECT_EQ(tables.find("[Colors]"), std::string::npos);
    EXPECT_NE(tables.find("[Colors2]"), std::string::npos);
    EXPECT_NE(tables.find("[Property][Queries]"), std::string::npos);
    EXPECT_EQ(tables.find("sqlite_"), std::string::npos) << "the engine's own tables are not listed";
}

TEST(Connection, CacheSizeAndTimeOutStayInRange)
{
    CDbConnection connection;
    EXPECT_EQ(connection.CacheSize(), 1000);
    connection.SetCacheSize(500);
    EXPECT_EQ(connection.CacheSize(), 500);
    connection.SetCacheSize(0);
    EXPECT_EQ(connection.CacheSize(), 1000);
    connection.SetCacheSize(1000000);
    EXPECT_EQ(connection.CacheSize(), 1000);
    EXPECT_EQ(connection.CommandTimeout(), 0);
    connection.SetCommandTimeout(30);
    EXPECT_EQ(connection.CommandTimeout(), 30);
    connection.SetCommandTimeout(100000);
    EXPECT_EQ(connection.CommandTimeout(), 0);
    connection.SetCommandTimeout(-1);
    EXPECT_EQ(connection.CommandTimeout(), 0);
}
