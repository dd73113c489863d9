// Report files: the bytes the writer produces, reading every version, the checksum, damaged and
// hostile files, and documents whose pages live in a file.
#include "moxprint.h"
#include "moxprint/core/MoxDocument.h"
#include "tests/moxprint/ReportFileBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>

#include <functional>
#include <memory>

namespace {

struct DocumentCloser {
    void operator()(MoxDocument* doc) const { MoxCloseDoc(doc); }
};
using Document = std::unique_ptr<MoxDocument, DocumentCloser>;

Document NewDocument() { return Document(MoxOpenDoc(nullptr, "test", 0)); }

Document OpenFile(const std::string& path, uint32_t flags = 0)
{
    return Document(MoxOpenDocFile(nullptr, path.c_str(), "test", flags));
}

// The objects of the current page, without the page-start marker.
std::vector<const MoxObject*> Objects(MoxDocument& doc)
{
    std::vector<const MoxObject*> objects;
    for (const auto& object : doc.CurrentPage().objects) {
        if (object->kind != ObjectKind::PageStart)
            objects.push_back(object.get());
    }
    return objects;
}

bool SameRect(const MoxRect& a, const MoxRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A document of `pages` pages; page n holds n boxes.
Document DocumentWithBoxes(int pages)
{
    Document doc = NewDocument();
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            MoxPageBreak(doc.get());
        for (int box = 0; box < page; ++box)
            MoxBox(doc.get(), 100 + 10 * page, 100 + 100 * box, -200, -50);
    }
    return doc;
}

std::vector<int> BoxCountsPerPage(MoxDocument& doc)
{
    std::vector<int> counts;
    for (int page = 1; page <= MoxGetPageCount(&doc); ++page) {
        MoxGotoPage(&doc, page);
        counts.push_back(int(Objects(doc).size()));
    }
    return counts;
}

class ReportFile : public ::testing::Test {
protected:
    std::string Write(MoxDocument& doc, const std::string& name)
    {
        const std::string path = folder.Path(name);
        EXPECT_EQ(MoxWriteDoc(&doc, path.c_str()), 1) << MoxGetLastError(&doc);
        return path;
    }

    // Reads `bytes` as a report file into a fresh document; the last error of the read, and
    // the document in `read`.
    int ReadBytes(const std::string& bytes, Document* read = nullptr)
    {
        const std::string path = folder.WriteFile("input.mox", bytes);
        Document doc = NewDocument();
        const int result = MoxReadDoc(doc.get(), path.c_str());
        const int error = MoxGetLastError(doc.get());
        EXPECT_EQ(result, error == 0 ? 1 : 0);
        if (read)
            *read = std::move(doc);
        return error;
    }

    TempFolder folder;
};

// ---- What the writer produces -----------------------------------------------------------------

TEST_F(ReportFile, OneEmptyPageGivesTheDocumentedHundredAndSeventySevenBytes)
{
    Document doc = NewDocument();
    const std::string bytes = ReadWholeFile(Write(*doc, "empty.mox"));

    FileBytes page;
    page.I32(0).I32(0);                     // no previous, no next page
    page.Rect(200, 200, 1900, 2770);        // output rectangle
    page.Rect(200, 200, 1900, 200);         // last position: the top margin
    page.I32(0).I32(2100).I32(2970).I32(255);  // portrait, A4, default paper bin
    page.U16(0);                            // end of objects
    std::string expected = NewFileHeader(1, 119, 119) + page.Data();
    Seal(expected);

    ASSERT_EQ(bytes.size(), 177u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x6A\x19\x06\x24", 4));
    EXPECT_EQ(bytes.substr(8, 4), std::string("\xEB\xAA\xA5\xFF", 4));
    EXPECT_EQ(bytes, expected);
}

TEST_F(ReportFile, TextWithLongFontNameAndNoTextStoresBothLengths)
{
    Document doc = NewDocument();
    const std::string face(31, 'F');
    auto text = std::make_unique<MoxTextObject>();
    text->TakeTextAttributes(doc->attributes);
    text->fontName = FontName::Intern(face);
    text->rect = MoxRect{100, 100, 500, 200};
    doc->InsertObject(std::move(text));
    const std::string bytes = ReadWholeFile(Write(*doc, "text.mox"));

    // Page record at 119: links 8, rectangles 32, geometry 16, then the object: kind 1,
    // rectangle 16, visibility 4, box fields 18, font name length.
    const size_t object = 119 + 8 + 32 + 16;
    ASSERT_GT(bytes.size(), object + 38 + 2 + 31 + 4);
    EXPECT_EQ(uint8_t(bytes[object]), 20);
    const size_t faceLength = object + 1 + 16 + 4 + 18;
    EXPECT_EQ(uint8_t(bytes[faceLength]) | (uint8_t(bytes[faceLength + 1]) << 8), 31);
    EXPECT_EQ(bytes.substr(faceLength + 2, 31), face);
    EXPECT_EQ(I32At(bytes, faceLength + 2 + 31), 0);
}

TEST_F(ReportFile, WritingTwiceIntoTheSameFileDoublesThePages)
{
    for (int pages : {1, 3}) {
        Document doc = pages == 1 ? NewDocument() : DocumentWithBoxes(pages);
        const std::string path = folder.Path("twice" + std::to_string(pages) + ".mox");
        ASSERT_EQ(MoxWriteDoc(doc.get(), path.c_str()), 1);
        ASSERT_EQ(MoxWriteDoc(doc.get(), path.c_str()), 1);
        Document read = OpenFile(path, MOX_OPEN_READ_ONLY);
        ASSERT_TRUE(read);
        EXPECT_EQ(MoxGetPageCount(read.get()), 2 * pages) << pages << " page(s)";
        if (pages == 3) {
            EXPECT_EQ(BoxCountsPerPage(*read), (std::vector<int>{1, 2, 3, 1, 2, 3}));
        }
    }
}

TEST_F(ReportFile, ObjectHiddenFromStorageIsMissingAndTheOthersKeepTheirOrder)
{
    Document doc = NewDocument();
    MoxBox(doc.get(), 100, 100, 200, 200);
    doc->attributes.visibility = MOX_HIDE_IN_FILE;
    MoxBox(doc.get(), 300, 300, 400, 400);
    doc->attributes.visibility = MOX_HIDE_IN_PRINT;
    MoxLine(doc.get(), 500, 500, 600, 600);
    const std::string path = Write(*doc, "hidden.mox");

    Document read = OpenFile(path, MOX_OPEN_READ_ONLY);
    ASSERT_TRUE(read);
    const auto objects = Objects(*read);
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0]->kind, ObjectKind::Box);
    EXPECT_TRUE(SameRect(objects[0]->rect, MoxRect{100, 100, 200, 200}));
    EXPECT_EQ(objects[1]->kind, ObjectKind::Line);
    EXPECT_EQ(objects[1]->visibility, uint32_t(MOX_HIDE_IN_PRINT));
}

TEST_F(ReportFile, EveryObjectKindReadsBackWithItsFields)
{
    Document doc = NewDocument();
    MoxSetPen(doc.get(), 7, 3, 0x123456);
    MoxSetBkgMode(doc.get(), MOX_BKG_GRADIENT_RECT);
    MoxSetBkgGradientRotation(doc.get(), 900);
    MoxLine(doc.get(), 900, 800, 100, 200);
    MoxBox(doc.get(), 100, 100, 300, 300);
    MoxEllipse(doc.get(), 100, 400, 500, 600);
    MoxPie(doc.get(), 100, 700, 500, 900, 0, 900);
    MoxPolyLine(doc.get(), 3);
    MoxAddPolyPoint(doc.get(), 10, 20);
    MoxAddPolyPoint(doc.get(), -1, 0);
    MoxAddPolyPoint(doc.get(), 30, 40);
    MoxSetBkgMode(doc.get(), MOX_BKG_OPAQUE);
    MoxSetHatchStyle(doc.get(), 4);
    MoxPolygon(doc.get(), 2);
    MoxAddPolygonPoint(doc.get(), 50, 60);
    auto text = std::make_unique<MoxTextObject>();
    text->TakeTextAttributes(doc->attributes);
    text->fontName = FontName::Intern("Courier New");
    text->text = "two\nlines";
    text->alignment = AlignJustifiedAll;
    text->styleFlags = TextBold | TextItalic;
    text->rotation = 900;
    text->charset = 238;
    text->rect = MoxRect{100, 1000, 900, 1100};
    doc->InsertObject(std::move(text));
    auto picture = std::make_unique<MoxPictureObject>();
    picture->TakePictureAttributes(doc->attributes);
    picture->fileName = "logo.bmp";
    picture->pictureFlags |= PictureDataStored;
    picture->pictureType = 0;  // a bitmap file, stored: read back as a bitmap in memory
    picture->data = {1, 2, 3, 4, 5};
    picture->dataValue = 77;
    picture->pictureValue1 = 11;
    picture->pictureValue2 = 22;
    picture->pictureByte = 33;
    picture->picturePage = 2;
    picture->rect = MoxRect{100, 1200, 300, 1400};
    doc->InsertObject(std::move(picture));
    const auto written = Objects(*doc);
    const std::string path = Write(*doc, "kinds.mox");

    Document read = OpenFile(path, MOX_OPEN_READ_ONLY);
    ASSERT_TRUE(read);
    const auto objects = Objects(*read);
    ASSERT_EQ(objects.size(), written.size());
    for (size_t i = 0; i < objects.size(); ++i) {
        EXPECT_EQ(objects[i]->kind, written[i]->kind) << i;
        EXPECT_TRUE(SameRect(objects[i]->rect, written[i]->rect)) << i;
    }
    const auto& line = static_cast<const MoxLineObject&>(*objects[0]);
    EXPECT_EQ(line.from, (MoxPoint{900, 800}));
    EXPECT_EQ(line.to, (MoxPoint{100, 200}));
    EXPECT_EQ(line.pen, (MoxPen{7, 3, 0x123456}));
    const auto& box = static_cast<const MoxBoxObject&>(*objects[1]);
    EXPECT_EQ(box.fillColor, 0xFFFF00u);  // gradient start
    EXPECT_EQ(box.backgroundMode, MOX_BKG_GRADIENT_RECT);
    EXPECT_EQ(box.frameFlags, 0x12);
    EXPECT_EQ(box.GradientRotation(), 900);
    const auto& pie = static_cast<const MoxPieObject&>(*objects[3]);
    EXPECT_EQ(pie.radialStart, (MoxPoint{500, 800}));
    EXPECT_EQ(pie.radialEnd, (MoxPoint{300, 700}));
    const auto& poly = static_cast<const MoxPolyLineObject&>(*objects[4]);
    EXPECT_EQ(poly.points, (std::vector<MoxPoint>{{10, 20}, {-1, 0}, {30, 40}}));
    EXPECT_EQ(poly.capacity, 3);
    const auto& polygon = static_cast<const MoxPolygonObject&>(*objects[5]);
    EXPECT_EQ(polygon.hatchStyle, 4);
    EXPECT_EQ(polygon.backgroundMode, MOX_BKG_OPAQUE);
    const auto& readText = static_cast<const MoxTextObject&>(*objects[6]);
    EXPECT_EQ(readText.fontName.Text(), "Courier New");
    EXPECT_EQ(readText.text, "two\nlines");
    EXPECT_EQ(readText.alignment, AlignJustifiedAll);
    EXPECT_EQ(readText.styleFlags, TextBold | TextItalic);
    EXPECT_EQ(readText.rotation, 900);
    EXPECT_EQ(readText.charset, 238);
    const auto& readPicture = static_cast<const MoxPictureObject&>(*objects[7]);
    EXPECT_EQ(readPicture.fileName, "logo.bmp");
    EXPECT_EQ(readPicture.data, (std::vector<uint8_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(readPicture.dataValue, 77);
    EXPECT_EQ(readPicture.pictureType, 3);
    EXPECT_EQ(readPicture.pictureValue1, 11);
    EXPECT_EQ(readPicture.pictureValue2, 22);
    EXPECT_EQ(readPicture.pictureByte, 33);
    EXPECT_EQ(readPicture.picturePage, 2);
    EXPECT_TRUE(readPicture.pictureFlags & PictureKeepAspect);
}

TEST_F(ReportFile, HeaderKeepsTheDocumentsPrintAndPreviewSettings)
{
    Document doc = NewDocument();
    MoxSetPrintOffset(doc.get(), 15, -25);
    MoxSetPrintPosMode(doc.get(), 1);
    MoxSetPaperView(doc.get(), 0);
    MoxSetBkgGradientPrint(doc.get(), 2);
    MoxSetDefOutRectSP(doc.get(), 100, 150, 2000, 2800);
    const std::string path = Write(*doc, "settings.mox");

    Document read = OpenFile(path, MOX_OPEN_READ_ONLY);
    ASSERT_TRUE(read);
    EXPECT_EQ(MoxGetPrintOffsetX(read.get()), 15);
    EXPECT_EQ(MoxGetPrintOffsetY(read.get()), -25);
    EXPECT_EQ(read->options.printPosMode, 1);
    EXPECT_EQ(read->options.paperView, 0);
    EXPECT_EQ(read->options.gradientPrintMode, 2);
    EXPECT_TRUE(SameRect(read->defaultOutRect, MoxRect{100, 150, 2000, 2800}));
}

// ---- Reading every version ---------------------------------------------------------------------

TEST_F(ReportFile, FilesOfEveryVersionAreRead)
{
    for (int version = 0; version <= 3; ++version) {
        Document doc;
        ASSERT_EQ(ReadBytes(HandMadeFile(version), &doc), MOX_ERROR_NONE) << version;
        ASSERT_EQ(MoxGetPageCount(doc.get()), 1) << version;  // the empty first page took it
        EXPECT_EQ(MoxGetPageWidth(doc.get()), 2970) << version;
        EXPECT_EQ(MoxGetPageHeight(doc.get()), 2100) << version;
        EXPECT_EQ(MoxGetPageOrientation(doc.get()), 1) << version;
        const auto objects = Objects(*doc);
        ASSERT_EQ(objects.size(), 2u) << version;
        EXPECT_TRUE(SameRect(objects[0]->rect, MoxRect{100, 120, 300, 340})) << version;
        const auto& text = static_cast<const MoxTextObject&>(*objects[1]);
        EXPECT_EQ(text.text, "Hello") << version;
        EXPECT_EQ(text.textColor, 0x0000FFu) << version;
        EXPECT_EQ(text.charset, 1) << version;
        EXPECT_TRUE(SameRect(doc->CurrentPage().lastRect, MoxRect{100, 120, 300, 340}));
    }
}

TEST_F(ReportFile, VersionZeroFileOpensAsALandscapeDocument)
{
    const std::string path = folder.WriteFile("old.mox", HandMadeFile(0));
    Document doc = OpenFile(path, MOX_OPEN_READ_ONLY);
    ASSERT_TRUE(doc);
    EXPECT_TRUE(doc->landscape);
    EXPECT_EQ(MoxGetPageCount(doc.get()), 1);
    EXPECT_EQ(Objects(*doc).size(), 2u);
}

// ---- The checksum ------------------------------------------------------------------------------

TEST_F(ReportFile, AnyChangedCoveredByteMakesOpeningFailWithError1)
{
    // A file of at least 189 bytes, so that all 177 covered bytes lie inside it.
    Document doc = DocumentWithBoxes(1);
    const std::string good = ReadWholeFile(Write(*doc, "good.mox"));
    ASSERT_GE(good.size(), 189u);
    ASSERT_EQ(ReadBytes(good), MOX_ERROR_NONE);
    for (size_t offset = 12; offset < 189; ++offset) {
        std::string bad = good;
        bad[offset] = char(bad[offset] ^ 0x10);
        ASSERT_EQ(ReadBytes(bad), MOX_ERROR_ARGUMENT) << "offset " << offset;
    }
    // Past the covered bytes a change is not noticed by the checksum.
    std::string outside = good;
    outside[189] = char(outside[189] ^ 0x10);
    EXPECT_NE(ReadBytes(outside), MOX_ERROR_ARGUMENT);
}

TEST_F(ReportFile, CoveredBytesPastTheEndOfAShortFileCountAsZeros)
{
    Document doc = NewDocument();
    std::string bytes = ReadWholeFile(Write(*doc, "short.mox"));
    ASSERT_EQ(bytes.size(), 177u);
    EXPECT_EQ(uint32_t(I32At(bytes, 4)), BitwiseCrc(bytes + std::string(12, '\0'), 12, 177));
    // A hostile count of covered bytes far beyond the file costs nothing and just mismatches.
    PutI32(bytes, 8, int32_t(0xFFFFFFF0u ^ 0xFFA5AA5Au));
    EXPECT_EQ(ReadBytes(bytes), MOX_ERROR_ARGUMENT);
    // A count past the end is honoured when the checksum was made for it.
    PutI32(bytes, 8, int32_t(1000000u ^ 0xFFA5AA5Au));
    Seal(bytes);
    EXPECT_EQ(ReadBytes(bytes), MOX_ERROR_NONE);
}

// ---- Damaged and hostile files -----------------------------------------------------------------

TEST_F(ReportFile, DamagedFilesFailWithTheirErrorAndAddNothing)
{
    Document source = DocumentWithBoxes(2);
    MoxPolyLine(source.get(), 2);
    MoxAddPolyPoint(source.get(), 1, 2);
    const std::string good = ReadWholeFile(Write(*source, "source.mox"));
    const int32_t first = I32At(good, 16);
    const int32_t second = I32At(good, 20);
    // The second page's objects: links, rectangles, geometry.
    const size_t secondObjects = size_t(second) + 8 + 32 + 16;
    const size_t box = 1 + 16 + 4 + 18;  // a box record
    const size_t polyCount = secondObjects + 2 * box + 1 + 16 + 4 + 7 + 4;

    struct Case {
        const char* name;
        std::function<void(std::string&)> damage;
        bool reseal;  // repair the checksum so the damage itself is what the reader meets
        int error;
    };
    const Case cases[] = {
        {"empty file", [](std::string& f) { f.clear(); }, false, MOX_ERROR_FILE_READ},
        {"three bytes", [](std::string& f) { f.resize(3); }, false, MOX_ERROR_FILE_READ},
        {"unknown version", [](std::string& f) { PutI32(f, 0, 0x2406196B); }, false,
         MOX_ERROR_FILE_FORMAT},
        {"older magic", [](std::string& f) { PutI32(f, 0, 0x24061966); }, false,
         MOX_ERROR_FILE_FORMAT},
        {"higher edition level", [](std::string& f) { PutI32(f, 56, 1001); }, true,
         MOX_ERROR_FILE_FORMAT},
        {"header cut short", [](std::string& f) { f.resize(60); }, true, MOX_ERROR_FILE_READ},
        {"page count beyond the file", [](std::string& f) { PutI32(f, 12, 100000); }, true,
         MOX_ERROR_FILE_READ},
        {"negative page count", [](std::string& f) { PutI32(f, 12, -1); }, true,
         MOX_ERROR_FILE_READ},
        {"first page beyond the file", [](std::string& f) { PutI32(f, 16, 1 << 30); }, true,
         MOX_ERROR_FILE_READ},
        {"first page inside the header", [](std::string& f) { PutI32(f, 16, 20); }, true,
         MOX_ERROR_FILE_READ},
        {"page link cycle",
         [&](std::string& f) {
             PutI32(f, 12, 3);
             PutI32(f, size_t(second) + 4, first);
         },
         true, MOX_ERROR_FILE_READ},
        {"missing next link", [&](std::string& f) { PutI32(f, size_t(first) + 4, 0); }, true,
         MOX_ERROR_FILE_READ},
        {"point count beyond the file",
         [&](std::string& f) { PutI32(f, polyCount, 0x7FFFFFFF); }, false, MOX_ERROR_FILE_READ},
        {"negative point count", [&](std::string& f) { PutI32(f, polyCount, -5); }, false,
         MOX_ERROR_FILE_READ},
        {"page cut in an object", [&](std::string& f) { f.resize(secondObjects + 30); }, false,
         MOX_ERROR_FILE_READ},
        {"page without end mark", [](std::string& f) { f.resize(f.size() - 2); }, false,
         MOX_ERROR_FILE_READ},
    };
    for (const Case& c : cases) {
        std::string bad = good;
        c.damage(bad);
        if (c.reseal) {
            Seal(bad);
        }
        Document doc;
        EXPECT_EQ(ReadBytes(bad, &doc), c.error) << c.name;
        EXPECT_EQ(MoxGetPageCount(doc.get()), 1) << c.name;
        EXPECT_TRUE(doc->CurrentPage().IsEmpty()) << c.name;
    }
}

TEST_F(ReportFile, HostileLengthsInObjectsFailWithoutAllocating)
{
    struct Case {
        const char* name;
        size_t lengthAt;  // offset of the length field after the object's common part
        bool u16;
    };
    // A file with one text object: its font name and text lengths are lies.
    Document doc = NewDocument();
    auto text = std::make_unique<MoxTextObject>();
    text->TakeTextAttributes(doc->attributes);
    text->text = "abc";
    doc->InsertObject(std::move(text));
    const std::string good = ReadWholeFile(Write(*doc, "lengths.mox"));
    const size_t fields = 119 + 8 + 32 + 16 + 1 + 16 + 4 + 18;
    const size_t textLength = fields + 2 + 5;  // after "Arial"
    for (int32_t length : {0x7FFFFFFF, -1, 1 << 24}) {
        std::string bad = good;
        PutI32(bad, textLength, length);
        EXPECT_EQ(ReadBytes(bad), MOX_ERROR_FILE_READ) << length;
    }
}

TEST_F(ReportFile, UnknownObjectKindEndsThePagesObjects)
{
    std::string file = HandMadeFile(3);
    const size_t secondObject = 119 + 8 + 32 + 16 + 1 + 16 + 4 + 18;
    file[secondObject] = char(30);
    Seal(file);
    Document doc;
    ASSERT_EQ(ReadBytes(file, &doc), MOX_ERROR_NONE);
    EXPECT_EQ(Objects(*doc).size(), 1u);
}

// ---- Reading into a document -------------------------------------------------------------------

TEST_F(ReportFile, ReadingAppendsThePagesAndReturnsToTheCurrentPage)
{
    Document source = DocumentWithBoxes(2);
    source->documentValue = 0x11;
    const std::string path = Write(*source, "two.mox");

    Document doc = DocumentWithBoxes(2);
    doc->documentValue = 0x20;
    auto footer = std::make_unique<MoxRunningText>();
    footer->prepared = std::make_unique<MoxTextObject>();
    footer->text = "Page @PAGE";
    doc->footer = std::move(footer);
    MoxGotoPage(doc.get(), 1);
    ASSERT_EQ(MoxReadDoc(doc.get(), path.c_str()), 1);
    EXPECT_EQ(MoxGetCurrentPage(doc.get()), 1);
    ASSERT_EQ(MoxGetPageCount(doc.get()), 4);
    // Each read page: its own boxes, then the document's footer.
    EXPECT_EQ(BoxCountsPerPage(*doc), (std::vector<int>{1, 2, 2, 3}));
    MoxGotoPage(doc.get(), 4);
    const auto& footerText = static_cast<const MoxTextObject&>(*Objects(*doc).back());
    EXPECT_EQ(footerText.text, "Page 4");
    EXPECT_EQ(doc->documentValue, 0x10u);  // bit 0 only where both had it
}

// ---- Writing safely ----------------------------------------------------------------------------

TEST_F(ReportFile, FailedWriteLeavesTheTargetAsItWas)
{
    Document first = DocumentWithBoxes(1);
    const std::string target = Write(*first, "target.mox");
    const std::string before = ReadWholeFile(target);

    // A file document whose second page is damaged: copying it fails half-way.
    Document twoPages = DocumentWithBoxes(2);
    std::string damaged = ReadWholeFile(Write(*twoPages, "damaged.mox"));
    damaged.resize(damaged.size() - 20);
    const std::string damagedPath = folder.WriteFile("damaged.mox", damaged);
    Document source = OpenFile(damagedPath, MOX_OPEN_READ_ONLY);
    ASSERT_TRUE(source);
    EXPECT_EQ(MoxWriteDoc(source.get(), target.c_str()), 0);
    EXPECT_EQ(MoxGetLastError(source.get()), MOX_ERROR_FILE_READ);
    EXPECT_EQ(ReadWholeFile(target), before);
    const QStringList left = QDir(QString::fromStdString(folder.Root())).entryList(QDir::Files);
    EXPECT_EQ(left.size(), 2) << left.join(' ').toStdString();  // no scratch file stays
}

// ---- Documents whose pages live in a file ------------------------------------------------------

TEST_F(ReportFile, NewFileDocumentStoresEveryPage)
{
    const std::string path = folder.Path("live.mox");
    {
        Document doc = OpenFile(path);
        ASSERT_TRUE(doc);
        EXPECT_EQ(ReadWholeFile(path).size(), 119u);  // the header, at once
        for (int page = 1; page <= 3; ++page) {
            if (page > 1) {
                ASSERT_EQ(MoxPageBreak(doc.get()), 1);
            }
            for (int box = 0; box < page; ++box)
                MoxBox(doc.get(), 100, 100 + 100 * box, -200, -50);
        }
        MoxGotoPage(doc.get(), 2);  // a stored page is read back from the file
        EXPECT_EQ(Objects(*doc).size(), 2u);
    }
    Document read = OpenFile(path, MOX_OPEN_READ_ONLY);
    ASSERT_TRUE(read);
    EXPECT_EQ(BoxCountsPerPage(*read), (std::vector<int>{1, 2, 3}));
}

TEST_F(ReportFile, ObjectsAddedToAStoredPageAreWrittenBack)
{
    Document source = DocumentWithBoxes(3);
    const std::string path = Write(*source, "edit.mox");
    {
        Document doc = OpenFile(path);
        ASSERT_TRUE(doc);
        MoxGotoPage(doc.get(), 2);
        MoxBox(doc.get(), 700, 700, 800, 800);
        MoxGotoPage(doc.get(), 3);
        MoxGotoPage(doc.get(), 1);
    }
    Document read = OpenFile(path, MOX_OPEN_READ_ONLY);
    ASSERT_TRUE(read);
    EXPECT_EQ(BoxCountsPerPage(*read), (std::vector<int>{1, 3, 3}));
}

TEST_F(ReportFile, ReadOnlyDocumentKeepsChangesInMemoryAndLeavesTheFile)
{
    Document source = DocumentWithBoxes(2);
    const std::string path = Write(*source, "viewer.mox");
    const std::string before = ReadWholeFile(path);
    {
        Document doc = OpenFile(path, MOX_OPEN_READ_ONLY);
        ASSERT_TRUE(doc);
        MoxBox(doc.get(), 700, 700, 800, 800);
        MoxPageBreak(doc.get());
        MoxGotoPage(doc.get(), 1);
        EXPECT_EQ(BoxCountsPerPage(*doc), (std::vector<int>{2, 2, 0}));
    }
    EXPECT_EQ(ReadWholeFile(path), before);
}

TEST_F(ReportFile, FileInUseByAWritableDocumentIsRefused)
{
    const std::string path = folder.Path("busy.mox");
    Document owner = OpenFile(path);
    ASSERT_TRUE(owner);
    Document other = NewDocument();
    EXPECT_EQ(MoxReadDoc(other.get(), path.c_str()), 0);
    EXPECT_EQ(MoxGetLastError(other.get()), MOX_ERROR_FILE_IN_USE);
    EXPECT_EQ(MoxWriteDoc(other.get(), path.c_str()), 0);
    EXPECT_EQ(MoxGetLastError(other.get()), MOX_ERROR_FILE_IN_USE);
    EXPECT_FALSE(OpenFile(path));
}

TEST_F(ReportFile, SwitchingToWritableStoresWhatWasKeptInMemory)
{
    Document source = DocumentWithBoxes(1);
    const std::string path = Write(*source, "switch.mox");
    {
        Document doc = OpenFile(path, MOX_OPEN_READ_ONLY);
        ASSERT_TRUE(doc);
        MoxPageBreak(doc.get());
        MoxBox(doc.get(), 100, 100, 200, 200);
        MoxGotoPage(doc.get(), 1);
        ASSERT_EQ(MoxSetDocFileReadOnly(doc.get(), 0), 1);
    }
    Document read = OpenFile(path, MOX_OPEN_READ_ONLY);
    ASSERT_TRUE(read);
    EXPECT_EQ(BoxCountsPerPage(*read), (std::vector<int>{1, 1}));
}

}  // namespace
