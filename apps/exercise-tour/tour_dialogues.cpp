// The dialogue exercise's tour: each variant worked through its window as a learner would. The
// whole dialogue and a role are played with the real player, a line is recorded from the sound
// input and heard inside the dialogue, the drawn line of the translation variant is recorded and
// compared, the hidden lines of the listening variant are found (the right ones, or the first
// hidden line each time), the words of the drag-and-drop variant are dragged into their gaps (or
// all onto the first gap), and the printout goes to a PDF file in the learner's directory.

#include <QElapsedTimer>
#include <QWidget>
#include <iostream>

#include "chart/chart_tree.h"
#include "controls/picture_controls.h"
#include "controls/transparent_button.h"
#include "exercises/dialogues/dialogue_window.h"
#include "exercises/exercise_windows.h"
#include "platform/cp1250.h"
#include "platform/sound_player.h"
#include "session/app_context.h"
#include "tour.h"
#include "tour_waits.h"

namespace quillan::tour {
namespace {

constexpr int kLineTimeoutMs = 20000;

QPoint Centre(const QWidget* widget) { return widget->geometry().center(); }

// A point of the dialogue text in window coordinates: inside line n, or in the middle of gap g.
QPoint InLine(TDialogi_Form& form, int line) {
    const DialogueExercise& ex = form.Exercise();
    const DialogueLineLayout& laid = ex.Layout().lines.at(static_cast<size_t>(line) - 1);
    return form.PaintBox1->geometry().topLeft() + QPoint(ex.Metrics().speakerWidth + 12, DialogueRowTop(laid.firstRow, ex.Screen().offset) + 8);
}

// Scrolls with the arrows until the rows of `row` show; the point of the row's top then.
int ShowRow(TDialogi_Form& form, int row) {
    DialogueExercise& ex = form.Exercise();
    for (int guard = 0; guard < 50; ++guard) {
        const int top = DialogueRowTop(row, ex.Screen().offset);
        if (top < 0 && form.btn_up->isVisible())
            Click(form, Centre(form.btn_up));
        else if (top + kDialogueRowHeight > form.PaintBox1->height() && form.btn_dn->isVisible())
            Click(form, Centre(form.btn_dn));
        else
            return top;
    }
    return DialogueRowTop(row, ex.Screen().offset);
}

// The middle of gap g's picture in window coordinates, scrolled into view; (-1, -1) when it
// is not drawn.
QPoint GapPoint(TDialogi_Form& form, int gap) {
    for (const DialogueLineLayout& line : form.Exercise().Layout().lines)
        for (const DialoguePiece& piece : line.pieces)
            if (piece.kind == DialoguePiece::Kind::Gap && piece.gap == gap) {
                const int top = ShowRow(form, piece.row);
                const DialogueMetrics& m = form.Exercise().Metrics();
                return form.PaintBox1->geometry().topLeft() + QPoint(piece.x + m.questionWidth / 2, top + m.questionHeight / 2);
            }
    return {-1, -1};
}

// Prints each line as it starts playing, until the playback state is empty (or the time is out).
void FollowPlayback(TDialogi_Form& form, const std::string& until, int timeoutMs) {
    DialogueExercise& ex = form.Exercise();
    int shown = -1;
    std::string state = "?";
    QElapsedTimer clock;
    clock.start();
    const bool ended = Until([&] { return until.empty() ? ex.PlaybackState().empty() : ex.PlaybackState() == until; },
                             timeoutMs, [&] {
                                 if (ex.CurrentLine() == shown && ex.PlaybackState() == state) return;
                                 const bool modelNext = state.rfind("PotemLektor:", 0) == 0;
                                 shown = ex.CurrentLine();
                                 state = ex.PlaybackState();
                                 if (shown < 1) return;
                                 const DialogueLineState& line = ex.Lines()[static_cast<size_t>(shown) - 1];
                                 // After the learner's own version the line's model plays.
                                 const std::string audio = modelNext && state == "dialog"
                                                               ? ex.Current()->Lines[static_cast<size_t>(shown) - 1].AudioName
                                                               : line.audio;
                                 if (state.empty()) {
                                     std::cout << "  (ended) after line " << shown << " at " << clock.elapsed() << " ms\n";
                                     return;
                                 }
                                 std::cout << "  " << state << ": line " << shown << " " << (line.active ? "highlighted, " : "")
                                           << "audio " << audio << " at " << clock.elapsed() << " ms\n";
                             });
    if (!ended) std::cout << "error: the playback did not reach \"" << until << "\" in " << timeoutMs << " ms\n";
}

// Holds the line's microphone for a second and a half.
void RecordLine(Tour& tour, TDialogi_Form& form, int line, const std::string& name) {
    TMImage* nag = form.Nag.at(static_cast<size_t>(line) - 1);
    if (!nag->isVisible()) {
        std::cout << "error: line " << line << " shows no record control\n";
        return;
    }
    Press(form, Centre(nag));
    Settle(700);
    tour.Save(form, name + "_recording");
    Settle(800);
    Release(form, Centre(nag));
    const DialogueLineState& state = form.Exercise().Lines()[static_cast<size_t>(line) - 1];
    std::cout << "  line " << line << " recorded: " << (state.recordingState == 2 ? Cp1250ToUtf8(state.ownRecording) : "not taken") << "\n";
}

void Listening(Tour& tour, TDialogi_Form& form, const std::string& name) {
    DialogueExercise& ex = form.Exercise();
    std::cout << "  the whole dialogue:\n";
    Click(form, Centre(form.btn_playAll));
    std::cout << "  " << ex.PlaybackState() << ": line 1 highlighted, audio " << ex.Lines()[0].audio << "\n";
    Until([&] { return ex.CurrentLine() >= 2; }, kLineTimeoutMs);
    tour.Save(form, name + "_playing");
    FollowPlayback(form, "", 120000);

    std::cout << "  role B:\n";
    Click(form, Centre(form.btn_play[1]));
    Until([&] { return ex.CurrentLine() > 0 && ex.Lines()[static_cast<size_t>(ex.CurrentLine()) - 1].speaker == 2; }, kLineTimeoutMs);
    tour.Save(form, name + "_role_b");
    // Role A stops role B at once.
    Click(form, Centre(form.btn_play[0]));
    std::cout << "  role A pressed: " << ex.PlaybackState() << " on line " << ex.CurrentLine() << "\n";
    FollowPlayback(form, "", 120000);

    std::cout << "  a clicked line:\n";
    Click(form, InLine(form, 2));
    FollowPlayback(form, "", kLineTimeoutMs);

    Click(form, Centre(form.btn_print));
    Settle(300);
}

void Speaking(Tour& tour, TDialogi_Form& form, const std::string& name) {
    DialogueExercise& ex = form.Exercise();
    RecordLine(tour, form, 1, name);
    tour.Save(form, name + "_recorded");
    std::cout << "  the dialogue with the learner's line:\n";
    Click(form, Centre(form.btn_playAll));
    Until([&] { return ex.CurrentLine() >= 3 || ex.PlaybackState().empty(); }, 2 * kLineTimeoutMs, [&] {});
    std::cout << "  line 1 (" << ex.Lines()[0].audio << ") was heard; now line " << ex.CurrentLine() << "\n";
    // The own recording switched off, line 1 plays the model again.
    Click(form, Centre(form.Lek[0]));
    std::cout << "  own recording switched: line 1 plays " << ex.Lines()[0].audio << ", playback " << (ex.PlaybackState().empty() ? "stopped" : ex.PlaybackState()) << "\n";
    Click(form, Centre(form.Lek[0]));
}

void Translation(Tour& tour, TDialogi_Form& form, const std::string& name) {
    DialogueExercise& ex = form.Exercise();
    const int drawn = ex.TranslationLine();
    std::cout << "  drawn line " << drawn << "\n";
    if (drawn < 1) return;
    ShowRow(form, ex.Layout().lines[static_cast<size_t>(drawn) - 1].firstRow);
    RecordLine(tour, form, drawn, name);
    std::cout << "  the learner's version, then the model:\n";
    Click(form, InLine(form, drawn));
    FollowPlayback(form, "", 2 * kLineTimeoutMs);
    Click(form, Centre(form.btn_nastepne));
    std::cout << "  drawn again: line " << ex.TranslationLine() << "\n";
    tour.Save(form, name + "_drawn_again");
}

void Comprehension(Tour& tour, TDialogi_Form& form, const std::string& name) {
    DialogueExercise& ex = form.Exercise();
    std::cout << "  " << ex.ItemCount() << " hidden lines\n";
    const int limit = 3 * ex.ItemCount() + 2;
    for (int click = 0; click < limit && !ex.Items().empty(); ++click) {
        Until([&] { return !ex.PlaybackState().empty(); }, 2000);
        Settle(700);  // a part of the line is heard
        int line = ex.Items()[static_cast<size_t>(ex.ItemPosition()) - 1];
        if (!tour.Right())
            for (size_t n = 0; n < ex.Lines().size(); ++n)
                if (ex.Lines()[n].hidden) {
                    line = static_cast<int>(n) + 1;
                    break;
                }
        ShowRow(form, ex.Layout().lines[static_cast<size_t>(line) - 1].firstRow);
        Click(form, InLine(form, line));
        std::cout << "  clicked line " << line << ": " << ex.CorrectCount() << " right, " << ex.WrongCount() << " wrong\n";
        if (click == 0) tour.Save(form, name + "_first_answer");
    }
    std::cout << "  " << (ex.Completed() ? "all found" : "not all found") << ", " << ex.Percent() << "%\n";
}

void DragAndDrop(Tour& tour, TDialogi_Form& form, const std::string& name) {
    DialogueExercise& ex = form.Exercise();
    const std::vector<DialogueGap>& gaps = ex.Gaps();
    std::cout << "  " << gaps.size() << " gaps\n";
    const int limit = 2 * static_cast<int>(gaps.size()) + 2;
    for (int drop = 0; drop < limit && !ex.Completed(); ++drop) {
        // Right: the next word onto its own gap. First: the word at the top of the panel onto the
        // first gap of the text.
        int label = -1, target = -1;
        for (size_t g = 0; g < gaps.size(); ++g) {
            if (gaps[g].filled) continue;
            if (target < 0) target = static_cast<int>(g);
            if (label < 0 || (!tour.Right() && gaps[g].homeSlot < gaps[static_cast<size_t>(label)].homeSlot)) label = static_cast<int>(g);
        }
        if (label < 0) break;
        if (tour.Right()) target = label;
        const QPoint to = GapPoint(form, target);
        QWidget* word = form.lbl.at(static_cast<size_t>(label));
        Drag(form, Centre(word), form, to);
        std::cout << "  \"" << Cp1250ToUtf8(gaps[static_cast<size_t>(label)].word) << "\" dropped on gap " << target + 1 << ": "
                  << (gaps[static_cast<size_t>(label)].filled ? "filled" : "back home") << "\n";
        if (drop == 1) tour.Save(form, name + "_dragging");
        if (!tour.Right() && !gaps[static_cast<size_t>(label)].filled) {
            // The first word on the first gap, once; then each word onto its own gap.
            Drag(form, Centre(word), form, GapPoint(form, label));
        }
    }
    std::cout << "  " << (ex.Completed() ? "all gaps filled" : "gaps left") << ", " << ex.CorrectCount() << " right, "
              << ex.WrongCount() << " wrong, " << ex.Percent() << "%\n";
}

void TourDialogue(Tour& tour, const ChartNode&, const std::string& name) {
    TDialogi_Form& form = tour.windows.Dialogues();
    if (!form.isVisible()) {
        std::cout << "error: the dialogue window is not shown\n";
        return;
    }
    ModalAnswerer answerer;
    DialogueExercise& ex = form.Exercise();
    std::cout << "  dialogue " << Cp1250ToUtf8(ex.Current()->Title) << ", variant " << ex.Variant() << ", "
              << ex.Lines().size() << " lines\n";
    tour.Save(form, name + "_open");
    switch (ex.Variant()) {
        case 1: Listening(tour, form, name); break;
        case 2: Speaking(tour, form, name); break;
        case 3: Translation(tour, form, name); break;
        case 4: Comprehension(tour, form, name); break;
        case 5: DragAndDrop(tour, form, name); break;
        default: break;
    }
    tour.Save(form, name + "_done");
    Click(form, Centre(form.btn_exit));
    Settle(100);
    if (form.isVisible()) std::cout << "error: the dialogue window did not close\n";
}

const FamilyRegistration registration("dia_", TourDialogue);

}  // namespace
}  // namespace quillan::tour
