#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "course/dialogue_data.h"
#include "exercises/dialogues/dialogue_layout.h"

namespace quillan {

struct AppContext;
class Random;

// The dialogue exercise: one recorded dialogue of up to 25 lines in five variants, each on its
// own tab: 1 listening, 2 speaking (the learner records lines and hears them in the dialogue),
// 3 translation (one line shows its Polish translation, the learner says and records it),
// 4 listening comprehension (hidden lines are found by ear), 5 drag and drop (words dragged into
// gaps). Results go to the learner's files as kinds 70 to 74.
//
// Playback is a state machine driven by the shared player's end notification and by the
// window's pause timer: PlaybackState says what the end of the current playback leads to. No
// playback waits: a button, a tab or closing stops it at once. Only the feedback sounds of
// variant 4 ("ok.wav" before the next hidden line) are awaited.

// The state names of the playback.
namespace playback {
inline const std::string kNone;
inline const std::string kOneLine = "dialog";
inline const std::string kAll = "dialogi_All";
inline const std::string kRolePrefix = "dialogi_";       // + "A" .. "D"
inline const std::string kThenModel = "PotemLektor:";   // + the model's audio name
inline const std::string kItem = "NIC";
}  // namespace playback

// Gaps of a line by its word count: 1-3 words none, 4-10 one, 11-20 two, 21 and more three.
int GapsForWordCount(int words);
// The text of a gap's word label: the word without a final "...", without surrounding quotes,
// without a final ".", ",", "?", "!" or ";", with two spaces on each side.
std::string DialogueGapLabel(const std::string& word);
// The form two gap words are told apart by: the word without a final ".", ",", "?", "!" or ";".
std::string GapForm(const std::string& word);
// Where the marker in front of gap word `word` (as it stands in the line, its punctuation
// included) is in a line's text: the first "<!!TU>" + word that the word ends, a blank or the
// end of the line following it, so that "contract" is not taken for the front of "contractor".
// npos when there is none.
size_t FindGapMarker(const std::string& text, const std::string& word);
// The utterance of a line's text "label: utterance": from two characters after the first
// colon; the whole text when it has none.
std::string Utterance(const std::string& text);
// Variant v's percent: correct / (correct + wrong) x 100 for variants 1-3, correct / (wrong +
// items) x 100 for 4 and 5, to the nearest integer (halves to even); 0 when the divisor is 0.
int DialoguePercent(int variant, int correct, int wrong, int items);

// One line as the window shows and plays it.
struct DialogueLineState {
    int speaker = 0;            // 1..5 (A..E)
    std::string text;           // the utterance; gaps marked in variant 5
    std::string audio;          // the model's name, or "save_" + n + ".wav" for the learner's own
    int recordingState = 1;     // 1 the model plays, 2 the learner's own recording
    std::string ownRecording;   // the learner's recording of this line; empty when none
    bool active = false;        // drawn in blue: being played
    bool hidden = false;        // variant 4: behind the question-mark picture
    bool translated = false;    // variant 3: the drawn line shows its translation
    bool recordingNow = false;  // its record control is held
};

// A gap of variant 5 and its word label (lbl_1 .. lbl_25 in gap order).
struct DialogueGap {
    int line = 0;        // 1-based
    int position = 0;    // where its word starts in the line's text
    std::string word;    // the word as it stands in the text
    std::string label;   // the label's text
    bool filled = false;
    int homeSlot = 0;    // the label's home: x = 700, y = 156 + 20 x slot
};

// What the window shows besides the text.
struct DialogueScreen {
    int variant = 0;
    std::array<bool, 5> tabVisible{};
    std::array<int, 5> tabNumber{};  // c: the tab's number among the visible ones (its picture)
    std::string background;          // MediaDir + "dialogi_tlo\..." ; empty when none exists
    bool wide = true;                // layout 1: text area at 16, 656 wide; 0: at 110, 544 wide
    std::string instruction;         // lbl_polecenie
    bool playAllVisible = false;     // btn_playAll
    std::array<bool, 4> roleVisible{};  // btn_play_A .. btn_play_D
    bool replayVisible = false;      // btn_odtworz
    bool nextVisible = false;        // btn_nastepne
    bool wordPanelVisible = false;   // the labels' panel of variant 5
    bool glossaryVisible = false;    // btn_tlumacz
    bool gaugeVisible = false;
    int gauge = 0;
    int offset = 0;  // the first row shown
    int maxOffset = 0;
};

class DialogueExercise {
public:
    static constexpr int kPausePerCharacterMs = 70;
    static constexpr int kShortestRecordingMs = 300;  // 299 ms or less is refused
    static constexpr int kLabelLeft = 700, kLabelTop = 156, kLabelStep = 20;
    static constexpr int kMaxGaps = 20;
    // The text area: layout 1 wide, layout 0 narrow.
    static constexpr int kWideLeft = 16, kWideWidth = 656, kNarrowLeft = 110, kNarrowWidth = 544;

    explicit DialogueExercise(AppContext& context);
    // The player no longer tells an exercise that is gone (closing records; going does not).
    ~DialogueExercise();
    DialogueExercise(const DialogueExercise&) = delete;
    DialogueExercise& operator=(const DialogueExercise&) = delete;

    // Shows dialogue `number` (1-based) of the course at `variant` (1..5) as exercise
    // `exerciseId`. False when the course has no such dialogue: the learner is told.
    bool Open(int number, int variant, const std::string& exerciseId);
    // The window closes: playback and a recording stop, the result is recorded.
    void Close();
    bool IsOpen() const { return open_; }

    // How the text is measured (the width follows the dialogue's layout); the layout follows
    // every change of the text from then on.
    void SetMetrics(const DialogueMetrics& metrics);

    // A tab (1..5): records the variant's result and starts the chosen one; the tab of the
    // variant shown only stops what plays.
    void ChooseTab(int variant);
    // btn_nastepne "Wylosuj jeszcze raz": the variant again, with new draws.
    void DrawAgain();

    // ----- playback -----
    void PlayAll();              // btn_playAll
    void PlayRole(int role);     // btn_play_A .. btn_play_D: role 1..4
    void ClickLine(int line);    // a click on line n (1-based) of the text
    void ClickAt(int x, int y);  // a click at a point of the paint box
    void ReplayItem();           // btn_odtworz: variant 4's current item
    void PlaybackEnded();        // the shared player's end notification
    void PauseEnded();           // the window's pause timer
    // Any other control: whatever plays stops, its highlight goes.
    void StopPlayback();

    // ----- the learner's recordings (variant 2, and the drawn line of variant 3) -----
    void RecordPressed(int line);   // the left button goes down on Nag_n
    void RecordReleased(int line);  // and comes up
    void ToggleOwnRecording(int line);  // Lek_n
    // Whether line n offers its record controls in this variant.
    bool HasRecordControls(int line) const;

    // ----- variant 5 -----
    void StartDrag(int gap);  // a word label is picked up
    // A label dropped at a point of the paint box; true when it filled its own gap.
    bool DropWord(int gap, int x, int y);

    // ----- scrolling -----
    void Scroll(int rows);  // btn_up (-1), btn_dn (+1)
    bool CanScrollUp() const { return screen_.offset > 0; }
    bool CanScrollDown() const { return screen_.offset < screen_.maxOffset; }

    // The printout of the dialogue (HTML, Windows-1250).
    std::string PrintoutHtml() const;
    // btn_help and btn_tlumacz: the information panel's key.
    std::string HelpKey() const;
    std::string GlossaryKey() const;
    std::string TabHint(int variant) const;
    // The picture of a visible tab under "but_r\zakl\": the tab of the variant shown has its
    // active picture, the others the picture of their number among the visible tabs. Empty for
    // a hidden tab.
    std::string TabPicture(int variant) const;
    std::string UiTextOf(int n) const;

    // A line's hand pointer.
    bool LineClickable(int line) const;

    const DialogueScreen& Screen() const { return screen_; }
    const std::vector<DialogueLineState>& Lines() const { return lines_; }
    const std::vector<DialogueGap>& Gaps() const { return gaps_; }
    const DialogueLayout& Layout() const { return layout_; }
    const DialogueMetrics& Metrics() const { return metrics_; }
    const Dialogue* Current() const { return dialogue_; }
    int Variant() const { return screen_.variant; }
    const std::string& PlaybackState() const { return playbackState_; }
    int CurrentLine() const { return currentLine_; }
    int CorrectCount() const { return correct_; }
    int WrongCount() const { return wrong_; }
    int ItemCount() const { return itemCount_; }
    bool Worked() const { return worked_; }
    bool Completed() const { return completed_; }
    int TranslationLine() const { return translationLine_; }
    // Variant 4: the hidden lines still to find, in draw order, and the current one's position.
    const std::vector<int>& Items() const { return items_; }
    int ItemPosition() const { return itemPosition_; }
    int Percent() const;
    // The layout changed since the window last took it.
    int LayoutGeneration() const { return layoutGeneration_; }

    // The window's pause timer: started for a number of milliseconds, or cancelled.
    std::function<void(int ms)> startPause;
    std::function<void()> cancelPause;
    // Shows a note in the message window (a recording too short); the messages when not set.
    std::function<void(const std::string&)> showInfo;
    // Called when a playback's end has moved the state on, and before a feedback sound is
    // awaited, so that the window shows the state.
    std::function<void()> onScreenChanged;

private:
    void StartVariant(int variant);
    void ShowTabs();
    void ChooseBackground();
    void DrawTranslationLine();
    void DrawHiddenLines();
    void MakeGaps();
    void RelayOut();
    void ReportResult();
    void Tell(const std::string& text);
    Random& Draws();

    // Playback steps.
    void Highlight(int line);
    void Unhighlight(int line);
    void ShowLine(int line);
    bool PlayLineAudio(int line, bool inSequence);
    void PrepareNext(int line);
    void PlayModel(const std::string& audioName);
    void ContinueRole(int from);
    void StartPause(int line);
    void CountPlay();
    int Role() const;  // 1..4 while a role plays, else 0
    void PlayItem();
    void AnswerHidden(int line);
    void ListenForEnd();

    std::string LineRecordingBase(int line) const;
    std::string LineRecordingPath(int line) const;

    AppContext& context_;
    const Dialogue* dialogue_ = nullptr;
    std::string exerciseId_;
    bool open_ = false;
    DialogueScreen screen_;
    DialogueMetrics metrics_;
    DialogueLayout layout_;
    int layoutGeneration_ = 0;
    std::vector<DialogueLineState> lines_;
    std::vector<DialogueGap> gaps_;

    std::string playbackState_;
    int currentLine_ = 0;
    bool pausing_ = false;
    bool missingTold_ = false;  // a missing line recording was told in this playback
    int correct_ = 0, wrong_ = 0, itemCount_ = 0;
    bool worked_ = false, completed_ = false;
    int recordingLine_ = 0;
    int translationLine_ = 0, previousTranslationLine_ = 0;
    std::vector<int> items_;
    int itemPosition_ = 1;
    bool roleNoteShown_ = false;  // UiText(114), once a run for roles B and C
};

}  // namespace quillan
