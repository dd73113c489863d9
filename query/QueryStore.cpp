// The query definitions store: loading, editing and saving the stored queries and their
// conditions, chosen values, footers, sort keys and viewable columns.
#include "query/QueryStore.h"

#include "store/DbConnection.h"
#include "store/DbTransaction.h"
#include "store/DovaneDatabase.h"
#include "store/Formats.h"
#include "store/StoreRecordset.h"

#include <QDate>

#include <algorithm>
#include <functional>

namespace {

bool IsUnchanged(RecordState state)
{
    return state == RecordLoaded || state == RecordUnchanged;
}

// After a save has been committed: written records are as saved, so saving again writes nothing.
template <class Record>
void MarkSaved(std::vector<Record>& list)
{
    for (Record& record : list) {
        if (record.state == RecordNew || record.state == RecordChanged)
            record.state = RecordUnchanged;
    }
}

// A record removed in memory: New ones are discarded, others deleted.
template <class Record>
void RemoveRecord(Record& record)
{
    record.state = StateAfterDelete(record.state);
}

// The record of a "Save as" copy: live records are written again as new rows, removed ones are
// left out.
template <class Record>
void MakeCopyRecord(Record& record)
{
    record.state = IsRemoved(record.state) ? RecordLoaded : RecordNew;
}

// Moves to the row whose `key` is `id` (from the first row on); true when found.
bool FindRow(CStoreRecordset& rows, const char* key, int32_t id)
{
    if (!rows.HasRow() && rows->RecordCount() <= 0)
        return false;
    rows->MoveFirst();
    rows->Find(SqlFormat("%s=%d", key, id));
    return rows.HasRow();
}

// The common save of the per-query lists (footers, sort keys, viewable columns): New records are
// added with `setFields` and get their identifier back, Changed ones are found by it and written
// again, Deleted ones are found and deleted; a record that cannot be found is skipped.
template <class Record>
bool SaveRecordList(CDovaneDatabase& database, const char* table, const char* key,
                    int32_t Record::*id, std::vector<Record>& list,
                    const std::function<bool(CStoreRecordset&, const Record&)>& setFields)
{
    if (database.RefuseWriteIfReadOnly())
        return false;
    CDbTransaction transaction(database.Connection());
    CStoreRecordset rows(database);
    if (!transaction.IsActive() ||
        !rows.OpenForUpdate(SqlFormat("SELECT * FROM [%s] ORDER BY %s;", table, key)))
        return false;
    std::vector<Record> working = list;
    for (Record& record : working) {
        switch (record.state) {
        case RecordNew:
            if (!rows->AddNew() || !setFields(rows, record) || !rows.Write())
                return false;
            record.*id = rows.Id(key);
            break;
        case RecordChanged:
            if (FindRow(rows, key, record.*id) && (!setFields(rows, record) || !rows.Write()))
                return false;
            break;
        case RecordDeleted:
            if (FindRow(rows, key, record.*id) && !rows->Delete()) {
                ShowSaveFailure(database);
                return false;
            }
            break;
        default: break;
        }
    }
    rows.Close();
    if (!transaction.Commit()) {
        ShowSaveFailure(database);
        return false;
    }
    MarkSaved(working);
    list = std::move(working);
    return true;
}

}  // namespace

// ---- Readers ---------------------------------------------------------------------------------

const tagPARAM* FindParameter(const CParamArray& parameters, int32_t propertyId)
{
    for (const tagPARAM& parameter : parameters) {
        if (parameter.PROPERTY_ID == propertyId)
            return &parameter;
    }
    return nullptr;
}

bool ReadParameters(CDovaneDatabase& database, const std::string& sql, CParamArray& out)
{
    out.clear();
    CStoreRecordset rows(database);
    if (!rows.Read(sql))
        return false;
    for (; !rows->IsEOF(); rows->MoveNext()) {
        tagPARAM parameter;
        parameter.PROPERTY_ID = rows->GetValue("PROPERTY_ID").ToLong();
        parameter.PROPERTY_NAME = rows->GetValue("PROPERTY_NAME").ToText();
        parameter.TYPE_ID = rows->GetValue("TYPE_ID").ToLong();
        parameter.PRESCISION = uint32_t(std::max(0, rows->GetValue("PRESCISION").ToLong()));
        parameter.SORT_ORDER = rows->GetValue("SORT_ORDER").ToLong();
        parameter.ALPHABETIC_ORDER = rows->GetValue("ALPHABETIC_ORDER").ToBool();
        parameter.state = RecordLoaded;
        out.push_back(std::move(parameter));
    }
    return true;
}

bool ReadConditions(CDovaneDatabase& database, const std::string& sql,
                    const CParamArray& parameters, CConditionArray& out)
{
    out.clear();
    CStoreRecordset rows(database);
    if (!rows.Read(sql))
        return false;
    for (; !rows->IsEOF(); rows->MoveNext()) {
        tagCONDITION condition;
        condition.CONDITION_ID = rows->GetValue("CONDITION_ID").ToLong();
        condition.PROPERTY_ID = rows->GetValue("PROPERTY_ID").ToLong();
        condition.OPERATION_ID = rows->GetValue("OPERATION_ID").ToLong();
        condition.QUERY_ID = rows->GetValue("QUERY_ID").ToLong();
        condition.IS_MULTY = rows->GetValue("IS_MULTY").ToBool();
        if (condition.IS_MULTY) {
            condition.multy = std::make_shared<CDovaneMulty>(database);
            condition.multy->LoadChosen(condition.CONDITION_ID);
        }
        condition.ALL_BUT = rows->GetValue("ALL_BUT").ToBool();

        const tagPARAM* parameter = FindParameter(parameters, condition.PROPERTY_ID);
        const int32_t type = parameter ? parameter->TYPE_ID : 0;
        if (type == TYPE_ALPHANUMERIC) {
            condition.ARGUMENT_ALPH = rows->GetValue("ARGUMENT_ALPH").ToText();
        } else if (type == TYPE_NUMERIC) {
            const CFieldValue number = rows->GetValue("ARGUMENT_NUM");
            const CFieldValue number2 = rows->GetValue("ARGUMENT_NUM_2");
            condition.noNumber = number.IsEmptyOrNull();
            condition.ARGUMENT_NUM = float(number.ToDouble());
            condition.ARGUMENT_NUM_2 = float(number2.ToDouble());
        } else if (type == TYPE_DATETIME) {
            const CFieldValue date = rows->GetValue("ARGUMENT_DATE");
            const CFieldValue date2 = rows->GetValue("ARGUMENT_DATE_2");
            condition.noDate = date.IsEmptyOrNull();
            condition.ARGUMENT_DATE =
                date.IsEmptyOrNull() ? AutomationDate::NullDate() : date.ToDate();
            condition.ARGUMENT_DATE_2 =
                date2.IsEmptyOrNull() ? AutomationDate::NullDate() : date2.ToDate();
        }
        condition.state = RecordLoaded;
        out.push_back(std::move(condition));
    }
    return true;
}

// ---- CDovaneMulty -------------------------------------------------------------------------------

bool CDovaneMulty::LoadChosen(int32_t conditionId)
{
    chosen_.clear();
    CStoreRecordset rows(*database_);
    if (!rows.Read(SqlFormat("SELECT * FROM [Multiply] WHERE CONDITION_ID=%d ORDER BY MULTY_ID;",
                             conditionId)))
        return false;
    for (; !rows->IsEOF(); rows->MoveNext())
        chosen_.push_back({rows->GetValue("MULTY_ID").ToLong(), rows->GetValue("VALUE_ID").ToLong(),
                           RecordLoaded});
    return true;
}

bool CDovaneMulty::LoadCandidates(int32_t propertyId)
{
    candidates_.clear();
    CStoreRecordset rows(*database_);
    bool alphabetic = false;
    if (rows.Read(SqlFormat("SELECT ALPHABETIC_ORDER FROM [Property] WHERE PROPERTY_ID=%d;",
                            propertyId)) &&
        !rows->IsEOF())
        alphabetic = rows->GetValue(0).ToBool();
    const std::string sortColumn = alphabetic ? "VALUE_ANUM" : "VALUE_ID";
    if (!rows.Read("SELECT VALUE_ID, VALUE_ANUM, PROPERTY_ID FROM [Values] WHERE PROPERTY_ID=" +
                   std::to_string(propertyId) + " ORDER BY " + sortColumn + ";"))
        return false;
    for (; !rows->IsEOF(); rows->MoveNext()) {
        const int32_t valueId = rows->GetValue("VALUE_ID").ToLong();
        const bool chosen = std::any_of(chosen_.begin(), chosen_.end(), [&](const tagMULTY& m) {
            return m.VALUE_ID == valueId && !IsRemoved(m.state);
        });
        if (!chosen)
            candidates_.push_back(
                {valueId, CDbConnection::VariantToText(rows->GetValue("VALUE_ANUM"))});
    }
    return true;
}

void CDovaneMulty::Add(int32_t valueId)
{
    chosen_.push_back({0, valueId, RecordNew});
}

bool CDovaneMulty::Remove(int index)
{
    if (index < 0 || index >= int(chosen_.size()))
        return false;
    RemoveRecord(chosen_[size_t(index)]);
    return true;
}

bool CDovaneMulty::IsRestricted() const
{
    return std::any_of(chosen_.begin(), chosen_.end(),
                       [](const tagMULTY& m) { return !IsRemoved(m.state); });
}

bool CDovaneMulty::Save(int32_t conditionId)
{
    const std::function<bool(CStoreRecordset&, const tagMULTY&)> setFields =
        [conditionId](CStoreRecordset& rows, const tagMULTY& entry) {
            return rows.Set("VALUE_ID", CFieldValue::Long(entry.VALUE_ID)) &&
                   rows.Set("CONDITION_ID", CFieldValue::Long(conditionId));
        };
    return SaveRecordList(*database_, "Multiply", "MULTY_ID", &tagMULTY::MULTY_ID, chosen_,
                          setFields);
}

// ---- CDovaneQuery: queries ----------------------------------------------------------------------

CDovaneQuery::CDovaneQuery(CDovaneDatabase& database) : database_(database)
{
}

void CDovaneQuery::Clear()
{
    queries_.clear();
    operations_.clear();
    conditions_.clear();
    formulas_.clear();
    sortKeys_.clear();
    viewable_.clear();
    parameters_.clear();
    editorParameters_.clear();
    footers_.clear();
    previousIndex_ = -1;
    currentIndex_ = -1;
    currentName_.clear();
}

bool CDovaneQuery::RefuseWrite() const
{
    return database_.RefuseWriteIfReadOnly();
}

bool CDovaneQuery::ExecuteCommand(const std::string& sql)
{
    CDbRecordset rows(database_.Connection());
    if (database_.Connection().ExecuteOn(rows, sql, LOCK_OPTIMISTIC))
        return true;
    ShowSaveFailure(database_);
    return false;
}

bool CDovaneQuery::LoadQueries()
{
    queries_.clear();
    CDbRecordset table(database_.Connection());
    if (!database_.Connection().ExecuteOn(table, "[Queries]", LOCK_READONLY, true))
        return false;
    // A dataset made before the list had an order lacks USER_ORDER.
    const bool addOrder = table.FieldCount() < 4;
    table.Close();
    if (addOrder && !ExecuteCommand("ALTER TABLE [Queries] ADD USER_ORDER Integer;"))
        return false;
    if (RefuseWrite())
        return false;

    CDbTransaction transaction(database_.Connection());
    CStoreRecordset rows(database_);
    if (!rows.OpenForUpdate("SELECT * FROM [Queries] ORDER BY QUERY_ID;"))
        return false;
    int32_t order = 0;
    for (; !rows->IsEOF(); rows->MoveNext(), ++order) {
        tagQUERY query;
        query.QUERY_ID = rows->GetValue("QUERY_ID").ToLong();
        query.QUERY_NAME = rows->GetValue("QUERY_NAME").ToText();
        query.IS_TEMPORARY = rows->GetValue("IS_TEMPORARY").ToBool();
        if (addOrder) {
            if (!rows.Set("USER_ORDER", CFieldValue::Short(int16_t(order))) || !rows.Write()) {
                queries_.clear();
                return false;
            }
            query.USER_ORDER = order;
        } else {
            query.USER_ORDER = int16_t(rows->GetValue("USER_ORDER").ToLong());
        }
        query.state = RecordLoaded;
        queries_.push_back(std::move(query));
    }
    rows.Close();
    if (!transaction.Commit()) {
        queries_.clear();
        return false;
    }
    return LoadQueryColours();
}

bool CDovaneQuery::LoadQueryColours()
{
    ColourListTarget target(queries_, &tagQUERY::QUERY_ID, &tagQUERY::textColour,
                            &tagQUERY::backgroundColour, &tagQUERY::colourFlags, &tagQUERY::state);
    return database_.LoadColors(COLOUR_OBJECT_QUERY, 0, target);
}

int CDovaneQuery::AddQuery(const std::string& name)
{
    tagQUERY query;
    query.USER_ORDER = int32_t(queries_.size());
    query.state = RecordNew;
    query.IS_TEMPORARY = true;
    query.QUERY_NAME = name;
    queries_.push_back(std::move(query));
    SetCurrentIndex(int(queries_.size()) - 1);
    return currentIndex_;
}

bool CDovaneQuery::RenameQuery(int index, const std::string& name)
{
    if (!IsQueryIndex(index))
        return false;
    tagQUERY& query = queries_[size_t(index)];
    query.QUERY_NAME = name;
    if (IsUnchanged(query.state))
        query.state = RecordChanged;
    return true;
}

bool CDovaneQuery::DeleteQuery(int index)
{
    if (!IsQueryIndex(index))
        return false;
    RemoveRecord(queries_[size_t(index)]);
    // The live queries in list order are where they stand once the deleted ones are compacted
    // to the end.
    std::vector<const tagQUERY*> live;
    for (const tagQUERY& query : queries_) {
        if (!IsRemoved(query.state))
            live.push_back(&query);
    }
    if (index < int(live.size())) {
        currentIndex_ = index;
        currentName_ = live[size_t(index)]->QUERY_NAME;
    } else if (!live.empty()) {
        // The query before it; never past the last live one, which is where compaction puts it.
        currentIndex_ = std::min(index - 1, int(live.size()) - 1);
        currentName_ = live[size_t(currentIndex_)]->QUERY_NAME;
    } else {
        currentIndex_ = -1;
        currentName_.clear();
    }
    return true;
}

bool CDovaneQuery::GetQuery(int index, tagQUERY& out) const
{
    if (!IsQueryIndex(index))
        return false;
    out = queries_[size_t(index)];
    return true;
}

bool CDovaneQuery::FindQuery(int32_t queryId, tagQUERY& out) const
{
    return GetQuery(IndexOfQuery(queryId), out);
}

int CDovaneQuery::IndexOfQuery(int32_t queryId) const
{
    for (size_t i = 0; i < queries_.size(); ++i) {
        if (queries_[i].QUERY_ID == queryId)
            return int(i);
    }
    return -1;
}

int32_t CDovaneQuery::QueryIdAt(int index) const
{
    return IsQueryIndex(index) ? queries_[size_t(index)].QUERY_ID : -1;
}

int CDovaneQuery::CountQueries(int mode) const
{
    return int(std::count_if(queries_.begin(), queries_.end(), [mode](const tagQUERY& query) {
        return mode == 1 ? !query.IS_TEMPORARY : !IsRemoved(query.state);
    }));
}

void CDovaneQuery::CompactQueries(int mode)
{
    const auto dropped = [mode](const tagQUERY& query) {
        return mode == 1 ? query.IS_TEMPORARY : IsRemoved(query.state);
    };
    const size_t droppedCount = size_t(std::count_if(queries_.begin(), queries_.end(), dropped));
    if (queries_.empty() || droppedCount == 0 || droppedCount == queries_.size())
        return;
    std::stable_partition(queries_.begin(), queries_.end(),
                          [&](const tagQUERY& query) { return !dropped(query); });
    const size_t kept = queries_.size() - droppedCount;
    std::vector<size_t> byOrder(kept);
    for (size_t i = 0; i < kept; ++i)
        byOrder[i] = i;
    std::stable_sort(byOrder.begin(), byOrder.end(), [&](size_t a, size_t b) {
        return queries_[a].USER_ORDER < queries_[b].USER_ORDER;
    });
    for (size_t k = 0; k < kept; ++k) {
        tagQUERY& query = queries_[byOrder[k]];
        query.USER_ORDER = int32_t(k);
        if (IsUnchanged(query.state))
            query.state = RecordChanged;
    }
}

bool CDovaneQuery::SaveQueryList(std::vector<tagQUERY>& list)
{
    CStoreRecordset rows(database_);
    if (!rows.OpenForUpdate("SELECT * FROM [Queries] ORDER BY QUERY_ID;"))
        return false;
    for (tagQUERY& query : list) {
        const bool isNew = query.state == RecordNew;
        const std::string name = query.QUERY_NAME.empty() && isNew ? "Untitled" : query.QUERY_NAME;
        if (isNew) {
            if (!rows->AddNew() ||
                !rows.Set("IS_TEMPORARY", CFieldValue::Bool(query.IS_TEMPORARY)) ||
                !rows.Set("USER_ORDER", CFieldValue::Short(int16_t(query.USER_ORDER))) ||
                !rows.Set("QUERY_NAME", CFieldValue::Text(name)) || !rows.Write())
                return false;
            query.QUERY_ID = rows.Id("QUERY_ID");
        } else if (query.state == RecordChanged) {
            if (FindRow(rows, "QUERY_ID", query.QUERY_ID) &&
                ((!name.empty() && !rows.Set("QUERY_NAME", CFieldValue::Text(name))) ||
                 !rows.Set("IS_TEMPORARY", CFieldValue::Bool(query.IS_TEMPORARY)) ||
                 !rows.Set("USER_ORDER", CFieldValue::Short(int16_t(query.USER_ORDER))) ||
                 !rows.Write()))
                return false;
        } else if (query.state == RecordDeleted) {
            if (FindRow(rows, "QUERY_ID", query.QUERY_ID) && !rows->Delete()) {
                ShowSaveFailure(database_);
                return false;
            }
        }
        if (query.colourFlags != 0 && !IsRemoved(query.state) &&
            !database_.SaveColor(COLOUR_OBJECT_QUERY, query.QUERY_ID, query.textColour,
                                 query.backgroundColour))
            return false;
    }
    return true;
}

bool CDovaneQuery::SaveQueries()
{
    if (RefuseWrite())
        return false;
    CDbTransaction transaction(database_.Connection());
    if (!transaction.IsActive())
        return false;
    // Compaction renumbers the kept queries; it is part of the save and undone with it.
    const std::vector<tagQUERY> before = queries_;
    CompactQueries(0);
    std::vector<tagQUERY> working = queries_;
    if (!SaveQueryList(working) || !transaction.Commit()) {
        queries_ = before;
        return false;
    }
    MarkSaved(working);
    queries_ = std::move(working);
    return true;
}

void CDovaneQuery::SetCurrentIndex(int index)
{
    currentIndex_ = IsQueryIndex(index) ? index : -1;
    currentName_ = currentIndex_ >= 0 ? queries_[size_t(currentIndex_)].QUERY_NAME : std::string();
}

bool CDovaneQuery::SetQueryColour(int index, COLORREF colour, bool isText)
{
    if (!IsQueryIndex(index))
        return false;
    tagQUERY& query = queries_[size_t(index)];
    (isText ? query.textColour : query.backgroundColour) = colour;
    query.colourFlags |= isText ? COLOUR_TEXT_SET : COLOUR_BACKGROUND_SET;
    return true;
}

int32_t CDovaneQuery::CurrentQueryId() const
{
    return QueryIdAt(currentIndex_);
}

bool CDovaneQuery::CopyCurrentQuery(const std::string& name, std::optional<int32_t> order)
{
    if (!IsQueryIndex(currentIndex_))
        return false;
    tagQUERY& query = queries_[size_t(currentIndex_)];
    query.QUERY_ID = 0;
    query.QUERY_NAME = name;
    query.IS_TEMPORARY = false;
    query.state = RecordNew;
    if (order)
        query.USER_ORDER = *order;
    currentName_ = name;
    for (tagCONDITION& condition : conditions_) {
        MakeCopyRecord(condition);
        condition.CONDITION_ID = 0;
        if (condition.multy) {
            // The copy gets a holder of its own: the source's stays as it was loaded.
            condition.multy = std::make_shared<CDovaneMulty>(*condition.multy);
            for (tagMULTY& entry : condition.multy->Chosen()) {
                MakeCopyRecord(entry);
                entry.MULTY_ID = 0;
            }
        }
    }
    for (tagSORTORDER& key : sortKeys_) {
        MakeCopyRecord(key);
        key.SORT_ID = 0;
    }
    for (tagFOOTER& footer : footers_) {
        MakeCopyRecord(footer);
        footer.FOOTER_ID = 0;
    }
    for (tagVIEWABLE& viewable : viewable_) {
        MakeCopyRecord(viewable);
        viewable.VIEWABLE_ID = 0;
    }
    return true;
}

bool CDovaneQuery::ClearTemporaryQueries()
{
    CompactQueries(1);
    if (!SaveQueries())
        return false;
    return ExecuteCommand("DELETE Queries.QUERY_ID, Queries.QUERY_NAME, Queries.IS_TEMPORARY FROM "
                          "Queries WHERE (((Queries.IS_TEMPORARY)=True));");
}

int32_t CDovaneQuery::SaveCurrentQuery()
{
    if (RefuseWrite())
        return -1;
    // Every list is restored when any part fails, since the whole save is undone with it.
    const auto queries = queries_;
    const auto conditions = conditions_;
    const auto sortKeys = sortKeys_;
    const auto viewable = viewable_;
    const auto footers = footers_;
    const auto restore = [&] {
        queries_ = queries;
        conditions_ = conditions;
        sortKeys_ = sortKeys;
        viewable_ = viewable;
        footers_ = footers;
        return -1;
    };
    CDbTransaction transaction(database_.Connection());
    if (!transaction.IsActive() || !SaveQueries())
        return restore();
    const int32_t queryId = CurrentQueryId();
    if (queryId <= 0 || !SaveViewable(queryId) || !SaveSortOrder(queryId) ||
        !SaveConditions(queryId) || !SaveFooters(queryId) || !transaction.Commit())
        return restore();
    currentName_ = queries_[size_t(currentIndex_)].QUERY_NAME;
    return queryId;
}

// ---- Conditions --------------------------------------------------------------------------------

bool CDovaneQuery::LoadConditions(int32_t queryId)
{
    conditions_.clear();
    CParamArray parameters;
    ReadParameters(database_, "SELECT * FROM [Property];", parameters);
    return ReadConditions(
        database_,
        SqlFormat("SELECT distinct Conditions.*, Property.SORT_ORDER FROM [Property] AS "
                  "Property_1, Property INNER JOIN Conditions ON Property.PROPERTY_ID = "
                  "Conditions.PROPERTY_ID WHERE (Conditions.QUERY_ID=%d) order by "
                  "Property.SORT_ORDER;",
                  queryId),
        parameters, conditions_);
}

bool CDovaneQuery::DeleteMultiplyRowsOf(int32_t conditionId)
{
    return ExecuteCommand(
        SqlFormat("DELETE * FROM [Multiply] WHERE CONDITION_ID=%d;", conditionId));
}

bool CDovaneQuery::SaveConditionList(int32_t queryId, CConditionArray& list)
{
    CParamArray parameters;
    ReadParameters(database_, "SELECT * FROM [Property];", parameters);
    const auto setFields = [&](CStoreRecordset& rows, const tagCONDITION& c) {
        const tagPARAM* parameter = FindParameter(parameters, c.PROPERTY_ID);
        const int32_t type = parameter ? parameter->TYPE_ID : 0;
        bool ok = rows.Set("PROPERTY_ID", CFieldValue::Long(c.PROPERTY_ID)) &&
                  rows.Set("OPERATION_ID", CFieldValue::Long(c.OPERATION_ID)) &&
                  rows.Set("QUERY_ID", CFieldValue::Long(queryId)) &&
                  rows.Set("ALL_BUT", CFieldValue::Bool(c.ALL_BUT));
        if (ok && type == TYPE_ALPHANUMERIC) {
            ok = rows.Set("ARGUMENT_ALPH", c.ARGUMENT_ALPH.empty()
                                               ? CFieldValue::Null()
                                               : CFieldValue::Text(c.ARGUMENT_ALPH));
        } else if (ok && type == TYPE_NUMERIC) {
            ok = rows.Set("ARGUMENT_NUM",
                          c.noNumber ? CFieldValue::Null() : CFieldValue::Single(c.ARGUMENT_NUM)) &&
                 rows.Set("ARGUMENT_NUM_2",
                          c.noNumber ? CFieldValue::Null() : CFieldValue::Single(c.ARGUMENT_NUM_2));
        } else if (ok && type == TYPE_DATETIME) {
            ok = rows.Set("ARGUMENT_DATE",
                          c.noDate ? CFieldValue::Null() : CFieldValue(c.ARGUMENT_DATE)) &&
                 rows.Set("ARGUMENT_DATE_2",
                          c.noDate ? CFieldValue::Null() : CFieldValue(c.ARGUMENT_DATE_2));
        }
        return ok && rows.Set("IS_MULTY", CFieldValue::Bool(c.IS_MULTY));
    };

    CStoreRecordset rows(database_);
    if (!rows.OpenForUpdate("SELECT * FROM [Conditions] ORDER BY CONDITION_ID;"))
        return false;
    CStoreRecordset stored(database_);
    for (tagCONDITION& condition : list) {
        if (condition.PROPERTY_ID == -1 || condition.OPERATION_ID == -1)
            continue;  // incomplete conditions are never written
        switch (condition.state) {
        case RecordNew:
            if (!rows->AddNew() || !setFields(rows, condition) || !rows.Write())
                return false;
            condition.CONDITION_ID = rows.Id("CONDITION_ID");
            if (condition.multy) {
                // The holder's values go under the new identifier. A copy is written, so the
                // record keeps what it had should the enclosing save be undone.
                CDovaneMulty written = *condition.multy;
                if (!written.Save(condition.CONDITION_ID))
                    return false;
                condition.multy.reset();
            }
            break;
        case RecordChanged: {
            // A condition moved to another parameter loses the values chosen for the old one.
            if (stored.Read(SqlFormat("SELECT PROPERTY_ID FROM [Conditions] WHERE CONDITION_ID=%d",
                                      condition.CONDITION_ID)) &&
                !stored->IsEOF() && stored->GetValue(0).ToLong() != condition.PROPERTY_ID &&
                !DeleteMultiplyRowsOf(condition.CONDITION_ID))
                return false;
            if (FindRow(rows, "CONDITION_ID", condition.CONDITION_ID) &&
                (!setFields(rows, condition) || !rows.Write()))
                return false;
            break;
        }
        case RecordDeleted:
            if (FindRow(rows, "CONDITION_ID", condition.CONDITION_ID) && !rows->Delete()) {
                ShowSaveFailure(database_);
                return false;
            }
            break;
        default: break;
        }
    }
    return true;
}

bool CDovaneQuery::SaveConditions(int32_t queryId)
{
    if (RefuseWrite())
        return false;
    CDbTransaction transaction(database_.Connection());
    if (!transaction.IsActive())
        return false;
    CConditionArray working = conditions_;
    if (!SaveConditionList(queryId, working) || !transaction.Commit())
        return false;
    for (tagCONDITION& condition : working) {
        if (condition.PROPERTY_ID != -1 && condition.OPERATION_ID != -1 &&
            (condition.state == RecordNew || condition.state == RecordChanged)) {
            condition.state = RecordUnchanged;
            condition.QUERY_ID = queryId;
        }
    }
    conditions_ = std::move(working);
    return true;
}

bool CDovaneQuery::GetCondition(int index, tagCONDITION& out) const
{
    if (index < 0 || index >= int(conditions_.size()))
        return false;
    out = conditions_[size_t(index)];
    return true;
}

bool CDovaneQuery::SetCondition(int index, const tagCONDITION& in)
{
    if (index < 0 || index >= int(conditions_.size()))
        return false;
    conditions_[size_t(index)] = in;
    return true;
}

int CDovaneQuery::AddCondition(const tagCONDITION& in)
{
    conditions_.push_back(in);
    return int(conditions_.size()) - 1;
}

std::string CDovaneQuery::DescribeCondition(int index, bool longForm)
{
    if (index < 0 || index >= int(conditions_.size()))
        return {};
    const tagCONDITION& condition = conditions_[size_t(index)];
    const tagPARAM* parameter = FindParameter(parameters_, condition.PROPERTY_ID);
    if (!parameter) {
        LoadParameterList();
        parameter = FindParameter(parameters_, condition.PROPERTY_ID);
    }
    const int32_t type = parameter ? parameter->TYPE_ID : 0;
    const int precision = parameter ? int(parameter->PRESCISION) : 0;

    std::string text = "All";
    if (type == TYPE_ALPHANUMERIC && condition.IS_MULTY) {
        text = "Set";
        if (longForm) {
            std::vector<int32_t> live;
            if (condition.multy) {
                for (const tagMULTY& entry : condition.multy->Chosen()) {
                    if (!IsRemoved(entry.state))
                        live.push_back(entry.VALUE_ID);
                }
            }
            text = "Multi";
            CStoreRecordset rows(database_);
            if (live.size() == 1 &&
                rows.Read(SqlFormat("SELECT VALUE_ANUM FROM [Values] WHERE VALUE_ID=%d;", live[0])))
                text = "EQUAL " + (rows->IsEOF() ? std::string() : rows->GetValue(0).ToText());
        }
    }
    if (type != TYPE_ALPHANUMERIC && type != TYPE_NUMERIC && type != TYPE_DATETIME)
        return text;
    const std::string operation = OperationName(condition.OPERATION_ID);
    if (operation == "NONE" || operation.empty())
        return text;
    if (!longForm)
        return "Set";
    const bool between = operation == "BETWEEN";
    if (type == TYPE_DATETIME) {
        const auto shown = [](const AutomationDate& date) {
            return FormatShortDate(
                date.IsValid() ? date : AutomationDate::FromQDate(QDate::currentDate()));
        };
        text = operation + " " + shown(condition.ARGUMENT_DATE);
        if (between)
            text += " AND " + shown(condition.ARGUMENT_DATE_2);
        return text;
    }
    text = operation + " " + FormatNumber(condition.ARGUMENT_NUM, precision);
    if (between)
        text += " AND " + FormatNumber(condition.ARGUMENT_NUM_2, precision);
    return text;
}

// ---- Operations and formulas -------------------------------------------------------------------

bool CDovaneQuery::LoadOperations(int32_t typeId)
{
    operations_.clear();
    CStoreRecordset rows(database_);
    if (!rows.Read(SqlFormat("SELECT * FROM [Operations] WHERE (Operations.FOR_ARGUMENT=True) AND "
                             "(Operations.TYPE_ID=%d);",
                             typeId)))
        return false;
    for (; !rows->IsEOF(); rows->MoveNext())
        operations_.push_back({rows->GetValue("OPERATION_ID").ToLong(),
                               rows->GetValue("TYPE_ID").ToLong(),
                               rows->GetValue("OPERATION").ToText()});
    return !operations_.empty();
}

std::string CDovaneQuery::OperationName(int32_t operationId)
{
    CStoreRecordset rows(database_);
    if (!rows.Read("SELECT * FROM [Operations] ORDER BY OPERATION_ID;") ||
        !FindRow(rows, "OPERATION_ID", operationId))
        return {};
    return rows->GetValue("OPERATION").ToText();
}

bool CDovaneQuery::LoadFormulas()
{
    formulas_.clear();
    CStoreRecordset rows(database_);
    if (!rows.Read(SqlFormat("SELECT * FROM Formula WHERE TYPE_ID=%d;", int(TYPE_NUMERIC))))
        return false;
    for (; !rows->IsEOF(); rows->MoveNext())
        formulas_.push_back({rows->GetValue("FORMULA_ID").ToLong(),
                             rows->GetValue("TYPE_ID").ToLong(),
                             rows->GetValue("FORMULA").ToText()});
    return true;
}

// ---- Footers, sort keys, viewable columns -------------------------------------------------------

bool CDovaneQuery::LoadFooters(int32_t queryId)
{
    footers_.clear();
    CStoreRecordset rows(database_);
    if (!rows.Read(SqlFormat("SELECT * FROM [Footer] WHERE Footer.QUERY_ID=%d;", queryId)))
        return false;
    for (; !rows->IsEOF(); rows->MoveNext())
        footers_.push_back({rows->GetValue("FOOTER_ID").ToLong(),
                            rows->GetValue("PROPERTY_ID").ToLong(),
                            rows->GetValue("QUERY_ID").ToLong(),
                            rows->GetValue("FORMULA_ID").ToLong(), RecordLoaded});
    return !footers_.empty();
}

bool CDovaneQuery::SaveFooters(int32_t queryId)
{
    const std::function<bool(CStoreRecordset&, const tagFOOTER&)> setFields =
        [queryId](CStoreRecordset& rows, const tagFOOTER& footer) {
            return rows.Set("PROPERTY_ID", CFieldValue::Long(footer.PROPERTY_ID)) &&
                   rows.Set("QUERY_ID", CFieldValue::Long(queryId)) &&
                   rows.Set("FORMULA_ID", CFieldValue::Long(footer.FORMULA_ID));
        };
    if (!SaveRecordList(database_, "Footer", "FOOTER_ID", &tagFOOTER::FOOTER_ID, footers_,
                        setFields))
        return false;
    for (tagFOOTER& footer : footers_)
        footer.QUERY_ID = IsRemoved(footer.state) ? footer.QUERY_ID : queryId;
    return true;
}

bool CDovaneQuery::LoadSortOrder(int32_t queryId)
{
    sortKeys_.clear();
    CStoreRecordset rows(database_);
    if (!rows.Read(SqlFormat(
            "SELECT * FROM [SortOrder] WHERE SortOrder.QUERY_ID=%d ORDER BY SORT_ORDER;", queryId)))
        return false;
    for (; !rows->IsEOF(); rows->MoveNext())
        sortKeys_.push_back({rows->GetValue("SORT_ID").ToLong(),
                             int32_t(int16_t(rows->GetValue("SORT_ORDER").ToLong())),
                             rows->GetValue("PROPERTY_ID").ToLong(),
                             rows->GetValue("QUERY_ID").ToLong(), RecordLoaded});
    return true;
}

bool CDovaneQuery::SaveSortOrder(int32_t queryId)
{
    const std::function<bool(CStoreRecordset&, const tagSORTORDER&)> setFields =
        [queryId](CStoreRecordset& rows, const tagSORTORDER& key) {
            return rows.Set("PROPERTY_ID", CFieldValue::Long(key.PROPERTY_ID)) &&
                   rows.Set("SORT_ORDER", CFieldValue::Short(int16_t(key.SORT_ORDER))) &&
                   rows.Set("QUERY_ID", CFieldValue::Long(queryId));
        };
    if (!SaveRecordList(database_, "SortOrder", "SORT_ID", &tagSORTORDER::SORT_ID, sortKeys_,
                        setFields))
        return false;
    for (tagSORTORDER& key : sortKeys_)
        key.QUERY_ID = IsRemoved(key.state) ? key.QUERY_ID : queryId;
    return true;
}

bool CDovaneQuery::CompleteSortOrder(int32_t queryId)
{
    if (!LoadParameterList())
        return false;
    for (const tagPARAM& parameter : parameters_) {
        const bool hasKey = std::any_of(sortKeys_.begin(), sortKeys_.end(), [&](const auto& key) {
            return key.PROPERTY_ID == parameter.PROPERTY_ID && !IsRemoved(key.state);
        });
        if (!hasKey)
            sortKeys_.push_back(
                {0, int32_t(sortKeys_.size()), parameter.PROPERTY_ID, queryId, RecordNew});
    }
    return true;
}

bool CDovaneQuery::SetSortKey(int index, const tagSORTORDER& in)
{
    if (index < 0 || index >= int(sortKeys_.size()))
        return false;
    sortKeys_[size_t(index)] = in;
    return true;
}

bool CDovaneQuery::LoadViewable(int32_t queryId)
{
    viewable_.clear();
    CStoreRecordset rows(database_);
    if (!rows.Read(SqlFormat("SELECT * FROM [Viewable] WHERE Viewable.QUERY_ID=%d;", queryId)))
        return false;
    for (; !rows->IsEOF(); rows->MoveNext())
        viewable_.push_back({rows->GetValue("VIEWABLE_ID").ToLong(),
                             rows->GetValue("PROPERTY_ID").ToLong(),
                             rows->GetValue("QUERY_ID").ToLong(), RecordLoaded});
    return true;
}

bool CDovaneQuery::SaveViewable(int32_t queryId)
{
    const std::function<bool(CStoreRecordset&, const tagVIEWABLE&)> setFields =
        [queryId](CStoreRecordset& rows, const tagVIEWABLE& viewable) {
            return rows.Set("PROPERTY_ID", CFieldValue::Long(viewable.PROPERTY_ID)) &&
                   rows.Set("QUERY_ID", CFieldValue::Long(queryId));
        };
    if (!SaveRecordList(database_, "Viewable", "VIEWABLE_ID", &tagVIEWABLE::VIEWABLE_ID, viewable_,
                        setFields))
        return false;
    for (tagVIEWABLE& viewable : viewable_)
        viewable.QUERY_ID = IsRemoved(viewable.state) ? viewable.QUERY_ID : queryId;
    return true;
}

bool CDovaneQuery::DeleteViewable(int index)
{
    if (index < 0 || index >= int(viewable_.size()))
        return false;
    RemoveRecord(viewable_[size_t(index)]);
    return true;
}

bool CDovaneQuery::LoadParameterList()
{
    return ReadParameters(database_, "SELECT * FROM [Property] ORDER BY SORT_ORDER;", parameters_);
}

// ---- Saved permutations and widths --------------------------------------------------------------

bool CDovaneQuery::HasSavedPermutations(int32_t queryId)
{
    CStoreRecordset rows(database_);
    return rows.Read(SqlFormat("SELECT * FROM [Combo] WHERE Combo.QUERY_ID=%d", queryId)) &&
           !rows->IsEOF();
}

bool CDovaneQuery::DeleteSavedPermutations(int32_t queryId)
{
    if (RefuseWrite())
        return false;
    return ExecuteCommand(SqlFormat("DELETE Combo.COMBO_ID, Combo.QUERY_NAME, Combo.QUERY_ID FROM "
                                    "Combo WHERE (((Combo.QUERY_ID)=%d));",
                                    queryId));
}

bool CDovaneQuery::DeleteColumnWidths(int32_t queryId)
{
    if (RefuseWrite())
        return false;
    return ExecuteCommand(
        SqlFormat("DELETE * FROM [Sizes] WHERE (((Sizes.QUERY_ID)=%d));", queryId));
}

// ---- Editor support -----------------------------------------------------------------------------

bool CDovaneQuery::MakeAllViewable()
{
    viewable_.clear();
    CParamArray byName;
    if (!ReadParameters(database_, "SELECT * FROM [Property] ORDER BY PROPERTY_NAME;", byName))
        return false;
    for (const tagPARAM& parameter : byName)
        viewable_.push_back({0, parameter.PROPERTY_ID, 0, RecordNew});
    return true;
}

bool CDovaneQuery::AddDefaultCondition(const tagPARAM& parameter)
{
    if (!LoadOperations(parameter.TYPE_ID))
        return false;
    tagCONDITION condition;
    condition.PROPERTY_ID = parameter.PROPERTY_ID;
    condition.OPERATION_ID = operations_.front().OPERATION_ID;
    condition.QUERY_ID = 0;
    condition.state = RecordNew;
    conditions_.push_back(std::move(condition));
    return true;
}

bool CDovaneQuery::CreateDefaultConditions()
{
    if (!LoadParameterList())
        return false;
    conditions_.clear();
    for (const tagPARAM& parameter : parameters_) {
        if (!AddDefaultCondition(parameter))
            break;  // a type that offers no operation ends the defaults
    }
    return true;
}

bool CDovaneQuery::SyncWithViewable()
{
    if (!LoadParameterList())
        return false;
    const int32_t queryId = std::max(0, CurrentQueryId());
    const bool noViewable = viewable_.empty();
    const auto isViewable = [&](int32_t propertyId) {
        return std::any_of(viewable_.begin(), viewable_.end(), [&](const tagVIEWABLE& v) {
            return v.PROPERTY_ID == propertyId && !IsRemoved(v.state);
        });
    };
    // The parameters the lists must cover: all of them, or the viewable ones.
    std::vector<const tagPARAM*> covered;
    for (const tagPARAM& parameter : parameters_) {
        if (noViewable || isViewable(parameter.PROPERTY_ID))
            covered.push_back(&parameter);
    }
    const auto hasLive = [](const auto& list, int32_t propertyId) {
        return std::any_of(list.begin(), list.end(), [&](const auto& record) {
            return record.PROPERTY_ID == propertyId && !IsRemoved(record.state);
        });
    };
    const auto removeUnviewed = [&](auto& list) {
        if (noViewable)
            return;
        for (auto& record : list) {
            if (!IsRemoved(record.state) && !isViewable(record.PROPERTY_ID))
                RemoveRecord(record);
        }
    };

    for (const tagPARAM* parameter : covered) {
        if (!hasLive(conditions_, parameter->PROPERTY_ID))
            AddDefaultCondition(*parameter);
    }
    removeUnviewed(conditions_);

    for (const tagPARAM* parameter : covered) {
        if (!hasLive(sortKeys_, parameter->PROPERTY_ID))
            sortKeys_.push_back(
                {0, int32_t(sortKeys_.size()), parameter->PROPERTY_ID, queryId, RecordNew});
    }
    removeUnviewed(sortKeys_);
    // Removed keys go to the end; the kept ones are ranked again without gaps.
    std::stable_partition(sortKeys_.begin(), sortKeys_.end(),
                          [](const tagSORTORDER& key) { return !IsRemoved(key.state); });
    int32_t rank = 0;
    for (tagSORTORDER& key : sortKeys_) {
        if (IsRemoved(key.state))
            break;
        key.SORT_ORDER = rank++;
        if (IsUnchanged(key.state))
            key.state = RecordChanged;
    }

    for (const tagPARAM* parameter : covered) {
        if (parameter->TYPE_ID == TYPE_NUMERIC && !hasLive(footers_, parameter->PROPERTY_ID))
            footers_.push_back({0, parameter->PROPERTY_ID, queryId, 2, RecordNew});
    }
    removeUnviewed(footers_);
    return true;
}

CDovaneQuery& TheQueryStore()
{
    static CDovaneQuery store(TheDatabase());
    return store;
}
