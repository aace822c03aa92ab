#include <gtest/gtest.h>

#include "course/exercise_kinds.h"
#include "platform/cp1250.h"

namespace quillan {
namespace {

TEST(ExerciseKinds, Names) {
    InterfaceTexts texts;
    for (int n = 1; n <= 160; ++n) texts.push_back("ui" + std::to_string(n));
    struct Case {
        int code, variant;
        const char* name;  // UTF-8
    };
    const Case cases[] = {
        {1, 1, "Rozpoznawanie ze słuchu"},
        {9, 1, "Ćwiczenie wymowy"},
        {13, 1, "Zdania - tłumaczenie (a->p)"},
        {13, 2, "Zdania - tłumaczenie (n->p)"},
        {14, 3, "Zdania - tłumaczenie (p->f)"},
        {14, 4, ""},
        {34, 1, "Prawda czy fałsz"},
        {40, 1, "ui29"},
        {46, 1, "ui35"},
        {47, 1, "ui149"},
        {50, 1, "ui36"},
        {52, 1, "ui38"},
        {54, 1, "ui39"},
        {60, 1, "ui150"},
        {64, 1, "ui154"},
        {70, 1, "ui40"},
        {74, 1, "ui44"},
        {99, 1, "CW numer99"},
        {56, 1, "CW numer56"},
        {-1, 1, "CW numer-1"},
    };
    for (const Case& c : cases) EXPECT_EQ(ExerciseKindName(c.code, c.variant, texts), Utf8ToCp1250(c.name)) << c.code;
    EXPECT_EQ(ExerciseKindName(40, 1, {}), "");  // an interface text that is not loaded
}

}  // namespace
}  // namespace quillan
