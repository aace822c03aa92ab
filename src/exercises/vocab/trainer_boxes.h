#pragma once

#include <QPixmap>
#include <QWidget>
#include <string>

namespace quillan {

class VocabTrainer;

// dxramka: a prompt too long for the word label, painted word by word with the text between
// "<" and ">" in blue.
class TWordFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 853, kHeight = 69;
    TWordFrame(const QString& fontFamily, QWidget* parent);
    void SetText(const std::string& text, bool colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::string text_;
    bool colour_ = false;
};

// dxramka_mat: the word list of the first stage, painted from the trainer's page, with the
// microphone and speaker pictures of each row.
class TWordListBox : public QWidget {
    Q_OBJECT
public:
    TWordListBox(VocabTrainer& trainer, const QString& fontFamily, QWidget* parent);

    QPixmap Img_mik;      // the microphone of a row
    QPixmap Img_mik_on;   // the microphone of the row being recorded
    QPixmap img_glosnik;  // the speaker of a row

signals:
    // The pointer moved over the page (page coordinates); the window shows the translation.
    void pointerMoved(QPoint at);
    void pointerLeft();
    void pressed(QPoint at, bool leftButton);
    void released(QPoint at, bool leftButton);
    void scrolled();
    // Painted: the window shows the instruction line again.
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    VocabTrainer& trainer_;
};

}  // namespace quillan
