#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "exercises/sentences/sentence_exercise.h"

class QFrame;
class QLabel;
class QLineEdit;
class QTimer;

namespace quillan {

struct AppContext;
class SharedForms;
class TMImage;
class TMLabel;
class TPuzzleBox;
class TTransparentButton;

// The sentence exercise's window: the three variants on picture tabs at the right, the
// puzzle's words, the typing field of the dictation and the sentence and its translation of the
// translation variant, the statistics line in the panel. It shows the exercise's state and
// forwards the learner's clicks and keys to it.
class TZdaniaForm : public QWidget {
    Q_OBJECT
public:
    TZdaniaForm(AppContext& context, SharedForms& forms, QWidget* parent = nullptr);
    ~TZdaniaForm() override;

    // Opens sentence exercise `exerciseId` ("zda_" + package) on package `package` at the tab of
    // `kind` (50, 51, 52) and shows the window. False when the package does not exist (the
    // learner has been told).
    bool OpenExercise(const std::string& exerciseId, int package, int kind);

    SentenceExercise& Exercise() { return exercise_; }

    QLabel* img_tlo;
    QLabel* img_panel;
    std::array<TMImage*, 3> Image{};  // Image1..Image3: the tabs
    TTransparentButton* btn_exit;
    TTransparentButton* btn_slownik;
    TTransparentButton* btn_play;
    TMLabel* lbl_info;
    QLabel* lbl_odp;
    std::array<QLabel*, 4> L_Stat{};  // L_Stat1..L_Stat4
    TPuzzleBox* pb_tresc;
    QFrame* Shape2;   // the frame around the word under the pointer
    TMImage* shape1;  // the insertion mark
    QLabel* MLabel1;  // the word being moved
    QLineEdit* Memo2;
    QLabel* lbl_1;
    QLabel* lbl_2;
    TTransparentButton* btn_sprawdz;
    TTransparentButton* btn_sprawdz_3;
    TTransparentButton* btn_tak;
    TTransparentButton* btn_nie;
    TTransparentButton* btn_nastepne;
    TMImage* K_Nagraj;
    TTransparentButton* k_play_nagrane;
    QTimer* Timer1;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the exercise's state.
    void Refresh();
    void ShowTabs();
    void ShowPuzzleMarks();
    bool HandleKey(QKeyEvent* event);
    void Check();
    void ShowAnswer();
    void SetRecordPicture(const char* name);

    AppContext& context_;
    SharedForms& forms_;
    SentenceExercise exercise_;
    std::string backgroundShown_;
    int tabsShownFor_ = -1;
    int typingClears_ = 0;
    int presentations_ = 0;
    int puzzleChanges_ = -1;
};

}  // namespace quillan
