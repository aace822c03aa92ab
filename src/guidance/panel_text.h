#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan {

// The marked-up text of the information panel: words, line breaks ("<br>", "@"), bold and
// italic ("<b>", "</b>", "<i>", "</i>", any letter case) and inline icons ("[1]".."[4]",
// "[TYP_1]".."[TYP_5]", "[YES]", "[NO]", "[STAT_OK]", "[STAT_NO]", "[STAT_PROC]", "[STAT_ABC]",
// "[STAT_STRZ]", any letter case).

inline constexpr int kPanelTokenLimit = 3100;
inline constexpr int kPanelLineHeight = 20;

// What the caller put in the panel: a help text when it begins with "HH_" (the prefix is not
// shown), otherwise a translation.
struct PanelTopic {
    bool help = false;
    std::string text;
};
PanelTopic ReadPanelKey(const std::string& panelKey);

// Cuts the (trimmed) text into tokens: a tag is a token of its own, in lower case; a blank ends
// a token (two blanks in a row give an empty token); "<", ">" or "@" that begin no tag are
// taken as ordinary characters. At most kPanelTokenLimit tokens; the rest of a longer text is
// left out.
std::vector<std::string> TokenizePanelText(std::string_view text);

enum class PanelIcon {
    None,
    Level1, Level2, Level3, Level4,                              // poz_1 .. poz_4
    Family1, Family2, Family3, Family4, Family5,                 // zda_dyk, zda_roz, zda_tek, img_rpg, img_dia
    Done, NotDone,                                               // rob_yes, rob_no
    StatOk, StatNo, StatPercent, StatAbc, StatArrow,             // stat_1 .. stat_5
};
// The icon a token names, in any letter case; None for any other token.
PanelIcon PanelIconOf(std::string_view token);

struct PanelStyle {
    bool bold = false;
    bool italic = false;
    bool operator==(const PanelStyle&) const = default;
};

// Widths as the panel's font and pictures give them.
class PanelMetrics {
public:
    virtual ~PanelMetrics() = default;
    virtual int TextWidth(std::string_view text, PanelStyle style) const = 0;
    virtual int IconWidth(PanelIcon icon) const = 0;
};

// One thing to draw with its top-left corner at (x, y): a word with its following blank, or
// an icon.
struct PanelPiece {
    int x = 0, y = 0;
    std::string text;
    PanelStyle style;
    PanelIcon icon = PanelIcon::None;
    bool operator==(const PanelPiece&) const = default;
};

struct PanelLayout {
    std::vector<PanelPiece> pieces;
    int endY = 0;  // the top of the last line
};

// Lays the tokens out in an area `areaWidth` wide, scrolled down by `scrollLine` lines of 20
// pixels: words wrap to a new line when they would pass the right edge; a bold tag right after
// a "(" takes back one blank, as does the end of bold before a ")".
PanelLayout LayOutPanel(const std::vector<std::string>& tokens, int scrollLine, int areaWidth, const PanelMetrics& metrics);

// Scrolling by whole lines, with which of the two scroll buttons show.
class PanelScroll {
public:
    int ScrollLine = 0;
    int MaxScrollLine = 0;
    bool UpShown = false;
    bool DownShown = false;

    // A new text: back at the top, the range measured at the next painting.
    void Reset();
    bool NeedsMeasure() const { return needsMeasure_; }
    // The first painting of a text ended with its last line at `endY`.
    void Measure(int endY, int areaHeight);
    void Up();
    void Down();

private:
    bool needsMeasure_ = false;
};

}  // namespace quillan
