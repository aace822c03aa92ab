#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <string>

#include "exercises/dialogues/dialogue_exercise.h"

class QTimer;

namespace quillan {

struct AppContext;
class SharedForms;
class TDialogi_Form;
class TFCSImage1;
class TMImage;
class TPanel1;
class TTransparentButton;

// PaintBox1: the dialogue text as the exercise lays it out, the speakers' pictures at the left,
// the line being played in blue, gaps and hidden lines as the question-mark picture.
class DialogueTextBox : public QWidget {
    Q_OBJECT
public:
    DialogueTextBox(TDialogi_Form& form, QWidget* parent);
    // What the painting measures with: the box's font and the pictures.
    DialogueMetrics Metrics() const;

signals:
    void clickedAt(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    TDialogi_Form& form_;
};

// lbl_1 .. lbl_25: a word of variant 5, dragged with the mouse; it follows the pointer, centred
// on it, and is dropped where the button comes up.
class DialogueWordLabel : public QLabel {
    Q_OBJECT
public:
    DialogueWordLabel(int gap, QWidget* parent);
    int Gap() const { return gap_; }
    bool Dragging() const { return dragging_; }

signals:
    void dragStarted(int gap);
    // The drop point in the coordinates of the label's parent.
    void dropped(int gap, QPoint at);
    // A press and release without a drag.
    void leftInPlace(int gap);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int gap_;
    QPoint pressedAt_;
    bool pressed_ = false, dragging_ = false;
};

// The dialogue exercise's window: the dialogue text at the left, the variants' tabs and the
// buttons on the panel at the right, the record controls beside the lines, the word labels of
// variant 5. It shows the exercise's state and forwards the learner's clicks to it.
class TDialogi_Form : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTextTop = 96;
    static constexpr int kTabLeft = 942;
    static constexpr int kButtonLeft = 957;
    static constexpr int kScrollLeft = 890;

    TDialogi_Form(AppContext& context, SharedForms& forms, QWidget* parent = nullptr);
    ~TDialogi_Form() override;

    // Opens dialogue `dialogueNumber` as exercise `exerciseId` at `variant` (1..5). False when
    // the course has no such dialogue (the learner has been told).
    bool OpenExercise(const std::string& exerciseId, int dialogueNumber, int variant);

    DialogueExercise& Exercise() { return exercise_; }
    // Shows the exercise's state.
    void Refresh();

    QLabel* img_tlo;
    QLabel* img_panel;
    QLabel* lbl_polecenie;
    DialogueTextBox* PaintBox1;
    std::array<TMImage*, 5> Image{};  // the tabs Image1 .. Image5
    TTransparentButton* btn_playAll;
    std::array<TTransparentButton*, 4> btn_play{};  // btn_play_A .. btn_play_D
    TTransparentButton* btn_odtworz;
    TTransparentButton* btn_nastepne;
    TTransparentButton* btn_print;
    TMImage* btn_tlumacz;
    TTransparentButton* btn_slownik;
    TTransparentButton* btn_help;
    TTransparentButton* btn_exit;
    TFCSImage1* btn_up;
    TFCSImage1* btn_dn;
    std::array<TMImage*, kDialogueLineLimit> Nag{};  // Nag_1 .. Nag_25
    std::array<TMImage*, kDialogueLineLimit> Lek{};  // Lek_1 .. Lek_25
    std::array<DialogueWordLabel*, kDialogueLineLimit> lbl{};  // lbl_1 .. lbl_25
    QLabel* word_panel;
    TPanel1* panel_wynik;
    QTimer* PauseTimer;  // the reading time of another speaker's line while a role plays

    // The pictures the window keeps: speakers A..E, the question mark, the record controls.
    std::array<QPixmap, 5> dial{};
    QPixmap img_pyt, img_mikrofon, img_mikrofon_on, img_0, img_1;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void LoadPictures();
    void ShowTabs();
    void PlaceLineControls();
    void PlaceLabels();
    void Print();
    // A control other than a play button or a tab: whatever plays stops first.
    void Stop();

    AppContext& context_;
    SharedForms& forms_;
    DialogueExercise exercise_;
    std::string backgroundShown_;
    int tabsShownFor_ = -1;  // the variant whose tab shows active
};

}  // namespace quillan
