// The binary records of the classroom login: user record, teacher's lessons, assignments.

#include "classroom/classroom_records.h"

#include <gtest/gtest.h>

#include <cstring>

#include "classroom/protocol.h"

namespace quillan::classroom {
namespace {

void Put(std::string& bytes, size_t at, const std::string& text) {
    bytes[at] = static_cast<char>(text.size());
    bytes.replace(at + 1, text.size(), text);
}

void PutLe32(std::string& bytes, size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(v >> (8 * i));
}

void PutDouble(std::string& bytes, size_t at, double v) { std::memcpy(bytes.data() + at, &v, 8); }

TEST(UserRecord, OnlyByte115TellsTheWholeCourse) {
    const std::string allowed = EncodeUserRecord("jan", true), not_allowed = EncodeUserRecord("jan", false);
    ASSERT_EQ(allowed.size(), 292u);
    EXPECT_EQ(allowed[115], 1);
    EXPECT_TRUE(WholeCourseAllowed(allowed));
    EXPECT_FALSE(WholeCourseAllowed(not_allowed));

    std::string foreign(292, '\x7F');
    foreign[115] = 0;
    EXPECT_FALSE(WholeCourseAllowed(foreign)) << "the other bytes are not read";
    foreign[115] = 2;
    EXPECT_TRUE(WholeCourseAllowed(foreign));
    EXPECT_FALSE(WholeCourseAllowed(std::string(115, '\x01'))) << "nothing received at the offset";
}

// A lesson record written byte by byte at its offsets.
std::string HandMadeLesson() {
    std::string b(20828, '\0');
    Put(b, 0, "12.fcs");
    Put(b, 31, "Lekcja \xB3\xB9" "czona");
    PutLe32(b, 224, 2);
    PutLe32(b, 228, 2500);
    PutLe32(b, 232, static_cast<std::uint32_t>(-7));
    Put(b, 628, "Wypracowanie");
    Put(b, 628 + 101, "Drugie");
    Put(b, 10728, "not read");
    return b;
}

TEST(LessonRecord, FieldsAtTheirOffsets) {
    const TeacherLesson lesson = DecodeLesson(HandMadeLesson().data());
    EXPECT_EQ(lesson.fileName, "12.fcs");
    EXPECT_EQ(lesson.name, "Lekcja \xB3\xB9" "czona");
    ASSERT_EQ(lesson.exercises.size(), 2u);
    EXPECT_EQ(lesson.exercises[0].reference, 2500);
    EXPECT_EQ(lesson.exercises[0].name, "Wypracowanie");
    EXPECT_EQ(lesson.exercises[1].reference, -7);
    EXPECT_EQ(lesson.exercises[1].name, "Drugie");

    std::string written = HandMadeLesson();
    std::memset(written.data() + 10728, 0, 101);  // what the server leaves empty
    EXPECT_EQ(EncodeLesson(lesson), written);
    EXPECT_EQ(LessonFileName(12), "12.fcs");
}

TEST(LessonRecord, CountsOutsideTheTableAreTakenAsTheNearestThatFits) {
    std::string b = HandMadeLesson();
    PutLe32(b, 224, 250);
    EXPECT_EQ(DecodeLesson(b.data()).exercises.size(), 100u);
    PutLe32(b, 224, static_cast<std::uint32_t>(-1));
    EXPECT_TRUE(DecodeLesson(b.data()).exercises.empty());
}

TEST(AssignmentRecord, FieldsAtTheirOffsets) {
    std::string b(128, '\0');
    PutLe32(b, 0, 12);
    PutDouble(b, 4, 45356.25);
    b[12] = 1;
    PutDouble(b, 16, 45400.5);
    const Assignment a = DecodeAssignment(b.data());
    EXPECT_EQ(a.lessonNumber, 12);
    EXPECT_EQ(a.availableFrom, 45356.25);
    EXPECT_TRUE(a.availableAtOnce);
    EXPECT_EQ(a.availableUntil, 45400.5);
    EXPECT_EQ(EncodeAssignment(a), b);
}

TEST(LessonsReply, NoLessonsAndNoAssignments) {
    const LessonsReply reply = ParseLessonsReply(std::string(8, '\0'));
    EXPECT_TRUE(reply.lessons.empty());
    EXPECT_TRUE(reply.assignments.empty());
    EXPECT_TRUE(reply.complete);
    EXPECT_EQ(LessonsReplyBytes({}, {}), std::string(8, '\0'));
}

TEST(LessonsReply, WholeRepliesReadBack) {
    const TeacherLesson lesson = DecodeLesson(HandMadeLesson().data());
    const std::vector<Assignment> assignments{{12, 45356.25, true, 0}, {12, 45360, false, 45400}};
    const LessonsReply reply = ParseLessonsReply(LessonsReplyBytes({lesson, lesson}, assignments));
    EXPECT_TRUE(reply.complete);
    EXPECT_EQ(reply.lessons, (std::vector<TeacherLesson>{lesson, lesson}));
    EXPECT_EQ(reply.assignments, assignments);
}

TEST(LessonsReply, AServerThatClosesEarlyLeavesWhatArrivedWhole) {
    const TeacherLesson lesson = DecodeLesson(HandMadeLesson().data());
    const std::string whole = LessonsReplyBytes({lesson, lesson}, {{12, 1, true, 0}});
    struct Case {
        size_t length;
        size_t lessons, assignments;
    };
    const Case cases[] = {
        {0, 0, 0},
        {3, 0, 0},
        {4 + 20828 + 100, 1, 0},
        {4 + 2 * 20828, 2, 0},
        {4 + 2 * 20828 + 4 + 127, 2, 0},
        {whole.size(), 2, 1},
    };
    for (const Case& c : cases) {
        const LessonsReply reply = ParseLessonsReply(std::string_view(whole).substr(0, c.length));
        EXPECT_EQ(reply.lessons.size(), c.lessons) << c.length;
        EXPECT_EQ(reply.assignments.size(), c.assignments) << c.length;
        EXPECT_EQ(reply.complete, c.length == whole.size()) << c.length;
    }
}

TEST(LessonsReply, AssignmentsBeyondTheTableAreReadAndLeftOut) {
    std::string bytes = BigEndianInt(-3) + BigEndianInt(3002);
    for (int i = 0; i < 3002; ++i) bytes += EncodeAssignment({i, 0, true, 0});
    const LessonsReply reply = ParseLessonsReply(bytes);
    EXPECT_TRUE(reply.complete);
    EXPECT_TRUE(reply.lessons.empty()) << "a negative count is none";
    ASSERT_EQ(reply.assignments.size(), 3000u);
    EXPECT_EQ(reply.assignments.back().lessonNumber, 2999);
}

}  // namespace
}  // namespace quillan::classroom
