// The painter of the instructions: what it paints is compared with the words drawn by hand
// where the markup puts them, in the font it must use.

#include "exercises/texts/marked_text_painter.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace quillan {
namespace {

constexpr int kWidth = 400, kHeight = 80;

QImage Blank() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage Painted(std::string_view langDir, const std::string& two, const std::string& zero, const std::string& one,
               int boxWidth = kWidth) {
    QImage image = Blank();
    QPainter painter(&image);
    painter.setBrush(Qt::red);  // the painter leaves no background behind the words
    PaintMarkedText(painter, boxWidth, langDir, two, zero, one);
    return image;
}

// A word drawn by hand: Verdana 10 points in its style, black, its line's top at y.
struct Word {
    QString text;
    int x, y;
    bool bold = false, italic = false;
};

QFont Font(bool bold, bool italic) {
    QFont font("Verdana");
    font.setPointSize(10);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

int Width(const QString& text, bool bold = false) { return QFontMetrics(Font(bold, false)).horizontalAdvance(text); }

QImage ByHand(const std::vector<Word>& words) {
    QImage image = Blank();
    QPainter painter(&image);
    painter.setPen(Qt::black);
    for (const Word& w : words) {
        painter.setFont(Font(w.bold, w.italic));
        painter.drawText(QPoint(w.x, w.y + painter.fontMetrics().ascent()), w.text);
    }
    return image;
}

TEST(MarkedTextPainter, PaintsTheWordsWhereTheMarkupPutsThem) {
    struct Case {
        const char* name;
        std::string text;
        int boxWidth;
        std::vector<Word> words;
    };
    const Case cases[] = {
        {"plain words", "Drag each term", kWidth, {{"Drag ", 0, 0}, {"each ", Width("Drag "), 0}, {"term ", Width("Drag each "), 0}}},
        {"bold on and off", "<B> bold </B> plain", kWidth, {{"bold ", 0, 0, true}, {"plain ", Width("bold ", true), 0}}},
        {"italic", "<I> it </I>", kWidth, {{"it ", 0, 0, false, true}}},
        {"a break in any letter case, bold held over it", "<B> a <br> b", kWidth, {{"a ", 0, 0, true}, {"b ", 0, 18, true}}},
        {"a tag against a word is ignored", "<B>word x", kWidth, {{"x ", 0, 0}}},
        {"wrapped 10 pixels before the right edge", "aaaa bbbb", Width("aaaa bbbb ") + 9, {{"aaaa ", 0, 0}, {"bbbb ", 0, 18}}},
        {"fits with 10 pixels to spare", "aaaa bbbb", Width("aaaa bbbb ") + 10, {{"aaaa ", 0, 0}, {"bbbb ", Width("aaaa "), 0}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Painted("Lang_r\\0\\", "", c.text, "", c.boxWidth), ByHand(c.words)) << c.name;
}

TEST(MarkedTextPainter, TheInterfaceLanguageChoosesTheVersion) {
    EXPECT_EQ(Painted("Lang_r\\0\\", "two", "zero", "one"), ByHand({{"zero ", 0, 0}}));
    EXPECT_EQ(Painted("Lang_r\\1\\", "two", "zero", "one"), ByHand({{"one ", 0, 0}}));
    EXPECT_EQ(Painted("Lang_r\\2\\", "two", "zero", "one"), ByHand({{"two ", 0, 0}}));
    EXPECT_EQ(Painted("Lang_r\\1\\", "two", "zero", ""), Blank()) << "an empty version paints nothing";
}

TEST(MarkedTextPainter, EachPaintStartsWithNoStyle) {
    QImage image = Blank();
    QPainter painter(&image);
    PaintMarkedText(painter, kWidth, "Lang_r\\0\\", "", "<B> <I>", "");
    painter.fillRect(image.rect(), Qt::white);
    PaintMarkedText(painter, kWidth, "Lang_r\\0\\", "", "plain", "");
    painter.end();
    EXPECT_EQ(image, ByHand({{"plain ", 0, 0}}));
}

TEST(MarkedTextPainter, PlacedWordsAreDrawnFromAnOrigin) {
    QImage image = Blank();
    QPainter painter(&image);
    DrawPlacedWords(painter, "Verdana", {PlacedWord{"q ", 25, 0, {}}, PlacedWord{"b ", 50, 24, TextStyle{true, false}}},
                    QPoint(5, 7));
    painter.end();
    EXPECT_EQ(image, ByHand({{"q ", 30, 7}, {"b ", 55, 31, true}}));
}

}  // namespace
}  // namespace quillan
