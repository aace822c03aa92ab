#pragma once

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <string>

#include "audio/media_window_layout.h"
#include "platform/qt/qt_media_device.h"
#include "context/window_context.h"

namespace quillan {

class TMyImageList;
class TTransparentButton;
class THtml_SmallForm;
class VideoPanel;
class MediaBar;

// The small always-on-top player of a text's media: a video in its panel with the controls
// under it, or a narrow strip of controls for the text's sound, with bookmarks where the text
// has them. An HTML text opens in the small HTML window instead. It plays on a player of its
// own, so the feedback sounds of the exercise do not cut the text's recording; stopping the
// shared player stops it too.
class TMultimediaForm : public QWidget {
    Q_OBJECT
public:
    TMultimediaForm(WindowContext context, TMyImageList& images, THtml_SmallForm& htmlWindow, QWidget* parent = nullptr);
    ~TMultimediaForm() override;

    // What the next ShowMedia uses: the text's bookmark times, its offsets from the main
    // window's corner (-1 for the default), and the main window.
    void SetBookmarks(const Bookmarks& bookmarks) { bookmarks_ = bookmarks; }
    void SetOffsets(int left, int top) {
        offsetLeft_ = left;
        offsetTop_ = top;
    }
    void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }

    // Opens the media of a text: type 1 video, 2 sound, 3 HTML text.
    void ShowMedia(int type, const std::string& path);

    // The window was opened and not closed by its close button or by the exercise: the help
    // window shows it again when it closes.
    bool IsMarkedOpen() const { return open_; }
    // Shows the window again where it was, its file opened anew, after the help window put
    // it away.
    void Reshow();
    void ClearOpenMark() { open_ = false; }

    // What btn_stop does: the playback stops and goes back to the start (the shared player's
    // StopSound calls it, so that no sound of the program goes on).
    void StopPlayback();

    int MediaType() const { return type_; }
    QtMediaDevice& Player() { return player_; }

    TTransparentButton* btn_play;
    TTransparentButton* btn_pause;
    TTransparentButton* btn_stop;
    TTransparentButton* mark_1;
    TTransparentButton* mark_2;
    TTransparentButton* mark_3;
    TTransparentButton* mark_4;
    TTransparentButton* btn_zamknij;
    MediaBar* shape1;
    QWidget* sHAPE2;
    QLabel* Label1;
    QLabel* Image1;
    VideoPanel* Panel1;

protected:
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    MediaPictures Pictures() const;
    void LayOut(const MediaLayout& layout);
    void StartProgress();
    void ShowProgress();
    void PlayFromBookmark(int k);
    void SeekTo(int x);
    TTransparentButton* Mark(int k) const;

    WindowContext context_;
    TMyImageList& images_;
    THtml_SmallForm& htmlWindow_;
    QtMediaDevice player_;
    QTimer progress_;
    QPointer<QWidget> mainWindow_;
    Bookmarks bookmarks_;
    int offsetLeft_ = -1;
    int offsetTop_ = -1;
    int type_ = 0;
    std::string path_;
    bool open_ = false;
    bool playing_ = false;
};

// The progress bar of the media window: reports where it was clicked.
class MediaBar : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
signals:
    void clickedAt(int x);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace quillan
