#pragma once

#include <string>

namespace quillan {

// Dates as the program stores them: days since 30 December 1899 (day 0), the fraction being
// the time of day. Text forms use "-" throughout: "2024-03-05" and "14-07-09", so that dates
// written as text compare correctly as plain strings.
using DayNumber = double;

struct DateTimeParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

DayNumber ToDayNumber(const DateTimeParts& parts);
DateTimeParts FromDayNumber(DayNumber value);

// The whole days of a day number (midnight of its day).
DayNumber DateOnly(DayNumber value);

std::string FormatDate(DayNumber value);      // "yyyy-mm-dd"
std::string FormatTime(DayNumber value);      // "hh-nn-ss"
std::string FormatDateTime(DayNumber value);  // "yyyy-mm-dd hh-nn-ss"

// Reads "yyyy-mm-dd", "yyyy-mm-dd hh:nn:ss" or "yyyy-mm-dd hh-nn-ss" (seconds optional).
// False when the text is not such a date or names no real day.
bool ParseDateTime(const std::string& text, DayNumber& out);

}  // namespace quillan
