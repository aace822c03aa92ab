#include "exercises/exercise_windows.h"

#include "session/app_context.h"
#include "forms/shared_forms.h"
#include "exercises/dialogues/dialogue_window.h"
#include "exercises/reading/comprehension_window.h"
#include "exercises/reading/curiosity_window.h"
#include "exercises/reading/letter_window.h"
#include "exercises/sentences/sentence_recording_window.h"
#include "exercises/sentences/sentence_window.h"
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
      textWindows_(context, forms, text_) {
    RegisterWindows();
}

ExerciseWindows::~ExerciseWindows() = default;

void ExerciseWindows::RegisterWindows() {
    launcher_.SetOpener("tek_", [this](const ExerciseStart& start) { OpenCourseText(start); });
    launcher_.SetOpener("slo_", [this](const ExerciseStart& start) {
        Vocabulary().OpenExercise(start.context.CurrentExerciseId, start.wordList, start.context.RequestedStage);
    });
    // The sentence exercise on package start.Number(), at the tab of the line's kind.
    launcher_.SetOpener("zda_", [this](const ExerciseStart& start) { OpenSentences(start); });
    // The comprehension exercise and the curiosities on catalog entry start.Number().
    launcher_.SetOpener("rpg_", [this](const ExerciseStart& start) {
        const int number = NumberOf(start);
        if (number >= 0) ComprehensionWindow().OpenExercise(start.context.CurrentExerciseId, number);
    });
    launcher_.SetOpener("cie_", [this](const ExerciseStart& start) {
        const int number = NumberOf(start);
        if (number >= 0) CuriosityWindow().OpenExercise(start.context.CurrentExerciseId, number);
    });
    // A letter on its page start.letterPage, with the glossary entry of letter start.Number().
    launcher_.SetOpener("lst_", [this](const ExerciseStart& start) { OpenLetter(start); });
    // The gap sentences of catalog entry start.Number().
    launcher_.SetOpener("zdd_", [this](const ExerciseStart& start) {
        const int number = NumberOf(start);
        if (number >= 0) CatalogGapWindow().OpenExercise(start.context.CurrentExerciseId, number);
    });
    // The dialogue exercise on dialogue start.Number() at start.context.DialogueVariant.
    launcher_.SetOpener("dia_", [this](const ExerciseStart& start) {
        const int number = NumberOf(start);
        if (number >= 0) Dialogues().OpenExercise(start.context.CurrentExerciseId, number, start.context.DialogueVariant);
    });
    // Sentence recording on catalog entry start.Number().
    launcher_.SetOpener("zdn_", [this](const ExerciseStart& start) {
        const int number = NumberOf(start);
        if (number >= 0) SentenceRecording().OpenExercise(start.context.CurrentExerciseId, number);
    });
    // Open tasks ("otw_", "Otw_") have no window.
}

namespace {

// The window held in `window`, made on the first call.
template <typename Window>
Window& MadeWindow(std::unique_ptr<Window>& window, AppContext& context, SharedForms& forms) {
    if (!window) window = std::make_unique<Window>(context, forms);
    return *window;
}

}  // namespace

TForm4& ExerciseWindows::Vocabulary() { return MadeWindow(form4_, context_, forms_); }
TZdaniaDDSameForm& ExerciseWindows::CatalogGapWindow() { return MadeWindow(catalogGaps_, context_, forms_); }
TDialogi_Form& ExerciseWindows::Dialogues() { return MadeWindow(dialogues_, context_, forms_); }
TZdaniaNagrywanieForm& ExerciseWindows::SentenceRecording() { return MadeWindow(sentenceRecording_, context_, forms_); }
TZdaniaForm& ExerciseWindows::SentenceWindow() { return MadeWindow(sentences_, context_, forms_); }
TRozumienieForm& ExerciseWindows::ComprehensionWindow() { return MadeWindow(comprehension_, context_, forms_); }
TTekstOpisForm& ExerciseWindows::CuriosityWindow() { return MadeWindow(curiosities_, context_, forms_); }
TListyForm& ExerciseWindows::LetterWindow() { return MadeWindow(letters_, context_, forms_); }

int ExerciseWindows::NumberOf(const ExerciseStart& start) {
    try {
        return start.Number();
    } catch (const ConversionError& error) {
        if (context_.services.messages) context_.services.messages->Error(error.what());
        return -1;
    }
}

void ExerciseWindows::OpenSentences(const ExerciseStart& start) {
    const int package = NumberOf(start);
    if (package >= 0) SentenceWindow().OpenExercise(start.context.CurrentExerciseId, package, start.context.Kind);
}

void ExerciseWindows::OpenLetter(const ExerciseStart& start) {
    const int number = NumberOf(start);
    if (number < 0) return;
    const Letters& letters = context_.course.letters;
    if (number < 1 || static_cast<size_t>(number) > letters.size() || start.letterPage.empty()) {
        if (context_.services.messages)
            context_.services.messages->Error("Brak listu nr " + std::to_string(number) + ".");
        return;
    }
    const int glossary = LetterGlossaryNumber(letters[static_cast<size_t>(number) - 1], context_.services.messages);
    LetterWindow().OpenExercise(start.context.CurrentExerciseId, start.letterPage, glossary);
}

// A text exercise opens its course text at the line's position; the learner's settings decide
// whether a typing exercise may open yet and whether the first tip shows.
void ExerciseWindows::OpenCourseText(const ExerciseStart& start) {
    const int number = NumberOf(start);
    if (number < 0) return;
    std::vector<int> keys;
    for (const CW_Info& record : context_.learner.results.records)
        if (record.Id == start.context.CurrentExerciseId) keys.push_back(record.Key);
    Settings& settings = context_.learner.settings;
    textSettings_.TypingAfterOthers = settings.TypingAfterOthers;
    textSettings_.ShowTipOnce = settings.ShowTipOnce;
    textSettings_.ClassroomTypingLocked = context_.startup.ClassroomMode == 1 && context_.classroom.TypingLocked();
    text_.OpenText(number, start.context.Position, keys);
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
