#include "exercises/exercise_windows.h"

#include "session/app_context.h"
#include "forms/shared_forms.h"
#include "exercises/dialogues/dialogue_window.h"
#include "exercises/sentences/sentence_recording_window.h"
#include "exercises/vocab/trainer_window.h"

namespace quillan {

ExerciseWindows::ExerciseWindows(AppContext& context, SharedForms& forms)
    : context_(context),
      forms_(forms),
      textWindows_(context),
      text_(context.course, context.startup.ProgramDir, textWindows_, *context.services.messages, textSettings_),
      form4_(std::make_unique<TForm4>(context, forms)),
      dialogues_(std::make_unique<TDialogi_Form>(context, forms)),
      sentenceRecording_(std::make_unique<TZdaniaNagrywanieForm>(context, forms)) {
    RegisterWindows();
}

ExerciseWindows::~ExerciseWindows() = default;

void ExerciseWindows::RegisterWindows() {
    launcher_.SetOpener("tek_", [this](const ExerciseStart& start) { OpenCourseText(start); });
    launcher_.SetOpener("slo_", [this](const ExerciseStart& start) {
        form4_->OpenExercise(start.context.CurrentExerciseId, start.wordList, start.context.RequestedStage);
    });
    launcher_.SetOpener("dia_", [this](const ExerciseStart& start) {
        dialogues_->OpenExercise(start.context.CurrentExerciseId, start.Number(), start.context.DialogueVariant);
    });
    launcher_.SetOpener("zdn_", [this](const ExerciseStart& start) {
        sentenceRecording_->OpenExercise(start.context.CurrentExerciseId, start.Number());
    });
    // Families whose windows are still to come; each gets its opener here:
    //   "zdd_" gap sentences, "cie_" curiosities: catalog entry start.Number();
    //   "lst_" letters: letter start.Number(), page start.letterPage;
    //   "zda_" the sentence exercise on package start.Number() with the tab of the line's kind;
    //   "rpg_" the comprehension exercise on catalog entry start.Number().
    // Open tasks ("otw_", "Otw_") have no window.
}

// A text exercise opens its course text at the line's position; the learner's settings decide
// whether a typing exercise may open yet and whether the first tip shows.
void ExerciseWindows::OpenCourseText(const ExerciseStart& start) {
    std::vector<int> keys;
    for (const CW_Info& record : context_.learner.results.records)
        if (record.Id == start.context.CurrentExerciseId) keys.push_back(record.Key);
    Settings& settings = context_.learner.settings;
    textSettings_.TypingAfterOthers = settings.TypingAfterOthers;
    textSettings_.ShowTipOnce = settings.ShowTipOnce;
    text_.OpenText(start.Number(), start.context.Position, keys);
    settings.ShowTipOnce = textSettings_.ShowTipOnce;
}

void ExerciseWindows::TextWindows::StopMedia() {
    if (context_.services.soundPlayer) context_.services.soundPlayer->StopSound();
}

// The text exercise windows (TC_MC_Form, TC_TF_Form, ...) are added here, one case each.
void ExerciseWindows::TextWindows::Close(TextExerciseWindow) {}
void ExerciseWindows::TextWindows::Prepare(TextExerciseWindow, int) {}
void ExerciseWindows::TextWindows::RunShowHandler(TextExerciseWindow) {}

}  // namespace quillan
