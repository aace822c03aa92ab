#pragma once

#include <QPixmap>
#include <QWidget>

#include "audio/shared_player.h"
#include "controls/image_list.h"
#include "platform/qt/qt_media_device.h"
#include "context/window_context.h"

namespace quillan {


// The hidden resource window: the shared button-picture list, the shared sound player, the
// two flag pictures and the right and wrong marks that exercise windows draw beside answers.
// It is never shown.
class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(WindowContext context, QWidget* parent = nullptr);
    ~TForm5() override;

    // Empties the button-picture list and loads it again from the installation in list order
    // (at start and whenever the interface language changes), then the flag pictures. A strip
    // that cannot be loaded gets a stand-in, so every button keeps its picture's index, and
    // the learner is told which files failed, in one message.
    void LoadButtonPictures();

    TMyImageList MyImageList1;
    QPixmap Flaga_1;
    QPixmap Flaga_Tlum;
    QPixmap stan_ok;   // 18 × 18, right
    QPixmap stan_bad;  // 18 × 18, wrong

    SoundPlayer& Player() { return player_; }
    SharedPlayer& Shared() { return player_; }
    // Connects to the sound server now, so that the first sound of the run plays at once.
    void PrepareSound() { MediaPlayer1.Prepare(); }

private:
    WindowContext context_;
    QtMediaDevice MediaPlayer1;
    SharedPlayer player_;
};

}  // namespace quillan
