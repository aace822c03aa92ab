#include <gtest/gtest.h>

#include "controls/button_pictures.h"
#include "audio/media_paths.h"
#include "audio/media_window_layout.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

StartupState State() {
    StartupState s;
    s.ProgramDir = "C:\\Kurs\\";
    s.MediaDir = "D:\\Media\\";
    SetLanguage(s, 1);
    return s;
}

TEST(MediaPaths, SentenceAudio) {
    const StartupState s = State();
    EXPECT_EQ(SentenceAudioPath(s, 123), "D:\\Media\\bsgram\\D_00\\dd_001\\00123.wav");
    EXPECT_EQ(SentenceAudioPath(s, 45678), "D:\\Media\\bsgram\\D_45\\dd_456\\45678.wav");
    EXPECT_EQ(SentenceAudioPath(s, 123456), "D:\\Media\\bsgram\\D_12\\dd_123\\123456.wav");
    EXPECT_EQ(SentenceAudioPath(s, 0), "");
    EXPECT_EQ(SentenceAudioPath(s, -5), "");
}

TEST(MediaPaths, DialogueLines) {
    const StartupState s = State();
    EXPECT_EQ(DialogueLinePath(s, "save_3.wav"), "C:\\Kurs\\save_3.wav");
    EXPECT_EQ(DialogueLinePath(s, "d12_04"), "D:\\Media\\Dialogi\\d12_04.wav");
    EXPECT_EQ(DialogueLinePath(s, "Save_3"), "D:\\Media\\Dialogi\\Save_3.wav");
}

TEST(MediaPaths, TextMediaKindPrefersVideoThenPage) {
    test::TempDir dir;
    StartupState s;
    s.ProgramDir = dir.Path();
    s.MediaDir = dir.Path() + "media\\";
    EXPECT_EQ(TextMediaKind(s, "7"), MediaType::Audio);
    EXPECT_EQ(TextMediaPath(s, MediaType::Audio, "7"), dir.Path() + "media\\Teksty_wav\\7.wav");
    dir.Write("teksty_htm_r/7.htm", "<p>x</p>");
    EXPECT_EQ(TextMediaKind(s, "7"), MediaType::Html);
    dir.Write("Teksty_mpg_r/7.mpg", "");
    EXPECT_EQ(TextMediaKind(s, "7"), MediaType::Video);
    EXPECT_EQ(TextMediaPath(s, MediaType::Video, "7"), dir.Path() + "Teksty_mpg_r\\7.mpg");
}

TEST(ButtonPictures, ListOrderAndLanguagePictures) {
    const std::vector<std::string> paths = ButtonPicturePaths(State());
    ASSERT_EQ(paths.size(), 62u);
    EXPECT_EQ(paths[0], "C:\\Kurs\\but_r\\ok2.bmp");
    EXPECT_EQ(paths[18], "C:\\Kurs\\but_r\\nagr_a.bmp");
    EXPECT_EQ(paths[43], "C:\\Kurs\\but_r\\close_panel.bmp");
    EXPECT_EQ(paths[50], "C:\\Kurs\\but_r\\panel_film.bmp");
    EXPECT_EQ(paths[58], "C:\\Kurs\\but_r\\panel_html.bmp");
    EXPECT_EQ(paths[61], "C:\\Kurs\\but_r\\print.bmp");
    const std::vector<size_t> language = {29, 39, 41, 42, 45, 48, 51, 60};
    for (size_t i = 0; i < paths.size(); ++i) {
        const bool inLang = paths[i].find("Lang_r\\1\\but_r\\") != std::string::npos;
        EXPECT_EQ(inLang, std::find(language.begin(), language.end(), i) != language.end()) << i << " " << paths[i];
    }
    EXPECT_EQ(paths[45], "C:\\Kurs\\Lang_r\\1\\but_r\\next.bmp");
}

TEST(MediaWindow, PathDecidesTheType) {
    EXPECT_EQ(MediaTypeOf(2, "x\\film.avi"), 1);
    EXPECT_EQ(MediaTypeOf(1, "x\\Tekst.WAV"), 2);
    EXPECT_EQ(MediaTypeOf(1, "x\\7.mpg"), 1);
    EXPECT_EQ(MediaTypeOf(3, "x\\7.htm"), 3);
}

TEST(MediaWindow, SoundStripWidthAndBookmarks) {
    const MediaLayout narrow = LayOutMedia(2, false);
    EXPECT_EQ(narrow.window, (Box{0, 0, 200, 33}));
    EXPECT_FALSE(narrow.titleShown);
    EXPECT_FALSE(narrow.videoShown);
    EXPECT_EQ(narrow.play.top, 4);
    const MediaLayout wide = LayOutMedia(2, true);
    EXPECT_EQ(wide.window.width, 290);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(wide.marks[k].left, 190 + 24 * k);
        EXPECT_LE(wide.marks[k].left + wide.marks[k].width, 290);
    }
    EXPECT_EQ(wide.title.width, 290 - 23);
}

TEST(MediaWindow, VideoLayout) {
    const MediaLayout video = LayOutMedia(1, false);
    EXPECT_EQ(video.window, (Box{0, 0, 336, 344}));
    EXPECT_EQ(video.video.left, 1);
    EXPECT_EQ(video.video.top, 20);
    EXPECT_TRUE(video.titleShown);
    EXPECT_EQ(video.title.width, 336 - 23);
    // The controls lie below the picture and inside the window.
    for (const Box& b : {video.play, video.pause, video.stop, video.bar, video.knob}) {
        EXPECT_GE(b.top, video.video.top + video.video.height);
        EXPECT_LE(b.top + b.height, 344);
    }
}

bool Inside(const Box& inner, const Box& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

bool Overlap(const Box& a, const Box& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;
}

// Each button is as large as its picture: the close button stays inside the window, off the
// video and past the title; the buttons stand apart, and push the bar only on its own row.
TEST(MediaWindow, ButtonsArePlacedFromTheirPicturesSizes) {
    struct Case {
        const char* what;
        int type;
        MediaPictures pictures;
        int barLeft, barWidth;
    } cases[] = {
        {"video, the planned pictures", 1, {}, 12, 312},
        {"video, a 25 x 25 close button", 1, {{24, 24}, {24, 24}, {24, 24}, {22, 22}, {25, 25}}, 12, 312},
        {"video, 33-pixel buttons", 1, {{33, 33}, {33, 33}, {33, 33}, {22, 22}, {33, 33}}, 12, 312},
        {"sound, the planned pictures", 2, {}, 88, 94},
        {"sound, 33-pixel buttons", 2, {{33, 33}, {33, 33}, {33, 33}, {22, 22}, {25, 25}}, 113, 69},
    };
    for (const Case& c : cases) {
        const MediaLayout l = LayOutMedia(c.type, true, c.pictures);
        const MediaPictures& p = c.pictures;
        EXPECT_EQ(l.close, (Box{l.window.width - p.close.width - 2, 1, p.close.width, p.close.height})) << c.what;
        EXPECT_EQ(l.title.width, l.close.left - 1) << c.what;
        EXPECT_GE(l.title.height, l.close.top + l.close.height) << c.what << ": the close button sits on the title strip";
        EXPECT_EQ(l.play, (Box{l.play.left, l.play.top, p.play.width, p.play.height})) << c.what;
        EXPECT_EQ(l.pause.left, l.play.left + p.play.width + 2) << c.what;
        EXPECT_EQ(l.stop.left, l.pause.left + p.pause.width + 2) << c.what;
        EXPECT_EQ(l.marks[3], (Box{190 + 72, l.play.top, p.mark.width, p.mark.height})) << c.what;
        EXPECT_EQ(l.bar.left, c.barLeft) << c.what;
        EXPECT_EQ(l.bar.width, c.barWidth) << c.what;
        EXPECT_EQ(l.knob.left, l.bar.left) << c.what;
        if (c.type == 1) {
            EXPECT_TRUE(Inside(l.close, l.window)) << c.what;
            EXPECT_FALSE(Overlap(l.close, l.video)) << c.what;
            EXPECT_EQ(l.video, (Box{1, l.title.height, 334, 251})) << c.what << ": the video keeps its size";
            EXPECT_EQ(l.strip.top, l.video.top + l.video.height + 1) << c.what;
            EXPECT_EQ(l.strip.top + l.strip.height, l.window.height) << c.what << ": the controls' strip at the bottom";
            for (const Box& b : {l.play, l.pause, l.stop, l.bar, l.knob}) EXPECT_TRUE(Inside(b, l.strip)) << c.what;
            for (const Box& b : {l.play, l.pause, l.stop}) EXPECT_FALSE(Overlap(b, l.knob)) << c.what;
        } else {
            EXPECT_EQ(l.play.top, 4) << c.what;
        }
    }
}

TEST(MediaWindow, Bookmarks) {
    Bookmarks none;
    EXPECT_FALSE(none.Any());
    Bookmarks some{{1000, 2000, -1, 5000}};
    EXPECT_TRUE(some.Any());
    EXPECT_TRUE(some.Shown(0));
    EXPECT_TRUE(some.Shown(1));
    EXPECT_FALSE(some.Shown(2));
    EXPECT_TRUE(some.Shown(3));
    Bookmarks firstOnly{{1000, -1, 3000, -1}};  // without a second bookmark there are none
    EXPECT_FALSE(firstOnly.Shown(0));
    EXPECT_FALSE(firstOnly.Shown(2));
}

TEST(MediaWindow, KnobAndSeek) {
    EXPECT_EQ(KnobOffset(0, 60000, 110, 10), 0);
    EXPECT_EQ(KnobOffset(30000, 60000, 110, 10), 50);
    EXPECT_EQ(KnobOffset(60000, 60000, 110, 10), 100);
    EXPECT_EQ(KnobOffset(1000, 0, 110, 10), 0);       // length not known yet
    EXPECT_EQ(KnobOffset(250, 1000, 12, 10), 0);      // 0.5 rounds to the even 0
    EXPECT_EQ(KnobOffset(750, 1000, 12, 10), 2);      // 1.5 rounds to the even 2
    EXPECT_EQ(SeekTime(50, 60000, 110, 10), 50 * 600);
    EXPECT_EQ(SeekTime(10, 60050, 110, 10), 6000);    // length div span
    EXPECT_EQ(SeekTime(10, 60000, 10, 10), 0);        // no span to click in
}

TEST(MediaWindow, PlacedByTheTextsOffsets) {
    EXPECT_EQ(MediaWindowPlace(100, 20, -1, -1), (Place{150, 30}));
    EXPECT_EQ(MediaWindowPlace(100, 20, 400, 0), (Place{500, 20}));
    EXPECT_EQ(MediaWindowPlace(0, 0, -1, 300), (Place{50, 300}));
}

}  // namespace
}  // namespace quillan
