// A report file opened as the backing store of a document: its header, the validated chain of
// page records, reading a page at an offset, appending page records and relinking them, and the
// header and checksum written when the file is closed. The file is locked against other
// documents and processes (shared for reading, exclusive for writing).
#pragma once

#include "moxprint/core/MoxPage.h"

#include <QFile>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The header fields, in the terms of the newest version. Files of versions 0 and 1 hold the
// same fields from offset 4 instead of 12 and have no checksum.
struct MoxFileHeader {
    int version = 3;
    int32_t pageCount = 0;
    int32_t firstPage = 0;  // offset of the first page record, 0 while none is stored
    int32_t lastPage = 0;
    MoxRect defaultOutRect{200, 200, 1900, 2770};
    int32_t pageWidth = 2100;
    int32_t pageHeight = 2970;
    uint32_t pageFlags = 0;  // 0 from version 1; version 0: bit 13 = landscape
    bool hasExtension = true;  // version 1 on, when the extension marker is present
    int32_t level = 1000;
    uint8_t gradientPrintMode = 0;
    uint32_t gradientPrintColor = 0xE6E6E6;
    int32_t previewControl = 1;
    uint8_t mouseScaling = 1;
    uint8_t pageScrollerTracking = 1;
    uint8_t previewWithScrollers = 1;
    uint8_t paperView = 1;
    int32_t printPosMode = 0;
    int32_t printOffsetX = 0;
    int32_t printOffsetY = 0;
    uint32_t documentValue = 0;
};

constexpr uint32_t kFileMagic = 0x24061967;  // + version
constexpr uint32_t kExtensionMarker = 0x23061967;
constexpr uint32_t kCoveredCountMask = 0xFFA5AA5A;
constexpr uint32_t kCoveredBytes = 177;  // from offset 12, written into every new file
constexpr int32_t kEditionLevel = 1000;
constexpr int64_t kNewHeaderSize = 119;
constexpr uint32_t kV0LandscapeFlag = 0x2000;

class MoxDocFile {
public:
    // Opens `path`. A missing or empty file is created with `initial` as its header (not when
    // read-only). An existing file is checked: version, checksum, edition level and a page chain
    // that holds exactly the header's page count. Fails with the file error codes.
    static std::unique_ptr<MoxDocFile> Open(const std::string& path, bool readOnly,
                                            const MoxFileHeader& initial);
    ~MoxDocFile();
    MoxDocFile(const MoxDocFile&) = delete;
    MoxDocFile& operator=(const MoxDocFile&) = delete;

    const MoxFileHeader& Header() const { return header_; }
    MoxFileHeader& Header() { return header_; }
    // The offsets of the stored pages, in page order, as found when the file was opened.
    const std::vector<int32_t>& PageOffsets() const { return pageOffsets_; }
    bool ReadOnly() const { return readOnly_; }
    const std::string& Path() const { return path_; }

    // Reads the page record at `offset`; `recordSize` (if given) receives the bytes it took.
    std::unique_ptr<MoxPage> ReadPage(int32_t offset, const MoxPageGeometry& documentGeometry,
                                      int64_t* recordSize = nullptr);
    // Reads every stored page. Records of a sound file never overlap, so all of them together
    // take at most the file's size: more means a hostile file (and quadratic work) and fails.
    std::vector<std::unique_ptr<MoxPage>> ReadAllPages(const MoxPageGeometry& documentGeometry);
    // Writes a page record at the end of the file and returns its offset.
    int32_t AppendPage(const std::string& body, int32_t previous, int32_t next);
    void SetPreviousLink(int32_t pageOffset, int32_t previous);
    void SetNextLink(int32_t pageOffset, int32_t next);
    // Rewrites the header fields and (version 2 on) the checksum, then flushes.
    void WriteHeader();
    // Opens the file for writing again (after a read-only start), or for reading only.
    void MakeWritable();
    void MakeReadOnly();
    // Flushes and syncs the file to the disk.
    void Sync();

private:
    MoxDocFile(std::string path, bool readOnly);
    bool TryLock();
    void Lock();
    void ReopenReadOnly();
    void Create(const MoxFileHeader& initial);
    void ReadHeader();
    void VerifyChecksum();
    void ReadPageChain();
    uint32_t ComputeChecksum(uint32_t coveredCount);
    void WriteAt(int64_t offset, const std::string& bytes);
    int64_t FieldsOffset() const { return header_.version >= 2 ? 12 : 4; }

    std::string path_;
    bool readOnly_;
    QFile file_;
    MoxFileHeader header_;
    int64_t headerEnd_ = kNewHeaderSize;  // first byte after the header fields
    std::vector<int32_t> pageOffsets_;
};
