// A page: its dictionary and every object made for it (content streams, the font resources,
// link annotations and the go-to actions that show it), owned in creation order, which is the
// order they are written in right after the page.
#pragma once

#include "pdf/FileObj.h"
#include "pdf/PdfInterfaces.h"

#include <memory>
#include <vector>

namespace DOC_PDF {

class CDestLinkObj;
class CStringPDF;

class CPagePDF final : public CFileObj, public IPagePDF {
public:
    // A page of `width` x `height` points under the Pages object `parentNumber`; its resources
    // refer to `procSet`, which gains /Text with the first text run.
    CPagePDF(CObjectCounter& counter, int parentNumber, CFileInlineObj& procSet, int width,
             int height);
    ~CPagePDF() override;

    void AddString(IStringPDF* run) override;
    void DrawRect(unsigned long stroke, unsigned long fill, const RectPDF& rect,
                  IDestLinkPDF* link) override;
    void DrawRect(unsigned long stroke, unsigned long fill, int x, int y, int width, int height,
                  IDestLinkPDF* link) override;
    // /D [ page /XYZ 0 height 0 ]: the top of the page at the viewer's zoom.
    IDestLinkPDF* GetDestination() override;

    // A go-to action that shows this page with (left, top) at the top left corner and `zoom`;
    // owned by the page.
    CDestLinkObj* CreateGoTo(int left, int top, float zoom);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // The page, then the objects made for it.
    void WriteTo(_buffer& out, CXRefList& xref) override;

private:
    // A new content object with `stream`, appended to /Contents.
    void AddContent(_buffer stream);
    // The array under `key`, created empty on first use.
    OBJ_ARRAY& ArrayEntry(const char* key);
    void AddFontResources(const CStringPDF& run);

    CFileInlineObj& procSet_;
    int width_;
    int height_;
    CFileObj* fontResources_ = nullptr;
    CDestLinkObj* destination_ = nullptr;
    std::vector<std::unique_ptr<CFileObj>> objects_;
};

}  // namespace DOC_PDF
