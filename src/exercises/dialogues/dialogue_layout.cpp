#include "exercises/dialogues/dialogue_layout.h"

#include <algorithm>

namespace quillan {
namespace {

// "<Ł>" in front of a word stands for the letter "Ł" (Windows-1250).
constexpr const char* kLetterMarker = "<\xA3>";
constexpr int kWordStart = 6;  // after the speaker's picture
constexpr int kWordMargin = 30, kGapMargin = 5, kGapSpace = 7;

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

std::vector<std::string> DialogueWords(const std::string& text) {
    std::vector<std::string> words;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        if (end > start) words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

DialogueLayout LayOutDialogue(const std::vector<DialogueLineText>& lines, const DialogueMetrics& metrics) {
    DialogueLayout layout;
    const int left = metrics.speakerWidth + kWordStart;
    const int space = metrics.textWidth ? metrics.textWidth(" ") : 4;
    int row = 0;
    for (const DialogueLineText& line : lines) {
        DialogueLineLayout laid;
        laid.firstRow = row;
        int x = left;
        if (line.hidden) {
            laid.pieces.push_back({DialoguePiece::Kind::Hidden, {}, x, row, -1});
        } else {
            size_t gapIndex = 0;
            for (const std::string& word : DialogueWords(line.text)) {
                DialoguePiece piece;
                int width = 0;
                if (StartsWith(word, kGapMarker)) {
                    piece.kind = DialoguePiece::Kind::Gap;
                    piece.gap = gapIndex < line.gaps.size() ? line.gaps[gapIndex] : -1;
                    ++gapIndex;
                    width = metrics.questionWidth;
                    if (x > left && x + width >= metrics.width - kGapMargin) {
                        ++row;
                        x = left;
                    }
                    width += kGapSpace;
                } else {
                    piece.text = StartsWith(word, kLetterMarker) ? "\xA3" + word.substr(3) : word;
                    const int wordWidth = metrics.textWidth ? metrics.textWidth(piece.text) : 8 * static_cast<int>(piece.text.size());
                    if (x > left && x + wordWidth >= metrics.width - kWordMargin) {
                        ++row;
                        x = left;
                    }
                    width = wordWidth + space;
                }
                piece.x = x;
                piece.row = row;
                laid.pieces.push_back(std::move(piece));
                x += width;
            }
        }
        laid.rows = row - laid.firstRow + 1;
        ++row;
        layout.lines.push_back(std::move(laid));
    }
    layout.rows = row;
    return layout;
}

int DialogueMaxOffset(const DialogueLayout& layout, const DialogueMetrics& metrics) {
    const int textHeight = layout.rows * kDialogueRowHeight;
    if (textHeight <= metrics.height) return 0;
    return (textHeight - metrics.height) / kDialogueRowHeight + 1;
}

int OffsetShowingLine(const DialogueLayout& layout, int line, int offset) {
    if (line < 1 || static_cast<size_t>(line) > layout.lines.size()) return offset;
    const DialogueLineLayout& laid = layout.lines[static_cast<size_t>(line) - 1];
    const int before = laid.firstRow;
    if (before + laid.rows - offset > kDialogueVisibleRows) return before + laid.rows - kDialogueVisibleRows;
    if (before < offset) return before;
    return offset;
}

int DialogueLineAt(const DialogueLayout& layout, int offset, int x, int y, const DialogueMetrics& metrics) {
    if (x < 0 || x >= metrics.width || y < 0 || y >= metrics.height) return 0;
    for (size_t n = 0; n < layout.lines.size(); ++n) {
        const DialogueLineLayout& laid = layout.lines[n];
        const int top = DialogueRowTop(laid.firstRow, offset);
        if (y >= top && y < top + laid.rows * kDialogueRowHeight) return static_cast<int>(n) + 1;
    }
    return 0;
}

}  // namespace quillan
