// The current drawing attributes of a document. Every object copies what it needs from this
// block when it is made, so later changes never touch placed objects. The block is copied whole
// by attribute sets and by one-call text flags.
#pragma once

#include "moxprint/core/FontNamePool.h"

#include <array>
#include <cstdint>

// How texts that do not fit flow onto following pages.
enum class AutoBreakMode : uint8_t {
    On = 0,        // free-bottom texts continue on the next page, same left and right
    Off = 1,       // texts are cut at the bottom margin
    NoLimits = 2,  // texts grow past the bottom margin and the page end
    Full = 3,      // as On, continuation pages use the output rectangle's left and right
};

// Background modes of boxes, ellipses, pies, polygons and text backgrounds.
enum BackgroundMode : uint8_t {
    BackgroundOpaque = 0,
    BackgroundTransparent = 1,
    BackgroundGradientLine = 2,
    BackgroundGradientRect = 3,
    BackgroundGradientEllipse = 4,
};

constexpr uint8_t kNoHatch = 255;

struct MoxAttributes {
    uint32_t visibility = 0;  // MOX_HIDE_* bits given to new objects
    FontName fontName = FontName::Intern("Arial");
    uint16_t penSize = 3;  // 0.1 mm; 0 = no pen
    uint8_t penStyle = 0;  // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    uint32_t penColor = 0;
    uint16_t fontSize = 10;  // points
    uint8_t bold = 0;
    uint8_t underlined = 0;
    uint8_t strikeOut = 0;
    uint8_t italic = 0;
    uint8_t alignment = 0;  // 0 left, 1 right, 2 centre, 3 justified
    uint32_t textColor = 0;
    uint32_t backgroundColor = 0xFFFFFF;
    uint32_t gradientStartColor = 0xFFFF00;
    uint32_t gradientEndColor = 0;
    uint16_t gradientRotation = 0;  // 0, 900, 1800, 2700
    uint8_t backgroundMode = BackgroundTransparent;
    uint8_t hatchStyle = kNoHatch;  // 0 .. 5, or kNoHatch
    uint32_t hatchColor = 0;
    AutoBreakMode autoBreak = AutoBreakMode::On;
    uint16_t rotation = 0;  // text rotation, tenths of a degree
    int32_t picturePage = 1;
    uint8_t pictureType = 255;  // 255 = decide from the file
    uint8_t keepPictureAspect = 1;
    uint16_t pictureResolutionX = 96;  // dots per inch of pictures without their own
    uint16_t pictureResolutionY = 96;
    std::array<uint8_t, 4> pictureOptions{0, 0, 0, 1};  // carried, set by no function
    std::array<int32_t, 2> pictureValues{0, 0};         // carried, set by no function
    uint8_t charset = 1;  // character set code, 1 = default
};
