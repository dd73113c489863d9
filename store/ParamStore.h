// The parameters and values store: the in-memory lists through which the screens edit the
// Property and Values tables, and the look-ups (name, type, precision, value text) that the
// query engine and the screens read from the dataset directly.
//
// Screens change records at once; each record carries a RecordState, and SaveParams /
// SaveValues write every New, Changed and Deleted record in one transaction, with the
// cascades a type change or a deletion needs. A failed or refused save writes nothing and
// leaves the in-memory records as they were.
#pragma once

#include "store/AutomationDate.h"
#include "store/SharedTypes.h"
#include "store/StoreRecordset.h"

#include <cstdint>
#include <string>
#include <vector>

class CDovaneDatabase;

// ---- Records ---------------------------------------------------------------------------------

// One parameter (a Property row).
struct tagPARAM {
    int32_t PROPERTY_ID = 0;             // 0 until saved
    int32_t TYPE_ID = TYPE_ALPHANUMERIC;  // ParamType
    int32_t SORT_ORDER = 0;              // 0-based position in the user's order
    RecordState state = RecordUnchanged;
    uint32_t colourFlags = 0;            // ColourFlags
    bool ALPHABETIC_ORDER = false;       // values listed by text instead of by identifier
    uint32_t PRESCISION = 0;             // decimals shown for a numeric parameter (0..255)
    COLORREF backgroundColour = DefaultBackgroundColour();
    COLORREF textColour = DefaultTextColour();
    std::string PROPERTY_NAME;
};

// Item value flag: a value copied by item duplication from an item that had no row for it.
inline constexpr uint32_t VALUE_COPIED_WITHOUT_ROW = 0x100;

// One value of a parameter (Values screen), or one parameter's value of the current item.
struct tagVALUE {
    int32_t VALUE_ID = 0;       // 0 until saved; negative in an item value list: none chosen
    int32_t ITEMVALUE_ID = 0;   // the ItemValues row giving the value to the current item
    int32_t PROPERTY_ID = 0;
    int32_t TYPE_ID = 0;        // item value lists only
    RecordState state = RecordUnchanged;
    uint32_t flags = 0;         // ColourFlags, VALUE_COPIED_WITHOUT_ROW
    COLORREF backgroundColour = DefaultBackgroundColour();
    COLORREF textColour = DefaultTextColour();
    float VALUE_NUMBER = 0.0f;
    bool noNumber = false;      // the record has no number
    bool noDate = false;        // the record has no date
    AutomationDate VALUE_DATE;
    // The value's text; for an item value of a numeric or date parameter, the text shown for
    // it (never written to the dataset).
    std::string VALUE_ANUM;
};

using CParamArray = std::vector<tagPARAM>;

// A value list. GetValue and PutValue copy the identifiers, parameter, type, number, date,
// their "no" flags and the state of one record out of or into the list (not the text, the
// flags or the colours); both return false for an index outside the list.
class CValueArray : public std::vector<tagVALUE> {
public:
    bool GetValue(int index, tagVALUE& out) const;
    bool PutValue(int index, const tagVALUE& in);
};

// ---- Parameter names the query engine cannot use ----------------------------------------------

// Empty when `name` can name a parameter; otherwise the message that says why not. The result
// table gives every parameter a column of its name beside the columns FULL_ID, ITEM_ID, IDENT
// and IS_LINKS, and names stand in square brackets in the generated SQL.
std::string ParamNameProblem(const std::string& name);

// ---- The store ---------------------------------------------------------------------------------

class CParamStore {
public:
    explicit CParamStore(CDovaneDatabase& database);

    // Empties every list (a dataset is being opened).
    void Clear();
    // Lets go of the rows the store's recordsets hold (the dataset is closing).
    void ReleaseRecordsets();

    // ---- Parameter list (index = position in the list; an index outside it returns false) ----
    // The setters refuse a removed record: a deleted parameter is never brought back.
    const CParamArray& Params() const { return params_; }
    const tagPARAM* ParamAt(int index) const;

    // Reads "[Property]" in PROPERTY_ID order and the parameter colours. True when a row was
    // read.
    bool LoadParams();
    // Writes every New, Changed and Deleted parameter with the type-change and deletion
    // cascades and the parameter colours, in one transaction. Refused, with a message, when a
    // live parameter's name is one ParamNameProblem rejects. Afterwards saved records are
    // Unchanged and deleted ones Discarded (their rows are gone; they stay out of every list).
    bool SaveParams();

    // Appends a New parameter after the last one that is not removed.
    void AddParam(const std::string& name, int32_t type, int precision);
    // Outside the list adds a named parameter; false for a removed record.
    bool UpdateParam(int index, const std::string& name, int32_t type, int precision,
                     int32_t sortOrder);
    bool SetParamType(int index, int32_t type);
    bool SetParamAlphabetic(int index, bool alphabetic);
    // False for a removed record or an unchanged order.
    bool SetParamOrder(int index, int32_t sortOrder);
    // Sets colour flag bit 0 (text) or 1 (background); the state stays.
    bool SetParamColour(int index, COLORREF colour, bool isText);
    // A saved parameter is marked Deleted after the user agreed; a New one leaves the list
    // without a question. False when nothing was deleted.
    bool DeleteParam(int index);
    // False for an empty name or one that another live record has, whatever the case.
    bool IsParamNameUnique(int index) const;
    int FindParamIndex(int32_t propertyId) const;

    // Read from the dataset.
    std::string GetParamName(int32_t propertyId);  // empty when not found
    int32_t GetParamType(int32_t propertyId);      // -1 when not found
    // The printf format ("%.2f") showing the named parameter's decimals; "%.0f" when none.
    std::string GetNumberFormat(const std::string& name);

    // ---- Values ------------------------------------------------------------------------------
    // The value list of one parameter (Values screen) and the second list, the value choices
    // that the Items screen and the result view offer; loading one never touches the other.
    const CValueArray& Values() const { return values_; }
    CValueArray& Values() { return values_; }
    const CValueArray& Choices() const { return choices_; }
    int LoadedValueCount() const { return loadedValueCount_; }

    // The texts of the parameter's values (rows whose text is NULL are left out), by text when
    // the parameter lists its values alphabetically, else by identifier.
    bool LoadValues(int32_t propertyId);
    bool LoadChoices(int32_t propertyId);
    // Writes the New (identifier read back), Changed and Deleted values in one transaction.
    bool SaveValues();

    void AddValue(int32_t propertyId, const std::string& text);
    // Outside the list adds a value with a non-empty text.
    bool RenameValue(int32_t propertyId, int index, const std::string& text);
    // A saved value becomes Deleted; a New one leaves the list.
    bool DeleteValue(int index);
    bool IsValueNameUnique(int index) const;  // as IsParamNameUnique

    // Read from the dataset.
    bool IsValueUnused(int32_t valueId);         // no item carries the value
    std::string GetValueText(int32_t valueId);   // empty when not found
    bool GetValue(int index, tagVALUE& out) const { return values_.GetValue(index, out); }
    bool PutValue(int index, const tagVALUE& in) { return values_.PutValue(index, in); }

private:
    bool LoadValueList(int32_t propertyId, CValueArray& list);
    bool IsIndex(int index) const { return index >= 0 && index < int(params_.size()); }
    bool CheckParamNames() const;
    bool SaveParam(tagPARAM& record);
    bool WriteParamFields(const tagPARAM& record);
    bool ApplyTypeChange(int32_t propertyId, int32_t type);
    bool ApplyDeletion(int32_t propertyId);
    bool AdjustColumnWidths(int32_t queryId, int32_t sortRank);
    bool SaveValue(tagVALUE& record);

    CDovaneDatabase& database_;
    // The store's own recordsets: the rows being saved, and two for the cascades.
    CStoreRecordset rows_;
    CStoreRecordset cascade_;
    CStoreRecordset widths_;
    CParamArray params_;
    CValueArray values_;
    CValueArray choices_;
    int loadedValueCount_ = 0;
};
