// The automation date: days since 30 December 1899 as a double, the fraction being the time of
// day. For values before that day the integer part counts days back and the fraction is still
// the time forwards (-1.25 is 29 December 1899, 06:00). A validity status travels with the
// value, as the dataset and the screens keep it.
#pragma once

#include <cstdint>

class QDate;
class QDateTime;

struct DateTimeParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class AutomationDate {
public:
    enum Status : int32_t { Valid = 0, Invalid = 1, Null = 2 };

    AutomationDate() = default;
    explicit AutomationDate(double value);

    // Calendar date (proleptic Gregorian) and time; an impossible date gives Invalid.
    static AutomationDate FromParts(const DateTimeParts& parts);
    static AutomationDate FromDate(int year, int month, int day);
    static AutomationDate FromQDate(const QDate& date);
    static AutomationDate FromQDateTime(const QDateTime& dateTime);
    static AutomationDate NullDate();

    double Value() const { return value_; }
    Status GetStatus() const { return status_; }
    bool IsValid() const { return status_ == Valid; }

    // Calendar parts, rounded to the nearest second. False unless valid.
    bool ToParts(DateTimeParts& parts) const;
    QDate ToQDate() const;          // null QDate unless valid
    QDateTime ToQDateTime() const;  // local time; invalid unless valid

    bool operator==(const AutomationDate& other) const = default;

    // The range of representable dates: 1 January 100 to 31 December 9999.
    static constexpr double kMinValue = -657434.0;
    static constexpr double kMaxValue = 2958465.999999;

private:
    double value_ = 0.0;
    Status status_ = Valid;
};
