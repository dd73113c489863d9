// Offsets and the text of the cross-reference table.
#include "pdf/XRefList.h"

#include <algorithm>

namespace DOC_PDF {

uint64_t CXRefList::Recalculate(uint64_t firstOffset)
{
    uint64_t offset = firstOffset;
    for (XREF_ENTRY& entry : entries_) {
        entry.offset = offset;
        offset += entry.length;
    }
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const XREF_ENTRY& a, const XREF_ENTRY& b) { return a.number < b.number; });
    return offset;
}

namespace {

// "%010i 00000 n\r\n": ten digits with leading zeros.
void AppendEntryLine(_buffer& out, uint64_t offset)
{
    char line[] = "0000000000 00000 n\r\n";
    for (int digit = 9; digit >= 0 && offset > 0; --digit) {
        line[digit] = static_cast<char>('0' + offset % 10);
        offset /= 10;
    }
    out.append(line, sizeof line - 1);
}

}  // namespace

void CXRefList::WriteTable(_buffer& out) const
{
    out.reserve(out.size() + 40 + entries_.size() * 20);
    out += "xref\r\n0 ";
    AppendInteger(out, static_cast<long long>(entries_.size()) + 1);
    out += "\r\n0000000000 65535 f\r\n";
    for (const XREF_ENTRY& entry : entries_)
        AppendEntryLine(out, entry.offset);
}

}  // namespace DOC_PDF
