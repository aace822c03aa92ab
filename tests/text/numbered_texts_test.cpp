#include <gtest/gtest.h>

#include "text/numbered_texts.h"

namespace quillan {
namespace {

TEST(NumberedTexts, UiTextIsByPosition) {
    const InterfaceTexts texts = {"first", "second", "third", "fourth", "fifth"};
    EXPECT_EQ(UiText(texts, 5), "fifth");
    EXPECT_EQ(UiText(texts, 1), "first");
    EXPECT_EQ(UiText(texts, 0), "");
    EXPECT_EQ(UiText(texts, 6), "");
    EXPECT_EQ(UiText(texts, -1), "");
}

TEST(NumberedTexts, GlossaryTakesTheLastEntryOfANumber) {
    const Glossary glossary = {{3, "old"}, {7, "seven"}, {3, "new"}};
    EXPECT_EQ(GlossaryText(glossary, 3), "new");
    EXPECT_EQ(GlossaryText(glossary, 7), "seven");
    EXPECT_EQ(GlossaryText(glossary, 4), "");
}

}  // namespace
}  // namespace quillan
