#include "exercises/texts/ordering_list_window.h"

#include <QLabel>
#include <QPainter>

#include "controls/pictures.h"
#include "controls/widget_style.h"
#include "exercises/texts/dragged_words.h"
#include "exercises/texts/label_drag.h"
#include "exercises/texts/paint_box.h"
#include "exercises/texts/text_exercise_content.h"
#include "platform/qt/qt_text.h"
#include "session/app_context.h"

namespace quillan {
namespace {

const TextExerciseWindowTraits kTraits{"TC_DDVForm", 46, "btn_ok", 22, 134, "#ddv", "PaintBox1", "img_Tlo"};

constexpr int kContentWidth = 924;

}  // namespace

TC_DDVForm::TC_DDVForm(AppContext& context, SharedForms& forms, CurrentText& text, QWidget* parent)
    : TextExerciseFrame(context, forms, text, kTraits, parent), exercise_(*context.services.random), drag_(new LabelDrag(*this)) {
    PaintBox2 = new PaintBox(this);
    PaintBox2->setObjectName("PaintBox2");
    PaintBox2->setGeometry(0, 0, kContentWidth, 768);
    PaintBox2->stackUnder(pb_polecenie);
    PaintBox2->onPaint = [this](QPainter& painter) { Paint(painter); };

    lbl_tmp = MeasuringLabel(this);

    wykrzyknik_ = IconPicture("tmp_wykrzykniczek");
    for (size_t k = 0; k < img.size(); ++k) {
        img[k] = new QLabel(this);
        img[k]->setObjectName("img_" + QString::number(k + 1));
        img[k]->setPixmap(wykrzyknik_);
        img[k]->resize(18, 18);
        img[k]->hide();
    }
    AddDraggedWords(this, *drag_, lbl, PixelFont(ToQt(context.startup.InterfaceFont), 13));
    drag_->onStart = [this](int label) { return exercise_.StartDrag(label); };
    drag_->onDrop = [this](int label, QPoint at) { Dropped(label, at); };
    drag_->onCancel = [this](int) { PlaceLabels(); };
}

TC_DDVForm::~TC_DDVForm() = default;

void TC_DDVForm::PrepareContent(const TextExercise& exercise) {
    drag_->Cancel();
    const DvContent content = ParseTypeLine(exercise, ParseOrderingList);
    exercise_.Prepare(content);
}

int TC_DDVForm::InstructionWidth(int left, int width) const { return InstructionWidthUpTo(865, left, width); }

void TC_DDVForm::ApplyLayout(const LayoutValues& layout) {
    const std::vector<DvLabel>& labels = exercise_.Labels();
    // The list is as wide as its widest item measured in Arial, and never narrower than the items
    // as their labels show them (the labels' font may be wider than Arial).
    int widest = 0;
    for (const DvLabel& label : labels) widest = std::max(widest, WordWidth(*lbl_tmp, lbl[0]->font(), ToQt(label.Text)));
    list_.Width = widest + 31;
    list_.Rows = static_cast<int>(labels.size());
    list_.Left = LayoutOr(layout[4], (850 - list_.Width) / 2);
    list_.Top = LayoutOr(layout[5], 250);
    lbl_komentarz->move(list_.Left, list_.Top - 25);
    for (size_t i = 0; i < lbl.size(); ++i) {
        img[i]->hide();
        img[i]->setToolTip(QString());
        lbl[i]->setStyleSheet("color: black;");
        if (i >= labels.size()) {
            lbl[i]->hide();
            continue;
        }
        lbl[i]->setText(ToQt(labels[i].Text));
        lbl[i]->adjustSize();
        lbl[i]->setCursor(Qt::PointingHandCursor);
        lbl[i]->show();
    }
    PlaceLabels();
    PaintBox2->update();
}

void TC_DDVForm::PlaceLabels() {
    const std::vector<DvLabel>& labels = exercise_.Labels();
    for (size_t i = 0; i < labels.size() && i < lbl.size(); ++i) {
        lbl[i]->move(list_.Left + (list_.Width - lbl[i]->width()) / 2, list_.LabelTop(labels[i].Row));
        lbl[i]->raise();
    }
}

void TC_DDVForm::Paint(QPainter& painter) {
    if (list_.Rows == 0) return;
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(list_.Left, list_.Top), QPoint(list_.Left + list_.Width, list_.Top + kDvRowHeight * list_.Rows + 1)));
    for (int r = 1; r < list_.Rows; ++r)
        painter.drawLine(list_.Left, list_.Top + kDvRowHeight * r, list_.Left + list_.Width - 1, list_.Top + kDvRowHeight * r);
}

void TC_DDVForm::Dropped(int label, QPoint at) {
    exercise_.Drop(label, list_.RowAt(at.x(), at.y()));
    PlaceLabels();
}

void TC_DDVForm::CheckContent() {
    drag_->Cancel();
    exercise_.Check();
    for (size_t r = 0; r < img.size(); ++r) {
        const std::string& hint = exercise_.MarkHint(static_cast<int>(r) + 1);
        img[r]->setVisible(!hint.empty());
        if (hint.empty()) continue;
        img[r]->setToolTip(ToQt(hint));
        img[r]->move(list_.Left - 18, list_.LabelTop(static_cast<int>(r) + 1));
        img[r]->raise();
    }
    PlaceLabels();
    for (QLabel* label : lbl) label->setCursor(Qt::ArrowCursor);
    PaintBox2->update();
}

void TC_DDVForm::ShowContent() { PaintBox2->update(); }

void TC_DDVForm::CloseContent() { drag_->Cancel(); }

}  // namespace quillan
