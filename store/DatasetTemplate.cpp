#include "store/DatasetTemplate.h"

#include "store/DatasetTemplateSql.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace {

std::string SystemError(const std::string& path)
{
    return "cannot create " + path + ": " + std::strerror(errno);
}

// Runs the template into a new database file at `path` in one transaction.
bool BuildDatasetFile(const std::string& path, std::string& error)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        error = "cannot create " + path + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
        sqlite3_close(db);
        return false;
    }
    const std::string script = "BEGIN;\n" + DatasetTemplateSql() + "\nCOMMIT;";
    char* message = nullptr;
    const bool built = sqlite3_exec(db, script.c_str(), nullptr, nullptr, &message) == SQLITE_OK;
    if (!built) {
        error = "cannot create " + path + ": " + (message ? message : "unknown error");
        sqlite3_free(message);
    }
    if (sqlite3_close(db) != SQLITE_OK && built) {
        error = "cannot create " + path + ": the file could not be closed";
        return false;
    }
    return built;
}

}  // namespace

const std::string& DatasetTemplateSql()
{
    static const std::string sql(kDatasetTemplateSql);
    return sql;
}

bool CreateDataset(const std::string& path, std::string& error)
{
    namespace fs = std::filesystem;
    std::error_code ignored;
    if (path.empty()) {
        error = "no path given for the new dataset";
        return false;
    }
    if (fs::exists(fs::symlink_status(path, ignored))) {
        error = path + " already exists; it was left as it is";
        return false;
    }
    const std::string partial = path + ".part-" + std::to_string(::getpid());
    fs::remove(partial, ignored);
    if (!BuildDatasetFile(partial, error)) {
        fs::remove(partial, ignored);
        return false;
    }
    // A hard link never replaces an existing file, so a file that appeared meanwhile survives.
    if (::link(partial.c_str(), path.c_str()) != 0) {
        error = errno == EEXIST ? path + " already exists; it was left as it is" : SystemError(path);
        fs::remove(partial, ignored);
        return false;
    }
    fs::remove(partial, ignored);
    return true;
}
