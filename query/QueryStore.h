// The query definitions store: the in-memory lists through which the query editor, the condition
// dialogs and the result screen read and change the stored queries (Queries, Conditions,
// Multiply, Footer, SortOrder, Viewable), and the read-only Operations and Formula lists.
//
// Screens change records at once; every record carries a RecordState and a save walks its list
// once, inserting New records (reading their identifiers back), updating Changed ones and
// deleting Deleted ones. Each save runs in one transaction and works on a copy of its list, so a
// failed or refused save writes nothing and leaves the in-memory records as they were. The
// per-query lists (conditions, footers, sort keys, viewable columns) belong to the current query.
#pragma once

#include "store/AutomationDate.h"
#include "store/ParamStore.h"
#include "store/SharedTypes.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CDovaneDatabase;

// ---- Records -----------------------------------------------------------------------------------

// One Queries row.
struct tagQUERY {
    int32_t QUERY_ID = 0;    // 0 until saved
    int32_t USER_ORDER = 0;  // 0-based position in the user's ordering of the query list
    RecordState state = RecordUnchanged;
    uint32_t colourFlags = 0;  // ColourFlags
    bool IS_TEMPORARY = false;
    COLORREF backgroundColour = DefaultBackgroundColour();
    COLORREF textColour = DefaultTextColour();
    std::string QUERY_NAME;
};

// One Multiply row: a value chosen by a multiple-value condition.
struct tagMULTY {
    int32_t MULTY_ID = 0;  // 0 until saved
    int32_t VALUE_ID = 0;
    RecordState state = RecordNew;
};

// A value of the condition's parameter that is not chosen.
struct tagSVALUE {
    int32_t VALUE_ID = 0;
    std::string VALUE_ANUM;  // "NULL" for a value without text
};

// The chosen values of one multiple-value condition (its Multiply rows) and the values of its
// parameter that are still offered. Entries are never taken out of the chosen list: removing one
// marks it, and Save writes the marks.
class CDovaneMulty {
public:
    explicit CDovaneMulty(CDovaneDatabase& database) : database_(&database) {}

    // Fills the chosen list from the Multiply rows of the condition, in MULTY_ID order.
    bool LoadChosen(int32_t conditionId);
    // Fills the candidate list with the parameter's values that are not chosen (by text when the
    // parameter lists its values alphabetically, else by identifier).
    bool LoadCandidates(int32_t propertyId);
    void Add(int32_t valueId);
    // New entries become Discarded, others Deleted. False for an index outside the list.
    bool Remove(int index);
    // At least one entry neither Deleted nor Discarded.
    bool IsRestricted() const;
    // Writes New, Changed and Deleted entries under the condition, in one transaction.
    bool Save(int32_t conditionId);

    std::vector<tagMULTY>& Chosen() { return chosen_; }
    const std::vector<tagMULTY>& Chosen() const { return chosen_; }
    const std::vector<tagSVALUE>& Candidates() const { return candidates_; }

private:
    CDovaneDatabase* database_;
    std::vector<tagMULTY> chosen_;
    std::vector<tagSVALUE> candidates_;
};

// One Conditions row.
struct tagCONDITION {
    int32_t CONDITION_ID = 0;
    int32_t PROPERTY_ID = -1;   // -1 while no parameter is chosen
    int32_t OPERATION_ID = -1;  // -1 while no operation is chosen
    int32_t QUERY_ID = 0;
    RecordState state = RecordUnchanged;
    bool noNumber = true;   // no numeric arguments (always for other types)
    bool noDate = true;     // no date arguments (always for other types)
    bool IS_MULTY = false;  // a set of chosen values instead of an operation
    bool ALL_BUT = false;   // negates the condition
    float ARGUMENT_NUM = 0.0f;
    float ARGUMENT_NUM_2 = 0.0f;
    // The chosen values of a multiple-value condition; null unless IS_MULTY. Copies of the record
    // share the holder.
    std::shared_ptr<CDovaneMulty> multy;
    AutomationDate ARGUMENT_DATE = AutomationDate::NullDate();
    AutomationDate ARGUMENT_DATE_2 = AutomationDate::NullDate();
    std::string ARGUMENT_ALPH;
};

using CConditionArray = std::vector<tagCONDITION>;

// One Operations row (read only).
struct tagOPERATION {
    int32_t OPERATION_ID = 0;
    int32_t TYPE_ID = 0;
    std::string OPERATION;
};

// One Formula row (read only).
struct tagFORMULA {
    int32_t FORMULA_ID = 0;
    int32_t TYPE_ID = 0;
    std::string FORMULA;
};

// One Footer row: the formula chosen for a column of a query's result.
struct tagFOOTER {
    int32_t FOOTER_ID = 0;
    int32_t PROPERTY_ID = 0;
    int32_t QUERY_ID = 0;
    int32_t FORMULA_ID = 0;
    RecordState state = RecordUnchanged;
};

// One SortOrder row: a sort key ranked by SORT_ORDER (a negative rank is not sorted on).
struct tagSORTORDER {
    int32_t SORT_ID = 0;
    int32_t SORT_ORDER = 0;
    int32_t PROPERTY_ID = 0;
    int32_t QUERY_ID = 0;
    RecordState state = RecordUnchanged;
};

// One Viewable row: a parameter shown as a column of a query's result.
struct tagVIEWABLE {
    int32_t VIEWABLE_ID = 0;
    int32_t PROPERTY_ID = 0;
    int32_t QUERY_ID = 0;
    RecordState state = RecordUnchanged;
};

// ---- Readers the result engine shares -----------------------------------------------------------

// Reads the conditions a statement selects (rows of Conditions, possibly with more columns) as
// the store loads them: each with its type's argument columns and "no argument" flags, and, for
// a multiple-value condition, a holder loaded with its chosen values. `parameters` gives each
// parameter's type; a condition on a parameter not in it is read with no arguments. State
// RecordLoaded.
bool ReadConditions(CDovaneDatabase& database, const std::string& sql,
                    const CParamArray& parameters, CConditionArray& out);

// Reads the Property rows a statement selects into `out` (identifier, name, type, precision,
// rank and alphabetic flag). False when the statement failed.
bool ReadParameters(CDovaneDatabase& database, const std::string& sql, CParamArray& out);

// The record of `propertyId` in `parameters`; null when none.
const tagPARAM* FindParameter(const CParamArray& parameters, int32_t propertyId);

// ---- The store ---------------------------------------------------------------------------------

class CDovaneQuery {
public:
    explicit CDovaneQuery(CDovaneDatabase& database);

    // Empties every list and the current query (a dataset is being opened).
    void Clear();

    // ---- Queries (index = position in the query list) -------------------------------------
    // Loads the Queries table in QUERY_ID order, then the query colours. A Queries table without
    // USER_ORDER gains the column, numbered 0, 1, ... in that order.
    bool LoadQueries();
    // Appends a new temporary query and makes it current; returns its index.
    int AddQuery(const std::string& name);
    bool RenameQuery(int index, const std::string& name);
    // Marks the query deleted and moves the current index to the query that takes its place.
    bool DeleteQuery(int index);
    bool GetQuery(int index, tagQUERY& out) const;
    bool FindQuery(int32_t queryId, tagQUERY& out) const;
    int IndexOfQuery(int32_t queryId) const;  // -1 when none
    int32_t QueryIdAt(int index) const;       // -1 when none
    // Mode 0: queries not deleted; mode 1: queries that are not temporary.
    int CountQueries(int mode) const;
    // Moves the dropped queries (mode 0: deleted, mode 1: temporary) to the end of the list and
    // renumbers the others 0, 1, ... in their USER_ORDER order.
    void CompactQueries(int mode);
    bool SaveQueries();
    // Turns the current query's records into a new, saved (not temporary) query named `name`
    // for "Save as": every live record becomes New, every removed one Unchanged, so the next full
    // save inserts the copy and leaves the source's rows alone. `order` replaces USER_ORDER.
    bool CopyCurrentQuery(const std::string& name, std::optional<int32_t> order = std::nullopt);
    // Saves, then deletes every temporary query of the dataset (also those the list lacks).
    bool ClearTemporaryQueries();

    const std::vector<tagQUERY>& Queries() const { return queries_; }
    int CurrentIndex() const { return currentIndex_; }
    void SetCurrentIndex(int index);  // -1 or an index of the list; sets the current name
    const std::string& CurrentName() const { return currentName_; }
    int PreviousIndex() const { return previousIndex_; }
    void SetPreviousIndex(int index) { previousIndex_ = index; }
    // Sets the colour of a query and its colour flag (bit 0 text, bit 1 background).
    bool SetQueryColour(int index, COLORREF colour, bool isText);

    // The calling order of the editor's Save: the queries, then for the current query's
    // identifier (known only now for a new query) its viewable columns, sort keys, conditions
    // and footers; all in one transaction. The identifier saved under, or -1 on failure.
    int32_t SaveCurrentQuery();

    // ---- Conditions of the current query ----------------------------------------------------
    bool LoadConditions(int32_t queryId);
    bool SaveConditions(int32_t queryId);
    bool GetCondition(int index, tagCONDITION& out) const;
    bool SetCondition(int index, const tagCONDITION& in);
    int AddCondition(const tagCONDITION& in);  // returns the new index
    const CConditionArray& Conditions() const { return conditions_; }
    // The condition's text for the editor's grid: the short form ("All", "Set") or the long one
    // ("BETWEEN 1.50 AND 3.00", "EQUAL Red", "Multi"). Empty for an index outside the list.
    std::string DescribeCondition(int index, bool longForm);

    // ---- Operations and formulas --------------------------------------------------------------
    // The operations the editor offers for a type; true when at least one was read.
    bool LoadOperations(int32_t typeId);
    std::string OperationName(int32_t operationId);  // empty when absent
    bool LoadFormulas();  // the numeric formulas: footers exist only for numeric columns
    const std::vector<tagOPERATION>& Operations() const { return operations_; }
    const std::vector<tagFORMULA>& Formulas() const { return formulas_; }

    // ---- Footers, sort keys, viewable columns of the current query ----------------------------
    bool LoadFooters(int32_t queryId);  // true when a row was read
    bool SaveFooters(int32_t queryId);
    std::vector<tagFOOTER>& Footers() { return footers_; }
    bool LoadSortOrder(int32_t queryId);
    bool SaveSortOrder(int32_t queryId);
    // Appends a New sort key for every parameter (in their display order) that has none.
    bool CompleteSortOrder(int32_t queryId);
    bool SetSortKey(int index, const tagSORTORDER& in);
    std::vector<tagSORTORDER>& SortKeys() { return sortKeys_; }
    bool LoadViewable(int32_t queryId);
    bool SaveViewable(int32_t queryId);
    bool DeleteViewable(int index);
    std::vector<tagVIEWABLE>& Viewable() { return viewable_; }

    // ---- Parameters ---------------------------------------------------------------------------
    // "SELECT * FROM [Property] ORDER BY SORT_ORDER;" into the parameter list.
    bool LoadParameterList();
    const CParamArray& Parameters() const { return parameters_; }
    CParamArray& EditorParameters() { return editorParameters_; }  // the query editor's own

    // ---- Saved permutations and widths of a query ---------------------------------------------
    bool HasSavedPermutations(int32_t queryId);
    bool DeleteSavedPermutations(int32_t queryId);
    bool DeleteColumnWidths(int32_t queryId);

    // ---- Editor support -----------------------------------------------------------------------
    // A new query: every parameter viewable, in name order.
    bool MakeAllViewable();
    // A new query: one condition per parameter in display order, each with the first operation
    // its type offers.
    bool CreateDefaultConditions();
    // After the viewable columns changed: conditions, sort keys and footers follow them.
    bool SyncWithViewable();

private:
    bool IsQueryIndex(int index) const { return index >= 0 && index < int(queries_.size()); }
    int32_t CurrentQueryId() const;
    bool RefuseWrite() const;
    bool ExecuteCommand(const std::string& sql);
    bool LoadQueryColours();
    bool SaveQueryList(std::vector<tagQUERY>& list);
    bool SaveConditionList(int32_t queryId, CConditionArray& list);
    bool DeleteMultiplyRowsOf(int32_t conditionId);
    bool AddDefaultCondition(const tagPARAM& parameter);

    CDovaneDatabase& database_;
    std::vector<tagQUERY> queries_;
    std::vector<tagOPERATION> operations_;
    CConditionArray conditions_;
    std::vector<tagFORMULA> formulas_;
    std::vector<tagSORTORDER> sortKeys_;
    std::vector<tagVIEWABLE> viewable_;
    CParamArray parameters_;  // ordered by SORT_ORDER
    CParamArray editorParameters_;
    int previousIndex_ = -1;
    std::string currentName_;
    int currentIndex_ = -1;
    std::vector<tagFOOTER> footers_;
};

// The query definitions store of the process, working on TheDatabase().
CDovaneQuery& TheQueryStore();
