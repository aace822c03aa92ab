#include "chart/chart_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

#include "forms/shared_forms.h"
#include "controls/message_form.h"
#include "controls/picture_controls.h"
#include "controls/transparent_button.h"
#include "guidance/information_form.h"
#include "help/help_form.h"
#include "help/html_view.h"
#include "chart/chart_fixture.h"
#include "chart/chart_printout.h"
#include "chart/delete_repetitions_form.h"
#include "chart/exercise_launcher.h"
#include "exercises/vocab/trainer_window.h"
#include "exercises/exercise_windows.h"
#include "exercises/reading/comprehension_window.h"
#include "session/learner_session.h"
#include "support/ui_helpers.h"

namespace quillan {
namespace {

using test::Day;
using namespace chart_geometry;

void Mouse(QWidget& widget, QPoint at, QEvent::Type type = QEvent::MouseMove, Qt::MouseButton button = Qt::NoButton) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

class ChartWindow : public ::testing::Test, protected test::ChartFixture {
protected:
    ChartWindow() {
        ctx.startup.LangDir = "Lang_r\\0\\";
        ctx.course.interfaceTexts[116] = "Delete every repetition?";
        ctx.course.interfaceTexts[127] = "Printed.";
        ctx.course.interfaceTexts[161] = "Results help";
        ctx.course.interfaceTexts[162] = "Repetitions help";
        Lesson("Lesson", "L");
        Lesson("Other", "M");
        Done(Add("tek_1", "Text", 40, 1, "L", 1), 80, Day(2026, 12, 3));
        Add("tek_1", "Text", 41, 1, "L", 2);
        for (int i = 1; i <= 30; ++i) Add("rpg_" + std::to_string(i), "Reading " + std::to_string(i), 54, 1, "M");
        Repetition("tek_1", 40, 1, Day(2026, 12, 1), 1);
        Repetition("tek_1", 41, 2, Day(2026, 12, 2), 2);
        Repetition("rpg_3", 54, 0, Day(2026, 12, 9));
        SaveRepetitions(ctx);
        launcher.SetOpener("tek_", [this](const ExerciseStart& s) { started.push_back(s); });
        launcher.SetOpener("rpg_", [this](const ExerciseStart& s) { started.push_back(s); });
    }

    // The middle of a line's name in the paint box.
    QPoint NameOf(const std::string& name) const {
        for (const ChartHit& hit : chart.Layout().names)
            if (hit.node->name == name) return {hit.rect.x + 2, hit.rect.y + 10};
        ADD_FAILURE() << "no line " << name;
        return {};
    }
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        Mouse(*chart.pb, at);
        Mouse(*chart.pb, at, QEvent::MouseButtonPress, button);
        Mouse(*chart.pb, at, QEvent::MouseButtonRelease, button);
    }

    test::FakePrinter printer;
    SharedForms forms{ctx, printer};
    ExerciseLauncher launcher;
    std::vector<ExerciseStart> started;
    TWyborForm chart{ctx, forms, launcher};
};

TEST_F(ChartWindow, OpensCollapsedAtTheTopWithTheButtonsOfItsMode) {
    chart.Open(1);
    EXPECT_TRUE(chart.isVisible());
    EXPECT_FALSE(chart.btn_kasuj_powt->isVisible());
    EXPECT_TRUE(chart.btn_rozwin->isVisible());
    EXPECT_FALSE(chart.btn_zwin->isVisible());
    EXPECT_FALSE(chart.Shape1->isVisible());
    EXPECT_FALSE(chart.btn_up->isVisible());
    EXPECT_FALSE(chart.btn_dn->isVisible()) << "two lesson rows";
    EXPECT_EQ(chart.Layout().rowCount, 2);
    emit chart.btn_rozwin->clicked();
    chart.Open(1);  // opened again from the menu while it shows: built afresh
    EXPECT_EQ(chart.Layout().rowCount, 2);
    EXPECT_TRUE(chart.btn_rozwin->isVisible());
    EXPECT_FALSE(chart.btn_zwin->isVisible());
    chart.close();

    chart.Open(2);
    EXPECT_TRUE(chart.btn_kasuj_powt->isVisible());
    EXPECT_EQ(chart.Tree().Mode(), 2);
}

TEST_F(ChartWindow, ExpandingAllScrollsRowByRowWithinTheOutline) {
    chart.Open(1);
    emit chart.btn_rozwin->clicked();
    EXPECT_FALSE(chart.btn_rozwin->isVisible());
    EXPECT_TRUE(chart.btn_zwin->isVisible());
    EXPECT_EQ(chart.Layout().rowCount, 35);  // 2 lessons, the package and its 2 lines, 30 readings
    EXPECT_TRUE(chart.btn_dn->isVisible());

    for (int i = 0; i < 20; ++i) emit chart.btn_dn->clicked();
    EXPECT_EQ(chart.ScrollOffset(), 35 - RowsInView) << "no scrolling past the last row";
    EXPECT_FALSE(chart.btn_dn->isVisible());
    EXPECT_TRUE(chart.btn_up->isVisible());
    emit chart.btn_up->clicked();
    EXPECT_EQ(chart.ScrollOffset(), 35 - RowsInView - 1);

    emit chart.btn_zwin->clicked();
    EXPECT_EQ(chart.ScrollOffset(), 0);
    EXPECT_EQ(chart.Layout().rowCount, 2);
    EXPECT_TRUE(chart.btn_rozwin->isVisible());
}

TEST_F(ChartWindow, ThePointerHighlightsRowsAndClicksExpandAndStart) {
    chart.Open(1);
    Mouse(*chart.pb, {300, 25});
    EXPECT_TRUE(chart.Shape1->isVisible());
    EXPECT_EQ(chart.Shape1->geometry(), QRect(BoxLeft, BoxTop + RowHeight, HighlightWidth, RowHeight));
    EXPECT_EQ(chart.pb->cursor().shape(), Qt::ArrowCursor);
    Mouse(*chart.pb, {300, 45});
    EXPECT_FALSE(chart.Shape1->isVisible()) << "no line there";
    Mouse(*chart.pb, NameOf("Lesson"));
    EXPECT_EQ(chart.pb->cursor().shape(), Qt::PointingHandCursor);

    Press({5, 10});  // the lesson's expand box
    EXPECT_EQ(chart.Layout().rowCount, 3);
    Press(NameOf("Text"));  // a package's name expands it
    EXPECT_EQ(chart.Layout().rowCount, 5);
    EXPECT_TRUE(started.empty());

    Press(NameOf("True or false"));
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].context.CurrentExerciseId, "tek_1");
    EXPECT_EQ(started[0].context.Kind, 41);
    EXPECT_EQ(started[0].context.Position, 2);
    EXPECT_EQ(ctx.exercise.Key, 2);

    Mouse(chart, {950, 700});  // over the background
    EXPECT_FALSE(chart.Shape1->isVisible());
}

TEST_F(ChartWindow, ReturningToTheChartShowsNewResults) {
    chart.Open(1);
    Done(ctx.learner.results.records[1], 60, Day(2026, 12, 9));
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&chart, &activate);
    EXPECT_EQ(chart.Tree().Lessons()[0]->result, 70);
}

TEST_F(ChartWindow, TheRightButtonOffersToDeleteOneRepetition) {
    chart.Open(2);
    emit chart.btn_rozwin->clicked();
    ASSERT_EQ(chart.Layout().rowCount, 6);  // Lesson, Text, its 2 lines, Other, Reading 3
    const QPoint line = NameOf("Multiple choice");
    Press(line, Qt::RightButton);
    EXPECT_TRUE(started.empty()) << "the right button only offers the deletion";
    ASSERT_TRUE(chart.btn_kasuj_1_powt->isVisible());
    EXPECT_EQ(chart.btn_kasuj_1_powt->pos(), chart.pb->mapTo(&chart, line) - QPoint(10, 10));

    test::Click(*chart.btn_kasuj_1_powt);
    EXPECT_FALSE(chart.btn_kasuj_1_powt->isVisible());
    EXPECT_EQ(chart.Layout().rowCount, 5);
    RepetitionList saved;
    LoadRepetitions(saved, ctx.learner.repetitions.file.path, clock.now);
    ASSERT_EQ(saved.entries.size(), 2u);
    EXPECT_EQ(saved.entries[0].Kind, 41);

    Press(NameOf("True or false"), Qt::RightButton);
    test::Click(*chart.btn_kasuj_1_powt);
    EXPECT_EQ(chart.Layout().rowCount, 3) << "the package went with its last line";

    Press(NameOf("Reading 3"), Qt::LeftButton);
    ASSERT_EQ(started.size(), 1u) << "the left button starts the exercise";
    EXPECT_FALSE(chart.btn_kasuj_1_powt->isVisible());
}

// A repetition deleted when its file cannot be written: the learner is told, the line is gone
// from the chart all the same and the pointer finds no trace of it.
TEST_F(ChartWindow, ARepetitionDeletedWhoseFileCannotBeWrittenLeavesNoLineBehind) {
    chart.Open(2);
    emit chart.btn_rozwin->clicked();
    ctx.learner.repetitions.file.path = ctx.startup.ProgramDir + "missing\\powt_qlr2_55";
    const QPoint line = NameOf("Multiple choice");
    Press(line, Qt::RightButton);
    test::Click(*chart.btn_kasuj_1_powt);
    EXPECT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(chart.Layout().rowCount, 5);
    for (const ChartHit& hit : chart.Layout().names) EXPECT_NE(hit.node->name, "Multiple choice");
    Mouse(*chart.pb, line);  // over where the line was
    Press(NameOf("True or false"), Qt::RightButton);
    EXPECT_TRUE(chart.btn_kasuj_1_powt->isVisible());
}

TEST_F(ChartWindow, DeletingAllRepetitionsAsksTellsAndClosesTheChart) {
    int cleared = 0;
    QObject::connect(&chart, &TWyborForm::RepetitionsCleared, [&] { ++cleared; });
    chart.Open(2);
    QString asked;
    test::WhileModal([&] { test::Click(*chart.btn_kasuj_powt); },
                     [&] {
                         asked = chart.DeleteAllQuestion().Label1->text();
                         test::Click(*chart.DeleteAllQuestion().B_Zamknij);
                     });
    EXPECT_EQ(asked, "Delete every repetition?");
    EXPECT_EQ(ctx.learner.repetitions.entries.size(), 3u);
    EXPECT_TRUE(chart.isVisible());

    int confirmations = 0;
    chart.SetDeleteAllConfirmation([&] {
        ++confirmations;
        return true;
    });
    QString told;
    test::WhileModal([&] { test::Click(*chart.btn_kasuj_powt); },
                     [&] {
                         told = forms.form20->Label1->text();
                         forms.form20->accept();
                     });
    EXPECT_EQ(confirmations, 1);
    EXPECT_EQ(told, "Repetitions have been deleted.");
    EXPECT_EQ(cleared, 1);
    EXPECT_FALSE(chart.isVisible());
    RepetitionList saved;
    LoadRepetitions(saved, ctx.learner.repetitions.file.path, clock.now);
    EXPECT_TRUE(saved.entries.empty());
}

TEST_F(ChartWindow, PrintingSendsTheChartAsShownAndTellsTheLearner) {
    chart.Open(1);
    chart.Tree().Lessons()[0]->expanded = true;
    QString told;
    test::WhileModal([&] { test::Click(*chart.btn_print); },
                     [&] {
                         told = forms.form20->Label1->text();
                         forms.form20->accept();
                     });
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.documents[0], ChartHtml(chart.Tree(), dir.Path()));
    EXPECT_NE(printer.documents[0].find("Text"), std::string::npos);
    EXPECT_EQ(printer.directories[0], dir.Path());
    EXPECT_EQ(told, "Printed.");
}

TEST_F(ChartWindow, HelpOfEachMode) {
    dir.Write("Htm_r/h_comp.html", "<html><body><a name=\"wybor\"></a>Chart</body></html>");
    dir.Write("Htm_r/h_rep.html", "<html><body>Repetitions</body></html>");
    for (int mode : {1, 2}) {
        chart.Open(mode);
        test::Press(chart, Qt::Key_F1);
        const QUrl page = forms.help->FrameViewer1->source();
        EXPECT_EQ(page.fileName(), mode == 1 ? "h_comp.html" : "h_rep.html");
        EXPECT_EQ(page.fragment(), mode == 1 ? "wybor" : "");
        forms.help->hide();

        std::string key;
        test::WhileModal([&] { test::Click(*chart.btn_help); },
                         [&] {
                             key = forms.informacja->PanelKey;
                             forms.informacja->accept();
                         });
        EXPECT_EQ(key, mode == 1 ? "HH_Results help" : "HH_Repetitions help");
        chart.close();
    }
}

TEST_F(ChartWindow, ATextLineOpensItsTextAtTheLinesPosition) {
    TextExercise("1", "MC");
    TextExercise("1", "TF");
    ctx.course.interfaceTexts[62] = "Tip";
    ctx.learner.settings.ShowTipOnce = true;
    ExerciseWindows exercises(ctx, forms);

    EXPECT_TRUE(exercises.Launcher().Start(ctx, 2, 2));
    const CurrentText& text = exercises.Text();
    EXPECT_EQ(text.ExerciseCount(), 2);
    EXPECT_EQ(text.CurrentPosition(), 2);
    EXPECT_EQ(text.CurrentEntry(), 2);
    EXPECT_EQ(text.ExerciseKey(1), 1);
    EXPECT_EQ(text.ExerciseKey(2), 2);
    EXPECT_EQ(text.CurrentExerciseWindow(), TextExerciseWindow::TrueFalse);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Tip"}));
    EXPECT_FALSE(ctx.learner.settings.ShowTipOnce) << "the tip shows once";

    // A comprehension line goes to its window, which tells that the course's catalog has no
    // entry for it and does not open. (The true/false window above has told what it misses of
    // this bare installation.)
    const size_t told = messages.errors.size();
    EXPECT_TRUE(exercises.Launcher().Start(ctx, 3, 1));
    EXPECT_EQ(ctx.exercise.CurrentExerciseId, "rpg_1");
    EXPECT_FALSE(exercises.ComprehensionWindow().isVisible());
    EXPECT_EQ(messages.errors.size(), told + 1);
}

TEST_F(ChartWindow, AVocabularyLineOpensTheTrainerAtItsStage) {
    std::string list;
    for (int i = 1; i <= 10; ++i) list += "header\n";
    list += "01 000001 01 meeting =spotkanie====101=0===cw=0\n01 000002 01 client =klient====102=0===cw=0\n";
    dir.Write("cw_r/0203.bc4", test::Crlf(list));
    for (int kind = 60; kind <= 64; ++kind) Add("slo_2", "S0203", kind, 1, "L");
    ExerciseWindows exercises(ctx, forms);

    ASSERT_TRUE(exercises.Launcher().Start(ctx, ctx.learner.results.records.size() - 2, 3));
    TForm4& trainer = exercises.Vocabulary();
    EXPECT_TRUE(trainer.isVisible());
    EXPECT_EQ(trainer.Trainer().ExerciseId(), "slo_2");
    EXPECT_EQ(trainer.Trainer().Stage(), 3);
    EXPECT_EQ(ctx.exercise.RequestedStage, 3);
    trainer.hide();
}

}  // namespace
}  // namespace quillan
