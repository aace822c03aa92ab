// The main menu picture (1024 x 768) of each interface language. Its labels are painted exactly
// over the menu's clickable areas: the authors' page (716, 108, 289 x 133), the publisher's web
// site (718, 668, 233 x 49), help (44, 736, 69 x 29) and settings (148, 736, 101 x 29); the
// image buttons sit on it at (46, 620) exercises, (170, 620) repetitions and (999, 0) exit.

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <string>

#include "installation.h"
#include "pictures.h"
#include "style.h"

namespace demo {
namespace {

const QRect kAuthors(716, 108, 289, 133);
const QRect kPublisher(718, 668, 233, 49);
const QRect kHelp(44, 736, 69, 29);
const QRect kSettings(148, 736, 101, 29);
const QPoint kExercises(46, 620);

// A speech bubble with a line of text, for the illustration.
void Bubble(QPainter& p, const QRectF& r, const QString& text, const QColor& fill, const QColor& ink, bool tailLeft) {
    QPainterPath path;
    path.addRoundedRect(r, 14, 14);
    QPainterPath tail;
    if (tailLeft) {
        tail.moveTo(r.left() + 22, r.bottom() - 2);
        tail.lineTo(r.left() + 14, r.bottom() + 14);
        tail.lineTo(r.left() + 40, r.bottom() - 2);
    } else {
        tail.moveTo(r.right() - 22, r.bottom() - 2);
        tail.lineTo(r.right() - 14, r.bottom() + 14);
        tail.lineTo(r.right() - 40, r.bottom() - 2);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path.united(tail));
    PaintText(p, r, text, Face(17, true), ink, Qt::AlignCenter);
}

// The hero illustration: a conversation over a rising chart, on a soft disc.
void Illustration(QPainter& p) {
    const QPointF centre(520, 390);
    QRadialGradient disc(centre, 190);
    disc.setColorAt(0, QColor(1, 153, 202, 60));
    disc.setColorAt(0.75, QColor(1, 153, 202, 26));
    disc.setColorAt(1, QColor(1, 153, 202, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(centre, 190, 190);

    // A card with a rising bar chart.
    PaintCard(p, QRectF(410, 330, 220, 160), 14);
    const qreal heights[] = {40, 62, 54, 88, 112};
    for (int i = 0; i < 5; ++i) {
        QLinearGradient g(0, 470 - heights[i], 0, 470);
        g.setColorAt(0, i == 4 ? palette::kAmber : palette::kSky);
        g.setColorAt(1, i == 4 ? QColor(230, 140, 20) : palette::kBlue);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(432 + i * 38, 470 - heights[i], 24, heights[i]), 4, 4);
    }
    p.setPen(QPen(palette::kMist, 2));
    p.drawLine(QPointF(426, 471), QPointF(614, 471));
    p.setPen(QPen(palette::kInk, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath trend;
    trend.moveTo(444, 420);
    trend.cubicTo(500, 410, 540, 400, 560, 372);
    trend.lineTo(600, 350);
    p.drawPath(trend);
    p.setPen(Qt::NoPen);

    Bubble(p, QRectF(350, 230, 190, 56), "Nice to meet you!", palette::kBlue, palette::kWhite, true);
    Bubble(p, QRectF(530, 268, 150, 50), "Likewise!", palette::kWhite, palette::kBlue, false);
    // The quill, large and light, behind the card's corner.
    DrawGlyph(p, Glyph::Quill, QRectF(600, 440, 70, 70), QColor(0, 101, 156, 70));
}

// A rounded chip with an icon and a short text.
void Feature(QPainter& p, qreal x, qreal y, Glyph glyph, const QString& text) {
    const QFont font = Face(14);
    const qreal w = QFontMetricsF(font).horizontalAdvance(text) + 54;
    PaintCard(p, QRectF(x, y, w, 36), 18, QColor(255, 255, 255, 235));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kIce);
    p.drawEllipse(QRectF(x + 6, y + 5, 26, 26));
    DrawGlyph(p, glyph, QRectF(x + 11, y + 10, 16, 16), palette::kBlue);
    PaintText(p, QRectF(x + 40, y, w - 44, 36), text, font, palette::kText);
}

QImage MainMenu(const Language& t) {
    QImage image = Blank(1024, 768);
    QPainter p(&image);
    Smooth(p);
    PaintBackdrop(p, QRect(0, 0, 1024, 768), 0, 2);

    // Top band with the course's name.
    p.fillRect(QRect(0, 0, 1024, 84), QColor(255, 255, 255, 235));
    p.fillRect(QRect(0, 84, 1024, 2), palette::kSky);
    PaintLogoMark(p, QRectF(40, 18, 48, 48), palette::kBlue, palette::kWhite);
    PaintText(p, QRectF(102, 14, 400, 34), "Quillan", Face(30, true), palette::kInk);
    PaintText(p, QRectF(104, 48, 400, 24), "Business English", Face(17), palette::kSky);
    PaintText(p, QRectF(560, 30, 420, 24), t("Kurs angielskiego dla biznesu", "A course of English for business"),
              Face(14), palette::kMuted, Qt::AlignRight | Qt::AlignVCenter);

    // The headline and what the course offers.
    PaintText(p, QRectF(44, 118, 640, 50), t("Angielski w pracy", "English at work"), Face(38, true), palette::kInk);
    PaintText(p, QRectF(46, 170, 330, 70),
              t("Słówka, teksty, dialogi i wymowa –\nkrok po kroku, z powtórkami\nwe właściwym czasie.",
                "Words, texts, dialogues and\npronunciation – step by step,\nwith reviews at the right time."),
              Face(15), palette::kMuted, Qt::AlignLeft | Qt::AlignTop);
    Feature(p, 44, 268, Glyph::Book, t("Słówka i zwroty", "Words and phrases"));
    Feature(p, 44, 314, Glyph::Document, t("Teksty i ćwiczenia", "Texts and exercises"));
    Feature(p, 44, 360, Glyph::Conversation, t("Dialogi z nagraniami", "Recorded dialogues"));
    Feature(p, 44, 406, Glyph::Microphone, t("Nagrywanie wymowy", "Record your voice"));
    Feature(p, 44, 452, Glyph::Calendar, t("Powtórki", "Reviews"));
    Illustration(p);

    // The dock: the exercises button with its caption, then the place of the repetitions
    // button (shown only when a repetition is due) with a word about it.
    PaintCard(p, QRectF(30, 606, 540, 61), 14, QColor(255, 255, 255, 240));
    PaintText(p, QRectF(kExercises.x() + 40, 606, 84, 61), t("Ćwiczenia", "Exercises"), Face(14, true), palette::kInk);
    PaintText(p, QRectF(214, 606, 350, 61),
              t("Tu pojawi się przycisk powtórek, gdy nadejdzie\nczas powtórzenia ćwiczeń.",
                "The reviews button appears here when it is\ntime to review your exercises."),
              Face(12), palette::kMuted, Qt::AlignLeft | Qt::AlignVCenter);

    // The authors' card (a click opens their page).
    PaintCard(p, kAuthors, 14, QColor(255, 255, 255, 245));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kIce);
    p.drawEllipse(QRectF(kAuthors.left() + 18, kAuthors.top() + 18, 44, 44));
    DrawGlyph(p, Glyph::Users, QRectF(kAuthors.left() + 28, kAuthors.top() + 28, 24, 24), palette::kBlue);
    PaintText(p, QRectF(kAuthors.left() + 74, kAuthors.top() + 18, 200, 24), t("Autorzy kursu", "Course authors"),
              Face(16, true), palette::kInk);
    PaintText(p, QRectF(kAuthors.left() + 74, kAuthors.top() + 42, 205, 20), t("Zespół Quillan", "The Quillan team"),
              Face(13), palette::kMuted);
    PaintText(p, QRectF(kAuthors.left() + 18, kAuthors.top() + 74, 255, 40),
              t("Poznaj ludzi, którzy przygotowali\nteksty, nagrania i ćwiczenia.",
                "Meet the people who wrote the\ntexts, recordings and exercises."),
              Face(12), palette::kText, Qt::AlignLeft | Qt::AlignVCenter);
    PaintText(p, QRectF(kAuthors.left() + 18, kAuthors.bottom() - 24, 255, 18), t("Zobacz  →", "See more  →"),
              Face(12, true), palette::kSky, Qt::AlignRight | Qt::AlignVCenter);

    // A short "how to" card under it.
    PaintCard(p, QRectF(716, 262, 289, 250), 14, QColor(255, 255, 255, 230));
    PaintText(p, QRectF(734, 276, 250, 22), t("Jak zacząć?", "How to start"), Face(15, true), palette::kInk);
    const char* stepsPl[] = {"Kliknij „Ćwiczenia”.", "Rozwiń dział i pakiet.", "Kliknij ćwiczenie.",
                             "Wynik zapisze się sam."};
    const char* stepsEn[] = {"Click \"Exercises\".", "Open a unit and a package.", "Click an exercise.",
                             "Your result is saved."};
    for (int i = 0; i < 4; ++i) {
        const qreal y = 312 + i * 44;
        p.setPen(Qt::NoPen);
        p.setBrush(palette::kSky);
        p.drawEllipse(QRectF(736, y, 26, 26));
        PaintText(p, QRectF(736, y, 26, 26), QString::number(i + 1), Face(13, true), palette::kWhite, Qt::AlignCenter);
        PaintText(p, QRectF(772, y, 220, 26), t(stepsPl[i], stepsEn[i]), Face(13), palette::kText);
    }
    PaintText(p, QRectF(734, 480, 260, 20), t("F1 – pomoc w każdym oknie", "F1 – help in every window"), Face(12),
              palette::kMuted);

    // The publisher's web site.
    PaintCard(p, kPublisher, 12, QColor(255, 255, 255, 245));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kIce);
    p.drawEllipse(QRectF(kPublisher.left() + 9, kPublisher.top() + 9, 31, 31));
    DrawGlyph(p, Glyph::Globe, QRectF(kPublisher.left() + 15, kPublisher.top() + 15, 19, 19), palette::kBlue);
    PaintText(p, QRectF(kPublisher.left() + 48, kPublisher.top() + 6, 180, 20), t("Serwis wydawcy", "Publisher's site"),
              Face(13, true), palette::kInk);
    PaintText(p, QRectF(kPublisher.left() + 48, kPublisher.top() + 25, 180, 18), "www.quillan.example", Face(12),
              palette::kSky);

    // The bottom bar with help and settings.
    QLinearGradient bar(0, 0, 1024, 0);
    bar.setColorAt(0, palette::kInk);
    bar.setColorAt(1, palette::kNavy);
    p.fillRect(QRect(0, 728, 1024, 40), bar);
    for (const auto& [area, text] : {std::pair{kHelp, t("Pomoc", "Help")}, std::pair{kSettings, t("Ustawienia", "Settings")}}) {
        p.setPen(QPen(QColor(255, 255, 255, 120), 1));
        p.setBrush(QColor(255, 255, 255, 28));
        p.drawRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);
        PaintText(p, area, text, Face(13, true), palette::kWhite, Qt::AlignCenter);
    }
    PaintText(p, QRectF(600, 728, 400, 40), "Quillan – Business English", Face(12), QColor(170, 200, 220),
              Qt::AlignRight | Qt::AlignVCenter);
    return image;
}

}  // namespace

void WriteMainMenuPictures(Installation& installation) {
    for (const Language& language : kLanguages)
        installation.WriteImage(std::string(language.dir) + "gfx_r\\Main_rozum.jpg", MainMenu(language));
}

}  // namespace demo
