#include "help/help_form.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include "app/context.h"
#include "audio/button_pictures.h"
#include "audio/multimedia_form.h"
#include "controls/pictures.h"
#include "controls/transparent_button.h"
#include "controls/window_dragger.h"
#include "help/html_view.h"
#include "help/page_printing.h"
#include "platform/paths.h"
#include "platform/qt/qt_text.h"
#include "text/numbered_texts.h"

namespace quillan {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kBarHeight = 48;

QUrl PageUrl(const std::string& path) {
    const HelpTarget target = SplitHelpPath(path);
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(NativePath(target.file)));
    if (!target.anchor.empty()) url.setFragment(ToQt(target.anchor));
    return url;
}

QString Hint(const AppContext& context, int n, const char* designed) {
    const std::string text = UiText(context.course.interfaceTexts, n);
    return text.empty() ? QString::fromUtf8(designed) : ToQt(text);
}

}  // namespace

THelpForm::THelpForm(AppContext& context, TMyImageList& images, Printer& printer, TForm20& messageWindow, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      context_(context),
      printer_(printer),
      messageWindow_(messageWindow) {
    setObjectName("THelpForm");
    setWindowTitle(ToQt(context_.startup.AppTitle));
    setFixedSize(kWidth, kHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x1d, 0x3a, 0x5c));
    setPalette(palette);
    setAutoFillBackground(true);

    img_tlo = new QLabel(this);
    img_tlo->setGeometry(0, 0, kWidth, kBarHeight);
    img_tlo->setCursor(Qt::SizeAllCursor);
    new WindowDragger(img_tlo, this);

    FrameViewer1 = new HtmlView(this);
    FrameViewer1->setGeometry(0, kBarHeight, kWidth, kHeight - kBarHeight);
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

void THelpForm::SetMediaWindow(TMultimediaForm* media) { media_ = media; }

void THelpForm::ShowPage(const std::string& path) {
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
    // The buttons shown stand side by side from the left of the bar.
    int x = 12;
    for (TTransparentButton* button : {btn_back, btn_spis, Button2}) {
        if (button->isHidden()) continue;
        button->move(x, (kBarHeight - button->height()) / 2);
        x += button->width() + 8;
    }
}

void THelpForm::PrintPage() { PrintShownPage(*FrameViewer1, context_, printer_, messageWindow_); }

void THelpForm::showEvent(QShowEvent* event) {
    const StartupState& s = context_.startup;
    img_tlo->setPixmap(LoadPicture(s.ProgramDir + s.LangDir + "gfx_r\\pod_pasek_help.bmp"));
    btn_back->setToolTip(Hint(context_, 53, "Powrót"));
    Button2->setToolTip(Hint(context_, 54, "Drukuj"));
    btn_spis->setToolTip(Hint(context_, 55, "Spis treści"));
    btn_exit->move(kWidth - btn_exit->width() - 10, (kBarHeight - btn_exit->height()) / 2);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(kWidth / 2, kHeight / 2));
    if (media_ && media_->isVisible()) media_->hide();
    QWidget::showEvent(event);
}

void THelpForm::hideEvent(QHideEvent* event) {
    img_tlo->clear();
    if (media_ && media_->IsMarkedOpen()) media_->Reshow();
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
