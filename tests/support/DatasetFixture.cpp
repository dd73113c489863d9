#include "tests/support/DatasetFixture.h"

#include "store/DatasetTemplate.h"
#include "store/JetSql.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>

namespace {

// One open file and its prepared statements for the duration of a build or a check.
class Database {
public:
    explicit Database(const std::string& path)
    {
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            error_ = db_ ? sqlite3_errmsg(db_) : "out of memory";
        else
            sqlite3_exec(db_, "PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr);
    }
    ~Database() { sqlite3_close(db_); }

    bool Ok() const { return error_.empty(); }
    const std::string& Error() const { return error_; }

    bool Exec(const std::string& sql)
    {
        char* message = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK)
            return true;
        error_ = (message ? message : "error") + std::string(" in: ") + sql;
        sqlite3_free(message);
        return false;
    }

    // Runs `sql` with the bound texts/numbers/NULLs and returns the new rowid (or -1).
    struct Value {
        enum { Null, Integer, Real, Text } kind = Null;
        int64_t integer = 0;
        double real = 0.0;
        std::string text;
    };
    static Value Int(int64_t v) { Value x; x.kind = Value::Integer; x.integer = v; return x; }
    static Value Real(double v) { Value x; x.kind = Value::Real; x.real = v; return x; }
    static Value Text(std::string v) { Value x; x.kind = Value::Text; x.text = std::move(v); return x; }

    int64_t Insert(const std::string& sql, const std::vector<Value>& values)
    {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            error_ = sqlite3_errmsg(db_);
            return -1;
        }
        for (size_t i = 0; i < values.size(); ++i) {
            const int index = static_cast<int>(i) + 1;
            const Value& value = values[i];
            switch (value.kind) {
            case Value::Null: sqlite3_bind_null(statement, index); break;
            case Value::Integer: sqlite3_bind_int64(statement, index, value.integer); break;
            case Value::Real: sqlite3_bind_double(statement, index, value.real); break;
            case Value::Text:
                sqlite3_bind_text(statement, index, value.text.c_str(), -1, SQLITE_TRANSIENT);
                break;
            }
        }
        const bool done = sqlite3_step(statement) == SQLITE_DONE;
        if (!done)
            error_ = sqlite3_errmsg(db_) + std::string(" in: ") + sql;
        sqlite3_finalize(statement);
        return done ? sqlite3_last_insert_rowid(db_) : -1;
    }

    std::vector<std::vector<std::string>> Rows(const std::string& sql)
    {
        std::vector<std::vector<std::string>> rows;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            error_ = sqlite3_errmsg(db_) + std::string(" in: ") + sql;
            return rows;
        }
        while (sqlite3_step(statement) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
                row.emplace_back(sqlite3_column_type(statement, i) == SQLITE_NULL ? "NULL" : text);
            }
            rows.push_back(std::move(row));
        }
        sqlite3_finalize(statement);
        return rows;
    }

    // The first column of the first row as SQLite holds it (0 without a row).
    double Number(const std::string& sql)
    {
        sqlite3_stmt* statement = nullptr;
        double number = 0.0;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
            error_ = sqlite3_errmsg(db_) + std::string(" in: ") + sql;
        else if (sqlite3_step(statement) == SQLITE_ROW)
            number = sqlite3_column_double(statement, 0);
        sqlite3_finalize(statement);
        return number;
    }

private:
    sqlite3* db_ = nullptr;
    std::string error_;
};

bool WriteItemValue(Database& db, const FixtureParameter& parameter, int64_t propertyId,
                    int64_t itemId, const std::string& text,
                    std::map<std::pair<int64_t, std::string>, int64_t>& choices, std::string& error)
{
    int64_t valueId = -1;
    if (parameter.type == TYPE_ALPHANUMERIC) {
        auto found = choices.find({propertyId, text});
        valueId = found != choices.end()
                      ? found->second
                      : db.Insert("INSERT INTO [Values] (PROPERTY_ID, VALUE_ANUM) VALUES (?, ?)",
                                  {Database::Int(propertyId), Database::Text(text)});
        choices[{propertyId, text}] = valueId;
    } else if (parameter.type == TYPE_NUMERIC) {
        double number = 0.0;
        try {
            number = std::stod(text);
        } catch (const std::exception&) {
            error = "not a number: " + text;
            return false;
        }
        valueId = db.Insert("INSERT INTO [Values] (PROPERTY_ID, VALUE_NUMBER) VALUES (?, ?)",
                            {Database::Int(propertyId), Database::Real(static_cast<float>(number))});
    } else {
        double date = 0.0;
        if (!ParseJetDateLiteral(text, date)) {
            error = "not a date: " + text;
            return false;
        }
        valueId = db.Insert("INSERT INTO [Values] (PROPERTY_ID, VALUE_DATE) VALUES (?, ?)",
                            {Database::Int(propertyId), Database::Real(date)});
    }
    return valueId > 0 && db.Insert("INSERT INTO [ItemValues] (ITEM_ID, VALUE_ID) VALUES (?, ?)",
                                    {Database::Int(itemId), Database::Int(valueId)}) > 0;
}

bool FillDataset(Database& db, const DatasetDescription& description, std::string& error)
{
    std::map<std::string, std::pair<int64_t, const FixtureParameter*>> parameters;
    std::map<std::pair<int64_t, std::string>, int64_t> choices;
    int sortOrder = 0;
    for (const FixtureParameter& parameter : description.parameters) {
        const int64_t id = db.Insert(
            "INSERT INTO [Property] (PROPERTY_NAME, TYPE_ID, PRESCISION, SORT_ORDER, ALPHABETIC_ORDER) "
            "VALUES (?, ?, ?, ?, ?)",
            {Database::Text(parameter.name), Database::Int(parameter.type), Database::Int(parameter.precision),
             Database::Int(sortOrder++), Database::Int(parameter.alphabetic ? 1 : 0)});
        if (id < 0)
            return false;
        parameters[parameter.name] = {id, &parameter};
        for (const std::string& value : parameter.values) {
            const int64_t valueId = db.Insert("INSERT INTO [Values] (PROPERTY_ID, VALUE_ANUM) VALUES (?, ?)",
                                              {Database::Int(id), Database::Text(value)});
            if (valueId < 0)
                return false;
            choices[{id, value}] = valueId;
        }
    }
    std::map<std::string, int64_t> items;
    for (const FixtureItem& item : description.items) {
        const int64_t id = db.Insert("INSERT INTO [ItemSet] (ITEM_IDENTIFIER, ITEM_NOTE) VALUES (?, ?)",
                                     {Database::Text(item.identifier),
                                      item.note.empty() ? Database::Value() : Database::Text(item.note)});
        if (id < 0)
            return false;
        items[item.identifier] = id;
        for (const auto& [name, text] : item.values) {
            const auto found = parameters.find(name);
            if (found == parameters.end()) {
                error = item.identifier + " names no parameter " + name;
                return false;
            }
            if (!WriteItemValue(db, *found->second.second, found->second.first, id, text, choices, error))
                return false;
        }
        if (!item.description.empty() &&
            db.Insert("INSERT INTO [Descriptions] (ITEM_ID, DESCRIPTION) VALUES (?, ?)",
                      {Database::Int(id), Database::Text(item.description)}) < 0)
            return false;
    }
    for (const FixtureItem& item : description.items) {
        for (const std::string& target : item.links) {
            if (!items.count(target)) {
                error = item.identifier + " links to no item " + target;
                return false;
            }
            if (db.Insert("INSERT INTO [Hyperlink] (ITEM_ID, ITEM_LINK_ID) VALUES (?, ?)",
                          {Database::Int(items[item.identifier]), Database::Int(items[target])}) < 0)
                return false;
        }
    }
    return true;
}

}  // namespace

bool BuildDataset(const std::string& path, const DatasetDescription& description, std::string& error)
{
    if (!CreateDataset(path, error))
        return false;
    Database db(path);
    if (!db.Ok() || !db.Exec("BEGIN") || !FillDataset(db, description, error) || !db.Exec("COMMIT")) {
        if (error.empty())
            error = db.Error();
        return false;
    }
    return true;
}

TestDataset::TestDataset(const DatasetDescription& description, const std::string& fileName)
    : path_(folder_.Path(fileName))
{
    std::string error;
    EXPECT_TRUE(BuildDataset(path_, description, error)) << error;
}

void TestDataset::Exec(const std::string& sql) const
{
    Database db(path_);
    EXPECT_TRUE(db.Ok() && db.Exec(sql)) << db.Error();
}

std::vector<std::vector<std::string>> TestDataset::Rows(const std::string& sql) const
{
    Database db(path_);
    auto rows = db.Rows(sql);
    EXPECT_TRUE(db.Ok()) << db.Error();
    return rows;
}

double TestDataset::Number(const std::string& sql) const
{
    Database db(path_);
    const double number = db.Number(sql);
    EXPECT_TRUE(db.Ok()) << db.Error();
    return number;
}

int64_t TestDataset::Count(const std::string& table, const std::string& where) const
{
    return static_cast<int64_t>(
        Number("SELECT count(*) FROM [" + table + "]" + (where.empty() ? "" : " WHERE " + where)));
}

int TestDataset::ParameterId(const std::string& name) const
{
    const auto rows = Rows("SELECT PROPERTY_ID FROM [Property] WHERE PROPERTY_NAME=" + QuoteSqlText(name));
    return rows.empty() ? -1 : std::stoi(rows[0][0]);
}

int TestDataset::ItemId(const std::string& identifier) const
{
    const auto rows = Rows("SELECT ITEM_ID FROM [ItemSet] WHERE ITEM_IDENTIFIER=" + QuoteSqlText(identifier));
    return rows.empty() ? -1 : std::stoi(rows[0][0]);
}

int TestDataset::ValueId(const std::string& parameter, const std::string& text) const
{
    const auto rows = Rows("SELECT VALUE_ID FROM [Values] WHERE PROPERTY_ID=" + std::to_string(ParameterId(parameter)) +
                           " AND VALUE_ANUM=" + QuoteSqlText(text));
    return rows.empty() ? -1 : std::stoi(rows[0][0]);
}
