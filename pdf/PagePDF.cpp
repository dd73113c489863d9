// Drawing on a page: each text run and each rectangle becomes a content object of its own.
#include "pdf/PagePDF.h"

#include "pdf/DestLinkObj.h"
#include "pdf/FontObj.h"
#include "pdf/LinkObj.h"
#include "pdf/StringPDF.h"

namespace DOC_PDF {

CPagePDF::CPagePDF(CObjectCounter& counter, int parentNumber, CFileInlineObj& procSet,
                   int width, int height)
    : CFileObj(counter), procSet_(procSet), width_(width), height_(height)
{
    Set("MediaBox", OBJ_ARRAY{0, 0, width, height});
    Set("Parent", OBJ_POINTER(parentNumber));
    OBJ_INDIRECT resources;
    resources.Set("ProcSet", procSet.Reference());
    Set("Resources", std::move(resources));
    Set("Type", OBJ_NAME("Page"));
}

CPagePDF::~CPagePDF() = default;

void CPagePDF::AddString(IStringPDF* run)
{
    const auto* text = dynamic_cast<const CStringPDF*>(run);
    if (!text)
        return;
    for (const CFontObj* font : text->Fonts()) {
        if (!SameDocument(*font))
            return;  // a run of another document
    }
    procSet_.AddNameOnce("Text");
    _buffer stream;
    stream.reserve(text->Content().size() + 6);
    stream += "BT\r\n";
    stream += text->Content();
    stream += "ET";
    AddContent(std::move(stream));
    AddFontResources(*text);
}

void CPagePDF::AddFontResources(const CStringPDF& run)
{
    if (!fontResources_) {
        objects_.push_back(std::make_unique<CFileObj>(Counter()));
        fontResources_ = objects_.back().get();
        Find("Resources")->AsDictionary()->Set("Font", fontResources_->Reference());
    }
    for (const CFontObj* font : run.Fonts())
        fontResources_->Set(font->Name(), font->Reference());
}

void CPagePDF::DrawRect(unsigned long stroke, unsigned long fill, const RectPDF& rect,
                        IDestLinkPDF* link)
{
    DrawRect(stroke, fill, rect.left, rect.bottom, rect.right - rect.left, rect.top - rect.bottom,
             link);
}

void CPagePDF::DrawRect(unsigned long stroke, unsigned long fill, int x, int y, int width,
                        int height, IDestLinkPDF* link)
{
    _buffer stream;
    stream.reserve(96);
    AppendColour(stream, stroke);
    stream += " RG\r\n";
    AppendColour(stream, fill);
    stream += " rg\r\n";
    for (const int value : {x, y, width, height}) {
        AppendInteger(stream, value);
        stream += ' ';
    }
    stream += "re\r\nB\r\n";
    AddContent(std::move(stream));

    const auto* action = dynamic_cast<const CDestLinkObj*>(link);
    if (!action || !SameDocument(*action))
        return;
    const RectPDF area{x, y, x + width, y + height};
    objects_.push_back(std::make_unique<CLinkObj>(Counter(), area, action->Number()));
    ArrayEntry("Annots").Add(objects_.back()->Reference());
}

IDestLinkPDF* CPagePDF::GetDestination()
{
    if (!destination_)
        destination_ = CreateGoTo(0, height_, 0.0f);
    return destination_;
}

CDestLinkObj* CPagePDF::CreateGoTo(int left, int top, float zoom)
{
    auto action = CDestLinkObj::GoTo(Counter(), Number(), left, top, zoom);
    CDestLinkObj* created = action.get();
    objects_.push_back(std::move(action));
    return created;
}

void CPagePDF::WriteTo(_buffer& out, CXRefList& xref)
{
    CFileObj::WriteTo(out, xref);
    for (const auto& object : objects_)
        object->WriteTo(out, xref);
}

void CPagePDF::AddContent(_buffer stream)
{
    objects_.push_back(std::make_unique<CFileObj>(Counter()));
    objects_.back()->SetStream(std::move(stream));
    ArrayEntry("Contents").Add(objects_.back()->Reference());
}

OBJ_ARRAY& CPagePDF::ArrayEntry(const char* key)
{
    OBJ_PDF* entry = Find(key);
    if (!entry) {
        Set(key, OBJ_ARRAY());
        entry = Find(key);
    }
    return *entry->AsArray();
}

}  // namespace DOC_PDF
