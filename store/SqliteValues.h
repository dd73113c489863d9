// Moving field values in and out of SQLite statements: how a stored value becomes a field of
// the column's declared kind, and how a field is bound as a statement parameter. Shared by the
// recordsets and by the prepared statements of the bulk paths, so both read and write alike.
#pragma once

#include "store/FieldValue.h"

struct sqlite3_stmt;

// The value of result column `column` of the current row, as a field of `kind` (VT_EMPTY: the
// storage class decides). A stored value the kind cannot hold (a text in a LONG column, a
// fraction in an integer column) keeps its own kind, so nothing read is lost.
CFieldValue ReadColumnValue(sqlite3_stmt* statement, int column, VariantKind kind);

// Binds `value` to parameter `index` (1-based). Empty and null bind NULL; a single binds its
// float-rounded value; currency binds the amount. Returns the SQLite result code.
int BindFieldValue(sqlite3_stmt* statement, int index, const CFieldValue& value);

// The SQLite type name is only advice: read the kind a column carries from its declared type.
VariantKind ColumnKind(sqlite3_stmt* statement, int column);
