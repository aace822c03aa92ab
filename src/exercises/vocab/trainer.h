#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "exercises/vocab/questions.h"
#include "exercises/vocab/word_list.h"
#include "exercises/vocab/word_list_page.h"

namespace quillan {

struct AppContext;

// The vocabulary trainer: five stages on one word list. Stage 1 is the word list to study;
// stages 2 to 5 ask the items one by one (hear and choose the word, choose the translation,
// dictation, type the word from its translation), asking a wrongly answered item again after
// the others until it is answered right. A pass scores Round(right / (items + wrong) x 100),
// counting the items the stage asks. A stage left with nothing answered records nothing.
//
// The trainer holds every rule; its window shows Screen() after each operation and forwards
// the learner's clicks and keys. Sounds go through the shared player, recordings through the
// recorder, results through the learner's files.

// Stage (1..5) to its question mode: 0 word list, 1 hear and choose, 2 choose the translation,
// 5 dictation, 6 type the word.
int StageModeOf(int stage);

// The score of a pass: Round(correct / (wrong + items) x 100), halves to even; 0 when
// nothing was answered.
int PassPercent(int correct, int wrong, int itemCount);

constexpr int kTrainerModes = 15;

// An item's progress in one mode.
struct ItemModeState {
    int Remaining = 0;  // right answers still needed: 1 when the item takes part, 0 when done or left out
    int Asked = 0;
    bool Done = false;
};

// An item in the order of the pass, with its progress in every mode (Modes[1..15]).
struct TrainerItem {
    int Entry = 0;
    std::array<ItemModeState, kTrainerModes + 1> Modes{};
};

// The item on screen.
struct TrainerQuestion {
    std::string ExpectedAnswer;
    std::string GivenAnswer;
    bool AnswerRight = false;
    bool AcceptedVariant = false;
    bool Answered = false;
    std::string PromptSound;
    std::string AnswerSound;
    ChoiceOptions Choice;
    std::vector<std::string> AcceptedList;
};

// What the window shows. Positions are the window's pixels.
struct TrainerScreen {
    std::string background;  // img_tlo: MediaDir + "tla\slow_" + n + ".jpg"
    int stage = 0;  // the active tab; 0 before any
    bool playVisible = false;      // btn_play: replay the item's sound (stages 2 and 4)
    bool wordListVisible = false;  // dxramka_mat

    bool instructionVisible = false;
    std::string instruction;  // L_Polecenie

    bool wordVisible = false;
    std::string word;  // L_Slowko
    bool frameVisible = false;
    std::string frameText;  // the long prompt painted in dxramka
    bool frameColour = false;

    bool optionsVisible = false;  // L_Odp1..4 and their markers (a slot not Used stays hidden)
    bool typingVisible = false;   // E_Wpisana
    int typingClears = 0;         // counts the times E_Wpisana was emptied
    int presentations = 0;        // counts the items presented (the typing field takes the focus)
    bool okVisible = false;       // B_OK
    bool repeatVisible = false;   // b_repeat

    bool rightAnswerVisible = false;
    std::string rightAnswer;  // L_Poprawna
    int rightAnswerLeft = 46;
    bool okIconVisible = false;  // img_ok
    bool badIconVisible = false;  // img_bad
    std::string badIconHint;
    bool translationVisible = false;
    std::string translation;  // L_tlumaczenie: the translation after an answer in stage 2
    bool replayVisible = false;  // TransparentButton1

    bool exampleVisible = false;
    std::string example;      // L_zdanie
    std::string exampleHint;  // f_zdanie: the example's translation
    int exampleEntry = 0;     // g_zdanie: the entry whose recording it plays

    bool gaugeVisible = false;
    int gauge = 0;

    bool takeReplayVisible = false;  // img_glosnik2 beside row takeReplayRow of the word list
    int takeReplayRow = 0;
    bool takeTimerRunning = false;  // Timer1: the 15 s limit of a take
};

class VocabTrainer {
public:
    static constexpr int kTakeLimitMs = 15000;
    static constexpr int kShortestTakeMs = 200;
    static constexpr int kRightAnswerLeft = 46, kRightAnswerLeftWithIcon = 80;

    explicit VocabTrainer(AppContext& context);

    // The word list the trainer works on; loaded and mapped before Open.
    VocabStore& Store() { return store_; }
    const VocabStore& Store() const { return store_; }

    // The window opens on a stage (1..5; any other value opens none) of exercise `exerciseId`.
    void Open(const std::string& exerciseId, int requestedStage);
    // The window closes: the sound stops, a take running ends, an unreported result is reported.
    void Close();

    // A tab was chosen (or b_repeat: the current tab again).
    void ClickTab(int stage);
    void Repeat() { ClickTab(stage_); }

    void BuildModeTable();
    void StartPass();
    void NextItem();
    void PresentItem();
    void ChooseOption(int n);
    void CheckTypedAnswer(const std::string& text);
    void ShowVerdict();
    void MarkAnswer();
    void ReportStageResult();
    void ShowWord(const std::string& text, bool colour);

    // B_OK (or Enter while it shows): judge the typed text, or, once answered, go on.
    void OkClicked(const std::string& typed);
    // btn_play and TransparentButton1: the answer's sound once answered, else the prompt's.
    void PlayItemSound();
    // g_zdanie (or Space while it shows): the example sentence.
    void PlayExample();
    // A new background picture (at opening and on F4): one of five at random, or the
    // fallback "slow_0.jpg" when that one is missing.
    void RandomBackground();

    // The word list (stage 1). Coordinates are those of the page.
    WordListPage& Page() { return page_; }
    void LayOutPage(int lineHeight, const std::function<int(const std::string&)>& textWidth);
    void PagePressed(int x, int y, bool leftButton);
    void PageReleased(int x, int y, bool leftButton);
    void TakeTimerFired();
    // img_glosnik2: the take again.
    void ReplayTake();
    std::string TakePath() const;  // ProgramDir + "tmp1.wav"
    int RecordingRow() const { return recordingRow_; }

    const TrainerScreen& Screen() const { return screen_; }
    const TrainerQuestion& Question() const { return question_; }
    const std::vector<TrainerItem>& Items() const { return items_; }
    int Stage() const { return stage_; }
    int StageMode() const { return StageModeOf(stage_); }
    int ItemCount() const { return store_.ItemCount; }
    // The items the stage asks (every item on the word list); those a stage cannot ask (no
    // recording to hear, an example sentence) do not count in its score.
    int AskedItemCount() const;
    int CurrentPos() const { return currentPos_; }
    int CurrentWordEntry() const { return currentWordEntry_; }
    int CorrectCount() const { return correct_; }
    int WrongCount() const { return wrong_; }
    bool ResultReported() const { return resultReported_; }
    const std::string& ExerciseId() const { return exerciseId_; }

    // The hint of a tab and the help topic of the stage shown.
    std::string TabHint(int stage) const;
    std::string HelpTopic() const;

    // Called before the trainer waits for a sound to end, so the window shows the state first.
    std::function<void()> onScreenChanged;
    // Shows a short note in the info window (a take too short); the messages when not set.
    std::function<void(const std::string&)> showInfo;

private:
    const VocabEntry* Entry(int index) const;
    std::string UiTextOf(int n) const;
    std::string SoundPathOf(int entry) const;
    void Play(const std::string& path, bool wait);
    Random& Draws();
    void ShowExampleOf(int entry);
    void HideExample();
    void HideQuestion();
    void Shuffle();
    void StopTake(bool playBack);
    void Changed();

    AppContext& context_;
    VocabStore store_;
    WordListPage page_;
    std::vector<TrainerItem> items_;  // ItemOrder with ItemState
    TrainerQuestion question_;
    TrainerScreen screen_;
    std::string exerciseId_;
    int stage_ = 0;
    int currentPos_ = 0;
    int currentWordEntry_ = 0;
    int correct_ = 0;
    int wrong_ = 0;
    bool resultReported_ = true;
    int recordingRow_ = -1;
    bool open_ = false;
};

}  // namespace quillan
