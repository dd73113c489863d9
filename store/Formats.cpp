#include "store/Formats.h"

#include "store/AutomationDate.h"

#include <QDate>
#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

std::string MakeNumberFormat(int precision)
{
    char format[16];
    std::snprintf(format, sizeof format, "%%.%df", std::max(precision, 0));
    return format;
}

std::string FormatNumber(double value, int precision)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, std::clamp(precision, 0, 60));
    // Same digits as printf's "%.nf" (a negative value rounding to zero keeps its sign).
    return std::string(buffer, result.ptr);
}

std::string FormatShortDate(const AutomationDate& date)
{
    const QDate calendarDate = date.ToQDate();
    if (!calendarDate.isValid())
        return {};
    return QLocale::system().toString(calendarDate, QLocale::ShortFormat).toStdString();
}

std::string FormatSqlDate(const AutomationDate& date)
{
    DateTimeParts parts;
    if (!date.ToParts(parts))
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "#%02d/%02d/%04d#", parts.month, parts.day, parts.year);
    return text;
}
