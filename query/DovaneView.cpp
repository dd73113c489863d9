// The result model: building the statement, filling the rows, footers, widths, colours, check
// marks, deletions from the query and the re-sort of a permutation.
#include "query/DovaneView.h"

#include "query/DeletedItems.h"
#include "store/DbConnection.h"
#include "store/DbStatement.h"
#include "store/DbTransaction.h"
#include "store/DovaneDatabase.h"
#include "store/Formats.h"
#include "store/StoreRecordset.h"

#include <QString>

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

bool SameName(const std::string& a, const std::string& b)
{
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

const tagPARAM* ParamNamed(const CParamArray& params, const std::string& name)
{
    for (const tagPARAM& param : params) {
        if (!IsRemoved(param.state) && SameName(param.PROPERTY_NAME, name))
            return &param;
    }
    return nullptr;
}

// A footer's aggregate: the first field of the first row as text, read back as a number; no row
// or NULL reads as 0.
double ReadAggregate(CDbRecordset& rows)
{
    if (!rows.IsOpen() || rows.IsEOF())
        return 0.0;
    const std::string text = CDbConnection::VariantToText(rows.GetValue(0));
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    return end != text.c_str() ? value : 0.0;
}

}  // namespace

CDovaneView::CDovaneView(CDovaneDatabase& database)
    : database_(database), table_(database), sql_(database), permutations_(database),
      changes_(database, *this), listBackground_(DefaultBackgroundColour())
{
    defaults_ = {DefaultBackgroundColour(), DefaultTextColour()};
}

void CDovaneView::Reset()
{
    const ListChange change(observer_);
    ClearList();
    sql_.Clear();
    permutations_.Clear();
    changes_.DiscardChanges();
    widths_.clear();
    queryId_ = -1;
    statement_.clear();
    whereText_.clear();
    shownItemsCopy_.clear();
    readItemsCopy_.clear();
    hasListCopy_ = false;
    pendingDeletions_ = false;
}

// ---- The run --------------------------------------------------------------------------------------

bool CDovaneView::RunQuery(int32_t queryId, bool showLinks, const IColumnMeasure* measure)
{
    if (!BuildResultTable())
        return false;
    CDeletedItems(database_).EnsureDeletedItemsTable();
    if (FillResultList(queryId, showLinks, measure) == 0 || !lastError_.empty())
        return false;
    permutations_.CheckConsistency(queryId, ParameterColumnCount());
    return true;
}

bool CDovaneView::BuildResultTable()
{
    const bool built = table_.Build();
    lastError_ = table_.Error();
    return built;
}

bool CDovaneView::BuildQuerySql(int32_t queryId)
{
    if (queryId < 0) {
        sql_.Clear();
        return false;
    }
    if (!sql_.Build(queryId)) {
        lastError_ = sql_.Error();
        return false;
    }
    return true;
}

int CDovaneView::FillResultList(int32_t queryId, bool showLinks, const IColumnMeasure* measure)
{
    if (!BuildQuerySql(queryId)) {
        ClearList();
        queryId_ = queryId;
        return 0;
    }
    return FillFromStatement(queryId, sql_.Statement(), sql_.WhereText(), showLinks, measure);
}

int CDovaneView::FillFromStatement(int32_t queryId, const std::string& statement,
                                   const std::string& whereText, bool showLinks,
                                   const IColumnMeasure* measure)
{
    const ListChange change(observer_);
    ClearList();
    changes_.ClearValueChanges();
    queryId_ = queryId;
    showLinks_ = showLinks;
    statement_ = statement;
    whereText_ = whereText;
    if (queryId < 0 || statement.empty())
        return 0;
    if (!RunStatement(statement, true))
        return 0;
    if (rows_.empty())
        return 1;
    ComputeFooters(queryId);
    ApplyFillWidths(measure, !widths_.empty());
    return 1;
}

void CDovaneView::ClearList()
{
    columns_.clear();
    columnOrder_.clear();
    cells_.clear();
    rows_.clear();
    texts_.clear();
    textIndex_.clear();
    editedCells_.clear();
    footerCells_.clear();
    columnColours_.clear();
    rowColours_.clear();
    shownItems_.clear();
    readItems_.clear();
    headerEnabled_ = false;
    lastError_.clear();
}

// Runs the statement and reads its rows. `makeColumns` false keeps the columns, widths and
// order of the previous fill (a re-sort).
bool CDovaneView::RunStatement(const std::string& statement, bool makeColumns)
{
    CDbStatement rows(database_.Connection(), statement);
    if (!rows.IsValid()) {
        lastError_ = database_.Connection().lastError();
        columns_.assign(1, ResultColumn{});
        columnOrder_.assign(1, 0);
        return false;
    }
    CDbStatement::Step step = rows.Next();
    if (step != CDbStatement::Step::Row) {
        // Nothing meets the query (or the statement failed): only the check box column, the
        // header disabled.
        if (step == CDbStatement::Step::Error)
            lastError_ = database_.Connection().lastError();
        columns_.assign(1, ResultColumn{});
        columnOrder_.assign(1, 0);
        return step == CDbStatement::Step::Done;
    }
    if (makeColumns) {
        MakeColumns(rows);
        LoadColumnWidths(queryId_);
    }
    headerEnabled_ = true;
    for (; step == CDbStatement::Step::Row; step = rows.Next())
        ReadRow(rows);
    if (step == CDbStatement::Step::Error)
        lastError_ = database_.Connection().lastError();
    return true;
}

bool CDovaneView::MakeColumns(const CDbStatement& statement)
{
    columns_.assign(1, ResultColumn{});
    cells_.clear();
    const int fields = statement.ColumnCount();
    if (fields > 3)
        columns_.push_back({kLinksTitle, ColumnAlignment::Left, HEADER_NONE, 0, 0, 0, 0});
    const CParamArray& params = database_.Params().Params();
    for (int k = 4; k < fields; ++k) {
        const char* declared = sqlite3_column_decltype(statement.Handle(), k);
        const VariantKind kind = KindForDeclaredType(declared ? declared : "");
        ResultColumn column;
        column.title = statement.ColumnName(k);
        const bool numeric = kind == VT_R4 || kind == VT_R8;
        column.alignment = numeric ? ColumnAlignment::Right : ColumnAlignment::Left;
        // The editor follows the column's type, so a first row without a value does not give a
        // numeric or date column the value list of a text column.
        column.headerCode = numeric || kind == VT_I4 ? HEADER_NUMBER
                            : kind == VT_DATE        ? HEADER_DATE
                                                     : HEADER_TEXT;
        if (const tagPARAM* param = ParamNamed(params, column.title)) {
            column.PROPERTY_ID = param->PROPERTY_ID;
            column.TYPE_ID = param->TYPE_ID;
            column.precision = int(param->PRESCISION);
            if (param->colourFlags != 0)
                columnColours_[int(columns_.size())] = {param->backgroundColour, param->textColour};
        }
        ColumnCells cells;
        cells.storage = kind == VT_R4 || kind == VT_I4 ? Storage::Number
                        : kind == VT_DATE              ? Storage::Date
                                                       : Storage::Text;
        cells_.push_back(std::move(cells));
        columns_.push_back(std::move(column));
    }
    if (fields >= 2)
        columns_.push_back({kItemTitle, ColumnAlignment::Left, HEADER_NONE, 0, 0, 0, 0});
    columnOrder_.clear();
    for (int i = 0; i < int(columns_.size()); ++i)
        columnOrder_.push_back(i);
    return true;
}

int32_t CDovaneView::InternText(std::string_view text)
{
    std::string key(text);
    const auto found = textIndex_.find(key);
    if (found != textIndex_.end())
        return found->second;
    const int32_t index = int32_t(texts_.size());
    texts_.push_back(key);
    textIndex_.emplace(std::move(key), index);
    return index;
}

void CDovaneView::ReadRow(const CDbStatement& statement)
{
    sqlite3_stmt* handle = statement.Handle();
    Row row;
    row.itemId = sqlite3_column_int(handle, 1);
    const auto* ident = reinterpret_cast<const char*>(sqlite3_column_text(handle, 2));
    row.ident = InternText(ident ? std::string_view(ident, size_t(sqlite3_column_bytes(handle, 2)))
                                 : std::string_view("NULL"));
    row.links = sqlite3_column_type(handle, 3) != SQLITE_NULL && sqlite3_column_int(handle, 3) != 0;
    for (size_t c = 0; c < cells_.size(); ++c) {
        const int field = int(c) + 4;
        ColumnCells& cells = cells_[c];
        const bool isNull = sqlite3_column_type(handle, field) == SQLITE_NULL;
        switch (cells.storage) {
        case Storage::Number: {
            const CFieldValue value = statement.Column(field);
            cells.values.push_back(isNull ? std::nan("") : value.ToDouble());
            break;
        }
        case Storage::Date:
            cells.values.push_back(isNull ? std::nan("") : sqlite3_column_double(handle, field));
            break;
        case Storage::Text:
            if (sqlite3_column_type(handle, field) == SQLITE_TEXT) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(handle, field));
                cells.texts.push_back(InternText(
                    std::string_view(text, size_t(sqlite3_column_bytes(handle, field)))));
            } else {
                cells.texts.push_back(InternText(CDbConnection::VariantToText(statement.Column(field))));
            }
            break;
        }
    }
    shownItems_.push_back(row.itemId);
    readItems_.push_back(row.itemId);
    COLORREF text = 0;
    COLORREF background = 0;
    if (database_.Items().GetItemColours(row.itemId, text, background))
        rowColours_[row.itemId] = {background, text};
    rows_.push_back(row);
}

// ---- Cells ----------------------------------------------------------------------------------------

int CDovaneView::FindRowOfItem(int32_t itemId) const
{
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].itemId == itemId)
            return int(i);
    }
    return -1;
}

std::string CDovaneView::CellText(int row, int column) const
{
    if (row < 0 || row >= RowCount() || column <= 0 || column >= ColumnCount())
        return {};
    const Row& entry = rows_[size_t(row)];
    if (entry.itemId == kFooterItemData) {
        const auto found = footerCells_.find(column);
        return found != footerCells_.end() ? found->second : std::string();
    }
    if (!editedCells_.empty()) {
        const auto edited = editedCells_.find(CellKey(entry.itemId, column));
        if (edited != editedCells_.end())
            return edited->second;
    }
    if (column == 1)
        return entry.links ? kLinksYes : kLinksNo;
    if (column == ColumnCount() - 1)
        return texts_[size_t(entry.ident)];
    const ColumnCells& cells = cells_[size_t(column - 2)];
    switch (cells.storage) {
    case Storage::Number: {
        const double value = cells.values[size_t(row)];
        return std::isnan(value) ? std::string() : FormatNumber(value, columns_[size_t(column)].precision);
    }
    case Storage::Date: {
        const double value = cells.values[size_t(row)];
        return std::isnan(value) ? std::string() : FormatShortDate(AutomationDate(value));
    }
    case Storage::Text:
        return texts_[size_t(cells.texts[size_t(row)])];
    }
    return {};
}

void CDovaneView::SetCellText(int row, int column, const std::string& text)
{
    if (row < 0 || row >= RowCount() || column <= 0 || column >= ColumnCount())
        return;
    if (IsFooterRow(row))
        footerCells_[column] = text;
    else
        editedCells_[CellKey(rows_[size_t(row)].itemId, column)] = text;
    NotifyCell(row, column);
}

// ---- Check marks ----------------------------------------------------------------------------------

void CDovaneView::SetChecked(int row, bool checked)
{
    rows_[size_t(row)].checked = checked;
    NotifyCell(row, 0);
}

void CDovaneView::MarkAll(bool checked)
{
    for (Row& row : rows_)
        row.checked = checked;
    NotifyCell(-1, 0);
}

CDovaneView::CheckedCount CDovaneView::CountChecked() const
{
    CheckedCount result;
    bool footerChecked = false;
    for (const Row& row : rows_) {
        if (!row.checked)
            continue;
        ++result.count;
        footerChecked = footerChecked || row.itemId == kFooterItemData;
    }
    result.onlyFooter = result.count == 1 && footerChecked;
    return result;
}

int CDovaneView::KeepCheckedItems()
{
    checkedItems_.clear();
    for (const Row& row : rows_) {
        if (row.checked && row.itemId != kFooterItemData)
            checkedItems_.push_back(row.itemId);
    }
    if (checkedItems_.size() < 2)
        checkedItems_.clear();
    return int(checkedItems_.size());
}

// ---- Footers --------------------------------------------------------------------------------------

void CDovaneView::ComputeFooters(int32_t queryId)
{
    CStoreRecordset footers(database_);
    if (!footers.Read(SqlFormat("SELECT * FROM [Footer] WHERE QUERY_ID=%d;", queryId)))
        return;
    std::vector<tagFOOTER> computed;
    for (; footers.HasRow(); footers->MoveNext()) {
        tagFOOTER footer;
        footer.FOOTER_ID = footers->GetValue("FOOTER_ID").ToLong();
        footer.PROPERTY_ID = footers->GetValue("PROPERTY_ID").ToLong();
        footer.QUERY_ID = footers->GetValue("QUERY_ID").ToLong();
        footer.FORMULA_ID = footers->GetValue("FORMULA_ID").ToLong();
        if (footer.FORMULA_ID > 3)
            computed.push_back(footer);
    }
    if (computed.empty())
        return;

    if (FindRowOfItem(kFooterItemData) < 0) {
        rows_.push_back(Row{kFooterItemData, false, false, -1});
        for (ColumnCells& cells : cells_) {
            if (cells.storage == Storage::Text)
                cells.texts.push_back(-1);
            else
                cells.values.push_back(std::nan(""));
        }
    }
    footerCells_.clear();
    footerCells_[ColumnCount() - 1] = kCalculationText;
    if (ColumnCount() <= 2)
        return;

    const CParamArray& params = database_.Params().Params();
    CStoreRecordset rows(database_);
    for (const tagFOOTER& footer : computed) {
        const auto param = std::find_if(params.begin(), params.end(), [&](const tagPARAM& p) {
            return p.PROPERTY_ID == footer.PROPERTY_ID;
        });
        if (param == params.end())
            continue;
        int column = -1;
        for (int c = 1; c < ColumnCount(); ++c) {
            if (columns_[size_t(c)].title == param->PROPERTY_NAME)
                column = c;
        }
        if (column <= 0)
            continue;
        rows.Read(SqlFormat("SELECT [SQLString] FROM [Formula] WHERE FORMULA_ID=%d;", footer.FORMULA_ID));
        const std::string aggregate =
            rows.HasRow() ? CDbConnection::VariantToText(rows->GetValue(0)) : std::string();
        if (aggregate.empty() || aggregate == "NULL")
            continue;
        rows.Read("SELECT " + aggregate + "([" + param->PROPERTY_NAME + "])" + " FROM fulltable " +
                  whereText_ + ";");
        const double value = ReadAggregate(*rows);
        rows.Read(SqlFormat("SELECT FORMULA FROM [Formula] WHERE FORMULA_ID=%d;", footer.FORMULA_ID));
        const std::string name = rows.HasRow() ? CDbConnection::VariantToText(rows->GetValue(0)) : "";
        footerCells_[column] = name + ":" + FormatNumber(value, int(param->PRESCISION));
    }
}

// ---- Widths ---------------------------------------------------------------------------------------

bool CDovaneView::LoadColumnWidths(int32_t queryId)
{
    widths_.clear();
    CStoreRecordset rows(database_);
    if (!rows.Read(SqlFormat("SELECT * FROM Sizes WHERE QUERY_ID=%d ORDER BY COL_NUM;", queryId)))
        return false;
    for (; rows.HasRow(); rows->MoveNext()) {
        widths_.push_back({rows->GetValue("SIZE_ID").ToLong(), rows->GetValue("COL_NUM").ToLong(),
                           rows->GetValue("COL_SIZE").ToLong(), rows->GetValue("QUERY_ID").ToLong()});
    }
    return true;
}

bool CDovaneView::SaveColumnWidths(int32_t queryId)
{
    if (queryId < 0)
        return false;
    CDbConnection& connection = database_.Connection();
    CDbTransaction transaction(connection);
    connection.Execute(SqlFormat("DELETE * FROM [Sizes] WHERE (((Sizes.QUERY_ID)=%d));", queryId), 0);
    if (!widths_.empty()) {
        if (database_.RefuseWriteIfReadOnly())
            return false;
        CStoreRecordset rows(database_);
        for (const tagSIZES& entry : widths_) {
            if (!rows.OpenRow("Sizes", "SIZE_ID", 0) || !rows->AddNew() ||
                !rows.Set("QUERY_ID", CFieldValue::Long(queryId)) ||
                !rows.Set("COL_NUM", CFieldValue::Short(int16_t(entry.COL_NUM))) ||
                !rows.Set("COL_SIZE", CFieldValue::Short(int16_t(entry.COL_SIZE))) || !rows.Write())
                return false;
        }
    }
    return transaction.Commit();
}

void CDovaneView::SetColumnWidth(int column, int width)
{
    if (column < 0 || column >= ColumnCount())
        return;
    columns_[size_t(column)].width = width;
    if (column < int(widths_.size()))
        widths_[size_t(column)].COL_SIZE = width;
}

void CDovaneView::ShowLinksColumn(bool show)
{
    showLinks_ = show;
    if (ColumnCount() > 1)
        columns_[1].width = show && widths_.size() > 1 ? widths_[1].COL_SIZE : 0;
}

// The widest text of the column among the first rows and the footer row: measuring every row of
// a very large result would stall its first fill for what the first screens already show.
int CDovaneView::ContentWidth(int column, const IColumnMeasure& measure) const
{
    constexpr int kMeasuredRows = 1000;
    int width = 0;
    for (int row = 0; row < std::min(RowCount(), kMeasuredRows); ++row)
        width = std::max(width, measure.TextWidth(CellText(row, column)));
    if (RowCount() > kMeasuredRows)
        width = std::max(width, measure.TextWidth(CellText(RowCount() - 1, column)));
    return width;
}

void CDovaneView::ApplyFillWidths(const IColumnMeasure* measure, bool hadWidths)
{
    const auto saved = [&](int column) -> std::optional<int> {
        if (column < int(widths_.size()))
            return widths_[size_t(column)].COL_SIZE;
        return std::nullopt;
    };
    const int last = ColumnCount() - 1;
    if (hadWidths) {
        columns_[0].width = saved(0).value_or(0);
        if (ColumnCount() > 1)
            columns_[1].width = saved(1).value_or(kLinksColumnWidth);
    } else {
        columns_[0].width = measure ? measure->CheckBoxColumnWidth() : 0;
        if (ColumnCount() > 1)
            columns_[1].width = kLinksColumnWidth;
    }
    for (int c = 2; c <= last; ++c) {
        if (const auto width = saved(c); width && hadWidths) {
            columns_[size_t(c)].width = *width;
        } else if (measure) {
            const int content = ContentWidth(c, *measure);
            const int title = measure->TextWidth(columns_[size_t(c)].title);
            columns_[size_t(c)].width = c == last ? content : std::max(content, title);
        }
    }
    if (!hadWidths && measure) {
        widths_.clear();
        for (int c = 0; c < last; ++c)
            widths_.push_back({c, c, columns_[size_t(c)].width, queryId_});
        SaveColumnWidths(queryId_);
    }
    if (!showLinks_ && ColumnCount() > 1)
        columns_[1].width = 0;
}

// ---- Colours --------------------------------------------------------------------------------------

void CDovaneView::SetDefaultColours(COLORREF background, COLORREF text)
{
    defaults_ = {background, text};
}

std::optional<CellColours> CDovaneView::RowColours(int row) const
{
    if (row < 0 || row >= RowCount())
        return std::nullopt;
    const auto found = rowColours_.find(rows_[size_t(row)].itemId);
    if (found == rowColours_.end())
        return std::nullopt;
    return found->second;
}

CellColours CDovaneView::ColoursOf(int row, int column) const
{
    const std::optional<CellColours> rowColours = RowColours(row);
    if (column == 0)
        return {rowColours ? rowColours->background : listBackground_, defaults_.text};
    if (row >= 0 && row < RowCount()) {
        if (const tagItemColors* cell = changes_.FindCellColours(rows_[size_t(row)].itemId, column))
            return {cell->background, cell->text};
    }
    if (rowColours)
        return *rowColours;
    const auto found = columnColours_.find(column);
    if (found != columnColours_.end())
        return found->second;
    return defaults_;
}

// ---- Deleting checked items -------------------------------------------------------------------------

void CDovaneView::RemoveRows(const std::vector<bool>& remove)
{
    size_t kept = 0;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (remove[i])
            continue;
        rows_[kept] = rows_[i];
        for (ColumnCells& cells : cells_) {
            if (cells.storage == Storage::Text)
                cells.texts[kept] = cells.texts[i];
            else
                cells.values[kept] = cells.values[i];
        }
        ++kept;
    }
    rows_.resize(kept);
    for (ColumnCells& cells : cells_) {
        if (cells.storage == Storage::Text)
            cells.texts.resize(kept);
        else
            cells.values.resize(kept);
    }
}

int CDovaneView::DeleteCheckedItems(bool queryIsTemporary)
{
    if (!hasListCopy_) {
        shownItemsCopy_ = shownItems_;
        readItemsCopy_ = readItems_;
        hasListCopy_ = true;
    }
    CDeletedItems deletions(database_);
    std::vector<bool> remove(rows_.size(), false);
    std::vector<int32_t> removedItems;
    int removed = 0;
    for (int row = RowCount() - 1; row >= 0; --row) {
        if (!rows_[size_t(row)].checked)
            continue;
        remove[size_t(row)] = true;
        ++removed;
        if (!queryIsTemporary)
            pendingDeletions_ = true;
        const int32_t itemId = rows_[size_t(row)].itemId;
        if (itemId != kFooterItemData) {
            removedItems.push_back(itemId);
            deletions.RecordDeletion(itemId, queryId_);
        }
    }
    if (removed == 0)
        return 0;
    const ListChange change(observer_);
    RemoveRows(remove);
    std::sort(removedItems.begin(), removedItems.end());
    const auto isRemoved = [&](int32_t id) {
        return std::binary_search(removedItems.begin(), removedItems.end(), id);
    };
    std::erase_if(shownItems_, isRemoved);
    std::erase_if(readItems_, isRemoved);
    // The footers of what is left: the WHERE text now excludes the deleted items.
    ComputeFooters(queryId_);
    return removed;
}

void CDovaneView::RestoreItemLists()
{
    if (!hasListCopy_)
        return;
    shownItems_ = std::move(shownItemsCopy_);
    readItems_ = std::move(readItemsCopy_);
    shownItemsCopy_.clear();
    readItemsCopy_.clear();
    hasListCopy_ = false;
}

// ---- Permutations -----------------------------------------------------------------------------------

PermutationOrder CDovaneView::CurrentOrder() const
{
    PermutationOrder order;
    const int n = ParameterColumnCount();
    for (int j = 0; j < n && j + 2 < int(columnOrder_.size()); ++j)
        order.push_back(columnOrder_[size_t(j) + 2]);
    return order;
}

bool CDovaneView::ApplyOrder(const PermutationOrder& order)
{
    const int n = ParameterColumnCount();
    if (int(order.size()) != n || n == 0)
        return false;
    for (int32_t position : order) {
        if (position < 2 || position > n + 1)
            return false;
    }
    // The sort names follow the displayed parameter columns; sort keys on columns not shown
    // keep their rank after them.
    std::vector<std::string> names;
    const std::vector<std::string>& sortNames = sql_.SortNames();
    for (int32_t position : order) {
        const std::string& title = columns_[size_t(position)].title;
        if (std::find(sortNames.begin(), sortNames.end(), title) != sortNames.end())
            names.push_back(title);
    }
    for (const std::string& name : sortNames) {
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    const ListChange change(observer_);
    sql_.SetOrderText(MakeOrderText(names));
    statement_ = sql_.Statement();

    // Same columns and widths: only the rows are read again.
    std::vector<ResultColumn> columns = columns_;
    std::vector<ColumnCells> emptyCells;
    for (const ColumnCells& cells : cells_)
        emptyCells.push_back(ColumnCells{cells.storage, {}, {}});
    const auto columnColours = columnColours_;
    ClearList();
    changes_.ClearValueChanges();
    columns_ = std::move(columns);
    cells_ = std::move(emptyCells);
    columnColours_ = columnColours;
    columnOrder_ = {0, 1};
    columnOrder_.insert(columnOrder_.end(), order.begin(), order.end());
    columnOrder_.push_back(n + 2);
    if (!RunStatement(statement_, false))
        return false;
    if (!rows_.empty())
        ComputeFooters(queryId_);
    return true;
}
