#include "course/current_text.h"

#include <algorithm>

#include "platform/paths.h"
#include "text/text_utils.h"

namespace quillan {

CurrentText::CurrentText(const Course& course, std::string programDir, TextExerciseWindows& windows, Messages& messages,
                         TextOpeningSettings& settings)
    : course_(course), programDir_(std::move(programDir)), windows_(windows), messages_(messages), settings_(settings) {
    layout_.fill(-1);
}

void CurrentText::OpenText(int textNumber, int position, const std::vector<int>& tableKeys) {
    bookmarks_.fill(-1);
    entries_.clear();
    const TextExerciseList& list = course_.textExercises;
    for (size_t j = 0; j < list.size(); ++j) {
        const TextExercise& exercise = list[j];
        if (TextNumberOf(exercise) != textNumber) continue;
        const std::string name = TextNumberField(exercise);
        mediaKind_ = FileExists(programDir_ + "Teksty_mpg_r\\" + name + ".mpg")   ? 1
                     : FileExists(programDir_ + "Teksty_htm_r\\" + name + ".htm") ? 3
                                                                                    : 2;
        if (HasMediaTimes(exercise.Header)) {
            bookmarks_[0] = 0;
            for (int field = kFirstMediaTimeField; field < kFirstMediaTimeField + 3; ++field)
                if (const std::optional<int> time = MediaTimeMilliseconds(exercise.Header, field))
                    bookmarks_[static_cast<size_t>(field - kFirstMediaTimeField + 1)] = *time;
        }
        if (entries_.size() < kPositions) entries_.push_back(static_cast<int>(j) + 1);
    }
    keys_.assign(tableKeys.begin(), tableKeys.begin() + static_cast<std::ptrdiff_t>(std::min<size_t>(tableKeys.size(), kPositions)));
    currentWindow_ = TextExerciseWindow::None;
    currentPosition_ = kNoPosition;
    visited_.fill(false);
    OpenTextExercise(position);
}

void CurrentText::OpenTextExercise(int position) {
    if (position < 1 || position > ExerciseCount()) return;
    const int entry = ExerciseEntry(position);
    if (TypeCode(course_.textExercises.at(static_cast<size_t>(entry) - 1)) == "WP") {
        const bool othersFirst = settings_.TypingAfterOthers && VisitedCount() < ExerciseCount() - 1;
        if (othersFirst || settings_.ClassroomTypingLocked) {
            messages_.Show(UiText(course_.interfaceTexts, 84));
            return;
        }
    }
    if (position == currentPosition_) return;
    windows_.StopMedia();
    visited_[static_cast<size_t>(position) - 1] = true;
    if (currentWindow_ != TextExerciseWindow::None) windows_.Close(currentWindow_);
    currentPosition_ = position;
    ShowTextExercise(entry);
}

void CurrentText::ShowTextExercise(int entry) {
    currentEntry_ = entry;
    const TextExercise& exercise = course_.textExercises.at(static_cast<size_t>(entry) - 1);
    layout_ = ParseLayout(exercise.LayoutLine);
    if (const TextExerciseType* type = FindTextExerciseType(TypeCode(exercise))) {
        windows_.Prepare(type->Window, entry);
        if (currentWindow_ == type->Window || currentWindow_ == TextExerciseWindow::None)
            windows_.RunShowHandler(type->Window);
        currentWindow_ = type->Window;
    }
    if (settings_.ShowTipOnce) {
        settings_.ShowTipOnce = false;
        messages_.Show(UiText(course_.interfaceTexts, 63));
    }
}

int CurrentText::ExerciseKey(int position) const {
    return position >= 1 && static_cast<size_t>(position) <= keys_.size() ? keys_[static_cast<size_t>(position) - 1] : 0;
}

bool CurrentText::Visited(int position) const {
    return position >= 1 && position <= kPositions && visited_[static_cast<size_t>(position) - 1];
}

int CurrentText::VisitedCount() const {
    return static_cast<int>(std::count(visited_.begin(), visited_.begin() + ExerciseCount(), true));
}

}  // namespace quillan
