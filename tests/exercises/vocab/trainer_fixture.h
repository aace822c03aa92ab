#pragma once

#include <filesystem>
#include <string>

#include "session/app_context.h"
#include "exercises/vocab/word_list.h"
#include "session/learner_session.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "exercises/learner_fixture.h"

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
class TrainerFixture : public LearnerFixture {
public:
    TrainerFixture() : LearnerFixture(Kinds("slo_1", "S0101", 60, 64)) {
        recorder.takePath = ctx.startup.ResultsDirectory + "tmp1.Wav";
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
};

}  // namespace quillan::test
