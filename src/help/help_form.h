#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <string>

#include "context/window_context.h"
#include "help/help_navigation.h"

class QLabel;

namespace quillan {

class Printer;
class TMyImageList;
class TTransparentButton;
class TForm20;
class HtmlView;

// The help window: one help page at a time from ProgramDir + "Htm_r\", with back, contents and
// print buttons on its bar. Shown without blocking the window it was opened from; it tells when
// it shows and hides, so that the media window can be put away meanwhile.
class THelpForm : public QWidget {
    Q_OBJECT
public:
    THelpForm(WindowContext context, TMyImageList& images, Printer& printer, TForm20& messageWindow,
              QWidget* parent = nullptr);

    // Shows the window and opens a page (Windows path, optionally + "#" + anchor). Over a modal
    // window the help window is modal itself, so that it can be used.
    void ShowPage(const std::string& path);
    // ShowPage for a page of the installation's help folder "Htm_r": its file name, optionally
    // + "#" + anchor.
    void ShowHelpPage(const std::string& page);
    // Opens a page: forgets the history, depth 1, loads the page, updates the buttons.
    void OpenHelp(const std::string& path);

    const HelpNavigation& Navigation() const { return navigation_; }
    // Prints the page shown (the print button).
    void PrintPage();

    QLabel* img_tlo;
    HtmlView* FrameViewer1;
    TTransparentButton* btn_back;
    TTransparentButton* Button2;
    TTransparentButton* btn_spis;
    TTransparentButton* btn_exit;

signals:
    void Showing();
    void Hidden();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FollowLink(const QUrl& link);
    void GoBack();
    void UpdateButtons();

    WindowContext context_;
    Printer& printer_;
    TForm20& messageWindow_;
    HelpNavigation navigation_;
    bool vertical_ = true;  // the button bar stands at the left
};

}  // namespace quillan
