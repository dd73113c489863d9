// Exported functions of the Document family: making, closing, querying, storing and loading
// documents.
#include "moxprint/core/ApiGuard.h"

#include <string>

class QWidget;

namespace {

constexpr int kVersion = 788;
constexpr int kEdition = 1000;

}  // namespace

extern "C" {

HMOXDOC MoxOpenDocFile(HMOXWND host, const char* file, const char* title, uint32_t flags)
{
    try {
        return new MoxDocument(static_cast<QWidget*>(host), file, title, flags);
    } catch (...) {
        return nullptr;  // everything made so far is gone again; the cause cannot be queried
    }
}

HMOXDOC MoxOpenDoc(HMOXWND host, const char* title, uint32_t flags)
{
    return MoxOpenDocFile(host, nullptr, title, flags);
}

int MoxCloseDoc(HMOXDOC doc)
{
    if (!doc)
        return 1;
    delete doc;  // the destructor catches everything
    return 1;
}

HMOXWND MoxGetWindowHandle(HMOXDOC doc)
{
    if (!MoxDocument::IsOpen(doc))
        return nullptr;
    return doc->previewFrame;
}

HMOXWND MoxWindowHandle(HMOXDOC doc) { return MoxGetWindowHandle(doc); }

int MoxGetLastError(HMOXDOC doc)
{
    return MoxCall(doc, 0, [](MoxDocument& d) { return int(d.lastError); });
}

int MoxGetVersion(HMOXDOC) { return kVersion; }

int MoxGetEdition(HMOXDOC) { return kEdition; }

void MoxEnableAutoDelete(HMOXDOC doc, int on)
{
    MoxCall(doc, [&](MoxDocument& d) { d.options.autoDelete = on ? 1 : 0; });
}

int MoxSetDocFileReadOnly(HMOXDOC doc, int readOnly)
{
    return MoxFallibleCall(doc, 0, [&](MoxDocument& d) {
        d.pages->SetReadOnly(readOnly != 0);
        d.openFlags = readOnly ? (d.openFlags | MOX_OPEN_READ_ONLY)
                               : (d.openFlags & ~uint32_t(MOX_OPEN_READ_ONLY));
        return 1;
    });
}

int MoxWriteDoc(HMOXDOC doc, const char* file)
{
    return MoxFallibleCall(doc, 0, [&](MoxDocument& d) {
        if (!file || !*file)
            Fail(MOX_ERROR_ARGUMENT);
        d.WriteToFile(file);
        return d.lastError == MOX_ERROR_NONE ? 1 : 0;
    });
}

int MoxReadDoc(HMOXDOC doc, const char* file)
{
    return MoxFallibleCall(doc, 0, [&](MoxDocument& d) {
        if (!file || !*file)
            Fail(MOX_ERROR_ARGUMENT);
        d.ReadFromFile(file);
        return d.lastError == MOX_ERROR_NONE ? 1 : 0;
    });
}

}  // extern "C"
