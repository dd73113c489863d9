#include "store/DbTransaction.h"

#include "store/DbConnection.h"

#include <sqlite3.h>

namespace {

int g_savepointNumber = 0;

}  // namespace

CDbTransaction::CDbTransaction(CDbConnection& connection) : connection_(connection)
{
    sqlite3* db = connection_.Handle();
    if (!db) {
        connection_.SetLastError("No dataset is open.");
        return;
    }
    if (sqlite3_get_autocommit(db) == 0)
        savepoint_ = "tavrin_save_" + std::to_string(++g_savepointNumber);
    active_ = Run(savepoint_.empty() ? "BEGIN" : "SAVEPOINT " + savepoint_);
}

CDbTransaction::~CDbTransaction()
{
    if (active_)
        Rollback();
}

bool CDbTransaction::Run(const std::string& sql)
{
    if (sqlite3_exec(connection_.Handle(), sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK)
        return true;
    return connection_.ReportEngineError();
}

bool CDbTransaction::Commit()
{
    if (!active_)
        return false;
    if (Run(savepoint_.empty() ? "COMMIT" : "RELEASE " + savepoint_)) {
        active_ = false;
        return true;
    }
    const std::string error = connection_.lastError();
    Rollback();
    connection_.SetLastError(error);
    return false;
}

void CDbTransaction::Rollback()
{
    if (!active_)
        return;
    active_ = false;
    sqlite3* db = connection_.Handle();
    if (!db)
        return;
    // The cause of a failed save stays the last error, not the rollback's own outcome.
    if (savepoint_.empty()) {
        if (sqlite3_get_autocommit(db) == 0)
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        return;
    }
    const std::string undo = "ROLLBACK TO " + savepoint_ + "; RELEASE " + savepoint_;
    sqlite3_exec(db, undo.c_str(), nullptr, nullptr, nullptr);
}
