#include "exercises/sentences/sentence_recording_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "audio/resource_form.h"
#include "controls/button_pictures.h"
#include "controls/course_window.h"
#include "controls/message_form.h"
#include "controls/picture_controls.h"
#include "controls/pictures.h"
#include "controls/transparent_button.h"
#include "controls/widget_style.h"
#include "forms/shared_forms.h"
#include "forms/window_keys.h"
#include "guidance/information_form.h"
#include "help/dictionary_launcher.h"
#include "platform/cp1250.h"
#include "platform/qt/qt_text.h"
#include "session/app_context.h"
#include "text/numbered_texts.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

constexpr int kPanelLeft = 924, kButtonLeft = 957;

}  // namespace

RecordingSentencesBox::RecordingSentencesBox(const SentenceRecording& exercise, QWidget* parent)
    : QWidget(parent), exercise_(exercise) {
    setObjectName("PaintBox1");
}

void RecordingSentencesBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(Qt::black);
    const QFontMetrics measure(font());
    const std::vector<RecordingRow>& rows = exercise_.Rows();
    for (size_t k = 0; k < rows.size(); ++k) {
        // Word by word, each followed by a blank.
        const int y = 2 + TZdaniaNagrywanieForm::kRowHeight * static_cast<int>(k);
        int x = 0;
        std::string rest = rows[k].text;
        while (!rest.empty()) {
            const std::string word = FirstWord(rest);
            rest.erase(0, std::min(rest.size(), word.size() + 1));
            const QString piece = ToQt(word + " ");
            painter.drawText(x, y + measure.ascent(), piece);
            x += measure.horizontalAdvance(piece);
        }
    }
}

TZdaniaNagrywanieForm::TZdaniaNagrywanieForm(AppContext& context, SharedForms& forms, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), context_(context), forms_(forms), exercise_(context) {
    SetUpCourseWindow(*this, "TZdaniaNagrywanieForm", context_.startup.AppTitle);
    TMyImageList& images = forms_.form5->MyImageList1;
    const QString face = ToQt(context_.startup.InterfaceFont);

    img_tlo2 = new QLabel(this);
    img_tlo2->setObjectName("img_tlo2");
    img_tlo2->setGeometry(0, 0, 1024, 768);
    img_Tlo = new QLabel(this);
    img_Tlo->setObjectName("img_Tlo");
    img_Tlo->setGeometry(kPanelLeft, 0, 100, 768);

    lbl_polecenie = new QLabel(this);
    lbl_polecenie->setObjectName("lbl_polecenie");
    lbl_polecenie->setFont(PointFont(face, 12));
    lbl_polecenie->setWordWrap(true);
    lbl_polecenie->setGeometry(kRecordLeft, 80, 820, 50);
    lbl_polecenie->setText("Practise your speaking. Listen to the model pronunciation and then record yourself.");

    PaintBox1 = new RecordingSentencesBox(exercise_, this);
    PaintBox1->setFont(PointFont(face, 10));
    PaintBox1->setGeometry(kTextLeft, kRowsTop, 800, kRowHeight * static_cast<int>(SentenceRecording::kRowLimit) + 4);

    for (size_t k = 0; k < nag.size(); ++k) {
        const int row = static_cast<int>(k) + 1;
        const int top = kRowsTop + kRowHeight * static_cast<int>(k);
        nag[k] = new TMImage(this);
        nag[k]->setObjectName(QString("nag_%1").arg(row));
        nag[k]->Tag = row;
        nag[k]->setToolTip("Record");
        nag[k]->setGeometry(kRecordLeft, top, 18, 18);
        play[k] = new TMImage(this);
        play[k]->setObjectName(QString("play_%1").arg(row));
        play[k]->Tag = row;
        play[k]->setToolTip("Play");
        play[k]->setGeometry(kPlayLeft, top, 18, 18);
        for (TMImage* picture : {nag[k], play[k]}) {
            picture->setCursor(Qt::PointingHandCursor);
            picture->hide();
        }
        connect(nag[k], &TMImage::mouseDown, this, [this, row](QMouseEvent* event) {
            exercise_.RecordPressed(row, event->button() == Qt::LeftButton);
            Refresh();
        });
        connect(nag[k], &TMImage::mouseUp, this, [this, row](QMouseEvent*) {
            exercise_.RecordReleased(row);
            Refresh();
        });
        connect(play[k], &TMImage::clicked, this, [this, row] { exercise_.PlayRow(row); });
    }

    auto button = [&](const char* name, int picture, int top) {
        TTransparentButton* b = ImageButton(this, images, picture, name);
        b->move(kButtonLeft, top);
        return b;
    };
    btn_help = button("btn_help", pictures::Help, 620);
    connect(btn_help, &TTransparentButton::clicked, this, [this] {
        forms_.informacja->PanelKey = exercise_.HelpKey();
        forms_.informacja->exec();
    });
    btn_slownik = button("btn_slownik", pictures::Dictionary, 660);
    connect(btn_slownik, &TTransparentButton::clicked, this, [this] {
        if (context_.services.processLauncher) OpenDictionary(context_.startup, *context_.services.processLauncher);
    });
    btn_exit = button("btn_exit", pictures::ClosePanel, 712);
    btn_exit->move(kButtonLeft + 4, 712);
    connect(btn_exit, &TTransparentButton::clicked, this, &QWidget::close);

    exercise_.showInfo = [this](const std::string& text) { forms_.form20->ShowMessage(text); };
}

TZdaniaNagrywanieForm::~TZdaniaNagrywanieForm() = default;

bool TZdaniaNagrywanieForm::OpenExercise(const std::string& exerciseId, int catalogNumber) {
    img_mikrofon = IconPicture("img_mikrofon");
    img_mikrofon_on = IconPicture("img_mikrofon_on");
    img_glosnik = IconPicture("img_glosnik");
    img_Tlo->setPixmap(LoadPicture(context_.startup.ProgramDir + "gfx_r\\pod_pasek_help.bmp"));
    btn_slownik->setToolTip(ToQt(UiText(context_.course.interfaceTexts, 161)));
    ShowCentred(*this);
    backgroundShown_ = "\n";
    if (!exercise_.Open(exerciseId, catalogNumber)) {
        hide();
        return false;
    }
    Refresh();
    return true;
}

void TZdaniaNagrywanieForm::Refresh() {
    if (exercise_.Background() != backgroundShown_) {
        img_tlo2->setPixmap(LoadPicture(exercise_.Background()));
        backgroundShown_ = exercise_.Background();
    }
    const std::vector<RecordingRow>& rows = exercise_.Rows();
    for (size_t k = 0; k < nag.size(); ++k) {
        const bool shown = k < rows.size();
        if (shown) {
            nag[k]->setPixmap(rows[k].recording ? img_mikrofon_on : img_mikrofon);
            play[k]->setPixmap(img_glosnik);
        }
        nag[k]->setVisible(shown);
        play[k]->setVisible(shown);
    }
    PaintBox1->update();
}

void TZdaniaNagrywanieForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F4) {
        exercise_.RandomBackground();
        Refresh();
        return;
    }
    if (!TakeWindowKey(*event, forms_.help.get(), "h_comp.html#nagrywanie", [this] { close(); }))
        QWidget::keyPressEvent(event);
}

void TZdaniaNagrywanieForm::closeEvent(QCloseEvent* event) {
    exercise_.Close();
    img_tlo2->clear();
    backgroundShown_ = "\n";
    QWidget::closeEvent(event);
}

}  // namespace quillan
