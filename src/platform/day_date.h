#pragma once

#include <string>

namespace quillan {

// Dates as the program stores them: days since 30 December 1899 (day 0), the fraction being
// the time of day. Days before day 0 are negative and their time of day counts away from zero:
// -1.25 is 29 December 1899 at 06:00 (the whole days give the date, the fraction without its
// sign the time), as the files of the course's earlier programs hold them. Text forms use "-"
// throughout: "2024-03-05" and "14-07-09", so that dates written as text compare correctly as
// plain strings.
using DayNumber = double;

struct DateTimeParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

DayNumber ToDayNumber(const DateTimeParts& parts);
// A value before 0001-01-01 or after 9999-12-31 gives the first or the last of those days, NaN
// gives day 0.
DateTimeParts FromDayNumber(DayNumber value);

// The whole days of a day number (midnight of its day).
DayNumber DateOnly(DayNumber value);
// The time of day of a day number as a fraction of a day from 0 to below 1, for days before
// day 0 too.
DayNumber TimeOnly(DayNumber value);
// The moment of a date (whole days) at a time of day (0 to below 1).
DayNumber CombineDateTime(DayNumber date, DayNumber timeOfDay);

std::string FormatDate(DayNumber value);      // "yyyy-mm-dd"
std::string FormatTime(DayNumber value);      // "hh-nn-ss"
std::string FormatDateTime(DayNumber value);  // "yyyy-mm-dd hh-nn-ss"

// Reads "yyyy-mm-dd", "yyyy-mm-dd hh:nn:ss" or "yyyy-mm-dd hh-nn-ss" (seconds optional).
// False when the text is not such a date or names no real day.
bool ParseDateTime(const std::string& text, DayNumber& out);

}  // namespace quillan
