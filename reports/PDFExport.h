// The PDF export of the result list: a one-page report with a title block (query name,
// permutation number and name, the user's name) above a table of the list's columns without
// the check box column, in display order, one row per exported list row, each cell drawn in
// the colours the list draws it with. CPDFExport builds the document; SaveReportAsPdf makes the
// file steps of the "Save report as PDF" command around it.
//
// Page coordinates are PDF points, origin at the bottom left. The page is as high as the whole
// list needs (also when only the checked rows are exported) and as wide as the table needs.
#pragma once

#include "pdf/DocPDF.h"

#include <ctime>
#include <memory>
#include <string>
#include <vector>

class CDovaneView;
class QWidget;

// The texts of the report and of the command.
inline constexpr const char* kQueryReportTitle = "Query Report - ";  // + the query name
inline constexpr const char* kItemReportTitle = "Item Report";
inline constexpr const char* kReportInfoTitle = "Tavrin report for ";  // + the report title
inline constexpr const char* kPermutationNumberText = "Permutation number: %d";
inline constexpr const char* kPermutationNameText = "Permutation name: %s";
inline constexpr const char* kProducedByText = "Produced By";
inline constexpr const char* kReadOnlyTargetText = "Selected file is Read Only.";
inline constexpr const char* kPdfSaveFailedText = "Failed to save PDF file.";

class CPDFExport {
public:
    // `view`: the result model that gives the columns, rows, texts, check marks and colours
    // (not owned; null builds nothing). `permutationNumber` counts from 1; an empty
    // `permutationName` leaves out its line. `allItems` false exports only the checked rows.
    // `creationDate` is the local time stored as the document's creation date.
    CPDFExport(std::string targetPath, const CDovaneView* view, QWidget* owner, std::string reportTitle,
               std::string userName, int permutationNumber, std::string permutationName, bool allItems,
               const std::tm& creationDate);

    // The first line of the title block.
    void SetQueryName(const std::string& name) { queryName_ = name; }

    // Fills the document. False without a list or document, or when the list has no header
    // (nothing met the query, so it has no columns).
    bool Build();

    CDocPDF* Document() { return document_.get(); }
    const std::string& TargetPath() const { return targetPath_; }
    const std::string& ReportTitle() const { return reportTitle_; }
    QWidget* Owner() const { return owner_; }

    // ---- The layout, computed by Build ----------------------------------------------------------
    int PageWidth() const { return width_; }
    int PageHeight() const { return height_; }
    // Width units (characters) of the exported columns, in export order.
    const std::vector<int>& ColumnUnits() const { return units_; }
    // The bottom edge of the header row.
    int HeaderBottom() const { return headerBottom_; }
    // The y of the "Produced By" line.
    int ProducedByY() const { return producedByY_; }
    // The list rows exported, in order.
    const std::vector<int>& ExportedRows() const { return rows_; }

    // The layout rules, for the builder and its callers.
    static int CellWidth(int units) { return 9 * units + 2; }
    static int TableLeft() { return 53; }

private:
    void ChooseColumnsAndRows();
    void MeasureColumns();
    void SizePage();
    void DrawTitleBlock(IPagePDF& page);
    void DrawHeaderRow(IPagePDF& page);
    void DrawDataRows(IPagePDF& page);
    void Text(IPagePDF& page, tpStandartFont font, int size, unsigned long colour, const std::string& text,
              int x, int y);

    std::string targetPath_;
    const CDovaneView* view_;
    QWidget* owner_;
    std::string reportTitle_;
    std::string queryName_;
    std::string userName_;
    int permutationNumber_;
    std::string permutationName_;
    bool allItems_;
    std::tm creationDate_;
    std::unique_ptr<CDocPDF> document_;

    std::vector<int> columns_;  // list columns, display order
    std::vector<int> rows_;
    std::vector<int> units_;
    int width_ = 0;
    int height_ = 0;
    int headerBottom_ = 0;
    int producedByY_ = 0;
};

// The number of characters of a UTF-8 text.
int CharacterCount(const std::string& text);

// ---- Saving the report ----------------------------------------------------------------------

struct PdfReportRequest {
    std::string path;             // the chosen file
    std::string queryName;
    int permutationNumber = 1;    // the current permutation's index + 1
    std::string permutationName;  // empty: none
    bool allItems = true;         // false: the checked rows only
};

enum class PdfSaveResult { Saved, ReadOnlyTarget, NotBuilt, SaveFailed };

// The steps of the command after the file was chosen: the user's name, the report title
// ("Query Report - " + query name, or "Item Report" for the checked rows), the export object,
// the read-only check of the target, Build and Save. A read-only target the user owns is made
// writable first (the user asked to overwrite it); one that stays read-only is refused with
// "Selected file is Read Only.", a failed save shows "Failed to save PDF file."; a list that
// cannot be built ends without a file and without a message.
PdfSaveResult SaveReportAsPdf(const PdfReportRequest& request, const CDovaneView* view, QWidget* owner,
                              const std::tm& now);

// An existing target without write permission for the current user (by its mode bits, so a
// file the user marked read-only counts also for the superuser) is given write permission for
// its owner. False when it stays read-only; true for a writable or missing file.
bool MakeTargetWritable(const std::string& path);

// The current local time.
std::tm LocalTimeNow();
