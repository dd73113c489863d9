// A recordset of the dataset connection: the rows of one statement, read whole into memory when
// it opens (a keyset), with a current row that the caller moves, finds and reads. A SELECT over
// a single table opened with the updatable lock can also add, change and delete rows of that
// table; each change is written at once by rowid, and a written row is read back so generated
// identifiers and defaults show in it. No SQLite statement stays open between calls, so holding
// a recordset never blocks DDL, VACUUM or a transaction of someone else on the same handle.
//
// Moving, finding or adding while a row has unwritten changes writes them first. A deleted row
// stays in its place until the next move (the loop "delete, update, move next" visits every
// row), and finds and moves pass over it.
#pragma once

#include "store/FieldValue.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3_stmt;
class CDbConnection;
class CDbRecordset;

// The lock types a recordset is opened with.
enum RecordsetLock : int { LOCK_READONLY = 1, LOCK_OPTIMISTIC = 3 };

// One field of the current row, by position or by name. A light handle: it reads and writes
// through its recordset and is valid as long as the recordset is not closed.
class CDbField {
public:
    bool Exists() const;
    std::string Name() const;
    VariantKind Kind() const;   // the kind the column's declared type gives; VT_EMPTY: by value
    CFieldValue Value() const;  // empty when there is no current row or no such field
    bool SetValue(const CFieldValue& value);

private:
    friend class CDbRecordset;
    CDbField(CDbRecordset* recordset, int index) : recordset_(recordset), index_(index) {}
    CDbRecordset* recordset_;
    int index_;
};

class CDbRecordset {
public:
    explicit CDbRecordset(CDbConnection& connection);
    ~CDbRecordset();
    CDbRecordset(const CDbRecordset&) = delete;
    CDbRecordset& operator=(const CDbRecordset&) = delete;

    // ---- Opening and closing ---------------------------------------------------------------
    // Runs `sql` (already in SQLite's dialect) and holds the rows it returns, positioned on the
    // first row. A statement that returns no rows (DDL, DELETE, INSERT) runs and leaves the
    // recordset closed. On failure the connection's lastError says why.
    bool Open(const std::string& sql, RecordsetLock lock);
    // Unwritten changes of the current row are dropped.
    void Close();
    int State() const { return open_ ? 1 : 0; }  // 1 open, 0 closed
    bool IsOpen() const { return open_; }

    // ---- Position ------------------------------------------------------------------------
    // Both are true on an empty recordset.
    bool IsBOF() const;
    bool IsEOF() const;
    long RecordCount() const { return open_ ? liveCount_ : -1; }  // rows not deleted
    bool MoveFirst();
    bool MoveLast();
    bool MoveNext();
    bool MovePrevious();
    // `rows` rows from the current one (negative: backwards); past either end the recordset
    // is at EOF or BOF.
    bool Move(long rows);

    // Moves to the first row, from the current one forward, that meets a one-column criteria:
    // a field name (bracketed or not), one of = <> < <= > >=, and a number, a 'text' (an
    // apostrophe inside written twice; an unescaped one is tolerated) or a #date#. Texts
    // compare without regard to case. When no row meets it the recordset is at EOF. Returns
    // false for criteria it cannot read (lastError says why). Equality uses an index on the
    // column built at the first find, so repeated finds by a key cost no scan of the rows.
    bool Find(const std::string& criteria);

    // ---- Changes ---------------------------------------------------------------------------
    // Whether AddNew, field writes, Update and Delete are possible: a single-table SELECT
    // opened with the updatable lock on a dataset that can be written.
    bool SupportsUpdate() const { return open_ && updatable_; }
    // Appends an empty row and makes it current; Update inserts it.
    bool AddNew();
    // Writes the current row's changes (inserts a new row) and reads the row back. On failure
    // the row is as it was before the changes (a new row is dropped) and lastError says why.
    bool Update();
    // Drops the current row's unwritten changes; a new row is removed.
    void CancelUpdate();
    // Deletes the current row from the table (the dataset's relations cascade).
    bool Delete();
    bool IsEditing() const { return edit_ != Edit::None; }

    // ---- Fields ----------------------------------------------------------------------------
    int FieldCount() const { return static_cast<int>(columns_.size()); }
    int FieldIndex(const std::string& name) const;  // case-insensitive; -1 when none
    std::string FieldName(int index) const;
    VariantKind FieldKind(int index) const;
    CDbField Field(int index) { return CDbField(this, index); }
    CDbField Field(const std::string& name) { return CDbField(this, FieldIndex(name)); }
    // Empty when there is no current row or no such field.
    CFieldValue GetValue(int index) const;
    CFieldValue GetValue(const std::string& name) const { return GetValue(FieldIndex(name)); }
    // Changes a field of the current row; the value is converted to the column's kind (a
    // single rounds to float). False, with lastError, when the recordset is not updatable, the
    // field is not a column of the table, or the value does not fit the column.
    bool SetValue(int index, const CFieldValue& value);
    bool SetValue(const std::string& name, const CFieldValue& value)
    {
        return SetValue(FieldIndex(name), value);
    }

private:
    struct Column {
        std::string name;
        VariantKind kind = VT_EMPTY;
        int textLimit = 0;    // characters; 0 for none
        int tableColumn = -1; // position among the table's columns; -1 when not writable
    };
    struct Row {
        std::vector<CFieldValue> values;
        int64_t rowid = 0;
        bool deleted = false;
    };
    enum class Edit { None, Changing, Adding };
    // Row positions by the key of one column, for finds by equality; each list ascending.
    struct KeyIndex {
        std::unordered_map<std::string, std::vector<size_t>> rows;
    };

    bool Fail(const std::string& message) const;
    bool ReadTableColumns();
    bool ReadRows(sqlite3_stmt* statement, bool withRowid);
    bool HasCurrentRow() const;
    bool FinishPendingEdit();
    bool WriteRow(Row& row);
    bool ReadRowBack(Row& row);
    long NextLive(long from, int step) const;

    KeyIndex& IndexFor(int column, bool numeric);
    void ReindexRow(size_t row, const std::vector<CFieldValue>& before);
    static bool KeyOf(const CFieldValue& value, bool numeric, std::string& key);

    CDbConnection& connection_;
    bool open_ = false;
    bool updatable_ = false;
    std::string table_;
    std::vector<std::string> tableColumns_;
    std::vector<Column> columns_;
    std::vector<Row> rows_;
    long position_ = 0;  // -1 before the first row; rows_.size() after the last
    long liveCount_ = 0;
    Edit edit_ = Edit::None;
    long positionBeforeAdd_ = 0;
    std::vector<CFieldValue> original_;
    std::vector<bool> dirty_;
    std::unordered_map<int, KeyIndex> textIndexes_;
    std::unordered_map<int, KeyIndex> numberIndexes_;
};
