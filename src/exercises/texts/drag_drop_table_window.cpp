#include "exercises/texts/drag_drop_table_window.h"

#include <QLabel>
#include <QPainter>

#include "controls/pictures.h"
#include "controls/widget_style.h"
#include "exercises/texts/dragged_words.h"
#include "exercises/texts/label_drag.h"
#include "exercises/texts/marked_text_painter.h"
#include "exercises/texts/paint_box.h"
#include "exercises/texts/text_exercise_content.h"
#include "platform/qt/qt_text.h"
#include "session/app_context.h"

namespace quillan {
namespace {

const TextExerciseWindowTraits kTraits{"TC_DDForm", 42, "btn_ok", 21, 133, "#dd", "PaintBox1", "img_tlo", ".bmp"};

constexpr int kRowHeight = 20;
constexpr int kBankLeft = 50, kBankWidth = 600, kBankGap = 20;
constexpr int kMarkSize = 18;
constexpr int kContentWidth = 924;  // PaintBox2 covers the window left of the right-hand panel

}  // namespace

TC_DDForm::TC_DDForm(AppContext& context, SharedForms& forms, CurrentText& text, QWidget* parent)
    : TextExerciseFrame(context, forms, text, kTraits, parent), exercise_(*context.services.random), drag_(new LabelDrag(*this)) {
    PaintBox2 = new PaintBox(this);
    PaintBox2->setObjectName("PaintBox2");
    PaintBox2->setGeometry(0, 0, kContentWidth, 768);
    PaintBox2->stackUnder(pb_polecenie);
    PaintBox2->onPaint = [this](QPainter& painter) { Paint(painter); };
    PaintBox2->onMouseMove = [this](QPoint at) { PointerMoved(at); };
    PaintBox2->setFont(MarkedTextFont(ToQt(context.startup.InterfaceFont), TextStyle{true, false}));

    lbl_tmp = MeasuringLabel(this);
    AddDraggedWords(this, *drag_, lbl, PixelFont(ToQt(context.startup.InterfaceFont), 13));
    drag_->carryOffset = QPoint(9, 0);
    drag_->onStart = [this](int label) { return exercise_.StartDrag(label); };
    drag_->onDrop = [this](int label, QPoint at) { Dropped(label, at); };
    drag_->onCancel = [this](int) { PlaceLabels(); };
    wykrzyknik_ = IconPicture("tmp_wykrzykniczek");
}

TC_DDForm::~TC_DDForm() = default;

void TC_DDForm::PrepareContent(const TextExercise& exercise) {
    drag_->Cancel();
    const DdContent content = ParseTypeLine(exercise, ParseDragDropTable);
    exercise_.Prepare(content);
}

int TC_DDForm::InstructionWidth(int left, int width) const { return InstructionWidthUpTo(657, left, width); }

void TC_DDForm::ApplyLayout(const LayoutValues& layout) {
    // Every column is as wide as the widest heading or word, measured in Arial; and never
    // narrower than the words as their labels show them, so that no word covers the "!" of a
    // cell beside it where the labels' font is wider than Arial.
    int widest = 0;
    for (const std::string& heading : exercise_.Headings()) {
        lbl_tmp->setText(ToQt(heading));
        widest = std::max(widest, lbl_tmp->fontMetrics().horizontalAdvance(lbl_tmp->text()));
    }
    for (const DdLabel& label : exercise_.Labels())
        widest = std::max(widest, WordWidth(*lbl_tmp, lbl[0]->font(), ToQt(label.Text)));
    table_.ColumnWidth = widest + 18;
    table_.Columns = exercise_.ColumnCount();
    table_.Rows = exercise_.RowCount();
    table_.Left = LayoutOr(layout[4], (950 - table_.ColumnWidth * table_.Columns) / 2);
    table_.Top = LayoutOr(layout[5], 250);
    const int bankTop = LayoutOr(layout[7], 150);
    lbl_komentarz->move(table_.Left, table_.Top - 45);

    // The bank: the words in their shuffled order, in lines 600 pixels wide.
    const std::vector<DdLabel>& labels = exercise_.Labels();
    int x = 0, y = bankTop;
    for (size_t i = 0; i < lbl.size(); ++i) {
        QLabel* label = lbl[i];
        label->setStyleSheet("color: black;");
        label->setToolTip(QString());
        if (i >= labels.size()) {
            label->hide();
            continue;
        }
        label->setText(ToQt(labels[i].Text));
        label->adjustSize();
        if (x + label->width() > kBankWidth) {
            x = 0;
            y += label->height();
        }
        bank_[i] = QPoint(kBankLeft + x, y);
        x += label->width() + kBankGap;
        label->setCursor(Qt::PointingHandCursor);
        label->show();
    }
    PlaceLabels();
    PaintBox2->setToolTip(QString());
    PaintBox2->setCursor(Qt::ArrowCursor);
    PaintBox2->update();
}

QPoint TC_DDForm::CellPos(int label, int column, int row) const {
    const QLabel& l = *lbl.at(static_cast<size_t>(label));
    const int columnLeft = table_.Left + (column - 1) * table_.ColumnWidth - 3;
    return QPoint(columnLeft + (table_.ColumnWidth - l.width()) / 2 + 9,
                  table_.Top + kRowHeight * row + (kRowHeight - l.height()) / 2);
}

void TC_DDForm::PlaceLabels() {
    const std::vector<DdLabel>& labels = exercise_.Labels();
    for (size_t i = 0; i < labels.size() && i < lbl.size(); ++i) {
        const DdLabel& l = labels[i];
        const int n = static_cast<int>(i);
        lbl[i]->move(l.Column > 0 ? CellPos(n, l.Column, l.Row) : bank_[i]);
        lbl[i]->raise();
    }
}

void TC_DDForm::Paint(QPainter& painter) {
    painter.setPen(Qt::black);
    painter.setFont(PaintBox2->font());
    const QFontMetrics metrics(PaintBox2->font());
    const std::vector<std::string>& headings = exercise_.Headings();
    for (size_t c = 0; c < headings.size(); ++c) {
        const QString heading = ToQt(headings[c]);
        const int x = table_.Left + static_cast<int>(c) * table_.ColumnWidth +
                      (table_.ColumnWidth - metrics.horizontalAdvance(heading)) / 2;
        painter.drawText(x, table_.Top + 3 + metrics.ascent(), heading);
    }
    if (!exercise_.State().Evaluated()) return;
    for (int c = 1; c <= exercise_.ColumnCount(); ++c)
        for (int r = 1; r <= exercise_.RowCount(); ++r)
            if (!exercise_.CellHint(c, r).empty())
                painter.drawPixmap(table_.Left + (c - 1) * table_.ColumnWidth - 3, table_.Top + kRowHeight * r, wykrzyknik_);
}

// After the check, the pointer over a "!" shows what had been in its cell.
void TC_DDForm::PointerMoved(QPoint at) {
    if (!exercise_.State().Evaluated()) return;
    PaintBox2->setToolTip(QString());
    for (int c = 1; c <= exercise_.ColumnCount(); ++c)
        for (int r = 1; r <= exercise_.RowCount(); ++r) {
            const std::string& hint = exercise_.CellHint(c, r);
            const QRect mark(table_.Left + (c - 1) * table_.ColumnWidth - 3, table_.Top + kRowHeight * r - 1, kMarkSize,
                             kMarkSize);
            if (!hint.empty() && mark.contains(at)) {
                PaintBox2->setToolTip(ToQt(hint));
                PaintBox2->setCursor(Qt::PointingHandCursor);
                return;
            }
        }
    PaintBox2->setCursor(Qt::ArrowCursor);
}

void TC_DDForm::Dropped(int label, QPoint at) {
    exercise_.Drop(label, table_.ColumnAt(at.x(), at.y()));
    PlaceLabels();
}

void TC_DDForm::CheckContent() {
    drag_->Cancel();
    exercise_.Check();
    PlaceLabels();
    for (QLabel* label : lbl) label->setCursor(Qt::ArrowCursor);
    PaintBox2->update();
}

void TC_DDForm::ShowContent() { PaintBox2->update(); }

void TC_DDForm::CloseContent() { drag_->Cancel(); }

}  // namespace quillan
