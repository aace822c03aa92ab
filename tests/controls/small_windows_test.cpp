#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QLabel>

#include "session/app_context.h"
#include "forms/answer_form.h"
#include "controls/image_list.h"
#include "controls/message_form.h"
#include "controls/picture_controls.h"
#include "forms/summary_form.h"
#include "controls/transparent_button.h"
#include "guidance/information_form.h"
#include "support/bitmaps.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "support/ui_helpers.h"

namespace quillan {
namespace {

class SmallWindowsTest : public ::testing::Test {
protected:
    SmallWindowsTest() {
        context.startup.ProgramDir = dir.Path();
        context.startup.AppTitle = "Quillan - Business English";
        context.services.messages = &messages;
        test::WriteButtonStrips(dir);
        list.AddStrip(dir.Path() + "but_r\\ok2.bmp", 2, 0, 0);
        dir.Write("Lang_r/0/gfx_r/info.bmp", test::BmpBytes(440, 120, [](int, int) { return 0xdde8f4u; }));
    }

    test::TempDir dir;
    test::FakeMessages messages;
    AppContext context;
    TMyImageList list;
};

TEST_F(SmallWindowsTest, MessageWindowShowsItsTextModally) {
    TForm20 form(context, list);
    bool wasUp = false;
    QString text;
    test::WhileModal([&] { form.ShowMessage("Zapisano wyniki"); },
                     [&] {
                         wasUp = form.isVisible() && form.isModal();
                         text = form.Label1->text();
                         EXPECT_TRUE(form.HasBackground());
                         test::Press(form, Qt::Key_Escape);
                     });
    EXPECT_TRUE(wasUp);
    EXPECT_EQ(text, "Zapisano wyniki");
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.HasBackground());  // the picture is let go on closing
    EXPECT_EQ(form.size(), QSize(440, 120));
    EXPECT_EQ(form.windowTitle(), "Quillan - Business English");

    // Enter closes while the OK button shows.
    test::WhileModal([&] { form.ShowMessage("x"); }, [&] { test::Press(form, Qt::Key_Return); });
    EXPECT_FALSE(form.isVisible());
}

TEST_F(SmallWindowsTest, SummaryTellsWhetherTheLearnerEnded) {
    TForm25 form(context, list, nullptr, nullptr);
    int result = -1;
    test::WhileModal([&] { result = form.exec(); }, [&] { test::Press(form, Qt::Key_Escape); });
    EXPECT_EQ(result, 0);  // Esc without B_OK: the exercise stays open

    test::WhileModal([&] { result = form.exec(); }, [&] { test::Click(*form.B_OK); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(form.Tag, 1);

    test::WhileModal([&] { result = form.exec(); }, [&] { test::Click(*form.K_wroc); });
    EXPECT_EQ(result, 0);  // each showing starts at 0
}

TEST_F(SmallWindowsTest, AnswerWindowGoesWhenTheExerciseIsClickedAgain) {
    QWidget exercise;
    exercise.resize(300, 200);
    exercise.show();
    exercise.activateWindow();
    TForm6 form(context, list, nullptr);
    form.ShowAnswer("She have a car");
    ASSERT_TRUE(test::WaitFor([&] { return form.isActiveWindow(); }, 2000));
    EXPECT_EQ(form.L_Odp->text(), "She have a car");
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Twoja odpowiedź"));
    EXPECT_FALSE(form.isModal());

    exercise.activateWindow();
    EXPECT_TRUE(test::WaitFor([&] { return !form.isVisible(); }, 2000));

    form.ShowAnswer("again");
    ASSERT_TRUE(test::WaitFor([&] { return form.isActiveWindow(); }, 2000));
    test::Press(form, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(SmallWindowsTest, SummaryHelpOpensThePanelOnItsTopic) {
    context.course.interfaceTexts = {"a", "b", "c", "d", "e", "f", "Podsumowanie ćwiczenia"};
    TInformacjaForm panel(context, list);
    TForm25 form(context, list, &panel, nullptr);
    std::string key;
    bool panelWasUp = false;
    test::WhileModal([&] { form.exec(); },
                     [&] {
                         test::WhileModal([&] { test::Click(*form.btn_help); },
                                          [&] {
                                              panelWasUp = panel.isVisible();
                                              key = panel.PanelKey;
                                              panel.accept();
                                          });
                         form.close();
                     });
    EXPECT_TRUE(panelWasUp);
    EXPECT_EQ(key, "HH_Podsumowanie ćwiczenia");
}

TEST_F(SmallWindowsTest, TopStripDragsTheWindow) {
    TForm6 form(context, list, nullptr);
    form.ShowAnswer("x");
    const QPoint start = form.pos();
    auto mouse = [&](QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
        const QPoint local = form.Label1->mapFromGlobal(global);
        QMouseEvent event(type, local, global, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(form.Label1, &event);
    };
    const QPoint grip = form.Label1->mapToGlobal(QPoint(10, 10));
    mouse(QEvent::MouseButtonPress, grip, Qt::LeftButton);
    mouse(QEvent::MouseMove, grip + QPoint(30, 20), Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, grip + QPoint(30, 20), Qt::NoButton);
    EXPECT_EQ(form.pos(), start + QPoint(30, 20));
    mouse(QEvent::MouseMove, grip + QPoint(80, 80), Qt::NoButton);  // released: no more dragging
    EXPECT_EQ(form.pos(), start + QPoint(30, 20));
    form.close();
}

TEST(PictureControls, ReportTheMouse) {
    TMLabel label;
    label.resize(40, 20);
    std::vector<std::string> heard;
    QObject::connect(&label, &TMImage::mouseEnter, [&] { heard.push_back("enter"); });
    QObject::connect(&label, &TMImage::mouseLeave, [&] { heard.push_back("leave"); });
    QObject::connect(&label, &TMImage::clicked, [&] { heard.push_back("click"); });
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&label, &enter);
    test::Click(label);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(heard, (std::vector<std::string>{"enter", "click", "leave"}));
}

}  // namespace
}  // namespace quillan
