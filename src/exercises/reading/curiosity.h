#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillan {

struct AppContext;
class LineReader;

// The words of curiosity `number` in "kurs.fre": the section runs from the line "***" + number
// up to the next line beginning with "***" (or the end of the file), and its lines are cut into
// words at single blanks (two blanks in a row give an empty word). A section whose only word is
// "NULL" has no text: its word becomes " ". No section: no words.
std::vector<std::string> ReadCuriositySection(LineReader& reader, int number);

// A word of the curiosity text where it is drawn: its top-left corner in the text area.
struct CuriosityWord {
    std::string text;  // the word and one blank
    int x = 0;
    int y = 0;
    bool bold = false;
    bool italic = false;
};

// The text area's painting of the words, from the top line `scroll` lines down: "<B>", "</B>",
// "<I>", "</I>" switch bold and italic, "<BR>" starts a new line, "[TAB=n]" moves on to n pixels
// from the left edge (tags in any letter case); a word that would reach the right edge starts a
// new line 17 pixels lower. `width` measures a text in the style given.
struct CuriosityPage {
    std::vector<CuriosityWord> words;
    int endY = 0;  // y at the end: the top of the last line
};
using MeasureStyled = std::function<int(const std::string& text, bool bold, bool italic)>;
CuriosityPage LayOutCuriosity(const std::vector<std::string>& tokens, int scroll, const MeasureStyled& width);

// The curiosity window's text: the words of the open curiosity, scrolled by whole lines. The
// first painting measures the text: a text longer than the area can scroll down.
class CuriosityText {
public:
    static constexpr int kWidth = 615, kHeight = 559, kLineStep = 17;

    void Open(std::vector<std::string> tokens);
    const std::vector<std::string>& Tokens() const { return tokens_; }

    // The words as painted now; the first painting after opening also measures.
    CuriosityPage Paint(const MeasureStyled& width);

    void ScrollDown();  // btn_dn
    void ScrollUp();    // btn_up
    int Scroll() const { return scroll_; }
    int MaxScroll() const { return maxScroll_; }
    bool Measured() const { return measured_; }
    bool UpVisible() const { return upVisible_; }
    bool DownVisible() const { return downVisible_; }

private:
    std::vector<std::string> tokens_;
    int scroll_ = 0;
    int maxScroll_ = 0;
    bool measured_ = false;
    bool upVisible_ = false;
    bool downVisible_ = false;
};

// The curiosity window (kind 58): the text of one curiosity with its recording. It records the
// exercise as done, with 0 percent, when it closes after showing something: the text or the
// recording. A curiosity of which nothing could be shown is not done.
class Curiosity {
public:
    explicit Curiosity(AppContext& context);

    // Opens curiosity `number` of the catalog: Line4 without its last character is the number
    // text; its value selects the section of "kurs.fre" and the text itself names the
    // recording "Ciekaw_wav_r\" + text + ".wav". A missing "kurs.fre" or an entry that is no
    // number is told, and the window opens without a text; a section not found gives no text.
    // False when the catalog has no such entry (told; the window does not open).
    bool Open(const std::string& exerciseId, int number);
    // Records the exercise as done when something was shown, and saves the learner's files.
    void Close();
    // The text or the recording is there for the learner.
    bool Shown() const { return !text_.Tokens().empty() || !recording_.empty(); }
    bool IsOpen() const { return open_; }

    CuriosityText& Text() { return text_; }
    const CuriosityText& Text() const { return text_; }
    int Number() const { return number_; }
    const std::string& NumberText() const { return numberText_; }
    // The recording to open in the media window; empty when there is none.
    const std::string& RecordingPath() const { return recording_; }
    // The glossary entry 3000 + number: the text's translation; empty when there is none.
    std::string Translation() const;

    const std::string& Background() const { return background_; }
    // One of four backgrounds, or the fallback "tla\slow_0.jpg" when that one is missing.
    void RandomBackground();
    const std::string& ExerciseId() const { return exerciseId_; }

private:
    AppContext& context_;
    std::string exerciseId_;
    std::string numberText_;
    int number_ = 0;
    std::string recording_;
    std::string background_;
    CuriosityText text_;
    bool open_ = false;
};

}  // namespace quillan
