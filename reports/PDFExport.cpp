// The one-page PDF report of the result list and the file steps of saving it.
#include "reports/PDFExport.h"

#include "platform/MessageBox.h"
#include "query/DovaneView.h"
#include "reports/UserName.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace {

constexpr unsigned long kBlack = 0x000000;
constexpr unsigned long kBlue = 0xFF0000;       // red 0, green 0, blue 255 (0x00BBGGRR)
constexpr unsigned long kHeaderGrey = 0xC8C8C8;  // red, green and blue 200
constexpr int kRowHeight = 20;
// The least room right of the table: a page narrower than the table would cut its last
// columns off.
constexpr int kRightRoom = 20;

std::string Formatted(const char* format, const std::string& value)
{
    std::string text(format);
    const size_t at = text.find("%s");
    return at == std::string::npos ? text : text.replace(at, 2, value);
}

std::string Formatted(const char* format, int value)
{
    std::string text(format);
    const size_t at = text.find("%d");
    return at == std::string::npos ? text : text.replace(at, 2, std::to_string(value));
}

}  // namespace

int CharacterCount(const std::string& text)
{
    // Every byte that does not continue a multi-byte sequence starts a character.
    return int(std::count_if(text.begin(), text.end(),
                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

CPDFExport::CPDFExport(std::string targetPath, const CDovaneView* view, QWidget* owner,
                       std::string reportTitle, std::string userName, int permutationNumber,
                       std::string permutationName, bool allItems, const std::tm& creationDate)
    : targetPath_(std::move(targetPath)),
      view_(view),
      owner_(owner),
      reportTitle_(std::move(reportTitle)),
      userName_(std::move(userName)),
      permutationNumber_(permutationNumber),
      permutationName_(std::move(permutationName)),
      allItems_(allItems),
      creationDate_(creationDate),
      document_(std::make_unique<CDocPDF>())
{
}

bool CPDFExport::Build()
{
    if (!view_ || !document_ || !view_->IsHeaderEnabled())
        return false;
    document_->AddInfo(tpInfoString::Title, (kReportInfoTitle + reportTitle_).c_str());
    document_->AddInfo(tpInfoString::Creator, userName_.c_str());
    document_->AddInfo(tpInfoDate::CreationDate, &creationDate_);
    document_->SetViewDocSettings(tpViewDocSettings::UseOutlines);
    document_->SetViewPageSettings(tpVewPageSettings::FitWindow, true);

    ChooseColumnsAndRows();
    MeasureColumns();
    SizePage();
    IPagePDF* page = document_->GetPages()->AddPage(width_, height_);
    if (!page)
        return false;
    DrawTitleBlock(*page);
    DrawHeaderRow(*page);
    DrawDataRows(*page);
    return true;
}

void CPDFExport::ChooseColumnsAndRows()
{
    columns_.clear();
    for (int column : view_->ColumnOrder()) {
        if (column > 0)  // the check box column is not exported
            columns_.push_back(column);
    }
    rows_.clear();
    for (int row = 0; row < view_->RowCount(); ++row) {
        if (allItems_ || view_->IsChecked(row))
            rows_.push_back(row);
    }
}

void CPDFExport::MeasureColumns()
{
    units_.clear();
    for (int column : columns_) {
        int units = CharacterCount(view_->Column(column).title);
        for (int row : rows_)
            units = std::max(units, CharacterCount(view_->CellText(row, column)));
        units_.push_back(units);
    }
}

void CPDFExport::SizePage()
{
    int sum = 0;
    int tableWidth = 0;
    for (int units : units_) {
        sum += units;
        tableWidth += CellWidth(units);
    }
    const int s = sum + int(units_.size());
    width_ = std::max(9 * s - s / 2 + 80, TableLeft() + tableWidth + kRightRoom);
    height_ = kRowHeight * view_->RowCount() + 190;
}

void CPDFExport::Text(IPagePDF& page, tpStandartFont font, int size, unsigned long colour,
                      const std::string& text, int x, int y)
{
    page.AddString(document_->CreateString(font, size, colour, text.c_str(), x, y));
}

void CPDFExport::DrawTitleBlock(IPagePDF& page)
{
    const int middle = width_ / 2;
    const tpStandartFont font = tpStandartFont::TimesRoman;
    Text(page, font, 24, kBlue, queryName_, middle - 30, height_ - 20);
    Text(page, font, 14, kBlack, Formatted(kPermutationNumberText, permutationNumber_), middle - 70,
         height_ - 50);
    int t = 70;
    if (!permutationName_.empty()) {
        Text(page, font, 14, kBlack, Formatted(kPermutationNameText, permutationName_), middle - 70,
             height_ - 70);
        t = 90;
    }
    producedByY_ = height_ - t;
    Text(page, font, 14, kBlack, std::string(kProducedByText) + ": " + userName_, middle - 70, producedByY_);
    headerBottom_ = height_ - t - 40;
}

void CPDFExport::DrawHeaderRow(IPagePDF& page)
{
    int x = TableLeft();
    for (size_t i = 0; i < columns_.size(); ++i) {
        const int width = CellWidth(units_[i]);
        page.DrawRect(kBlack, kHeaderGrey, x, headerBottom_, width, kRowHeight);
        Text(page, tpStandartFont::Courier, 12, kBlack, view_->Column(columns_[i]).title, x + 4,
             headerBottom_ + 4);
        x += width;
    }
}

void CPDFExport::DrawDataRows(IPagePDF& page)
{
    int bottom = headerBottom_;
    for (int row : rows_) {
        bottom -= kRowHeight;
        int x = TableLeft();
        for (size_t i = 0; i < columns_.size(); ++i) {
            const int width = CellWidth(units_[i]);
            const CellColours colours = view_->ColoursOf(row, columns_[i]);
            page.DrawRect(kBlack, colours.background, x, bottom, width, kRowHeight);
            Text(page, tpStandartFont::Courier, 12, colours.text, view_->CellText(row, columns_[i]), x + 4,
                 bottom + 4);
            x += width;
        }
    }
}

// ---- Saving the report ----------------------------------------------------------------------

namespace {

// Whether the mode bits give the current user write permission.
bool ModeAllowsWriting(const struct stat& status)
{
    const uid_t user = geteuid();
    if (user == status.st_uid || user == 0)
        return (status.st_mode & S_IWUSR) != 0;
    if (getegid() == status.st_gid)
        return (status.st_mode & S_IWGRP) != 0;
    return (status.st_mode & S_IWOTH) != 0;
}

}  // namespace

bool MakeTargetWritable(const std::string& path)
{
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return errno == ENOENT;  // a new file
    if (ModeAllowsWriting(status))
        return true;
    if (chmod(path.c_str(), (status.st_mode & 07777) | S_IWUSR) != 0)
        return false;
    return stat(path.c_str(), &status) == 0 && ModeAllowsWriting(status);
}

std::tm LocalTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return local;
}

PdfSaveResult SaveReportAsPdf(const PdfReportRequest& request, const CDovaneView* view, QWidget* owner,
                              const std::tm& now)
{
    const std::string title =
        request.allItems ? kQueryReportTitle + request.queryName : std::string(kItemReportTitle);
    CPDFExport report(request.path, view, owner, title, CurrentUserName(), request.permutationNumber,
                      request.permutationName, request.allItems, now);
    if (!MakeTargetWritable(request.path)) {
        MessageBox(kReadOnlyTargetText, {}, MB_OK, owner);
        return PdfSaveResult::ReadOnlyTarget;
    }
    report.SetQueryName(request.queryName);
    if (!report.Build())
        return PdfSaveResult::NotBuilt;
    if (!report.Document() || !report.Document()->Save(request.path.c_str())) {
        MessageBox(kPdfSaveFailedText, {}, MB_OK, owner);
        return PdfSaveResult::SaveFailed;
    }
    return PdfSaveResult::Saved;
}
