#include "store/DbStatement.h"

#include "store/DbConnection.h"
#include "store/JetSql.h"
#include "store/SqliteValues.h"

#include <sqlite3.h>

CDbStatement::CDbStatement(CDbConnection& connection, const std::string& sql, bool translate)
    : connection_(connection)
{
    if (!connection_.Handle()) {
        connection_.SetLastError("No dataset is open.");
        return;
    }
    std::string text = sql, error;
    if (translate && !TranslateJetSql(sql, text, error)) {
        connection_.SetLastError(error);
        return;
    }
    if (sqlite3_prepare_v2(connection_.Handle(), text.c_str(), -1, &statement_, nullptr) != SQLITE_OK) {
        connection_.ReportEngineError();
        sqlite3_finalize(statement_);
        statement_ = nullptr;
    }
}

CDbStatement::~CDbStatement() { sqlite3_finalize(statement_); }

bool CDbStatement::Bind(int index, const CFieldValue& value, VariantKind kind)
{
    if (!statement_)
        return false;
    CFieldValue stored = value;
    std::string error;
    if (kind != VT_EMPTY && !CoerceToKind(value, kind, stored, error)) {
        connection_.SetLastError(error);
        return false;
    }
    return BindFieldValue(statement_, index, stored) == SQLITE_OK || connection_.ReportEngineError();
}

CDbStatement::Step CDbStatement::Next()
{
    if (!statement_)
        return Step::Error;
    switch (sqlite3_step(statement_)) {
    case SQLITE_ROW:
        return Step::Row;
    case SQLITE_DONE:
        return Step::Done;
    default:
        connection_.ReportEngineError();
        return Step::Error;
    }
}

bool CDbStatement::Run()
{
    Step step = Step::Row;
    while (step == Step::Row)
        step = Next();
    // Reset reports the step's error again; keep the step's text.
    if (statement_)
        sqlite3_reset(statement_);
    return step == Step::Done;
}

bool CDbStatement::Reset()
{
    return statement_ && (sqlite3_reset(statement_) == SQLITE_OK || connection_.ReportEngineError());
}

int CDbStatement::ColumnCount() const { return statement_ ? sqlite3_column_count(statement_) : 0; }

std::string CDbStatement::ColumnName(int column) const
{
    const char* name = statement_ ? sqlite3_column_name(statement_, column) : nullptr;
    return name ? name : "";
}

CFieldValue CDbStatement::Column(int column) const
{
    if (!statement_ || column < 0 || column >= ColumnCount())
        return {};
    return ReadColumnValue(statement_, column, ColumnKind(statement_, column));
}
