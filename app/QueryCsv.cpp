// The headless query export: the run of the result screen without widgets, then the CSV text.
#include "app/QueryCsv.h"

#include "platform/MessageBox.h"
#include "query/DovaneView.h"
#include "query/QueryStore.h"
#include "store/DovaneDatabase.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>
#include <functional>

namespace {

// A message made for a box, on one line.
std::string OneLine(std::string text)
{
    for (char& c : text) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    return text;
}

// The first message a box would have shown, else the fallback.
std::string Reason(const ScriptedMessages& messages, const std::string& fallback)
{
    for (const ShownMessage& message : messages.Shown()) {
        if (!message.text.empty())
            return OneLine(message.text);
    }
    return OneLine(fallback);
}

void AppendLine(std::string& csv, const std::vector<std::string>& fields)
{
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            csv += ',';
        csv += CsvField(fields[i]);
    }
    csv += "\r\n";
}

// Closes the dataset when the export ends, whichever way.
struct DatasetGuard {
    ~DatasetGuard() { TheDatabase().CloseDataset(); }
};

}  // namespace

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string ResultListCsv(const CDovaneView& view)
{
    std::string csv;
    std::vector<std::string> fields;
    if (view.ParameterColumnCount() == 0 && view.IsEmpty()) {
        // Nothing met the query, so the list made no columns: the header still names them.
        fields.push_back(kLinksTitle);
        for (const std::string& name : view.Sql().ColumnNames())
            fields.push_back(name);
        fields.push_back(kItemTitle);
        AppendLine(csv, fields);
        return csv;
    }
    std::vector<int> order;
    for (int column : view.ColumnOrder()) {
        if (column > 0)
            order.push_back(column);
    }
    for (int column : order)
        fields.push_back(view.Column(column).title);
    AppendLine(csv, fields);
    for (int row = 0; row < view.RowCount(); ++row) {
        fields.clear();
        for (int column : order)
            fields.push_back(view.CellText(row, column));
        AppendLine(csv, fields);
    }
    return csv;
}

bool RunStoredQuery(const std::string& datasetPath, const std::string& queryName,
                    const std::function<bool(const CDovaneView&, std::string&)>& use, std::string& error)
{
    ScriptedMessages messages;  // every box of the run becomes at most the one line of error
    const QFileInfo dataset(QString::fromStdString(datasetPath));
    if (!dataset.isFile()) {
        error = "no dataset at " + datasetPath;
        return false;
    }

    CDovaneDatabase& database = TheDatabase();
    DatasetGuard guard;
    const std::string path = dataset.absoluteFilePath().toStdString();
    database.SetCurrentDatasetPath(path);
    if (!database.OpenDataset(path) || !database.IsOpen()) {
        error = "cannot open " + datasetPath + ": " + Reason(messages, database.Connection().lastError());
        return false;
    }
    database.RunFirstLoads();
    if (database.writeRefused()) {
        // A query run writes its result table into the dataset.
        error = "cannot run queries on " + datasetPath + ": " + kUpdateNotSupportedText;
        return false;
    }

    CDovaneQuery& queries = TheQueryStore();
    queries.Clear();
    queries.LoadQueries();
    int32_t queryId = -1;
    for (const tagQUERY& query : queries.Queries()) {
        if (!IsRemoved(query.state) && query.QUERY_NAME == queryName) {
            queryId = query.QUERY_ID;
            break;
        }
    }
    if (queryId < 0) {
        error = "no query named \"" + queryName + "\" in " + datasetPath;
        return false;
    }

    CDovaneView view(database);
    if (!view.RunQuery(queryId, true)) {
        error = "query \"" + queryName + "\" failed: " + Reason(messages, view.LastError());
        return false;
    }
    return use(view, error);
}

bool ExportQueryCsv(const std::string& datasetPath, const std::string& queryName,
                    const std::string& outputPath, std::string& error)
{
    const bool toStandardOutput = outputPath == "-";
    QSaveFile output(QString::fromStdString(outputPath));
    if (QFileInfo(QString::fromStdString(datasetPath)).isFile() && !toStandardOutput &&
        !output.open(QIODevice::WriteOnly)) {
        error = "cannot write " + outputPath + ": " + output.errorString().toStdString();
        return false;
    }
    return RunStoredQuery(datasetPath, queryName, [&](const CDovaneView& view, std::string& why) {
        const std::string csv = ResultListCsv(view);
        if (toStandardOutput) {
            if (std::fwrite(csv.data(), 1, csv.size(), stdout) != csv.size() || std::fflush(stdout) != 0) {
                why = "cannot write to standard output";
                return false;
            }
            return true;
        }
        if (output.write(csv.data(), qint64(csv.size())) != qint64(csv.size()) || !output.commit()) {
            why = "cannot write " + outputPath + ": " + output.errorString().toStdString();
            return false;
        }
        return true;
    }, error);
}
