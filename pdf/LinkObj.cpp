// The dictionary of a link annotation.
#include "pdf/LinkObj.h"

namespace DOC_PDF {

CLinkObj::CLinkObj(CObjectCounter& counter, const RectPDF& rect, int actionNumber)
    : CFileObj(counter)
{
    Set("A", OBJ_POINTER(actionNumber));
    Set("Border", OBJ_ARRAY{0, 0, 0});
    Set("H", OBJ_NAME("N"));
    Set("Rect", OBJ_ARRAY{rect.left, rect.bottom, rect.right, rect.top});
    Set("Subtype", OBJ_NAME("Link"));
    Set("Type", OBJ_NAME("Annot"));
}

}  // namespace DOC_PDF
