#pragma once

#include <QFont>
#include <QWidget>
#include <functional>
#include <string>

class QPainter;

namespace quillan {

class PuzzleBoard;
class SentenceExercise;

// The face of the puzzle's words: "Arial", 14 points.
QFont PuzzleFont();

// The measures the puzzle lays its words out with: the width of a text in the font, and the
// height of a word.
struct PuzzleMetrics {
    std::function<int(const std::string&)> width;
    int lineHeight = 0;
};
PuzzleMetrics MetricsOf(const QFont& font);

// Draws the words where the board placed them, each followed by two blanks; the word picked up
// in grey, the others in black, over whatever lies beneath.
void PaintPuzzle(QPainter& painter, const PuzzleBoard& board, const QFont& font);

// pb_tresc: the puzzle's words, painted from the exercise, with the pointer and the buttons over
// it forwarded (paint-box coordinates). A press that starts a drag keeps the pointer until the
// release, so the drag's moves and its drop come here wherever the pointer goes.
class TPuzzleBox : public QWidget {
    Q_OBJECT
public:
    TPuzzleBox(SentenceExercise& exercise, QWidget* parent);

signals:
    void pointerMoved(QPoint at);
    void pressed(QPoint at, bool leftButton);
    void draggedTo(QPoint at);
    void dropped(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    SentenceExercise& exercise_;
};

}  // namespace quillan
