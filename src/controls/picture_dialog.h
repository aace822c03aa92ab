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

    // The picture is taken from this folder of ProgramDir (ending in a separator) whatever the
    // interface language.
    void SetBackgroundFolder(std::string folder) { backgroundFolder_ = std::move(folder); }

    WindowContext context_;

private:
    std::string backgroundName_;
    std::string backgroundFolder_;
    QPixmap background_;
};

}  // namespace quillan
