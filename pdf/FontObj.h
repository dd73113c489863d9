// A standard Type 1 font of a document with its encoding object (WinAnsiEncoding). One font
// object exists per standard font used, shared by every page; its resource name is "F" and its
// serial number in order of first use (F1, F2, ...).
#pragma once

#include "pdf/FileObj.h"
#include "pdf/PdfInterfaces.h"

#include <memory>
#include <string>

namespace DOC_PDF {

// "Times-Roman", ..., "Courier-BoldOblique"; null for a value outside the enumeration.
const char* StandardFontName(tpStandartFont font);

class CFontObj final : public CFileObj {
public:
    // The font object takes the next object number, its encoding object the one after.
    CFontObj(CObjectCounter& counter, tpStandartFont font, int serial);
    ~CFontObj() override;

    tpStandartFont Font() const { return font_; }
    // The resource name without the slash: "F1".
    const std::string& Name() const { return name_; }

    // The font object, then its encoding object.
    void WriteTo(_buffer& out, CXRefList& xref) override;

private:
    tpStandartFont font_;
    std::string name_;
    std::unique_ptr<CFileObj> encoding_;
};

}  // namespace DOC_PDF
