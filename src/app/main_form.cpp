#include "app/main_form.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QUrl>

#include "session/app_context.h"
#include "app/exit_form.h"
#include "app/main_menu.h"
#include "app/settings_form.h"
#include "forms/shared_forms.h"
#include "audio/multimedia_form.h"
#include "audio/resource_form.h"
#include "controls/picture_controls.h"
#include "controls/pictures.h"
#include "controls/transparent_button.h"
#include "help/help_form.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/smooth_pictures.h"

namespace quillan {
namespace {

constexpr int kExercisesPicture = 22, kRepetitionsPicture = 46, kExitPicture = 43;

}  // namespace

TMainForm::TMainForm(AppContext& context, SharedForms& forms, QWidget* parent)
    : QWidget(parent), context_(context), forms_(forms) {
    setObjectName("TMainForm");
    setWindowFlag(Qt::FramelessWindowHint);
    setFixedSize(1024, 768);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(ToQt(context_.startup.AppTitle));
    TMyImageList& images = forms_.form5->MyImageList1;

    // The labels are painted in the background picture; these areas lie over them.
    const auto area = [this](const QRect& place) {
        auto* label = new TMLabel(this);
        label->setGeometry(place);
        label->setCursor(Qt::PointingHandCursor);
        return label;
    };
    lbl_autorzy = area({716, 108, 289, 133});
    lbl_serwisy = area({718, 668, 233, 49});
    lbl_pomoc = area({44, 736, 69, 29});
    lbl_opcje = area({148, 736, 101, 29});
    m_subj = new TTransparentButton(this, &images, kExercisesPicture);
    m_subj->move(46, 620);
    l_powtorki = new TTransparentButton(this, &images, kRepetitionsPicture);
    l_powtorki->move(170, 620);
    l_powtorki->setToolTip("Repetitions");
    l_powtorki->hide();
    lbl_exit = new TTransparentButton(this, &images, kExitPicture);
    lbl_exit->move(999, 0);
    for (TTransparentButton* button : {m_subj, l_powtorki, lbl_exit}) button->setCursor(Qt::PointingHandCursor);

    form24_ = std::make_unique<TForm24>(context_, images);

    connect(m_subj, &TTransparentButton::clicked, this, [this] { emit ChartRequested(1, false); });
    connect(l_powtorki, &TTransparentButton::clicked, this, [this] { emit ChartRequested(2, true); });
    connect(lbl_pomoc, &TMLabel::clicked, this, [this] { ShowHelp(MainHelpPage(context_.startup)); });
    connect(lbl_autorzy, &TMLabel::clicked, this, [this] { ShowHelp(AuthorsPage(context_.startup)); });
    connect(lbl_serwisy, &TMLabel::clicked, this, [] { QDesktopServices::openUrl(QUrl(kPublisherAddress)); });
    connect(lbl_opcje, &TMLabel::clicked, this, [this] { SettingsForm().exec(); });
    connect(lbl_exit, &TTransparentButton::clicked, this, &QWidget::close);
    // The background is read as the menu shows.
}

TMainForm::~TMainForm() = default;

TOpcjeForm& TMainForm::SettingsForm() {
    if (!opcje_) {
        opcje_ = std::make_unique<TOpcjeForm>(context_, forms_);
        connect(opcje_.get(), &TOpcjeForm::InterfaceLanguageChanged, this, &TMainForm::InterfaceLanguageChanged);
    }
    return *opcje_;
}

void TMainForm::LoadLanguagePictures() {
    const StartupState& s = context_.startup;
    background_ = LoadPicture(s.ProgramDir + s.LangDir + "gfx_r\\Main_rozum.jpg");
    update();
}

void TMainForm::UpdateRepetitionsButton() { l_powtorki->setVisible(RepetitionsButtonShown(context_)); }

void TMainForm::ShowHelp(const std::string& page) { forms_.help->ShowPage(page); }

void TMainForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    SmoothPictures(painter);
    if (background_.isNull())
        painter.fillRect(rect(), QColor(0x1d, 0x2b, 0x3a));
    else
        painter.drawPixmap(rect(), background_);
}

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;  // brought back from the task bar: nothing to do
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
    setWindowTitle(ToQt(context_.startup.AppTitle));
    LoadLanguagePictures();
    if (SoundPlayer* player = context_.services.soundPlayer) player->PlaySound(OpeningSound(context_.startup), false);
    UpdateRepetitionsButton();
}

void TMainForm::changeEvent(QEvent* event) {
    // Back in the menu the media window of an exercise is put away for good.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && forms_.multimedia) {
        forms_.multimedia->ClearOpenMark();
        forms_.multimedia->hide();
    }
    QWidget::changeEvent(event);
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelp(MainHelpPage(context_.startup));
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    const bool leaving = context_.startup.ClassroomMode == 1 && ClassroomLeaving ? ClassroomLeaving() : form24_->Confirm();
    if (!leaving) {
        event->ignore();
        return;
    }
    update();
    event->accept();
    emit ProgramEnding();
}

}  // namespace quillan
