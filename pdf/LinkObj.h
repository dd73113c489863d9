// A link annotation: a clickable rectangle of a page that follows an action, drawn without a
// border or highlighting (the page draws the rectangle itself).
#pragma once

#include "pdf/FileObj.h"
#include "pdf/PdfInterfaces.h"

namespace DOC_PDF {

class CLinkObj final : public CFileObj {
public:
    // `rect` in points; `actionNumber` the object number of the action to follow.
    CLinkObj(CObjectCounter& counter, const RectPDF& rect, int actionNumber);
};

}  // namespace DOC_PDF
