#include "exercises/texts/dragged_words.h"

#include <QLabel>
#include <algorithm>

#include "controls/widget_style.h"
#include "exercises/texts/label_drag.h"

namespace quillan {

void AddDraggedWords(QWidget* window, LabelDrag& drag, std::span<QLabel*> labels, const QFont& font) {
    for (size_t k = 0; k < labels.size(); ++k) {
        QLabel* label = new QLabel(window);
        labels[k] = label;
        label->setObjectName("lbl_" + QString::number(k + 1));
        label->setFont(font);
        label->setStyleSheet("color: black;");
        label->hide();
        drag.Add(label, static_cast<int>(k));
    }
}

QLabel* MeasuringLabel(QWidget* window) {
    auto* label = new QLabel(window);
    label->setObjectName("lbl_tmp");
    label->setFont(PixelFont("Arial", 13));
    label->hide();
    return label;
}

int WordWidth(QLabel& measuring, const QFont& labelFont, const QString& word) {
    measuring.setText(word);
    return std::max(measuring.fontMetrics().horizontalAdvance(word), QFontMetrics(labelFont).horizontalAdvance(word));
}

}  // namespace quillan
