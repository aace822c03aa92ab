#include "exercises/texts/multiple_choice_window.h"

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

const TextExerciseWindowTraits kTraits{"TC_MC_Form", 40, "btn_ok", 25, 136, "#filmy"};

constexpr int kBoxLeft = 25;  // the answer's box; its mark stands at x = -1

}  // namespace

TC_MC_Form::TC_MC_Form(AppContext& context, SharedForms& forms, CurrentText& text, QWidget* parent)
    : TextExerciseFrame(context, forms, text, kTraits, parent),
      exercise_(*context.services.random),
      measure_(MarkedTextMeasure(ToQt(context.startup.InterfaceFont))) {
    pb_tresc = new PaintBox(this);
    pb_tresc->setObjectName("pb_tresc");
    pb_tresc->onPaint = [this](QPainter& painter) { Paint(painter); };
    pb_tresc->onMouseMove = [this](QPoint at) { MouseMove(at); };
    pb_tresc->onMouseDown = [this](QPoint at, Qt::MouseButton button) { MouseDown(at, button); };
    btn_up->raise();
    btn_dn->raise();
    img_normal = IconPicture("img_normal");
    img_checked = IconPicture("img_checked");
    img_bad = IconPicture("img_bad");
}

void TC_MC_Form::PrepareContent(const TextExercise& exercise) {
    const McContent content = ParseTypeLine(exercise, ParseMultipleChoice);
    exercise_.Prepare(content);
}

int TC_MC_Form::InstructionWidth(int left, int) const { return 657 - left; }

void TC_MC_Form::ApplyLayout(const LayoutValues& layout) {
    const int left = LayoutOr(layout[4], 35), top = LayoutOr(layout[5], 150);
    pb_tresc->setGeometry(left, top, LayoutOr(layout[8], 650 - left), LayoutOr(layout[9], 725 - top));
    PlaceScrollButtons(left + pb_tresc->width() + 5, pb_tresc->geometry());
    SetMaxScroll(McMaxScroll(Layout(), pb_tresc->height()));
    pb_tresc->unsetCursor();
    pb_tresc->update();
}

McLayout TC_MC_Form::Layout() const { return LayOutMultipleChoice(exercise_, pb_tresc->width(), ScrollPos(), measure_); }

void TC_MC_Form::Paint(QPainter& painter) {
    const McLayout layout = Layout();
    for (const McAnswerPlace& answer : layout.Answers) {
        if (answer.Mark != McMarkKind::None)
            painter.drawPixmap(-1, answer.Y1 - 2, answer.Mark == McMarkKind::Right ? RightMark() : WrongMark());
        painter.drawPixmap(kBoxLeft, answer.Y1 - 2,
                           answer.Box == McBox::Bad ? img_bad : answer.Box == McBox::Checked ? img_checked : img_normal);
    }
    painter.setPen(Qt::black);
    DrawPlacedWords(painter, ToQt(Context().startup.InterfaceFont), layout.Words);
}

void TC_MC_Form::MouseMove(QPoint at) {
    if (exercise_.State().Evaluated()) return;
    const bool over = McAnswerAt(Layout(), at.x(), at.y()).first >= 0;
    pb_tresc->setCursor(over ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TC_MC_Form::MouseDown(QPoint at, Qt::MouseButton button) {
    if (button != Qt::LeftButton || exercise_.State().Evaluated()) return;
    const auto [question, answer] = McAnswerAt(Layout(), at.x(), at.y());
    if (question < 0) return;
    exercise_.Choose(question, answer);
    pb_tresc->update();
}

void TC_MC_Form::CheckContent() {
    exercise_.Check();
    pb_tresc->unsetCursor();
    pb_tresc->update();
}

void TC_MC_Form::Scrolled() { pb_tresc->update(); }

}  // namespace quillan
