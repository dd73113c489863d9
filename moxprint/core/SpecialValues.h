// Resolution of the special coordinate values (MOX_FREE, MOX_LAST_*, MOX_OUT_*, relative
// widths and heights) against a page, and the normalised rectangles objects keep.
#pragma once

#include "moxprint.h"

struct MoxPage;

// Wrapping 32-bit arithmetic: careless or hostile coordinates must not be undefined behaviour.
inline int32_t WrapAdd(int32_t a, int32_t b) { return int32_t(uint32_t(a) + uint32_t(b)); }
inline int32_t WrapSub(int32_t a, int32_t b) { return int32_t(uint32_t(a) - uint32_t(b)); }

// Resolves the four coordinates in the order left, right, top, bottom against the page's
// output and last-position rectangles. MOX_FREE stays MOX_FREE. Any other negative value that
// names no edge is relative: a left is the right as passed plus the value, a right the resolved
// left minus the value (a width); the same for top and bottom.
MoxRect ResolveRect(const MoxRect& requested, const MoxPage& page);

// Swaps left/right and top/bottom so that left <= right and top <= bottom, leaving a pair
// alone while one of its two values is MOX_FREE (content still decides it).
MoxRect NormalizedRect(MoxRect rect);

// The value of a MoxGet selector on the page; 0 for a selector that names nothing.
int32_t SelectorValue(const MoxPage& page, int32_t selector);
// Sets what a MoxSet selector names on the page; false when it names nothing settable.
bool SetSelectorValue(MoxPage& page, int32_t selector, int32_t value);
