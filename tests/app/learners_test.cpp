#include <gtest/gtest.h>

#include <climits>

#include "app/learners.h"
#include "platform/errors.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

TEST(Learners, ReadingUsrT) {
    LineReader file(" 1=Ola \r\n\r\nno separator\r\n7= Jan Kowalski\r\n2=\xA3ukasz\r\n");
    const LearnerList learners = ReadLearners(file);
    ASSERT_EQ(learners.size(), 3u);
    EXPECT_EQ(learners[0].Number, 1);
    EXPECT_EQ(learners[0].Name, "Ola");
    EXPECT_EQ(learners[1].Number, 7);
    EXPECT_EQ(learners[1].Name, "Jan Kowalski");
    EXPECT_EQ(learners[2].Name, "\xA3ukasz");

    LineReader bad("1=Ola\r\nx=Jan\r\n");
    try {
        ReadLearners(bad);
        ADD_FAILURE() << "a number that is no number was read";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "usr.t:2: 'x' is not a valid integer value");
    }
}

TEST(Learners, AddingNumbersFromTheHighestAndRefusesDuplicates) {
    LearnerList learners = {{1, "Ola"}, {2, "Jan"}, {7, "\xA3ukasz"}};
    EXPECT_EQ(AddLearner(learners, "  Ewa  "), 4);
    EXPECT_EQ(learners.back().Number, 8);
    EXPECT_EQ(learners.back().Name, "Ewa");

    for (const char* duplicate : {"OLA", " jan ", "\xB3UKASZ", "ewa"}) EXPECT_EQ(AddLearner(learners, duplicate), 0) << duplicate;
    EXPECT_EQ(learners.size(), 4u);

    LearnerList none;
    EXPECT_EQ(AddLearner(none, "Ola"), 1);
    EXPECT_EQ(none[0].Number, 1);

    // An edited "usr.t" with the largest number: the next one would overflow.
    LearnerList edited = {{INT_MAX, "Ola"}, {1, "Jan"}, {2, "Ewa"}, {-4, "Piotr"}};
    EXPECT_EQ(AddLearner(edited, "Zosia"), 5);
    EXPECT_EQ(edited.back().Number, 3);
}

TEST(Learners, NameLength) {
    EXPECT_FALSE(NameLongEnough(""));
    EXPECT_FALSE(NameLongEnough("  a  "));
    EXPECT_TRUE(NameLongEnough(" ab "));
}

TEST(Learners, SavedListReadsBack) {
    test::TempDir dir;
    EXPECT_TRUE(LoadLearners(dir.Path()).empty());
    LearnerList learners = {{3, "Ola"}, {4, "Zo\xBF" "a"}};
    SaveLearners(dir.Path(), learners);
    EXPECT_EQ(dir.Read("usr.t"), "3=Ola\r\n4=Zo\xBF" "a\r\n");
    const LearnerList again = LoadLearners(dir.Path());
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(again[1].Name, "Zo\xBF" "a");
    EXPECT_EQ(LearnerDirectory("C:\\Kurs\\", again[0]), "C:\\Kurs\\3\\");
}

}  // namespace
}  // namespace quillan
