// The sentence recording exercise's tour: the first row's model is heard, a take is recorded from
// the sound input while its microphone is held, and played back followed by the model; a click
// on the microphone too short for a take is refused; the window closes with the result 0.

#include <QFileInfo>
#include <iostream>

#include "audio/wav_file.h"
#include "chart/chart_tree.h"
#include "controls/picture_controls.h"
#include "controls/transparent_button.h"
#include "exercises/exercise_windows.h"
#include "exercises/sentences/sentence_recording_window.h"
#include "platform/cp1250.h"
#include "platform/sound_player.h"
#include "session/app_context.h"
#include "tour.h"
#include "tour_waits.h"

namespace quillan::tour {
namespace {

QPoint Centre(const QWidget* widget) { return widget->geometry().center(); }

void TourSentenceRecording(Tour& tour, const ChartNode&, const std::string& name) {
    TZdaniaNagrywanieForm& form = tour.windows.SentenceRecording();
    if (!form.isVisible()) {
        std::cout << "error: the sentence recording window is not shown\n";
        return;
    }
    ModalAnswerer answerer;
    SentenceRecording& exercise = form.Exercise();
    SoundPlayer& player = *tour.context.services.soundPlayer;
    std::cout << "  " << exercise.Rows().size() << " sentences\n";
    tour.Save(form, name + "_open");
    if (exercise.Rows().empty()) {
        Click(form, Centre(form.btn_exit));
        return;
    }

    // The model alone.
    Click(form, Centre(form.play[0]));
    Until([&] { return !player.IsPlaying(); }, 20000);
    std::cout << "  model heard: " << Cp1250ToUtf8(exercise.ModelPath(1)) << "\n";

    // A take of two seconds.
    Press(form, Centre(form.nag[0]));
    Settle(1000);
    tour.Save(form, name + "_recording");
    Settle(1000);
    Release(form, Centre(form.nag[0]));
    const std::string take = exercise.Rows()[0].take;
    std::cout << "  take: " << (take.empty() ? "none" : Cp1250ToUtf8(take) + ", " + std::to_string(SoundFileLengthMs(take)) + " ms") << "\n";

    // The take, then the model.
    Click(form, Centre(form.play[0]));
    std::cout << "  playing the take" << (exercise.TakePlaying() ? ", the model to follow" : "") << "\n";
    Until([&] { return !exercise.TakePlaying(); }, 20000);
    Until([&] { return player.IsPlaying(); }, 2000);
    std::cout << "  the model " << (player.IsPlaying() ? "follows" : "did not follow") << "\n";
    Until([&] { return !player.IsPlaying(); }, 20000);

    // A click on the microphone is too short a take.
    if (exercise.Rows().size() > 1) {
        Click(form, Centre(form.nag[1]));
        Settle(500);
        std::cout << "  a click on row 2's microphone: " << (exercise.Rows()[1].take.empty() ? "no take" : "a take") << "\n";
    }
    tour.Save(form, name + "_done");
    Click(form, Centre(form.btn_exit));
    Settle(100);
    if (form.isVisible()) std::cout << "error: the sentence recording window did not close\n";
}

const FamilyRegistration registration("zdn_", TourSentenceRecording);

}  // namespace
}  // namespace quillan::tour
