#include "store/DbRecordset.h"

#include "store/DbConnection.h"
#include "store/JetSql.h"
#include "store/SqliteValues.h"

#include <sqlite3.h>

#include <QString>

#include <algorithm>
#include <charconv>
#include <cctype>

namespace {

// ---- Names -------------------------------------------------------------------------------------

std::string Folded(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .toCaseFolded()
        .toStdString();
}

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string QuotedName(const std::string& name)
{
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

// ---- Find criteria -------------------------------------------------------------------------------

struct Criteria {
    std::string field;
    std::string op;
    CFieldValue value;
    bool numeric = false;
};

std::string Trimmed(const std::string& text)
{
    const size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t\r\n") - begin + 1);
}

// 'O''Brien' -> O'Brien. An apostrophe that is not doubled is taken as part of the text when the
// literal only ends at the very end, so criteria made from unescaped names still work.
bool ParseTextLiteral(const std::string& literal, std::string& text)
{
    if (literal.size() < 2 || literal.front() != '\'' || literal.back() != '\'')
        return false;
    std::string strict;
    size_t i = 1;
    for (; i < literal.size(); ++i) {
        if (literal[i] != '\'') {
            strict += literal[i];
            continue;
        }
        if (i + 1 < literal.size() && literal[i + 1] == '\'') {
            strict += '\'';
            ++i;
            continue;
        }
        break;
    }
    text = i == literal.size() - 1 ? strict : literal.substr(1, literal.size() - 2);
    return true;
}

bool ParseCriteria(const std::string& source, Criteria& criteria, std::string& error)
{
    const std::string text = Trimmed(source);
    size_t i = 0;
    if (!text.empty() && text[0] == '[') {
        const size_t close = text.find(']');
        if (close == std::string::npos) {
            error = "Find: unterminated field name in \"" + source + "\"";
            return false;
        }
        criteria.field = text.substr(1, close - 1);
        i = close + 1;
    } else {
        while (i < text.size() &&
               (std::isalnum(static_cast<unsigned char>(text[i])) || text[i] == '_' || text[i] == '.' ||
                static_cast<unsigned char>(text[i]) >= 0x80))
            ++i;
        criteria.field = text.substr(0, i);
        const size_t dot = criteria.field.rfind('.');
        if (dot != std::string::npos)
            criteria.field = criteria.field.substr(dot + 1);
    }
    while (i < text.size() && text[i] == ' ')
        ++i;
    for (const char* op : {"<>", "<=", ">=", "=", "<", ">"}) {
        if (text.compare(i, std::char_traits<char>::length(op), op) == 0) {
            criteria.op = op;
            i += criteria.op.size();
            break;
        }
    }
    const std::string literal = Trimmed(text.substr(std::min(i, text.size())));
    if (criteria.field.empty() || criteria.op.empty() || literal.empty()) {
        error = "Find: the criteria \"" + source + "\" is not of the form FIELD=value";
        return false;
    }
    std::string value;
    double number = 0.0;
    if (literal.front() == '\'') {
        if (!ParseTextLiteral(literal, value)) {
            error = "Find: unterminated text in \"" + source + "\"";
            return false;
        }
        criteria.value = CFieldValue::Text(value);
    } else if (literal.front() == '#' && literal.size() > 2 && literal.back() == '#' &&
               ParseJetDateLiteral(literal.substr(1, literal.size() - 2), number)) {
        criteria.value = CFieldValue::Date(number);
        criteria.numeric = true;
    } else if (CFieldValue::Text(literal).ToNumber(number)) {
        criteria.value = CFieldValue::Double(number);
        criteria.numeric = true;
    } else {
        error = "Find: the value in \"" + source + "\" is neither a number, a 'text' nor a #date#";
        return false;
    }
    return true;
}

int Compare(const CFieldValue& field, const Criteria& criteria, bool& comparable)
{
    comparable = !field.IsEmptyOrNull();
    if (!comparable)
        return 0;
    if (criteria.numeric) {
        double number = 0.0;
        comparable = field.ToNumber(number);
        const double wanted = criteria.value.ToDouble();
        return number < wanted ? -1 : (number > wanted ? 1 : 0);
    }
    const int order = Folded(field.IsText() ? field.Bytes() : field.ToText())
                          .compare(Folded(criteria.value.Bytes()));
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

bool Meets(const CFieldValue& field, const Criteria& criteria)
{
    bool comparable = false;
    const int order = Compare(field, criteria, comparable);
    if (!comparable)
        return false;
    const std::string& op = criteria.op;
    return (op == "=" && order == 0) || (op == "<>" && order != 0) || (op == "<" && order < 0) ||
           (op == "<=" && order <= 0) || (op == ">" && order > 0) || (op == ">=" && order >= 0);
}

// A statement prepared for one call and finalized with the guard.
struct Statement {
    sqlite3_stmt* handle = nullptr;
    ~Statement() { sqlite3_finalize(handle); }
};

}  // namespace

// ---- CDbField ------------------------------------------------------------------------------------

bool CDbField::Exists() const { return index_ >= 0 && index_ < recordset_->FieldCount(); }
std::string CDbField::Name() const { return recordset_->FieldName(index_); }
VariantKind CDbField::Kind() const { return recordset_->FieldKind(index_); }
CFieldValue CDbField::Value() const { return recordset_->GetValue(index_); }
bool CDbField::SetValue(const CFieldValue& value) { return recordset_->SetValue(index_, value); }

// ---- CDbRecordset ---------------------------------------------------------------------------------

CDbRecordset::CDbRecordset(CDbConnection& connection) : connection_(connection) {}

CDbRecordset::~CDbRecordset() = default;

bool CDbRecordset::Fail(const std::string& message) const
{
    connection_.SetLastError(message);
    return false;
}

bool CDbRecordset::Open(const std::string& sql, RecordsetLock lock)
{
    Close();
    sqlite3* db = connection_.Handle();
    if (!db)
        return Fail("The dataset is not open.");
    const SelectShape shape = AnalyzeSelect(sql);
    bool withRowid = lock == LOCK_OPTIMISTIC && shape.singleTable && !connection_.IsReadOnly();
    if (withRowid) {
        table_ = shape.table;
        withRowid = ReadTableColumns();
    }
    Statement statement;
    const char* tail = nullptr;
    if (withRowid) {
        // The rowid rides along as a hidden first column so changes find their row.
        const std::string keyed = sql.substr(0, shape.columnListStart) + " _rowid_," +
                                  sql.substr(shape.columnListStart);
        if (sqlite3_prepare_v2(db, keyed.c_str(), -1, &statement.handle, &tail) != SQLITE_OK) {
            sqlite3_finalize(statement.handle);
            statement.handle = nullptr;
            withRowid = false;
        }
    }
    if (!withRowid && sqlite3_prepare_v2(db, sql.c_str(), -1, &statement.handle, &tail) != SQLITE_OK)
        return connection_.ReportEngineError();
    if (!statement.handle)
        return Fail("The statement is empty.");
    if (tail && !Trimmed(std::string(tail)).empty() && Trimmed(std::string(tail)) != ";")
        return Fail("Only one statement can be run at a time: \"" + Trimmed(tail) + "\"");
    if (sqlite3_column_count(statement.handle) == 0) {
        int result = SQLITE_ROW;
        while (result == SQLITE_ROW)
            result = sqlite3_step(statement.handle);
        return result == SQLITE_DONE || connection_.ReportEngineError();
    }
    if (!ReadRows(statement.handle, withRowid)) {
        rows_.clear();
        columns_.clear();
        return false;
    }
    updatable_ = withRowid;
    open_ = true;
    position_ = NextLive(-1, 1);
    return true;
}

bool CDbRecordset::ReadTableColumns()
{
    tableColumns_.clear();
    Statement statement;
    sqlite3* db = connection_.Handle();
    const char* typeQuery = "SELECT type FROM sqlite_schema WHERE name=?1 COLLATE NOCASE";
    if (sqlite3_prepare_v2(db, typeQuery, -1, &statement.handle, nullptr) != SQLITE_OK)
        return false;
    sqlite3_bind_text(statement.handle, 1, table_.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(statement.handle) != SQLITE_ROW ||
        std::string(reinterpret_cast<const char*>(sqlite3_column_text(statement.handle, 0))) != "table")
        return false;
    Statement columns;
    const std::string query = "SELECT * FROM " + QuotedName(table_) + " LIMIT 0";
    if (sqlite3_prepare_v2(db, query.c_str(), -1, &columns.handle, nullptr) != SQLITE_OK)
        return false;
    for (int i = 0; i < sqlite3_column_count(columns.handle); ++i)
        tableColumns_.emplace_back(sqlite3_column_name(columns.handle, i));
    return true;
}

bool CDbRecordset::ReadRows(sqlite3_stmt* statement, bool withRowid)
{
    const int first = withRowid ? 1 : 0;
    const int count = sqlite3_column_count(statement);
    for (int i = first; i < count; ++i) {
        Column column;
        column.name = sqlite3_column_name(statement, i);
        const char* declared = sqlite3_column_decltype(statement, i);
        if (declared) {
            column.kind = KindForDeclaredType(declared);
            column.textLimit = TextLimitOfDeclaredType(declared);
            // A column of the table itself (not an expression) can be written back.
            for (size_t j = 0; withRowid && j < tableColumns_.size(); ++j)
                if (SameName(tableColumns_[j], column.name))
                    column.tableColumn = static_cast<int>(j);
        }
        columns_.push_back(std::move(column));
    }
    int result = SQLITE_OK;
    while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
        Row row;
        row.values.reserve(columns_.size());
        if (withRowid)
            row.rowid = sqlite3_column_int64(statement, 0);
        for (int i = first; i < count; ++i)
            row.values.push_back(ReadColumnValue(statement, i, columns_[i - first].kind));
        rows_.push_back(std::move(row));
    }
    if (result != SQLITE_DONE)
        return connection_.ReportEngineError();
    liveCount_ = static_cast<long>(rows_.size());
    return true;
}

void CDbRecordset::Close()
{
    if (edit_ != Edit::None)
        CancelUpdate();
    open_ = false;
    updatable_ = false;
    table_.clear();
    tableColumns_.clear();
    columns_.clear();
    rows_.clear();
    position_ = 0;
    liveCount_ = 0;
    textIndexes_.clear();
    numberIndexes_.clear();
}

// ---- Position -------------------------------------------------------------------------------------

bool CDbRecordset::IsBOF() const { return !open_ || liveCount_ == 0 || position_ < 0; }

bool CDbRecordset::IsEOF() const
{
    return !open_ || liveCount_ == 0 || position_ >= static_cast<long>(rows_.size());
}

bool CDbRecordset::HasCurrentRow() const
{
    return !IsBOF() && !IsEOF() && !rows_[static_cast<size_t>(position_)].deleted;
}

long CDbRecordset::NextLive(long from, int step) const
{
    const long size = static_cast<long>(rows_.size());
    for (long i = from + step; i >= 0 && i < size; i += step)
        if (!rows_[static_cast<size_t>(i)].deleted)
            return i;
    return step > 0 ? size : -1;
}

bool CDbRecordset::FinishPendingEdit() { return edit_ == Edit::None || Update(); }

bool CDbRecordset::MoveFirst()
{
    if (!open_ || !FinishPendingEdit())
        return false;
    position_ = NextLive(-1, 1);
    return true;
}

bool CDbRecordset::MoveLast()
{
    if (!open_ || !FinishPendingEdit())
        return false;
    position_ = NextLive(static_cast<long>(rows_.size()), -1);
    return true;
}

bool CDbRecordset::MoveNext() { return Move(1); }
bool CDbRecordset::MovePrevious() { return Move(-1); }

bool CDbRecordset::Move(long rows)
{
    if (!open_ || !FinishPendingEdit())
        return false;
    if ((rows > 0 && IsEOF()) || (rows < 0 && IsBOF()))
        return Fail(rows > 0 ? "Either BOF or EOF is true: there is no row after the last."
                             : "Either BOF or EOF is true: there is no row before the first.");
    const int step = rows < 0 ? -1 : 1;
    for (long moved = 0; moved != rows; moved += step) {
        position_ = NextLive(position_, step);
        if (position_ < 0 || position_ >= static_cast<long>(rows_.size()))
            break;
    }
    return true;
}

// ---- Find ------------------------------------------------------------------------------------------

bool CDbRecordset::KeyOf(const CFieldValue& value, bool numeric, std::string& key)
{
    if (value.IsEmptyOrNull())
        return false;
    if (numeric) {
        double number = 0.0;
        if (!value.ToNumber(number))
            return false;
        if (number == 0.0)
            number = 0.0;  // -0 finds 0
        char buffer[32];
        key.assign(buffer, std::to_chars(buffer, buffer + sizeof buffer, number).ptr);
        return true;
    }
    key = Folded(value.IsText() ? value.Bytes() : value.ToText());
    return true;
}

CDbRecordset::KeyIndex& CDbRecordset::IndexFor(int column, bool numeric)
{
    auto& indexes = numeric ? numberIndexes_ : textIndexes_;
    auto found = indexes.find(column);
    if (found != indexes.end())
        return found->second;
    KeyIndex& index = indexes[column];
    std::string key;
    for (size_t row = 0; row < rows_.size(); ++row)
        if (KeyOf(rows_[row].values[static_cast<size_t>(column)], numeric, key))
            index.rows[key].push_back(row);
    return index;
}

void CDbRecordset::ReindexRow(size_t row, const std::vector<CFieldValue>& before)
{
    for (bool numeric : {false, true}) {
        for (auto& [column, index] : numeric ? numberIndexes_ : textIndexes_) {
            const CFieldValue& old = before.size() > static_cast<size_t>(column)
                                         ? before[static_cast<size_t>(column)]
                                         : CFieldValue();
            const CFieldValue& now = rows_[row].values[static_cast<size_t>(column)];
            if (old == now)
                continue;
            std::string key;
            if (KeyOf(old, numeric, key)) {
                auto& list = index.rows[key];
                list.erase(std::remove(list.begin(), list.end(), row), list.end());
            }
            if (KeyOf(now, numeric, key)) {
                auto& list = index.rows[key];
                list.insert(std::lower_bound(list.begin(), list.end(), row), row);
            }
        }
    }
}

bool CDbRecordset::Find(const std::string& criteriaText)
{
    if (!open_)
        return Fail("Find: the recordset is not open.");
    Criteria criteria;
    std::string error;
    if (!ParseCriteria(criteriaText, criteria, error))
        return Fail(error);
    const int column = FieldIndex(criteria.field);
    if (column < 0)
        return Fail("Find: no field named " + criteria.field);
    if (!FinishPendingEdit())
        return false;
    const long size = static_cast<long>(rows_.size());
    const long start = std::max(position_, 0L);
    position_ = size;
    if (criteria.op == "=") {
        std::string key;
        if (!KeyOf(criteria.value, criteria.numeric, key))
            return true;
        const KeyIndex& index = IndexFor(column, criteria.numeric);
        const auto found = index.rows.find(key);
        if (found == index.rows.end())
            return true;
        const auto& list = found->second;
        for (auto it = std::lower_bound(list.begin(), list.end(), static_cast<size_t>(start));
             it != list.end(); ++it) {
            if (!rows_[*it].deleted) {
                position_ = static_cast<long>(*it);
                break;
            }
        }
        return true;
    }
    for (long row = start; row < size; ++row) {
        const Row& candidate = rows_[static_cast<size_t>(row)];
        if (!candidate.deleted && Meets(candidate.values[static_cast<size_t>(column)], criteria)) {
            position_ = row;
            break;
        }
    }
    return true;
}

// ---- Fields ------------------------------------------------------------------------------------------

int CDbRecordset::FieldIndex(const std::string& name) const
{
    for (size_t i = 0; i < columns_.size(); ++i)
        if (SameName(columns_[i].name, name))
            return static_cast<int>(i);
    return -1;
}

std::string CDbRecordset::FieldName(int index) const
{
    return index >= 0 && index < FieldCount() ? columns_[static_cast<size_t>(index)].name : std::string();
}

VariantKind CDbRecordset::FieldKind(int index) const
{
    return index >= 0 && index < FieldCount() ? columns_[static_cast<size_t>(index)].kind : VT_EMPTY;
}

CFieldValue CDbRecordset::GetValue(int index) const
{
    if (index < 0 || index >= FieldCount()) {
        connection_.SetLastError("No field at position " + std::to_string(index));
        return {};
    }
    if (!HasCurrentRow())
        return {};
    return rows_[static_cast<size_t>(position_)].values[static_cast<size_t>(index)];
}

bool CDbRecordset::SetValue(int index, const CFieldValue& value)
{
    if (!SupportsUpdate())
        return Fail("The recordset does not support updating: the dataset is read-only or the "
                    "statement does not read one table.");
    if (index < 0 || index >= FieldCount())
        return Fail("No field at position " + std::to_string(index));
    if (!HasCurrentRow())
        return Fail("There is no current row to change.");
    const Column& column = columns_[static_cast<size_t>(index)];
    if (column.tableColumn < 0)
        return Fail("The field " + column.name + " is not a column of " + table_ + " and cannot be changed.");
    CFieldValue stored;
    std::string error;
    if (!CoerceToKind(value, column.kind, stored, error))
        return Fail(column.name + ": " + error);
    if (column.textLimit > 0 && stored.IsText() && Utf8CharacterCount(stored.Bytes()) > column.textLimit)
        return Fail("The text for " + column.name + " is longer than " +
                    std::to_string(column.textLimit) + " characters.");
    Row& row = rows_[static_cast<size_t>(position_)];
    if (edit_ == Edit::None) {
        edit_ = Edit::Changing;
        original_ = row.values;
        dirty_.assign(columns_.size(), false);
    }
    row.values[static_cast<size_t>(index)] = stored;
    dirty_[static_cast<size_t>(index)] = true;
    return true;
}

// ---- Changes ---------------------------------------------------------------------------------------

bool CDbRecordset::AddNew()
{
    if (!SupportsUpdate())
        return Fail("The recordset does not support adding rows: the dataset is read-only or the "
                    "statement does not read one table.");
    if (!FinishPendingEdit())
        return false;
    positionBeforeAdd_ = position_;
    rows_.push_back(Row{std::vector<CFieldValue>(columns_.size()), 0, false});
    position_ = static_cast<long>(rows_.size()) - 1;
    ++liveCount_;
    edit_ = Edit::Adding;
    original_.clear();
    dirty_.assign(columns_.size(), false);
    return true;
}

void CDbRecordset::CancelUpdate()
{
    if (edit_ == Edit::Adding) {
        rows_.pop_back();
        --liveCount_;
        position_ = std::min(positionBeforeAdd_, static_cast<long>(rows_.size()));
    } else if (edit_ == Edit::Changing && HasCurrentRow()) {
        rows_[static_cast<size_t>(position_)].values = original_;
    }
    edit_ = Edit::None;
    dirty_.clear();
    original_.clear();
}

bool CDbRecordset::WriteRow(Row& row)
{
    std::vector<size_t> changed;
    for (size_t i = 0; i < columns_.size(); ++i)
        if (dirty_[i] && columns_[i].tableColumn >= 0)
            changed.push_back(i);
    std::string sql;
    if (edit_ == Edit::Adding) {
        if (changed.empty()) {
            sql = "INSERT INTO " + QuotedName(table_) + " DEFAULT VALUES";
        } else {
            std::string names, marks;
            for (size_t i : changed) {
                names += (names.empty() ? "" : ", ") + QuotedName(tableColumns_[static_cast<size_t>(columns_[i].tableColumn)]);
                marks += marks.empty() ? "?" : ", ?";
            }
            sql = "INSERT INTO " + QuotedName(table_) + " (" + names + ") VALUES (" + marks + ")";
        }
    } else {
        if (changed.empty())
            return true;
        for (size_t i : changed)
            sql += (sql.empty() ? "" : ", ") + QuotedName(tableColumns_[static_cast<size_t>(columns_[i].tableColumn)]) + "=?";
        sql = "UPDATE " + QuotedName(table_) + " SET " + sql + " WHERE _rowid_=?";
    }
    sqlite3* db = connection_.Handle();
    Statement statement;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement.handle, nullptr) != SQLITE_OK)
        return connection_.ReportEngineError();
    int parameter = 1;
    for (size_t i : changed)
        BindFieldValue(statement.handle, parameter++, row.values[i]);
    if (edit_ == Edit::Changing)
        sqlite3_bind_int64(statement.handle, parameter, row.rowid);
    if (sqlite3_step(statement.handle) != SQLITE_DONE)
        return connection_.ReportEngineError();
    if (edit_ == Edit::Adding)
        row.rowid = sqlite3_last_insert_rowid(db);
    else if (sqlite3_changes(db) == 0)
        return Fail("The row to update is no longer in " + table_ + ".");
    return ReadRowBack(row);
}

// The row as the table now holds it: generated identifiers, defaults, converted values.
bool CDbRecordset::ReadRowBack(Row& row)
{
    Statement statement;
    const std::string sql = "SELECT * FROM " + QuotedName(table_) + " WHERE _rowid_=?";
    if (sqlite3_prepare_v2(connection_.Handle(), sql.c_str(), -1, &statement.handle, nullptr) != SQLITE_OK)
        return connection_.ReportEngineError();
    sqlite3_bind_int64(statement.handle, 1, row.rowid);
    const int result = sqlite3_step(statement.handle);
    if (result != SQLITE_ROW)
        return result == SQLITE_DONE ? Fail("The written row is no longer in " + table_ + ".")
                                     : connection_.ReportEngineError();
    for (size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].tableColumn >= 0)
            row.values[i] = ReadColumnValue(statement.handle, columns_[i].tableColumn, columns_[i].kind);
    return true;
}

bool CDbRecordset::Update()
{
    if (edit_ == Edit::None)
        return true;
    Row& row = rows_[static_cast<size_t>(position_)];
    const std::vector<CFieldValue> before = edit_ == Edit::Adding ? std::vector<CFieldValue>() : original_;
    if (!WriteRow(row)) {
        const std::string error = connection_.lastError();
        CancelUpdate();
        return Fail(error);
    }
    edit_ = Edit::None;
    dirty_.clear();
    original_.clear();
    ReindexRow(static_cast<size_t>(position_), before);
    return true;
}

bool CDbRecordset::Delete()
{
    if (!SupportsUpdate())
        return Fail("The recordset does not support deleting rows: the dataset is read-only or the "
                    "statement does not read one table.");
    if (edit_ == Edit::Adding) {
        CancelUpdate();
        return true;
    }
    if (edit_ == Edit::Changing)
        CancelUpdate();
    if (!HasCurrentRow())
        return Fail("There is no current row to delete.");
    Row& row = rows_[static_cast<size_t>(position_)];
    Statement statement;
    const std::string sql = "DELETE FROM " + QuotedName(table_) + " WHERE _rowid_=?";
    if (sqlite3_prepare_v2(connection_.Handle(), sql.c_str(), -1, &statement.handle, nullptr) != SQLITE_OK)
        return connection_.ReportEngineError();
    sqlite3_bind_int64(statement.handle, 1, row.rowid);
    if (sqlite3_step(statement.handle) != SQLITE_DONE)
        return connection_.ReportEngineError();
    row.deleted = true;
    --liveCount_;
    return true;
}
