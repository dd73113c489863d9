// Little-endian field reading and writing for report files. The reader never trusts a length
// it is given: every read is checked against the bytes left in the file before anything is
// allocated, and a short read is a read failure (MOX_ERROR_FILE_READ).
#pragma once

#include "moxprint.h"

#include <cstdint>
#include <string>
#include <string_view>

class QFileDevice;

class RecordReader {
public:
    // Reads `file` from its current size; positions are offsets from the start of the file.
    explicit RecordReader(QFileDevice& file);

    int64_t Size() const { return size_; }
    int64_t Position() const { return position_; }
    int64_t Remaining() const { return size_ - position_; }
    void Seek(int64_t offset);
    void Skip(int64_t count) { Seek(position_ + count); }

    uint8_t U8();
    uint16_t U16();
    int32_t I32();
    uint32_t U32() { return uint32_t(I32()); }
    MoxRect Rect();
    // `count` bytes; fails before allocating when the file holds fewer.
    std::string Bytes(int64_t count);
    // Copies up to `count` bytes into `buffer` from the current position; returns how many.
    int64_t ReadSome(char* buffer, int64_t count);

private:
    void Read(void* buffer, int64_t count);

    QFileDevice& file_;
    int64_t size_;
    int64_t position_ = 0;
};

class RecordWriter {
public:
    void U8(uint8_t value) { bytes_.push_back(char(value)); }
    void U16(uint16_t value);
    void I32(int32_t value) { U32(uint32_t(value)); }
    void U32(uint32_t value);
    void Rect(const MoxRect& rect);
    void Bytes(std::string_view bytes) { bytes_.append(bytes); }

    const std::string& Data() const { return bytes_; }
    std::string Take() { return std::move(bytes_); }

private:
    std::string bytes_;
};
