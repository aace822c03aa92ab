// The rules of the sentence exercise that need no window: the score, the dictation's accepted
// answers, the puzzle's words and moves.

#include <gtest/gtest.h>

#include "exercises/sentences/dictation.h"
#include "exercises/sentences/puzzle.h"
#include "exercises/sentences/score.h"
#include "support/fakes.h"

namespace quillan {
namespace {

TEST(SentenceScore, RoundsHalvesToEvenAndShowsTheCutValue) {
    struct Case {
        int right, total, percent, shown;
    };
    const Case cases[] = {
        {3, 4, 75, 75},   {2, 3, 67, 66},  {1, 8, 12, 12},    {3, 8, 38, 37}, {57, 100, 57, 57},
        {7, 10, 70, 70},  {0, 5, 0, 0},    {5, 0, 0, 0},      {1, 200, 0, 0}, {3, 600, 0, 0},
        {5, 1000, 0, 0},  {15, 1000, 2, 1}, {25, 1000, 2, 2}, {4, 6, 67, 66}, {20, 20, 100, 100},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScorePercent(c.right, c.total), c.percent) << c.right << "/" << c.total;
        EXPECT_EQ(ScoreShown(c.right, c.total), c.shown) << c.right << "/" << c.total;
    }
}

TEST(Dictation, AcceptsTheWordingsTidiedAndTheirShortForms) {
    const ContractionTable table = {{" I am", " I'm"}, {" it is", " it's"}, {" It is", " It's"}, {" do not", " don't"}};
    struct Case {
        std::vector<std::string> wordings;
        std::string answer;
        bool caseSensitive;
        bool right;
    };
    const Case cases[] = {
        {{"I am late."}, "I am late.", true, true},
        {{"I am late."}, "I am late", true, true},          // the final stop may be left out
        {{"I am late."}, "I am late .", true, true},        // a blank before the stop
        {{"I am late."}, "  I  am   late. ", true, true},   // blanks tidied
        {{"I am late."}, "I'm late", true, true},           // the short form
        {{"I am late."}, "i'm late", false, true},          // letter case off: the short form in lower case
        {{"I am late."}, "i am late", false, true},
        {{"I am late."}, "i'm late", true, false},          // letter case on
        {{"I am late."}, "late I am", true, false},
        {{"I am late."}, "", true, false},
        {{"I am late."}, "I am late!", true, false},        // only "." and "?" may be left out
        {{"Is it late?"}, "Is it late", true, true},
        {{"I am sure it is late."}, "I'm sure it's late.", true, true},   // both short forms
        {{"I am sure it is late."}, "I am sure it's late", true, true},   // only the second
        {{"I am sure it is late."}, "I'm sure it is late", true, true},   // only the first
        {{"It is late, I do not know."}, "It's late, I don't know", true, true},
        {{"It is late, I do not know."}, "it's late,i don't know", false, true},
        {{"The meeting starts at ten.", "The meeting starts at 10."}, "The meeting starts at 10", true, true},
        {{"Hello.", "", "Hi."}, "", true, false},           // a blank wording accepts nothing
        {{"Hello.", "", "Hi."}, "Hi", true, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DictationAccepts(c.answer, c.wordings, table, c.caseSensitive), c.right)
            << "'" << c.answer << "' for '" << c.wordings[0] << "'";
}

TEST(Dictation, WithoutLetterCaseLongFormsAreFoundWhateverTheirCapitals) {
    // The table as a course writes it: most long forms in lower case, "I" with its capital.
    const ContractionTable table = {{" I am", " I'm"}, {" it is", " it's"}, {" we are", " we're"}};
    struct Case {
        const char* wording;
        const char* answer;
        bool caseSensitive;
        bool right;
    };
    const Case cases[] = {
        {"It is late.", "It's late", false, true},        // a capital at the start of the sentence
        {"It is late.", "it's late", false, true},
        {"It is late.", "It's late", true, false},        // letter case on: " it is" is not "It is"
        {"It is late.", "It is late", true, true},
        {"We are sure it is late.", "We're sure it's late", false, true},
        {"We are sure it is late.", "We are sure it's late", false, true},
        {"I am late.", "I'm late", false, true},          // the long form's own capital
        {"I am late.", "i'm late", false, true},
        {"I am late.", "I'm late", true, true},
        {"It is late.", "Its late", false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DictationAccepts(c.answer, {c.wording}, table, c.caseSensitive), c.right)
            << "'" << c.answer << "' for '" << c.wording << "', letter case " << (c.caseSensitive ? "on" : "off");
}

TEST(Dictation, WordingsOfASentence) {
    Sentence s;
    s.Variant1 = "One.";
    s.Variant2 = "  ";
    s.Variant3 = " Three. ";
    s.VariantCount = 3;
    EXPECT_EQ(AcceptedWordings(s), (std::vector<std::string>{"One.", " Three. "}));
    EXPECT_EQ(ShownWording(s), "Three.");
    s.VariantCount = 1;
    EXPECT_EQ(AcceptedWordings(s), (std::vector<std::string>{"One."}));
    EXPECT_EQ(ShownWording(s), "One.");
}

TEST(Puzzle, SplitsAtEveryBlank) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"I am late.", {"I", "am", "late."}},
        {"a  b", {"a", "", "b"}},
        {"one", {"one"}},
        {"", {}},
        {" lead", {"", "lead"}},
        {"end ", {"end"}},
    };
    for (const auto& [sentence, words] : cases) EXPECT_EQ(PuzzleBoard::SplitWords(sentence), words) << sentence;
}

TEST(Puzzle, ShufflesUntilTheOrderDiffersAndEndsWhenItCannot) {
    test::FakeRandom random;
    PuzzleBoard board;
    // Swaps of positions 1 and 2, then 3 and 4 (and two that undo each other).
    random.values = {0, 1, 2, 3, 0, 2, 0, 2};
    board.SetUp("I am very late.", random);
    EXPECT_TRUE(board.Shuffled());
    EXPECT_EQ(board.Words(), (std::vector<std::string>{"am", "I", "late.", "very", PuzzleBoard::kPlaceholder}));
    EXPECT_EQ(board.Sentence(), "am I late. very");

    // Words that cannot be put out of order: the rounds end and the sentence stands as it is.
    for (const std::string sentence : {"Hello.", "no No no", ""}) {
        random.values.clear();
        board.SetUp(sentence, random);
        EXPECT_FALSE(board.Shuffled()) << sentence;
        std::vector<std::string> expected = PuzzleBoard::SplitWords(sentence);
        expected.push_back(PuzzleBoard::kPlaceholder);
        EXPECT_EQ(board.Words(), expected) << sentence;
    }
}

// Ten pixels a character, rows of 16 pixels.
int Width(const std::string& text) { return 10 * static_cast<int>(text.size()); }

struct BoardFixture {
    PuzzleBoard board;
    explicit BoardFixture(std::vector<std::string> words) {
        board.Arrange(std::move(words));
        board.LayOut(Width, 16);
    }
    // A point inside word n.
    std::pair<int, int> On(int n) const {
        const WordBox& box = board.Boxes().at(static_cast<size_t>(n) - 1);
        return {box.x + 2, box.y + 2};
    }
};

TEST(Puzzle, LaysWordsOutInRowsThatFitTheBox) {
    // "word" and two blanks take 60 pixels: ten fit the 601 pixels of a row, the eleventh wraps.
    BoardFixture f(std::vector<std::string>(12, "word"));
    const std::vector<WordBox>& boxes = f.board.Boxes();
    ASSERT_EQ(boxes.size(), 13u);
    EXPECT_EQ(boxes[0], (WordBox{0, 0, 40, 16}));
    EXPECT_EQ(boxes[9], (WordBox{540, 0, 40, 16}));
    EXPECT_EQ(boxes[10], (WordBox{0, 20, 40, 16}));
    EXPECT_EQ(boxes[12], (WordBox{120, 20, 50, 16})) << "the placeholder: five blanks";
    EXPECT_EQ(f.board.Height(), PuzzleBoard::kHeight);
    EXPECT_EQ(f.board.WordAt(5, 5), 1);
    EXPECT_EQ(f.board.WordAt(45, 5), 0) << "the blanks after a word are no part of it";

    // A sentence of many rows: the box grows so that every word stays in reach.
    BoardFixture tall(std::vector<std::string>(100, "word"));
    EXPECT_EQ(tall.board.Boxes().back().y, 200);
    EXPECT_GT(tall.board.Height(), 200 + 16);
}

TEST(Puzzle, MovesAWordInFrontOfAnotherByClickOrDrag) {
    struct Case {
        int from, to;
        std::string result;
    };
    const Case cases[] = {
        {1, 2, "A B C D"},  // onto the next word: nothing changes
        {1, 1, "A B C D"},
        {1, 5, "B C D A"},  // onto the placeholder: the last word
        {4, 1, "D A B C"},
        {2, 4, "A C B D"},
        {3, 2, "A C B D"},
        {4, 5, "A B C D"},
        {1, 3, "B A C D"},
    };
    for (bool dragging : {false, true})
        for (const Case& c : cases) {
            BoardFixture f({"A", "B", "C", "D"});
            const auto [fx, fy] = f.On(c.from);
            const auto [tx, ty] = f.On(c.to);
            f.board.PointerMoved(fx, fy, dragging);
            EXPECT_TRUE(f.board.Marks().frameVisible);
            const PuzzleBoard::Press press = f.board.Pressed(fx, fy, true, dragging);
            EXPECT_TRUE(press.onWord);
            EXPECT_EQ(f.board.Marks().selected, c.from);
            if (dragging) {
                EXPECT_TRUE(f.board.Marks().labelVisible);
                f.board.DraggedTo(tx, ty);
                f.board.Dropped(tx, ty);
            } else {
                f.board.Pressed(tx, ty, true, dragging);
            }
            EXPECT_EQ(f.board.Sentence(), c.result) << c.from << " onto " << c.to << (dragging ? " dragged" : " clicked");
            EXPECT_EQ(f.board.Marks().selected, 0);
            EXPECT_FALSE(f.board.Marks().labelVisible);
            EXPECT_FALSE(f.board.Marks().markVisible);
        }
}

TEST(Puzzle, FramesAndMarksFollowThePointer) {
    BoardFixture f({"Hi", "", "there"});
    // The frame: 3 pixels left of the word, 5 wider, 2 higher.
    f.board.PointerMoved(2, 2, false);
    EXPECT_EQ(f.board.Marks().frame, (WordBox{-3, 0, 25, 18}));
    EXPECT_TRUE(f.board.Marks().hand);
    // An empty word (two blanks in a row) takes no frame and cannot be picked up.
    const WordBox empty = f.board.Boxes()[1];
    f.board.PointerMoved(empty.x, empty.y + 2, false);
    EXPECT_FALSE(f.board.Marks().frameVisible);
    EXPECT_FALSE(f.board.Pressed(empty.x, empty.y + 2, true, false).onWord);
    // The right button counts as work but picks nothing up.
    const auto [tx, ty] = f.On(3);
    const PuzzleBoard::Press right = f.board.Pressed(tx, ty, false, false);
    EXPECT_TRUE(right.onWord);
    EXPECT_EQ(f.board.Marks().selected, 0);

    // Clicking on: the insertion mark stands 9 pixels left of the word under the pointer, the
    // placeholder included; a press on the mark puts the word there.
    f.board.Pressed(tx, ty, true, false);
    const WordBox placeholder = f.board.Boxes()[3];
    f.board.PointerMoved(placeholder.x + 1, placeholder.y + 1, false);
    EXPECT_TRUE(f.board.Marks().markVisible);
    EXPECT_EQ(f.board.Marks().markX, placeholder.x - 9);
    EXPECT_EQ(f.board.Marks().markY, -1);
    EXPECT_FALSE(f.board.Marks().frameVisible);
    f.board.PointerMoved(2, 2, false);
    EXPECT_EQ(f.board.Marks().markX, -9);
    EXPECT_TRUE(f.board.PressedOnMark());
    EXPECT_EQ(f.board.Words(), (std::vector<std::string>{"there", "Hi", "", PuzzleBoard::kPlaceholder}));

    // A press on the background puts a picked word back.
    f.board.Pressed(2, 2, true, false);
    EXPECT_NE(f.board.Marks().selected, 0);
    f.board.BackgroundPressed();
    EXPECT_EQ(f.board.Marks().selected, 0);

    // After a drop the first movement only ends it.
    f.board.Pressed(2, 2, true, true);
    f.board.Dropped(1000, 1000);
    f.board.PointerMoved(2, 2, true);
    EXPECT_FALSE(f.board.Marks().frameVisible);
    f.board.PointerMoved(2, 2, true);
    EXPECT_TRUE(f.board.Marks().frameVisible);
    f.board.BackgroundMoved();
    EXPECT_FALSE(f.board.Marks().frameVisible);
}

}  // namespace
}  // namespace quillan
