#include "guidance/information_form.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "context/window_context.h"
#include "controls/button_pictures.h"
#include "controls/image_list.h"
#include "controls/picture_controls.h"
#include "controls/pictures.h"
#include "controls/transparent_button.h"
#include "controls/window_dragger.h"
#include "controls/widget_style.h"
#include "guidance/panel_icons.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/smooth_pictures.h"

namespace quillan {
namespace {

QFont PanelFont(PanelStyle style) {
    QFont font("Verdana");
    font.setPointSize(10);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

// Widths in the panel's four font styles.
class QtPanelMetrics : public PanelMetrics {
public:
    QtPanelMetrics()
        : fonts_{QFontMetrics(PanelFont({false, false})), QFontMetrics(PanelFont({false, true})),
                 QFontMetrics(PanelFont({true, false})), QFontMetrics(PanelFont({true, true}))} {}
    int TextWidth(std::string_view text, PanelStyle style) const override {
        return fonts_[(style.bold ? 2 : 0) + (style.italic ? 1 : 0)].horizontalAdvance(ToQt(text));
    }
    int IconWidth(PanelIcon icon) const override { return PanelIconPicture(icon).width(); }

private:
    QFontMetrics fonts_[4];
};

}  // namespace

PanelTextBox::PanelTextBox(TInformacjaForm& form, QWidget* parent) : QWidget(parent), form_(form) {}

void PanelTextBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    form_.PaintPanel(painter);
}

TInformacjaForm::TInformacjaForm(WindowContext context, TMyImageList& images, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint), context_(context), images_(images) {
    setObjectName("TInformacjaForm");
    setWindowTitle(ToQt(context_.startup.AppTitle));
    setFixedSize(455, 266);
    setModal(true);
    SetBackgroundColour(*this, Qt::white);

    Image2 = new QLabel(this);
    Image2->setGeometry(0, 0, 455, 266);
    Label1 = new QLabel(this);
    Label1->setGeometry(0, 0, 421, 33);
    Label1->setCursor(Qt::PointingHandCursor);
    new WindowDragger(Label1, this);
    Pb1 = new PanelTextBox(*this, this);
    Pb1->setGeometry(12, 52, 381, 201);

    btn_up = new TFCSImage1(this);
    btn_dn = new TFCSImage1(this);
    for (TFCSImage1* arrow : {btn_up, btn_dn}) {
        arrow->setCursor(Qt::PointingHandCursor);
        arrow->hide();
    }
    connect(btn_up, &TFCSImage1::clicked, this, &TInformacjaForm::ScrollUp);
    connect(btn_dn, &TFCSImage1::clicked, this, &TInformacjaForm::ScrollDown);

    B_OK = new TTransparentButton(this, &images_, pictures::ClosePanel);
    B_OK->setToolTip(QString::fromUtf8("Wyjście"));
    B_OK->setCursor(Qt::PointingHandCursor);
    connect(B_OK, &TTransparentButton::clicked, this, &QDialog::accept);
}

// Chooses the background, cuts the text into tokens and goes back to the top.
void TInformacjaForm::PrepareText() {
    const PanelTopic topic = ReadPanelKey(PanelKey);
    help_ = topic.help;
    const StartupState& s = context_.startup;
    Image2->setPixmap(LoadPicture(s.ProgramDir + s.LangDir + (help_ ? "gfx_r\\help.bmp" : "gfx_r\\tlumaczenia.bmp")));
    tokens_ = TokenizePanelText(topic.text);
    scroll_.Reset();
    ShowScrollButtons();
    Pb1->update();
}

void TInformacjaForm::showEvent(QShowEvent* event) {
    PrepareText();
    // The arrows and the close button take their pictures from the shared list, which the
    // interface language may have changed since.
    btn_up->setPixmap(images_.FramePixmap(pictures::ArrowUp, 0));
    btn_dn->setPixmap(images_.FramePixmap(pictures::ArrowDown, 0));
    for (TFCSImage1* arrow : {btn_up, btn_dn}) arrow->adjustSize();
    // The arrows stand in the column right of the text area.
    const int column = (Pb1->geometry().right() + 1 + width()) / 2;
    btn_up->move(column - btn_up->width() / 2, Pb1->y());
    btn_dn->move(column - btn_dn->width() / 2, Pb1->geometry().bottom() + 1 - btn_dn->height());
    B_OK->move(width() - B_OK->width() - 6, 6);
    QDialog::showEvent(event);
}

void TInformacjaForm::PaintPanel(QPainter& painter) {
    SmoothPictures(painter);
    const QtPanelMetrics metrics;
    const PanelLayout layout = LayOutPanel(tokens_, scroll_.ScrollLine, Pb1->width(), metrics);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    for (const PanelPiece& piece : layout.pieces) {
        if (piece.icon != PanelIcon::None) {
            painter.drawPixmap(piece.x, piece.y, PanelIconPicture(piece.icon));
            continue;
        }
        painter.setFont(PanelFont(piece.style));
        painter.drawText(QRect(piece.x, piece.y, Pb1->width(), kPanelLineHeight), Qt::AlignLeft | Qt::AlignTop,
                         ToQt(piece.text));
    }
    if (scroll_.NeedsMeasure()) {
        scroll_.Measure(layout.endY, Pb1->height());
        ShowScrollButtons();
    }
}

void TInformacjaForm::ShowScrollButtons() {
    btn_up->setVisible(scroll_.UpShown);
    btn_dn->setVisible(scroll_.DownShown);
}

void TInformacjaForm::ScrollUp() {
    scroll_.Up();
    ShowScrollButtons();
    Pb1->update();
}

void TInformacjaForm::ScrollDown() {
    scroll_.Down();
    ShowScrollButtons();
    Pb1->update();
}

void TInformacjaForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (B_OK->isVisible()) accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

// Closing lets the background picture go.
void TInformacjaForm::done(int result) {
    Image2->clear();
    QDialog::done(result);
}

}  // namespace quillan
