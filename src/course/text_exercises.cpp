#include "course/text_exercises.h"

#include "course/data_file.h"
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

LayoutValues ParseLayout(std::string_view layoutLine) {
    LayoutValues values;
    FieldCursor fields(layoutLine);
    for (int& value : values) {
        // Empty or "0" asks for the window's own value; "00" is a real 0.
        const std::string_view field = TrimView(fields.Take('='));
        value = field.empty() || field == "0" ? -1 : IntOfTrimmed(field);
    }
    return values;
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
