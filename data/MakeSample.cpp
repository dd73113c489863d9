// Build-time tool: makes the sample dataset from the template and the sample's SQL source.
// Usage: tavrin_make_sample OUT.tvd SAMPLE.sql
// The dataset is built under a temporary name and replaces OUT only when it is whole; the SQL
// runs in one transaction with the relations enforced, so a broken source fails the build.
#include "store/DatasetTemplate.h"

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

bool RunScript(const std::string& dataset, const std::string& script)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(dataset.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "cannot open %s\n", dataset.c_str());
        sqlite3_close(db);
        return false;
    }
    const std::string wrapped = "PRAGMA foreign_keys=ON;\nBEGIN;\n" + script + "\nCOMMIT;";
    char* message = nullptr;
    bool ok = sqlite3_exec(db, wrapped.c_str(), nullptr, nullptr, &message) == SQLITE_OK;
    if (!ok) {
        std::fprintf(stderr, "sample SQL failed: %s\n", message ? message : "unknown error");
        sqlite3_free(message);
    }
    sqlite3_stmt* check = nullptr;
    if (ok && sqlite3_prepare_v2(db, "PRAGMA foreign_key_check;", -1, &check, nullptr) == SQLITE_OK) {
        if (sqlite3_step(check) == SQLITE_ROW) {
            std::fprintf(stderr, "sample SQL breaks a relation of table %s\n",
                         reinterpret_cast<const char*>(sqlite3_column_text(check, 0)));
            ok = false;
        }
    }
    sqlite3_finalize(check);
    sqlite3_close(db);
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUT.tvd SAMPLE.sql\n", argv[0]);
        return 2;
    }
    const std::string out = argv[1];
    std::ifstream source(argv[2], std::ios::binary);
    if (!source) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    std::ostringstream script;
    script << source.rdbuf();

    const std::string partial = out + ".building";
    std::error_code ignored;
    std::filesystem::remove(partial, ignored);
    std::string error;
    if (!CreateDataset(partial, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    if (!RunScript(partial, script.str())) {
        std::filesystem::remove(partial, ignored);
        return 1;
    }
    std::filesystem::rename(partial, out);
    return 0;
}
