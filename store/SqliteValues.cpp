#include "store/SqliteValues.h"

#include "store/JetSql.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

bool IsWhole(double value) { return std::isfinite(value) && std::trunc(value) == value; }

CFieldValue IntegerOrDouble(double value)
{
    if (IsWhole(value) && value >= -2147483648.0 && value <= 2147483647.0)
        return CFieldValue::Long(static_cast<int32_t>(value));
    return CFieldValue::Double(value);
}

// A number stored in a column of `kind`.
CFieldValue FromNumber(double value, VariantKind kind)
{
    switch (kind) {
    case VT_I2:
        if (IsWhole(value) && value >= -32768.0 && value <= 32767.0)
            return CFieldValue::Short(static_cast<int16_t>(value));
        return IntegerOrDouble(value);
    case VT_UI1:
        if (IsWhole(value) && value >= 0.0 && value <= 255.0)
            return CFieldValue::Byte(static_cast<uint8_t>(value));
        return IntegerOrDouble(value);
    case VT_BOOL:
        return CFieldValue::Bool(value != 0.0);
    case VT_R4:
        return CFieldValue::Single(static_cast<float>(value));
    case VT_R8:
        return CFieldValue::Double(value);
    case VT_CY:
        return CFieldValue::Currency(std::llround(value * 10000.0));
    case VT_DATE:
        return CFieldValue::Date(value);
    default:
        return IntegerOrDouble(value);
    }
}

std::string TextOfNumber(double value) { return CFieldValue::Double(value).ToText(); }

}  // namespace

VariantKind ColumnKind(sqlite3_stmt* statement, int column)
{
    const char* declared = sqlite3_column_decltype(statement, column);
    return declared ? KindForDeclaredType(declared) : VT_EMPTY;
}

CFieldValue ReadColumnValue(sqlite3_stmt* statement, int column, VariantKind kind)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL:
        return CFieldValue::Null();
    case SQLITE_INTEGER: {
        const sqlite3_int64 value = sqlite3_column_int64(statement, column);
        if (kind == VT_BSTR)
            return CFieldValue::Text(std::to_string(value));
        return FromNumber(static_cast<double>(value), kind);
    }
    case SQLITE_FLOAT: {
        const double value = sqlite3_column_double(statement, column);
        if (kind == VT_BSTR)
            return CFieldValue::Text(TextOfNumber(value));
        return kind == VT_EMPTY ? CFieldValue::Double(value) : FromNumber(value, kind);
    }
    case SQLITE_TEXT: {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        std::string text(bytes ? bytes : "", static_cast<size_t>(sqlite3_column_bytes(statement, column)));
        if (kind == VT_BSTR || kind == VT_EMPTY)
            return CFieldValue::Text(std::move(text));
        double number = 0.0;
        if (CFieldValue::Text(text).ToNumber(number))
            return FromNumber(number, kind);
        if (kind == VT_DATE) {
            // A date another program wrote as ISO text ("2007-01-31 10:30:00").
            std::string body = text;
            std::replace(body.begin(), body.end(), 'T', ' ');
            if (ParseJetDateLiteral(body, number))
                return CFieldValue::Date(number);
        }
        return CFieldValue::Text(std::move(text));
    }
    default: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
        std::string data(bytes ? bytes : "", static_cast<size_t>(sqlite3_column_bytes(statement, column)));
        if (kind == VT_BSTR)
            return CFieldValue::Text(std::move(data));
        return CFieldValue::Other(VT_UNKNOWN, std::move(data));
    }
    }
}

int BindFieldValue(sqlite3_stmt* statement, int index, const CFieldValue& value)
{
    switch (value.Kind()) {
    case VT_EMPTY: case VT_NULL:
        return sqlite3_bind_null(statement, index);
    case VT_I2: case VT_I4: case VT_BOOL: case VT_UI1:
        return sqlite3_bind_int64(statement, index, static_cast<sqlite3_int64>(value.ToDouble()));
    case VT_R4:
        return sqlite3_bind_double(statement, index, static_cast<double>(static_cast<float>(value.ToDouble())));
    case VT_R8: case VT_DATE: case VT_CY:
        return sqlite3_bind_double(statement, index, value.ToDouble());
    case VT_BSTR:
        return sqlite3_bind_text(statement, index, value.Bytes().data(),
                                 static_cast<int>(value.Bytes().size()), SQLITE_TRANSIENT);
    default:
        return sqlite3_bind_blob(statement, index, value.Bytes().data(),
                                 static_cast<int>(value.Bytes().size()), SQLITE_TRANSIENT);
    }
}
