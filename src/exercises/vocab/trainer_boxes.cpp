#include "exercises/vocab/trainer_boxes.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "controls/widget_style.h"
#include "exercises/vocab/trainer.h"
#include "exercises/vocab/word_frame.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/smooth_pictures.h"

namespace quillan {

TWordFrame::TWordFrame(const QString& fontFamily, QWidget* parent) : QWidget(parent) {
    setObjectName("dxramka");
    resize(kWidth, kHeight);
    setFont(PointFont(fontFamily, 14));
    setAttribute(Qt::WA_TranslucentBackground);
}

void TWordFrame::SetText(const std::string& text, bool colour) {
    text_ = text;
    colour_ = colour;
    update();
}

void TWordFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.height();
    const auto measure = [&](const std::string& piece) { return metrics.horizontalAdvance(ToQt(piece)); };
    for (const PlacedToken& token : LayoutWordFrame(WordFrameTokens(text_), width(), measure, colour_)) {
        painter.setPen(token.blue ? QColor(0, 0, 0xff) : QColor(Qt::black));
        painter.drawText(token.x, token.line * lineHeight + metrics.ascent(), ToQt(token.text));
    }
}

TWordListBox::TWordListBox(VocabTrainer& trainer, const QString& fontFamily, QWidget* parent)
    : QWidget(parent), trainer_(trainer) {
    setObjectName("dxramka_mat");
    resize(WordListPage::kWidth, WordListPage::kHeight);
    setFont(PointFont(fontFamily, 12, true));
    setMouseTracking(true);
}

void TWordListBox::paintEvent(QPaintEvent*) {
    if (trainer_.StageMode() != 0) return;
    const QFontMetrics metrics(font());
    trainer_.LayOutPage(metrics.height() + 2, [&](const std::string& text) { return metrics.horizontalAdvance(ToQt(text)); });
    const WordListPage& page = trainer_.Page();
    QPainter painter(this);
    SmoothPictures(painter);
    painter.setPen(Qt::black);
    const int recording = trainer_.RecordingRow();
    for (size_t i = 0; i < page.Rows().size(); ++i) {
        const WordListRow& row = page.Rows()[i];
        if (!page.Shown(row)) continue;
        const int y = page.PageY(row.top);
        const bool live = trainer_.Screen().takeTimerRunning && recording == static_cast<int>(i) + 1;
        painter.drawPixmap(WordListPage::kMicX, y, live && !Img_mik_on.isNull() ? Img_mik_on : Img_mik);
        if (row.speakerX >= 0) painter.drawPixmap(row.speakerX, y, img_glosnik);
        painter.drawText(WordListPage::kTextX, y + metrics.ascent() + 1, ToQt(row.text));
    }
    emit painted();
}

void TWordListBox::mouseMoveEvent(QMouseEvent* event) { emit pointerMoved(event->position().toPoint()); }

void TWordListBox::leaveEvent(QEvent*) { emit pointerLeft(); }

void TWordListBox::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position().toPoint(), event->button() == Qt::LeftButton);
}

void TWordListBox::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->position().toPoint(), event->button() == Qt::LeftButton);
}

void TWordListBox::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0) return;
    trainer_.Page().Scroll(-3 * steps);
    update();
    emit scrolled();
}

}  // namespace quillan
