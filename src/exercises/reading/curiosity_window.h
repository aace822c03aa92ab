#pragma once

#include <QFont>
#include <QWidget>
#include <string>

#include "exercises/reading/curiosity.h"

class QLabel;
class QPainter;

namespace quillan {

struct AppContext;
class SharedForms;
class TFCSImage1;
class TTransparentButton;

// The face of the curiosity text: "Verdana", 10 points; bold and italic as the tags say.
QFont CuriosityFont(bool bold, bool italic);
// The words of the text area as the text places them, over whatever lies beneath.
void PaintCuriosity(QPainter& painter, CuriosityText& text);

// DXRamka: the curiosity's text area, painted by the window from the text.
class TCuriosityBox : public QWidget {
    Q_OBJECT
public:
    TCuriosityBox(CuriosityText& text, QWidget* parent);

signals:
    // Painted (the first painting measured the text: the scroll buttons may change).
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CuriosityText& text_;
};

// The curiosity window: a short text about the lesson's topic with its recording in the media
// window, scrolled by arrows, with its translation from the glossary.
class TTekstOpisForm : public QWidget {
    Q_OBJECT
public:
    TTekstOpisForm(AppContext& context, SharedForms& forms, QWidget* parent = nullptr);
    ~TTekstOpisForm() override;

    // Opens curiosity exercise `exerciseId` ("cie_" + number) of catalog entry `number` and shows
    // the window, with the recording in the media window when there is one. False when the
    // catalog has no such entry (the learner has been told).
    bool OpenExercise(const std::string& exerciseId, int number);

    Curiosity& Exercise() { return curiosity_; }

    QLabel* Image1;
    QLabel* img_tlo;
    QLabel* lbl_polecenie;
    TCuriosityBox* DXRamka;
    TFCSImage1* btn_up;
    TFCSImage1* btn_dn;
    TTransparentButton* btn_tlumacz;
    TTransparentButton* btn_slownik;
    TTransparentButton* btn_help;
    TTransparentButton* btn_exit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowScrollButtons();
    void ShowBackground();
    void CloseMedia();

    AppContext& context_;
    SharedForms& forms_;
    Curiosity curiosity_;
};

}  // namespace quillan
