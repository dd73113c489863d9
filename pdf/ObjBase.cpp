// Writing the PDF values. Numbers go through std::to_chars, so the text never depends on the
// process locale (the program runs with the user's locale, which may use a decimal comma).
#include "pdf/ObjBase.h"

#include "pdf/TextEncoding.h"

#include <charconv>
#include <cmath>

namespace DOC_PDF {

void AppendInteger(_buffer& out, long long value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

void AppendReal(_buffer& out, double value)
{
    if (!std::isfinite(value))
        value = 0;  // PDF has no infinities; a broken value must not break the file
    char digits[400];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 6);
    out.append(digits, result.ptr);
}

// ---- OBJ_NAME --------------------------------------------------------------------------------

namespace {

bool IsRegularNameByte(unsigned char byte)
{
    if (byte < '!' || byte > '~')
        return false;
    switch (byte) {
    case '#': case '%': case '(': case ')': case '/': case '<': case '>': case '[': case ']':
    case '{': case '}':
        return false;
    default:
        return true;
    }
}

}  // namespace

void OBJ_NAME::Write(_buffer& out) const
{
    static const char hex[] = "0123456789ABCDEF";
    out += '/';
    for (const char c : name_) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsRegularNameByte(byte)) {
            out += c;
        } else {
            out += '#';
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        }
    }
}

// ---- OBJ_STRING, OBJ_NUMERIC, OBJ_BOOLEAN, OBJ_POINTER, OBJ_STREAM --------------------------

OBJ_STRING OBJ_STRING::FromText(const std::string& utf8)
{
    return OBJ_STRING(ToPdfDocEncoding(utf8));
}

void OBJ_STRING::Write(_buffer& out) const { AppendEscapedString(out, bytes_); }

long long OBJ_NUMERIC::Integer() const
{
    if (!isReal_)
        return integer_;
    if (!std::isfinite(real_))
        return 0;
    // Truncation toward zero, held inside the range of the type.
    const double truncated = std::trunc(static_cast<double>(real_));
    constexpr double limit = 9.2e18;
    if (truncated > limit)
        return static_cast<long long>(limit);
    if (truncated < -limit)
        return static_cast<long long>(-limit);
    return static_cast<long long>(truncated);
}

void OBJ_NUMERIC::Write(_buffer& out) const
{
    if (isReal_)
        AppendReal(out, real_);
    else
        AppendInteger(out, integer_);
}

void OBJ_BOOLEAN::Write(_buffer& out) const { out += value_ ? "true" : "false"; }

void OBJ_POINTER::Write(_buffer& out) const
{
    AppendInteger(out, number_);
    out += " 0 R";
}

void OBJ_STREAM::Write(_buffer& out) const
{
    out += "\r\nstream\r\n";
    out += bytes_;
    out += "\r\nendstream";
}

// ---- OBJ_PDF ---------------------------------------------------------------------------------

OBJ_PDF::OBJ_PDF(Type type, std::unique_ptr<OBJ_BASE> value) : type_(type), value_(std::move(value))
{
}

OBJ_PDF::OBJ_PDF(OBJ_BOOLEAN value)
    : OBJ_PDF(tpBoolean, std::make_unique<OBJ_BOOLEAN>(value))
{
}
OBJ_PDF::OBJ_PDF(OBJ_NUMERIC value)
    : OBJ_PDF(tpNumeric, std::make_unique<OBJ_NUMERIC>(value))
{
}
OBJ_PDF::OBJ_PDF(OBJ_STRING value)
    : OBJ_PDF(tpString, std::make_unique<OBJ_STRING>(std::move(value)))
{
}
OBJ_PDF::OBJ_PDF(OBJ_NAME value)
    : OBJ_PDF(tpName, std::make_unique<OBJ_NAME>(std::move(value)))
{
}
OBJ_PDF::OBJ_PDF(OBJ_ARRAY value)
    : OBJ_PDF(tpArray, std::make_unique<OBJ_ARRAY>(std::move(value)))
{
}
OBJ_PDF::OBJ_PDF(OBJ_POINTER value)
    : OBJ_PDF(tpPointer, std::make_unique<OBJ_POINTER>(value))
{
}
OBJ_PDF::OBJ_PDF(OBJ_INDIRECT value)
    : OBJ_PDF(tpDictionary, std::make_unique<OBJ_INDIRECT>(std::move(value)))
{
}

OBJ_PDF::OBJ_PDF(OBJ_PDF&& other) noexcept
    : type_(other.type_), value_(std::move(other.value_))
{
    other.type_ = tpEmpty;
}

OBJ_PDF& OBJ_PDF::operator=(OBJ_PDF&& other) noexcept
{
    if (this != &other) {
        type_ = other.type_;
        value_ = std::move(other.value_);
        other.type_ = tpEmpty;
    }
    return *this;
}

OBJ_PDF::~OBJ_PDF() = default;

const OBJ_NAME* OBJ_PDF::AsName() const
{
    return type_ == tpName ? static_cast<const OBJ_NAME*>(value_.get()) : nullptr;
}

const OBJ_NUMERIC* OBJ_PDF::AsNumeric() const
{
    return type_ == tpNumeric ? static_cast<const OBJ_NUMERIC*>(value_.get()) : nullptr;
}

OBJ_ARRAY* OBJ_PDF::AsArray()
{
    return type_ == tpArray ? static_cast<OBJ_ARRAY*>(value_.get()) : nullptr;
}

const OBJ_ARRAY* OBJ_PDF::AsArray() const
{
    return type_ == tpArray ? static_cast<const OBJ_ARRAY*>(value_.get()) : nullptr;
}

OBJ_INDIRECT* OBJ_PDF::AsDictionary()
{
    return type_ == tpDictionary ? static_cast<OBJ_INDIRECT*>(value_.get()) : nullptr;
}

const OBJ_INDIRECT* OBJ_PDF::AsDictionary() const
{
    return type_ == tpDictionary ? static_cast<const OBJ_INDIRECT*>(value_.get()) : nullptr;
}

void OBJ_PDF::Write(_buffer& out) const
{
    if (value_)
        value_->Write(out);
}

// ---- OBJ_ARRAY -------------------------------------------------------------------------------

OBJ_ARRAY::OBJ_ARRAY(std::initializer_list<int> integers)
{
    items_.reserve(integers.size());
    for (const int value : integers)
        items_.emplace_back(OBJ_NUMERIC(value));
}

bool OBJ_ARRAY::ContainsName(const std::string& name) const
{
    for (const OBJ_PDF& item : items_) {
        if (const OBJ_NAME* itemName = item.AsName(); itemName && itemName->Name() == name)
            return true;
    }
    return false;
}

void OBJ_ARRAY::Write(_buffer& out) const
{
    out += "[ ";
    for (const OBJ_PDF& item : items_) {
        item.Write(out);
        out += ' ';
    }
    out += ']';
}

// ---- OBJ_INDIRECT ----------------------------------------------------------------------------

void OBJ_INDIRECT::Set(const std::string& key, OBJ_PDF value)
{
    entries_.insert_or_assign(key, std::move(value));
}

OBJ_PDF* OBJ_INDIRECT::Find(const std::string& key)
{
    const auto found = entries_.find(key);
    return found == entries_.end() ? nullptr : &found->second;
}

const OBJ_PDF* OBJ_INDIRECT::Find(const std::string& key) const
{
    const auto found = entries_.find(key);
    return found == entries_.end() ? nullptr : &found->second;
}

void OBJ_INDIRECT::Write(_buffer& out) const
{
    out += "<<\r\n";
    for (const auto& [key, value] : entries_) {
        OBJ_NAME(key).Write(out);
        out += ' ';
        value.Write(out);
        out += "\r\n";
    }
    out += ">>";
}

}  // namespace DOC_PDF
