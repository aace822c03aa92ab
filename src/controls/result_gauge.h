#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

namespace quillan {

// The result gauge of the exercise windows: a background picture, the percentage as text and
// one of 13 fill pictures (22 × 22, side by side in one strip). It starts with the program's
// pictures "tlo_wynik" and "torcik"; a window may give it others.
class TPanel1 : public QWidget {
    Q_OBJECT
public:
    explicit TPanel1(QWidget* parent = nullptr);

    int Wynik() const { return wynik_; }
    // Stores the percentage, shows it as "n%" and repaints.
    void SetWynik(int percent);
    // The pictures are copied in.
    void SetTlo(const QPixmap& background);
    void SetTorcik(const QPixmap& strip);
    QLabel* PercentLabel() const { return label_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int wynik_ = 0;
    QPixmap tlo_;
    QPixmap torcik_;
    QLabel* label_;
};

}  // namespace quillan
