#include "app/classroom_forms.h"
#include "controls/widget_style.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "audio/resource_form.h"
#include "classroom/classroom_messages.h"
#include "controls/button_pictures.h"
#include "controls/picture_controls.h"
#include "controls/transparent_button.h"
#include "forms/shared_forms.h"
#include "platform/qt/first_window_probe.h"
#include "platform/qt/qt_text.h"
#include "session/app_context.h"
#include "session/classroom_session.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

constexpr const char* kClassroomPictures = "Lang_r\\0\\Gfx_r\\";

// An edit lying in a box of the window's picture, which draws its frame.
QLineEdit* BoxEdit(QWidget* parent, const QRect& place, bool password) {
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(place);
    edit->setFrame(false);
    edit->setTextMargins(4, 0, 4, 0);
    edit->setFont(PixelFont("Verdana", 13));
    if (password) edit->setEchoMode(QLineEdit::Password);
    return edit;
}

// A clickable caption in the footer of a window.
TMLabel* Link(QWidget* parent, const QRect& place, const char* text) {
    auto* label = new TMLabel(parent);
    label->setText(QString::fromUtf8(text));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    QFont font = PixelFont("Verdana", 11);
    font.setUnderline(true);
    label->setFont(font);
    label->setStyleSheet("color: #1f5f8b");
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

std::string Typed(const QLineEdit* edit) { return FromQt(edit->text()); }

}  // namespace

// ---- TZmienPassForm ----

TZmienPassForm::TZmienPassForm(AppContext& context, SharedForms& forms, QWidget* parent)
    : PictureDialog(context, QSize(380, 284), "net_zmiana.bmp", parent), app_(context) {
    setObjectName("TZmienPassForm");
    setWindowTitle(QString::fromUtf8("Zmiana hasła"));
    SetBackgroundFolder(kClassroomPictures);
    // The picture draws four boxes (22, 60 + 44 n, 244 x 26).
    QLineEdit** edits[] = {&edit_user, &edit_password, &edit_new_password1, &edit_new_password2};
    for (int i = 0; i < 4; ++i) *edits[i] = BoxEdit(this, QRect(24, 61 + 44 * i, 240, 24), i > 0);
    TMyImageList& images = forms.form5->MyImageList1;
    button1 = new TTransparentButton(this, &images, pictures::Ok);
    button1->move(278, 246);
    button2 = new TTransparentButton(this, &images, pictures::Cancel);
    button2->move(328, 246);
    for (TTransparentButton* button : {button1, button2}) button->setCursor(Qt::PointingHandCursor);
    connect(button1, &TTransparentButton::clicked, this, &TZmienPassForm::button1Click);
    connect(button2, &TTransparentButton::clicked, this, &QDialog::reject);
}

void TZmienPassForm::showEvent(QShowEvent* event) {
    for (QLineEdit* edit : {edit_user, edit_password, edit_new_password1, edit_new_password2}) edit->clear();
    PictureDialog::showEvent(event);
    edit_user->setFocus();
}

void TZmienPassForm::button1Click() {
    if (ChangeClassroomPassword(app_, Typed(edit_user), Typed(edit_password), Typed(edit_new_password1),
                                Typed(edit_new_password2)))
        accept();
}

// ---- TNetLoginForm ----

TNetLoginForm::TNetLoginForm(AppContext& context, SharedForms& forms, TZmienPassForm& passwordForm, QWidget* parent)
    : PictureDialog(context, QSize(380, 200), "net_logowanie.bmp", parent), app_(context), passwordForm_(passwordForm) {
    setObjectName("TNetLoginForm");
    setWindowTitle(QString::fromUtf8("Logowanie do systemu"));
    SetBackgroundFolder(kClassroomPictures);
    // The picture draws the boxes of the name (22, 62) and the password (22, 112), 244 x 26.
    edit_user = BoxEdit(this, QRect(24, 63, 240, 24), false);
    edit_password = BoxEdit(this, QRect(24, 113, 240, 24), true);
    TMyImageList& images = forms.form5->MyImageList1;
    img_pomoc = new TTransparentButton(this, &images, pictures::Help);
    img_pomoc->move(10, 160);
    img_zmienhaslo = Link(this, QRect(48, 164, 96, 22), "Zmień hasło");
    img_lokalna = Link(this, QRect(150, 164, 110, 22), "Praca lokalna");
    btn_ok = new TTransparentButton(this, &images, pictures::Ok);
    btn_ok->move(278, 162);
    btn_anuluj = new TTransparentButton(this, &images, pictures::Cancel);
    btn_anuluj->move(328, 162);
    btn_anuluj->setToolTip(QString::fromUtf8("Wyjście z programu"));
    for (TTransparentButton* button : {btn_ok, btn_anuluj, img_pomoc}) button->setCursor(Qt::PointingHandCursor);

    connect(edit_user, &QLineEdit::textChanged, this, &TNetLoginForm::UpdateOk);
    connect(edit_password, &QLineEdit::textChanged, this, &TNetLoginForm::UpdateOk);
    connect(btn_ok, &TTransparentButton::clicked, this, &TNetLoginForm::btn_okClick);
    connect(btn_anuluj, &TTransparentButton::clicked, this, [this] {
        result_ = Result::Quit;
        reject();
    });
    connect(img_lokalna, &TMLabel::clicked, this, [this] {
        result_ = Result::LocalWork;
        reject();
    });
    connect(img_pomoc, &TTransparentButton::clicked, this,
            [this] { app_.services.messages->Show(classroom::ForgottenLoginMessage()); });
    connect(img_zmienhaslo, &TMLabel::clicked, this, [this] { passwordForm_.exec(); });
}

TNetLoginForm::Result TNetLoginForm::Open() {
    ExitAfterFirstPaintWhenProbed(*this);  // the first window of a classroom installation
    result_ = Result::Quit;
    return exec() == QDialog::Accepted ? Result::LoggedIn : result_;
}

void TNetLoginForm::showEvent(QShowEvent* event) {
    edit_user->clear();
    edit_password->clear();
    UpdateOk();
    img_lokalna->setVisible(app_.startup.LocalFallbackAllowed);
    PictureDialog::showEvent(event);
    edit_user->setFocus();
}

void TNetLoginForm::UpdateOk() {
    btn_ok->setVisible(!TrimView(Typed(edit_user)).empty() && !TrimView(Typed(edit_password)).empty());
}

void TNetLoginForm::btn_okClick() {
    if (btn_ok->isHidden()) return;
    bool signedIn = false;
    try {
        signedIn = ClassroomSignIn(app_, Typed(edit_user), Typed(edit_password));
    } catch (const std::exception& error) {
        // Course data the learner's table cannot be built from: told, and the window stays.
        app_.services.messages->Error(error.what());
    }
    if (signedIn) accept();
}

void TNetLoginForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        btn_okClick();
        break;
    case Qt::Key_Escape:
        break;  // the window is left only by its buttons
    default:
        PictureDialog::keyPressEvent(event);
    }
}

// ---- TNetKoniecForm ----

TNetKoniecForm::TNetKoniecForm(AppContext& context, SharedForms& forms, QWidget* parent)
    : PictureDialog(context, QSize(300, 140), "net_koniec.bmp", parent), app_(context) {
    setObjectName("TNetKoniecForm");
    SetBackgroundFolder(kClassroomPictures);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setGeometry(16, 60, 268, 26);
    ComboBox1->setFont(PixelFont("Verdana", 13));
    ComboBox1->setCursor(Qt::PointingHandCursor);
    TMyImageList& images = forms.form5->MyImageList1;
    B_OK = new TTransparentButton(this, &images, pictures::Ok);
    B_OK->move(198, 104);
    B_Zamknij = new TTransparentButton(this, &images, pictures::Cancel);
    B_Zamknij->move(248, 104);
    B_Zamknij->setToolTip("Koniec");
    for (TTransparentButton* button : {B_OK, B_Zamknij}) button->setCursor(Qt::PointingHandCursor);
    connect(B_OK, &TTransparentButton::clicked, this, [this] {
        Tag = ComboBox1->currentIndex() + 1;
        accept();
    });
    connect(B_Zamknij, &TTransparentButton::clicked, this, [this] {
        Tag = 0;
        reject();
    });
}

int TNetKoniecForm::Open() {
    Tag = 0;
    exec();
    return Tag;
}

void TNetKoniecForm::showEvent(QShowEvent* event) {
    ComboBox1->clear();
    ComboBox1->addItem(QString::fromUtf8("Zamknij program"));
    ComboBox1->addItem(QString::fromUtf8("Wyloguj: ") + ToQt(app_.classroom.identity.user));
    ComboBox1->setCurrentIndex(0);
    PictureDialog::showEvent(event);
}

void TNetKoniecForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Tag = 0;
        reject();
        return;
    }
    PictureDialog::keyPressEvent(event);
}

}  // namespace quillan
