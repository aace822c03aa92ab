#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <string>

#include "course/problems.h"
#include "course/text_exercises.h"
#include "exercises/texts/attempt.h"
#include "exercises/texts/content_source.h"
#include "exercises/texts/text_exercise_content.h"

class QLabel;

namespace quillan {

struct AppContext;
class CurrentText;
class PaintBox;
class SharedForms;
class TFCSImage1;
class TMImage;
class TPanel1;
class TTransparentButton;

// What tells one window of the text exercises from another in the frame they share.
struct TextExerciseWindowTraits {
    const char* windowName = "";           // the window's class name: "TC_MC_Form"
    int kind = 0;                          // the exercise kind its results are recorded under: 40
    const char* checkButtonName = "btn_ok";  // "btn_ok", "btn_sprawdz" or "btn_wyniki"
    int againHint = 0;                     // interface text of lbl_jeszcze_raz's hint; 0 keeps "Again"
    int helpNumber = 0;                    // interface text btn_help shows after "HH_"; 0: no help button
    const char* helpAnchor = "";           // F1 opens "Htm_r\h_comp.html" + this anchor
    const char* instructionName = "pb_polecenie";  // the instruction box: pb_polecenie or PaintBox1
    const char* backgroundName = "img_tlo";        // img_tlo or img_Tlo
    const char* backgroundExtension = ".jpg";      // the background picture's type (".bmp" for TC_DDForm)
    const char* exitName = "lbl_exit";             // lbl_exit or btn_exit
    bool stopSoundOnExit = true;                   // the exit button stops the sound before closing
    bool stopSoundOnCheck = true;                  // the check button stops the sound first
    const char* missingBackgroundText = nullptr;   // told for a missing background instead of "Brak pliku: "
};

// The frame every text-exercise window shares (TC_MC_Form, TC_TF_Form, TCW_Wpisywanie1Form,
// TC_DefForm, ...): a full-screen borderless window with the text's background picture, the
// instruction painted in its box, the tab strip of the text's exercises in the right-hand
// panel, the media, glossary, help, dictionary and exit buttons, the check and "again"
// buttons, the result gauge panel_wynik (or the bare score lbl_proc over ptoc_panel and the
// verdict line lbl_komentarz), and the hand-over of the result when the window closes.
//
// A member window derives from it, adds its content (a model of exercises/texts and the
// controls that show it) and fills in the hooks below. The frame calls them in this order:
//   PrepareExercise(entry): PrepareContent, then the layout (btn_media, the instruction box,
//       ApplyLayout), the frame's controls from Frame(), the window shown; FormShow, then
//       ShowContent, when the window was hidden.
//   the check button: the sound stopped, CheckContent, the frame's controls from Frame().
//   "again": the checked attempt handed over as closing hands it, then PrepareExercise and
//       FormShow again (a fresh attempt, a new shuffle).
//   closing (exit button, a tab, the chart opening another exercise): CloseContent, then
//       Closing() is recorded (RecordExerciseResult and RecordRepetition with the frame's kind,
//       CurrentExerciseId, the key and position of the open text) when the learner worked in
//       the window, and the learner's files are saved in every case.
class TextExerciseFrame : public QWidget {
    Q_OBJECT
public:
    TextExerciseFrame(AppContext& context, SharedForms& forms, CurrentText& text, const TextExerciseWindowTraits& traits,
                      QWidget* parent = nullptr);
    ~TextExerciseFrame() override;

    // PrepareExercise: the exercise of text-exercise list entry `entry` (1-based), with the
    // layout values of the open text; a fresh attempt. Shows the window.
    void PrepareExercise(int entry);
    // FormShow: the pictures, the hints, the tab strip of the open text, the media.
    void FormShow();
    // The show handler once more (the opening logic asks for it), unless it ran since the
    // exercise was prepared.
    void RunShowHandler();

    const TextExerciseWindowTraits& Traits() const { return traits_; }
    // The entry shown (CurrentEntry when the window was prepared); 0 before.
    int Entry() const { return entry_; }
    // The member's attempt as the frame hands it over on closing.
    virtual ClosingReport Closing() const = 0;

    // The frame's controls, named as the windows name them.
    QLabel* img_tlo;              // the background (img_Tlo in some windows)
    QLabel* Image2;               // the right-hand panel
    PaintBox* pb_polecenie;       // the instruction (PaintBox1 in some windows)
    std::array<TMImage*, 8> MImage{};  // the tabs MImage1..MImage8
    TTransparentButton* btn_media;
    TTransparentButton* btn_tlumacz;  // the glossary
    TTransparentButton* btn_help;
    TTransparentButton* btn_slownik;  // the dictionary
    TTransparentButton* lbl_exit;     // btn_exit in some windows
    TTransparentButton* btn_check;    // btn_ok, btn_sprawdz or btn_wyniki
    TTransparentButton* lbl_jeszcze_raz;  // "again"
    TPanel1* panel_wynik;
    QLabel* ptoc_panel;               // the bare score's plate, with lbl_proc on it
    QLabel* lbl_proc;
    QLabel* lbl_komentarz;            // the verdict line
    TFCSImage1* btn_up;               // scrolling of the content, for the members that scroll
    TFCSImage1* btn_dn;

protected:
    // ---- what a member fills in ----

    // Reads the entry's content (its type line) and starts a fresh attempt on it.
    virtual void PrepareContent(const TextExercise& exercise) = 0;
    // The instruction box's width for its left edge `left` (layout value 3) and its width as
    // designed, `width` (607 pixels). The rule is applied to the designed width every time, so
    // that the box does not change from one opening to the next.
    virtual int InstructionWidth(int left, int width) const = 0;
    // Places the content by the open text's layout values (-1: the default).
    virtual void ApplyLayout(const LayoutValues& layout) = 0;
    // The member's check; the frame has stopped the sound and shows the result after it.
    virtual void CheckContent() = 0;
    // The frame's part of the member's state (check button, "again", gauge, score, verdict).
    virtual const FrameState& Frame() const = 0;
    // The member's part of FormShow.
    virtual void ShowContent() {}
    // The member's part of closing, before the result is handed over.
    virtual void CloseContent() {}
    // The member's keys (before F1 of the frame); true when the key was handled.
    virtual bool HandleKey(QKeyEvent* event);
    // btn_up or btn_dn moved the content by one step: ScrollPos() has changed.
    virtual void Scrolled() {}

    // ---- what the frame offers the members ----

    AppContext& Context() const { return context_; }
    SharedForms& Forms() const { return forms_; }
    CurrentText& Text() const { return text_; }
    // Header field k of the entry shown (field k: the text between the (k - 1)-th and the k-th "#").
    std::string HeaderField(int k) const;
    // The shared marks beside judged answers (18 x 18).
    const QPixmap& RightMark() const;
    const QPixmap& WrongMark() const;
    // Shows the frame's controls as Frame() says.
    void ShowFrameState();
    // Stops the sound of the program (the shared player and the media window).
    void StopSound();
    // Tells the learner of a fault of the course data: one text, or each problem noted while
    // reading the content as "FILE:LINE: problem" (nothing when none was noted).
    void ReportProblem(const std::string& text);
    void ReportProblems(const Problems& problems);
    // The entry's content read from its type line by `parse` (a parser of text_exercise_content.h
    // or content_source.h); the problems noted on the way are told.
    template <typename Parse>
    auto ParseTypeLine(const TextExercise& exercise, Parse parse) {
        Problems problems;
        auto content = parse(TypeLineContent(exercise.TypeLine), problems, TypeLinePlace(exercise, exercise.File));
        ReportProblems(problems);
        return content;
    }
    // The instruction width of the members whose instruction ends at `right`: the whole width
    // up to it, or, when the designed box reaches past it, what is left of it after `left`.
    static int InstructionWidthUpTo(int right, int left, int width) {
        return left + width > right ? right - left : right;
    }

    // Scrolling of a content painted in lines: the steps scrolled and the steps there are.
    int ScrollPos() const { return scrollPos_; }
    int MaxScroll() const { return maxScroll_; }
    // The content was measured: btn_dn shows when it can scroll.
    void SetMaxScroll(int steps);
    // Places btn_up level with the content box's top and btn_dn with its bottom, at `left`.
    void PlaceScrollButtons(int left, const QRect& contentBox);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CheckClicked();
    void AgainClicked();
    void MediaClicked();
    void GlossaryClicked();
    void HelpClicked();
    void DictionaryClicked();
    void ExitClicked();
    void TabClicked(int position);
    void ScrollBy(int steps);
    void ShowTabs(std::string& missing);
    void ShowWindow();
    void FormClose();
    // Hands the attempt over to the learner's files (closing, and "again" after a check).
    void HandOver();

    AppContext& context_;
    SharedForms& forms_;
    CurrentText& text_;
    TextExerciseWindowTraits traits_;
    int entry_ = 0;
    std::string background_;                  // header field 3
    std::string instruction2_, instruction0_, instruction1_;  // header fields 4, 5, 6
    bool open_ = false;       // prepared and not closed since
    bool showRan_ = false;    // FormShow ran since the exercise was prepared
    int scrollPos_ = 0;
    int maxScroll_ = 0;
};

}  // namespace quillan
