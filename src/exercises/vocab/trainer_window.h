#pragma once

#include <QLabel>
#include <QWidget>
#include <array>
#include <string>

#include "exercises/vocab/trainer.h"

class QLineEdit;
class QTimer;

namespace quillan {

struct AppContext;
class SharedForms;
class TFCSImage1;
class TMImage;
class TMLabel;
class TPanel1;
class TTransparentButton;
class TWordFrame;
class TWordListBox;

// The vocabulary trainer's window: the five stages on tabs at the right, the question screens
// of stages 2 to 5 and the word list of stage 1. It shows the trainer's state and forwards the
// learner's clicks and keys to it.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    TForm4(AppContext& context, SharedForms& forms, QWidget* parent = nullptr);
    ~TForm4() override;

    // Opens vocabulary exercise `exerciseId` (its CurrentExerciseId, "slo_" + number) on the
    // word list ProgramDir + "cw_r\" + wordListName + ".bc4" at stage requestedStage (1..5).
    // False when the word list cannot be loaded: the learner has been told and the window
    // does not open.
    bool OpenExercise(const std::string& exerciseId, const std::string& wordListName, int requestedStage);

    VocabTrainer& Trainer() { return trainer_; }

    QLabel* img_tlo;
    QLabel* img_panel;
    std::array<TMImage*, 5> zak{};  // zak_1..zak_5
    TTransparentButton* menu_image;
    TTransparentButton* btn_help;
    TTransparentButton* btn_slownik;
    TTransparentButton* btn_play;
    QLabel* L_Polecenie;
    TPanel1* panel_wynik;
    QLabel* L_Slowko;
    TWordFrame* dxramka;
    std::array<TMLabel*, 4> L_Odp{};  // L_Odp1..L_Odp4
    std::array<QLabel*, 4> Wyr{};     // their markers Wyr1, Wyr2, wyr3, wyr4
    QLineEdit* E_Wpisana;
    TTransparentButton* B_OK;
    TTransparentButton* b_repeat;
    QLabel* L_Poprawna;
    QLabel* img_ok;
    QLabel* img_bad;
    QLabel* L_tlumaczenie;
    TTransparentButton* TransparentButton1;
    QLabel* L_zdanie;
    TMImage* f_zdanie;
    TMImage* g_zdanie;
    TWordListBox* dxramka_mat;
    TFCSImage1* btn_lista_gora;  // scrolls the word list
    TFCSImage1* btn_lista_dol;
    QLabel* tlumacz_tlo;
    QLabel* lbl_tlumaczenie;
    TMImage* img_glosnik2;
    QTimer* Timer1;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the trainer's state.
    void Refresh();
    void ShowTabs();
    void PlaceExampleLine();
    bool HandleKey(QKeyEvent* event);
    void OkClicked();
    void PointerOverList(QPoint at);
    void HideTranslation();
    void ScrollList(int rows);

    AppContext& context_;
    SharedForms& forms_;
    VocabTrainer trainer_;
    std::string backgroundShown_;
    int typingClears_ = 0;
    int presentations_ = 0;
    int tabsShownFor_ = -1;
};

}  // namespace quillan
