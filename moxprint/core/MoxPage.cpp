#include "moxprint/core/MoxPage.h"

MoxPage::MoxPage(const MoxPageGeometry& geometry)
    : width(geometry.width), height(geometry.height), paperBin(geometry.paperBin),
      outRect(geometry.outRect)
{
    SetLandscape(geometry.landscape);
    ResetLastPosition();
    objects.push_back(std::make_unique<MoxPageStartObject>());
}

MoxPage::MoxPage(const MoxPage& other)
    : flags(other.flags), width(other.width), height(other.height), paperBin(other.paperBin),
      outRect(other.outRect), lastRect(other.lastRect), renderWidth(other.renderWidth),
      renderHeight(other.renderHeight)
{
    objects.reserve(other.objects.size());
    for (const auto& object : other.objects)
        objects.push_back(object->Clone());
}

MoxObject& MoxPage::Add(std::unique_ptr<MoxObject> object)
{
    objects.push_back(std::move(object));
    lastRect = objects.back()->rect;
    return *objects.back();
}

MoxObject* MoxPage::LastObject() const
{
    return objects.size() > 1 ? objects.back().get() : nullptr;
}

void MoxPage::SetLandscape(bool on)
{
    flags = on ? (flags | PageLandscape) : (flags & ~uint32_t(PageLandscape));
}

void MoxPage::CopyFrom(const MoxPage& source)
{
    flags = source.flags;
    width = source.width;
    height = source.height;
    paperBin = source.paperBin;
    outRect = source.outRect;
    lastRect = source.lastRect;
    renderWidth = source.renderWidth;
    renderHeight = source.renderHeight;
    objects.reserve(objects.size() + source.objects.size());
    for (const auto& object : source.objects) {
        if (object->kind != ObjectKind::PageStart)
            objects.push_back(object->Clone());
    }
}
