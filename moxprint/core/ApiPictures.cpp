// The exported picture functions: placing and measuring pictures, the picture attributes and
// the process-wide picture cache.
#include "moxprint.h"
#include "moxprint/core/ApiGuard.h"
#include "moxprint/core/PictureData.h"
#include "moxprint/core/PicturePlacer.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace {

int32_t Place(HMOXDOC doc, MoxRect rect, const PictureSource& source, int32_t flags, bool place)
{
    return MoxFallibleCall(doc, int32_t(0), [&](MoxDocument& d) {
        return PlacePicture(d, rect, source, flags, place);
    });
}

PictureSource FromFile(const char* file)
{
    return {PictureSource::Kind::File, file, nullptr};
}

PictureSource FromDib(const void* dib)
{
    return {PictureSource::Kind::PackedDib, nullptr, dib};
}

const PictureSource kResource{PictureSource::Kind::Resource, nullptr, nullptr};

// The cache belongs to the process: these work with any handle, null included.
template <class Body>
auto CacheCall(Body&& body) noexcept -> decltype(body())
{
    using Result = decltype(body());
    try {
        return body();
    } catch (...) {
        if constexpr (!std::is_void_v<Result>)
            return Result{};
    }
}

} // namespace

extern "C" {

MOXAPI int32_t MoxPicture(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                          const char* file, int32_t flags)
{
    return Place(doc, {x1, y1, x2, y2}, FromFile(file), flags, true);
}

MOXAPI int32_t MoxPictureDIB(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                             const void* packedDib, int32_t flags)
{
    return Place(doc, {x1, y1, x2, y2}, FromDib(packedDib), flags, true);
}

MOXAPI int32_t MoxPictureResID(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                               void* module, int32_t number, int32_t flags)
{
    (void)module;
    (void)number;
    return Place(doc, {x1, y1, x2, y2}, kResource, flags, true);
}

MOXAPI int32_t MoxPictureResName(HMOXDOC doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                 void* module, const char* name, int32_t flags)
{
    (void)module;
    (void)name;
    return Place(doc, {x1, y1, x2, y2}, kResource, flags, true);
}

MOXAPI int32_t MoxRenderPicture(HMOXDOC doc, int32_t width, int32_t height, const char* file,
                                int32_t flags)
{
    return Place(doc, {0, 0, width, height}, FromFile(file), flags, false);
}

MOXAPI int32_t MoxRenderPictureDIB(HMOXDOC doc, int32_t width, int32_t height,
                                   const void* packedDib, int32_t flags)
{
    return Place(doc, {0, 0, width, height}, FromDib(packedDib), flags, false);
}

MOXAPI int32_t MoxRenderPictureResID(HMOXDOC doc, int32_t width, int32_t height, void* module,
                                     int32_t number, int32_t flags)
{
    (void)module;
    (void)number;
    return Place(doc, {0, 0, width, height}, kResource, flags, false);
}

MOXAPI int32_t MoxRenderPictureResName(HMOXDOC doc, int32_t width, int32_t height,
                                       void* module, const char* name, int32_t flags)
{
    (void)module;
    (void)name;
    return Place(doc, {0, 0, width, height}, kResource, flags, false);
}

MOXAPI void MoxSetKeepPictureAspect(HMOXDOC doc, int on)
{
    MoxCall(doc, [&](MoxDocument& d) { d.attributes.keepPictureAspect = on ? 1 : 0; });
}

MOXAPI void MoxKeepBitmapAspect(HMOXDOC doc, int on)
{
    MoxSetKeepPictureAspect(doc, on);
}

MOXAPI void MoxSetDefaultPictureDPI(HMOXDOC doc, int dpiX, int dpiY)
{
    MoxCall(doc, [&](MoxDocument& d) {
        if (dpiX > 0)
            d.attributes.pictureResolutionX = static_cast<uint16_t>(std::min(dpiX, 65535));
        if (dpiY > 0)
            d.attributes.pictureResolutionY = static_cast<uint16_t>(std::min(dpiY, 65535));
    });
}

MOXAPI void MoxDefaultBitmapDPI(HMOXDOC doc, int dpiX, int dpiY)
{
    MoxSetDefaultPictureDPI(doc, dpiX, dpiY);
}

MOXAPI int MoxGetPictureTypes(HMOXDOC doc, char* buffer, int size)
{
    (void)doc;
    static constexpr char kTypes[] = "*.BMP;*.WMF;*.EMF";
    const int length = static_cast<int>(sizeof kTypes - 1);
    if (buffer && size > 0) {
        const int copied = std::min(length, size - 1);
        std::memcpy(buffer, kTypes, static_cast<size_t>(copied));
        buffer[copied] = '\0';
    }
    return length;
}

MOXAPI void MoxSetPictureType(HMOXDOC doc, int type)
{
    MoxCall(doc, [&](MoxDocument& d) { d.attributes.pictureType = static_cast<uint8_t>(type); });
}

MOXAPI int MoxGetPictureType(HMOXDOC doc)
{
    return MoxCall(doc, 255, [](MoxDocument& d) { return int(d.attributes.pictureType); });
}

MOXAPI void MoxSetPicturePage(HMOXDOC doc, int32_t page)
{
    MoxCall(doc, [&](MoxDocument& d) { d.attributes.picturePage = page; });
}

MOXAPI int32_t MoxGetPicturePage(HMOXDOC doc)
{
    return MoxCall(doc, int32_t(1), [](MoxDocument& d) { return d.attributes.picturePage; });
}

MOXAPI int32_t MoxGetPicturePageCount(HMOXDOC doc, const char* file)
{
    (void)doc;
    (void)file;
    return 1;
}

MOXAPI void MoxSetPictureCacheSize(HMOXDOC doc, int32_t kilobytes)
{
    (void)doc;
    CacheCall([&] { PictureCache::Instance().SetLimitKb(kilobytes); });
}

MOXAPI void MoxSetPicCacheSize(HMOXDOC doc, int32_t kilobytes)
{
    MoxSetPictureCacheSize(doc, kilobytes);
}

MOXAPI int32_t MoxGetPictureCacheSize(HMOXDOC doc)
{
    (void)doc;
    return CacheCall([] { return int32_t(PictureCache::Instance().LimitKb()); });
}

MOXAPI int32_t MoxGetPicCacheSize(HMOXDOC doc)
{
    return MoxGetPictureCacheSize(doc);
}

MOXAPI int32_t MoxGetPictureCacheUsed(HMOXDOC doc)
{
    (void)doc;
    return CacheCall([] { return int32_t(PictureCache::Instance().UsedKb()); });
}

MOXAPI int32_t MoxGetPicCacheUsed(HMOXDOC doc)
{
    return MoxGetPictureCacheUsed(doc);
}

} // extern "C"
