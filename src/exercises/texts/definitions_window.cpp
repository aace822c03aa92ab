#include "exercises/texts/definitions_window.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

#include "controls/widget_style.h"
#include "exercises/texts/content_source.h"
#include "exercises/texts/dragged_words.h"
#include "exercises/texts/label_drag.h"
#include "exercises/texts/marked_text_painter.h"
#include "exercises/texts/paint_box.h"
#include "exercises/texts/text_exercise_content.h"
#include "platform/qt/qt_text.h"
#include "session/app_context.h"

namespace quillan {
namespace {

const TextExerciseWindowTraits kTraits{"TC_DefForm", 45, "btn_sprawdz", 23, 135, "#filmy", "PaintBox1", "img_Tlo"};

constexpr int kHintPause = 20000;  // the marks' hints stay up longer in this window

QRect ToRect(const DfRect& r) { return QRect(r.X, r.Y, r.W, r.H); }

}  // namespace

TC_DefForm::TC_DefForm(AppContext& context, SharedForms& forms, CurrentText& text, QWidget* parent)
    : TextExerciseFrame(context, forms, text, kTraits, parent),
      exercise_(*context.services.random),
      measure_(MarkedTextMeasure(ToQt(context.startup.InterfaceFont))),
      drag_(new LabelDrag(*this)) {
    DxRamka = new PaintBox(this);
    DxRamka->setObjectName("DxRamka");
    DxRamka->onPaint = [this](QPainter& painter) { Paint(painter); };

    for (int i = 0; i < kDfEntryLimit; ++i) {
        const size_t k = static_cast<size_t>(i);
        const QString n = QString::number(i + 1);
        shp[k] = new QFrame(this);
        shp[k]->setObjectName("shp" + n);
        shp[k]->setStyleSheet("border: 1px solid rgb(1, 153, 202);");
        podkl[k] = new QLabel(this);
        podkl[k]->setObjectName("podkl_" + n);
        podkl[k]->setStyleSheet("background: white;");
        mys[k] = new QFrame(this);
        mys[k]->setObjectName("mys_" + n);
        mys[k]->setStyleSheet("background: rgb(18, 58, 94);");
        img[k] = new QLabel(this);
        img[k]->setObjectName("img_" + n);
        img[k]->resize(kDfMarkSize, kDfMarkSize);
        img[k]->setToolTipDuration(kHintPause);
        for (QWidget* part : std::initializer_list<QWidget*>{shp[k], podkl[k], mys[k], img[k]}) part->hide();
    }
    AddDraggedWords(this, *drag_, lbl, PixelFont(ToQt(context.startup.InterfaceFont), 13, true));
    drag_->onStart = [this](int label) { return exercise_.StartDrag(label); };
    drag_->onDrop = [this](int label, QPoint at) { Dropped(label, at); };
    drag_->onCancel = [this](int) { PlaceLabels(); };
}

TC_DefForm::~TC_DefForm() = default;

void TC_DefForm::PrepareContent(const TextExercise& exercise) {
    drag_->Cancel();
    const DfContent content = ParseTypeLine(exercise, ParseDefinitions);
    exercise_.Prepare(content);
}

int TC_DefForm::InstructionWidth(int left, int width) const { return InstructionWidthUpTo(865, left, width); }

void TC_DefForm::ApplyLayout(const LayoutValues& layout) {
    const std::vector<DfLabel>& labels = exercise_.Labels();
    std::vector<DfSize> sizes;
    for (size_t i = 0; i < lbl.size(); ++i) {
        if (i < labels.size()) {
            lbl[i]->setText(ToQt(labels[i].Term));
            lbl[i]->adjustSize();
            sizes.push_back(DfSize{lbl[i]->width(), lbl[i]->height()});
        }
        lbl[i]->setVisible(i < labels.size());
        lbl[i]->setCursor(Qt::PointingHandCursor);
    }
    screen_ = LayOutDefinitions(exercise_, sizes, LayoutOr(layout[5], 150), measure_);
    DxRamka->setGeometry(ToRect(screen_.Box));
    for (size_t s = 0; s < podkl.size(); ++s) {
        const bool used = s < screen_.Slots.size();
        if (used) {
            podkl[s]->setGeometry(ToRect(screen_.Slots[s]));
            shp[s]->setGeometry(ToRect(screen_.Frames[s]));
            mys[s]->setGeometry(ToRect(screen_.Dashes[s]));
            img[s]->setGeometry(ToRect(screen_.Marks[s]));
        }
        for (QWidget* part : std::initializer_list<QWidget*>{podkl[s], shp[s], mys[s]}) part->setVisible(used);
        img[s]->hide();
        img[s]->setToolTip(QString());
    }
    PlaceLabels();
    DxRamka->update();
}

void TC_DefForm::PlaceLabels() {
    for (size_t i = 0; i < exercise_.Labels().size(); ++i) {
        lbl[i]->setGeometry(ToRect(DfLabelPlace(screen_, exercise_, static_cast<int>(i))));
        lbl[i]->raise();
    }
}

void TC_DefForm::Paint(QPainter& painter) {
    painter.setPen(Qt::black);
    DrawPlacedWords(painter, ToQt(Context().startup.InterfaceFont), screen_.Words);
}

void TC_DefForm::Dropped(int label, QPoint at) {
    exercise_.Drop(label, DfSlotAt(screen_, at.x(), at.y()));
    PlaceLabels();
}

void TC_DefForm::CheckContent() {
    drag_->Cancel();
    exercise_.Check();
    const std::vector<DfSlot>& judged = exercise_.Slots();
    for (size_t s = 0; s < judged.size() && s < img.size(); ++s) {
        const bool right = judged[s].Mark == DfMark::Right;
        img[s]->setPixmap(right ? RightMark() : WrongMark());
        img[s]->setToolTip(right ? QString() : ToQt(judged[s].Hint));
        img[s]->setVisible(judged[s].Mark != DfMark::None);
        img[s]->raise();
    }
    PlaceLabels();
    for (QLabel* label : lbl) label->setCursor(Qt::ArrowCursor);
    DxRamka->update();
}

void TC_DefForm::CloseContent() {
    drag_->Cancel();
    for (QLabel* mark : img) mark->clear();
}

}  // namespace quillan
