// The sentence exercise and the curiosity window: setting up and painting the puzzle of the
// longest sentence of the demo course (and of a sentence of 199 words, the most a sentence of the
// course held), laying out and painting the curiosity page (the demo's longest, and a text of
// 1000 words), and checking a dictation answer against four wordings with a full contraction
// table.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "app/program.h"
#include "course/contractions.h"
#include "course/sentences.h"
#include "exercises/reading/curiosity.h"
#include "exercises/reading/curiosity_window.h"
#include "exercises/sentences/dictation.h"
#include "exercises/sentences/puzzle.h"
#include "exercises/sentences/puzzle_box.h"
#include "platform/cp1250.h"
#include "platform/files.h"
#include "platform/line_reader.h"
#include "platform/random.h"

namespace {

using namespace quillan;

// A file of the demo course's sources, in the program's encoding.
std::string DemoFile(const std::string& name) {
    return Utf8ToCp1250(ReadWholeFile(std::string(QUILLAN_SOURCE_DIR) + "/demo/files/" + name));
}

std::string LongestDemoSentence() {
    LineReader reader(DemoFile("zda_rozum.txt"));
    std::string longest;
    while (!reader.Eof()) {
        const std::string line = reader.ReadLine();
        if (line.size() < 17) continue;
        const Sentence sentence = ParseSentenceLine(line);
        if (PuzzleBoard::SplitWords(sentence.Variant1).size() > PuzzleBoard::SplitWords(longest).size())
            longest = sentence.Variant1;
    }
    return longest;
}

std::string ManyWords(int count) {
    static const char* const words[] = {"We", "would", "like", "to", "discuss", "the", "terms", "of", "delivery."};
    std::string text;
    for (int i = 0; i < count; ++i) text += std::string(i ? " " : "") + words[i % 9];
    return text;
}

// Setting the puzzle up (splitting, shuffling), laying its words out and painting them into the
// paint box, as the window does when a sentence comes.
void PuzzleSetUpAndPaint(benchmark::State& state) {
    const std::string sentence = state.range(0) == 0 ? LongestDemoSentence() : ManyWords(static_cast<int>(state.range(0)));
    state.SetLabel(std::to_string(PuzzleBoard::SplitWords(sentence).size()) + " words");
    const QFont font = PuzzleFont();
    SystemRandom random;
    QImage box(PuzzleBoard::kWidth, PuzzleBoard::kHeight * 4, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        PuzzleBoard board;
        board.SetUp(sentence, random);
        const PuzzleMetrics metrics = MetricsOf(font);
        board.LayOut(metrics.width, metrics.lineHeight);
        box.fill(Qt::transparent);
        QPainter painter(&box);
        PaintPuzzle(painter, board, font);
    }
}
BENCHMARK(PuzzleSetUpAndPaint)->Arg(0)->Arg(199)->Unit(benchmark::kMicrosecond);

std::vector<std::string> LongestDemoCuriosity() {
    std::vector<std::string> longest;
    for (int number = 1; number <= 20; ++number) {
        LineReader reader(DemoFile("kurs.fre"));
        std::vector<std::string> words = ReadCuriositySection(reader, number);
        if (words.size() > longest.size()) longest = std::move(words);
    }
    return longest;
}

// Opening the curiosity's text and its first painting (which measures it) into the text area.
void CuriosityPaint(benchmark::State& state) {
    std::vector<std::string> tokens = LongestDemoCuriosity();
    if (state.range(0) > 0) {
        tokens.clear();
        for (int i = 0; i < state.range(0); ++i) tokens.push_back(i % 40 == 39 ? "<BR>" : i % 17 == 0 ? "<B>" : i % 17 == 3 ? "</B>" : "business");
    }
    state.SetLabel(std::to_string(tokens.size()) + " words");
    QImage area(CuriosityText::kWidth, CuriosityText::kHeight, QImage::Format_ARGB32_Premultiplied);
    CuriosityText text;
    for (auto _ : state) {
        text.Open(tokens);
        area.fill(Qt::white);
        QPainter painter(&area);
        PaintCuriosity(painter, text);
    }
}
BENCHMARK(CuriosityPaint)->Arg(0)->Arg(1000)->Unit(benchmark::kMicrosecond);

// A wrong answer (every wording and every short form is tried) and a right one that matches
// only with short forms, against four wordings full of long forms.
void DictationCheck(benchmark::State& state) {
    ContractionTable table;
    LineReader reader(DemoFile("ss_r.t"));
    while (!reader.Eof())
        if (auto pair = ParseContractionLine(reader.ReadLine())) table.push_back(*pair);
    while (table.size() < kContractionLimit) table.push_back({" could not have", " couldn't have"});
    const std::vector<std::string> wordings = {
        "I am afraid that it is not what we have ordered, and we do not want it.",
        "I am afraid it is not what we have ordered and we do not want it.",
        "I am afraid that this is not what we ordered, and we do not want it.",
        "I am afraid this is not what we ordered and we do not want it.",
    };
    const std::string answer = state.range(0) == 0 ? "I'm afraid it's not what we ordred and we don't want it."
                                                    : "I'm afraid this isn't what we ordered and we do not want it";
    bool right = false;
    for (auto _ : state) {
        right = DictationAccepts(answer, wordings, table, false);
        benchmark::DoNotOptimize(right);
    }
    state.SetLabel(right ? "right" : "wrong");
}
BENCHMARK(DictationCheck)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    using namespace quillan;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SetUpFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
