// The file steps of "Save report as PDF": the report title of each form, the read-only target,
// a file that cannot be written, and a list that gives no report.
#include "reports/UserName.h"
#include "tests/reports/ExportFixture.h"

#include <gtest/gtest.h>

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

PdfReportRequest Request(const std::string& path, bool allItems)
{
    return {.path = path, .queryName = "Stock", .permutationNumber = 1, .permutationName = {},
            .allItems = allItems};
}

TEST_F(ExportTest, EachFormIsTitledForWhatItHolds)
{
    Run(QueryId());
    View().SetChecked(0, true);
    const struct {
        bool allItems;
        const char* title;
    } cases[] = {
        {true, "Tavrin report for Query Report - Stock"},
        {false, "Tavrin report for Item Report"},
    };
    for (const auto& c : cases) {
        const std::string path = Folder().Path(c.allItems ? "all.pdf" : "checked.pdf");
        EXPECT_EQ(SaveReportAsPdf(Request(path, c.allItems), &View(), nullptr, Created()), PdfSaveResult::Saved);
        const std::string info = RunTool("pdfinfo", {QString::fromStdString(path)}).output;
        EXPECT_TRUE(Contains(info, c.title)) << info;
        EXPECT_TRUE(Contains(ObjectText(ReadWholeFile(path), 2), "/Creator (" + CurrentUserName() + ")"));
        EXPECT_TRUE(Contains(PageText(path), "Produced By: " + CurrentUserName()));
    }
    EXPECT_TRUE(Messages().Shown().empty());
}

TEST_F(ExportTest, AReadOnlyTargetIsOverwrittenOnceItCanBeWrittenAgain)
{
    Run(QueryId());
    const std::string path = Folder().WriteFile("old.pdf", "old report");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(SaveReportAsPdf(Request(path, true), &View(), nullptr, Created()), PdfSaveResult::Saved);
    EXPECT_EQ(ReadWholeFile(path).rfind("%PDF-", 0), 0u);
    EXPECT_TRUE(Messages().Shown().empty());
    const ToolRun check = RunTool("qpdf", {"--check", QString::fromStdString(path)});
    EXPECT_EQ(check.exitCode, 0) << check.output;
}

TEST_F(ExportTest, AReadOnlyTargetThatCannotBeMadeWritableIsRefused)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser can make every file writable";
    // A system file: not ours, so its permissions cannot be changed (nor may it be written).
    const std::string path = "/etc/passwd";
    const std::string before = ReadWholeFile(path);
    Run(QueryId());
    EXPECT_EQ(SaveReportAsPdf(Request(path, true), &View(), nullptr, Created()), PdfSaveResult::ReadOnlyTarget);
    EXPECT_EQ(Messages().Texts(), std::vector<std::string>{"Selected file is Read Only."});
    EXPECT_EQ(ReadWholeFile(path), before);
}

TEST_F(ExportTest, AFileThatCannotBeWrittenIsReportedAndNothingIsLeft)
{
    Run(QueryId());
    const std::string path = Folder().Path("missing/report.pdf");
    EXPECT_EQ(SaveReportAsPdf(Request(path, true), &View(), nullptr, Created()), PdfSaveResult::SaveFailed);
    EXPECT_EQ(Messages().Texts(), std::vector<std::string>{"Failed to save PDF file."});
    EXPECT_FALSE(FileExists(path));
}

TEST_F(ExportTest, AListWithoutColumnsEndsTheCommandSilentlyAndWritesNothing)
{
    const std::string path = Folder().Path("empty.pdf");
    EXPECT_EQ(SaveReportAsPdf(Request(path, true), &View(), nullptr, Created()), PdfSaveResult::NotBuilt);
    EXPECT_TRUE(Messages().Shown().empty());
    EXPECT_FALSE(FileExists(path));
}

TEST(PdfTarget, OnlyAFileWithoutWritePermissionIsChanged)
{
    TempFolder folder;
    const std::string writable = folder.WriteFile("w.pdf", "x");
    ASSERT_EQ(chmod(writable.c_str(), 0640), 0);
    EXPECT_TRUE(MakeTargetWritable(writable));
    struct stat status {};
    ASSERT_EQ(stat(writable.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u) << "a writable file keeps its permissions";

    const std::string readOnly = folder.WriteFile("r.pdf", "x");
    ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
    EXPECT_TRUE(MakeTargetWritable(readOnly));
    ASSERT_EQ(stat(readOnly.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u) << "only the owner's write permission is added";

    EXPECT_TRUE(MakeTargetWritable(folder.Path("new.pdf"))) << "a new file needs nothing";
}

}  // namespace
