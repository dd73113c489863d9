// Edits made in the result list: changed values of item cells, collected until the user saves
// or discards them, and the colours of single cells, stored per query, item and column. The
// in-place editors (a numeric edit box, a value combo box, a calendar) hand their results to
// the operations below; this class changes the cell texts of the result model, records the
// change and later writes it through the items store, then the caller runs the query again.
#pragma once

#include "store/AutomationDate.h"
#include "store/SharedTypes.h"

#include <cstdint>
#include <string>
#include <vector>

class CDovaneDatabase;
class CDovaneView;

// One changed cell.
struct tagValueChange {
    enum Kind : int32_t { Choice = 1, Number = 2, Date = 3 };
    int32_t row = -1;      // list row
    int32_t column = -1;   // list column
    int32_t kind = Choice;
    int32_t VALUE_ID = -1;  // Choice: the chosen value, -1 for "(Blank)"
    AutomationDate date;    // Date
};

// The colours of one cell of the result list.
struct tagItemColors {
    int32_t ITEM_ID = 0;
    int32_t column = 0;
    uint32_t flags = 0;  // bit 0 text colour changed, bit 1 background colour changed
    COLORREF background = 0;
    COLORREF text = 0;
};

inline constexpr const char* kNumberTooBigText = "Number is too big and will be adjusted!";
inline constexpr const char* kBlankValueText = "(Blank)";
inline constexpr int kMaxNumberDigits = 10;   // before the decimal point
inline constexpr int kMaxValueCharacters = 49;

class CValueChanges {
public:
    CValueChanges(CDovaneDatabase& database, CDovaneView& view) : database_(database), view_(view) {}

    // ---- What the editors hand over ---------------------------------------------------------
    // A number typed into a numeric cell: more than 10 characters before the period shows
    // "Number is too big and will be adjusted!" and keeps the first 10 characters. Returns the
    // text the cell shows.
    std::string EnterNumber(int row, int column, const std::string& text);
    // What the value combo box of a text column offers: the values of the column's parameter
    // in the values store's order, then "(Blank)" with VALUE_ID -1.
    struct Choice {
        int32_t VALUE_ID = -1;
        std::string text;
    };
    std::vector<Choice> ValueChoices(int column);
    // A value chosen from the combo box (-1: "(Blank)"), with the text it shows.
    void ChooseValue(int row, int column, int32_t valueId, const std::string& text);
    // A text typed into the combo box: cut to 49 characters; when it is not yet a value of the
    // column's parameter it is added to the parameter's values and saved at once. Returns the
    // text the cell shows.
    std::string EnterValueText(int row, int column, const std::string& text);
    // A date chosen in the calendar: the cell shows it in the short date format.
    void ChooseDate(int row, int column, const AutomationDate& date);

    // Replaces the change of the same cell or appends one; changes become pending.
    void RecordChange(const tagValueChange& change);
    const std::vector<tagValueChange>& Changes() const { return changes_; }
    bool ValueChangesPending() const { return valuesPending_; }

    // ---- Cell colours -------------------------------------------------------------------------
    // Gives an item cell its text or background colour; the other colour of a new entry is the
    // list's default one. False (nothing changed) outside the item rows or in column 0.
    bool SetCellColour(int row, int column, COLORREF colour, bool isText);
    const tagItemColors* FindCellColours(int32_t itemId, int column) const;
    // The stored cell colours of the query (every earlier entry is dropped).
    void LoadCellColours(int32_t queryId);
    bool ColourChangesPending() const { return coloursPending_; }
    bool AnyPending() const { return valuesPending_ || coloursPending_; }

    // ---- Saving and discarding -------------------------------------------------------------------
    // Writes every changed cell colour for the query and clears the flags.
    bool SaveCellColours(int32_t queryId);
    // Writes the pending value changes, item by item, through the items store; the result table
    // is then stale and the caller runs the query again. A change whose column names no
    // parameter is skipped.
    bool SaveValueChanges();
    // Drops the cell colours and the pending value changes.
    void DiscardChanges();
    // A fill of the list drops the pending value changes.
    void ClearValueChanges();

private:
    CDovaneDatabase& database_;
    CDovaneView& view_;
    std::vector<tagValueChange> changes_;
    std::vector<tagItemColors> colours_;
    bool valuesPending_ = false;
    bool coloursPending_ = false;
};
