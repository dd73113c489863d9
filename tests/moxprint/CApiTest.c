/* The engine's C interface seen from a plain C host: no Qt application, no display, only
 * libmoxprint. Each check names the behaviour; the program fails when any check fails. */
#include "moxprint.h"

#include <stdio.h>
#include <string.h>

static int g_failures = 0;

#define CHECK(condition)                                                       \
    do {                                                                       \
        if (!(condition)) {                                                    \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__,   \
                    #condition);                                               \
            ++g_failures;                                                      \
        }                                                                      \
    } while (0)

#define CHECK_RECT(rect, l, t, r, b)                                               \
    do {                                                                           \
        CHECK((rect).left == (l) && (rect).top == (t) && (rect).right == (r) &&    \
              (rect).bottom == (b));                                               \
    } while (0)

static HMOXDOC NewDocument(void)
{
    HMOXDOC doc = MoxOpenDoc(NULL, "C interface test", 0);
    CHECK(doc != NULL);
    return doc;
}

static MoxRect LastPosition(HMOXDOC doc)
{
    MoxRect rect = {0, 0, 0, 0};
    CHECK(MoxGetPosRect(doc, &rect) == 1);
    return rect;
}

static void FreshDocumentIsOneA4PageWithTwentyMillimetreMargins(void)
{
    HMOXDOC doc = NewDocument();
    MoxRect out;
    CHECK(MoxGetPageCount(doc) == 1);
    CHECK(MoxGetCurrentPage(doc) == 1);
    CHECK(MoxGetPageWidth(doc) == 2100);
    CHECK(MoxGetPageHeight(doc) == 2970);
    CHECK(MoxGetPageOrientation(doc) == 0);
    CHECK(MoxGetOutRect(doc, &out) == 1);
    CHECK_RECT(out, 200, 200, 1900, 2770);
    CHECK(MoxGet(doc, MOX_LAST_BOTTOM) == 200);
    CHECK(MoxGet(doc, MOX_LAST_LEFT) == 200 && MoxGet(doc, MOX_LAST_RIGHT) == 1900);
    CHECK(MoxGetPenSize(doc) == 3);
    CHECK(MoxGetFontSize(doc) == 10);
    CHECK(MoxGetBkgMode(doc) == MOX_BKG_TRANSPARENT);
    CHECK(MoxGetBkgColor(doc) == 0xFFFFFF);
    CHECK(MoxGetAutoBreak(doc) == MOX_AUTOBREAK_ON);
    CHECK(MoxGetPaperBin(doc) == 255);
    CHECK(MoxGetLastError(doc) == MOX_ERROR_NONE);
    CHECK(MoxGetVersion(doc) == 788);
    CHECK(MoxGetEdition(doc) == 1000);
    CHECK(MoxCloseDoc(doc) == 1);
}

static void NegativeRightAndBottomAreWidthAndHeight(void)
{
    HMOXDOC doc = NewDocument();
    MoxRect last;
    CHECK(MoxBox(doc, 100, 100, -300, -50) == 150);
    last = LastPosition(doc);
    CHECK_RECT(last, 100, 100, 400, 150);
    MoxCloseDoc(doc);
}

static void LineRectangleIsNormalisedBoundingBox(void)
{
    HMOXDOC doc = NewDocument();
    MoxRect last;
    MoxLine(doc, 500, 500, 100, 100);
    last = LastPosition(doc);
    CHECK_RECT(last, 100, 100, 500, 500);
    MoxCloseDoc(doc);
}

static void SpecialValuesResolveAgainstLastObjectAndMargins(void)
{
    HMOXDOC doc = NewDocument();
    MoxRect last;
    MoxBox(doc, 300, 400, 700, 500);
    /* the next cell to the right, as tall as the last one */
    MoxBox(doc, MOX_LAST_RIGHT, MOX_LAST_TOP, -100, MOX_LAST_BOTTOM);
    last = LastPosition(doc);
    CHECK_RECT(last, 700, 400, 800, 500);
    /* a full-width band below it, 5 mm high */
    MoxBox(doc, MOX_OUT_LEFT, MOX_LAST_BOTTOM, MOX_OUT_RIGHT, -50);
    last = LastPosition(doc);
    CHECK_RECT(last, 200, 500, 1900, 550);
    /* a relative left counts from the right as passed */
    MoxBox(doc, -100, 600, 900, MOX_OUT_BOTTOM);
    last = LastPosition(doc);
    CHECK_RECT(last, 800, 600, 900, 2770);
    /* a vertical value given as x is just another negative value: a width of 6 */
    MoxBox(doc, 300, 300, MOX_LAST_TOP, 310);
    last = LastPosition(doc);
    CHECK_RECT(last, 300, 300, 306, 310);
    MoxCloseDoc(doc);
}

static void SelectorsReadAndSetTheNamedEdgesOnly(void)
{
    HMOXDOC doc = NewDocument();
    MoxBox(doc, 100, 200, 400, 260);
    CHECK(MoxGet(doc, MOX_LAST_WIDTH) == 300);
    CHECK(MoxGet(doc, MOX_LAST_HEIGHT) == 60);
    CHECK(MoxGet(doc, -10) == 0);
    CHECK(MoxGet(doc, 5) == 0);
    MoxSet(doc, MOX_LAST_WIDTH, 5);
    MoxSet(doc, -10, 5);
    CHECK(MoxGet(doc, MOX_LAST_WIDTH) == 300);
    CHECK(MoxGet(doc, MOX_LAST_LEFT) == 100);
    MoxSet(doc, MOX_OUT_BOTTOM, 2500);
    CHECK(MoxGet(doc, MOX_OUT_BOTTOM) == 2500);
    MoxSet(doc, MOX_LAST_BOTTOM, 999);
    CHECK(MoxGet(doc, MOX_LAST_BOTTOM) == 999);
    MoxSet(doc, MOX_RENDER_WIDTH, 123);
    MoxSet(doc, MOX_RENDER_HEIGHT, 45);
    CHECK(MoxGet(doc, MOX_RENDER_WIDTH) == 123 && MoxGet(doc, MOX_RENDER_HEIGHT) == 45);
    MoxCloseDoc(doc);
}

static void RectangleFunctionsRefuseNullPointers(void)
{
    HMOXDOC doc = NewDocument();
    CHECK(MoxGetOutRect(doc, NULL) == 0);
    CHECK(MoxGetLastError(doc) == MOX_ERROR_ARGUMENT);
    CHECK(MoxSetOutRect(doc, NULL) == 0);
    {
        MoxRect rect = {10, 20, 30, 40}, back;
        CHECK(MoxSetPosRect(doc, &rect) == 1);
        CHECK(MoxGetLastError(doc) == MOX_ERROR_NONE);
        back = LastPosition(doc);
        CHECK_RECT(back, 10, 20, 30, 40);
    }
    MoxCloseDoc(doc);
}

static void GotoPageClampsToExistingPages(void)
{
    HMOXDOC doc = NewDocument();
    CHECK(MoxPageBreak(doc) == 1);
    CHECK(MoxPageBreak(doc) == 1);
    CHECK(MoxGetPageCount(doc) == 3);
    CHECK(MoxGetCurrentPage(doc) == 3);
    CHECK(MoxGotoPage(doc, 0) == 1);
    CHECK(MoxGetCurrentPage(doc) == 1);
    CHECK(MoxGotoPage(doc, 99) == 1);
    CHECK(MoxGetCurrentPage(doc) == 3);
    CHECK(MoxGotoPage(doc, 2) == 1);
    CHECK(MoxGetCurrentPage(doc) == 2);
    /* a break always appends after the last page */
    MoxPageBreak(doc);
    CHECK(MoxGetPageCount(doc) == 4 && MoxGetCurrentPage(doc) == 4);
    MoxCloseDoc(doc);
}

static void DefaultOutputRectangleAppliesFromTheNextPage(void)
{
    HMOXDOC doc = NewDocument();
    MoxSetDefOutRectSP(doc, 150, 300, 1950, 2600);
    CHECK(MoxGet(doc, MOX_OUT_BOTTOM) == 2770);
    CHECK(MoxGet(doc, MOX_OUT_TOP) == 200);
    MoxPageBreak(doc);
    CHECK(MoxGet(doc, MOX_OUT_BOTTOM) == 2600);
    CHECK(MoxGet(doc, MOX_OUT_LEFT) == 150);
    CHECK(MoxGet(doc, MOX_LAST_BOTTOM) == 300); /* the new page starts at its top margin */
    MoxGotoPage(doc, 1);
    CHECK(MoxGet(doc, MOX_OUT_BOTTOM) == 2770);
    MoxCloseDoc(doc);
}

static void PaperCodesAndOrientationSetThePageSize(void)
{
    HMOXDOC doc = NewDocument();
    MoxSetPageFormat(doc, -12, -12); /* A3 */
    CHECK(MoxGetPageWidth(doc) == 2970 && MoxGetPageHeight(doc) == 4200);
    CHECK(MoxGet(doc, MOX_OUT_RIGHT) == 2770 && MoxGet(doc, MOX_OUT_BOTTOM) == 4000);
    MoxSetPageFormat(doc, -500, -500); /* no such paper: the size stays */
    CHECK(MoxGetPageWidth(doc) == 2970 && MoxGetPageHeight(doc) == 4200);
    MoxSetPageOrientation(doc, 1);
    CHECK(MoxGetPageOrientation(doc) == 1);
    CHECK(MoxGetPageWidth(doc) == 4200 && MoxGetPageHeight(doc) == 2970);
    MoxSetPageFormat(doc, -1, -1); /* A4, landscape */
    CHECK(MoxGetPageWidth(doc) == 2970 && MoxGetPageHeight(doc) == 2100);
    MoxSetPageWidth(doc, 2000);
    CHECK(MoxGetPageWidth(doc) == 2000 && MoxGetPageHeight(doc) == 2100);
    MoxPageBreak(doc); /* new pages take the document's size and its margins */
    CHECK(MoxGetPageWidth(doc) == 2000 && MoxGetPageOrientation(doc) == 1);
    CHECK(MoxGet(doc, MOX_OUT_RIGHT) == 1800);
    MoxSetPaperBin(doc, 7);
    CHECK(MoxGetPaperBin(doc) == 7);
    MoxCloseDoc(doc);
}

static void ScaleLimitsAreKeptWithinTheirBounds(void)
{
    HMOXDOC doc = NewDocument();
    CHECK(MoxGetScale(doc) == 1.0);
    MoxSetMaxScale(doc, 10.0); /* stored as 6.0 */
    MoxSetScale(doc, 8.0);
    CHECK(MoxGetScale(doc) == 6.0);
    MoxSetMinScale(doc, 0.01); /* stored as 0.1 */
    MoxSetScale(doc, 0.05);
    CHECK(MoxGetScale(doc) == 0.1);
    MoxSetMaxScalePercent(doc, 500);
    MoxSetScalePercent(doc, 480);
    CHECK(MoxGetScalePercent(doc) == 480);
    MoxSetScale(doc, 5.5);
    CHECK(MoxGetScale(doc) == 5.0);
    MoxCloseDoc(doc);
}

static void SetFontChangesOnlyWhatIsGiven(void)
{
    HMOXDOC doc = NewDocument();
    char name[64];
    char cut[4];
    MoxSetFont(doc, NULL, 12);
    CHECK(MoxGetFontSize(doc) == 12);
    CHECK(MoxGetFontName(doc, name, sizeof name) == 5 && strcmp(name, "Arial") == 0);
    MoxSetFont(doc, "Times New Roman", 0);
    CHECK(MoxGetFontSize(doc) == 12);
    CHECK(MoxGetFontName(doc, name, sizeof name) == 15);
    CHECK(strcmp(name, "Times New Roman") == 0);
    CHECK(MoxGetFontName(doc, cut, sizeof cut) == 15 && strcmp(cut, "Tim") == 0);
    CHECK(MoxGetFontName(doc, NULL, 0) == 15);
    MoxSetFontAttr(doc, MOX_ALIGN_CENTER, 1, 1, 0, 1);
    CHECK(MoxGetTextAlignment(doc) == MOX_ALIGN_CENTER && MoxGetBold(doc) == 1);
    CHECK(MoxGetUnderline(doc) == 1 && MoxGetItalic(doc) == 0 && MoxGetStrikeOut(doc) == 1);
    MoxCloseDoc(doc);
}

static void AttributeSetsStoreAndRestoreTheWholeBlock(void)
{
    HMOXDOC doc = NewDocument();
    MoxSetPen(doc, 7, 2, 0x0000FF);
    MoxSetFont(doc, "Courier New", 9);
    MoxStoreSet(doc, 42);
    MoxSetPenSize(doc, 1);
    MoxSetFont(doc, "Arial", 20);
    MoxUseSet(doc, 42);
    CHECK(MoxGetPenSize(doc) == 7 && MoxGetPenStyle(doc) == 2);
    CHECK(MoxGetPenColor(doc) == 0x0000FF && MoxGetFontSize(doc) == 9);
    MoxSetPenSize(doc, 4);
    MoxStoreSet(doc, 42); /* replaces the old set */
    MoxSetPenSize(doc, 1);
    MoxUseSet(doc, 42);
    CHECK(MoxGetPenSize(doc) == 4);
    MoxRemoveSet(doc, 42);
    MoxSetPenSize(doc, 1);
    MoxUseSet(doc, 42); /* gone: nothing happens */
    CHECK(MoxGetPenSize(doc) == 1);
    MoxNoPen(doc);
    CHECK(MoxGetPenSize(doc) == 0);
    MoxCloseDoc(doc);
}

static void PositionStackRestoresNewestFirst(void)
{
    HMOXDOC doc = NewDocument();
    MoxBox(doc, 100, 100, 200, 200);
    MoxStorePos(doc);
    MoxBox(doc, 300, 300, 400, 400);
    MoxStorePos(doc);
    MoxBox(doc, 500, 500, 600, 600);
    MoxRestorePos(doc);
    CHECK(MoxGet(doc, MOX_LAST_BOTTOM) == 400);
    MoxRestorePos(doc);
    CHECK(MoxGet(doc, MOX_LAST_BOTTOM) == 200);
    MoxRestorePos(doc); /* empty: no effect */
    CHECK(MoxGet(doc, MOX_LAST_BOTTOM) == 200);
    MoxCloseDoc(doc);
}

static void PolylinesGrowWithTheirDrawnPoints(void)
{
    HMOXDOC doc = NewDocument();
    MoxRect last;
    CHECK(MoxAddPolyPoint(doc, 10, 10) == 0); /* no polyline started */
    CHECK(MoxGetLastError(doc) == MOX_ERROR_ARGUMENT);
    CHECK(MoxPolyLine(doc, 2) == 1);
    CHECK(MoxGet(doc, MOX_LAST_BOTTOM) == 200); /* no point yet: the last position stays */
    CHECK(MoxAddPolyPoint(doc, 500, 700) == 1);
    CHECK(MoxAddPolyPoint(doc, -1, 0) == 1); /* pen up: not part of the rectangle */
    CHECK(MoxAddPolyPoint(doc, 300, 900) == 1);
    CHECK(MoxAddPolyPoint(doc, 800, 650) == 1); /* beyond the capacity it asked for */
    last = LastPosition(doc);
    CHECK_RECT(last, 300, 650, 800, 900);
    CHECK(MoxAddPolygonPoint(doc, 1, 1) == 0); /* the last object is no polygon */
    CHECK(MoxPolygon(doc, -1) == 0);
    MoxCloseDoc(doc);
}

static void BarcodesAreAcceptedWithoutEffect(void)
{
    HMOXDOC doc = NewDocument();
    MoxBox(doc, 100, 100, 200, 200);
    MoxBarcode(doc, 500, 500, 900, 700, "4006381333931");
    MoxSetBarcodeParms(doc, 1, 2);
    MoxSetBarcodeAlignment(doc, 1);
    MoxSetBarcodeMainTextParms(doc, 1, 10);
    MoxSetBarcodeAddTextParms(doc, 1, 10);
    MoxSetBarcodeAutoChecksum(doc, 1);
    MoxSetBarcodeThinBar(doc, 3);
    MoxSetBarcodeThickBar(doc, 9);
    CHECK(MoxGet(doc, MOX_LAST_BOTTOM) == 200);
    CHECK(MoxGetBarcodeMainTextParms(doc) == 0 && MoxGetBarcodeAddTextParms(doc) == 0);
    CHECK(MoxGetBarcodeAlignment(doc) == 0 && MoxGetBarcodeAutoChecksum(doc) == 0);
    CHECK(MoxGetBarcodeThinBar(doc) == 0 && MoxGetBarcodeThickBar(doc) == 0);
    CHECK(MoxGetLastError(doc) == MOX_ERROR_NONE);
    MoxCloseDoc(doc);
}

static void HandlesAndMessagesOutsideADocument(void)
{
    int notADocument = 0;
    HMOXDOC doc = NewDocument();
    unsigned mapped = MoxMapMessage(NULL, MOX_MSG_AUTO_PAGE_BREAK);
    CHECK(MoxCloseDoc(NULL) == 1);
    CHECK(MoxGetWindowHandle((HMOXDOC)&notADocument) == NULL);
    CHECK(MoxGetWindowHandle(doc) == NULL); /* no preview window yet */
    CHECK(mapped >= 0xC000u);
    CHECK(MoxMapMessage(doc, MOX_MSG_AUTO_PAGE_BREAK) == mapped);
    CHECK(MoxMapMessage(NULL, MOX_MSG_HELP) != mapped);
    CHECK(MoxMapMessage(NULL, 1234) == 1234);
    MoxCloseDoc(doc);
}

static void FileErrorsAreReportedThroughTheLastError(void)
{
    HMOXDOC doc = NewDocument();
    CHECK(MoxWriteDoc(doc, NULL) == 0);
    CHECK(MoxGetLastError(doc) == MOX_ERROR_ARGUMENT);
    CHECK(MoxReadDoc(doc, "/nonexistent-folder/none.mox") == 0);
    CHECK(MoxGetLastError(doc) == MOX_ERROR_FILE_OPEN);
    CHECK(MoxWriteDoc(doc, "/nonexistent-folder/none.mox") == 0);
    CHECK(MoxGetLastError(doc) == MOX_ERROR_FILE_CREATE);
    CHECK(MoxGetPageCount(doc) == 1);
    CHECK(MoxOpenDocFile(NULL, "/nonexistent-folder/none.mox", "t", MOX_OPEN_READ_ONLY) == NULL);
    MoxCloseDoc(doc);
}

int main(void)
{
    FreshDocumentIsOneA4PageWithTwentyMillimetreMargins();
    NegativeRightAndBottomAreWidthAndHeight();
    LineRectangleIsNormalisedBoundingBox();
    SpecialValuesResolveAgainstLastObjectAndMargins();
    SelectorsReadAndSetTheNamedEdgesOnly();
    RectangleFunctionsRefuseNullPointers();
    GotoPageClampsToExistingPages();
    DefaultOutputRectangleAppliesFromTheNextPage();
    PaperCodesAndOrientationSetThePageSize();
    ScaleLimitsAreKeptWithinTheirBounds();
    SetFontChangesOnlyWhatIsGiven();
    AttributeSetsStoreAndRestoreTheWholeBlock();
    PositionStackRestoresNewestFirst();
    PolylinesGrowWithTheirDrawnPoints();
    BarcodesAreAcceptedWithoutEffect();
    HandlesAndMessagesOutsideADocument();
    FileErrorsAreReportedThroughTheLastError();
    if (g_failures != 0) {
        fprintf(stderr, "%d check(s) failed\n", g_failures);
        return 1;
    }
    printf("all checks passed\n");
    return 0;
}
