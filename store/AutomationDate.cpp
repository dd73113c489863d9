#include "store/AutomationDate.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cmath>

namespace {

constexpr int64_t kMillisPerDay = 86'400'000;

// Days from 1970-01-01 of a proleptic Gregorian date (valid for any year).
int64_t DaysFromCivil(int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<int64_t>(dayOfEra) - 719468;
}

void CivilFromDays(int64_t days, int& year, int& month, int& day)
{
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    year = static_cast<int>(static_cast<int64_t>(yearOfEra) + era * 400 + (month <= 2));
}

const int64_t kEpochDays = DaysFromCivil(1899, 12, 30);

bool IsPossibleDate(const DateTimeParts& p)
{
    if (p.month < 1 || p.month > 12 || p.day < 1 || p.year < 100 || p.year > 9999)
        return false;
    if (p.hour < 0 || p.hour > 23 || p.minute < 0 || p.minute > 59 || p.second < 0 ||
        p.second > 59)
        return false;
    int checkYear = 0, checkMonth = 0, checkDay = 0;
    CivilFromDays(DaysFromCivil(p.year, p.month, p.day), checkYear, checkMonth, checkDay);
    return checkDay == p.day && checkMonth == p.month;
}

}  // namespace

AutomationDate::AutomationDate(double value)
    : value_(value),
      status_(std::isfinite(value) && value >= kMinValue && value <= kMaxValue ? Valid : Invalid)
{
}

AutomationDate AutomationDate::FromParts(const DateTimeParts& parts)
{
    if (!IsPossibleDate(parts)) {
        AutomationDate invalid;
        invalid.status_ = Invalid;
        return invalid;
    }
    const int64_t days = DaysFromCivil(parts.year, parts.month, parts.day) - kEpochDays;
    const double time = (parts.hour * 3600.0 + parts.minute * 60.0 + parts.second) / 86400.0;
    return AutomationDate(days >= 0 ? static_cast<double>(days) + time
                                    : static_cast<double>(days) - time);
}

AutomationDate AutomationDate::FromDate(int year, int month, int day)
{
    return FromParts(DateTimeParts{year, month, day, 0, 0, 0});
}

AutomationDate AutomationDate::FromQDate(const QDate& date)
{
    if (!date.isValid()) {
        AutomationDate invalid;
        invalid.status_ = Invalid;
        return invalid;
    }
    return FromDate(date.year(), date.month(), date.day());
}

AutomationDate AutomationDate::FromQDateTime(const QDateTime& dateTime)
{
    if (!dateTime.isValid()) {
        AutomationDate invalid;
        invalid.status_ = Invalid;
        return invalid;
    }
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    return FromParts(DateTimeParts{date.year(), date.month(), date.day(), time.hour(),
                                   time.minute(), time.second()});
}

AutomationDate AutomationDate::NullDate()
{
    AutomationDate date;
    date.status_ = Null;
    return date;
}

bool AutomationDate::ToParts(DateTimeParts& parts) const
{
    if (status_ != Valid)
        return false;
    // The integer part is the day (towards zero); the fraction, whatever the sign, the time.
    int64_t day = static_cast<int64_t>(std::trunc(value_));
    int64_t millis = std::llround(std::fabs(value_ - static_cast<double>(day)) * kMillisPerDay);
    int64_t seconds = (millis + 500) / 1000;
    if (seconds >= 86400) {
        seconds -= 86400;
        ++day;
    }
    CivilFromDays(day + kEpochDays, parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    return true;
}

QDate AutomationDate::ToQDate() const
{
    DateTimeParts parts;
    if (!ToParts(parts))
        return {};
    return QDate(parts.year, parts.month, parts.day);
}

QDateTime AutomationDate::ToQDateTime() const
{
    DateTimeParts parts;
    if (!ToParts(parts))
        return {};
    return QDateTime(QDate(parts.year, parts.month, parts.day),
                     QTime(parts.hour, parts.minute, parts.second));
}
