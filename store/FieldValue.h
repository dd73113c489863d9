// The value of one recordset field: a small variant with the kinds a dataset column can carry
// (16/32-bit integers, single and double precision, currency, automation dates, texts, booleans,
// bytes) plus empty and null. A field's kind comes from the column's declared type, so a SINGLE
// column reads as a single and a BIT column as a boolean whatever SQLite stored.
#pragma once

#include "store/AutomationDate.h"

#include <cstdint>
#include <string>

// The kinds, numbered as the automation variant numbers them (their names are the texts that
// VariantToText shows for the kinds it does not format).
enum VariantKind : uint16_t {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_DECIMAL = 14,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_VOID = 24,
    VT_HRESULT = 25,
};

// The name of a kind ("VT_DISPATCH"); empty for a number that names no kind.
std::string VariantKindName(VariantKind kind);

class CFieldValue {
public:
    CFieldValue() = default;  // empty
    CFieldValue(int32_t value);             // 32-bit integer
    // Wider integers (and colours, counts): 32-bit when they fit, else double precision.
    CFieldValue(int64_t value);
    CFieldValue(uint32_t value);
    CFieldValue(bool value);                // boolean
    CFieldValue(double value);              // double precision
    CFieldValue(const char* text);          // text
    CFieldValue(std::string text);          // text
    CFieldValue(const AutomationDate& date);  // date; a null or invalid date is null

    static CFieldValue Null();
    static CFieldValue Short(int16_t value);
    static CFieldValue Long(int32_t value);
    static CFieldValue Single(float value);
    static CFieldValue Double(double value);
    // Currency in ten-thousandths of the unit (the automation currency scale).
    static CFieldValue Currency(int64_t tenThousandths);
    static CFieldValue Date(double automationDate);
    static CFieldValue Text(std::string text);
    static CFieldValue Bool(bool value);
    static CFieldValue Byte(uint8_t value);
    // A kind this system never stores (VT_DISPATCH, VT_ERROR, raw bytes as VT_UNKNOWN, ...);
    // `bytes` is kept as it is.
    static CFieldValue Other(VariantKind kind, std::string bytes = {});

    VariantKind Kind() const { return kind_; }
    bool IsEmpty() const { return kind_ == VT_EMPTY; }
    bool IsNull() const { return kind_ == VT_NULL; }
    bool IsEmptyOrNull() const { return kind_ == VT_EMPTY || kind_ == VT_NULL; }
    bool IsNumeric() const;  // integers, reals, currency, dates, booleans, bytes
    bool IsText() const { return kind_ == VT_BSTR; }

    // ---- Conversions (empty and null read as 0, false, empty text or a null date) ----------
    // A number read from a text must be the whole text, with a period as decimal separator.
    bool ToNumber(double& out) const;
    double ToDouble() const;
    // Rounded to the nearest integer (halves to even, as the automation conversions do) and
    // clamped to the 32-bit range.
    int32_t ToLong() const;
    bool ToBool() const;  // any nonzero number; the texts "true"/"false" in any case
    AutomationDate ToDate() const;
    // The raw payload as text: the text itself, or the number in C-locale notation (integers
    // in decimal, reals in their shortest exact form). Not VariantToText: no "NULL".
    std::string ToText() const;
    int64_t CurrencyValue() const;  // ten-thousandths; 0 unless currency
    const std::string& Bytes() const { return text_; }  // payload of texts and other kinds

    bool operator==(const CFieldValue& other) const;

private:
    VariantKind kind_ = VT_EMPTY;
    int64_t integer_ = 0;  // I2, I4, BOOL (0/1), UI1, CY
    double real_ = 0.0;    // R4 (rounded to float), R8, DATE
    std::string text_;     // BSTR and other kinds
};

// The kind a column of the declared type gives its values: LONG/INTEGER/INT/COUNTER 32-bit,
// SHORT/SMALLINT 16-bit, BYTE unsigned byte, BIT boolean, SINGLE/REAL single, DOUBLE/FLOAT
// double, DATETIME date, TEXT(n)/VARCHAR/CHAR/LONGTEXT/MEMO text, CURRENCY currency. VT_EMPTY
// for a type that names no kind (an expression, a BLOB): the stored value decides.
VariantKind KindForDeclaredType(const std::string& declaredType);

// The length limit in characters of a declared text type ("TEXT(255)" -> 255); 0 when none.
int TextLimitOfDeclaredType(const std::string& declaredType);

// `value` converted to `kind` for writing into a column of that kind: integers rounded and
// range-checked, singles rounded to float, booleans made 0 or 1, numbers written into text
// columns as text. Empty and null stay null. False (with `error`) when the value cannot be
// represented, such as a text that is not a number for a numeric column.
bool CoerceToKind(const CFieldValue& value, VariantKind kind, CFieldValue& out, std::string& error);

// The number of characters of a UTF-8 text (text limits count characters, not bytes).
int Utf8CharacterCount(const std::string& text);
