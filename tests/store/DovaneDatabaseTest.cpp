// The dataset store: opening (and failing to open) datasets, the colour table upgrade and the
// write test, type names, colours of the object lists, compaction and the template folder.
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "store/DovaneDatabase.h"
#include "tests/support/DatasetFixture.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct ObservedFrame : IDatasetObserver {
    int resets = 0;
    std::string title;
    bool openWhenReset = true;
    CDovaneDatabase* database = nullptr;
    void ResetScreens() override
    {
        ++resets;
        openWhenReset = database && database->IsOpen();
    }
    void SetMainTitle(const std::string& text) override { title = text; }
};

// A record of an object list, as the stores keep them.
struct ListRecord {
    int32_t id = 0;
    RecordState state = RecordLoaded;
    uint32_t flags = 0;
    COLORREF background = 0xFFFFFF;
    COLORREF text = 0;
};

class DovaneDatabaseTest : public ::testing::Test {
protected:
    bool OpenAndLoad(const std::string& path)
    {
        const bool opened = database_.OpenDataset(path);
        database_.RunFirstLoads();
        return opened;
    }

    std::vector<std::vector<std::string>> Marker(const TestDataset& dataset) const
    {
        return dataset.Rows("SELECT OBJECT_ID2 FROM Colors WHERE OBJECT_TYPE=1 AND OBJECT_ID=0");
    }

    CDovaneDatabase database_;
};

void AppendBytes(const std::string& path, long long size)
{
    const auto current = static_cast<long long>(fs::file_size(path));
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out << std::string(static_cast<size_t>(size - current), '\0');
}

}  // namespace

TEST_F(DovaneDatabaseTest, AMissingFileIsAnInvalidPath)
{
    TempFolder folder;
    const std::string path = folder.Path("gone.tvd");
    ScriptedMessages messages;
    EXPECT_FALSE(database_.OpenDataset(path));
    EXPECT_FALSE(database_.IsOpen());
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "Invalid Path");
    EXPECT_EQ(messages.Shown()[0].caption, path);
    EXPECT_EQ(database_.currentDatasetPath(), path);
}

TEST_F(DovaneDatabaseTest, AFileThatIsNoDatasetOpensNothing)
{
    TempFolder folder;
    const std::string path = folder.WriteFile("photo.tvd", std::string(5000, 'x'));
    ScriptedMessages messages;
    EXPECT_TRUE(database_.OpenDataset(path)) << "the open completes, with no dataset open";
    EXPECT_FALSE(database_.IsOpen());
    ASSERT_EQ(messages.Shown().size(), 2u);
    EXPECT_EQ(messages.Shown()[0].caption, "error1");
    EXPECT_EQ(messages.Shown()[1].text, "Error opening dataset");
    EXPECT_EQ(messages.Shown()[1].style & 0xF0, static_cast<unsigned>(MB_ICONERROR));
    database_.RunFirstLoads();
    EXPECT_TRUE(database_.TypeNames().empty());
    EXPECT_EQ(ReadWholeFile(path), std::string(5000, 'x'));
}

TEST_F(DovaneDatabaseTest, OpeningResetsTheScreensAndTitlesTheWindow)
{
    TestDataset first, second;
    ObservedFrame frame;
    frame.database = &database_;
    database_.SetObserver(&frame);
    ASSERT_TRUE(OpenAndLoad(first.Path()));
    ASSERT_TRUE(OpenAndLoad(second.Path()));
    EXPECT_EQ(frame.resets, 2);
    EXPECT_FALSE(frame.openWhenReset) << "the previous dataset is closed before the screens reset";
    EXPECT_EQ(frame.title, second.Path() + " - Tavrin");
    EXPECT_TRUE(database_.IsOpen());
    database_.SetObserver(nullptr);
}

TEST_F(DovaneDatabaseTest, LoadsTheTypeNames)
{
    TestDataset dataset;
    ASSERT_TRUE(OpenAndLoad(dataset.Path()));
    EXPECT_EQ(database_.TypeNames(), (std::vector<std::string>{"Alphanumeric", "Numeric", "Date/Time"}));
    EXPECT_EQ(database_.TypeName(TYPE_DATETIME), "Date/Time");
    EXPECT_EQ(database_.TypeName(4), "");
    EXPECT_FALSE(database_.writeRefused());
}

TEST_F(DovaneDatabaseTest, EachOpenAlternatesTheWriteTestMarker)
{
    TestDataset dataset;
    const char* expected[] = {"0", "1", "0"};
    for (const char* flag : expected) {
        ASSERT_TRUE(OpenAndLoad(dataset.Path()));
        database_.CloseDataset();
        EXPECT_EQ(Marker(dataset), (std::vector<std::vector<std::string>>{{flag}}));
    }
}

TEST_F(DovaneDatabaseTest, ADatasetWithoutColoursGetsTheTableOnce)
{
    TestDataset dataset;
    dataset.Exec("DROP TABLE Colors; CREATE TABLE Colors2(ID INTEGER PRIMARY KEY, NOTE TEXT)");
    ASSERT_TRUE(OpenAndLoad(dataset.Path()));
    EXPECT_FALSE(database_.writeRefused());
    EXPECT_TRUE(database_.HasTable("Colors"));
    EXPECT_TRUE(database_.HasTable("colors")) << "table names compare without case";
    EXPECT_TRUE(database_.HasTable("Colors2"));
    ASSERT_TRUE(OpenAndLoad(dataset.Path()));
    EXPECT_FALSE(database_.writeRefused()) << "the second open finds the table and does not create it";
    EXPECT_EQ(dataset.Count("Colors2"), 0);
    database_.CloseDataset();
    EXPECT_EQ(Marker(dataset), (std::vector<std::vector<std::string>>{{"1"}}));
}

TEST_F(DovaneDatabaseTest, AReadOnlyDatasetRefusesWritesAndStaysAsItWas)
{
    TestDataset readOnly({.parameters = {{"Size", TYPE_NUMERIC}}});
    TestDataset withoutColours;
    withoutColours.Exec("DROP TABLE Colors");
    TestDataset writable;
    for (const TestDataset* dataset : {&readOnly, &withoutColours}) {
        ASSERT_EQ(::chmod(dataset->Path().c_str(), 0444), 0);
        const std::string before = ReadWholeFile(dataset->Path());
        ScriptedMessages messages;
        ASSERT_TRUE(OpenAndLoad(dataset->Path()));
        EXPECT_TRUE(database_.IsOpen());
        EXPECT_TRUE(database_.writeRefused());
        EXPECT_TRUE(messages.Shown().empty()) << "the write test itself shows nothing";
        EXPECT_TRUE(database_.RefuseWriteIfReadOnly());
        EXPECT_FALSE(database_.SaveColor(COLOUR_OBJECT_PARAMETER, 1, RGB(1, 2, 3), RGB(4, 5, 6)));
        EXPECT_EQ(messages.Texts(), (std::vector<std::string>(2, kUpdateNotSupportedText)));
        database_.CloseDataset();
        EXPECT_EQ(ReadWholeFile(dataset->Path()), before);
        ::chmod(dataset->Path().c_str(), 0644);
    }
    ASSERT_TRUE(OpenAndLoad(writable.Path()));
    EXPECT_FALSE(database_.writeRefused()) << "the flag is cleared at each open";
    EXPECT_FALSE(database_.RefuseWriteIfReadOnly());
    EXPECT_TRUE(database_.SaveColor(COLOUR_OBJECT_PARAMETER, 1, RGB(1, 2, 3), RGB(4, 5, 6)));
}

TEST_F(DovaneDatabaseTest, SavesLoadsAndDeletesColours)
{
    TestDataset dataset;
    ASSERT_TRUE(OpenAndLoad(dataset.Path()));
    ASSERT_TRUE(database_.SaveColor(COLOUR_OBJECT_ITEM, 5, RGB(255, 0, 0), RGB(0, 0, 255)));
    ASSERT_TRUE(database_.SaveColor(COLOUR_OBJECT_ITEM, 5, RGB(0, 255, 0), RGB(0, 0, 255))) << "updates the row";
    ASSERT_TRUE(database_.SaveColor(COLOUR_OBJECT_ITEM, 6, RGB(1, 1, 1), RGB(2, 2, 2)));
    ASSERT_TRUE(database_.SaveColor(COLOUR_OBJECT_CELL, 5, RGB(9, 9, 9), RGB(8, 8, 8), 3, 7));
    ASSERT_TRUE(database_.SaveColor(COLOUR_OBJECT_CELL, 5, RGB(7, 7, 7), RGB(6, 6, 6), 4, 7));
    EXPECT_EQ(dataset.Count("Colors", "OBJECT_TYPE=2 AND OBJECT_ID=5"), 1);
    EXPECT_EQ(dataset.Rows("SELECT COLOR_FG, COLOR_BG, OBJECT_ID2, OBJECT_ID3 FROM Colors WHERE OBJECT_TYPE=4 ORDER BY ID"),
              (std::vector<std::vector<std::string>>{{"592137", "526344", "3", "7"}, {"460551", "394758", "4", "7"}}));

    std::vector<ListRecord> items{{5, RecordLoaded}, {6, RecordDeleted}, {0, RecordNew}, {7, RecordLoaded}};
    ColourListTarget target(items, &ListRecord::id, &ListRecord::text, &ListRecord::background, &ListRecord::flags,
                            &ListRecord::state);
    ASSERT_TRUE(database_.LoadColors(COLOUR_OBJECT_ITEM, 0, target));
    EXPECT_EQ(items[0].text, RGB(0, 255, 0));
    EXPECT_EQ(items[0].background, RGB(0, 0, 255));
    EXPECT_EQ(items[0].flags, static_cast<uint32_t>(COLOUR_STORED));
    EXPECT_EQ(items[1].flags, 0u) << "a deleted record gets nothing";
    EXPECT_EQ(items[3].flags, 0u) << "an object without colours keeps its defaults";

    struct CellTarget : IColourTarget {
        std::vector<StoredColour> cells;
        void ApplyStoredColour(const StoredColour& colour) override { cells.push_back(colour); }
    } cells;
    ASSERT_TRUE(database_.LoadColors(COLOUR_OBJECT_CELL, 7, cells));
    ASSERT_EQ(cells.cells.size(), 2u);
    EXPECT_EQ(cells.cells[1].objectId2, 4);
    CellTarget otherQuery;
    ASSERT_TRUE(database_.LoadColors(COLOUR_OBJECT_CELL, 8, otherQuery));
    EXPECT_TRUE(otherQuery.cells.empty());

    ASSERT_TRUE(database_.DeleteColors(COLOUR_OBJECT_ITEM, 5));
    EXPECT_EQ(dataset.Count("Colors", "OBJECT_TYPE=2"), 1);
}

TEST_F(DovaneDatabaseTest, TheMarkerRowNeverColoursAnUnsavedValue)
{
    TestDataset dataset;
    ASSERT_TRUE(OpenAndLoad(dataset.Path()));
    std::vector<ListRecord> values{{0, RecordNew}};
    ColourListTarget target(values, &ListRecord::id, &ListRecord::text, &ListRecord::background, &ListRecord::flags,
                            &ListRecord::state);
    ASSERT_TRUE(database_.LoadColors(COLOUR_OBJECT_VALUE, 0, target));
    EXPECT_EQ(values[0].background, 0xFFFFFFu);
    EXPECT_EQ(values[0].flags, 0u);
}

TEST_F(DovaneDatabaseTest, ColourWritesLeaveTheSharedRecordsetsAlone)
{
    TestDataset dataset({.parameters = {{"A", TYPE_NUMERIC}, {"B", TYPE_NUMERIC}, {"C", TYPE_NUMERIC}}});
    ASSERT_TRUE(OpenAndLoad(dataset.Path()));
    CDbConnection& connection = database_.Connection();
    ASSERT_TRUE(connection.Execute("SELECT * FROM [Property] ORDER BY PROPERTY_ID;", 0));
    CDbRecordset& parameters = connection.Recordset(0);
    std::vector<int> walked;
    for (; !parameters.IsEOF(); parameters.MoveNext()) {
        walked.push_back(parameters.GetValue("PROPERTY_ID").ToLong());
        ASSERT_TRUE(database_.SaveColor(COLOUR_OBJECT_PARAMETER, walked.back(), 1, 2));
    }
    EXPECT_EQ(walked, (std::vector<int>{1, 2, 3}));
}

TEST_F(DovaneDatabaseTest, CompactsOnlyFilesOfAMillionBytesOrMore)
{
    TestDataset small({.parameters = {{"Colour", TYPE_ALPHANUMERIC, 0, {"Red"}}}});
    AppendBytes(small.Path(), 999'999);
    const std::string smallBefore = ReadWholeFile(small.Path());
    database_.SetCurrentDatasetPath(small.Path());
    ScriptedMessages messages;
    EXPECT_FALSE(database_.CompactDataset());
    EXPECT_EQ(ReadWholeFile(small.Path()), smallBefore);
    EXPECT_FALSE(FileExists(small.Folder().Path("dataset.bak")));

    TestDataset large({.parameters = {{"Colour", TYPE_ALPHANUMERIC, 0, {"Red"}}}});
    AppendBytes(large.Path(), 1'000'000);
    const std::string largeBefore = ReadWholeFile(large.Path());
    const std::string stale = large.Folder().WriteFile("dataset.tmp", "left over from a crash");
    database_.SetCurrentDatasetPath(large.Path());
    EXPECT_TRUE(database_.CompactDataset());
    EXPECT_FALSE(FileExists(stale));
    EXPECT_EQ(ReadWholeFile(large.Folder().Path("dataset.bak")), largeBefore);
    const auto newSize = fs::file_size(large.Path());
    EXPECT_LT(newSize, 1'000'000u);
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"Database compacted from size 1000000 to " + std::to_string(newSize)}));
    EXPECT_EQ(large.Rows("SELECT VALUE_ANUM FROM [Values]"), (std::vector<std::vector<std::string>>{{"Red"}}));
}

TEST_F(DovaneDatabaseTest, CompactingTheOpenDatasetClosesItAndKeepsItsRows)
{
    TestDataset dataset({.parameters = {{"Colour", TYPE_ALPHANUMERIC, 0, {"Red", "Blue"}}}});
    dataset.Exec("INSERT INTO ItemSet (ITEM_NOTE) VALUES (hex(zeroblob(800000))); DELETE FROM ItemSet;");
    const auto oldSize = fs::file_size(dataset.Path());
    ASSERT_GE(oldSize, 1'000'000u);
    ASSERT_TRUE(OpenAndLoad(dataset.Path()));
    ScriptedMessages messages;
    EXPECT_TRUE(database_.CompactDataset());
    EXPECT_FALSE(database_.IsOpen());
    EXPECT_LT(fs::file_size(dataset.Path()), oldSize);
    EXPECT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(dataset.Count("Values"), 2);
    EXPECT_EQ(dataset.Count("Colors", "OBJECT_TYPE=1 AND OBJECT_ID=0"), 1) << "the write test of the open is kept";
    EXPECT_EQ(::access(dataset.Path().c_str(), W_OK), 0);
    ASSERT_TRUE(OpenAndLoad(dataset.Path()));
    EXPECT_FALSE(database_.writeRefused());
}

TEST_F(DovaneDatabaseTest, LeavesReadOnlyAndForeignFilesUncompacted)
{
    TestDataset readOnly;
    AppendBytes(readOnly.Path(), 1'200'000);
    ASSERT_EQ(::chmod(readOnly.Path().c_str(), 0444), 0);
    TempFolder folder;
    const std::string foreign = folder.WriteFile("movie.tvd", std::string(1'100'000, 'm'));
    ScriptedMessages messages;
    for (const std::string& path : {readOnly.Path(), foreign}) {
        const std::string before = ReadWholeFile(path);
        database_.SetCurrentDatasetPath(path);
        EXPECT_FALSE(database_.CompactDataset()) << path;
        EXPECT_EQ(ReadWholeFile(path), before) << path;
    }
    EXPECT_TRUE(messages.Shown().empty());
    database_.SetCurrentDatasetPath("");
    EXPECT_FALSE(database_.CompactDataset());
    ::chmod(readOnly.Path().c_str(), 0644);
}

TEST_F(DovaneDatabaseTest, FindsTheTemplateFolder)
{
    const char* forced = std::getenv("TAVRIN_TEMPLATE_DIR");
    const std::string saved = forced ? forced : "";
    ::setenv("TAVRIN_TEMPLATE_DIR", "/opt/forced", 1);
    EXPECT_EQ(CDovaneDatabase::ResolveTemplateDir(), "/opt/forced");

    ::unsetenv("TAVRIN_TEMPLATE_DIR");
    {
        QSettings settings("Brennick", "Tavrin");
        settings.remove("Settings/TEMPLATEDIR");
    }
    const std::string beside = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/tavrin/template").toStdString();
    EXPECT_EQ(CDovaneDatabase::ResolveTemplateDir(), beside);
    {
        QSettings settings("Brennick", "Tavrin");
        settings.setValue("Settings/TEMPLATEDIR", "/srv/templates");
    }
    EXPECT_EQ(CDovaneDatabase::ResolveTemplateDir(), "/srv/templates");
    database_.LoadTemplateDir();
    EXPECT_EQ(database_.templateDir(), "/srv/templates");
    {
        QSettings settings("Brennick", "Tavrin");
        settings.remove("Settings/TEMPLATEDIR");
    }
    if (forced)
        ::setenv("TAVRIN_TEMPLATE_DIR", saved.c_str(), 1);
}

TEST(GlobalDatabase, IsOneObjectForTheProcess)
{
    EXPECT_EQ(&TheDatabase(), &TheDatabase());
    EXPECT_FALSE(TheDatabase().IsOpen());
}
