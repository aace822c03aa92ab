#pragma once

#include <QWidget>
#include <functional>

class QPainter;

namespace quillan {

// A paint box of a text-exercise window (pb_polecenie, pb_tresc, DXRamka, ...): it paints
// and reports the mouse through the window's handlers. The pointer is tracked without a button
// held too, so that cursors and hints follow it.
class PaintBox : public QWidget {
    Q_OBJECT
public:
    explicit PaintBox(QWidget* parent = nullptr);

    std::function<void(QPainter&)> onPaint;
    std::function<void(QPoint)> onMouseMove;
    std::function<void(QPoint, Qt::MouseButton)> onMouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace quillan
