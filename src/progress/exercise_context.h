#pragma once

#include <string>

namespace quillan {

// The exercise being worked: set by the exercise chart when the learner clicks a line, read by
// the exercise windows, which report their result under CurrentExerciseId.
struct ExerciseContext {
    std::string CurrentExerciseId;  // the record's Id
    int Kind = 0;                   // the record's Kind
    int Key = 0;                    // the record's Key
    std::string Title;              // the record's Title as stored
    int Position = 1;               // the line's position in its package (1 outside packages): the
                                    // text position of a text exercise
    int RequestedStage = 1;         // the stage the vocabulary trainer opens at (its line's position)
    int DialogueVariant = 1;        // the dialogue variant 1..5 (its line's kind - 69)
    std::string LessonName;         // the name of the exercise's lesson, for printouts
};

}  // namespace quillan
