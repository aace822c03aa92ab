#include "exercises/exercise_windows.h"

#include "session/app_context.h"
#include "forms/shared_forms.h"
#include "exercises/vocab/trainer_window.h"
#include "exercises/texts/catalog_gap_window.h"
#include "exercises/texts/definitions_window.h"
#include "exercises/texts/drag_drop_table_window.h"
#include "exercises/texts/gap_text_window.h"
#include "exercises/texts/multiple_choice_window.h"
#include "exercises/texts/ordering_list_window.h"
#include "exercises/texts/pair_matching_window.h"
#include "exercises/texts/true_false_window.h"
#include "exercises/texts/typing_window.h"
#include "platform/errors.h"

namespace quillan {

ExerciseWindows::ExerciseWindows(AppContext& context, SharedForms& forms)
    : context_(context),
      forms_(forms),
      text_(context.course, context.startup.ProgramDir, textWindows_, *context.services.messages, textSettings_),
      textWindows_(context, forms, text_),
      form4_(std::make_unique<TForm4>(context, forms)),
      catalogGaps_(std::make_unique<TZdaniaDDSameForm>(context, forms)) {
    RegisterWindows();
}

ExerciseWindows::~ExerciseWindows() = default;

void ExerciseWindows::RegisterWindows() {
    launcher_.SetOpener("tek_", [this](const ExerciseStart& start) { OpenCourseText(start); });
    launcher_.SetOpener("slo_", [this](const ExerciseStart& start) {
        form4_->OpenExercise(start.context.CurrentExerciseId, start.wordList, start.context.RequestedStage);
    });
    // The gap sentences of catalog entry start.Number().
    launcher_.SetOpener("zdd_", [this](const ExerciseStart& start) { OpenCatalogGaps(start); });
    // Families whose windows are still to come; each gets its opener here:
    //   "dia_" the dialogue exercise on dialogue start.Number() at start.context.DialogueVariant;
    //   "zdn_" sentence recording, "cie_" curiosities: catalog entry start.Number();
    //   "lst_" letters: letter start.Number(), page start.letterPage;
    //   "zda_" the sentence exercise on package start.Number() with the tab of the line's kind;
    //   "rpg_" the comprehension exercise on catalog entry start.Number().
    // Open tasks ("otw_", "Otw_") have no window.
}

void ExerciseWindows::OpenCatalogGaps(const ExerciseStart& start) {
    try {
        catalogGaps_->OpenExercise(start.context.CurrentExerciseId, start.Number());
    } catch (const ConversionError& error) {
        if (context_.services.messages) context_.services.messages->Error(error.what());
    }
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

ExerciseWindows::TextWindows::TextWindows(AppContext& context, SharedForms& forms, CurrentText& text)
    : context_(context), forms_(forms), text_(text) {}

ExerciseWindows::TextWindows::~TextWindows() = default;

// The window of each type, one case each.
TextExerciseFrame* ExerciseWindows::TextWindows::Window(TextExerciseWindow window) {
    std::unique_ptr<TextExerciseFrame>& made = windows_[window];
    if (made) return made.get();
    switch (window) {
        case TextExerciseWindow::MultipleChoice: made = std::make_unique<TC_MC_Form>(context_, forms_, text_); break;
        case TextExerciseWindow::TrueFalse: made = std::make_unique<TC_TF_Form>(context_, forms_, text_); break;
        case TextExerciseWindow::Typing: made = std::make_unique<TCW_Wpisywanie1Form>(context_, forms_, text_); break;
        case TextExerciseWindow::Definitions: made = std::make_unique<TC_DefForm>(context_, forms_, text_); break;
        case TextExerciseWindow::DragDropTable: made = std::make_unique<TC_DDForm>(context_, forms_, text_); break;
        case TextExerciseWindow::ExerciseH: made = std::make_unique<TC_HForm>(context_, forms_, text_); break;
        case TextExerciseWindow::DragDropVariant: made = std::make_unique<TC_DDVForm>(context_, forms_, text_); break;
        case TextExerciseWindow::GapTexts: made = std::make_unique<TZdaniaDDForm>(context_, forms_, text_); break;
        case TextExerciseWindow::None: break;
    }
    return made.get();
}

void ExerciseWindows::TextWindows::Close(TextExerciseWindow window) {
    if (TextExerciseFrame* frame = Window(window)) frame->close();
}

void ExerciseWindows::TextWindows::Prepare(TextExerciseWindow window, int entry) {
    if (TextExerciseFrame* frame = Window(window)) frame->PrepareExercise(entry);
}

void ExerciseWindows::TextWindows::RunShowHandler(TextExerciseWindow window) {
    if (TextExerciseFrame* frame = Window(window)) frame->RunShowHandler();
}

}  // namespace quillan
