#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "course/problems.h"
#include "exercises/texts/attempt.h"
#include "exercises/texts/content_source.h"
#include "platform/line_reader.h"

namespace quillan {

// Typing into gaps (type code "WP", kind 44, window TCW_Wpisywanie1Form): a text in which some
// words are gaps; the learner types the missing words and checks.
//
// The type line names the exercise file: ProgramDir + "Wpisywania\" + name + ".fcs". Its
// lines: 1 a label of 8 characters and the gap width in pixels; 2 a label of 12 characters and
// a text (the glossary button shows only when it is not empty); 3 a label of 10 characters and
// "1" for blank gaps; from 4 on the text, one flow of items (a line end is no line break).
// Before a line is cut at spaces, a space goes before each of the marks . , ; ! ? so that they
// stand alone (see SpaceBeforeMarks). Pieces: "*text" is the prefill of the next item;
// "&answer\alternative" is a gap ("+" stands for a space in both); anything else is an item,
// among them the markup "$%^", ">>", "[TAB=n]", "<BR>", "<B>", "</B>".

constexpr int kTypingItemLimit = 1400;  // items the window holds, gaps included
constexpr int kTypingGapLimit = 1400;
constexpr int kTypingDefaultGapWidth = 60;  // taken when line 1 holds no number
constexpr int kTypingEditLength = 30;       // characters Edit1 takes
constexpr int kTypingMaxPixels = 2000;      // a gap width or tab position beyond it is a mistake

// What an item of the text is.
enum class TypingItemKind {
    Word,     // drawn: a word, a punctuation mark, or an empty item between two spaces
    Gap,      // drawn in blue; the learner's answer
    Glue,     // "$%^": the next item is glued to the previous one
    Raise,    // ">>": the next item is drawn 4 pixels higher
    Tab,      // "[TAB=n]": the line continues at x = n (and the text cannot be printed)
    Break,    // "<BR>": a new line
    BoldOn,   // "<B>"
    BoldOff,  // "</B>"
};

struct TypingItem {
    TypingItemKind Kind = TypingItemKind::Word;
    std::string Text;     // as written (for a gap: its initial text)
    std::string Prefill;  // from a "*" piece before it
    int Gap = -1;         // a gap's number (0-based, in text order)
    int Tab = -1;         // a tab's position in pixels; -1 when it holds no number
};

struct TypingGap {
    int Item = 0;  // index of the gap's item
    std::string Answer;
    std::string Alternative;  // empty when there is none
};

struct TypingContent {
    std::string FileName;   // as the program names it: "Wpisywania\" + name + ".fcs"
    int GapWidth = kTypingDefaultGapWidth;
    std::string GlossaryLine;  // line 2 after its label, trimmed
    bool BlankGaps = false;
    std::vector<TypingItem> Items;
    std::vector<TypingGap> Gaps;
    bool HasTab = false;  // a "[TAB=" item hides the print button
};

// A text line made ready for cutting: for each of the marks ".", ",", ";", "!", "?" in turn,
// the line is scanned from its start; at each occurrence a space is inserted before the mark,
// except that a mark after a space or a digit ends the treatment of that mark for the rest of
// the line. A mark at the very start of the line gets its space too.
std::string SpaceBeforeMarks(std::string_view line);

// Reads an exercise file. Faults are noted in `problems` with the file's name and line: a gap
// width that is no number or not 1..2000 pixels (the default width is taken), a "[TAB=" without
// a number of 0..2000 pixels (the tab is ignored), more items
// than the window holds (the first are kept), a gap without an answer, a text without gaps.
TypingContent ReadTypingFile(LineReader& reader, Problems& problems);

// The exercise file of type-line content `name`: "Wpisywania\" + trimmed name + ".fcs".
std::string TypingFileName(std::string_view name);

// Loads the exercise file named by the type-line content from `programDir`. A missing file is
// noted at `place` (the type line) and gives nothing; a file that cannot be read likewise.
std::optional<TypingContent> LoadTypingExercise(const std::string& programDir, std::string_view content,
                                                Problems& problems, const ContentPlace& place = {});

// A gap after the check.
struct TypingGapResult {
    bool Right = false;
    std::string Given;  // what the learner had typed into a wrong gap
};

class TypingGaps {
public:
    // PrepareExercise: a fresh attempt on the text; gaps start empty with blank gaps, else with
    // their prefill. A text without gaps (its file missing or empty) shows no check button.
    void Prepare(const TypingContent& content);

    // Opens gap `gap` (0-based) in the edit box: the text of a gap open before is stored
    // (trimmed, from `editText`); the gap's current text is returned for the edit box and the
    // gap is emptied while it is open. Ignored (returns "") after the check.
    std::string OpenGap(int gap, std::string_view editText);
    // Closes the open gap, storing the trimmed `editText`; nothing when no gap is open.
    void CloseGap(std::string_view editText);
    // The text of the edit box changed.
    void EditChanged();
    // Tab or Enter: the gap after the open one in text order, the first after the last; -1
    // when no gap is open.
    int NextGap() const;
    // btn_sprawdz: the open gap's untrimmed text is stored, every gap is judged (letter case
    // counts when `caseSensitive`), and, unless all were right, the gaps show their answers.
    // Nothing happens for a text without gaps: nothing counts as done.
    void Check(std::string_view editText, bool caseSensitive);

    const TypingContent& Content() const { return content_; }
    const std::vector<TypingItem>& Items() const { return content_.Items; }
    // The current text of item k: a word as written, a gap's current answer.
    const std::string& ItemValue(int item) const { return values_.at(static_cast<size_t>(item)); }
    const std::vector<TypingGapResult>& Results() const { return results_; }
    int OpenGapNumber() const { return editGap_; }  // -1 when none
    // The hint of a wrong gap's mark after the check.
    std::string GapHint(int gap) const;
    bool PrintVisible() const { return !content_.HasTab; }
    // btn_tlumacz shows when line 2 of the file is not empty, except in interface language 2.
    bool GlossaryVisible(int langIndex) const { return !content_.GlossaryLine.empty() && langIndex != 2; }
    // The items as btn_print prints them: a gap its current text or "__________" when it is
    // empty, each item followed by a space unless the next one is a punctuation mark.
    std::string PrintText() const;

    const FrameState& Frame() const { return frame_; }
    const Attempt& State() const { return attempt_; }
    int Percent() const { return attempt_.Percent(); }
    ClosingReport Closing() const { return attempt_.Closing(); }

private:
    void Store(std::string_view text, bool trim);

    TypingContent content_;
    std::vector<std::string> values_;
    std::vector<TypingGapResult> results_;
    int editGap_ = -1;
    Attempt attempt_;
    FrameState frame_;
};

// The HTML document btn_print prints: the course title, the lesson and the exercise title in
// bold, the items, then `copyright`.
std::string TypingPrintDocument(const TypingGaps& exercise, std::string_view lessonName, std::string_view exerciseTitle,
                                std::string_view copyright);

}  // namespace quillan
