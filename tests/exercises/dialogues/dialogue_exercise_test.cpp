// The dialogue exercise's rules without a window: layout, draws, the playback state machine,
// recordings, scoring and what reaches the learner's files.

#include "exercises/dialogues/dialogue_exercise.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include "dialogue_fixture.h"
#include "platform/paths.h"

namespace quillan {
namespace {

// Every character 8 pixels wide, as are spaces.
DialogueMetrics EightPixels() {
    DialogueMetrics m;
    m.textWidth = [](const std::string& text) { return 8 * static_cast<int>(text.size()); };
    return m;
}

std::string Words(int count, const std::string& word = "abcde") {
    std::string text;
    for (int i = 0; i < count; ++i) text += (i ? " " : "") + word;
    return text;
}

// ----- layout -----

TEST(DialogueLayout, WordsWrapBeforeTheMarginAndPicturesStandForGapsAndHiddenLines) {
    const DialogueMetrics m = EightPixels();
    const DialogueLayout layout = LayOutDialogue({{Words(30), false, {}},
                                                  {"one <!!TU>two three", false, {4}},
                                                  {"anything at all", true, {}},
                                                  {"<\xA3>" "odz x", false, {}}},
                                                 m);
    ASSERT_EQ(layout.lines.size(), 4u);
    // 40 pixels a word and 8 a space, from x = 24: the 13th word would reach 656 - 30.
    const DialogueLineLayout& first = layout.lines[0];
    EXPECT_EQ(first.rows, 3);
    EXPECT_EQ(first.pieces[11].row, 0);
    EXPECT_EQ(first.pieces[12].row, 1);
    EXPECT_EQ(first.pieces[12].x, 24);

    const DialogueLineLayout& gap = layout.lines[1];
    EXPECT_EQ(gap.firstRow, 3);
    ASSERT_EQ(gap.pieces.size(), 3u);
    EXPECT_EQ(gap.pieces[1].kind, DialoguePiece::Kind::Gap);
    EXPECT_EQ(gap.pieces[1].gap, 4);
    EXPECT_EQ(gap.pieces[1].x, 24 + 32);
    EXPECT_EQ(gap.pieces[2].x, 24 + 32 + 40 + 7) << "the picture and 7 pixels";

    const DialogueLineLayout& hidden = layout.lines[2];
    ASSERT_EQ(hidden.pieces.size(), 1u);
    EXPECT_EQ(hidden.pieces[0].kind, DialoguePiece::Kind::Hidden);
    EXPECT_EQ(hidden.rows, 1);
    EXPECT_EQ(layout.lines[3].pieces[0].text, "\xA3odz") << "\"<Ł>\" draws the letter";
    EXPECT_EQ(layout.rows, 6);
}

TEST(DialogueLayout, AGapWrapsBeforeThePictureWouldReachTheEdge) {
    DialogueMetrics m = EightPixels();
    m.width = 200;
    // "abcdefghijklmnopq" is 136 pixels: 24 + 136 + 8 = 168; the picture would reach 208 >= 195.
    const DialogueLayout layout = LayOutDialogue({{"abcdefghijklmnopq <!!TU>x", false, {0}}}, m);
    EXPECT_EQ(layout.lines[0].pieces[1].row, 1);
    EXPECT_EQ(layout.lines[0].pieces[1].x, 24);
}

TEST(DialogueLayout, ScrollingShowsWholeLines) {
    const DialogueMetrics m = EightPixels();
    std::vector<DialogueLineText> lines(30, {"a", false, {}});
    const DialogueLayout layout = LayOutDialogue(lines, m);
    EXPECT_EQ(DialogueMaxOffset(layout, m), (600 - 462) / 20 + 1);
    EXPECT_EQ(OffsetShowingLine(layout, 30, 0), 7);
    EXPECT_EQ(OffsetShowingLine(layout, 1, 7), 0);
    EXPECT_EQ(OffsetShowingLine(layout, 10, 3), 3) << "already shown";
    EXPECT_EQ(DialogueLineAt(layout, 0, 100, 1, m), 1);
    EXPECT_EQ(DialogueLineAt(layout, 2, 100, 21, m), 4);
    EXPECT_EQ(DialogueLineAt(layout, 0, 100, 470, m), 0) << "below the box";
    lines.resize(20);
    EXPECT_EQ(DialogueMaxOffset(LayOutDialogue(lines, m), m), 0);
}

// ----- small rules -----

TEST(DialogueRules, GapsByWordCount) {
    const std::pair<int, int> cases[] = {{1, 0}, {3, 0}, {4, 1}, {10, 1}, {11, 2}, {20, 2}, {21, 3}, {800, 3}};
    for (const auto& [words, gaps] : cases) EXPECT_EQ(GapsForWordCount(words), gaps) << words;
}

TEST(DialogueRules, GapLabelsAndForms) {
    const std::pair<const char*, const char*> labels[] = {{"chairs.", "  chairs  "},   {"\"Cheers\".", "  Cheers  "},
                                                          {"well...", "  well  "},     {"Hi?", "  Hi  "},
                                                          {"\x84Hi\x94", "  Hi  "},     {"don't", "  don't  "}};
    for (const auto& [word, label] : labels) EXPECT_EQ(DialogueGapLabel(word), label) << word;
    EXPECT_EQ(GapForm("price;"), "price");
    EXPECT_EQ(GapForm("\"price\""), "\"price\"");
}

TEST(DialogueRules, AGapMarkerIsFoundInFrontOfTheWholeWord) {
    struct Case {
        const char* text;
        const char* word;
        size_t at;
    } cases[] = {
        {"the <!!TU>contractor signed the <!!TU>contract", "contract", 32},  // not the front of "contractor"
        {"the <!!TU>contractor signed the <!!TU>contract", "contractor", 4},
        {"<!!TU>contracts and <!!TU>contract, too", "contract,", 20},        // the punctuation belongs to the word
        {"<!!TU>contract. <!!TU>contract", "contract.", 0},
        {"<!!TU>contract. <!!TU>contract", "contract", 16},
        {"a <!!TU>contractor only", "contract", std::string::npos},
        {"no marker contract", "contract", std::string::npos},
    };
    for (const Case& c : cases) EXPECT_EQ(FindGapMarker(c.text, c.word), c.at) << c.text << " / " << c.word;
}

TEST(DialogueRules, Utterance) {
    EXPECT_EQ(Utterance("Anna: Good morning."), "Good morning.");
    EXPECT_EQ(Utterance("no label"), "no label");
    EXPECT_EQ(Utterance("Anna:"), "");
    EXPECT_EQ(Utterance("Anna: Time: ten."), "Time: ten.");
}

TEST(DialogueRules, PercentByVariant) {
    struct Case {
        int variant, correct, wrong, items, percent;
    } cases[] = {
        {1, 1, 0, 0, 100}, {1, 0, 0, 0, 0},   {3, 1, 1, 0, 50},
        {4, 4, 0, 4, 100}, {4, 4, 2, 4, 67},  // the Part's own examples
        {5, 1, 0, 8, 12},  {5, 3, 0, 8, 38},  // halves to the even neighbour
        {5, 0, 0, 0, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(DialoguePercent(c.variant, c.correct, c.wrong, c.items), c.percent) << c.variant << " " << c.correct;
}

// ----- the exercise -----

class DialogueModel : public ::testing::Test, public test::DialogueFixture {
protected:
    void SetUp() override {
        ex.startPause = [this](int ms) { pauses.push_back(ms); };
        ex.cancelPause = [this] { ++cancels; };
        ex.showInfo = [this](const std::string& text) { infos.push_back(text); };
        ex.SetMetrics(EightPixels());
    }
    void Use(const Dialogue& d) {
        ctx.course.dialogues = {d};
        RecordLines();
    }
    int ActiveLine() const {
        int active = 0;
        for (size_t n = 0; n < ex.Lines().size(); ++n)
            if (ex.Lines()[n].active) {
                EXPECT_EQ(active, 0) << "one line at a time";
                active = static_cast<int>(n) + 1;
            }
        return active;
    }
    int Hidden() const {
        return static_cast<int>(std::count_if(ex.Lines().begin(), ex.Lines().end(), [](const DialogueLineState& l) { return l.hidden; }));
    }
    // Drops the label of gap `label` in the middle of the picture of gap `picture`.
    bool DropOn(int label, int picture) {
        for (const DialogueLineLayout& line : ex.Layout().lines)
            for (const DialoguePiece& piece : line.pieces)
                if (piece.kind == DialoguePiece::Kind::Gap && piece.gap == picture)
                    return ex.DropWord(label, piece.x + 5, DialogueRowTop(piece.row, ex.Screen().offset) + 5);
        return ex.DropWord(label, -100, -100);
    }
    bool DropOnOwnGap(int g) { return DropOn(g, g); }
    // Variant 5 on a dialogue of `line` and a line of no gaps, the gap words drawn by `draws`.
    void OpenWithGapsIn(const std::string& line, std::deque<int> draws) {
        Dialogue d = test::Alternating(2);
        d.Lines[0].Text = "A: " + line;
        d.Lines[1].Text = "B: no gaps";
        Use(d);
        random.values = std::move(draws);
        ASSERT_TRUE(ex.Open(1, 5, "dia_1"));
    }

    DialogueExercise ex{ctx};
    std::vector<int> pauses;
    int cancels = 0;
    std::vector<std::string> infos;
};

TEST_F(DialogueModel, TabsAreNumberedAmongTheVariantsThatExist) {
    Use(test::Alternating(4, "TTNTT"));
    ASSERT_TRUE(ex.Open(1, 4, "dia_1"));
    EXPECT_EQ(ex.Screen().tabVisible, (std::array<bool, 5>{true, true, false, true, true}));
    EXPECT_EQ(ex.Screen().tabNumber, (std::array<int, 5>{1, 2, 0, 3, 4}));
    EXPECT_EQ(ex.Variant(), 4);
    EXPECT_EQ(ex.Screen().instruction, "T16");
    EXPECT_EQ(ex.TabHint(4), "T112");
    EXPECT_EQ(ex.HelpKey(), "HH_T103");
    EXPECT_EQ(ex.GlossaryKey(), "Glossary 2001");
    EXPECT_TRUE(ex.Screen().glossaryVisible);

    ex.Close();
    ctx.startup.LangIndex = 2;  // the course's third interface language has no translation tab
    Use(test::Alternating(4));
    ASSERT_TRUE(ex.Open(1, 1, "dia_1"));
    EXPECT_FALSE(ex.Screen().tabVisible[2]);
    EXPECT_EQ(ex.Screen().tabNumber[3], 3);
}

TEST_F(DialogueModel, TabPicturesFollowTheVariantShown) {
    // A course has the active pictures "dial_1a.bmp" to "dial_4a.bmp": for variants 1, 2, 4 and 5.
    struct Case {
        const char* flags;
        int variant;
        std::array<const char*, 5> pictures;
    } cases[] = {
        {"TTNTT", 1, {"dial_1a.bmp", "dial_2.bmp", "", "dial_3.bmp", "dial_4.bmp"}},
        {"TTNTT", 4, {"dial_1.bmp", "dial_2.bmp", "", "dial_3a.bmp", "dial_4.bmp"}},
        {"TTNTT", 5, {"dial_1.bmp", "dial_2.bmp", "", "dial_3.bmp", "dial_4a.bmp"}},
        {"TTTTT", 5, {"dial_1.bmp", "dial_2.bmp", "dial_3.bmp", "dial_4.bmp", "dial_4a.bmp"}},  // no "dial_5a.bmp"
        {"TTTTT", 4, {"dial_1.bmp", "dial_2.bmp", "dial_3.bmp", "dial_3a.bmp", "dial_5.bmp"}},
        {"TTTTT", 3, {"dial_1.bmp", "dial_2.bmp", "dial_3a.bmp", "dial_4.bmp", "dial_5.bmp"}},
        {"NTNTT", 5, {"", "dial_1.bmp", "", "dial_2.bmp", "dial_4a.bmp"}},
    };
    for (const Case& c : cases) {
        Use(test::Alternating(4, c.flags));
        ASSERT_TRUE(ex.Open(1, c.variant, "dia_1"));
        for (int v = 1; v <= 5; ++v)
            EXPECT_EQ(ex.TabPicture(v), c.pictures[static_cast<size_t>(v) - 1]) << c.flags << " at " << c.variant << ", tab " << v;
        ex.Close();
    }
    // A tab chosen later shows its active picture; the one left its own again.
    Use(test::Alternating(4, "TTTTT"));
    ASSERT_TRUE(ex.Open(1, 1, "dia_1"));
    ex.ChooseTab(5);
    EXPECT_EQ(ex.TabPicture(1), "dial_1.bmp");
    EXPECT_EQ(ex.TabPicture(5), "dial_4a.bmp");
}

TEST_F(DialogueModel, NoSuchDialogueIsToldAndNothingOpens) {
    Use(test::Alternating(4));
    EXPECT_FALSE(ex.Open(2, 1, "dia_2"));
    EXPECT_FALSE(ex.IsOpen());
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(DialogueModel, BackgroundIsTheDialoguesOwnOrTheCommonOneOrNone) {
    Use(test::Alternating(4));
    ASSERT_TRUE(ex.Open(1, 1, "dia_1"));
    EXPECT_EQ(ex.Screen().background, "") << "neither picture exists: the window opens without one";
    dir.Write("media/dialogi_tlo/tmp.jpg", "x");
    ASSERT_TRUE(ex.Open(1, 1, "dia_1"));
    EXPECT_EQ(ex.Screen().background, ctx.startup.MediaDir + "dialogi_tlo\\tmp.jpg");
    dir.Write("media/dialogi_tlo/dial_tlo_07.jpg", "x");
    ASSERT_TRUE(ex.Open(1, 1, "dia_1"));
    EXPECT_EQ(ex.Screen().background, ctx.startup.MediaDir + "dialogi_tlo\\dial_tlo_07.jpg");
}

TEST_F(DialogueModel, ControlsOfEachVariant) {
    struct Case {
        int speakers, variant;
        bool playAll;
        std::array<bool, 4> roles;
        bool replay, next, gauge;
    } cases[] = {
        {2, 1, true, {true, true, false, false}, false, false, false},
        {3, 1, true, {true, true, true, false}, false, false, false},
        {4, 2, true, {true, true, true, true}, false, false, false},
        {2, 3, false, {}, false, true, false},
        {2, 4, false, {}, true, false, true},
        {2, 5, false, {}, false, false, true},
    };
    for (const Case& c : cases) {
        Dialogue d = test::Alternating(6);
        for (int n = 0; n < c.speakers; ++n) d.Lines[static_cast<size_t>(n)].Speaker = n + 1;
        Use(d);
        ASSERT_TRUE(ex.Open(1, c.variant, "dia_1"));
        const DialogueScreen& s = ex.Screen();
        EXPECT_EQ(s.playAllVisible, c.playAll) << c.variant;
        EXPECT_EQ(s.roleVisible, c.roles) << c.speakers << " speakers, variant " << c.variant;
        EXPECT_EQ(s.replayVisible, c.replay) << c.variant;
        EXPECT_EQ(s.nextVisible, c.next) << c.variant;
        EXPECT_EQ(s.gaugeVisible, c.gauge) << c.variant;
        ex.Close();
    }
}

// ----- playback -----

struct Step {
    const char* action;  // all, roleA..roleD, click N, end, pause, stop
    std::string state;
    int active;
};

class DialoguePlayback : public DialogueModel {
protected:
    void SetUp() override {
        DialogueModel::SetUp();
        Use(test::Alternating(4));  // A B A B, 24 characters a line
        ASSERT_TRUE(ex.Open(1, 1, "dia_1"));
    }
    void Do(const std::string& action) {
        if (action == "all") ex.PlayAll();
        else if (action.rfind("role", 0) == 0) ex.PlayRole(action[4] - 'A' + 1);
        else if (action.rfind("click", 0) == 0) ex.ClickLine(std::stoi(action.substr(6)));
        else if (action == "end") player.Finish();
        else if (action == "pause") ex.PauseEnded();
        else if (action == "stop") ex.StopPlayback();
    }
    void Run(const std::vector<Step>& steps) {
        for (size_t i = 0; i < steps.size(); ++i) {
            Do(steps[i].action);
            EXPECT_EQ(ex.PlaybackState(), steps[i].state) << "step " << i << " " << steps[i].action;
            EXPECT_EQ(ActiveLine(), steps[i].active) << "step " << i << " " << steps[i].action;
        }
    }
    static constexpr int kPause = 70 * 24;
};

TEST_F(DialoguePlayback, TheWholeDialoguePlaysLineAfterLine) {
    Run({{"all", "dialogi_All", 1}, {"end", "dialogi_All", 2}, {"end", "dialogi_All", 3}, {"end", "dialogi_All", 4}, {"end", "", 0}});
    EXPECT_EQ(player.lines, (std::vector<std::string>{"d1", "d2", "d3", "d4"}));
    EXPECT_EQ(player.prepared, (std::vector<std::string>{"d2", "d3", "d4"})) << "each next line is made ready";
    EXPECT_TRUE(pauses.empty());
    EXPECT_TRUE(ex.Worked());
    EXPECT_EQ(ex.CorrectCount(), 1);
}

TEST_F(DialoguePlayback, ARoleIsReadWhileTheOthersLinesGetTheirReadingTime) {
    Run({{"roleB", "dialogi_B", 1}, {"pause", "dialogi_B", 2}, {"end", "dialogi_B", 3}, {"pause", "dialogi_B", 4}, {"end", "", 0}});
    EXPECT_EQ(player.lines, (std::vector<std::string>{"d2", "d4"}));
    EXPECT_EQ(player.prepared, std::vector<std::string>{"d4"}) << "the role's next line is made ready while one plays";
    EXPECT_EQ(pauses, (std::vector<int>{kPause, kPause}));
    EXPECT_EQ(infos, std::vector<std::string>{"T114"}) << "the note before the first role B or C of the run";

    player.lines.clear();
    pauses.clear();
    Run({{"roleA", "dialogi_A", 1}, {"end", "dialogi_A", 2}, {"pause", "dialogi_A", 3}, {"end", "dialogi_A", 4}, {"pause", "", 0}});
    EXPECT_EQ(player.lines, (std::vector<std::string>{"d1", "d3"}));
    EXPECT_EQ(pauses, (std::vector<int>{kPause, kPause}));
    EXPECT_EQ(infos.size(), 1u) << "told once a run";
}

TEST_F(DialoguePlayback, RoleAStartsAtItsFirstLineWithoutPausing) {
    Dialogue d = test::Alternating(4);
    for (DialogueLine& line : d.Lines) line.Speaker = line.Speaker == 1 ? 2 : 1;  // B A B A
    Use(d);
    ASSERT_TRUE(ex.Open(1, 1, "dia_1"));
    Run({{"roleA", "dialogi_A", 2}, {"end", "dialogi_A", 3}, {"pause", "dialogi_A", 4}, {"end", "", 0}});
    EXPECT_EQ(player.lines, (std::vector<std::string>{"d2", "d4"}));
    EXPECT_EQ(pauses.size(), 1u);
}

TEST_F(DialoguePlayback, AnotherControlStopsARoleAtOnce) {
    Run({{"roleB", "dialogi_B", 1}, {"click 3", "dialog", 3}});
    EXPECT_EQ(cancels, 1) << "the reading pause is cancelled";
    Run({{"pause", "dialog", 3}, {"end", "", 0}});  // a late timer does nothing
    EXPECT_EQ(player.lines, (std::vector<std::string>{"d3"}));

    Run({{"all", "dialogi_All", 1}, {"roleB", "dialogi_B", 1}, {"stop", "", 0}, {"end", "", 0}});
    EXPECT_EQ(player.lines, (std::vector<std::string>{"d3", "d1"}));
}

TEST_F(DialoguePlayback, TheSameRoleAgainOrARoleWithoutLinesDoesNothing) {
    Run({{"roleB", "dialogi_B", 1}, {"pause", "dialogi_B", 2}});
    const int stops = player.stops;
    Run({{"roleB", "dialogi_B", 2}, {"roleC", "dialogi_B", 2}, {"roleD", "dialogi_B", 2}});
    EXPECT_EQ(player.stops, stops) << "the role goes on";
    Run({{"end", "dialogi_B", 3}});
}

TEST_F(DialoguePlayback, AClickedLinePlaysAlone) {
    Run({{"click 2", "dialog", 2}, {"end", "", 0}, {"end", "", 0}});
    EXPECT_EQ(player.lines, std::vector<std::string>{"d2"});
}

TEST_F(DialoguePlayback, AMissingRecordingIsToldOnceAndTheDialogueGoesOn) {
    std::filesystem::remove(NativePath(ctx.startup.MediaDir + "Dialogi\\d2.wav"));
    std::filesystem::remove(NativePath(ctx.startup.MediaDir + "Dialogi\\d3.wav"));
    Run({{"all", "dialogi_All", 1}, {"end", "dialogi_All", 2}, {"pause", "dialogi_All", 3}, {"pause", "dialogi_All", 4}, {"end", "", 0}});
    EXPECT_EQ(infos, std::vector<std::string>{"Nie odnaleziono pliku: " + ctx.startup.MediaDir + "Dialogi\\d2.wav"});
    EXPECT_EQ(player.lines, (std::vector<std::string>{"d1", "d4"}));
    // A single line is told every time; nothing stays highlighted.
    Run({{"click 2", "", 0}, {"click 3", "", 0}});
    EXPECT_EQ(infos.size(), 3u);
}

TEST_F(DialoguePlayback, ScrollingFollowsThePlayedLine) {
    Dialogue d = test::Alternating(25, "TTTTT", 40);  // 4 rows a line
    Use(d);
    ASSERT_TRUE(ex.Open(1, 1, "dia_1"));
    EXPECT_GT(ex.Screen().maxOffset, 0);
    ex.PlayAll();
    for (int n = 1; n < 8; ++n) player.Finish();
    EXPECT_EQ(ActiveLine(), 8);
    const DialogueLineLayout& eighth = ex.Layout().lines[7];
    EXPECT_EQ(ex.Screen().offset, eighth.firstRow + eighth.rows - kDialogueVisibleRows);
    ex.PlayRole(1);
    EXPECT_EQ(ex.Screen().offset, 0);
}

// ----- variant 3 -----

TEST_F(DialogueModel, TranslationDrawsAnotherLineEachTimeNeverTheLast) {
    Use(test::Alternating(5));
    for (int v = 0; v < 40; ++v) random.values.push_back(v * 7 + 3);
    ASSERT_TRUE(ex.Open(1, 3, "dia_1"));
    int previous = ex.TranslationLine();
    for (int i = 0; i < 30; ++i) {
        ex.DrawAgain();
        const int line = ex.TranslationLine();
        EXPECT_GE(line, 1);
        EXPECT_LE(line, 4) << "the last line is never drawn";
        EXPECT_NE(line, previous);
        EXPECT_TRUE(ex.Lines()[static_cast<size_t>(line) - 1].translated);
        previous = line;
    }
    EXPECT_EQ(ex.Layout().lines[static_cast<size_t>(previous) - 1].pieces[0].text, "pl" + std::to_string(previous));
}

TEST_F(DialogueModel, TranslationOfShortDialoguesNeverHangs) {
    Use(test::Alternating(2));
    ASSERT_TRUE(ex.Open(1, 3, "dia_1"));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ex.TranslationLine(), 1) << "the only line that may be drawn, again";
        ex.DrawAgain();
    }
    Use(test::Alternating(1));
    ASSERT_TRUE(ex.Open(1, 3, "dia_1"));
    EXPECT_EQ(ex.TranslationLine(), 0);
    ex.DrawAgain();
    ex.ClickLine(1);
    EXPECT_EQ(player.lines.back(), "d1");
}

// ----- recordings -----

TEST_F(DialogueModel, ARecordedLineIsHeardInTheDialogue) {
    Use(test::Alternating(4));
    ASSERT_TRUE(ex.Open(1, 2, "dia_1"));
    EXPECT_TRUE(ex.HasRecordControls(3));
    ex.PlayAll();
    recorder.bytes = test::WavBytes(600);
    ex.RecordPressed(2);
    EXPECT_EQ(ex.PlaybackState(), "") << "recording stops the playback";
    EXPECT_TRUE(ex.Lines()[1].recordingNow);
    EXPECT_EQ(recorder.recordingStarts, 1);
    ex.RecordReleased(2);
    EXPECT_FALSE(ex.Lines()[1].recordingNow);
    EXPECT_EQ(recorder.saved, std::vector<std::string>{dir.Path() + "learner\\save_2.Wav"}) << "the learner's own directory";
    EXPECT_EQ(ex.Lines()[1].recordingState, 2);
    EXPECT_EQ(ex.Lines()[1].audio, "save_2.wav");
    EXPECT_TRUE(ex.Completed());

    player.lines.clear();
    ex.PlayAll();
    for (int n = 0; n < 4; ++n) player.Finish();
    EXPECT_EQ(player.lines, (std::vector<std::string>{"d1", "save_2.wav", "d3", "d4"}));

    ex.ToggleOwnRecording(2);
    EXPECT_EQ(ex.Lines()[1].recordingState, 1);
    EXPECT_EQ(ex.Lines()[1].audio, "d2");
    ex.ToggleOwnRecording(2);
    EXPECT_EQ(ex.Lines()[1].audio, "save_2.wav");
    ex.ToggleOwnRecording(3);  // no recording of its own: nothing to switch
    EXPECT_EQ(ex.Lines()[2].recordingState, 1);
}

TEST_F(DialogueModel, TooShortOrUnsavedRecordingsAreNotTaken) {
    Use(test::Alternating(4));
    ASSERT_TRUE(ex.Open(1, 2, "dia_1"));
    recorder.bytes = test::WavBytes(250);
    ex.RecordPressed(1);
    ex.RecordReleased(1);
    EXPECT_EQ(infos, std::vector<std::string>{"T82"});
    EXPECT_EQ(ex.Lines()[0].audio, "d1");
    EXPECT_FALSE(ex.Worked());

    // No new file (no sound input): an older recording of line 3, of any dialogue, stays unused.
    dir.Write("learner/save_3.Wav", test::WavBytes(900));
    recorder.bytes.clear();
    ex.RecordPressed(3);
    ex.RecordReleased(3);
    EXPECT_EQ(ex.Lines()[2].audio, "d3");
    EXPECT_EQ(infos.size(), 1u);
}

TEST_F(DialogueModel, TheDrawnTranslationLineIsRecordedAndHeardBeforeTheModel) {
    Use(test::Alternating(4));
    random.values = {1};
    ASSERT_TRUE(ex.Open(1, 3, "dia_1"));
    ASSERT_EQ(ex.TranslationLine(), 2);
    EXPECT_FALSE(ex.HasRecordControls(1));
    EXPECT_TRUE(ex.HasRecordControls(2));
    recorder.bytes = test::WavBytes(600);
    ex.RecordPressed(2);
    ex.RecordReleased(2);
    EXPECT_TRUE(ex.Worked());
    ex.ClickLine(2);
    EXPECT_EQ(ex.PlaybackState(), "PotemLektor:d2");
    player.Finish();
    EXPECT_EQ(ex.PlaybackState(), "dialog");
    EXPECT_EQ(ActiveLine(), 2);
    player.Finish();
    EXPECT_EQ(ex.PlaybackState(), "");
    EXPECT_EQ(player.lines, (std::vector<std::string>{"save_2.wav", "d2"}));
    ex.ClickLine(1);  // another line: the model alone
    EXPECT_EQ(ex.PlaybackState(), "dialog");
}

TEST_F(DialogueModel, ListeningHasNoRecordControls) {
    Use(test::Alternating(4));
    ASSERT_TRUE(ex.Open(1, 1, "dia_1"));
    ex.RecordPressed(1);
    EXPECT_EQ(recorder.recordingStarts, 0);
}

// ----- variant 4 -----

TEST_F(DialogueModel, HiddenLinesByDialogueLength) {
    const std::pair<int, int> cases[] = {{1, 0}, {2, 0}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {9, 3}, {25, 8}};
    for (const auto& [count, hidden] : cases) {
        Use(test::Alternating(count));
        random.values = {100, 100, 100, 100, 100, 100, 100, 100};  // the last of the pool each time
        ASSERT_TRUE(ex.Open(1, 4, "dia_1"));
        EXPECT_EQ(Hidden(), hidden) << count << " lines";
        EXPECT_EQ(ex.ItemCount(), hidden);
        EXPECT_FALSE(ex.Lines().back().hidden) << "the last line is never hidden";
        ex.Close();
    }
}

TEST_F(DialogueModel, HiddenLinesAreFoundByEarAndScored) {
    ctx.learner.settings.RepetitionThreshold = 100;  // the repetition stays on the list to be seen
    Use(test::Alternating(9));
    random.values = {0, 0, 0};  // items 1, 2, 3
    ASSERT_TRUE(ex.Open(1, 4, "dia_1"));
    EXPECT_EQ(ex.Items(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(player.lines, std::vector<std::string>{"d1"}) << "the first item plays at once";
    EXPECT_EQ(ex.PlaybackState(), "NIC");
    player.Finish();
    EXPECT_EQ(ex.PlaybackState(), "NIC");
    ex.ReplayItem();
    EXPECT_EQ(player.lines.back(), "d1");

    ex.ClickLine(5);  // not hidden: nothing
    EXPECT_EQ(ex.WrongCount(), 0);
    ex.ClickLine(2);  // hidden, but not the one heard
    EXPECT_EQ(ex.WrongCount(), 1);
    EXPECT_EQ(player.played.back(), (test::FakeSoundPlayer::Play{dir.Path() + "Wav_r\\no.wav", false}));
    EXPECT_EQ(Saved(73).DoneCount, 0) << "the first answer is recorded only with the next";

    ex.ClickLine(1);
    EXPECT_FALSE(ex.Lines()[0].hidden);
    const std::vector<test::FakeSoundPlayer::Play> verdict = {{dir.Path() + "Wav_r\\ok.wav", false}, {dir.Path() + "Wav_r\\ok.wav", true}};
    EXPECT_TRUE(std::equal(verdict.begin(), verdict.end(), player.played.end() - 2)) << "heard to its end before the next line";
    EXPECT_EQ(Saved(73).DoneCount, 1);
    // Two left: the position moves one step, onto the third.
    EXPECT_EQ(ex.Items(), (std::vector<int>{2, 3}));
    EXPECT_EQ(ex.ItemPosition(), 2);
    EXPECT_EQ(player.lines.back(), "d3");
    ex.ClickLine(3);
    EXPECT_EQ(ex.ItemPosition(), 1);
    EXPECT_EQ(player.lines.back(), "d2");
    ex.ClickLine(2);
    EXPECT_TRUE(ex.Completed());
    EXPECT_TRUE(ex.Screen().nextVisible);
    EXPECT_FALSE(ex.Screen().replayVisible);
    EXPECT_EQ(ex.Percent(), 75) << "3 of 1 wrong + 3 items";
    EXPECT_EQ(ex.Screen().gauge, 75);
    ex.ClickLine(2);  // found already
    EXPECT_EQ(ex.CorrectCount(), 3);

    ex.Close();
    const CW_Info saved = Saved(73);
    EXPECT_EQ(saved.Result, 75);
    EXPECT_EQ(saved.Completed, 1);
    const RepetitionList reps = SavedRepetitions();
    ASSERT_FALSE(reps.entries.empty());
    EXPECT_EQ(reps.entries.back().Kind, 73);
    EXPECT_EQ(reps.entries.back().Index, 3);
}

TEST_F(DialogueModel, AllHiddenLinesFoundRightIsAHundredAndTwoWrongOfFourIsSixtySeven) {
    for (const int wrong : {0, 2}) {
        Use(test::Alternating(12));
        random.values = {0, 0, 0, 0};
        ASSERT_TRUE(ex.Open(1, 4, "dia_1"));
        for (int w = 0; w < wrong; ++w) ex.ClickLine(ex.Items().back() == ex.Items()[static_cast<size_t>(ex.ItemPosition()) - 1] ? ex.Items().front() : ex.Items().back());
        while (!ex.Items().empty()) ex.ClickLine(ex.Items()[static_cast<size_t>(ex.ItemPosition()) - 1]);
        EXPECT_EQ(ex.Percent(), wrong == 0 ? 100 : 67);
        ex.Close();
    }
}

// ----- variant 5 -----

TEST_F(DialogueModel, GapsFollowTheWordCountsUpToTwentyInAll) {
    Dialogue d = test::Alternating(4);
    d.Lines[0].Text = "A: one two three";
    d.Lines[1].Text = "B: " + Words(4, "x") + "";
    d.Lines[2].Text = "A: " + std::string("w1 w2 w3 w4 w5 w6 w7 w8 w9 w10 w11");
    d.Lines[3].Text = "B: ... - hello -";
    Use(d);
    ASSERT_TRUE(ex.Open(1, 5, "dia_1"));
    std::vector<int> perLine(4, 0);
    for (const DialogueGap& gap : ex.Gaps()) ++perLine[static_cast<size_t>(gap.line) - 1];
    EXPECT_EQ(perLine[0], 0) << "three words";
    EXPECT_EQ(perLine[1], 1) << "four words, all the same: one gap";
    EXPECT_EQ(perLine[2], 2);
    EXPECT_EQ(perLine[3], 1);
    EXPECT_EQ(ex.Gaps().back().word, "hello") << "\"...\" and \"-\" are never gaps";
    EXPECT_EQ(ex.Lines()[3].text, "... - <!!TU>hello -");
    EXPECT_EQ(ex.ItemCount(), 4);
    EXPECT_TRUE(ex.Screen().wordPanelVisible);

    Use(test::Alternating(25, "TTTTT", 30));
    ASSERT_TRUE(ex.Open(1, 5, "dia_1"));
    EXPECT_EQ(ex.Gaps().size(), 20u);
    std::set<std::string> labels;
    std::set<int> slots;
    for (const DialogueGap& gap : ex.Gaps()) {
        labels.insert(gap.label);
        slots.insert(gap.homeSlot);
    }
    EXPECT_EQ(labels.size(), 20u) << "no two labels alike";
    EXPECT_EQ(slots.size(), 20u);
    EXPECT_EQ(*slots.rbegin(), 19);
}

TEST_F(DialogueModel, EachGapIsBoundToItsOwnMarkerWhateverOrderItWasDrawnIn) {
    OpenWithGapsIn("a1 a2 a3 a4 a5 a6 a7 a8 a9 a10 a11", {8, 1});  // "a9" is drawn first, then "a2"
    ASSERT_EQ(ex.Gaps().size(), 2u);
    EXPECT_EQ(ex.Gaps()[0].word, "a2");
    EXPECT_EQ(ex.Gaps()[1].word, "a9");
    EXPECT_EQ(ex.Lines()[0].text, "a1 <!!TU>a2 a3 a4 a5 a6 a7 a8 <!!TU>a9 a10 a11");
    // The first picture of the line takes "a2", the second "a9".
    const DialogueLineLayout& line = ex.Layout().lines[0];
    EXPECT_EQ(line.pieces[1].gap, 0);
    EXPECT_EQ(line.pieces[8].gap, 1);
    EXPECT_FALSE(DropOn(1, 0)) << "\"a9\" on the picture in front of where \"a2\" belongs";
    EXPECT_TRUE(DropOn(1, 1));
    EXPECT_EQ(ex.Lines()[0].text, "a1 <!!TU>a2 a3 a4 a5 a6 a7 a8 a9 a10 a11");
    EXPECT_FALSE(DropOn(1, 1)) << "a filled gap takes nothing more";
    EXPECT_EQ(ex.CorrectCount(), 1);
    EXPECT_EQ(ex.WrongCount(), 1);
}

TEST_F(DialogueModel, AGapWordThatBeginsAnotherFillsItsOwnGap) {
    // "contract" is drawn first, then "contractor".
    OpenWithGapsIn("the contractor signed a new contract with us on Monday morning", {5, 1});
    ASSERT_EQ(ex.Gaps().size(), 2u);
    EXPECT_EQ(ex.Gaps()[0].word, "contractor");
    EXPECT_EQ(ex.Gaps()[1].word, "contract");
    EXPECT_EQ(ex.Lines()[0].text, "the <!!TU>contractor signed a new <!!TU>contract with us on Monday morning");

    EXPECT_TRUE(DropOnOwnGap(1));
    EXPECT_EQ(ex.Lines()[0].text, "the <!!TU>contractor signed a new contract with us on Monday morning");
    EXPECT_TRUE(DropOnOwnGap(0));
    EXPECT_EQ(ex.Lines()[0].text, "the contractor signed a new contract with us on Monday morning");
    EXPECT_TRUE(infos.empty()) << infos.front();
    EXPECT_TRUE(ex.Completed());
    EXPECT_EQ(ex.Percent(), 100);
}

TEST_F(DialogueModel, DroppedWordsAreJudgedAndScored) {
    Dialogue d = test::Alternating(3);
    d.Lines[0].Text = "A: we need ten chairs.";
    d.Lines[1].Text = "B: they arrive on Friday";
    d.Lines[2].Text = "A: ok";
    Use(d);
    random.values = {3, 3};  // "chairs." and "Friday"
    ASSERT_TRUE(ex.Open(1, 5, "dia_1"));
    ASSERT_EQ(ex.Gaps().size(), 2u);
    EXPECT_EQ(ex.Gaps()[0].label, "  chairs  ");
    ex.StartDrag(0);
    EXPECT_TRUE(ex.Worked());

    // On the other word's gap, and beside every gap: wrong.
    const DialoguePiece& second = ex.Layout().lines[1].pieces[3];
    ASSERT_EQ(second.kind, DialoguePiece::Kind::Gap);
    EXPECT_FALSE(ex.DropWord(0, second.x + 2, DialogueRowTop(second.row, 0) + 2));
    EXPECT_FALSE(ex.DropWord(0, 600, 300));
    EXPECT_EQ(ex.WrongCount(), 2);
    EXPECT_EQ(player.played.back().path, dir.Path() + "Wav_r\\no.wav");

    EXPECT_TRUE(DropOnOwnGap(0));
    EXPECT_EQ(ex.Lines()[0].text, "we need ten chairs.");
    EXPECT_EQ(player.played.back(), (test::FakeSoundPlayer::Play{dir.Path() + "Wav_r\\ok.wav", false}));
    EXPECT_FALSE(ex.Completed());
    EXPECT_EQ(Saved(74).Result, 25) << "recorded after every answer: 1 of 2 wrong + 2 items";
    EXPECT_TRUE(DropOnOwnGap(1));
    EXPECT_TRUE(ex.Completed());
    EXPECT_FALSE(ex.Screen().wordPanelVisible);
    EXPECT_TRUE(ex.Screen().nextVisible);
    EXPECT_EQ(ex.Percent(), 50);
    ex.Close();
    EXPECT_EQ(Saved(74).Completed, 1);
    EXPECT_EQ(SavedRepetitions().entries.back().Index, 4);
}

// ----- results -----

TEST_F(DialogueModel, ClosingRecordsWhatWasWorkedAndAlwaysSaves) {
    Use(test::Alternating(4));
    ASSERT_TRUE(ex.Open(1, 1, "dia_1"));
    std::filesystem::remove(NativePath(ctx.startup.ResultsDirectory + "qlr2_55"));
    ex.Close();
    EXPECT_TRUE(FileExists(ctx.startup.ResultsDirectory + "qlr2_55")) << "saved though nothing was done";
    EXPECT_EQ(Saved(70).DoneCount, 0);

    ASSERT_TRUE(ex.Open(1, 1, "dia_1"));
    ex.ClickLine(1);
    ex.ChooseTab(2);  // records listening, starts speaking afresh
    EXPECT_EQ(Saved(70).DoneCount, 1);
    EXPECT_EQ(Saved(70).Result, 100);
    EXPECT_EQ(Saved(70).Completed, 1);
    EXPECT_EQ(ex.Variant(), 2);
    EXPECT_FALSE(ex.Worked());
    ex.Close();
    EXPECT_EQ(Saved(71).DoneCount, 0);
    EXPECT_TRUE(SavedRepetitions().entries.empty()) << "listening reports to no repetition";
}

TEST_F(DialogueModel, DrawingAgainKeepsTheWorkOfTheDrawBefore) {
    Use(test::Alternating(4));
    ASSERT_TRUE(ex.Open(1, 3, "dia_1"));
    recorder.bytes = test::WavBytes(600);
    ex.RecordPressed(ex.TranslationLine());
    ex.RecordReleased(ex.TranslationLine());
    ex.DrawAgain();
    EXPECT_FALSE(ex.Worked());
    ex.Close();
    EXPECT_EQ(Saved(72).DoneCount, 1);
    EXPECT_EQ(Saved(72).Completed, 1);
}

TEST_F(DialogueModel, ClosingWhileRecordingEndsTheRecording) {
    Use(test::Alternating(4));
    ASSERT_TRUE(ex.Open(1, 2, "dia_1"));
    ex.RecordPressed(1);
    ex.Close();
    EXPECT_FALSE(recorder.recording);
    EXPECT_EQ(player.ended, nullptr) << "the window no longer listens to the player";
}

TEST_F(DialogueModel, Printout) {
    Dialogue d;
    d.Code = "D_01";
    d.Title = "At the desk";
    d.Lines = {test::Spoken("a", 1, "Hello.", "Dzien dobry."), test::Spoken("b", 5, "Hi!", "Czesc!")};
    Use(d);
    ctx.exercise.LessonName = "Meeting a client";
    ASSERT_TRUE(ex.Open(1, 1, "dia_1"));
    const std::string P = dir.Path();
    EXPECT_EQ(ex.PrintoutHtml(),
              "<html><head><link href=\"" + P + "htm_r\\style.css\" rel=\"stylesheet\" type=text/css></head><body>"
              "<BR><B>Quillan - Business English</b><BR><B>Meeting a client</B><BR><B>At the desk</B><BR><BR>"
              "<IMG SRC=\"" + P + "gfx_r\\dialogA.bmp\" border=\"0\">&nbsp;&nbsp;Hello.<BR><I>Dzien dobry.</I><BR><BR>"
              "<IMG SRC=\"" + P + "gfx_r\\dialogE.bmp\" border=\"0\">&nbsp;&nbsp;Hi!<BR><I>Czesc!</I><BR><BR>"
              "<BR><BR>&copy; Quillan - Business English. Printed from the course program.<br></body></html>");
}

}  // namespace
}  // namespace quillan
