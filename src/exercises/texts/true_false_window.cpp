#include "exercises/texts/true_false_window.h"

#include <QLabel>
#include <QPainter>

#include "controls/picture_controls.h"
#include "controls/pictures.h"
#include "exercises/texts/content_source.h"
#include "exercises/texts/marked_text_painter.h"
#include "exercises/texts/paint_box.h"
#include "exercises/texts/text_exercise_content.h"
#include "platform/qt/qt_text.h"
#include "session/app_context.h"

namespace quillan {
namespace {

const TextExerciseWindowTraits kTraits{"TC_TF_Form", 41, "btn_ok", 26, 137, "#filmy"};

const QColor kTableColour(51, 153, 204);

}  // namespace

TC_TF_Form::TC_TF_Form(AppContext& context, SharedForms& forms, CurrentText& text, QWidget* parent)
    : TextExerciseFrame(context, forms, text, kTraits, parent),
      exercise_(*context.services.random),
      measure_(MarkedTextMeasure(ToQt(context.startup.InterfaceFont))) {
    pb_tresc = new PaintBox(this);
    pb_tresc->setObjectName("pb_tresc");
    pb_tresc->setGeometry(50, 150, 815, 575);
    pb_tresc->onPaint = [this](QPainter& painter) { Paint(painter); };
    img_normal = IconPicture("img_normal");
    img_checked = IconPicture("img_checked");
    img_bad = IconPicture("img_bad");
    const int size = img_normal.isNull() ? 17 : img_normal.width();
    for (int i = 0; i < kTfStatementLimit; ++i) {
        const size_t k = static_cast<size_t>(i);
        L[k] = new TMImage(this);
        R[k] = new TMImage(this);
        L[k]->setObjectName(QString("L_%1").arg(i + 1));
        R[k]->setObjectName(QString("R_%1").arg(i + 1));
        for (TMImage* box : {L[k], R[k]}) {
            box->Tag = i + 1;
            box->resize(size, size);
            box->hide();
        }
        connect(L[k], &TMImage::clicked, this, [this, i] { Tick(i, true); });
        connect(R[k], &TMImage::clicked, this, [this, i] { Tick(i, false); });
        wyk[k] = new QLabel(this);
        wyk[k]->setObjectName(QString("wyk_%1").arg(i + 1));
        wyk[k]->resize(18, 18);
        wyk[k]->hide();
    }
}

void TC_TF_Form::PrepareContent(const TextExercise& exercise) {
    const TfContent content = ParseTypeLine(exercise, ParseTrueFalse);
    exercise_.Prepare(content, Context().startup.LangIndex);
}

int TC_TF_Form::InstructionWidth(int left, int width) const { return InstructionWidthUpTo(865, left, width); }

void TC_TF_Form::ApplyLayout(const LayoutValues& layout) {
    const int top = LayoutOr(layout[5], 150);
    const int left = LayoutOr(layout[4], 50);
    pb_tresc->setGeometry(left, top, 657 - left, 725 - top);
    layout_ = LayOutTrueFalse(exercise_, pb_tresc->width(), L[0]->width(), measure_);
    const QPoint origin = pb_tresc->pos();
    for (size_t i = 0; i < L.size(); ++i) {
        const bool used = i < layout_.Rows.size();
        if (used) {
            const int boxTop = origin.y() + layout_.Rows[i].BoxTop;
            L[i]->move(origin.x() + layout_.LeftBoxX, boxTop);
            R[i]->move(origin.x() + layout_.RightBoxX, boxTop);
            wyk[i]->move(origin.x() - 15, boxTop);
        }
        L[i]->setVisible(used);
        R[i]->setVisible(used);
        L[i]->setCursor(Qt::PointingHandCursor);
        R[i]->setCursor(Qt::PointingHandCursor);
        L[i]->raise();
        R[i]->raise();
        wyk[i]->raise();
    }
    ShowRows();
    pb_tresc->update();
}

void TC_TF_Form::ShowRows() {
    const auto picture = [this](TfBox box) -> const QPixmap& {
        return box == TfBox::Bad ? img_bad : box == TfBox::Checked ? img_checked : img_normal;
    };
    const std::vector<TfRow>& rows = exercise_.Rows();
    for (size_t i = 0; i < wyk.size(); ++i) {
        if (i >= rows.size()) {
            wyk[i]->hide();
            continue;
        }
        L[i]->setPixmap(picture(rows[i].LeftBox));
        R[i]->setPixmap(picture(rows[i].RightBox));
        if (rows[i].Mark != TfMark::None) wyk[i]->setPixmap(rows[i].Mark == TfMark::Right ? RightMark() : WrongMark());
        wyk[i]->setVisible(rows[i].Mark != TfMark::None);
    }
}

void TC_TF_Form::Paint(QPainter& painter) {
    const QString family = ToQt(Context().startup.InterfaceFont);
    const TfLayout& t = layout_;
    painter.setPen(QPen(kTableColour, 2));
    painter.drawLine(0, kTfHeadingLine, t.TableWidth, kTfHeadingLine);
    painter.drawLine(t.TableWidth / 2, 0, t.TableWidth / 2, t.DividerBottom);
    painter.setPen(Qt::black);
    const TextStyle bold{true, false};
    DrawPlacedWords(painter, family,
                    {PlacedWord{exercise_.HeadingLeft(), t.LeftHeadingX, 4, bold},
                     PlacedWord{exercise_.HeadingRight(), t.RightHeadingX, 4, bold}});
    DrawPlacedWords(painter, family, t.Words);
}

void TC_TF_Form::Tick(int row, bool left) {
    if (exercise_.State().Evaluated()) return;
    exercise_.Tick(row, left);
    ShowRows();
}

void TC_TF_Form::CheckContent() {
    exercise_.Check();
    for (size_t i = 0; i < L.size(); ++i) {
        L[i]->setCursor(Qt::ArrowCursor);
        R[i]->setCursor(Qt::ArrowCursor);
    }
    ShowRows();
    pb_tresc->update();
}

}  // namespace quillan
