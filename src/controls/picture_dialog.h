#pragma once

#include <QDialog>
#include <QPixmap>
#include <string>
#include "context/window_context.h"

namespace quillan {


// A small borderless window of fixed size, centred on the screen and titled with the program's
// title, whose background picture (ProgramDir + LangDir + "gfx_r\" + name) is loaded when it
// shows and let go when it hides.
class PictureDialog : public QDialog {
    Q_OBJECT
public:
    PictureDialog(WindowContext context, QSize size, std::string backgroundName, QWidget* parent = nullptr,
                  Qt::WindowFlags flags = {});

    bool HasBackground() const { return !background_.isNull(); }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    WindowContext context_;

private:
    std::string backgroundName_;
    QPixmap background_;
};

}  // namespace quillan
