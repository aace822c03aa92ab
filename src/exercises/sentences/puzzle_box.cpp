#include "exercises/sentences/puzzle_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/widget_style.h"
#include "exercises/sentences/puzzle.h"
#include "exercises/sentences/sentence_exercise.h"
#include "platform/qt/qt_text.h"

namespace quillan {

QFont PuzzleFont() { return PointFont("Arial", 14); }

PuzzleMetrics MetricsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    return {[metrics](const std::string& text) { return metrics.horizontalAdvance(ToQt(text)); }, metrics.height()};
}

void PaintPuzzle(QPainter& painter, const PuzzleBoard& board, const QFont& font) {
    painter.setFont(font);
    const int ascent = QFontMetrics(font).ascent();
    const std::vector<std::string>& words = board.Words();
    const std::vector<WordBox>& boxes = board.Boxes();
    const int selected = board.Marks().selected;
    for (size_t i = 0; i < words.size() && i < boxes.size(); ++i) {
        painter.setPen(static_cast<int>(i) + 1 == selected ? QColor(0x80, 0x80, 0x80) : QColor(Qt::black));
        painter.drawText(boxes[i].x, boxes[i].y + ascent, ToQt(words[i] + "  "));
    }
}

TPuzzleBox::TPuzzleBox(SentenceExercise& exercise, QWidget* parent) : QWidget(parent), exercise_(exercise) {
    setObjectName("pb_tresc");
    resize(PuzzleBoard::kWidth, PuzzleBoard::kHeight);
    setFont(PuzzleFont());
    setMouseTracking(true);
}

void TPuzzleBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintPuzzle(painter, exercise_.Puzzle(), font());
}

void TPuzzleBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->buttons() & Qt::LeftButton)
        emit draggedTo(at);
    else
        emit pointerMoved(at);
}

void TPuzzleBox::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position().toPoint(), event->button() == Qt::LeftButton);
}

void TPuzzleBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit dropped(event->position().toPoint());
}

}  // namespace quillan
