#pragma once

#include <QPixmap>
#include <QWidget>

namespace quillan {

struct AppContext;

// The main window: a borderless 1024 x 768 screen titled with the program's title, painted
// with the main menu picture of the interface language.
class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(AppContext& context, QWidget* parent = nullptr);
    // Reloads the pictures of the interface language.
    void LoadLanguagePictures();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    AppContext& context_;
    QPixmap background_;
};

}  // namespace quillan
