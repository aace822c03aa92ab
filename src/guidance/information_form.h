#pragma once

#include <QDialog>
#include <QPixmap>
#include <string>
#include <vector>

#include "guidance/panel_text.h"
#include "context/window_context.h"

class QLabel;

namespace quillan {

class TMyImageList;
class TTransparentButton;
class TFCSImage1;
class PanelTextBox;

// The information panel: a short marked-up text (a window's help, or the translation of an
// exercise text) in a small modal window that scrolls by whole lines and is dragged by its
// top strip.
class TInformacjaForm : public QDialog {
    Q_OBJECT
public:
    TInformacjaForm(WindowContext context, TMyImageList& images, QWidget* parent = nullptr);

    // The text to show at the next showing (exec): "HH_" + a help text, or a translation.
    std::string PanelKey;

    const std::vector<std::string>& Tokens() const { return tokens_; }
    const PanelScroll& Scroll() const { return scroll_; }
    // Whether the help background (true) or the translation background was chosen.
    bool ShowsHelp() const { return help_; }

    QLabel* Image2;
    QLabel* Label1;
    PanelTextBox* Pb1;
    TFCSImage1* btn_up;
    TFCSImage1* btn_dn;
    TTransparentButton* B_OK;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    friend class PanelTextBox;
    void PrepareText();
    void PaintPanel(QPainter& painter);
    void ScrollUp();
    void ScrollDown();
    void ShowScrollButtons();

    WindowContext context_;
    TMyImageList& images_;
    std::vector<std::string> tokens_;
    PanelScroll scroll_;
    bool help_ = false;
};

// The panel's text area (Pb1).
class PanelTextBox : public QWidget {
    Q_OBJECT
public:
    PanelTextBox(TInformacjaForm& form, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TInformacjaForm& form_;
};

}  // namespace quillan
