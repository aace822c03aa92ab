#include "controls/widget_style.h"

#include <QLabel>
#include <QWidget>

namespace quillan {

QFont PointFont(const QString& family, int points, bool bold) {
    QFont font(family);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

QFont PixelFont(const QString& family, int pixels, bool bold) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void SetTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

void SetBackgroundColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QLabel* TextLabel(QWidget* parent, const char* name, const QRect& box, const QFont& font, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(box);
    label->setFont(font);
    SetTextColour(*label, colour);
    return label;
}

QLabel* SentenceLabel(QWidget* parent, const char* name, const QRect& box, const QFont& font, const QColor& colour,
                      Qt::Alignment alignment) {
    QLabel* label = TextLabel(parent, name, box, font, colour);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    return label;
}

}  // namespace quillan
