#pragma once

#include <filesystem>
#include <string>

#include "session/app_context.h"
#include "exercises/vocab/word_list.h"
#include "session/learner_session.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace quillan::test {

// A word of a word list, an item unless told otherwise.
inline VocabEntry Word(int id, const std::string& headword, const std::string& translation,
                       const std::string& sound = "", int group = 1, int wordClass = 1) {
    VocabEntry e;
    e.EntryId = id;
    e.Headword = headword;
    e.Translation = translation;
    e.SoundRef = sound;
    e.Group = group;
    e.WordClass = wordClass;
    e.IsItem = true;
    return e;
}

// A learner on a temporary installation with the records of vocabulary exercise "slo_1" (its
// five stages) and fakes for every service. Interface text n reads "Tn".
class TrainerFixture {
public:
    TempDir dir;
    FakeMessages messages;
    FakeClock clock{46365.5};
    FakeRandom random;
    FakeSoundPlayer player;
    FakeRecorder recorder;
    AppContext ctx;

    TrainerFixture() {
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
        recorder.takePath = dir.Path() + "tmp1.Wav";
        for (int n = 1; n <= 200; ++n) ctx.course.interfaceTexts.push_back("T" + std::to_string(n));

        ResultsTable table;
        for (int kind = 60; kind <= 64; ++kind) AppendRecord(table, 46000.0, "slo_1", "S0101", kind, 1);
        table.file.path = ResultsPath(ctx);
        SaveResults(table);
        LoadResults(ctx);
        LoadRepetitions(ctx);
    }

    // Fills a store with the entries; the items are mapped.
    static void Fill(VocabStore& store, const std::vector<VocabEntry>& entries) {
        store = VocabStore();
        store.Entries = entries;
        for (const VocabEntry& e : entries)
            if (e.IsItem) store.ItemIds.push_back(e.EntryId);
        store.ItemCount = static_cast<int>(store.ItemIds.size());
        MapItems(store);
    }

    // The saved record of a stage (kind 60..64).
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
