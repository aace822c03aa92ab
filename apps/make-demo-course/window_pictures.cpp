// Backgrounds of the windows, sized to them: the small windows of each interface language
// (Lang_r\N\gfx_r), the classroom windows (Polish only, as the program reads them from
// Lang_r\0), the exercise chart, and the right-hand panels shared by both languages (gfx_r).

#include <QLinearGradient>
#include <QPainterPath>
#include <functional>
#include <string>

#include "installation.h"
#include "pictures.h"
#include "style.h"

namespace demo {
namespace {

using Painter = std::function<void(QPainter&)>;

QImage Picture(int w, int h, const Painter& paint) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    Smooth(p);
    paint(p);
    return image;
}

// A window with its title strip and a glyph at the right of the title.
void Frame(QPainter& p, QSize size, const QString& title, int strip = 32) { PaintWindowFrame(p, size, title, strip); }

// A light footer band where a window's buttons sit.
void Footer(QPainter& p, QSize size, int height) {
    const QRect band(1, size.height() - height, size.width() - 2, height - 1);
    p.fillRect(band, QColor(238, 245, 249));
    p.fillRect(QRect(1, band.top(), size.width() - 2, 1), palette::kMist);
}

// A caption and an input box under it, for windows whose edits have no caption of their own.
void Field(QPainter& p, int x, int y, int w, const QString& caption) {
    PaintText(p, QRectF(x, y, w, 16), caption, Face(12, true), palette::kText);
    PaintCard(p, QRectF(x, y + 18, w, 26), 4, palette::kWhite, QColor(163, 199, 220));
}

// A big soft glyph in a circle, the picture's emblem.
void Emblem(QPainter& p, const QRectF& box, Glyph glyph, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    QColor soft = colour;
    soft.setAlpha(36);
    p.setBrush(soft);
    p.drawEllipse(box);
    DrawGlyph(p, glyph, box.adjusted(box.width() * 0.24, box.height() * 0.24, -box.width() * 0.24, -box.height() * 0.24),
              colour);
    p.restore();
}

// The text panel of the information panel and of the small help windows: a white page with a
// thin border and a scroll gutter at its right.
void TextPanel(QPainter& p, QSize size, const QString& title, Glyph glyph, const QColor& page) {
    Frame(p, size, title, 33);
    DrawGlyph(p, glyph, QRectF(size.width() - 62, 7, 19, 19), QColor(160, 210, 232));
    PaintCard(p, QRectF(7, 46, 392, 212), 6, page);
    PaintCard(p, QRectF(405, 46, 42, 212), 6, QColor(238, 245, 249));
}

void WriteLanguagePictures(Installation& installation, const Language& t) {
    const std::string gfx = std::string(t.dir) + "gfx_r\\";

    // Local learners (300 x 200): the list lies in the body, the buttons in the footer.
    installation.WriteImage(gfx + "logowanie.bmp", Picture(300, 200, [&](QPainter& p) {
        Frame(p, {300, 200}, t("Wybierz ucznia", "Choose a learner"));
        PaintCard(p, QRectF(18, 44, 264, 104), 6, palette::kWhite, QColor(190, 214, 228));
        Footer(p, {300, 200}, 46);
    }));

    // New learner (320 x 120): the name box (Edit1 has no frame of its own).
    installation.WriteImage(gfx + "logow_new.bmp", Picture(320, 120, [&](QPainter& p) {
        Frame(p, {320, 120}, t("Nowy uczeń", "New learner"), 28);
        PaintText(p, QRectF(14, 40, 60, 26), t("Imię", "Name"), Face(12, true), palette::kText);
        PaintCard(p, QRectF(70, 40, 180, 26), 4, palette::kWhite, QColor(163, 199, 220));
    }));

    // Leaving the program (300 x 100): the question, and a caption under each of the two
    // buttons (OK at 118, 48 and the other at 177, 48).
    installation.WriteImage(gfx + "koniec.bmp", Picture(300, 100, [&](QPainter& p) {
        Frame(p, {300, 100}, "Quillan", 24);
        DrawGlyph(p, Glyph::Power, QRectF(266, 4, 16, 16), QColor(160, 210, 232));
        PaintText(p, QRectF(0, 25, 300, 22), t("Czy zakończyć pracę z kursem?", "Do you want to leave the course?"),
                  Face(13, true), palette::kInk, Qt::AlignCenter);
        PaintText(p, QRectF(110, 79, 60, 16), t("Tak", "Yes"), Face(11), palette::kMuted, Qt::AlignHCenter | Qt::AlignTop);
        PaintText(p, QRectF(169, 79, 60, 16), t("Nie", "No"), Face(11), palette::kMuted, Qt::AlignHCenter | Qt::AlignTop);
    }));

    // Settings (399 x 421): two groups (answers and language; repetitions) and a footer.
    installation.WriteImage(gfx + "ustawienia_rozum.bmp", Picture(399, 421, [&](QPainter& p) {
        Frame(p, {399, 421}, t("Ustawienia", "Settings"));
        DrawGlyph(p, Glyph::Gear, QRectF(350, 7, 19, 19), QColor(160, 210, 232));
        PaintCard(p, QRectF(12, 46, 375, 128), 8);
        PaintCard(p, QRectF(12, 184, 375, 176), 8);
        Footer(p, {399, 421}, 52);
    }));

    // Message window (440 x 120).
    installation.WriteImage(gfx + "info.bmp", Picture(440, 120, [&](QPainter& p) {
        Frame(p, {440, 120}, t("Informacja", "Information"), 28);
        Emblem(p, QRectF(14, 42, 48, 48), Glyph::Info, palette::kSky);
    }));

    // The learner's last answer (500 x 150); the title strip is the handle that moves it.
    installation.WriteImage(gfx + "twoja_odp_2.bmp", Picture(500, 150, [&](QPainter& p) {
        Frame(p, {500, 150}, t("Twoja odpowiedź", "Your answer"));
        DrawGlyph(p, Glyph::Pencil, QRectF(470, 7, 18, 18), QColor(160, 210, 232));
        PaintCard(p, QRectF(12, 44, 476, 94), 8, QColor(255, 252, 240), QColor(236, 218, 170));
    }));

    // Summary (300 x 220): captions of the four result lines (values at x 200, rows from y 50,
    // 30 pixels apart), buttons in the footer.
    installation.WriteImage(gfx + "statystyka.bmp", Picture(300, 220, [&](QPainter& p) {
        Frame(p, {300, 220}, t("Podsumowanie", "Summary"));
        const struct {
            Glyph glyph;
            QColor colour;
            const char* pl;
            const char* en;
        } rows[] = {
            {Glyph::Check, palette::kGreen, "Dobre odpowiedzi", "Right answers"},
            {Glyph::Cross, palette::kRed, "Błędne odpowiedzi", "Wrong answers"},
            {Glyph::Percent, palette::kBlue, "Wynik (%)", "Score (%)"},
            {Glyph::Contents, palette::kSky, "Liczba zadań", "Items"},
        };
        for (int i = 0; i < 4; ++i) {
            const int y = 48 + 30 * i;
            if (i > 0) p.fillRect(QRect(16, y - 3, 268, 1), QColor(228, 237, 243));
            p.setPen(Qt::NoPen);
            p.setBrush(rows[i].colour);
            p.drawEllipse(QRectF(18, y + 3, 18, 18));
            DrawGlyph(p, rows[i].glyph, QRectF(21, y + 6, 12, 12), palette::kWhite, 1.2);
            PaintText(p, QRectF(46, y, 150, 24), t(rows[i].pl, rows[i].en), Face(13), palette::kText);
        }
        Footer(p, {300, 220}, 50);
    }));

    // Information panel (455 x 266): help and translation variants.
    installation.WriteImage(gfx + "help.bmp", Picture(455, 266, [&](QPainter& p) {
        TextPanel(p, {455, 266}, t("Pomoc", "Help"), Glyph::Question, palette::kWhite);
    }));
    installation.WriteImage(gfx + "tlumaczenia.bmp", Picture(455, 266, [&](QPainter& p) {
        TextPanel(p, {455, 266}, t("Tłumaczenie", "Translation"), Glyph::Translate, QColor(255, 252, 240));
    }));

    // Confirming the deletion of all repetitions (300 x 100); the question is a label.
    installation.WriteImage(gfx + "skasowacpowtorki.bmp", Picture(300, 100, [&](QPainter& p) {
        Frame(p, {300, 100}, t("Powtórki", "Repetitions"), 24);
        DrawGlyph(p, Glyph::Trash, QRectF(266, 4, 16, 16), QColor(160, 210, 232));
    }));

    // The small HTML window (720 x 560): the page of a text, and the tips of a letter.
    for (bool tips : {false, true})
        installation.WriteImage(gfx + (tips ? "tips.bmp" : "reading.bmp"), Picture(720, 560, [&](QPainter& p) {
            Frame(p, {720, 560}, tips ? t("Wskazówki", "Tips") : t("Tekst", "Text"));
            PaintCard(p, QRectF(10, 44, 700, 506), 8, tips ? QColor(255, 252, 240) : palette::kWhite);
        }));

    // Strip at the right of the help window, also here for the windows that look for it in
    // the language folder.
    installation.WriteImage(gfx + "pod_pasek_help.bmp", Picture(100, 768, [&](QPainter& p) {
        PaintRightPanel(p, 0);
    }));

    // The exercise chart (1024 x 768): heading, column captions over the outline (drawn by the
    // program at 40, 98 in rows of 20 pixels), and a legend of the icons.
    installation.WriteImage(gfx + "wybor.jpg", Picture(1024, 768, [&](QPainter& p) {
        PaintBackdrop(p, QRect(0, 0, 1024, 768), 0, 1);
        PaintLogoMark(p, QRectF(40, 20, 34, 34), palette::kBlue, palette::kWhite);
        PaintText(p, QRectF(86, 14, 600, 30), t("Twoje ćwiczenia", "Your exercises"), Face(24, true), palette::kInk);
        PaintText(p, QRectF(86, 44, 760, 20),
                  t("Kliknij dział, aby go rozwinąć, a ćwiczenie, aby je rozpocząć.",
                    "Click a unit to open it and an exercise to start it."),
                  Face(13), palette::kMuted);
        PaintCard(p, QRectF(30, 70, 845, 577), 10);
        for (int row = 0; row < 27; ++row)
            if (row % 2 == 1) p.fillRect(QRect(40, 98 + row * 20, 825, 20), QColor(246, 250, 252));
        p.fillRect(QRect(40, 96, 825, 1), palette::kMist);
        const QFont head = Face(11, true);
        const QColor ink(90, 110, 128);
        PaintText(p, QRectF(70, 74, 200, 20), t("Ćwiczenie", "Exercise"), head, ink);
        PaintText(p, QRectF(366, 74, 100, 20), t("Rodzaj, poziom", "Type, level"), head, ink);
        PaintText(p, QRectF(470, 74, 110, 20), t("Ostatnio", "Last done"), head, ink);
        PaintText(p, QRectF(590, 74, 110, 20), t("Powtórka", "Repetition"), head, ink);
        PaintText(p, QRectF(705, 74, 150, 20), t("Wynik", "Result"), head, ink);
        // Legend.
        PaintCard(p, QRectF(30, 660, 845, 44), 10, QColor(255, 255, 255, 220));
        qreal x = 48;
        const QFont small = Face(12);
        auto legend = [&](const QString& text, const std::function<void(QRectF)>& icon, qreal iconWidth) {
            icon(QRectF(x, 672, iconWidth, 20));
            x += iconWidth + 6;
            const qreal w = QFontMetricsF(small).horizontalAdvance(text);
            PaintText(p, QRectF(x, 672, w + 4, 20), text, small, palette::kMuted);
            x += w + 26;
        };
        legend(t("poziom 1–4", "level 1–4"), [&](QRectF r) {
            for (int i = 0; i < 4; ++i) {
                const qreal h = 8 + 3 * i;
                p.setPen(Qt::NoPen);
                p.setBrush(i < 2 ? palette::kSky : QColor(205, 217, 226));
                p.drawRoundedRect(QRectF(r.left() + i * 5, r.bottom() - h - 1, 3.5, h), 1, 1);
            }
        }, 20);
        legend(t("zrobione", "done"), [&](QRectF r) {
            p.setPen(Qt::NoPen);
            p.setBrush(palette::kGreen);
            p.drawEllipse(QRectF(r.left(), r.top() + 2, 16, 16));
            DrawGlyph(p, Glyph::Check, QRectF(r.left() + 3, r.top() + 5, 10, 10), palette::kWhite, 1.2);
        }, 16);
        legend(t("jeszcze nie", "not yet"), [&](QRectF r) {
            p.setPen(QPen(QColor(175, 188, 198), 1.6));
            p.setBrush(palette::kWhite);
            p.drawEllipse(QRectF(r.left() + 1, r.top() + 3, 14, 14));
        }, 16);
        legend(t("wynik ostatniej próby", "result of the last attempt"), [&](QRectF r) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(238, 243, 247));
            p.drawRoundedRect(QRectF(r.left(), r.top() + 4, 40, 12), 6, 6);
            p.setBrush(palette::kGreen);
            p.drawRoundedRect(QRectF(r.left(), r.top() + 4, 28, 12), 6, 6);
        }, 40);
    }));

    // The video picture of the menu (the media window's size).
    installation.WriteImage(gfx + "menu_video.jpg", Picture(336, 344, [&](QPainter& p) {
        PaintBackdrop(p, QRect(0, 0, 336, 344), 2, 3);
        Emblem(p, QRectF(118, 122, 100, 100), Glyph::Film, palette::kBlue);
        PaintText(p, QRectF(0, 240, 336, 24), t("Film do tekstu", "Video of the text"), Face(14, true), palette::kInk,
                  Qt::AlignCenter);
    }));
}

// The classroom windows read their pictures from the Polish folder only.
void WriteClassroomPictures(Installation& installation) {
    const std::string gfx = "Lang_r\\0\\gfx_r\\";
    // Login (380 x 200): user name at (24, 68), password at (24, 118), each 240 x 24 inside the
    // boxes drawn here; the buttons in the footer.
    installation.WriteImage(gfx + "net_logowanie.bmp", Picture(380, 200, [&](QPainter& p) {
        Frame(p, {380, 200}, QString::fromUtf8("Logowanie do systemu"));
        DrawGlyph(p, Glyph::Lock, QRectF(348, 7, 18, 18), QColor(160, 210, 232));
        Field(p, 22, 44, 244, QString::fromUtf8("Nazwa użytkownika"));
        Field(p, 22, 94, 244, QString::fromUtf8("Hasło"));
        Emblem(p, QRectF(290, 52, 72, 72), Glyph::Users, palette::kSky);
        Footer(p, {380, 200}, 46);
    }));
    // Changing the password (380 x 284): four boxes 44 pixels apart from y 60, the buttons in
    // the footer.
    installation.WriteImage(gfx + "net_zmiana.bmp", Picture(380, 284, [&](QPainter& p) {
        Frame(p, {380, 284}, QString::fromUtf8("Zmiana hasła"));
        DrawGlyph(p, Glyph::Key, QRectF(348, 7, 18, 18), QColor(160, 210, 232));
        const char* captions[] = {"Nazwa użytkownika", "Obecne hasło", "Nowe hasło", "Powtórz nowe hasło"};
        for (int i = 0; i < 4; ++i) Field(p, 22, 42 + 44 * i, 244, QString::fromUtf8(captions[i]));
        Emblem(p, QRectF(290, 60, 72, 72), Glyph::Key, palette::kSky);
        Footer(p, {380, 284}, 46);
    }));
    // Leaving classroom work (300 x 140): the question above the choice list.
    installation.WriteImage(gfx + "net_koniec.bmp", Picture(300, 140, [&](QPainter& p) {
        Frame(p, {300, 140}, QString::fromUtf8("Zakończenie pracy"), 28);
        DrawGlyph(p, Glyph::Power, QRectF(270, 6, 16, 16), QColor(160, 210, 232));
        PaintText(p, QRectF(16, 36, 270, 20), QString::fromUtf8("Co chcesz zrobić?"), Face(13, true), palette::kInk);
        Footer(p, {300, 140}, 44);
    }));
}

}  // namespace

// The right-hand panel (100 x 768) shared by the exercise windows: light, with the course mark
// at the top; `stats` adds the captions of the sentence exercise's four counters.
void PaintRightPanel(QPainter& p, int stats) {
    QLinearGradient g(0, 0, 0, 768);
    g.setColorAt(0, QColor(236, 244, 249));
    g.setColorAt(1, QColor(228, 239, 246));
    p.fillRect(QRect(0, 0, 100, 768), g);
    p.fillRect(QRect(0, 0, 3, 768), palette::kSky);
    p.fillRect(QRect(3, 0, 1, 768), QColor(200, 222, 235));
    PaintLogoMark(p, QRectF(12, 14, 24, 24), palette::kBlue, palette::kWhite);
    PaintText(p, QRectF(41, 14, 58, 24), "Quillan", Face(12, true), palette::kInk);
    p.fillRect(QRect(12, 50, 78, 1), QColor(200, 222, 235));
    if (stats) {
        // Counters of the sentence exercise: right, wrong, score, left (values at x 44).
        const Glyph glyphs[] = {Glyph::Check, Glyph::Cross, Glyph::Percent, Glyph::Contents};
        const QColor colours[] = {palette::kGreen, palette::kRed, palette::kBlue, palette::kSky};
        PaintCard(p, QRectF(8, 552, 86, 128), 8);
        for (int i = 0; i < 4; ++i) {
            const qreal y = 562 + 28 * i;
            p.setPen(Qt::NoPen);
            p.setBrush(colours[i]);
            p.drawEllipse(QRectF(16, y, 18, 18));
            DrawGlyph(p, glyphs[i], QRectF(19, y + 3, 12, 12), palette::kWhite, 1.2);
        }
    }
}

void WriteWindowPictures(Installation& installation) {
    for (const Language& language : kLanguages) WriteLanguagePictures(installation, language);
    WriteClassroomPictures(installation);
    // Panels at the right of the exercise windows (100 x 768).
    for (const char* name : {"panel_prawy_teksty_a.bmp", "panel_dialogi.bmp", "pod_pasek_help.bmp"})
        installation.WriteImage(std::string("gfx_r\\") + name, Picture(100, 768, [](QPainter& p) { PaintRightPanel(p, 0); }));
    installation.WriteImage("gfx_r\\pod_pasek.bmp", Picture(100, 768, [](QPainter& p) { PaintRightPanel(p, 1); }));
}

}  // namespace demo
