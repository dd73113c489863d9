// Exported functions of the Pages family: the page list and page geometry.
#include "moxprint/core/ApiGuard.h"

extern "C" {

int MoxPageBreak(HMOXDOC doc)
{
    return MoxFallibleCall(doc, 0, [](MoxDocument& d) {
        d.PageBreak();
        return 1;
    });
}

int MoxGetPageCount(HMOXDOC doc)
{
    return MoxCall(doc, 0, [](MoxDocument& d) { return d.PageCount(); });
}

int MoxGetCurrentPage(HMOXDOC doc)
{
    return MoxCall(doc, 0, [](MoxDocument& d) { return d.CurrentPageNumber(); });
}

int MoxGotoPage(HMOXDOC doc, int page)
{
    return MoxFallibleCall(doc, 0, [&](MoxDocument& d) {
        d.GotoPage(page);
        return 1;
    });
}

void MoxSetPageFormat(HMOXDOC doc, int32_t width, int32_t height)
{
    MoxCall(doc, [&](MoxDocument& d) { d.ApplyPageSize(width, height); });
}

void MoxSetPageWidth(HMOXDOC doc, int32_t width)
{
    MoxCall(doc, [&](MoxDocument& d) { d.ApplyPageSize(width, d.pageHeight); });
}

void MoxSetPageHeight(HMOXDOC doc, int32_t height)
{
    MoxCall(doc, [&](MoxDocument& d) { d.ApplyPageSize(d.pageWidth, height); });
}

int32_t MoxGetPageWidth(HMOXDOC doc)
{
    return MoxCall(doc, 0, [](MoxDocument& d) { return d.CurrentPage().width; });
}

int32_t MoxGetPageHeight(HMOXDOC doc)
{
    return MoxCall(doc, 0, [](MoxDocument& d) { return d.CurrentPage().height; });
}

void MoxSetPageOrientation(HMOXDOC doc, int landscape)
{
    MoxCall(doc, [&](MoxDocument& d) { d.SetLandscape(landscape != 0); });
}

int MoxGetPageOrientation(HMOXDOC doc)
{
    return MoxCall(doc, 0, [](MoxDocument& d) { return d.CurrentPage().Landscape() ? 1 : 0; });
}

void MoxSetPaperBin(HMOXDOC doc, int bin)
{
    MoxCall(doc, [&](MoxDocument& d) {
        d.paperBin = bin;
        d.CurrentPage().paperBin = bin;
    });
}

int MoxGetPaperBin(HMOXDOC doc)
{
    return MoxCall(doc, 0, [](MoxDocument& d) { return int(d.CurrentPage().paperBin); });
}

}  // extern "C"
