#include "exercises/sentences/puzzle.h"

#include <algorithm>

#include "platform/ascii.h"
#include "platform/random.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

constexpr int kDrawLimit = 100;  // draws for two different positions before taking the next one

std::string Joined(const std::vector<std::string>& words) {
    std::string joined;
    for (size_t i = 0; i < words.size(); ++i) {
        if (i > 0) joined += ' ';
        joined += words[i];
    }
    return joined;
}

}  // namespace

std::vector<std::string> PuzzleBoard::SplitWords(const std::string& sentence) {
    std::vector<std::string> words;
    std::string_view rest = sentence;
    while (!rest.empty()) {
        const size_t blank = rest.find(' ');
        words.emplace_back(rest.substr(0, blank));
        rest.remove_prefix(blank == std::string_view::npos ? rest.size() : blank + 1);
    }
    return words;
}

void PuzzleBoard::SetUp(const std::string& sentence, Random& random) {
    words_ = SplitWords(sentence);
    marks_ = PuzzleMarks();
    boxes_.clear();
    height_ = kHeight;
    const int n = static_cast<int>(words_.size());
    const std::string expected = LowerAscii(Trim(sentence));
    shuffled_ = false;
    for (int round = 0; round < kShuffleRounds && n >= 2; ++round) {
        for (int swap = 0; swap < n; ++swap) {
            const int a = random.Below(n);
            int b = random.Below(n);
            for (int draw = 1; b == a && draw < kDrawLimit; ++draw) b = random.Below(n);
            if (b == a) b = (a + 1) % n;
            std::swap(words_[static_cast<size_t>(a)], words_[static_cast<size_t>(b)]);
        }
        if (LowerAscii(Trim(Joined(words_))) != expected) {
            shuffled_ = true;
            break;
        }
    }
    if (!shuffled_) words_ = SplitWords(sentence);
    words_.push_back(kPlaceholder);
}

void PuzzleBoard::Arrange(std::vector<std::string> words) {
    words_ = std::move(words);
    words_.push_back(kPlaceholder);
    marks_ = PuzzleMarks();
    boxes_.clear();
    height_ = kHeight;
    shuffled_ = true;
}

std::string PuzzleBoard::Sentence() const { return Trim(Joined(words_)); }

void PuzzleBoard::LayOut(const std::function<int(const std::string&)>& width, int lineHeight) {
    boxes_.clear();
    int x = 0, y = 0;
    for (const std::string& word : words_) {
        const int advance = width(word + "  ");
        if (x + advance > kWidth) {
            y += kLineStep;
            x = 0;
        }
        boxes_.push_back({x, y, width(word), lineHeight});
        x += advance;
    }
    height_ = std::max(kHeight, y + std::max(lineHeight, kLineStep) + 1);
}

int PuzzleBoard::WordAt(int x, int y) const {
    for (size_t i = 0; i < boxes_.size(); ++i)
        if (boxes_[i].Contains(x, y)) return static_cast<int>(i) + 1;
    return 0;
}

void PuzzleBoard::MoveWord(int t) {
    const int s = marks_.selected;
    const int n = static_cast<int>(words_.size());
    if (s < 1 || s > n || t < 1 || t > n || t == s || t == s + 1) return;
    const std::string word = words_[static_cast<size_t>(s) - 1];
    words_.erase(words_.begin() + (s - 1));
    // Before the word that was at t: at t when it came from the right, at t - 1 from the left.
    words_.insert(words_.begin() + (t < s ? t - 1 : t - 2), word);
}

void PuzzleBoard::FrameWordAt(int x, int y) {
    for (size_t i = 0; i < boxes_.size() && i < words_.size(); ++i) {
        const WordBox& box = boxes_[i];
        if (!box.Contains(x, y) || Trim(words_[i]).empty()) continue;
        marks_.frame = {box.x - 3, box.y, box.width + 5, box.height + 2};
        marks_.framed = static_cast<int>(i) + 1;
        marks_.frameVisible = true;
        marks_.hand = true;
        return;
    }
    marks_.frameVisible = false;
    marks_.framed = 0;
    marks_.hand = false;
}

void PuzzleBoard::PointerMoved(int x, int y, bool dragging) {
    if (marks_.dropEnded) {
        marks_.dropEnded = false;
        return;
    }
    if (dragging || marks_.selected == 0) {
        // The frame is a little wider than its word; the pointer on its edge stays on it.
        if (marks_.frameVisible && marks_.frame.Contains(x, y) && !boxes_.empty()) {
            const int word = WordAt(x, y);
            if (word == 0 || word == marks_.framed) return;
        }
        FrameWordAt(x, y);
        return;
    }
    const int word = WordAt(x, y);
    marks_.markVisible = word > 0;
    marks_.markWord = word;
    if (word > 0) {
        const WordBox& box = boxes_[static_cast<size_t>(word) - 1];
        marks_.markX = box.x - 9;
        marks_.markY = box.y - 1;
    }
}

PuzzleBoard::Press PuzzleBoard::Pressed(int x, int y, bool leftButton, bool dragging) {
    Press press;
    if (!dragging && marks_.selected != 0) {
        const int t = WordAt(x, y);
        if (t == 0) return press;
        MoveWord(t);
        marks_.selected = 0;
        marks_.markVisible = false;
        marks_.frameVisible = false;
        press.moved = true;
        return press;
    }
    // A press that comes without a movement before it finds the word all the same.
    if (!marks_.frameVisible || !marks_.frame.Contains(x, y)) FrameWordAt(x, y);
    if (!marks_.frameVisible) return press;
    press.onWord = true;
    if (!leftButton) return press;
    marks_.frameVisible = false;
    marks_.selected = marks_.framed;
    marks_.label = words_[static_cast<size_t>(marks_.framed) - 1];
    if (dragging) {
        marks_.labelVisible = true;
        marks_.labelX = x + 13;
        marks_.labelY = y + 10;
        marks_.dragging = true;
    }
    return press;
}

void PuzzleBoard::DraggedTo(int x, int y) {
    if (!marks_.dragging) return;
    marks_.labelX = x + 13;
    marks_.labelY = y + 10;
    const int word = WordAt(x, y);
    marks_.markVisible = word > 0;
    marks_.markWord = word;
    if (word > 0) {
        const WordBox& box = boxes_[static_cast<size_t>(word) - 1];
        marks_.markX = box.x - 9;
        marks_.markY = box.y - 1;
    }
}

bool PuzzleBoard::Dropped(int x, int y) {
    if (!marks_.dragging) return false;
    const int t = WordAt(x, y);
    const std::vector<std::string> before = words_;
    if (t > 0) MoveWord(t);
    marks_.selected = 0;
    marks_.markVisible = false;
    marks_.labelVisible = false;
    marks_.dragging = false;
    marks_.dropEnded = true;
    return words_ != before;
}

// A press on the insertion mark moves the selected word to where the mark stands (the mark lies
// just left of its word, outside every word box, so it is not taken as a press on the text).
bool PuzzleBoard::PressedOnMark() {
    if (!marks_.markVisible || marks_.selected == 0 || marks_.markWord == 0) return false;
    const std::vector<std::string> before = words_;
    MoveWord(marks_.markWord);
    marks_.selected = 0;
    marks_.markVisible = false;
    marks_.frameVisible = false;
    return words_ != before;
}

void PuzzleBoard::BackgroundMoved() {
    marks_.frameVisible = false;
    marks_.hand = false;
}

void PuzzleBoard::BackgroundPressed() {
    marks_.frameVisible = false;
    marks_.markVisible = false;
    marks_.selected = 0;
}

}  // namespace quillan
