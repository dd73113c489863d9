// A prepared statement on the connection's handle, for paths that run one statement many times
// (filling the result table, bulk inserts): prepared once, then bound, stepped and reset per
// row. Values go in and come out as the recordsets convert them, so a bulk writer and a
// recordset agree on kinds (a SINGLE column rounds to float, a BIT column reads as a boolean).
// Run the rows inside a CDbTransaction: each statement outside one is its own transaction.
#pragma once

#include "store/FieldValue.h"

#include <string>

struct sqlite3_stmt;
class CDbConnection;

class CDbStatement {
public:
    // `sql` is in the Jet dialect and is translated first unless `translate` is false. Check
    // IsValid(); on failure the connection's lastError says why.
    CDbStatement(CDbConnection& connection, const std::string& sql, bool translate = true);
    ~CDbStatement();
    CDbStatement(const CDbStatement&) = delete;
    CDbStatement& operator=(const CDbStatement&) = delete;

    bool IsValid() const { return statement_ != nullptr; }

    // Parameters are numbered from 1; a value is converted to `kind` first when it is given
    // (the kind of the column it is written to).
    bool Bind(int index, const CFieldValue& value, VariantKind kind = VT_EMPTY);
    enum class Step { Row, Done, Error };
    Step Next();
    // Runs the statement to its end and resets it for the next bindings.
    bool Run();
    bool Reset();  // keeps the bindings

    // ---- The current row (after Next() gave Row) ----------------------------------------
    int ColumnCount() const;
    std::string ColumnName(int column) const;
    CFieldValue Column(int column) const;  // of the kind the column's declared type gives

    sqlite3_stmt* Handle() const { return statement_; }

private:
    CDbConnection& connection_;
    sqlite3_stmt* statement_ = nullptr;
};
