// The pages of a document, counted from 1, and which of them is current. A memory store holds
// every page. A file store keeps only the current page in memory: leaving a page writes it to
// the file when it is new or was changed (a changed page gets a new record and its neighbours
// are relinked to it), and going to a page reads it. A read-only file store keeps the pages it
// cannot write in memory instead, so nothing placed on them is lost while the document lives.
#pragma once

#include "moxprint/core/MoxDocFile.h"
#include "moxprint/core/MoxPage.h"

#include <memory>
#include <string>
#include <vector>

class MoxPageStore {
public:
    // A memory store whose only page is `first`.
    explicit MoxPageStore(std::unique_ptr<MoxPage> first);
    // A store backed by `file`; its first page becomes current (a file without pages gets one
    // new page of `geometry`). `geometry` also gives version 0 pages their size.
    MoxPageStore(std::unique_ptr<MoxDocFile> file, const MoxPageGeometry& geometry);
    ~MoxPageStore();
    MoxPageStore(const MoxPageStore&) = delete;
    MoxPageStore& operator=(const MoxPageStore&) = delete;

    int PageCount() const { return int(slots_.size()); }
    int CurrentNumber() const { return current_; }
    MoxPage& Current() { return *slots_[size_t(current_ - 1)].page; }
    const MoxPage& Current() const { return *slots_[size_t(current_ - 1)].page; }
    bool IsLast() const { return current_ == PageCount(); }
    int VisibleNumber() const { return visible_; }
    void SetVisibleNumber(int number) { visible_ = number; }

    // Makes page `number` (1 .. PageCount) current. A failure leaves the current page as it was.
    void Goto(int number);
    // Appends `page` after the last page and makes it current (the caller went to the last page).
    void Append(std::unique_ptr<MoxPage> page);
    // A copy of page `number`, read without changing the current page.
    std::unique_ptr<MoxPage> CopyOfPage(int number);
    // Whether page `number` was made here and never written to the file (or this is a memory
    // store) and holds no object.
    bool IsUnstoredAndEmpty(int number) const;

    bool IsFileBacked() const { return file_ != nullptr; }
    MoxDocFile* File() { return file_.get(); }
    // Switches a file store to read-only or back to writable (storing the pages it kept).
    void SetReadOnly(bool readOnly);
    // Stores what is not stored yet and writes the header and checksum (fields the document
    // keeps in the header are set in File()->Header() by the caller first). Nothing to do for a
    // memory store or a read-only file.
    void Close();

private:
    struct Slot {
        int32_t offset = 0;  // of the page's record in the file; 0 = never stored
        std::unique_ptr<MoxPage> page;  // null while swapped out
        std::string storedBody;  // the record as stored, to tell a changed page from the file's
    };

    void Leave(int number);
    void Store(size_t index, std::string body);
    void StoreIfChanged(size_t index);
    std::string Encode(const MoxPage& page) const;

    std::vector<Slot> slots_;
    int current_ = 1;
    int visible_ = 1;
    std::unique_ptr<MoxDocFile> file_;
    MoxPageGeometry geometry_;
};
