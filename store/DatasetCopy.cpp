#include "store/DatasetCopy.h"

#include <sqlite3.h>

#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string EngineError(sqlite3* db, const std::string& what)
{
    return what + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
}

// Writes the snapshot of `source` into a new database file `partial`.
bool BackUp(const std::string& source, const std::string& partial, std::string& error)
{
    sqlite3* from = nullptr;
    sqlite3* to = nullptr;
    bool copied = false;
    if (sqlite3_open_v2(source.c_str(), &from, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        error = EngineError(from, "cannot read " + source);
    } else if (sqlite3_open_v2(partial.c_str(), &to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                               nullptr) != SQLITE_OK) {
        error = EngineError(to, "cannot write beside the copy");
    } else if (sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main"); !backup) {
        error = EngineError(to, "cannot copy " + source);
    } else {
        const int stepped = sqlite3_backup_step(backup, -1);
        sqlite3_backup_finish(backup);
        copied = stepped == SQLITE_DONE;
        if (!copied)
            error = EngineError(to, "cannot copy " + source);
    }
    sqlite3_close(from);
    if (sqlite3_close(to) != SQLITE_OK && copied) {
        error = "the copy could not be closed";
        copied = false;
    }
    return copied;
}

}  // namespace

bool CopyDataset(const std::string& source, const std::string& target, std::string& error)
{
    std::error_code failure;
    if (source.empty() || target.empty()) {
        error = "no file name given for the copy";
        return false;
    }
    if (!fs::is_regular_file(source, failure)) {
        error = source + " is not a dataset file";
        return false;
    }
    if (fs::exists(target, failure) && fs::equivalent(source, target, failure)) {
        error = "a dataset cannot be copied onto itself";
        return false;
    }
    const std::string partial = target + ".part-" + std::to_string(::getpid());
    fs::remove(partial, failure);
    if (!BackUp(source, partial, error)) {
        fs::remove(partial, failure);
        return false;
    }
    fs::rename(partial, target, failure);
    if (failure) {
        error = "cannot write " + target + ": " + failure.message();
        fs::remove(partial, failure);
        return false;
    }
    return true;
}
