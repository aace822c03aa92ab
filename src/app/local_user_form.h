#pragma once

#include "controls/picture_dialog.h"

class QListWidget;

namespace quillan {

struct AppContext;

class LocalLearners;
class SharedForms;
class TForm10;
class TTransparentButton;

// The local user window: the learners of the installation, to sign one in or to create a new
// one (who is signed in at once). Leaving it without signing in ends the program.
class TForm9 : public PictureDialog {
    Q_OBJECT
public:
    TForm9(AppContext& context, SharedForms& forms, LocalLearners& learners, TForm10& newLearner,
           QWidget* parent = nullptr);

    // Shows the window modally; true when a learner was signed in.
    bool SignInModally();

    QListWidget* ComboBox1;
    TTransparentButton* B_OK;
    TTransparentButton* B_Zamknij;
    TTransparentButton* L_powtorki;
    TTransparentButton* btn_help;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FillList();
    void SelectLast();
    void UpdateOk();
    void B_OKClick();
    void L_powtorkiClick();

    AppContext& app_;
    SharedForms& forms_;
    LocalLearners& learners_;
    TForm10& newLearner_;
};

}  // namespace quillan
