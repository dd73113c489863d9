#include "store/AutomationDate.h"
#include "store/Formats.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>

#include <clocale>

TEST(Formats, NumberFormatIsFilledFromThePrecision)
{
    EXPECT_EQ(MakeNumberFormat(0), "%.0f");
    EXPECT_EQ(MakeNumberFormat(2), "%.2f");
    EXPECT_EQ(MakeNumberFormat(7), "%.7f");
    EXPECT_EQ(MakeNumberFormat(-1), "%.0f");
}

TEST(Formats, NumbersUseAPeriodWhateverTheLocale)
{
    // A locale with a decimal comma must not leak into cells or SQL.
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German));

    const struct {
        double value;
        int precision;
        const char* text;
    } cases[] = {
        {3.75, 1, "3.8"},    {2.25, 1, "2.2"},  // round half to even on the binary value
        {1234.5, 2, "1234.50"}, {-0.004, 2, "-0.00"}, {42.0, 0, "42"}, {0.1f, 7, "0.1000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.precision), c.text) << c.value << " at " << c.precision;

    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Formats, SqlDateHasFourDigitYear)
{
    EXPECT_EQ(FormatSqlDate(AutomationDate::FromDate(1925, 3, 7)), "#03/07/1925#");
    EXPECT_EQ(FormatSqlDate(AutomationDate::NullDate()), "");
}

TEST(Formats, ShortDateFollowsTheSystemLocale)
{
    const AutomationDate date = AutomationDate::FromDate(2021, 11, 9);
    EXPECT_EQ(FormatShortDate(date),
              QLocale::system().toString(QDate(2021, 11, 9), QLocale::ShortFormat).toStdString());
    EXPECT_EQ(FormatShortDate(AutomationDate::NullDate()), "");
}
