#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace quillan {

// Lets a window be dragged by one of its controls (a title strip): pressing the left button on
// the control remembers the point, moving with the button down moves the window by the
// pointer's displacement, releasing ends the drag.
class WindowDragger : public QObject {
    Q_OBJECT
public:
    WindowDragger(QWidget* handle, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    bool dragging_ = false;
    QPoint pressPoint_;
};

}  // namespace quillan
