#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quillan {

// How the dialogue text is laid out in its paint box: rows of 20 pixels, each line beginning
// with its speaker's picture, its words from the picture's width + 6 on, wrapped before a word
// that would reach the box's width - 30. A gap of the drag-and-drop variant is drawn as the
// question-mark picture followed by 7 pixels, wrapped before it would reach the width - 5; a
// hidden line of the listening variant is one question-mark picture.

constexpr int kDialogueRowHeight = 20;
constexpr int kDialogueVisibleRows = 23;
// The marker in front of a word that is a gap.
inline constexpr const char* kGapMarker = "<!!TU>";

// What the painting measures with.
struct DialogueMetrics {
    int width = 656;           // the paint box
    int height = kDialogueVisibleRows * kDialogueRowHeight + 2;
    int speakerWidth = 18;     // dial_a .. dial_e
    int questionWidth = 40;    // img_pyt
    int questionHeight = 18;
    // The width of a drawn text in pixels (the words are drawn in Verdana 10 pt).
    std::function<int(const std::string&)> textWidth;
};

// What one line shows.
struct DialogueLineText {
    std::string text;       // the words (the utterance, or the translation), gaps marked
    bool hidden = false;    // drawn as one question-mark picture
    std::vector<int> gaps;  // the gap of each marked word, in text order
};

// A piece of a laid-out line, in the coordinates of the whole text (row 0 is the first row).
struct DialoguePiece {
    enum class Kind { Word, Gap, Hidden };
    Kind kind = Kind::Word;
    std::string text;  // a word as drawn ("<Ł>" already made "Ł"); empty for pictures
    int x = 0;
    int row = 0;
    int gap = -1;  // the gap a Gap piece stands for
};

struct DialogueLineLayout {
    int firstRow = 0;
    int rows = 1;
    std::vector<DialoguePiece> pieces;
};

struct DialogueLayout {
    std::vector<DialogueLineLayout> lines;  // line n is element n - 1
    int rows = 0;                           // all rows of the text
};

// Lays out every line.
DialogueLayout LayOutDialogue(const std::vector<DialogueLineText>& lines, const DialogueMetrics& metrics);

// The top of a row in the paint box at scroll offset `offset` (rows start at 1 - 20 x offset).
inline int DialogueRowTop(int row, int offset) { return 1 + kDialogueRowHeight * (row - offset); }

// The largest scroll offset: (text height - box height) div 20 + 1 when the text is taller than
// the box, else 0.
int DialogueMaxOffset(const DialogueLayout& layout, const DialogueMetrics& metrics);

// The offset that shows line n (1-based) whole: unchanged when it already shows.
int OffsetShowingLine(const DialogueLayout& layout, int line, int offset);

// The line (1-based) whose rows hold the point of the paint box; 0 for none.
int DialogueLineAt(const DialogueLayout& layout, int offset, int x, int y, const DialogueMetrics& metrics);

// Splits a text at its spaces (runs of spaces give no empty words).
std::vector<std::string> DialogueWords(const std::string& text);

}  // namespace quillan
