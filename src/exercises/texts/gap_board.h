#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "course/problems.h"
#include "exercises/texts/content_source.h"
#include "platform/random.h"

namespace quillan {

// The gaps with dragged answers that the gap text of a course text (ZDD) and the gap sentences
// of the course catalog share: the token list the window paints, the gaps, the labels that
// carry the missing words, and the check of what the learner put where.
//
// Sentences are cut into words at spaces ("+" inside a word stands for a space); each sentence
// ends with the tokens "@" and "#" (two line breaks). A word beginning with "<" is a gap: its
// first "<" and first ">" are removed, which leaves the Answer (<went>. gives "went."); the
// Expected text, on the gap's label, is the Answer without a last . , ; : ! or ?.

constexpr int kGapLimit = 20;          // labels lbl_1 .. lbl_20 and marks wyk_1 .. wyk_20
constexpr int kGapTokenLimit = 600;
constexpr int kGapLabelLeft = 700;     // where the labels wait
int GapSlotTop(int slot);              // slot 1..20: 20 x slot + 130

enum class GapTokenKind {
    Word,        // drawn with a space after it
    Gap,         // a gap (Number: its index)
    LineBreak,   // "@" or "#"
    ItalicOn,    // "[PL]" (gap text) or "[I]" (catalog sentences), any letter case
    ItalicOff,   // "[/PL]", "[/I]"
    Flag,        // "[FLA=n]": sentence n's flag picture (catalog sentences; Number: n - 1)
    Voice,       // "[GLO=n]": sentence n's voice button (catalog sentences; Number: n - 1)
};

struct GapToken {
    GapTokenKind Kind = GapTokenKind::Word;
    std::string Text;  // as cut
    int Number = -1;
};

struct GapEntry {
    int Token = 0;
    std::string Answer;    // shown after the check
    std::string Expected;  // on the label; what counts as right
};

struct GapTokenList {
    std::vector<GapToken> Tokens;
    std::vector<GapEntry> Gaps;
    int Sentences = 0;
    bool GapsLeftOut = false;  // gaps beyond kGapLimit stay in the text as their answers
    bool Cut = false;          // tokens beyond kGapTokenLimit are left out
};

// Which italic tags a sentence may use: "[PL]" and "[/PL]" in a gap text, "[I]" and "[/I]" in
// the catalog's sentences; the other pair is an ordinary word there.
enum class ItalicTags { GapText, Catalog };

// Appends one sentence: its words (cut at spaces, "+" turned into spaces), then "@" and "#".
// Gap words become gaps; a gap word without ">" is noted in `problems` (the rest of the word
// is its answer). Gaps beyond kGapLimit and tokens beyond kGapTokenLimit are left out (a gap
// left out stays in the text as its answer) and noted.
void AppendSentence(GapTokenList& list, std::string_view sentence, ItalicTags tags, Problems& problems,
                    const ContentPlace& place);

// The Expected text of a gap's Answer.
std::string ExpectedOf(std::string_view answer);

enum class GapMark { None, Right, Wrong };  // wyk_g hidden, stan_ok, stan_bad

// Label g carries the Expected text of gap g.
struct GapLabel {
    std::string Text;
    int Slot = 0;       // its slot (1..20), so its home is (700, GapSlotTop(Slot))
    int Gap = -1;       // the gap it fills; -1: none (it waits at home)
    bool Grey = false;  // its font is grey while it fills a gap
};

struct GapState {
    int Label = -1;  // the label filling the gap; -1: empty
    GapMark Mark = GapMark::None;
    std::string Hint;  // of the mark after the check
};

class GapBoard {
public:
    // A fresh board: every gap empty, label g at home in slot g, the slots shuffled with as
    // many swaps as there are gaps.
    void Prepare(const GapTokenList& list, Random& random);
    // A label was dropped in the bin or beside every gap: it lets go of its gap, turns black and
    // goes home.
    void SendHome(int label);
    // A label was dropped on gap `gap`: an empty gap takes it (it first lets go of the gap it
    // held); a filled gap sends it back to where it was. -1: no gap (as SendHome).
    void DropOnGap(int label, int gap);
    // Judges every gap: the text of its label against the gap's Expected text, letter case
    // included; returns the number of right gaps.
    int Check();

    const std::vector<GapToken>& Tokens() const { return list_.Tokens; }
    const std::vector<GapEntry>& Gaps() const { return list_.Gaps; }
    const std::vector<GapLabel>& Labels() const { return labels_; }
    const std::vector<GapState>& GapStates() const { return states_; }
    int GapCount() const { return static_cast<int>(list_.Gaps.size()); }
    int Sentences() const { return list_.Sentences; }

private:
    void LetGo(int label);

    GapTokenList list_;
    std::vector<GapLabel> labels_;
    std::vector<GapState> states_;
};

}  // namespace quillan
