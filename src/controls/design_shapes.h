#pragma once

// The shapes the program's small pictures are drawn from, each painted into a box. Some of them
// also make the course's printout pictures, which show the same things on white.

#include <QColor>
#include <QPainter>
#include <QRectF>

#include "controls/glyphs.h"

namespace quillan::design {

// An icon tile: a rounded square of a family colour with a white glyph.
void PaintIconTile(QPainter& painter, const QRectF& box, Glyph glyph, const QColor& colour);
// The badge of a dialogue speaker 1..5: the letter A..E in a coloured circle.
void PaintSpeakerBadge(QPainter& painter, const QRectF& box, int speaker);
// A level 1..4: four bars rising to the right, the first `level` of them filled.
void PaintLevel(QPainter& painter, const QRectF& box, int level);
// Done (a green circle with a tick) or not done (an empty ring).
void PaintDone(QPainter& painter, const QRectF& box, bool done);
// A verdict: a white tick on green or a white cross on red.
void PaintVerdict(QPainter& painter, const QRectF& box, bool right);
// The small mark beside a judged answer (drawn for an 18 x 18 picture): a tick on green or a
// cross on red.
void PaintAnswerMark(QPainter& painter, bool right);
// A white glyph in a coloured circle.
void PaintBadge(QPainter& painter, const QRectF& box, const QColor& fill, Glyph glyph);

// An answer box: empty, ticked, or crossed as a wrong choice.
enum class BoxState { Normal, Checked, Bad };
void PaintAnswerBox(QPainter& painter, const QRectF& box, BoxState state);
// The expand (plus) and collapse (minus) boxes of the chart.
void PaintTreeBox(QPainter& painter, const QRectF& box, bool plus);
// The dashed place of an unanswered gap with a question mark.
void PaintQuestionPlace(QPainter& painter, const QRectF& box);

// The result gauge's plate (200 x 33): a light pill with a target at the left; the gauge writes
// the percentage at (110, 8) and shows the pie at (160, 6).
void PaintGaugePlate(QPainter& painter, const QRectF& box);
// The gauge's pies: 13 pictures of 22 x 22 side by side, picture i filled to i twelfths.
void PaintGaugePies(QPainter& painter);
// The chart's result bars: the track, and a fill of one colour.
void PaintProgressTrack(QPainter& painter, const QRectF& box);
void PaintProgressFill(QPainter& painter, const QRectF& box, const QColor& colour);

}  // namespace quillan::design
