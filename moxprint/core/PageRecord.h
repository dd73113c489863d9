// The page records of report files: a page's rectangles, geometry and objects, encoded and
// decoded for each file version (0 to 3; versions 2 and 3 share one layout). The two page links
// in front of a record are written by the file itself (MoxDocFile).
#pragma once

#include "moxprint/core/MoxPage.h"

#include <memory>
#include <string>

class RecordReader;

constexpr int kNewestFileVersion = 3;
constexpr int kPageLinksSize = 8;  // previous and next page offsets

// Everything after the links: rectangles, (version 1 on) flags and geometry, the objects that
// are stored in files, the end mark. The page-start marker and objects hidden from files are
// left out.
std::string EncodePageBody(const MoxPage& page, int version);

// Reads a page body at the reader's position. Version 0 pages take their geometry from
// `documentGeometry`. The list of objects ends at the end mark or at an unknown kind; a short
// or inconsistent record fails with MOX_ERROR_FILE_READ. The page keeps the stored
// last-position rectangle.
std::unique_ptr<MoxPage> DecodePageBody(RecordReader& reader, int version,
                                        const MoxPageGeometry& documentGeometry);

// The smallest page record of a version (links, rectangles, geometry, end mark).
int64_t MinimumPageRecordSize(int version);
