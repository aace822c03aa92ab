#pragma once

#include <functional>
#include <string>
#include <vector>

#include "exercises/vocab/word_list.h"

namespace quillan {

// The word list of the trainer's first stage: one row per item, in the order of the list's
// items, with a microphone, a speaker when the item has a recording, and the word. The page
// is 808 x 404 pixels; a longer list scrolls by whole rows.

struct HitBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct WordListRow {
    int entry = 0;      // index in the word list
    std::string text;   // drawn at (100, top); a sentence without its markers
    int speakerX = -1;  // 49, or 70 for a sentence; -1 without a recording
    int top = 0;        // in the whole list, before scrolling
    HitBox wordBox;        // from the speaker to the end of the text
    HitBox micBox;         // the microphone, 20 x 20
};

class WordListPage {
public:
    static constexpr int kWidth = 808, kHeight = 404;
    static constexpr int kMicX = 1, kWordBoxLeft = 49, kSentenceSpeakerX = 70, kTextX = 100;
    // The first 30 pixels of a word box are its speaker.
    static constexpr int kSpeakerZone = 30;
    // The hover translation stands this far right of the word box.
    static constexpr int kTranslationGap = 25;

    // Lays the rows out again (at every painting): `lineHeight` is the height of a row,
    // `textWidth` measures a text in the list's font.
    void Layout(const VocabStore& store, const std::vector<int>& itemEntries, const std::string& programDir,
                const std::string& bsgramDir, int lineHeight, const std::function<int(const std::string&)>& textWidth);

    const std::vector<WordListRow>& Rows() const { return rows_; }
    int LineHeight() const { return lineHeight_; }

    // Scrolling: the first row shown (0-based) and whether the list is longer than the page.
    int TopRow() const { return topRow_; }
    bool Scrollable() const { return MaxTopRow() > 0; }
    bool AtTop() const { return topRow_ == 0; }
    bool AtBottom() const { return topRow_ >= MaxTopRow(); }
    void Scroll(int rows);
    void ResetScroll() { topRow_ = 0; }
    // Where a row's top stands on the page now, and whether the whole row is on the page.
    int PageY(int contentTop) const { return contentTop - topRow_ * lineHeight_; }
    bool Shown(const WordListRow& row) const { return PageY(row.top) >= 0 && PageY(row.top) + lineHeight_ <= kHeight; }

    // The row (1-based) that a press on the page at (x, y) takes, 0 for none: the first row
    // whose word box holds the point, or whose microphone holds it when the left button was
    // pressed. `onMicrophone` tells which of the two.
    int RowPressed(int x, int y, bool leftButton, bool& onMicrophone) const;
    // The row whose microphone holds the point, 0 for none.
    int MicrophoneRowAt(int x, int y) const;

    // What the pointer at (x, y) shows: over a word the hand and, unless it is on the speaker,
    // the translation of the row at (labelX, labelY) of the page; over a microphone the hand.
    struct Hover {
        bool hand = false;
        int row = 0;                // the word's row, 0 for none
        bool translation = false;
        int labelX = 0, labelY = 0;
    };
    Hover HoverAt(int x, int y) const;

private:
    int MaxTopRow() const;
    // Only whole rows are shown: the part of the page below the last whole row is empty.
    bool OnPage(int y) const { return y >= 0 && y < (kHeight / lineHeight_) * lineHeight_; }
    int ContentY(int y) const { return y + topRow_ * lineHeight_; }

    std::vector<WordListRow> rows_;
    int lineHeight_ = 1;
    int topRow_ = 0;
};

}  // namespace quillan
