// The engine's document: what a handle points to. It holds the open flags, the preview and
// print settings, the current attribute block, the header and footer texts, attribute sets, the
// position stack, the geometry of new pages, the last error and the page store, and it does the
// page operations every function family shares (inserting objects, page breaks, going to a page,
// messages to the host window).
#pragma once

#include "moxprint.h"
#include "moxprint/core/HostMessages.h"
#include "moxprint/core/MoxAttributes.h"
#include "moxprint/core/MoxPageStore.h"

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QWidget;

// Preview and print options kept by a document (and partly in its report files).
struct MoxDocumentOptions {
    int32_t autoDelete = 1;
    uint8_t previewControl = 1;
    uint32_t printOptions = 0;
    uint8_t printSetupDialog = 0;  // 0 enabled, 2 disabled
    uint8_t gridMode = 1;
    uint8_t gridVisible = 0;
    uint8_t mouseScaling = 1;
    uint8_t helpRouting = 0;
    uint8_t pageScrollerTracking = 1;
    uint8_t previewWithScrollers = 1;
    uint8_t paperView = 1;
    int32_t printPosMode = 0;
    int32_t printOffsetX = 0;  // 0.1 mm
    int32_t printOffsetY = 0;
    uint8_t gradientPrintMode = 0;
    uint32_t gradientPrintSolidColor = 0xE6E6E6;
};

// Zoom state of the preview.
struct MoxViewScale {
    static constexpr double kLowestMinimum = 0.1;
    static constexpr double kHighestMaximum = 6.0;
    double zoom = 1.0;
    double minimum = 0.25;
    double maximum = 4.0;
    double step = 0.25;
    // The zoom rule: nothing happens when the zoom sits at a limit and `value` lies beyond it;
    // otherwise the zoom becomes `value` kept within the limits.
    void SetZoom(double value);
};

// A header or footer: a prepared text object (rectangle resolved when it was defined,
// attributes of that moment, no text) and its text, where "@PAGE" stands for the page number.
struct MoxRunningText {
    std::unique_ptr<MoxTextObject> prepared;
    std::string text;
};

// The engine's own mail settings.
struct MoxMailSettings {
    std::string subject;
    std::string text;
    std::string sender;
    std::vector<std::string> receivers;
    std::vector<std::string> attachments;
    bool withDialog = true;
};

struct MoxDocument {
    // A memory document with one empty page, or a document whose pages live in `file` (an
    // existing file is read, a missing or empty one created). Throws MoxFailure.
    MoxDocument(QWidget* host, const char* file, const char* title, uint32_t flags);
    // Writes a document file's header and checksum; errors cannot be reported any more.
    ~MoxDocument();
    MoxDocument(const MoxDocument&) = delete;
    MoxDocument& operator=(const MoxDocument&) = delete;

    // The documents of the process that are open now.
    static bool IsOpen(const MoxDocument* document);

    // ---- Pages ----
    MoxPage& CurrentPage() { return pages->Current(); }
    int CurrentPageNumber() const { return pages->CurrentNumber(); }
    int PageCount() const { return pages->PageCount(); }
    MoxPageGeometry NewPageGeometry() const;
    // Resolves the special coordinate values against the current page.
    MoxRect Resolve(const MoxRect& requested);
    // Appends `object` to the current page; its rectangle becomes the last-position rectangle.
    MoxObject& InsertObject(std::unique_ptr<MoxObject> object);
    // A new page after the last one (document geometry, header and footer, last position at the
    // top margin), made current.
    void PageBreak();
    // Clamps `number` to 1 .. page count and makes that page current.
    void GotoPage(int number);
    // The automatic page break of flowing text: the next page (a new one after the last page)
    // becomes current and the host receives the auto page break message.
    void AutoPageBreak();
    // Places a header or footer on the current page ("@PAGE" = the page number) without
    // changing the page's last-position rectangle.
    void PlaceRunningText(const MoxRunningText& running);
    void PlaceHeaderAndFooter();
    // New size for the current page and new pages: the current page keeps the distances of its
    // output rectangle to the right and bottom edges, and that rectangle becomes the default.
    void ApplyPageSize(int32_t width, int32_t height);
    // Orientation of the current page and new pages; a change exchanges width and height.
    void SetLandscape(bool on);

    // ---- Host window ----
    unsigned MessageNumber(MoxMessage message) const;
    // Sends (synchronously) / posts a message to the host window with lParam = this handle;
    // nothing happens without a host window.
    intptr_t SendHostMessage(MoxMessage message, uintptr_t wParam);
    void PostHostMessage(MoxMessage message, uintptr_t wParam);

    // ---- Report files ----
    // The header fields a new or closed document file takes from this document.
    MoxFileHeader FileHeaderFields() const;
    // Sets the fields of a report file header this document owns (geometry, options, value).
    void StoreFileHeaderFields(MoxFileHeader& header) const;
    void TakeFileHeaderFields(const MoxFileHeader& header);
    // Appends every page of this document to the report file `path` (see MoxWriteDoc).
    void WriteToFile(const std::string& path);
    // Appends every page of the report file `path` (see MoxReadDoc).
    void ReadFromFile(const std::string& path);

    uint32_t openFlags = 0;
    MoxDocumentOptions options;
    MoxViewScale scale;
    QWidget* hostWindow = nullptr;
    void* previewFrame = nullptr;  // the preview window, once it exists
    std::string title;
    std::string printJobName;
    MoxMailSettings mail;

    MoxAttributes attributes;
    MoxAttributes savedAttributes;  // saved while a text with one-call flags is placed
    std::unique_ptr<MoxRunningText> header;
    std::unique_ptr<MoxRunningText> footer;
    std::list<std::pair<int32_t, MoxAttributes>> attributeSets;  // newest first
    std::vector<MoxRect> positionStack;  // newest last

    int32_t pageWidth = 2100;  // for new pages
    int32_t pageHeight = 2970;
    bool landscape = false;
    int32_t paperBin = 255;
    MoxRect defaultOutRect{200, 200, 1900, 2770};

    int32_t lastError = MOX_ERROR_NONE;
    int32_t level = 1000;  // edition level
    uint32_t documentValue = 0;  // kept in the report file header
    std::unique_ptr<MoxPageStore> pages;
};
