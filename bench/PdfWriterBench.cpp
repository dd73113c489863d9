// How long the PDF writer takes for a large table: 100,000 cells on four pages, each cell a
// text run at its position (and, in the second case, the filled rectangle behind it, as the
// result export draws it), built and saved to a file.
#include "pdf/DocPDF.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

constexpr int kCells = 100'000;
constexpr int kPages = 4;
constexpr int kColumns = 10;
constexpr int kRowsPerPage = kCells / kPages / kColumns;
constexpr int kCellWidth = 92;
constexpr int kRowHeight = 20;

std::string ScratchPath()
{
    return (std::filesystem::temp_directory_path() / "tavrin_pdf_bench.pdf").string();
}

void WriteTable(benchmark::State& state, bool withRectangles)
{
    const std::string path = ScratchPath();
    const int width = 53 + kColumns * kCellWidth + 40;
    const int height = kRowsPerPage * kRowHeight + 190;
    for (auto _ : state) {
        CDocPDF document;
        for (int pageIndex = 0; pageIndex < kPages; ++pageIndex) {
            IPagePDF* page = document.GetPages()->AddPage(width, height);
            for (int row = 0; row < kRowsPerPage; ++row) {
                const int bottom = height - 150 - row * kRowHeight;
                for (int column = 0; column < kColumns; ++column) {
                    const int x = 53 + column * kCellWidth;
                    if (withRectangles)
                        page->DrawRect(0x000000, 0xFFFFFF, x, bottom, kCellWidth, kRowHeight);
                    const std::string text = "Caf\xC3\xA9 " + std::to_string(row * kColumns + column);
                    page->AddString(document.CreateString(tpStandartFont::Courier, 12, 0x000000,
                                                          text.c_str(), x + 4, bottom + 4));
                }
            }
        }
        if (!document.Save(path.c_str()))
            state.SkipWithError("the file could not be saved");
    }
    state.counters["cells"] = kCells;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}

void BM_TableOfTextRuns(benchmark::State& state) { WriteTable(state, false); }
void BM_TableOfFilledCells(benchmark::State& state) { WriteTable(state, true); }

}  // namespace

BENCHMARK(BM_TableOfTextRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableOfFilledCells)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
