// The dictionaries of go-to and web-link actions.
#include "pdf/DestLinkObj.h"

#include "pdf/TextEncoding.h"

namespace DOC_PDF {

CDestLinkObj::CDestLinkObj(CObjectCounter& counter) : CFileObj(counter)
{
    Set("Type", OBJ_NAME("Action"));
}

std::unique_ptr<CDestLinkObj> CDestLinkObj::GoTo(CObjectCounter& counter, int pageNumber,
                                                 int left, int top, float zoom)
{
    std::unique_ptr<CDestLinkObj> action(new CDestLinkObj(counter));
    OBJ_ARRAY destination;
    destination.Add(OBJ_POINTER(pageNumber));
    destination.Add(OBJ_NAME("XYZ"));
    destination.Add(OBJ_NUMERIC(left));
    destination.Add(OBJ_NUMERIC(top));
    destination.Add(OBJ_NUMERIC(zoom));
    action->Set("D", std::move(destination));
    action->Set("S", OBJ_NAME("GoTo"));
    return action;
}

std::unique_ptr<CDestLinkObj> CDestLinkObj::Uri(CObjectCounter& counter,
                                                const std::string& address)
{
    std::unique_ptr<CDestLinkObj> action(new CDestLinkObj(counter));
    action->Set("S", OBJ_NAME("URI"));
    action->Set("URI", OBJ_STRING(EncodeUri(address)));
    return action;
}

}  // namespace DOC_PDF
