#include "help/help_form.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include "context/window_context.h"
#include "controls/button_pictures.h"
#include "controls/pictures.h"
#include "controls/transparent_button.h"
#include "controls/widget_style.h"
#include "help/html_view.h"
#include "help/page_printing.h"
#include "platform/paths.h"
#include "platform/qt/qt_text.h"
#include "text/numbered_texts.h"

namespace quillan {
namespace {

// The help window covers the program's screen; its button bar is the picture
// "pod_pasek_help.bmp", standing at the left when it is taller than wide, otherwise at the top.
constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kBarSize = 100;  // without the picture: a bar at the left this wide
constexpr int kGap = 10;

QUrl PageUrl(const std::string& path) {
    const HelpTarget target = SplitHelpPath(path);
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(NativePath(target.file)));
    if (!target.anchor.empty()) url.setFragment(ToQt(target.anchor));
    return url;
}

QString Hint(const WindowContext context, int n, const char* designed) {
    const std::string text = UiText(context.interfaceTexts, n);
    return text.empty() ? QString::fromUtf8(designed) : ToQt(text);
}

}  // namespace

THelpForm::THelpForm(WindowContext context, TMyImageList& images, Printer& printer, TForm20& messageWindow, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      context_(context),
      printer_(printer),
      messageWindow_(messageWindow) {
    setObjectName("THelpForm");
    setWindowTitle(ToQt(context_.startup.AppTitle));
    setFixedSize(kWidth, kHeight);
    SetBackgroundColour(*this, QColor(0x1d, 0x3a, 0x5c));

    img_tlo = new QLabel(this);
    FrameViewer1 = new HtmlView(this);
    FrameViewer1->setFrameShape(QFrame::NoFrame);
    FrameViewer1->setOpenLinks(false);
    connect(FrameViewer1, &QTextBrowser::anchorClicked, this, &THelpForm::FollowLink);
    connect(FrameViewer1, &QTextBrowser::historyChanged, this, &THelpForm::UpdateButtons);

    btn_back = new TTransparentButton(this, &images, pictures::Back);
    Button2 = new TTransparentButton(this, &images, pictures::Print);
    btn_spis = new TTransparentButton(this, &images, pictures::Contents);
    btn_exit = new TTransparentButton(this, &images, pictures::ClosePanel);
    for (TTransparentButton* button : {btn_back, Button2, btn_spis, btn_exit}) button->setCursor(Qt::PointingHandCursor);
    connect(btn_back, &TTransparentButton::clicked, this, &THelpForm::GoBack);
    connect(Button2, &TTransparentButton::clicked, this, &THelpForm::PrintPage);
    connect(btn_spis, &TTransparentButton::clicked, this,
            [this] { OpenHelp(context_.startup.ProgramDir + "Htm_r\\h_index.html"); });
    connect(btn_exit, &TTransparentButton::clicked, this, &QWidget::close);
}

void THelpForm::ShowHelpPage(const std::string& page) { ShowPage(context_.startup.ProgramDir + "Htm_r\\" + page); }

void THelpForm::ShowPage(const std::string& path) {
    // Opened from a modal window (sign-in, settings) the help window is modal too: otherwise it
    // could not be read, scrolled or closed before that window closed.
    const QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality modality = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (modality != windowModality()) {
        hide();
        setWindowModality(modality);
    }
    show();
    raise();
    activateWindow();
    OpenHelp(path);
}

void THelpForm::OpenHelp(const std::string& path) {
    navigation_.Opened();
    FrameViewer1->setSource(PageUrl(path));
    FrameViewer1->clearHistory();
    UpdateButtons();
}

void THelpForm::FollowLink(const QUrl& link) {
    const QUrl target = FrameViewer1->source().resolved(link);
    if (!target.isLocalFile() && !target.scheme().isEmpty()) {
        // Web and mail addresses open outside the program.
        QDesktopServices::openUrl(target);
        return;
    }
    navigation_.FollowedLink();
    FrameViewer1->setSource(target);
    UpdateButtons();
}

void THelpForm::GoBack() {
    navigation_.WentBack();
    FrameViewer1->backward();
    UpdateButtons();
}

void THelpForm::UpdateButtons() {
    btn_back->setVisible(navigation_.BackShown());
    btn_spis->setVisible(HelpNavigation::ContentsShown(FromQt(FrameViewer1->source().toLocalFile())));
    // The buttons shown follow each other down (or along) the bar, the exit at its far end.
    const QRect bar = img_tlo->geometry();
    int along = vertical_ ? 64 : 12;
    for (TTransparentButton* button : {btn_back, btn_spis, Button2}) {
        if (button->isHidden()) continue;
        if (vertical_) {
            button->move(bar.left() + (bar.width() - button->width()) / 2, along);
            along += button->height() + kGap;
        } else {
            button->move(along, bar.top() + (bar.height() - button->height()) / 2);
            along += button->width() + kGap;
        }
    }
    if (vertical_)
        btn_exit->move(bar.left() + (bar.width() - btn_exit->width()) / 2, bar.bottom() - btn_exit->height() - 16);
    else
        btn_exit->move(bar.right() - btn_exit->width() - 12, bar.top() + (bar.height() - btn_exit->height()) / 2);
}

void THelpForm::PrintPage() { PrintShownPage(*FrameViewer1, context_, printer_, messageWindow_); }

void THelpForm::showEvent(QShowEvent* event) {
    const StartupState& s = context_.startup;
    // The bar is the program's own picture; an installation may give each language its own.
    QPixmap bar = LoadPicture(s.ProgramDir + s.LangDir + "gfx_r\\pod_pasek_help.bmp");
    if (bar.isNull()) bar = LoadPicture(s.ProgramDir + "gfx_r\\pod_pasek_help.bmp");
    vertical_ = bar.isNull() || bar.height() > bar.width();
    if (vertical_) {
        const int width = bar.isNull() ? kBarSize : bar.width();
        img_tlo->setGeometry(0, 0, width, kHeight);
        FrameViewer1->setGeometry(width, 0, kWidth - width, kHeight);
    } else {
        img_tlo->setGeometry(0, 0, kWidth, bar.height());
        FrameViewer1->setGeometry(0, bar.height(), kWidth, kHeight - bar.height());
    }
    img_tlo->setPixmap(bar);
    btn_back->setToolTip(Hint(context_, 53, "Powrót"));
    Button2->setToolTip(Hint(context_, 54, "Drukuj"));
    btn_spis->setToolTip(Hint(context_, 55, "Spis treści"));
    UpdateButtons();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(kWidth / 2, kHeight / 2));
    emit Showing();
    QWidget::showEvent(event);
}

void THelpForm::hideEvent(QHideEvent* event) {
    img_tlo->clear();
    emit Hidden();
    QWidget::hideEvent(event);
}

void THelpForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace quillan
