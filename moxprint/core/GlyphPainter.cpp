// Glyph runs as filled outlines.
#include "moxprint/core/GlyphPainter.h"

#include <QTransform>

void FillGlyphRun(QPainter& painter, const FontFace& face, double unitsPerFontUnit,
                  QPointF origin, const std::u32string& characters,
                  const std::vector<double>& x, const QColor& colour)
{
    QPainterPath run;
    run.setFillRule(Qt::WindingFill);
    for (size_t i = 0; i < characters.size() && i < x.size(); ++i) {
        const auto& glyph = face.GlyphOf(characters[i]);
        if (glyph.outline.isEmpty())
            continue;
        QTransform place;
        place.translate(origin.x() + x[i], origin.y());
        place.scale(unitsPerFontUnit, -unitsPerFontUnit);
        run.addPath(place.map(glyph.outline));
    }
    if (run.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(run, colour);
    painter.restore();
}

std::u32string DecodeCharacters(std::string_view text)
{
    std::u32string characters;
    characters.reserve(text.size());
    for (size_t pos = 0; pos < text.size();)
        characters.push_back(NextCharacter(text, pos));
    return characters;
}
