#pragma once

#include <string>
#include <vector>

#include "chart/chart_tree.h"

namespace quillan {

// Where the chart draws, in the window's coordinates.
namespace chart_geometry {
inline constexpr int BoxLeft = 40, BoxTop = 98, BoxWidth = 825, BoxHeight = 537;  // the paint box
inline constexpr int RowHeight = 20;
inline constexpr int RowsInView = 27;  // rows the box shows, the last one in part
inline constexpr int HighlightWidth = 822;
}  // namespace chart_geometry

struct ChartRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool Contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
    bool operator==(const ChartRect&) const = default;
};

// The colours of the chart's texts: names RGB(1, 153, 202), dates RGB(102, 102, 102), results
// RGB(0, 101, 153).
enum class ChartInk { Name, Detail, Result };

// One thing drawn in the paint box (paint-box coordinates).
struct ChartItem {
    enum class Type { Picture, Text, Bar };
    Type type = Type::Picture;
    int x = 0;
    int top = 0;       // the top of the row; pictures and texts are centred in its height
    std::string name;  // the picture ("typ_40", "poz_2", "rob_yes", ...) or, for Text, the text
    ChartInk ink = ChartInk::Name;
    int width = 0;     // Bar: pixels taken from the left of the picture; Text: the room for the
                       // text, which is cut short to fit (0: no limit)

    bool operator==(const ChartItem&) const = default;
};

// An active spot of the paint box: an expand box or a name, with its line.
struct ChartHit {
    ChartRect rect;
    ChartNode* node = nullptr;
};

// Sizes the painting needs from the window: texts in the chart's font, and the pictures.
class ChartMetrics {
public:
    virtual ~ChartMetrics() = default;
    virtual int TextWidth(const std::string& text) const = 0;
    virtual int PictureWidth(const std::string& picture) const = 0;
    virtual int PictureHeight(const std::string& picture) const = 0;
};

// What a full repaint draws from the scroll offset on, and the active spots it leaves.
struct ChartLayout {
    std::vector<ChartItem> items;
    std::vector<ChartHit> boxes;
    std::vector<ChartHit> names;
    int rowCount = 0;   // lines of the outline as expanded now
    int shownRows = 0;  // lines in view from the offset
    bool upVisible = false;
    bool downVisible = false;
};

ChartLayout LayOutChart(ChartTree& tree, int offset, const ChartMetrics& metrics);

// The picture of an exercise kind ("typ_" + kind), empty for kinds that have none.
std::string KindPicture(int kind);

// The result bar of a percent: width = percent × 0.98 rounded, in pixels; the picture by that
// width. No bar (empty picture) outside 0..100.
struct ResultBar {
    std::string picture;
    int width = 0;
};
ResultBar ResultBarOf(int percent);

// What lies under the pointer at (x, y) of the paint box.
struct ChartPointer {
    int row = -1;                 // the row in view under the pointer; -1 when no line is there
    ChartNode* box = nullptr;     // the line whose expand box is there
    ChartNode* name = nullptr;    // the line whose name is there
    ChartNode* target = nullptr;  // the name's line when it is a package or an exercise
    bool Hand() const { return box || name; }
};
ChartPointer PointAt(const ChartLayout& layout, int x, int y);

// What a mouse press at (x, y) of the paint box does: an expand box or the name of a line with
// children expands or collapses it; the name of an exercise starts it. In mode 2 the right
// button on an exercise's name offers to delete its repetition instead of starting it (a window
// opened at once would cover the delete button it places).
struct ChartPress {
    ChartNode* toggle = nullptr;
    ChartNode* start = nullptr;
    ChartNode* offerDelete = nullptr;
};
ChartPress PressAt(const ChartLayout& layout, int mode, int x, int y, bool rightButton);

}  // namespace quillan
