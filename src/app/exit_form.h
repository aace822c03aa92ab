#pragma once

#include "controls/picture_dialog.h"

namespace quillan {

struct AppContext;

class TMyImageList;
class TTransparentButton;

// The exit confirmation: the question is painted in its picture, under it the buttons to leave
// (B_OK) and to stay (B_Zamknij, or Escape). Shown modally; ExitConfirmed tells the answer.
class TForm24 : public PictureDialog {
    Q_OBJECT
public:
    TForm24(WindowContext context, TMyImageList& images, QWidget* parent = nullptr);

    // Clears the answer, shows the window modally and gives the answer.
    bool Confirm();

    bool ExitConfirmed = false;

    TTransparentButton* B_OK;
    TTransparentButton* B_Zamknij;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quillan
