// Cell edits of the result list: recording value changes, cell colours, and writing both.
#include "query/ValueChanges.h"

#include "platform/MessageBox.h"
#include "query/DovaneView.h"
#include "store/DovaneDatabase.h"
#include "store/Formats.h"

#include <algorithm>

namespace {

// The first `count` characters of a UTF-8 text (never half a character).
std::string FirstCharacters(const std::string& text, int count)
{
    size_t end = 0;
    for (int seen = 0; end < text.size() && seen < count; ++seen) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
    }
    return text.substr(0, end);
}

int FindValue(const CValueArray& values, const std::string& text)
{
    for (size_t i = 0; i < values.size(); ++i) {
        if (!IsRemoved(values[i].state) && values[i].VALUE_ANUM == text)
            return int(i);
    }
    return -1;
}

class CellColourTarget final : public IColourTarget {
public:
    explicit CellColourTarget(std::vector<tagItemColors>& colours) : colours_(colours) {}
    void ApplyStoredColour(const StoredColour& colour) override
    {
        colours_.push_back({colour.objectId, colour.objectId2, 0, colour.background, colour.text});
    }

private:
    std::vector<tagItemColors>& colours_;
};

}  // namespace

// ---- What the editors hand over -----------------------------------------------------------------

std::string CValueChanges::EnterNumber(int row, int column, const std::string& text)
{
    std::string shown = text;
    const size_t point = text.find('.');
    const size_t integerPart = point == std::string::npos ? text.size() : point;
    if (integerPart > size_t(kMaxNumberDigits)) {
        MessageBox(kNumberTooBigText);
        shown = FirstCharacters(text, kMaxNumberDigits);
    }
    view_.SetCellText(row, column, shown);
    RecordChange({row, column, tagValueChange::Number, -1, {}});
    return shown;
}

std::vector<CValueChanges::Choice> CValueChanges::ValueChoices(int column)
{
    std::vector<Choice> choices;
    if (column > 0 && column < view_.ColumnCount()) {
        CParamStore& params = database_.Params();
        params.LoadChoices(view_.Column(column).PROPERTY_ID);
        for (const tagVALUE& value : params.Choices())
            choices.push_back({value.VALUE_ID, value.VALUE_ANUM});
    }
    choices.push_back({-1, kBlankValueText});
    return choices;
}

void CValueChanges::ChooseValue(int row, int column, int32_t valueId, const std::string& text)
{
    view_.SetCellText(row, column, text);
    RecordChange({row, column, tagValueChange::Choice, valueId, {}});
}

std::string CValueChanges::EnterValueText(int row, int column, const std::string& text)
{
    const std::string shown = FirstCharacters(text, kMaxValueCharacters);
    if (column <= 0 || column >= view_.ColumnCount())
        return shown;
    const int32_t propertyId = view_.Column(column).PROPERTY_ID;
    CParamStore& params = database_.Params();
    params.LoadValues(propertyId);
    int found = FindValue(params.Values(), shown);
    if (found < 0) {
        // A new value of the parameter is stored at once, whatever becomes of the edit.
        params.AddValue(propertyId, shown);
        params.SaveValues();
        params.LoadValues(propertyId);
        found = FindValue(params.Values(), shown);
    }
    if (found >= 0)
        ChooseValue(row, column, params.Values()[size_t(found)].VALUE_ID, shown);
    return shown;
}

void CValueChanges::ChooseDate(int row, int column, const AutomationDate& date)
{
    view_.SetCellText(row, column, FormatShortDate(date));
    RecordChange({row, column, tagValueChange::Date, -1, date});
}

void CValueChanges::RecordChange(const tagValueChange& change)
{
    const auto same = std::find_if(changes_.begin(), changes_.end(), [&](const tagValueChange& c) {
        return c.row == change.row && c.column == change.column;
    });
    if (same != changes_.end())
        *same = change;
    else
        changes_.push_back(change);
    valuesPending_ = true;
}

// ---- Cell colours -----------------------------------------------------------------------------------

const tagItemColors* CValueChanges::FindCellColours(int32_t itemId, int column) const
{
    for (const tagItemColors& entry : colours_) {
        if (entry.ITEM_ID == itemId && entry.column == column)
            return &entry;
    }
    return nullptr;
}

bool CValueChanges::SetCellColour(int row, int column, COLORREF colour, bool isText)
{
    if (row < 0 || row >= view_.RowCount() || view_.IsFooterRow(row) || column <= 0 ||
        column >= view_.ColumnCount())
        return false;
    const int32_t itemId = view_.ItemData(row);
    const uint32_t flag = isText ? 1u : 2u;
    auto entry = std::find_if(colours_.begin(), colours_.end(), [&](const tagItemColors& e) {
        return e.ITEM_ID == itemId && e.column == column;
    });
    if (entry == colours_.end()) {
        const CellColours defaults = view_.DefaultColours();
        colours_.push_back({itemId, column, 0, defaults.background, defaults.text});
        entry = colours_.end() - 1;
    }
    (isText ? entry->text : entry->background) = colour;
    entry->flags |= flag;
    coloursPending_ = true;
    view_.NotifyCell(row, -1);  // the row is drawn again
    return true;
}

void CValueChanges::LoadCellColours(int32_t queryId)
{
    colours_.clear();
    CellColourTarget target(colours_);
    database_.LoadColors(COLOUR_OBJECT_CELL, queryId, target);
}

// ---- Saving and discarding -----------------------------------------------------------------------

bool CValueChanges::SaveCellColours(int32_t queryId)
{
    bool saved = true;
    for (tagItemColors& entry : colours_) {
        if (entry.flags == 0)
            continue;
        if (!database_.SaveColor(COLOUR_OBJECT_CELL, entry.ITEM_ID, entry.text, entry.background,
                                 entry.column, queryId)) {
            saved = false;
            break;
        }
        entry.flags = 0;
    }
    coloursPending_ = !saved;
    return saved;
}

bool CValueChanges::SaveValueChanges()
{
    std::vector<int32_t> rows;
    for (const tagValueChange& change : changes_) {
        if (std::find(rows.begin(), rows.end(), change.row) == rows.end())
            rows.push_back(change.row);
    }
    CItemStore& items = database_.Items();
    const CParamArray& params = database_.Params().Params();
    bool saved = true;
    for (int32_t row : rows) {
        if (row < 0 || row >= view_.RowCount() || view_.IsFooterRow(row))
            continue;
        const int32_t itemId = view_.ItemData(row);
        items.LoadItemValues(itemId);
        for (const tagValueChange& change : changes_) {
            if (change.row != row || change.column <= 0 || change.column >= view_.ColumnCount())
                continue;
            const std::string& title = view_.Column(change.column).title;
            const auto param = std::find_if(params.begin(), params.end(), [&](const tagPARAM& p) {
                return !IsRemoved(p.state) && p.PROPERTY_NAME == title;
            });
            if (param == params.end())
                continue;  // the column names no parameter
            const std::string text = view_.CellText(row, change.column);
            switch (change.kind) {
            case tagValueChange::Choice:
                items.SetItemValue(param->PROPERTY_ID, text, change.VALUE_ID);
                break;
            case tagValueChange::Number:
                items.SetItemValue(param->PROPERTY_ID, text);
                break;
            case tagValueChange::Date:
                items.SetItemValue(param->PROPERTY_ID, text, 0, change.date);
                break;
            default:
                break;
            }
        }
        saved = items.SaveItemValues(itemId) && saved;
    }
    ClearValueChanges();
    return saved;
}

void CValueChanges::DiscardChanges()
{
    colours_.clear();
    coloursPending_ = false;
    ClearValueChanges();
}

void CValueChanges::ClearValueChanges()
{
    changes_.clear();
    valuesPending_ = false;
}
