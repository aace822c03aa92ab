#pragma once

#include <QDialog>
#include <QPixmap>
#include <string>
#include "context/window_context.h"

class QLabel;

namespace quillan {

class Printer;
class TMyImageList;
class TTransparentButton;
class TForm20;
class HtmlView;

// The small HTML window: the HTML text of a course text on its background picture, with a
// print button. Opened modally, centred on the screen; dragged by its title strip.
class THtml_SmallForm : public QDialog {
    Q_OBJECT
public:
    THtml_SmallForm(WindowContext context, TMyImageList& images, Printer& printer, TForm20& messageWindow,
                    QWidget* parent = nullptr);

    // The background picture (img_tlo) for the next opening (Windows path).
    void SetBackground(const std::string& windowsPath);
    // Loads the page (Windows path) and shows the window modally.
    int OpenModal(const std::string& path);
    // Loads the page without showing the window.
    void Load(const std::string& path);
    void PrintPage();

    QLabel* img_tlo;
    QLabel* Label1;
    HtmlView* Html;
    TTransparentButton* btn_print;
    TTransparentButton* btn_exit;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void LayOut();

    WindowContext context_;
    Printer& printer_;
    TForm20& messageWindow_;
    std::string background_;
};

}  // namespace quillan
