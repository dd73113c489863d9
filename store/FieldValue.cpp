#include "store/FieldValue.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace {

struct KindName {
    VariantKind kind;
    const char* name;
};

constexpr std::array kKindNames{
    KindName{VT_EMPTY, "VT_EMPTY"},     KindName{VT_NULL, "VT_NULL"},
    KindName{VT_I2, "VT_I2"},           KindName{VT_I4, "VT_I4"},
    KindName{VT_R4, "VT_R4"},           KindName{VT_R8, "VT_R8"},
    KindName{VT_CY, "VT_CY"},           KindName{VT_DATE, "VT_DATE"},
    KindName{VT_BSTR, "VT_BSTR"},       KindName{VT_DISPATCH, "VT_DISPATCH"},
    KindName{VT_ERROR, "VT_ERROR"},     KindName{VT_BOOL, "VT_BOOL"},
    KindName{VT_VARIANT, "VT_VARIANT"}, KindName{VT_UNKNOWN, "VT_UNKNOWN"},
    KindName{VT_DECIMAL, "VT_DECIMAL"}, KindName{VT_I1, "VT_I1"},
    KindName{VT_UI1, "VT_UI1"},         KindName{VT_UI2, "VT_UI2"},
    KindName{VT_UI4, "VT_UI4"},         KindName{VT_I8, "VT_I8"},
    KindName{VT_UI8, "VT_UI8"},         KindName{VT_INT, "VT_INT"},
    KindName{VT_UINT, "VT_UINT"},       KindName{VT_VOID, "VT_VOID"},
    KindName{VT_HRESULT, "VT_HRESULT"},
};

std::string ShortestText(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string ShortestText(float value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

bool ParseNumber(const std::string& text, double& out)
{
    size_t begin = text.find_first_not_of(" \t");
    size_t end = text.find_last_not_of(" \t");
    if (begin == std::string::npos)
        return false;
    if (text[begin] == '+')
        ++begin;
    if (begin > end)
        return false;
    const char* first = text.data() + begin;
    const char* last = text.data() + end + 1;
    const auto result = std::from_chars(first, last, out);
    return result.ec == std::errc() && result.ptr == last && std::isfinite(out);
}

std::string UpperFirstWord(const std::string& declaredType)
{
    std::string word;
    for (char c : declaredType) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_')
            word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        else if (!word.empty())
            break;
    }
    return word;
}

int64_t RoundHalfEven(double value) { return static_cast<int64_t>(std::nearbyint(value)); }

int CharacterCount(const std::string& text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool IntegerInRange(double value, double low, double high) { return value >= low && value <= high; }

}  // namespace

std::string VariantKindName(VariantKind kind)
{
    for (const KindName& entry : kKindNames)
        if (entry.kind == kind)
            return entry.name;
    return {};
}

CFieldValue::CFieldValue(int32_t value) : kind_(VT_I4), integer_(value) {}
CFieldValue::CFieldValue(int64_t value)
    : kind_(value >= INT32_MIN && value <= INT32_MAX ? VT_I4 : VT_R8),
      integer_(kind_ == VT_I4 ? value : 0),
      real_(kind_ == VT_R8 ? static_cast<double>(value) : 0.0)
{
}

CFieldValue::CFieldValue(uint32_t value) : CFieldValue(static_cast<int64_t>(value)) {}

CFieldValue::CFieldValue(bool value) : kind_(VT_BOOL), integer_(value ? 1 : 0) {}
CFieldValue::CFieldValue(double value) : kind_(VT_R8), real_(value) {}
CFieldValue::CFieldValue(const char* text) : kind_(VT_BSTR), text_(text ? text : "") {}
CFieldValue::CFieldValue(std::string text) : kind_(VT_BSTR), text_(std::move(text)) {}

CFieldValue::CFieldValue(const AutomationDate& date)
    : kind_(date.IsValid() ? VT_DATE : VT_NULL), real_(date.IsValid() ? date.Value() : 0.0)
{
}

CFieldValue CFieldValue::Null()
{
    CFieldValue value;
    value.kind_ = VT_NULL;
    return value;
}

CFieldValue CFieldValue::Short(int16_t number)
{
    CFieldValue value;
    value.kind_ = VT_I2;
    value.integer_ = number;
    return value;
}

CFieldValue CFieldValue::Long(int32_t number) { return CFieldValue(number); }

CFieldValue CFieldValue::Single(float number)
{
    CFieldValue value;
    value.kind_ = VT_R4;
    value.real_ = number;
    return value;
}

CFieldValue CFieldValue::Double(double number) { return CFieldValue(number); }

CFieldValue CFieldValue::Currency(int64_t tenThousandths)
{
    CFieldValue value;
    value.kind_ = VT_CY;
    value.integer_ = tenThousandths;
    return value;
}

CFieldValue CFieldValue::Date(double automationDate)
{
    CFieldValue value;
    value.kind_ = VT_DATE;
    value.real_ = automationDate;
    return value;
}

CFieldValue CFieldValue::Text(std::string text) { return CFieldValue(std::move(text)); }
CFieldValue CFieldValue::Bool(bool flag) { return CFieldValue(flag); }

CFieldValue CFieldValue::Byte(uint8_t number)
{
    CFieldValue value;
    value.kind_ = VT_UI1;
    value.integer_ = number;
    return value;
}

CFieldValue CFieldValue::Other(VariantKind kind, std::string bytes)
{
    CFieldValue value;
    value.kind_ = kind;
    value.text_ = std::move(bytes);
    return value;
}

bool CFieldValue::IsNumeric() const
{
    switch (kind_) {
    case VT_I2: case VT_I4: case VT_R4: case VT_R8: case VT_CY: case VT_DATE: case VT_BOOL:
    case VT_UI1:
        return true;
    default:
        return false;
    }
}

bool CFieldValue::ToNumber(double& out) const
{
    switch (kind_) {
    case VT_I2: case VT_I4: case VT_BOOL: case VT_UI1:
        out = static_cast<double>(integer_);
        return true;
    case VT_CY:
        out = static_cast<double>(integer_) / 10000.0;
        return true;
    case VT_R4: case VT_R8: case VT_DATE:
        out = real_;
        return true;
    case VT_BSTR:
        return ParseNumber(text_, out);
    default:
        return false;
    }
}

double CFieldValue::ToDouble() const
{
    double number = 0.0;
    return ToNumber(number) ? number : 0.0;
}

int32_t CFieldValue::ToLong() const
{
    const double rounded = std::nearbyint(ToDouble());
    return static_cast<int32_t>(std::clamp(rounded, -2147483648.0, 2147483647.0));
}

bool CFieldValue::ToBool() const
{
    if (kind_ == VT_BSTR) {
        const QString text = QString::fromStdString(text_).trimmed();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return ToDouble() != 0.0;
}

AutomationDate CFieldValue::ToDate() const
{
    double number = 0.0;
    if (IsEmptyOrNull() || !ToNumber(number))
        return AutomationDate::NullDate();
    return AutomationDate(number);
}

std::string CFieldValue::ToText() const
{
    switch (kind_) {
    case VT_EMPTY: case VT_NULL:
        return {};
    case VT_I2: case VT_I4: case VT_BOOL: case VT_UI1:
        return std::to_string(integer_);
    case VT_CY:
        return ShortestText(static_cast<double>(integer_) / 10000.0);
    case VT_R4:
        return ShortestText(static_cast<float>(real_));
    case VT_R8: case VT_DATE:
        return ShortestText(real_);
    default:
        return text_;
    }
}

int64_t CFieldValue::CurrencyValue() const { return kind_ == VT_CY ? integer_ : 0; }

bool CFieldValue::operator==(const CFieldValue& other) const
{
    return kind_ == other.kind_ && integer_ == other.integer_ &&
           (real_ == other.real_ || (std::isnan(real_) && std::isnan(other.real_))) &&
           text_ == other.text_;
}

VariantKind KindForDeclaredType(const std::string& declaredType)
{
    static const std::pair<const char*, VariantKind> kTypes[] = {
        {"LONG", VT_I4},          {"INTEGER", VT_I4},       {"INT", VT_I4},
        {"COUNTER", VT_I4},       {"AUTOINCREMENT", VT_I4}, {"INTEGER4", VT_I4},
        {"INT4", VT_I4},          {"MEDIUMINT", VT_I4},     {"SHORT", VT_I2},
        {"SMALLINT", VT_I2},      {"INTEGER2", VT_I2},      {"INT2", VT_I2},
        {"BYTE", VT_UI1},         {"TINYINT", VT_UI1},      {"INTEGER1", VT_UI1},
        {"BIT", VT_BOOL},         {"BOOLEAN", VT_BOOL},     {"BOOL", VT_BOOL},
        {"LOGICAL", VT_BOOL},     {"LOGICAL1", VT_BOOL},    {"YESNO", VT_BOOL},
        {"SINGLE", VT_R4},        {"REAL", VT_R4},          {"FLOAT4", VT_R4},
        {"IEEESINGLE", VT_R4},    {"DOUBLE", VT_R8},        {"FLOAT", VT_R8},
        {"FLOAT8", VT_R8},        {"IEEEDOUBLE", VT_R8},    {"NUMBER", VT_R8},
        {"NUMERIC", VT_R8},       {"DECIMAL", VT_R8},       {"DATETIME", VT_DATE},
        {"DATE", VT_DATE},        {"TIME", VT_DATE},        {"TIMESTAMP", VT_DATE},
        {"SMALLDATETIME", VT_DATE}, {"TEXT", VT_BSTR},      {"VARCHAR", VT_BSTR},
        {"CHAR", VT_BSTR},        {"CHARACTER", VT_BSTR},   {"NVARCHAR", VT_BSTR},
        {"NCHAR", VT_BSTR},       {"STRING", VT_BSTR},      {"ALPHANUMERIC", VT_BSTR},
        {"LONGTEXT", VT_BSTR},    {"LONGCHAR", VT_BSTR},    {"MEMO", VT_BSTR},
        {"NOTE", VT_BSTR},        {"NTEXT", VT_BSTR},       {"CLOB", VT_BSTR},
        {"CURRENCY", VT_CY},      {"MONEY", VT_CY},         {"SMALLMONEY", VT_CY},
    };
    const std::string word = UpperFirstWord(declaredType);
    for (const auto& [name, kind] : kTypes)
        if (word == name)
            return kind;
    return VT_EMPTY;
}

int TextLimitOfDeclaredType(const std::string& declaredType)
{
    if (KindForDeclaredType(declaredType) != VT_BSTR)
        return 0;
    const size_t open = declaredType.find('(');
    if (open == std::string::npos)
        return 0;
    int limit = 0;
    const char* first = declaredType.data() + open + 1;
    const auto result = std::from_chars(first, declaredType.data() + declaredType.size(), limit);
    return result.ec == std::errc() && limit > 0 ? limit : 0;
}

bool CoerceToKind(const CFieldValue& value, VariantKind kind, CFieldValue& out, std::string& error)
{
    if (value.IsEmptyOrNull()) {
        out = CFieldValue::Null();
        return true;
    }
    if (kind == VT_BSTR) {
        out = value.IsText() ? value : CFieldValue::Text(value.ToText());
        return true;
    }
    if (kind == VT_EMPTY || !(kind == VT_I2 || kind == VT_I4 || kind == VT_UI1 ||
                              kind == VT_BOOL || kind == VT_R4 || kind == VT_R8 ||
                              kind == VT_CY || kind == VT_DATE)) {
        out = value;  // no declared kind: stored as it is
        return true;
    }
    double number = 0.0;
    if (kind == VT_BOOL && value.IsText()) {
        out = CFieldValue::Bool(value.ToBool());
        return true;
    }
    if (!value.ToNumber(number)) {
        error = "Type mismatch: '" + value.ToText() + "' is not a number";
        return false;
    }
    switch (kind) {
    case VT_I4:
        if (!IntegerInRange(std::nearbyint(number), -2147483648.0, 2147483647.0))
            break;
        out = CFieldValue::Long(static_cast<int32_t>(RoundHalfEven(number)));
        return true;
    case VT_I2:
        if (!IntegerInRange(std::nearbyint(number), -32768.0, 32767.0))
            break;
        out = CFieldValue::Short(static_cast<int16_t>(RoundHalfEven(number)));
        return true;
    case VT_UI1:
        if (!IntegerInRange(std::nearbyint(number), 0.0, 255.0))
            break;
        out = CFieldValue::Byte(static_cast<uint8_t>(RoundHalfEven(number)));
        return true;
    case VT_BOOL:
        out = CFieldValue::Bool(number != 0.0);
        return true;
    case VT_R4:
        if (std::fabs(number) > std::numeric_limits<float>::max())
            break;
        out = CFieldValue::Single(static_cast<float>(number));
        return true;
    case VT_R8:
        out = CFieldValue::Double(number);
        return true;
    case VT_CY:
        if (std::fabs(number) > 922337203685477.0)
            break;
        out = value.Kind() == VT_CY ? value : CFieldValue::Currency(RoundHalfEven(number * 10000.0));
        return true;
    case VT_DATE:
        out = CFieldValue::Date(number);
        return true;
    default:
        break;
    }
    error = "Overflow: " + value.ToText() + " does not fit the column";
    return false;
}

int Utf8CharacterCount(const std::string& text) { return CharacterCount(text); }
