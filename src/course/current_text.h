#pragma once

#include <array>
#include <string>
#include <vector>

#include "course/course.h"
#include "course/text_exercises.h"
#include "platform/messages.h"

namespace quillan {

// What of the learner's settings and sign-in decides how text exercises open.
struct TextOpeningSettings {
    bool TypingAfterOthers = false;      // a typing exercise opens only after the text's others
    bool ShowTipOnce = false;            // show the tip with the first exercise; switched off then
    bool ClassroomTypingLocked = false;  // classroom work whose login did not allow typing exercises
};

// The exercise windows of the text-exercise family, as the opening logic drives them.
class TextExerciseWindows {
public:
    virtual ~TextExerciseWindows() = default;
    virtual void StopMedia() = 0;
    virtual void Close(TextExerciseWindow window) = 0;
    // The window prepares the exercise of text-exercise list entry `entry` and shows itself.
    virtual void Prepare(TextExerciseWindow window, int entry) = 0;
    // Runs the window's show handler once more (a window already visible does not run it by
    // being shown again).
    virtual void RunShowHandler(TextExerciseWindow window) = 0;
};

// The open course text and the exercise of it that is shown. A text's exercises are the
// entries of the text-exercise list whose header names the text, in list order; the exercise
// chart opens a text at one position, and the exercise windows switch positions with their tabs.
class CurrentText {
public:
    static constexpr int kPositions = 8;  // as many as the exercise windows have tabs
    static constexpr int kNoPosition = 999;

    CurrentText(const Course& course, std::string programDir, TextExerciseWindows& windows, Messages& messages,
                TextOpeningSettings& settings);

    // Makes text `textNumber` the open text and shows its exercise `position`. `tableKeys` are
    // the Key bytes of the learner's "tek_" + textNumber records, in table order.
    void OpenText(int textNumber, int position, const std::vector<int>& tableKeys);
    // Shows exercise `position` (1-based) of the open text. Does nothing for a position the text
    // does not have or the one already shown; a locked typing exercise shows interface text 84.
    void OpenTextExercise(int position);
    // Prepares and shows the window of text-exercise list entry `entry`.
    void ShowTextExercise(int entry);

    int ExerciseCount() const { return static_cast<int>(entries_.size()); }
    int ExerciseEntry(int position) const { return entries_.at(static_cast<size_t>(position) - 1); }
    int ExerciseKey(int position) const;  // 0 when the table gave no key for the position
    bool Visited(int position) const;
    int CurrentPosition() const { return currentPosition_; }
    int CurrentEntry() const { return currentEntry_; }
    const LayoutValues& Layout() const { return layout_; }
    TextExerciseWindow CurrentExerciseWindow() const { return currentWindow_; }
    // 1 video ("Teksty_mpg_r\" + text + ".mpg"), 3 page ("Teksty_htm_r\" + text + ".htm"), else 2 sound.
    int MediaKind() const { return mediaKind_; }
    // Milliseconds: [0] is 0 when a header of the text holds five "#" or more (-1 otherwise),
    // [1..3] its fields 8 to 10 in milliseconds, -1 when empty.
    const std::array<int, 4>& BookmarkTimes() const { return bookmarks_; }

private:
    int VisitedCount() const;

    const Course& course_;
    std::string programDir_;
    TextExerciseWindows& windows_;
    Messages& messages_;
    TextOpeningSettings& settings_;

    std::vector<int> entries_;
    std::vector<int> keys_;
    std::array<bool, kPositions> visited_{};
    int currentPosition_ = kNoPosition;
    int currentEntry_ = 0;
    LayoutValues layout_{};
    TextExerciseWindow currentWindow_ = TextExerciseWindow::None;
    int mediaKind_ = 2;
    std::array<int, 4> bookmarks_{-1, -1, -1, -1};
};

}  // namespace quillan
