// The cross-reference list: one entry per object in the order the objects were written, with
// the byte length of each object's text. At the end of a save the offsets follow from the
// lengths (each object starts where the previous one ended), and the table lists the objects
// by number in lines of exactly twenty bytes.
#pragma once

#include "pdf/ObjBase.h"

#include <cstdint>
#include <vector>

namespace DOC_PDF {

struct XREF_ENTRY {
    int number;
    uint64_t length;  // bytes of the object's text, "n 0 obj" to "endobj" CR LF
    uint64_t offset;  // from the start of the file; set by Recalculate
};

class CXRefList {
public:
    void Add(int number, uint64_t length) { entries_.push_back({number, length, 0}); }
    void Clear() { entries_.clear(); }
    const std::vector<XREF_ENTRY>& Entries() const { return entries_; }

    // Gives each entry its offset, the first one `firstOffset` (the header length), then sorts
    // the entries by object number. Answers the offset right after the last object, where the
    // table starts.
    uint64_t Recalculate(uint64_t firstOffset);

    // Appends "xref" and the table: the free entry 0, then one line per object in number order.
    void WriteTable(_buffer& out) const;

private:
    std::vector<XREF_ENTRY> entries_;
};

}  // namespace DOC_PDF
