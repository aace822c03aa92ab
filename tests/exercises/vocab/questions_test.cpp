// Options of choice questions, accepted answers, typed-answer judging and the word frame.

#include "exercises/vocab/questions.h"

#include <gtest/gtest.h>

#include "exercises/vocab/trainer_fixture.h"
#include "exercises/vocab/word_frame.h"

namespace quillan {
namespace {

using test::Word;

TEST(DistractorPool, WordsBySameFirstLetterThenGroupTranslationsByGroup) {
    VocabStore store;
    store.Entries = {Word(1, "meeting", "spotkanie", "", 1), Word(2, "manager", "kierownik", "", 1),
                     Word(3, "market", "rynek", "", 2), Word(4, "client", "klient", "", 1),
                     Word(5, "My <meeting>.", "zdanie", "", 1, 5)};
    // Three words begin with "m" (fewer than 10: the scan runs twice), then the group's words.
    EXPECT_EQ(BuildDistractorPool(store, 1, 1, 1),
              (std::vector<std::string>{"meeting", "manager", "market", "meeting", "manager", "market", "meeting",
                                        "manager", "client"}));
    // Translations of group 1 (a sentence is no option), then of the whole group once more.
    EXPECT_EQ(BuildDistractorPool(store, 1, 2, 1),
              (std::vector<std::string>{"spotkanie", "kierownik", "klient", "spotkanie", "kierownik", "klient",
                                        "zdanie"}));
}

TEST(PickOptions, AFivePoolDrawsFromEightSlotsSoAnOptionMayBeEmpty) {
    const std::vector<std::string> pool = {"a", "b", "c", "d", "e"};
    test::FakeRandom random;
    // Right answer at 4; slots 1 and 2 take pool slots 2 and 3; slot 3 draws slot 7, empty.
    random.values = {3, 1, 2, 6};
    const ChoiceOptions choice = PickOptions(pool, "right", VocabStore(), true, random);
    EXPECT_EQ(choice.CorrectOption, 4);
    EXPECT_EQ(choice.Options, (std::array<std::string, 4>{"b", "c", "", "right"}));
    EXPECT_EQ(choice.Used, (std::array<bool, 4>{true, true, true, true}));
}

TEST(PickOptions, ARepeatedDrawNarrowsTheRangeToThirty) {
    std::vector<std::string> pool;
    for (int k = 1; k <= 100; ++k) pool.push_back("w" + std::to_string(k));
    test::FakeRandom random;
    // Right at 1; slot 2 takes w50; slot 3 draws w50 again, refused, and from then on draws
    // among the first 30 slots only (75 is slot 15 there).
    random.values = {0, 49, 49, 74, 3};
    const ChoiceOptions choice = PickOptions(pool, "right", VocabStore(), true, random);
    EXPECT_EQ(choice.Options, (std::array<std::string, 4>{"right", "w50", "w15", "w4"}));
}

TEST(PickOptions, EndsWithFewerOptionsWhenTheTextsRunOut) {
    test::FakeRandom random;
    // A pool of one repeated text and the right answer: one wrong option is all there is.
    const ChoiceOptions few = PickOptions({"go", "go", "went", "go"}, "go", VocabStore(), true, random);
    EXPECT_EQ(few.Options[static_cast<size_t>(few.CorrectOption - 1)], "go");
    int used = 0;
    for (size_t s = 0; s < 4; ++s)
        if (few.Used[s]) {
            ++used;
            EXPECT_TRUE(few.Options[s] == "go" || few.Options[s] == "went");
        }
    EXPECT_EQ(used, 2);

    // A small word list (no range of entries 1 .. count - 161): its words, sentences left out.
    VocabStore store;
    store.Entries = {Word(1, "go", "iść"), Word(2, "come", "przyjść"), Word(3, "A sentence.", "zdanie", "", 1, 5)};
    const ChoiceOptions all = PickOptionsFromAll(store, false, "iść", random);
    std::vector<std::string> shown;
    for (size_t s = 0; s < 4; ++s)
        if (all.Used[s]) shown.push_back(all.Options[s]);
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::string>{"iść", "przyjść"}));
}

TEST(PickOptions, FromTheWholeListAboveTheLast161Entries) {
    VocabStore store;
    for (int k = 1; k <= 165; ++k) store.Entries.push_back(Word(k, "w" + std::to_string(k), "p" + std::to_string(k)));
    test::FakeRandom random;
    // Entries 1..4 only: draws 0..3 give w1..w4; w4, taken by slot 1, is refused at slot 4.
    random.values = {1, 3, 0, 3, 1, 2};
    const ChoiceOptions choice = PickOptionsFromAll(store, true, "w2x", random);
    EXPECT_EQ(choice.Options, (std::array<std::string, 4>{"w4", "w2x", "w1", "w2"}));
}

TEST(AcceptedList, AlternativesAndTheFormsOfAVerb) {
    struct Case {
        std::string alternatives;
        int wordClass, mode, variant;
        std::vector<std::string> accepted;
    } cases[] = {
        {"leave", 3, 6, 1, {"leave", "go", "to leave", "to go"}},
        {"to leave", 3, 6, 1, {"to leave", "go", "to go"}},  // never "to to leave"
        {"leave", 3, 5, 1, {"leave"}},                       // dictation: no forms with "to"
        {"leave", 3, 6, 2, {"leave"}},                       // another course
        {"leave", 1, 6, 1, {"leave"}},                       // not a verb
        {" a // b ", 1, 6, 1, {"a", "", "b"}},
        {"x/", 1, 6, 1, {"x", ""}},
        {"", 1, 6, 1, {}},
    };
    for (const Case& c : cases) {
        VocabEntry go = Word(1, "go", "iść", "", 1, c.wordClass);
        go.Alternatives = c.alternatives;
        EXPECT_EQ(BuildAcceptedList(go, c.mode, c.variant), c.accepted) << c.alternatives << " " << c.mode;
    }
}

TEST(AcceptedList, KeepsTheFirstNinetyAlternatives) {
    VocabEntry word = Word(1, "go", "iść", "", 1, 3);
    for (int k = 1; k <= 95; ++k) word.Alternatives += "a" + std::to_string(k) + "/";
    const std::vector<std::string> list = BuildAcceptedList(word, 6, 1);
    EXPECT_EQ(list[89], "a90");
    EXPECT_EQ(list[90], "go") << "the verb's own forms still follow";
    EXPECT_EQ(list.size(), 182u);
}

TEST(TypedAnswer, SpacingPunctuationAndLetterCase) {
    struct Case {
        std::string typed, expected;
        std::vector<std::string> accepted;
        bool caseSensitive, right, variant;
        std::string given;
    } cases[] = {
        {"  look   after ", "look after", {}, true, true, false, "look after"},
        {"LOOK AFTER", "look after", {}, false, true, false, "look after"},
        {"LOOK AFTER", "look after", {}, true, false, false, "LOOK AFTER"},
        {"well - known", "well-known", {}, true, true, false, "well- known"},
        {"well-known", "well-known", {}, true, true, false, "well- known"},
        {"Hello ,world !", "Hello, world!", {}, true, true, false, "Hello, world!"},
        {"to leave", "go", {"leave", "go", "to leave", "to go"}, true, true, true, "to leave"},
        {"TO GO", "go", {"leave", "go", "to leave", "to go"}, false, true, true, "to go"},
        // An empty answer is never right: not through an empty piece of "x/" or "a//b", not
        // against an empty expected answer, not when it is blanks only.
        {"", "x", {"x", ""}, true, false, false, ""},
        {"  ", "x", {"a", "", "b"}, false, false, false, ""},
        {"", "", {}, true, false, false, ""},
        {"", "x", {"x"}, true, false, false, ""},
        {"ŻABA", "żaba", {}, false, false, false, "Żaba"},  // only A to Z change case
    };
    for (const Case& c : cases) {
        const TypedJudgement j = JudgeTypedAnswer(c.typed, c.expected, c.accepted, c.caseSensitive);
        EXPECT_EQ(j.right, c.right) << c.typed;
        EXPECT_EQ(j.acceptedVariant, c.variant) << c.typed;
        EXPECT_EQ(j.given, c.given) << c.typed;
    }
    EXPECT_EQ(LetterCountSuffix("look after"), " (10 letters)");
}

int TenPerCharacter(const std::string& text) { return static_cast<int>(text.size()) * 10; }

TEST(WordFrame, TokensAndTheirPlaces) {
    EXPECT_EQ(WordFrameTokens("Hello,  <dear> world@x%y ^ z."),
              (std::vector<std::string>{"Hello", ",", "<", "dear", ">", "world", "@", "x", "%", "y", "^", "z."}));

    // 130 pixels wide (126 usable): "Hello" without a blank before the comma, the blue word;
    // "> " no longer fits, so the line breaks there; "@" breaks it again.
    const std::vector<PlacedToken> placed =
        LayoutWordFrame(WordFrameTokens("Hello, <dear> friend @ok"), 130, TenPerCharacter, true);
    struct Expect {
        std::string text;
        int x, line;
        bool blue;
    } expected[] = {{"Hello", 0, 0, false}, {", ", 50, 0, false}, {"dear ", 70, 0, true},
                    {"friend ", 0, 1, false}, {"ok ", 0, 2, false}};
    ASSERT_EQ(placed.size(), std::size(expected));
    for (size_t i = 0; i < placed.size(); ++i) {
        EXPECT_EQ(placed[i].text, expected[i].text) << i;
        EXPECT_EQ(placed[i].x, expected[i].x) << i;
        EXPECT_EQ(placed[i].line, expected[i].line) << i;
        EXPECT_EQ(placed[i].blue, expected[i].blue) << i;
    }

    // Without colour the markers are drawn as they are.
    EXPECT_EQ(LayoutWordFrame(WordFrameTokens("<a>"), 500, TenPerCharacter, false).size(), 3u);
    // A mark that does not fit stays on its line.
    const auto marks = LayoutWordFrame({"abcdefghi", ","}, 100, TenPerCharacter, false);
    EXPECT_EQ(marks[1].line, 0);
}

TEST(WordFrame, KeepsFiftyTokens) {
    std::string text;
    for (int k = 1; k <= 60; ++k) text += "w" + std::to_string(k) + " ";
    const std::vector<std::string> tokens = WordFrameTokens(text);
    ASSERT_EQ(tokens.size(), 50u);
    EXPECT_EQ(tokens.back(), "w50");
}

}  // namespace
}  // namespace quillan
