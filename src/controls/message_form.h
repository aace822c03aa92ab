#pragma once

#include <string>

#include "controls/picture_dialog.h"

class QLabel;

namespace quillan {

class TMyImageList;
class TTransparentButton;

// The message window: one message (Label1) and an OK button, shown modally.
class TForm20 : public PictureDialog {
    Q_OBJECT
public:
    TForm20(WindowContext context, TMyImageList& images, QWidget* parent = nullptr);

    // Puts the message (Windows-1250) into Label1 and shows the window modally.
    void ShowMessage(const std::string& text);
    // Puts the message into Label1 without showing the window. A message longer than the
    // label holds makes the window taller; a word wider than the label (a file's path) breaks
    // after its separators, or anywhere when a piece is still too wide, so that all of it shows.
    void SetMessage(const std::string& text);

    QLabel* Label1;
    TTransparentButton* B_OK;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quillan
