#include <gtest/gtest.h>

#include "platform/errors.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

TEST(TextUtils, PosFrom) {
    struct Case {
        int start;
        const char* text;
        const char* pattern;
        int expected;
    };
    const Case cases[] = {
        {1, "ab=cd", "=", 3},  {3, "ab=cd", "=", 3},  {4, "ab=cd", "=", -1}, {6, "ab=cd", "=", -1},
        {0, "ab=cd", "=", -1}, {-5, "ab=cd", "=", -1}, {5, "ab=cd", "d", 5}, {1, "", "=", -1},
        {1, "ab=cd", "", -1},  {2, "a=b=c", "=", 2},  {3, "a=b=c", "=", 4},  {1, "abcabc", "ca", 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PosFrom(c.start, c.text, c.pattern), c.expected) << c.start << " " << c.text << " " << c.pattern;
}

TEST(TextUtils, CopyAndDeleteAtTheEdges) {
    struct CopyCase {
        int index, count;
        const char* expected;
    };
    for (const CopyCase& c : {CopyCase{1, 3, "abc"}, CopyCase{2, 100, "bcde"}, CopyCase{6, 1, ""}, CopyCase{1, 0, ""},
                              CopyCase{1, -2, ""}, CopyCase{0, 2, "ab"}, CopyCase{5, 1, "e"}})
        EXPECT_EQ(Copy("abcde", c.index, c.count), c.expected) << c.index << "," << c.count;

    struct DeleteCase {
        int index, count;
        const char* expected;
    };
    for (const DeleteCase& c : {DeleteCase{1, 2, "cde"}, DeleteCase{4, 100, "abc"}, DeleteCase{6, 1, "abcde"},
                                DeleteCase{1, 0, "abcde"}, DeleteCase{1, -1, "abcde"}, DeleteCase{0, 2, "abcde"}}) {
        std::string text = "abcde";
        Delete(text, c.index, c.count);
        EXPECT_EQ(text, c.expected) << c.index << "," << c.count;
    }
    EXPECT_EQ(Pos("cd", "abcde"), 3);
    EXPECT_EQ(Pos("x", "abcde"), 0);
}

TEST(TextUtils, FieldIdiom) {
    struct Case {
        const char* line;
        const char* field;
        const char* rest;
    };
    const Case cases[] = {
        {"abc=def=", "abc", "def="},
        {"=def", "", "def"},       // leading separator: empty field, only the separator goes
        {"no separator", "", "no separator"},
        {"", "", ""},
        {"x=", "x", ""},
    };
    for (const Case& c : cases) {
        std::string line = c.line;
        EXPECT_EQ(TakeField(line), c.field) << c.line;
        EXPECT_EQ(line, c.rest) << c.line;
        FieldCursor cursor(c.line);
        EXPECT_EQ(cursor.Take(), c.field) << c.line;
        EXPECT_EQ(cursor.Rest(), c.rest) << c.line;
    }
    std::string hashes = "a#b";
    EXPECT_EQ(TakeField(hashes, '#'), "a");
    EXPECT_EQ(hashes, "b");

    FieldCursor fixed("1AB05xxxxxxxxxxxrest=");
    EXPECT_EQ(fixed.TakeChars(1), "1");
    EXPECT_EQ(fixed.TakeChars(2), "AB");
    EXPECT_EQ(fixed.TakeChars(2), "05");
    fixed.Skip(11);
    EXPECT_EQ(fixed.Take(), "rest");
    EXPECT_EQ(fixed.TakeChars(5), "");
}

TEST(TextUtils, IntOfTrimmed) {
    struct Case {
        const char* text;
        int value;
    };
    for (const Case& c : {Case{"42", 42}, Case{"  42  ", 42}, Case{"\t-7\r", -7}, Case{"   ", 0}, Case{"", 0},
                          Case{"+3", 3}, Case{"2147483647", 2147483647}, Case{"-2147483648", -2147483647 - 1}})
        EXPECT_EQ(IntOfTrimmed(c.text), c.value) << c.text;

    for (const char* bad : {"abc", "4 2", "12x", "-", "2147483648", "99999999999999999999", "0x10", "1.5"}) {
        try {
            IntOfTrimmed(bad);
            ADD_FAILURE() << "no error for " << bad;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
    EXPECT_EQ(StrToInt("  5"), 5);  // the run-time conversion skips leading spaces
    EXPECT_THROW(StrToInt("5 "), ConversionError);
    EXPECT_THROW(StrToInt(""), ConversionError);
}

TEST(TextUtils, FirstWord) {
    EXPECT_EQ(FirstWord("good morning"), "good");
    EXPECT_EQ(FirstWord("hello"), "hello");
    EXPECT_EQ(FirstWord(" hello"), "");
    EXPECT_EQ(FirstWord(""), "");
}

TEST(TextUtils, NthHashField) {
    struct Case {
        const char* text;
        int n;
        const char* expected;
    };
    const Case cases[] = {
        {"one#two#three#", 2, "two"}, {"one#two#three", 3, ""}, {"one#", 3, ""},  {"one#two#", 1, "one"},
        {"one", 1, ""},               {"", 1, ""},              {"##x#", 2, ""},  {"a#b#", 0, "a"},
    };
    for (const Case& c : cases) EXPECT_EQ(NthHashField(c.text, c.n), c.expected) << c.text << " " << c.n;
}

TEST(TextUtils, TrimAndCase) {
    EXPECT_EQ(Trim(" \t\r\nabc \x01"), "abc");
    EXPECT_EQ(Trim("\xB9 "), "\xB9");  // letters above 127 are not blanks
    EXPECT_EQ(UpperAscii("aB\xB9z"), "AB\xB9Z");
    EXPECT_EQ(LowerAscii("AbZ"), "abz");
    // Every Polish capital has its small letter.
    EXPECT_EQ(LowerCp1250("\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF ABC"), "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF abc");
    EXPECT_EQ(LowerCp1250("\xD7"), "\xD7");  // the multiplication sign is no letter
}

}  // namespace
}  // namespace quillan
