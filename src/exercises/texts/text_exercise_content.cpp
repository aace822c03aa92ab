#include "exercises/texts/text_exercise_content.h"

#include "text/text_utils.h"

namespace quillan {

ContentPlace TypeLinePlace(const TextExercise& exercise, const std::string& listFile) {
    return ContentPlace{listFile, exercise.Line > 0 ? exercise.Line + 1 : 0};
}

TextExerciseContent ReadTextExerciseContent(const TextExercise& exercise, const std::string& programDir, Problems& problems,
                                            const ContentPlace& place) {
    const std::string code = TypeCode(exercise);
    const TextExerciseType* type = FindTextExerciseType(code);
    if (!type) {
        NoteProblem(problems, place, "the type code \"" + code + "\" is none of MC, TF, DD, HH, WP, DF, DV, ZDD");
        return std::monostate();
    }
    const std::string_view content = TypeLineContent(exercise.TypeLine);
    switch (type->Window) {
        case TextExerciseWindow::MultipleChoice: return ParseMultipleChoice(content, problems, place);
        case TextExerciseWindow::TrueFalse: return ParseTrueFalse(content, problems, place);
        case TextExerciseWindow::Typing:
            if (auto typing = LoadTypingExercise(programDir, content, problems, place)) return std::move(*typing);
            return MissingTypingFile{TypingFileName(content)};
        case TextExerciseWindow::Definitions: return ParseDefinitions(content, problems, place);
        case TextExerciseWindow::DragDropTable: return ParseDragDropTable(content, problems, place);
        case TextExerciseWindow::DragDropVariant: return ParseOrderingList(content, problems, place);
        case TextExerciseWindow::ExerciseH: return ParsePairMatching(content, problems, place);
        case TextExerciseWindow::GapTexts: return ParseGapText(content, problems, place);
        case TextExerciseWindow::None: break;
    }
    return std::monostate();
}

void CheckTextExerciseContents(const Course& course, const std::string& programDir, const std::string& listFile,
                               Problems& problems) {
    for (const TextExercise& exercise : course.textExercises) {
        CheckTextExerciseNumbers(exercise, listFile, problems);
        ReadTextExerciseContent(exercise, programDir, problems, TypeLinePlace(exercise, listFile));
    }
    for (const CatalogEntry& entry : course.catalog)
        if (IsCatalogGapSentences(entry))
            BuildCatalogGapSentences(entry, course.dragDrop, problems, ContentPlace{entry.File, entry.Line > 0 ? entry.Line + 3 : 0});
}

}  // namespace quillan
