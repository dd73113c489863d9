// Adding outline items and linking them to their parent and siblings.
#include "pdf/BookmarkObj.h"

#include "pdf/DestLinkObj.h"
#include "pdf/PagePDF.h"

namespace DOC_PDF {

CBookmarkObj::CBookmarkObj(CObjectCounter& counter) : CFileObj(counter)
{
    Set("Count", OBJ_NUMERIC(0));
    Set("Type", OBJ_NAME("Outlines"));
}

CBookmarkObj::CBookmarkObj(CObjectCounter& counter, CBookmarkObj& parent)
    : CFileObj(counter), parent_(&parent)
{
    Set("Count", OBJ_NUMERIC(0));
    Set("Parent", parent.Reference());
}

CBookmarkObj::~CBookmarkObj() = default;

IBookmarkPDF* CBookmarkObj::AddChild(const char* title, IDestLinkPDF* destination,
                                     unsigned long colour, int style)
{
    std::unique_ptr<CBookmarkObj> child(new CBookmarkObj(Counter(), *this));
    const auto* action = dynamic_cast<const CDestLinkObj*>(destination);
    if (action && SameDocument(*action))
        child->Set("A", action->Reference());
    OBJ_ARRAY rgb;
    for (const unsigned shift : {0u, 8u, 16u})
        rgb.Add(OBJ_NUMERIC(static_cast<float>((colour >> shift) & 0xFF) / 255.0f));
    child->Set("C", std::move(rgb));
    child->Set("F", OBJ_NUMERIC(style));
    child->Set("Title", OBJ_STRING::FromText(title ? title : ""));

    if (!children_.empty()) {
        CBookmarkObj& last = *children_.back();
        last.Set("Next", child->Reference());
        child->Set("Prev", last.Reference());
    } else {
        Set("First", child->Reference());
    }
    Set("Last", child->Reference());
    children_.push_back(std::move(child));
    CountNewDescendant();
    return children_.back().get();
}

IBookmarkPDF* CBookmarkObj::AddChild(const char* title, IPagePDF* page, int left, int top,
                                     float zoom, unsigned long colour, int style)
{
    auto* target = dynamic_cast<CPagePDF*>(page);
    if (!target || !SameDocument(*target))
        return nullptr;
    return AddChild(title, target->CreateGoTo(left, top, zoom), colour, style);
}

void CBookmarkObj::CountNewDescendant()
{
    for (CBookmarkObj* item = this; item; item = item->parent_) {
        ++item->descendants_;
        item->Set("Count", OBJ_NUMERIC(item->descendants_));
    }
}

void CBookmarkObj::WriteTo(_buffer& out, CXRefList& xref)
{
    CFileObj::WriteTo(out, xref);
    for (const auto& child : children_)
        child->WriteTo(out, xref);
}

}  // namespace DOC_PDF
