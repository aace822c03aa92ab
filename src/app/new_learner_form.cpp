#include "app/new_learner_form.h"
#include "controls/widget_style.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "forms/window_keys.h"
#include "session/app_context.h"
#include "app/learners.h"
#include "app/local_learners.h"
#include "forms/shared_forms.h"
#include "controls/button_pictures.h"
#include "audio/resource_form.h"
#include "controls/message_form.h"
#include "controls/transparent_button.h"
#include "guidance/information_form.h"
#include "platform/cp1250.h"
#include "platform/qt/qt_text.h"
#include "text/numbered_texts.h"

namespace quillan {

TForm10::TForm10(AppContext& context, SharedForms& forms, LocalLearners& learners, QWidget* parent)
    : PictureDialog(context, QSize(320, 120), "logow_new.bmp", parent), app_(context), forms_(forms), learners_(learners) {
    setObjectName("TForm10");
    TMyImageList& images = forms_.form5->MyImageList1;
    const QFont font = PixelFont("Verdana", 13);

    // The picture draws the name box (70, 40, 180 x 26); the edit has no frame of its own.
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(72, 41, 176, 24);
    Edit1->setFrame(false);
    Edit1->setMaxLength(30);
    Edit1->setFont(font);
    Edit1->setTextMargins(4, 0, 4, 0);
    btn_help = new TTransparentButton(this, &images, pictures::Help);
    btn_help->move(272, 37);

    const QFont small = PixelFont("Verdana", 11);
    Label24 = new QLabel(QString::fromUtf8("Wersja językowa interfejsu"), this);
    Label24->setGeometry(14, 76, 98, 34);
    Label24->setWordWrap(true);
    Label24->setFont(small);
    cb_lang = new QComboBox(this);
    cb_lang->setGeometry(112, 81, 92, 24);
    cb_lang->setFont(small);
    cb_lang->setCursor(Qt::PointingHandCursor);
    B_OK = new TTransparentButton(this, &images, pictures::Ok);
    B_OK->move(214, 78);
    B_Zamknij = new TTransparentButton(this, &images, pictures::Cancel);
    B_Zamknij->move(266, 78);
    for (TTransparentButton* button : {B_OK, B_Zamknij, btn_help}) button->setCursor(Qt::PointingHandCursor);

    connect(Edit1, &QLineEdit::textChanged, this, [this](const QString& text) { B_OK->setVisible(NameLongEnough(FromQt(text))); });
    connect(B_OK, &TTransparentButton::clicked, this, &TForm10::B_OKClick);
    connect(B_Zamknij, &TTransparentButton::clicked, this, &QDialog::reject);
    connect(btn_help, &TTransparentButton::clicked, this, [this] {
        forms_.informacja->PanelKey = "HH_" + UiText(app_.course.interfaceTexts, 2);
        forms_.informacja->exec();
    });
}

int TForm10::Open() {
    created_ = 0;
    exec();
    return created_;
}

void TForm10::showEvent(QShowEvent* event) {
    const StartupState& s = app_.startup;
    Label24->setVisible(!s.EnglishOnly);
    cb_lang->setVisible(!s.EnglishOnly);
    if (!s.EnglishOnly) {
        languages_ = LanguageList(s.ProgramDir);
        cb_lang->clear();
        for (const LanguageItem& item : languages_) cb_lang->addItem(ToQt(item.Name));
        cb_lang->setCurrentIndex(static_cast<int>(languages_.size()) > s.CourseVariant ? s.CourseVariant : 0);
    }
    Edit1->clear();
    B_OK->hide();
    PictureDialog::showEvent(event);
    Edit1->setFocus();
}

void TForm10::B_OKClick() {
    const int item = cb_lang->currentIndex();
    const int language = item >= 0 && item < static_cast<int>(languages_.size()) ? languages_[static_cast<size_t>(item)].Number : 0;
    const int languageBefore = app_.startup.LangIndex;
    const int position = learners_.Create(FromQt(Edit1->text()), language);
    if (position == 0) {
        forms_.form20->ShowMessage(UiText(app_.course.interfaceTexts, 83));
        Edit1->clear();
        return;
    }
    created_ = position;
    accept();
    if (app_.startup.LangIndex != languageBefore) emit InterfaceLanguageChanged();
}

void TForm10::keyPressEvent(QKeyEvent* event) {
    const auto confirm = [this] { if (!B_OK->isHidden()) B_OKClick(); };
    if (!TakeWindowKey(*event, forms_.help.get(), "h_log.html", [this] { reject(); }, confirm))
        PictureDialog::keyPressEvent(event);
}

}  // namespace quillan
