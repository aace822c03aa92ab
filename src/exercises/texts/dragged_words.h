#pragma once

// The parts the windows whose learner drags words (definitions, the drag-and-drop table, the
// ordering list) make alike: the word labels and the label that measures the words.

#include <QFont>
#include <QString>
#include <span>

class QLabel;
class QWidget;

namespace quillan {

class LabelDrag;

// Makes the word labels lbl_1, lbl_2, ... of the window: in `font`, black, hidden, each
// draggable under its index.
void AddDraggedWords(QWidget* window, LabelDrag& drag, std::span<QLabel*> labels, const QFont& font);

// lbl_tmp, the hidden label that measures the words in Arial at 13 pixels as the course's
// layout does.
QLabel* MeasuringLabel(QWidget* window);

// The width a word takes: as `measuring` measures it, and never less than its label shows it
// in `labelFont` (which may be wider than Arial).
int WordWidth(QLabel& measuring, const QFont& labelFont, const QString& word);

}  // namespace quillan
