// The outline: the root (/Type /Outlines) and its items, each owning its children in order.
// Siblings are chained by /Prev and /Next; a parent names its /First and /Last child. Every item
// is open, so each /Count is the number of all items below it.
#pragma once

#include "pdf/FileObj.h"
#include "pdf/PdfInterfaces.h"

#include <memory>
#include <vector>

namespace DOC_PDF {

class CBookmarkObj final : public CFileObj, public IBookmarkPDF {
public:
    // The outline root.
    explicit CBookmarkObj(CObjectCounter& counter);
    ~CBookmarkObj() override;

    IBookmarkPDF* AddChild(const char* title, IDestLinkPDF* destination, unsigned long colour,
                           int style) override;
    IBookmarkPDF* AddChild(const char* title, IPagePDF* page, int left, int top, float zoom,
                           unsigned long colour, int style) override;

    int DescendantCount() const { return descendants_; }

    // This item, then its children, each followed by its own children.
    void WriteTo(_buffer& out, CXRefList& xref) override;

private:
    CBookmarkObj(CObjectCounter& counter, CBookmarkObj& parent);
    // One more item somewhere below this one: /Count here and in every ancestor.
    void CountNewDescendant();

    CBookmarkObj* parent_ = nullptr;
    int descendants_ = 0;
    std::vector<std::unique_ptr<CBookmarkObj>> children_;
};

}  // namespace DOC_PDF
