#pragma once

// The parts the windows whose learner drags words (definitions, the drag-and-drop table, the
// ordering list) make alike: the word labels and the label that measures the words.

#include <QFont>
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

}  // namespace quillan
