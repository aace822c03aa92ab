// The icons of the printouts, on white: those the chart printout names under "htm_r\" (JPEG)
// and the dialogue speakers the dialogue printout names in "gfx_r\" (BMP). They show the same
// things as the pictures the program draws in its windows, with the program's painters.

#include <string>

#include "controls/design_shapes.h"
#include "installation.h"
#include "pictures.h"
#include "style.h"

namespace demo {
namespace {

using quillan::design::PaintDone;
using quillan::design::PaintIconTile;
using quillan::design::PaintLevel;
using quillan::design::PaintSpeakerBadge;

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

QImage OnWhiteJpeg(int side, Glyph glyph, const QColor& colour) {
    QImage image = Blank(side, side, palette::kWhite);
    QPainter p(&image);
    Smooth(p);
    PaintIconTile(p, QRectF(1, 1, side - 2, side - 2), glyph, colour);
    return image;
}

}  // namespace

void WritePrintoutPictures(Installation& installation) {
    // Dialogue speakers A..E.
    for (int speaker = 1; speaker <= 5; ++speaker) {
        QImage printed = Blank(20, 20, palette::kWhite);
        QPainter p(&printed);
        PaintSpeakerBadge(p, QRectF(1, 1, 18, 18), speaker);
        p.end();
        installation.WriteImage("gfx_r\\dialog" + std::string(1, char('A' + speaker - 1)) + ".bmp", printed);
    }

    // The chart printout: kinds, levels, done and not done.
    for (const PrintIcon& icon : kPrintIcons)
        installation.WriteImage(std::string("Htm_r\\") + icon.file + ".jpg", OnWhiteJpeg(24, icon.glyph, palette::kBlue));
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
