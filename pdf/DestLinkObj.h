// Action objects: a go-to action that shows a page at a position and zoom, or a web link.
// Go-to actions belong to the page they show (and are written after it); web links belong to
// the document.
#pragma once

#include "pdf/FileObj.h"
#include "pdf/PdfInterfaces.h"

#include <memory>
#include <string>

namespace DOC_PDF {

class CDestLinkObj final : public CFileObj, public IDestLinkPDF {
public:
    // /D [ page /XYZ left top zoom ], /S /GoTo.
    static std::unique_ptr<CDestLinkObj> GoTo(CObjectCounter& counter, int pageNumber, int left,
                                              int top, float zoom);
    // /S /URI with the address made 7-bit ASCII.
    static std::unique_ptr<CDestLinkObj> Uri(CObjectCounter& counter, const std::string& address);

private:
    explicit CDestLinkObj(CObjectCounter& counter);
};

}  // namespace DOC_PDF
