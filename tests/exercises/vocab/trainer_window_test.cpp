// The trainer's window offscreen: opened on a word list as the chart opens it, worked with the
// keyboard and the mouse, closed, and the results found in the learner's files.

#include "exercises/vocab/trainer_window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

#include "forms/shared_forms.h"
#include "forms/answer_form.h"
#include "controls/picture_controls.h"
#include "controls/result_gauge.h"
#include "controls/transparent_button.h"
#include "exercises/vocab/trainer_boxes.h"
#include "exercises/vocab/trainer_fixture.h"
#include "platform/cp1250.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_text.h"
#include "support/ui_helpers.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

// A word-list line: group 01, sound number, id, word class, the word and its fields.
std::string Line(int id, int wordClass, const std::string& word, const std::string& translation, int sound,
                 const std::string& item, int example) {
    char head[32];
    std::snprintf(head, sizeof head, "01 0%05d 0%d ", id, wordClass);
    return head + word + " =" + translation + "====" + std::to_string(sound) + "=0===" + item + "=" +
           std::to_string(example) + "\n";
}

class TrainerWindow : public ::testing::Test, public test::TrainerFixture {
protected:
    void SetUp() override {
        std::string list;
        for (int i = 1; i <= 10; ++i) list += "header\n";
        list += Line(1, 1, "meeting", "spotkanie", 101, "cw", 60001);
        list += Line(2, 1, "client", "klient", 102, "cw", 0);
        list += Line(3, 3, "sign", Utf8ToCp1250("podpisać"), 103, "cw", 0);
        list += Utf8ToCp1250("01 060001 05 We have a <meeting> at ten. =Mamy spotkanie o dziesiątej.=Mamy spotkanie o "
                             "dziesiątej.===201=0====0\n");
        dir.Write("cw_r/0101.bc4", test::Crlf(list));
        std::filesystem::create_directories(dir.Path() + "but_r/zakl");
        std::filesystem::create_directories(dir.Path() + "gfx_r");
        QImage picture(64, 22, QImage::Format_RGB32);
        picture.fill(Qt::white);
        for (int n = 1; n <= 5; ++n)
            for (const char* suffix : {"", "a"}) picture.save(QString::fromStdString(dir.Path() + "but_r/zakl/_" + std::to_string(n) + suffix + ".bmp"));
        QImage(100, 768, QImage::Format_RGB32).save(QString::fromStdString(dir.Path() + "gfx_r/panel_prawy_teksty_a.bmp"));
        ctx.learner.settings.CaseSensitive = false;
        forms = std::make_unique<SharedForms>(ctx, printer);
        ctx.services.soundPlayer = &player;  // the fake instead of the real one
        form = std::make_unique<TForm4>(ctx, *forms);
    }
    void TearDown() override {
        form.reset();
        forms.reset();
    }

    // A key as the keyboard gives it: to the control with the focus.
    void PressKey(int key) {
        QWidget* focus = QApplication::focusWidget();
        test::Press(focus ? *focus : *form, key);
    }
    void Type(const std::string& text) {
        ASSERT_TRUE(form->E_Wpisana->isVisible());
        form->E_Wpisana->setText(ToQt(text));
        test::Press(*form->E_Wpisana, Qt::Key_Return);
    }

    test::FakePrinter printer;
    std::unique_ptr<SharedForms> forms;
    std::unique_ptr<TForm4> form;
};

TEST_F(TrainerWindow, DictationFromOpeningToTheResultsOnDisk) {
    ASSERT_TRUE(form->OpenExercise("slo_1", "0101", 4));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(messages.errors.empty()) << messages.errors.front();
    EXPECT_TRUE(form->E_Wpisana->isVisible());
    EXPECT_TRUE(form->btn_play->isVisible());
    EXPECT_FALSE(form->L_Odp[0]->isVisible());
    EXPECT_EQ(form->zak[3]->toolTip(), "T153");

    // The first word is answered wrongly: the verdict, the right answer, F5 shows the answer.
    const std::string first = form->Trainer().Question().ExpectedAnswer;
    Type("wrong");
    EXPECT_TRUE(form->img_bad->isVisible());
    EXPECT_EQ(form->img_bad->toolTip(), "Your answer: wrong");
    EXPECT_EQ(FromQt(form->L_Poprawna->text()), first);
    EXPECT_EQ(form->L_Poprawna->x(), 80);
    EXPECT_FALSE(form->E_Wpisana->isVisible());
    EXPECT_TRUE(form->B_OK->isVisible());
    EXPECT_EQ(player.played[1], (test::FakeSoundPlayer::Play{dir.Path() + "zla.wav", true}));
    PressKey(Qt::Key_F5);
    EXPECT_TRUE(forms->form6->isVisible());
    EXPECT_EQ(forms->form6->L_Odp->text(), "wrong");
    forms->form6->hide();
    form->activateWindow();
    form->setFocus();

    // Enter goes on; every word typed right (letter case does not count here), the first again
    // last of all.
    std::vector<std::string> asked;
    while (!form->b_repeat->isVisible() && asked.size() < 6) {
        PressKey(Qt::Key_Return);
        if (form->b_repeat->isVisible()) break;
        asked.push_back(form->Trainer().Question().ExpectedAnswer);
        Type(UpperAscii(asked.back()));
        EXPECT_TRUE(form->img_ok->isVisible());
        EXPECT_EQ(form->panel_wynik->isVisible(), true);
    }
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked.back(), first);
    EXPECT_FALSE(form->B_OK->isVisible());

    PressKey(Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    const CW_Info record = Saved(63);
    EXPECT_EQ(record.Result, 75);
    EXPECT_EQ(record.DoneCount, 1);
    EXPECT_EQ(record.Completed, 1);
    const RepetitionList repetitions = SavedRepetitions();
    ASSERT_EQ(repetitions.entries.size(), 1u);
    EXPECT_EQ(repetitions.entries[0].Kind, 63);
    EXPECT_EQ(repetitions.entries[0].Index, 4);

    // Opened again: the typing field is empty and has the focus.
    form->E_Wpisana->setText("left over");
    ASSERT_TRUE(form->OpenExercise("slo_1", "0101", 5));
    EXPECT_TRUE(form->E_Wpisana->text().isEmpty());
    EXPECT_TRUE(test::WaitFor([&] { return QApplication::focusWidget() == form->E_Wpisana; }, 2000));
    EXPECT_EQ(form->L_Polecenie->text(), "T148 (7 letters)") << "the first word, meeting, has 7 letters";
}

TEST_F(TrainerWindow, InputDuringTheVerdictsSoundDoesNotMoveOn) {
    ASSERT_TRUE(form->OpenExercise("slo_1", "0101", 4));
    const std::string first = form->Trainer().Question().ExpectedAnswer;
    // The verdict's sound is waited for as the program waits: Enter and a click on OK come in
    // meanwhile.
    player.whileWaiting = [&] {
        QTimer::singleShot(10, [&] {
            PressKey(Qt::Key_Return);
            test::Click(*form->B_OK);
        });
        QtClock().Wait(80);
    };
    Type("wrong");
    player.whileWaiting = nullptr;
    EXPECT_EQ(form->Trainer().Question().ExpectedAnswer, first);
    EXPECT_EQ(FromQt(form->L_Poprawna->text()), first);
    EXPECT_TRUE(form->B_OK->isVisible());
    EXPECT_TRUE(form->img_bad->isVisible());
    // After the sound the learner goes on as usual.
    PressKey(Qt::Key_Return);
    EXPECT_NE(form->Trainer().Question().ExpectedAnswer, first);
}

TEST_F(TrainerWindow, ChoiceKeysTabsAndTheWordList) {
    ASSERT_TRUE(form->OpenExercise("slo_1", "0101", 3));
    EXPECT_TRUE(form->L_Slowko->isVisible());
    const TrainerQuestion& q = form->Trainer().Question();
    ASSERT_TRUE(form->L_Odp[static_cast<size_t>(q.Choice.CorrectOption - 1)]->isVisible());
    PressKey(Qt::Key_0 + q.Choice.CorrectOption);
    EXPECT_TRUE(form->img_ok->isVisible());
    EXPECT_FALSE(form->L_Odp[0]->isVisible());
    PressKey(Qt::Key_1);  // answered already: nothing more
    EXPECT_EQ(form->Trainer().CorrectCount(), 1);

    // The word list: the stage left reports, a click on a word plays it and shows its example.
    test::Click(*form->zak[0]);
    EXPECT_EQ(Saved(62).Result, 33);
    EXPECT_TRUE(form->dxramka_mat->isVisible());
    EXPECT_FALSE(form->panel_wynik->isVisible());
    EXPECT_FALSE(form->btn_play->isVisible());
    form->dxramka_mat->grab();  // paints the list, laying its rows out
    const WordListRow& row = form->Trainer().Page().Rows().at(0);
    const QPoint onWord(120, row.top + 5);
    QMouseEvent press(QEvent::MouseButtonPress, onWord, form->dxramka_mat->mapToGlobal(onWord), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form->dxramka_mat, &press);
    EXPECT_TRUE(form->L_zdanie->isVisible());
    EXPECT_EQ(form->L_zdanie->text(), "We have a meeting at ten.");
    EXPECT_EQ(form->f_zdanie->toolTip(), QString::fromUtf8("Mamy spotkanie o dziesiątej."));
    EXPECT_EQ(player.played.back().path, ctx.startup.BsgramDir + "D_00\\dd_001\\00101.wav");
    PressKey(Qt::Key_Space);
    EXPECT_EQ(player.played.back().path, ctx.startup.BsgramDir + "D_00\\dd_002\\00201.wav");

    QMouseEvent move(QEvent::MouseMove, onWord, form->dxramka_mat->mapToGlobal(onWord), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(form->dxramka_mat, &move);
    EXPECT_TRUE(form->lbl_tlumaczenie->isVisible());
    EXPECT_EQ(form->lbl_tlumaczenie->text(), "spotkanie");

    form->close();
    EXPECT_EQ(Saved(60).Result, 100);
    EXPECT_TRUE(SavedRepetitions().entries.size() == 1u) << "only the stage left before";
}

TEST_F(TrainerWindow, AListThatCannotBeLoadedOpensNothing) {
    EXPECT_FALSE(form->OpenExercise("slo_1", "9999", 2));
    EXPECT_FALSE(form->isVisible());
    // One message, in Polish, with the path as the system writes it.
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(messages.errors, std::vector<std::string>{"Brak pliku: " + dir.Path() + "cw_r/9999.bc4"});
}

}  // namespace
}  // namespace quillan
