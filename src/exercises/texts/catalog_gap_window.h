#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "exercises/texts/catalog_gap_sentences.h"

class QLabel;

namespace quillan {

struct AppContext;
class GapBoardView;
class SharedForms;
class TMImage;
class TPanel1;
class TTransparentButton;

// The gap sentences of a course-catalog entry (zdd_ lines of the chart): the sentences of the
// drag-and-drop sentence table that the entry lists, painted in Pb with their gaps, the missing
// words as labels at the right; the learner drags them onto the gaps and btn_wyniki judges.
// After the check each sentence shows a flag (fla_i, its hint the record's answer) and a voice
// button (glo_i) that plays its recording. Of the text exercises' frame it has the background,
// the right-hand panel, the gauge, "again", help, the dictionary and the exit button.
class TZdaniaDDSameForm : public QWidget {
    Q_OBJECT
public:
    TZdaniaDDSameForm(AppContext& context, SharedForms& forms, QWidget* parent = nullptr);
    ~TZdaniaDDSameForm() override;

    // The chart opens catalog entry `entry` (1-based) as exercise `exerciseId`.
    void OpenExercise(const std::string& exerciseId, int entry);
    // PrepareExercise: a fresh attempt on catalog entry `entry`; shows the window.
    void PrepareExercise(int entry);
    // FormShow: a background drawn at random, the right-hand panel, the hints.
    void FormShow();

    CatalogGapSentences& Exercise() { return exercise_; }
    GapBoardView& Board() { return *board_; }
    ClosingReport Closing() const { return exercise_.Closing(); }
    int Entry() const { return entry_; }

    QLabel* img_tlo;
    QLabel* Image2;
    QLabel* Label3;
    QLabel* lbl_kosz;  // the bin: the area where the labels wait (hidden)
    std::array<QLabel*, kCatalogSentenceLimit> fla{};   // fla_1..fla_10
    std::array<TMImage*, kCatalogSentenceLimit> glo{};  // glo_1..glo_10
    TTransparentButton* btn_wyniki;
    TTransparentButton* lbl_jeszcze_raz;
    TTransparentButton* btn_help;
    TTransparentButton* btn_slownik;
    TTransparentButton* btn_exit;
    TPanel1* panel_wynik;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void DrawBackground();
    void ShowBoard();
    void Dropped(int label, QPoint at);
    void CheckClicked();
    void VoiceClicked(int sentence);
    void AgainClicked();
    void FormClose();
    // Hands the attempt over to the learner's files (closing, and "again" after a check).
    void HandOver();

    AppContext& context_;
    SharedForms& forms_;
    CatalogGapSentences exercise_;
    GapBoardView* board_;
    int entry_ = 0;
    bool open_ = false;
};

}  // namespace quillan
