// The reading windows in the tour. A comprehension exercise is worked to its end (the right
// picture each time, or the first picture, an example coming back until finished) and left
// through its summary; a curiosity is read, scrolled and translated; a letter shows its tips
// and its translation and is printed (to a PDF file in the learner's directory).

#include <QApplication>
#include <QLabel>
#include <iostream>

#include "chart/chart_tree.h"
#include "controls/message_form.h"
#include "controls/picture_controls.h"
#include "controls/transparent_button.h"
#include "exercises/exercise_windows.h"
#include "exercises/reading/comprehension_window.h"
#include "exercises/reading/curiosity_window.h"
#include "exercises/reading/letter_window.h"
#include "forms/shared_forms.h"
#include "forms/summary_form.h"
#include "guidance/information_form.h"
#include "help/html_small_form.h"
#include "modal_answers.h"
#include "platform/cp1250.h"
#include "platform/qt/qt_text.h"
#include "tour.h"

namespace quillan::tour {
namespace {

constexpr int kClickLimit = 100;

QPoint Middle(QWidget& widget) { return widget.rect().center(); }

// Every modal window of the reading windows is looked at and closed: the summary ends the
// exercise, a message is printed.
ModalAnswers Closer(Tour& tour, const std::string& name) {
    return ModalAnswers([&tour, name](QWidget& modal) {
        SharedForms& forms = tour.forms;
        if (&modal == forms.form25.get()) {
            tour.Save(modal, name + "_summary");
            Click(*forms.form25->B_OK, Middle(*forms.form25->B_OK));
        } else if (&modal == forms.form20.get()) {
            std::cout << "message: " << Cp1250ToUtf8(FromQt(forms.form20->Label1->text())) << "\n";
            Click(*forms.form20->B_OK, Middle(*forms.form20->B_OK));
        } else if (&modal == forms.informacja.get()) {
            tour.Save(modal, name + "_translation");
            forms.informacja->accept();
        } else if (&modal == forms.htmlSmall.get()) {
            tour.Save(modal, name + "_tips");
            forms.htmlSmall->accept();
        } else {
            modal.close();
        }
    });
}

void ComprehensionTour(Tour& tour, const ChartNode&, const std::string& name) {
    TRozumienieForm& form = tour.windows.ComprehensionWindow();
    Comprehension& exercise = form.Exercise();
    const ModalAnswers answers = Closer(tour, name);
    Settle(300);
    tour.Save(form, name + "_open");
    int right = 0, wrong = 0, percent = 0;
    bool completed = false;
    for (int click = 0; click < kClickLimit && form.isVisible(); ++click) {
        const ComprehensionScreen& s = exercise.Screen();
        if (s.nextVisible) {
            right = exercise.RightCount();
            wrong = exercise.WrongCount();
            percent = exercise.Percent();
            if (click == 1) tour.Save(form, name + "_answered");
            completed = exercise.Examples().size() > 0;
            for (const ComprehensionExample& example : exercise.Examples()) completed = completed && example.Finished();
            Click(*form.btn_next, Middle(*form.btn_next));
            continue;
        }
        if (!s.picturesActive) break;  // no example to answer
        TMImage& picture = *form.img[static_cast<size_t>(tour.Right() ? s.rightPicture : 1) - 1];
        Click(picture, Middle(picture));
    }
    if (form.isVisible()) Click(*form.lbl_koniec, Middle(*form.lbl_koniec));
    Settle(100);
    std::cout << "  " << name << ": " << right << " right, " << wrong << " wrong, " << percent << "%"
              << (completed ? ", completed" : "") << "\n";
}

void CuriosityTour(Tour& tour, const ChartNode&, const std::string& name) {
    TTekstOpisForm& form = tour.windows.CuriosityWindow();
    const ModalAnswers answers = Closer(tour, name);
    Settle(300);
    tour.Save(form, name + "_open");
    for (int i = 0; i < 3 && form.btn_dn->isVisible(); ++i) Click(*form.btn_dn, Middle(*form.btn_dn));
    if (form.Exercise().Text().Scroll() > 0) tour.Save(form, name + "_scrolled");
    Click(*form.btn_tlumacz, Middle(*form.btn_tlumacz));
    Settle(100);
    Click(*form.btn_exit, Middle(*form.btn_exit));
    Settle(100);
}

void LetterTour(Tour& tour, const ChartNode&, const std::string& name) {
    TListyForm& form = tour.windows.LetterWindow();
    const ModalAnswers answers = Closer(tour, name);
    Settle(300);
    tour.Save(form, name + "_open");
    Click(*form.btn_instr, Middle(*form.btn_instr));
    Settle(100);
    if (form.btn_tlumacz->isVisible()) Click(*form.btn_tlumacz, Middle(*form.btn_tlumacz));
    Settle(100);
    if (form.btn_print->isVisible()) Click(*form.btn_print, Middle(*form.btn_print));
    Settle(100);
    Click(*form.btn_exit, Middle(*form.btn_exit));
    Settle(100);
}

const FamilyRegistration comprehension("rpg_", ComprehensionTour);
const FamilyRegistration curiosity("cie_", CuriosityTour);
const FamilyRegistration letter("lst_", LetterTour);

}  // namespace
}  // namespace quillan::tour
