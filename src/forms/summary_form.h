#pragma once

#include <QPointer>

#include "controls/picture_dialog.h"

class QLabel;

namespace quillan {

class TMyImageList;
class TTransparentButton;
class THelpForm;
class TInformacjaForm;

// The summary of an exercise: four result lines, B_OK to end the exercise and, when the caller
// shows it, K_wroc to go back to it. Shown modally; Tag is 1 when the learner chose to end.
class TForm25 : public PictureDialog {
    Q_OBJECT
public:
    TForm25(WindowContext context, TMyImageList& images, TInformacjaForm* panel, THelpForm* help, QWidget* parent = nullptr);

    // Shows the window modally and gives Tag.
    int exec() override;

    int Tag = 0;

    QLabel* l_Stat1;
    QLabel* L_Stat2;
    QLabel* L_Stat3;
    QLabel* L_stat4;
    TTransparentButton* B_OK;
    TTransparentButton* K_wroc;
    TTransparentButton* btn_help;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<TInformacjaForm> panel_;
    QPointer<THelpForm> help_;
};

}  // namespace quillan
