#include "course/text_exercises.h"

#include <algorithm>
#include <climits>
#include <tuple>

#include "course/data_file.h"
#include "platform/errors.h"
#include "text/text_utils.h"

namespace quillan {

namespace {

constexpr TextExerciseType kTypes[] = {
    {"MC", 40, TextExerciseWindow::MultipleChoice}, {"TF", 41, TextExerciseWindow::TrueFalse},
    {"DD", 42, TextExerciseWindow::DragDropTable},  {"HH", 43, TextExerciseWindow::ExerciseH},
    {"WP", 44, TextExerciseWindow::Typing},         {"DF", 45, TextExerciseWindow::Definitions},
    {"DV", 46, TextExerciseWindow::DragDropVariant}, {"ZDD", 47, TextExerciseWindow::GapTexts},
};

}  // namespace

const TextExerciseType* FindTextExerciseType(std::string_view code) {
    for (const TextExerciseType& type : kTypes)
        if (type.Code == code) return &type;
    return nullptr;
}

std::string TypeCode(const TextExercise& exercise) { return std::string(FieldCursor(exercise.TypeLine).Take('#')); }

std::string TextNumberField(const TextExercise& exercise) { return NthHashField(exercise.Header, 2); }

int TextNumberOf(const TextExercise& exercise) { return IntOfTrimmed(TextNumberField(exercise)); }

namespace {

// Calls `each(i, text)` with the text of layout value i (0-based) as the line writes it.
template <typename Each>
void ForEachLayoutText(std::string_view layoutLine, Each each) {
    FieldCursor fields(layoutLine);
    for (size_t i = 0; i < std::tuple_size_v<LayoutValues>; ++i) each(i, fields.Take('='));
}

// Empty or "0" asks for the window's own value; "00" is a real 0.
int LayoutValue(std::string_view text) {
    const std::string_view field = TrimView(text);
    return field.empty() || field == "0" ? -1 : IntOfTrimmed(field);
}

}  // namespace

LayoutValues ParseLayout(std::string_view layoutLine) {
    LayoutValues values;
    ForEachLayoutText(layoutLine, [&values](size_t i, std::string_view text) { values[i] = LayoutValue(text); });
    return values;
}

bool HasMediaTimes(std::string_view header) { return std::count(header.begin(), header.end(), '#') >= 5; }

std::optional<int> MediaTimeMilliseconds(std::string_view header, int field) {
    const std::string seconds = Trim(NthHashField(header, field));
    if (seconds.empty()) return std::nullopt;
    return static_cast<int>(std::clamp<long long>(IntOfTrimmed(seconds) * 1000LL, INT_MIN, INT_MAX));
}

void CheckTextExerciseNumbers(const TextExercise& exercise, const std::string& listFile, Problems& problems) {
    try {
        TextNumberOf(exercise);
    } catch (const ConversionError& error) {
        problems.Add(listFile, exercise.Line, std::string("the text number (header field 2) is no number: ") + error.what());
    }
    for (int field = kFirstMediaTimeField; field < kFirstMediaTimeField + 3 && HasMediaTimes(exercise.Header); ++field) {
        try {
            MediaTimeMilliseconds(exercise.Header, field);
        } catch (const ConversionError& error) {
            problems.Add(listFile, exercise.Line,
                         "header field " + std::to_string(field) + " (a media time in seconds) is no number: " + error.what());
        }
    }
    const int layoutLine = exercise.Line > 0 ? exercise.Line + 2 : 0;
    ForEachLayoutText(exercise.LayoutLine, [&](size_t i, std::string_view text) {
        try {
            LayoutValue(text);
        } catch (const ConversionError& error) {
            problems.Add(listFile, layoutLine, "layout value " + std::to_string(i + 1) + " is no number: " + error.what());
        }
    });
}

void ReadTextExerciseList(LineReader& reader, TextExerciseList& list, Problems& problems) {
    auto skip = [](std::string_view line) { return SlashComment(line) || TrimView(line).empty(); };
    const TableRules rules{"text exercises", kTextExerciseLimit, skip};
    ReadTable(reader, rules, list, problems, [](std::string_view header, LineReader& lines) {
        TextExercise exercise;
        exercise.File = lines.Name();
        exercise.Line = lines.LineNumber();
        exercise.Header = Trim(header);
        exercise.TypeLine = Trim(lines.ReadLineView());
        exercise.LayoutLine = Trim(lines.ReadLineView());
        return exercise;
    });
}

}  // namespace quillan
