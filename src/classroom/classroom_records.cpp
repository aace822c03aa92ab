#include "classroom/classroom_records.h"

#include <algorithm>

#include "classroom/protocol.h"
#include "progress/record_bytes.h"

namespace quillan::classroom {
namespace {

using namespace record_bytes;

// User record.
constexpr size_t kUserName = 0, kUserNameCapacity = 100, kWholeCourse = 115;

// Lesson record.
constexpr size_t kFileName = 0, kFileNameCapacity = 30, kName = 31, kCount = 224, kReferences = 228,
                 kExerciseNames = 628, kFurtherNames = 10728;
constexpr size_t kNameWidth = kLessonExerciseNameCapacity + 1;

// Assignment record.
constexpr size_t kLessonNumber = 0, kFrom = 4, kAtOnce = 12, kUntil = 16;

}  // namespace

std::string EncodeUserRecord(std::string_view name, bool wholeCourse) {
    std::string bytes(kUserRecordSize, '\0');
    PutString(bytes.data(), kUserName, kUserNameCapacity, name);
    PutU8(bytes.data(), kWholeCourse, wholeCourse ? 1 : 0);
    return bytes;
}

bool WholeCourseAllowed(std::string_view userRecord) {
    return userRecord.size() > kWholeCourse && userRecord[kWholeCourse] != 0;
}

std::string LessonFileName(std::int32_t number) { return std::to_string(number) + ".fcs"; }

std::string EncodeLesson(const TeacherLesson& lesson) {
    std::string bytes(kLessonRecordSize, '\0');
    char* out = bytes.data();
    PutString(out, kFileName, kFileNameCapacity, lesson.fileName);
    PutString(out, kName, kLessonNameCapacity, lesson.name);
    const size_t count = std::min(lesson.exercises.size(), kMaxLessonExercises);
    PutI32(out, kCount, static_cast<std::int32_t>(count));
    for (size_t k = 0; k < count; ++k) {
        PutI32(out, kReferences + 4 * k, lesson.exercises[k].reference);
        PutString(out, kExerciseNames + kNameWidth * k, kLessonExerciseNameCapacity, lesson.exercises[k].name);
    }
    return bytes;
}

TeacherLesson DecodeLesson(const char* in) {
    TeacherLesson lesson;
    lesson.fileName = GetString(in, kFileName, kFileNameCapacity);
    lesson.name = GetString(in, kName, kLessonNameCapacity);
    const std::int32_t count = std::clamp<std::int32_t>(GetI32(in, kCount), 0, kMaxLessonExercises);
    for (std::int32_t k = 0; k < count; ++k)
        lesson.exercises.push_back({GetI32(in, kReferences + 4 * k),
                                    GetString(in, kExerciseNames + kNameWidth * k, kLessonExerciseNameCapacity)});
    static_assert(kFurtherNames + kMaxLessonExercises * kNameWidth == kLessonRecordSize);
    return lesson;
}

std::string EncodeAssignment(const Assignment& a) {
    std::string bytes(kAssignmentRecordSize, '\0');
    PutI32(bytes.data(), kLessonNumber, a.lessonNumber);
    PutF64(bytes.data(), kFrom, a.availableFrom);
    PutU8(bytes.data(), kAtOnce, a.availableAtOnce ? 1 : 0);
    PutF64(bytes.data(), kUntil, a.availableUntil);
    return bytes;
}

Assignment DecodeAssignment(const char* in) {
    return {GetI32(in, kLessonNumber), GetF64(in, kFrom), GetU8(in, kAtOnce) != 0, GetF64(in, kUntil)};
}

std::string LessonsReplyBytes(const std::vector<TeacherLesson>& lessons, const std::vector<Assignment>& assignments) {
    std::string bytes = BigEndianInt(static_cast<std::int32_t>(lessons.size()));
    for (const TeacherLesson& lesson : lessons) bytes += EncodeLesson(lesson);
    bytes += BigEndianInt(static_cast<std::int32_t>(assignments.size()));
    for (const Assignment& assignment : assignments) bytes += EncodeAssignment(assignment);
    return bytes;
}

LessonsReply ParseLessonsReply(std::string_view bytes) {
    LessonsReply reply;
    size_t at = 0;
    // Reads a count and then up to that many records while they arrive whole; false when the
    // bytes ended before the last one.
    auto block = [&](size_t recordSize, size_t capacity, auto keep) {
        if (bytes.size() - at < 4) return false;
        const std::int32_t count = std::max<std::int32_t>(ReadBigEndianInt(bytes.data() + at), 0);
        at += 4;
        for (std::int32_t i = 0; i < count; ++i) {
            if (bytes.size() - at < recordSize) return false;
            if (static_cast<size_t>(i) < capacity) keep(bytes.data() + at);
            at += recordSize;
        }
        return true;
    };
    reply.complete =
        block(kLessonRecordSize, kMaxLessons, [&](const char* r) { reply.lessons.push_back(DecodeLesson(r)); }) &&
        block(kAssignmentRecordSize, kMaxAssignments,
              [&](const char* r) { reply.assignments.push_back(DecodeAssignment(r)); });
    return reply;
}

}  // namespace quillan::classroom
