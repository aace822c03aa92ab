#include "exercises/texts/typing_window.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include "audio/accent_keys.h"
#include "controls/button_pictures.h"
#include "controls/transparent_button.h"
#include "controls/widget_style.h"
#include "exercises/texts/content_source.h"
#include "exercises/texts/marked_text_painter.h"
#include "exercises/texts/paint_box.h"
#include "exercises/texts/text_exercise_content.h"
#include "audio/resource_form.h"
#include "forms/shared_forms.h"
#include "help/page_printing.h"
#include "platform/qt/qt_text.h"
#include "session/app_context.h"
#include "text/numbered_texts.h"

namespace quillan {
namespace {

const TextExerciseWindowTraits kTraits{"TCW_Wpisywanie1Form", 44, "btn_sprawdz", 27, 138, "#filmy"};

const QColor kGapColour(0, 0, 255);
const QColor kBlankBorder(102, 204, 255);
constexpr int kEditHeight = 18;
constexpr int kPrintLeft = 957, kPrintTop = 540;
// The last line of the printout.
constexpr const char* kCopyright = "Copyright \xA9 Quillan";

}  // namespace

TCW_Wpisywanie1Form::TCW_Wpisywanie1Form(AppContext& context, SharedForms& forms, CurrentText& text, QWidget* parent)
    : TextExerciseFrame(context, forms, text, kTraits, parent), measure_(MarkedTextMeasure(ToQt(context.startup.InterfaceFont))) {
    DXRamka = new PaintBox(this);
    DXRamka->setObjectName("DXRamka");
    DXRamka->onPaint = [this](QPainter& painter) { Paint(painter); };
    DXRamka->onMouseMove = [this](QPoint at) { MouseMove(at); };
    DXRamka->onMouseDown = [this](QPoint at, Qt::MouseButton button) { MouseDown(at, button); };

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setMaxLength(kTypingEditLength);
    Edit1->setFont(PixelFont(ToQt(context.startup.InterfaceFont), 13));
    Edit1->setStyleSheet("QLineEdit { border: 1px solid rgb(1, 153, 202); padding: 0px 1px; background: white; }");
    Edit1->hide();
    Edit1->installEventFilter(this);
    // Only the learner's own edits count as work: opening a prefilled gap and leaving it is
    // looking, and records nothing that could replace an earlier result.
    connect(Edit1, &QLineEdit::textEdited, this, [this] { exercise_.EditChanged(); });

    btn_print = ImageButton(this, forms.form5->MyImageList1, pictures::PrintSmall, "btn_print");
    btn_print->move(kPrintLeft, kPrintTop);
    connect(btn_print, &TTransparentButton::clicked, this, &TCW_Wpisywanie1Form::Print);
}

void TCW_Wpisywanie1Form::PrepareContent(const TextExercise& exercise) {
    Problems problems;
    const std::string_view name = TypeLineContent(exercise.TypeLine);
    const ContentPlace place = TypeLinePlace(exercise, exercise.File);
    std::optional<TypingContent> content = LoadTypingExercise(Context().startup.ProgramDir, name, problems, place);
    if (!content) {
        content.emplace();
        content->FileName = TypingFileName(name);
    }
    Edit1->hide();
    Edit1->clear();
    exercise_.Prepare(*content);
    btn_print->setVisible(exercise_.PrintVisible());
    btn_tlumacz->setVisible(exercise_.GlossaryVisible(Context().startup.LangIndex));
    ReportProblems(problems);
}

int TCW_Wpisywanie1Form::InstructionWidth(int left, int width) const { return left + width > 865 ? 657 - left : 657; }

void TCW_Wpisywanie1Form::ApplyLayout(const LayoutValues& layout) {
    const int left = LayoutOr(layout[4], 50), top = LayoutOr(layout[5], 150);
    DXRamka->setGeometry(left, top, LayoutOr(layout[8], 650 - left), LayoutOr(layout[9], 725 - top));
    PlaceScrollButtons(left + DXRamka->width() + 6, DXRamka->geometry());
    Relayout();
    SetMaxScroll(TypingMaxScroll(layout_, DXRamka->height()));
    DXRamka->unsetCursor();
    DXRamka->setToolTip(QString());
}

void TCW_Wpisywanie1Form::ShowContent() {
    btn_print->setToolTip(ToQt(UiText(Context().course.interfaceTexts, 123)));
}

void TCW_Wpisywanie1Form::Relayout() {
    layout_ = LayOutTyping(exercise_, DXRamka->width(), ScrollPos(), measure_);
    DXRamka->update();
}

void TCW_Wpisywanie1Form::Paint(QPainter& painter) {
    const QString family = ToQt(Context().startup.InterfaceFont);
    const QFont plain = MarkedTextFont(family), bold = MarkedTextFont(family, TextStyle{true, false});
    painter.setBackgroundMode(Qt::TransparentMode);
    for (const TypingDrawnItem& item : layout_.Drawn) {
        if (item.Y + kTypingLineHeight < 0 || item.Y > DXRamka->height()) continue;
        if (item.Mark != TypingMark::None)
            painter.drawPixmap(item.MarkX, item.Y, item.Mark == TypingMark::Right ? RightMark() : WrongMark());
        painter.setFont(item.Bold ? bold : plain);
        painter.setPen(item.Gap ? kGapColour : Qt::black);
        painter.drawText(QPoint(item.X, item.Y + painter.fontMetrics().ascent()), ToQt(item.Text));
        if (item.BlankBox) {
            painter.setPen(kBlankBorder);
            painter.setBrush(Qt::white);
            painter.drawRect(item.X - 3, item.Y - 2, item.BoxWidth - 1, 20);
            painter.setBrush(Qt::NoBrush);
        }
    }
}

void TCW_Wpisywanie1Form::OpenGap(int gap) {
    if (exercise_.State().Evaluated() || gap < 0 || static_cast<size_t>(gap) >= exercise_.Content().Gaps.size()) return;
    const size_t item = static_cast<size_t>(exercise_.Content().Gaps[static_cast<size_t>(gap)].Item);
    const TypingBox before = layout_.ItemBoxes[item];
    if (before.Y < 0 || before.Y > DXRamka->height() - 10) {
        CloseGap();
        return;
    }
    const std::string text = exercise_.OpenGap(gap, FromQt(Edit1->text()));
    Relayout();
    const TypingBox box = layout_.ItemBoxes[item];
    Edit1->setText(ToQt(text));
    Edit1->setGeometry(DXRamka->x() + box.X, DXRamka->y() + box.Y, exercise_.Content().GapWidth - 5, kEditHeight);
    Edit1->show();
    Edit1->raise();
    Edit1->setFocus();
    Edit1->selectAll();
}

void TCW_Wpisywanie1Form::CloseGap() {
    if (exercise_.OpenGapNumber() >= 0) exercise_.CloseGap(FromQt(Edit1->text()));
    if (Edit1->hasFocus()) setFocus();
    Edit1->hide();
    Edit1->clear();
    Relayout();
}

void TCW_Wpisywanie1Form::MouseMove(QPoint at) {
    const TypingLayout& layout = layout_;
    if (!exercise_.State().Evaluated()) {
        DXRamka->setCursor(TypingGapAt(layout, exercise_, at.x(), at.y()) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
        return;
    }
    const int gap = TypingWrongMarkAt(layout, exercise_, at.x(), at.y());
    DXRamka->setToolTip(gap >= 0 ? ToQt(exercise_.GapHint(gap)) : QString());
    DXRamka->setCursor(gap >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TCW_Wpisywanie1Form::MouseDown(QPoint at, Qt::MouseButton button) {
    if (button != Qt::LeftButton || exercise_.State().Evaluated()) return;
    const int gap = TypingGapAt(layout_, exercise_, at.x(), at.y());
    if (gap >= 0) {
        OpenGap(gap);
        return;
    }
    CloseGap();
}

bool TCW_Wpisywanie1Form::EditKey(QKeyEvent* event) {
    const int key = event->key();
    // Enter of the keypad comes with the keypad's modifier; it moves on like the other Enter.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if ((key == Qt::Key_Tab || key == Qt::Key_Return || key == Qt::Key_Enter) && plain) {
        if (exercise_.State().Evaluated() || exercise_.OpenGapNumber() < 0) return false;
        OpenGap(exercise_.NextGap());
        return true;
    }
    // The letters other courses type with Ctrl.
    AccentKeys letters(Context().startup.CourseVariant);
    const Qt::KeyboardModifiers mods = event->modifiers();
    letters.TakeKeyDown(key, mods & Qt::ShiftModifier, mods & Qt::ControlModifier, mods & Qt::AltModifier);
    if (letters.PendingLetter == ' ') return false;
    Edit1->insert(ToQt(std::string(1, letters.TakeKeyPress(' '))));
    exercise_.EditChanged();
    return true;
}

bool TCW_Wpisywanie1Form::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress && EditKey(static_cast<QKeyEvent*>(event))) return true;
    return TextExerciseFrame::eventFilter(watched, event);
}

void TCW_Wpisywanie1Form::Scrolled() { CloseGap(); }

void TCW_Wpisywanie1Form::CheckContent() {
    exercise_.Check(FromQt(Edit1->text()), Context().learner.settings.CaseSensitive);
    if (Edit1->hasFocus()) setFocus();
    Edit1->hide();
    Edit1->clear();
    DXRamka->unsetCursor();
    Relayout();
}

void TCW_Wpisywanie1Form::CloseContent() {
    Edit1->hide();
    Edit1->clear();
}

void TCW_Wpisywanie1Form::Print() {
    AppContext& context = Context();
    if (!context.services.printer) return;
    const std::string title = DisplayName(context.course, DisplayName(context.course, context.exercise.Title));
    const std::string html = TypingPrintDocument(exercise_, context.exercise.LessonName, title, kCopyright);
    PrintPageText(html, context.startup.ProgramDir, context, *context.services.printer, *Forms().form20);
}

}  // namespace quillan
