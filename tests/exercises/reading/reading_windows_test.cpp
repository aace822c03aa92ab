// The comprehension, curiosity and letter windows offscreen: each opened from its chart line as a
// click opens it, worked with the mouse, closed, and its record found in the learner's files.

#include <gtest/gtest.h>

#include <QLabel>
#include <QTimer>

#include "audio/multimedia_form.h"
#include "controls/message_form.h"
#include "controls/picture_controls.h"
#include "controls/transparent_button.h"
#include "exercises/exercise_fixture.h"
#include "exercises/exercise_windows.h"
#include "exercises/reading/comprehension_window.h"
#include "exercises/reading/curiosity_window.h"
#include "exercises/reading/letter_window.h"
#include "forms/shared_forms.h"
#include "forms/summary_form.h"
#include "guidance/information_form.h"
#include "help/html_small_form.h"
#include "help/html_view.h"
#include "support/ui_helpers.h"
#include "support/wav.h"

namespace quillan {
namespace {

class ReadingWindows : public ::testing::Test, public test::ExerciseFixture {
protected:
    // Records: 4 rpg_1 (catalog entry 1), 5 cie_2 (entry 2), 6 lst_1 (letter 1).
    void SetUp() override {
        ctx.course.catalog = {{"0001110101", "Obrazki", "Pictures", "k1=k2="},
                              {"0002480101", "Ciekawostka", "Curiosity", "1="}};
        ctx.course.comprehension = {{"k1", "rec1", "Jeden", "One", {"a1", "b1", "c1", ""}},
                                    {"k2", "rec2", "Dwa", "Two", {"a2", "b2", "c2", ""}}};
        ctx.course.letters = {{"list1", "1", "1", "1001", "Letter"}};
        ctx.course.glossary = {{1001, "Letter translated"}, {3001, "Curiosity translated"}};
        forms = std::make_unique<SharedForms>(ctx, printer);
        ctx.services.soundPlayer = &player;  // the fake instead of the real one
        ctx.services.printer = &printer;
        windows = std::make_unique<ExerciseWindows>(ctx, *forms);
    }
    void TearDown() override {
        windows.reset();
        forms.reset();
    }

    void OpenLine(size_t record) { ASSERT_TRUE(windows->Launcher().Start(ctx, record, 1)); }

    test::FakePrinter printer;
    std::unique_ptr<SharedForms> forms;
    std::unique_ptr<ExerciseWindows> windows;
};

TEST_F(ReadingWindows, ComprehensionFromTheChartLineToTheSummary) {
    OpenLine(4);
    TRozumienieForm& form = windows->ComprehensionWindow();
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(form.lbl_polecenie->text(), "T12");
    EXPECT_FALSE(form.btn_next->isVisible());
    EXPECT_FALSE(form.lbl_polskie->isVisible());

    // The first example right: the tick above the picture, the translation, next.
    const int right = form.Exercise().Screen().rightPicture;
    ASSERT_GE(right, 1);
    EXPECT_EQ(form.img[static_cast<size_t>(right) - 1]->Tag, 1);
    test::Click(*form.img[static_cast<size_t>(right) - 1]);
    EXPECT_TRUE(form.shape1->isVisible());
    const QRect picture = form.img[static_cast<size_t>(right) - 1]->geometry();
    EXPECT_EQ(form.shape1->pos(), QPoint(picture.right() + 1 - 40, picture.top() - 40));
    EXPECT_TRUE(form.lbl_polskie->isVisible());
    EXPECT_EQ(form.lbl_angielskie2->text(), "One");
    EXPECT_TRUE(form.btn_next->isVisible());
    test::Click(*form.btn_next);
    EXPECT_FALSE(form.shape1->isVisible());
    EXPECT_FALSE(form.btn_next->isVisible());

    // The second wrong: the cross goes after the pause, the example stays unfinished.
    const int second = form.Exercise().Screen().rightPicture;
    test::Click(*form.img[second == 1 ? 1u : 0u]);
    EXPECT_FALSE(form.shape2->isVisible());
    EXPECT_FALSE(form.lbl_polskie->isVisible());
    EXPECT_EQ(clock.waited, (std::vector<unsigned>{1500}));

    // Leaving: the summary, without the way back.
    bool backShown = true;
    QString score;
    test::WhenModal(forms->form25.get(), [&] {
        backShown = forms->form25->K_wroc->isVisible();
        score = forms->form25->L_Stat3->text();
        test::Click(*forms->form25->B_OK);
    });
    test::Click(*form.lbl_koniec);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(backShown);
    EXPECT_EQ(score, "33");  // 1 / (2 + 1)
    const CW_Info record = Saved("rpg_1", 54);
    EXPECT_EQ(record.Result, 33);
    EXPECT_EQ(record.Completed, 0);
}

TEST_F(ReadingWindows, CuriosityWithItsRecordingScrollsAndTranslates) {
    std::string text = "***1\n<B> Heading </B>";
    for (int i = 0; i < 45; ++i) text += " <BR> Line " + std::to_string(i);
    dir.Write("kurs.fre", test::Crlf(text + "\n***2\nOther\n"));
    dir.Write("Ciekaw_wav_r/1.wav", test::WavBytes(300));
    OpenLine(5);
    TTekstOpisForm& form = windows->CuriosityWindow();
    ASSERT_TRUE(form.isVisible());
    EXPECT_TRUE(forms->multimedia->isVisible()) << "the recording waits in the media window";
    EXPECT_EQ(form.Exercise().Text().Tokens().size(), 3u + 45 * 3);
    form.DXRamka->grab();  // paints, and so measures the text
    EXPECT_TRUE(form.btn_dn->isVisible());
    EXPECT_FALSE(form.btn_up->isVisible());
    test::Click(*form.btn_dn);
    EXPECT_EQ(form.Exercise().Text().Scroll(), 1);
    EXPECT_TRUE(form.btn_up->isVisible());

    std::string shown;
    test::WhileModal([&] { test::Click(*form.btn_tlumacz); },
                     [&] {
                         shown = forms->informacja->PanelKey;
                         forms->informacja->accept();
                     });
    EXPECT_EQ(shown, "Curiosity translated");

    test::Click(*form.btn_exit);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(forms->multimedia->isVisible());
    const CW_Info record = Saved("cie_2", 58);
    EXPECT_EQ(record.DoneCount, 1);
    EXPECT_EQ(record.Completed, 1);
}

TEST_F(ReadingWindows, LetterWithTipsTranslationAndPrintout) {
    dir.Write("Listy_r/list1.htm", "<html><body><p>Dear Sir,</p></body></html>");
    dir.Write("Listy_r/list1_instr.htm", "<html><body><p>Write briefly.</p></body></html>");
    OpenLine(6);
    TListyForm& form = windows->LetterWindow();
    ASSERT_TRUE(form.isVisible());
    EXPECT_TRUE(form.Html->toPlainText().contains("Dear Sir"));
    EXPECT_TRUE(form.btn_tlumacz->isVisible());
    EXPECT_TRUE(form.btn_print->isVisible());

    QString tips;
    test::WhenModal(forms->htmlSmall.get(), [&] {
        tips = forms->htmlSmall->Html->toPlainText();
        forms->htmlSmall->accept();
    });
    test::Click(*form.btn_instr);
    EXPECT_TRUE(tips.contains("Write briefly"));

    std::string translation;
    test::WhileModal([&] { test::Click(*form.btn_tlumacz); },
                     [&] {
                         translation = forms->informacja->PanelKey;
                         forms->informacja->accept();
                     });
    EXPECT_EQ(translation, "Letter translated");

    QString told;
    test::WhenModal(forms->form20.get(), [&] {
        told = forms->form20->Label1->text();
        forms->form20->accept();
    });
    test::Click(*form.btn_print);
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_NE(printer.documents[0].find("Dear Sir"), std::string::npos);
    EXPECT_EQ(told, "T128");

    form.close();
    EXPECT_EQ(Saved("lst_1", 57).DoneCount, 1);
}

TEST_F(ReadingWindows, ALetterWithoutItsPageOpensWithAMessage) {
    ctx.course.letters[0].GlossaryNumber = "0";
    OpenLine(6);
    TListyForm& form = windows->LetterWindow();
    ASSERT_TRUE(form.isVisible());
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("list1.htm"), std::string::npos);
    EXPECT_FALSE(form.btn_tlumacz->isVisible());
    EXPECT_FALSE(form.btn_print->isVisible());
    test::Click(*form.btn_instr);  // no tips page either: told
    EXPECT_EQ(messages.errors.size(), 2u);
    form.close();
    EXPECT_EQ(Saved("lst_1", 57).DoneCount, 0) << "no letter was shown";
}

TEST_F(ReadingWindows, ACuriosityWithoutItsFileOpensWithAMessageAndIsNotDone) {
    OpenLine(5);
    TTekstOpisForm& form = windows->CuriosityWindow();
    ASSERT_TRUE(form.isVisible());
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], "Brak pliku: " + dir.Path() + "kurs.fre");
    test::Click(*form.btn_exit);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Saved("cie_2", 58).DoneCount, 0);
}

TEST_F(ReadingWindows, ComprehensionSentencesAreShownAsWritten) {
    ctx.course.comprehension[0].Polish = "Jeden <b>i</b> &lt;dwa&gt;";
    ctx.course.comprehension[0].English = "One <i>and</i> &amp; two";
    ctx.course.comprehension[1].Polish = ctx.course.comprehension[0].Polish;
    ctx.course.comprehension[1].English = ctx.course.comprehension[0].English;
    OpenLine(4);
    TRozumienieForm& form = windows->ComprehensionWindow();
    ASSERT_TRUE(form.isVisible());
    const int right = form.Exercise().Screen().rightPicture;
    ASSERT_GE(right, 1);
    test::Click(*form.img[static_cast<size_t>(right) - 1]);
    ASSERT_TRUE(form.lbl_polskie->isVisible());
    EXPECT_EQ(form.lbl_angielskie2->text(), "One <i>and</i> &amp; two");
    EXPECT_TRUE(test::ShowsAsWritten(*form.lbl_polskie));
    EXPECT_TRUE(test::ShowsAsWritten(*form.lbl_angielskie2));
    test::WhenModal(forms->form25.get(), [&] { test::Click(*forms->form25->B_OK); });
    form.close();
}

}  // namespace
}  // namespace quillan

namespace quillan {
namespace {

// The typing exercise of a text stays shut in classroom work whose login locked typing.
TEST_F(ReadingWindows, ATypingExerciseIsLockedInClassroomWorkWhoseLoginSaidSo) {
    ctx.course.textExercises.push_back(TextExercise{"h#12#", "WP#q", ""});
    AppendRecord(ctx.learner.results, 46000.0, "tek_12", "Text", 40, 1);
    const size_t record = ctx.learner.results.records.size();
    struct Case {
        int mode;
        int typingAllowed;
        bool locked;
    };
    for (const Case& c : {Case{1, 0, true}, Case{1, 1, false}, Case{-1, 0, false}}) {
        ctx.startup.ClassroomMode = c.mode;
        ctx.classroom.login.typingAllowed = c.typingAllowed;
        messages.shown.clear();
        OpenLine(record);
        EXPECT_EQ(messages.shown == std::vector<std::string>{"T84"}, c.locked) << c.mode << " " << c.typingAllowed;
    }
}

}  // namespace
}  // namespace quillan
