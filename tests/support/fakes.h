#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/classroom_link.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "platform/recorder.h"
#include "platform/sound_player.h"

namespace quillan::test {

// Records every message; answers questions from a queue (No when it is empty).
class FakeMessages : public Messages {
public:
    void Show(const std::string& text) override { shown.push_back(text); }
    void Warn(const std::string& text) override { warnings.push_back(text); }
    bool Ask(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Error(const std::string& text) override { errors.push_back(text); }

    std::vector<std::string> shown, warnings, questions, errors;
    std::deque<bool> answers;
};

// A clock that stands still until told; Wait moves it on by the waited time.
class FakeClock : public Clock {
public:
    explicit FakeClock(DayNumber start = 45000.5) : now(start) {}
    DayNumber Now() override { return now; }
    void Wait(unsigned milliseconds) override {
        waited.push_back(milliseconds);
        now += milliseconds / 86400000.0;
    }

    DayNumber now;
    std::vector<unsigned> waited;
};

// Draws from a queue of values (each taken modulo the range); 0 when the queue is empty.
class FakeRandom : public Random {
public:
    int Below(int range) override {
        if (range < 1) return 0;
        if (values.empty()) return 0;
        const int v = values.front();
        values.pop_front();
        return ((v % range) + range) % range;
    }

    std::deque<int> values;
};

// Records what was played; sounds "play" until Finish() ends them (telling the end listener)
// or StopSound stops them. Lengths come from `lengths` (0 for other files).
class FakeSoundPlayer : public SoundPlayer {
public:
    struct Play {
        std::string path;
        bool wait = false;
        bool operator==(const Play&) const = default;
    };

    void PlaySound(const std::string& path, bool wait) override {
        played.push_back({path, wait});
        playing = true;
        if (timer) timer(true);
        if (wait && whileWaiting) whileWaiting();
    }
    void PlayLine(const std::string& audioName) override {
        lines.push_back(audioName);
        playing = true;
    }
    void PrepareLine(const std::string& audioName) override { prepared.push_back(audioName); }
    void PauseSound() override {
        ++pauses;
        playing = false;
        if (timer) timer(false);
    }
    void StopSound() override {
        ++stops;
        playing = false;
        if (timer) timer(false);
    }
    int OpenAndMeasure(const std::string& path) override {
        measured.push_back(path);
        const auto found = lengths.find(path);
        return found == lengths.end() ? 0 : found->second;
    }
    void Close() override { ++closes; }
    bool IsPlaying() const override { return playing; }
    void SetPlaybackEndedHandler(std::function<void()> handler) override { ended = std::move(handler); }
    void SetExerciseTimer(std::function<void(bool)> t) override { timer = std::move(t); }

    // The sound playing now runs to its end.
    void Finish() {
        playing = false;
        const std::function<void()> listener = ended;  // as the real player, a copy runs
        if (listener) listener();
    }

    std::vector<Play> played;
    std::vector<std::string> lines, measured, prepared;
    std::map<std::string, int> lengths;
    int pauses = 0, stops = 0, closes = 0;
    bool playing = false;
    std::function<void()> ended;
    std::function<void(bool)> timer;
    // Runs in place of a waiting play (a window test lets the program's real wait run here).
    std::function<void()> whileWaiting;
};

// Keeps the documents it is given and answers with `outcome`.
class FakePrinter : public Printer {
public:
    PrintOutcome PrintHtml(const std::string& html, const std::string& baseDirectory) override {
        documents.push_back(html);
        directories.push_back(baseDirectory);
        return outcome;
    }

    PrintOutcome outcome{true, {}, {}};
    std::vector<std::string> documents, directories;
};

// Counts the recorder's calls. A stopped take or recording writes `bytes` to its file when
// they are given (a take to `takePath`), so callers find a file as after a real recording.
class FakeRecorder : public Recorder {
public:
    void StartRecording() override {
        ++recordingStarts;
        recording = true;
    }
    bool StopRecording(const std::string& basePath) override {
        if (!recording) return false;
        recording = false;
        saved.push_back(basePath + ".Wav");
        if (bytes.empty()) return false;
        WriteFileAtomically(basePath + ".Wav", bytes);
        return true;
    }
    void StartTake() override {
        if (takeRecording) return;
        ++takeStarts;
        takeRecording = true;
    }
    bool StopTake() override {
        if (!takeRecording) return false;
        takeRecording = false;
        ++takeStops;
        if (bytes.empty() || takePath.empty()) return false;
        WriteFileAtomically(takePath, bytes);
        return true;
    }
    bool TakeRecording() const override { return takeRecording; }
    std::string TakePath() const override { return takePath; }

    std::string takePath, bytes;
    std::vector<std::string> saved;
    int recordingStarts = 0, takeStarts = 0, takeStops = 0;
    bool recording = false, takeRecording = false;
};

// A classroom server that answers from a script: each request is recorded and gets the first
// reply of the queue (a failure "connection refused" when the queue is empty), or what
// `answer` gives when it is set.
class FakeClassroomLink : public ClassroomLink {
public:
    LinkReply Exchange(const LinkRequest& request) override {
        requests.push_back(request);
        if (answer) return answer(request);
        if (replies.empty()) return {false, "Connection refused", {}};
        LinkReply reply = replies.front();
        replies.pop_front();
        return reply;
    }

    // The request lines sent, in order (the bytes up to the first line end).
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (const LinkRequest& r : requests) lines.push_back(r.bytes.substr(0, r.bytes.find("\r\n")));
        return lines;
    }

    std::vector<LinkRequest> requests;
    std::deque<LinkReply> replies;
    std::function<LinkReply(const LinkRequest&)> answer;
};

}  // namespace quillan::test
