#include "controls/design_pictures.h"

#include <QPainter>
#include <functional>
#include <map>
#include <string>

#include "controls/design_shapes.h"
#include "controls/design_style.h"

namespace quillan::design {
namespace {

namespace family {
const QColor kText = palette::kBlue;
const QColor kVocabulary(38, 150, 140);
const QColor kDialogue(92, 112, 188);
const QColor kReading(214, 134, 36);
}  // namespace family

// A picture: its size and how to paint it into its whole box.
struct Design {
    int width;
    int height;
    std::function<void(QPainter&, const QRectF&)> paint;
};
using Designs = std::map<std::string, Design, std::less<>>;

// The chart's icons of the exercise kinds (typ_40 ... typ_74) and of the packages (typ_1 ... typ_5).
void AddChartIcons(Designs& designs) {
    using G = Glyph;
    const struct {
        int code;
        Glyph glyph;
        QColor colour;
    } icons[] = {
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
    for (const auto& icon : icons)
        designs["typ_" + std::to_string(icon.code)] = {20, 20, [glyph = icon.glyph, colour = icon.colour](QPainter& p, const QRectF& r) {
                                                           PaintIconTile(p, r.adjusted(1, 1, -1, -1), glyph, colour);
                                                       }};
}

// The rest of the chart: levels, done marks, tree boxes and result bars.
void AddChartPictures(Designs& designs) {
    for (int level = 1; level <= 4; ++level)
        designs["poz_" + std::to_string(level)] = {
            20, 16, [level](QPainter& p, const QRectF& r) { PaintLevel(p, r.adjusted(1, 1, -1, -1), level); }};
    designs["rob_yes"] = {16, 16, [](QPainter& p, const QRectF& r) { PaintDone(p, r, true); }};
    designs["rob_no"] = {16, 16, [](QPainter& p, const QRectF& r) { PaintDone(p, r, false); }};
    designs["img_plus"] = {13, 13, [](QPainter& p, const QRectF& r) { PaintTreeBox(p, r, true); }};
    designs["img_minus"] = {13, 13, [](QPainter& p, const QRectF& r) { PaintTreeBox(p, r, false); }};
    designs["img_progress_back"] = {102, 14, PaintProgressTrack};
    // Poor, fair, good, very good.
    const QColor fills[] = {QColor(226, 104, 84), QColor(240, 168, 48), palette::kSky, palette::kGreen};
    for (int i = 0; i < 4; ++i)
        designs["img_prog" + std::to_string(i + 1)] = {
            100, 14, [colour = fills[i]](QPainter& p, const QRectF& r) { PaintProgressFill(p, r, colour); }};
}

// Answer boxes and marks, the "!" of corrected places, the empty gap, verdicts.
void AddAnswerPictures(Designs& designs) {
    designs["stan_ok"] = {18, 18, [](QPainter& p, const QRectF&) { PaintAnswerMark(p, true); }};
    designs["stan_bad"] = {18, 18, [](QPainter& p, const QRectF&) { PaintAnswerMark(p, false); }};
    const struct {
        const char* name;
        BoxState state;
    } boxes[] = {{"img_normal", BoxState::Normal}, {"img_checked", BoxState::Checked}, {"img_bad", BoxState::Bad}};
    for (const auto& box : boxes)
        designs[box.name] = {18, 18, [state = box.state](QPainter& p, const QRectF& r) { PaintAnswerBox(p, r, state); }};
    designs["tmp_wykrzykniczek"] = {
        18, 18, [](QPainter& p, const QRectF& r) { PaintBadge(p, r, palette::kAmber, Glyph::Exclamation); }};
    designs["img_pyt"] = {40, 18, PaintQuestionPlace};
    // The vocabulary trainer's verdicts (32 x 32) and those of the picture exercise (40 x 40).
    designs["werdykt_ok"] = {32, 32, [](QPainter& p, const QRectF& r) { PaintVerdict(p, r, true); }};
    designs["werdykt_zle"] = {32, 32, [](QPainter& p, const QRectF& r) { PaintVerdict(p, r, false); }};
    designs["znak_ok"] = {40, 40, [](QPainter& p, const QRectF& r) { PaintVerdict(p, r, true); }};
    designs["znak_zle"] = {40, 40, [](QPainter& p, const QRectF& r) { PaintVerdict(p, r, false); }};
}

// Microphones, loudspeakers, the dialogue's speakers and roles, the trainer's translation plate
// and the result gauge.
void AddSoundPictures(Designs& designs) {
    const struct {
        const char* name;
        int side;
        QColor fill;
        Glyph glyph;
    } badges[] = {
        {"img_mikrofon", 18, palette::kBlue, Glyph::Microphone}, {"img_mikrofon_on", 18, palette::kRed, Glyph::Microphone},
        {"img_glosnik", 18, palette::kSky, Glyph::Speaker},      {"img_glosnik2", 18, palette::kGreen, Glyph::Speaker},
        {"img_1", 18, palette::kGreen, Glyph::UserPlus},         {"nagraj_a", 40, palette::kBlue, Glyph::Microphone},
        {"nagraj_b", 40, palette::kRed, Glyph::Microphone},      {"nagraj_c", 40, palette::kSky, Glyph::Microphone},
    };
    for (const auto& badge : badges)
        designs[badge.name] = {badge.side, badge.side, [fill = badge.fill, glyph = badge.glyph](QPainter& p, const QRectF& r) {
                                   PaintBadge(p, r, fill, glyph);
                               }};
    // The role the learner does not take: a grey ring.
    designs["img_0"] = {18, 18, [](QPainter& p, const QRectF& r) {
                            p.setPen(QPen(QColor(175, 188, 198), 1.5));
                            p.setBrush(palette::kWhite);
                            p.drawEllipse(r.adjusted(1.5, 1.5, -1.5, -1.5));
                            DrawGlyph(p, Glyph::Users, r.adjusted(4, 4, -4, -4), QColor(150, 162, 172), 1.2);
                        }};
    for (int speaker = 1; speaker <= 5; ++speaker)
        designs["dial_" + std::string(1, char('a' + speaker - 1))] = {
            18, 18, [speaker](QPainter& p, const QRectF& r) { PaintSpeakerBadge(p, r, speaker); }};
    designs["tlumacz_tlo"] = {240, 24, [](QPainter& p, const QRectF& r) {
                                  p.setPen(QPen(QColor(163, 199, 220), 1));
                                  p.setBrush(QColor(255, 252, 236));
                                  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
                              }};
    designs["tlo_wynik"] = {200, 33, PaintGaugePlate};
    designs["torcik"] = {286, 22, [](QPainter& p, const QRectF&) { PaintGaugePies(p); }};
}

const Designs& AllDesigns() {
    static const Designs designs = [] {
        Designs all;
        AddChartIcons(all);
        AddChartPictures(all);
        AddAnswerPictures(all);
        AddSoundPictures(all);
        return all;
    }();
    return designs;
}

}  // namespace

QImage DrawDesignPicture(std::string_view name) {
    const auto found = AllDesigns().find(name);
    if (found == AllDesigns().end()) return {};
    const Design& design = found->second;
    QImage image(design.width, design.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Smooth(painter);
    design.paint(painter, QRectF(0, 0, design.width, design.height));
    return image;
}

}  // namespace quillan::design
