#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <cstring>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "controls/image_list.h"
#include "controls/picture_controls.h"
#include "controls/pictures.h"
#include "controls/result_gauge.h"
#include "controls/transparent_button.h"
#include "platform/errors.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

const QRgb kKey = qRgb(255, 0, 255);         // the strip's transparent colour (bottom-left pixel)
const QRgb kBackground = qRgb(0, 128, 0);    // what lies under the button
const QRgb kNormal = qRgb(30, 60, 200);
const QRgb kHighlighted = qRgb(240, 150, 30);

// A strip of two 33 × 10 frames: frame 0 blue, frame 1 orange, each with a transparent
// left column and bottom row, and a transparent pixel in the middle.
QImage Strip(int width = 66) {
    QImage image(width, 10, QImage::Format_RGB32);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < width; ++x) {
            const bool see = x % 33 == 0 || y == 9 || (x % 33 == 16 && y == 4);
            image.setPixel(x, y, see ? kKey : (x < 33 ? kNormal : kHighlighted));
        }
    return image;
}

std::string SaveStrip(const test::TempDir& dir, const std::string& name, const QImage& image) {
    const std::string path = dir.Path() + name;
    EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP"));
    return path;
}

// The pixels of the button's area as the screen shows them (the parent painted first).
QImage Shown(QWidget& parent, const TTransparentButton& button) {
    return parent.grab(button.geometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

// What frame f must look like over the background.
void ExpectFrame(const QImage& shown, int frame) {
    const QImage strip = Strip();
    ASSERT_EQ(shown.size(), QSize(33, 10));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 33; ++x) {
            const QRgb source = strip.pixel(x + 33 * frame, y);
            const QRgb expected = frame < 0 || source == kKey ? kBackground : source;
            ASSERT_EQ(shown.pixel(x, y), expected) << "frame " << frame << " at " << x << "," << y;
        }
}

class ImageButtonTest : public ::testing::Test {
protected:
    ImageButtonTest() {
        parent.resize(100, 40);
        parent.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(kBackground));
        parent.setPalette(palette);
        list.AddStrip(SaveStrip(dir, "strip.bmp", Strip()), 2, 5, 7);
    }

    void Enter(QWidget& w) {
        QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(&w, &event);
    }
    void Leave(QWidget& w) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(&w, &event);
    }
    void Mouse(QWidget& w, QEvent::Type type, QPoint at = {2, 2}) {
        QMouseEvent event(type, at, w.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &event);
    }

    test::TempDir dir;
    TMyImageList list;
    QWidget parent;
};

TEST_F(ImageButtonTest, StripIsCutIntoFrames) {
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.FrameWidth(0), 33);
    EXPECT_EQ(list.FrameHeight(0), 10);
    EXPECT_EQ(list.StripLeft(0), 5);
    EXPECT_EQ(list.StripTop(0), 7);
    // Beyond the list every value is 33 and positions are not stored.
    EXPECT_EQ(list.FrameWidth(1), 33);
    EXPECT_EQ(list.FrameHeight(7), 33);
    EXPECT_EQ(list.StripLeft(1), 33);
    list.SetStripPosition(1, 0, 0);
    EXPECT_EQ(list.StripTop(1), 33);
    list.SetStripPosition(0, 11, 12);
    EXPECT_EQ(list.StripLeft(0), 11);
}

TEST_F(ImageButtonTest, BadStripsRaiseTheirErrors) {
    const std::string odd = SaveStrip(dir, "odd.bmp", Strip(65));
    try {
        list.AddStrip(odd, 2, 0, 0);
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Dlugosc obrazka nie dzieli sie przez podana liczbe klatek");
    }
    const std::string missing = dir.Path() + "but_r\\brak.bmp";
    try {
        list.AddStrip(missing, 2, 0, 0);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Nie moge otworzyc pliku : \"" + missing + "\"");
    }
    dir.Write("broken.bmp", "BM not a picture");
    EXPECT_THROW(list.AddStrip(dir.Path() + "broken.bmp", 2, 0, 0), FileError);
    EXPECT_EQ(list.Count(), 1);
}

// The size of a strip comes from its file's header: the size the picture loads at, for
// bitmaps of every depth, one stored top-down, and a picture that is no bitmap.
TEST(PictureSize, IsTheSizeThePictureLoadsAt) {
    test::TempDir dir;
    struct Case {
        const char* file;
        QImage image;
        const char* format;
    };
    QImage indexed = QImage(70, 21, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    indexed.fill(1);
    QImage mono = QImage(129, 3, QImage::Format_Mono);
    mono.fill(0);
    const Case cases[] = {
        {"rgb32.bmp", Strip(66), "BMP"},
        {"indexed.bmp", indexed, "BMP"},
        {"mono.bmp", mono, "BMP"},
        {"picture.png", Strip(99), "PNG"},
    };
    for (const Case& c : cases) {
        const std::string path = dir.Path() + c.file;
        ASSERT_TRUE(c.image.save(QString::fromStdString(path), c.format)) << c.file;
        EXPECT_EQ(PictureSize(path), c.image.size()) << c.file;
    }
    // Top-down: the header's height is negative (the image reader gives it so; the picture
    // loads upright at its real size).
    QByteArray topDown;
    {
        QBuffer buffer(&topDown);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(Strip(40).save(&buffer, "BMP"));
    }
    const int32_t negative = -10;
    std::memcpy(topDown.data() + 22, &negative, 4);
    const std::string path = dir.Write("top-down.bmp", topDown.toStdString());
    EXPECT_EQ(PictureSize(path), QSize(40, 10));
    EXPECT_EQ(QImage(QString::fromStdString(path)).size(), QSize(40, 10));
    EXPECT_TRUE(PictureSize(dir.Write("short.bmp", "BM")).isEmpty());
    EXPECT_TRUE(PictureSize(dir.Path() + "missing.bmp").isEmpty());
}

// A strip is read when first drawn. One whose file no longer reads as the picture its header
// promised (replaced or damaged since) shows the stand-in at the size the buttons took.
TEST_F(ImageButtonTest, StripThatCannotBeReadWhenDrawnShowsTheStandIn) {
    const int index = list.AddStrip(SaveStrip(dir, "later.bmp", Strip()), 2, 0, 0);
    dir.Write("later.bmp", "BM not a picture");
    EXPECT_EQ(list.FrameWidth(index), 33);
    EXPECT_EQ(list.FrameHeight(index), 10);
    TTransparentButton button(&parent, &list, index);
    parent.show();
    const QImage shown = Shown(parent, button);
    ASSERT_EQ(shown.size(), QSize(33, 10));
    EXPECT_NE(shown.pixel(16, 5), kBackground) << "the stand-in is drawn";
}

TEST_F(ImageButtonTest, ButtonDrawsItsFrameWithoutTheTransparentColour) {
    TTransparentButton button(&parent, &list, 0);
    button.move(20, 10);
    EXPECT_EQ(button.size(), QSize(33, 10));
    parent.show();
    ExpectFrame(Shown(parent, button), 0);

    Enter(button);
    EXPECT_EQ(button.Stan(), 1);
    ExpectFrame(Shown(parent, button), 1);
    Leave(button);
    ExpectFrame(Shown(parent, button), 0);
}

TEST_F(ImageButtonTest, HiddenNormalShowsOnlyUnderTheMouse) {
    TTransparentButton button(&parent, &list, 0);
    button.SetHideNormal(true);
    parent.show();
    ExpectFrame(Shown(parent, button), -1);
    Enter(button);
    ExpectFrame(Shown(parent, button), 1);
}

TEST_F(ImageButtonTest, DisabledButtonDoesNotHighlight) {
    TTransparentButton button(&parent, &list, 0);
    parent.show();
    Enter(button);
    button.setEnabled(false);
    Leave(button);  // leaving sets state 0 even when disabled
    Enter(button);
    EXPECT_EQ(button.Stan(), 0);
    ExpectFrame(Shown(parent, button), 0);
}

TEST_F(ImageButtonTest, PressedStyleShowsFrameOneWhileHeld) {
    TTransparentButton button(&parent, &list, 0);
    button.SetStyle({false, true, false});
    int clicks = 0;
    QObject::connect(&button, &TTransparentButton::clicked, [&] { ++clicks; });
    parent.show();
    Enter(button);
    EXPECT_EQ(button.Stan(), 0);
    Mouse(button, QEvent::MouseButtonPress);
    EXPECT_EQ(button.Stan(), 2);
    ExpectFrame(Shown(parent, button), 1);
    Mouse(button, QEvent::MouseButtonRelease);
    EXPECT_EQ(button.Stan(), 0);
    EXPECT_EQ(clicks, 1);
    // A release away from the button is no click.
    Mouse(button, QEvent::MouseButtonPress);
    Mouse(button, QEvent::MouseButtonRelease, {60, 30});
    EXPECT_EQ(clicks, 1);
}

// A window hidden under the pointer gets no leave event: its buttons must not come back lit
// or held the next time it shows.
TEST_F(ImageButtonTest, HidingPutsTheButtonBackToNormal) {
    struct Case {
        const char* what;
        ButtonStyle style;
        bool hideNormal;
        bool press;
        bool hideTheButtonItself;  // else its window
        int frameAfter;
    } cases[] = {
        {"highlighted, its window hidden", {true, false, false}, false, false, false, 0},
        {"highlighted, the button hidden", {true, false, false}, false, false, true, 0},
        {"held down, its window hidden", {false, true, false}, false, true, false, 0},
        {"highlighted and held, its window hidden", {true, true, false}, false, true, false, 0},
        {"drawn only under the mouse, its window hidden", {true, false, false}, true, false, false, -1},
    };
    for (const Case& c : cases) {
        TTransparentButton button(&parent, &list, 0);
        button.SetStyle(c.style);
        button.SetHideNormal(c.hideNormal);
        int clicks = 0;
        QObject::connect(&button, &TTransparentButton::clicked, [&] { ++clicks; });
        parent.show();
        Enter(button);
        if (c.press) Mouse(button, QEvent::MouseButtonPress);
        ASSERT_NE(button.Stan(), 0) << c.what;
        QWidget& hidden = c.hideTheButtonItself ? static_cast<QWidget&>(button) : parent;
        hidden.hide();
        hidden.show();
        EXPECT_EQ(button.Stan(), 0) << c.what;
        EXPECT_EQ(button.ShownFrame(), c.frameAfter) << c.what;
        ExpectFrame(Shown(parent, button), c.frameAfter);
        Mouse(button, QEvent::MouseButtonRelease);
        EXPECT_EQ(clicks, 0) << c.what << ": a release after showing again is no click";
        parent.hide();
    }
}

TEST_F(ImageButtonTest, HighlightingPressedButtonStaysInsideItsStrip) {
    TTransparentButton button(&parent, &list, 0);
    button.SetStyle({true, true, false});
    parent.show();
    Enter(button);
    Mouse(button, QEvent::MouseButtonPress);
    EXPECT_EQ(button.ShownFrame(), 2);
    ExpectFrame(Shown(parent, button), 1);  // a two-frame strip shows its last frame
}

TEST_F(ImageButtonTest, ButtonFollowsTheListAndItsPlace) {
    TTransparentButton beyond(&parent, &list, 5);
    EXPECT_EQ(beyond.size(), QSize(33, 33));
    parent.show();
    EXPECT_TRUE(Shown(parent, beyond).pixel(10, 10) == kBackground);  // draws nothing

    TTransparentButton placed(&parent, nullptr, 0);
    placed.SetStyle({true, false, true});
    placed.SetImageList(&list);
    EXPECT_EQ(placed.pos(), QPoint(5, 7));

    // Replacing the pictures (a new interface language) resizes the buttons that use them.
    list.Clear();
    EXPECT_EQ(placed.size(), QSize(33, 33));
    QImage wide(80, 12, QImage::Format_RGB32);
    wide.fill(kNormal);
    list.AddStrip(SaveStrip(dir, "wide.bmp", wide), 2, 0, 0);
    EXPECT_EQ(placed.size(), QSize(40, 12));
}

TEST_F(ImageButtonTest, FramePictureOfAStrip) {
    const QImage frame = list.FramePixmap(0, 1).toImage();
    EXPECT_EQ(frame.size(), QSize(33, 10));
    EXPECT_EQ(frame.pixel(5, 5), kHighlighted);
    EXPECT_EQ(qAlpha(frame.pixel(0, 0)), 0);
    EXPECT_TRUE(list.FramePixmap(3, 0).isNull());
}

TEST_F(ImageButtonTest, ArrowRepeatsWhileHeld) {
    TFCSImage1 arrow(&parent);
    arrow.resize(20, 20);
    parent.show();
    int clicks = 0;
    QObject::connect(&arrow, &TFCSImage1::clicked, [&] { ++clicks; });
    Mouse(arrow, QEvent::MouseButtonPress);
    ASSERT_NE(arrow.RepeatTimer(), nullptr);
    EXPECT_TRUE(arrow.RepeatTimer()->isActive());
    EXPECT_EQ(arrow.RepeatTimer()->interval(), 250);

    // Held for 1000 ms: the timer fires at 250 ms, then every 75 ms.
    int elapsed = arrow.RepeatTimer()->interval();
    while (elapsed <= 1000) {
        arrow.RepeatTick();
        elapsed += arrow.RepeatTimer()->interval();
    }
    EXPECT_EQ(clicks, 11);
    EXPECT_EQ(arrow.RepeatTimer()->interval(), 75);
    Mouse(arrow, QEvent::MouseButtonRelease);
    EXPECT_EQ(clicks, 12);  // and the ordinary click of the release
    EXPECT_FALSE(arrow.RepeatTimer()->isActive());

    // The next press starts again with the first pause; a double click counts as a press.
    Mouse(arrow, QEvent::MouseButtonDblClick);
    EXPECT_EQ(arrow.RepeatTimer()->interval(), 250);
    arrow.hide();  // put away while held: no more repeats
    EXPECT_FALSE(arrow.RepeatTimer()->isActive());
}

TEST(ResultGauge, ShowsPercentAndItsPicture) {
    QImage strip(286, 22, QImage::Format_RGB32);
    for (int i = 0; i < 13; ++i)
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 22; ++x) strip.setPixel(22 * i + x, y, qRgb(10 * i, 100, 50));
    QPixmap background(200, 33);
    background.fill(Qt::white);
    TPanel1 gauge;
    gauge.SetTlo(background);
    gauge.SetTorcik(QPixmap::fromImage(strip));
    EXPECT_EQ(gauge.PercentLabel()->text(), "");
    for (const auto& [percent, picture] : std::vector<std::pair<int, int>>{{100, 12}, {50, 6}, {0, 0}, {12, 2}}) {
        gauge.SetWynik(percent);
        EXPECT_EQ(gauge.PercentLabel()->text(), QString::number(percent) + "%");
        const QImage shown = gauge.grab().toImage();
        EXPECT_EQ(shown.pixel(170, 16), qRgb(10 * picture, 100, 50)) << percent;
        EXPECT_EQ(shown.pixel(190, 16), qRgb(255, 255, 255));
    }
    EXPECT_EQ(gauge.PercentLabel()->pos(), QPoint(110, 8));
}

}  // namespace
}  // namespace quillan
