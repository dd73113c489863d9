// What callers of the PDF writer see besides CDocPDF: the enumerations of the document
// interface and the interfaces of pages, text runs, bookmarks and links. Every object behind an
// interface pointer is owned by its document and lives until the document is deleted. Objects
// work only within their own document: a run, page or link of another document is ignored.
//
// Coordinates are PDF points (1/72 inch) with the origin at the bottom left of the page; a text
// position is the start of the baseline. Colours are 0x00BBGGRR values (red in the lowest
// byte). Texts are UTF-8.
#pragma once

// ---- Enumerations ----------------------------------------------------------------------------

// Document information strings.
enum class tpInfoString { Title, Author, Subject, Keywords, Creator, Producer };

// Document information dates.
enum class tpInfoDate { CreationDate, ModDate };

// How the viewer opens the document (the catalog's /PageMode).
enum class tpViewDocSettings { UseNone, UseOutlines, UseThumbs, FullScreen, UseOC };

// Viewer preferences, each a switch.
enum class tpVewPageSettings { HideToolBar, HideMenubar, HideWindowUI, FitWindow, CenterWindow };

// The twelve standard Type 1 fonts, in this order from 0.
enum class tpStandartFont {
    TimesRoman,            // Times-Roman
    TimesItalic,           // Times-Italic
    TimesBold,             // Times-Bold
    TimesBoldItalic,       // Times-BoldItalic
    Helvetica,             // Helvetica
    HelveticaOblique,      // Helvetica-Oblique
    HelveticaBold,         // Helvetica-Bold
    HelveticaBoldOblique,  // Helvetica-BoldOblique
    Courier,               // Courier
    CourierOblique,        // Courier-Oblique
    CourierBold,           // Courier-Bold
    CourierBoldOblique,    // Courier-BoldOblique
};

// A rectangle in points: left and right x, bottom and top y.
struct RectPDF {
    int left;
    int bottom;
    int right;
    int top;
};

// ---- Interfaces ------------------------------------------------------------------------------

// An action: a go-to destination inside the document or a web link. It has no operations; it
// is handed to bookmarks and rectangles as the target they lead to.
class IDestLinkPDF {
protected:
    virtual ~IDestLinkPDF() = default;
};

// A text run, built apart from the pages and placed with IPagePDF::AddString, which copies it.
class IStringPDF {
public:
    // Appends `text` in `font` at `size` points in `colour` after what the run already holds.
    virtual void AddText(tpStandartFont font, int size, unsigned long colour, const char* text) = 0;

protected:
    virtual ~IStringPDF() = default;
};

class IPagePDF {
public:
    // Places the text run on the page.
    virtual void AddString(IStringPDF* run) = 0;
    // A rectangle stroked in `stroke` and filled with `fill`. With a link, clicking the
    // rectangle follows it.
    virtual void DrawRect(unsigned long stroke, unsigned long fill, const RectPDF& rect,
                          IDestLinkPDF* link = nullptr) = 0;
    virtual void DrawRect(unsigned long stroke, unsigned long fill, int x, int y, int width,
                          int height, IDestLinkPDF* link = nullptr) = 0;
    // The destination that shows this page from its top left corner; made on the first call.
    virtual IDestLinkPDF* GetDestination() = 0;

protected:
    virtual ~IPagePDF() = default;
};

class IPagesPDF {
public:
    // The same as AddPage.
    virtual IPagePDF* Add(int width, int height) = 0;
    // Appends a page of `width` x `height` points.
    virtual IPagePDF* AddPage(int width, int height) = 0;
    // The page at the 0-based index, or null when there is none.
    virtual IPagePDF* GetPage(int index) = 0;
    virtual int GetCount() = 0;

protected:
    virtual ~IPagesPDF() = default;
};

// The outline (bookmarks): the root from CDocPDF::CreateBookmark and the items under it.
class IBookmarkPDF {
public:
    // A new item after the last child of this one, leading to `destination` (none when null),
    // its title in `colour` and `style` (outline item flags: 1 italic, 2 bold).
    virtual IBookmarkPDF* AddChild(const char* title, IDestLinkPDF* destination,
                                   unsigned long colour, int style) = 0;
    // The same, leading to `page` shown with (left, top) at the top left corner and `zoom`
    // (0 keeps the viewer's zoom). Null when `page` is null.
    virtual IBookmarkPDF* AddChild(const char* title, IPagePDF* page, int left, int top,
                                   float zoom, unsigned long colour, int style) = 0;

protected:
    virtual ~IBookmarkPDF() = default;
};
