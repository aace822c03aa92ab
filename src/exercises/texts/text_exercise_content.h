#pragma once

#include <optional>
#include <string>
#include <variant>

#include "course/course.h"
#include "exercises/texts/catalog_gap_sentences.h"
#include "exercises/texts/definitions.h"
#include "exercises/texts/drag_drop_table.h"
#include "exercises/texts/gap_text.h"
#include "exercises/texts/multiple_choice.h"
#include "exercises/texts/ordering_list.h"
#include "exercises/texts/pair_matching.h"
#include "exercises/texts/true_false.h"
#include "exercises/texts/typing_gaps.h"

namespace quillan {

// The content of one entry of the text-exercise list, read by the parser of its window. A
// typing exercise whose file is missing holds its file name and nothing else.
struct MissingTypingFile {
    std::string FileName;
};
using TextExerciseContent = std::variant<std::monostate, McContent, TfContent, TypingContent, MissingTypingFile, DfContent,
                                         DdContent, DvContent, HhContent, GapTokenList>;

// The place of an entry's type line in the list file `listFile` ("St_a.txt").
ContentPlace TypeLinePlace(const TextExercise& exercise, const std::string& listFile);

// Reads the content of `exercise` as its window does (a typing exercise's file from
// `programDir`); problems are noted at `place`. An unknown type code gives std::monostate and a
// problem.
TextExerciseContent ReadTextExerciseContent(const TextExercise& exercise, const std::string& programDir, Problems& problems,
                                            const ContentPlace& place);

// Checks the content of every text exercise of the list and of every gap-sentence exercise of
// the catalog, noting each problem with its file and line: the numbers of an entry's header
// and layout line and its type line in `listFile`, a typing exercise's file, the identifier
// line of a catalog entry.
void CheckTextExerciseContents(const Course& course, const std::string& programDir, const std::string& listFile,
                               Problems& problems);

}  // namespace quillan
