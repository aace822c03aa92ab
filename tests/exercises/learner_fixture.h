#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "progress/results_store.h"
#include "session/app_context.h"
#include "session/learner_session.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace quillan::test {

// An exercise record of the learner's results file: its Id, title and kind.
struct RecordOf {
    std::string id;
    std::string title;
    int kind;
};

// A learner on a temporary installation ("media\" and "media\bsgram\" beside it, his files in
// "learner\") whose results file holds `records`, with fakes for every service. Interface text n
// reads "Tn".
class LearnerFixture {
public:
    TempDir dir;
    FakeMessages messages;
    FakeClock clock{46365.5};
    FakeRandom random;
    FakeSoundPlayer player;
    FakeRecorder recorder;
    AppContext ctx;

    explicit LearnerFixture(const std::vector<RecordOf>& records) {
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

        ResultsTable table;
        for (const RecordOf& r : records) AppendRecord(table, 46000.0, r.id, r.title, r.kind, 1);
        table.file.path = ResultsPath(ctx);
        SaveResults(table);
        LoadResults(ctx);
        LoadRepetitions(ctx);
    }

    // The saved record of an exercise's kind (of any Id when `id` is empty); empty when none.
    CW_Info Saved(int kind, const std::string& id = "") {
        ResultsTable saved;
        LoadResults(saved, ResultsPath(ctx), clock.now);
        for (const CW_Info& r : saved.records)
            if (r.Kind == kind && (id.empty() || r.Id == id)) return r;
        return {};
    }
    CW_Info Saved(const std::string& id, int kind) { return Saved(kind, id); }

    RepetitionList SavedRepetitions() {
        RepetitionList list;
        LoadRepetitions(list, RepetitionsPath(ctx), clock.now);
        return list;
    }
};

// The records of an exercise's kinds `first` to `last`, all of one Id and title.
inline std::vector<RecordOf> Kinds(const std::string& id, const std::string& title, int first, int last) {
    std::vector<RecordOf> records;
    for (int kind = first; kind <= last; ++kind) records.push_back({id, title, kind});
    return records;
}

}  // namespace quillan::test
