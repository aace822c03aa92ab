#include "exercises/texts/gap_text_window.h"

#include "controls/pictures.h"
#include "exercises/texts/gap_board_view.h"
#include "exercises/texts/label_drag.h"
#include "exercises/texts/paint_box.h"
#include "exercises/texts/text_exercise_content.h"
#include "platform/qt/qt_text.h"
#include "session/app_context.h"

namespace quillan {
namespace {

// The exit button closes without stopping the sound, and so does the check; a missing
// background is told as "Brak tla!".
const TextExerciseWindowTraits kTraits{"TZdaniaDDForm", 47,         "btn_wyniki", 0,     139,        "#filmy", "pb_polecenie",
                                   "img_tlo",       ".jpg",     "btn_exit",   false, false,      "Brak tla!"};

// Pb, the box of the sentences, left of the labels' column at 700.
const QRect kBox(50, 160, 630, 560);

}  // namespace

TZdaniaDDForm::TZdaniaDDForm(AppContext& context, SharedForms& forms, CurrentText& text, QWidget* parent)
    : TextExerciseFrame(context, forms, text, kTraits, parent),
      exercise_(*context.services.random),
      board_(new GapBoardView(*this, GapWindow::GapText, ToQt(context.startup.InterfaceFont), kBox)) {
    board_->Pb->stackUnder(pb_polecenie);
    board_->SetPictures(IconPicture("img_pyt"), RightMark(), WrongMark());
    board_->onStart = [this](int label) { return exercise_.StartDrag(label); };
    board_->onDrop = [this](int label, QPoint at) { Dropped(label, at); };
}

TZdaniaDDForm::~TZdaniaDDForm() = default;

void TZdaniaDDForm::PrepareContent(const TextExercise& exercise) {
    board_->Reset();
    exercise_.Prepare(ParseTypeLine(exercise, ParseGapText));
}

int TZdaniaDDForm::InstructionWidth(int, int width) const { return width; }

void TZdaniaDDForm::ApplyLayout(const LayoutValues&) { ShowBoard(); }

void TZdaniaDDForm::ShowBoard() { board_->Show(exercise_.Board(), exercise_.State().Evaluated(), exercise_.LabelsVisible()); }

// A label dropped on an empty gap fills it; on a filled gap it goes back to where it was;
// anywhere else it lets go of its gap and goes home.
void TZdaniaDDForm::Dropped(int label, QPoint at) {
    exercise_.DropOnGap(label, board_->GapAtWindowPoint(at));
    ShowBoard();
}

void TZdaniaDDForm::CheckContent() {
    board_->Drag().Cancel();
    exercise_.Check();
    ShowBoard();
}

void TZdaniaDDForm::ShowContent() { ShowBoard(); }

void TZdaniaDDForm::CloseContent() { board_->Drag().Cancel(); }

}  // namespace quillan
