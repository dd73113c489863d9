// The headless PDF export: the stored query's run, then the report built and saved.
#include "app/QueryPdf.h"

#include "app/QueryCsv.h"
#include "query/DovaneView.h"
#include "reports/PDFExport.h"
#include "reports/UserName.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Why the report cannot go to `path`, or empty when it can: the folder must exist and be
// writable, an existing file must be writable (a read-only one is not made writable without a
// user to ask).
std::string TargetProblem(const std::string& path)
{
    const QFileInfo target(QString::fromStdString(path));
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return "no folder " + folder.filePath().toStdString();
    if (target.exists() && (target.isDir() || !(target.permissions() & QFile::WriteOwner)))
        return kReadOnlyTargetText;
    if (!folder.isWritable())
        return "the folder cannot be written";
    return {};
}

}  // namespace

bool ExportQueryPdf(const std::string& datasetPath, const std::string& queryName,
                    const std::string& outputPath, std::string& error)
{
    if (QFileInfo(QString::fromStdString(datasetPath)).isFile()) {
        const std::string problem = TargetProblem(outputPath);
        if (!problem.empty()) {
            error = "cannot write " + outputPath + ": " + problem;
            return false;
        }
    }
    return RunStoredQuery(datasetPath, queryName, [&](const CDovaneView& view, std::string& why) {
        CPDFExport report(outputPath, &view, nullptr, kQueryReportTitle + queryName, CurrentUserName(), 1, {},
                          true, LocalTimeNow());
        report.SetQueryName(queryName);
        if (!report.Build()) {
            why = "query \"" + queryName + "\" has no items to report";
            return false;
        }
        if (!report.Document()->Save(outputPath.c_str())) {
            why = "cannot write " + outputPath + ": " + kPdfSaveFailedText;
            return false;
        }
        return true;
    }, error);
}
