#include "exercises/vocab/trainer.h"

#include <algorithm>
#include <cmath>

#include "session/app_context.h"
#include "audio/wav_file.h"
#include "course/exercise_kinds.h"
#include "text/answer_text.h"
#include "exercises/vocab/word_frame.h"
#include "platform/paths.h"
#include "session/learner_session.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

constexpr int kShuffleDrawLimit = 1000;

}  // namespace

int StageModeOf(int stage) {
    switch (stage) {
        case 2: return 1;
        case 3: return 2;
        case 4: return 5;
        case 5: return 6;
        default: return 0;
    }
}

int PassPercent(int correct, int wrong, int itemCount) {
    if (correct + wrong == 0 || wrong + itemCount <= 0) return 0;
    return static_cast<int>(std::nearbyint(static_cast<double>(correct) / static_cast<double>(wrong + itemCount) * 100.0));
}

VocabTrainer::VocabTrainer(AppContext& context) : context_(context) {}

const VocabEntry* VocabTrainer::Entry(int index) const {
    if (index < 1 || static_cast<size_t>(index) > store_.Entries.size()) return nullptr;
    return &store_.Entries[static_cast<size_t>(index) - 1];
}

std::string VocabTrainer::UiTextOf(int n) const { return UiText(context_.course.interfaceTexts, n); }

std::string VocabTrainer::SoundPathOf(int entry) const {
    return EntrySoundPath(store_, entry, context_.startup.ProgramDir, context_.startup.BsgramDir);
}

std::string VocabTrainer::TakePath() const { return context_.startup.ProgramDir + "tmp1.wav"; }

Random& VocabTrainer::Draws() {
    static SystemRandom fallback;
    return context_.services.random ? *context_.services.random : fallback;
}

void VocabTrainer::Play(const std::string& path, bool wait) {
    // An item without a recording, or whose sound was taken back, plays nothing; nor does a
    // closed window (a sound awaited when it closed ends the wait, not the verdict's steps).
    if (open_ && !path.empty() && context_.services.soundPlayer) context_.services.soundPlayer->PlaySound(path, wait);
}

void VocabTrainer::Changed() {
    if (onScreenChanged) onScreenChanged();
}

std::string VocabTrainer::TabHint(int stage) const {
    return ExerciseKindName(59 + stage, context_.startup.CourseVariant, context_.course.interfaceTexts);
}

std::string VocabTrainer::HelpTopic() const { return "HH_" + UiTextOf(154 + stage_); }

// ----- the window as a whole -----

void VocabTrainer::Open(const std::string& exerciseId, int requestedStage) {
    exerciseId_ = exerciseId;
    open_ = true;
    stage_ = 0;
    // A fresh screen; its counters go on, so the window sees the field emptied and focused anew.
    const int clears = screen_.typingClears, presentations = screen_.presentations;
    screen_ = TrainerScreen();
    screen_.typingClears = clears + 1;
    screen_.presentations = presentations;
    page_.ResetScroll();
    RandomBackground();
    BuildModeTable();
    StartPass();
    resultReported_ = true;
    if (requestedStage >= 1 && requestedStage <= 5) ClickTab(requestedStage);
}

void VocabTrainer::Close() {
    if (context_.services.soundPlayer) context_.services.soundPlayer->StopSound();
    StopTake(false);
    open_ = false;
    if (!resultReported_) ReportStageResult();
}

void VocabTrainer::RandomBackground() {
    const std::string dir = context_.startup.MediaDir + "tla\\";
    const std::string path = dir + "slow_" + std::to_string(1 + Draws().Below(5)) + ".jpg";
    screen_.background = FileExists(path) ? path : dir + "slow_0.jpg";
}

void VocabTrainer::ClickTab(int stage) {
    if (stage < 1 || stage > 5) return;
    screen_.takeReplayVisible = false;
    if (!resultReported_) ReportStageResult();
    BuildModeTable();
    screen_.wordListVisible = false;
    screen_.repeatVisible = false;
    stage_ = stage;
    resultReported_ = false;
    screen_.stage = stage;
    screen_.playVisible = stage == 2 || stage == 4;
    if (stage == 1) {
        // The list starts unstudied: the counters of a pass before are not its result.
        correct_ = 0;
        wrong_ = 0;
        screen_.gaugeVisible = false;
        screen_.wordListVisible = true;
        HideQuestion();
        screen_.instruction = UiTextOf(144);
        screen_.instructionVisible = true;
        page_.ResetScroll();
        return;
    }
    StartPass();
    NextItem();
}

void VocabTrainer::HideQuestion() {
    screen_.wordVisible = false;
    screen_.frameVisible = false;
    screen_.optionsVisible = false;
    screen_.typingVisible = false;
    screen_.okVisible = false;
    screen_.rightAnswerVisible = false;
    screen_.okIconVisible = false;
    screen_.badIconVisible = false;
    screen_.translationVisible = false;
    screen_.replayVisible = false;
    HideExample();
}

// ----- passes -----

void VocabTrainer::BuildModeTable() {
    items_.clear();
    const int count = std::min<int>(store_.ItemCount, static_cast<int>(store_.ItemEntries.size()));
    for (int k = 0; k < count; ++k) {
        TrainerItem item;
        item.Entry = store_.ItemEntries[static_cast<size_t>(k)];
        const VocabEntry* entry = Entry(item.Entry);
        for (int mode = 1; mode <= kTrainerModes; ++mode) {
            ItemModeState& state = item.Modes[static_cast<size_t>(mode)];
            state = ItemModeState();
            state.Remaining = entry ? 1 : 0;
            if (!entry) continue;
            if (entry->EntryId > 60000 ? mode <= 8 : (mode >= 10 && mode <= 14)) state.Remaining = 0;
            if (entry->SoundRef.empty() && (mode == 1 || mode == 3 || mode == 5 || mode == 9)) state.Remaining = 0;
        }
        items_.push_back(item);
    }
}

void VocabTrainer::StartPass() {
    screen_.takeReplayVisible = false;
    screen_.gaugeVisible = false;
    HideExample();
    correct_ = 0;
    wrong_ = 0;
    recordingRow_ = -1;
    currentPos_ = 0;
    Shuffle();
    ++screen_.typingClears;
}

void VocabTrainer::Shuffle() {
    const int n = static_cast<int>(items_.size());
    if (n <= 4) return;
    const int swaps = std::clamp(static_cast<int>(std::nearbyint(0.6 * n)), 5, n);
    Random& random = Draws();
    int previous = 1;
    for (int i = 1; i <= swaps; ++i) {
        auto allowed = [&](int j) { return j >= 1 && j <= n && j != i && j != previous; };
        int j = 1 + random.Below(n);
        for (int tries = 1; tries < kShuffleDrawLimit && !allowed(j); ++tries) j = 1 + random.Below(n);
        // A draw that keeps failing takes the first allowed position.
        for (int k = 1; !allowed(j); ++k) j = k;
        std::swap(items_[static_cast<size_t>(i) - 1], items_[static_cast<size_t>(j) - 1]);
        previous = j;
    }
}

void VocabTrainer::NextItem() {
    const int n = static_cast<int>(items_.size());
    const size_t mode = static_cast<size_t>(StageMode());
    auto remaining = [&](int pos) { return pos >= 1 && pos <= n ? items_[static_cast<size_t>(pos) - 1].Modes[mode].Remaining : 0; };
    auto advance = [&] { currentPos_ = currentPos_ + 1 > n ? 1 : currentPos_ + 1; };
    advance();
    for (int tried = 1; remaining(currentPos_) < 1 && tried < n + 1; ++tried) advance();
    if (remaining(currentPos_) < 1) {
        currentPos_ = 1;
        ReportStageResult();
        screen_.okVisible = false;
        screen_.repeatVisible = true;
        return;
    }
    currentWordEntry_ = items_[static_cast<size_t>(currentPos_) - 1].Entry;
    PresentItem();
}

void VocabTrainer::MarkAnswer() {
    screen_.instructionVisible = false;
    screen_.rightAnswer = question_.ExpectedAnswer;
    if (currentPos_ >= 1 && static_cast<size_t>(currentPos_) <= items_.size()) {
        ItemModeState& state = items_[static_cast<size_t>(currentPos_) - 1].Modes[static_cast<size_t>(StageMode())];
        ++state.Asked;
        if (question_.AnswerRight) {
            if (--state.Remaining < 1) {
                state.Done = true;
                state.Remaining = 0;
            }
        }
    }
    if (question_.AnswerRight) {
        ++correct_;
        if (question_.AcceptedVariant) question_.AnswerSound.clear();
    } else {
        ++wrong_;
    }
    screen_.gauge = PassPercent(correct_, wrong_, AskedItemCount());
    screen_.gaugeVisible = true;
}

int VocabTrainer::AskedItemCount() const {
    const size_t mode = static_cast<size_t>(StageMode());
    if (mode == 0) return ItemCount();
    // An item takes part while it still needs an answer, or once it has had its right one.
    return static_cast<int>(std::count_if(items_.begin(), items_.end(), [mode](const TrainerItem& item) {
        return item.Modes[mode].Remaining >= 1 || item.Modes[mode].Done;
    }));
}

void VocabTrainer::ReportStageResult() {
    resultReported_ = true;
    if (stage_ < 1 || stage_ > 5) return;
    // A stage only looked at records nothing, so the result it holds from before stands.
    if (correct_ + wrong_ == 0) {
        FinishExercise(context_, nullptr);
        return;
    }
    const int percent = PassPercent(correct_, wrong_, AskedItemCount());
    const int kind = 59 + stage_;
    if (stage_ == 1) {
        // The word list goes to the results but not to the repetitions.
        RecordExerciseResult(context_, percent, exerciseId_, kind, 1, 0);
        FinishExercise(context_, nullptr);
        return;
    }
    const ExerciseReport report{percent, exerciseId_, kind, 1, 0, stage_};
    FinishExercise(context_, &report);
}

// ----- questions -----

void VocabTrainer::PresentItem() {
    screen_.okIconVisible = false;
    screen_.badIconVisible = false;
    screen_.rightAnswerVisible = false;
    screen_.rightAnswerLeft = kRightAnswerLeft;
    HideExample();
    screen_.translationVisible = false;
    screen_.frameVisible = false;
    screen_.frameText.clear();
    screen_.okVisible = false;
    question_.Answered = false;
    question_.AcceptedVariant = false;
    question_.AnswerRight = false;
    screen_.instruction.clear();
    screen_.gauge = PassPercent(correct_, wrong_, AskedItemCount());

    const VocabEntry* entry = Entry(currentWordEntry_);
    static const VocabEntry kNone;
    const VocabEntry& e = entry ? *entry : kNone;
    const int mode = StageMode();
    const int variant = context_.startup.CourseVariant;
    question_.AcceptedList = BuildAcceptedList(e, mode, variant);
    question_.GivenAnswer.clear();
    question_.Choice = ChoiceOptions();
    screen_.instructionVisible = true;

    Random& random = Draws();
    switch (mode) {
        case 1:
        case 2: {
            const bool words = mode == 1;
            if (words) {
                screen_.wordVisible = false;
                ShowWord("", false);
            } else {
                ShowWord(e.Headword, true);
            }
            screen_.instruction = UiTextOf(words ? 145 : 146);
            const std::vector<std::string> pool = BuildDistractorPool(store_, currentWordEntry_, words ? 1 : 2, variant);
            const std::string& right = words ? e.Headword : e.Translation;
            question_.Choice = PickOptions(pool, right, store_, words, random);
            question_.ExpectedAnswer = right;
            screen_.optionsVisible = true;
            screen_.typingVisible = false;
            question_.PromptSound = question_.AnswerSound = SoundPathOf(currentWordEntry_);
            Play(question_.PromptSound, false);
            break;
        }
        case 5:
            screen_.optionsVisible = false;
            ShowWord("", false);
            screen_.instruction = UiTextOf(147);
            screen_.okVisible = true;
            screen_.typingVisible = true;
            question_.PromptSound = question_.AnswerSound = SoundPathOf(currentWordEntry_);
            Play(question_.PromptSound, false);
            question_.ExpectedAnswer = e.Headword;
            break;
        case 6:
            screen_.optionsVisible = false;
            ShowWord(e.Translation, true);
            question_.ExpectedAnswer = Trim(e.Headword);
            screen_.instruction = UiTextOf(148);
            if (context_.learner.settings.ShowLetterCount) screen_.instruction += LetterCountSuffix(question_.ExpectedAnswer);
            screen_.okVisible = true;
            screen_.typingVisible = true;
            question_.PromptSound.clear();
            question_.AnswerSound = SoundPathOf(currentWordEntry_);
            break;
        default: break;
    }
    screen_.replayVisible = !question_.PromptSound.empty();
    ++screen_.presentations;
}

void VocabTrainer::ShowWord(const std::string& text, bool colour) {
    screen_.frameText.clear();
    screen_.frameVisible = false;
    screen_.word.clear();
    screen_.frameColour = colour;
    if (text.size() > kWordLabelLimit) {
        screen_.frameText = text;
        screen_.frameVisible = true;
    } else {
        screen_.word = text;
        screen_.wordVisible = true;
    }
}

void VocabTrainer::ChooseOption(int n) {
    if (question_.Answered || !screen_.optionsVisible || n < 1 || n > 4) return;
    if (!question_.Choice.Used[static_cast<size_t>(n) - 1]) return;
    question_.Answered = true;
    screen_.optionsVisible = false;
    question_.GivenAnswer = question_.Choice.Options[static_cast<size_t>(n) - 1];
    screen_.rightAnswerLeft = kRightAnswerLeftWithIcon;
    if (n == question_.Choice.CorrectOption) {
        question_.AnswerRight = true;
        screen_.okIconVisible = true;
        question_.GivenAnswer.clear();
    } else {
        question_.AnswerRight = false;
        screen_.badIconVisible = true;
        screen_.badIconHint = "Your answer: " + question_.GivenAnswer;
    }
    ShowVerdict();
}

void VocabTrainer::CheckTypedAnswer(const std::string& text) {
    if (question_.Answered) return;
    question_.AnswerRight = false;
    question_.Answered = true;
    screen_.typingVisible = false;
    ++screen_.typingClears;
    const TypedJudgement judgement = JudgeTypedAnswer(text, question_.ExpectedAnswer, question_.AcceptedList,
                                                      context_.learner.settings.CaseSensitive);
    question_.GivenAnswer = judgement.given;
    question_.AcceptedVariant = judgement.acceptedVariant;
    question_.AnswerRight = judgement.right;
    if (judgement.right && !judgement.acceptedVariant) {
        screen_.okIconVisible = true;
        screen_.rightAnswerLeft = kRightAnswerLeftWithIcon;
    }
    if (question_.AnswerRight) {
        question_.ExpectedAnswer = question_.GivenAnswer;
    } else {
        screen_.badIconVisible = true;
        screen_.badIconHint = Trim(question_.GivenAnswer).empty() ? "There was no answer"
                                                                   : "Your answer: " + question_.GivenAnswer;
        screen_.rightAnswerLeft = kRightAnswerLeftWithIcon;
    }
    ShowVerdict();
}

void VocabTrainer::ShowVerdict() {
    MarkAnswer();
    screen_.rightAnswerVisible = true;
    screen_.okVisible = true;
    if (!question_.AnswerRight) {
        Changed();
        Play(context_.startup.ProgramDir + "zla.wav", true);
    }
    const VocabEntry* entry = Entry(currentWordEntry_);
    if (entry && StageMode() == 1) {
        screen_.translation = entry->Translation;
        screen_.translationVisible = true;
    }
    if (entry && StageMode() == 5) {
        screen_.word = entry->Translation;
        screen_.wordVisible = true;
    }
    ShowExampleOf(currentWordEntry_);
    if (question_.PromptSound.empty()) Play(question_.AnswerSound, false);
    screen_.replayVisible = !question_.AnswerSound.empty();
}

void VocabTrainer::ShowExampleOf(int entryIndex) {
    const VocabEntry* entry = Entry(entryIndex);
    const int example = entry && entry->ExampleId >= 1 ? FindEntryById(store_, entry->ExampleId) : -1;
    if (example < 1) {
        HideExample();
        return;
    }
    const VocabEntry& sentence = *Entry(example);
    screen_.example = StripMarkers(sentence.Headword);
    screen_.exampleHint = sentence.SecondText;
    screen_.exampleVisible = !screen_.example.empty();
    screen_.exampleEntry = screen_.exampleVisible ? example : 0;
}

void VocabTrainer::HideExample() {
    screen_.example.clear();
    screen_.exampleHint.clear();
    screen_.exampleVisible = false;
    screen_.exampleEntry = 0;
}

void VocabTrainer::OkClicked(const std::string& typed) {
    if (question_.Answered) {
        screen_.frameVisible = false;
        NextItem();
    } else {
        CheckTypedAnswer(typed);
    }
}

void VocabTrainer::PlayItemSound() { Play(question_.Answered ? question_.AnswerSound : question_.PromptSound, false); }

void VocabTrainer::PlayExample() {
    if (screen_.exampleEntry > 0) Play(SoundPathOf(screen_.exampleEntry), false);
}

// ----- the word list -----

void VocabTrainer::LayOutPage(int lineHeight, const std::function<int(const std::string&)>& textWidth) {
    std::vector<int> entries(store_.ItemEntries.begin(),
                             store_.ItemEntries.begin() + std::min<size_t>(store_.ItemEntries.size(), static_cast<size_t>(std::max(0, store_.ItemCount))));
    page_.Layout(store_, entries, context_.startup.ProgramDir, context_.startup.BsgramDir, lineHeight, textWidth);
}

void VocabTrainer::PagePressed(int x, int y, bool leftButton) {
    if (ItemCount() == 0) {
        HideExample();
        return;
    }
    bool onMicrophone = false;
    const int row = page_.RowPressed(x, y, leftButton, onMicrophone);
    if (row == 0) {
        HideExample();
        return;
    }
    const int entry = page_.Rows()[static_cast<size_t>(row) - 1].entry;
    if (!onMicrophone) {
        // Studying the list counts the stage as done.
        correct_ = AskedItemCount();
        wrong_ = 0;
        Play(SoundPathOf(entry), false);
        if (x - WordListPage::kWordBoxLeft < WordListPage::kSpeakerZone)
            HideExample();
        else
            ShowExampleOf(entry);
        return;
    }
    recordingRow_ = row;
    Recorder* recorder = context_.services.recorder;
    if (!recorder) return;
    screen_.takeReplayVisible = false;
    if (context_.services.soundPlayer) context_.services.soundPlayer->Close();
    recorder->StartTake();
    screen_.takeTimerRunning = recorder->TakeRecording();
}

void VocabTrainer::PageReleased(int x, int y, bool leftButton) {
    if (leftButton && page_.MicrophoneRowAt(x, y) > 0) StopTake(true);
}

void VocabTrainer::TakeTimerFired() { StopTake(true); }

void VocabTrainer::StopTake(bool playBack) {
    screen_.takeTimerRunning = false;
    Recorder* recorder = context_.services.recorder;
    // Only a take that runs is stopped: a release after the time limit plays nothing again.
    if (!recorder || !recorder->TakeRecording()) return;
    const bool saved = recorder->StopTake();
    if (!playBack || !saved || !FileExists(TakePath())) return;
    if (SoundFileLengthMs(TakePath()) >= kShortestTakeMs) {
        screen_.takeReplayRow = recordingRow_;
        screen_.takeReplayVisible = true;
        Changed();
        Play(TakePath(), true);
    } else if (showInfo) {
        showInfo(UiTextOf(81));
    } else if (context_.services.messages) {
        context_.services.messages->Show(UiTextOf(81));
    }
}

void VocabTrainer::ReplayTake() {
    HideExample();
    Changed();
    Play(TakePath(), true);
}

}  // namespace quillan
