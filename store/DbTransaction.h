// Transactions for the stores: a store save is written whole or not at all. A CDbTransaction
// begins when it is made and rolls back when it goes out of scope uncommitted, so every early
// return or failure of a save leaves the dataset as it was. Made inside another transaction it
// becomes a savepoint of it: its own rollback undoes only its part, and nothing is durable
// before the outermost one commits.
//
// A rollback does not reach the rows recordsets already hold in memory; a store whose save
// failed reloads its lists from the dataset.
#pragma once

#include <string>

class CDbConnection;

class CDbTransaction {
public:
    explicit CDbTransaction(CDbConnection& connection);
    ~CDbTransaction();
    CDbTransaction(const CDbTransaction&) = delete;
    CDbTransaction& operator=(const CDbTransaction&) = delete;

    // False when the transaction could not begin (no dataset open); the connection's
    // lastError says why.
    bool IsActive() const { return active_; }
    bool IsNested() const { return !savepoint_.empty(); }
    // Makes the changes permanent (the outermost) or part of the enclosing transaction. On
    // failure everything is rolled back and the result is false.
    bool Commit();
    // Undoes the changes made since the transaction began.
    void Rollback();

private:
    bool Run(const std::string& sql);

    CDbConnection& connection_;
    bool active_ = false;
    std::string savepoint_;  // empty for an outermost transaction
};
