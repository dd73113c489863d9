// libFuzzer target for the report file reader: every input is read into a document, written
// back out, and opened as a read-only document file whose pages are all visited. Inputs of
// versions 2 and 3 get a matching checksum first, so that mutations reach the reader behind it
// (a mismatch is tested by the unit tests). Built with clang when TAVRIN_FUZZ is on. With MOX_FUZZ_SEEDS=<folder> it first writes a few valid report
// files (every object kind, several pages) into that folder as a starting corpus.
#include "moxprint.h"
#include "moxprint/core/Crc32Mpeg2.h"
#include "moxprint/core/MoxDocument.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

std::string ScratchPath(const char* name)
{
    const char* folder = std::getenv("TMPDIR");
    return std::string(folder && *folder ? folder : "/tmp") + "/moxfuzz-" +
           std::to_string(::getpid()) + "-" + name;
}

void WriteSeeds(const std::string& folder)
{
    HMOXDOC doc = MoxOpenDoc(nullptr, "seed", 0);
    MoxWriteDoc(doc, (folder + "/empty.mox").c_str());
    MoxLine(doc, 100, 100, 900, 300);
    MoxBox(doc, 100, 400, -300, -100);
    MoxSetBkgMode(doc, MOX_BKG_GRADIENT_RECT);
    MoxEllipse(doc, 500, 400, 900, 600);
    MoxPie(doc, 100, 700, 500, 900, 0, 1800);
    MoxPageBreak(doc);
    MoxPolyLine(doc, 3);
    MoxAddPolyPoint(doc, 10, 10);
    MoxAddPolyPoint(doc, -1, 0);
    MoxAddPolyPoint(doc, 50, 90);
    MoxPolygon(doc, 2);
    MoxAddPolygonPoint(doc, 70, 80);
    auto text = std::make_unique<MoxTextObject>();
    text->TakeTextAttributes(doc->attributes);
    text->text = "seed text";
    doc->InsertObject(std::move(text));
    auto picture = std::make_unique<MoxPictureObject>();
    picture->TakePictureAttributes(doc->attributes);
    picture->pictureFlags |= PictureDataStored;
    picture->data = {'B', 'M', 0, 0};
    doc->InsertObject(std::move(picture));
    MoxWriteDoc(doc, (folder + "/objects.mox").c_str());
    MoxCloseDoc(doc);
}

uint32_t LittleEndianAt(const std::string& bytes, size_t offset)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | uint8_t(bytes[offset + size_t(i)]);
    return value;
}

// Writes the checksum a version 2 or 3 file would carry over its covered bytes.
void Seal(std::string& bytes)
{
    if (bytes.size() < 12)
        return;
    const uint32_t magic = LittleEndianAt(bytes, 0);
    if (magic != 0x24061969 && magic != 0x2406196A)
        return;
    const uint32_t covered = LittleEndianAt(bytes, 8) ^ 0xFFA5AA5Au;
    const size_t present = std::min<size_t>(covered, bytes.size() - 12);
    Crc32Mpeg2 crc;
    crc.Update(reinterpret_cast<const uint8_t*>(bytes.data()) + 12, present);
    crc.ZeroExtend(covered - present);
    for (int i = 0; i < 4; ++i)
        bytes[4 + size_t(i)] = char(crc.Value() >> (8 * i));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (const char* seeds = std::getenv("MOX_FUZZ_SEEDS"))
        WriteSeeds(seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string input = ScratchPath("input.mox");
    static const std::string output = ScratchPath("output.mox");
    {
        std::string bytes(reinterpret_cast<const char*>(data), size);
        Seal(bytes);
        std::ofstream file(input, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), std::streamsize(bytes.size()));
    }

    HMOXDOC doc = MoxOpenDoc(nullptr, "fuzz", 0);
    if (MoxReadDoc(doc, input.c_str()))
        MoxWriteDoc(doc, output.c_str());
    MoxCloseDoc(doc);
    std::remove(output.c_str());

    HMOXDOC viewer = MoxOpenDocFile(nullptr, input.c_str(), "fuzz", MOX_OPEN_READ_ONLY);
    if (viewer) {
        for (int page = MoxGetPageCount(viewer); page >= 1; --page)
            MoxGotoPage(viewer, page);
        MoxCloseDoc(viewer);
    }
    return 0;
}
