#include "store/SharedTypes.h"

namespace {
COLORREF g_background = RGB(255, 255, 255);
COLORREF g_text = RGB(0, 0, 0);
}  // namespace

COLORREF DefaultBackgroundColour() { return g_background; }
COLORREF DefaultTextColour() { return g_text; }

void SetDefaultColours(COLORREF background, COLORREF text)
{
    g_background = background;
    g_text = text;
}
