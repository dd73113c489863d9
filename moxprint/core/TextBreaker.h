// Line breaking and measuring of the print engine's texts. One set of rules serves the layout
// (how much of a text fits a rectangle and how big it is) and the drawing (where each line
// breaks), so that a text breaks at the same places on screen, on paper and in measurements.
// Lengths in 0.1 mm unless named "layout units" (600 per inch).
#pragma once

#include "moxprint/core/LayoutFont.h"

#include <string_view>
#include <vector>

// 0.1 mm to layout units and back, truncated toward zero, with the engine's fixed factors.
int TenthsToLayout(int tenthsOfMm);
int LayoutToTenths(int layoutUnits);

// One line of a text: characters [begin, end) are shown; the next line starts at `next`.
struct TextLine {
    size_t begin = 0;
    size_t end = 0;
    size_t next = 0;
    int width = 0;             // layout units, with the italic overhang of the last character
    bool endsParagraph = false; // ended by a line feed or by the end of the text
};

class TextBreaker {
public:
    // `availableWidth` in layout units.
    TextBreaker(const LayoutFont& font, std::string_view text, int availableWidth);

    // The line that starts at `start` (start < text size).
    TextLine NextLine(size_t start) const;
    // Width in layout units of characters [begin, end) as the layout measures a line.
    int MeasureSpan(size_t begin, size_t end) const;

    // Every line from `start` to the end of the text.
    std::vector<TextLine> AllLines(size_t start = 0) const;

private:
    int LongestPrefixEnd(size_t start) const;
    int WidthWithOverhang(int advanceSum, char32_t last) const;

    const LayoutFont& font_;
    std::string_view text_;
    int available_;
};

// What the layout asks of one text: the space in 0.1 mm, the frame, the limits.
struct MeasureRequest {
    int width = 0;            // available width, 0.1 mm
    int height = 0;           // available height, 0.1 mm
    int penSize = 0;          // frame when above 0
    bool noHeightLimit = false; // auto break "no limits": every line fits
    bool rightFree = false;   // the width comes from the text
};

struct MeasureResult {
    int usedWidth = 0;     // 0.1 mm; the available width when the right is fixed
    int usedHeight = 0;    // 0.1 mm
    size_t remainder = 0;  // where the text not taken starts; the text size when all fits
    int lineCount = 0;
    bool nothingFits = false; // the text is not empty and not even its first line fits
};

// Breaks and measures `text` into the requested space with the layout font.
MeasureResult MeasureText(const LayoutFont& font, std::string_view text,
                          const MeasureRequest& request);

// The text area of an object of `width` x `height` (0.1 mm) in layout units, as the layout and
// the drawing use it: shrunk by the frame (half the pen, at least 1, and 1 mm left and right).
struct LayoutArea {
    int left = 0, top = 0, right = 0, bottom = 0; // layout units
    int Width() const { return right - left; }
};
LayoutArea TextArea(int width, int height, int penSize);
