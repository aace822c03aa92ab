#include "platform/day_date.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <regex>

namespace quillan {
namespace {

// Days from 1970-01-01 of a civil date, and back (proleptic Gregorian calendar).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (month <= 2));
}

constexpr long long kEpochOffset = 25569;  // day number of 1970-01-01
constexpr double kMsPerDay = 86400000.0;
constexpr double kFirstDay = -693593.0;                          // 0001-01-01
constexpr double kLastMoment = 2958465.0 + 86399999.0 / kMsPerDay;  // 9999-12-31 23:59:59.999

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

}  // namespace

DayNumber ToDayNumber(const DateTimeParts& p) {
    const long long days = DaysFromCivil(p.year, static_cast<unsigned>(p.month), static_cast<unsigned>(p.day)) + kEpochOffset;
    const double ms = ((p.hour * 60.0 + p.minute) * 60.0 + p.second) * 1000.0 + p.millisecond;
    return CombineDateTime(static_cast<double>(days), ms / kMsPerDay);
}

DateTimeParts FromDayNumber(DayNumber value) {
    DateTimeParts p;
    // Round to the millisecond first, so that 0.999999 of a day does not read as 23:59:59.999.
    // The whole days count towards zero and the time of day away from it, so that a day before
    // day 0 keeps its date: -1.25 is 29 December 1899, 06:00.
    // A value that names no day of the years 1 to 9999 (read from a damaged file) is taken as
    // the nearest day that does, and NaN as day 0, so that it still reads as a date.
    if (std::isnan(value)) value = 0;
    value = std::clamp(value, kFirstDay, kLastMoment);
    const long long totalMs = std::llround(value * kMsPerDay);
    const long long days = totalMs / 86400000LL;
    const long long ms = (totalMs < 0 ? -totalMs : totalMs) % 86400000LL;
    CivilFromDays(days - kEpochOffset, p.year, p.month, p.day);
    p.hour = static_cast<int>(ms / 3600000);
    p.minute = static_cast<int>(ms / 60000 % 60);
    p.second = static_cast<int>(ms / 1000 % 60);
    p.millisecond = static_cast<int>(ms % 1000);
    return p;
}

DayNumber DateOnly(DayNumber value) {
    DateTimeParts p = FromDayNumber(value);
    p.hour = p.minute = p.second = p.millisecond = 0;
    return ToDayNumber(p);
}

DayNumber TimeOnly(DayNumber value) { return std::fabs(value - std::trunc(value)); }

DayNumber CombineDateTime(DayNumber date, DayNumber timeOfDay) {
    return date < 0 ? date - timeOfDay : date + timeOfDay;
}

std::string FormatDate(DayNumber value) {
    const DateTimeParts p = FromDayNumber(value);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", p.year, p.month, p.day);
    return buffer;
}

std::string FormatTime(DayNumber value) {
    const DateTimeParts p = FromDayNumber(value);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d-%02d-%02d", p.hour, p.minute, p.second);
    return buffer;
}

std::string FormatDateTime(DayNumber value) { return FormatDate(value) + " " + FormatTime(value); }

bool ParseDateTime(const std::string& text, DayNumber& out) {
    static const std::regex pattern(R"((\d{4})-(\d{2})-(\d{2})(?:[ T](\d{2})[:-](\d{2})(?:[:-](\d{2}))?)?)");
    std::smatch m;
    if (!std::regex_match(text, m, pattern)) return false;
    DateTimeParts p;
    p.year = std::stoi(m[1]);
    p.month = std::stoi(m[2]);
    p.day = std::stoi(m[3]);
    p.hour = m[4].matched ? std::stoi(m[4]) : 0;
    p.minute = m[5].matched ? std::stoi(m[5]) : 0;
    p.second = m[6].matched ? std::stoi(m[6]) : 0;
    if (p.month < 1 || p.month > 12 || p.day < 1 || p.day > DaysInMonth(p.year, p.month) || p.hour > 23 ||
        p.minute > 59 || p.second > 59)
        return false;
    out = ToDayNumber(p);
    return true;
}

}  // namespace quillan
