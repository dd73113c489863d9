// Placing texts on a document's pages: the embedded flags of a call, the layout of one text
// object into its rectangle (how much of the text it takes, its computed right and bottom), the
// loop that lets the rest flow onto following pages with the automatic page break, the Render
// calls that only measure, and the header and footer texts.
#pragma once

#include "moxprint/core/MoxDocument.h"
#include "moxprint/core/MoxObject.h"

#include <string>
#include <string_view>

// What laying out one text object did.
struct TextLayoutOutcome {
    size_t remainder = 0;     // where the text not taken starts (the text size when all was)
    bool tookNothing = false; // the object got no part of a non-empty text
    bool crossedMargin = false; // a fixed rectangle crossing the bottom margin was cut there
    bool cut = false;         // part of the text is left over
};

// Lays out `text` from `from` into `object`, whose rectangle holds the resolved request
// (MOX_FREE right or bottom still free). `requested` is the caller's rectangle; its bottom
// becomes the computed bottom. Sets the object's text and rectangle.
TextLayoutOutcome LayOutTextObject(MoxTextObject& object, MoxRect& requested,
                                   std::string_view text, size_t from, const MoxPage& page,
                                   AutoBreakMode mode);

// MoxPrint, MoxPrintBox, MoxWrite, MoxWriteBox: places the text, continuing on following pages
// as the auto break mode says; returns the bottom of the last text object placed.
int32_t PlaceText(MoxDocument& document, MoxRect requested, const char* text, bool framed);
// The Render forms: lays out as placing would, keeps the size in the current page's render
// width and height; 0 all fits, 1 only a part fits, 2 nothing fits.
int RenderText(MoxDocument& document, MoxRect requested, const char* text, bool framed);
// MoxDefineHeader / MoxDefineFooter: 0 when that one is already defined, else 1.
int DefineRunningText(MoxDocument& document, MoxRect requested, const char* text, bool header);
