/* moxprint: a print engine that lays out documents of texts, lines, boxes and pictures on pages
 * and stores them in report files (.mox). A host drives it through the flat C functions below;
 * every function but a few takes a document handle first.
 *
 * Units and coordinates: every coordinate, size and distance is a signed 32-bit value in tenths
 * of a millimetre (0.1 mm). The origin is the top-left corner of the page, x grows to the right,
 * y grows downwards. Font sizes are in points, colours 0x00BBGGRR (red in the lowest byte),
 * angles in tenths of a degree.
 *
 * Ownership: the host owns a document from MoxOpenDoc / MoxOpenDocFile until MoxCloseDoc.
 * Texts, rectangles, font names and file names cross by value; the engine copies them, and the
 * host keeps ownership of every pointer it passes. Texts are zero-terminated byte strings.
 *
 * Errors: functions that can fail clear the document's last error, then record a code there
 * (MoxGetLastError, MOX_ERROR_*). No function ever lets an exception or a crash out: a failure
 * inside the engine becomes the last error and the function's failure result.
 *
 * Threads: the engine runs on the caller's thread (the host's user-interface thread). It needs no
 * Qt application object and no display to build, measure, store and read documents. */
#ifndef MOXPRINT_H
#define MOXPRINT_H

#include <stdint.h>

#if defined(__GNUC__)
#define MOXAPI __attribute__((visibility("default")))
#else
#define MOXAPI
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Handles and records ------------------------------------------------------------------ */

/* An open document. Opaque; valid from its creation until MoxCloseDoc. */
typedef struct MoxDocument* HMOXDOC;

/* A window of the host (a QWidget*), passed through opaque. Messages of the engine go to it. */
typedef void* HMOXWND;

/* A colour 0x00BBGGRR. */
typedef uint32_t MoxColor;

/* A rectangle in 0.1 mm, in the order left, top, right, bottom. */
typedef struct MoxRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
} MoxRect;

/* ---- Constants ---------------------------------------------------------------------------- */

/* Special coordinate values. Any coordinate given to a drawing function may be one of these;
 * they are resolved against the current page when the object is created. The horizontal ones
 * (-2 .. -5) count only as left or right, the vertical ones (-6 .. -9) only as top or bottom.
 * Any other negative value: as left, right + value; as right, left - value (a width); as top,
 * bottom + value; as bottom, top - value (a height). MOX_FREE as right or bottom is computed
 * from the content (texts, pictures). */
#define MOX_FREE (-1)
#define MOX_LAST_LEFT (-2)   /* left edge of the last inserted object */
#define MOX_LAST_RIGHT (-3)  /* right edge of the last inserted object */
#define MOX_OUT_LEFT (-4)    /* left edge of the current page's output rectangle */
#define MOX_OUT_RIGHT (-5)   /* right edge of the output rectangle */
#define MOX_LAST_TOP (-6)    /* top edge of the last inserted object */
#define MOX_LAST_BOTTOM (-7) /* bottom edge of the last inserted object */
#define MOX_OUT_TOP (-8)     /* top edge of the output rectangle */
#define MOX_OUT_BOTTOM (-9)  /* bottom edge of the output rectangle */

/* Selectors of MoxGet / MoxSet besides -2 .. -9 (which name the edges of the last-position
 * rectangle and of the current page's output rectangle). */
#define MOX_LAST_WIDTH (-100)    /* get only: right - left of the last-position rectangle */
#define MOX_LAST_HEIGHT (-101)   /* get only: bottom - top of the last-position rectangle */
#define MOX_RENDER_WIDTH (-102)  /* width measured by the last Render call on the page */
#define MOX_RENDER_HEIGHT (-103) /* height measured by the last Render call on the page */

/* Open flags (MoxOpenDoc, MoxOpenDocFile). The low 16 bits configure the preview window. */
#define MOX_OPEN_CHILD_PREVIEW 0x8000u   /* the preview is a child window of the host window */
#define MOX_OPEN_READ_ONLY 0x10000u      /* the document file is opened read-only */
#define MOX_OPEN_FIXED_MESSAGES 0x20000u /* messages use the fixed numbers MOX_MSG_* */

/* Last-error codes (MoxGetLastError). */
#define MOX_ERROR_NONE 0
#define MOX_ERROR_ARGUMENT 1      /* argument missing or invalid, or a file checksum mismatch */
#define MOX_ERROR_INTERNAL 2      /* out of memory or another failure inside the engine */
#define MOX_ERROR_FILE_OPEN 200   /* the file does not exist or cannot be opened */
#define MOX_ERROR_FILE_FORMAT 201 /* not a document file of a known version or edition level */
#define MOX_ERROR_FILE_CREATE 202 /* the file cannot be created */
#define MOX_ERROR_FILE_IN_USE 203 /* the file is in use by another document or process */
#define MOX_ERROR_FILE_READ 204   /* reading failed, or the file ended early or is corrupt */
#define MOX_ERROR_FILE_WRITE 205  /* writing the file failed */
#define MOX_ERROR_NO_PICTURE 300  /* a picture object was given no usable picture */
#define MOX_ERROR_NO_MAIL 450     /* mail is not available */

/* Visibility flags of objects (copied from the attributes when an object is made). */
#define MOX_HIDE_IN_PREVIEW 0x1u
#define MOX_HIDE_IN_PRINT 0x2u
#define MOX_HIDE_IN_FILE 0x4u

/* Messages to the host window. Their numbers are registered by the names ")/$%!MoxDestroyWindow"
 * and so on, unless the document was opened with MOX_OPEN_FIXED_MESSAGES: then these fixed
 * numbers are used. MoxMapMessage maps a fixed number to the number in use. The lParam of every
 * message is the document handle. */
#define MOX_MSG_DESTROY_WINDOW 3330
#define MOX_MSG_PRINT 3331
#define MOX_MSG_AUTO_PAGE_BREAK 3332
#define MOX_MSG_PRINT_NEW_PAGE 3333
#define MOX_MSG_PRINT_DEV_DATA 3334
#define MOX_MSG_HELP 3335
#define MOX_MSG_CLOSE_WINDOW 3336
#define MOX_MSG_OBJECT_CLICKED 3337
#define MOX_MSG_UDO_PAINT 3338
#define MOX_MSG_BEFORE_MAIL 3339
#define MOX_MSG_AFTER_MAIL 3340
#define MOX_MSG_CAN_CLOSE 3341

/* Text alignment, background modes, auto break modes. */
#define MOX_ALIGN_LEFT 0
#define MOX_ALIGN_RIGHT 1
#define MOX_ALIGN_CENTER 2
#define MOX_ALIGN_JUSTIFIED 3
#define MOX_BKG_OPAQUE 0
#define MOX_BKG_TRANSPARENT 1
#define MOX_BKG_GRADIENT_LINE 2
#define MOX_BKG_GRADIENT_RECT 3
#define MOX_BKG_GRADIENT_ELLIPSE 4
#define MOX_AUTOBREAK_ON 0
#define MOX_AUTOBREAK_OFF 1
#define MOX_AUTOBREAK_NO_LIMITS 2
#define MOX_AUTOBREAK_FULL 3

/* ---- Document ----------------------------------------------------------------------------- */

/* A memory document with one empty A4 portrait page (2100 x 2970) and 20 mm margins. `host` may
 * be null (then no message is sent); `title` may be null. Null when the document cannot be made. */
MOXAPI HMOXDOC MoxOpenDoc(HMOXWND host, const char* title, uint32_t flags);
/* As MoxOpenDoc; with a file name the pages live in that report file: an existing non-empty file
 * is opened and its pages are read one at a time, a missing or empty file is created (not with
 * MOX_OPEN_READ_ONLY). Only the current page is kept in memory. Null when any step fails. */
MOXAPI HMOXDOC MoxOpenDocFile(HMOXWND host, const char* file, const char* title, uint32_t flags);
/* Frees the document (a document file gets its header and checksum written). Null gives 1. */
MOXAPI int MoxCloseDoc(HMOXDOC doc);
/* The preview frame window; null while the document has none or when `doc` is not one of the
 * open documents (the one function that checks its handle). */
MOXAPI HMOXWND MoxGetWindowHandle(HMOXDOC doc);
MOXAPI HMOXWND MoxWindowHandle(HMOXDOC doc); /* = MoxGetWindowHandle */
MOXAPI int MoxGetLastError(HMOXDOC doc);
MOXAPI int MoxGetVersion(HMOXDOC doc); /* 788 */
MOXAPI int MoxGetEdition(HMOXDOC doc); /* 1000 */
/* Whether closing the preview frees the document (default 1). */
MOXAPI void MoxEnableAutoDelete(HMOXDOC doc, int on);
/* Switches a document file to read-only (pages changed from now on are kept in memory, the file
 * is left as it is) or back to writable (the file is opened for writing again; 1 on success). */
MOXAPI int MoxSetDocFileReadOnly(HMOXDOC doc, int readOnly);
/* Appends all pages to the report file `file` (created when missing; pages of an existing file
 * stay in front). The file is replaced only once the new content is complete: a failure leaves
 * it as it was. 1 on success, else 0 with the last error set. */
MOXAPI int MoxWriteDoc(HMOXDOC doc, const char* file);
/* Appends all pages of the report file to the document and returns to the page that was current.
 * Nothing is added unless the whole file could be read. 1 on success, else 0. */
MOXAPI int MoxReadDoc(HMOXDOC doc, const char* file);

/* ---- Pages -------------------------------------------------------------------------------- */

/* Appends a new page after the last one and makes it current: the document's page size, paper
 * bin and default output rectangle, then the header and footer texts. 1 unless an error was
 * recorded. */
MOXAPI int MoxPageBreak(HMOXDOC doc);
MOXAPI int MoxGetPageCount(HMOXDOC doc);
MOXAPI int MoxGetCurrentPage(HMOXDOC doc); /* from 1 */
/* Makes page `page` current, clamped to 1 .. page count. 1 unless an error was recorded. */
MOXAPI int MoxGotoPage(HMOXDOC doc, int page);
/* Page size for the current page and new pages. Both values negative: a paper code (-1 A4,
 * -2 Letter, ... -118, taken from `width`); an unknown code keeps the size. Otherwise each value
 * of 0 or more replaces the current one. The current page keeps its margins' distances to the
 * right and bottom edges, and its output rectangle becomes the default for new pages. */
MOXAPI void MoxSetPageFormat(HMOXDOC doc, int32_t width, int32_t height);
MOXAPI void MoxSetPageWidth(HMOXDOC doc, int32_t width);
MOXAPI void MoxSetPageHeight(HMOXDOC doc, int32_t height);
MOXAPI int32_t MoxGetPageWidth(HMOXDOC doc);  /* of the current page */
MOXAPI int32_t MoxGetPageHeight(HMOXDOC doc); /* of the current page */
/* 1 = landscape, 0 = portrait; changing it exchanges the width and the height. */
MOXAPI void MoxSetPageOrientation(HMOXDOC doc, int landscape);
MOXAPI int MoxGetPageOrientation(HMOXDOC doc);
/* Printer paper bin for the current page and new pages (255 = the printer's default). */
MOXAPI void MoxSetPaperBin(HMOXDOC doc, int bin);
MOXAPI int MoxGetPaperBin(HMOXDOC doc);

/* ---- Positions ---------------------------------------------------------------------------- */

/* The current page's output rectangle (margins); the "SP" forms take four values. The functions
 * with a rectangle pointer return 0 (last error 1) for a null pointer, else 1. */
MOXAPI int MoxSetOutRect(HMOXDOC doc, const MoxRect* rect);
MOXAPI void MoxSetOutRectSP(HMOXDOC doc, int32_t left, int32_t top, int32_t right,
                            int32_t bottom);
MOXAPI int MoxGetOutRect(HMOXDOC doc, MoxRect* rect);
/* The output rectangle of pages made from now on; the current page keeps its own. */
MOXAPI int MoxSetDefOutRect(HMOXDOC doc, const MoxRect* rect);
MOXAPI void MoxSetDefOutRectSP(HMOXDOC doc, int32_t left, int32_t top, int32_t right,
                               int32_t bottom);
/* The current page's last-position rectangle (the rectangle of the last inserted object). */
MOXAPI int MoxGetPosRect(HMOXDOC doc, MoxRect* rect);
MOXAPI int MoxSetPosRect(HMOXDOC doc, const MoxRect* rect);
/* Value of a selector (-2 .. -9, MOX_LAST_WIDTH .. MOX_RENDER_HEIGHT); 0 for any other. */
MOXAPI int32_t MoxGet(HMOXDOC doc, int32_t selector);
/* Sets an edge of the last-position or output rectangle of the current page, or a render size;
 * other selectors (MOX_LAST_WIDTH, MOX_LAST_HEIGHT and unknown ones) are ignored. */
MOXAPI void MoxSet(HMOXDOC doc, int32_t selector, int32_t value);
/* Pushes / pops the current page's last-position rectangle (popping an empty stack does
 * nothing). */
MOXAPI void MoxStorePos(HMOXDOC doc);
MOXAPI void MoxRestorePos(HMOXDOC doc);

/* ---- Attributes --------------------------------------------------------------------------- */
/* The current drawing attributes. Every object copies them when it is made; changing them later
 * never changes objects already placed. Defaults: pen 3 (0.3 mm) solid black, "Arial" 10 points,
 * left aligned, black text, white background, transparent mode, no hatch, auto break on. */

MOXAPI void MoxSetPen(HMOXDOC doc, int size, int style, MoxColor color);
MOXAPI void MoxSetPenSize(HMOXDOC doc, int size); /* 0.1 mm; 0 = no pen */
MOXAPI void MoxPenSize(HMOXDOC doc, int size);    /* = MoxSetPenSize */
MOXAPI int MoxGetPenSize(HMOXDOC doc);
/* 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot */
MOXAPI void MoxSetPenStyle(HMOXDOC doc, int style);
MOXAPI void MoxPenStyle(HMOXDOC doc, int style); /* = MoxSetPenStyle */
MOXAPI int MoxGetPenStyle(HMOXDOC doc);
MOXAPI void MoxSetPenColor(HMOXDOC doc, MoxColor color);
MOXAPI void MoxPenColor(HMOXDOC doc, MoxColor color); /* = MoxSetPenColor */
MOXAPI MoxColor MoxGetPenColor(HMOXDOC doc);
MOXAPI void MoxNoPen(HMOXDOC doc); /* = MoxSetPenSize(doc, 0) */
/* Sets the face name unless `face` is null, then the size in points unless it is 0. */
MOXAPI void MoxSetFont(HMOXDOC doc, const char* face, int size);
MOXAPI void MoxSelectFont(HMOXDOC doc, const char* face, int size); /* = MoxSetFont */
MOXAPI void MoxSetFontName(HMOXDOC doc, const char* face);            /* null is ignored */
/* Copies the face name, cut to fit and zero-terminated, into `buffer` of `size` bytes (either
 * may be null / 0) and returns the name's full length. */
MOXAPI int MoxGetFontName(HMOXDOC doc, char* buffer, int size);
MOXAPI void MoxSetFontSize(HMOXDOC doc, int size);
MOXAPI int MoxGetFontSize(HMOXDOC doc);
MOXAPI void MoxSetCharset(HMOXDOC doc, int charset); /* character set code, 1 = default */
MOXAPI int MoxGetCharset(HMOXDOC doc);
/* Sets alignment, bold, underlined, italic and strike-out in this order. */
MOXAPI void MoxSetFontAttr(HMOXDOC doc, int alignment, int bold, int underlined, int italic,
                           int strikeOut);
MOXAPI void MoxSetTextAlignment(HMOXDOC doc, int alignment); /* MOX_ALIGN_* */
MOXAPI void MoxSetAlign(HMOXDOC doc, int alignment);         /* = MoxSetTextAlignment */
MOXAPI int MoxGetTextAlignment(HMOXDOC doc);
MOXAPI void MoxSetBold(HMOXDOC doc, int on);
MOXAPI int MoxGetBold(HMOXDOC doc);
MOXAPI void MoxSetUnderlined(HMOXDOC doc, int on);
MOXAPI void MoxSetUnderline(HMOXDOC doc, int on); /* = MoxSetUnderlined */
MOXAPI int MoxGetUnderlined(HMOXDOC doc);
MOXAPI int MoxGetUnderline(HMOXDOC doc); /* = MoxGetUnderlined */
MOXAPI void MoxSetItalic(HMOXDOC doc, int on);
MOXAPI int MoxGetItalic(HMOXDOC doc);
MOXAPI void MoxSetStrikeOut(HMOXDOC doc, int on);
MOXAPI int MoxGetStrikeOut(HMOXDOC doc);
MOXAPI void MoxSetTextColor(HMOXDOC doc, MoxColor color);
MOXAPI MoxColor MoxGetTextColor(HMOXDOC doc);
/* Fill of boxes, ellipses, pies, polygons and text backgrounds. */
MOXAPI void MoxSetBkgColor(HMOXDOC doc, MoxColor color);
MOXAPI MoxColor MoxGetBkgColor(HMOXDOC doc);
MOXAPI void MoxSetBkgMode(HMOXDOC doc, int mode);         /* MOX_BKG_* */
MOXAPI void MoxSetTransparentMode(HMOXDOC doc, int mode); /* = MoxSetBkgMode */
MOXAPI int MoxGetBkgMode(HMOXDOC doc);
MOXAPI int MoxGetTransparentMode(HMOXDOC doc); /* the background mode */
/* 255 none, 0 horizontal, 1 vertical, 2 forward diagonal, 3 backward diagonal, 4 cross,
 * 5 diagonal cross */
MOXAPI void MoxSetHatchStyle(HMOXDOC doc, int style);
MOXAPI int MoxGetHatchStyle(HMOXDOC doc);
MOXAPI void MoxSetHatchColor(HMOXDOC doc, MoxColor color);
MOXAPI MoxColor MoxGetHatchColor(HMOXDOC doc);
MOXAPI void MoxSetBkgGradientStartColor(HMOXDOC doc, MoxColor color);
MOXAPI MoxColor MoxGetBkgGradientStartColor(HMOXDOC doc);
MOXAPI void MoxSetBkgGradientEndColor(HMOXDOC doc, MoxColor color);
MOXAPI MoxColor MoxGetBkgGradientEndColor(HMOXDOC doc);
/* 0, 900, 1800 or 2700 */
MOXAPI void MoxSetBkgGradientRotation(HMOXDOC doc, int rotation);
MOXAPI int MoxGetBkgGradientRotation(HMOXDOC doc);
/* How gradients are printed (0 = by the printer's colour ability, 1 colour, 2 solid colour) and
 * the solid colour (default 0xE6E6E6). Document settings, stored in report files. */
MOXAPI void MoxSetBkgGradientPrint(HMOXDOC doc, int mode);
MOXAPI void MoxSetBkgGradientPrintSolidColor(HMOXDOC doc, MoxColor color);
/* Text rotation in tenths of a degree (0, 900, 1800, 2700). */
MOXAPI void MoxSetRotation(HMOXDOC doc, int rotation);
MOXAPI int MoxGetRotation(HMOXDOC doc);
/* MOX_AUTOBREAK_*: how texts that do not fit flow onto following pages. */
MOXAPI void MoxSetAutoBreak(HMOXDOC doc, int mode);
MOXAPI int MoxGetAutoBreak(HMOXDOC doc);
/* Attribute sets: named copies of the whole attribute block. Storing replaces a set of the same
 * key; using a key without a set does nothing. */
MOXAPI void MoxStoreSet(HMOXDOC doc, int32_t key);
MOXAPI void MoxUseSet(HMOXDOC doc, int32_t key);
MOXAPI void MoxRemoveSet(HMOXDOC doc, int32_t key);

/* ---- Drawing ------------------------------------------------------------------------------ */
/* Each function adds one object to the current page with the current attributes, resolving the
 * special coordinate values, and returns the bottom of the object's rectangle, which becomes the
 * page's last-position rectangle. */

/* A line from (x1, y1) to (x2, y2) with the current pen; its rectangle is the normalised
 * bounding box, the end points stay as passed. */
MOXAPI int32_t MoxLine(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
/* A box with the current pen and fill (background mode, colours, hatch). */
MOXAPI int32_t MoxBox(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
/* An ellipse inside the rectangle, pen and fill as a box. */
MOXAPI int32_t MoxEllipse(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
/* A pie of the ellipse inside the rectangle, from `startAngle` counter-clockwise to `endAngle`
 * (tenths of a degree, 0 = three o'clock). */
MOXAPI int32_t MoxPie(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                      int32_t startAngle, int32_t endAngle);
/* Starts a polyline (or a filled polygon) with room for `capacity` points; it has no points and
 * no rectangle yet. Returns 1, or 0 for a negative capacity (last error 1). */
MOXAPI int MoxPolyLine(HMOXDOC doc, int32_t capacity);
MOXAPI int MoxPolygon(HMOXDOC doc, int32_t capacity);
/* Adds a point to the polyline (polygon) that is the last object of the current page; a point
 * with x = -1 lifts the pen. The object's rectangle and the last-position rectangle grow to hold
 * the drawn points (no special values). Returns 0 with last error 1 when the current page's last
 * object is not a polyline (polygon), else 1. */
MOXAPI int MoxAddPolyPoint(HMOXDOC doc, int32_t x, int32_t y);
MOXAPI int MoxAddPolygonPoint(HMOXDOC doc, int32_t x, int32_t y);

/* ---- Text and pictures ------------------------------------------------------------------- */

/* Texts. A text may start with formatting keywords in brackets ("[B S 12 C Red]Title"; "[N ...]"
 * makes them apply to this call only; "[[" stands for a literal "["). The Print forms place the
 * text at (x, y) with right and bottom MOX_FREE (width and height from the text, limited by the
 * output rectangle); the Write forms into the rectangle given. The Box forms draw a frame with
 * the current pen; the others have no frame (pen size 0 for the call). The background is filled
 * by the background mode either way. With auto break on (or full) text that does not fit goes on
 * at the top margin of the next page (a new page after the last one), and the host receives the
 * auto page break message. `text` must not be null (last error 1). They return the bottom of the
 * last text object placed. */
MOXAPI int32_t MoxPrint(HMOXDOC doc, int32_t x, int32_t y, const char* text);
MOXAPI int32_t MoxPrintBox(HMOXDOC doc, int32_t x, int32_t y, const char* text);
MOXAPI int32_t MoxWrite(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                        const char* text);
MOXAPI int32_t MoxWriteBox(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                           const char* text);
/* Lay the text out as the placing forms would, without placing it and without page breaks; the
 * size goes to MOX_RENDER_WIDTH / MOX_RENDER_HEIGHT. 0 all fits, 1 only a part fits, 2 nothing. */
MOXAPI int MoxRenderPrint(HMOXDOC doc, int32_t x, int32_t y, const char* text);
MOXAPI int MoxRenderPrintBox(HMOXDOC doc, int32_t x, int32_t y, const char* text);
MOXAPI int MoxRenderWrite(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                          const char* text);
MOXAPI int MoxRenderWriteBox(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                             const char* text);
/* The header / footer: the rectangle (resolved now; a free edge is worked out from the text) and
 * the current attributes, placed on the current page and on every new page; "@PAGE" in the text
 * becomes the page number. 1, or 0 when it is already defined (nothing changes then). */
MOXAPI int MoxDefineHeader(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                           const char* text);
MOXAPI int MoxDefineFooter(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                           const char* text);

/* Pictures: BMP files, placeable Windows metafiles (.WMF) and enhanced metafiles (.EMF). The type
 * comes from MoxSetPictureType, else from the extension, else from the file's first bytes. A free
 * right or bottom takes the picture's natural size (bitmaps: pixels x 254 / dots per inch, their
 * own resolution or the default one; metafiles: their frame), keeping the aspect when asked.
 * Flags: MOX_PICTURE_USE_CACHE, MOX_PICTURE_FIT (fit into a fixed rectangle keeping the aspect),
 * MOX_PICTURE_STORE_DATA (store the picture itself in report files; always for bitmaps in memory),
 * MOX_PICTURE_ONE_RESOLUTION (the horizontal resolution for both directions). A picture that
 * cannot be had sets last error 300 and leaves an empty box (10 mm square where its size was
 * free). They return the bottom of the picture's rectangle. */
#define MOX_PICTURE_USE_CACHE 0x0002
#define MOX_PICTURE_FIT 0x0010
#define MOX_PICTURE_STORE_DATA 0x0020
#define MOX_PICTURE_ONE_RESOLUTION 0x0080
MOXAPI int32_t MoxPicture(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                          const char* file, int32_t flags);
/* A packed device-independent bitmap in memory (info header, colour table, rows); the engine
 * copies it. Null sets last error 300. */
MOXAPI int32_t MoxPictureDIB(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                             const void* packedDib, int32_t flags);
/* Bitmap resources of modules do not exist on this platform: last error 300, an empty box. */
MOXAPI int32_t MoxPictureResID(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                               void* module, int32_t number, int32_t flags);
MOXAPI int32_t MoxPictureResName(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                 void* module, const char* name, int32_t flags);
/* Measure only, into the rectangle (0, 0, width, height) (MOX_FREE for a free size): the size
 * goes to MOX_RENDER_WIDTH / MOX_RENDER_HEIGHT; they return the height. */
MOXAPI int32_t MoxRenderPicture(HMOXDOC doc, int32_t width, int32_t height, const char* file,
                                int32_t flags);
MOXAPI int32_t MoxRenderPictureDIB(HMOXDOC doc, int32_t width, int32_t height,
                                   const void* packedDib, int32_t flags);
MOXAPI int32_t MoxRenderPictureResID(HMOXDOC doc, int32_t width, int32_t height, void* module,
                                     int32_t number, int32_t flags);
MOXAPI int32_t MoxRenderPictureResName(HMOXDOC doc, int32_t width, int32_t height,
                                       void* module, const char* name, int32_t flags);
/* Picture attributes of later pictures: keep the aspect ratio (default 1), the default dots per
 * inch of bitmaps without their own (default 96 x 96; values of 0 or less are ignored), the type
 * (0 bitmap file, 5 Windows metafile, 6 enhanced metafile, 255 = from the file; default 255) and
 * the page of multi-page files (kept, not used). */
MOXAPI void MoxSetKeepPictureAspect(HMOXDOC doc, int on);
MOXAPI void MoxKeepBitmapAspect(HMOXDOC doc, int on); /* = MoxSetKeepPictureAspect */
MOXAPI void MoxSetDefaultPictureDPI(HMOXDOC doc, int dpiX, int dpiY);
MOXAPI void MoxDefaultBitmapDPI(HMOXDOC doc, int dpiX, int dpiY); /* = MoxSetDefaultPictureDPI */
MOXAPI void MoxSetPictureType(HMOXDOC doc, int type);
MOXAPI int MoxGetPictureType(HMOXDOC doc);
MOXAPI void MoxSetPicturePage(HMOXDOC doc, int32_t page);
MOXAPI int32_t MoxGetPicturePage(HMOXDOC doc);
/* Copies "*.BMP;*.WMF;*.EMF", cut to fit and zero-terminated, into `buffer` of `size` bytes and
 * returns its full length. */
MOXAPI int MoxGetPictureTypes(HMOXDOC doc, char* buffer, int size);
MOXAPI int32_t MoxGetPicturePageCount(HMOXDOC doc, const char* file); /* 1 */
/* The process-wide cache of decoded picture files (kilobytes; default limit 4096). Setting a
 * smaller limit drops the least recently used pictures. Any handle, null included. */
MOXAPI void MoxSetPictureCacheSize(HMOXDOC doc, int32_t kilobytes);
MOXAPI void MoxSetPicCacheSize(HMOXDOC doc, int32_t kilobytes); /* = MoxSetPictureCacheSize */
MOXAPI int32_t MoxGetPictureCacheSize(HMOXDOC doc);
MOXAPI int32_t MoxGetPicCacheSize(HMOXDOC doc); /* = MoxGetPictureCacheSize */
MOXAPI int32_t MoxGetPictureCacheUsed(HMOXDOC doc);
MOXAPI int32_t MoxGetPicCacheUsed(HMOXDOC doc); /* = MoxGetPictureCacheUsed */

/* ---- Preview and print settings ----------------------------------------------------------- */
/* Settings kept by the document for its preview and printing; the report file stores those
 * marked (file). */

/* Maps a fixed message number (MOX_MSG_*) to the number in use for documents opened
 * without MOX_OPEN_FIXED_MESSAGES; other numbers come back unchanged. `doc` is ignored. */
MOXAPI unsigned MoxMapMessage(HMOXDOC doc, unsigned fixedNumber);
/* Zoom factor of the preview (1.0 = real size), kept within the smallest and largest zoom:
 * when the zoom is already at a limit and `scale` lies beyond it, nothing changes. */
MOXAPI void MoxSetScale(HMOXDOC doc, double scale);
MOXAPI double MoxGetScale(HMOXDOC doc);
MOXAPI void MoxSetScalePercent(HMOXDOC doc, int percent);
MOXAPI int MoxGetScalePercent(HMOXDOC doc); /* zoom x 100, truncated */
/* Smallest zoom (default 0.25, never below 0.1) and largest zoom (default 4.0, never above 6.0);
 * the Percent forms take hundredths. */
MOXAPI void MoxSetMinScale(HMOXDOC doc, double scale);
MOXAPI void MoxSetMinScalePercent(HMOXDOC doc, int percent);
MOXAPI void MoxSetMaxScale(HMOXDOC doc, double scale);
MOXAPI void MoxSetMaxScalePercent(HMOXDOC doc, int percent);
/* Zoom step of zoom in and zoom out (default 0.25), stored as given. */
MOXAPI void MoxSetScaleStep(HMOXDOC doc, double step);
MOXAPI void MoxSetScaleStepPercent(HMOXDOC doc, int percent);
MOXAPI void MoxSetPaperView(HMOXDOC doc, int on);           /* default 1 (file) */
MOXAPI void MoxEnableMouseScaling(HMOXDOC doc, int on);     /* default 1 (file) */
MOXAPI void MoxEnableHelpRouting(HMOXDOC doc, int on);      /* default 0 */
MOXAPI void MoxSetPageScrollerTracking(HMOXDOC doc, int on); /* default 1 (file) */
MOXAPI void MoxSetPreviewWithScrollers(HMOXDOC doc, int on); /* default 1 (file) */
MOXAPI void MoxSetPreviewCtrl(HMOXDOC doc, int value);       /* default 1 (file) */
/* Position correction of printed pages: with mode 0 coordinates stay relative to the paper's
 * edge; the offsets (0.1 mm) move the output. (file) */
MOXAPI void MoxSetPrintPosMode(HMOXDOC doc, int32_t mode);
MOXAPI void MoxSetPrintOffset(HMOXDOC doc, int32_t x, int32_t y);
MOXAPI void MoxSetPrintOffsetX(HMOXDOC doc, int32_t x);
MOXAPI void MoxSetPrintOffsetY(HMOXDOC doc, int32_t y);
MOXAPI int32_t MoxGetPrintOffsetX(HMOXDOC doc);
MOXAPI int32_t MoxGetPrintOffsetY(HMOXDOC doc);

/* ---- Bar codes (accepted, no effect) ------------------------------------------------------ */

MOXAPI void MoxBarcode(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                       const char* code);
MOXAPI void MoxSetBarcodeParms(HMOXDOC doc, int32_t type, int32_t options);
MOXAPI void MoxSetBarcodeAlignment(HMOXDOC doc, int32_t alignment);
MOXAPI void MoxSetBarcodeMainTextParms(HMOXDOC doc, int32_t position, int32_t size);
MOXAPI void MoxSetBarcodeAddTextParms(HMOXDOC doc, int32_t position, int32_t size);
MOXAPI void MoxSetBarcodeAutoChecksum(HMOXDOC doc, int32_t on);
MOXAPI void MoxSetBarcodeThinBar(HMOXDOC doc, int32_t width);
MOXAPI void MoxSetBarcodeThickBar(HMOXDOC doc, int32_t width);
MOXAPI int32_t MoxGetBarcodeMainTextParms(HMOXDOC doc); /* the six getters return 0 */
MOXAPI int32_t MoxGetBarcodeAddTextParms(HMOXDOC doc);
MOXAPI int32_t MoxGetBarcodeAlignment(HMOXDOC doc);
MOXAPI int32_t MoxGetBarcodeAutoChecksum(HMOXDOC doc);
MOXAPI int32_t MoxGetBarcodeThinBar(HMOXDOC doc);
MOXAPI int32_t MoxGetBarcodeThickBar(HMOXDOC doc);

#ifdef __cplusplus
}
#endif

#endif /* MOXPRINT_H */
