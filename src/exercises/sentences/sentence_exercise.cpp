#include "exercises/sentences/sentence_exercise.h"

#include "audio/wav_file.h"
#include "course/exercise_kinds.h"
#include "exercises/sentences/dictation.h"
#include "platform/cp1250.h"
#include "platform/paths.h"
#include "platform/recorder.h"
#include "session/app_context.h"
#include "session/learner_session.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

constexpr int kDrawLimit = 1000;  // draws for two different positions before taking the next one

}  // namespace

SentenceExercise::SentenceExercise(AppContext& context) : context_(context) {}

std::string SentenceExercise::UiTextOf(int n) const { return UiText(context_.course.interfaceTexts, n); }

Random& SentenceExercise::Draws() {
    static SystemRandom fallback;
    return context_.services.random ? *context_.services.random : fallback;
}

void SentenceExercise::Play(const std::string& path, bool wait) {
    if (open_ && !path.empty() && context_.services.soundPlayer) context_.services.soundPlayer->PlaySound(path, wait);
}

void SentenceExercise::Changed() {
    if (onScreenChanged) onScreenChanged();
}

void SentenceExercise::Info(const std::string& text) {
    if (showInfo)
        showInfo(text);
    else if (context_.services.messages)
        context_.services.messages->Show(text);
}

std::string SentenceExercise::TabHint(int tab) const { return UiTextOf(48 + tab); }

bool SentenceExercise::DragDropOn() const { return context_.learner.settings.SentenceDragDrop; }

std::string SentenceExercise::TakePath() const {
    return context_.services.recorder ? context_.services.recorder->TakePath() : std::string();
}

const Sentence* SentenceExercise::Current() const {
    const int count = SentenceCount();
    if (pos_ < 1 || pos_ > count || order_.size() != sentences_.size()) return nullptr;
    const int number = sentences_[static_cast<size_t>(order_[static_cast<size_t>(pos_) - 1]) - 1];
    const Sentences& all = context_.course.sentences;
    if (number < 1 || static_cast<size_t>(number) > all.size()) return nullptr;
    return &all[static_cast<size_t>(number) - 1];
}

// ----- the window as a whole -----

bool SentenceExercise::Open(const std::string& exerciseId, int package, int kind) {
    const Packages& packages = context_.course.packages;
    if (package < 1 || static_cast<size_t>(package) > packages.size()) {
        if (context_.services.messages)
            context_.services.messages->Error(Utf8ToCp1250("Brak pakietu zdań nr ") + std::to_string(package) + ".");
        return false;
    }
    if (open_) Close();
    exerciseId_ = exerciseId;
    package_ = package;
    sentences_ = packages[static_cast<size_t>(package) - 1].Sentences;
    open_ = true;
    pos_ = 1;
    const int clears = screen_.typingClears, presentations = screen_.presentations, changes = screen_.puzzleChanges;
    screen_ = SentenceScreen();
    screen_.typingClears = clears;
    screen_.presentations = presentations;
    screen_.puzzleChanges = changes;
    // A record of no sentence kind opens the first tab.
    OpenSentenceTab(kind >= SentenceKindOf(kPuzzleTab) && kind <= SentenceKindOf(kTranslationTab) ? kind
                                                                                                 : SentenceKindOf(kPuzzleTab));
    RandomBackground();  // as the window shows
    return true;
}

void SentenceExercise::OpenSentenceTab(int kind) {
    screen_.tab = kNoTab;
    activityDone_ = false;
    ClickTab(kind - 49);
}

void SentenceExercise::ClickTab(int tab) {
    if (tab < kPuzzleTab || tab > kTranslationTab || tab == screen_.tab) return;
    pos_ = 1;
    if (activityDone_ && screen_.tab != kNoTab)
        RecordExerciseResult(context_, Percent(), exerciseId_, SentenceKindOf(screen_.tab), allSolved_ ? 1 : 0, 0);
    SaveResults(context_);
    screen_.tab = tab;
    ShuffleOrder();
    allSolved_ = false;
    activityDone_ = false;
    correct_ = 0;
    wrong_ = 0;
    solved_.assign(sentences_.size(), false);
    screen_.stats = {"0", "0", "0", std::to_string(SentenceCount())};
    SetUpSentence();
}

bool SentenceExercise::ExitClicked() {
    if (!activityDone_) return true;
    SummaryRequest summary;
    summary.lines = {screen_.stats[0], screen_.stats[1], screen_.stats[2], std::to_string(SentenceCount())};
    summary.backShown = true;
    return showSummary ? showSummary(summary) : true;
}

void SentenceExercise::Close() {
    if (!open_) return;
    screen_.takeTimerRunning = false;
    StopTake(false);
    if (context_.services.soundPlayer) {
        if (context_.services.soundPlayer->IsPlaying()) context_.services.soundPlayer->StopSound();
        context_.services.soundPlayer->Close();
    }
    open_ = false;
    const int kind = SentenceKindOf(screen_.tab);
    if (activityDone_ && screen_.tab != kNoTab) {
        const ExerciseReport report{Percent(), exerciseId_, kind, allSolved_ ? 1 : 0, 0, kind - 49};
        FinishExercise(context_, &report);
    } else {
        FinishExercise(context_, nullptr);
    }
    activityDone_ = false;
}

void SentenceExercise::RandomBackground() {
    background_ = 1 + Draws().Below(kFirstBackgrounds);
    screen_.background = context_.startup.MediaDir + "Zdania\\Zdania" + std::to_string(background_) + ".jpg";
}

void SentenceExercise::NextBackground() {
    background_ = background_ % kBackgrounds + 1;
    screen_.background = context_.startup.MediaDir + "Zdania\\Zdania" + std::to_string(background_) + ".jpg";
}

// ----- sentences -----

void SentenceExercise::ShuffleOrder() {
    const int n = SentenceCount();
    order_.resize(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i) order_[static_cast<size_t>(i) - 1] = i;
    if (n < 2) return;
    Random& random = Draws();
    for (int swap = 0; swap < n; ++swap) {
        const int a = random.Below(n);
        int b = random.Below(n);
        // An equal draw does not count; a generator that keeps drawing it takes the next position.
        for (int draw = 1; b == a && draw < kDrawLimit; ++draw) b = random.Below(n);
        if (b == a) b = (a + 1) % n;
        std::swap(order_[static_cast<size_t>(a)], order_[static_cast<size_t>(b)]);
    }
}

void SentenceExercise::CommonSetUp(int variant) {
    checked_ = false;
    answerText_.clear();
    takeReady_ = false;
    screen_.takeTimerRunning = false;
    screen_.takeReplayVisible = false;
    screen_.answerVisible = false;
    screen_.infoRed = false;
    screen_.info = UiTextOf(17 + variant);
    screen_.puzzleVisible = false;
    screen_.typingVisible = false;
    screen_.checkVisible = false;
    screen_.sentenceVisible = false;
    screen_.translationVisible = false;
    screen_.revealVisible = false;
    screen_.yesVisible = false;
    screen_.noVisible = false;
    screen_.nextVisible = false;
}

void SentenceExercise::SetUpSentence() {
    const Sentence* sentence = Current();
    static const Sentence kNone;
    const Sentence& s = sentence ? *sentence : kNone;
    switch (screen_.tab) {
        case kPuzzleTab:
            CommonSetUp(2);
            puzzle_.SetUp(s.Variant1, Draws());
            ++screen_.puzzleChanges;
            screen_.checkVisible = true;
            screen_.puzzleVisible = true;
            break;
        case kDictationTab:
            CommonSetUp(1);
            screen_.checkVisible = true;
            ++screen_.typingClears;
            screen_.typingLimit = static_cast<int>(s.Variant1.size()) + kTypingRoom;
            screen_.typingVisible = true;
            break;
        case kTranslationTab:
            CommonSetUp(3);
            screen_.sentence = s.Variant1;
            screen_.translation = s.Translation;
            screen_.revealVisible = true;
            break;
        default: return;
    }
    ++screen_.presentations;
    Changed();
    PlaySentence();
}

void SentenceExercise::UpdateStatistics() {
    const int count = SentenceCount();
    screen_.stats = {std::to_string(correct_), std::to_string(wrong_), std::to_string(ScoreShown(correct_, count + wrong_)),
                     std::to_string(count - correct_)};
}

void SentenceExercise::Judged(bool right) {
    if (pos_ >= 1 && static_cast<size_t>(pos_) <= solved_.size()) solved_[static_cast<size_t>(pos_) - 1] = right;
    if (right)
        ++correct_;
    else
        ++wrong_;
}

void SentenceExercise::CheckClicked(const std::string& typed) {
    if (!open_ || !screen_.checkVisible || (screen_.tab != kPuzzleTab && screen_.tab != kDictationTab)) return;
    if (checked_) {
        Advance();
        return;
    }
    activityDone_ = true;
    const Sentence* sentence = Current();
    static const Sentence kNone;
    const Sentence& s = sentence ? *sentence : kNone;
    bool right = false;
    if (screen_.tab == kPuzzleTab) {
        // Letter case counts here, whatever the setting says.
        const std::string built = puzzle_.Sentence();
        right = built == Trim(s.Variant1);
        screen_.answer = right ? built : Trim(s.Variant1);
        answerText_ = right ? std::string() : built;
        screen_.info = UiTextOf(right ? 76 : 77);
        screen_.puzzleVisible = false;
    } else {
        right = DictationAccepts(typed, AcceptedWordings(s), context_.course.contractions,
                                 context_.learner.settings.CaseSensitive);
        screen_.answer = ShownWording(s);
        answerText_ = right ? std::string() : typed;
        screen_.info = UiTextOf(right ? 78 : 79);
        screen_.typingVisible = false;
    }
    screen_.infoRed = !right;
    screen_.answerVisible = true;
    Judged(right);
    UpdateStatistics();
    if (correct_ >= SentenceCount()) allSolved_ = true;
    checked_ = true;
    if (!right && context_.learner.settings.ShowSentenceTipOnce) {
        // Once for this learner: the setting is saved switched off.
        context_.learner.settings.ShowSentenceTipOnce = false;
        if (!context_.startup.ResultsDirectory.empty()) SaveSettings(context_);
        Changed();
        Info(UiTextOf(80));
    }
}

void SentenceExercise::Advance() {
    const int count = SentenceCount();
    if (correct_ >= count) {
        Summary();
        return;
    }
    // The next position not yet solved, after the last one the first.
    for (int step = 0; step < count; ++step) {
        pos_ = pos_ >= count ? 1 : pos_ + 1;
        if (!solved_[static_cast<size_t>(pos_) - 1]) break;
    }
    SetUpSentence();
}

void SentenceExercise::Summary() {
    screen_.checkVisible = false;
    SummaryRequest summary;
    summary.lines = {screen_.stats[0], screen_.stats[1], screen_.stats[2], ""};
    summary.backShown = true;
    Changed();
    const bool ended = showSummary ? showSummary(summary) : false;
    if (ended && closeWindow) closeWindow();
}

// ----- translation -----

void SentenceExercise::RevealClicked() {
    if (!open_ || screen_.tab != kTranslationTab || !screen_.revealVisible) return;
    activityDone_ = true;
    screen_.revealVisible = false;
    screen_.sentenceVisible = true;
    screen_.translationVisible = true;
    screen_.yesVisible = true;
    screen_.noVisible = true;
}

void SentenceExercise::KnewClicked(bool knew) {
    if (!open_ || screen_.tab != kTranslationTab || !screen_.yesVisible) return;
    Judged(knew);
    UpdateStatistics();
    // The last sentence known completes the tab even when the window closes before "next".
    if (correct_ >= SentenceCount()) allSolved_ = true;
    screen_.yesVisible = false;
    screen_.noVisible = false;
    screen_.nextVisible = true;
}

void SentenceExercise::NextClicked() {
    if (!open_ || screen_.tab != kTranslationTab || !screen_.nextVisible) return;
    if (correct_ >= SentenceCount()) {
        allSolved_ = true;
        screen_.nextVisible = false;
        Summary();
        return;
    }
    Advance();
}

// ----- sound and takes -----

void SentenceExercise::PlaySentence() {
    const Sentence* sentence = Current();
    // A sentence without a recording plays nothing; a recording named but missing is told by
    // the player.
    if (!sentence || sentence->Extra.empty()) return;
    Play(context_.startup.BsgramDir + sentence->Extra, false);
}

void SentenceExercise::RecordPressed() {
    if (!open_) return;
    Recorder* recorder = context_.services.recorder;
    screen_.recording = true;
    takeReady_ = false;
    if (context_.services.soundPlayer) context_.services.soundPlayer->Close();
    screen_.takeTimerRunning = true;
    takePending_ = true;
    if (recorder) recorder->StartTake();
    takeStarted_ = recorder && recorder->TakeRecording();
}

void SentenceExercise::RecordReleased() { StopTake(true); }

void SentenceExercise::StopTake(bool compare) {
    screen_.takeTimerRunning = false;
    screen_.recording = false;
    if (!takePending_) return;
    takePending_ = false;
    Recorder* recorder = context_.services.recorder;
    const bool saved = recorder && recorder->StopTake();
    // A take that could not start or be saved has been told by the recorder: nothing to measure
    // or compare, and an earlier take in the file is not passed off as this one.
    if (takeStarted_ && !saved) {
        takeReady_ = false;
        screen_.takeReplayVisible = false;
        Changed();
    }
    if (!compare || !open_ || !takeStarted_ || !saved) return;
    if (SoundFileLengthMs(TakePath()) >= kShortestTakeMs) {
        takeReady_ = true;
        screen_.takeReplayVisible = true;
    } else {
        Changed();
        Info(UiTextOf(81));
    }
    CompareTakes();
}

void SentenceExercise::CompareTakes() {
    if (!open_) return;
    Changed();
    // The comparison plays what exists: no take file, only the sentence.
    if (FileExists(TakePath())) Play(TakePath(), true);
    PlaySentence();
}

// ----- the puzzle -----

void SentenceExercise::LayOutPuzzle(const std::function<int(const std::string&)>& width, int lineHeight) {
    puzzle_.LayOut(width, lineHeight);
}

void SentenceExercise::PuzzlePointerMoved(int x, int y) {
    if (screen_.puzzleVisible) puzzle_.PointerMoved(x, y, DragDropOn());
}

void SentenceExercise::PuzzlePressed(int x, int y, bool leftButton) {
    if (!screen_.puzzleVisible) return;
    const PuzzleBoard::Press press = puzzle_.Pressed(x, y, leftButton, DragDropOn());
    if (press.onWord) activityDone_ = true;
    ++screen_.puzzleChanges;
}

void SentenceExercise::PuzzleDraggedTo(int x, int y) {
    // A button held without a drag (clicking words on) is a movement like any other.
    if (puzzle_.Marks().dragging)
        puzzle_.DraggedTo(x, y);
    else
        PuzzlePointerMoved(x, y);
}

void SentenceExercise::PuzzleDropped(int x, int y) {
    puzzle_.Dropped(x, y);
    ++screen_.puzzleChanges;
}

void SentenceExercise::PuzzleMarkPressed() {
    puzzle_.PressedOnMark();
    ++screen_.puzzleChanges;
}

void SentenceExercise::BackgroundMoved() { puzzle_.BackgroundMoved(); }

void SentenceExercise::BackgroundPressed() {
    puzzle_.BackgroundPressed();
    ++screen_.puzzleChanges;
}

std::string SentenceExercise::AnswerToShow() const { return Trim(answerText_); }

}  // namespace quillan
