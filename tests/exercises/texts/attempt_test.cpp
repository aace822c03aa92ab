#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "exercises/texts/attempt.h"
#include "exercises/texts/content_source.h"
#include "exercises/texts/shuffle.h"
#include "support/fakes.h"

namespace quillan {
namespace {

TEST(TextExercisePercent, RoundsHalvesToTheEvenNeighbour) {
    struct Case {
        int correct, wrong, percent;
    };
    const Case cases[] = {
        {5, 3, 62},  // 62.5
        {7, 1, 88},  // 87.5
        {1, 7, 12},  // 12.5
        {3, 5, 38},  // 37.5
        {2, 1, 67},  // 66.67
        {1, 2, 33}, {0, 0, 0}, {0, 4, 0}, {4, 0, 100}, {1, 1, 50}, {1, 199, 0},  // 0.5 goes to 0
        {3, 197, 2},                                                              // 1.5 goes to 2
    };
    for (const Case& c : cases) EXPECT_EQ(TextExercisePercent(c.correct, c.wrong), c.percent) << c.correct << "/" << c.wrong;
}

TEST(Attempt, HandsOverThisAttemptOnly) {
    Attempt attempt;
    EXPECT_FALSE(attempt.Closing().Record);
    attempt.Touch();
    EXPECT_EQ(attempt.Closing().Percent, 0);
    EXPECT_EQ(attempt.Closing().Completed, 0);
    attempt.Finish(3, 1);
    EXPECT_EQ(attempt.Closing().Percent, 75);
    EXPECT_EQ(attempt.Closing().Completed, 1);
    attempt.Start();  // "again"
    attempt.Touch();
    EXPECT_EQ(attempt.Closing().Percent, 0);
    EXPECT_EQ(attempt.Closing().Completed, 0);
    EXPECT_TRUE(attempt.Closing().Record);
}

TEST(Shuffle, EndsWithAGeneratorThatRepeatsItselfAndLeavesAListOfOneAlone) {
    test::FakeRandom stuck;  // always 0
    const auto [a, b] = DrawTwoDifferent(stuck, 5);
    EXPECT_NE(a, b);
    int swaps = 0;
    SwapShuffle(stuck, 1, 10, [&](int, int) { ++swaps; });
    SwapShuffle(stuck, 0, 10, [&](int, int) { ++swaps; });
    EXPECT_EQ(swaps, 0);
    SwapShuffle(stuck, 2, 3, [&](int x, int y) {
        EXPECT_NE(x, y);
        ++swaps;
    });
    EXPECT_EQ(swaps, 3);
}

TEST(Shuffle, DrawsAgainWhileThePositionsAreEqual) {
    test::FakeRandom random;
    random.values = {2, 2, 2, 4};
    EXPECT_EQ(DrawTwoDifferent(random, 5), std::make_pair(2, 4));
    SystemRandom system;
    std::vector<int> order(14);
    std::iota(order.begin(), order.end(), 0);
    SwapShuffle(system, 14, 28, [&](int x, int y) { std::swap(order[static_cast<size_t>(x)], order[static_cast<size_t>(y)]); });
    std::sort(order.begin(), order.end());
    for (int i = 0; i < 14; ++i) EXPECT_EQ(order[static_cast<size_t>(i)], i);
}

TEST(ContentSource, TypeLineContentAndTerminatedFields) {
    EXPECT_EQ(TypeLineContent("MC#q=a#"), "q=a#");
    EXPECT_EQ(TypeLineContent("ZDD#He <went>.="), "He <went>.=");
    EXPECT_EQ(TypeLineContent("WP"), "");
    TerminatedFields fields("a#b# c", '#');
    EXPECT_EQ(fields.Next(), "a");
    EXPECT_FALSE(fields.Unterminated());
    EXPECT_EQ(fields.Next(), "b");
    EXPECT_FALSE(fields.AtEnd());
    EXPECT_EQ(fields.Next(), " c");
    EXPECT_TRUE(fields.Unterminated());
    EXPECT_TRUE(fields.AtEnd());
    EXPECT_TRUE(TerminatedFields(" \t ", '#').AtEnd());
}

}  // namespace
}  // namespace quillan
