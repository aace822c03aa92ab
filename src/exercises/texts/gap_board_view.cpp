#include "exercises/texts/gap_board_view.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

#include "exercises/texts/label_drag.h"
#include "exercises/texts/marked_text_painter.h"
#include "exercises/texts/paint_box.h"
#include "platform/qt/qt_text.h"

namespace quillan {
namespace {

constexpr int kMarkSize = 17;

}  // namespace

GapBoardView::GapBoardView(QWidget& window, GapWindow kind, const QString& fontFamily, const QRect& box)
    : QObject(&window), window_(window), kind_(kind), family_(fontFamily), measure_(MarkedTextMeasure(fontFamily)),
      drag_(new LabelDrag(window)) {
    Pb = new PaintBox(&window);
    Pb->setObjectName("Pb");
    Pb->setGeometry(box);
    Pb->onPaint = [this](QPainter& painter) { Paint(painter); };
    metrics_.BoxWidth = box.width();

    QFont labelFont(fontFamily);
    labelFont.setPixelSize(13);
    for (int g = 0; g < kGapLimit; ++g) {
        const size_t k = static_cast<size_t>(g);
        const QString n = QString::number(g + 1);
        wyk[k] = new QLabel(&window);
        wyk[k]->setObjectName("wyk_" + n);
        wyk[k]->resize(kMarkSize, kMarkSize);
        wyk[k]->setScaledContents(true);
        wyk[k]->hide();
        lbl[k] = new QLabel(&window);
        lbl[k]->setObjectName("lbl_" + n);
        lbl[k]->setFont(labelFont);
        lbl[k]->setStyleSheet("color: black;");
        lbl[k]->setCursor(Qt::PointingHandCursor);
        lbl[k]->hide();
        drag_->Add(lbl[k], g);
    }
    drag_->onStart = [this](int label) { return onStart && onStart(label); };
    drag_->onDrop = [this](int label, QPoint at) {
        if (onDrop) onDrop(label, at);
    };
    // A drag that cannot end puts the label back where the board says it lies.
    drag_->onCancel = [this](int label) {
        if (label >= 0 && label < kGapLimit) lbl[static_cast<size_t>(label)]->move(LabelPos(label));
    };
}

GapBoardView::~GapBoardView() = default;

void GapBoardView::SetPictures(const QPixmap& question, const QPixmap& right, const QPixmap& wrong) {
    question_ = question;
    right_ = right;
    wrong_ = wrong;
    if (!question.isNull()) {
        metrics_.QuestionWidth = question.width();
        metrics_.QuestionHeight = question.height();
    }
}

void GapBoardView::SetIconWidths(int flag, int voice) {
    metrics_.FlagWidth = flag;
    metrics_.VoiceWidth = voice;
}

void GapBoardView::Reset() {
    drag_->Cancel();
    dropAreas_.clear();
    layout_ = GapLayout();
    board_ = nullptr;
}

QPoint GapBoardView::LabelPos(int label) const {
    if (!board_ || label < 0 || label >= board_->GapCount()) return lbl.at(static_cast<size_t>(label))->pos();
    const GapLabel& l = board_->Labels()[static_cast<size_t>(label)];
    if (l.Gap >= 0 && static_cast<size_t>(l.Gap) < layout_.GapPositions.size()) {
        const GapRect& at = layout_.GapPositions[static_cast<size_t>(l.Gap)];
        return Pb->pos() + QPoint(at.X, at.Y);
    }
    return QPoint(kGapLabelLeft, GapSlotTop(l.Slot));
}

int GapBoardView::GapAtWindowPoint(QPoint at) const {
    const QPoint inBox = at - Pb->pos();
    return GapAt(dropAreas_, inBox.x(), inBox.y());
}

void GapBoardView::Show(const GapBoard& board, bool checked, bool labelsVisible) {
    board_ = &board;
    metrics_.BoxWidth = Pb->width();
    layout_ = LayOutGaps(board, checked, kind_, metrics_, measure_, dropAreas_);

    const std::vector<GapLabel>& labels = board.Labels();
    for (size_t g = 0; g < lbl.size(); ++g) {
        QLabel* label = lbl[g];
        wyk[g]->hide();
        if (g >= labels.size()) {
            label->hide();
            continue;
        }
        label->setText(ToQt(labels[g].Text));
        label->adjustSize();
        label->setStyleSheet(labels[g].Grey ? "color: rgb(136, 136, 136);" : "color: black;");
        if (drag_->Dragged() != static_cast<int>(g)) label->move(LabelPos(static_cast<int>(g)));
        label->setVisible(labelsVisible);
        label->raise();
    }
    const std::vector<GapState>& states = board.GapStates();
    for (const GapDrawn& drawn : layout_.Drawn) {
        const QPoint at = Pb->pos() + QPoint(drawn.X, drawn.Y);
        if (drawn.Kind == GapDrawnKind::Mark && drawn.Number >= 0 && drawn.Number < kGapLimit &&
            static_cast<size_t>(drawn.Number) < states.size()) {
            QLabel* mark = wyk[static_cast<size_t>(drawn.Number)];
            const GapState& state = states[static_cast<size_t>(drawn.Number)];
            mark->setPixmap(state.Mark == GapMark::Right ? right_ : wrong_);
            mark->setToolTip(ToQt(state.Hint));
            mark->move(at);
            mark->setVisible(state.Mark != GapMark::None);
            mark->raise();
        } else if ((drawn.Kind == GapDrawnKind::Flag || drawn.Kind == GapDrawnKind::Voice) && onIcon) {
            onIcon(drawn, at);
        }
    }
    Pb->update();
}

void GapBoardView::Paint(QPainter& painter) {
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFont plain = MarkedTextFont(family_, TextStyle{}), italic = MarkedTextFont(family_, TextStyle{false, true});
    const int ascent = QFontMetrics(plain).ascent();
    for (const GapDrawn& drawn : layout_.Drawn) {
        if (drawn.Kind == GapDrawnKind::Text) {
            painter.setFont(drawn.Italic ? italic : plain);
            painter.drawText(drawn.X, drawn.Y + ascent, ToQt(drawn.Text));
        } else if (drawn.Kind == GapDrawnKind::QuestionMark) {
            painter.drawPixmap(drawn.X, drawn.Y, question_);
        }
    }
}

}  // namespace quillan
