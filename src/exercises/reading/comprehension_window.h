#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "exercises/reading/comprehension.h"

class QLabel;

namespace quillan {

struct AppContext;
class SharedForms;
class TMImage;
class TTransparentButton;

// The comprehension exercise's window: three pictures side by side under the instruction, a
// tick or a cross over the picture clicked, the translation and the sentence once the example
// is finished. Closing it shows the summary.
class TRozumienieForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPictureWidth = 160, kPictureHeight = 200;
    static constexpr int kPictureTop = 200, kPictureLeft = 182, kPictureStep = 250;

    TRozumienieForm(AppContext& context, SharedForms& forms, QWidget* parent = nullptr);
    ~TRozumienieForm() override;

    // Opens comprehension exercise `exerciseId` ("rpg_" + number) on catalog entry `number` and
    // shows the window. False when the catalog has no such entry (the learner has been told).
    bool OpenExercise(const std::string& exerciseId, int number);

    Comprehension& Exercise() { return exercise_; }

    QLabel* img_tlo;
    std::array<TMImage*, 3> img{};  // img_1..img_3
    QLabel* shape1;  // the tick
    QLabel* shape2;  // the cross
    QLabel* lbl_polecenie;
    QLabel* lbl_polskie;
    QLabel* lbl_angielskie2;
    TTransparentButton* btn_play;
    TTransparentButton* btn_next;
    TTransparentButton* lbl_koniec;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Refresh();

    AppContext& context_;
    SharedForms& forms_;
    Comprehension exercise_;
    std::array<std::string, 3> picturesShown_;
    std::string backgroundShown_;
};

}  // namespace quillan
