#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "progress/results_store.h"
#include "session/app_context.h"
#include "session/learner_session.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "exercises/learner_fixture.h"

namespace quillan::test {

// A practice sentence: its wordings, recording and translation.
inline Sentence SentenceOf(const std::string& text, const std::string& recording = "",
                           const std::vector<std::string>& more = {}, const std::string& translation = "T") {
    Sentence s;
    s.Level = 1;
    s.GroupCode = "01";
    s.Section = 1;
    s.Variant1 = text;
    std::string* wordings[] = {&s.Variant2, &s.Variant3, &s.Variant4};
    for (size_t i = 0; i < more.size() && i < 3; ++i) {
        *wordings[i] = more[i];
        if (!more[i].empty()) s.VariantCount = static_cast<int>(i) + 2;
    }
    s.Extra = recording;
    s.Translation = translation;
    return s;
}

// A learner on a temporary installation with the records of a sentence package ("zda_1", kinds
// 50 to 52), a comprehension exercise ("rpg_1"), a curiosity ("cie_2") and a letter ("lst_1"),
// and fakes for every service. Interface text n reads "Tn".
class ExerciseFixture : public LearnerFixture {
public:
    ExerciseFixture() : LearnerFixture({{"zda_1", "DZIAL=D01=(1)", 50}, {"zda_1", "DZIAL=D01=(1)", 51}, {"zda_1", "DZIAL=D01=(1)", 52},
                                        {"rpg_1", "P0001", 54}, {"cie_2", "C_0002", 58}, {"lst_1", "L1", 57}}) {
        recorder.takePath = ctx.startup.ResultsDirectory + "tmp1.Wav";
    }

    // The course's one sentence package: these sentences, in this order.
    void Package(const std::vector<Sentence>& sentences) {
        ctx.course.sentences = sentences;
        quillan::Package package;
        package.Section = 1;
        package.Level = 1;
        package.GroupCode = "01";
        for (size_t i = 1; i <= sentences.size(); ++i) package.Sentences.push_back(static_cast<int>(i));
        package.SentenceCount = static_cast<int>(sentences.size());
        ctx.course.packages = {package};
    }
};

}  // namespace quillan::test
