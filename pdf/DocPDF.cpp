// Building the fixed objects of a document and saving it. Each write step serialises its
// objects into one buffer and writes it with one file write; the cross-reference table follows
// from the lengths recorded while writing.
#include "pdf/DocPDF.h"

#include "pdf/BookmarkObj.h"
#include "pdf/DestLinkObj.h"
#include "pdf/FontObj.h"
#include "pdf/PagePDF.h"
#include "pdf/PagesPDF.h"
#include "pdf/StringPDF.h"

#include <filesystem>
#include <system_error>

using namespace DOC_PDF;

namespace {

constexpr char kHeader[] = "%PDF-1.2\r\n";

const char* InfoKey(tpInfoString key)
{
    switch (key) {
    case tpInfoString::Title: return "Title";
    case tpInfoString::Author: return "Author";
    case tpInfoString::Subject: return "Subject";
    case tpInfoString::Keywords: return "Keywords";
    case tpInfoString::Creator: return "Creator";
    case tpInfoString::Producer: return "Producer";
    }
    return nullptr;
}

const char* InfoKey(tpInfoDate key)
{
    switch (key) {
    case tpInfoDate::CreationDate: return "CreationDate";
    case tpInfoDate::ModDate: return "ModDate";
    }
    return nullptr;
}

const char* PageModeName(tpViewDocSettings mode)
{
    switch (mode) {
    case tpViewDocSettings::UseNone: return "UseNone";
    case tpViewDocSettings::UseOutlines: return "UseOutlines";
    case tpViewDocSettings::UseThumbs: return "UseThumbs";
    case tpViewDocSettings::FullScreen: return "FullScreen";
    case tpViewDocSettings::UseOC: return "UseOC";
    }
    return nullptr;
}

const char* PreferenceKey(tpVewPageSettings item)
{
    switch (item) {
    case tpVewPageSettings::HideToolBar: return "HideToolBar";
    case tpVewPageSettings::HideMenubar: return "HideMenubar";
    case tpVewPageSettings::HideWindowUI: return "HideWindowUI";
    case tpVewPageSettings::FitWindow: return "FitWindow";
    case tpVewPageSettings::CenterWindow: return "CenterWindow";
    }
    return nullptr;
}

// Creates a new file beside `target` ("<target>.<n>.tmp", the first name not taken) and
// answers it open for binary writing with its name, or null.
std::FILE* CreateTemporaryBeside(const std::string& target, std::string& name)
{
    for (int attempt = 1; attempt <= 100; ++attempt) {
        name = target + "." + std::to_string(attempt) + ".tmp";
        if (std::FILE* file = std::fopen(name.c_str(), "wbx"))
            return file;
        std::error_code error;
        if (!std::filesystem::exists(name, error))
            return nullptr;  // not a name clash: the folder cannot take the file
    }
    return nullptr;
}

}  // namespace

CDocPDF::CDocPDF()
    : catalog_(std::make_unique<CFileObj>(counter_)),
      info_(std::make_unique<CFileObj>(counter_)),
      viewerPreferences_(std::make_unique<CFileObj>(counter_)),
      procSet_(std::make_unique<CFileInlineObj>(counter_)),
      pages_(std::make_unique<CPagesPDF>(counter_, *procSet_))
{
    // The catalog names its page tree from the start, so that a document without pages is a
    // valid file too.
    catalog_->Set("Pages", pages_->Reference());
    catalog_->Set("Type", OBJ_NAME("Catalog"));
    trailer_.Set("Root", catalog_->Reference());
    AddProcSet("PDF");
}

CDocPDF::~CDocPDF() = default;

// ---- Document information and viewer settings ------------------------------------------------

void CDocPDF::AddInfo(tpInfoString key, const char* text)
{
    const char* name = InfoKey(key);
    if (!name)
        return;
    info_->Set(name, OBJ_STRING::FromText(text ? text : ""));
    trailer_.Set("Info", info_->Reference());
}

void CDocPDF::AddInfo(tpInfoDate key, const std::tm* time)
{
    const char* name = InfoKey(key);
    // Only a four-digit year fits the date format.
    if (!name || !time || time->tm_year < -1900 || time->tm_year > 9999 - 1900)
        return;
    char date[32];
    const size_t length = std::strftime(date, sizeof date, "D:%Y%m%d%H%M%S", time);
    if (length == 0 || length > 16)
        return;
    info_->Set(name, OBJ_STRING(std::string(date, length)));
    trailer_.Set("Info", info_->Reference());
}

void CDocPDF::SetViewDocSettings(tpViewDocSettings mode)
{
    if (const char* name = PageModeName(mode))
        catalog_->Set("PageMode", OBJ_NAME(name));
}

void CDocPDF::SetViewPageSettings(tpVewPageSettings item, bool on)
{
    const char* name = PreferenceKey(item);
    if (!name)
        return;
    catalog_->Set("ViewerPreferences", viewerPreferences_->Reference());
    viewerPreferences_->Set(name, OBJ_BOOLEAN(on));
}

// ---- The fixed objects and content -----------------------------------------------------------

IPagesPDF* CDocPDF::GetPages() { return pages_.get(); }

IStringPDF* CDocPDF::CreateString(tpStandartFont font, int size, unsigned long colour,
                                  const char* text, int x, int y)
{
    strings_.push_back(std::make_unique<CStringPDF>(*this, x, y));
    strings_.back()->AddText(font, size, colour, text);
    return strings_.back().get();
}

IBookmarkPDF* CDocPDF::CreateBookmark()
{
    if (!outlines_) {
        outlines_ = std::make_unique<CBookmarkObj>(counter_);
        catalog_->Set("Outlines", outlines_->Reference());
    }
    return outlines_.get();
}

IDestLinkPDF* CDocPDF::CreateHLink(const char* address)
{
    hyperlinks_.push_back(CDestLinkObj::Uri(counter_, address ? address : ""));
    return hyperlinks_.back().get();
}

void CDocPDF::AddProcSet(const char* name)
{
    if (name && *name)
        procSet_->AddNameOnce(name);
}

CFontObj* CDocPDF::FoundFont(tpStandartFont font)
{
    if (!StandardFontName(font))
        return nullptr;
    for (const auto& known : fonts_) {
        if (known->Font() == font)
            return known.get();
    }
    const int serial = static_cast<int>(fonts_.size()) + 1;
    fonts_.push_back(std::make_unique<CFontObj>(counter_, font, serial));
    return fonts_.back().get();
}

// ---- Saving ----------------------------------------------------------------------------------

bool CDocPDF::Save(const char* path)
{
    if (!path || !*path)
        return false;
    const std::string target = path;
    std::string temporary;
    file_.reset(CreateTemporaryBeside(target, temporary));
    if (!file_)
        return false;

    WriteAllSteps();
    bool saved = CloseFile();
    std::error_code error;
    if (saved) {
        std::filesystem::rename(temporary, target, error);
        saved = !error;
    }
    if (!saved)
        std::filesystem::remove(temporary, error);
    return saved;
}

void CDocPDF::WriteAllSteps()
{
    // The lengths are recorded afresh, so a document saved twice gives the same file twice.
    xref_.Clear();
    writeFailed_ = false;
    WriteHeader();
    WriteCatalog();
    WriteInfo();
    WriteFont();
    WriteProcSet();
    WritePage();
    WriteBookmark();
    WriteHLink();
    WriteFooter();
}

bool CDocPDF::CloseFile()
{
    std::FILE* file = file_.release();
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    return !writeFailed_ && flushed && closed;
}

void CDocPDF::FileWrite(const _buffer& bytes)
{
    if (!file_ || writeFailed_ || bytes.empty())
        return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size())
        writeFailed_ = true;
}

bool CDocPDF::WriteObjectGroup(CFileObj& object)
{
    _buffer group;
    object.WriteTo(group, xref_);
    FileWrite(group);
    return true;
}

bool CDocPDF::WriteHeader()
{
    const _buffer header = kHeader;
    headerLength_ = header.size();
    FileWrite(header);
    return true;
}

bool CDocPDF::WriteCatalog() { return WriteObjectGroup(*catalog_); }

bool CDocPDF::WriteInfo()
{
    // The viewer preferences have no step of their own: they follow the information.
    _buffer group;
    info_->WriteTo(group, xref_);
    viewerPreferences_->WriteTo(group, xref_);
    FileWrite(group);
    return true;
}

bool CDocPDF::WriteFont()
{
    if (fonts_.empty())
        return false;
    _buffer group;
    for (const auto& font : fonts_)
        font->WriteTo(group, xref_);
    FileWrite(group);
    return true;
}

bool CDocPDF::WriteProcSet() { return WriteObjectGroup(*procSet_); }

bool CDocPDF::WritePage()
{
    _buffer group;
    for (int index = 0; index < pages_->GetCount(); ++index)
        pages_->Page(index)->WriteTo(group, xref_);
    pages_->WriteTo(group, xref_);
    FileWrite(group);
    return true;
}

bool CDocPDF::WriteBookmark()
{
    if (!outlines_)
        return false;
    return WriteObjectGroup(*outlines_);
}

bool CDocPDF::WriteHLink()
{
    if (hyperlinks_.empty())
        return false;
    _buffer group;
    for (const auto& link : hyperlinks_)
        link->WriteTo(group, xref_);
    FileWrite(group);
    return true;
}

uint64_t CDocPDF::RecalculateXREF() { return xref_.Recalculate(headerLength_); }

bool CDocPDF::WriteFooter()
{
    const uint64_t tableOffset = RecalculateXREF();
    _buffer footer;
    xref_.WriteTable(footer);
    trailer_.Set("Size", OBJ_NUMERIC(static_cast<long long>(xref_.Entries().size()) + 1));
    footer += "trailer\r\n";
    trailer_.Write(footer);
    footer += "\r\nstartxref\r\n";
    AppendInteger(footer, static_cast<long long>(tableOffset));
    footer += "\r\n%%EOF";
    FileWrite(footer);
    return true;
}
