// The dataset generator of the query benchmarks.
#include "bench/DatasetGenerator.h"

#include "store/DatasetTemplate.h"

#include <sqlite3.h>

#include <random>
#include <vector>

namespace {

// Parameter i (0-based): the type cycles text, number, text, number, date, so 20 parameters
// give 8 texts, 8 numbers and 4 dates.
int TypeOf(int i)
{
    static const int kCycle[] = {1, 2, 1, 2, 3};
    return kCycle[i % 5];
}

std::string NameOf(int i)
{
    static const char* kNames[] = {"Class", "Weight", "Colour", "Price", "Acquired", "Origin",
                                   "Length", "Finish", "Height", "Inspected"};
    return std::string(kNames[i % 10]) + (i >= 10 ? " " + std::to_string(i / 10 + 1) : "");
}

class Writer {
public:
    explicit Writer(sqlite3* db) : db_(db) {}
    bool Exec(const std::string& sql) { return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK; }
    sqlite3_stmt* Prepare(const char* sql)
    {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr);
        statements_.push_back(statement);
        return statement;
    }
    static bool Step(sqlite3_stmt* statement)
    {
        const bool done = sqlite3_step(statement) == SQLITE_DONE;
        sqlite3_reset(statement);
        return done;
    }
    ~Writer()
    {
        for (sqlite3_stmt* statement : statements_)
            sqlite3_finalize(statement);
    }

private:
    sqlite3* db_;
    std::vector<sqlite3_stmt*> statements_;
};

}  // namespace

bool GenerateDataset(const std::string& path, const GeneratedDataset& shape, std::string& error)
{
    if (!CreateDataset(path, error))
        return false;
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        error = sqlite3_errmsg(db);
        sqlite3_close(db);
        return false;
    }
    std::mt19937 random(shape.seed);
    bool ok = true;
    {
        Writer writer(db);
        ok = writer.Exec("BEGIN");
        sqlite3_stmt* property = writer.Prepare(
            "INSERT INTO Property (PROPERTY_ID, PROPERTY_NAME, TYPE_ID, PRESCISION, SORT_ORDER) VALUES (?, ?, ?, ?, ?)");
        sqlite3_stmt* value = writer.Prepare(
            "INSERT INTO [Values] (PROPERTY_ID, VALUE_ANUM, VALUE_NUMBER, VALUE_DATE) VALUES (?, ?, ?, ?)");
        sqlite3_stmt* item = writer.Prepare("INSERT INTO ItemSet (ITEM_ID, ITEM_IDENTIFIER) VALUES (?, ?)");
        sqlite3_stmt* itemValue = writer.Prepare("INSERT INTO ItemValues (ITEM_ID, VALUE_ID) VALUES (?, ?)");
        sqlite3_stmt* link = writer.Prepare("INSERT INTO Hyperlink (ITEM_ID, ITEM_LINK_ID) VALUES (?, ?)");

        // Parameters and the choice lists of the text parameters (5 to 40 values).
        std::vector<std::vector<int64_t>> choices(size_t(shape.parameters));
        for (int p = 0; p < shape.parameters && ok; ++p) {
            const std::string name = NameOf(p);
            sqlite3_bind_int(property, 1, p + 1);
            sqlite3_bind_text(property, 2, name.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(property, 3, TypeOf(p));
            sqlite3_bind_int(property, 4, TypeOf(p) == 2 ? p % 4 : 0);
            sqlite3_bind_int(property, 5, p);
            ok = Writer::Step(property);
            if (TypeOf(p) != 1)
                continue;
            const int count = 5 + (p * 7) % 36;
            for (int v = 0; v < count && ok; ++v) {
                const std::string text = name + " " + char('A' + v % 26) + std::to_string(v);
                sqlite3_bind_int(value, 1, p + 1);
                sqlite3_bind_text(value, 2, text.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_null(value, 3);
                sqlite3_bind_null(value, 4);
                ok = Writer::Step(value);
                choices[size_t(p)].push_back(sqlite3_last_insert_rowid(db));
            }
        }

        // Items: nine values in ten present; numbers and dates one Values row per item value.
        std::uniform_int_distribution<int> percent(0, 99);
        std::uniform_real_distribution<double> number(0.0, 5000.0);
        std::uniform_real_distribution<double> day(30000.0, 46000.0);
        for (int i = 1; i <= shape.items && ok; ++i) {
            const std::string identifier = "Item " + std::to_string(100000 + i);
            sqlite3_bind_int(item, 1, i);
            sqlite3_bind_text(item, 2, identifier.c_str(), -1, SQLITE_TRANSIENT);
            ok = Writer::Step(item);
            for (int p = 0; p < shape.parameters && ok; ++p) {
                if (percent(random) >= 90)
                    continue;
                int64_t valueId = 0;
                if (TypeOf(p) == 1) {
                    const auto& list = choices[size_t(p)];
                    valueId = list[size_t(random() % list.size())];
                } else {
                    sqlite3_bind_int(value, 1, p + 1);
                    sqlite3_bind_null(value, 2);
                    if (TypeOf(p) == 2) {
                        sqlite3_bind_double(value, 3, double(float(number(random))));
                        sqlite3_bind_null(value, 4);
                    } else {
                        sqlite3_bind_null(value, 3);
                        sqlite3_bind_double(value, 4, double(int(day(random))));
                    }
                    ok = Writer::Step(value);
                    valueId = sqlite3_last_insert_rowid(db);
                }
                sqlite3_bind_int(itemValue, 1, i);
                sqlite3_bind_int64(itemValue, 2, valueId);
                ok = ok && Writer::Step(itemValue);
            }
            if (i > 1 && percent(random) < 5) {
                sqlite3_bind_int(link, 1, i);
                sqlite3_bind_int(link, 2, i - 1);
                ok = Writer::Step(link);
            }
        }

        // The stored query: every parameter shown and sorted, a sum under every number.
        ok = ok && writer.Exec("INSERT INTO Queries (QUERY_ID, QUERY_NAME, IS_TEMPORARY, USER_ORDER) "
                               "VALUES (1, 'Everything', 0, 0)");
        for (int p = 0; p < shape.parameters && ok; ++p) {
            const std::string id = std::to_string(p + 1);
            ok = writer.Exec("INSERT INTO Viewable (QUERY_ID, PROPERTY_ID) VALUES (1, " + id + ")") &&
                 writer.Exec("INSERT INTO SortOrder (QUERY_ID, PROPERTY_ID, SORT_ORDER) VALUES (1, " + id +
                             ", " + std::to_string(p) + ")") &&
                 (TypeOf(p) != 2 ||
                  writer.Exec("INSERT INTO Footer (QUERY_ID, PROPERTY_ID, FORMULA_ID) VALUES (1, " + id + ", 4)"));
        }
        ok = ok && writer.Exec("COMMIT");
        if (!ok)
            error = sqlite3_errmsg(db);
    }
    sqlite3_close(db);
    return ok;
}

std::string PivotScript(const GeneratedDataset& shape, const std::string& select)
{
    std::string columns;
    std::string definitions;
    std::string pivots;
    for (int p = 0; p < shape.parameters; ++p) {
        const std::string name = "[" + NameOf(p) + "]";
        static const char* kTypes[] = {"", " TEXT(255) COLLATE NOCASE", " SINGLE", " DATETIME"};
        static const char* kSources[] = {"", "VALUE_ANUM", "VALUE_NUMBER", "VALUE_DATE"};
        columns += ", " + name;
        definitions += ", " + name + kTypes[TypeOf(p)];
        pivots += ", MAX(CASE WHEN v.PROPERTY_ID = " + std::to_string(p + 1) + " THEN v." +
                  kSources[TypeOf(p)] + " END)";
    }
    return "BEGIN;\n"
           "DROP TABLE IF EXISTS fulltable;\n"
           "CREATE TABLE fulltable(FULL_ID INTEGER PRIMARY KEY AUTOINCREMENT, ITEM_ID LONG, IDENT "
           "TEXT(255) COLLATE NOCASE, IS_LINKS BIT DEFAULT 0" + definitions + ");\n"
           "INSERT INTO fulltable (ITEM_ID, IDENT, IS_LINKS" + columns + ")\n"
           "  SELECT i.ITEM_ID, i.ITEM_IDENTIFIER, EXISTS (SELECT 1 FROM Hyperlink h WHERE h.ITEM_ID = "
           "i.ITEM_ID)" + pivots + "\n"
           "  FROM ItemSet i LEFT JOIN ItemValues iv ON iv.ITEM_ID = i.ITEM_ID LEFT JOIN [Values] v ON "
           "v.VALUE_ID = iv.VALUE_ID GROUP BY i.ITEM_ID ORDER BY i.ITEM_ID;\n"
           ".output /dev/null\n" + select + "\n.output stdout\nCOMMIT;\n";
}
