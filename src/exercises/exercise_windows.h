#pragma once

#include <map>
#include <memory>

#include "course/current_text.h"
#include "chart/exercise_launcher.h"

namespace quillan {

struct AppContext;
class SharedForms;
class TForm4;
class TextExerciseFrame;
class TDialogi_Form;
class TListyForm;
class TRozumienieForm;
class TTekstOpisForm;
class TZdaniaForm;
class TZdaniaDDSameForm;
class TZdaniaNagrywanieForm;

// The exercise windows the chart starts, by the family of the exercise (the prefix of its Id).
// This is the one place where a family's window is tied to the chart: each family whose
// window exists has its opener registered in RegisterWindows().
class ExerciseWindows {
public:
    ExerciseWindows(AppContext& context, SharedForms& forms);
    ~ExerciseWindows();

    ExerciseLauncher& Launcher() { return launcher_; }
    // The open course text of the text exercises.
    CurrentText& Text() { return text_; }
    // Each family's window is made when it is first needed and kept for the rest of the run.
    TForm4& Vocabulary();
    // The gap sentences of the course catalog (zdd_).
    TZdaniaDDSameForm& CatalogGapWindow();
    // The window of a text-exercise type; null for a type whose window does not exist yet.
    TextExerciseFrame* TextWindow(TextExerciseWindow window) { return textWindows_.Window(window); }
    TDialogi_Form& Dialogues();
    TZdaniaNagrywanieForm& SentenceRecording();
    TZdaniaForm& SentenceWindow();
    TRozumienieForm& ComprehensionWindow();
    TTekstOpisForm& CuriosityWindow();
    TListyForm& LetterWindow();

private:
    // The windows of the text exercises, as the text-opening logic drives them: one window per
    // type, made when it is first needed and kept for the rest of the run.
    class TextWindows : public TextExerciseWindows {
    public:
        TextWindows(AppContext& context, SharedForms& forms, CurrentText& text);
        ~TextWindows() override;
        void StopMedia() override;
        void Close(TextExerciseWindow window) override;
        void Prepare(TextExerciseWindow window, int entry) override;
        void RunShowHandler(TextExerciseWindow window) override;
        TextExerciseFrame* Window(TextExerciseWindow window);

    private:
        AppContext& context_;
        SharedForms& forms_;
        CurrentText& text_;
        std::map<TextExerciseWindow, std::unique_ptr<TextExerciseFrame>> windows_;
    };

    void RegisterWindows();
    void OpenCourseText(const ExerciseStart& start);
    void OpenSentences(const ExerciseStart& start);
    void OpenLetter(const ExerciseStart& start);
    // The number after the family's prefix; told and -1 when it is no number.
    int NumberOf(const ExerciseStart& start);

    AppContext& context_;
    SharedForms& forms_;
    ExerciseLauncher launcher_;
    TextOpeningSettings textSettings_;
    CurrentText text_;          // drives textWindows_, made after it
    TextWindows textWindows_;
    std::unique_ptr<TForm4> form4_;  // the vocabulary trainer
    std::unique_ptr<TDialogi_Form> dialogues_;
    std::unique_ptr<TZdaniaNagrywanieForm> sentenceRecording_;
    std::unique_ptr<TZdaniaForm> sentences_;
    std::unique_ptr<TRozumienieForm> comprehension_;
    std::unique_ptr<TTekstOpisForm> curiosities_;
    std::unique_ptr<TListyForm> letters_;
    std::unique_ptr<TZdaniaDDSameForm> catalogGaps_;
};

}  // namespace quillan
