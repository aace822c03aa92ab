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

    QLabel* Label1;
    TTransparentButton* B_OK;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quillan
