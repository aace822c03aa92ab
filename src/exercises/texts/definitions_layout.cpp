#include "exercises/texts/definitions_layout.h"

#include <algorithm>

namespace quillan {

DfScreen LayOutDefinitions(const Definitions& exercise, const std::vector<DfSize>& labels, int bankTop,
                           const TextMeasure& measure) {
    DfScreen screen;
    int termWidth = 0;
    for (const DfSize& size : labels) termWidth = std::max(termWidth, size.W);

    int x = kDfBankLeft, y = bankTop;
    for (const DfSize& size : labels) {
        if (size.W + x > kDfBankRight) {
            x = kDfBankLeft;
            y += kDfBankRowStep;
        }
        screen.Bank.push_back(DfRect{x, y, size.W, size.H});
        x += size.W + kDfBankGap;
    }

    screen.Box = DfRect{termWidth + 80, bankTop + 80, 540 - termWidth, 0};
    const TextStyle plain;
    y = 0;
    for (const DfEntry& entry : exercise.Entries()) {
        const int top = y;
        int lines = 1;
        x = 0;
        for (const std::string& word : MarkedTextTokens(entry.Definition)) {
            const int w = measure(word, plain);
            if (x + w > screen.Box.W) {
                y += kDfLineHeight;
                x = 0;
                ++lines;
            }
            screen.Words.push_back(PlacedWord{word + ' ', x, y + 2, plain});
            x += measure(screen.Words.back().Text, plain);
        }
        y += kDfRowGap;
        const DfRect slot{kDfBankLeft, screen.Box.Y + top + 2, termWidth + 6, kDfLineHeight * lines};
        screen.Slots.push_back(slot);
        screen.Frames.push_back(DfRect{kDfBankLeft - 1, slot.Y - 1, termWidth + 8, slot.H + 2});
        screen.Dashes.push_back(DfRect{termWidth + 64, slot.Y + slot.H / 2, 10, 2});
        screen.Marks.push_back(DfRect{slot.X - 25, slot.Y + (slot.H - kDfMarkSize) / 2, kDfMarkSize, kDfMarkSize});
    }
    screen.Box.H = std::max(y, 725 - screen.Box.Y);
    return screen;
}

DfRect DfLabelPlace(const DfScreen& screen, const Definitions& exercise, int label) {
    const DfRect& bank = screen.Bank.at(static_cast<size_t>(label));
    const int slot = exercise.Labels().at(static_cast<size_t>(label)).Slot;
    if (slot < 0) return bank;
    const DfRect& s = screen.Slots.at(static_cast<size_t>(slot));
    return DfRect{s.X + (s.W - bank.W) / 2, s.Y + (s.H - bank.H) / 2, bank.W, bank.H};
}

int DfSlotAt(const DfScreen& screen, int x, int y) {
    for (size_t s = 0; s < screen.Slots.size(); ++s)
        if (screen.Slots[s].Holds(x, y)) return static_cast<int>(s);
    return -1;
}

}  // namespace quillan
