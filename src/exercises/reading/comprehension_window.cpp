#include "exercises/reading/comprehension_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include "audio/resource_form.h"
#include "controls/button_pictures.h"
#include "controls/course_window.h"
#include "controls/picture_controls.h"
#include "controls/pictures.h"
#include "controls/transparent_button.h"
#include "controls/widget_style.h"
#include "forms/shared_forms.h"
#include "exercises/sentences/summary_window.h"
#include "help/help_form.h"
#include "platform/qt/qt_text.h"
#include "session/app_context.h"
#include "text/numbered_texts.h"

namespace quillan {
namespace {

constexpr int kTextLeft = 112, kTextWidth = 800;
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;

}  // namespace

TRozumienieForm::TRozumienieForm(AppContext& context, SharedForms& forms, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), context_(context), forms_(forms), exercise_(context) {
    SetUpCourseWindow(*this, "TRozumienieForm", context_.startup.AppTitle);
    SetBackgroundColour(*this, Qt::black);
    TMyImageList& images = forms_.form5->MyImageList1;
    const QString face = ToQt(context_.startup.InterfaceFont);

    img_tlo = new QLabel(this);
    img_tlo->setObjectName("img_tlo");
    img_tlo->setGeometry(0, 0, 1024, 768);
    lbl_polecenie = SentenceLabel(this, "lbl_polecenie", QRect(kTextLeft, 110, kTextWidth, 56), PointFont(face, 14, true),
                                  QColor(0x0e, 0x2a, 0x47), kCentred);
    for (int i = 0; i < 3; ++i) {
        TMImage* picture = new TMImage(this);
        img[static_cast<size_t>(i)] = picture;
        picture->setObjectName(QString("img_%1").arg(i + 1));
        picture->setGeometry(kPictureLeft + kPictureStep * i, kPictureTop, kPictureWidth, kPictureHeight);
        picture->setScaledContents(true);
        connect(picture, &TMImage::clicked, this, [this, i] {
            exercise_.PictureClicked(i + 1);
            Refresh();
        });
    }
    shape1 = new QLabel(this);
    shape1->setObjectName("shape1");
    shape1->resize(40, 40);
    shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape2 = new QLabel(this);
    shape2->setObjectName("shape2");
    shape2->resize(40, 40);
    shape2->setAttribute(Qt::WA_TransparentForMouseEvents);
    lbl_polskie = SentenceLabel(this, "lbl_polskie", QRect(kTextLeft, 440, kTextWidth, 50), PointFont(face, 13),
                                QColor(0x00, 0x65, 0x9c), kCentred);
    lbl_angielskie2 = SentenceLabel(this, "lbl_angielskie2", QRect(kTextLeft, 492, kTextWidth, 60),
                                    PointFont("Arial", 18, true), QColor(0x0e, 0x2a, 0x47), kCentred);

    btn_play = ImageButton(this, images, 49, "btn_play");
    btn_play->move(kPictureLeft - 40 - btn_play->width() / 2, kPictureTop + (kPictureHeight - btn_play->height()) / 2);
    connect(btn_play, &TTransparentButton::clicked, this, [this] { exercise_.PlayExample(); });
    btn_next = ImageButton(this, images, 48, "btn_next");
    btn_next->move(kPictureLeft + 2 * kPictureStep + kPictureWidth + 20, kPictureTop + (kPictureHeight - btn_next->height()) / 2);
    connect(btn_next, &TTransparentButton::clicked, this, [this] {
        if (exercise_.NextClicked())
            close();
        else
            Refresh();
    });
    lbl_koniec = ImageButton(this, images, pictures::ClosePanel, "lbl_koniec");
    lbl_koniec->move(1024 - lbl_koniec->width() - 20, 20);
    connect(lbl_koniec, &TTransparentButton::clicked, this, &QWidget::close);

    exercise_.onScreenChanged = [this] { Refresh(); };
    exercise_.beep = [] { QApplication::beep(); };
}

TRozumienieForm::~TRozumienieForm() = default;

bool TRozumienieForm::OpenExercise(const std::string& exerciseId, int number) {
    if (isVisible()) close();  // the exercise open before reports first
    picturesShown_ = {};
    if (!exercise_.Open(exerciseId, number)) return false;
    shape1->setPixmap(IconPicture("znak_ok"));
    shape2->setPixmap(IconPicture("znak_zle"));
    btn_play->setToolTip(ToQt(UiText(context_.course.interfaceTexts, 52)));
    ShowCentred(*this);
    Refresh();
    return true;
}

void TRozumienieForm::Refresh() {
    const ComprehensionScreen& s = exercise_.Screen();
    if (s.background != backgroundShown_) {
        img_tlo->setPixmap(LoadPicture(s.background));
        backgroundShown_ = s.background;
    }
    lbl_polecenie->setText(ToQt(s.instruction));
    for (size_t i = 0; i < 3; ++i) {
        TMImage* picture = img[i];
        if (picturesShown_[i] != s.pictures[i]) {
            picture->setPixmap(LoadPicture(s.pictures[i]));
            picturesShown_[i] = s.pictures[i];
        }
        picture->Tag = static_cast<int>(i) + 1 == s.rightPicture ? 1 : 0;
        picture->setVisible(!s.pictures[i].empty());
        picture->setCursor(s.picturesActive ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
    // The tick above the picture clicked right, or at the corner of the right one after the
    // third wrong answer; the cross above the picture clicked wrong.
    auto above = [&](QLabel* mark, int picture) {
        const QRect box = img[static_cast<size_t>(picture) - 1]->geometry();
        mark->move(box.right() + 1 - 40, box.top() - 40);
    };
    if (s.tick > 0) {
        if (s.tickAtCorner)
            shape1->move(img[static_cast<size_t>(s.tick) - 1]->geometry().topLeft() - QPoint(3, 3));
        else
            above(shape1, s.tick);
    }
    shape1->setVisible(s.tick > 0);
    if (s.cross > 0) above(shape2, s.cross);
    shape2->setVisible(s.cross > 0);
    shape1->raise();
    shape2->raise();
    lbl_polskie->setText(ToQt(s.polish));
    lbl_polskie->setVisible(s.polishVisible);
    lbl_angielskie2->setText(ToQt(s.english));
    lbl_angielskie2->setVisible(s.englishVisible);
    btn_next->setVisible(s.nextVisible);
}

void TRozumienieForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        forms_.help->ShowHelpPage("h_comp.html#zdj");
        return;
    }
    QWidget::keyPressEvent(event);
}

void TRozumienieForm::closeEvent(QCloseEvent* event) {
    if (exercise_.IsOpen()) {
        ShowSummary(*forms_.form25, exercise_.Close());
    }
    img_tlo->clear();
    for (TMImage* picture : img) picture->clear();
    picturesShown_ = {};
    backgroundShown_.clear();
    QWidget::closeEvent(event);
}

}  // namespace quillan
