#include "help/html_small_form.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "context/window_context.h"
#include "controls/button_pictures.h"
#include "controls/pictures.h"
#include "controls/transparent_button.h"
#include "controls/widget_style.h"
#include "controls/window_dragger.h"
#include "help/html_view.h"
#include "help/page_printing.h"
#include "platform/paths.h"
#include "platform/qt/qt_text.h"
#include "text/numbered_texts.h"

namespace quillan {
namespace {

// Without its picture the window keeps this size.
constexpr QSize kDefaultSize(640, 520);
constexpr int kTitleHeight = 34;
constexpr int kMargin = 16;
constexpr int kButtonRow = 46;

}  // namespace

THtml_SmallForm::THtml_SmallForm(WindowContext context, TMyImageList& images, Printer& printer, TForm20& messageWindow,
                                 QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint), context_(context), printer_(printer), messageWindow_(messageWindow) {
    setObjectName("THtml_SmallForm");
    setWindowTitle(ToQt(context_.startup.AppTitle));
    SetBackgroundColour(*this, QColor(0x1d, 0x3a, 0x5c));

    img_tlo = new QLabel(this);
    Label1 = new QLabel(this);
    Label1->setCursor(Qt::SizeAllCursor);
    new WindowDragger(Label1, this);
    Html = new HtmlView(this);
    Html->setOpenExternalLinks(true);
    Html->setFrameShape(QFrame::NoFrame);
    btn_print = new TTransparentButton(this, &images, pictures::PrintSmall);
    btn_exit = new TTransparentButton(this, &images, pictures::ClosePanel);
    for (TTransparentButton* button : {btn_print, btn_exit}) button->setCursor(Qt::PointingHandCursor);
    connect(btn_print, &TTransparentButton::clicked, this, &THtml_SmallForm::PrintPage);
    connect(btn_exit, &TTransparentButton::clicked, this, &QDialog::accept);
    setFixedSize(kDefaultSize);
}

void THtml_SmallForm::SetBackground(const std::string& windowsPath) { background_ = windowsPath; }

void THtml_SmallForm::Load(const std::string& path) {
    Html->setSource(QUrl::fromLocalFile(QString::fromStdString(NativePath(path))));
    Html->clearHistory();
}

int THtml_SmallForm::OpenModal(const std::string& path) {
    Load(path);
    return exec();
}

// The window takes the size of its picture; the page fills it below the title strip, above
// the buttons.
void THtml_SmallForm::LayOut() {
    const QPixmap picture = LoadPicture(background_);
    const QSize size = picture.isNull() ? kDefaultSize : picture.size();
    setFixedSize(size);
    img_tlo->setGeometry(0, 0, size.width(), size.height());
    img_tlo->setPixmap(picture);
    Label1->setGeometry(0, 0, size.width() - 40, kTitleHeight);
    Html->setGeometry(kMargin, kTitleHeight + 6, size.width() - 2 * kMargin, size.height() - kTitleHeight - 6 - kButtonRow);
    btn_exit->move(size.width() - btn_exit->width() - 8, (kTitleHeight - btn_exit->height()) / 2);
    btn_print->move(size.width() - btn_print->width() - kMargin, size.height() - kButtonRow + (kButtonRow - btn_print->height()) / 2);
}

void THtml_SmallForm::PrintPage() { PrintShownPage(*Html, context_, printer_, messageWindow_); }

void THtml_SmallForm::showEvent(QShowEvent* event) {
    LayOut();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
    QDialog::showEvent(event);
}

void THtml_SmallForm::hideEvent(QHideEvent* event) {
    img_tlo->clear();
    QDialog::hideEvent(event);
}

}  // namespace quillan
