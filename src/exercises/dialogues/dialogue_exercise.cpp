#include "exercises/dialogues/dialogue_exercise.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "audio/media_paths.h"
#include "audio/wav_file.h"
#include "platform/cp1250.h"
#include "platform/paths.h"
#include "session/app_context.h"
#include "session/learner_session.h"
#include "text/numbered_texts.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

bool EndsWithAny(const std::string& word, const char* endings) {
    return !word.empty() && std::string(endings).find(word.back()) != std::string::npos;
}

std::string WithoutFinalPunctuation(std::string word) {
    if (EndsWithAny(word, ".,?!;")) word.pop_back();
    return word;
}

// Quotes a word may stand in: straight ones and the Windows-1250 „ ” “.
bool IsQuote(char c) { return c == '"' || c == '\x84' || c == '\x94' || c == '\x93'; }

const char kRoleLetters[] = "ABCD";

// The number n of a variant's active tab picture "dial_" + n + "a.bmp": a course has four of
// them, for variants 1, 2, 4 and 5, whatever tabs a dialogue shows; the translation variant,
// which has none of its own, takes the third.
int ActiveTabPictureNumber(int variant) {
    switch (variant) {
        case 1: return 1;
        case 2: return 2;
        case 3:
        case 4: return 3;
        default: return 4;
    }
}

}  // namespace

int GapsForWordCount(int words) {
    if (words <= 3) return 0;
    if (words <= 10) return 1;
    if (words <= 20) return 2;
    return 3;
}

std::string GapForm(const std::string& word) { return WithoutFinalPunctuation(word); }

size_t FindGapMarker(const std::string& text, const std::string& word) {
    const std::string marked = std::string(kGapMarker) + word;
    for (size_t at = text.find(marked); at != std::string::npos; at = text.find(marked, at + 1)) {
        const size_t end = at + marked.size();
        if (end == text.size() || text[end] == ' ') return at;
    }
    return std::string::npos;
}

// The label shows the bare word: a quoted word followed by a full stop ("deal".) loses both its
// stop and its quotes, so that no label shows a stray quote.
std::string DialogueGapLabel(const std::string& word) {
    std::string core = word;
    if (core.size() >= 3 && core.compare(core.size() - 3, 3, "...") == 0) core.erase(core.size() - 3);
    core = WithoutFinalPunctuation(core);
    if (!core.empty() && IsQuote(core.front())) core.erase(0, 1);
    if (!core.empty() && IsQuote(core.back())) core.pop_back();
    core = WithoutFinalPunctuation(core);
    return "  " + core + "  ";
}

std::string Utterance(const std::string& text) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return text;
    return colon + 2 <= text.size() ? text.substr(colon + 2) : std::string();
}

int DialoguePercent(int variant, int correct, int wrong, int items) {
    const int divisor = variant >= 4 ? wrong + items : correct + wrong;
    if (divisor <= 0) return 0;
    return static_cast<int>(std::nearbyint(static_cast<double>(correct) * 100.0 / divisor));
}

DialogueExercise::DialogueExercise(AppContext& context) : context_(context) {}

DialogueExercise::~DialogueExercise() {
    if (open_ && context_.services.soundPlayer) context_.services.soundPlayer->SetPlaybackEndedHandler(nullptr);
}

Random& DialogueExercise::Draws() {
    static SystemRandom fallback;
    return context_.services.random ? *context_.services.random : fallback;
}

std::string DialogueExercise::UiTextOf(int n) const { return UiText(context_.course.interfaceTexts, n); }

void DialogueExercise::Tell(const std::string& text) {
    if (showInfo)
        showInfo(text);
    else if (context_.services.messages)
        context_.services.messages->Show(text);
}

// ----- the window as a whole -----

bool DialogueExercise::Open(int number, int variant, const std::string& exerciseId) {
    const Dialogues& dialogues = context_.course.dialogues;
    if (number < 1 || static_cast<size_t>(number) > dialogues.size()) {
        if (context_.services.messages)
            context_.services.messages->Show(Utf8ToCp1250("W kursie nie ma dialogu nr ") + std::to_string(number) + ".");
        return false;
    }
    if (open_) Close();
    dialogue_ = &dialogues[static_cast<size_t>(number) - 1];
    exerciseId_ = exerciseId;
    open_ = true;
    previousTranslationLine_ = 0;
    screen_ = DialogueScreen();
    screen_.wide = dialogue_->Layout == 1;
    metrics_.width = screen_.wide ? kWideWidth : kNarrowWidth;
    screen_.glossaryVisible = dialogue_->GlossaryNumber >= 1;
    ShowTabs();
    ChooseBackground();
    StopPlayback();
    StartVariant(std::clamp(variant, 1, 5));
    return true;
}

void DialogueExercise::Close() {
    if (!open_) return;
    StopPlayback();
    if (recordingLine_ > 0 && context_.services.recorder) {
        lines_[static_cast<size_t>(recordingLine_) - 1].recordingNow = false;
        context_.services.recorder->StopRecording(LineRecordingBase(recordingLine_));
    }
    recordingLine_ = 0;
    ReportResult();
    open_ = false;
    if (context_.services.soundPlayer) context_.services.soundPlayer->SetPlaybackEndedHandler(nullptr);
}

void DialogueExercise::SetMetrics(const DialogueMetrics& metrics) {
    metrics_ = metrics;
    if (!open_) return;
    metrics_.width = screen_.wide ? kWideWidth : kNarrowWidth;
    RelayOut();
}

void DialogueExercise::ShowTabs() {
    int c = 0;
    for (int v = 1; v <= 5; ++v) {
        bool shown = dialogue_->VariantFlags.size() >= static_cast<size_t>(v) && dialogue_->VariantFlags[static_cast<size_t>(v) - 1] == 'T';
        if (v == 3 && context_.startup.CourseVariant == 1 && context_.startup.LangIndex == 2) shown = false;
        screen_.tabVisible[static_cast<size_t>(v) - 1] = shown;
        screen_.tabNumber[static_cast<size_t>(v) - 1] = shown ? ++c : 0;
    }
}

void DialogueExercise::ChooseBackground() {
    const std::string dir = context_.startup.MediaDir + "dialogi_tlo\\";
    const std::string own = dir + "dial_tlo_" + (dialogue_->Code.size() > 2 ? dialogue_->Code.substr(2) : "") + ".jpg";
    const std::string fallback = dir + "tmp.jpg";
    screen_.background = FileExists(own) ? own : FileExists(fallback) ? fallback : std::string();
}

void DialogueExercise::ChooseTab(int variant) {
    if (!open_ || variant < 1 || variant > 5) return;
    if (variant == screen_.variant) {
        StopPlayback();  // the variant's own tab only stops what plays
        return;
    }
    StopPlayback();
    RecordReleased(recordingLine_);
    ReportResult();
    worked_ = false;
    previousTranslationLine_ = 0;
    StartVariant(variant);
}

void DialogueExercise::DrawAgain() {
    if (!open_) return;
    StopPlayback();
    // What was worked in the draw that goes is recorded as a tab change records it: a finished
    // comprehension draw is recorded as completed only here or on closing, and a translation
    // take would otherwise go unrecorded.
    if (worked_) ReportResult();
    StartVariant(screen_.variant);
}

void DialogueExercise::StartVariant(int variant) {
    if (recordingLine_ > 0) RecordReleased(recordingLine_);
    screen_.variant = variant;
    currentLine_ = 0;
    screen_.offset = 0;
    correct_ = wrong_ = itemCount_ = 0;
    completed_ = worked_ = false;
    items_.clear();
    itemPosition_ = 1;
    gaps_.clear();
    translationLine_ = 0;
    screen_.instruction = UiTextOf(12 + variant);

    lines_.clear();
    int speakers = 0;
    for (const DialogueLine& line : dialogue_->Lines) {
        DialogueLineState state;
        state.speaker = line.Speaker;
        state.text = Utterance(line.Text);
        state.audio = line.AudioName;
        lines_.push_back(state);
        speakers = std::max(speakers, line.Speaker);
    }

    screen_.playAllVisible = false;
    screen_.roleVisible = {};
    screen_.replayVisible = false;
    screen_.nextVisible = false;
    screen_.wordPanelVisible = false;
    screen_.gaugeVisible = false;
    screen_.gauge = 0;
    switch (variant) {
        case 1:
        case 2:
            screen_.playAllVisible = true;
            screen_.roleVisible = {true, true, speakers >= 3, speakers >= 4};
            break;
        case 3:
            DrawTranslationLine();
            screen_.nextVisible = true;
            break;
        case 4:
            screen_.gaugeVisible = true;
            screen_.replayVisible = true;
            DrawHiddenLines();
            break;
        case 5:
            screen_.gaugeVisible = true;
            MakeGaps();
            screen_.wordPanelVisible = !gaps_.empty();
            break;
        default: break;
    }
    RelayOut();
    if (variant == 4) PlayItem();
}

void DialogueExercise::RelayOut() {
    std::vector<DialogueLineText> texts;
    for (size_t n = 0; n < lines_.size(); ++n) {
        DialogueLineText t;
        const DialogueLineState& line = lines_[n];
        t.text = line.translated ? dialogue_->Lines[n].Translation : line.text;
        t.hidden = line.hidden;
        for (size_t g = 0; g < gaps_.size(); ++g)
            if (gaps_[g].line == static_cast<int>(n) + 1 && !gaps_[g].filled) t.gaps.push_back(static_cast<int>(g));
        texts.push_back(std::move(t));
    }
    layout_ = LayOutDialogue(texts, metrics_);
    screen_.maxOffset = DialogueMaxOffset(layout_, metrics_);
    screen_.offset = std::clamp(screen_.offset, 0, screen_.maxOffset);
    ++layoutGeneration_;
}

// ----- draws -----

void DialogueExercise::DrawTranslationLine() {
    // Any line but the last; not the one drawn before, while another is left to draw.
    const int candidates = static_cast<int>(lines_.size()) - 1;
    if (candidates < 1) return;
    int line = 1;
    if (candidates == 1) {
        line = 1;
    } else if (previousTranslationLine_ >= 1 && previousTranslationLine_ <= candidates) {
        line = 1 + Draws().Below(candidates - 1);
        if (line >= previousTranslationLine_) ++line;
    } else {
        line = 1 + Draws().Below(candidates);
    }
    translationLine_ = previousTranslationLine_ = line;
    lines_[static_cast<size_t>(line) - 1].translated = true;
}

void DialogueExercise::DrawHiddenLines() {
    const int count = static_cast<int>(lines_.size());
    const int n = count >= 3 && count <= 5 ? 2 : count / 3;
    std::vector<int> pool;
    for (int line = 1; line <= count - 1; ++line) pool.push_back(line);
    for (int k = 0; k < n && !pool.empty(); ++k) {
        const size_t pick = static_cast<size_t>(Draws().Below(static_cast<int>(pool.size())));
        items_.push_back(pool[pick]);
        lines_[static_cast<size_t>(pool[pick]) - 1].hidden = true;
        pool.erase(pool.begin() + static_cast<long>(pick));
    }
    itemCount_ = static_cast<int>(items_.size());
}

void DialogueExercise::MakeGaps() {
    std::vector<int> perLine;
    int total = 0;
    for (const DialogueLineState& line : lines_) {
        perLine.push_back(GapsForWordCount(static_cast<int>(DialogueWords(line.text).size())));
        total += perLine.back();
    }
    while (total > kMaxGaps) {
        std::vector<size_t> withGaps;
        for (size_t n = 0; n < perLine.size(); ++n)
            if (perLine[n] > 0) withGaps.push_back(n);
        --perLine[withGaps[static_cast<size_t>(Draws().Below(static_cast<int>(withGaps.size())))]];
        --total;
    }

    std::set<std::string> chosenForms, chosenLabels;
    for (size_t n = 0; n < lines_.size(); ++n) {
        std::string& text = lines_[n].text;
        std::vector<DialogueGap> lineGaps;
        for (int k = 0; k < perLine[n]; ++k) {
            // The words of the line that may become a gap, each once.
            std::vector<std::string> candidates;
            for (const std::string& word : DialogueWords(text)) {
                const std::string form = GapForm(word), label = Trim(DialogueGapLabel(word));
                if (form.empty() || label.empty() || word == "..." || word == "-") continue;
                if (chosenForms.count(form) || chosenLabels.count(label)) continue;
                if (std::find(candidates.begin(), candidates.end(), word) == candidates.end()) candidates.push_back(word);
            }
            if (candidates.empty()) break;  // too few different words: the line keeps fewer gaps
            const std::string word = candidates[static_cast<size_t>(Draws().Below(static_cast<int>(candidates.size())))];
            chosenForms.insert(GapForm(word));
            chosenLabels.insert(Trim(DialogueGapLabel(word)));
            DialogueGap gap;
            gap.line = static_cast<int>(n) + 1;
            gap.position = static_cast<int>((" " + text + " ").find(" " + word + " "));
            gap.word = word;
            gap.label = DialogueGapLabel(word);
            lineGaps.push_back(gap);
        }
        // Markers go in from the end of the line, so the earlier positions stay; the gaps are kept
        // in text order, the order the painting meets their markers in.
        std::sort(lineGaps.begin(), lineGaps.end(), [](const DialogueGap& a, const DialogueGap& b) { return a.position < b.position; });
        for (auto gap = lineGaps.rbegin(); gap != lineGaps.rend(); ++gap) text.insert(static_cast<size_t>(gap->position), kGapMarker);
        gaps_.insert(gaps_.end(), lineGaps.begin(), lineGaps.end());
    }
    itemCount_ = static_cast<int>(gaps_.size());

    // The labels' home places, in random order.
    std::vector<int> slots;
    for (size_t g = 0; g < gaps_.size(); ++g) slots.push_back(static_cast<int>(g));
    for (size_t g = 0; g < gaps_.size(); ++g) {
        const size_t pick = static_cast<size_t>(Draws().Below(static_cast<int>(slots.size())));
        gaps_[g].homeSlot = slots[pick];
        slots.erase(slots.begin() + static_cast<long>(pick));
    }
}

// ----- playback -----

void DialogueExercise::ListenForEnd() {
    if (context_.services.soundPlayer)
        context_.services.soundPlayer->SetPlaybackEndedHandler([this] {
            PlaybackEnded();
            if (onScreenChanged) onScreenChanged();
        });
}

void DialogueExercise::StopPlayback() {
    if (pausing_) {
        pausing_ = false;
        if (cancelPause) cancelPause();
    }
    playbackState_.clear();
    for (DialogueLineState& line : lines_) line.active = false;
    currentLine_ = 0;
    if (context_.services.soundPlayer) context_.services.soundPlayer->StopSound();
}

void DialogueExercise::Highlight(int line) {
    currentLine_ = line;
    if (line >= 1 && static_cast<size_t>(line) <= lines_.size()) lines_[static_cast<size_t>(line) - 1].active = true;
}

void DialogueExercise::Unhighlight(int line) {
    if (line >= 1 && static_cast<size_t>(line) <= lines_.size()) lines_[static_cast<size_t>(line) - 1].active = false;
}

void DialogueExercise::ShowLine(int line) {
    screen_.offset = std::clamp(OffsetShowingLine(layout_, line, screen_.offset), 0, screen_.maxOffset);
}

void DialogueExercise::CountPlay() {
    if (screen_.variant != 1 && screen_.variant != 2) return;
    worked_ = completed_ = true;
    correct_ = 1;
}

bool DialogueExercise::PlayLineAudio(int line, bool inSequence) {
    const std::string& audio = lines_[static_cast<size_t>(line) - 1].audio;
    const std::string path = DialogueLinePath(context_.startup, audio);
    if (path.empty() || !FileExists(path)) {
        // A line without its recording is told; a playback of many lines tells it once.
        if (!inSequence || !missingTold_) Tell("Nie odnaleziono pliku: " + path);
        missingTold_ = true;
        return false;
    }
    ListenForEnd();
    if (context_.services.soundPlayer) context_.services.soundPlayer->PlayLine(audio);
    if (inSequence) PrepareNext(line);
    return true;
}

void DialogueExercise::PrepareNext(int line) {
    // The next line that will sound: the next one of the dialogue, or of the role.
    const int role = Role();
    for (size_t n = static_cast<size_t>(line); n < lines_.size(); ++n)
        if (role == 0 || lines_[n].speaker == role) {
            if (context_.services.soundPlayer) context_.services.soundPlayer->PrepareLine(lines_[n].audio);
            return;
        }
}

void DialogueExercise::PlayModel(const std::string& audioName) {
    const std::string path = DialogueLinePath(context_.startup, audioName);
    if (!FileExists(path)) {
        Tell("Nie odnaleziono pliku: " + path);
        Unhighlight(currentLine_);
        playbackState_.clear();
        return;
    }
    ListenForEnd();
    if (context_.services.soundPlayer) context_.services.soundPlayer->PlayLine(audioName);
}

void DialogueExercise::StartPause(int line) {
    pausing_ = true;
    const int characters = static_cast<int>(Utterance(dialogue_->Lines[static_cast<size_t>(line) - 1].Text).size());
    if (startPause) startPause(kPausePerCharacterMs * characters);
}

int DialogueExercise::Role() const {
    if (playbackState_.size() != playback::kRolePrefix.size() + 1 || playbackState_.rfind(playback::kRolePrefix, 0) != 0)
        return 0;
    const size_t at = std::string(kRoleLetters).find(playbackState_.back());
    return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

void DialogueExercise::PlayAll() {
    if (!open_) return;
    StopPlayback();
    if (lines_.empty()) return;
    missingTold_ = false;
    playbackState_ = playback::kAll;
    CountPlay();
    Highlight(1);
    ShowLine(1);
    if (!PlayLineAudio(1, true)) StartPause(1);
}

void DialogueExercise::PlayRole(int role) {
    if (!open_ || role < 1 || role > 4) return;
    const std::string state = playback::kRolePrefix + kRoleLetters[role - 1];
    if (playbackState_ == state) return;
    int first = 0;
    for (size_t n = 0; n < lines_.size() && first == 0; ++n)
        if (lines_[n].speaker == role) first = static_cast<int>(n) + 1;
    if (first == 0) return;  // the role has no line: nothing to read
    StopPlayback();
    if ((role == 2 || role == 3) && !roleNoteShown_) {
        roleNoteShown_ = true;
        Tell(UiTextOf(114));
    }
    missingTold_ = false;
    playbackState_ = state;
    CountPlay();
    // Role A starts at its first line; the others give every earlier line its reading time.
    ContinueRole(role == 1 ? first : 1);
}

void DialogueExercise::ContinueRole(int from) {
    const int role = Role();
    if (from < 1 || static_cast<size_t>(from) > lines_.size()) {
        playbackState_.clear();
        currentLine_ = 0;
        return;
    }
    Highlight(from);
    ShowLine(from);
    if (lines_[static_cast<size_t>(from) - 1].speaker == role && PlayLineAudio(from, true)) return;
    StartPause(from);
}

void DialogueExercise::PauseEnded() {
    if (!pausing_) return;
    pausing_ = false;
    Unhighlight(currentLine_);
    if (playbackState_ == playback::kAll) {
        PlaybackEnded();  // a line that could not be played goes on as if it had ended
        return;
    }
    if (Role() > 0) ContinueRole(currentLine_ + 1);
}

void DialogueExercise::PlaybackEnded() {
    if (!open_ || pausing_) return;
    const std::string state = playbackState_;
    if (state.rfind(playback::kThenModel, 0) == 0) {
        playbackState_ = playback::kOneLine;
        PlayModel(state.substr(playback::kThenModel.size()));
    } else if (state == playback::kOneLine) {
        Unhighlight(currentLine_);
        playbackState_.clear();
    } else if (state == playback::kAll) {
        Unhighlight(currentLine_);
        const int next = currentLine_ + 1;
        if (next > static_cast<int>(lines_.size())) {
            playbackState_.clear();
            currentLine_ = 0;
            return;
        }
        Highlight(next);
        ShowLine(next);
        if (!PlayLineAudio(next, true)) StartPause(next);
    } else if (Role() > 0) {
        Unhighlight(currentLine_);
        ContinueRole(currentLine_ + 1);
    }
}

void DialogueExercise::ClickAt(int x, int y) { ClickLine(DialogueLineAt(layout_, screen_.offset, x, y, metrics_)); }

bool DialogueExercise::LineClickable(int line) const {
    if (line < 1 || static_cast<size_t>(line) > lines_.size()) return false;
    if (screen_.variant >= 1 && screen_.variant <= 3) return true;
    return screen_.variant == 4 && lines_[static_cast<size_t>(line) - 1].hidden;
}

void DialogueExercise::ClickLine(int line) {
    if (!open_ || !LineClickable(line)) return;
    if (screen_.variant == 4) {
        AnswerHidden(line);
        return;
    }
    StopPlayback();
    missingTold_ = false;
    const DialogueLineState& state = lines_[static_cast<size_t>(line) - 1];
    Highlight(line);
    CountPlay();
    if (screen_.variant == 3 && line == translationLine_ && state.recordingState == 2) {
        // The learner's own version first, then the model.
        playbackState_ = playback::kThenModel + dialogue_->Lines[static_cast<size_t>(line) - 1].AudioName;
    } else {
        playbackState_ = playback::kOneLine;
    }
    if (!PlayLineAudio(line, false)) PlaybackEnded();
}

// ----- variant 4 -----

void DialogueExercise::PlayItem() {
    if (items_.empty()) return;
    itemPosition_ = std::clamp(itemPosition_, 1, static_cast<int>(items_.size()));
    playbackState_ = playback::kItem;
    currentLine_ = items_[static_cast<size_t>(itemPosition_) - 1];
    PlayLineAudio(currentLine_, false);
}

void DialogueExercise::ReplayItem() {
    if (!open_ || screen_.variant != 4) return;
    StopPlayback();
    PlayItem();
}

void DialogueExercise::AnswerHidden(int line) {
    if (items_.empty()) return;
    SoundPlayer* player = context_.services.soundPlayer;
    const std::string ok = context_.startup.ProgramDir + "Wav_r\\ok.wav";
    if (line == items_[static_cast<size_t>(itemPosition_) - 1]) {
        lines_[static_cast<size_t>(line) - 1].hidden = false;
        ++correct_;
        ReportResult();
        RelayOut();
        playbackState_.clear();
        if (player) player->PlaySound(ok, false);
        items_.erase(items_.begin() + itemPosition_ - 1);
        if (!items_.empty()) {
            // The verdict is heard to its end before the next line plays.
            if (onScreenChanged) onScreenChanged();
            if (player) player->PlaySound(ok, true);
            if (!open_) return;
            if (++itemPosition_ > static_cast<int>(items_.size())) itemPosition_ = 1;
            PlayItem();
        } else {
            completed_ = true;
            screen_.nextVisible = true;
            screen_.replayVisible = false;
        }
    } else {
        if (player) player->PlaySound(context_.startup.ProgramDir + "Wav_r\\no.wav", false);
        ++wrong_;
        ReportResult();
    }
    worked_ = true;
}

// ----- the learner's recordings -----

bool DialogueExercise::HasRecordControls(int line) const {
    if (line < 1 || static_cast<size_t>(line) > lines_.size()) return false;
    return screen_.variant == 2 || (screen_.variant == 3 && line == translationLine_);
}

std::string DialogueExercise::LineRecordingBase(int line) const {
    return LearnerRecordingPath(context_.startup, "save_" + std::to_string(line));
}

std::string DialogueExercise::LineRecordingPath(int line) const {
    const std::string base = LineRecordingBase(line);
    return base.empty() ? base : base + ".Wav";
}

void DialogueExercise::RecordPressed(int line) {
    if (!open_ || !HasRecordControls(line) || recordingLine_ > 0) return;
    StopPlayback();
    recordingLine_ = line;
    lines_[static_cast<size_t>(line) - 1].recordingNow = true;
    if (context_.services.recorder) context_.services.recorder->StartRecording();
}

void DialogueExercise::RecordReleased(int) {
    if (recordingLine_ < 1) return;
    const int line = recordingLine_;
    recordingLine_ = 0;
    DialogueLineState& state = lines_[static_cast<size_t>(line) - 1];
    state.recordingNow = false;
    Recorder* recorder = context_.services.recorder;
    const std::string base = LineRecordingBase(line);
    // Only a recording saved now counts: an older file of the same line (of this or another
    // dialogue) is never taken for it.
    if (!recorder || base.empty() || !recorder->StopRecording(base)) return;
    const std::string path = LineRecordingPath(line);
    if (SoundFileLengthMs(path) < kShortestRecordingMs) {
        Tell(UiTextOf(82));
        return;
    }
    state.ownRecording = path;
    state.audio = "save_" + std::to_string(line) + ".wav";
    state.recordingState = 2;
    if (screen_.variant == 2 || screen_.variant == 3) {
        worked_ = completed_ = true;
        correct_ = 1;
    }
}

void DialogueExercise::ToggleOwnRecording(int line) {
    if (!open_ || !HasRecordControls(line)) return;
    DialogueLineState& state = lines_[static_cast<size_t>(line) - 1];
    if (state.ownRecording.empty()) return;
    StopPlayback();
    if (state.recordingState == 2) {
        state.recordingState = 1;
        state.audio = dialogue_->Lines[static_cast<size_t>(line) - 1].AudioName;
    } else {
        state.recordingState = 2;
        state.audio = "save_" + std::to_string(line) + ".wav";
    }
}

// ----- variant 5 -----

void DialogueExercise::StartDrag(int gap) {
    if (!open_ || screen_.variant != 5 || gap < 0 || static_cast<size_t>(gap) >= gaps_.size()) return;
    worked_ = true;
}

bool DialogueExercise::DropWord(int gap, int x, int y) {
    if (!open_ || screen_.variant != 5 || gap < 0 || static_cast<size_t>(gap) >= gaps_.size() || gaps_[static_cast<size_t>(gap)].filled)
        return false;
    worked_ = true;
    int hit = -1;
    for (const DialogueLineLayout& line : layout_.lines)
        for (const DialoguePiece& piece : line.pieces) {
            if (piece.kind != DialoguePiece::Kind::Gap || hit >= 0) continue;
            const int top = DialogueRowTop(piece.row, screen_.offset);
            if (top < 0 || top >= metrics_.height) continue;
            if (x >= piece.x && x < piece.x + metrics_.questionWidth && y >= top && y < top + metrics_.questionHeight) hit = piece.gap;
        }
    SoundPlayer* player = context_.services.soundPlayer;
    DialogueGap& target = gaps_[static_cast<size_t>(gap)];
    if (hit != gap) {
        if (player) player->PlaySound(context_.startup.ProgramDir + "Wav_r\\no.wav", false);
        ++wrong_;
        ReportResult();
        return false;
    }
    std::string& text = lines_[static_cast<size_t>(target.line) - 1].text;
    const size_t at = FindGapMarker(text, target.word);
    if (at == std::string::npos) {
        Tell("Blad przy wyszukiwaniu <!!TU>+Wyraz - x1 zwrocil -1 !!!\n\n" + target.word);
        return false;
    }
    text.erase(at, std::string(kGapMarker).size());
    target.filled = true;
    if (player) player->PlaySound(context_.startup.ProgramDir + "Wav_r\\ok.wav", false);
    ++correct_;
    RelayOut();
    if (std::all_of(gaps_.begin(), gaps_.end(), [](const DialogueGap& g) { return g.filled; })) {
        completed_ = true;
        screen_.wordPanelVisible = false;
        screen_.nextVisible = true;
    }
    ReportResult();
    return true;
}

// ----- results -----

int DialogueExercise::Percent() const { return DialoguePercent(screen_.variant, correct_, wrong_, itemCount_); }

void DialogueExercise::ReportResult() {
    const int percent = Percent();
    screen_.gauge = percent;
    const int variant = screen_.variant;
    if (worked_ && variant >= 1 && variant <= 5) {
        const int kind = 69 + variant;
        RecordExerciseResult(context_, percent, exerciseId_, kind, completed_ ? 1 : 0, 0);
        if (variant >= 4) RecordRepetition(context_, percent, exerciseId_, kind, 1, 0, variant - 1);
    }
    SaveResults(context_);
    SaveRepetitions(context_);
}

// ----- scrolling, texts, printing -----

void DialogueExercise::Scroll(int rows) { screen_.offset = std::clamp(screen_.offset + rows, 0, screen_.maxOffset); }

std::string DialogueExercise::HelpKey() const { return "HH_" + UiTextOf(99 + screen_.variant); }

std::string DialogueExercise::GlossaryKey() const {
    return dialogue_ ? GlossaryText(context_.course.glossary, dialogue_->GlossaryNumber) : std::string();
}

std::string DialogueExercise::TabHint(int variant) const { return UiTextOf(108 + variant); }

std::string DialogueExercise::TabPicture(int variant) const {
    if (variant < 1 || variant > 5 || !screen_.tabVisible[static_cast<size_t>(variant) - 1]) return {};
    if (variant == screen_.variant) return "dial_" + std::to_string(ActiveTabPictureNumber(variant)) + "a.bmp";
    return "dial_" + std::to_string(screen_.tabNumber[static_cast<size_t>(variant) - 1]) + ".bmp";
}

std::string DialogueExercise::PrintoutHtml() const {
    if (!dialogue_) return {};
    const std::string P = context_.startup.ProgramDir, Q = "\"";
    std::string html = "<html><head><link href=" + Q + P + "htm_r\\style.css" + Q + " rel=" + Q + "stylesheet" + Q +
                       " type=text/css></head><body>";
    html += "<BR><B>Quillan - Business English</b><BR>";
    html += "<B>" + context_.exercise.LessonName + "</B><BR>";
    html += "<B>" + DisplayName(context_.course, dialogue_->Title) + "</B><BR><BR>";
    for (const DialogueLine& line : dialogue_->Lines) {
        const char letter = line.Speaker >= 1 && line.Speaker <= 5 ? static_cast<char>('A' + line.Speaker - 1) : 'A';
        html += "<IMG SRC=" + Q + P + "gfx_r\\dialog" + letter + ".bmp" + Q + " border=" + Q + "0" + Q + ">&nbsp;&nbsp;";
        html += Utterance(line.Text) + "<BR><I>" + line.Translation + "</I><BR><BR>";
    }
    html += "<BR><BR>&copy; Quillan - Business English. Printed from the course program.<br></body></html>";
    return html;
}

}  // namespace quillan
