// How numbers and dates are written for the user and into SQL. Numbers always carry a period as
// the decimal separator, whatever the locale; dates shown to the user use the system locale's
// short date format.
#pragma once

#include <string>

class AutomationDate;

// The printf format that shows `precision` decimals: "%%.%df" filled with it ("%.2f"). A
// negative precision is taken as 0.
std::string MakeNumberFormat(int precision);

// `value` with `precision` decimals and a period, independent of the C and Qt locales.
std::string FormatNumber(double value, int precision);

// The date in the system locale's short date format; empty for an invalid or null date.
std::string FormatShortDate(const AutomationDate& date);

// The date as the dataset's SQL literal "#m/d/yyyy#" (month and day as two digits).
std::string FormatSqlDate(const AutomationDate& date);
