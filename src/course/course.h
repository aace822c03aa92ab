#pragma once

#include <string>
#include <string_view>

#include "course/catalog.h"
#include "course/course_texts.h"
#include "course/language_tables.h"
#include "course/reference_tables.h"
#include "course/sentence_sets.h"
#include "course/sentences.h"
#include "course/text_exercises.h"
#include "course/dialogue_data.h"
#include "course/contractions.h"
#include "text/numbered_texts.h"

namespace quillan {

// Every table of the course data files, loaded once at start and read-only afterwards
// (the interface-language tables are reloaded when the language changes). Each table is
// 1-based in the course's terms: entry n is element n - 1.
struct Course {
    InterfaceTexts interfaceTexts;        // "infa_r.txt" of LangDir
    DisplayNames displayNames;            // "nazwy_r.txt" of LangDir
    Sections sections;                    // "gra.txt" of LangDir
    ContractionTable contractions;        // "ss_r.t"
    CourseTexts texts;                    // "rozumienie_a.txt"
    Sentences sentences;                  // "zda_rozum.txt"
    Packages packages;                    // built from the sentences
    Catalog catalog;                      // "kurs_cwicz.vrk" and "kurs_cwicz2.vrk"
    ComprehensionSentences comprehension; // "rozum_pig.txt"
    RecordingSentences recording;         // "kurs.zdn"
    DragDropSentences dragDrop;           // "kurs.zdd"
    Letters letters;                      // "Listy_r\index.txt"
    Glossary glossary;                    // "slowniczek.txt"
    TextExerciseList textExercises;       // "St_a.txt"
    OpenTasks openTasks;                  // "otwarte.txt"
    Dialogues dialogues;                  // "dialogi.txt"
};

// The text shown for a stored exercise title (see DisplayName in language_tables.h).
inline std::string DisplayName(const Course& course, std::string_view title) {
    return DisplayName(title, course.displayNames, course.sections);
}

}  // namespace quillan
