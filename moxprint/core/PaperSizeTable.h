// The paper sizes of the engine, looked up by the negative paper codes -1 .. -118 that
// MoxSetPageFormat takes. Each entry also names the printer's paper number of the same size.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

struct PaperSize {
    int16_t code;         // -1 .. -118
    int16_t printerPaper;  // the printer's paper number of this size
    int32_t width;        // 0.1 mm, as the sheet is listed
    int32_t height;
};

// All 118 entries, in the order of their codes (-1 first).
std::span<const PaperSize> PaperSizeTable();

// The entry of a paper code; none for an unknown code or a reserved size.
std::optional<PaperSize> FindPaperSize(int32_t code);
