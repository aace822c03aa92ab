#include <gtest/gtest.h>

#include <limits>

#include "platform/day_date.h"

namespace quillan {
namespace {

TEST(DayDate, KnownDaysAndTextForms) {
    struct Case {
        DateTimeParts parts;
        DayNumber day;
        const char* text;
    };
    const Case cases[] = {
        {{1899, 12, 30}, 0.0, "1899-12-30 00-00-00"},
        {{1900, 1, 1}, 2.0, "1900-01-01 00-00-00"},
        {{2024, 3, 5, 12, 0, 0}, 45356.5, "2024-03-05 12-00-00"},
        {{2000, 2, 29, 6, 30, 15}, 36585.0 + (6 * 3600 + 30 * 60 + 15) / 86400.0, "2000-02-29 06-30-15"},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(ToDayNumber(c.parts), c.day) << c.text;
        EXPECT_EQ(FormatDateTime(c.day), c.text);
    }
    EXPECT_EQ(FormatDate(45356.75), "2024-03-05");
    EXPECT_EQ(FormatTime(45356.75), "18-00-00");
    EXPECT_DOUBLE_EQ(DateOnly(45356.75), 45356.0);
}

// Days before 30 December 1899 are negative, and their time of day counts away from zero, so a
// file of the course's earlier programs that holds -1.25 means 29 December 1899 at 06:00.
TEST(DayDate, DaysBeforeDayZeroKeepTheirDateAndTime) {
    struct Case {
        DayNumber day;
        DateTimeParts parts;
        const char* text;
        DayNumber dateOnly, timeOnly;
    };
    const Case cases[] = {
        {-1.25, {1899, 12, 29, 6, 0, 0}, "1899-12-29 06-00-00", -1.0, 0.25},
        {-1.75, {1899, 12, 29, 18, 0, 0}, "1899-12-29 18-00-00", -1.0, 0.75},
        {-2.0, {1899, 12, 28}, "1899-12-28 00-00-00", -2.0, 0.0},
        {-36522.5, {1800, 1, 1, 12, 0, 0}, "1800-01-01 12-00-00", -36522.0, 0.5},
        {-693593.0, {1, 1, 1}, "0001-01-01 00-00-00", -693593.0, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(ToDayNumber(c.parts), c.day) << c.text;
        EXPECT_EQ(FormatDateTime(c.day), c.text);
        EXPECT_DOUBLE_EQ(DateOnly(c.day), c.dateOnly) << c.text;
        EXPECT_DOUBLE_EQ(TimeOnly(c.day), c.timeOnly) << c.text;
        EXPECT_DOUBLE_EQ(CombineDateTime(c.dateOnly, c.timeOnly), c.day) << c.text;
    }
    // The part of day 0 before noon written with a minus sign is still day 0.
    EXPECT_EQ(FormatDateTime(-0.25), "1899-12-30 06-00-00");
    DayNumber parsed = 0;
    ASSERT_TRUE(ParseDateTime("1899-12-29 06:00:00", parsed));
    EXPECT_DOUBLE_EQ(parsed, -1.25);
}

// A damaged learner's file may hold any eight bytes where a date belongs.
TEST(DayDate, ValuesThatNameNoDayReadAsTheNearestDay) {
    const struct {
        DayNumber value;
        const char* text;
    } cases[] = {
        {1e300, "9999-12-31 23-59-59"},
        {std::numeric_limits<double>::infinity(), "9999-12-31 23-59-59"},
        {-1e300, "0001-01-01 00-00-00"},
        {-std::numeric_limits<double>::infinity(), "0001-01-01 00-00-00"},
        {std::numeric_limits<double>::quiet_NaN(), "1899-12-30 00-00-00"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.value), c.text) << c.value;
    // A far future due date is not due today.
    EXPECT_GT(FormatDate(1e300), FormatDate(45356.0));
}

TEST(DayDate, TimeJustBeforeMidnightStaysOnItsDay) {
    const DayNumber value = ToDayNumber({2024, 3, 5, 23, 59, 59, 999});
    EXPECT_EQ(FormatDateTime(value), "2024-03-05 23-59-59");
}

TEST(DayDate, DatesAsTextCompareInDateOrder) {
    EXPECT_LT(FormatDate(ToDayNumber({2024, 9, 30})), FormatDate(ToDayNumber({2024, 10, 1})));
}

TEST(DayDate, ParsesTheTextForms) {
    DayNumber value = 0;
    ASSERT_TRUE(ParseDateTime("2024-03-05 18:00:00", value));
    EXPECT_DOUBLE_EQ(value, 45356.75);
    ASSERT_TRUE(ParseDateTime("2024-03-05 18-00", value));
    EXPECT_DOUBLE_EQ(value, 45356.75);
    ASSERT_TRUE(ParseDateTime("2024-03-05", value));
    EXPECT_DOUBLE_EQ(value, 45356.0);
    for (const char* bad : {"", "2024-3-5", "2023-02-29", "2024-13-01", "2024-03-05 24:00", "tomorrow"})
        EXPECT_FALSE(ParseDateTime(bad, value)) << bad;
}

}  // namespace
}  // namespace quillan
