// One libFuzzer target per course-file reader, chosen by QUILLAN_FUZZ_TARGET. Each reader must
// read any bytes by its rules or stop with an error naming the file and line; the checks below
// also hold every table to its size.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "course/catalog.h"
#include "course/course_texts.h"
#include "course/data_errors.h"
#include "course/language_tables.h"
#include "course/reference_tables.h"
#include "course/sentence_sets.h"
#include "course/sentences.h"
#include "course/text_exercises.h"
#include "course/dialogue_data.h"
#include "course/contractions.h"
#include "text/answer_text.h"
#include "exercises/vocab/word_list.h"
#include "fuzz_target.h"

namespace {

using namespace quillan;
using fuzz::Require;

LineReader Reader(std::string_view data) { return LineReader(std::string(data), "fuzz.txt"); }

template <class Table, class Read>
void ReadLimited(std::string_view data, size_t limit, Read read) {
    LineReader reader = Reader(data);
    Table table;
    Problems problems;
    read(reader, table, problems);
    Require(table.size() <= limit);
    for (const Problem& problem : problems.List()) Require(problem.File == "fuzz.txt" && problem.Line >= 1);
}

void Sentences_(std::string_view data) {
    LineReader reader = Reader(data);
    Sentences sentences;
    Problems problems;
    try {
        ReadSentences(reader, sentences, problems);
    } catch (const DataLineError&) {
    }
    Require(sentences.size() <= kSentenceLimit);
    const Packages packages = BuildPackages(sentences, "fuzz.txt", problems);
    Require(packages.size() <= kPackageLimit);
    for (const Package& package : packages) {
        Require(static_cast<size_t>(package.SentenceCount) == package.Sentences.size());
        for (int n : package.Sentences) Require(n >= 1 && static_cast<size_t>(n) <= sentences.size());
    }
}

void TextExercises(std::string_view data) {
    LineReader reader = Reader(data);
    TextExerciseList list;
    Problems problems;
    ReadTextExerciseList(reader, list, problems);
    Require(list.size() <= kTextExerciseLimit);
    for (const TextExercise& exercise : list) {
        FindTextExerciseType(TypeCode(exercise));
        try {
            ParseLayout(exercise.LayoutLine);
        } catch (const ConversionError&) {
        }
        try {
            TextNumberOf(exercise);
        } catch (const ConversionError&) {
        }
    }
}

// Every line of the bytes as a title, shown through both ways of looking names up.
void ShowTitles(std::string_view data, const DisplayNames& names, const Sections& sections) {
    const DisplayNameIndex index(names, sections);
    LineReader titles = Reader(data);
    for (int i = 0; i < 50 && !titles.Eof(); ++i) {
        const std::string_view title = titles.ReadLineView();
        Require(index(title) == DisplayName(title, names, sections));
    }
}

void DisplayNames_(std::string_view data) {
    LineReader reader = Reader(data);
    DisplayNames names;
    Problems problems;
    ReadDisplayNames(reader, names, problems);
    Require(names.size() <= kDisplayNameLimit);
    const DisplayNameIndex index(names, {});
    for (size_t i = 0; i < names.size() && i < 50; ++i) {
        const std::string& key = names[i].Key;
        const auto first = std::find_if(names.begin(), names.end(), [&](const DisplayNameEntry& e) { return e.Key == key; });
        Require(DisplayName(key, names, {}) == first->Name && index(key) == first->Name);
    }
    ShowTitles(data, names, {});
}

void Sections_(std::string_view data) {
    LineReader reader = Reader(data);
    Sections sections;
    Problems problems;
    ReadSections(reader, sections, problems);
    Require(sections.size() <= kSectionLimit);
    for (const Section& section : sections) {
        const std::string title = "DZIAL=" + section.SectionCode + "=rest";
        const auto first = std::find_if(sections.begin(), sections.end(),
                                        [&](const Section& s) { return s.SectionCode == section.SectionCode; });
        Require(DisplayName(title, {}, sections) == first->SectionName + " rest");
    }
    ShowTitles(data, {}, sections);
}

void Words(std::string_view data) {
    LineReader reader = Reader(data);
    VocabStore store;
    Problems problems;
    try {
        ReadWordList(reader, store, problems);
    } catch (const DataLineError& error) {
        Require(error.Place().Line >= 11);
    }
    Require(store.Entries.size() <= kVocabEntryLimit && store.ItemCount <= kVocabItemLimit);
    Require(store.ItemIds.size() == static_cast<size_t>(store.ItemCount));
    MapItems(store);
    Require(store.ItemEntries.size() == static_cast<size_t>(store.ItemCount));
    for (int index : store.ItemEntries) {
        Require(index >= 1 && static_cast<size_t>(index) <= store.Entries.size());
        Require(FindEntryById(store, store.Entries[static_cast<size_t>(index) - 1].EntryId) == index);
        EntrySoundPath(store, index, "P\\", "B\\");
    }
}

void Contractions(std::string_view data) {
    // The first line is the sentence, the rest the table.
    const size_t end = data.find('\n');
    const std::string_view sentence = data.substr(0, end);
    LineReader reader = Reader(end == std::string_view::npos ? std::string_view() : data.substr(end + 1));
    ContractionTable table;
    Problems problems;
    ReadContractions(reader, table, problems);
    Require(table.size() <= kContractionLimit);
    const std::vector<std::string> variants = BuildContractionVariants(sentence, table);
    Require(variants.size() <= kContractionVariantLimit);
    for (const std::string& variant : variants) NormalizeSentence(variant);
}

void AnswerText(std::string_view data) {
    const std::string answer = NormalizeAnswer(data);
    Require(NormalizeAnswer(answer) == answer);  // tidying twice changes nothing more
    Require(answer.empty() || (static_cast<unsigned char>(answer.front()) > ' ' && static_cast<unsigned char>(answer.back()) > ' '));
    StripMarkers(data);
    NormalizeSentence(data);
    if (!data.empty()) NormalizeSpacing(data.substr(1), data[0]);
}

const fuzz::Target kTargets[] = {
    {"sentences", Sentences_},
    {"texts", [](std::string_view d) { ReadLimited<CourseTexts>(d, kCourseTextLimit, ReadCourseTexts); }},
    {"comprehension", [](std::string_view d) { ReadLimited<ComprehensionSentences>(d, kComprehensionLimit, ReadComprehensionSentences); }},
    {"recording", [](std::string_view d) { ReadLimited<RecordingSentences>(d, kRecordingLimit, ReadRecordingSentences); }},
    {"dragdrop", [](std::string_view d) { ReadLimited<DragDropSentences>(d, kDragDropLimit, ReadDragDropSentences); }},
    {"letters", [](std::string_view d) { ReadLimited<Letters>(d, kLetterLimit, ReadLetters); }},
    {"open-tasks", [](std::string_view d) { ReadLimited<OpenTasks>(d, kOpenTaskLimit, ReadOpenTasks); }},
    {"glossary", [](std::string_view d) {
         ReadLimited<Glossary>(d, kGlossaryLimit, [](LineReader& r, Glossary& t, Problems&) { ReadGlossary(r, t); });
     }},
    {"ui-texts", [](std::string_view d) { ReadLimited<InterfaceTexts>(d, kInterfaceTextLimit, ReadInterfaceTexts); }},
    {"display-names", DisplayNames_},
    {"sections", Sections_},
    {"catalog", [](std::string_view d) { ReadLimited<Catalog>(d, kCatalogLimit, ReadCatalog); }},
    {"text-exercises", TextExercises},
    {"dialogues", [](std::string_view d) {
         LineReader reader = Reader(d);
         Dialogues dialogues;
         Problems problems;
         try {
             ReadDialogues(reader, dialogues, problems);
         } catch (const DataLineError&) {
         }
         Require(dialogues.size() <= kDialogueLimit);
         for (const Dialogue& dialogue : dialogues) Require(dialogue.Lines.size() <= kDialogueLineLimit);
     }},
    {"contractions", Contractions},
    {"words", Words},
    {"answer-text", AnswerText},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto run = fuzz::Selected(kTargets);
    try {
        run(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const DataLineError& error) {
        // The reader stopped at a number that is no number: it must say where.
        Require(error.Place().File == "fuzz.txt" && error.Place().Line >= 1);
    } catch (const CourseStop& stop) {
        Require(stop.Place().Line == static_cast<int>(kGlossaryLimit) + 1);
    }
    return 0;
}
