// Pictures of picture objects: the type of a file (by extension, then by its first bytes), the
// decoded picture (a bitmap, or a Windows or enhanced metafile), its natural size and its
// fitting into the requested rectangle, and the process-wide cache of decoded files with its
// size limit. Decoded pictures are immutable and shared between objects and the cache.
#pragma once

#include "moxprint/core/Metafile.h"
#include "moxprint/core/MoxObject.h"

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// Picture types of picture objects.
enum PictureType : uint8_t {
    PictureBitmapFile = 0,
    PictureBitmapMemory = 3,
    PictureBitmapResource = 4,
    PictureWindowsMetafile = 5,
    PictureEnhancedMetafile = 6,
    PictureWindowsMetafileMemory = 7,
    PictureEnhancedMetafileMemory = 8,
    PictureFromFile = 255,
};

struct MoxPictureData {
    uint8_t type = PictureBitmapMemory;
    QImage image;                             // bitmaps
    int dpiX = 0, dpiY = 0;                   // the bitmap's own resolution; 0 = none stored
    std::shared_ptr<const Metafile> metafile; // metafiles
    // The bytes a report file stores: a packed DIB for bitmaps, the metafile as loaded.
    std::string stored;

    bool IsMetafile() const { return metafile != nullptr; }
    // Memory the picture takes, as the cache counts it.
    size_t MemoryBytes() const;
    // Natural size in 0.1 mm: pixels x 254 / resolution for bitmaps (their own resolution,
    // else the given one; with `oneResolution` the horizontal one for both), the frame of
    // metafiles.
    int NaturalWidth(int defaultDpiX) const;
    int NaturalHeight(int defaultDpiX, int defaultDpiY, bool oneResolution) const;
    // Draws the picture stretched into `target` (painter coordinates).
    void Draw(QPainter& painter, const QRectF& target) const;
};

// The type of a picture file: `chosen` unless it is 255, else by extension (".BMP" 0,
// ".WMF" 5, ".EMF" 6, any case), else by the first bytes ("BM" 0, the placeable key 5, the
// enhanced header record 6). Nothing when the file is none of these.
std::optional<uint8_t> PictureTypeOfFile(const std::string& path, uint8_t chosen);

// Decodes a file of the given type (0, 5 or 6); null when it cannot be read or decoded.
std::shared_ptr<const MoxPictureData> LoadPictureFile(const std::string& path, uint8_t type);
// A packed DIB handed over in memory or read from a report file (type 3).
std::shared_ptr<const MoxPictureData> PictureFromPackedDib(std::string bytes);
// Stored picture bytes of a report file: types 5 and 7 a Windows metafile, 6 and 8 an
// enhanced metafile, any other type a packed DIB.
std::shared_ptr<const MoxPictureData> PictureFromStoredData(uint8_t type, std::string bytes);

// The picture a picture object shows: the one decoded when it was made, else its stored data,
// else its file through the cache. Null when it has none.
std::shared_ptr<const MoxPictureData> PictureOfObject(const MoxPictureObject& object);

// Process-wide decoded picture files, keyed by the file's absolute path, least recently used
// first out once the size limit is passed. A picture bigger than the limit is not kept.
class PictureCache {
public:
    static PictureCache& Instance();

    std::shared_ptr<const MoxPictureData> Find(const std::string& path);
    void Insert(const std::string& path, std::shared_ptr<const MoxPictureData> picture);
    // Kilobytes; setting a smaller limit drops pictures until the rest fits.
    void SetLimitKb(int kilobytes);
    int LimitKb() const;
    int UsedKb() const;
    void Clear();

private:
    PictureCache() = default;
    struct Impl;
    Impl& State() const;
};

// Fits a picture of natural size (width, height in 0.1 mm) into `rect` (special values
// resolved; right or bottom may be MOX_FREE): with `fit` and both edges fixed the direction with
// the larger scale becomes free; a free edge takes the natural size or, keeping the aspect, the
// natural size times the scale of the other direction.
MoxRect FitPicture(MoxRect rect, int naturalWidth, int naturalHeight, bool fit,
                   bool keepAspect);
