#include "exercises/reading/curiosity_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "audio/multimedia_form.h"
#include "audio/resource_form.h"
#include "controls/button_pictures.h"
#include "controls/course_window.h"
#include "controls/picture_controls.h"
#include "controls/pictures.h"
#include "controls/transparent_button.h"
#include "controls/widget_style.h"
#include "forms/shared_forms.h"
#include "guidance/information_form.h"
#include "help/dictionary_launcher.h"
#include "help/help_form.h"
#include "platform/qt/qt_text.h"
#include "session/app_context.h"
#include "text/numbered_texts.h"

namespace quillan {
namespace {

constexpr int kAreaLeft = 50, kAreaTop = 150;
constexpr int kSideButtonLeft = 957;

}  // namespace

QFont CuriosityFont(bool bold, bool italic) {
    QFont font = PointFont("Verdana", 10, bold);
    font.setItalic(italic);
    return font;
}

void PaintCuriosity(QPainter& painter, CuriosityText& text) {
    QFont fonts[2][2];
    for (int bold = 0; bold < 2; ++bold)
        for (int italic = 0; italic < 2; ++italic) fonts[bold][italic] = CuriosityFont(bold, italic);
    const QFontMetrics metrics[2][2] = {{QFontMetrics(fonts[0][0]), QFontMetrics(fonts[0][1])},
                                        {QFontMetrics(fonts[1][0]), QFontMetrics(fonts[1][1])}};
    const CuriosityPage page = text.Paint([&](const std::string& word, bool bold, bool italic) {
        return metrics[bold][italic].horizontalAdvance(ToQt(word));
    });
    painter.setPen(QColor(Qt::black));
    for (const CuriosityWord& word : page.words) {
        if (word.y + CuriosityText::kLineStep < 0 || word.y > CuriosityText::kHeight) continue;
        painter.setFont(fonts[word.bold][word.italic]);
        painter.drawText(word.x, word.y + metrics[word.bold][word.italic].ascent(), ToQt(word.text));
    }
}

TCuriosityBox::TCuriosityBox(CuriosityText& text, QWidget* parent) : QWidget(parent), text_(text) {
    setObjectName("DXRamka");
    resize(CuriosityText::kWidth, CuriosityText::kHeight);
}

void TCuriosityBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(rect());
    const bool measured = text_.Measured();
    PaintCuriosity(painter, text_);
    if (!measured) emit painted();
}

TTekstOpisForm::TTekstOpisForm(AppContext& context, SharedForms& forms, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), context_(context), forms_(forms), curiosity_(context) {
    SetUpCourseWindow(*this, "TTekstOpisForm", context_.startup.AppTitle);
    SetBackgroundColour(*this, Qt::white);
    TMyImageList& images = forms_.form5->MyImageList1;

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, 1024, 768);
    img_tlo = new QLabel(this);
    img_tlo->setObjectName("img_tlo");
    img_tlo->setGeometry(924, 0, 100, 768);
    lbl_polecenie = new QLabel(this);
    lbl_polecenie->setObjectName("lbl_polecenie");
    lbl_polecenie->setGeometry(kAreaLeft, 70, 820, 60);
    lbl_polecenie->setFont(PixelFont("Verdana", 13));
    lbl_polecenie->setWordWrap(true);
    lbl_polecenie->setText(
        "Did you know it? Read the text or listen to the recording and learn some interesting or bizarre facts "
        "related to the topic.");
    DXRamka = new TCuriosityBox(curiosity_.Text(), this);
    DXRamka->move(kAreaLeft, kAreaTop);
    connect(DXRamka, &TCuriosityBox::painted, this, &TTekstOpisForm::ShowScrollButtons);

    btn_up = new TFCSImage1(this);
    btn_up->setObjectName("btn_up");
    btn_up->setGeometry(672, 152, 24, 24);
    btn_dn = new TFCSImage1(this);
    btn_dn->setObjectName("btn_dn");
    btn_dn->setGeometry(672, 688, 24, 24);
    for (TFCSImage1* arrow : {btn_up, btn_dn}) {
        arrow->setCursor(Qt::PointingHandCursor);
        arrow->hide();
    }
    connect(btn_up, &TMImage::clicked, this, [this] {
        curiosity_.Text().ScrollUp();
        ShowScrollButtons();
        DXRamka->update();
    });
    connect(btn_dn, &TMImage::clicked, this, [this] {
        curiosity_.Text().ScrollDown();
        ShowScrollButtons();
        DXRamka->update();
    });

    auto button = [&](const char* name, int picture, int top) {
        TTransparentButton* b = ImageButton(this, images, picture, name);
        b->move(kSideButtonLeft, top);
        return b;
    };
    btn_tlumacz = button("btn_tlumacz", 17, 200);
    btn_slownik = button("btn_slownik", pictures::Dictionary, 610);
    btn_help = button("btn_help", pictures::Help, 660);
    btn_exit = button("btn_exit", pictures::ClosePanel, 712);
    btn_exit->move(kSideButtonLeft + 4, 712);
    connect(btn_tlumacz, &TTransparentButton::clicked, this, [this] {
        forms_.informacja->PanelKey = curiosity_.Translation();
        forms_.informacja->exec();
    });
    connect(btn_slownik, &TTransparentButton::clicked, this, [this] {
        if (context_.services.processLauncher) OpenDictionary(context_.startup, *context_.services.processLauncher);
    });
    connect(btn_help, &TTransparentButton::clicked, this, [this] {
        forms_.informacja->PanelKey = "HH_" + UiText(context_.course.interfaceTexts, 143);
        forms_.informacja->exec();
    });
    connect(btn_exit, &TTransparentButton::clicked, this, [this] {
        if (context_.services.soundPlayer) context_.services.soundPlayer->StopSound();
        CloseMedia();
        close();
    });
}

TTekstOpisForm::~TTekstOpisForm() = default;

bool TTekstOpisForm::OpenExercise(const std::string& exerciseId, int number) {
    if (isVisible()) close();  // the curiosity open before reports first
    if (!curiosity_.Open(exerciseId, number)) return false;
    TMyImageList& images = forms_.form5->MyImageList1;
    btn_up->setPixmap(images.FramePixmap(pictures::ListUp, 0));
    btn_dn->setPixmap(images.FramePixmap(pictures::ListDown, 0));
    btn_up->hide();
    btn_dn->hide();
    const InterfaceTexts& texts = context_.course.interfaceTexts;
    btn_tlumacz->setToolTip(ToQt(UiText(texts, 160)));
    btn_slownik->setToolTip(ToQt(UiText(texts, 161)));
    img_tlo->setPixmap(LoadPicture(context_.startup.ProgramDir + "gfx_r\\pod_pasek_help.bmp"));
    ShowBackground();

    ShowCentred(*this);
    DXRamka->update();
    // The recording waits in the small player over the window; the learner starts it.
    if (!curiosity_.RecordingPath().empty()) {
        TMultimediaForm& media = *forms_.multimedia;
        media.SetOffsets(50, 10);
        media.SetBookmarks(Bookmarks{});
        media.ShowMedia(2, curiosity_.RecordingPath());
    }
    return true;
}

void TTekstOpisForm::ShowScrollButtons() {
    const CuriosityText& text = curiosity_.Text();
    btn_up->setVisible(text.UpVisible());
    btn_dn->setVisible(text.DownVisible());
}

void TTekstOpisForm::ShowBackground() { Image1->setPixmap(LoadPicture(curiosity_.Background())); }

void TTekstOpisForm::CloseMedia() {
    forms_.multimedia->ClearOpenMark();
    forms_.multimedia->hide();
}

void TTekstOpisForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_F1:
            forms_.help->ShowHelpPage("h_comp.html#ciekawostki");
            return;
        case Qt::Key_F4:
            curiosity_.RandomBackground();
            ShowBackground();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void TTekstOpisForm::closeEvent(QCloseEvent* event) {
    CloseMedia();
    curiosity_.Close();
    Image1->clear();
    img_tlo->clear();
    QWidget::closeEvent(event);
}

}  // namespace quillan
