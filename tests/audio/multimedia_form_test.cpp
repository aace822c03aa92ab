#include <gtest/gtest.h>

#include <QLabel>
#include <QAudioDevice>
#include <QMediaDevices>
#include <algorithm>

#include "session/app_context.h"
#include "audio/multimedia_form.h"
#include "audio/resource_form.h"
#include "audio/video_panel.h"
#include "controls/message_form.h"
#include "controls/transparent_button.h"
#include "forms/shared_forms.h"
#include "help/html_small_form.h"
#include "help/html_view.h"
#include "support/bitmaps.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "support/ui_helpers.h"
#include "support/wav.h"

namespace quillan {
namespace {

class MultimediaFormTest : public ::testing::Test {
protected:
    MultimediaFormTest() {
        StartupState& s = context.startup;
        s.ProgramDir = dir.Path();
        s.MediaDir = dir.Path() + "media\\";
        test::WriteButtonStrips(dir);
        form5.LoadButtonPictures();
        main.setGeometry(100, 40, 400, 300);
        media.SetMainWindow(&main);
        dir.Write("media/Teksty_wav/7.wav", test::WavBytes(300));
        sound = s.MediaDir + "Teksty_wav\\7.wav";
    }

    test::TempDir dir;
    test::FakeMessages messages;
    AppContext context;
    // The shared player takes the messages when the window is made: they are in place first.
    static AppContext& WithMessages(AppContext& context, Messages& messages) {
        context.services.messages = &messages;
        return context;
    }
    TForm5 form5{WithMessages(context, messages)};
    test::FakePrinter printer;
    TForm20 form20{context, form5.MyImageList1};
    THtml_SmallForm small{context, form5.MyImageList1, printer, form20};
    TMultimediaForm media{context, form5.MyImageList1, small};
    QWidget main;
    std::string sound;
};

TEST_F(MultimediaFormTest, SoundWithoutBookmarksIsTheNarrowStrip) {
    media.ShowMedia(2, sound);
    ASSERT_TRUE(media.isVisible());
    EXPECT_EQ(media.size(), QSize(200, 33));
    EXPECT_EQ(media.pos(), QPoint(150, 50));  // 50 right and 10 down from the main window
    for (TTransparentButton* mark : {media.mark_1, media.mark_2, media.mark_3, media.mark_4}) EXPECT_FALSE(mark->isVisible());
    EXPECT_FALSE(media.Label1->isVisible());
    EXPECT_FALSE(media.btn_zamknij->isVisible());
    EXPECT_FALSE(media.Panel1->isVisible());
    EXPECT_TRUE(media.IsMarkedOpen());
    EXPECT_EQ(media.btn_play->y(), 4);
    EXPECT_NE(media.Player().GetMode(), MediaDevice::Mode::Playing);  // the learner starts the sound
}

TEST_F(MultimediaFormTest, BookmarksWidenTheStrip) {
    media.SetBookmarks(Bookmarks{{0, 1200, -1, 2400}});
    media.SetOffsets(300, 5);
    media.ShowMedia(2, sound);
    EXPECT_EQ(media.size(), QSize(290, 33));
    EXPECT_EQ(media.pos(), QPoint(400, 45));
    EXPECT_TRUE(media.mark_1->isVisible());
    EXPECT_TRUE(media.mark_2->isVisible());
    EXPECT_FALSE(media.mark_3->isVisible());
    EXPECT_TRUE(media.mark_4->isVisible());
    EXPECT_EQ(media.mark_2->x(), 190 + 24);
}

TEST_F(MultimediaFormTest, VideoWindowAndMissingFiles) {
    dir.Write("Teksty_mpg_r/7.mpg", "");
    media.ShowMedia(1, dir.Path() + "Teksty_mpg_r\\7.mpg");
    EXPECT_EQ(media.width(), 336);
    EXPECT_EQ(media.height(), 344 + media.Label1->height() - 20) << "taller by what the close button needs";
    EXPECT_TRUE(media.Label1->isVisible());
    EXPECT_EQ(media.Label1->width(), media.btn_zamknij->x() - 1) << "the title up to the close button";
    EXPECT_TRUE(media.Panel1->isVisible());
    EXPECT_EQ(media.Panel1->pos(), QPoint(1, media.Label1->height()));
    media.hide();

    media.ShowMedia(1, dir.Path() + "Teksty_mpg_r\\8.mpg");  // missing video: nothing
    EXPECT_FALSE(media.isVisible());
    EXPECT_TRUE(messages.shown.empty());
    media.ShowMedia(3, dir.Path() + "Teksty_htm_r\\8.htm");
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Brak pliku: " + dir.Path() + "Teksty_htm_r\\8.htm"});
    media.ShowMedia(4, dir.Path() + "x.dat");
    EXPECT_EQ(messages.shown.back(), "brak typu!");
}

// The video player lays its buttons out from their pictures: a close button larger than the
// title strip planned for stays inside the window and off the video; the bar, on a row of its
// own, keeps its place whatever the width of the buttons under it.
TEST_F(MultimediaFormTest, VideoPlayerPlacesItsButtonsFromTheirPictures) {
    dir.Write("Teksty_mpg_r/7.mpg", "");
    auto strip = [](int side) {
        return test::BmpBytes(2 * side, side, [side](int x, int y) { return y == side - 1 || x % side == 0 ? 0xff00ffu : 0x2060c0u; });
    };
    struct Case {
        int close, buttons;  // the sides of the close button's and the play buttons' pictures
    } cases[] = {{18, 24}, {25, 24}, {25, 33}, {33, 33}};
    for (const Case& c : cases) {
        dir.Write("but_r/close_panel.bmp", strip(c.close));
        for (const char* button : {"but_r/play.bmp", "but_r/Pause.bmp", "but_r/stop.bmp"}) dir.Write(button, strip(c.buttons));
        form5.LoadButtonPictures();
        media.ShowMedia(1, dir.Path() + "Teksty_mpg_r\\7.mpg");
        const QRect close = media.btn_zamknij->geometry();
        EXPECT_EQ(close.size(), QSize(c.close, c.close));
        EXPECT_TRUE(media.rect().contains(close)) << c.close;
        EXPECT_FALSE(close.intersects(media.Panel1->geometry())) << c.close;
        EXPECT_FALSE(close.intersects(media.Label1->geometry())) << c.close;
        EXPECT_EQ(media.Panel1->geometry(), QRect(1, media.Label1->height(), 334, 251)) << "right under the title strip";
        const int taller = media.height() - 344;
        EXPECT_EQ(media.shape1->geometry(), QRect(12, 282 + taller, 312, 8)) << c.buttons;
        EXPECT_EQ(media.sHAPE2->x(), 12);
        EXPECT_EQ(media.btn_stop->geometry(), QRect(12 + 2 * (c.buttons + 2), 304 + taller, c.buttons, c.buttons));
        EXPECT_TRUE(media.rect().contains(media.btn_stop->geometry())) << c.buttons;
        media.hide();
    }
}

// The exercise windows stop every sound with the shared player's StopSound, the media
// window's own player among them.
TEST_F(MultimediaFormTest, StoppingTheSharedPlayerStopsTheMediaWindow) {
    if (QMediaDevices::audioOutputs().isEmpty()) GTEST_SKIP() << "no sound output on this machine";
    test::FakePrinter paper;
    SharedForms forms(context, paper);
    forms.form5->LoadButtonPictures();
    TMultimediaForm& shared = *forms.multimedia;
    dir.Write("media/Teksty_wav/8.wav", test::WavBytes(3000));
    shared.ShowMedia(2, context.startup.MediaDir + "Teksty_wav\\8.wav");
    test::Click(*shared.btn_play);
    ASSERT_EQ(shared.Player().GetMode(), MediaDevice::Mode::Playing);
    context.services.soundPlayer->StopSound();
    EXPECT_EQ(shared.Player().GetMode(), MediaDevice::Mode::Stopped);
    EXPECT_EQ(shared.sHAPE2->x(), shared.shape1->x()) << "the knob back at the start";
    EXPECT_TRUE(shared.isVisible()) << "the window stays for the learner to play again";
}

TEST_F(MultimediaFormTest, HtmlTextOpensTheSmallWindow) {
    dir.Write("Teksty_htm_r/7.htm", "<p>Tekst</p>");
    QString text;
    test::WhileModal([&] { media.ShowMedia(3, dir.Path() + "Teksty_htm_r\\7.htm"); },
                     [&] {
                         text = small.Html->toPlainText();
                         small.accept();
                     });
    EXPECT_EQ(text.trimmed(), "Tekst");
    EXPECT_FALSE(media.isVisible());
}

TEST_F(MultimediaFormTest, ClosingPutsThePlayerAway) {
    media.ShowMedia(2, sound);
    test::Click(*media.btn_play);
    test::Click(*media.btn_zamknij);
    EXPECT_FALSE(media.isVisible());
    EXPECT_FALSE(media.IsMarkedOpen());
    EXPECT_EQ(media.Player().GetMode(), MediaDevice::Mode::NotReady);
}

TEST_F(MultimediaFormTest, ResourceWindowHoldsTheSharedPictures) {
    EXPECT_EQ(form5.MyImageList1.Count(), 62);
    EXPECT_EQ(form5.stan_ok.size(), QSize(18, 18));
    EXPECT_EQ(form5.stan_bad.size(), QSize(18, 18));
    EXPECT_FALSE(form5.stan_ok.toImage() == form5.stan_bad.toImage());

    // A new interface language loads the pictures again.
    SetLanguage(context.startup, 1);
    form5.LoadButtonPictures();
    EXPECT_EQ(form5.MyImageList1.Count(), 62);
    EXPECT_TRUE(messages.errors.empty());
}

// A strip that cannot be loaded is told and stands in with a picture of its own: every later
// button keeps its index and its own picture.
TEST_F(MultimediaFormTest, AStripThatCannotBeLoadedKeepsTheOthersInPlace) {
    const std::string odd = test::BmpBytes(47, 20, [](int, int) { return 0xff00ffu; });
    struct Case {
        std::vector<std::pair<std::string, std::string>> broken;  // file under the installation, its bytes
        std::vector<int> indexes;                                  // their places in the list
        std::vector<std::string> told;                             // in the one message, line by line
    } cases[] = {
        {{{"but_r/ok2.bmp", ""}}, {0}, {"Nie moge otworzyc pliku : \"" + dir.Path() + "but_r\\ok2.bmp\""}},
        {{{"Lang_r/0/but_r/next.bmp", ""}}, {45}, {"Nie moge otworzyc pliku : \"" + dir.Path() + "Lang_r\\0\\but_r\\next.bmp\""}},
        {{{"but_r/print.bmp", odd}}, {61}, {"Dlugosc obrazka nie dzieli sie przez podana liczbe klatek"}},
        {{{"but_r/play.bmp", ""}, {"but_r/nagr_a.bmp", ""}}, {2, 18},
         {"Nie moge otworzyc pliku : \"" + dir.Path() + "but_r\\play.bmp\"",
          "Nie moge otworzyc pliku : \"" + dir.Path() + "but_r\\nagr_a.bmp\""}},
    };
    for (const Case& c : cases) {
        test::WriteButtonStrips(dir);
        for (const auto& [file, bytes] : c.broken) dir.Write(file, bytes);
        messages.errors.clear();
        form5.LoadButtonPictures();
        TMyImageList& list = form5.MyImageList1;
        EXPECT_EQ(list.Count(), 62);
        std::string told;
        for (const std::string& line : c.told) told += (told.empty() ? "" : "\n") + line;
        EXPECT_EQ(messages.errors, std::vector<std::string>{told});
        for (int index = 0; index < list.Count(); ++index) {
            const bool stands_in = std::find(c.indexes.begin(), c.indexes.end(), index) != c.indexes.end();
            // The test strips are 24 x 20 frames; the stand-in is as large as a button beyond the list.
            EXPECT_EQ(list.FrameWidth(index), stands_in ? 33 : 24) << index;
            EXPECT_EQ(list.FrameHeight(index), stands_in ? 33 : 20) << index;
            EXPECT_FALSE(list.FramePixmap(index, 0).isNull()) << index;
        }
        for (int index : c.indexes)
            EXPECT_EQ(list.FramePixmap(index, 0).toImage().pixelColor(16, 16).alpha(), 255) << index << ": the stand-in is seen";
    }
}

}  // namespace
}  // namespace quillan
