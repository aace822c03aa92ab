// The dialogue window offscreen, one flow per variant: opened as the chart opens it, worked with
// the mouse, closed, and the results found in the learner's files. Sounds go to a fake player.

#include "exercises/dialogues/dialogue_window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QMouseEvent>
#include <QTimer>
#include <filesystem>

#include "chart/exercise_launcher.h"
#include "controls/message_form.h"
#include "controls/picture_controls.h"
#include "controls/result_gauge.h"
#include "controls/transparent_button.h"
#include "dialogue_fixture.h"
#include "exercises/exercise_windows.h"
#include "forms/shared_forms.h"
#include "guidance/information_form.h"
#include "platform/qt/qt_text.h"
#include "support/ui_helpers.h"

namespace quillan {
namespace {

class DialogueWindow : public ::testing::Test, public test::DialogueFixture {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.Path() + "but_r/zakl");
        for (int n = 1; n <= 5; ++n)
            for (const char* suffix : {"", "a"}) Picture("but_r/zakl/dial_" + std::to_string(n) + suffix + ".bmp", 64, 22);
        forms = std::make_unique<SharedForms>(ctx, printer);
        ctx.services.soundPlayer = &player;  // the fake instead of the real one
        form = std::make_unique<TDialogi_Form>(ctx, *forms);
    }
    void TearDown() override {
        form.reset();
        forms.reset();
    }
    void Picture(const std::string& path, int width, int height) {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(QColor(static_cast<int>(path.size()) * 7 % 255, 90, 160));
        picture.save(QString::fromStdString(dir.Path() + path));
    }
    void Use(const Dialogue& d) {
        ctx.course.dialogues = {d};
        RecordLines();
    }
    DialogueExercise& Ex() { return form->Exercise(); }
    // A mouse event at a point of a control.
    static void Mouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, widget.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }
    // A click on line n of the text.
    void ClickLine(int line) {
        const DialogueLineLayout& laid = Ex().Layout().lines.at(static_cast<size_t>(line) - 1);
        const QPoint at(40, DialogueRowTop(laid.firstRow, Ex().Screen().offset) + 5);
        Mouse(*form->PaintBox1, QEvent::MouseButtonPress, at, Qt::LeftButton);
        Mouse(*form->PaintBox1, QEvent::MouseButtonRelease, at, Qt::NoButton);
    }
    // Drags word label g to a point of the window in a few steps, as a hand does, and lets it
    // go; the label, which follows the pointer, gets every event.
    void DragLabel(int g, QPoint to) {
        QWidget& label = *form->lbl.at(static_cast<size_t>(g));
        const QPoint start = label.mapToGlobal(label.rect().center()), end = form->mapToGlobal(to);
        auto send = [&](QEvent::Type type, QPoint global, Qt::MouseButtons held) {
            QMouseEvent event(type, label.mapFromGlobal(global), global, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                              held, Qt::NoModifier);
            QApplication::sendEvent(&label, &event);
        };
        send(QEvent::MouseButtonPress, start, Qt::LeftButton);
        for (int step = 1; step <= 4; ++step) send(QEvent::MouseMove, start + (end - start) * step / 4, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, end, Qt::NoButton);
    }
    QPoint GapCentre(int gap) {
        for (const DialogueLineLayout& line : Ex().Layout().lines)
            for (const DialoguePiece& piece : line.pieces)
                if (piece.kind == DialoguePiece::Kind::Gap && piece.gap == gap)
                    return form->PaintBox1->geometry().topLeft() + QPoint(piece.x + 20, DialogueRowTop(piece.row, Ex().Screen().offset) + 9);
        return {};
    }

    test::FakePrinter printer;
    std::unique_ptr<SharedForms> forms;
    std::unique_ptr<TDialogi_Form> form;
};

TEST_F(DialogueWindow, ListeningFromTheChartToTheResults) {
    Use(test::Alternating(4, "TTNTT"));
    // The chart opens the listening line of dia_1 as a click on it does.
    ExerciseWindows windows(ctx, *forms);
    ASSERT_TRUE(windows.Launcher().Start(ctx, 1, 1));
    TDialogi_Form& shown = windows.Dialogues();
    EXPECT_TRUE(shown.isVisible());
    EXPECT_EQ(shown.Exercise().Variant(), 1);
    shown.close();

    ASSERT_TRUE(form->OpenExercise("dia_1", 1, 1));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->Image[0]->isVisible());
    EXPECT_FALSE(form->Image[2]->isVisible()) << "no translation variant";
    EXPECT_EQ(form->Image[3]->y(), 3 * 25 + 41) << "numbered among the visible tabs";
    EXPECT_EQ(form->Image[3]->toolTip(), "T112");
    EXPECT_TRUE(form->btn_playAll->isVisible());
    EXPECT_TRUE(form->btn_play[1]->isVisible());
    EXPECT_FALSE(form->btn_play[2]->isVisible()) << "two speakers";
    EXPECT_FALSE(form->panel_wynik->isVisible());
    EXPECT_EQ(form->lbl_polecenie->text(), "T13");
    EXPECT_EQ(form->PaintBox1->x(), 16);

    test::Click(*form->btn_playAll);
    EXPECT_EQ(player.lines, std::vector<std::string>{"d1"});
    EXPECT_TRUE(Ex().Lines()[0].active);
    player.Finish();
    EXPECT_EQ(player.lines.back(), "d2");

    // Role B: the note once, then line 1's reading time on a real timer, with input live.
    test::WhenModal(forms->form20.get(), [&] { forms->form20->accept(); });
    test::Click(*form->btn_play[1]);
    EXPECT_EQ(FromQt(forms->form20->Label1->text()), "T114");
    EXPECT_TRUE(form->PauseTimer->isActive());
    EXPECT_EQ(form->PauseTimer->interval(), 70 * 24);
    test::Click(*form->btn_playAll);  // another button stops the role at once
    EXPECT_FALSE(form->PauseTimer->isActive());
    EXPECT_EQ(Ex().PlaybackState(), "dialogi_All");

    // A line clicked plays alone; closing records the listening.
    ClickLine(3);
    EXPECT_EQ(player.lines.back(), "d3");
    EXPECT_EQ(Ex().PlaybackState(), "dialog");
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Saved(70).Result, 100);
    EXPECT_EQ(Saved(70).Completed, 1);
}

TEST_F(DialogueWindow, TheTabOfTheVariantShownHasItsActivePictureFromTheCoursesFour) {
    std::filesystem::remove(dir.Path() + "but_r/zakl/dial_5a.bmp");  // a course has dial_1a .. dial_4a
    auto colour = [&](const std::string& name, QColor c) {
        QImage picture(64, 22, QImage::Format_RGB32);
        picture.fill(c);
        picture.save(QString::fromStdString(dir.Path() + "but_r/zakl/" + name));
    };
    colour("dial_4a.bmp", QColor(10, 200, 30));
    colour("dial_5.bmp", QColor(200, 10, 30));
    colour("dial_1a.bmp", QColor(30, 10, 200));
    colour("dial_1.bmp", QColor(90, 90, 90));
    auto shown = [&](int tab) { return form->Image.at(static_cast<size_t>(tab) - 1)->pixmap().toImage().pixelColor(2, 2); };
    Use(test::Alternating(4, "TTTTT"));
    ASSERT_TRUE(form->OpenExercise("dia_1", 1, 5));
    EXPECT_EQ(shown(5), QColor(10, 200, 30)) << "the drag-and-drop tab's active picture is dial_4a";
    EXPECT_EQ(shown(1), QColor(90, 90, 90));
    test::Click(*form->Image[0]);
    EXPECT_EQ(Ex().Variant(), 1);
    EXPECT_EQ(shown(1), QColor(30, 10, 200));
    EXPECT_EQ(shown(5), QColor(200, 10, 30));
    form->close();
}

TEST_F(DialogueWindow, ARoleReadsThroughTheOthersLinesByItsTimer) {
    Dialogue d = test::Alternating(3);
    for (DialogueLine& line : d.Lines) line.Text = line.Speaker == 1 ? "A: ab" : "B: abc";
    Use(d);
    ASSERT_TRUE(form->OpenExercise("dia_1", 1, 1));
    test::Click(*form->btn_play[0]);
    EXPECT_EQ(player.lines, std::vector<std::string>{"d1"});
    player.Finish();
    EXPECT_TRUE(form->PauseTimer->isActive());
    EXPECT_TRUE(Ex().Lines()[1].active);
    ASSERT_TRUE(test::WaitFor([&] { return player.lines.size() == 2; }, 2000)) << "210 ms later line 3 plays";
    EXPECT_EQ(player.lines.back(), "d3");
    EXPECT_FALSE(Ex().Lines()[1].active);
    player.Finish();
    EXPECT_EQ(Ex().PlaybackState(), "");
}

// The speakers, roles, microphones and the empty gap are the window's own pictures: the
// installation has none of them.
TEST_F(DialogueWindow, ItsPicturesAreItsOwn) {
    Use(test::Alternating(4, "TTTTT"));
    ASSERT_TRUE(form->OpenExercise("dia_1", 1, 2));
    for (size_t s = 0; s < form->dial.size(); ++s) EXPECT_EQ(form->dial[s].size(), QSize(18, 18)) << s;
    for (const QPixmap* picture : {&form->img_mikrofon, &form->img_mikrofon_on, &form->img_0, &form->img_1})
        EXPECT_EQ(picture->size(), QSize(18, 18));
    EXPECT_EQ(form->img_pyt.size(), QSize(40, 18));
    EXPECT_EQ(form->Nag[0]->pixmap().size(), QSize(18, 18)) << "the microphone beside the first line";
}

TEST_F(DialogueWindow, SpeakingRecordsALineBesideItAndScrolls) {
    Use(test::Alternating(25, "TTTTT", 20));
    ASSERT_TRUE(form->OpenExercise("dia_1", 1, 2));
    TMImage& nag = *form->Nag[0];
    ASSERT_TRUE(nag.isVisible());
    EXPECT_EQ(nag.x(), form->PaintBox1->geometry().right() + 6);
    EXPECT_EQ(nag.toolTip(), "T98");
    EXPECT_EQ(form->Lek[0]->toolTip(), "T99");
    EXPECT_FALSE(form->Nag[24]->isVisible()) << "the last line lies below the box";
    EXPECT_TRUE(form->btn_dn->isVisible());
    EXPECT_FALSE(form->btn_up->isVisible());

    recorder.bytes = test::WavBytes(700);
    Mouse(nag, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    EXPECT_EQ(nag.pixmap().cacheKey(), form->img_mikrofon_on.cacheKey());
    Mouse(nag, QEvent::MouseButtonRelease, {5, 5}, Qt::NoButton);
    EXPECT_EQ(nag.pixmap().cacheKey(), form->img_mikrofon.cacheKey());
    EXPECT_EQ(form->Lek[0]->pixmap().cacheKey(), form->img_1.cacheKey());
    EXPECT_EQ(Ex().Lines()[0].audio, "save_1.wav");
    test::Click(*form->Lek[0]);
    EXPECT_EQ(form->Lek[0]->pixmap().cacheKey(), form->img_0.cacheKey());

    test::Click(*form->btn_dn);
    EXPECT_EQ(Ex().Screen().offset, 1);
    EXPECT_TRUE(form->btn_up->isVisible());
    EXPECT_FALSE(nag.isVisible()) << "line 1 went up out of the box";
    form->close();
    EXPECT_EQ(Saved(71).Completed, 1);
}

TEST_F(DialogueWindow, TranslationOffersRecordingOnTheDrawnLineOnly) {
    Use(test::Alternating(5));
    random.values = {2};
    ASSERT_TRUE(form->OpenExercise("dia_1", 1, 3));
    ASSERT_EQ(Ex().TranslationLine(), 3);
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(form->Nag[static_cast<size_t>(n) - 1]->isVisible(), n == 3) << n;
    EXPECT_FALSE(form->btn_playAll->isVisible());
    EXPECT_TRUE(form->btn_nastepne->isVisible());
    test::Click(*form->btn_nastepne);
    EXPECT_NE(Ex().TranslationLine(), 3);
    EXPECT_FALSE(form->Nag[2]->isVisible());
}

TEST_F(DialogueWindow, ComprehensionFindsTheHiddenLinesByClicks) {
    Use(test::Alternating(6));
    random.values = {0, 0};  // lines 1 and 2 hidden
    ASSERT_TRUE(form->OpenExercise("dia_1", 1, 4));
    EXPECT_TRUE(form->panel_wynik->isVisible());
    EXPECT_TRUE(form->btn_odtworz->isVisible());
    EXPECT_EQ(player.lines, std::vector<std::string>{"d1"});
    ClickLine(2);
    EXPECT_EQ(Ex().WrongCount(), 1);
    ClickLine(1);
    EXPECT_FALSE(Ex().Lines()[0].hidden);
    EXPECT_EQ(player.lines.back(), "d2");
    ClickLine(2);
    EXPECT_TRUE(Ex().Completed());
    EXPECT_EQ(form->panel_wynik->Wynik(), 67);
    EXPECT_TRUE(form->btn_nastepne->isVisible());
    EXPECT_FALSE(form->btn_odtworz->isVisible());
    form->close();
    EXPECT_EQ(Saved(73).Result, 67);
}

TEST_F(DialogueWindow, WordsAreDraggedIntoTheirGaps) {
    Dialogue d = test::Alternating(3);
    d.Lines[0].Text = "A: we need ten chairs.";
    d.Lines[1].Text = "B: they arrive on Friday";
    d.Lines[2].Text = "A: ok";
    Use(d);
    random.values = {3, 3, 1, 0};  // "chairs." and "Friday"; their labels in the other order
    ASSERT_TRUE(form->OpenExercise("dia_1", 1, 5));
    ASSERT_EQ(Ex().Gaps().size(), 2u);
    DialogueWordLabel& chairs = *form->lbl[0];
    ASSERT_TRUE(chairs.isVisible());
    EXPECT_EQ(chairs.text(), "  chairs  ");
    EXPECT_EQ(chairs.pos(), QPoint(700, 176));
    EXPECT_EQ(form->lbl[1]->pos(), QPoint(700, 156));
    EXPECT_TRUE(form->word_panel->isVisible());

    // A press and release in place is no drop.
    Mouse(chairs, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    Mouse(chairs, QEvent::MouseButtonRelease, {5, 5}, Qt::NoButton);
    EXPECT_EQ(Ex().WrongCount(), 0);

    DragLabel(0, GapCentre(1));
    EXPECT_EQ(Ex().WrongCount(), 1);
    EXPECT_EQ(chairs.pos(), QPoint(700, 176)) << "back home";
    EXPECT_EQ(form->panel_wynik->Wynik(), 0);
    DragLabel(0, GapCentre(0));
    EXPECT_FALSE(chairs.isVisible());
    EXPECT_EQ(Ex().CorrectCount(), 1);
    DragLabel(1, GapCentre(1));
    EXPECT_TRUE(Ex().Completed());
    EXPECT_FALSE(form->word_panel->isVisible());
    EXPECT_EQ(form->panel_wynik->Wynik(), 67);
    form->close();
    EXPECT_EQ(Saved(74).Result, 67);
}

TEST_F(DialogueWindow, TheInstructionAndTheWordsAreShownAsWritten) {
    ctx.course.interfaceTexts[16] = "Drag the <b>words</b> &amp; drop them";  // variant 5's instruction
    Dialogue d = test::Alternating(2);
    d.Lines[0].Text = "A: we need <b>ten</b> chairs";
    d.Lines[1].Text = "B: ok";
    Use(d);
    random.values = {2};  // "<b>ten</b>"
    ASSERT_TRUE(form->OpenExercise("dia_1", 1, 5));
    ASSERT_EQ(Ex().Gaps().size(), 1u);
    EXPECT_TRUE(test::ShowsAsWritten(*form->lbl_polecenie));
    DialogueWordLabel& word = *form->lbl[0];
    ASSERT_TRUE(word.isVisible());
    EXPECT_EQ(word.text(), "  <b>ten</b>  ");
    EXPECT_TRUE(test::ShowsAsWritten(word));
    DragLabel(0, GapCentre(0));
    EXPECT_TRUE(Ex().Completed());
    form->close();
}

TEST_F(DialogueWindow, PrintingAndTheGlossary) {
    Use(test::Alternating(4));
    ctx.exercise.LessonName = "Lesson one";
    ASSERT_TRUE(form->OpenExercise("dia_1", 1, 1));
    EXPECT_TRUE(form->btn_tlumacz->isVisible());
    test::WhenModal(forms->form20.get(), [&] { forms->form20->accept(); });
    test::Click(*form->btn_print);
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_NE(printer.documents[0].find("<B>Lesson one</B>"), std::string::npos);
    test::WhenModal(forms->informacja.get(), [&] { forms->informacja->accept(); });
    test::Click(*form->btn_tlumacz);
    EXPECT_EQ(forms->informacja->PanelKey, "Glossary 2001");
}

TEST_F(DialogueWindow, ADialogueOfOneLineWithoutRecordingsOrBackgroundStaysUsable) {
    Dialogue d = test::Alternating(1, "TTTTT");
    ctx.course.dialogues = {d};  // no recordings at all
    std::vector<std::string> told;
    Ex().showInfo = [&](const std::string& text) { told.push_back(text); };
    for (int variant = 1; variant <= 5; ++variant) {
        ASSERT_TRUE(form->OpenExercise("dia_1", 1, variant));
        test::Click(*form->btn_playAll);
        ClickLine(1);
        test::Click(*form->btn_nastepne);
        form->close();
    }
    EXPECT_TRUE(form->img_tlo->pixmap().isNull());
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told[0], "Nie odnaleziono pliku: " + ctx.startup.MediaDir + "Dialogi\\d1.wav");
}

}  // namespace
}  // namespace quillan
