#include "exercises/texts/gap_board.h"

#include <algorithm>

#include "exercises/texts/shuffle.h"
#include "text/text_utils.h"

namespace quillan {

namespace {

// Reads the number of a "[FLA=n]" or "[GLO=n]" token: the digits up to "]"; 0 when there are none.
int TagNumber(std::string_view token) {
    int n = 0;
    for (size_t i = 5; i < token.size() && token[i] >= '0' && token[i] <= '9' && n < 1000; ++i) n = n * 10 + (token[i] - '0');
    return n;
}

GapToken Classify(std::string word, ItalicTags tags) {
    GapToken token;
    const std::string upper = UpperAscii(TrimView(word));
    const std::string_view on = tags == ItalicTags::GapText ? "[PL]" : "[I]";
    const std::string_view off = tags == ItalicTags::GapText ? "[/PL]" : "[/I]";
    if (word == "@" || word == "#")
        token.Kind = GapTokenKind::LineBreak;
    else if (upper == on)
        token.Kind = GapTokenKind::ItalicOn;
    else if (upper == off)
        token.Kind = GapTokenKind::ItalicOff;
    else if (tags == ItalicTags::Catalog && word.rfind("[FLA=", 0) == 0)
        token = GapToken{GapTokenKind::Flag, {}, TagNumber(word) - 1};
    else if (tags == ItalicTags::Catalog && word.rfind("[GLO=", 0) == 0)
        token = GapToken{GapTokenKind::Voice, {}, TagNumber(word) - 1};
    token.Text = std::move(word);
    return token;
}

}  // namespace

int GapSlotTop(int slot) { return 20 * slot + 130; }

std::string ExpectedOf(std::string_view answer) {
    if (!answer.empty() && std::string_view(".,;:!?").find(answer.back()) != std::string_view::npos) answer.remove_suffix(1);
    return std::string(answer);
}

void AppendSentence(GapTokenList& list, std::string_view sentence, ItalicTags tags, Problems& problems,
                    const ContentPlace& place) {
    ++list.Sentences;
    std::string text(sentence);
    text += " @ ";
    std::vector<std::string> words;
    for (std::string_view rest = text; !TrimView(rest).empty();) {
        const size_t space = rest.find(' ');
        std::string word(rest.substr(0, space));
        rest.remove_prefix(space == std::string_view::npos ? rest.size() : space + 1);
        std::replace(word.begin(), word.end(), '+', ' ');
        words.push_back(std::move(word));
    }
    words.emplace_back("#");
    for (std::string& word : words) {
        if (list.Tokens.size() >= static_cast<size_t>(kGapTokenLimit)) {
            if (!list.Cut)
                NoteProblem(problems, place,
                            "the window holds " + std::to_string(kGapTokenLimit) + " words: sentence " +
                                std::to_string(list.Sentences) + " is cut there and the rest is left out");
            list.Cut = true;
            return;
        }
        if (word.empty() || word.front() != '<') {
            list.Tokens.push_back(Classify(std::move(word), tags));
            continue;
        }
        std::string answer = word.substr(1);
        const size_t close = answer.find('>');
        if (close == std::string::npos)
            NoteProblem(problems, place, "the gap \"" + word + "\" in sentence " + std::to_string(list.Sentences) + " has no \">\"");
        else
            answer.erase(close, 1);
        if (list.Gaps.size() >= static_cast<size_t>(kGapLimit)) {
            if (!list.GapsLeftOut)
                NoteProblem(problems, place,
                            "the window holds " + std::to_string(kGapLimit) + " gaps: the gap \"" + word +
                                "\" and those after it stay as plain words");
            list.GapsLeftOut = true;
            list.Tokens.push_back(GapToken{GapTokenKind::Word, std::move(answer)});
            continue;
        }
        GapEntry gap;
        gap.Token = static_cast<int>(list.Tokens.size());
        gap.Expected = ExpectedOf(answer);
        gap.Answer = std::move(answer);
        list.Tokens.push_back(GapToken{GapTokenKind::Gap, std::move(word), static_cast<int>(list.Gaps.size())});
        list.Gaps.push_back(std::move(gap));
    }
}

void GapBoard::Prepare(const GapTokenList& list, Random& random) {
    list_ = list;
    const int count = GapCount();
    std::vector<int> slots;
    for (int i = 1; i <= count; ++i) slots.push_back(i);
    SwapShuffle(random, count, count, [&](int a, int b) { std::swap(slots[static_cast<size_t>(a)], slots[static_cast<size_t>(b)]); });
    labels_.clear();
    for (int g = 0; g < count; ++g) labels_.push_back(GapLabel{list_.Gaps[static_cast<size_t>(g)].Expected, slots[static_cast<size_t>(g)]});
    states_.assign(static_cast<size_t>(count), GapState());
}

void GapBoard::LetGo(int label) {
    GapLabel& l = labels_[static_cast<size_t>(label)];
    if (l.Gap >= 0) states_[static_cast<size_t>(l.Gap)].Label = -1;
    l.Gap = -1;
    l.Grey = false;
}

void GapBoard::SendHome(int label) {
    if (label < 0 || label >= static_cast<int>(labels_.size())) return;
    LetGo(label);
}

void GapBoard::DropOnGap(int label, int gap) {
    if (label < 0 || label >= static_cast<int>(labels_.size())) return;
    if (gap < 0 || gap >= GapCount()) {
        SendHome(label);
        return;
    }
    if (states_[static_cast<size_t>(gap)].Label >= 0) return;  // filled: back to where it was
    LetGo(label);
    GapLabel& l = labels_[static_cast<size_t>(label)];
    l.Gap = gap;
    l.Grey = true;
    states_[static_cast<size_t>(gap)].Label = label;
}

int GapBoard::Check() {
    int right = 0;
    for (size_t g = 0; g < states_.size(); ++g) {
        GapState& state = states_[g];
        if (state.Label < 0) {
            state.Mark = GapMark::Wrong;
            state.Hint = kNoAnswerHint;
            continue;
        }
        const std::string& text = labels_[static_cast<size_t>(state.Label)].Text;
        if (text == list_.Gaps[g].Expected) {
            state.Mark = GapMark::Right;
            state.Hint.clear();
            ++right;
        } else {
            state.Mark = GapMark::Wrong;
            state.Hint = YourAnswerHint(text);
        }
    }
    return right;
}

}  // namespace quillan
