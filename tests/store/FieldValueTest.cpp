// Field values: the kind a declared column type gives, the conversions a write makes, and the
// text VariantToText shows for every kind.
#include "store/DbConnection.h"
#include "store/FieldValue.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>

#include <clocale>
#include <string>

TEST(FieldKinds, FollowTheDeclaredType)
{
    const struct {
        const char* declared;
        VariantKind kind;
    } cases[] = {
        {"LONG", VT_I4},      {"INTEGER", VT_I4},       {"int", VT_I4},          {"COUNTER", VT_I4},
        {"SHORT", VT_I2},     {"SMALLINT", VT_I2},      {"BYTE", VT_UI1},        {"BIT", VT_BOOL},
        {"bit", VT_BOOL},     {"SINGLE", VT_R4},        {"Single", VT_R4},       {"DOUBLE", VT_R8},
        {"FLOAT", VT_R8},     {"DATETIME", VT_DATE},    {"smalldatetime", VT_DATE},
        {"TEXT(255)", VT_BSTR}, {"varchar(255)", VT_BSTR}, {"CHAR(10)", VT_BSTR},
        {"LONGTEXT", VT_BSTR}, {"MEMO", VT_BSTR},       {"CURRENCY", VT_CY},
        {"TEXT(255) COLLATE NOCASE", VT_BSTR},          {"BLOB", VT_EMPTY},      {"", VT_EMPTY},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KindForDeclaredType(c.declared), c.kind) << c.declared;
    EXPECT_EQ(TextLimitOfDeclaredType("TEXT(255) COLLATE NOCASE"), 255);
    EXPECT_EQ(TextLimitOfDeclaredType("LONGTEXT"), 0);
    EXPECT_EQ(TextLimitOfDeclaredType("DECIMAL(10,2)"), 0);
}

TEST(FieldKinds, WritesConvertToTheColumnKind)
{
    const struct {
        const char* why;
        CFieldValue value;
        VariantKind kind;
        CFieldValue expected;
    } cases[] = {
        {"integers round halves to even", 2.5, VT_I4, CFieldValue::Long(2)},
        {"and the other half up", 3.5, VT_I4, CFieldValue::Long(4)},
        {"a number text into a number column", "12", VT_I4, CFieldValue::Long(12)},
        {"a single rounds to float", 1.1, VT_R4, CFieldValue::Single(1.1f)},
        {"any nonzero number is true", 5, VT_BOOL, CFieldValue::Bool(true)},
        {"a text True is true", "True", VT_BOOL, CFieldValue::Bool(true)},
        {"a number into a text column", 1.5, VT_BSTR, CFieldValue::Text("1.5")},
        {"null stays null", CFieldValue(), VT_I4, CFieldValue::Null()},
        {"a date is its day number", CFieldValue(AutomationDate::FromDate(2007, 1, 31)), VT_DATE,
         CFieldValue::Date(39113.0)},
        {"currency keeps four decimals", 12.34567, VT_CY, CFieldValue::Currency(123457)},
        {"no declared kind keeps the value", "abc", VT_EMPTY, CFieldValue::Text("abc")},
    };
    for (const auto& c : cases) {
        CFieldValue stored;
        std::string error;
        ASSERT_TRUE(CoerceToKind(c.value, c.kind, stored, error)) << c.why << ": " << error;
        EXPECT_EQ(stored, c.expected) << c.why;
    }
}

TEST(FieldKinds, RefusesValuesTheColumnCannotHold)
{
    const struct {
        const char* why;
        CFieldValue value;
        VariantKind kind;
    } cases[] = {
        {"a word into a number column", "abc", VT_I4},
        {"beyond 16 bits", 40000, VT_I2},
        {"a negative byte", -1, VT_UI1},
        {"beyond 32 bits", 3e9, VT_I4},
        {"beyond a single", 1e300, VT_R4},
    };
    for (const auto& c : cases) {
        CFieldValue stored;
        std::string error;
        EXPECT_FALSE(CoerceToKind(c.value, c.kind, stored, error)) << c.why;
        EXPECT_FALSE(error.empty()) << c.why;
    }
}

TEST(FieldValues, WideIntegersAreLongsWhenTheyFit)
{
    EXPECT_EQ(CFieldValue(int64_t{5}), CFieldValue::Long(5));
    EXPECT_EQ(CFieldValue(uint32_t{0x00FFFFFF}), CFieldValue::Long(0x00FFFFFF));
    EXPECT_EQ(CFieldValue(int64_t{3'000'000'000}), CFieldValue::Double(3e9));
}

TEST(FieldValues, ConvertForTheirReaders)
{
    EXPECT_EQ(CFieldValue("42").ToLong(), 42);
    EXPECT_EQ(CFieldValue(" 4.5 ").ToDouble(), 4.5);
    EXPECT_EQ(CFieldValue("4,5").ToDouble(), 0.0);  // a period is the only decimal separator
    EXPECT_EQ(CFieldValue::Single(1.1f).ToText(), "1.1");
    EXPECT_EQ(CFieldValue::Null().ToText(), "");
    EXPECT_FALSE(CFieldValue::Null().ToDate().IsValid());
    EXPECT_EQ(CFieldValue::Date(39113.5).ToDate().ToQDateTime().toString(Qt::ISODate).toStdString(),
              "2007-01-31T12:00:00");
}

TEST(VariantText, ShowsEveryKind)
{
    const struct {
        const char* why;
        CFieldValue value;
        const char* text;
    } cases[] = {
        {"empty", CFieldValue(), "NULL"},
        {"null: stores skip value rows whose text reads so", CFieldValue::Null(), "NULL"},
        {"16-bit", CFieldValue::Short(-5), "-5"},
        {"32-bit", CFieldValue::Long(123456), "123456"},
        {"a single is widened", CFieldValue::Single(1.5f), "1.500000e+00"},
        {"a double", CFieldValue::Double(-0.00012345), "-1.234500e-04"},
        {"text as it is", CFieldValue("Size 'L'"), "Size 'L'"},
        {"true", CFieldValue::Bool(true), "TRUE"},
        {"false", CFieldValue::Bool(false), "FALSE"},
        {"a byte in hexadecimal", CFieldValue::Byte(10), "0x0A"},
        {"another kind by its name", CFieldValue::Other(VT_DISPATCH), "VT_DISPATCH"},
        {"an error value", CFieldValue::Other(VT_ERROR), "VT_ERROR"},
        {"a kind outside the list", CFieldValue::Other(static_cast<VariantKind>(99)), "<Unknown>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CDbConnection::VariantToText(c.value), c.text) << c.why;
}

TEST(VariantText, FormatsDatesAndCurrencyForTheLocale)
{
    const std::string previous = std::setlocale(LC_TIME, nullptr);
    std::setlocale(LC_TIME, "C");
    const AutomationDate date = AutomationDate::FromParts({2007, 1, 31, 12, 30, 5});
    EXPECT_EQ(CDbConnection::VariantToText(CFieldValue(date)), "Wed Jan 31 12:30:05 2007");
    std::setlocale(LC_TIME, previous.c_str());

    const std::string point = QLocale::system().decimalPoint().toStdString();
    EXPECT_EQ(CDbConnection::VariantToText(CFieldValue::Currency(123455000)), "12345" + point + "5");
}
