// The parameters and values store: in-memory edits of the parameter and value lists, and their
// saves with the cascades a type change or a deletion of a parameter needs.
#include "store/ParamStore.h"

#include "platform/MessageBox.h"
#include "store/DbTransaction.h"
#include "store/DovaneDatabase.h"
#include "store/Formats.h"
#include "store/JetSql.h"

#include <QString>

#include <algorithm>

namespace {

bool SameTextIgnoringCase(const std::string& a, const std::string& b)
{
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

}  // namespace

// ---- Value arrays --------------------------------------------------------------------------------

bool CValueArray::GetValue(int index, tagVALUE& out) const
{
    if (index < 0 || index >= int(size()))
        return false;
    const tagVALUE& record = (*this)[index];
    out.VALUE_ID = record.VALUE_ID;
    out.ITEMVALUE_ID = record.ITEMVALUE_ID;
    out.PROPERTY_ID = record.PROPERTY_ID;
    out.TYPE_ID = record.TYPE_ID;
    out.VALUE_NUMBER = record.VALUE_NUMBER;
    out.noNumber = record.noNumber;
    out.VALUE_DATE = record.VALUE_DATE;
    out.noDate = record.noDate;
    out.state = record.state;
    return true;
}

bool CValueArray::PutValue(int index, const tagVALUE& in)
{
    if (index < 0 || index >= int(size()))
        return false;
    tagVALUE& record = (*this)[index];
    record.VALUE_ID = in.VALUE_ID;
    record.ITEMVALUE_ID = in.ITEMVALUE_ID;
    record.PROPERTY_ID = in.PROPERTY_ID;
    record.TYPE_ID = in.TYPE_ID;
    record.VALUE_NUMBER = in.VALUE_NUMBER;
    record.noNumber = in.noNumber;
    record.VALUE_DATE = in.VALUE_DATE;
    record.noDate = in.noDate;
    record.state = in.state;
    return true;
}

// ---- Parameter names -----------------------------------------------------------------------------

std::string ParamNameProblem(const std::string& name)
{
    if (name.find_first_of("[]") != std::string::npos)
        return "The parameter name \"" + name +
               "\" cannot be used.\nA parameter name may not contain \"[\" or \"]\".";
    for (const char* reserved : {"FULL_ID", "ITEM_ID", "IDENT", "IS_LINKS"}) {
        if (SameTextIgnoringCase(name, reserved))
            return "The parameter name \"" + name +
                   "\" cannot be used.\nFULL_ID, ITEM_ID, IDENT and IS_LINKS are reserved for "
                   "the query results.";
    }
    return {};
}

// ---- Parameter list ------------------------------------------------------------------------------

CParamStore::CParamStore(CDovaneDatabase& database)
    : database_(database), rows_(database), cascade_(database), widths_(database)
{
}

void CParamStore::Clear()
{
    params_.clear();
    values_.clear();
    choices_.clear();
    loadedValueCount_ = 0;
}

void CParamStore::ReleaseRecordsets()
{
    rows_.Close();
    cascade_.Close();
    widths_.Close();
}

const tagPARAM* CParamStore::ParamAt(int index) const
{
    return IsIndex(index) ? &params_[index] : nullptr;
}

void CParamStore::AddParam(const std::string& name, int32_t type, int precision)
{
    tagPARAM record;
    record.TYPE_ID = type;
    for (const tagPARAM& param : params_)
        record.SORT_ORDER += !IsRemoved(param.state);
    record.state = RecordNew;
    record.PRESCISION = uint32_t(std::clamp(precision, 0, 255));
    record.PROPERTY_NAME = name;
    params_.push_back(std::move(record));
}

bool CParamStore::UpdateParam(int index, const std::string& name, int32_t type, int precision,
                              int32_t sortOrder)
{
    if (!IsIndex(index)) {
        if (name.empty())
            return false;
        AddParam(name, type, precision);
        return true;
    }
    tagPARAM& record = params_[index];
    if (IsRemoved(record.state))
        return false;
    const uint32_t stored = uint32_t(std::clamp(precision, 0, 255));
    const bool differs = record.PROPERTY_NAME != name || record.TYPE_ID != type ||
                         record.PRESCISION != stored || record.SORT_ORDER != sortOrder;
    record.state = StateAfterSet(record.state, differs);
    record.PROPERTY_NAME = name;
    record.TYPE_ID = type;
    record.PRESCISION = stored;
    record.SORT_ORDER = sortOrder;
    return true;
}

bool CParamStore::SetParamType(int index, int32_t type)
{
    if (!IsIndex(index) || IsRemoved(params_[index].state))
        return false;
    tagPARAM& record = params_[index];
    record.state = StateAfterSet(record.state, record.TYPE_ID != type);
    record.TYPE_ID = type;
    return true;
}

bool CParamStore::SetParamAlphabetic(int index, bool alphabetic)
{
    if (!IsIndex(index) || IsRemoved(params_[index].state))
        return false;
    tagPARAM& record = params_[index];
    record.state = StateAfterSet(record.state, record.ALPHABETIC_ORDER != alphabetic);
    record.ALPHABETIC_ORDER = alphabetic;
    return true;
}

bool CParamStore::SetParamOrder(int index, int32_t sortOrder)
{
    if (!IsIndex(index))
        return false;
    tagPARAM& record = params_[index];
    if (IsRemoved(record.state) || record.SORT_ORDER == sortOrder)
        return false;
    record.SORT_ORDER = sortOrder;
    record.state = StateAfterSet(record.state, true);
    return true;
}

bool CParamStore::SetParamColour(int index, COLORREF colour, bool isText)
{
    if (!IsIndex(index))
        return false;
    SetUserColour(params_[index], colour, isText);
    return true;
}

bool CParamStore::DeleteParam(int index)
{
    if (!IsIndex(index) || IsRemoved(params_[index].state))
        return false;
    if (params_[index].state == RecordNew) {
        params_.erase(params_.begin() + index);
        return true;
    }
    const int answer = MessageBox(
        "Parameter deleting will cause possible loss of all information \nassociated with it. "
        "It will affect item, query, and permutation data.\nDelete anyway?",
        {}, MB_YESNO | MB_ICONQUESTION);
    if (answer != IDYES)
        return false;
    params_[index].state = RecordDeleted;
    return true;
}

bool CParamStore::IsParamNameUnique(int index) const
{
    if (!IsIndex(index) || IsRemoved(params_[index].state))
        return true;
    const std::string& name = params_[index].PROPERTY_NAME;
    if (name.empty())
        return false;
    for (int other = 0; other < int(params_.size()); ++other) {
        if (other != index && !IsRemoved(params_[other].state) &&
            SameTextIgnoringCase(params_[other].PROPERTY_NAME, name))
            return false;
    }
    return true;
}

int CParamStore::FindParamIndex(int32_t propertyId) const
{
    for (int index = 0; index < int(params_.size()); ++index) {
        if (params_[index].PROPERTY_ID == propertyId)
            return index;
    }
    return -1;
}

// ---- Value list ----------------------------------------------------------------------------------

void CParamStore::AddValue(int32_t propertyId, const std::string& text)
{
    tagVALUE record;
    record.PROPERTY_ID = propertyId;
    record.state = RecordNew;
    record.VALUE_ANUM = text;
    values_.push_back(std::move(record));
}

bool CParamStore::RenameValue(int32_t propertyId, int index, const std::string& text)
{
    if (index < 0 || index >= int(values_.size())) {
        if (text.empty())
            return false;
        AddValue(propertyId, text);
        return true;
    }
    tagVALUE& record = values_[index];
    if (IsRemoved(record.state))
        return false;  // a deleted value is not brought back by a rename
    record.state = StateAfterSet(record.state, record.VALUE_ANUM != text);
    record.VALUE_ANUM = text;
    return true;
}

bool CParamStore::DeleteValue(int index)
{
    if (index < 0 || index >= int(values_.size()) || IsRemoved(values_[index].state))
        return false;
    if (values_[index].state == RecordNew)
        values_.erase(values_.begin() + index);
    else
        values_[index].state = RecordDeleted;
    return true;
}

bool CParamStore::IsValueNameUnique(int index) const
{
    if (index < 0 || index >= int(values_.size()) || IsRemoved(values_[index].state))
        return true;
    const std::string& text = values_[index].VALUE_ANUM;
    if (text.empty())
        return false;
    for (int other = 0; other < int(values_.size()); ++other) {
        if (other != index && !IsRemoved(values_[other].state) &&
            SameTextIgnoringCase(values_[other].VALUE_ANUM, text))
            return false;
    }
    return true;
}

// ---- Reading parameters --------------------------------------------------------------------------

bool CParamStore::LoadParams()
{
    params_.clear();
    if (!rows_.Read("SELECT * FROM [Property] ORDER BY PROPERTY_ID;"))
        return false;
    CDbRecordset& rows = *rows_;
    const bool hasSortOrder = rows.FieldIndex("SORT_ORDER") >= 0;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        tagPARAM record;
        record.PROPERTY_ID = rows.GetValue("PROPERTY_ID").ToLong();
        record.PROPERTY_NAME = CDbConnection::VariantToText(rows.GetValue("PROPERTY_NAME"));
        record.TYPE_ID = rows.GetValue("TYPE_ID").ToLong();
        record.PRESCISION = uint32_t(rows.GetValue("PRESCISION").ToLong()) & 0xFF;
        record.SORT_ORDER = hasSortOrder ? rows.GetValue("SORT_ORDER").ToLong() : 0;
        record.ALPHABETIC_ORDER = rows.GetValue("ALPHABETIC_ORDER").ToBool();
        record.state = RecordLoaded;
        params_.push_back(std::move(record));
    }
    ColourListTarget colours(params_, &tagPARAM::PROPERTY_ID, &tagPARAM::textColour,
                             &tagPARAM::backgroundColour, &tagPARAM::colourFlags,
                             &tagPARAM::state);
    database_.LoadColors(COLOUR_OBJECT_PARAMETER, 0, colours);
    return !params_.empty();
}

std::string CParamStore::GetParamName(int32_t propertyId)
{
    if (!rows_.Read("SELECT * FROM [Property] ORDER BY PROPERTY_ID;"))
        return {};
    rows_->MoveFirst();
    if (!rows_->Find(SqlFormat("PROPERTY_ID=%d", propertyId)) || !rows_.HasRow())
        return {};
    return CDbConnection::VariantToText(rows_->GetValue("PROPERTY_NAME"));
}

int32_t CParamStore::GetParamType(int32_t propertyId)
{
    if (!rows_.Read(SqlFormat("SELECT * FROM [Property] WHERE PROPERTY_ID=%d ORDER BY TYPE_ID;",
                              propertyId)) ||
        !rows_.HasRow())
        return -1;
    return rows_->GetValue("TYPE_ID").ToLong();
}

std::string CParamStore::GetNumberFormat(const std::string& name)
{
    int precision = 0;
    if (rows_.Read("SELECT * FROM [Property] ORDER BY PROPERTY_NAME;") &&
        rows_->Find("PROPERTY_NAME=" + QuoteSqlText(name)) && rows_.HasRow())
        precision = rows_->GetValue("PRESCISION").ToLong() & 0xFF;
    return MakeNumberFormat(precision);
}

// ---- Saving parameters ---------------------------------------------------------------------------

bool CParamStore::CheckParamNames() const
{
    for (const tagPARAM& record : params_) {
        if (IsRemoved(record.state))
            continue;
        const std::string problem = ParamNameProblem(record.PROPERTY_NAME);
        if (!problem.empty()) {
            MessageBox(problem, {}, MB_OK | MB_ICONWARNING);
            return false;
        }
    }
    return true;
}

bool CParamStore::SaveParams()
{
    if (database_.RefuseWriteIfReadOnly() || !CheckParamNames())
        return false;
    CDbTransaction transaction(database_.Connection());
    if (!transaction.IsActive() ||
        !rows_.OpenForUpdate("SELECT * FROM [Property] ORDER BY PROPERTY_ID;")) {
        ShowSaveFailure(database_);
        return false;
    }
    // The records change only once the whole save is in the dataset.
    CParamArray saved = params_;
    for (tagPARAM& record : saved) {
        if (!SaveParam(record))
            return false;
    }
    if (!transaction.Commit()) {
        ShowSaveFailure(database_);
        return false;
    }
    params_ = std::move(saved);
    return true;
}

bool CParamStore::WriteParamFields(const tagPARAM& record)
{
    return rows_.Set("PROPERTY_NAME", CFieldValue::Text(record.PROPERTY_NAME)) &&
           rows_.Set("TYPE_ID", CFieldValue::Long(record.TYPE_ID)) &&
           rows_.Set("PRESCISION", CFieldValue::Byte(uint8_t(record.PRESCISION))) &&
           rows_.Set("SORT_ORDER", CFieldValue::Short(int16_t(record.SORT_ORDER))) &&
           rows_.Set("ALPHABETIC_ORDER", CFieldValue::Bool(record.ALPHABETIC_ORDER));
}

bool CParamStore::SaveParam(tagPARAM& record)
{
    CDbRecordset& rows = *rows_;
    switch (record.state) {
    case RecordNew:
        if (!rows.AddNew() || !WriteParamFields(record) || !rows_.Write())
            return false;
        record.PROPERTY_ID = rows_.Id("PROPERTY_ID");
        break;
    case RecordChanged: {
        rows.MoveFirst();
        if (!rows.Find(SqlFormat("PROPERTY_ID=%d", record.PROPERTY_ID)) || !rows_.HasRow())
            break;
        const int32_t storedType = rows.GetValue("TYPE_ID").ToLong();
        if (!WriteParamFields(record) || !rows_.Write())
            return false;
        if (storedType != record.TYPE_ID && !ApplyTypeChange(record.PROPERTY_ID, record.TYPE_ID))
            return false;
        break;
    }
    case RecordDeleted:
        rows.MoveFirst();
        if (!rows.Find(SqlFormat("PROPERTY_ID=%d", record.PROPERTY_ID)) || !rows_.HasRow())
            break;
        if (!ApplyDeletion(record.PROPERTY_ID))
            return false;
        if (!rows.Delete()) {
            ShowSaveFailure(database_);
            return false;
        }
        if (!database_.DeleteColors(COLOUR_OBJECT_PARAMETER, record.PROPERTY_ID)) {
            ShowSaveFailure(database_);
            return false;
        }
        break;
    default:
        break;
    }
    if ((record.colourFlags & (COLOUR_TEXT_SET | COLOUR_BACKGROUND_SET)) && !IsRemoved(record.state)) {
        if (!database_.SaveColor(COLOUR_OBJECT_PARAMETER, record.PROPERTY_ID, record.textColour,
                                 record.backgroundColour)) {
            ShowSaveFailure(database_);
            return false;
        }
        record.colourFlags = COLOUR_STORED;
    }
    // A deleted parameter has no row any more: it stays out of every list as discarded.
    record.state = IsRemoved(record.state) ? RecordDiscarded : RecordUnchanged;
    return true;
}

// A parameter's values mean nothing under another type: they go (and the item values and chosen
// condition values that name them go with them through the dataset's relations); the
// conditions on it lose their operation and arguments; a numeric parameter's footers get
// formula 2.
bool CParamStore::ApplyTypeChange(int32_t propertyId, int32_t type)
{
    if (!database_.Connection().ExecuteOn(
            *cascade_, SqlFormat("DELETE * FROM [Values] WHERE PROPERTY_ID=%d;", propertyId),
            LOCK_OPTIMISTIC)) {
        ShowSaveFailure(database_);
        return false;
    }

    const bool typeHasOperations =
        cascade_.Read(SqlFormat("SELECT * FROM [Operations] WHERE (Operations.FOR_ARGUMENT=True) "
                                "AND (Operations.TYPE_ID=%d);",
                                type)) &&
        cascade_.HasRow();
    if (typeHasOperations) {
        if (!cascade_.OpenForUpdate(
                SqlFormat("SELECT * FROM [Conditions] WHERE PROPERTY_ID=%d;", propertyId)))
            return false;
        for (; !cascade_->IsEOF(); cascade_->MoveNext()) {
            const bool cleared = cascade_.Set("OPERATION_ID", CFieldValue::Null()) &&
                                 cascade_.Set("ARGUMENT_ALPH", CFieldValue::Text("")) &&
                                 cascade_.Set("ARGUMENT_NUM", CFieldValue::Null()) &&
                                 cascade_.Set("ARGUMENT_NUM_2", CFieldValue::Null()) &&
                                 cascade_.Set("ARGUMENT_DATE", CFieldValue::Null()) &&
                                 cascade_.Set("ARGUMENT_DATE_2", CFieldValue::Null()) &&
                                 cascade_.Set("ALL_BUT", CFieldValue::Bool(false)) &&
                                 cascade_.Set("IS_MULTY", CFieldValue::Bool(false));
            if (!cleared || !cascade_.Write())
                return false;
        }
    }

    if (type == TYPE_NUMERIC) {
        if (!cascade_.OpenForUpdate(SqlFormat("SELECT * FROM [Footer] WHERE PROPERTY_ID=%d;", propertyId)))
            return false;
        for (; !cascade_->IsEOF(); cascade_->MoveNext()) {
            if (!cascade_.Set("FORMULA_ID", CFieldValue::Long(2)) || !cascade_.Write())
                return false;
        }
    }
    return true;
}

// The first query (in QUERY_ID order) that sorts by the parameter loses that sort key: the keys
// after it move up, its column width is shared out among the columns after it, and its saved
// permutations, made for the old columns, are deleted. The rows that merely name the parameter
// go with it through the dataset's relations.
bool CParamStore::ApplyDeletion(int32_t propertyId)
{
    if (!cascade_.OpenForUpdate("SELECT * FROM [SortOrder] ORDER BY QUERY_ID;"))
        return false;
    if (!cascade_->Find(SqlFormat("PROPERTY_ID=%d", propertyId)) || !cascade_.HasRow())
        return true;
    const int32_t queryId = cascade_->GetValue("QUERY_ID").ToLong();

    // In rank order, so that the remaining keys keep their order.
    if (!cascade_.OpenForUpdate(
            SqlFormat("SELECT * FROM [SortOrder] WHERE QUERY_ID=%d ORDER BY SORT_ORDER;", queryId)))
        return false;
    int16_t rank = 0;
    for (; !cascade_->IsEOF(); cascade_->MoveNext()) {
        if (cascade_->GetValue("PROPERTY_ID").ToLong() == propertyId) {
            if (!AdjustColumnWidths(queryId, cascade_->GetValue("SORT_ORDER").ToLong()))
                return false;
            continue;
        }
        if (!cascade_.Set("SORT_ORDER", CFieldValue::Short(rank)) || !cascade_.Write())
            return false;
        ++rank;
    }

    if (cascade_.Read(SqlFormat("SELECT * FROM [Combo] WHERE Combo.QUERY_ID=%d", queryId)) &&
        cascade_.HasRow() &&
        !database_.Connection().ExecuteOn(
            *cascade_,
            SqlFormat("DELETE Combo.COMBO_ID, Combo.QUERY_NAME, Combo.QUERY_ID FROM Combo WHERE "
                      "(((Combo.QUERY_ID)=%d));",
                      queryId),
            LOCK_OPTIMISTIC)) {
        ShowSaveFailure(database_);
        return false;
    }
    return true;
}

// The result list's columns 0 and 1 are the row number and the links; the parameter of sort
// rank r is column r + 2. Its width row goes, and its width is shared among the columns after
// the first two, which are renumbered from 2 in order.
bool CParamStore::AdjustColumnWidths(int32_t queryId, int32_t sortRank)
{
    if (!widths_.OpenForUpdate(SqlFormat("SELECT * FROM [Sizes] WHERE (QUERY_ID=%d) AND (COL_NUM=%d);",
                                         queryId, sortRank + 2)))
        return false;
    int32_t width = 0;
    if (widths_.HasRow()) {
        width = widths_->GetValue("COL_SIZE").ToLong();
        if (!widths_->Delete()) {
            ShowSaveFailure(database_);
            return false;
        }
    }
    if (!widths_.OpenForUpdate(
            SqlFormat("SELECT * FROM [Sizes] WHERE (QUERY_ID=%d) ORDER BY COL_NUM;", queryId)))
        return false;
    const long count = widths_->RecordCount();
    if (count <= 2)
        return true;
    const int32_t share = width / int32_t(count - 2);
    widths_->MoveFirst();
    widths_->Move(2);
    for (int16_t column = 2; !widths_->IsEOF(); widths_->MoveNext(), ++column) {
        if (!widths_.Set("COL_NUM", CFieldValue::Short(column)))
            return false;
        if (share != 0 &&
            !widths_.Set("COL_SIZE", CFieldValue::Short(int16_t(widths_->GetValue("COL_SIZE").ToLong() + share))))
            return false;
        if (!widths_.Write())
            return false;
    }
    return true;
}

// ---- Values --------------------------------------------------------------------------------------

bool CParamStore::LoadValueList(int32_t propertyId, CValueArray& list)
{
    list.clear();
    const int index = FindParamIndex(propertyId);
    const char* order = index >= 0 && params_[index].ALPHABETIC_ORDER ? "VALUE_ANUM" : "VALUE_ID";
    if (!rows_.Read(SqlFormat("SELECT VALUE_ID, VALUE_ANUM, PROPERTY_ID FROM [Values] WHERE "
                              "PROPERTY_ID=%d ORDER BY %s;",
                              propertyId, order)))
        return false;
    for (CDbRecordset& rows = *rows_; !rows.IsEOF(); rows.MoveNext()) {
        const CFieldValue text = rows.GetValue("VALUE_ANUM");
        if (text.IsEmptyOrNull())  // a numeric or date value, or a broken row: no choice
            continue;
        tagVALUE record;
        record.VALUE_ID = rows.GetValue("VALUE_ID").ToLong();
        record.VALUE_ANUM = CDbConnection::VariantToText(text);
        record.PROPERTY_ID = rows.GetValue("PROPERTY_ID").ToLong();
        list.push_back(std::move(record));
    }
    return !list.empty();
}

bool CParamStore::LoadValues(int32_t propertyId)
{
    const bool loaded = LoadValueList(propertyId, values_);
    loadedValueCount_ = int(values_.size());
    return loaded;
}

bool CParamStore::LoadChoices(int32_t propertyId)
{
    return LoadValueList(propertyId, choices_);
}

bool CParamStore::SaveValues()
{
    if (database_.RefuseWriteIfReadOnly())
        return false;
    CDbTransaction transaction(database_.Connection());
    if (!transaction.IsActive()) {
        ShowSaveFailure(database_);
        return false;
    }
    CValueArray saved = values_;
    for (tagVALUE& record : saved) {
        if (!SaveValue(record))
            return false;
    }
    if (!transaction.Commit()) {
        ShowSaveFailure(database_);
        return false;
    }
    values_ = std::move(saved);
    return true;
}

// Each value is found by its key: the Values table also holds one row per numeric or date item
// value, far too many to read for a rename.
bool CParamStore::SaveValue(tagVALUE& record)
{
    switch (record.state) {
    case RecordNew:
        if (!rows_.OpenRow("Values", "VALUE_ID", 0) || !rows_->AddNew() ||
            !rows_.Set("VALUE_ANUM", CFieldValue::Text(record.VALUE_ANUM)) ||
            !rows_.Set("PROPERTY_ID", CFieldValue::Long(record.PROPERTY_ID)) || !rows_.Write())
            return false;
        record.VALUE_ID = rows_.Id("VALUE_ID");
        record.state = RecordUnchanged;
        break;
    case RecordChanged:
        if (!rows_.OpenRow("Values", "VALUE_ID", record.VALUE_ID))
            return false;
        if (rows_.HasRow() &&
            (!rows_.Set("VALUE_ANUM", CFieldValue::Text(record.VALUE_ANUM)) || !rows_.Write()))
            return false;
        record.state = RecordUnchanged;
        break;
    case RecordDeleted:
        if (!rows_.OpenRow("Values", "VALUE_ID", record.VALUE_ID))
            return false;
        if (rows_.HasRow() && !rows_->Delete()) {
            ShowSaveFailure(database_);
            return false;
        }
        record.state = RecordDiscarded;
        break;
    default:
        break;
    }
    return true;
}

bool CParamStore::IsValueUnused(int32_t valueId)
{
    if (!rows_.Read(SqlFormat("SELECT * FROM [ItemValues] WHERE VALUE_ID=%d", valueId)))
        return true;
    return !rows_.HasRow();
}

std::string CParamStore::GetValueText(int32_t valueId)
{
    if (!rows_.Read(SqlFormat("SELECT * FROM [Values] WHERE VALUE_ID=%d;", valueId)) || !rows_.HasRow())
        return {};
    return CDbConnection::VariantToText(rows_->GetValue("VALUE_ANUM"));
}
