// The font and encoding dictionaries of a standard font.
#include "pdf/FontObj.h"

#include <iterator>

namespace DOC_PDF {

const char* StandardFontName(tpStandartFont font)
{
    static const char* const names[] = {
        "Times-Roman", "Times-Italic", "Times-Bold", "Times-BoldItalic",
        "Helvetica", "Helvetica-Oblique", "Helvetica-Bold", "Helvetica-BoldOblique",
        "Courier", "Courier-Oblique", "Courier-Bold", "Courier-BoldOblique",
    };
    const auto index = static_cast<unsigned>(font);
    return index < std::size(names) ? names[index] : nullptr;
}

CFontObj::CFontObj(CObjectCounter& counter, tpStandartFont font, int serial)
    : CFileObj(counter), font_(font), name_("F" + std::to_string(serial))
{
    encoding_ = std::make_unique<CFileObj>(counter);
    encoding_->Set("BaseEncoding", OBJ_NAME("WinAnsiEncoding"));
    encoding_->Set("Type", OBJ_NAME("Encoding"));

    const char* baseFont = StandardFontName(font);
    Set("BaseFont", OBJ_NAME(baseFont ? baseFont : "Courier"));
    Set("Encoding", encoding_->Reference());
    Set("Name", OBJ_NAME(name_));
    Set("Subtype", OBJ_NAME("Type1"));
    Set("Type", OBJ_NAME("Font"));
}

CFontObj::~CFontObj() = default;

void CFontObj::WriteTo(_buffer& out, CXRefList& xref)
{
    CFileObj::WriteTo(out, xref);
    encoding_->WriteTo(out, xref);
}

}  // namespace DOC_PDF
