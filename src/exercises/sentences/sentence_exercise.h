#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "course/sentences.h"
#include "exercises/sentences/puzzle.h"
#include "exercises/sentences/score.h"

namespace quillan {

struct AppContext;
class Random;

// The tabs of the sentence exercise and the results kinds they report under.
enum SentenceTab { kNoTab = 0, kPuzzleTab = 1, kDictationTab = 2, kTranslationTab = 3 };
constexpr int SentenceKindOf(int tab) { return 49 + tab; }

// What the sentence window shows. Positions of the puzzle are in its paint box.
struct SentenceScreen {
    int tab = kNoTab;         // the active tab (Image1..Image3)
    std::string background;   // img_tlo: MediaDir + "Zdania\Zdania" + n + ".jpg"

    std::string info;         // lbl_info: the instruction, then the verdict
    bool infoRed = false;     // the verdict of a wrong answer
    bool answerVisible = false;
    std::string answer;       // lbl_odp: the sentence as it should be, or as the learner built it
    std::array<std::string, 4> stats{"0", "0", "0", "0"};  // L_Stat1..L_Stat4: right, wrong, score, left

    bool checkVisible = false;   // btn_sprawdz: check, and once judged, next
    bool puzzleVisible = false;  // pb_tresc
    int puzzleChanges = 0;       // counts the changes of the puzzle's words (a repaint is due)

    bool typingVisible = false;  // Memo2
    int typingLimit = 0;         // its length limit: Variant1 + 25 characters
    int typingClears = 0;        // counts the times Memo2 was emptied
    int presentations = 0;       // counts the sentences set up (the typing field takes the focus)

    bool sentenceVisible = false;     // lbl_1
    std::string sentence;
    bool translationVisible = false;  // lbl_2
    std::string translation;
    bool revealVisible = false;  // btn_sprawdz_3
    bool yesVisible = false;     // btn_tak: "I knew it"
    bool noVisible = false;      // btn_nie
    bool nextVisible = false;    // btn_nastepne

    bool recording = false;          // K_Nagraj shows K_nag_b while the take records
    bool takeReplayVisible = false;  // k_play_nagrane: the take, then the sentence
    bool takeTimerRunning = false;   // Timer1: the 15 s limit of a take
};

// The sentence exercise: the sentences of one package in three variants on three tabs - put the
// shuffled words in order (puzzle), type the sentence heard (dictation), or translate it in
// one's head and say whether one knew it (translation). The sentences come in a shuffled order;
// a sentence answered wrongly comes back until every one has been answered right. The score is
// Round(right / (sentences + wrong) x 100).
//
// The exercise holds every rule; its window shows Screen() after each operation and forwards
// the learner's clicks and keys. Sounds go through the shared player, the take through the
// recorder, results through the learner's files.
class SentenceExercise {
public:
    static constexpr int kTakeLimitMs = 15000;
    static constexpr int kShortestTakeMs = 200;
    static constexpr int kBackgrounds = 20;        // F4 steps through 1..20
    static constexpr int kFirstBackgrounds = 19;   // the window opens on one of 1..19
    static constexpr int kTypingRoom = 25;         // Memo2 takes Variant1 + 25 characters

    explicit SentenceExercise(AppContext& context);

    // The window opens for a "zda_" line: package `package` (1-based) on the tab of `kind` (50
    // puzzle, 51 dictation, 52 translation). False when the course has no such package (the
    // learner has been told; the window does not open). A window already open for another
    // exercise is closed first, its work recorded.
    bool Open(const std::string& exerciseId, int package, int kind);
    // The tab of a results kind, opened afresh.
    void OpenSentenceTab(int kind);
    // A tab clicked: the tab left reports its result (without repetitions) and the new one starts
    // from scratch; the active tab again does nothing.
    void ClickTab(int tab);
    // btn_exit: once the learner worked, the summary asks whether to end. True when the window
    // may close.
    bool ExitClicked();
    // The window closes: the sound stops, a take ends, the result of the learner's work is
    // recorded with its repetition, and the learner's files are saved.
    void Close();
    bool IsOpen() const { return open_; }

    // btn_sprawdz (or Enter): judges the puzzle or the typed text; once judged, the next
    // sentence, or the summary when every sentence is solved.
    void CheckClicked(const std::string& typed);
    // A key went down in the typing field.
    void KeyTyped() { activityDone_ = true; }
    // The translation variant: reveal, "I knew it" (true) or not, next.
    void RevealClicked();
    void KnewClicked(bool knew);
    void NextClicked();

    // btn_play (also a click on the background, and Ctrl+W): the sentence's recording.
    void PlaySentence();
    // K_Nagraj held with the left button: a take of the learner's voice, at most 15 s.
    void RecordPressed();
    void RecordReleased();
    void TakeTimerFired() { RecordReleased(); }
    // k_play_nagrane: the take to its end, then the sentence.
    void CompareTakes();
    std::string TakePath() const;  // ProgramDir + "tmp1.wav"

    // A new background at opening, the next one on F4.
    void RandomBackground();
    void NextBackground();

    // The puzzle's words under the pointer (paint-box coordinates); see PuzzleBoard.
    void LayOutPuzzle(const std::function<int(const std::string&)>& width, int lineHeight);
    void PuzzlePointerMoved(int x, int y);
    void PuzzlePressed(int x, int y, bool leftButton);
    void PuzzleDraggedTo(int x, int y);
    void PuzzleDropped(int x, int y);
    void PuzzleMarkPressed();
    void BackgroundMoved();
    void BackgroundPressed();
    const PuzzleBoard& Puzzle() const { return puzzle_; }
    bool DragDropOn() const;

    // F5 (and a click on lbl_info once judged): the learner's last wrong answer, trimmed; empty
    // when there is none.
    std::string AnswerToShow() const;
    std::string TabHint(int tab) const;

    const SentenceScreen& Screen() const { return screen_; }
    const std::string& ExerciseId() const { return exerciseId_; }
    int PackageNumber() const { return package_; }
    int SentenceCount() const { return static_cast<int>(sentences_.size()); }
    int SentencePos() const { return pos_; }
    // The sentence on screen; null when the package has none.
    const Sentence* Current() const;
    const std::vector<int>& Order() const { return order_; }
    int CorrectCount() const { return correct_; }
    int WrongCount() const { return wrong_; }
    int Percent() const { return ScorePercent(correct_, SentenceCount() + wrong_); }
    bool AllSolved() const { return allSolved_; }
    bool ActivityDone() const { return activityDone_; }
    bool Checked() const { return checked_; }

    // Called before the exercise waits for a sound to end, so the window shows the state first.
    std::function<void()> onScreenChanged;
    // The info window (a tip, a take too short); the messages when not set.
    std::function<void(const std::string&)> showInfo;
    // The summary window, modal; gives true when the learner chose to end the exercise.
    std::function<bool(const SummaryRequest&)> showSummary;
    // Asks the window to close (after the summary ended the exercise).
    std::function<void()> closeWindow;

private:
    std::string UiTextOf(int n) const;
    Random& Draws();
    void Play(const std::string& path, bool wait);
    void Changed();
    void Info(const std::string& text);
    void ShuffleOrder();
    void SetUpSentence();
    void CommonSetUp(int variant);
    void UpdateStatistics();
    void Advance();
    void Summary();
    void Judged(bool right);
    void StopTake(bool compare);

    AppContext& context_;
    std::string exerciseId_;
    int package_ = 0;
    std::vector<int> sentences_;  // the package's sentence numbers
    std::vector<int> order_;      // SentenceOrder: positions 1..count, shuffled
    std::vector<bool> solved_;    // per position
    int pos_ = 1;                 // SentencePos
    int correct_ = 0;
    int wrong_ = 0;
    bool checked_ = false;
    bool allSolved_ = false;
    bool activityDone_ = false;
    bool takeReady_ = false;
    bool takePending_ = false;  // a press started a take that awaits its release
    bool takeStarted_ = false;  // the recorder could start it (else it told the learner why)
    std::string answerText_;
    PuzzleBoard puzzle_;
    SentenceScreen screen_;
    int background_ = 1;
    bool open_ = false;
};

}  // namespace quillan
