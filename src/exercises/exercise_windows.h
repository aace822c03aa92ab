#pragma once

#include <memory>

#include "course/current_text.h"
#include "chart/exercise_launcher.h"

namespace quillan {

struct AppContext;
class SharedForms;
class TForm4;
class TListyForm;
class TRozumienieForm;
class TTekstOpisForm;
class TZdaniaForm;

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
    TForm4& Vocabulary() { return *form4_; }
    TZdaniaForm& SentenceWindow() { return *sentences_; }
    TRozumienieForm& ComprehensionWindow() { return *comprehension_; }
    TTekstOpisForm& CuriosityWindow() { return *curiosities_; }
    TListyForm& LetterWindow() { return *letters_; }

private:
    // The windows of the text exercises, as the text-opening logic drives them.
    class TextWindows : public TextExerciseWindows {
    public:
        explicit TextWindows(AppContext& context) : context_(context) {}
        void StopMedia() override;
        void Close(TextExerciseWindow window) override;
        void Prepare(TextExerciseWindow window, int entry) override;
        void RunShowHandler(TextExerciseWindow window) override;

    private:
        AppContext& context_;
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
    TextWindows textWindows_;
    CurrentText text_;
    std::unique_ptr<TForm4> form4_;  // the vocabulary trainer
    std::unique_ptr<TZdaniaForm> sentences_;
    std::unique_ptr<TRozumienieForm> comprehension_;
    std::unique_ptr<TTekstOpisForm> curiosities_;
    std::unique_ptr<TListyForm> letters_;
};

}  // namespace quillan
