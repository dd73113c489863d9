// The value model of the PDF writer: names, strings, numbers, booleans, arrays, references,
// streams and dictionaries, each able to write its own PDF text into a byte buffer. Values own
// what they hold (std::unique_ptr inside OBJ_PDF), so a document is one tree freed at once.
// Dictionaries keep their keys sorted, which puts them into the file in ascending byte order.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace DOC_PDF {

// The growable byte buffer every value writes into.
using _buffer = std::string;

// ---- Writing helpers (locale-independent: a period as the decimal separator) ---------------
void AppendInteger(_buffer& out, long long value);
// printf's "%f": six decimals.
void AppendReal(_buffer& out, double value);

// ---- The values ------------------------------------------------------------------------------
class OBJ_BASE {
public:
    virtual ~OBJ_BASE() = default;
    // Appends the value's PDF text to `out`.
    virtual void Write(_buffer& out) const = 0;
};

// A name, held without its slash. Bytes that a name cannot carry literally (white space,
// delimiters, '#', anything outside printable ASCII) are written as #hh.
class OBJ_NAME final : public OBJ_BASE {
public:
    explicit OBJ_NAME(std::string name) : name_(std::move(name)) {}
    const std::string& Name() const { return name_; }
    void Write(_buffer& out) const override;

private:
    std::string name_;
};

// A string of bytes as they go into the file (already in the file's encoding); written in
// parentheses with backslash, "(" and ")" escaped and every byte outside printable ASCII as an
// octal escape, so the file stays plain text.
class OBJ_STRING final : public OBJ_BASE {
public:
    explicit OBJ_STRING(std::string bytes) : bytes_(std::move(bytes)) {}
    // A text string (document information, outline titles) from UTF-8 text.
    static OBJ_STRING FromText(const std::string& utf8);
    const std::string& Bytes() const { return bytes_; }
    void Write(_buffer& out) const override;

private:
    std::string bytes_;
};

// A number: made from an integer it is written as that integer ("%i"); made from a float it is
// a real written with six decimals ("%f"). Integers are kept exactly (a float would round
// stream lengths and offsets above 2^24).
class OBJ_NUMERIC final : public OBJ_BASE {
public:
    explicit OBJ_NUMERIC(long long integer) : integer_(integer), real_(0), isReal_(false) {}
    explicit OBJ_NUMERIC(int integer) : OBJ_NUMERIC(static_cast<long long>(integer)) {}
    explicit OBJ_NUMERIC(float real) : integer_(0), real_(real), isReal_(true) {}
    bool IsReal() const { return isReal_; }
    // The value as an integer, a real truncated toward zero.
    long long Integer() const;
    double Real() const { return isReal_ ? real_ : static_cast<double>(integer_); }
    void Write(_buffer& out) const override;

private:
    long long integer_;
    float real_;
    bool isReal_;
};

class OBJ_BOOLEAN final : public OBJ_BASE {
public:
    explicit OBJ_BOOLEAN(bool value) : value_(value) {}
    bool Value() const { return value_; }
    void Write(_buffer& out) const override;

private:
    bool value_;
};

// A reference to an indirect object: "n 0 R".
class OBJ_POINTER final : public OBJ_BASE {
public:
    explicit OBJ_POINTER(int number) : number_(number) {}
    int Number() const { return number_; }
    void Write(_buffer& out) const override;

private:
    int number_;
};

// The bytes of a stream, written between "stream" and "endstream" with CR LF around them.
class OBJ_STREAM final : public OBJ_BASE {
public:
    explicit OBJ_STREAM(_buffer bytes) : bytes_(std::move(bytes)) {}
    const _buffer& Bytes() const { return bytes_; }
    void Write(_buffer& out) const override;

private:
    _buffer bytes_;
};

class OBJ_ARRAY;
class OBJ_INDIRECT;

// One value of any kind, owned. Setting a new value frees the old one.
class OBJ_PDF final : public OBJ_BASE {
public:
    enum Type : int {
        tpEmpty = 0,
        tpBoolean = 1,
        tpNumeric = 2,
        tpString = 3,
        tpName = 4,
        tpArray = 5,
        tpPointer = 6,
        tpDictionary = 7,  // an OBJ_INDIRECT held inline
    };

    OBJ_PDF() = default;
    OBJ_PDF(OBJ_BOOLEAN value);
    OBJ_PDF(OBJ_NUMERIC value);
    OBJ_PDF(OBJ_STRING value);
    OBJ_PDF(OBJ_NAME value);
    OBJ_PDF(OBJ_ARRAY value);
    OBJ_PDF(OBJ_POINTER value);
    OBJ_PDF(OBJ_INDIRECT value);
    OBJ_PDF(OBJ_PDF&&) noexcept;
    OBJ_PDF& operator=(OBJ_PDF&&) noexcept;
    ~OBJ_PDF() override;

    Type GetType() const { return type_; }
    // The held value when it is of that kind, else null.
    const OBJ_NAME* AsName() const;
    const OBJ_NUMERIC* AsNumeric() const;
    OBJ_ARRAY* AsArray();
    const OBJ_ARRAY* AsArray() const;
    OBJ_INDIRECT* AsDictionary();
    const OBJ_INDIRECT* AsDictionary() const;

    // An empty value writes nothing.
    void Write(_buffer& out) const override;

private:
    OBJ_PDF(Type type, std::unique_ptr<OBJ_BASE> value);

    Type type_ = tpEmpty;
    std::unique_ptr<OBJ_BASE> value_;
};

// "[ a b c ]": each element followed by one blank.
class OBJ_ARRAY final : public OBJ_BASE {
public:
    OBJ_ARRAY() = default;
    OBJ_ARRAY(std::initializer_list<int> integers);
    void Add(OBJ_PDF value) { items_.push_back(std::move(value)); }
    bool ContainsName(const std::string& name) const;
    const std::vector<OBJ_PDF>& Items() const { return items_; }
    size_t Count() const { return items_.size(); }
    void Write(_buffer& out) const override;

private:
    std::vector<OBJ_PDF> items_;
};

// A dictionary: keys (names without the slash) to owned values, written one entry a line in
// ascending byte order of the keys.
class OBJ_INDIRECT : public OBJ_BASE {
public:
    OBJ_INDIRECT() = default;
    OBJ_INDIRECT(OBJ_INDIRECT&&) = default;
    OBJ_INDIRECT& operator=(OBJ_INDIRECT&&) = default;

    // Adds the entry or replaces the value of an existing key.
    void Set(const std::string& key, OBJ_PDF value);
    // The value of `key`, or null when the key is missing.
    OBJ_PDF* Find(const std::string& key);
    const OBJ_PDF* Find(const std::string& key) const;
    bool Has(const std::string& key) const { return entries_.count(key) != 0; }
    size_t EntryCount() const { return entries_.size(); }
    void Write(_buffer& out) const override;

private:
    std::map<std::string, OBJ_PDF> entries_;
};

}  // namespace DOC_PDF
