// The connection to the open dataset: one SQLite database handle and four reusable recordsets
// (0 to 3; 2 is read-only, the others updatable), the text of the last error and the table list
// the schema upgrades test. Every statement is written in the Jet dialect and passes through the
// translator (JetSql.h) inside Execute.
//
// A dataset is named by a connection string that carries its path between double quotes; the
// path is taken back out of the string to open the file, so a path that itself holds a double
// quote gives an invalid string and the open fails with a message. A file that cannot be opened
// for writing (or whose permissions forbid writing) is opened read-only; its recordsets then do
// not support update. A file that is not an SQLite database, or has no Property table, is refused
// before anything is written. Foreign keys are enforced: the dataset's relations cascade.
#pragma once

#include "store/DbRecordset.h"
#include "store/FieldValue.h"

#include <array>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

struct sqlite3;

// Whether `path` may be opened for writing: the system allows it and its permissions do not
// forbid it (a file marked read-only is treated as such even for a user allowed to write it).
bool IsWritableFile(const std::string& path);

// One entry of the engine's error collection: its description and where it came from.
struct DbError {
    std::string description;
    std::string source;
};

// The last-error text of a failure: every description followed by a blank line, without the
// final two characters; when that is empty, "\nSource: <source>; Description: <description>"
// of the failure itself.
std::string BuildErrorText(const std::vector<DbError>& collection, const DbError& failure);

class CDbConnection {
public:
    static constexpr int kRecordsetCount = 4;
    static constexpr int kReadOnlyRecordset = 2;
    static constexpr int kDefaultCacheSize = 1000;

    CDbConnection();
    ~CDbConnection();
    CDbConnection(const CDbConnection&) = delete;
    CDbConnection& operator=(const CDbConnection&) = delete;

    // ---- Connection strings ----------------------------------------------------------------
    // "Provider=...;Data Source=\"<path>\";Persist Security Info=False;" for work and the same
    // without the last part for compaction; the path is inserted unchanged.
    static std::string MakeConnectionString(const std::string& path);
    static std::string MakeCompactConnectionString(const std::string& path);
    // The path between the quotes after "Data Source="; false when the string is not of that
    // form (a path with a double quote inside makes it so).
    static bool PathFromConnectionString(const std::string& connectionString, std::string& path);

    // ---- Opening and closing ---------------------------------------------------------------
    // Closes any open dataset, then opens the one the string names. On failure lastError is
    // set and shown in a message box with the caption "error1"; the result is false.
    bool Open(const std::string& connectionString);
    // Closes the recordsets and the handle; errors are kept in lastError, not raised.
    void Close();
    int State() const { return state_; }  // 1 open, 0 closed
    bool IsOpen() const { return state_ == 1; }
    bool IsReadOnly() const { return readOnly_; }
    const std::string& ConnectionString() const { return connectionString_; }
    const std::string& Path() const { return path_; }

    // ---- Statements --------------------------------------------------------------------------
    // Runs one statement into recordset `index` (0..3), which is closed first. `asTable` opens
    // the bracketed table name `sql` ("[Queries]") instead. False on failure, with lastError;
    // Execute shows nothing. Recordsets 0, 1 and 3 are opened with the updatable lock, 2 with
    // the read-only one.
    bool Execute(const std::string& sql, int index, bool asTable = false);
    // The same into a recordset of the caller's own (a store that must not disturb the four
    // shared ones), with the lock it chooses.
    bool ExecuteOn(CDbRecordset& recordset, const std::string& sql, RecordsetLock lock,
                   bool asTable = false);
    CDbRecordset& Recordset(int index);
    const std::string& LastStatement() const { return lastStatement_; }  // empty after a failure

    // The bracketed names of the dataset's tables, without separators ("[Colors][Combo]...").
    bool GetTableList(std::string& tables);

    // The text of a field value by its kind: "NULL" for empty and null, "%hd", "%d", "%e"
    // (period as decimal separator), the locale's currency amount and "%c" date, the text,
    // "TRUE"/"FALSE", "0x%02hX", and the kind's name for the others ("<Unknown>" outside them).
    static std::string VariantToText(const CFieldValue& value);

    // ---- State kept for the caller -----------------------------------------------------------
    const std::string& lastError() const { return lastError_; }
    void SetLastError(const std::string& text) { lastError_ = text; }
    void ClearLastError() { lastError_.clear(); }
    // "Exec time: hh:mm:ss", the duration of the last statement.
    const std::string& ExecTimeText() const { return execTimeText_; }
    int CacheSize() const { return cacheSize_; }
    void SetCacheSize(int rows);        // outside 1..999999: 1000
    int CommandTimeout() const { return commandTimeout_; }
    void SetCommandTimeout(int seconds);  // 0 = none; outside 0..99999: 0
    const std::string& DbmsName() const { return dbmsName_; }
    const std::string& DbmsVersion() const { return dbmsVersion_; }
    const std::string& ProviderName() const { return providerName_; }

    // ---- For prepared statements on the same handle (bulk paths, transactions) ------------
    sqlite3* Handle() const { return db_; }
    // Records the handle's current error (after a failed SQLite call) as lastError and returns
    // false, so callers can write `return connection.ReportEngineError();`.
    bool ReportEngineError();

private:
    friend class CDbRecordset;
    bool OpenFile(const std::string& path);
    bool CheckIsDataset(const std::string& path);
    void FailOpen();
    static int CheckCommandTimeout(void* connection);

    sqlite3* db_ = nullptr;
    int state_ = 0;
    bool readOnly_ = false;
    std::string connectionString_;
    std::string path_;
    std::array<std::unique_ptr<CDbRecordset>, kRecordsetCount> recordsets_;
    std::unique_ptr<CDbRecordset> invalidRecordset_;  // what Recordset() gives for a bad index
    std::string lastStatement_;
    std::string lastError_;
    std::string execTimeText_ = "Exec time: 00:00:00";
    int cacheSize_ = kDefaultCacheSize;
    int commandTimeout_ = 0;
    bool timeoutArmed_ = false;
    std::chrono::steady_clock::time_point deadline_{};
    std::string dbmsName_;
    std::string dbmsVersion_;
    std::string providerName_;
};
