// The items store: the item list, the current item and its values, links and description, and
// their saves.
#include "store/ItemStore.h"

#include "platform/MessageBox.h"
#include "store/DbTransaction.h"
#include "store/DovaneDatabase.h"
#include "store/Formats.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr int kCopyIdentifierLimit = 49;  // characters of a duplicate's identifier

// The first `count` characters of a UTF-8 text; a character is never split.
std::string LeftCharacters(const std::string& text, int count)
{
    size_t end = 0;
    for (int taken = 0; end < text.size(); ++taken) {
        if (taken == count)
            break;
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
    }
    return text.substr(0, end);
}

}  // namespace

CItemStore::CItemStore(CDovaneDatabase& database)
    : database_(database), rows_(database), lookup_(database)
{
}

void CItemStore::Clear()
{
    items_.clear();
    loadedCount_ = 0;
    linkTargets_.clear();
    ForgetCurrent();
    rememberedIndex_ = 0;
    positioned_ = false;
    copy_ = false;
}

void CItemStore::ReleaseRecordsets()
{
    rows_.Close();
    lookup_.Close();
}

void CItemStore::ForgetCurrent()
{
    current_ = CurrentItem{};
    snapshot_ = current_;
    values_.clear();
    links_.clear();
    ClearDescription();
}

void CItemStore::ClearDescription()
{
    descriptionId_ = 0;
    descriptionState_ = RecordNew;
    description_.clear();
}

// ---- Moving through the list -------------------------------------------------------------------

void CItemStore::JumpToItem(int index)
{
    rememberedIndex_ = index;
    positioned_ = true;
}

bool CItemStore::StepItem(bool forward, bool wrap)
{
    const int count = int(items_.size());
    if (count == 0)
        return false;
    int target = current_.index + (forward ? 1 : -1);
    if (target >= count || target < 0) {
        if (!wrap)
            return false;
        target = forward ? 0 : count - 1;
    }
    if (IsRemoved(items_[target].state))
        return false;
    return ShowItem(target);
}

bool CItemStore::MoveItem(bool forward)
{
    const int step = forward ? 1 : -1;
    if (positioned_) {
        // Follow the dataset's rows (the entries read by the last load), over removed ones.
        for (int row = std::min(current_.index, loadedCount_) + step; row >= 0 && row < loadedCount_;
             row += step) {
            if (!IsRemoved(items_[row].state))
                return ShowItem(row);
        }
        return false;
    }
    for (int index = current_.index + step; IsIndex(index); index += step) {
        if (items_[index].state == RecordLoaded)
            return ShowItem(index);
    }
    return false;
}

bool CItemStore::IsFirstItem() const
{
    const int end = std::min(current_.index, int(items_.size()));
    for (int index = 0; index < end; ++index) {
        if (!IsRemoved(items_[index].state))
            return false;
    }
    return true;
}

bool CItemStore::IsLastItem() const
{
    for (int index = std::max(current_.index + 1, 0); index < int(items_.size()); ++index) {
        if (!IsRemoved(items_[index].state))
            return false;
    }
    return true;
}

// ---- Creating, deleting and editing ------------------------------------------------------------

void CItemStore::CreateItem(bool copy)
{
    rememberedIndex_ = std::max(current_.index, 0);
    copy_ = copy;
    std::string identifier = "NEW ITEM";
    std::string note;
    if (copy) {
        identifier = LeftCharacters("Copy of " + current_.ITEM_IDENTIFIER, kCopyIdentifierLimit);
        note = current_.ITEM_NOTE;
        // The copy's values and links are written as new rows of its own.
        for (tagVALUE& value : values_) {
            if (value.ITEMVALUE_ID != 0)
                value.ITEMVALUE_ID = 0;
            else
                value.flags |= VALUE_COPIED_WITHOUT_ROW;
            value.state = RecordNew;
        }
        for (tagLINK& link : links_) {
            link.LINK_ID = 0;
            // A link the user removed from the source is not copied.
            link.state = IsRemoved(link.state) ? RecordDiscarded : RecordNew;
        }
    } else {
        description_.clear();
        values_.clear();
        links_.clear();
    }
    descriptionId_ = 0;
    descriptionState_ = RecordNew;

    tagITEMID entry;
    entry.state = RecordNew;
    entry.ITEM_IDENTIFIER = identifier;
    items_.push_back(entry);

    current_ = CurrentItem{};
    current_.state = RecordNew;
    current_.index = int(items_.size()) - 1;
    current_.ITEM_IDENTIFIER = identifier;
    current_.ITEM_NOTE = note;
    snapshot_ = current_;
}

int CItemStore::DeleteItem(bool stay)
{
    if (!IsIndex(current_.index) || IsRemoved(items_[current_.index].state))
        return -1;
    rememberedIndex_ = current_.index;
    tagITEMID& entry = items_[current_.index];
    entry.state = StateAfterDelete(entry.state);
    current_.state = entry.state;
    if (stay)
        return 1;
    if (MoveItem(false))
        return 1;
    if (MoveItem(true))
        return 0;
    return -1;
}

void CItemStore::SetItemText(const std::string& identifier, const std::string& note)
{
    if (snapshot_.ITEM_ID == current_.ITEM_ID && snapshot_.state == current_.state)
        snapshot_ = current_;
    if (IsIndex(current_.index)) {
        tagITEMID& entry = items_[current_.index];
        if (entry.state == RecordLoaded)
            entry.state = RecordChanged;
        entry.ITEM_IDENTIFIER = identifier;
    }
    if (current_.state == RecordLoaded)
        current_.state = RecordChanged;
    current_.ITEM_IDENTIFIER = identifier;
    current_.ITEM_NOTE = note;
}

bool CItemStore::SetItemColour(int index, COLORREF colour, bool isText)
{
    if (!IsIndex(index))
        return false;
    tagITEMID& entry = items_[index];
    SetUserColour(entry, colour, isText);
    if (index == current_.index) {
        current_.textColour = entry.textColour;
        current_.backgroundColour = entry.backgroundColour;
    }
    return true;
}

bool CItemStore::GetItemColours(int32_t itemId, COLORREF& text, COLORREF& background) const
{
    const int index = FindItemIndex(itemId);
    if (index < 0 || !(items_[index].colourFlags & COLOUR_STORED))
        return false;
    text = items_[index].textColour;
    background = items_[index].backgroundColour;
    return true;
}

int CItemStore::FindItemIndex(int32_t itemId) const
{
    // The loaded entries are in ITEM_ID order; entries appended since follow them.
    const auto loadedEnd = items_.begin() + std::min<size_t>(loadedCount_, items_.size());
    const auto found = std::lower_bound(
        items_.begin(), loadedEnd, itemId,
        [](const tagITEMID& entry, int32_t id) { return entry.ITEM_ID < id; });
    if (found != loadedEnd && found->ITEM_ID == itemId)
        return int(found - items_.begin());
    for (auto entry = loadedEnd; entry != items_.end(); ++entry) {
        if (entry->ITEM_ID == itemId)
            return int(entry - items_.begin());
    }
    return -1;
}

int32_t CItemStore::GetItemId(int index) const
{
    return IsIndex(index) ? items_[index].ITEM_ID : -1;
}

// ---- Links -------------------------------------------------------------------------------------

int CItemStore::AddLink(int32_t targetItemId)
{
    tagLINK link;
    link.ITEM_LINK_ID = targetItemId;
    link.state = RecordNew;
    links_.push_back(link);
    return int(links_.size()) - 1;
}

bool CItemStore::RemoveLink(int index)
{
    if (index < 0 || index >= int(links_.size()) || IsRemoved(links_[index].state))
        return false;
    links_[index].state = StateAfterDelete(links_[index].state);
    return true;
}

void CItemStore::BuildLinkTargets(int32_t itemId)
{
    linkTargets_.clear();
    std::vector<int32_t> linked;
    for (const tagLINK& link : links_) {
        if (!IsRemoved(link.state))
            linked.push_back(link.ITEM_LINK_ID);
    }
    std::sort(linked.begin(), linked.end());
    for (const tagITEMID& entry : items_) {
        // Only items that have a row can be linked to.
        if (entry.ITEM_ID <= 0 || entry.ITEM_ID == itemId || IsRemoved(entry.state) ||
            std::binary_search(linked.begin(), linked.end(), entry.ITEM_ID))
            continue;
        linkTargets_.push_back(entry);
    }
}

// ---- Description -------------------------------------------------------------------------------

void CItemStore::SetDescription(const std::string& text)
{
    if (text != description_)
        MarkDescriptionChanged();
    description_ = text;
}

void CItemStore::MarkDescriptionChanged()
{
    if (descriptionState_ != RecordNew)
        descriptionState_ = RecordChanged;
}

// ---- Values of the current item ----------------------------------------------------------------

namespace {

// A decimal number with a period, the whole text (blanks around it allowed).
bool ReadDecimalNumber(const std::string& text, double& number)
{
    size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return false;
    const size_t end = text.find_last_not_of(" \t") + 1;
    if (text[begin] == '+')
        ++begin;
    const auto result = std::from_chars(text.data() + begin, text.data() + end, number,
                                        std::chars_format::fixed);
    return result.ec == std::errc() && result.ptr == text.data() + end;
}

}  // namespace

bool CItemStore::SetItemValue(int32_t propertyId, const std::string& text, int32_t choice,
                              std::optional<AutomationDate> date)
{
    const auto record = std::find_if(values_.begin(), values_.end(), [&](const tagVALUE& value) {
        return value.PROPERTY_ID == propertyId;
    });
    if (record == values_.end())
        return false;
    if (record->VALUE_ANUM == text) {
        record->state = StateAfterSet(record->state, false);
        return true;
    }
    record->VALUE_ANUM = text;
    record->state = StateAfterSet(record->state, true);
    // A value the user gives a copy is the copy's own, whatever the source had.
    record->flags &= ~VALUE_COPIED_WITHOUT_ROW;
    switch (record->TYPE_ID) {
    case TYPE_ALPHANUMERIC:
        if (choice != 0)
            record->VALUE_ID = choice;
        if (choice < 0)
            record->state = StateAfterDelete(record->state);
        break;
    case TYPE_NUMERIC: {
        double number = 0.0;
        record->noNumber = !ReadDecimalNumber(text, number);
        record->VALUE_NUMBER = record->noNumber ? 0.0f : static_cast<float>(number);
        break;
    }
    case TYPE_DATETIME:
        record->noDate = !(date && date->IsValid());
        if (!record->noDate)
            record->VALUE_DATE = *date;
        break;
    default:
        break;
    }
    return true;
}

// ---- Reading items -------------------------------------------------------------------------------

bool CItemStore::LoadItems()
{
    // The remembered entry is found again by its identifier: removed rows shift the indexes.
    const int32_t rememberedId = IsIndex(rememberedIndex_) && !IsRemoved(items_[rememberedIndex_].state)
                                     ? items_[rememberedIndex_].ITEM_ID
                                     : 0;
    items_.clear();
    if (rows_.Read("SELECT * FROM ItemSet ORDER BY ITEM_ID;")) {
        CDbRecordset& rows = *rows_;
        const int idField = rows.FieldIndex("ITEM_ID");
        const int identifierField = rows.FieldIndex("ITEM_IDENTIFIER");
        items_.reserve(size_t(std::max(rows.RecordCount(), 0L)));
        for (; !rows.IsEOF(); rows.MoveNext()) {
            tagITEMID entry;
            entry.ITEM_ID = rows.GetValue(idField).ToLong();
            entry.ITEM_IDENTIFIER = CDbConnection::VariantToText(rows.GetValue(identifierField));
            items_.push_back(std::move(entry));
        }
        rows.Close();
    }
    loadedCount_ = int(items_.size());
    ColourListTarget colours(items_, &tagITEMID::ITEM_ID, &tagITEMID::textColour,
                             &tagITEMID::backgroundColour, &tagITEMID::colourFlags,
                             &tagITEMID::state);
    database_.LoadColors(COLOUR_OBJECT_ITEM, 0, colours);

    if (rememberedId > 0) {
        const int found = FindItemIndex(rememberedId);
        if (found >= 0)
            rememberedIndex_ = found;
    }
    // The current item keeps its place only while it is still in the list.
    current_.index = current_.ITEM_ID > 0 ? FindItemIndex(current_.ITEM_ID) : -1;
    if (current_.index < 0)
        ForgetCurrent();
    return !items_.empty();
}

bool CItemStore::ShowItem(int index)
{
    if (!IsIndex(index))
        return false;
    tagITEMID& entry = items_[index];
    if (!rows_.Read(SqlFormat("SELECT * FROM [ItemSet] WHERE ITEM_ID=%d;", entry.ITEM_ID)) ||
        !rows_.HasRow())
        return false;
    current_ = CurrentItem{};
    current_.ITEM_ID = entry.ITEM_ID;
    current_.state = RecordLoaded;
    current_.index = index;
    current_.backgroundColour = entry.backgroundColour;
    current_.textColour = entry.textColour;
    current_.ITEM_IDENTIFIER = CDbConnection::VariantToText(rows_->GetValue("ITEM_IDENTIFIER"));
    const CFieldValue note = rows_->GetValue("ITEM_NOTE");
    current_.ITEM_NOTE = note.IsEmptyOrNull() ? std::string() : note.ToText();
    rows_->Close();
    // Showing an item reads it afresh: edits of it that were not saved are dropped.
    if (entry.state == RecordChanged) {
        entry.state = RecordLoaded;
        entry.ITEM_IDENTIFIER = current_.ITEM_IDENTIFIER;
    }
    snapshot_ = current_;
    rememberedIndex_ = index;
    copy_ = false;  // an item of the list is shown: no copy is pending any more
    LoadDescription();
    return true;
}

std::string CItemStore::GetItemIdentifier(int32_t itemId)
{
    if (!lookup_.Read(SqlFormat("SELECT * FROM [ItemSet] WHERE ITEM_ID=%d;", itemId)) ||
        !lookup_.HasRow())
        return {};
    return CDbConnection::VariantToText(lookup_->GetValue("ITEM_IDENTIFIER"));
}

bool CItemStore::ItemExists(int32_t itemId)
{
    return itemId > 0 &&
           lookup_.Read(SqlFormat("SELECT ITEM_ID FROM [ItemSet] WHERE ITEM_ID=%d;", itemId)) &&
           lookup_.HasRow();
}

void CItemStore::ReloadAfterSave()
{
    LoadItems();
    if (items_.empty())
        return;
    ShowItem(std::clamp(rememberedIndex_, 0, int(items_.size()) - 1));
}

// ---- Saving items --------------------------------------------------------------------------------

bool CItemStore::SaveItems()
{
    if (database_.RefuseWriteIfReadOnly())
        return false;
    CDbTransaction transaction(database_.Connection());
    if (!transaction.IsActive()) {
        ShowSaveFailure(database_);
        return false;
    }
    std::vector<EntryUpdate> updates;
    std::vector<int32_t> freedValues;
    for (int index = 0; index < int(items_.size()); ++index) {
        const tagITEMID& entry = items_[index];
        const bool written = entry.state == RecordNew || entry.state == RecordChanged ||
                             entry.state == RecordDeleted;
        if (!written && !(entry.colourFlags & (COLOUR_TEXT_SET | COLOUR_BACKGROUND_SET)))
            continue;
        EntryUpdate update{index, entry.ITEM_ID, entry.state, entry.colourFlags};
        if (!SaveEntry(index, update, freedValues))
            return false;
        updates.push_back(update);
    }
    if (!RemoveUnusedValues(freedValues) || !transaction.Commit()) {
        ShowSaveFailure(database_);
        return false;
    }

    for (const EntryUpdate& update : updates) {
        tagITEMID& entry = items_[update.index];
        entry.ITEM_ID = update.itemId;
        entry.state = update.state;
        entry.colourFlags = update.colourFlags;
        if (update.index == current_.index) {
            current_.ITEM_ID = update.itemId;
            current_.state = update.state;
            snapshot_ = current_;
        }
    }
    return true;
}

// Writes one entry. Only the current item's note is known; any other entry (which the screens
// never leave changed) keeps the note it has in the dataset.
bool CItemStore::SaveEntry(int index, EntryUpdate& update, std::vector<int32_t>& freedValues)
{
    const tagITEMID& entry = items_[index];
    const bool isCurrent = index == current_.index;
    const std::string& identifier = isCurrent ? current_.ITEM_IDENTIFIER : entry.ITEM_IDENTIFIER;
    const auto writeTexts = [&] {
        if (!rows_.Set("ITEM_IDENTIFIER", CFieldValue::Text(identifier)))
            return false;
        if (!isCurrent)
            return true;
        return rows_.Set("ITEM_NOTE", current_.ITEM_NOTE.empty()
                                          ? CFieldValue::Null()
                                          : CFieldValue::Text(current_.ITEM_NOTE));
    };
    switch (entry.state) {
    case RecordNew:
        if (!rows_.OpenRow("ItemSet", "ITEM_ID", 0) || !rows_->AddNew() || !writeTexts() ||
            !rows_.Write())
            return false;
        update.itemId = rows_.Id("ITEM_ID");
        update.state = RecordLoaded;
        break;
    case RecordChanged:
        if (!rows_.OpenRow("ItemSet", "ITEM_ID", entry.ITEM_ID))
            return false;
        if (rows_.HasRow() && (!writeTexts() || !rows_.Write()))
            return false;
        update.state = RecordLoaded;
        break;
    case RecordDeleted:
        // The item's values, links and description go with its row (the dataset's relations);
        // its numeric and date values are its own and are removed after it.
        if (!CollectNumericValues(entry.ITEM_ID, freedValues) ||
            !rows_.OpenRow("ItemSet", "ITEM_ID", entry.ITEM_ID))
            return false;
        if (rows_.HasRow() && !rows_->Delete()) {
            ShowSaveFailure(database_);
            return false;
        }
        if (!database_.DeleteColors(COLOUR_OBJECT_ITEM, entry.ITEM_ID)) {
            ShowSaveFailure(database_);
            return false;
        }
        update.state = RecordDiscarded;
        break;
    default:
        break;
    }
    if ((entry.colourFlags & (COLOUR_TEXT_SET | COLOUR_BACKGROUND_SET)) &&
        !IsRemoved(update.state) && update.itemId > 0) {
        if (!database_.SaveColor(COLOUR_OBJECT_ITEM, update.itemId, entry.textColour,
                                 entry.backgroundColour)) {
            ShowSaveFailure(database_);
            return false;
        }
        update.colourFlags = COLOUR_STORED;
    }
    return true;
}

bool CItemStore::CollectNumericValues(int32_t itemId, std::vector<int32_t>& valueIds)
{
    if (!lookup_.Read(SqlFormat(
            "SELECT ItemValues.VALUE_ID FROM (ItemValues INNER JOIN [Values] ON "
            "ItemValues.VALUE_ID = Values.VALUE_ID) INNER JOIN Property ON Values.PROPERTY_ID = "
            "Property.PROPERTY_ID WHERE (((Property.TYPE_ID)<>1) AND ((ItemValues.ITEM_ID)=%d));",
            itemId)))
        return false;
    for (; !lookup_->IsEOF(); lookup_->MoveNext())
        valueIds.push_back(lookup_->GetValue(0).ToLong());
    return true;
}

// Numeric and date values are one row per item value: once no item carries one it goes.
// Alphanumeric values are never removed here: they form the parameter's choice list.
bool CItemStore::RemoveUnusedValues(const std::vector<int32_t>& valueIds)
{
    for (int32_t valueId : valueIds) {
        if (!lookup_.Read(SqlFormat("SELECT ITEMVALUE_ID FROM [ItemValues] WHERE VALUE_ID=%d;", valueId)))
            return false;
        if (lookup_.HasRow())
            continue;
        if (!database_.Connection().ExecuteOn(
                *lookup_, SqlFormat("DELETE * FROM [Values] WHERE VALUE_ID=%d;", valueId),
                LOCK_OPTIMISTIC))
            return false;
    }
    return true;
}

// ---- Values of the current item ------------------------------------------------------------------

std::string CItemStore::FormatItemValue(const tagVALUE& record) const
{
    if (record.TYPE_ID == TYPE_NUMERIC) {
        if (record.noNumber)
            return {};
        const CParamStore& params = database_.Params();
        const tagPARAM* param = params.ParamAt(params.FindParamIndex(record.PROPERTY_ID));
        return FormatNumber(record.VALUE_NUMBER, param ? int(param->PRESCISION) : 0);
    }
    if (record.TYPE_ID == TYPE_DATETIME)
        return record.noDate ? std::string() : FormatShortDate(record.VALUE_DATE);
    return record.VALUE_ANUM;
}

void CItemStore::LoadItemValues(int32_t itemId)
{
    if (itemId == 0 && copy_)
        return;
    values_.clear();
    if (!rows_.Read("SELECT Property.PROPERTY_ID, Property.PROPERTY_NAME, Property.TYPE_ID, "
                    "Type.TYPE FROM Type INNER JOIN Property ON Type.TYPE_ID = Property.TYPE_ID "
                    "ORDER BY Property.SORT_ORDER;"))
        return;
    for (; !rows_->IsEOF(); rows_->MoveNext()) {
        tagVALUE record;
        record.PROPERTY_ID = rows_->GetValue("PROPERTY_ID").ToLong();
        record.TYPE_ID = rows_->GetValue("TYPE_ID").ToLong();
        record.state = RecordNew;
        record.noNumber = true;
        record.noDate = true;
        if (record.TYPE_ID == TYPE_ALPHANUMERIC &&
            lookup_.Read(SqlFormat("SELECT VALUE_ID, VALUE_ANUM, PROPERTY_ID FROM [Values] WHERE "
                                   "PROPERTY_ID=%d ORDER BY VALUE_ANUM;",
                                   record.PROPERTY_ID)) &&
            lookup_.HasRow())
            record.VALUE_ID = lookup_->GetValue("VALUE_ID").ToLong();
        values_.push_back(std::move(record));
    }

    for (tagVALUE& record : values_) {
        if (!rows_.Read(SqlFormat(
                "SELECT ItemValues.ITEMVALUE_ID, ItemValues.VALUE_ID, Values.PROPERTY_ID, "
                "Values.VALUE_DATE, Values.VALUE_NUMBER, Values.VALUE_ANUM, "
                "Property.PROPERTY_NAME, Property.TYPE_ID, Type.TYPE FROM (Type INNER JOIN "
                "(Property INNER JOIN [Values] ON Property.PROPERTY_ID = Values.PROPERTY_ID) ON "
                "Type.TYPE_ID = Property.TYPE_ID) INNER JOIN ItemValues ON Values.VALUE_ID = "
                "ItemValues.VALUE_ID WHERE (((Values.PROPERTY_ID)=%d) AND "
                "((ItemValues.ITEM_ID)=%d)) ORDER BY Values.PROPERTY_ID;",
                record.PROPERTY_ID, itemId)))
            continue;
        bool found = false;
        for (; !rows_->IsEOF(); rows_->MoveNext()) {  // the last row wins
            found = true;
            record.VALUE_ID = rows_->GetValue("VALUE_ID").ToLong();
            record.ITEMVALUE_ID = rows_->GetValue("ITEMVALUE_ID").ToLong();
            const CFieldValue number = rows_->GetValue("VALUE_NUMBER");
            record.noNumber = number.IsEmptyOrNull();
            record.VALUE_NUMBER = record.noNumber ? 0.0f : float(number.ToDouble());
            const CFieldValue date = rows_->GetValue("VALUE_DATE");
            record.noDate = date.IsEmptyOrNull();
            record.VALUE_DATE = record.noDate ? AutomationDate() : date.ToDate();
            record.VALUE_ANUM = CDbConnection::VariantToText(rows_->GetValue("VALUE_ANUM"));
        }
        if (found) {
            record.state = RecordLoaded;
            // A number or date is shown, and compared when set again, as the screens show it.
            if (record.TYPE_ID != TYPE_ALPHANUMERIC)
                record.VALUE_ANUM = FormatItemValue(record);
        } else if (record.TYPE_ID == TYPE_ALPHANUMERIC) {
            record.state = RecordUnchanged;
        }
        // A numeric or date record without a row stays New: the next save gives it one.
    }
}

bool CItemStore::SaveItemValues(int32_t itemId)
{
    if (database_.RefuseWriteIfReadOnly())
        return false;
    if (itemId <= 0)
        return false;
    CDbTransaction transaction(database_.Connection());
    if (!transaction.IsActive()) {
        ShowSaveFailure(database_);
        return false;
    }
    CValueArray saved = values_;
    // First the numbers and dates go to Values, then every record's ItemValues row.
    std::vector<bool> skip(saved.size(), false);
    for (size_t i = 0; i < saved.size(); ++i) {
        bool skipRecord = false;
        if (!SaveValueRow(saved[i], skipRecord))
            return false;
        skip[i] = skipRecord;
    }
    for (size_t i = 0; i < saved.size(); ++i) {
        if (!skip[i] && !SaveItemValueRow(itemId, saved[i]))
            return false;
    }
    if (!transaction.Commit()) {
        ShowSaveFailure(database_);
        return false;
    }
    values_ = std::move(saved);
    return true;
}

namespace {

// A copied value whose source item had no row for it gets none either.
bool IsCopiedWithoutRow(const tagVALUE& record)
{
    return (record.flags & VALUE_COPIED_WITHOUT_ROW) && record.ITEMVALUE_ID == 0;
}

}  // namespace

bool CItemStore::SaveValueRow(tagVALUE& record, bool& skip)
{
    const bool numeric = record.TYPE_ID == TYPE_NUMERIC;
    if (!numeric && record.TYPE_ID != TYPE_DATETIME)
        return true;  // an alphanumeric record keeps the identifier of the chosen value
    const auto writeValue = [&] {
        if (!rows_.Set("PROPERTY_ID", CFieldValue::Long(record.PROPERTY_ID)))
            return false;
        if (numeric)
            return rows_.Set("VALUE_NUMBER", record.noNumber ? CFieldValue::Null()
                                                             : CFieldValue::Single(record.VALUE_NUMBER));
        return rows_.Set("VALUE_DATE", record.noDate ? CFieldValue::Null()
                                                     : CFieldValue::Date(record.VALUE_DATE.Value()));
    };
    if (record.state == RecordNew) {
        if (IsCopiedWithoutRow(record))
            return true;
        if (!rows_.OpenRow("Values", "VALUE_ID", 0) || !rows_->AddNew() || !writeValue() ||
            !rows_.Write())
            return false;
        record.VALUE_ID = rows_.Id("VALUE_ID");
    } else if (record.state == RecordChanged) {
        if (!rows_.OpenRow("Values", "VALUE_ID", record.VALUE_ID))
            return false;
        if (!rows_.HasRow()) {
            skip = true;  // its row is gone: nothing may point to it
            return true;
        }
        if (!writeValue() || !rows_.Write())
            return false;
    }
    return true;
}

bool CItemStore::SaveItemValueRow(int32_t itemId, tagVALUE& record)
{
    const auto addRow = [&] {
        if (!rows_.OpenRow("ItemValues", "ITEMVALUE_ID", 0) || !rows_->AddNew() ||
            !rows_.Set("ITEM_ID", CFieldValue::Long(itemId)) ||
            !rows_.Set("VALUE_ID", CFieldValue::Long(record.VALUE_ID)) || !rows_.Write())
            return false;
        record.ITEMVALUE_ID = rows_.Id("ITEMVALUE_ID");
        record.state = RecordLoaded;
        return true;
    };
    // Only a value that exists can be given to the item (0: the parameter has no values yet).
    const bool hasValue = record.VALUE_ID > 0;
    switch (record.state) {
    case RecordChanged:
        if (!hasValue)
            return true;
        if (record.ITEMVALUE_ID == 0)
            return addRow();
        if (!rows_.OpenRow("ItemValues", "ITEMVALUE_ID", record.ITEMVALUE_ID))
            return false;
        if (rows_.HasRow() && (!rows_.Set("ITEM_ID", CFieldValue::Long(itemId)) ||
                               !rows_.Set("VALUE_ID", CFieldValue::Long(record.VALUE_ID)) ||
                               !rows_.Write()))
            return false;
        record.state = RecordLoaded;
        return true;
    case RecordDeleted:
        if (record.ITEMVALUE_ID > 0) {
            if (!rows_.OpenRow("ItemValues", "ITEMVALUE_ID", record.ITEMVALUE_ID))
                return false;
            if (rows_.HasRow() && !rows_->Delete()) {
                ShowSaveFailure(database_);
                return false;
            }
        }
        // The item has no value of this parameter now.
        record.ITEMVALUE_ID = 0;
        record.state = RecordUnchanged;
        return true;
    case RecordNew:
        if (!hasValue || IsCopiedWithoutRow(record))
            return true;
        return addRow();
    default:
        return true;
    }
}

// ---- Links ---------------------------------------------------------------------------------------

bool CItemStore::LoadLinks(int32_t itemId)
{
    if (itemId == 0 && copy_)
        return true;
    links_.clear();
    if (!rows_.Read(SqlFormat("SELECT * FROM [Hyperlink] WHERE ITEM_ID=%d ORDER BY LINK_ID;", itemId)))
        return false;
    for (; !rows_->IsEOF(); rows_->MoveNext()) {
        tagLINK link;
        link.LINK_ID = rows_->GetValue("LINK_ID").ToLong();
        link.ITEM_LINK_ID = rows_->GetValue("ITEM_LINK_ID").ToLong();
        link.state = RecordLoaded;
        links_.push_back(link);
    }
    return true;
}

bool CItemStore::HasLinks(int32_t itemId)
{
    return lookup_.Read(SqlFormat("SELECT * FROM Hyperlink WHERE ITEM_ID=%d;", itemId)) &&
           lookup_.HasRow();
}

bool CItemStore::SaveLinks(int32_t itemId)
{
    if (database_.RefuseWriteIfReadOnly())
        return false;
    if (itemId <= 0)
        return false;
    CDbTransaction transaction(database_.Connection());
    if (!transaction.IsActive() ||
        !rows_.OpenForUpdate(
            SqlFormat("SELECT * FROM [Hyperlink] WHERE ITEM_ID=%d ORDER BY LINK_ID;", itemId)))
        return false;
    CLinkArray saved = links_;
    for (tagLINK& link : saved) {
        switch (link.state) {
        case RecordNew: {
            // A link to an item that is deleted (or never was written) cannot be kept.
            const int target = FindItemIndex(link.ITEM_LINK_ID);
            if ((target >= 0 && IsRemoved(items_[target].state)) || link.ITEM_LINK_ID == itemId ||
                !ItemExists(link.ITEM_LINK_ID)) {
                link.state = RecordDiscarded;
                break;
            }
            if (!rows_->AddNew() || !rows_.Set("ITEM_ID", CFieldValue::Long(itemId)) ||
                !rows_.Set("ITEM_LINK_ID", CFieldValue::Long(link.ITEM_LINK_ID)) || !rows_.Write())
                return false;
            link.LINK_ID = rows_.Id("LINK_ID");
            link.state = RecordLoaded;
            break;
        }
        case RecordChanged:
            rows_->MoveFirst();
            if (rows_->Find(SqlFormat("LINK_ID=%d", link.LINK_ID)) && rows_.HasRow() &&
                (!rows_.Set("ITEM_ID", CFieldValue::Long(itemId)) ||
                 !rows_.Set("ITEM_LINK_ID", CFieldValue::Long(link.ITEM_LINK_ID)) || !rows_.Write()))
                return false;
            link.state = RecordLoaded;
            break;
        case RecordDeleted:
            rows_->MoveFirst();
            if (rows_->Find(SqlFormat("LINK_ID=%d", link.LINK_ID)) && rows_.HasRow() &&
                !rows_->Delete()) {
                ShowSaveFailure(database_);
                return false;
            }
            link.state = RecordDiscarded;
            break;
        default:
            break;
        }
    }
    if (!transaction.Commit()) {
        ShowSaveFailure(database_);
        return false;
    }
    links_ = std::move(saved);
    return true;
}

// ---- Description ---------------------------------------------------------------------------------

bool CItemStore::LoadDescription()
{
    if (copy_)
        return true;
    ClearDescription();
    if (!rows_.Read(SqlFormat("SELECT * FROM [Descriptions] WHERE ITEM_ID=%d ORDER BY DESCRIPTION_ID;",
                              current_.ITEM_ID)) ||
        !rows_.HasRow())
        return false;
    descriptionId_ = rows_->GetValue("DESCRIPTION_ID").ToLong();
    const CFieldValue text = rows_->GetValue("DESCRIPTION");
    description_ = text.IsEmptyOrNull() ? std::string() : text.ToText();
    descriptionState_ = RecordLoaded;
    return true;
}

bool CItemStore::SaveDescription()
{
    if (database_.RefuseWriteIfReadOnly())
        return false;
    if (current_.ITEM_ID <= 0)
        return false;
    CDbTransaction transaction(database_.Connection());
    if (!transaction.IsActive()) {
        ShowSaveFailure(database_);
        return false;
    }
    int32_t id = descriptionId_;
    RecordState state = descriptionState_;
    switch (descriptionState_) {
    case RecordNew:
        if (!rows_.OpenRow("Descriptions", "DESCRIPTION_ID", 0) || !rows_->AddNew() ||
            !rows_.Set("ITEM_ID", CFieldValue::Long(current_.ITEM_ID)) ||
            !rows_.Set("DESCRIPTION", CFieldValue::Text(description_)) || !rows_.Write())
            return false;
        id = rows_.Id("DESCRIPTION_ID");
        state = RecordLoaded;
        break;
    case RecordChanged:
        if (!rows_.OpenRow("Descriptions", "DESCRIPTION_ID", descriptionId_))
            return false;
        if (rows_.HasRow() &&
            (!rows_.Set("DESCRIPTION", CFieldValue::Text(description_)) || !rows_.Write()))
            return false;
        state = RecordLoaded;
        break;
    case RecordDeleted:
        if (!rows_.OpenRow("Descriptions", "DESCRIPTION_ID", descriptionId_))
            return false;
        if (rows_.HasRow() && !rows_->Delete()) {
            ShowSaveFailure(database_);
            return false;
        }
        id = 0;
        state = RecordNew;
        break;
    default:
        break;
    }
    if (!transaction.Commit()) {
        ShowSaveFailure(database_);
        return false;
    }
    descriptionId_ = id;
    descriptionState_ = state;
    return true;
}
