// Breaking a text into lines by words, and measuring the lines, in layout units.
#include "moxprint/core/TextBreaker.h"

#include <algorithm>

namespace {

constexpr double kTenthsToLayout = 2.362204724409448;  // 600 / 254
constexpr double kLayoutToTenths = 0.4233333333333335; // 254 / 600

bool IsBlank(char c) { return c == ' '; }
bool IsLineFeed(char c) { return c == '\n'; }

} // namespace

int TenthsToLayout(int tenthsOfMm)
{
    return static_cast<int>(tenthsOfMm * kTenthsToLayout);
}

int LayoutToTenths(int layoutUnits)
{
    return static_cast<int>(layoutUnits * kLayoutToTenths);
}

TextBreaker::TextBreaker(const LayoutFont& font, std::string_view text, int availableWidth)
    : font_(font), text_(text), available_(availableWidth)
{
}

int TextBreaker::WidthWithOverhang(int advanceSum, char32_t last) const
{
    if (font_.Italic() && last != U' ')
        return advanceSum - font_.CSpacing(last);
    return advanceSum;
}

int TextBreaker::MeasureSpan(size_t begin, size_t end) const
{
    int sum = 0;
    char32_t last = U' ';
    for (size_t pos = begin; pos < end;) {
        last = NextCharacter(text_, pos);
        sum += font_.Width(last);
    }
    return begin < end ? WidthWithOverhang(sum, last) : 0;
}

// End of the longest run of whole characters from `start` that fits, at least one character.
int TextBreaker::LongestPrefixEnd(size_t start) const
{
    size_t pos = start;
    int sum = font_.Width(NextCharacter(text_, pos));
    size_t best = pos;
    while (pos < text_.size() && !IsBlank(text_[pos]) && !IsLineFeed(text_[pos])) {
        size_t after = pos;
        const char32_t c = NextCharacter(text_, after);
        sum += font_.Width(c);
        if (WidthWithOverhang(sum, c) > available_)
            break;
        best = pos = after;
    }
    return static_cast<int>(best);
}

TextLine TextBreaker::NextLine(size_t start) const
{
    TextLine line;
    line.begin = start;
    size_t pos = start;   // where the current word begins
    int sum = 0;          // advances of [start, pos)
    for (;;) {
        if (pos >= text_.size()) {
            line.end = line.next = text_.size();
            line.endsParagraph = true;
            break;
        }
        if (IsLineFeed(text_[pos])) {
            line.end = pos;
            line.next = pos + 1;
            line.endsParagraph = true;
            break;
        }
        // A word: an optional leading blank, then everything up to a blank, a line feed or
        // the end.
        size_t wordEnd = pos;
        int wordSum = sum;
        char32_t last = U' ';
        if (IsBlank(text_[wordEnd])) {
            ++wordEnd;
            wordSum += font_.Width(U' ');
        }
        while (wordEnd < text_.size() && !IsBlank(text_[wordEnd]) &&
               !IsLineFeed(text_[wordEnd])) {
            last = NextCharacter(text_, wordEnd);
            wordSum += font_.Width(last);
        }
        const int width = WidthWithOverhang(wordSum, last);
        if (width > available_) {
            if (pos > start) {
                // At least one word fitted: break at the blank in front of this word.
                line.end = pos;
                line.next = IsBlank(text_[pos]) ? pos + 1 : pos;
            } else {
                line.end = LongestPrefixEnd(start);
                line.next = line.end < text_.size() && IsBlank(text_[line.end])
                                ? line.end + 1 : line.end;
            }
            break;
        }
        pos = wordEnd;
        sum = wordSum;
        if (width == available_ && pos < text_.size()) {
            // The line is exactly full: it ends here; a blank or line feed after it is skipped.
            line.end = pos;
            line.endsParagraph = IsLineFeed(text_[pos]);
            line.next = pos + 1;
            break;
        }
    }
    line.width = MeasureSpan(line.begin, line.end);
    return line;
}

std::vector<TextLine> TextBreaker::AllLines(size_t start) const
{
    std::vector<TextLine> lines;
    while (start < text_.size()) {
        lines.push_back(NextLine(start));
        start = lines.back().next;
    }
    return lines;
}

LayoutArea TextArea(int width, int height, int penSize)
{
    int left = 0, top = 0, right = width, bottom = height;
    if (penSize > 0) {
        const int inset = std::max(1, penSize / 2);
        left += inset + 10;
        right -= inset + 10;
        top += inset;
        bottom -= inset;
    }
    return {TenthsToLayout(left), TenthsToLayout(top), TenthsToLayout(right),
            TenthsToLayout(bottom)};
}

MeasureResult MeasureText(const LayoutFont& font, std::string_view text,
                          const MeasureRequest& request)
{
    const bool framed = request.penSize > 0;
    const LayoutArea area = TextArea(request.width, request.height, request.penSize);
    int availableHeight = area.bottom - area.top + 3;
    int used = font.ExternalLeading();
    if (framed) {
        availableHeight -= font.InternalLeading();
        used += font.InternalLeading();
    }

    MeasureResult result;
    TextBreaker breaker(font, text, area.Width());
    int widest = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        if (!request.noHeightLimit && used + font.TextHeight() >= availableHeight)
            break;
        const TextLine line = breaker.NextLine(pos);
        widest = std::max(widest, line.width);
        used += font.LineHeight();
        ++result.lineCount;
        pos = line.next;
    }
    result.remainder = std::min(pos, text.size());
    result.nothingFits = !text.empty() && result.lineCount == 0;

    used -= font.ExternalLeading();
    if (framed || !text.empty()) {
        if (framed)
            used += font.InternalLeading();
        result.usedHeight = LayoutToTenths(used) + 2;
    }
    result.usedHeight += request.penSize;

    result.usedWidth = request.width;
    if (request.rightFree) {
        int usedWidth = 0;
        if (framed || !text.empty()) {
            usedWidth = LayoutToTenths(widest) + 2;
            if (framed)
                usedWidth += request.penSize + (font.Italic() ? 30 : 20);
        }
        result.usedWidth = std::min(request.width, usedWidth);
    }
    return result;
}
