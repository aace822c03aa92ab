#include "app/settings_form.h"
#include "controls/widget_style.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "forms/window_keys.h"
#include "session/app_context.h"
#include "app/local_learners.h"
#include "forms/shared_forms.h"
#include "controls/button_pictures.h"
#include "audio/resource_form.h"
#include "controls/message_form.h"
#include "controls/picture_controls.h"
#include "controls/transparent_button.h"
#include "guidance/information_form.h"
#include "platform/qt/qt_text.h"
#include "text/numbered_texts.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

QFont LabelFont(bool bold = false) { return PixelFont("Verdana", 12, bold); }

// A check box without a caption of its own; its label beside it toggles it.
QCheckBox* CheckBox(QWidget* parent, int x, int y) {
    auto* box = new QCheckBox(parent);
    box->setGeometry(x, y, 18, 18);
    box->setCursor(Qt::PointingHandCursor);
    return box;
}

template <class Label>
Label* Caption(QWidget* parent, const QRect& place, bool bold = false) {
    auto* label = new Label(parent);
    label->setGeometry(place);
    label->setFont(LabelFont(bold));
    return label;
}

QLineEdit* NumberField(QWidget* parent, int x, int y) {
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(x, y, 50, 24);
    edit->setAlignment(Qt::AlignRight);
    edit->setFont(LabelFont());
    edit->setMaxLength(5);
    return edit;
}

}  // namespace

TOpcjeForm::TOpcjeForm(AppContext& context, SharedForms& forms, QWidget* parent)
    : PictureDialog(context, QSize(399, 421), "ustawienia_rozum.bmp", parent), app_(context), forms_(forms) {
    setObjectName("TOpcjeForm");
    TMyImageList& images = forms_.form5->MyImageList1;

    // The upper group of the picture (12, 46, 375 x 128): answers and language.
    cb_wielkoscliter = CheckBox(this, 26, 61);
    Label1 = Caption<TMLabel>(this, {52, 58, 326, 24});
    cb_countletters = CheckBox(this, 26, 95);
    Label2 = Caption<TMLabel>(this, {52, 92, 326, 24});
    Label2->setText("Show number of letters in vocabulary exercises");
    Label7 = Caption<QLabel>(this, {26, 132, 190, 26});
    cb_lang = new QComboBox(this);
    cb_lang->setGeometry(232, 132, 138, 26);
    cb_lang->setFont(LabelFont());
    cb_lang->setCursor(Qt::PointingHandCursor);

    // The lower group (12, 184, 375 x 176): the repetitions.
    Label22 = Caption<QLabel>(this, {26, 194, 344, 24}, true);
    CB_czy_Powtorki = CheckBox(this, 26, 229);
    Label15 = Caption<TMLabel>(this, {52, 226, 326, 24});
    Label16 = Caption<QLabel>(this, {26, 260, 286, 24});
    E_powtorki_wynik = NumberField(this, 320, 260);
    CB_Powtorki_gdy_przerwano = CheckBox(this, 26, 297);
    Label19 = Caption<TMLabel>(this, {52, 294, 326, 24});
    Label17 = Caption<QLabel>(this, {26, 328, 286, 24});
    E_powtorki_interwal = NumberField(this, 320, 328);

    // The footer band (from y 369).
    btn_help = new TTransparentButton(this, &images, pictures::Help);
    btn_help->move(14, 378);
    B_OK = new TTransparentButton(this, &images, pictures::Ok);
    B_OK->move(283, 380);
    B_Zamknij = new TTransparentButton(this, &images, pictures::Cancel);
    B_Zamknij->move(337, 380);
    B_Zamknij->setToolTip("Koniec");

    for (QWidget* pointer : std::initializer_list<QWidget*>{btn_help, B_OK, B_Zamknij, Label1, Label2, Label15, Label19})
        pointer->setCursor(Qt::PointingHandCursor);

    const auto showOk = [this] { B_OK->show(); };
    for (QCheckBox* box : {cb_wielkoscliter, cb_countletters, CB_czy_Powtorki, CB_Powtorki_gdy_przerwano})
        connect(box, &QCheckBox::toggled, this, showOk);
    for (QLineEdit* edit : {E_powtorki_wynik, E_powtorki_interwal}) connect(edit, &QLineEdit::textChanged, this, showOk);
    connect(cb_lang, &QComboBox::currentIndexChanged, this, showOk);
    const std::pair<TMLabel*, QCheckBox*> toggles[] = {
        {Label1, cb_wielkoscliter}, {Label2, cb_countletters}, {Label15, CB_czy_Powtorki}, {Label19, CB_Powtorki_gdy_przerwano}};
    for (auto [label, box] : toggles) connect(label, &TMLabel::clicked, box, &QCheckBox::toggle);

    connect(B_Zamknij, &TTransparentButton::clicked, this, &QDialog::reject);
    connect(B_OK, &TTransparentButton::clicked, this, &TOpcjeForm::B_OKClick);
    connect(btn_help, &TTransparentButton::clicked, this, [this] {
        forms_.informacja->PanelKey = "HH_" + UiText(app_.course.interfaceTexts, 3);
        forms_.informacja->exec();
    });

    languages_ = LanguageList(app_.startup.ProgramDir);
    for (const LanguageItem& item : languages_) cb_lang->addItem(ToQt(item.Name));
    cb_lang->setCurrentIndex(languages_.size() < 2 ? 0 : 1);
}

void TOpcjeForm::showEvent(QShowEvent* event) {
    const InterfaceTexts& texts = app_.course.interfaceTexts;
    const std::pair<QLabel*, int> captions[] = {{Label1, 56},  {Label7, 61},  {Label22, 118}, {Label15, 119},
                                                {Label16, 120}, {Label17, 122}, {Label19, 121}};
    for (auto [label, n] : captions) label->setText(ToQt(UiText(texts, n)));
    // An English-only installation offers no choice of language.
    Label7->setVisible(!app_.startup.EnglishOnly);
    cb_lang->setVisible(!app_.startup.EnglishOnly);
    SetControls(app_.learner.settings);
    B_OK->hide();
    PictureDialog::showEvent(event);
}

void TOpcjeForm::SetControls(const Settings& s) {
    // The item of the learner's language, wherever the installed languages put it.
    for (size_t i = 0; i < languages_.size(); ++i)
        if (languages_[i].Number == app_.startup.LangIndex) cb_lang->setCurrentIndex(static_cast<int>(i));
    cb_wielkoscliter->setChecked(s.CaseSensitive);
    cb_countletters->setChecked(s.ShowLetterCount);
    CB_czy_Powtorki->setChecked(s.RepetitionsOn);
    CB_Powtorki_gdy_przerwano->setChecked(s.RepetitionsWhenInterrupted);
    E_powtorki_wynik->setText(QString::number(s.RepetitionThreshold));
    E_powtorki_interwal->setText(QString::number(s.FirstRepetitionInterval));
}

Settings TOpcjeForm::FromControls() const {
    Settings s = app_.learner.settings;
    const int item = cb_lang->currentIndex();
    s.LangIndex = !app_.startup.EnglishOnly && item >= 0 && item < static_cast<int>(languages_.size())
                      ? languages_[static_cast<size_t>(item)].Number
                      : app_.startup.LangIndex;
    s.CaseSensitive = cb_wielkoscliter->isChecked();
    s.ShowLetterCount = cb_countletters->isChecked();
    s.RepetitionsOn = CB_czy_Powtorki->isChecked();
    s.RepetitionsWhenInterrupted = CB_Powtorki_gdy_przerwano->isChecked();
    s.RepetitionThreshold = IntOfTrimmed(FromQt(E_powtorki_wynik->text()));
    s.FirstRepetitionInterval = IntOfTrimmed(FromQt(E_powtorki_interwal->text()));
    return s;
}

void TOpcjeForm::B_OKClick() {
    const int problem = RepetitionFieldsProblem(FromQt(E_powtorki_wynik->text()), FromQt(E_powtorki_interwal->text()));
    if (problem != 0) {
        forms_.form20->ShowMessage(UiText(app_.course.interfaceTexts, problem));
        return;
    }
    bool languageChanged = false;
    try {
        languageChanged = ConfirmSettings(app_, FromControls());
    } catch (const std::exception& error) {
        // Nothing changed: told, and the window stays.
        app_.services.messages->Error(error.what());
        return;
    }
    accept();
    if (languageChanged) emit InterfaceLanguageChanged();
}

void TOpcjeForm::keyPressEvent(QKeyEvent* event) {
    const auto confirm = [this] { if (!B_OK->isHidden()) B_OKClick(); };
    if (!TakeWindowKey(*event, forms_.help.get(), "h_pres.html", [this] { reject(); }, confirm))
        PictureDialog::keyPressEvent(event);
}

}  // namespace quillan
