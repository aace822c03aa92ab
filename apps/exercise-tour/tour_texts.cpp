// The text exercises ("tek_"): each window the chart opened is worked through its real events
// (clicks on the answers and boxes, gaps opened with a click and Tab and typed into key by key,
// terms dragged with press, moves and release), checked, pictured as it opened and before and
// after the check, a typing text printed with its answers, and closed with its exit button.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <iostream>
#include <optional>

#include "chart/chart_tree.h"
#include "controls/message_form.h"
#include "controls/picture_controls.h"
#include "controls/transparent_button.h"
#include "course/current_text.h"
#include "exercises/exercise_windows.h"
#include "exercises/texts/definitions_window.h"
#include "exercises/texts/multiple_choice_window.h"
#include "exercises/texts/paint_box.h"
#include "exercises/texts/true_false_window.h"
#include "exercises/texts/typing_window.h"
#include "forms/shared_forms.h"
#include "modal_answers.h"
#include "platform/qt/qt_text.h"
#include "session/app_context.h"
#include "tour.h"
#include "tour_texts_drag.h"

namespace quillan::tour {
namespace {

// A point of a control in its window's coordinates.
QPoint In(const QWidget& control, QPoint at) { return control.mapTo(control.window(), at); }
QPoint CentreOf(const QWidget& control) { return In(control, control.rect().center()); }

// Scrolls down until `visible` holds or the content ends.
void ScrollUntil(TextExerciseFrame& form, const std::function<bool()>& visible) {
    for (int i = 0; i < 200 && !visible() && form.btn_dn->isVisible(); ++i) Click(form, CentreOf(*form.btn_dn));
}

void WorkMultipleChoice(Tour& tour, TC_MC_Form& form) {
    const auto& questions = form.Exercise().Questions();
    for (size_t q = 0; q < questions.size(); ++q) {
        if (questions[q].Answers.empty()) continue;
        const int answer = tour.Right() && questions[q].Right >= 0 ? questions[q].Right : 0;
        // Where the answer stands now (it moves as the box scrolls).
        auto place = [&]() -> std::optional<McAnswerPlace> {
            for (const McAnswerPlace& a : form.Layout().Answers)
                if (a.Question == static_cast<int>(q) && a.Answer == answer) return a;
            return std::nullopt;
        };
        ScrollUntil(form, [&] {
            const auto a = place();
            return a && a->Y1 >= 0 && a->Y2 <= form.pb_tresc->height();
        });
        if (const auto a = place()) Click(form, In(*form.pb_tresc, QPoint((a->X1 + a->X2) / 2, a->Y1 + 6)));
    }
}

void WorkTrueFalse(Tour& tour, TC_TF_Form& form) {
    const auto& rows = form.Exercise().Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const bool left = !tour.Right() || rows[i].IsTrue;
        Click(form, CentreOf(left ? *form.L[i] : *form.R[i]));
    }
}

// Types the text into the edit box key by key, as the keyboard gives it.
void TypeInto(QLineEdit& edit, const std::string& cp1250) {
    for (const QChar c : ToQt(cp1250)) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&edit, &key);
    }
}

void WorkTyping(Tour& tour, TCW_Wpisywanie1Form& form) {
    const TypingGaps& exercise = form.Exercise();
    const auto& gaps = exercise.Content().Gaps;
    for (size_t g = 0; g < gaps.size(); ++g) {
        if (g > 0) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(form.Edit1, &tab);
        }
        if (!form.Edit1->isVisible() || exercise.OpenGapNumber() != static_cast<int>(g)) {
            const size_t item = static_cast<size_t>(gaps[g].Item);
            ScrollUntil(form, [&] { return form.Layout().ItemBoxes[item].Y <= form.DXRamka->height() - 10; });
            const TypingBox box = form.Layout().ItemBoxes[item];
            Click(form, In(*form.DXRamka, QPoint(box.X + box.W / 2, box.Y + 5)));
        }
        if (exercise.OpenGapNumber() != static_cast<int>(g)) {
            std::cout << "error: gap " << g + 1 << " does not open\n";
            continue;
        }
        const std::string& answer = gaps[g].Answer;
        TypeInto(*form.Edit1, tour.Right() ? answer : answer.substr(0, 1));
    }
}

// Prints the text with the answers (to a PDF file in the learner's directory) and tells where
// the printout went.
void PrintTyping(Tour& tour, TCW_Wpisywanie1Form& form) {
    if (!form.btn_print->isVisible()) return;
    const ModalAnswers answers([&tour](QWidget& modal) {
        TForm20& message = *tour.forms.form20;
        if (&modal != &message) {
            modal.close();
            return;
        }
        // The label may break a long path after its separators (at zero-width spaces).
        std::cout << "message: " << message.Label1->text().remove(QChar(0x200B)).toStdString() << "\n";
        Click(message, CentreOf(*message.B_OK));
    });
    Click(form, CentreOf(*form.btn_print));
    Settle(100);
}

void WorkDefinitions(Tour& tour, TC_DefForm& form) {
    const auto& labels = form.Exercise().Labels();
    for (size_t i = 0; i < labels.size(); ++i) {
        const size_t slot = tour.Right() ? static_cast<size_t>(labels[i].Entry) : i;
        Drag(form, CentreOf(*form.lbl[i]), form, CentreOf(*form.podkl[slot]));
    }
}

void TourText(Tour& tour, const ChartNode&, const std::string& name) {
    const TextExerciseWindow type = tour.windows.Text().CurrentExerciseWindow();
    TextExerciseFrame* frame = tour.windows.TextWindow(type);
    if (!frame) {
        const int entry = tour.windows.Text().CurrentEntry();
        const std::string code =
            entry >= 1 ? TypeCode(tour.context.course.textExercises.at(static_cast<size_t>(entry) - 1)) : std::string("?");
        std::cout << "the window of " << code << " exercises is not there yet\n";
        return;
    }
    if (!frame->isVisible()) {
        std::cout << "error: the window of " << name << " did not open\n";
        return;
    }
    Settle(100);
    tour.Save(*frame, name + "_open");
    if (auto* mc = dynamic_cast<TC_MC_Form*>(frame))
        WorkMultipleChoice(tour, *mc);
    else if (auto* tf = dynamic_cast<TC_TF_Form*>(frame))
        WorkTrueFalse(tour, *tf);
    else if (auto* wp = dynamic_cast<TCW_Wpisywanie1Form*>(frame))
        WorkTyping(tour, *wp);
    else if (auto* df = dynamic_cast<TC_DefForm*>(frame))
        WorkDefinitions(tour, *df);
    else
        WorkDraggedText(tour, *frame);
    tour.Save(*frame, name + "_before");
    Click(*frame, CentreOf(*frame->btn_check));
    const ClosingReport report = frame->Closing();
    std::cout << "checked: " << report.Percent << "%" << (report.Completed ? " completed" : "") << "\n";
    tour.Save(*frame, name + "_after");
    if (auto* wp = dynamic_cast<TCW_Wpisywanie1Form*>(frame)) PrintTyping(tour, *wp);
    Click(*frame, CentreOf(*frame->lbl_exit));
    if (frame->isVisible()) std::cout << "error: " << name << " did not close\n";
}

const FamilyRegistration registration("tek_", TourText);

}  // namespace
}  // namespace quillan::tour
