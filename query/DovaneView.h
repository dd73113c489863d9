// The result model of a query run: everything the result list shows, without a widget. It
// builds the flat result table, builds and runs the query's statement, and holds the columns
// (title, alignment, header code, width), the rows in statement order (item data = ITEM_ID, the
// footer row -1, the check marks), the cell texts, the three colour tables, the two ITEM_ID
// lists, the width array of the query, the saved permutations and the pending cell edits.
//
// Rows are stored once, column by column in compact form (numbers and dates as doubles, texts
// as indexes into a pool of distinct texts), and a cell's text is made when it is asked for, so
// a list view can show a million rows straight from this model without a copy of its own.
#pragma once

#include "query/Permutations.h"
#include "query/QuerySql.h"
#include "query/ResultTable.h"
#include "query/ValueChanges.h"
#include "store/SharedTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class CDovaneDatabase;

// One Sizes row: the width in pixels of list column COL_NUM of a query.
struct tagSIZES {
    int32_t SIZE_ID = 0;
    int32_t COL_NUM = 0;
    int32_t COL_SIZE = 0;
    int32_t QUERY_ID = 0;
};

// Which in-place editor a parameter column's cells need.
enum HeaderCode : int32_t { HEADER_NONE = 0, HEADER_TEXT = 1, HEADER_NUMBER = 2, HEADER_DATE = 3 };

enum class ColumnAlignment { Left, Right };

struct ResultColumn {
    std::string title;
    ColumnAlignment alignment = ColumnAlignment::Left;
    int32_t headerCode = HEADER_NONE;
    int width = 0;  // pixels
    // Parameter columns: the parameter the title names (0 when none does).
    int32_t PROPERTY_ID = 0;
    int32_t TYPE_ID = 0;
    int precision = 0;
};

struct CellColours {
    COLORREF background = 0;
    COLORREF text = 0;
};

// Measures texts for the widths of a first fill; the list widget gives its font's metrics.
class IColumnMeasure {
public:
    virtual ~IColumnMeasure() = default;
    virtual int TextWidth(const std::string& text) const = 0;  // pixels, margins included
    virtual int CheckBoxColumnWidth() const = 0;
};

// What a list view over the model hears of its changes (a table model wraps the calls in its
// own begin/end notifications). Calls come on the thread that changes the model.
class IResultObserver {
public:
    virtual ~IResultObserver() = default;
    // Rows or columns are about to be replaced or removed (a fill, a re-sort, a deletion).
    virtual void ListAboutToChange() = 0;
    virtual void ListChanged() = 0;
    // One cell's text, check mark (column 0) or colours changed; column -1: every column of
    // the row, row -1: that column of every row.
    virtual void CellChanged(int row, int column) = 0;
};

// The texts of the list.
inline constexpr const char* kNoMatchingItemsText = "There are no items meeting query conditions";
inline constexpr const char* kNoQueriesText = "There are no queries defined";
inline constexpr const char* kLinksTitle = "Links";
inline constexpr const char* kItemTitle = "Item";
inline constexpr const char* kLinksYes = "YES";
inline constexpr const char* kLinksNo = "NO";
inline constexpr const char* kCalculationText = "(Calculation)";
inline constexpr int32_t kFooterItemData = -1;
inline constexpr int kLinksColumnWidth = 20;

class CDovaneView {
public:
    explicit CDovaneView(CDovaneDatabase& database);
    CDovaneView(const CDovaneView&) = delete;
    CDovaneView& operator=(const CDovaneView&) = delete;

    // Forgets everything of the previous dataset.
    void Reset();
    // The list view that shows the model (null: none). Not owned.
    void SetObserver(IResultObserver* observer) { observer_ = observer; }

    // ---- The run ----------------------------------------------------------------------------
    // A query run as the result screen makes it: the result table built, Deleted_Items made
    // sure of, the list filled, and the saved permutations checked against the parameter
    // columns (those of another count are deleted). False when the table could not be built
    // or the statement failed; LastError() says why.
    bool RunQuery(int32_t queryId, bool showLinks, const IColumnMeasure* measure = nullptr);
    // Flattens the dataset into fulltable. False when the table could not be built.
    bool BuildResultTable();
    const CResultTableBuilder& ResultTable() const { return table_; }
    int ItemTotal() const { return table_.ItemTotal(); }
    // Builds the five texts of the query's statement (query -1: empty, false).
    bool BuildQuerySql(int32_t queryId);
    const CQuerySql& Sql() const { return sql_; }
    // Builds the statement and fills the list (1), or empties it (0: query -1, a statement that
    // failed). Widths are measured and saved at once on a query's first fill when a measure is
    // given; without one (a headless run) nothing is saved.
    int FillResultList(int32_t queryId, bool showLinks, const IColumnMeasure* measure = nullptr);
    // The same from a statement made elsewhere, with the WHERE text the footers aggregate over.
    int FillFromStatement(int32_t queryId, const std::string& statement,
                          const std::string& whereText, bool showLinks,
                          const IColumnMeasure* measure = nullptr);
    // The footer row: the footers of the query whose formula computes something, each over the
    // rows that meet the query. After deletions the footer row's cells are rewritten when it
    // remains, else a new footer row is appended.
    void ComputeFooters(int32_t queryId);
    int32_t QueryId() const { return queryId_; }
    const std::string& Statement() const { return statement_; }
    const std::string& WhereText() const { return whereText_; }
    const std::string& LastError() const { return lastError_; }

    // ---- Columns and rows -----------------------------------------------------------------
    int ColumnCount() const { return int(columns_.size()); }
    const ResultColumn& Column(int column) const { return columns_[size_t(column)]; }
    // The parameter columns (column count - 3; 0 for an empty list).
    int ParameterColumnCount() const { return columns_.size() > 3 ? int(columns_.size()) - 3 : 0; }
    int RowCount() const { return int(rows_.size()); }
    bool IsEmpty() const { return rows_.empty(); }
    bool IsHeaderEnabled() const { return headerEnabled_; }
    int32_t ItemData(int row) const { return rows_[size_t(row)].itemId; }
    bool IsFooterRow(int row) const { return ItemData(row) == kFooterItemData; }
    int FindRowOfItem(int32_t itemId) const;  // -1 when none
    // The text of a cell as the list shows it (column 0 is empty).
    std::string CellText(int row, int column) const;
    // A cell's text as an editor left it.
    void SetCellText(int row, int column, const std::string& text);
    // The list columns in display order (check box and Links first, Item last).
    const std::vector<int>& ColumnOrder() const { return columnOrder_; }

    // ---- Check marks -------------------------------------------------------------------------
    bool IsChecked(int row) const { return rows_[size_t(row)].checked; }
    void SetChecked(int row, bool checked);
    // Mark all / Unmark all: every row, the footer row included.
    void MarkAll(bool checked);
    struct CheckedCount {
        int count = 0;            // the footer row included
        bool onlyFooter = false;  // exactly one row is checked and it is the footer row
    };
    CheckedCount CountChecked() const;

    // ---- Widths ------------------------------------------------------------------------------
    // "SELECT * FROM Sizes WHERE QUERY_ID=%d ORDER BY COL_NUM;" into the width array.
    bool LoadColumnWidths(int32_t queryId);
    // Replaces the query's Sizes rows with the width array (a negative query: nothing).
    bool SaveColumnWidths(int32_t queryId);
    const std::vector<tagSIZES>& Widths() const { return widths_; }
    // A column divider was dragged: the entry of that column takes the width.
    void SetColumnWidth(int column, int width);
    // "Restore Links column": column 1 gets its saved width or 0.
    void ShowLinksColumn(bool show);

    // ---- Colours -------------------------------------------------------------------------------
    // The list's default colours: the current query's colours (set after each fill).
    void SetDefaultColours(COLORREF background, COLORREF text);
    CellColours DefaultColours() const { return defaults_; }
    void SetListBackground(COLORREF background) { listBackground_ = background; }
    // The colours a cell is drawn with: its own, else its row's, else its column's, else the
    // defaults. Column 0 takes the row's background, else the list background.
    CellColours ColoursOf(int row, int column) const;
    // The column and row colour tables of the fill.
    const std::unordered_map<int, CellColours>& ColumnColours() const { return columnColours_; }
    std::optional<CellColours> RowColours(int row) const;

    // ---- The two ITEM_ID lists -----------------------------------------------------------------
    const std::vector<int32_t>& ShownItems() const { return shownItems_; }
    const std::vector<int32_t>& ReadItems() const { return readItems_; }

    // Going to the Items screen: with at least two checked item rows (the footer row does not
    // count) their ITEM_IDs, in row order, are kept for the Items screen to browse; otherwise
    // the kept list is emptied. Returns the number kept.
    int KeepCheckedItems();
    const std::vector<int32_t>& CheckedItems() const { return checkedItems_; }

    // ---- Deleting checked items from the query -----------------------------------------------
    // Removes the checked rows from the list and records each checked item as deleted from
    // the query (the items stay in the dataset); recomputes the footers. Returns the number of
    // rows removed.
    int DeleteCheckedItems(bool queryIsTemporary);
    bool HasPendingDeletions() const { return pendingDeletions_; }
    void ClearPendingDeletions() { pendingDeletions_ = false; }
    bool HasListCopy() const { return hasListCopy_; }
    // Discard: both ITEM_ID lists as they were before the first deletion; the copy is dropped.
    void RestoreItemLists();

    // ---- Permutations --------------------------------------------------------------------------
    CPermutations& Permutations() { return permutations_; }
    // Shows the parameter columns in `order` and re-sorts the rows by them: the ORDER BY list
    // follows the displayed columns, the statement is rebuilt and the rows refilled (check marks
    // are not kept).
    bool ApplyOrder(const PermutationOrder& order);
    // The parameter columns in their current display order.
    PermutationOrder CurrentOrder() const;

    // ---- Cell edits ----------------------------------------------------------------------------
    CValueChanges& Changes() { return changes_; }
    const CValueChanges& Changes() const { return changes_; }

private:
    enum class Storage : uint8_t { Number, Date, Text };
    struct ColumnCells {
        Storage storage = Storage::Text;
        std::vector<double> values;   // Number, Date: NaN for NULL
        std::vector<int32_t> texts;   // Text: index into texts_
    };
    struct Row {
        int32_t itemId = 0;
        bool checked = false;
        bool links = false;
        int32_t ident = -1;  // index into texts_
    };

    void ClearList();
    bool RunStatement(const std::string& statement, bool makeColumns);
    bool MakeColumns(const class CDbStatement& statement);
    void ReadRow(const class CDbStatement& statement);
    int32_t InternText(std::string_view text);
    void ApplyFillWidths(const IColumnMeasure* measure, bool hadWidths);
    int ContentWidth(int column, const IColumnMeasure& measure) const;
    void RemoveRows(const std::vector<bool>& remove);
    static uint64_t CellKey(int32_t itemId, int column)
    {
        return (uint64_t(uint32_t(itemId)) << 32) | uint32_t(column);
    }

    // Announces a change of the whole list for as long as it lives.
    class ListChange {
    public:
        explicit ListChange(IResultObserver* observer) : observer_(observer)
        {
            if (observer_)
                observer_->ListAboutToChange();
        }
        ~ListChange()
        {
            if (observer_)
                observer_->ListChanged();
        }
        ListChange(const ListChange&) = delete;
        ListChange& operator=(const ListChange&) = delete;

    private:
        IResultObserver* observer_;
    };
    void NotifyCell(int row, int column) const
    {
        if (observer_)
            observer_->CellChanged(row, column);
    }
    friend class CValueChanges;

    CDovaneDatabase& database_;
    IResultObserver* observer_ = nullptr;
    CResultTableBuilder table_;
    CQuerySql sql_;
    CPermutations permutations_;
    CValueChanges changes_;

    int32_t queryId_ = -1;
    std::string statement_;
    std::string whereText_;
    std::string lastError_;
    bool showLinks_ = true;
    bool headerEnabled_ = false;

    std::vector<ResultColumn> columns_;
    std::vector<int> columnOrder_;
    std::vector<ColumnCells> cells_;  // one per parameter column (list column k + 2)
    std::vector<Row> rows_;
    std::vector<std::string> texts_;
    std::unordered_map<std::string, int32_t> textIndex_;
    std::unordered_map<uint64_t, std::string> editedCells_;   // by (ITEM_ID, column)
    std::unordered_map<int, std::string> footerCells_;        // by column

    std::vector<tagSIZES> widths_;
    CellColours defaults_;
    COLORREF listBackground_;
    std::unordered_map<int, CellColours> columnColours_;       // by column
    std::unordered_map<int32_t, CellColours> rowColours_;      // by ITEM_ID

    std::vector<int32_t> shownItems_;
    std::vector<int32_t> readItems_;
    std::vector<int32_t> checkedItems_;
    std::vector<int32_t> shownItemsCopy_;
    std::vector<int32_t> readItemsCopy_;
    bool hasListCopy_ = false;
    bool pendingDeletions_ = false;
};
