// A recordset of a store's own (never one of the connection's four shared ones, so a caller
// walking recordset 0 is not disturbed by a look-up), with the moves every store save makes:
// reading a statement, opening one for update, and opening one row by its key, so a save finds
// the rows it writes by an indexed key instead of reading whole tables.
#pragma once

#include "store/DbRecordset.h"

#include <cstdint>
#include <string>

class CDovaneDatabase;

// printf-style formatting of a statement or a criteria ("PROPERTY_ID=%d").
std::string SqlFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Shows the connection's last error as a save failure (a box without owner, empty caption).
void ShowSaveFailure(CDovaneDatabase& database);

class CStoreRecordset {
public:
    explicit CStoreRecordset(CDovaneDatabase& database);

    // Runs a statement read-only. False when it failed (the caller treats that as no rows).
    bool Read(const std::string& sql);
    // Runs a statement for update. When its rows cannot be written shows "Data update is not
    // supported. May be not enough rights."; a failed statement shows the engine's error.
    bool OpenForUpdate(const std::string& sql);
    // For update, the row of [table] whose `key` is `id` (at EOF when there is none); an id of
    // 0 opens no row, to add one to.
    bool OpenRow(const char* table, const char* key, int32_t id);

    // Whether the recordset is on a row.
    bool HasRow() const { return rows_.IsOpen() && !rows_.IsBOF() && !rows_.IsEOF(); }
    // Sets a field of the current row; false (with the error shown) when that failed.
    bool Set(const char* field, const CFieldValue& value);
    // Writes the current row; false (with the error shown) when that failed.
    bool Write();
    // The generated identifier of the row just written.
    int32_t Id(const char* key) const { return rows_.GetValue(key).ToLong(); }

    // Lets go of the rows held.
    void Close() { rows_.Close(); }

    CDbRecordset& operator*() { return rows_; }
    CDbRecordset* operator->() { return &rows_; }

private:
    CDovaneDatabase& database_;
    CDbRecordset rows_;
};
