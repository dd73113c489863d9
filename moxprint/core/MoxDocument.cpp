#include "moxprint/core/MoxDocument.h"

#include "moxprint/core/MoxFailure.h"
#include "moxprint/core/PaperSizeTable.h"
#include "moxprint/core/SpecialValues.h"
#include "platform/WaitCursor.h"
#include "platform/WindowMessage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <set>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

std::set<const MoxDocument*>& OpenDocuments()
{
    static std::set<const MoxDocument*> documents;
    return documents;
}

// The geometry version 0 pages of a file take from its header.
MoxPageGeometry GeometryOf(const MoxFileHeader& header)
{
    MoxPageGeometry geometry;
    geometry.width = header.pageWidth;
    geometry.height = header.pageHeight;
    geometry.landscape = header.version == 0 && (header.pageFlags & kV0LandscapeFlag) != 0;
    geometry.outRect = header.defaultOutRect;
    return geometry;
}

// Bit 0 of the document value survives a copy only where both sides have it.
uint32_t MergedDocumentValue(uint32_t copied, uint32_t kept)
{
    return (copied & ~1u) | (copied & kept & 1u);
}

std::string WithPageNumber(std::string text, int page)
{
    const size_t field = text.find("@PAGE");
    if (field != std::string::npos)
        text.replace(field, 5, std::to_string(page));
    return text;
}

// The new content of a report file is built in a scratch file beside it (a copy of the old
// content, if any) and renamed over it only when complete, so a failed write leaves the old
// file as it was.
class ReplacementFile {
public:
    explicit ReplacementFile(const std::string& path)
    {
        const QFileInfo info(QString::fromStdString(path));
        existing_ = info.exists();
        if (existing_ && !info.isFile())
            Fail(MOX_ERROR_FILE_CREATE);
        target_ = existing_ ? info.canonicalFilePath() : info.absoluteFilePath();
        scratch_.setFileTemplate(target_ + QStringLiteral(".XXXXXX"));
        if (!scratch_.open())
            Fail(MOX_ERROR_FILE_CREATE);
        if (existing_)
            CopyOldContent();
        scratch_.close();
    }

    std::string ScratchPath() const { return scratch_.fileName().toStdString(); }

    void Commit()
    {
        const QFile::Permissions permissions =
            existing_ ? QFile::permissions(target_)
                      : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
        QFile::setPermissions(scratch_.fileName(), permissions);
        if (std::rename(QFile::encodeName(scratch_.fileName()).constData(),
                        QFile::encodeName(target_).constData()) != 0)
            Fail(MOX_ERROR_FILE_WRITE);
        scratch_.setAutoRemove(false);
    }

private:
    // The old file must not be in use by a document (of this or another process).
    void CopyOldContent()
    {
        QFile old(target_);
        if (!old.open(QIODevice::ReadOnly))
            Fail(MOX_ERROR_FILE_OPEN);
        if (::flock(old.handle(), LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK)
            Fail(MOX_ERROR_FILE_IN_USE);
        char buffer[64 * 1024];
        for (;;) {
            const qint64 got = old.read(buffer, sizeof buffer);
            if (got < 0)
                Fail(MOX_ERROR_FILE_READ);
            if (got == 0)
                break;
            if (scratch_.write(buffer, got) != got)
                Fail(MOX_ERROR_FILE_WRITE);
        }
        if (!scratch_.flush())
            Fail(MOX_ERROR_FILE_WRITE);
    }

    bool existing_ = false;
    QString target_;
    QTemporaryFile scratch_;
};

}  // namespace

// ---- Life --------------------------------------------------------------------------------------

MoxDocument::MoxDocument(QWidget* host, const char* file, const char* title, uint32_t flags)
    : openFlags(flags), hostWindow(host), title(title ? title : "")
{
    RegisterHostMessages();
    if (file && *file) {
        auto documentFile = MoxDocFile::Open(file, (flags & MOX_OPEN_READ_ONLY) != 0,
                                             FileHeaderFields());
        TakeFileHeaderFields(documentFile->Header());
        pages = std::make_unique<MoxPageStore>(std::move(documentFile), NewPageGeometry());
        printJobName = file;
    } else {
        pages = std::make_unique<MoxPageStore>(std::make_unique<MoxPage>(NewPageGeometry()));
    }
    OpenDocuments().insert(this);
}

MoxDocument::~MoxDocument()
{
    WaitCursor wait;
    OpenDocuments().erase(this);
    try {
        if (MoxDocFile* file = pages->File()) {
            StoreFileHeaderFields(file->Header());
            pages->Close();
        }
    } catch (...) {
        // Nobody is left to tell; the pages stored so far stay in the file.
    }
}

bool MoxDocument::IsOpen(const MoxDocument* document)
{
    return OpenDocuments().count(document) != 0;
}

// ---- Pages -------------------------------------------------------------------------------------

MoxPageGeometry MoxDocument::NewPageGeometry() const
{
    return MoxPageGeometry{pageWidth, pageHeight, landscape, paperBin, defaultOutRect};
}

MoxRect MoxDocument::Resolve(const MoxRect& requested)
{
    return ResolveRect(requested, CurrentPage());
}

MoxObject& MoxDocument::InsertObject(std::unique_ptr<MoxObject> object)
{
    return CurrentPage().Add(std::move(object));
}

void MoxDocument::PageBreak()
{
    GotoPage(PageCount());
    pages->Append(std::make_unique<MoxPage>(NewPageGeometry()));
    PlaceHeaderAndFooter();
    CurrentPage().ResetLastPosition();
}

void MoxDocument::GotoPage(int number)
{
    pages->Goto(std::clamp(number, 1, PageCount()));
}

void MoxDocument::AutoPageBreak()
{
    if (pages->IsLast())
        PageBreak();
    else
        GotoPage(CurrentPageNumber() + 1);
    SendHostMessage(MoxMessage::AutoPageBreak, 0);
}

void MoxDocument::PlaceRunningText(const MoxRunningText& running)
{
    if (!running.prepared)
        return;
    auto object = std::make_unique<MoxTextObject>(*running.prepared);
    object->text = WithPageNumber(running.text, CurrentPageNumber());
    MoxPage& page = CurrentPage();
    const MoxRect lastPosition = page.lastRect;
    page.Add(std::move(object));
    page.lastRect = lastPosition;
}

void MoxDocument::PlaceHeaderAndFooter()
{
    if (header)
        PlaceRunningText(*header);
    if (footer)
        PlaceRunningText(*footer);
}

void MoxDocument::ApplyPageSize(int32_t width, int32_t height)
{
    if (width < 0 && height < 0) {
        const auto paper = FindPaperSize(width);
        if (!paper)
            return;
        width = paper->width;
        height = paper->height;
        if (landscape)
            std::swap(width, height);
    }
    if (width >= 0)
        pageWidth = width;
    if (height >= 0)
        pageHeight = height;
    MoxPage& page = CurrentPage();
    const int32_t rightMargin = WrapSub(page.width, page.outRect.right);
    const int32_t bottomMargin = WrapSub(page.height, page.outRect.bottom);
    page.width = pageWidth;
    page.height = pageHeight;
    page.outRect.right = WrapSub(page.width, rightMargin);
    page.outRect.bottom = WrapSub(page.height, bottomMargin);
    defaultOutRect = page.outRect;
}

void MoxDocument::SetLandscape(bool on)
{
    if (on != landscape) {
        landscape = on;
        ApplyPageSize(pageHeight, pageWidth);
    }
    CurrentPage().SetLandscape(on);
}

// ---- Host window -------------------------------------------------------------------------------

unsigned MoxDocument::MessageNumber(MoxMessage message) const
{
    if (openFlags & MOX_OPEN_FIXED_MESSAGES)
        return FixedMessageNumber(message);
    return RegisteredMessageNumber(message);
}

intptr_t MoxDocument::SendHostMessage(MoxMessage message, uintptr_t wParam)
{
    if (!hostWindow)
        return 0;
    return SendWindowMessage(hostWindow, MessageNumber(message), wParam,
                             reinterpret_cast<intptr_t>(this));
}

void MoxDocument::PostHostMessage(MoxMessage message, uintptr_t wParam)
{
    if (hostWindow)
        PostWindowMessage(hostWindow, MessageNumber(message), wParam,
                          reinterpret_cast<intptr_t>(this));
}

// ---- Report files ------------------------------------------------------------------------------

MoxFileHeader MoxDocument::FileHeaderFields() const
{
    MoxFileHeader header;
    StoreFileHeaderFields(header);
    return header;
}

void MoxDocument::StoreFileHeaderFields(MoxFileHeader& header) const
{
    header.defaultOutRect = defaultOutRect;
    header.pageWidth = pageWidth;
    header.pageHeight = pageHeight;
    if (header.version == 0)
        header.pageFlags = landscape ? (header.pageFlags | kV0LandscapeFlag)
                                     : (header.pageFlags & ~kV0LandscapeFlag);
    header.gradientPrintMode = options.gradientPrintMode;
    header.gradientPrintColor = options.gradientPrintSolidColor;
    header.previewControl = options.previewControl;
    header.mouseScaling = options.mouseScaling;
    header.pageScrollerTracking = options.pageScrollerTracking;
    header.previewWithScrollers = options.previewWithScrollers;
    header.paperView = options.paperView;
    header.printPosMode = options.printPosMode;
    header.printOffsetX = options.printOffsetX;
    header.printOffsetY = options.printOffsetY;
    header.documentValue = documentValue;
}

void MoxDocument::TakeFileHeaderFields(const MoxFileHeader& header)
{
    defaultOutRect = header.defaultOutRect;
    pageWidth = header.pageWidth;
    pageHeight = header.pageHeight;
    if (header.version == 0)
        landscape = (header.pageFlags & kV0LandscapeFlag) != 0;
    level = header.level;
    options.gradientPrintMode = header.gradientPrintMode;
    options.gradientPrintSolidColor = header.gradientPrintColor;
    options.previewControl = uint8_t(header.previewControl);
    options.mouseScaling = header.mouseScaling;
    options.pageScrollerTracking = header.pageScrollerTracking;
    options.previewWithScrollers = header.previewWithScrollers;
    options.paperView = header.paperView;
    options.printPosMode = header.printPosMode;
    options.printOffsetX = header.printOffsetX;
    options.printOffsetY = header.printOffsetY;
    documentValue = header.documentValue;
}

void MoxDocument::WriteToFile(const std::string& path)
{
    WaitCursor wait;
    ReplacementFile replacement(path);
    {
        auto file = MoxDocFile::Open(replacement.ScratchPath(), false, FileHeaderFields());
        const MoxPageGeometry targetGeometry = GeometryOf(file->Header());
        MoxPageStore target(std::move(file), targetGeometry);
        target.Goto(target.PageCount());
        for (int number = 1; number <= PageCount(); ++number) {
            const auto source = pages->CopyOfPage(number);
            // A new file's fresh first page takes the first page; an existing file's pages stay.
            const bool intoFreshPage =
                number == 1 && target.PageCount() == 1 && target.IsUnstoredAndEmpty(1);
            if (!intoFreshPage)
                target.Append(std::make_unique<MoxPage>(targetGeometry));
            target.Current().CopyFrom(*source);
        }
        MoxFileHeader& header = target.File()->Header();
        header.documentValue = MergedDocumentValue(documentValue, header.documentValue);
        target.Close();
    }
    replacement.Commit();
}

void MoxDocument::ReadFromFile(const std::string& path)
{
    WaitCursor wait;
    if (!QFileInfo::exists(QString::fromStdString(path)))
        Fail(MOX_ERROR_FILE_OPEN);
    std::vector<std::unique_ptr<MoxPage>> read;
    int32_t fileLevel = kEditionLevel;
    uint32_t fileValue = 0;
    {
        // Every page is read before any is added: a damaged file adds nothing.
        auto file = MoxDocFile::Open(path, true, MoxFileHeader{});
        read = file->ReadAllPages(GeometryOf(file->Header()));
        fileLevel = file->Header().level;
        fileValue = file->Header().documentValue;
    }
    const int returnTo = CurrentPageNumber();
    GotoPage(PageCount());
    bool first = true;
    for (const auto& page : read) {
        if (!first || !CurrentPage().IsEmpty())
            pages->Append(std::make_unique<MoxPage>(NewPageGeometry()));
        first = false;
        CurrentPage().CopyFrom(*page);
        PlaceHeaderAndFooter();
    }
    level = fileLevel;
    documentValue = MergedDocumentValue(fileValue, documentValue);
    GotoPage(returnTo);
}

// ---- View --------------------------------------------------------------------------------------

void MoxViewScale::SetZoom(double value)
{
    if ((zoom <= minimum && value <= minimum) || (zoom >= maximum && value >= maximum))
        return;
    zoom = std::clamp(value, minimum, std::max(minimum, maximum));
}
