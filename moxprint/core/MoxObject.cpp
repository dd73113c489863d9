#include "moxprint/core/MoxObject.h"

#include "moxprint/core/MoxAttributes.h"

#include <algorithm>

MoxPen PenOf(const MoxAttributes& attributes)
{
    return MoxPen{attributes.penSize, attributes.penStyle, attributes.penColor};
}

MoxRect BoundingRect(MoxPoint a, MoxPoint b)
{
    return MoxRect{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                   std::max(a.y, b.y)};
}

MoxPageStartObject::MoxPageStartObject() : MoxCloneable(ObjectKind::PageStart)
{
    rect = MoxRect{-1000, -1000, -1000, -1000};
}

void MoxPolyLineObject::AddPoint(MoxPoint point)
{
    const bool firstDrawn =
        std::none_of(points.begin(), points.end(), [](MoxPoint p) { return p.x != kPenUp; });
    if (points.size() == size_t(std::max(capacity, 0)))
        capacity = int32_t(std::max<size_t>(4, points.size() * 2));
    points.push_back(point);
    if (point.x == kPenUp)
        return;
    if (firstDrawn) {
        rect = MoxRect{point.x, point.y, point.x, point.y};
        return;
    }
    rect.left = std::min(rect.left, point.x);
    rect.top = std::min(rect.top, point.y);
    rect.right = std::max(rect.right, point.x);
    rect.bottom = std::max(rect.bottom, point.y);
}

void MoxBoxObject::TakeBoxAttributes(const MoxAttributes& attributes)
{
    visibility = attributes.visibility;
    pen = PenOf(attributes);
    backgroundMode = attributes.backgroundMode;
    if (backgroundMode <= BackgroundTransparent) {
        fillColor = attributes.backgroundColor;
        secondColor = attributes.hatchColor;
        hatchStyle = attributes.hatchStyle;
    } else {
        fillColor = attributes.gradientStartColor;
        secondColor = attributes.gradientEndColor;
        hatchStyle = kNoHatch;
    }
    frameFlags = uint8_t(0x2 | (((attributes.gradientRotation / 900) & 0xF) << 4));
}

void MoxTextObject::TakeTextAttributes(const MoxAttributes& attributes)
{
    TakeBoxAttributes(attributes);
    fontName = attributes.fontName;
    fontSize = attributes.fontSize;
    alignment = attributes.alignment;
    styleFlags = uint8_t((attributes.bold ? TextBold : 0) | (attributes.underlined ? TextUnderline : 0) |
                         (attributes.italic ? TextItalic : 0) |
                         (attributes.strikeOut ? TextStrikeOut : 0));
    textColor = attributes.textColor;
    rotation = attributes.rotation;
    charset = attributes.charset;
}

void MoxPictureObject::TakePictureAttributes(const MoxAttributes& attributes)
{
    TakeBoxAttributes(attributes);
    resolutionX = attributes.pictureResolutionX;
    resolutionY = attributes.pictureResolutionY;
    pictureType = attributes.pictureType;
    picturePage = attributes.picturePage;
    if (attributes.keepPictureAspect)
        pictureFlags |= PictureKeepAspect;
    else
        pictureFlags &= uint16_t(~PictureKeepAspect);
}
