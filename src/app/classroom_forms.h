#pragma once

#include "controls/picture_dialog.h"

class QComboBox;
class QLineEdit;

namespace quillan {

struct AppContext;
class SharedForms;
class TMLabel;
class TTransparentButton;

// The windows of classroom work. Their pictures come from the Polish folder whatever the
// interface language: the classroom windows speak Polish only.

// Changing a classroom password: user, old password and the new one twice.
class TZmienPassForm : public PictureDialog {
    Q_OBJECT
public:
    TZmienPassForm(AppContext& context, SharedForms& forms, QWidget* parent = nullptr);

    QLineEdit* edit_user;
    QLineEdit* edit_password;
    QLineEdit* edit_new_password1;
    QLineEdit* edit_new_password2;
    TTransparentButton* button1;  // change
    TTransparentButton* button2;  // close

protected:
    void showEvent(QShowEvent* event) override;

private:
    void button1Click();

    AppContext& app_;
};

// The classroom login: user name and password, the password change, and, where "dd.t" allows
// it, the way to local work.
class TNetLoginForm : public PictureDialog {
    Q_OBJECT
public:
    enum class Result {
        LoggedIn,   // signed in, in classroom work
        LocalWork,  // the learner chose to work locally
        Quit,       // the learner chose to end the program
    };

    TNetLoginForm(AppContext& context, SharedForms& forms, TZmienPassForm& passwordForm, QWidget* parent = nullptr);

    // Shows the window modally until the learner is logged in or leaves it.
    Result Open();

    QLineEdit* edit_user;
    QLineEdit* edit_password;
    TTransparentButton* btn_ok;
    TTransparentButton* btn_anuluj;
    TTransparentButton* img_pomoc;
    TMLabel* img_zmienhaslo;
    TMLabel* img_lokalna;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateOk();
    void btn_okClick();

    AppContext& app_;
    TZmienPassForm& passwordForm_;
    Result result_ = Result::Quit;
};

// Leaving classroom work: end the program or log out so that another learner can log in.
class TNetKoniecForm : public PictureDialog {
    Q_OBJECT
public:
    TNetKoniecForm(AppContext& context, SharedForms& forms, QWidget* parent = nullptr);

    // Shows the window modally: 0 stay, 1 end the program, 2 log out.
    int Open();

    QComboBox* ComboBox1;
    TTransparentButton* B_OK;
    TTransparentButton* B_Zamknij;  // "Koniec": stay
    int Tag = 0;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    AppContext& app_;
};

}  // namespace quillan
