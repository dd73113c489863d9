// Picture type detection, decoding, natural size, fitting and the picture cache.
#include "moxprint/core/PictureData.h"

#include "moxprint/core/Dib.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <list>
#include <mutex>
#include <system_error>
#include <unordered_map>

namespace {

constexpr uintmax_t kMaxPictureFileBytes = uintmax_t(256) << 20;

std::optional<std::string> ReadFile(const std::string& path, uintmax_t limit)
{
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > limit)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes(static_cast<size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (static_cast<uintmax_t>(in.gcount()) != size)
        return std::nullopt;
    return bytes;
}

std::string UpperExtension(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return extension;
}

uint32_t FirstWord(const std::string& bytes)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[static_cast<size_t>(i)]);
    return value;
}

std::shared_ptr<const MoxPictureData> FromBitmap(DecodedBitmap bitmap, std::string stored,
                                                 uint8_t type)
{
    auto picture = std::make_shared<MoxPictureData>();
    picture->type = type;
    picture->image = std::move(bitmap.image);
    picture->dpiX = bitmap.dpiX;
    picture->dpiY = bitmap.dpiY;
    picture->stored = std::move(stored);
    return picture;
}

std::shared_ptr<const MoxPictureData> FromMetafile(Metafile::Kind kind, std::string bytes,
                                                   uint8_t type)
{
    auto metafile = Metafile::Parse(kind, std::move(bytes));
    if (!metafile)
        return nullptr;
    auto picture = std::make_shared<MoxPictureData>();
    picture->type = type;
    picture->stored = metafile->Bytes();
    picture->metafile = std::move(metafile);
    return picture;
}

std::string AbsolutePath(const std::string& path)
{
    std::error_code error;
    auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

} // namespace

size_t MoxPictureData::MemoryBytes() const
{
    return static_cast<size_t>(image.sizeInBytes()) + stored.size();
}

int MoxPictureData::NaturalWidth(int defaultDpiX) const
{
    if (metafile)
        return metafile->FrameWidth();
    const int dpi = dpiX > 0 ? dpiX : defaultDpiX;
    return dpi > 0 ? static_cast<int>(int64_t(image.width()) * 254 / dpi) : 0;
}

int MoxPictureData::NaturalHeight(int defaultDpiX, int defaultDpiY, bool oneResolution) const
{
    if (metafile)
        return metafile->FrameHeight();
    int dpi = oneResolution ? (dpiX > 0 ? dpiX : defaultDpiX) : (dpiY > 0 ? dpiY : defaultDpiY);
    return dpi > 0 ? static_cast<int>(int64_t(image.height()) * 254 / dpi) : 0;
}

void MoxPictureData::Draw(QPainter& painter, const QRectF& target) const
{
    if (metafile) {
        metafile->Play(painter, target);
        return;
    }
    if (image.isNull())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, image);
    painter.restore();
}

std::optional<uint8_t> PictureTypeOfFile(const std::string& path, uint8_t chosen)
{
    if (chosen != PictureFromFile)
        return chosen;
    const std::string extension = UpperExtension(path);
    if (extension == ".BMP")
        return PictureBitmapFile;
    if (extension == ".WMF")
        return PictureWindowsMetafile;
    if (extension == ".EMF")
        return PictureEnhancedMetafile;
    std::ifstream in(path, std::ios::binary);
    std::string head(4, '\0');
    if (!in.read(head.data(), 4))
        return std::nullopt;
    if (head[0] == 'B' && head[1] == 'M')
        return PictureBitmapFile;
    if (FirstWord(head) == 0x9AC6CDD7u)
        return PictureWindowsMetafile;
    if (FirstWord(head) == 1)
        return PictureEnhancedMetafile;
    return std::nullopt;
}

std::shared_ptr<const MoxPictureData> LoadPictureFile(const std::string& path, uint8_t type)
{
    auto bytes = ReadFile(path, kMaxPictureFileBytes);
    if (!bytes)
        return nullptr;
    switch (type) {
    case PictureBitmapFile: {
        std::string packed = PackedDibOfBmpFile(*bytes);
        if (packed.empty())
            return nullptr;
        auto bitmap = DecodePackedDib(packed);
        return bitmap ? FromBitmap(std::move(*bitmap), std::move(packed), PictureBitmapFile)
                      : nullptr;
    }
    case PictureWindowsMetafile:
        return FromMetafile(Metafile::Kind::Windows, std::move(*bytes), PictureWindowsMetafile);
    case PictureEnhancedMetafile:
        return FromMetafile(Metafile::Kind::Enhanced, std::move(*bytes),
                            PictureEnhancedMetafile);
    default:
        return nullptr;
    }
}

std::shared_ptr<const MoxPictureData> PictureFromPackedDib(std::string bytes)
{
    auto bitmap = DecodePackedDib(bytes);
    if (!bitmap)
        return nullptr;
    return FromBitmap(std::move(*bitmap), std::move(bytes), PictureBitmapMemory);
}

std::shared_ptr<const MoxPictureData> PictureFromStoredData(uint8_t type, std::string bytes)
{
    switch (type) {
    case PictureWindowsMetafile:
    case PictureWindowsMetafileMemory:
        return FromMetafile(Metafile::Kind::Windows, std::move(bytes), type);
    case PictureEnhancedMetafile:
    case PictureEnhancedMetafileMemory:
        return FromMetafile(Metafile::Kind::Enhanced, std::move(bytes), type);
    default:
        return PictureFromPackedDib(std::move(bytes));
    }
}

std::shared_ptr<const MoxPictureData> PictureOfObject(const MoxPictureObject& object)
{
    if (object.decoded)
        return object.decoded;
    if (!object.data.empty())
        return PictureFromStoredData(object.pictureType,
                                     std::string(object.data.begin(), object.data.end()));
    if (object.fileName.empty())
        return nullptr;
    const std::string key = AbsolutePath(object.fileName);
    if (auto cached = PictureCache::Instance().Find(key))
        return cached;
    const auto type = PictureTypeOfFile(object.fileName, object.pictureType);
    if (!type)
        return nullptr;
    auto picture = LoadPictureFile(object.fileName, *type);
    if (picture)
        PictureCache::Instance().Insert(key, picture);
    return picture;
}

// --- cache ------------------------------------------------------------------------------

struct PictureCache::Impl {
    struct Entry {
        std::string path;
        std::shared_ptr<const MoxPictureData> picture;
    };
    mutable std::mutex mutex;
    std::list<Entry> entries; // most recently used first
    std::unordered_map<std::string, std::list<Entry>::iterator> byPath;
    size_t limitBytes = size_t(4096) * 1024;
    size_t usedBytes = 0;

    void Shrink()
    {
        while (usedBytes > limitBytes && !entries.empty()) {
            usedBytes -= entries.back().picture->MemoryBytes();
            byPath.erase(entries.back().path);
            entries.pop_back();
        }
    }
};

PictureCache& PictureCache::Instance()
{
    static PictureCache cache;
    return cache;
}

PictureCache::Impl& PictureCache::State() const
{
    static Impl state;
    return state;
}

std::shared_ptr<const MoxPictureData> PictureCache::Find(const std::string& path)
{
    Impl& s = State();
    std::lock_guard lock(s.mutex);
    auto found = s.byPath.find(AbsolutePath(path));
    if (found == s.byPath.end())
        return nullptr;
    s.entries.splice(s.entries.begin(), s.entries, found->second);
    return found->second->picture;
}

void PictureCache::Insert(const std::string& path, std::shared_ptr<const MoxPictureData> picture)
{
    if (!picture)
        return;
    Impl& s = State();
    std::lock_guard lock(s.mutex);
    const std::string key = AbsolutePath(path);
    if (auto found = s.byPath.find(key); found != s.byPath.end()) {
        s.usedBytes -= found->second->picture->MemoryBytes();
        s.entries.erase(found->second);
        s.byPath.erase(found);
    }
    if (picture->MemoryBytes() > s.limitBytes)
        return;
    s.usedBytes += picture->MemoryBytes();
    s.entries.push_front({key, std::move(picture)});
    s.byPath[key] = s.entries.begin();
    s.Shrink();
}

void PictureCache::SetLimitKb(int kilobytes)
{
    Impl& s = State();
    std::lock_guard lock(s.mutex);
    s.limitBytes = size_t(std::max(0, kilobytes)) * 1024;
    s.Shrink();
}

int PictureCache::LimitKb() const
{
    Impl& s = State();
    std::lock_guard lock(s.mutex);
    return static_cast<int>(s.limitBytes / 1024);
}

int PictureCache::UsedKb() const
{
    Impl& s = State();
    std::lock_guard lock(s.mutex);
    return static_cast<int>((s.usedBytes + 1023) / 1024);
}

void PictureCache::Clear()
{
    Impl& s = State();
    std::lock_guard lock(s.mutex);
    s.entries.clear();
    s.byPath.clear();
    s.usedBytes = 0;
}

// --- fitting ----------------------------------------------------------------------------

MoxRect FitPicture(MoxRect rect, int naturalWidth, int naturalHeight, bool fit, bool keepAspect)
{
    const bool rightFree = rect.right == MOX_FREE;
    const bool bottomFree = rect.bottom == MOX_FREE;
    const int64_t a = naturalWidth, b = naturalHeight;
    if (a <= 0 || b <= 0) {
        if (rightFree)
            rect.right = rect.left + std::max<int64_t>(a, 0);
        if (bottomFree)
            rect.bottom = rect.top + std::max<int64_t>(b, 0);
        return rect;
    }
    bool freeRight = rightFree, freeBottom = bottomFree;
    if (fit && !rightFree && !bottomFree) {
        // Compare (r - l) / a with (bt - t) / b without dividing.
        const int64_t width = int64_t(rect.right) - rect.left;
        const int64_t height = int64_t(rect.bottom) - rect.top;
        if (width * b > height * a)
            freeRight = true;
        else
            freeBottom = true;
        keepAspect = true;
    }
    const int64_t width = int64_t(rect.right) - rect.left;
    const int64_t height = int64_t(rect.bottom) - rect.top;
    if (freeRight && freeBottom) {
        rect.right = static_cast<int32_t>(rect.left + a);
        rect.bottom = static_cast<int32_t>(rect.top + b);
    } else if (freeRight) {
        rect.right = static_cast<int32_t>(rect.left + (keepAspect ? a * height / b : a));
    } else if (freeBottom) {
        rect.bottom = static_cast<int32_t>(rect.top + (keepAspect ? b * width / a : b));
    }
    return rect;
}
