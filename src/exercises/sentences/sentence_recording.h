#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quillan {

struct AppContext;

// The sentence recording exercise: up to 15 sentences of a catalog entry, each with the model
// recording. Holding a row's microphone records the learner's take of it; the row's speaker
// plays the take and then the model, to compare them. Nothing is judged: closing records 0,
// completed, under kind 56.
//
// The takes ("savez_" + row + ".Wav") lie in the learner's directory. The take and the model are
// played one after the other through the shared player's end notification, so a click
// elsewhere or closing stops them at once.

// A row of the exercise.
struct RecordingRow {
    std::string key;     // the catalog entry's key
    std::string sample;  // the model recording's name (BsgramDir + "sample\" + name + ".wav"); empty when no sentence has the key
    std::string text;    // the sentence; the key itself when no sentence has it
    std::string take;    // the learner's usable take; empty until there is one
    bool recording = false;  // the row's microphone is held (img_mikrofon_on)
};

class SentenceRecording {
public:
    static constexpr size_t kRowLimit = 15;
    static constexpr int kShortestTakeMs = 300;
    static constexpr int kKind = 56;

    explicit SentenceRecording(AppContext& context);
    // The player no longer tells an exercise that is gone (closing records; going does not).
    ~SentenceRecording();
    SentenceRecording(const SentenceRecording&) = delete;
    SentenceRecording& operator=(const SentenceRecording&) = delete;

    // OpenSentenceRecording: the rows of catalog entry `catalogNumber` (1-based) as exercise
    // `exerciseId`. False when the catalog has no such entry: the learner is told. An entry of
    // more than 15 keys shows its first 15 and says so.
    bool Open(const std::string& exerciseId, int catalogNumber);
    // The window closes: sound and a take stop, the result 0 is recorded as completed.
    void Close();
    bool IsOpen() const { return open_; }

    // The row's microphone: pressed (a take starts with the left button), released.
    void RecordPressed(int row, bool leftButton);
    void RecordReleased(int row);
    // The row's speaker: the take, if any, then the model.
    void PlayRow(int row);
    // The shared player's end notification.
    void PlaybackEnded();
    // A take plays, and its model follows when it ends.
    bool TakePlaying() const { return !modelAfterTake_.empty(); }

    // A new background (at opening and on F4): "tla\zdn_" + 1..4 + ".jpg" of MediaDir, or
    // "tla\slow_0.jpg" when that one is missing.
    void RandomBackground();

    const std::vector<RecordingRow>& Rows() const { return rows_; }
    const std::string& Background() const { return background_; }
    std::string ModelPath(int row) const;
    std::string TakeBase(int row) const;  // the learner's "savez_" + row, without extension
    std::string HelpKey() const;

    // Shows a note in the message window (a take too short); the messages when not set.
    std::function<void(const std::string&)> showInfo;

private:
    RecordingRow* Row(int row);
    void Tell(const std::string& text);

    AppContext& context_;
    std::string exerciseId_;
    bool open_ = false;
    std::vector<RecordingRow> rows_;
    std::string background_;
    int recordingRow_ = 0;
    std::string modelAfterTake_;  // played when the take now playing ends
};

// The keys of a catalog entry's Line4: each ended by "=", blanks around them trimmed; a last
// key without its "=" counts too.
std::vector<std::string> RecordingKeys(const std::string& line4);

}  // namespace quillan
