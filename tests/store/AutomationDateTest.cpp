#include "store/AutomationDate.h"

#include <gtest/gtest.h>

#include <QDate>

namespace {

struct DateCase {
    const char* why;
    DateTimeParts parts;
    double value;
};

// Reference values: days since 30 December 1899, computed independently of this code.
const DateCase kDates[] = {
    {"the epoch itself", {1899, 12, 30, 0, 0, 0}, 0.0},
    {"first day of 1900", {1900, 1, 1, 0, 0, 0}, 2.0},
    {"1900 is no leap year", {1900, 3, 1, 0, 0, 0}, 61.0},
    {"a leap day", {2024, 2, 29, 0, 0, 0}, 45351.0},
    {"last day of 2099", {2099, 12, 31, 0, 0, 0}, 73050.0},
    {"noon adds half a day", {2099, 12, 31, 12, 0, 0}, 73050.5},
    {"before the epoch the time still counts forwards", {1899, 12, 29, 6, 0, 0}, -1.25},
    {"early nineteenth century", {1800, 1, 1, 0, 0, 0}, -36522.0},
    {"lowest representable day", {100, 1, 1, 0, 0, 0}, -657434.0},
    {"highest representable day", {9999, 12, 31, 0, 0, 0}, 2958465.0},
};

}  // namespace

TEST(AutomationDate, CalendarDatesConvertBothWays)
{
    for (const DateCase& c : kDates) {
        const AutomationDate date = AutomationDate::FromParts(c.parts);
        ASSERT_TRUE(date.IsValid()) << c.why;
        EXPECT_DOUBLE_EQ(date.Value(), c.value) << c.why;

        DateTimeParts back;
        ASSERT_TRUE(AutomationDate(c.value).ToParts(back)) << c.why;
        EXPECT_EQ(back.year, c.parts.year) << c.why;
        EXPECT_EQ(back.month, c.parts.month) << c.why;
        EXPECT_EQ(back.day, c.parts.day) << c.why;
        EXPECT_EQ(back.hour, c.parts.hour) << c.why;
    }
}

TEST(AutomationDate, TimeRoundsToTheNearestSecondAndRollsOverMidnight)
{
    DateTimeParts parts;
    // 23:59:59.9996 of 1 January 1900 rounds to midnight of 2 January.
    ASSERT_TRUE(AutomationDate(2.0 + 86399.9996 / 86400.0).ToParts(parts));
    EXPECT_EQ(parts.day, 2);
    EXPECT_EQ(parts.hour, 0);
    EXPECT_EQ(parts.second, 0);

    ASSERT_TRUE(AutomationDate::FromParts({1987, 6, 5, 13, 14, 15}).ToParts(parts));
    EXPECT_EQ(parts.hour, 13);
    EXPECT_EQ(parts.minute, 14);
    EXPECT_EQ(parts.second, 15);
}

TEST(AutomationDate, ImpossibleAndOutOfRangeDatesAreInvalid)
{
    const DateTimeParts impossible[] = {
        {2023, 2, 29, 0, 0, 0}, {2023, 13, 1, 0, 0, 0}, {2023, 4, 31, 0, 0, 0},
        {99, 12, 31, 0, 0, 0},  {2023, 1, 1, 24, 0, 0},
    };
    for (const DateTimeParts& parts : impossible)
        EXPECT_EQ(AutomationDate::FromParts(parts).GetStatus(), AutomationDate::Invalid)
            << parts.year << "-" << parts.month << "-" << parts.day;

    EXPECT_FALSE(AutomationDate(3e6).IsValid());
    EXPECT_EQ(AutomationDate::NullDate().GetStatus(), AutomationDate::Null);
    DateTimeParts parts;
    EXPECT_FALSE(AutomationDate::NullDate().ToParts(parts));
    EXPECT_FALSE(AutomationDate::NullDate().ToQDate().isValid());
}

TEST(AutomationDate, QDateRoundTrip)
{
    const QDate date(1912, 4, 15);
    EXPECT_EQ(AutomationDate::FromQDate(date).ToQDate(), date);
    EXPECT_FALSE(AutomationDate::FromQDate(QDate()).IsValid());
}
