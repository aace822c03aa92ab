#include <gtest/gtest.h>

#include "text/answer_text.h"

namespace quillan {
namespace {

TEST(AnswerText, NormalizeSpacing) {
    struct Case {
        const char* text;
        char separator;
        const char* result;
    };
    const Case cases[] = {
        {"a ,b , c", ',', "a, b, c"},
        {"well-known", '-', "well- known"},
        {"a   b", ' ', "a b"},
        {"  a  b   c  ", ' ', "a b c"},
        {"a b c", ' ', "a b c"},
        {",a", ',', ", a"},
        {"a,", ',', "a,"},
        {"a,,b", ',', "a, , b"},
        {"", ',', ""},
        {"   ", ' ', ""},
        {"no separator", ';', "no separator"},
    };
    for (const Case& c : cases) EXPECT_EQ(NormalizeSpacing(c.text, c.separator), c.result) << "'" << c.text << "'";
}

TEST(AnswerText, NormalizeAnswerAndStripMarkers) {
    EXPECT_EQ(NormalizeAnswer("  Hello ,world !  "), "Hello, world!");
    EXPECT_EQ(NormalizeAnswer("well - known"), NormalizeAnswer("well-known"));
    EXPECT_EQ(NormalizeAnswer("a:b;c"), "a: b; c");
    EXPECT_EQ(StripMarkers("I <have> been"), "I have been");
    EXPECT_EQ(StripMarkers("<a>  <b>"), "a b");
    EXPECT_EQ(StripMarkers(""), "");
}

}  // namespace
}  // namespace quillan
