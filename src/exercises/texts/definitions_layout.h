#pragma once

#include <vector>

#include "course/marked_text.h"
#include "exercises/texts/definitions.h"

namespace quillan {

// Where the parts of the definitions window go, in window coordinates: the painter's and the
// placing rules without the painting.
//
// The bank of terms starts at (50, bankTop), the labels 20 pixels apart, a new row 20 pixels
// lower when a label would pass x = 900. The definitions are painted in DxRamka, which starts
// 80 pixels below the bank's first row at x = TermWidth + 80 (TermWidth: the widest label) and
// is 540 - TermWidth wide; a definition is wrapped at the box's width with lines 17 pixels
// apart, the next one 24 pixels below its last line. Slot s (a white box with a frame around
// it) stands at x = 50 level with definition s, TermWidth + 6 wide and 17 pixels per line of
// the definition high; a dash joins it to the definition; after the check its mark stands 25
// pixels left of it.

constexpr int kDfBankLeft = 50, kDfBankRight = 900, kDfBankGap = 20, kDfBankRowStep = 20;
constexpr int kDfLineHeight = 17, kDfRowGap = 24, kDfMarkSize = 18;

struct DfRect {
    int X = 0, Y = 0, W = 0, H = 0;
    // The point lies in the rectangle, edges included.
    bool Holds(int x, int y) const { return x >= X && x <= X + W && y >= Y && y <= Y + H; }
    bool operator==(const DfRect&) const = default;
};

struct DfSize {
    int W = 0, H = 0;
};

struct DfScreen {
    DfRect Box;                     // DxRamka
    std::vector<DfRect> Bank;       // per label: its place in the bank
    std::vector<DfRect> Slots;      // podkl_s
    std::vector<DfRect> Frames;     // shp_s
    std::vector<DfRect> Dashes;     // mys_s
    std::vector<DfRect> Marks;      // img_s
    std::vector<PlacedWord> Words;  // the definitions, in DxRamka's coordinates
};

// The screen of `exercise` with label i (Labels() order) `labels[i]` large; the bank's first
// row at `bankTop` (layout value 6); definitions measured with `measure` (no style).
DfScreen LayOutDefinitions(const Definitions& exercise, const std::vector<DfSize>& labels, int bankTop,
                           const TextMeasure& measure);

// Where label i lies now: centred in its slot, or at its place in the bank.
DfRect DfLabelPlace(const DfScreen& screen, const Definitions& exercise, int label);

// The first slot that holds the point; -1 when none does.
int DfSlotAt(const DfScreen& screen, int x, int y);

}  // namespace quillan
