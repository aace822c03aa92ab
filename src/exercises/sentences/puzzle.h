#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quillan {

class Random;

// Where a word of the puzzle was painted, in the paint box's pixels.
struct WordBox {
    int x = 0, y = 0, width = 0, height = 0;
    bool Contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
    bool operator==(const WordBox&) const = default;
};

// The marks the puzzle shows over its words, in the paint box's pixels: the frame around the
// word under the pointer (Shape2), the insertion mark before the word where a moved word would
// go (shape1) and the word being moved (MLabel1).
struct PuzzleMarks {
    bool frameVisible = false;
    WordBox frame;
    int framed = 0;  // the framed word (1-based), 0 none
    bool hand = false;  // the pointer shows the hand
    bool markVisible = false;
    int markX = 0, markY = 0;
    int markWord = 0;  // the word the mark stands before
    bool labelVisible = false;
    std::string label;
    int labelX = 0, labelY = 0;
    int selected = 0;  // SelectedWord: the word picked up (1-based), 0 none
    bool dragging = false;
    bool dropEnded = false;  // right after a drop: the next movement only ends it
};

// The sentence puzzle: the words of a sentence in shuffled order, followed by a placeholder of
// five blanks that stands for the end of the sentence. The learner picks a word up (by
// dragging it, or by clicking it and then the word it should stand before) and puts it in
// front of another word; dropped on the placeholder it becomes the last word.
class PuzzleBoard {
public:
    static constexpr int kWidth = 601, kHeight = 121;  // the paint box pb_tresc
    static constexpr int kLineStep = 20;
    static constexpr int kShuffleRounds = 100;  // rounds of swaps before a sentence is left in order
    static inline const std::string kPlaceholder = "     ";

    // The words of a sentence: taken one by one up to the next blank, so two blanks in a row
    // give an empty word.
    static std::vector<std::string> SplitWords(const std::string& sentence);

    // Sets the puzzle up for a sentence: its words shuffled until they read differently from the
    // sentence (letter case not counting), then the placeholder. A sentence that cannot be put
    // out of order (one word, words all alike) is shown in its own order after kShuffleRounds
    // rounds. The marks are cleared.
    void SetUp(const std::string& sentence, Random& random);
    // The words in the order given, then the placeholder, as after a shuffle.
    void Arrange(std::vector<std::string> words);

    const std::vector<std::string>& Words() const { return words_; }
    // The learner's sentence: the words, the placeholder included, joined with single blanks and
    // trimmed.
    std::string Sentence() const;
    // Whether the words stand in an order other than the sentence's own.
    bool Shuffled() const { return shuffled_; }

    // Places the words as the paint box draws them: each word followed by two blanks, a word that
    // would pass the right edge starting a new line 20 pixels lower. `width` measures a text.
    void LayOut(const std::function<int(const std::string&)>& width, int lineHeight);
    const std::vector<WordBox>& Boxes() const { return boxes_; }
    // The height the words need: at least the paint box's, more for a sentence of many lines, so
    // that no word is out of reach.
    int Height() const { return height_; }
    // The word whose box holds the point (1-based); 0 none.
    int WordAt(int x, int y) const;

    // Moves the selected word in front of word t (after the last word when t is the
    // placeholder); nothing when t is the selected word or the one after it.
    void MoveWord(int t);

    // The pointer and the buttons over the paint box (its coordinates). `dragging` is the
    // learner's setting SentenceDragDrop. Dropped and PressedOnMark give true when a word moved.
    void PointerMoved(int x, int y, bool dragging);
    // A press on the paint box: on the framed word it picks the word up (the left button only;
    // either button counts as the learner's work); with a word picked up by a click, on a word
    // it moves the word there.
    struct Press {
        bool onWord = false;  // the press was on the framed word
        bool moved = false;
    };
    Press Pressed(int x, int y, bool leftButton, bool dragging);
    void DraggedTo(int x, int y);
    bool Dropped(int x, int y);
    // A press on the insertion mark: the word goes where the mark shows.
    bool PressedOnMark();
    // The pointer over the background, a press on it.
    void BackgroundMoved();
    void BackgroundPressed();

    const PuzzleMarks& Marks() const { return marks_; }

private:
    void FrameWordAt(int x, int y);

    std::vector<std::string> words_;
    std::vector<WordBox> boxes_;
    PuzzleMarks marks_;
    int height_ = kHeight;
    bool shuffled_ = false;
};

}  // namespace quillan
