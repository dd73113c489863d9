// Exported functions of the Attributes family: reading and changing the current attribute block
// and the named attribute sets. Values are stored at the width of their field.
#include "moxprint/core/ApiGuard.h"

#include <algorithm>
#include <cstring>

namespace {

template <class Edit>
void Change(HMOXDOC doc, Edit edit)
{
    MoxCall(doc, [&](MoxDocument& d) { edit(d.attributes); });
}

template <class Getter>
auto Read(HMOXDOC doc, Getter get)
{
    using Result = decltype(get(std::declval<const MoxAttributes&>()));
    return MoxCall(doc, Result{}, [&](MoxDocument& d) { return get(d.attributes); });
}

uint8_t Flag(int on) { return on ? 1 : 0; }

}  // namespace

extern "C" {

// ---- Pen --------------------------------------------------------------------------------------

void MoxSetPen(HMOXDOC doc, int size, int style, MoxColor color)
{
    Change(doc, [&](MoxAttributes& a) {
        a.penSize = uint16_t(size);
        a.penStyle = uint8_t(style);
        a.penColor = color;
    });
}

void MoxSetPenSize(HMOXDOC doc, int size)
{
    Change(doc, [&](MoxAttributes& a) { a.penSize = uint16_t(size); });
}
void MoxPenSize(HMOXDOC doc, int size) { MoxSetPenSize(doc, size); }
void MoxNoPen(HMOXDOC doc) { MoxSetPenSize(doc, 0); }
int MoxGetPenSize(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return int(a.penSize); });
}

void MoxSetPenStyle(HMOXDOC doc, int style)
{
    Change(doc, [&](MoxAttributes& a) { a.penStyle = uint8_t(style); });
}
void MoxPenStyle(HMOXDOC doc, int style) { MoxSetPenStyle(doc, style); }
int MoxGetPenStyle(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return int(a.penStyle); });
}

void MoxSetPenColor(HMOXDOC doc, MoxColor color)
{
    Change(doc, [&](MoxAttributes& a) { a.penColor = color; });
}
void MoxPenColor(HMOXDOC doc, MoxColor color) { MoxSetPenColor(doc, color); }
MoxColor MoxGetPenColor(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return MoxColor(a.penColor); });
}

// ---- Font -------------------------------------------------------------------------------------

void MoxSetFontName(HMOXDOC doc, const char* face)
{
    if (!face)
        return;
    Change(doc, [&](MoxAttributes& a) { a.fontName = FontName::Intern(face); });
}

void MoxSetFontSize(HMOXDOC doc, int size)
{
    Change(doc, [&](MoxAttributes& a) { a.fontSize = uint16_t(size); });
}

void MoxSetFont(HMOXDOC doc, const char* face, int size)
{
    MoxSetFontName(doc, face);
    if (size != 0)
        MoxSetFontSize(doc, size);
}
void MoxSelectFont(HMOXDOC doc, const char* face, int size) { MoxSetFont(doc, face, size); }

int MoxGetFontName(HMOXDOC doc, char* buffer, int size)
{
    return MoxCall(doc, 0, [&](MoxDocument& d) {
        const std::string& name = d.attributes.fontName.Text();
        if (buffer && size > 0) {
            const size_t copied = std::min(name.size(), size_t(size) - 1);
            std::memcpy(buffer, name.data(), copied);
            buffer[copied] = '\0';
        }
        return int(name.size());
    });
}

int MoxGetFontSize(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return int(a.fontSize); });
}

void MoxSetCharset(HMOXDOC doc, int charset)
{
    Change(doc, [&](MoxAttributes& a) { a.charset = uint8_t(charset); });
}
int MoxGetCharset(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return int(a.charset); });
}

void MoxSetFontAttr(HMOXDOC doc, int alignment, int bold, int underlined, int italic,
                    int strikeOut)
{
    Change(doc, [&](MoxAttributes& a) {
        a.alignment = uint8_t(alignment);
        a.bold = Flag(bold);
        a.underlined = Flag(underlined);
        a.italic = Flag(italic);
        a.strikeOut = Flag(strikeOut);
    });
}

void MoxSetTextAlignment(HMOXDOC doc, int alignment)
{
    Change(doc, [&](MoxAttributes& a) { a.alignment = uint8_t(alignment); });
}
void MoxSetAlign(HMOXDOC doc, int alignment) { MoxSetTextAlignment(doc, alignment); }
int MoxGetTextAlignment(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return int(a.alignment); });
}

void MoxSetBold(HMOXDOC doc, int on)
{
    Change(doc, [&](MoxAttributes& a) { a.bold = Flag(on); });
}
int MoxGetBold(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return int(a.bold); });
}

void MoxSetUnderlined(HMOXDOC doc, int on)
{
    Change(doc, [&](MoxAttributes& a) { a.underlined = Flag(on); });
}
void MoxSetUnderline(HMOXDOC doc, int on) { MoxSetUnderlined(doc, on); }
int MoxGetUnderlined(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return int(a.underlined); });
}
int MoxGetUnderline(HMOXDOC doc) { return MoxGetUnderlined(doc); }

void MoxSetItalic(HMOXDOC doc, int on)
{
    Change(doc, [&](MoxAttributes& a) { a.italic = Flag(on); });
}
int MoxGetItalic(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return int(a.italic); });
}

void MoxSetStrikeOut(HMOXDOC doc, int on)
{
    Change(doc, [&](MoxAttributes& a) { a.strikeOut = Flag(on); });
}
int MoxGetStrikeOut(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return int(a.strikeOut); });
}

void MoxSetTextColor(HMOXDOC doc, MoxColor color)
{
    Change(doc, [&](MoxAttributes& a) { a.textColor = color; });
}
MoxColor MoxGetTextColor(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return MoxColor(a.textColor); });
}

void MoxSetRotation(HMOXDOC doc, int rotation)
{
    Change(doc, [&](MoxAttributes& a) { a.rotation = uint16_t(rotation); });
}
int MoxGetRotation(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return int(a.rotation); });
}

// ---- Background -------------------------------------------------------------------------------

void MoxSetBkgColor(HMOXDOC doc, MoxColor color)
{
    Change(doc, [&](MoxAttributes& a) { a.backgroundColor = color; });
}
MoxColor MoxGetBkgColor(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return MoxColor(a.backgroundColor); });
}

void MoxSetBkgMode(HMOXDOC doc, int mode)
{
    Change(doc, [&](MoxAttributes& a) { a.backgroundMode = uint8_t(mode); });
}
void MoxSetTransparentMode(HMOXDOC doc, int mode) { MoxSetBkgMode(doc, mode); }
int MoxGetBkgMode(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return int(a.backgroundMode); });
}
int MoxGetTransparentMode(HMOXDOC doc) { return MoxGetBkgMode(doc); }

void MoxSetHatchStyle(HMOXDOC doc, int style)
{
    Change(doc, [&](MoxAttributes& a) { a.hatchStyle = uint8_t(style); });
}
int MoxGetHatchStyle(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return int(a.hatchStyle); });
}

void MoxSetHatchColor(HMOXDOC doc, MoxColor color)
{
    Change(doc, [&](MoxAttributes& a) { a.hatchColor = color; });
}
MoxColor MoxGetHatchColor(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return MoxColor(a.hatchColor); });
}

void MoxSetBkgGradientStartColor(HMOXDOC doc, MoxColor color)
{
    Change(doc, [&](MoxAttributes& a) { a.gradientStartColor = color; });
}
MoxColor MoxGetBkgGradientStartColor(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return MoxColor(a.gradientStartColor); });
}

void MoxSetBkgGradientEndColor(HMOXDOC doc, MoxColor color)
{
    Change(doc, [&](MoxAttributes& a) { a.gradientEndColor = color; });
}
MoxColor MoxGetBkgGradientEndColor(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return MoxColor(a.gradientEndColor); });
}

void MoxSetBkgGradientRotation(HMOXDOC doc, int rotation)
{
    Change(doc, [&](MoxAttributes& a) { a.gradientRotation = uint16_t(rotation); });
}
int MoxGetBkgGradientRotation(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return int(a.gradientRotation); });
}

void MoxSetBkgGradientPrint(HMOXDOC doc, int mode)
{
    MoxCall(doc, [&](MoxDocument& d) { d.options.gradientPrintMode = uint8_t(mode); });
}

void MoxSetBkgGradientPrintSolidColor(HMOXDOC doc, MoxColor color)
{
    MoxCall(doc, [&](MoxDocument& d) { d.options.gradientPrintSolidColor = color; });
}

// ---- Page breaking ----------------------------------------------------------------------------

void MoxSetAutoBreak(HMOXDOC doc, int mode)
{
    if (mode < int(AutoBreakMode::On) || mode > int(AutoBreakMode::Full))
        return;  // no such mode
    Change(doc, [&](MoxAttributes& a) { a.autoBreak = AutoBreakMode(mode); });
}
int MoxGetAutoBreak(HMOXDOC doc)
{
    return Read(doc, [](const MoxAttributes& a) { return int(a.autoBreak); });
}

// ---- Attribute sets ---------------------------------------------------------------------------

void MoxRemoveSet(HMOXDOC doc, int32_t key)
{
    MoxCall(doc, [&](MoxDocument& d) {
        d.attributeSets.remove_if([&](const auto& set) { return set.first == key; });
    });
}

void MoxStoreSet(HMOXDOC doc, int32_t key)
{
    MoxCall(doc, [&](MoxDocument& d) {
        d.attributeSets.remove_if([&](const auto& set) { return set.first == key; });
        d.attributeSets.emplace_front(key, d.attributes);
    });
}

void MoxUseSet(HMOXDOC doc, int32_t key)
{
    MoxCall(doc, [&](MoxDocument& d) {
        for (const auto& set : d.attributeSets) {
            if (set.first == key) {
                d.attributes = set.second;
                return;
            }
        }
    });
}

}  // extern "C"
