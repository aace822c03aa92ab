#pragma once

#include <QLabel>

class QTimer;

namespace quillan {

// A picture (or, for TMLabel, a label) that reports the mouse entering and leaving it and
// clicks on it. A quick second click is a click like the first.
class TMImage : public QLabel {
    Q_OBJECT
public:
    explicit TMImage(QWidget* parent = nullptr);
    int Tag = 0;

signals:
    void clicked();
    void mouseEnter();
    void mouseLeave();
    void mouseDown(QMouseEvent* event);
    void mouseUp(QMouseEvent* event);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool leftHeld_ = false;
};

class TFreshOnMouseImage : public TMImage {
    Q_OBJECT
public:
    using TMImage::TMImage;
};

class TMLabel : public TMImage {
    Q_OBJECT
public:
    using TMImage::TMImage;
};

// The scroll-arrow picture: holding the left button down on it repeats its click, the first
// time InitRepeatpause milliseconds after the press and then every Repeatpause, until the
// button is released (which gives the ordinary click as well).
class TFCSImage1 : public TMImage {
    Q_OBJECT
public:
    explicit TFCSImage1(QWidget* parent = nullptr);

    int Repeatpause = 75;
    int InitRepeatpause = 250;

    // The repeat timer; null before the first press.
    QTimer* RepeatTimer() const { return timer_; }
    // One tick of the repeat timer: the interval becomes Repeatpause and the click is fired.
    void RepeatTick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTimer* timer_ = nullptr;
};

}  // namespace quillan
