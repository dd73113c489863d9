// Picture objects from their sources.
#include "moxprint/core/PicturePlacer.h"

#include "moxprint/core/Dib.h"
#include "moxprint/core/PictureData.h"
#include "moxprint/core/SpecialValues.h"
#include "platform/WaitCursor.h"

#include <filesystem>

namespace {

constexpr int32_t kEmptyBoxSide = 100; // 10 mm

std::shared_ptr<const MoxPictureData> LoadFile(const std::string& file, uint8_t type,
                                               bool useCache)
{
    if (useCache)
        if (auto cached = PictureCache::Instance().Find(file))
            return cached;
    WaitCursor busy;
    auto picture = LoadPictureFile(file, type);
    if (picture && useCache)
        PictureCache::Instance().Insert(file, picture);
    return picture;
}

// The decoded picture of the source, and the object's type and name; null when there is none.
std::shared_ptr<const MoxPictureData> Load(const PictureSource& source, MoxPictureObject& object)
{
    switch (source.kind) {
    case PictureSource::Kind::File: {
        if (!source.file || !*source.file)
            return nullptr;
        object.fileName = source.file;
        const auto type = PictureTypeOfFile(object.fileName, object.pictureType);
        if (!type)
            return nullptr;
        object.pictureType = *type;
        if (*type != PictureBitmapFile && *type != PictureWindowsMetafile &&
            *type != PictureEnhancedMetafile)
            return nullptr;
        return LoadFile(object.fileName, *type, object.pictureFlags & PictureUseCache);
    }
    case PictureSource::Kind::PackedDib: {
        object.pictureType = PictureBitmapMemory;
        const size_t length = PackedDibLength(source.packedDib);
        if (length == 0)
            return nullptr;
        return PictureFromPackedDib(
            std::string(static_cast<const char*>(source.packedDib), length));
    }
    case PictureSource::Kind::Resource:
        // Module resources do not exist on this platform.
        object.pictureType = PictureBitmapResource;
        return nullptr;
    }
    return nullptr;
}

} // namespace

int32_t PlacePicture(MoxDocument& document, MoxRect requested, const PictureSource& source,
                     int32_t flags, bool place)
{
    auto object = std::make_unique<MoxPictureObject>();
    object->pictureFlags = static_cast<uint16_t>(flags) & uint16_t(~PictureKeepAspect);
    object->TakePictureAttributes(document.attributes);
    object->rect = NormalizedRect(document.Resolve(requested));
    MoxRect& rect = object->rect;

    const auto picture = Load(source, *object);
    if (picture) {
        const bool oneResolution = object->pictureFlags & PictureOneResolution;
        rect = FitPicture(rect, picture->NaturalWidth(object->resolutionX),
                          picture->NaturalHeight(object->resolutionX, object->resolutionY,
                                                 oneResolution),
                          object->pictureFlags & PictureFit,
                          object->pictureFlags & PictureKeepAspect);
        object->naturalWidth = static_cast<uint16_t>(picture->image.width());
        object->naturalHeight = static_cast<uint16_t>(picture->image.height());
        object->picturePresent = 1;
        // A picture without a file travels in the report file; a file picture when asked.
        if (object->fileName.empty())
            object->pictureFlags |= PictureDataStored;
        if (object->pictureFlags & PictureDataStored)
            object->data.assign(picture->stored.begin(), picture->stored.end());
        // Decoded pictures are never changed once made; the object shares it read-only.
        object->decoded = std::const_pointer_cast<MoxPictureData>(picture);
    } else {
        document.lastError = MOX_ERROR_NO_PICTURE;
        object->pictureFlags &= uint16_t(~PictureDataStored);
        if (rect.right == MOX_FREE)
            rect.right = rect.left + kEmptyBoxSide;
        if (rect.bottom == MOX_FREE)
            rect.bottom = rect.top + kEmptyBoxSide;
    }
    rect = NormalizedRect(rect);
    const int32_t bottom = rect.bottom;
    if (place) {
        document.InsertObject(std::move(object));
    } else {
        MoxPage& page = document.CurrentPage();
        page.renderWidth = rect.right - rect.left;
        page.renderHeight = rect.bottom - rect.top;
    }
    return bottom;
}
