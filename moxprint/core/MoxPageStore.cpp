#include "moxprint/core/MoxPageStore.h"

#include "moxprint/core/PageRecord.h"

MoxPageStore::MoxPageStore(std::unique_ptr<MoxPage> first)
{
    slots_.push_back(Slot{0, std::move(first), {}});
}

MoxPageStore::MoxPageStore(std::unique_ptr<MoxDocFile> file, const MoxPageGeometry& geometry)
    : file_(std::move(file)), geometry_(geometry)
{
    const std::vector<int32_t>& offsets = file_->PageOffsets();
    if (offsets.empty()) {
        slots_.push_back(Slot{0, std::make_unique<MoxPage>(geometry_), {}});
        return;
    }
    slots_.reserve(offsets.size());
    for (int32_t offset : offsets)
        slots_.push_back(Slot{offset, nullptr, {}});
    Slot& first = slots_.front();
    first.page = file_->ReadPage(first.offset, geometry_);
    first.storedBody = Encode(*first.page);
}

MoxPageStore::~MoxPageStore() = default;

std::string MoxPageStore::Encode(const MoxPage& page) const
{
    return EncodePageBody(page, file_->Header().version);
}

void MoxPageStore::Goto(int number)
{
    if (number == current_)
        return;
    Slot& target = slots_[size_t(number - 1)];
    std::unique_ptr<MoxPage> loaded;
    std::string loadedBody;
    if (!target.page) {
        loaded = file_->ReadPage(target.offset, geometry_);
        loadedBody = Encode(*loaded);
    }
    Leave(current_);
    if (loaded) {
        target.page = std::move(loaded);
        target.storedBody = std::move(loadedBody);
    }
    current_ = number;
}

void MoxPageStore::Append(std::unique_ptr<MoxPage> page)
{
    slots_.reserve(slots_.size() + 1);  // so that nothing can fail once the old page is left
    Leave(current_);
    slots_.push_back(Slot{0, std::move(page), {}});
    current_ = PageCount();
}

std::unique_ptr<MoxPage> MoxPageStore::CopyOfPage(int number)
{
    const Slot& slot = slots_[size_t(number - 1)];
    if (slot.page)
        return std::make_unique<MoxPage>(*slot.page);
    return file_->ReadPage(slot.offset, geometry_);
}

bool MoxPageStore::IsUnstoredAndEmpty(int number) const
{
    const Slot& slot = slots_[size_t(number - 1)];
    return slot.offset == 0 && slot.page && slot.page->IsEmpty();
}

void MoxPageStore::Leave(int number)
{
    if (!file_)
        return;
    Slot& slot = slots_[size_t(number - 1)];
    std::string body = Encode(*slot.page);
    const bool unchanged = slot.offset != 0 && body == slot.storedBody;
    if (!unchanged) {
        if (file_->ReadOnly())
            return;  // kept in memory: the file cannot take it
        Store(size_t(number - 1), std::move(body));
    }
    slot.page.reset();
    slot.storedBody.clear();
}

void MoxPageStore::Store(size_t index, std::string body)
{
    Slot& slot = slots_[index];
    const int32_t previous = index > 0 ? slots_[index - 1].offset : 0;
    const int32_t next = index + 1 < slots_.size() ? slots_[index + 1].offset : 0;
    const int32_t offset = file_->AppendPage(body, previous, next);
    if (previous != 0)
        file_->SetNextLink(previous, offset);
    if (next != 0)
        file_->SetPreviousLink(next, offset);
    slot.offset = offset;
    slot.storedBody = std::move(body);
}

void MoxPageStore::SetReadOnly(bool readOnly)
{
    if (!file_ || readOnly == file_->ReadOnly())
        return;
    if (readOnly) {
        Close();  // the file holds everything up to now, consistently
        file_->MakeReadOnly();
        return;
    }
    file_->MakeWritable();
    for (size_t i = 0; i < slots_.size(); ++i)
        StoreIfChanged(i);
    for (size_t i = 0; i < slots_.size(); ++i) {
        if (int(i + 1) != current_) {
            slots_[i].page.reset();
            slots_[i].storedBody.clear();
        }
    }
}

void MoxPageStore::StoreIfChanged(size_t index)
{
    Slot& slot = slots_[index];
    if (!slot.page)
        return;
    std::string body = Encode(*slot.page);
    if (slot.offset == 0 || body != slot.storedBody)
        Store(index, std::move(body));
}

void MoxPageStore::Close()
{
    if (!file_ || file_->ReadOnly())
        return;
    StoreIfChanged(size_t(current_ - 1));
    MoxFileHeader& header = file_->Header();
    header.pageCount = PageCount();
    header.firstPage = slots_.front().offset;
    header.lastPage = slots_.back().offset;
    file_->WriteHeader();
    file_->Sync();
}
