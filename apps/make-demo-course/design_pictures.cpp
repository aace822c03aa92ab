// The small pictures the windows draw beside their texts: icons of the exercise chart and of the
// information panel, answer marks, check boxes, the result gauge, the speaker badges, the media
// strips (all in "gfx_r\ikony\", PNG with transparency), and the icons of the printouts
// (under "htm_r\", JPEG on white, as the printout pages name them).

#include <QLinearGradient>
#include <QPainterPath>
#include <string>
#include <vector>

#include "installation.h"
#include "pictures.h"
#include "style.h"

namespace demo {
namespace {

namespace family {
const QColor kText = palette::kBlue;
const QColor kVocabulary(38, 150, 140);
const QColor kDialogue(92, 112, 188);
const QColor kReading(214, 134, 36);
const QColor kSentences(56, 150, 100);
}  // namespace family

const std::string kIcons = "gfx_r\\ikony\\";

QImage Clear(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

template <typename Paint>
QImage Icon(int w, int h, Paint paint) {
    QImage image = Clear(w, h);
    QPainter p(&image);
    Smooth(p);
    paint(p, QRectF(0, 0, w, h));
    return image;
}

struct KindIcon {
    int code;
    Glyph glyph;
    QColor colour;
};

// The exercise kinds that have an icon in the chart, and the package icons 1..5.
std::vector<KindIcon> ChartIcons() {
    using G = Glyph;
    return {
        {1, G::Film, family::kText},           {2, G::Headphones, family::kText},
        {3, G::Document, family::kText},       {4, G::Conversation, family::kDialogue},
        {5, G::Book, family::kVocabulary},     {40, G::MultipleChoice, family::kText},
        {41, G::TrueFalse, family::kText},     {44, G::TextCursor, family::kText},
        {45, G::Pairs, family::kText},         {47, G::DragDrop, family::kText},
        {56, G::Microphone, family::kReading}, {57, G::Envelope, family::kReading},
        {58, G::Star, family::kReading},       {59, G::DragDrop, family::kReading},
        {60, G::Microphone, family::kVocabulary}, {61, G::Headphones, family::kVocabulary},
        {62, G::MultipleChoice, family::kVocabulary}, {63, G::Pencil, family::kVocabulary},
        {64, G::Keyboard, family::kVocabulary}, {70, G::Conversation, family::kDialogue},
        {71, G::Microphone, family::kDialogue}, {73, G::Headphones, family::kDialogue},
        {74, G::DragDrop, family::kDialogue},
    };
}

// The printout icons, by the file names the chart printout uses.
struct PrintIcon {
    const char* file;
    Glyph glyph;
};
const PrintIcon kPrintIcons[] = {
    {"1_film", Glyph::Film},           {"2_nagranie", Glyph::Headphones},   {"3_tekst", Glyph::Document},
    {"4_dialog_duzy", Glyph::Conversation}, {"5_letters", Glyph::Envelope}, {"6_ciekawostka", Glyph::Star},
    {"7_slowka", Glyph::Book},         {"8_truefalse", Glyph::TrueFalse},   {"9_wpisywanie", Glyph::TextCursor},
    {"10_pary", Glyph::Pairs},         {"11_mchoice", Glyph::MultipleChoice}, {"12_ddrop", Glyph::DragDrop},
    {"13_NAGRYWANIE", Glyph::Microphone}, {"14_rozumienie", Glyph::Headphones}, {"15_wpisywanie", Glyph::Keyboard},
    {"16_dyktando", Glyph::Pencil},    {"17_dialog", Glyph::Conversation},
};

void PaintLevel(QPainter& p, const QRectF& box, int level) {
    // Four bars rising to the right, the first `level` of them filled.
    const qreal bw = box.width() / 4.0 - 1.5;
    for (int i = 0; i < 4; ++i) {
        const qreal h = box.height() * (0.4 + 0.2 * i);
        const QRectF bar(box.left() + i * (bw + 2) + 0.5, box.bottom() - h, bw, h - 0.5);
        p.setPen(Qt::NoPen);
        p.setBrush(i < level ? palette::kSky : QColor(205, 217, 226));
        p.drawRoundedRect(bar, 1.2, 1.2);
    }
}

void PaintDone(QPainter& p, const QRectF& box, bool done) {
    const QRectF r = box.adjusted(1, 1, -1, -1);
    if (done) {
        p.setPen(Qt::NoPen);
        p.setBrush(palette::kGreen);
        p.drawEllipse(r);
        DrawGlyph(p, Glyph::Check, r.adjusted(2.5, 2.5, -2.5, -2.5), palette::kWhite, 1.2);
    } else {
        p.setPen(QPen(QColor(175, 188, 198), 1.6));
        p.setBrush(palette::kWhite);
        p.drawEllipse(r.adjusted(0.8, 0.8, -0.8, -0.8));
    }
}

void PaintMark(QPainter& p, const QRectF& box, bool right) {
    const QRectF r = box.adjusted(1, 1, -1, -1);
    p.setPen(Qt::NoPen);
    p.setBrush(right ? palette::kGreen : palette::kRed);
    p.drawEllipse(r);
    DrawGlyph(p, right ? Glyph::Check : Glyph::Cross, r.adjusted(r.width() * 0.2, r.height() * 0.2,
                                                                 -r.width() * 0.2, -r.height() * 0.2),
              palette::kWhite, 1.25);
}

void PaintBadge(QPainter& p, const QRectF& box, const QColor& fill, Glyph glyph) {
    const QRectF r = box.adjusted(1, 1, -1, -1);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(r);
    DrawGlyph(p, glyph, r.adjusted(r.width() * 0.2, r.height() * 0.2, -r.width() * 0.2, -r.height() * 0.2),
              palette::kWhite, 1.15);
}

enum class BoxState { Normal, Checked, Bad };
void PaintAnswerBox(QPainter& p, const QRectF& box, BoxState state) {
    const QRectF r = box.adjusted(1.5, 1.5, -1.5, -1.5);
    switch (state) {
        case BoxState::Normal:
            p.setPen(QPen(QColor(130, 170, 196), 1.5));
            p.setBrush(palette::kWhite);
            p.drawRoundedRect(r, 3.5, 3.5);
            break;
        case BoxState::Checked:
            p.setPen(QPen(palette::kBlue, 1.5));
            p.setBrush(palette::kSky);
            p.drawRoundedRect(r, 3.5, 3.5);
            DrawGlyph(p, Glyph::Check, r.adjusted(2, 2, -2, -2), palette::kWhite, 1.3);
            break;
        case BoxState::Bad:
            p.setPen(QPen(palette::kRed, 1.5));
            p.setBrush(QColor(253, 232, 232));
            p.drawRoundedRect(r, 3.5, 3.5);
            DrawGlyph(p, Glyph::Cross, r.adjusted(2.5, 2.5, -2.5, -2.5), palette::kRed, 1.3);
            break;
    }
}

// The gauge's background (200 x 33): a light pill with a target at the left; the program writes
// the percentage at (110, 8) and the pie picture at (160, 6).
QImage GaugeBackground() {
    return Icon(200, 33, [](QPainter& p, const QRectF& r) {
        const QRectF pill = r.adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient g(pill.topLeft(), pill.bottomLeft());
        g.setColorAt(0, palette::kWhite);
        g.setColorAt(1, palette::kIce);
        p.setBrush(g);
        p.setPen(QPen(QColor(163, 199, 220), 1));
        p.drawRoundedRect(pill, 16, 16);
        p.setPen(Qt::NoPen);
        p.setBrush(palette::kBlue);
        p.drawEllipse(QRectF(7, 6.5, 20, 20));
        DrawGlyph(p, Glyph::BarChart, QRectF(10, 9.5, 14, 14), palette::kWhite, 1.1);
        // Three small rising steps: the way to a full score.
        for (int i = 0; i < 3; ++i) {
            p.setBrush(QColor(1, 153, 202, 90 + 50 * i));
            p.drawRoundedRect(QRectF(38 + i * 14, 22 - 5 * i, 10, 5 + 5 * i), 2, 2);
        }
    });
}

// The gauge's pie strip: 13 pictures of 22 x 22, picture i filled to i twelfths.
QImage GaugePies() {
    return Icon(286, 22, [](QPainter& p, const QRectF&) {
        for (int i = 0; i <= 12; ++i) {
            const QRectF r(i * 22 + 1.5, 1.5, 19, 19);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(214, 228, 237));
            p.drawEllipse(r);
            if (i > 0) {
                p.setBrush(i == 12 ? palette::kGreen : palette::kSky);
                p.drawPie(r, 90 * 16, -i * 30 * 16);
            }
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(palette::kWhite, 1.2));
            p.drawEllipse(r);
        }
    });
}

// Result bars of the chart: the track and four fills (poor, fair, good, very good).
QImage ProgressTrack() {
    return Icon(102, 14, [](QPainter& p, const QRectF& r) {
        p.setPen(QPen(QColor(205, 217, 226), 1));
        p.setBrush(QColor(238, 243, 247));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
    });
}
QImage ProgressFill(const QColor& colour) {
    return Icon(100, 14, [&](QPainter& p, const QRectF& r) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, colour.lighter(118));
        g.setColorAt(1, colour);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(r.adjusted(1, 1.5, 0, -1.5), 5.5, 5.5);
    });
}

// A media strip: a light rounded bar on which the player's buttons and progress bar sit.
QImage MediaStrip(int w, int h, bool withTrack) {
    return Icon(w, h, [&](QPainter& p, const QRectF& r) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, palette::kWhite);
        g.setColorAt(1, palette::kIce);
        p.setBrush(g);
        p.setPen(QPen(QColor(163, 199, 220), 1));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
        if (withTrack) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(214, 228, 237));
            p.drawRoundedRect(QRectF(108, h / 2.0 - 3, w - 120, 6), 3, 3);
        }
    });
}

void Write(Installation& installation, const std::string& name, const QImage& image) {
    installation.WriteImage(kIcons + name + ".png", image);
}

QImage OnWhiteJpeg(int side, Glyph glyph, const QColor& colour) {
    QImage image = Blank(side, side, palette::kWhite);
    QPainter p(&image);
    Smooth(p);
    PaintIconTile(p, QRectF(1, 1, side - 2, side - 2), glyph, colour);
    return image;
}

}  // namespace

QColor SpeakerColour(int speaker) {
    static const QColor colours[] = {palette::kBlue, QColor(214, 134, 36), QColor(38, 150, 140),
                                     QColor(92, 112, 188), QColor(196, 86, 120)};
    return colours[(qBound(1, speaker, 5) - 1)];
}

void PaintIconTile(QPainter& painter, const QRectF& box, Glyph glyph, const QColor& colour) {
    painter.save();
    Smooth(painter);
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, colour.lighter(115));
    g.setColorAt(1, colour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(g);
    const qreal r = box.width() * 0.26;
    painter.drawRoundedRect(box, r, r);
    const qreal inset = box.width() * (box.width() <= 20 ? 0.12 : 0.17);
    DrawGlyph(painter, glyph, box.adjusted(inset, inset, -inset, -inset), palette::kWhite, 1.05);
    painter.restore();
}

void PaintSpeakerBadge(QPainter& painter, const QRectF& box, int speaker) {
    painter.save();
    Smooth(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SpeakerColour(speaker));
    painter.drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
    PaintText(painter, box.adjusted(0, 0, 0, -0.5), QString(QChar('A' + qBound(1, speaker, 5) - 1)),
              Face(int(box.height() * 0.6), true), palette::kWhite, Qt::AlignCenter);
    painter.restore();
}

void WriteDesignPictures(Installation& installation) {
    // Exercise chart: kind and package icons, levels, done marks, tree boxes, result bars.
    for (const KindIcon& icon : ChartIcons())
        Write(installation, "typ_" + std::to_string(icon.code),
              Icon(20, 20, [&](QPainter& p, const QRectF& r) { PaintIconTile(p, r.adjusted(1, 1, -1, -1), icon.glyph, icon.colour); }));
    for (int level = 1; level <= 4; ++level)
        Write(installation, "poz_" + std::to_string(level),
              Icon(20, 16, [&](QPainter& p, const QRectF& r) { PaintLevel(p, r.adjusted(1, 1, -1, -1), level); }));
    Write(installation, "rob_yes", Icon(16, 16, [](QPainter& p, const QRectF& r) { PaintDone(p, r, true); }));
    Write(installation, "rob_no", Icon(16, 16, [](QPainter& p, const QRectF& r) { PaintDone(p, r, false); }));
    for (bool plus : {true, false})
        Write(installation, plus ? "img_plus" : "img_minus", Icon(13, 13, [&](QPainter& p, const QRectF& r) {
                  p.setPen(QPen(QColor(130, 170, 196), 1));
                  p.setBrush(palette::kWhite);
                  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
                  DrawGlyph(p, plus ? Glyph::Plus : Glyph::Minus, r.adjusted(2, 2, -2, -2), palette::kBlue, 1.2);
              }));
    Write(installation, "img_progress_back", ProgressTrack());
    const QColor fills[] = {QColor(226, 104, 84), QColor(240, 168, 48), palette::kSky, palette::kGreen};
    for (int i = 0; i < 4; ++i) Write(installation, "img_prog" + std::to_string(i + 1), ProgressFill(fills[i]));

    // Information panel: exercise families and statistics.
    const struct {
        const char* name;
        Glyph glyph;
        QColor colour;
    } panelIcons[] = {
        {"zda_dyk", Glyph::Pencil, family::kSentences},   {"zda_roz", Glyph::Puzzle, family::kSentences},
        {"zda_tek", Glyph::Translate, family::kSentences}, {"img_rpg", Glyph::Headphones, family::kReading},
        {"img_dia", Glyph::Conversation, family::kDialogue},
    };
    for (const auto& icon : panelIcons)
        Write(installation, icon.name,
              Icon(16, 16, [&](QPainter& p, const QRectF& r) { PaintIconTile(p, r, icon.glyph, icon.colour); }));
    const struct {
        const char* name;
        Glyph glyph;
        QColor colour;
    } stats[] = {
        {"stat_1", Glyph::Check, palette::kGreen}, {"stat_2", Glyph::Cross, palette::kRed},
        {"stat_3", Glyph::Percent, palette::kBlue}, {"stat_4", Glyph::Contents, palette::kSky},
        {"stat_5", Glyph::ArrowRight, palette::kAmber},
    };
    for (const auto& stat : stats)
        Write(installation, stat.name,
              Icon(16, 16, [&](QPainter& p, const QRectF& r) { PaintBadge(p, r, stat.colour, stat.glyph); }));

    // Marks beside judged answers, answer boxes, the "!" of corrected places, the empty gap.
    Write(installation, "stan_ok", Icon(18, 18, [](QPainter& p, const QRectF& r) { PaintMark(p, r, true); }));
    Write(installation, "stan_bad", Icon(18, 18, [](QPainter& p, const QRectF& r) { PaintMark(p, r, false); }));
    Write(installation, "img_normal", Icon(18, 18, [](QPainter& p, const QRectF& r) { PaintAnswerBox(p, r, BoxState::Normal); }));
    Write(installation, "img_checked", Icon(18, 18, [](QPainter& p, const QRectF& r) { PaintAnswerBox(p, r, BoxState::Checked); }));
    Write(installation, "img_bad", Icon(18, 18, [](QPainter& p, const QRectF& r) { PaintAnswerBox(p, r, BoxState::Bad); }));
    Write(installation, "tmp_wykrzykniczek",
          Icon(18, 18, [](QPainter& p, const QRectF& r) { PaintBadge(p, r, palette::kAmber, Glyph::Exclamation); }));
    Write(installation, "img_pyt", Icon(40, 18, [](QPainter& p, const QRectF& r) {
              QPen dashed(palette::kSky, 1.3);
              dashed.setDashPattern({3, 2});
              p.setPen(dashed);
              p.setBrush(QColor(233, 247, 250));
              p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 5, 5);
              DrawGlyph(p, Glyph::Question, QRectF(13, 2, 14, 14), palette::kBlue, 1.1);
          }));

    // Verdicts of the vocabulary trainer (32 x 32) and of the picture exercise (40 x 40).
    Write(installation, "werdykt_ok", Icon(32, 32, [](QPainter& p, const QRectF& r) { PaintMark(p, r, true); }));
    Write(installation, "werdykt_zle", Icon(32, 32, [](QPainter& p, const QRectF& r) { PaintMark(p, r, false); }));
    Write(installation, "znak_ok", Icon(40, 40, [](QPainter& p, const QRectF& r) { PaintMark(p, r, true); }));
    Write(installation, "znak_zle", Icon(40, 40, [](QPainter& p, const QRectF& r) { PaintMark(p, r, false); }));

    // Microphone, speaker and take pictures of the word list, the recording rows and dialogues.
    Write(installation, "img_mikrofon", Icon(18, 18, [](QPainter& p, const QRectF& r) { PaintBadge(p, r, palette::kBlue, Glyph::Microphone); }));
    Write(installation, "img_mikrofon_on", Icon(18, 18, [](QPainter& p, const QRectF& r) { PaintBadge(p, r, palette::kRed, Glyph::Microphone); }));
    Write(installation, "img_glosnik", Icon(18, 18, [](QPainter& p, const QRectF& r) { PaintBadge(p, r, palette::kSky, Glyph::Speaker); }));
    Write(installation, "img_glosnik2", Icon(18, 18, [](QPainter& p, const QRectF& r) { PaintBadge(p, r, palette::kGreen, Glyph::Speaker); }));
    Write(installation, "img_0", Icon(18, 18, [](QPainter& p, const QRectF& r) {
              p.setPen(QPen(QColor(175, 188, 198), 1.5));
              p.setBrush(palette::kWhite);
              p.drawEllipse(r.adjusted(1.5, 1.5, -1.5, -1.5));
              DrawGlyph(p, Glyph::Users, r.adjusted(4, 4, -4, -4), QColor(150, 162, 172), 1.2);
          }));
    Write(installation, "img_1", Icon(18, 18, [](QPainter& p, const QRectF& r) { PaintBadge(p, r, palette::kGreen, Glyph::UserPlus); }));
    for (int state = 0; state < 3; ++state) {
        const char* names[] = {"nagraj_a", "nagraj_b", "nagraj_c"};
        const QColor colours[] = {palette::kBlue, palette::kRed, palette::kSky};
        Write(installation, names[state],
              Icon(40, 40, [&](QPainter& p, const QRectF& r) { PaintBadge(p, r, colours[state], Glyph::Microphone); }));
    }
    Write(installation, "tlumacz_tlo", Icon(240, 24, [](QPainter& p, const QRectF& r) {
              p.setPen(QPen(QColor(163, 199, 220), 1));
              p.setBrush(QColor(255, 252, 236));
              p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
          }));

    // Dialogue speakers A..E (also as the printout's pictures, which name them in gfx_r).
    for (int speaker = 1; speaker <= 5; ++speaker) {
        const std::string letter(1, char('a' + speaker - 1));
        Write(installation, "dial_" + letter,
              Icon(18, 18, [&](QPainter& p, const QRectF& r) { PaintSpeakerBadge(p, r, speaker); }));
        QImage printed = Blank(20, 20, palette::kWhite);
        QPainter p(&printed);
        PaintSpeakerBadge(p, QRectF(1, 1, 18, 18), speaker);
        p.end();
        installation.WriteImage("gfx_r\\dialog" + std::string(1, char('A' + speaker - 1)) + ".bmp", printed);
    }

    // The result gauge and the media window's strips.
    Write(installation, "tlo_wynik", GaugeBackground());
    Write(installation, "torcik", GaugePies());
    Write(installation, "img_audio_dol", MediaStrip(200, 33, false));
    Write(installation, "img_audio_dol_big", MediaStrip(290, 33, false));
    Write(installation, "img_video_dol", MediaStrip(336, 40, true));

    // Printout icons, on white.
    for (const PrintIcon& icon : kPrintIcons)
        installation.WriteImage(std::string("Htm_r\\") + icon.file + ".jpg", OnWhiteJpeg(24, icon.glyph, family::kText));
    for (int level = 1; level <= 4; ++level) {
        QImage image = Blank(24, 18, palette::kWhite);
        QPainter p(&image);
        Smooth(p);
        PaintLevel(p, QRectF(2, 1, 20, 16), level);
        p.end();
        installation.WriteImage("Htm_r\\poziom" + std::to_string(level) + ".jpg", image);
    }
    for (bool done : {true, false}) {
        QImage image = Blank(18, 18, palette::kWhite);
        QPainter p(&image);
        Smooth(p);
        PaintDone(p, QRectF(0, 0, 18, 18), done);
        p.end();
        installation.WriteImage(done ? "Htm_r\\ruszone.jpg" : "Htm_r\\ruszonenie.jpg", image);
    }
}

}  // namespace demo
