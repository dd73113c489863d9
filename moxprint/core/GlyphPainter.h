// Drawing of glyph runs from the outlines of a FreeType face, each glyph at a position the caller
// computed (the layout's widths scaled to the device). No font engine of Qt is involved, so text
// draws the same on images, printers and PDF targets, with or without a Qt application.
#pragma once

#include "moxprint/core/LayoutFont.h"

#include <QColor>
#include <QPainter>

#include <string>
#include <vector>

// Fills the glyphs of `characters` on the base line through `origin`: glyph i starts at
// origin.x + x[i] (painter units, x grows to the right, y downwards); `unitsPerFontUnit` scales
// the outlines from font units to painter units.
void FillGlyphRun(QPainter& painter, const FontFace& face, double unitsPerFontUnit,
                  QPointF origin, const std::u32string& characters,
                  const std::vector<double>& x, const QColor& colour);

// The characters of a UTF-8 text.
std::u32string DecodeCharacters(std::string_view text);
