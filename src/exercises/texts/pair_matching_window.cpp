#include "exercises/texts/pair_matching_window.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

#include "controls/transparent_button.h"
#include "controls/widget_style.h"
#include "exercises/texts/paint_box.h"
#include "exercises/texts/text_exercise_content.h"
#include "platform/qt/qt_text.h"
#include "session/app_context.h"

namespace quillan {
namespace {

const TextExerciseWindowTraits kTraits{"TC_HForm", 43, "btn_ok", 24, 0, "#h", "PaintBox1", "img_Tlo"};

constexpr int kMediaLeft = 50, kMediaTop = 10, kInstructionLeft = 50, kInstructionTop = 50;
constexpr int kRowStep = 24, kRowBase = 176, kBoxHeight = 20;
constexpr int kColumnGap = 80;
constexpr int kSelectionPause = 100;  // ms the first word of a click shows red

int RowTop(int row) { return kRowStep * (row + 1) + kRowBase; }  // row 0-based

const char* Colour(HhColour colour) {
    switch (colour) {
        case HhColour::Red: return "color: rgb(255, 0, 0);";
        case HhColour::Green: return "color: rgb(0, 255, 0);";
        case HhColour::Black: break;
    }
    return "color: black;";
}

}  // namespace

TC_HForm::TC_HForm(AppContext& context, SharedForms& forms, CurrentText& text, QWidget* parent)
    : TextExerciseFrame(context, forms, text, kTraits, parent), exercise_(*context.services.random) {
    btn_tlumacz->hide();
    btn_slownik->hide();
    const QFont wordFont = PixelFont(ToQt(context.startup.InterfaceFont), 13);
    for (size_t k = 0; k < shp.size(); ++k) {
        shp[k] = new QFrame(this);
        shp[k]->setObjectName("shp_" + QString::number(k + 1));
        shp[k]->setStyleSheet("border: 1px solid rgb(128, 128, 128);");
        shp[k]->hide();
    }
    for (int i = 0; i < kHhPairLimit; ++i) {
        const size_t k = static_cast<size_t>(i);
        const QString n = QString::number(i + 1);
        Shape[k] = new QFrame(this);
        Shape[k]->setObjectName("Shape" + n);
        Shape[k]->setStyleSheet("background: black;");
        Shape[k]->hide();
        for (bool left : {true, false}) {
            QLabel* label = new QLabel(this);
            label->setObjectName((left ? "lbl_L" : "lbl_P") + n);
            label->setFont(wordFont);
            label->setAlignment(Qt::AlignCenter);
            label->setCursor(Qt::PointingHandCursor);
            label->hide();
            label->installEventFilter(this);
            (left ? lbl_L : lbl_P)[k] = label;
        }
    }
}

TC_HForm::~TC_HForm() = default;

void TC_HForm::PrepareContent(const TextExercise& exercise) {
    const HhContent content = ParseTypeLine(exercise, ParsePairMatching);
    exercise_.Prepare(content);
}

int TC_HForm::InstructionWidth(int, int width) const { return width; }

// The window keeps its design places: the media button and the instruction go back there
// whatever the text's layout values say.
void TC_HForm::ApplyLayout(const LayoutValues&) {
    btn_media->move(kMediaLeft, kMediaTop);
    pb_polecenie->move(kInstructionLeft, kInstructionTop);

    const size_t count = exercise_.LeftWords().size();
    int widestLeft = 0, widestRight = 0;
    for (size_t i = 0; i < lbl_L.size(); ++i) {
        for (QLabel* label : {lbl_L[i], lbl_P[i]}) {
            label->setStyleSheet("color: black;");
            label->setCursor(Qt::PointingHandCursor);
            label->hide();
        }
        Shape[i]->hide();
        shp[i]->hide();
        shp[i + kHhPairLimit]->hide();
        if (i >= count) continue;
        lbl_L[i]->setText(ToQt(exercise_.LeftWords()[i].Text));
        lbl_P[i]->setText(ToQt(exercise_.RightWords()[i].Text));
        widestLeft = std::max(widestLeft, lbl_L[i]->sizeHint().width());
        widestRight = std::max(widestRight, lbl_P[i]->sizeHint().width());
    }
    leftX_ = (670 - widestLeft - widestRight) / 2;
    rightX_ = leftX_ + widestLeft + kColumnGap;
    for (size_t i = 0; i < count; ++i) {
        const int top = RowTop(static_cast<int>(i));
        const int height = lbl_L[i]->sizeHint().height();
        lbl_L[i]->resize(widestLeft, height);
        lbl_P[i]->resize(widestRight, height);
        Shape[i]->setGeometry(leftX_ + widestLeft + 10, top + 9, kColumnGap - 18, 1);
        shp[i]->setGeometry(leftX_ - 8, top - 2, widestLeft + 15, kBoxHeight);
        shp[i + kHhPairLimit]->setGeometry(rightX_ - 8, top - 2, widestRight + 15, kBoxHeight);
        for (QWidget* part : std::initializer_list<QWidget*>{Shape[i], shp[i], shp[i + kHhPairLimit], lbl_L[i], lbl_P[i]})
            part->show();
        lbl_L[i]->raise();
        lbl_P[i]->raise();
    }
    ShowWords();
}

void TC_HForm::ShowWords() {
    const auto& left = exercise_.LeftWords();
    const auto& right = exercise_.RightWords();
    for (size_t i = 0; i < left.size() && i < lbl_L.size(); ++i) {
        lbl_L[i]->move(leftX_, RowTop(left[i].Row));
        lbl_L[i]->setStyleSheet(Colour(left[i].Colour));
        lbl_L[i]->setText(ToQt(left[i].Text));
        lbl_P[i]->move(rightX_, RowTop(right[i].Row));
        lbl_P[i]->setStyleSheet(Colour(right[i].Colour));
        lbl_P[i]->setText(ToQt(right[i].Text));
    }
}

bool TC_HForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        for (size_t i = 0; i < lbl_L.size(); ++i) {
            if (watched == lbl_L[i] || watched == lbl_P[i]) {
                Clicked(watched == lbl_L[i], static_cast<int>(i));
                return true;
            }
        }
    return TextExerciseFrame::eventFilter(watched, event);
}

// The first word of a pair of clicks shows red for a moment before the second moves.
void TC_HForm::Clicked(bool left, int label) {
    const bool complete = left ? exercise_.SelectLeft(label) : exercise_.SelectRight(label);
    ShowWords();
    if (!complete) return;
    repaint();
    if (Context().services.clock) Context().services.clock->Wait(kSelectionPause);
    exercise_.CompleteClick();
    ShowWords();
}

void TC_HForm::CheckContent() {
    exercise_.Check();
    ShowWords();
    for (size_t i = 0; i < lbl_L.size(); ++i) {
        lbl_L[i]->setCursor(Qt::ArrowCursor);
        lbl_P[i]->setCursor(Qt::ArrowCursor);
    }
}

}  // namespace quillan
