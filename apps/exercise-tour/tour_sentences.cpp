// The sentence exercise in the tour: the line's tab is worked to its summary. With right answers
// the puzzle's words are dragged into order, the dictation typed as written and every
// translation known; with the first choice the puzzle is checked as shuffled, the dictation gets
// the sentence's first word and every translation is known, once each, and the window is left
// through its exit and the summary. The first exercise also records a take and compares it.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <iostream>

#include "chart/chart_tree.h"
#include "controls/message_form.h"
#include "controls/picture_controls.h"
#include "controls/transparent_button.h"
#include "exercises/exercise_windows.h"
#include "exercises/sentences/puzzle_box.h"
#include "exercises/sentences/sentence_window.h"
#include "forms/shared_forms.h"
#include "forms/summary_form.h"
#include "modal_answers.h"
#include "platform/cp1250.h"
#include "platform/qt/qt_text.h"
#include "tour.h"

namespace quillan::tour {
namespace {

constexpr int kStepLimit = 400;  // clicks before the tour gives an exercise up

void PressKey(QWidget& widget, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

QPoint Middle(QWidget& widget) { return widget.rect().center(); }

// Drags the words of the puzzle into the sentence's order, one word at a time to its place;
// the first drag of the tour is pictured half way.
void ArrangePuzzle(Tour& tour, TZdaniaForm& form, const std::string& name) {
    static bool pictured = false;
    SentenceExercise& exercise = form.Exercise();
    const std::vector<std::string> target = PuzzleBoard::SplitWords(exercise.Current() ? exercise.Current()->Variant1 : "");
    for (size_t place = 0; place < target.size(); ++place) {
        const std::vector<std::string>& words = exercise.Puzzle().Words();
        size_t from = place;
        while (from < words.size() && words[from] != target[place]) ++from;
        if (from >= words.size() || from == place || target[place].empty()) continue;
        const WordBox source = exercise.Puzzle().Boxes().at(from);
        const WordBox destination = exercise.Puzzle().Boxes().at(place);
        const QPoint start(source.x + source.width / 2, source.y + source.height / 2);
        const QPoint end(destination.x + 2, destination.y + destination.height / 2);
        if (!pictured) {
            pictured = true;
            MoveTo(*form.pb_tresc, start);
            Press(*form.pb_tresc, start);
            MoveTo(*form.pb_tresc, (start + end) / 2);
            MoveTo(*form.pb_tresc, end);
            tour.Save(form, name + "_dragging");
            Release(*form.pb_tresc, end);
        } else {
            Drag(*form.pb_tresc, start, *form.pb_tresc, end);
        }
        Settle(20);
    }
}

void SentenceTour(Tour& tour, const ChartNode&, const std::string& name) {
    static bool takeRecorded = false;
    TZdaniaForm& form = tour.windows.SentenceWindow();
    SentenceExercise& exercise = form.Exercise();
    int summaries = 0;
    ModalAnswers answers([&](QWidget& modal) {
        if (&modal == tour.forms.form25.get()) {
            tour.Save(modal, name + "_summary");
            ++summaries;
            Click(*tour.forms.form25->B_OK, Middle(*tour.forms.form25->B_OK));
        } else if (&modal == tour.forms.form20.get()) {
            std::cout << "info: " << Cp1250ToUtf8(FromQt(tour.forms.form20->Label1->text())) << "\n";
            tour.Save(modal, name + "_info");
            Click(*tour.forms.form20->B_OK, Middle(*tour.forms.form20->B_OK));
        } else {
            modal.close();
        }
    });
    Settle(300);
    tour.Save(form, name + "_open");

    if (!takeRecorded) {
        takeRecorded = true;
        Press(*form.K_Nagraj, Middle(*form.K_Nagraj));
        Settle(800);
        Release(*form.K_Nagraj, Middle(*form.K_Nagraj));
        Settle(200);
        tour.Save(form, name + "_take");
    }

    const int count = exercise.SentenceCount();
    int answered = 0;
    for (int step = 0; step < kStepLimit && form.isVisible() && summaries == 0; ++step) {
        const SentenceScreen& s = exercise.Screen();
        const bool firstView = answered == 0;
        if (!tour.Right() && answered >= count) break;
        if (s.tab == kTranslationTab) {
            if (s.revealVisible) {
                Click(*form.btn_sprawdz_3, Middle(*form.btn_sprawdz_3));
            } else if (s.yesVisible) {
                Click(*form.btn_tak, Middle(*form.btn_tak));  // "I knew it", the first choice too
                ++answered;
                if (firstView) tour.Save(form, name + "_checked");
            } else if (s.nextVisible) {
                Click(*form.btn_nastepne, Middle(*form.btn_nastepne));
            } else {
                break;
            }
            continue;
        }
        if (!s.checkVisible) break;
        if (exercise.Checked()) {
            Click(*form.btn_sprawdz, Middle(*form.btn_sprawdz));
            continue;
        }
        if (s.tab == kPuzzleTab && tour.Right()) {
            ArrangePuzzle(tour, form, name);
            if (firstView) tour.Save(form, name + "_arranged");
        }
        if (s.tab == kDictationTab) {
            const std::string sentence = exercise.Current() ? exercise.Current()->Variant1 : "";
            form.Memo2->setFocus();
            form.Memo2->setText(ToQt(tour.Right() ? sentence : PuzzleBoard::SplitWords(sentence + " ").front()));
            PressKey(*form.Memo2, Qt::Key_Return);
        } else {
            Click(*form.btn_sprawdz, Middle(*form.btn_sprawdz));
        }
        ++answered;
        if (firstView) tour.Save(form, name + "_checked");
    }
    // The first choice, or a tour that got stuck: leave through the exit and the summary.
    if (form.isVisible()) Click(*form.btn_exit, Middle(*form.btn_exit));
    Settle(100);
    if (form.isVisible()) form.close();
    std::cout << "  " << name << ": " << exercise.CorrectCount() << " right, " << exercise.WrongCount() << " wrong, "
              << exercise.Percent() << "%" << (exercise.AllSolved() ? ", completed" : "") << "\n";
}

const FamilyRegistration registration("zda_", SentenceTour);

}  // namespace
}  // namespace quillan::tour
