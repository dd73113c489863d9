// Building the operators of a text run. The text is converted to Windows-1252, the encoding of
// the document's fonts, and escaped like any PDF string.
#include "pdf/StringPDF.h"

#include "pdf/DocPDF.h"
#include "pdf/FontObj.h"
#include "pdf/TextEncoding.h"

#include <algorithm>

namespace DOC_PDF {

void AppendColour(_buffer& out, unsigned long colour)
{
    const unsigned channels[] = {static_cast<unsigned>(colour & 0xFF),
                                 static_cast<unsigned>((colour >> 8) & 0xFF),
                                 static_cast<unsigned>((colour >> 16) & 0xFF)};
    for (size_t i = 0; i < 3; ++i) {
        if (i > 0)
            out += ' ';
        AppendReal(out, static_cast<float>(channels[i]) / 255.0f);
    }
}

CStringPDF::CStringPDF(::CDocPDF& document, int x, int y) : document_(document)
{
    AppendInteger(content_, x);
    content_ += ' ';
    AppendInteger(content_, y);
    content_ += " Td\r\n";
}

void CStringPDF::AddText(tpStandartFont font, int size, unsigned long colour, const char* text)
{
    CFontObj* fontObject = document_.FoundFont(font);
    if (!fontObject)
        return;
    if (std::find(fonts_.begin(), fonts_.end(), fontObject) == fonts_.end())
        fonts_.push_back(fontObject);

    AppendColour(content_, colour);
    content_ += " rg\r\n/";
    content_ += fontObject->Name();
    content_ += ' ';
    AppendInteger(content_, size);
    content_ += " Tf\r\n";
    AppendEscapedString(content_, ToWinAnsi(text ? text : ""));
    content_ += " Tj\r\n";
}

}  // namespace DOC_PDF
