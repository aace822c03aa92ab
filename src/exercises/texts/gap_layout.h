#pragma once

#include <string>
#include <vector>

#include "course/marked_text.h"
#include "exercises/texts/gap_board.h"

namespace quillan {

// Where the sentences of a gap board go in the box Pb: the painter's rules without the
// painting, for the gap text (ZDD) and the catalog's gap sentences alike. Lines are 18 pixels
// apart; "@" and "#" break the line; a token that would pass the box's width less the margin
// starts a new line (in the catalog window indented past the sentence's two icons). An empty
// gap shows the question-mark picture before the check; a filled one leaves room for its label;
// after the check every gap shows its answer after its mark.

constexpr int kGapLineHeight = 18;
constexpr int kGapMarkAdvance = 25;

struct GapRect {
    int X = 0, Y = 0, W = 0, H = 0;
    bool Holds(int x, int y) const { return W > 0 && x >= X && x <= X + W && y >= Y && y <= Y + H; }
};

struct GapLayoutMetrics {
    int BoxWidth = 0;
    int QuestionWidth = 40, QuestionHeight = 18;  // img_pyt
    int FlagWidth = 18, VoiceWidth = 18;          // fla_i, glo_i (catalog window)
};

enum class GapDrawnKind {
    Text,          // a word or, after the check, a gap's answer, each with a space after it
    QuestionMark,  // img_pyt of an empty gap before the check
    Mark,          // wyk_g after the check (Number: the gap)
    Flag,          // fla_s after the check (Number: the sentence)
    Voice,         // glo_s after the check
};

struct GapDrawn {
    GapDrawnKind Kind = GapDrawnKind::Text;
    std::string Text;
    int X = 0, Y = 0;
    bool Italic = false;
    int Number = -1;
};

struct GapLayout {
    std::vector<GapDrawn> Drawn;
    std::vector<GapRect> GapPositions;  // GapPos[g]: where gap g (and the label filling it) stands
    int Bottom = 0;
};

enum class GapWindow { GapText, Catalog };

// Lays the board out. `checked` is whether the exercise was checked. `dropAreas` holds each
// gap's drop rectangle, measured when the gap was last painted empty: it is sized to the gaps
// and updated for every gap painted empty now.
GapLayout LayOutGaps(const GapBoard& board, bool checked, GapWindow window, const GapLayoutMetrics& metrics,
                     const TextMeasure& measure, std::vector<GapRect>& dropAreas);

// The first gap whose drop rectangle holds the point of the box (edges included); -1: none.
int GapAt(const std::vector<GapRect>& dropAreas, int x, int y);

}  // namespace quillan
