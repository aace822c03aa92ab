#include "exercises/vocab/word_list_page.h"

#include <algorithm>

#include "text/answer_text.h"

namespace quillan {

void WordListPage::Layout(const VocabStore& store, const std::vector<int>& itemEntries, const std::string& programDir,
                          const std::string& bsgramDir, int lineHeight,
                          const std::function<int(const std::string&)>& textWidth) {
    lineHeight_ = std::max(1, lineHeight);
    rows_.clear();
    int top = 0;
    for (int entry : itemEntries) {
        WordListRow row;
        row.entry = entry;
        row.top = top;
        if (entry >= 1 && static_cast<size_t>(entry) <= store.Entries.size()) {
            const VocabEntry& e = store.Entries[static_cast<size_t>(entry) - 1];
            const bool sentence = e.EntryId >= 60000;
            row.text = sentence ? StripMarkers(e.Headword) : e.Headword;
            if (!EntrySoundPath(store, entry, programDir, bsgramDir).empty())
                row.speakerX = sentence ? kSentenceSpeakerX : kWordBoxLeft;
        }
        row.wordBox = {kWordBoxLeft, top, kTextX + textWidth(row.text), top + lineHeight_};
        row.micBox = {0, top, 20, top + 20};
        rows_.push_back(std::move(row));
        top += lineHeight_;
    }
    Scroll(0);
}

int WordListPage::MaxTopRow() const {
    const int visible = kHeight / lineHeight_;
    return std::max(0, static_cast<int>(rows_.size()) - visible);
}

void WordListPage::Scroll(int rows) { topRow_ = std::clamp(topRow_ + rows, 0, MaxTopRow()); }

int WordListPage::RowPressed(int x, int y, bool leftButton, bool& onMicrophone) const {
    onMicrophone = false;
    if (!OnPage(y)) return 0;
    const int cy = ContentY(y);
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].wordBox.Contains(x, cy)) return static_cast<int>(i) + 1;
        if (leftButton && rows_[i].micBox.Contains(x, cy)) {
            onMicrophone = true;
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

int WordListPage::MicrophoneRowAt(int x, int y) const {
    if (!OnPage(y)) return 0;
    const int cy = ContentY(y);
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].micBox.Contains(x, cy)) return static_cast<int>(i) + 1;
    return 0;
}

WordListPage::Hover WordListPage::HoverAt(int x, int y) const {
    Hover hover;
    if (!OnPage(y)) return hover;
    const int cy = ContentY(y);
    for (size_t i = 0; i < rows_.size(); ++i) {
        const WordListRow& row = rows_[i];
        if (row.wordBox.Contains(x, cy)) {
            hover.hand = true;
            hover.row = static_cast<int>(i) + 1;
            if (x - kWordBoxLeft >= kSpeakerZone) {
                hover.translation = true;
                hover.labelX = row.wordBox.right + kTranslationGap;
                hover.labelY = PageY(row.top);
            }
            return hover;
        }
        if (row.micBox.Contains(x, cy)) {
            hover.hand = true;
            return hover;
        }
    }
    return hover;
}

}  // namespace quillan
