// The headless CSV export of a stored query, run as a user scripts it: the real program on a
// copy of the sample dataset, without a display. What each query must give is worked out
// here from the dataset's own tables, not from the result table the program builds.
#include "app/CommandLine.h"
#include "app/QueryCsv.h"
#include "store/Formats.h"
#include "tests/cli/RunTavrin.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <QFile>

#include <sqlite3.h>

namespace {

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends with CRLF";
    return lines;
}

// One number read from the sample dataset directly.
double Number(const std::string& path, const std::string& sql)
{
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    double value = 0.0;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        value = sqlite3_column_double(statement, 0);
    else
        ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db);
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return value;
}

// The number an item carries for parameter `p` (NULL when none), as SQL over the item tables.
std::string NumberOf(int p)
{
    return "(SELECT v.VALUE_NUMBER FROM ItemValues iv JOIN [Values] v ON v.VALUE_ID = iv.VALUE_ID "
           "WHERE iv.ITEM_ID = i.ITEM_ID AND v.PROPERTY_ID = " + std::to_string(p) + ")";
}
std::string ChoiceOf(int p)
{
    return "(SELECT v.VALUE_ID FROM ItemValues iv JOIN [Values] v ON v.VALUE_ID = iv.VALUE_ID "
           "WHERE iv.ITEM_ID = i.ITEM_ID AND v.PROPERTY_ID = " + std::to_string(p) + ")";
}
std::string DateOf(int p)
{
    return "(SELECT v.VALUE_DATE FROM ItemValues iv JOIN [Values] v ON v.VALUE_ID = iv.VALUE_ID "
           "WHERE iv.ITEM_ID = i.ITEM_ID AND v.PROPERTY_ID = " + std::to_string(p) + ")";
}

class QueryCsvTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string sample = qEnvironmentVariable("TAVRIN_TEMPLATE_DIR").toStdString() + "/sample.tvd";
        ASSERT_TRUE(FileExists(sample)) << sample;
        dataset_ = folder_.Path("sample.tvd");
        ASSERT_TRUE(QFile::copy(QString::fromStdString(sample), QString::fromStdString(dataset_)));
        pristine_ = folder_.Path("pristine.tvd");
        ASSERT_TRUE(QFile::copy(QString::fromStdString(sample), QString::fromStdString(pristine_)));
    }
    TempFolder folder_;
    std::string dataset_;
    std::string pristine_;
};

TEST_F(QueryCsvTest, EachStoredQueryOfTheSampleIsPrinted)
{
    // Parameters of the sample: 1 Class, 2 Colour, 3 Lustre, 4 Country, 5 Hardness, 6 Density,
    // 7 Weight, 8 Price, 9 Acquired. Columns come in sort-key order.
    const std::string from = " FROM ItemSet i WHERE ";
    const double end2014 = Number(pristine_, "SELECT julianday('2014-12-31') - 2415018.5");
    const double start2020 = Number(pristine_, "SELECT julianday('2020-01-01') - 2415018.5");
    const std::string bought = DateOf(9) + " > " + std::to_string(end2014) + " AND " + DateOf(9) +
                               " < " + std::to_string(start2020);
    const std::string heavy = ChoiceOf(1) + " IN (101, 102, 103) AND " + NumberOf(6) + " >= 4.5";
    const std::string hard = ChoiceOf(2) + " NOT IN (121, 122) AND " + NumberOf(5) + " >= 7";
    const struct {
        std::string query;
        std::string header;
        std::string where;        // the items that meet the query
        int footerColumn;         // a footer field of the last line (0-based, Links = 0)
        std::string aggregate;    // what it aggregates over those items
        std::string formula;
        int precision;
    } cases[] = {
        {"Whole collection", "Links,Class,Colour,Lustre,Hardness,Density,Weight,Price,Country,Acquired,Item",
         "1", 7, "SUM(" + NumberOf(8) + ")", "Sum", 2},
        {"Heavy ore minerals", "Links,Class,Density,Lustre,Weight,Item", heavy, 2,
         "AVG(" + NumberOf(6) + ")", "Average", 2},
        {"Hard coloured stones", "Links,Hardness,Price,Colour,Country,Weight,Item", hard, 2,
         "AVG(" + NumberOf(8) + ")", "Average", 2},
        {"Bought 2015 to 2019", "Links,Acquired,Price,Class,Country,Item", bought, 2,
         "SUM(" + NumberOf(8) + ")", "Sum", 2},
    };
    for (const auto& c : cases) {
        const RunResult run = RunTavrin({"--query", QString::fromStdString(c.query), "--csv", "-",
                                         QString::fromStdString(dataset_)});
        ASSERT_EQ(run.exitCode, 0) << c.query << ": " << run.err;
        const std::vector<std::string> lines = SplitLines(run.out);
        ASSERT_GE(lines.size(), 2u) << c.query;
        EXPECT_EQ(lines.front(), c.header) << c.query;
        const int items = int(Number(pristine_, "SELECT COUNT(*)" + from + c.where));
        EXPECT_GT(items, 0) << c.query;
        // Header, one line per item, the footer line.
        EXPECT_EQ(int(lines.size()), items + 2) << c.query;
        const std::string footer = lines.back();
        EXPECT_EQ(footer.substr(footer.rfind(',') + 1), "(Calculation)") << c.query;
        const double value = Number(pristine_, "SELECT " + c.aggregate + from + c.where);
        const std::string expected = c.formula + ":" + FormatNumber(value, c.precision);
        std::vector<std::string> fields;
        for (size_t start = 0, end; start <= footer.size(); start = end + 1) {
            end = footer.find(',', start);
            end = end == std::string::npos ? footer.size() : end;
            fields.push_back(footer.substr(start, end - start));
        }
        ASSERT_GT(int(fields.size()), c.footerColumn) << footer;
        EXPECT_EQ(fields[size_t(c.footerColumn)], expected) << c.query << ": " << footer;
    }
}

TEST_F(QueryCsvTest, AFileGetsTheSameTextAsStandardOutput)
{
    const std::string out = folder_.Path("heavy.csv");
    const RunResult toFile = RunTavrin({"--query", "Heavy ore minerals", "--csv", QString::fromStdString(out),
                                        QString::fromStdString(dataset_)});
    ASSERT_EQ(toFile.exitCode, 0) << toFile.err;
    const RunResult toStdout = RunTavrin({"--query", "Heavy ore minerals", "--csv", "-",
                                          QString::fromStdString(dataset_)});
    EXPECT_EQ(ReadWholeFile(out), toStdout.out);
    // Identifiers with a comma are quoted.
    EXPECT_NE(toStdout.out.find(",\"Native silver, Chihuahua\"\r\n"), std::string::npos);
}

TEST_F(QueryCsvTest, FailuresGiveOneLineAndNoOutputFile)
{
    const std::string out = folder_.Path("out.csv");
    const std::string readOnly = folder_.Path("readonly.tvd");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(pristine_), QString::fromStdString(readOnly)));
    ASSERT_TRUE(QFile::setPermissions(QString::fromStdString(readOnly), QFile::ReadOwner | QFile::ReadGroup));
    const struct {
        const char* why;
        QStringList arguments;
    } cases[] = {
        {"a missing dataset", {"--query", "Heavy ore minerals", "--csv", QString::fromStdString(out),
                               QString::fromStdString(folder_.Path("missing.tvd"))}},
        {"an unknown query (names are exact)", {"--query", "heavy ore minerals", "--csv",
                                                QString::fromStdString(out), QString::fromStdString(dataset_)}},
        {"a file that is no dataset", {"--query", "Heavy ore minerals", "--csv", QString::fromStdString(out),
                                       QString::fromStdString(folder_.WriteFile("junk.tvd", "junk"))}},
        {"a dataset that cannot be written", {"--query", "Heavy ore minerals", "--csv",
                                              QString::fromStdString(out), QString::fromStdString(readOnly)}},
    };
    for (const auto& c : cases) {
        const RunResult run = RunTavrin(c.arguments);
        EXPECT_NE(run.exitCode, 0) << c.why;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.why << ": " << run.err;
        EXPECT_EQ(run.err.rfind("Tavrin: ", 0), 0u) << run.err;
        EXPECT_FALSE(FileExists(out)) << c.why;
    }
    const RunResult unwritable = RunTavrin({"--query", "Heavy ore minerals", "--csv",
                                            QString::fromStdString(folder_.Path("no/such/folder/x.csv")),
                                            QString::fromStdString(dataset_)});
    EXPECT_NE(unwritable.exitCode, 0);
    EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos) << unwritable.err;
}

TEST(QueryCsv, FieldsAreQuotedOnlyWhenTheyMustBe)
{
    const struct {
        const char* text;
        const char* field;
    } cases[] = {
        {"plain", "plain"},
        {"a, b", "\"a, b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CsvField(c.text), c.field) << c.text;
}

}  // namespace

namespace {

TEST(QueryCsv, TheCommandNeedsAQueryAnOutputAndADataset)
{
    const CommandLine full = ParseCommandLine({"--query", "Stock", "--csv", "-", "/data/a.tvd"});
    EXPECT_EQ(full.action, CommandLine::Action::QueryCsv);
    EXPECT_EQ(full.queryName, "Stock");
    EXPECT_EQ(full.csvPath, "-");
    EXPECT_EQ(full.datasetPath, "/data/a.tvd");
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"--query", "Stock", "/data/a.tvd"},
             {"--csv", "out.csv", "/data/a.tvd"},
             {"--query", "Stock", "--csv", "out.csv"},
             {"--query"}}) {
        EXPECT_EQ(ParseCommandLine(arguments).action, CommandLine::Action::Invalid)
            << testing::PrintToString(arguments);
    }
}

}  // namespace
