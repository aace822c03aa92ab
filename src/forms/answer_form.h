#pragma once

#include <QPointer>
#include <string>

#include "controls/picture_dialog.h"

class QLabel;

namespace quillan {

class TMyImageList;
class TTransparentButton;
class THelpForm;

// "Twoja odpowiedź": the learner's last answer (L_Odp), shown over the exercise without
// blocking it. It closes itself as soon as it loses the focus, so a click back into the
// exercise puts it away.
class TForm6 : public PictureDialog {
    Q_OBJECT
public:
    TForm6(WindowContext context, TMyImageList& images, THelpForm* help, QWidget* parent = nullptr);

    // Puts the answer (Windows-1250) into L_Odp and shows the window on top, not modally.
    void ShowAnswer(const std::string& text);

    QLabel* Label1;  // the top strip that drags the window
    QLabel* L_Odp;
    TTransparentButton* btn_ok;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QPointer<THelpForm> help_;
    bool wasActive_ = false;
};

}  // namespace quillan
