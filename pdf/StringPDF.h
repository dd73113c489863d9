// A text run: the text operators of one positioned run ("x y Td", then colour, font and text
// for each piece) and the fonts it uses. It is not an object of the file; a page copies it into
// a content object of its own (CPagePDF::AddString).
#pragma once

#include "pdf/ObjBase.h"
#include "pdf/PdfInterfaces.h"

#include <vector>

class CDocPDF;

namespace DOC_PDF {

class CFontObj;

// "%f %f %f" of a colour's red, green and blue, each byte / 255.
void AppendColour(_buffer& out, unsigned long colour);

class CStringPDF final : public IStringPDF {
public:
    // A run starting at (x, y); `document` supplies the fonts.
    CStringPDF(::CDocPDF& document, int x, int y);

    void AddText(tpStandartFont font, int size, unsigned long colour, const char* text) override;

    // The operators without BT and ET.
    const _buffer& Content() const { return content_; }
    // The fonts the run uses, each once, in order of first use.
    const std::vector<CFontObj*>& Fonts() const { return fonts_; }

private:
    ::CDocPDF& document_;
    _buffer content_;
    std::vector<CFontObj*> fonts_;
};

}  // namespace DOC_PDF
