// The fixture of the PDF export tests: a small dataset with three items, accented texts and a
// ten-character value, one stored query over it run into a result model, and helpers that build
// the report, save it through the validators and read its page content.
#pragma once

#include "reports/PDFExport.h"
#include "tests/pdf/PdfFileChecks.h"
#include "tests/query/ResultTestFixture.h"

#include <cstdio>
#include <string>

class ExportTest : public ResultTest {
protected:
    void SetUp() override
    {
        Open({.parameters = {{"Place", TYPE_ALPHANUMERIC, 0, {"Arag\xC3\xB3n", "M\xC3\xBCnstertal", "Oslo"}},
                             {"Weight", TYPE_NUMERIC, 1}},
              .items = {{"Alpha", {{"Place", "Arag\xC3\xB3n"}, {"Weight", "1.5"}}},
                        {"Beta", {{"Place", "M\xC3\xBCnstertal"}, {"Weight", "12.25"}}},
                        {"Gamma", {{"Place", "Oslo"}, {"Weight", "3"}}}}});
        queryId_ = AddQuery("Stock", {"Place", "Weight"});
    }

    // A report of the query's list with the given form and permutation name.
    std::unique_ptr<CPDFExport> MakeReport(bool allItems, const std::string& permutationName = {})
    {
        auto report = std::make_unique<CPDFExport>(Folder().Path("report.pdf"), &View(), nullptr,
                                                   "Query Report - Stock", "Ana Ruiz", 2, permutationName,
                                                   allItems, Created());
        report->SetQueryName("Stock");
        return report;
    }

    // Saves the built report, checks it with qpdf and answers its bytes.
    std::string Saved(CPDFExport& report, const std::string& name = "report.pdf")
    {
        return SaveAndCheck(*report.Document(), Folder(), name);
    }

    static std::tm Created()
    {
        std::tm time {};
        time.tm_year = 2026 - 1900;
        time.tm_mon = 11;
        time.tm_mday = 11;
        time.tm_hour = 9;
        time.tm_min = 5;
        time.tm_sec = 7;
        return time;
    }

    // The operands of a colour as the page content writes them ("r g b", each 0 to 1).
    static std::string ColourOperands(COLORREF colour)
    {
        char text[64];
        std::snprintf(text, sizeof text, "%.6f %.6f %.6f", GetRValue(colour) / 255.0, GetGValue(colour) / 255.0,
                      GetBValue(colour) / 255.0);
        return text;
    }
    // The content of a cell: its rectangle filled with `fill`.
    static std::string CellBox(COLORREF fill, int x, int bottom, int width)
    {
        return ColourOperands(fill) + " rg\r\n" + std::to_string(x) + " " + std::to_string(bottom) + " " +
               std::to_string(width) + " 20 re\r\n";
    }
    // The start of a text run at (x, y) in `colour`, font resource `font` (F1 Times-Roman, used
    // first, F2 Courier) and `size`, up to its text.
    static std::string TextRun(int x, int y, COLORREF colour, const std::string& font, int size)
    {
        return std::to_string(x) + " " + std::to_string(y) + " Td\r\n" + ColourOperands(colour) + " rg\r\n/" +
               font + " " + std::to_string(size) + " Tf\r\n(";
    }
    // The text of page 1 as pdftotext reads it.
    static std::string PageText(const std::string& path)
    {
        return RunTool("pdftotext", {"-enc", "UTF-8", QString::fromStdString(path), "-"}).output;
    }

    const TempFolder& Folder() const { return Dataset().Folder(); }
    int QueryId() const { return queryId_; }

private:
    int queryId_ = 0;
};
