// The headless PDF report of a stored query, run as a user scripts it: the real program on a
// copy of the sample dataset, without a display; the file checked by qpdf and read back by
// pdftotext and pdfinfo.
#include "app/CommandLine.h"
#include "tests/cli/RunTavrin.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <QFile>

#include <sys/stat.h>

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class QueryPdfTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string sample = qEnvironmentVariable("TAVRIN_TEMPLATE_DIR").toStdString() + "/sample.tvd";
        ASSERT_TRUE(FileExists(sample)) << sample;
        dataset_ = folder_.Path("sample.tvd");
        ASSERT_TRUE(QFile::copy(QString::fromStdString(sample), QString::fromStdString(dataset_)));
    }
    QString Dataset() const { return QString::fromStdString(dataset_); }
    QString Out(const std::string& name) const { return QString::fromStdString(folder_.Path(name)); }

    TempFolder folder_;
    std::string dataset_;
};

TEST_F(QueryPdfTest, TheReportOfAllItemsIsWrittenAndReadsBack)
{
    const RunResult run = RunTavrin({"--query", "Heavy ore minerals", "--pdf", Out("heavy.pdf"), Dataset()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
    const RunResult check = RunProgram("qpdf", {"--check", Out("heavy.pdf")});
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    EXPECT_FALSE(Has(check.out + check.err, "WARNING"));

    const std::string text = RunProgram("pdftotext", {"-enc", "UTF-8", Out("heavy.pdf"), "-"}).out;
    for (const char* part : {"Heavy ore minerals", "Permutation number: 1", "Produced By: ", "Links", "Class",
                             "Density", "Lustre", "Weight", "Item", "Native silver, Chihuahua", "(Calculation)"})
        EXPECT_TRUE(Has(text, part)) << part << "\n" << text;
    EXPECT_FALSE(Has(text, "Permutation name"));
    const std::string info = RunProgram("pdfinfo", {Out("heavy.pdf")}).out;
    EXPECT_TRUE(Has(info, "Tavrin report for Query Report - Heavy ore minerals")) << info;
    EXPECT_TRUE(Has(info, "Pages:") && Has(info.substr(info.find("Pages:")), " 1\n")) << info;
}

TEST_F(QueryPdfTest, FailuresGiveOneLineAndLeaveNoFile)
{
    const struct {
        const char* why;
        QStringList arguments;
        std::string output;
    } cases[] = {
        {"a missing dataset", {"--query", "Heavy ore minerals", "--pdf", Out("a.pdf"), Out("missing.tvd")}, "a.pdf"},
        {"an unknown query", {"--query", "heavy ore minerals", "--pdf", Out("b.pdf"), Dataset()}, "b.pdf"},
        {"a folder that does not exist", {"--query", "Heavy ore minerals", "--pdf", Out("no/c.pdf"), Dataset()},
         "no/c.pdf"},
    };
    for (const auto& c : cases) {
        const RunResult run = RunTavrin(c.arguments);
        EXPECT_EQ(run.exitCode, 1) << c.why << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.why << ": " << run.err;
        EXPECT_EQ(run.err.rfind("Tavrin: ", 0), 0u) << run.err;
        EXPECT_FALSE(FileExists(folder_.Path(c.output))) << c.why;
    }
}

TEST_F(QueryPdfTest, AReadOnlyReportIsLeftAlone)
{
    // Without a user to ask, a file marked read-only is not overwritten.
    const std::string path = folder_.WriteFile("kept.pdf", "kept");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    const RunResult run = RunTavrin({"--query", "Heavy ore minerals", "--pdf", Out("kept.pdf"), Dataset()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Has(run.err, "Selected file is Read Only.")) << run.err;
    EXPECT_EQ(ReadWholeFile(path), "kept");
}

TEST(QueryPdf, TheCommandTakesAQueryAnOutputAndADatasetButNoCheckedForm)
{
    const CommandLine full = ParseCommandLine({"--query", "Stock", "--pdf", "out.pdf", "/data/a.tvd"});
    EXPECT_EQ(full.action, CommandLine::Action::QueryPdf);
    EXPECT_EQ(full.queryName, "Stock");
    EXPECT_EQ(full.pdfPath, "out.pdf");
    EXPECT_EQ(full.datasetPath, "/data/a.tvd");
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"--query", "Stock", "--pdf", "out.pdf"},
             {"--pdf", "out.pdf", "/data/a.tvd"},
             {"--query", "Stock", "--pdf"},
             {"--query", "Stock", "--pdf", "out.pdf", "--csv", "-", "/data/a.tvd"},
             {"--query", "Stock", "--pdf", "out.pdf", "--checked", "/data/a.tvd"}}) {
        EXPECT_EQ(ParseCommandLine(arguments).action, CommandLine::Action::Invalid)
            << testing::PrintToString(arguments);
    }
    EXPECT_TRUE(Has(UsageText(), "--query NAME --pdf OUT.pdf DATASET.tvd"));
}

}  // namespace
