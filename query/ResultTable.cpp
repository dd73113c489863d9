// The result table build: items and empty slots, values staged in tempvalues and read back in
// one pass, fulltable re-created and filled through one prepared statement.
#include "query/ResultTable.h"

#include "store/DbConnection.h"
#include "store/DbStatement.h"
#include "store/DbTransaction.h"
#include "store/DovaneDatabase.h"
#include "store/ParamStore.h"

#include <sqlite3.h>

#include <algorithm>
#include <unordered_map>

namespace {

constexpr const char* kStageValuesSql =
    "INSERT INTO [tempvalues] (ITEM_ID, ITEM_IDENTIFIER, VALUE_ID, PROPERTY_ID, VALUE_DATE, "
    "VALUE_NUMBER, VALUE_ANUM, PROPERTY_NAME, TYPE_ID, TYPE) SELECT ItemSet.ITEM_ID, "
    "ItemSet.ITEM_IDENTIFIER, ItemValues.VALUE_ID, Values.PROPERTY_ID, Values.VALUE_DATE, "
    "Values.VALUE_NUMBER, Values.VALUE_ANUM, Property.PROPERTY_NAME, Property.TYPE_ID, Type.TYPE "
    "FROM (Type INNER JOIN Property ON Type.TYPE_ID = Property.TYPE_ID) INNER JOIN ([Values] "
    "INNER JOIN ([ItemSet] INNER JOIN [ItemValues] ON ItemSet.ITEM_ID = ItemValues.ITEM_ID) ON "
    "Values.VALUE_ID = ItemValues.VALUE_ID) ON Property.PROPERTY_ID = Values.PROPERTY_ID;";

const char* ColumnType(int32_t type)
{
    switch (type) {
    case TYPE_ALPHANUMERIC: return " varchar(255)";
    case TYPE_NUMERIC: return " Single";
    case TYPE_DATETIME: return " smalldatetime";
    default: return nullptr;
    }
}

// Where an ITEM_ID sits in the item list (ascending identifiers: a binary search).
int FindItem(const std::vector<tagQUERYITEM>& items, int32_t itemId)
{
    const auto found = std::lower_bound(items.begin(), items.end(), itemId,
                                        [](const tagQUERYITEM& item, int32_t id) {
                                            return item.ITEM_ID < id;
                                        });
    return found != items.end() && found->ITEM_ID == itemId ? int(found - items.begin()) : -1;
}

}  // namespace

std::string MakeFullTableStatement(const std::vector<ResultTableColumn>& columns)
{
    std::string sql = "CREATE TABLE fulltable(FULL_ID int  IDENTITY(1,1) primary key, ITEM_ID int, "
                      "IDENT varchar(255), IS_LINKS bit DEFAULT 0";
    for (const ResultTableColumn& column : columns) {
        if (const char* type = ColumnType(column.TYPE_ID))
            sql += ", [" + column.name + "]" + type;
    }
    return sql + ")";
}

bool CResultTableBuilder::Fail(const std::string& error)
{
    error_ = error;
    return false;
}

bool CResultTableBuilder::Build()
{
    error_.clear();
    CDbConnection& connection = database_.Connection();
    if (!connection.IsOpen())
        return Fail("No dataset is opened");
    CDbTransaction transaction(connection);
    if (!CollectItems())
        return false;
    const bool staged = StageValues() && ReadStagedValues();
    const bool built = CreateTable() && FillTable();
    items_.clear();
    texts_.clear();
    // What was written stays even when a later step failed: a failed build leaves no stale
    // fulltable behind it.
    if (!transaction.Commit())
        return Fail(connection.lastError());
    return staged && built;
}

bool CResultTableBuilder::CollectItems()
{
    CParamStore& params = database_.Params();
    CItemStore& itemStore = database_.Items();
    params.LoadParams();
    itemStore.LoadItems();
    items_.clear();
    columns_.clear();
    for (const tagPARAM& param : params.Params())
        columns_.push_back({param.PROPERTY_ID, param.TYPE_ID, param.PROPERTY_NAME});

    // Which items have a link: one pass over Hyperlink instead of a question per item.
    std::vector<int32_t> linked;
    CDbStatement links(database_.Connection(), "SELECT DISTINCT ITEM_ID FROM Hyperlink ORDER BY ITEM_ID",
                       false);
    while (links.IsValid() && links.Next() == CDbStatement::Step::Row)
        linked.push_back(sqlite3_column_int(links.Handle(), 0));

    items_.reserve(itemStore.Items().size());
    for (const tagITEMID& entry : itemStore.Items()) {
        if (entry.ITEM_ID == 0)
            continue;
        tagQUERYITEM item;
        item.ITEM_ID = entry.ITEM_ID;
        item.hasLinks = std::binary_search(linked.begin(), linked.end(), entry.ITEM_ID);
        item.values = std::make_unique<CDovaneQueryValues>(columns_.size());
        item.ITEM_IDENTIFIER = entry.ITEM_IDENTIFIER;
        items_.push_back(std::move(item));
    }
    itemTotal_ = int(items_.size());
    return true;
}

bool CResultTableBuilder::StageValues()
{
    if (database_.RefuseWriteIfReadOnly())
        return Fail(kUpdateNotSupportedText);
    CDbConnection& connection = database_.Connection();
    if (!connection.Execute("DELETE * FROM [tempvalues];", 0) || !connection.Execute(kStageValuesSql, 0))
        return Fail(connection.lastError());
    return true;
}

bool CResultTableBuilder::ReadStagedValues()
{
    std::unordered_map<int32_t, size_t> slotOf;
    for (size_t i = 0; i < columns_.size(); ++i)
        slotOf.emplace(columns_[i].PROPERTY_ID, i);
    std::unordered_map<std::string, int32_t> textIndex;

    // Staging order: of two rows for the same cell the later one wins.
    CDbStatement rows(database_.Connection(),
                      "SELECT ITEM_ID, PROPERTY_ID, VALUE_ANUM, VALUE_NUMBER, VALUE_DATE "
                      "FROM tempvalues ORDER BY rowid",
                      false);
    if (!rows.IsValid())
        return Fail(database_.Connection().lastError());
    sqlite3_stmt* statement = rows.Handle();
    int last = -1;
    CDbStatement::Step step;
    while ((step = rows.Next()) == CDbStatement::Step::Row) {
        const int32_t itemId = sqlite3_column_int(statement, 0);
        const auto slot = slotOf.find(sqlite3_column_int(statement, 1));
        if (slot == slotOf.end())
            continue;
        // Staged rows come mostly grouped by item: try the item of the previous row first.
        if (last < 0 || items_[size_t(last)].ITEM_ID != itemId)
            last = FindItem(items_, itemId);
        if (last < 0)
            continue;
        tagITEMVALUECONTENT& content = (*items_[size_t(last)].values)[slot->second];
        const int source = columns_[slot->second].TYPE_ID == TYPE_ALPHANUMERIC ? 2
                           : columns_[slot->second].TYPE_ID == TYPE_NUMERIC    ? 3
                                                                               : 4;
        if (sqlite3_column_type(statement, source) == SQLITE_NULL) {
            content.kind = tagITEMVALUECONTENT::Kind::Null;
        } else if (source == 2) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 2));
            std::string value(text, size_t(sqlite3_column_bytes(statement, 2)));
            const auto [entry, added] = textIndex.emplace(std::move(value), int32_t(texts_.size()));
            if (added)
                texts_.push_back(entry->first);
            content.kind = tagITEMVALUECONTENT::Kind::Text;
            content.text = entry->second;
        } else {
            const double value = sqlite3_column_double(statement, source);
            content.kind = source == 3 ? tagITEMVALUECONTENT::Kind::Number
                                       : tagITEMVALUECONTENT::Kind::Date;
            content.value = source == 3 ? double(float(value)) : value;
        }
    }
    return step == CDbStatement::Step::Done || Fail(database_.Connection().lastError());
}

bool CResultTableBuilder::CreateTable()
{
    CDbConnection& connection = database_.Connection();
    connection.Recordset(1).Close();
    connection.Recordset(2).Close();
    connection.Execute("DROP TABLE fulltable", 0);  // fails on a first run: nothing to drop

    // Reload the parameters: the columns follow the list as it is now.
    database_.Params().LoadParams();
    columns_.clear();
    for (const tagPARAM& param : database_.Params().Params()) {
        const std::string problem = ParamNameProblem(param.PROPERTY_NAME);
        if (!problem.empty())
            return Fail(problem);
        columns_.push_back({param.PROPERTY_ID, param.TYPE_ID, param.PROPERTY_NAME});
    }
    if (!connection.Execute(MakeFullTableStatement(columns_), 0))
        return Fail(connection.lastError());
    return true;
}

bool CResultTableBuilder::FillTable()
{
    if (database_.RefuseWriteIfReadOnly())
        return Fail(kUpdateNotSupportedText);
    // The parameter columns written, each with the item slot it takes its value from.
    std::string names = "ITEM_ID, IDENT, IS_LINKS";
    std::string marks = "?, ?, ?";
    std::vector<size_t> written;
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (!ColumnType(columns_[i].TYPE_ID))
            continue;
        names += ", [" + columns_[i].name + "]";
        marks += ", ?";
        written.push_back(i);
    }
    CDbStatement insert(database_.Connection(),
                        "INSERT INTO fulltable (" + names + ") VALUES (" + marks + ")", false);
    if (!insert.IsValid())
        return Fail(database_.Connection().lastError());
    sqlite3_stmt* statement = insert.Handle();
    for (const tagQUERYITEM& item : items_) {
        sqlite3_bind_int(statement, 1, item.ITEM_ID);
        sqlite3_bind_text(statement, 2, item.ITEM_IDENTIFIER.data(), int(item.ITEM_IDENTIFIER.size()),
                          SQLITE_STATIC);
        sqlite3_bind_int(statement, 3, item.hasLinks ? 1 : 0);
        for (size_t k = 0; k < written.size(); ++k) {
            const tagITEMVALUECONTENT& content = (*item.values)[written[k]];
            const int index = int(k) + 4;
            switch (content.kind) {
            case tagITEMVALUECONTENT::Kind::Text: {
                const std::string& text = texts_[size_t(content.text)];
                sqlite3_bind_text(statement, index, text.data(), int(text.size()), SQLITE_STATIC);
                break;
            }
            case tagITEMVALUECONTENT::Kind::Number:
            case tagITEMVALUECONTENT::Kind::Date:
                sqlite3_bind_double(statement, index, content.value);
                break;
            default:
                sqlite3_bind_null(statement, index);
                break;
            }
        }
        if (!insert.Run())
            return Fail(database_.Connection().lastError());
    }
    return true;
}
