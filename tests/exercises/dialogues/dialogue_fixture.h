#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "course/dialogue_data.h"
#include "session/app_context.h"
#include "session/learner_session.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "exercises/learner_fixture.h"
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
class DialogueFixture : public LearnerFixture {
public:
    DialogueFixture() : LearnerFixture(Kinds("dia_1", "Meeting", 70, 74)) {
        ctx.course.glossary.push_back({2001, "Glossary 2001"});
    }

    // Writes the model recordings of every line of the first dialogue (`ms` long each).
    void RecordLines(int ms = 500) {
        for (const DialogueLine& line : ctx.course.dialogues.at(0).Lines)
            dir.Write("media/Dialogi/" + line.AudioName + ".wav", WavBytes(ms));
    }
};

}  // namespace quillan::test
