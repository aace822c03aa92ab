#pragma once

#include "controls/picture_dialog.h"

class QLabel;

namespace quillan {

class TMyImageList;
class TTransparentButton;

// Asks before all repetitions are deleted: the question in Label1, B_OK to delete, B_Zamknij
// (or Escape) to keep them. Shown modally; Tag is 1 only when the learner confirmed.
class Tkas_powt_Form : public PictureDialog {
    Q_OBJECT
public:
    Tkas_powt_Form(WindowContext context, TMyImageList& images, QWidget* parent = nullptr);

    // Sets Tag to 0, shows the window modally and tells whether the learner confirmed.
    bool Confirm();

    int Tag = 0;

    QLabel* Label1;
    TTransparentButton* B_OK;
    TTransparentButton* B_Zamknij;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quillan
