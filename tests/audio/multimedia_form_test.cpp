#include <gtest/gtest.h>

#include <QLabel>

#include "session/app_context.h"
#include "audio/multimedia_form.h"
#include "audio/resource_form.h"
#include "audio/video_panel.h"
#include "controls/message_form.h"
#include "controls/transparent_button.h"
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
    EXPECT_EQ(media.size(), QSize(336, 344));
    EXPECT_TRUE(media.Label1->isVisible());
    EXPECT_EQ(media.Label1->width(), 336 - 23);
    EXPECT_TRUE(media.Panel1->isVisible());
    EXPECT_EQ(media.Panel1->pos(), QPoint(1, 20));
    media.hide();

    media.ShowMedia(1, dir.Path() + "Teksty_mpg_r\\8.mpg");  // missing video: nothing
    EXPECT_FALSE(media.isVisible());
    EXPECT_TRUE(messages.shown.empty());
    media.ShowMedia(3, dir.Path() + "Teksty_htm_r\\8.htm");
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Brak pliku: " + dir.Path() + "Teksty_htm_r\\8.htm"});
    media.ShowMedia(4, dir.Path() + "x.dat");
    EXPECT_EQ(messages.shown.back(), "brak typu!");
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

    // A new interface language loads the pictures again; a missing one stops with its error.
    SetLanguage(context.startup, 1);
    form5.LoadButtonPictures();
    EXPECT_EQ(form5.MyImageList1.Count(), 62);
    dir.Write("Lang_r/1/but_r/next.bmp", "");
    EXPECT_THROW(form5.LoadButtonPictures(), std::runtime_error);
    EXPECT_EQ(form5.MyImageList1.Count(), 45);
}

}  // namespace
}  // namespace quillan
