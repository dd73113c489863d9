// The report of a stored query of the sample dataset, read back by pdftotext: the query name,
// every column title and every cell text the list shows, accented item names included.
#include "platform/MessageBox.h"
#include "query/DovaneView.h"
#include "query/QueryStore.h"
#include "reports/PDFExport.h"
#include "store/DovaneDatabase.h"
#include "tests/pdf/PdfFileChecks.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

class SampleReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string sample = qEnvironmentVariable("TAVRIN_TEMPLATE_DIR").toStdString() + "/sample.tvd";
        ASSERT_TRUE(FileExists(sample)) << sample;
        dataset_ = folder_.Path("sample.tvd");
        ASSERT_TRUE(QFile::copy(QString::fromStdString(sample), QString::fromStdString(dataset_)));
        TheDatabase().SetCurrentDatasetPath(dataset_);
        ASSERT_TRUE(TheDatabase().OpenDataset(dataset_));
        TheDatabase().RunFirstLoads();
        TheQueryStore().Clear();
        TheQueryStore().LoadQueries();
    }
    void TearDown() override { TheDatabase().CloseDataset(); }

    int32_t QueryNamed(const std::string& name)
    {
        for (const tagQUERY& query : TheQueryStore().Queries()) {
            if (query.QUERY_NAME == name)
                return query.QUERY_ID;
        }
        ADD_FAILURE() << "no query " << name;
        return -1;
    }

    ScriptedMessages messages_;
    TempFolder folder_;
    std::string dataset_;
};

TEST_F(SampleReportTest, PdftotextReadsBackTheQueryTheTitlesAndEveryCell)
{
    const std::string name = "Whole collection";
    CDovaneView view(TheDatabase());
    ASSERT_TRUE(view.RunQuery(QueryNamed(name), true)) << view.LastError();
    std::tm created {};
    created.tm_year = 126;
    created.tm_mday = 1;
    CPDFExport report(folder_.Path("sample.pdf"), &view, nullptr, kQueryReportTitle + name, "Ana Ruiz", 1, {}, true,
                      created);
    report.SetQueryName(name);
    ASSERT_TRUE(report.Build());
    ASSERT_FALSE(SaveAndCheck(*report.Document(), folder_, "sample.pdf").empty());

    const std::string text =
        RunTool("pdftotext", {"-enc", "UTF-8", QString::fromStdString(folder_.Path("sample.pdf")), "-"}).output;
    EXPECT_TRUE(Contains(text, name)) << text;
    EXPECT_TRUE(Contains(text, "Produced By: Ana Ruiz"));
    for (const char* accented : {"Pyrite, Navaj\xC3\xBAn", "Fluorite, M\xC3\xBCnstertal", "Aragonite, Molina de Arag\xC3\xB3n"})
        EXPECT_TRUE(Contains(text, accented)) << accented;
    ASSERT_GT(view.RowCount(), 20);
    int missing = 0;
    for (int column = 1; column < view.ColumnCount(); ++column) {
        EXPECT_TRUE(Contains(text, view.Column(column).title)) << view.Column(column).title;
        for (int row = 0; row < view.RowCount(); ++row) {
            const std::string cell = view.CellText(row, column);
            if (!Contains(text, cell) && ++missing <= 10)
                ADD_FAILURE() << "row " << row << " column " << column << ": " << cell;
        }
    }
    EXPECT_EQ(missing, 0);
}

}  // namespace
