#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <string>

#include "exercises/sentences/sentence_recording.h"

namespace quillan {

struct AppContext;
class SharedForms;
class TMImage;
class TTransparentButton;
class TZdaniaNagrywanieForm;

// PaintBox1: the sentences, one row of 20 pixels each.
class RecordingSentencesBox : public QWidget {
    Q_OBJECT
public:
    RecordingSentencesBox(const SentenceRecording& exercise, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const SentenceRecording& exercise_;
};

// The sentence recording window: the sentences at the left, beside each its microphone (held
// to record a take) and its speaker (the take, then the model).
class TZdaniaNagrywanieForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowsTop = 150, kRowHeight = 20;
    static constexpr int kRecordLeft = 60, kPlayLeft = 86, kTextLeft = 116;

    TZdaniaNagrywanieForm(AppContext& context, SharedForms& forms, QWidget* parent = nullptr);
    ~TZdaniaNagrywanieForm() override;

    // Opens the exercise `exerciseId` on catalog entry `catalogNumber`. False when there is
    // no such entry (the learner has been told).
    bool OpenExercise(const std::string& exerciseId, int catalogNumber);

    SentenceRecording& Exercise() { return exercise_; }
    void Refresh();

    QLabel* img_tlo2;
    QLabel* img_Tlo;
    QLabel* lbl_polecenie;
    RecordingSentencesBox* PaintBox1;
    std::array<TMImage*, SentenceRecording::kRowLimit> nag{};   // nag_1 .. nag_15
    std::array<TMImage*, SentenceRecording::kRowLimit> play{};  // play_1 .. play_15
    TTransparentButton* btn_exit;
    TTransparentButton* btn_help;
    TTransparentButton* btn_slownik;
    QPixmap img_mikrofon, img_mikrofon_on, img_glosnik;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext& context_;
    SharedForms& forms_;
    SentenceRecording exercise_;
    std::string backgroundShown_;
};

}  // namespace quillan
