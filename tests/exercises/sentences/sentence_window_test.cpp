// The sentence window offscreen: opened from a chart line as a click opens it, worked with the
// keyboard and the mouse, closed through the summary, and the results found in the learner's
// files.

#include "exercises/sentences/sentence_window.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <filesystem>

#include "controls/picture_controls.h"
#include "controls/transparent_button.h"
#include "exercises/exercise_fixture.h"
#include "exercises/exercise_windows.h"
#include "exercises/sentences/puzzle_box.h"
#include "forms/answer_form.h"
#include "forms/shared_forms.h"
#include "forms/summary_form.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_text.h"
#include "support/ui_helpers.h"
#include "support/wav.h"

namespace quillan {
namespace {

class SentenceWindow : public ::testing::Test, public test::ExerciseFixture {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.Path() + "but_r/zakl");
        QImage tab(64, 22, QImage::Format_RGB32);
        tab.fill(Qt::white);
        for (int n = 1; n <= 3; ++n)
            for (const char* suffix : {"", "a"})
                tab.save(QString::fromStdString(dir.Path() + "but_r/zakl/dial_" + std::to_string(n) + suffix + ".bmp"));
        ctx.learner.settings.ShowSentenceTipOnce = false;
        Package({test::SentenceOf("I am late.", "late.wav"), test::SentenceOf("We are early.", "early.wav")});
        forms = std::make_unique<SharedForms>(ctx, printer);
        ctx.services.soundPlayer = &player;  // the fake instead of the real one
        windows = std::make_unique<ExerciseWindows>(ctx, *forms);
    }
    void TearDown() override {
        windows.reset();
        forms.reset();
    }

    TZdaniaForm& Form() { return windows->SentenceWindow(); }
    ExerciseWindows& Windows() { return *windows; }

    // A chart line of "zda_1": record 1 is the puzzle, 2 the dictation, 3 the translation.
    void OpenLine(int record) { ASSERT_TRUE(windows->Launcher().Start(ctx, static_cast<size_t>(record), record)); }

    void PressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(focus ? focus : &Form(), &event);
    }
    void Type(const std::string& text) {
        ASSERT_TRUE(Form().Memo2->isVisible());
        Form().Memo2->setText(ToQt(text));
        test::Press(*Form().Memo2, Qt::Key_Return);
    }
    // The summary is answered as soon as it shows: B_OK ends the exercise, K_wroc goes back.
    void AnswerSummary(bool end) {
        TForm25* summary = forms->form25.get();
        test::WhenModal(summary, [summary, end] { test::Click(end ? *summary->B_OK : *summary->K_wroc); });
    }
    void Mouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, widget.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }
    QPoint On(int word) {
        const WordBox& box = Form().Exercise().Puzzle().Boxes().at(static_cast<size_t>(word) - 1);
        return {box.x + 2, box.y + box.height / 2};
    }

    test::FakePrinter printer;
    std::unique_ptr<SharedForms> forms;
    std::unique_ptr<ExerciseWindows> windows;
};

TEST_F(SentenceWindow, DictationFromTheChartLineToTheResultsOnDisk) {
    OpenLine(2);
    TZdaniaForm& form = Form();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(ctx.exercise.CurrentExerciseId, "zda_1");
    EXPECT_TRUE(form.Memo2->isVisible());
    EXPECT_TRUE(test::WaitFor([&] { return QApplication::focusWidget() == form.Memo2; }, 2000));
    EXPECT_TRUE(form.btn_slownik->isVisible()) << "the dictionary button always shows";
    EXPECT_EQ(form.Image[1]->toolTip(), "T50");
    EXPECT_EQ(form.L_Stat[3]->text(), "2");
    EXPECT_EQ(form.Memo2->maxLength(), static_cast<int>(form.Exercise().Current()->Variant1.size()) + 25);

    const std::string first = form.Exercise().Current()->Variant1;
    Type("nonsense");
    EXPECT_FALSE(form.Memo2->isVisible());
    EXPECT_TRUE(form.lbl_odp->isVisible());
    EXPECT_EQ(FromQt(form.lbl_odp->text()), first);
    EXPECT_EQ(form.lbl_info->text(), "T79");
    EXPECT_EQ(form.lbl_info->palette().color(QPalette::WindowText), QColor(0xff, 0, 0));
    EXPECT_EQ(form.L_Stat[1]->text(), "1");
    PressKey(Qt::Key_F5);
    EXPECT_TRUE(forms->form6->isVisible());
    EXPECT_EQ(forms->form6->L_Odp->text(), "nonsense");
    forms->form6->hide();
    form.activateWindow();
    form.setFocus();

    // Ctrl+W plays the sentence again.
    const size_t plays = player.played.size();
    PressKey(Qt::Key_W, Qt::ControlModifier);
    ASSERT_EQ(player.played.size(), plays + 1);
    EXPECT_EQ(player.played.back().path, ctx.startup.BsgramDir + form.Exercise().Current()->Extra);
    // A click on the shown answer is no click on the background: nothing plays.
    Mouse(*form.lbl_odp, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
    EXPECT_EQ(player.played.size(), plays + 1);

    // Enter goes on; both sentences typed right, the first again last of all; the summary ends.
    AnswerSummary(true);
    for (int i = 0; i < 2; ++i) {
        PressKey(Qt::Key_Return);
        ASSERT_TRUE(form.Memo2->isVisible());
        Type(form.Exercise().Current()->Variant1);
        EXPECT_EQ(form.lbl_info->text(), "T78");
    }
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    const CW_Info record = Saved("zda_1", 51);
    EXPECT_EQ(record.Result, 67);
    EXPECT_EQ(record.Completed, 1);
    EXPECT_EQ(SavedRepetitions().entries.size(), 1u);
}

TEST_F(SentenceWindow, ThePuzzleIsPutInOrderWithTheMouse) {
    random.values = {0, 1, 0, 2, 1, 2};  // "late. am I"
    OpenLine(1);
    TZdaniaForm& form = Form();
    ASSERT_TRUE(form.pb_tresc->isVisible());
    EXPECT_EQ(form.Exercise().Puzzle().Sentence(), "late. am I");
    EXPECT_EQ(form.lbl_info->text(), "T19");
    const QImage painted = form.pb_tresc->grab().toImage();
    EXPECT_FALSE(painted.isNull());

    // Dragging (the learner's default): "I" onto "late." comes first.
    Mouse(*form.pb_tresc, QEvent::MouseMove, On(3), Qt::NoButton);
    EXPECT_TRUE(form.Shape2->isVisible());
    Mouse(*form.pb_tresc, QEvent::MouseButtonPress, On(3), Qt::LeftButton);
    EXPECT_TRUE(form.MLabel1->isVisible());
    EXPECT_EQ(form.MLabel1->text(), "I");
    Mouse(*form.pb_tresc, QEvent::MouseMove, On(1), Qt::LeftButton);
    EXPECT_TRUE(form.shape1->isVisible());
    Mouse(*form.pb_tresc, QEvent::MouseButtonRelease, On(1), Qt::NoButton);
    EXPECT_FALSE(form.MLabel1->isVisible());
    EXPECT_EQ(form.Exercise().Puzzle().Sentence(), "I late. am");

    // Clicking: "am" picked up, then a click on "late." puts it in front.
    ctx.learner.settings.SentenceDragDrop = false;
    Mouse(*form.pb_tresc, QEvent::MouseMove, On(3), Qt::NoButton);
    Mouse(*form.pb_tresc, QEvent::MouseButtonPress, On(3), Qt::LeftButton);
    Mouse(*form.pb_tresc, QEvent::MouseButtonRelease, On(3), Qt::NoButton);
    EXPECT_EQ(form.Exercise().Puzzle().Marks().selected, 3);
    Mouse(*form.pb_tresc, QEvent::MouseMove, On(2), Qt::NoButton);
    EXPECT_TRUE(form.shape1->isVisible());
    test::Click(*form.shape1);
    EXPECT_EQ(form.Exercise().Puzzle().Sentence(), "I am late.");

    test::Click(*form.btn_sprawdz);
    EXPECT_EQ(form.lbl_info->text(), "T76");
    EXPECT_FALSE(form.pb_tresc->isVisible());
    EXPECT_EQ(form.lbl_odp->text(), "I am late.");

    // Leaving after work asks; going back keeps the window, ending closes it.
    AnswerSummary(false);
    test::Click(*form.btn_exit);
    EXPECT_TRUE(form.isVisible());
    AnswerSummary(true);
    test::Click(*form.btn_exit);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Saved("zda_1", 50).Result, 50);
    EXPECT_EQ(Saved("zda_1", 50).Completed, 0);
}

TEST_F(SentenceWindow, TranslationButtonsAndTabs) {
    OpenLine(3);
    TZdaniaForm& form = Form();
    EXPECT_TRUE(form.btn_sprawdz_3->isVisible());
    EXPECT_FALSE(form.btn_sprawdz->isVisible());
    EXPECT_FALSE(form.lbl_1->isVisible());
    test::Click(*form.btn_sprawdz_3);
    EXPECT_TRUE(form.lbl_1->isVisible());
    EXPECT_TRUE(form.lbl_2->isVisible());
    EXPECT_EQ(FromQt(form.lbl_2->text()), "T");
    test::Click(*form.btn_tak);
    EXPECT_TRUE(form.btn_nastepne->isVisible());
    EXPECT_EQ(form.L_Stat[0]->text(), "1");

    // Another tab: the translation reports (no repetition), the dictation starts afresh.
    test::Click(*form.Image[1]);
    EXPECT_TRUE(form.Memo2->isVisible());
    EXPECT_EQ(form.L_Stat[0]->text(), "0");
    EXPECT_EQ(Saved("zda_1", 52).Result, 50);
    EXPECT_TRUE(SavedRepetitions().entries.empty());
    form.close();
    EXPECT_EQ(Saved("zda_1", 51).DoneCount, 0) << "nothing done in the dictation";
}

TEST_F(SentenceWindow, TheDictationTypesTheLettersOfOtherCoursesWithCtrl) {
    ctx.startup.CourseVariant = 2;  // the German course: Ctrl+A types "ä", Ctrl+Shift+U "Ü"
    OpenLine(2);
    TZdaniaForm& form = Windows().SentenceWindow();
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_A, Qt::KeyboardModifiers(Qt::ControlModifier)},
                                         std::pair{Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier}}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(form.Memo2, &event);
    }
    EXPECT_EQ(form.Memo2->text(), QString::fromUtf8("äÜ"));
    EXPECT_TRUE(form.Exercise().ActivityDone()) << "typing is work";
    form.close();
    EXPECT_EQ(Saved("zda_1", 51).DoneCount, 1);
}

TEST_F(SentenceWindow, InTheDictationAKeyWithCtrlTypesNothingButTheGermanLetters) {
    QGuiApplication::clipboard()->setText("PASTED");
    OpenLine(2);
    TZdaniaForm& form = Form();
    struct Case {
        int courseVariant;
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* text;  // after "abc", the key and "!"
    } cases[] = {
        {1, Qt::Key_V, Qt::ControlModifier, "abc!"},  // no pasting
        {1, Qt::Key_A, Qt::ControlModifier, "abc!"},  // no selecting all (which "!" would replace)
        {1, Qt::Key_Z, Qt::ControlModifier, "abc!"},  // no undoing
        {1, Qt::Key_Backspace, Qt::ControlModifier, "abc!"},
        {1, Qt::Key_Left, Qt::ControlModifier, "!abc"},  // the cursor still moves by words
        {1, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier, "!"},  // and selects
        {2, Qt::Key_A, Qt::ControlModifier, "abcä!"},  // the German course's "ä"
        {2, Qt::Key_V, Qt::ControlModifier, "abc!"},
        {3, Qt::Key_E, Qt::ControlModifier, "abc!"},  // the French letters are not typed here
    };
    for (const Case& c : cases) {
        ctx.startup.CourseVariant = c.courseVariant;
        form.Memo2->clear();
        test::Type(*form.Memo2, "abc");
        QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
        QApplication::sendEvent(form.Memo2, &event);
        test::Type(*form.Memo2, "!");
        EXPECT_EQ(form.Memo2->text().toStdString(), c.text) << c.courseVariant << " key " << c.key;
    }
    form.close();
}

TEST_F(SentenceWindow, SentencesAndAnswersAreShownAsWritten) {
    Package({test::SentenceOf("Type <b>bold</b> &lt;here&gt;.", "a.wav", {}, "Wpisz <i>to</i> &amp; tamto")});
    OpenLine(3);
    TZdaniaForm& form = Form();
    test::Click(*form.btn_sprawdz_3);
    EXPECT_EQ(FromQt(form.lbl_1->text()), "Type <b>bold</b> &lt;here&gt;.");
    EXPECT_TRUE(test::ShowsAsWritten(*form.lbl_1));
    EXPECT_TRUE(test::ShowsAsWritten(*form.lbl_2));
    form.close();

    OpenLine(2);
    Type("a <b>wrong</b> &lt;answer");
    EXPECT_TRUE(form.lbl_odp->isVisible());
    EXPECT_TRUE(test::ShowsAsWritten(*form.lbl_odp));
    PressKey(Qt::Key_F5);
    ASSERT_TRUE(forms->form6->isVisible());
    EXPECT_EQ(FromQt(forms->form6->L_Odp->text()), "a <b>wrong</b> &lt;answer");
    EXPECT_TRUE(test::ShowsAsWritten(*forms->form6->L_Odp));
    forms->form6->hide();
    form.close();
}

TEST_F(SentenceWindow, ClicksDuringTheTakeComparisonAreDropped) {
    OpenLine(2);
    TZdaniaForm& form = Form();
    const std::string first = form.Exercise().Current()->Variant1;
    form.Memo2->setText(ToQt(first));
    recorder.bytes = test::WavBytes(400);
    player.whileWaiting = [&] {
        QTimer::singleShot(10, [&] {
            test::Click(*form.btn_sprawdz);
            PressKey(Qt::Key_Return);
        });
        QtClock().Wait(80);
    };
    QMouseEvent press(QEvent::MouseButtonPress, QPoint(5, 5), form.K_Nagraj->mapToGlobal(QPoint(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.K_Nagraj, &press);
    EXPECT_TRUE(form.Timer1->isActive());
    QMouseEvent release(QEvent::MouseButtonRelease, QPoint(5, 5), form.K_Nagraj->mapToGlobal(QPoint(5, 5)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form.K_Nagraj, &release);
    player.whileWaiting = nullptr;
    EXPECT_FALSE(form.Timer1->isActive());
    EXPECT_TRUE(form.k_play_nagrane->isVisible());
    EXPECT_FALSE(form.Exercise().Checked()) << "the click during the take did not check";
    EXPECT_TRUE(form.Memo2->isVisible());
    form.close();
}

}  // namespace
}  // namespace quillan
