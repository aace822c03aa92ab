// The typing window offscreen: opened from the chart, gaps opened with the mouse and Tab and
// Enter, typed into, checked with the case setting, the hints of the marks, the printout, and
// the result found in the learner's files.

#include "exercises/texts/typing_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>

#include "controls/message_form.h"
#include "controls/picture_controls.h"
#include "controls/result_gauge.h"
#include "controls/transparent_button.h"
#include "exercises/texts/paint_box.h"
#include "platform/qt/qt_text.h"
#include "support/ui_helpers.h"
#include "text_window_fixture.h"

namespace quillan {
namespace {

class WpWindow : public ::testing::Test, public test::TextWindowFixture {
protected:
    void SetUp() override {
        dir.Write("Wpisywania/t1.fcs", test::Crlf("GapWidth60\nTranslation:1\nBlankGaps:0\n"
                                                  "He &went home. She will &look+after\\take+care+of\n"
                                                  "the &dog today.\n"));
        Add(1, "WP#t1", 44, 5);
        ctx.learner.settings.CaseSensitive = false;
    }
    void TearDown() override { CloseAll(); }

    TCW_Wpisywanie1Form* Open() {
        Start();
        return OpenFromChart<TCW_Wpisywanie1Form>(1, 1);
    }
    // A click in the middle of gap `gap`'s box.
    void ClickGap(TCW_Wpisywanie1Form& form, int gap) {
        const TypingBox box = form.Layout().ItemBoxes[static_cast<size_t>(form.Exercise().Content().Gaps[static_cast<size_t>(gap)].Item)];
        test::ClickAt(*form.DXRamka, QPoint(box.X + box.W / 2, box.Y + 5));
    }
    // Text typed into the edit box, then a key.
    void TypeAnd(TCW_Wpisywanie1Form& form, const QString& text, int key) {
        ASSERT_TRUE(form.Edit1->isVisible());
        test::Type(*form.Edit1, text);
        test::Press(*form.Edit1, key);
    }
};

TEST_F(WpWindow, FromTheChartToTheResultsOnDisk) {
    auto* form = Open();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->btn_check->objectName(), "btn_sprawdz");
    EXPECT_EQ(form->DXRamka->geometry(), QRect(50, 150, 600, 575));
    EXPECT_EQ(form->pb_polecenie->width(), 657);
    EXPECT_TRUE(form->btn_print->isVisible());
    EXPECT_EQ(form->btn_print->toolTip(), "T123");
    EXPECT_TRUE(form->btn_tlumacz->isVisible());
    EXPECT_FALSE(form->Edit1->isVisible());

    ClickGap(*form, 0);
    ASSERT_TRUE(form->Edit1->isVisible());
    EXPECT_EQ(form->Edit1->width(), 55);
    const TypingBox box = form->Layout().ItemBoxes[1];
    EXPECT_EQ(form->Edit1->pos(), form->DXRamka->pos() + QPoint(box.X, box.Y)) << "the edit box lies over its gap";
    EXPECT_FALSE(form->Exercise().State().Touched()) << "opening a gap is no work yet";
    TypeAnd(*form, " Went ", Qt::Key_Tab);
    EXPECT_TRUE(form->Exercise().State().Touched());
    EXPECT_EQ(form->Exercise().OpenGapNumber(), 1);
    EXPECT_EQ(form->Exercise().ItemValue(1), "Went") << "stored trimmed";
    TypeAnd(*form, "take care of", Qt::Key_Return);
    EXPECT_EQ(form->Exercise().OpenGapNumber(), 2);
    TypeAnd(*form, "cat", Qt::Key_Tab);
    EXPECT_EQ(form->Exercise().OpenGapNumber(), 0) << "Tab on the last gap opens the first";
    EXPECT_EQ(FromQt(form->Edit1->text()), "Went");
    form->grab();

    // A click beside the gaps closes the edit box.
    test::ClickAt(*form->DXRamka, QPoint(590, 500));
    EXPECT_FALSE(form->Edit1->isVisible());
    EXPECT_EQ(form->Exercise().OpenGapNumber(), -1);

    test::Click(*form->btn_check);
    EXPECT_EQ(form->panel_wynik->Wynik(), 67);
    EXPECT_EQ(form->lbl_jeszcze_raz->toolTip(), "T27");
    EXPECT_EQ(form->Exercise().ItemValue(1), "went") << "some gap was wrong: the answers are filled in";
    EXPECT_EQ(form->Exercise().ItemValue(form->Exercise().Content().Gaps[2].Item), "dog");

    // Pointing at the wrong gap's mark shows what was typed there.
    const TypingBox wrong = form->Layout().ItemBoxes[static_cast<size_t>(form->Exercise().Content().Gaps[2].Item)];
    test::MoveTo(*form->DXRamka, QPoint(wrong.X + 5, wrong.Y + 5));
    EXPECT_EQ(FromQt(form->DXRamka->toolTip()), "Your answer: cat");
    test::MoveTo(*form->DXRamka, QPoint(590, 500));
    EXPECT_TRUE(form->DXRamka->toolTip().isEmpty());
    ClickGap(*form, 0);
    EXPECT_FALSE(form->Edit1->isVisible()) << "after the check no gap opens";
    form->grab();

    test::Click(*form->lbl_exit);
    const CW_Info record = Saved(44, 5);
    EXPECT_EQ(record.Result, 67);
    EXPECT_EQ(record.Completed, 1);
}

// Tab, Enter and the keypad's Enter (which comes with the keypad modifier) open the next gap.
TEST_F(WpWindow, TabAndBothEnterKeysOpenTheNextGap) {
    struct Case {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
    };
    const Case cases[] = {
        {"Tab", Qt::Key_Tab, Qt::NoModifier},
        {"Enter", Qt::Key_Return, Qt::NoModifier},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier},
    };
    auto* form = Open();
    ASSERT_NE(form, nullptr);
    for (const Case& c : cases) {
        ClickGap(*form, 0);
        ASSERT_EQ(form->Exercise().OpenGapNumber(), 0) << c.name;
        QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
        QApplication::sendEvent(form->Edit1, &event);
        EXPECT_EQ(form->Exercise().OpenGapNumber(), 1) << c.name;
        EXPECT_TRUE(form->Edit1->isVisible()) << c.name;
    }
}

TEST_F(WpWindow, WithTheCaseSettingOnACapitalIsWrong) {
    ctx.learner.settings.CaseSensitive = true;
    auto* form = Open();
    ASSERT_NE(form, nullptr);
    ClickGap(*form, 0);
    TypeAnd(*form, "Went", Qt::Key_Tab);
    TypeAnd(*form, "look after", Qt::Key_Tab);
    test::Type(*form->Edit1, "dog");
    test::Click(*form->btn_check);  // the open gap's text is taken as it stands
    EXPECT_FALSE(form->Exercise().Results()[0].Right);
    EXPECT_TRUE(form->Exercise().Results()[1].Right);
    EXPECT_TRUE(form->Exercise().Results()[2].Right);
}

TEST_F(WpWindow, TheCourseLettersTypedWithCtrl) {
    ctx.startup.CourseVariant = 2;
    auto* form = Open();
    ASSERT_NE(form, nullptr);
    ClickGap(*form, 0);
    QKeyEvent ctrlA(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, "\x01");
    QApplication::sendEvent(form->Edit1, &ctrlA);
    EXPECT_EQ(FromQt(form->Edit1->text()), "\xE4");
    EXPECT_TRUE(form->Exercise().State().Touched());
}

TEST_F(WpWindow, PrintsTheTextWithTheAnswersAsTheyStand) {
    auto* form = Open();
    ASSERT_NE(form, nullptr);
    ctx.exercise.LessonName = "Meeting a client";  // the chart takes it from the lesson of the record
    ClickGap(*form, 0);
    TypeAnd(*form, "went", Qt::Key_Tab);
    test::WhenModal(forms->form20.get(), [this] { forms->form20->accept(); });
    test::Click(*form->btn_print);
    ASSERT_EQ(printer.documents.size(), 1u);
    const std::string& html = printer.documents[0];
    EXPECT_NE(html.find("<B>Meeting a client</B>"), std::string::npos);
    EXPECT_NE(html.find("He went home. She will __________ the __________ today . "), std::string::npos)
        << "the gap open in the edit box prints empty: " << html;
    EXPECT_EQ(printer.directories[0], ctx.startup.ProgramDir);
}

// After the message the window has nothing to check, and closing it records nothing.
TEST_F(WpWindow, AMissingExerciseFileOpensAnEmptyWindowAndIsTold) {
    ctx.course.textExercises[0].TypeLine = "WP#nothing";
    auto* form = Open();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("Wpisywania\\nothing.fcs"), std::string::npos) << messages.errors[0];
    EXPECT_FALSE(form->btn_check->isVisible());
    test::Click(*form->btn_check);
    EXPECT_FALSE(form->panel_wynik->isVisible());
    EXPECT_FALSE(form->lbl_jeszcze_raz->isVisible());
    form->grab();
    RemoveFiles();
    test::Click(*form->lbl_exit);
    EXPECT_TRUE(FilesSaved());
    EXPECT_EQ(Saved(44, 5).DoneCount, 0);
    EXPECT_TRUE(SavedRepetitions().entries.empty());
}

TEST_F(WpWindow, BlankGapsAreWhiteBoxes) {
    dir.Write("Wpisywania/t1.fcs", test::Crlf("GapWidth60\nTranslation:\nBlankGaps:1\nHe *gone &went home.\n"));
    auto* form = Open();
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->btn_tlumacz->isVisible()) << "line 2 is empty";
    const TypingLayout layout = form->Layout();
    ASSERT_EQ(layout.Drawn.size(), 4u);
    EXPECT_TRUE(layout.Drawn[1].BlankBox);
    const QImage picture = form->DXRamka->grab().toImage();
    EXPECT_EQ(picture.pixelColor(layout.Drawn[1].X + 20, layout.Drawn[1].Y + 8), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(layout.Drawn[1].X - 3, layout.Drawn[1].Y + 8), QColor(102, 204, 255));
}

}  // namespace
}  // namespace quillan
