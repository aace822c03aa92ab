// Reading the content of each text exercise at the largest size its window holds, and, for
// comparison, preparing and checking the exercise on that content.

// GCC 12 warns wrongly about "text" + std::string (its bug 105329).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include <benchmark/benchmark.h>

#include <string>

#include "course/marked_text.h"
#include "exercises/texts/catalog_gap_sentences.h"
#include "exercises/texts/definitions.h"
#include "exercises/texts/drag_drop_table.h"
#include "exercises/texts/gap_text.h"
#include "exercises/texts/multiple_choice.h"
#include "exercises/texts/ordering_list.h"
#include "exercises/texts/pair_matching.h"
#include "exercises/texts/true_false.h"
#include "exercises/texts/typing_gaps.h"

namespace {

using namespace quillan;

std::string N(int n) { return std::to_string(n); }

// 10 questions of a question and four answers.
std::string MultipleChoiceContent() {
    std::string s;
    for (int q = 1; q <= kMcQuestionLimit; ++q)
        s += "Which sentence about the meeting number " + N(q) + " is right?=It starts at nine.=T_It starts at ten o'clock."
             "=It is cancelled.=It is on Friday.#";
    return s;
}

std::string TrueFalseContent() {
    std::string s = "Prawda#True#True#Fa\xB3sz#False#False#";
    for (int i = 1; i <= kTfStatementLimit; ++i) s += (i % 2 ? "T_" : "") + std::string("The delivery number ") + N(i) + " arrives on time.#";
    return s;
}

// 1400 items, every one a gap, on lines of twenty.
std::string TypingFile() {
    std::string s = "Width : 80\r\nGlossary:  yes\r\nBlank gaps1\r\n";
    for (int line = 0; line < kTypingItemLimit / 20; ++line) {
        for (int i = 0; i < 20; ++i) s += "&look+after\\take+care+of ";
        s += "\r\n";
    }
    return s;
}

std::string DefinitionsContent() {
    std::string s;
    for (int i = 1; i <= kDfEntryLimit; ++i) s += "term " + N(i) + "*a rather long definition of the business term number " + N(i) + "#";
    return s;
}

// 40 words in 8 columns of 19 rows.
std::string DragDropContent() {
    std::string s = "8#19#";
    for (int c = 1; c <= kDdColumnLimit; ++c) s += "Heading " + N(c) + "#";
    for (int i = 0; i < kDdWordLimit; ++i) s += "business word " + N(i) + "*" + N(i % kDdColumnLimit + 1) + "#";
    return s;
}

std::string OrderingContent() {
    std::string s;
    for (int i = kDvItemLimit; i >= 1; --i) s += "Step number " + N(i) + " of the negotiation*" + N(i) + "#";
    return s;
}

std::string PairContent() {
    std::string s;
    for (int i = 1; i <= kHhPairLimit; ++i) s += "left phrase " + N(i) + "*right phrase " + N(i) + "#";
    return s;
}

// 20 sentences with a gap each.
std::string GapTextContent() {
    std::string s;
    for (int i = 1; i <= kGapLimit; ++i) s += "[PL] Sentence " + N(i) + " [/PL] We <have+to> postpone the next meeting.=";
    return s;
}

// The full table of 2000 gap sentences and an entry listing ten of them, the last ones.
struct CatalogFixture {
    DragDropSentences table;
    CatalogEntry entry;
    CatalogFixture() {
        entry.Code = "0001600101";
        for (int i = 0; i < 2000; ++i) {
            const std::string id = std::string(5 - N(1000 + i).size(), '0') + N(1000 + i);
            table.push_back(DragDropSentence{id, "We <have+to> postpone the next <meeting>. Really", "Musimy."});
        }
        for (int i = 0; i < kCatalogSentenceLimit; ++i) entry.Line4 += table[table.size() - 1 - static_cast<size_t>(i)].Id + "=";
    }
};

template <class Parse>
void Parsing(benchmark::State& state, const std::string& content, Parse parse) {
    for (auto _ : state) {
        Problems problems;
        benchmark::DoNotOptimize(parse(content, problems));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(content.size()));
}

void BM_ParseMultipleChoice(benchmark::State& state) {
    Parsing(state, MultipleChoiceContent(), [](const std::string& c, Problems& p) { return ParseMultipleChoice(c, p); });
}
void BM_ParseTrueFalse(benchmark::State& state) {
    Parsing(state, TrueFalseContent(), [](const std::string& c, Problems& p) { return ParseTrueFalse(c, p); });
}
void BM_ReadTypingFile(benchmark::State& state) {
    Parsing(state, TypingFile(), [](const std::string& c, Problems& p) {
        LineReader reader(c, "Wpisywania\\bench.fcs");
        return ReadTypingFile(reader, p);
    });
}
void BM_ParseDefinitions(benchmark::State& state) {
    Parsing(state, DefinitionsContent(), [](const std::string& c, Problems& p) { return ParseDefinitions(c, p); });
}
void BM_ParseDragDropTable(benchmark::State& state) {
    Parsing(state, DragDropContent(), [](const std::string& c, Problems& p) { return ParseDragDropTable(c, p); });
}
void BM_ParseOrderingList(benchmark::State& state) {
    Parsing(state, OrderingContent(), [](const std::string& c, Problems& p) { return ParseOrderingList(c, p); });
}
void BM_ParsePairMatching(benchmark::State& state) {
    Parsing(state, PairContent(), [](const std::string& c, Problems& p) { return ParsePairMatching(c, p); });
}
void BM_ParseGapText(benchmark::State& state) {
    Parsing(state, GapTextContent(), [](const std::string& c, Problems& p) { return ParseGapText(c, p); });
}
void BM_BuildCatalogGapSentences(benchmark::State& state) {
    const CatalogFixture fixture;
    for (auto _ : state) {
        Problems problems;
        benchmark::DoNotOptimize(BuildCatalogGapSentences(fixture.entry, fixture.table, problems));
    }
}

// Prepare (with its shuffle) and check on the largest content: the work of "again" and the check.
void BM_TypingPrepareAndCheck(benchmark::State& state) {
    Problems problems;
    LineReader reader(TypingFile(), "Wpisywania\\bench.fcs");
    const TypingContent content = ReadTypingFile(reader, problems);
    TypingGaps model;
    for (auto _ : state) {
        model.Prepare(content);
        model.Check("", false);
        benchmark::DoNotOptimize(model.Percent());
    }
}

void BM_DragDropPrepareAndCheck(benchmark::State& state) {
    Problems problems;
    const DdContent content = ParseDragDropTable(DragDropContent(), problems);
    SystemRandom random;
    DragDropTable model(random);
    for (auto _ : state) {
        model.Prepare(content);
        model.Check();
        benchmark::DoNotOptimize(model.Percent());
    }
}

void BM_LayOutInstruction(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < 20; ++i) text += "<B> Read </B> the text and <I> choose </I> the right answer to each question. <BR> ";
    for (auto _ : state)
        benchmark::DoNotOptimize(LayOutMarkedText(text, 815, [](std::string_view t, const TextStyle& s) { return static_cast<int>(t.size()) * (s.Bold ? 9 : 8); }));
}

}  // namespace

BENCHMARK(BM_ParseMultipleChoice);
BENCHMARK(BM_ParseTrueFalse);
BENCHMARK(BM_ReadTypingFile);
BENCHMARK(BM_ParseDefinitions);
BENCHMARK(BM_ParseDragDropTable);
BENCHMARK(BM_ParseOrderingList);
BENCHMARK(BM_ParsePairMatching);
BENCHMARK(BM_ParseGapText);
BENCHMARK(BM_BuildCatalogGapSentences);
BENCHMARK(BM_TypingPrepareAndCheck);
BENCHMARK(BM_DragDropPrepareAndCheck);
BENCHMARK(BM_LayOutInstruction);
