#include "moxprint/core/MoxDocFile.h"

#include "moxprint/core/Crc32Mpeg2.h"
#include "moxprint/core/MoxFailure.h"
#include "moxprint/core/PageRecord.h"
#include "moxprint/core/RecordIo.h"

#include <QFileInfo>

#include <cerrno>
#include <limits>
#include <unordered_set>

#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr int kOldestVersion = 0;

// The header fields from offset 12 (4 in versions 0 and 1) on.
std::string EncodeHeaderFields(const MoxFileHeader& header)
{
    RecordWriter out;
    out.I32(header.pageCount);
    out.I32(header.firstPage);
    out.I32(header.lastPage);
    out.Rect(header.defaultOutRect);
    out.I32(header.pageWidth);
    out.I32(header.pageHeight);
    out.U32(header.pageFlags);
    if (header.version >= 1 && header.hasExtension) {
        out.U32(kExtensionMarker);
        out.I32(header.level);
        out.I32(0);
        out.U16(0);  // reserved
        out.U8(header.gradientPrintMode);
        out.U32(header.gradientPrintColor);
        out.I32(header.previewControl);
        out.U8(header.mouseScaling);
        out.U8(header.pageScrollerTracking);
        out.U8(header.previewWithScrollers);
        out.U8(header.paperView);
        out.I32(header.printPosMode);
        out.I32(header.printOffsetX);
        out.I32(header.printOffsetY);
        for (int i = 0; i < 3; ++i)
            out.I32(0);
        out.U32(header.documentValue);
        for (int i = 0; i < 3; ++i)
            out.I32(0);
    }
    return out.Take();
}

std::string EncodeLinks(int32_t previous, int32_t next)
{
    RecordWriter out;
    out.I32(previous);
    out.I32(next);
    return out.Take();
}

}  // namespace

MoxDocFile::MoxDocFile(std::string path, bool readOnly)
    : path_(std::move(path)), readOnly_(readOnly), file_(QString::fromStdString(path_))
{
}

MoxDocFile::~MoxDocFile() = default;

std::unique_ptr<MoxDocFile> MoxDocFile::Open(const std::string& path, bool readOnly,
                                             const MoxFileHeader& initial)
{
    if (path.empty())
        Fail(MOX_ERROR_ARGUMENT);
    std::unique_ptr<MoxDocFile> file(new MoxDocFile(path, readOnly));
    const QFileInfo info(QString::fromStdString(path));
    const bool existing = info.exists();
    if (existing && !info.isFile())
        Fail(MOX_ERROR_FILE_OPEN);
    if (readOnly) {
        if (!existing)
            Fail(MOX_ERROR_FILE_OPEN);
        if (!file->file_.open(QIODevice::ReadOnly))
            Fail(MOX_ERROR_FILE_OPEN);
    } else if (!file->file_.open(QIODevice::ReadWrite)) {
        Fail(existing ? MOX_ERROR_FILE_OPEN : MOX_ERROR_FILE_CREATE);
    }
    file->Lock();
    if (file->file_.size() == 0) {
        if (readOnly)
            Fail(MOX_ERROR_FILE_READ);
        file->Create(initial);
        return file;
    }
    file->ReadHeader();
    file->ReadPageChain();
    return file;
}

bool MoxDocFile::TryLock()
{
    const int mode = readOnly_ ? LOCK_SH : LOCK_EX;
    // Only a lock held elsewhere refuses the file; a file system without locks is accepted.
    return ::flock(file_.handle(), mode | LOCK_NB) == 0 || errno != EWOULDBLOCK;
}

void MoxDocFile::Lock()
{
    if (!TryLock())
        Fail(MOX_ERROR_FILE_IN_USE);
}

void MoxDocFile::ReopenReadOnly()
{
    file_.close();
    readOnly_ = true;
    if (file_.open(QIODevice::ReadOnly))
        TryLock();
}

void MoxDocFile::Create(const MoxFileHeader& initial)
{
    header_ = initial;
    header_.version = kNewestFileVersion;
    header_.pageCount = 0;
    header_.firstPage = 0;
    header_.lastPage = 0;
    header_.pageFlags = 0;
    header_.hasExtension = true;
    header_.level = kEditionLevel;
    RecordWriter out;
    out.U32(kFileMagic + kNewestFileVersion);
    out.U32(0);  // checksum, computed when the file is closed
    out.U32(kCoveredBytes ^ kCoveredCountMask);
    out.Bytes(EncodeHeaderFields(header_));
    WriteAt(0, out.Data());
    headerEnd_ = kNewHeaderSize;
    if (file_.size() != kNewHeaderSize)
        Fail(MOX_ERROR_FILE_WRITE);
}

void MoxDocFile::ReadHeader()
{
    RecordReader in(file_);
    const uint32_t magic = in.U32();
    if (magic < kFileMagic + kOldestVersion || magic > kFileMagic + kNewestFileVersion)
        Fail(MOX_ERROR_FILE_FORMAT);
    header_.version = int(magic - kFileMagic);
    if (header_.version >= 2)
        VerifyChecksum();
    in.Seek(FieldsOffset());
    header_.pageCount = in.I32();
    header_.firstPage = in.I32();
    header_.lastPage = in.I32();
    header_.defaultOutRect = in.Rect();
    header_.pageWidth = in.I32();
    header_.pageHeight = in.I32();
    header_.pageFlags = in.U32();
    headerEnd_ = in.Position();
    header_.hasExtension = false;
    header_.level = kEditionLevel;
    if (header_.version == 0)
        return;
    if (in.U32() != kExtensionMarker)
        return;
    header_.hasExtension = true;
    header_.level = in.I32();
    if (header_.level > kEditionLevel)
        Fail(MOX_ERROR_FILE_FORMAT);
    in.Skip(4 + 2);  // zero, reserved
    header_.gradientPrintMode = in.U8();
    header_.gradientPrintColor = in.U32();
    header_.previewControl = in.I32();
    header_.mouseScaling = in.U8();
    header_.pageScrollerTracking = in.U8();
    header_.previewWithScrollers = in.U8();
    header_.paperView = in.U8();
    header_.printPosMode = in.I32();
    header_.printOffsetX = in.I32();
    header_.printOffsetY = in.I32();
    in.Skip(12);
    header_.documentValue = in.U32();
    in.Skip(12);
    headerEnd_ = in.Position();
}

void MoxDocFile::VerifyChecksum()
{
    RecordReader in(file_);
    in.Seek(4);
    const uint32_t stored = in.U32();
    const uint32_t covered = in.U32() ^ kCoveredCountMask;
    if (ComputeChecksum(covered) != stored)
        Fail(MOX_ERROR_ARGUMENT);
}

uint32_t MoxDocFile::ComputeChecksum(uint32_t coveredCount)
{
    RecordReader in(file_);
    in.Seek(12);
    Crc32Mpeg2 crc;
    int64_t left = coveredCount;
    char buffer[64 * 1024];
    while (left > 0 && in.Remaining() > 0) {
        const int64_t got = in.ReadSome(buffer, std::min<int64_t>(left, sizeof buffer));
        crc.Update(reinterpret_cast<const uint8_t*>(buffer), size_t(got));
        left -= got;
    }
    crc.ZeroExtend(uint64_t(left));  // covered bytes past the end count as zero bytes
    return crc.Value();
}

void MoxDocFile::ReadPageChain()
{
    const int64_t size = file_.size();
    const int64_t minimum = MinimumPageRecordSize(header_.version);
    const int32_t count = header_.pageCount;
    if (count < 0 || int64_t(count) > (size - headerEnd_) / minimum)
        Fail(MOX_ERROR_FILE_READ);
    RecordReader in(file_);
    std::unordered_set<int32_t> seen;
    pageOffsets_.reserve(size_t(count));
    int32_t offset = header_.firstPage;
    for (int32_t i = 0; i < count; ++i) {
        if (offset < headerEnd_ || offset > size - minimum || !seen.insert(offset).second)
            Fail(MOX_ERROR_FILE_READ);  // outside the file, inside the header, or a cycle
        pageOffsets_.push_back(offset);
        if (i + 1 < count) {
            in.Seek(int64_t(offset) + 4);
            offset = in.I32();
        }
    }
}

std::unique_ptr<MoxPage> MoxDocFile::ReadPage(int32_t offset,
                                              const MoxPageGeometry& documentGeometry,
                                              int64_t* recordSize)
{
    RecordReader in(file_);
    in.Seek(int64_t(offset) + kPageLinksSize);
    auto page = DecodePageBody(in, header_.version, documentGeometry);
    if (recordSize)
        *recordSize = in.Position() - offset;
    return page;
}

std::vector<std::unique_ptr<MoxPage>> MoxDocFile::ReadAllPages(
    const MoxPageGeometry& documentGeometry)
{
    std::vector<std::unique_ptr<MoxPage>> pages;
    int64_t total = 0;
    for (int32_t offset : pageOffsets_) {
        int64_t size = 0;
        pages.push_back(ReadPage(offset, documentGeometry, &size));
        total += size;
        if (total > file_.size())
            Fail(MOX_ERROR_FILE_READ);
    }
    return pages;
}

int32_t MoxDocFile::AppendPage(const std::string& body, int32_t previous, int32_t next)
{
    const int64_t end = file_.size();
    if (end + kPageLinksSize + int64_t(body.size()) > std::numeric_limits<int32_t>::max())
        Fail(MOX_ERROR_FILE_WRITE);
    WriteAt(end, EncodeLinks(previous, next) + body);
    return int32_t(end);
}

void MoxDocFile::SetPreviousLink(int32_t pageOffset, int32_t previous)
{
    RecordWriter out;
    out.I32(previous);
    WriteAt(pageOffset, out.Data());
}

void MoxDocFile::SetNextLink(int32_t pageOffset, int32_t next)
{
    RecordWriter out;
    out.I32(next);
    WriteAt(int64_t(pageOffset) + 4, out.Data());
}

void MoxDocFile::WriteHeader()
{
    WriteAt(FieldsOffset(), EncodeHeaderFields(header_));
    if (header_.version >= 2) {
        RecordReader in(file_);
        in.Seek(8);
        const uint32_t covered = in.U32() ^ kCoveredCountMask;
        RecordWriter out;
        out.U32(ComputeChecksum(covered));
        WriteAt(4, out.Data());
    }
    if (!file_.flush())
        Fail(MOX_ERROR_FILE_WRITE);
}

void MoxDocFile::MakeWritable()
{
    if (!readOnly_)
        return;
    file_.close();
    readOnly_ = false;
    if (!file_.open(QIODevice::ReadWrite)) {
        ReopenReadOnly();
        Fail(MOX_ERROR_FILE_OPEN);
    }
    if (!TryLock()) {
        ReopenReadOnly();
        Fail(MOX_ERROR_FILE_IN_USE);
    }
}

void MoxDocFile::MakeReadOnly()
{
    if (readOnly_)
        return;
    Sync();
    ReopenReadOnly();
}

void MoxDocFile::Sync()
{
    if (!file_.flush() || ::fsync(file_.handle()) != 0)
        Fail(MOX_ERROR_FILE_WRITE);
}

void MoxDocFile::WriteAt(int64_t offset, const std::string& bytes)
{
    if (readOnly_ || !file_.seek(offset) ||
        file_.write(bytes.data(), int64_t(bytes.size())) != int64_t(bytes.size()))
        Fail(MOX_ERROR_FILE_WRITE);
}
