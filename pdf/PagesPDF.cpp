// Adding pages to the page tree.
#include "pdf/PagesPDF.h"

#include "pdf/PagePDF.h"

namespace DOC_PDF {

CPagesPDF::CPagesPDF(CObjectCounter& counter, CFileInlineObj& procSet)
    : CFileObj(counter), procSet_(procSet)
{
    // A tree without pages is still a valid one.
    Set("Count", OBJ_NUMERIC(0));
    Set("Kids", OBJ_ARRAY());
    Set("Type", OBJ_NAME("Pages"));
}

CPagesPDF::~CPagesPDF() = default;

IPagePDF* CPagesPDF::AddPage(int width, int height)
{
    pages_.push_back(std::make_unique<CPagePDF>(Counter(), Number(), procSet_, width, height));
    const CPagePDF& page = *pages_.back();
    procSet_.AddNameOnce("ImageC");
    Find("Kids")->AsArray()->Add(page.Reference());
    Set("Count", OBJ_NUMERIC(GetCount()));
    if (pages_.size() == 1)
        Set("MediaBox", OBJ_ARRAY{0, 0, width, height});
    return pages_.back().get();
}

IPagePDF* CPagesPDF::GetPage(int index) { return Page(index); }

CPagePDF* CPagesPDF::Page(int index) const
{
    if (index < 0 || index >= static_cast<int>(pages_.size()))
        return nullptr;
    return pages_[static_cast<size_t>(index)].get();
}

}  // namespace DOC_PDF
