#include "audio/multimedia_form.h"
#include "controls/widget_style.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>

#include "context/window_context.h"
#include "controls/button_pictures.h"
#include "audio/video_panel.h"
#include "controls/image_list.h"
#include "controls/transparent_button.h"
#include "controls/window_dragger.h"
#include "help/html_small_form.h"
#include "platform/paths.h"
#include "platform/qt/qt_text.h"

namespace quillan {
namespace {

constexpr int kProgressIntervalMs = 100;
const QColor kTitleColour(0x16, 0x2c, 0x48);

// The picture under the controls (the window's own drawing): a dark blue strip with a light
// edge at the top.
QPixmap StripPicture(QSize size) {
    QPixmap strip(size);
    QPainter painter(&strip);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, QColor(0x3a, 0x5f, 0x8a));
    gradient.setColorAt(1, QColor(0x16, 0x2c, 0x48));
    painter.fillRect(strip.rect(), gradient);
    painter.setPen(QColor(0x9c, 0xbd, 0xdf));
    painter.drawLine(0, 0, size.width() - 1, 0);
    painter.setPen(QColor(0x0b, 0x18, 0x28));
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return strip;
}

void SetBox(QWidget* widget, const Box& box) { widget->setGeometry(box.left, box.top, box.width, box.height); }

}  // namespace

void MediaBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QColor(0x0b, 0x18, 0x28));
    painter.setBrush(QColor(0xdd, 0xe6, 0xf0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void MediaBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clickedAt(event->position().toPoint().x());
}

TMultimediaForm::TMultimediaForm(WindowContext context, TMyImageList& images, THtml_SmallForm& htmlWindow, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      context_(context),
      images_(images),
      htmlWindow_(htmlWindow) {
    setObjectName("TMultimediaForm");
    setWindowTitle(ToQt(context_.startup.AppTitle));
    // The title strip's colour round the video and behind the close button.
    setAutoFillBackground(true);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, kTitleColour);
    setPalette(ground);

    Image1 = new QLabel(this);
    Panel1 = new VideoPanel(this);
    shape1 = new MediaBar(this);
    sHAPE2 = new QWidget(this);
    sHAPE2->setAutoFillBackground(true);
    QPalette knob = sHAPE2->palette();
    knob.setColor(QPalette::Window, QColor(0xf0, 0xa8, 0x30));
    sHAPE2->setPalette(knob);
    sHAPE2->setAttribute(Qt::WA_TransparentForMouseEvents);

    Label1 = new QLabel(this);
    Label1->setText(" " + ToQt(context_.startup.AppTitle));
    SetBackgroundColour(*Label1, kTitleColour);
    SetTextColour(*Label1, Qt::white);
    Label1->setFont(PixelFont("Verdana", 11, true));
    Label1->setCursor(Qt::SizeAllCursor);
    new WindowDragger(Label1, this);

    btn_play = new TTransparentButton(this, &images_, pictures::Play);
    btn_pause = new TTransparentButton(this, &images_, pictures::Pause);
    btn_stop = new TTransparentButton(this, &images_, pictures::Stop);
    mark_1 = new TTransparentButton(this, &images_, pictures::BookmarkA);
    mark_2 = new TTransparentButton(this, &images_, pictures::BookmarkB);
    mark_3 = new TTransparentButton(this, &images_, pictures::BookmarkC);
    mark_4 = new TTransparentButton(this, &images_, pictures::BookmarkD);
    btn_zamknij = new TTransparentButton(this, &images_, pictures::ClosePanel);
    for (TTransparentButton* button : {btn_play, btn_pause, btn_stop, mark_1, mark_2, mark_3, mark_4, btn_zamknij})
        button->setCursor(Qt::PointingHandCursor);

    progress_.setInterval(kProgressIntervalMs);
    connect(&progress_, &QTimer::timeout, this, &TMultimediaForm::ShowProgress);

    connect(btn_play, &TTransparentButton::clicked, this, [this] {
        player_.Play();
        StartProgress();
    });
    connect(btn_stop, &TTransparentButton::clicked, this, &TMultimediaForm::StopPlayback);
    connect(btn_pause, &TTransparentButton::clicked, this, [this] {
        if (player_.GetMode() == MediaDevice::Mode::Paused) {
            player_.Play();
        } else {
            player_.Pause();
        }
        if (player_.GetMode() == MediaDevice::Mode::Paused)
            progress_.stop();
        else
            progress_.start();
    });
    for (int k = 0; k < 4; ++k)
        connect(Mark(k), &TTransparentButton::clicked, this, [this, k] { PlayFromBookmark(k); });
    connect(shape1, &MediaBar::clickedAt, this, &TMultimediaForm::SeekTo);
    connect(btn_zamknij, &TTransparentButton::clicked, this, [this] {
        open_ = false;
        hide();
    });
}

TMultimediaForm::~TMultimediaForm() = default;

TTransparentButton* TMultimediaForm::Mark(int k) const {
    TTransparentButton* const marks[] = {mark_1, mark_2, mark_3, mark_4};
    return marks[k];
}

void TMultimediaForm::ShowMedia(int type, const std::string& path) {
    type = MediaTypeOf(type, path);
    for (int k = 0; k < 4; ++k) Mark(k)->setVisible(bookmarks_.Shown(k));
    playing_ = false;
    progress_.stop();

    if (type == 3) {
        if (!FileExists(path)) {
            context_.services.messages->Show("Brak pliku: " + path);
            return;
        }
        htmlWindow_.SetBackground(context_.startup.ProgramDir + context_.startup.LangDir + "gfx_r\\reading.bmp");
        htmlWindow_.OpenModal(path);
        return;
    }
    if (type != 1 && type != 2) {
        context_.services.messages->Show("brak typu!");
        return;
    }
    if (!FileExists(path)) return;

    hide();
    type_ = type;
    path_ = path;
    player_.SetVideoOutput(type == 1 ? Panel1->Sink() : nullptr);
    player_.Open(NativePath(path));
    LayOut(LayOutMedia(type, bookmarks_.Any(), Pictures()));

    const QPoint corner = mainWindow_ ? mainWindow_->geometry().topLeft() : QPoint(0, 0);
    const Place place = MediaWindowPlace(corner.x(), corner.y(), offsetLeft_, offsetTop_);
    move(place.left, place.top);
    open_ = true;
    show();
    raise();

    if (type == 1) {
        player_.Play();
        StartProgress();
    }
}

void TMultimediaForm::Reshow() {
    if ((type_ != 1 && type_ != 2) || !FileExists(path_)) return;
    player_.SetVideoOutput(type_ == 1 ? Panel1->Sink() : nullptr);
    player_.Open(NativePath(path_));
    sHAPE2->move(shape1->x(), sHAPE2->y());
    show();
    raise();
}

// The sizes of the buttons' pictures in the shared list.
MediaPictures TMultimediaForm::Pictures() const {
    auto size = [this](const TTransparentButton* button) {
        return PictureSize{images_.FrameWidth(button->BitmapNormal()), images_.FrameHeight(button->BitmapNormal())};
    };
    MediaPictures pictures;
    pictures.play = size(btn_play);
    pictures.pause = size(btn_pause);
    pictures.stop = size(btn_stop);
    pictures.mark = size(mark_1);
    pictures.close = size(btn_zamknij);
    return pictures;
}

void TMultimediaForm::LayOut(const MediaLayout& layout) {
    setFixedSize(layout.window.width, layout.window.height);
    SetBox(Image1, layout.strip);
    Image1->setPixmap(StripPicture(QSize(layout.strip.width, layout.strip.height)));
    SetBox(Panel1, layout.video);
    Panel1->setVisible(layout.videoShown);
    Panel1->Clear();
    SetBox(Label1, layout.title);
    Label1->setVisible(layout.titleShown);
    btn_zamknij->move(layout.close.left, layout.close.top);
    btn_zamknij->setVisible(layout.titleShown);
    btn_play->move(layout.play.left, layout.play.top);
    btn_pause->move(layout.pause.left, layout.pause.top);
    btn_stop->move(layout.stop.left, layout.stop.top);
    SetBox(shape1, layout.bar);
    SetBox(sHAPE2, layout.knob);
    for (int k = 0; k < 4; ++k) Mark(k)->move(layout.marks[k].left, layout.marks[k].top);
    sHAPE2->raise();
}

void TMultimediaForm::StopPlayback() {
    player_.Stop();
    player_.Seek(0);
    progress_.stop();
    playing_ = false;
    sHAPE2->move(shape1->x(), sHAPE2->y());
}

void TMultimediaForm::StartProgress() {
    playing_ = true;
    progress_.start();
}

void TMultimediaForm::ShowProgress() {
    const int offset = KnobOffset(player_.PositionMs(), player_.KnownLengthMs(), shape1->width(), sHAPE2->width());
    sHAPE2->move(shape1->x() + offset, sHAPE2->y());
}

void TMultimediaForm::PlayFromBookmark(int k) {
    player_.Pause();
    player_.Seek(bookmarks_.times[static_cast<size_t>(k)]);
    player_.Play();
    StartProgress();
}

void TMultimediaForm::SeekTo(int x) {
    player_.Seek(SeekTime(x, player_.LengthMs(), shape1->width(), sHAPE2->width()));
    player_.Play();
    StartProgress();
}

void TMultimediaForm::hideEvent(QHideEvent* event) {
    progress_.stop();
    playing_ = false;
    if (player_.GetMode() == MediaDevice::Mode::Playing) player_.Stop();
    player_.Close();
    player_.SetVideoOutput(nullptr);
    Panel1->Clear();
    QWidget::hideEvent(event);
}

// Keys do nothing in the player.
void TMultimediaForm::keyPressEvent(QKeyEvent* event) { event->accept(); }

}  // namespace quillan
