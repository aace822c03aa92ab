#pragma once

#include <QPointer>
#include <QWidget>

#include "controls/button_state.h"
#include "controls/image_list.h"

namespace quillan {

// The program's image button: it has no background of its own and draws, over whatever lies
// beneath it, the frame of its strip that belongs to its state, with the strip's transparent
// colour left out. It sizes itself to one frame of its strip (33 × 33 when the strip is
// beyond the list) and follows the list when its pictures are replaced.
class TTransparentButton : public QWidget {
    Q_OBJECT
public:
    explicit TTransparentButton(QWidget* parent = nullptr, TMyImageList* imageList = nullptr, int bitmapNormal = 0);

    int BitmapNormal() const { return bitmapNormal_; }
    void SetBitmapNormal(int index);
    TMyImageList* ImageList() const { return imageList_; }
    void SetImageList(TMyImageList* list);
    int Stan() const { return state_.Stan; }
    void SetStan(int stan);
    ButtonStyle Style() const { return state_.Style; }
    void SetStyle(ButtonStyle style);
    bool HideNormal() const { return state_.HideNormal; }
    void SetHideNormal(bool hide);
    // The frame the button shows now; -1 when it shows nothing.
    int ShownFrame() const { return state_.Frame(); }

    int Tag = 0;

signals:
    void clicked();
    void mouseEnter();
    void mouseLeave();
    void mouseDown(QMouseEvent* event);
    void mouseUp(QMouseEvent* event);
    void mouseMove(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FitToStrip();

    QPointer<TMyImageList> imageList_;
    int bitmapNormal_ = 0;
    ButtonState state_;
    bool leftHeld_ = false;
};

// A named image button of the list's picture, with the pointing hand over it.
TTransparentButton* ImageButton(QWidget* parent, TMyImageList& images, int picture, const char* name);

}  // namespace quillan
