// The shared button strips (two frames side by side: normal, highlighted; the key colour in
// the bottom-left pixel marks what is transparent), the tab pictures and the two flags.

#include <QLinearGradient>
#include <QPainterPath>
#include <optional>
#include <string>
#include <vector>

#include "installation.h"
#include "pictures.h"
#include "style.h"

namespace demo {
namespace {

enum class Shape { Circle, Pill, Square };
enum class Tone { Plain, Primary, Success, Danger };

// What one strip shows. A label makes it a language strip (one file per interface language).
struct Button {
    const char* file;      // in but_r
    int width, height;     // of one frame
    Shape shape;
    Tone tone;
    std::optional<Glyph> glyph;
    const char* textPl = nullptr;
    const char* textEn = nullptr;
    bool glyphAfterText = false;
    const char* badge = nullptr;  // a letter or digit instead of (or besides) the glyph
};

const QColor kEdgeGround(241, 246, 249);  // the light surface buttons sit on

QColor Fill(Tone tone, bool highlighted) {
    using namespace palette;
    switch (tone) {
        case Tone::Primary: return highlighted ? kSky : kBlue;
        case Tone::Success: return highlighted ? kGreen : kWhite;
        case Tone::Danger: return highlighted ? kRed : kWhite;
        case Tone::Plain: return highlighted ? kSky : kWhite;
    }
    return kWhite;
}

QColor Ink(Tone tone, bool highlighted) {
    using namespace palette;
    if (highlighted || tone == Tone::Primary) return kWhite;
    if (tone == Tone::Success) return kGreen;
    if (tone == Tone::Danger) return QColor(120, 130, 140);
    return kBlue;
}

QPainterPath Outline(Shape shape, const QRectF& r) {
    QPainterPath path;
    switch (shape) {
        case Shape::Circle: path.addEllipse(r); break;
        case Shape::Pill: path.addRoundedRect(r, r.height() / 2, r.height() / 2); break;
        case Shape::Square: path.addRoundedRect(r, 5, 5); break;
    }
    return path;
}

QImage Frame(const Button& b, const QString& text, bool highlighted) {
    QImage image(b.width, b.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Smooth(p);
    const QRectF r(1, 1, b.width - 2, b.height - 2);
    const QPainterPath outline = Outline(b.shape, r);
    const QColor fill = Fill(b.tone, highlighted);
    if (highlighted || b.tone == Tone::Primary) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, fill.lighter(112));
        g.setColorAt(1, fill);
        p.setBrush(g);
        p.setPen(QPen(fill.darker(115), 1));
    } else {
        p.setBrush(fill);
        p.setPen(QPen(QColor(163, 199, 220), 1.2));
    }
    p.drawPath(outline);

    const QColor ink = Ink(b.tone, highlighted);
    const qreal glyphSide = b.height >= 36 ? b.height * 0.55 : b.height >= 30 ? b.height * 0.6 : b.height * 0.66;
    if (text.isEmpty()) {
        if (b.badge) {
            // A letter or digit; with a glyph it gets a small play mark at the lower right.
            const qreal size = b.glyph ? b.height * 0.46 : b.height * 0.56;
            PaintText(p, QRectF(0, 0, b.width - (b.glyph ? 3 : 0), b.height - (b.glyph ? 1 : 0)),
                      QString::fromUtf8(b.badge), Face(int(size), true), ink, Qt::AlignCenter);
            if (b.glyph) DrawGlyph(p, *b.glyph, QRectF(b.width * 0.58, b.height * 0.56, b.width * 0.3, b.height * 0.3), ink);
        } else {
            DrawGlyph(p, *b.glyph, QRectF((b.width - glyphSide) / 2, (b.height - glyphSide) / 2, glyphSide, glyphSide),
                      ink);
        }
    } else {
        const QFont font = Face(b.height >= 28 ? 13 : 11, true);
        const int textWidth = QFontMetrics(font).horizontalAdvance(text);
        const qreal side = b.height * 0.55;
        const qreal gap = 6;
        const qreal total = (b.glyph ? side + gap : 0) + textWidth;
        qreal x = (b.width - total) / 2;
        if (b.glyph && !b.glyphAfterText) {
            DrawGlyph(p, *b.glyph, QRectF(x, (b.height - side) / 2, side, side), ink);
            x += side + gap;
        }
        PaintText(p, QRectF(x, 0, textWidth + 2, b.height), text, font, ink, Qt::AlignLeft | Qt::AlignVCenter);
        if (b.glyph && b.glyphAfterText)
            DrawGlyph(p, *b.glyph, QRectF(x + textWidth + gap, (b.height - side) / 2, side, side), ink);
    }
    p.end();
    return KeyedOnLight(image);
}

QImage Strip(const Button& b, const QString& text) {
    QImage strip(b.width * 2, b.height, QImage::Format_RGB32);
    QPainter p(&strip);
    p.drawImage(0, 0, Frame(b, text, false));
    p.drawImage(b.width, 0, Frame(b, text, true));
    return strip;
}

// Width of a labelled strip: the longer of its two languages decides, so that a button keeps
// its size whichever language is chosen.
int LabelledWidth(const Button& b) {
    const QFont font = Face(b.height >= 28 ? 13 : 11, true);
    const QFontMetrics metrics(font);
    const int text = qMax(metrics.horizontalAdvance(QString::fromUtf8(b.textPl)),
                          metrics.horizontalAdvance(QString::fromUtf8(b.textEn)));
    const int glyph = b.glyph ? int(b.height * 0.55) + 6 : 0;
    return text + glyph + b.height;  // half a height of padding on each side
}

// The list of strips, in the order of the shared picture list. The media window's buttons
// (play, stop, Pause and the bookmarks nagr_a..nagr_d) fit its sound strip: 33 pixels high with
// the buttons at top 4, three of them side by side before the bar at 88, the bookmarks 24 apart.
std::vector<Button> Buttons() {
    using G = Glyph;
    using S = Shape;
    using T = Tone;
    return {
        {"ok2", 44, 30, S::Pill, T::Primary, G::Check},
        {"anuluj2", 44, 30, S::Pill, T::Plain, G::Cross},
        {"play", 24, 24, S::Circle, T::Plain, G::Play},
        {"stop", 24, 24, S::Circle, T::Plain, G::Stop},
        {"strz_up", 24, 24, S::Circle, T::Plain, G::ChevronUp},
        {"strz_dn", 24, 24, S::Circle, T::Plain, G::ChevronDown},
        {"Pause", 24, 24, S::Circle, T::Plain, G::Pause},
        {"Glosnik2", 33, 33, S::Circle, T::Plain, G::Speaker},
        {"ok_duzy", 58, 40, S::Pill, T::Primary, G::Check},
        {"sprawdz_rozum", 58, 36, S::Pill, T::Primary, G::Check},
        {"mikrof2", 33, 33, S::Circle, T::Plain, G::Microphone},
        {"slownik2", 33, 33, S::Circle, T::Plain, G::Book},
        {"repeat_cw", 33, 33, S::Circle, T::Plain, G::Repeat},
        {"podr_druk2", 33, 33, S::Circle, T::Plain, G::Printer},
        {"podr_back2", 33, 33, S::Circle, T::Plain, G::ArrowLeft},
        {"op_gora", 24, 24, S::Circle, T::Plain, G::ChevronUp},
        {"op_dol", 24, 24, S::Circle, T::Plain, G::ChevronDown},
        {"info2_rozum", 33, 33, S::Circle, T::Plain, G::Translate},
        {"nagr_a", 22, 22, S::Square, T::Plain, std::nullopt, nullptr, nullptr, false, "1"},
        {"nagr_b", 22, 22, S::Square, T::Plain, std::nullopt, nullptr, nullptr, false, "2"},
        {"nagr_c", 22, 22, S::Square, T::Plain, std::nullopt, nullptr, nullptr, false, "3"},
        {"nagr_d", 22, 22, S::Square, T::Plain, std::nullopt, nullptr, nullptr, false, "4"},
        {"m_subj", 33, 33, S::Circle, T::Primary, G::Clipboard},
        {"b_zwin", 33, 33, S::Circle, T::Plain, G::CollapseAll},
        {"b_rozwin", 33, 33, S::Circle, T::Plain, G::ExpandAll},
        {"b_next_sl", 33, 33, S::Circle, T::Plain, G::ArrowRight},
        {"m_conv", 33, 33, S::Circle, T::Plain, G::Conversation},
        {"cw_back", 33, 33, S::Circle, T::Plain, G::ArrowLeft},
        {"glos_maly", 22, 22, S::Circle, T::Plain, G::Speaker},
        {"nowy_user", 0, 30, S::Pill, T::Plain, G::UserPlus, "Nowy uczeń", "New learner"},
        {"podr_spis2", 33, 33, S::Circle, T::Plain, G::Contents},
        {"D_play", 33, 33, S::Circle, T::Plain, G::Play},
        {"D_playA", 33, 33, S::Circle, T::Plain, G::Play, nullptr, nullptr, false, "A"},
        {"D_playB", 33, 33, S::Circle, T::Plain, G::Play, nullptr, nullptr, false, "B"},
        {"D_playC", 33, 33, S::Circle, T::Plain, G::Play, nullptr, nullptr, false, "C"},
        {"D_playD", 33, 33, S::Circle, T::Plain, G::Play, nullptr, nullptr, false, "D"},
        {"D_Start", 33, 33, S::Circle, T::Primary, G::Play},
        {"D_Nastep", 33, 33, S::Circle, T::Plain, G::Shuffle},
        {"D_Help", 33, 33, S::Circle, T::Plain, G::Question},
        {"zd_sprawdz", 0, 30, S::Pill, T::Primary, G::Check, "Sprawdź", "Check"},
        {"zd_ok_duzy", 58, 40, S::Pill, T::Primary, G::Check},
        {"zd_umiem", 0, 30, S::Pill, T::Success, G::Check, "Umiałem", "I knew it"},
        {"zd_nie_umiem", 0, 30, S::Pill, T::Danger, G::Cross, "Nie umiałem", "I didn't know"},
        {"close_panel", 25, 25, S::Circle, T::Danger, G::Cross},
        {"help", 33, 33, S::Circle, T::Plain, G::Question},
        {"next", 0, 30, S::Pill, T::Primary, G::ArrowRight, "Dalej", "Next", true},
        {"m_repet", 33, 33, S::Circle, T::Primary, G::Calendar},
        {"Wybor_ok", 33, 33, S::Circle, T::Primary, G::Check},
        {"ok_rozum", 0, 30, S::Pill, T::Primary, G::Check, "Gotowe", "Done"},
        {"rozum_graj", 33, 33, S::Circle, T::Plain, G::Headphones},
        {"panel_film", 33, 33, S::Circle, T::Plain, G::Film},
        {"kas_powt", 0, 30, S::Pill, T::Danger, G::Trash, "Usuń powtórki", "Delete repetitions"},
        {"m_result", 33, 33, S::Circle, T::Plain, G::BarChart},
        {"glosniki_gora", 24, 24, S::Circle, T::Plain, G::SpeakerUp},
        {"glosniki_dol", 24, 24, S::Circle, T::Plain, G::SpeakerDown},
        {"rozum_druk", 33, 33, S::Circle, T::Plain, G::Printer},
        {"dial_druk", 33, 33, S::Circle, T::Plain, G::Printer},
        {"analizator", 33, 33, S::Circle, T::Plain, G::Waveform},
        {"panel_html", 33, 33, S::Circle, T::Plain, G::Document},
        {"zarowka", 33, 33, S::Circle, T::Plain, G::Bulb},
        {"kas_1_powt", 0, 24, S::Pill, T::Danger, G::Trash, "Usuń", "Delete"},
        {"print", 33, 33, S::Circle, T::Plain, G::Printer},
    };
}

// Tabs: numbered pictures stacked on the light right-hand panel; the active one is filled.
QImage Tab(int number, bool active) {
    const int w = 64, h = 22;
    QImage image = Blank(w, h, QColor(236, 244, 249));  // the panel colour behind the corners
    QPainter p(&image);
    Smooth(p);
    const QRectF r(0.5, 0.5, w - 1, h - 1);
    if (active) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, palette::kSky);
        g.setColorAt(1, palette::kBlue);
        p.setBrush(g);
        p.setPen(QPen(palette::kBlue, 1));
    } else {
        p.setBrush(palette::kWhite);
        p.setPen(QPen(QColor(163, 199, 220), 1));
    }
    p.drawRoundedRect(r, 6, 6);
    const QColor ink = active ? palette::kWhite : palette::kBlue;
    // A short accent at the left edge marks the tab; the number says which exercise it opens.
    p.setPen(Qt::NoPen);
    p.setBrush(active ? palette::kAmber : QColor(163, 199, 220));
    p.drawRoundedRect(QRectF(5, 6, 3, h - 12), 1.5, 1.5);
    PaintText(p, QRectF(0, 0, w, h), QString::number(number), Face(14, true), ink, Qt::AlignCenter);
    return image;
}

QImage FlagEnglish() {
    const int s = 18;
    QImage image = Blank(s, s, QColor(1, 33, 105));
    QPainter p(&image);
    Smooth(p);
    auto band = [&](QPointF a, QPointF b, qreal width, QColor colour) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(a, b);
    };
    band({0, 0}, {s, s}, 4.2, Qt::white);
    band({s, 0}, {0, s}, 4.2, Qt::white);
    band({0, 0}, {s, s}, 1.4, QColor(200, 16, 46));
    band({s, 0}, {0, s}, 1.4, QColor(200, 16, 46));
    band({s / 2.0, 0}, {s / 2.0, s}, 5.5, Qt::white);
    band({0, s / 2.0}, {s, s / 2.0}, 5.5, Qt::white);
    band({s / 2.0, 0}, {s / 2.0, s}, 3, QColor(200, 16, 46));
    band({0, s / 2.0}, {s, s / 2.0}, 3, QColor(200, 16, 46));
    return image;
}

QImage FlagPolish() {
    const int s = 18;
    QImage image = Blank(s, s, Qt::white);
    QPainter p(&image);
    p.fillRect(QRect(0, s / 2, s, s - s / 2), QColor(220, 20, 60));
    p.setPen(QPen(QColor(200, 200, 200), 1));
    p.drawRect(QRect(0, 0, s - 1, s / 2));
    return image;
}

}  // namespace

QImage KeyedOnLight(const QImage& argb) {
    QImage source = argb.convertToFormat(QImage::Format_ARGB32);
    QImage out(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < 64) {
                line[x] = palette::kKey.rgb();
                continue;
            }
            auto mix = [&](int c, int ground) { return (c * a + ground * (255 - a)) / 255; };
            line[x] = qRgb(mix(qRed(in[x]), kEdgeGround.red()), mix(qGreen(in[x]), kEdgeGround.green()),
                           mix(qBlue(in[x]), kEdgeGround.blue()));
            if (line[x] == palette::kKey.rgb()) line[x] = qRgb(254, 0, 254);
        }
    }
    // The transparent colour is read from the bottom-left pixel: make sure it is the key.
    out.setPixel(0, out.height() - 1, palette::kKey.rgb());
    return out;
}

void WriteButtonStrips(Installation& installation) {
    for (Button b : Buttons()) {
        if (b.textPl) {
            b.width = LabelledWidth(b);
            for (const Language& language : kLanguages)
                installation.WriteImage(std::string(language.dir) + "but_r\\" + b.file + ".bmp",
                                        Strip(b, language(b.textPl, b.textEn)));
        } else {
            installation.WriteImage(std::string("but_r\\") + b.file + ".bmp", Strip(b, QString()));
        }
    }
    // Tabs of the text exercises (up to eight) and of the trainer, dialogue and sentence windows.
    for (int n = 1; n <= 8; ++n) {
        installation.WriteImage("but_r\\zakl\\_" + std::to_string(n) + ".bmp", Tab(n, false));
        installation.WriteImage("but_r\\zakl\\_" + std::to_string(n) + "a.bmp", Tab(n, true));
    }
    for (int n = 1; n <= 5; ++n) {
        installation.WriteImage("but_r\\zakl\\dial_" + std::to_string(n) + ".bmp", Tab(n, false));
        installation.WriteImage("but_r\\zakl\\dial_" + std::to_string(n) + "a.bmp", Tab(n, true));
    }
    installation.WriteImage("but_r\\flaga_1.jpg", FlagEnglish());
    installation.WriteImage("but_r\\flaga_tlum.jpg", FlagPolish());
}

}  // namespace demo
