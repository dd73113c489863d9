#include "moxprint/core/RecordIo.h"

#include "moxprint/core/MoxFailure.h"

#include <QFileDevice>

RecordReader::RecordReader(QFileDevice& file) : file_(file), size_(file.size())
{
    Seek(0);
}

void RecordReader::Seek(int64_t offset)
{
    if (offset < 0 || offset > size_ || !file_.seek(offset))
        Fail(MOX_ERROR_FILE_READ);
    position_ = offset;
}

void RecordReader::Read(void* buffer, int64_t count)
{
    if (count < 0 || count > Remaining() || file_.read(static_cast<char*>(buffer), count) != count)
        Fail(MOX_ERROR_FILE_READ);
    position_ += count;
}

uint8_t RecordReader::U8()
{
    uint8_t value = 0;
    Read(&value, 1);
    return value;
}

uint16_t RecordReader::U16()
{
    uint8_t b[2];
    Read(b, 2);
    return uint16_t(b[0] | (b[1] << 8));
}

int32_t RecordReader::I32()
{
    uint8_t b[4];
    Read(b, 4);
    return int32_t(uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) |
                   (uint32_t(b[3]) << 24));
}

MoxRect RecordReader::Rect()
{
    MoxRect rect;
    rect.left = I32();
    rect.top = I32();
    rect.right = I32();
    rect.bottom = I32();
    return rect;
}

std::string RecordReader::Bytes(int64_t count)
{
    if (count < 0 || count > Remaining())
        Fail(MOX_ERROR_FILE_READ);
    std::string bytes(size_t(count), '\0');
    Read(bytes.data(), count);
    return bytes;
}

int64_t RecordReader::ReadSome(char* buffer, int64_t count)
{
    const int64_t wanted = std::min(count, Remaining());
    Read(buffer, wanted);
    return wanted;
}

void RecordWriter::U16(uint16_t value)
{
    U8(uint8_t(value));
    U8(uint8_t(value >> 8));
}

void RecordWriter::U32(uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        U8(uint8_t(value >> shift));
}

void RecordWriter::Rect(const MoxRect& rect)
{
    I32(rect.left);
    I32(rect.top);
    I32(rect.right);
    I32(rect.bottom);
}
