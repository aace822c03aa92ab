#include "exercises/sentences/sentence_recording.h"

#include "audio/media_paths.h"
#include "audio/wav_file.h"
#include "platform/cp1250.h"
#include "platform/paths.h"
#include "session/app_context.h"
#include "session/learner_session.h"
#include "text/numbered_texts.h"
#include "text/text_utils.h"

namespace quillan {

std::vector<std::string> RecordingKeys(const std::string& line4) {
    std::vector<std::string> keys;
    std::string rest = line4;
    while (!Trim(rest).empty()) {
        const size_t end = rest.find('=');
        keys.push_back(Trim(rest.substr(0, end)));
        rest = end == std::string::npos ? std::string() : rest.substr(end + 1);
    }
    return keys;
}

SentenceRecording::SentenceRecording(AppContext& context) : context_(context) {}

SentenceRecording::~SentenceRecording() {
    if (open_ && context_.services.soundPlayer) context_.services.soundPlayer->SetPlaybackEndedHandler(nullptr);
}

void SentenceRecording::Tell(const std::string& text) {
    if (showInfo)
        showInfo(text);
    else if (context_.services.messages)
        context_.services.messages->Show(text);
}

RecordingRow* SentenceRecording::Row(int row) {
    if (row < 1 || static_cast<size_t>(row) > rows_.size()) return nullptr;
    return &rows_[static_cast<size_t>(row) - 1];
}

bool SentenceRecording::Open(const std::string& exerciseId, int catalogNumber) {
    const Catalog& catalog = context_.course.catalog;
    if (catalogNumber < 1 || static_cast<size_t>(catalogNumber) > catalog.size()) {
        if (context_.services.messages)
            context_.services.messages->Show(Utf8ToCp1250("W katalogu kursu nie ma ćwiczenia nr ") +
                                             std::to_string(catalogNumber) + ".");
        return false;
    }
    if (open_) Close();
    exerciseId_ = exerciseId;
    open_ = true;
    rows_.clear();
    recordingRow_ = 0;
    modelAfterTake_.clear();
    std::vector<std::string> keys = RecordingKeys(catalog[static_cast<size_t>(catalogNumber) - 1].Line4);
    if (keys.size() > kRowLimit) {
        // The window has 15 rows: the others are left out, and the learner is told.
        keys.resize(kRowLimit);
        Tell(Utf8ToCp1250("Za duzo przykładów w cwiczeniu!!!"));
    }
    for (const std::string& key : keys) {
        RecordingRow row;
        row.key = key;
        row.text = key;
        for (const RecordingSentence& sentence : context_.course.recording)
            if (sentence.Id == key) {
                row.sample = Trim(sentence.Text1);
                row.text = sentence.Text2;
            }
        rows_.push_back(row);
    }
    RandomBackground();
    return true;
}

void SentenceRecording::Close() {
    if (!open_) return;
    modelAfterTake_.clear();
    if (SoundPlayer* player = context_.services.soundPlayer) {
        player->StopSound();
        player->SetPlaybackEndedHandler(nullptr);
    }
    if (recordingRow_ > 0) {
        rows_[static_cast<size_t>(recordingRow_) - 1].recording = false;
        if (context_.services.recorder) context_.services.recorder->StopRecording(TakeBase(recordingRow_));
        recordingRow_ = 0;
    }
    open_ = false;
    const ExerciseReport report{0, exerciseId_, kKind, 1, 0, 0};
    FinishExercise(context_, &report);
}

void SentenceRecording::RandomBackground() {
    const std::string dir = context_.startup.MediaDir + "tla\\";
    const int n = 1 + (context_.services.random ? context_.services.random->Below(4) : 0);
    const std::string path = dir + "zdn_" + std::to_string(n) + ".jpg";
    background_ = FileExists(path) ? path : dir + "slow_0.jpg";
}

std::string SentenceRecording::ModelPath(int row) const {
    if (row < 1 || static_cast<size_t>(row) > rows_.size() || rows_[static_cast<size_t>(row) - 1].sample.empty()) return {};
    return context_.startup.BsgramDir + "sample\\" + rows_[static_cast<size_t>(row) - 1].sample + ".wav";
}

std::string SentenceRecording::TakeBase(int row) const {
    return LearnerRecordingPath(context_.startup, "savez_" + std::to_string(row));
}

std::string SentenceRecording::HelpKey() const { return "HH_" + UiText(context_.course.interfaceTexts, 141); }

void SentenceRecording::RecordPressed(int row, bool leftButton) {
    RecordingRow* r = Row(row);
    if (!open_ || !r || !leftButton || recordingRow_ > 0) return;
    modelAfterTake_.clear();
    if (context_.services.soundPlayer) context_.services.soundPlayer->StopSound();
    recordingRow_ = row;
    r->recording = true;
    if (context_.services.recorder) context_.services.recorder->StartRecording();
}

void SentenceRecording::RecordReleased(int row) {
    if (RecordingRow* r = Row(row)) r->recording = false;
    if (recordingRow_ < 1) return;  // no take runs (a right-button press): only the picture
    const int k = recordingRow_;
    recordingRow_ = 0;
    rows_[static_cast<size_t>(k) - 1].recording = false;
    Recorder* recorder = context_.services.recorder;
    const std::string base = TakeBase(k);
    // Only a take saved now counts; an older file of the same row is never taken for it.
    if (recorder && !base.empty() && recorder->StopRecording(base)) {
        const std::string path = base + ".Wav";
        if (SoundFileLengthMs(path) < kShortestTakeMs)
            Tell(UiText(context_.course.interfaceTexts, 81));
        else
            rows_[static_cast<size_t>(k) - 1].take = path;
    }
    if (context_.services.soundPlayer) context_.services.soundPlayer->Close();
}

void SentenceRecording::PlayRow(int row) {
    const RecordingRow* r = Row(row);
    SoundPlayer* player = context_.services.soundPlayer;
    if (!open_ || !r || !player || recordingRow_ > 0) return;
    player->StopSound();
    modelAfterTake_.clear();
    const std::string model = ModelPath(row);
    player->SetPlaybackEndedHandler([this] { PlaybackEnded(); });
    if (!r->take.empty() && FileExists(r->take)) {
        modelAfterTake_ = model;
        player->PlaySound(r->take, false);
    } else if (!model.empty()) {
        player->PlaySound(model, false);
    }
}

void SentenceRecording::PlaybackEnded() {
    if (!open_ || modelAfterTake_.empty()) return;
    const std::string model = modelAfterTake_;
    modelAfterTake_.clear();
    if (context_.services.soundPlayer) context_.services.soundPlayer->PlaySound(model, false);
}

}  // namespace quillan
