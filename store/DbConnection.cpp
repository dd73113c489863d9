#include "store/DbConnection.h"

#include "platform/MessageBox.h"
#include "platform/WaitCursor.h"
#include "store/JetSql.h"

#include <sqlite3.h>

#include <QDate>
#include <QLocale>

#include <charconv>
#include <cstdio>
#include <ctime>
#include <exception>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kProviderPrefix = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";
constexpr const char* kWorkSuffix = ";Persist Security Info=False;";
constexpr const char* kEngineSource = "SQLite";
constexpr const char* kGeneralError = "IDS_GENERAL_ERROR";
constexpr const char* kTableListEmpty = "IDS_TABLE_LIST_EMPTY";
constexpr const char* kTablesUnavailable = "IDS_SCHEMA_TABLES_UNAVAILABLE";

std::string FormatExecTime(std::chrono::steady_clock::duration elapsed)
{
    const long long seconds = std::chrono::duration_cast<std::chrono::seconds>(elapsed).count();
    char text[64];
    std::snprintf(text, sizeof text, "Exec time: %02lld:%02lld:%02lld", seconds / 3600,
                  seconds / 60 % 60, seconds % 60);
    return text;
}

std::string ScientificText(double value)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 6);
    return std::string(buffer, result.ptr);
}

std::string LocaleDateTimeText(const AutomationDate& date)
{
    DateTimeParts parts;
    if (!date.ToParts(parts))
        return {};
    const QDate day(parts.year, parts.month, parts.day);
    std::tm calendar{};
    calendar.tm_year = parts.year - 1900;
    calendar.tm_mon = parts.month - 1;
    calendar.tm_mday = parts.day;
    calendar.tm_hour = parts.hour;
    calendar.tm_min = parts.minute;
    calendar.tm_sec = parts.second;
    calendar.tm_wday = day.dayOfWeek() % 7;
    calendar.tm_yday = day.dayOfYear() - 1;
    char text[128];
    const size_t length = std::strftime(text, sizeof text, "%c", &calendar);
    return std::string(text, length);
}

std::string CurrencyText(int64_t tenThousandths)
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<double>(tenThousandths) / 10000.0, 'f',
                           QLocale::FloatingPointShortest)
        .toStdString();
}

}  // namespace

bool IsWritableFile(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || (status.st_mode & 0222) == 0)
        return false;
    return ::access(path.c_str(), W_OK) == 0;
}

std::string BuildErrorText(const std::vector<DbError>& collection, const DbError& failure)
{
    std::string text;
    for (const DbError& error : collection)
        text += error.description + "\n\n";
    text.resize(text.size() >= 2 ? text.size() - 2 : 0);
    if (text.empty())
        text = "\nSource: " + failure.source + "; Description: " + failure.description;
    return text;
}

CDbConnection::CDbConnection()
{
    for (auto& recordset : recordsets_)
        recordset = std::make_unique<CDbRecordset>(*this);
    invalidRecordset_ = std::make_unique<CDbRecordset>(*this);
}

CDbConnection::~CDbConnection() { Close(); }

// ---- Connection strings ----------------------------------------------------------------------

std::string CDbConnection::MakeConnectionString(const std::string& path)
{
    return std::string(kProviderPrefix) + "\"" + path + "\"" + kWorkSuffix;
}

std::string CDbConnection::MakeCompactConnectionString(const std::string& path)
{
    return std::string(kProviderPrefix) + "\"" + path + "\";";
}

bool CDbConnection::PathFromConnectionString(const std::string& connectionString, std::string& path)
{
    const std::string prefix = std::string(kProviderPrefix) + "\"";
    if (connectionString.compare(0, prefix.size(), prefix) != 0)
        return false;
    const size_t close = connectionString.find('"', prefix.size());
    if (close == std::string::npos || close == prefix.size())
        return false;
    const std::string rest = connectionString.substr(close + 1);
    if (rest != ";" && rest != kWorkSuffix)
        return false;
    path = connectionString.substr(prefix.size(), close - prefix.size());
    return true;
}

// ---- Opening and closing ---------------------------------------------------------------------

bool CDbConnection::Open(const std::string& connectionString)
{
    Close();
    WaitCursor wait;
    const auto started = std::chrono::steady_clock::now();
    connectionString_ = connectionString;
    lastError_.clear();
    std::string path;
    if (!PathFromConnectionString(connectionString, path)) {
        lastError_ = BuildErrorText({{"The connection string is not valid: " + connectionString, kEngineSource}}, {});
        FailOpen();
        return false;
    }
    if (!OpenFile(path) || !CheckIsDataset(path)) {
        FailOpen();
        return false;
    }
    path_ = path;
    state_ = 1;
    dbmsName_ = kEngineSource;
    dbmsVersion_ = sqlite3_libversion();
    providerName_ = "sqlite3";
    execTimeText_ = FormatExecTime(std::chrono::steady_clock::now() - started);
    return true;
}

bool CDbConnection::OpenFile(const std::string& path)
{
    readOnly_ = !IsWritableFile(path);
    const int flags = readOnly_ ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        lastError_ = BuildErrorText({{message + ": " + path, kEngineSource}}, {});
        return false;
    }
    readOnly_ = readOnly_ || sqlite3_db_readonly(db_, "main") == 1;
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, 2000);
    sqlite3_progress_handler(db_, 1000, &CDbConnection::CheckCommandTimeout, this);
    if (sqlite3_exec(db_, "PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr) != SQLITE_OK)
        return ReportEngineError();
    return true;
}

// A dataset is an SQLite database with a Property table; anything else is refused before it
// is read further or written.
bool CDbConnection::CheckIsDataset(const std::string& path)
{
    sqlite3_stmt* statement = nullptr;
    const char* sql = "SELECT count(*) FROM sqlite_schema WHERE type='table' AND name='Property' COLLATE NOCASE";
    if (sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) != SQLITE_OK) {
        lastError_ = BuildErrorText({{std::string(sqlite3_errmsg(db_)) + ": " + path, kEngineSource}}, {});
        return false;
    }
    const bool stepped = sqlite3_step(statement) == SQLITE_ROW;
    const bool hasProperty = stepped && sqlite3_column_int(statement, 0) > 0;
    if (!stepped)
        lastError_ = BuildErrorText({{std::string(sqlite3_errmsg(db_)), kEngineSource}}, {});
    sqlite3_finalize(statement);
    if (stepped && !hasProperty)
        lastError_ = "The file " + path + " is not a Tavrin dataset: it has no Property table.";
    return hasProperty;
}

void CDbConnection::FailOpen()
{
    sqlite3_close_v2(db_);
    db_ = nullptr;
    state_ = 0;
    readOnly_ = false;
    MessageBox(lastError_, "error1");
}

void CDbConnection::Close()
{
    WaitCursor wait;
    state_ = 0;
    for (auto& recordset : recordsets_)
        recordset->Close();
    if (db_ && sqlite3_close_v2(db_) != SQLITE_OK)
        lastError_ = BuildErrorText({{sqlite3_errmsg(db_), kEngineSource}}, {});
    db_ = nullptr;
    readOnly_ = false;
    path_.clear();
}

// ---- Statements ----------------------------------------------------------------------------------

CDbRecordset& CDbConnection::Recordset(int index)
{
    if (index < 0 || index >= kRecordsetCount)
        return *invalidRecordset_;
    return *recordsets_[static_cast<size_t>(index)];
}

bool CDbConnection::Execute(const std::string& sql, int index, bool asTable)
{
    if (index < 0 || index >= kRecordsetCount) {
        lastError_ = "There is no recordset " + std::to_string(index) + ".";
        lastStatement_.clear();
        return false;
    }
    return ExecuteOn(Recordset(index), sql,
                     index == kReadOnlyRecordset ? LOCK_READONLY : LOCK_OPTIMISTIC, asTable);
}

bool CDbConnection::ExecuteOn(CDbRecordset& recordset, const std::string& sql, RecordsetLock lock,
                              bool asTable)
{
    recordset.Close();
    lastStatement_ = sql;
    const auto started = std::chrono::steady_clock::now();
    bool executed = false;
    try {
        std::string translated, error;
        if (!IsOpen())
            lastError_ = "No dataset is open.";
        else if (!TranslateJetSql(asTable ? "SELECT * FROM " + sql : sql, translated, error))
            lastError_ = error;
        else {
            timeoutArmed_ = commandTimeout_ > 0;
            deadline_ = started + std::chrono::seconds(commandTimeout_);
            executed = recordset.Open(translated, lock);
        }
    } catch (const std::exception&) {
        lastError_ = kGeneralError;
        executed = false;
    }
    timeoutArmed_ = false;
    execTimeText_ = FormatExecTime(std::chrono::steady_clock::now() - started);
    if (!executed)
        lastStatement_.clear();
    return executed;
}

int CDbConnection::CheckCommandTimeout(void* connection)
{
    const auto* self = static_cast<const CDbConnection*>(connection);
    return self->timeoutArmed_ && std::chrono::steady_clock::now() > self->deadline_ ? 1 : 0;
}

bool CDbConnection::ReportEngineError()
{
    const std::string message = db_ ? sqlite3_errmsg(db_) : "No dataset is open.";
    lastError_ = BuildErrorText({{message, kEngineSource}}, {message, kEngineSource});
    return false;
}

bool CDbConnection::GetTableList(std::string& tables)
{
    tables.clear();
    sqlite3_stmt* statement = nullptr;
    const char* sql = "SELECT name FROM sqlite_schema WHERE type='table' AND name NOT LIKE 'sqlite\\_%' "
                      "ESCAPE '\\' ORDER BY name COLLATE NOCASE";
    if (!db_ || sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) != SQLITE_OK) {
        lastError_ = db_ ? BuildErrorText({{sqlite3_errmsg(db_), kEngineSource}}, {}) : kTablesUnavailable;
        return false;
    }
    int result = SQLITE_OK;
    while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
        tables += '[';
        tables += reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        tables += ']';
    }
    sqlite3_finalize(statement);
    if (result != SQLITE_DONE) {
        lastError_ = kTablesUnavailable;
        return false;
    }
    if (tables.empty()) {
        lastError_ = kTableListEmpty;
        return false;
    }
    return true;
}

std::string CDbConnection::VariantToText(const CFieldValue& value)
{
    char text[64];
    switch (value.Kind()) {
    case VT_EMPTY: case VT_NULL:
        return "NULL";
    case VT_I2:
        std::snprintf(text, sizeof text, "%hd", static_cast<short>(value.ToLong()));
        return text;
    case VT_I4:
        std::snprintf(text, sizeof text, "%d", value.ToLong());
        return text;
    case VT_R4: case VT_R8:
        return ScientificText(value.ToDouble());
    case VT_CY:
        return CurrencyText(value.CurrencyValue());
    case VT_DATE:
        return LocaleDateTimeText(value.ToDate());
    case VT_BSTR:
        return value.Bytes();
    case VT_BOOL:
        return value.ToBool() ? "TRUE" : "FALSE";
    case VT_UI1:
        std::snprintf(text, sizeof text, "0x%02hX", static_cast<unsigned short>(value.ToLong()));
        return text;
    default: {
        const std::string name = VariantKindName(value.Kind());
        return name.empty() ? "<Unknown>" : name;
    }
    }
}

void CDbConnection::SetCacheSize(int rows)
{
    cacheSize_ = rows >= 1 && rows <= 999999 ? rows : kDefaultCacheSize;
}

void CDbConnection::SetCommandTimeout(int seconds)
{
    commandTimeout_ = seconds >= 0 && seconds <= 99999 ? seconds : 0;
}
