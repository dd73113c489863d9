// CDocPDF: one PDF file being built. The caller adds pages, places text runs and filled
// rectangles, optionally adds bookmarks, links, document information and viewer settings, and
// saves. The document owns every object it hands out (pages, runs, bookmarks, links); they live
// until the document is deleted. Nothing reads the clock: a date goes into the file only when
// the caller passes one, so the same calls give the same bytes.
//
// The constructor creates the catalog, the document information, the viewer preferences, the
// ProcSet and the Pages object, which are therefore objects 1 to 5.
#pragma once

#include "pdf/FileObj.h"
#include "pdf/ObjBase.h"
#include "pdf/PdfInterfaces.h"
#include "pdf/XRefList.h"

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace DOC_PDF {
class CBookmarkObj;
class CDestLinkObj;
class CFontObj;
class CPagesPDF;
class CStringPDF;
}  // namespace DOC_PDF

class CDocPDF {
public:
    CDocPDF();
    ~CDocPDF();
    CDocPDF(const CDocPDF&) = delete;
    CDocPDF& operator=(const CDocPDF&) = delete;

    // ---- Saving ------------------------------------------------------------------------------
    // Writes the file. It is written beside `path` under a temporary name and renamed over
    // `path` once complete, so a failure never leaves a half-written file there (nor touches
    // an existing one). False when the file cannot be created, written or put in place.
    bool Save(const char* path);

    // ---- Document information and viewer settings --------------------------------------------
    // Sets the entry; a second call with the same key replaces the text.
    void AddInfo(tpInfoString key, const char* text);
    // Sets the date as "D:YYYYMMDDHHMMSS" from the fields of `time` (a year from 0 to 9999).
    void AddInfo(tpInfoDate key, const std::tm* time);
    // The page mode the viewer opens with; a later call replaces the earlier one.
    void SetViewDocSettings(tpViewDocSettings mode);
    void SetViewPageSettings(tpVewPageSettings item, bool on);

    // ---- The fixed objects -------------------------------------------------------------------
    IPagesPDF* GetPages();
    DOC_PDF::CFileObj* GetCatalog() { return catalog_.get(); }
    DOC_PDF::CFileInlineObj* GetProcSet() { return procSet_.get(); }

    // ---- Content -----------------------------------------------------------------------------
    // A text run at (x, y) with its first piece of text; place it with IPagePDF::AddString.
    IStringPDF* CreateString(tpStandartFont font, int size, unsigned long colour, const char* text,
                             int x, int y);
    // The outline root, made on the first call.
    IBookmarkPDF* CreateBookmark();
    // A web link to `address`, for IPagePDF::DrawRect or a bookmark.
    IDestLinkPDF* CreateHLink(const char* address);
    // Adds the procedure set name (without slash) unless it is there already.
    void AddProcSet(const char* name);
    // The document's font object for `font`, made on first use (F1, F2, ... in that order);
    // null for a value outside the enumeration.
    DOC_PDF::CFontObj* FoundFont(tpStandartFont font);

protected:
    // ---- The steps of Save, in this order; each answers true when it wrote something ---------
    bool WriteHeader();
    bool WriteCatalog();
    bool WriteInfo();
    bool WriteFont();
    bool WriteProcSet();
    bool WritePage();
    bool WriteBookmark();
    bool WriteHLink();
    bool WriteFooter();
    // Offsets from the lengths, entries in number order; answers the offset of "xref".
    uint64_t RecalculateXREF();
    // One write to the open file; a failure is remembered for Save's answer.
    void FileWrite(const DOC_PDF::_buffer& bytes);

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    // Writes one object (and what it owns) as a group of its own.
    bool WriteObjectGroup(DOC_PDF::CFileObj& object);
    void WriteAllSteps();
    bool CloseFile();

    DOC_PDF::CObjectCounter counter_;
    std::unique_ptr<std::FILE, FileCloser> file_;  // open only while Save runs
    std::unique_ptr<DOC_PDF::CFileObj> catalog_;
    std::unique_ptr<DOC_PDF::CFileObj> info_;
    std::unique_ptr<DOC_PDF::CFileObj> viewerPreferences_;
    std::unique_ptr<DOC_PDF::CFileInlineObj> procSet_;
    std::unique_ptr<DOC_PDF::CPagesPDF> pages_;
    std::unique_ptr<DOC_PDF::CBookmarkObj> outlines_;
    DOC_PDF::CXRefList xref_;
    DOC_PDF::OBJ_INDIRECT trailer_;
    std::vector<std::unique_ptr<DOC_PDF::CFontObj>> fonts_;
    std::vector<std::unique_ptr<DOC_PDF::CDestLinkObj>> hyperlinks_;
    std::vector<std::unique_ptr<DOC_PDF::CStringPDF>> strings_;
    uint64_t headerLength_ = 0;
    bool writeFailed_ = false;
};
