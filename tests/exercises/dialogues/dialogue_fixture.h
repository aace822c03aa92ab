#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "course/dialogue_data.h"
#include "session/app_context.h"
#include "session/learner_session.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "support/wav.h"

namespace quillan::test {

// A dialogue line "Name: utterance" spoken by `speaker`, recorded as `audio`.
inline DialogueLine Spoken(const std::string& audio, int speaker, const std::string& utterance,
                           const std::string& translation = "translation") {
    return {audio, speaker, std::string(1, static_cast<char>('A' + speaker - 1)) + "name: " + utterance, translation};
}

// A dialogue of `count` lines, speakers alternating 1, 2, 1, 2, ..., each line "word1 .. wordN"
// with a recording "dNN" of its own.
inline Dialogue Alternating(int count, const std::string& flags = "TTTTT", int words = 5) {
    Dialogue d;
    d.Code = "D_07";
    d.Title = "Meeting";
    d.Lesson = 1;
    d.Level = 1;
    d.VariantFlags = flags;
    d.Layout = 1;
    d.GlossaryNumber = 2001;
    for (int n = 1; n <= count; ++n) {
        std::string text;
        for (int w = 1; w <= words; ++w) text += (w > 1 ? " " : "") + std::string("w") + std::to_string(n) + "x" + std::to_string(w);
        d.Lines.push_back(Spoken("d" + std::to_string(n), 1 + (n - 1) % 2, text, "pl" + std::to_string(n)));
    }
    return d;
}

// A learner on a temporary installation with the records of dialogue exercise "dia_1" (kinds
// 70 to 74) and fakes for every service. Interface text n reads "Tn". The dialogues are set by
// each test; line recordings are written by Record().
class DialogueFixture {
public:
    TempDir dir;
    FakeMessages messages;
    FakeClock clock{46365.5};
    FakeRandom random;
    FakeSoundPlayer player;
    FakeRecorder recorder;
    AppContext ctx;

    DialogueFixture() {
        ctx.startup.ProgramDir = dir.Path();
        ctx.startup.MediaDir = dir.Path() + "media\\";
        ctx.startup.BsgramDir = ctx.startup.MediaDir + "bsgram\\";
        ctx.startup.ResultsDirectory = dir.Path() + "learner\\";
        std::filesystem::create_directory(dir.Path() + "learner");
        ctx.services.messages = &messages;
        ctx.services.clock = &clock;
        ctx.services.random = &random;
        ctx.services.soundPlayer = &player;
        ctx.services.recorder = &recorder;
        for (int n = 1; n <= 200; ++n) ctx.course.interfaceTexts.push_back("T" + std::to_string(n));
        ctx.course.glossary.push_back({2001, "Glossary 2001"});

        ResultsTable table;
        for (int kind = 70; kind <= 74; ++kind) AppendRecord(table, 46000.0, "dia_1", "Meeting", kind, 1);
        table.file.path = ResultsPath(ctx);
        SaveResults(table);
        LoadResults(ctx);
        LoadRepetitions(ctx);
    }

    // Writes the model recordings of every line of the first dialogue (`ms` long each).
    void RecordLines(int ms = 500) {
        for (const DialogueLine& line : ctx.course.dialogues.at(0).Lines)
            dir.Write("media/Dialogi/" + line.AudioName + ".wav", WavBytes(ms));
    }

    // The saved record of a kind.
    CW_Info Saved(int kind) {
        ResultsTable saved;
        LoadResults(saved, ResultsPath(ctx), clock.now);
        for (const CW_Info& r : saved.records)
            if (r.Kind == kind) return r;
        return {};
    }

    RepetitionList SavedRepetitions() {
        RepetitionList list;
        LoadRepetitions(list, RepetitionsPath(ctx), clock.now);
        return list;
    }
};

}  // namespace quillan::test
