// The definitions window offscreen: opened from the chart, terms dragged into the slots with
// press, moves and release on the labels, checked, closed, and the result found in the
// learner's files.

#include "exercises/texts/definitions_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

#include "controls/picture_controls.h"
#include "controls/result_gauge.h"
#include "controls/transparent_button.h"
#include "exercises/texts/paint_box.h"
#include "platform/qt/qt_text.h"
#include "support/ui_helpers.h"
#include "text_window_fixture.h"

namespace quillan {
namespace {

class DfWindow : public ::testing::Test, public test::TextWindowFixture {
protected:
    void SetUp() override {
        Add(1, "DF#agenda*a list of the things to discuss at a meeting#invoice*a document that asks a customer to pay#"
               "deadline*the last day on which something must be done#",
            45, 6);
    }
    void TearDown() override { CloseAll(); }

    // The learner drags label `label` to a point of the window: press on the label, moves, release.
    void Drag(TC_DefForm& form, int label, QPoint to) {
        QLabel& l = *form.lbl[static_cast<size_t>(label)];
        const QPoint from = l.geometry().center();
        Mouse(l, QEvent::MouseButtonPress, from);
        for (int step = 1; step <= 4; ++step) Mouse(l, QEvent::MouseMove, from + (to - from) * step / 4);
        Mouse(l, QEvent::MouseButtonRelease, to);
    }
    void Mouse(QLabel& label, QEvent::Type type, QPoint inWindow) {
        const QPoint at = label.mapFromParent(inWindow);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, label.mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&label, &event);
    }
    static QPoint SlotCentre(TC_DefForm& form, int slot) { return form.podkl[static_cast<size_t>(slot)]->geometry().center(); }
    // The label that shows the term of entry `entry`.
    static int LabelOf(TC_DefForm& form, int entry) {
        const auto& labels = form.Exercise().Labels();
        for (size_t i = 0; i < labels.size(); ++i)
            if (labels[i].Entry == entry) return static_cast<int>(i);
        return -1;
    }
};

TEST_F(DfWindow, FromTheChartToTheResultsOnDisk) {
    Start();
    auto* form = OpenFromChart<TC_DefForm>(1, 1);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->pb_polecenie->objectName(), "PaintBox1");
    EXPECT_EQ(form->img_tlo->objectName(), "img_Tlo");
    EXPECT_EQ(form->btn_check->objectName(), "btn_sprawdz");
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(form->lbl[static_cast<size_t>(i)]->isVisible());
        EXPECT_TRUE(form->podkl[static_cast<size_t>(i)]->isVisible());
        EXPECT_EQ(form->lbl[static_cast<size_t>(i)]->y(), 150) << "the bank's first row at layout value 6";
    }
    EXPECT_FALSE(form->lbl[3]->isVisible());
    EXPECT_EQ(form->DxRamka->y(), 230);

    // agenda into its slot; invoice into deadline's slot; deadline onto the taken slot of
    // agenda goes back to the bank.
    const int agenda = LabelOf(*form, 0), invoice = LabelOf(*form, 1), deadline = LabelOf(*form, 2);
    const QPoint bank = form->lbl[static_cast<size_t>(deadline)]->pos();
    Drag(*form, agenda, SlotCentre(*form, 0));
    Drag(*form, invoice, SlotCentre(*form, 2));
    EXPECT_TRUE(form->Exercise().State().Touched());
    EXPECT_NEAR(form->lbl[static_cast<size_t>(agenda)]->geometry().center().y(), SlotCentre(*form, 0).y(), 1) << "centred in the slot";
    Drag(*form, deadline, SlotCentre(*form, 0));
    EXPECT_EQ(form->lbl[static_cast<size_t>(deadline)]->pos(), bank);
    EXPECT_EQ(form->Exercise().Labels()[static_cast<size_t>(deadline)].Slot, -1);
    // Dropped on its own slot again, agenda stays.
    Drag(*form, agenda, SlotCentre(*form, 0) + QPoint(3, 1));
    EXPECT_EQ(form->Exercise().Labels()[static_cast<size_t>(agenda)].Slot, 0);
    form->grab();

    test::Click(*form->btn_check);
    EXPECT_EQ(form->panel_wynik->Wynik(), 33);
    EXPECT_FALSE(form->btn_check->isVisible());
    EXPECT_TRUE(form->img[0]->isVisible());
    EXPECT_TRUE(form->img[0]->toolTip().isEmpty());
    EXPECT_EQ(FromQt(form->img[1]->toolTip()), "There was no answer");
    EXPECT_EQ(FromQt(form->img[2]->toolTip()), "Your answer: invoice");
    EXPECT_EQ(form->img[2]->toolTipDuration(), 20000);
    EXPECT_EQ(form->img[2]->x(), 25);
    // Not all were right: every term now stands in its own slot.
    for (int entry = 0; entry < 3; ++entry)
        EXPECT_NEAR(form->lbl[static_cast<size_t>(LabelOf(*form, entry))]->geometry().center().y(), SlotCentre(*form, entry).y(), 1);
    // After the check a drag is not accepted.
    const QPoint before = form->lbl[static_cast<size_t>(agenda)]->pos();
    Drag(*form, agenda, QPoint(700, 100));
    EXPECT_EQ(form->lbl[static_cast<size_t>(agenda)]->pos(), before);
    form->grab();

    test::Click(*form->lbl_exit);
    const CW_Info record = Saved(45, 6);
    EXPECT_EQ(record.Result, 33);
    EXPECT_EQ(record.Completed, 1);
}

TEST_F(DfWindow, AllRightTheTermsStayWhereTheLearnerPutThem) {
    Start();
    auto* form = OpenFromChart<TC_DefForm>(1, 1);
    ASSERT_NE(form, nullptr);
    for (int entry = 0; entry < 3; ++entry) Drag(*form, LabelOf(*form, entry), SlotCentre(*form, entry) + QPoint(20, 0));
    std::vector<QPoint> placed;
    for (int i = 0; i < 3; ++i) placed.push_back(form->lbl[static_cast<size_t>(i)]->pos());
    test::Click(*form->btn_check);
    EXPECT_EQ(form->panel_wynik->Wynik(), 100);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(form->lbl[static_cast<size_t>(i)]->pos(), placed[static_cast<size_t>(i)]);
    form->close();
    EXPECT_EQ(Saved(45, 6).Result, 100);
}

TEST_F(DfWindow, AgainPutsEveryTermBackIntoTheBank) {
    Start();
    auto* form = OpenFromChart<TC_DefForm>(1, 1);
    ASSERT_NE(form, nullptr);
    const QPoint bank = form->lbl[0]->pos();
    Drag(*form, 0, SlotCentre(*form, 1));
    test::Click(*form->btn_check);
    test::Click(*form->lbl_jeszcze_raz);
    EXPECT_EQ(form->lbl[0]->pos(), bank);
    EXPECT_FALSE(form->img[0]->isVisible());
    EXPECT_TRUE(form->btn_check->isVisible());
    Drag(*form, 0, SlotCentre(*form, 1));
    EXPECT_EQ(form->Exercise().Labels()[0].Slot, 1) << "dragging works again";
}

}  // namespace
}  // namespace quillan
