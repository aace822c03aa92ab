// The dragging of word labels: press, moves, release, through the labels' own mouse events.

#include "exercises/texts/label_drag.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace quillan {
namespace {

class LabelDragTest : public ::testing::Test {
protected:
    LabelDragTest() {
        window.resize(600, 400);
        for (int i = 0; i < 2; ++i) {
            labels[i] = new QLabel(QString("term %1").arg(i), &window);
            labels[i]->setGeometry(20 + 100 * i, 20, 60, 16);
            drag.Add(labels[i], i);
        }
        drag.onStart = [this](int id) {
            events.push_back("start " + std::to_string(id));
            return accept;
        };
        drag.onDrop = [this](int id, QPoint at) {
            events.push_back("drop " + std::to_string(id) + " at " + std::to_string(at.x()) + "," + std::to_string(at.y()));
        };
        drag.onCancel = [this](int id) { events.push_back("cancel " + std::to_string(id)); };
        window.show();
    }

    // A mouse event at a point of the window, sent to `label` as the mouse grab delivers it.
    void Mouse(QLabel* label, QEvent::Type type, QPoint inWindow) {
        const QPoint at = label->mapFrom(&window, inWindow);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, label->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(label, &event);
    }

    QWidget window;
    QLabel* labels[2];
    LabelDrag drag{window};
    bool accept = true;
    std::vector<std::string> events;
};

TEST_F(LabelDragTest, TheLabelFollowsThePointerAndTheDropIsReported) {
    Mouse(labels[0], QEvent::MouseButtonPress, QPoint(25, 25));
    EXPECT_EQ(drag.Dragged(), 0);
    Mouse(labels[0], QEvent::MouseMove, QPoint(200, 150));
    EXPECT_EQ(labels[0]->geometry().center(), QRect(170, 142, 60, 16).center()) << "its centre under the pointer";
    Mouse(labels[0], QEvent::MouseMove, QPoint(300, 200));
    EXPECT_EQ(labels[0]->pos(), QPoint(270, 192));
    Mouse(labels[0], QEvent::MouseButtonRelease, QPoint(301, 201));
    EXPECT_EQ(drag.Dragged(), -1);
    EXPECT_EQ(events, (std::vector<std::string>{"start 0", "drop 0 at 301,201"}));

    // No drag runs now: moves carry nothing.
    Mouse(labels[0], QEvent::MouseMove, QPoint(10, 10));
    EXPECT_EQ(labels[0]->pos(), QPoint(270, 192));
}

TEST_F(LabelDragTest, TheDraggedLabelComesToTheFront) {
    Mouse(labels[0], QEvent::MouseButtonPress, QPoint(25, 25));
    EXPECT_EQ(window.children().last(), labels[0]);
    Mouse(labels[0], QEvent::MouseButtonRelease, QPoint(25, 25));
}

TEST_F(LabelDragTest, ADragTheWindowRefusesCarriesNothing) {
    accept = false;
    Mouse(labels[1], QEvent::MouseButtonPress, QPoint(125, 25));
    Mouse(labels[1], QEvent::MouseMove, QPoint(300, 300));
    Mouse(labels[1], QEvent::MouseButtonRelease, QPoint(300, 300));
    EXPECT_EQ(labels[1]->pos(), QPoint(120, 20));
    EXPECT_EQ(events, (std::vector<std::string>{"start 1"}));
}

TEST_F(LabelDragTest, HidingTheWindowCancelsTheDrag) {
    Mouse(labels[1], QEvent::MouseButtonPress, QPoint(125, 25));
    Mouse(labels[1], QEvent::MouseMove, QPoint(300, 300));
    window.hide();
    EXPECT_EQ(drag.Dragged(), -1);
    EXPECT_EQ(events, (std::vector<std::string>{"start 1", "cancel 1"}));
    Mouse(labels[1], QEvent::MouseButtonRelease, QPoint(300, 300));
    EXPECT_EQ(events.size(), 2u) << "the release after the cancel drops nothing";
}

TEST_F(LabelDragTest, OnlyTheLeftButtonDrags) {
    QMouseEvent right(QEvent::MouseButtonPress, QPointF(5, 5), labels[0]->mapToGlobal(QPoint(5, 5)), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(labels[0], &right);
    EXPECT_EQ(drag.Dragged(), -1);
    EXPECT_TRUE(events.empty());
}

}  // namespace
}  // namespace quillan
