#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/day_date.h"

namespace quillan::classroom {

// The binary records the classroom server sends at login, read and written field by field at
// their offsets (little-endian, strings length byte first, padding zero).

// ---- The user record (reply to GUI:) ----
// The program reads one byte of it: whether the learner may work on the whole course without
// the teacher's lessons. The server puts the learner's name at its start; nothing reads it.
inline constexpr size_t kUserRecordSize = 292;

std::string EncodeUserRecord(std::string_view name, bool wholeCourse);
// False for a record shorter than the flag's offset (nothing was received).
bool WholeCourseAllowed(std::string_view userRecord);

// ---- The teacher's lessons and assignments (reply to GIL:) ----
inline constexpr size_t kLessonRecordSize = 20828;
inline constexpr size_t kAssignmentRecordSize = 128;
inline constexpr size_t kMaxLessons = 3000;
inline constexpr size_t kMaxAssignments = 3000;
inline constexpr size_t kMaxLessonExercises = 100;
inline constexpr size_t kLessonNameCapacity = 192;
inline constexpr size_t kLessonExerciseNameCapacity = 100;
// The largest reply to GIL: that the program takes: the most lessons and assignments it holds.
inline constexpr size_t kMaxLessonsReplyBytes =
    4 + kMaxLessons * kLessonRecordSize + 4 + kMaxAssignments * kAssignmentRecordSize;
// Exercise references in this range are teacher-assigned open exercises ("Otw_" + number).
inline constexpr std::int32_t kFirstOpenExercise = 2000, kLastOpenExercise = 3999;

struct LessonExercise {
    std::int32_t reference = 0;
    std::string name;  // the title the exercise's record gets

    bool operator==(const LessonExercise&) const = default;
};

struct TeacherLesson {
    std::string fileName;  // number + ".fcs"
    std::string name;
    std::vector<LessonExercise> exercises;  // at most kMaxLessonExercises

    bool operator==(const TeacherLesson&) const = default;
};

// The lesson file name of lesson `number`: the assignments refer to lessons by it.
std::string LessonFileName(std::int32_t number);

std::string EncodeLesson(const TeacherLesson& lesson);
// A count beyond 0..100 is taken as the nearest of them.
TeacherLesson DecodeLesson(const char* bytes);

struct Assignment {
    std::int32_t lessonNumber = 0;
    DayNumber availableFrom = 0;
    bool availableAtOnce = false;
    DayNumber availableUntil = 0;  // 0: no end

    bool operator==(const Assignment&) const = default;
};

std::string EncodeAssignment(const Assignment& assignment);
Assignment DecodeAssignment(const char* bytes);

// The whole reply: integer N, N lesson records, integer M, M assignment records.
struct LessonsReply {
    std::vector<TeacherLesson> lessons;    // at most kMaxLessons; further ones are read and left out
    std::vector<Assignment> assignments;   // at most kMaxAssignments, likewise
    bool complete = false;                 // every announced record arrived
};

std::string LessonsReplyBytes(const std::vector<TeacherLesson>& lessons, const std::vector<Assignment>& assignments);

// Reads what arrived before the server closed: the records received whole are kept, the
// counts stay at what was received. A negative count is taken as 0.
LessonsReply ParseLessonsReply(std::string_view bytes);

}  // namespace quillan::classroom
