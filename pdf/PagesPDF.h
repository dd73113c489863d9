// The Pages object (the root of the page tree, object 5): owns the pages in page order and
// lists them in /Kids. The first page's size is also the tree's /MediaBox.
#pragma once

#include "pdf/FileObj.h"
#include "pdf/PdfInterfaces.h"

#include <memory>
#include <vector>

namespace DOC_PDF {

class CPagePDF;

class CPagesPDF final : public CFileObj, public IPagesPDF {
public:
    // An empty page tree; every page's resources refer to `procSet`, which gains /ImageC with
    // the first page.
    CPagesPDF(CObjectCounter& counter, CFileInlineObj& procSet);
    ~CPagesPDF() override;

    IPagePDF* Add(int width, int height) override { return AddPage(width, height); }
    IPagePDF* AddPage(int width, int height) override;
    IPagePDF* GetPage(int index) override;
    int GetCount() override { return static_cast<int>(pages_.size()); }

    // The page at the 0-based index, or null.
    CPagePDF* Page(int index) const;

private:
    CFileInlineObj& procSet_;
    std::vector<std::unique_ptr<CPagePDF>> pages_;
};

}  // namespace DOC_PDF
