// One libFuzzer target per text-exercise parser, chosen by QUILLAN_FUZZ_TARGET. Any content must
// parse into what the window holds (limits kept, no hang), and the model must then take
// prepare, answers and the check without breaking its invariants. The first bytes of the input
// drive the shuffles and the learner's actions; the rest is the content.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "course/marked_text.h"
#include "exercises/texts/catalog_gap_sentences.h"
#include "exercises/texts/definitions.h"
#include "exercises/texts/drag_drop_table.h"
#include "exercises/texts/gap_layout.h"
#include "exercises/texts/gap_text.h"
#include "exercises/texts/multiple_choice.h"
#include "exercises/texts/multiple_choice_layout.h"
#include "exercises/texts/ordering_list.h"
#include "exercises/texts/pair_matching.h"
#include "exercises/texts/true_false.h"
#include "exercises/texts/typing_gaps.h"
#include "exercises/texts/typing_layout.h"

namespace {

using namespace quillan;

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

// Draws from the input's leading bytes, then from a counter.
class ByteRandom : public Random {
public:
    explicit ByteRandom(std::string_view bytes) : bytes_(bytes) {}
    int Below(int range) override {
        if (range < 1) return 0;
        const unsigned value = at_ < bytes_.size() ? static_cast<unsigned char>(bytes_[at_]) : at_ * 7u;
        ++at_;
        return static_cast<int>(value % static_cast<unsigned>(range));
    }
    int Next(int range) { return Below(range); }

private:
    std::string_view bytes_;
    size_t at_ = 0;
};

constexpr size_t kDriveBytes = 16;

int Measure(std::string_view text, const TextStyle& style) { return static_cast<int>(text.size()) * (style.Bold ? 9 : 7); }

struct Input {
    std::string_view drive, content;
};

Input Split(std::string_view data) {
    const size_t n = data.size() < kDriveBytes ? data.size() : kDriveBytes;
    return {data.substr(0, n), data.substr(n)};
}

void CheckPercent(const Attempt& attempt) {
    Require(attempt.Percent() >= 0 && attempt.Percent() <= 100);
    Require(attempt.Evaluated());
}

void MultipleChoice_(std::string_view data) {
    const Input in = Split(data);
    Problems problems;
    const McContent content = ParseMultipleChoice(in.content, problems);
    Require(content.Questions.size() <= static_cast<size_t>(kMcQuestionLimit));
    for (const McQuestion& q : content.Questions) {
        Require(q.Answers.size() <= static_cast<size_t>(kMcAnswerLimit));
        Require(q.Right >= -1 && q.Right < static_cast<int>(q.Answers.size()));
    }
    ByteRandom random(in.drive);
    MultipleChoice model(random);
    model.Prepare(content);
    for (int i = 0; i < 8; ++i) model.Choose(random.Next(12) - 1, random.Next(6) - 1);
    LayOutMultipleChoice(model, 600, random.Next(3), Measure);
    model.Check();
    CheckPercent(model.State());
    Require(model.State().CorrectCount() + model.State().WrongCount() == static_cast<int>(content.Questions.size()));
    const McLayout layout = LayOutMultipleChoice(model, 600, 0, Measure);
    for (const McAnswerPlace& a : layout.Answers) Require(McAnswerAt(layout, a.X1, a.Y1).first >= 0);
}

void TrueFalse_(std::string_view data) {
    const Input in = Split(data);
    Problems problems;
    const TfContent content = ParseTrueFalse(in.content, problems);
    Require(content.Statements.size() <= static_cast<size_t>(kTfStatementLimit));
    ByteRandom random(in.drive);
    TrueFalse model(random);
    model.Prepare(content, random.Next(4));
    for (int i = 0; i < 8; ++i) model.Tick(random.Next(20) - 1, random.Next(2) == 0);
    model.Check();
    CheckPercent(model.State());
}

void TypingGaps_(std::string_view data) {
    const Input in = Split(data);
    Problems problems;
    LineReader reader{std::string(in.content), "fuzz.fcs"};
    const TypingContent content = ReadTypingFile(reader, problems);
    Require(content.Items.size() <= static_cast<size_t>(kTypingItemLimit));
    Require(content.Gaps.size() <= static_cast<size_t>(kTypingGapLimit));
    for (const TypingGap& gap : content.Gaps)
        Require(gap.Item >= 0 && static_cast<size_t>(gap.Item) < content.Items.size() &&
                content.Items[static_cast<size_t>(gap.Item)].Kind == TypingItemKind::Gap);
    for (const Problem& problem : problems.List()) Require(problem.File == "fuzz.fcs" && problem.Line >= 0);
    ByteRandom random(in.drive);
    TypingGaps model;
    model.Prepare(content);
    for (int i = 0; i < 6; ++i) {
        model.OpenGap(random.Next(8) - 1, std::string(in.drive.substr(0, static_cast<size_t>(random.Next(8)))));
        model.EditChanged();
        model.NextGap();
    }
    const TypingLayout before = LayOutTyping(model, 600, random.Next(3), Measure);
    Require(before.ItemBoxes.size() == content.Items.size());
    TypingGapAt(before, model, random.Next(600), random.Next(400));
    model.Check(in.drive, random.Next(2) == 0);
    // A text without gaps has nothing to check.
    if (content.Gaps.empty())
        Require(!model.State().Evaluated() && model.State().Percent() == 0);
    else
        CheckPercent(model.State());
    const TypingLayout after = LayOutTyping(model, 600, 0, Measure);
    TypingWrongMarkAt(after, model, random.Next(600), random.Next(400));
    TypingMaxScroll(after, 575);
    for (int g = 0; g < static_cast<int>(content.Gaps.size()); ++g) model.GapHint(g);
    model.PrintText();
}

void Definitions_(std::string_view data) {
    const Input in = Split(data);
    Problems problems;
    const DfContent content = ParseDefinitions(in.content, problems);
    Require(content.Entries.size() <= static_cast<size_t>(kDfEntryLimit));
    ByteRandom random(in.drive);
    Definitions model(random);
    model.Prepare(content);
    for (int i = 0; i < 12; ++i) {
        const int label = random.Next(14) - 1;
        if (model.StartDrag(label)) model.Drop(label, random.Next(14) - 1);
    }
    // A slot holds at most one label and the two views agree.
    for (size_t s = 0; s < model.Slots().size(); ++s)
        if (model.Slots()[s].Label >= 0) Require(model.Labels()[static_cast<size_t>(model.Slots()[s].Label)].Slot == static_cast<int>(s));
    model.Check();
    CheckPercent(model.State());
}

void DragDropTable_(std::string_view data) {
    const Input in = Split(data);
    Problems problems;
    const DdContent content = ParseDragDropTable(in.content, problems);
    Require(content.Columns.size() <= static_cast<size_t>(kDdColumnLimit));
    Require(content.Rows >= 0 && content.Rows <= kDdRowLimit);
    Require(content.Words.size() <= static_cast<size_t>(kDdWordLimit));
    for (const DdWord& w : content.Words) Require(w.Column >= 0 && w.Column <= static_cast<int>(content.Columns.size()));
    ByteRandom random(in.drive);
    DragDropTable model(random);
    model.Prepare(content);
    for (int i = 0; i < 20; ++i) {
        const int label = random.Next(42) - 1;
        if (model.StartDrag(label)) model.Drop(label, random.Next(10) - 1);
    }
    model.Check();
    CheckPercent(model.State());
    for (size_t i = 0; i < model.Labels().size(); ++i) {
        const DdLabel& l = model.Labels()[i];
        if (l.Column > 0) Require(model.CellLabel(l.Column, l.Row) == static_cast<int>(i));
    }
}

void OrderingList_(std::string_view data) {
    const Input in = Split(data);
    Problems problems;
    const DvContent content = ParseOrderingList(in.content, problems);
    Require(content.Items.size() <= static_cast<size_t>(kDvItemLimit));
    ByteRandom random(in.drive);
    OrderingList model(random);
    model.Prepare(content);
    for (int i = 0; i < 10; ++i) {
        const int label = random.Next(16) - 1;
        if (model.StartDrag(label)) model.Drop(label, random.Next(17) - 1);
        // The list stays a permutation.
        for (int r = 1; r <= static_cast<int>(model.Labels().size()); ++r)
            Require(model.Labels()[static_cast<size_t>(model.RowLabel(r))].Row == r);
    }
    model.Check();
    CheckPercent(model.State());
}

void PairMatching_(std::string_view data) {
    const Input in = Split(data);
    Problems problems;
    const HhContent content = ParsePairMatching(in.content, problems);
    Require(content.Pairs.size() <= static_cast<size_t>(kHhPairLimit));
    ByteRandom random(in.drive);
    PairMatching model(random);
    model.Prepare(content);
    for (int i = 0; i < 12; ++i) {
        if (random.Next(2) == 0)
            model.ClickLeft(random.Next(16) - 1);
        else
            model.ClickRight(random.Next(16) - 1);
        for (int r = 0; r < static_cast<int>(content.Pairs.size()); ++r) {
            Require(model.LeftWords()[static_cast<size_t>(model.LeftAt(r))].Row == r);
            Require(model.RightWords()[static_cast<size_t>(model.RightAt(r))].Row == r);
        }
    }
    model.Check();
    CheckPercent(model.State());
}

template <class Model>
void WorkGaps(Model& model, ByteRandom& random, GapWindow window) {
    std::vector<GapRect> drops;
    for (int i = 0; i < 12; ++i) {
        LayOutGaps(model.Board(), false, window, GapLayoutMetrics{600}, Measure, drops);
        Require(drops.size() == model.Board().Gaps().size());
        const int label = random.Next(22) - 1;
        if (!model.StartDrag(label)) continue;
        if (random.Next(4) == 0)
            model.SendHome(label);
        else
            model.DropOnGap(label, random.Next(22) - 1);
        const GapBoard& board = model.Board();
        for (size_t g = 0; g < board.GapStates().size(); ++g)
            if (board.GapStates()[g].Label >= 0) Require(board.Labels()[static_cast<size_t>(board.GapStates()[g].Label)].Gap == static_cast<int>(g));
    }
    model.Check();
    CheckPercent(model.State());
    LayOutGaps(model.Board(), true, window, GapLayoutMetrics{600}, Measure, drops);
}

void CheckTokens(const GapTokenList& list) {
    Require(list.Tokens.size() <= static_cast<size_t>(kGapTokenLimit));
    Require(list.Gaps.size() <= static_cast<size_t>(kGapLimit));
    for (const GapEntry& gap : list.Gaps) Require(list.Tokens[static_cast<size_t>(gap.Token)].Kind == GapTokenKind::Gap);
}

void GapText_(std::string_view data) {
    const Input in = Split(data);
    Problems problems;
    const GapTokenList list = ParseGapText(in.content, problems);
    CheckTokens(list);
    ByteRandom random(in.drive);
    GapText model(random);
    model.Prepare(list);
    WorkGaps(model, random, GapWindow::GapText);
}

void CatalogGapSentences_(std::string_view data) {
    // The content's first line is the entry's identifier list, every further line a record of
    // the drag-and-drop sentence table.
    const Input in = Split(data);
    const size_t end = in.content.find('\n');
    CatalogEntry entry;
    entry.Code = "0001600101";
    entry.Line4 = std::string(in.content.substr(0, end));
    DragDropSentences table;
    LineReader reader(end == std::string_view::npos ? std::string() : std::string(in.content.substr(end + 1)), "fuzz.txt");
    Problems problems;
    ReadDragDropSentences(reader, table, problems);
    const CatalogGapContent content = BuildCatalogGapSentences(entry, table, problems);
    Require(content.Sentences.size() <= static_cast<size_t>(kCatalogSentenceLimit));
    CheckTokens(content.Tokens);
    ByteRandom random(in.drive);
    CatalogGapSentences model(random);
    model.Prepare(content);
    WorkGaps(model, random, GapWindow::Catalog);
    for (int i = -1; i <= kCatalogSentenceLimit; ++i) model.SentenceNumber(i);
}

void MarkedText(std::string_view data) {
    const Input in = Split(data);
    const int width = in.drive.empty() ? 100 : static_cast<unsigned char>(in.drive[0]) * 4;
    const auto words = LayOutMarkedText(in.content, width, Measure);
    int lastY = 0;
    for (const PlacedWord& w : words) {
        Require(w.Y >= lastY && w.X >= 0);
        lastY = w.Y;
    }
}

struct Target {
    const char* name;
    void (*run)(std::string_view data);
};

const Target kTargets[] = {
    {"multiple-choice", MultipleChoice_}, {"true-false", TrueFalse_},     {"typing-gaps", TypingGaps_},
    {"definitions", Definitions_},        {"drag-drop-table", DragDropTable_}, {"ordering-list", OrderingList_},
    {"pair-matching", PairMatching_},     {"gap-text", GapText_},          {"catalog-gap-sentences", CatalogGapSentences_},
    {"marked-text", MarkedText},
};

void (*Selected())(std::string_view) {
    for (const Target& target : kTargets)
        if (std::strcmp(target.name, QUILLAN_FUZZ_TARGET) == 0) return target.run;
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto run = Selected();
    run(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
