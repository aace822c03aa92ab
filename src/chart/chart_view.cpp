#include "chart/chart_view.h"

#include <algorithm>
#include <cmath>

namespace quillan {
namespace {

using namespace chart_geometry;

// Columns in paint-box coordinates (the window's less the box's left edge).
constexpr int kIconX = 370 - BoxLeft;
constexpr int kLevelX = 400 - BoxLeft;
constexpr int kDoneX = 425 - BoxLeft;
constexpr int kDateX = 470 - BoxLeft;
constexpr int kRepetitionX = 590 - BoxLeft;
constexpr int kResultX = 705 - BoxLeft;
constexpr int kBarX = 760 - BoxLeft;
// Names are indented by tree level; an expand box stands this far left of its name.
constexpr int kNameX[] = {0, 30, 48, 66};
constexpr int kBoxOffset = 30;
// A name ends short of the icon column; a longer one is cut there.
constexpr int kNameEnd = kIconX - 4;

class RowPainter {
public:
    RowPainter(ChartLayout& layout, const ChartMetrics& metrics, int mode)
        : out_(layout), metrics_(metrics), mode_(mode) {}

    void Paint(const ChartRow& row, int top) {
        ChartNode& node = *row.node;
        top_ = top;
        const int nameX = kNameX[std::clamp(row.level, 1, 3)];
        if (node.HasChildren()) {
            const std::string box = node.expanded ? "img_minus" : "img_plus";
            const int x = nameX - kBoxOffset;
            const int h = metrics_.PictureHeight(box);
            Picture(box, x);
            out_.boxes.push_back({{x, top + (RowHeight - h) / 2, metrics_.PictureWidth(box), h}, &node});
        }
        out_.items.push_back({ChartItem::Type::Text, nameX, top_, node.name, ChartInk::Name, kNameEnd - nameX});
        const int nameWidth = std::min(metrics_.TextWidth(node.name), kNameEnd - nameX);
        out_.names.push_back({{nameX, top, nameWidth, RowHeight}, &node});

        const bool unscored = node.depth == 3 && IsUnscoredKind(node.icon);
        if (node.depth == 3) {
            if (std::string kind = KindPicture(node.icon); !kind.empty()) Picture(kind, kIconX);
        } else if (node.icon >= 1 && node.icon <= 5) {
            Picture("typ_" + std::to_string(node.icon), kIconX);
        }
        if (node.depth >= 2 && node.level >= 1 && node.level <= 4)
            Picture("poz_" + std::to_string(node.level), kLevelX);
        Picture(node.done ? "rob_yes" : "rob_no", kDoneX);
        if (node.depth >= 2 && node.done) Text(node.dateText, kDateX, ChartInk::Detail);
        if (node.depth == 3 && !unscored && !node.repetitionText.empty())
            Text(node.repetitionText, kRepetitionX, ChartInk::Detail);

        if (unscored || (mode_ == 2 && node.depth == 2)) return;
        Text(std::to_string(node.result) + "%", kResultX, ChartInk::Result);
        Picture("img_progress_back", kBarX);
        const ResultBar bar = ResultBarOf(node.result);
        // The bar runs from the back's left edge to 2 pixels beyond its width.
        if (!bar.picture.empty())
            out_.items.push_back({ChartItem::Type::Bar, kBarX, top_, bar.picture, ChartInk::Name, bar.width + 2});
    }

private:
    void Picture(const std::string& picture, int x) {
        out_.items.push_back({ChartItem::Type::Picture, x, top_, picture, ChartInk::Name, 0});
    }
    void Text(const std::string& text, int x, ChartInk ink) {
        out_.items.push_back({ChartItem::Type::Text, x, top_, text, ink, 0});
    }

    ChartLayout& out_;
    const ChartMetrics& metrics_;
    int mode_;
    int top_ = 0;
};

const ChartHit* HitAt(const std::vector<ChartHit>& hits, int x, int y) {
    for (const ChartHit& hit : hits)
        if (hit.rect.Contains(x, y)) return &hit;
    return nullptr;
}

}  // namespace

std::string KindPicture(int kind) {
    static constexpr int kWithPicture[] = {40, 41, 44, 45, 47, 56, 57, 58, 59, 60, 61, 62, 63, 64, 70, 71, 73, 74};
    return std::find(std::begin(kWithPicture), std::end(kWithPicture), kind) != std::end(kWithPicture)
               ? "typ_" + std::to_string(kind)
               : std::string();
}

ResultBar ResultBarOf(int percent) {
    if (percent < 0 || percent > 100) return {};
    const int w = static_cast<int>(std::nearbyint(percent * 0.98));
    const char* picture = w < 26 ? "img_prog1" : w <= 50 ? "img_prog2" : w <= 75 ? "img_prog3" : "img_prog4";
    return {picture, w};
}

ChartLayout LayOutChart(ChartTree& tree, int offset, const ChartMetrics& metrics) {
    ChartLayout layout;
    const std::vector<ChartRow> rows = tree.VisibleRows();
    layout.rowCount = static_cast<int>(rows.size());
    const int first = std::max(offset, 0);
    layout.shownRows = std::clamp(layout.rowCount - first, 0, RowsInView);
    RowPainter painter(layout, metrics, tree.Mode());
    for (int i = 0; i < layout.shownRows; ++i) painter.Paint(rows[static_cast<size_t>(first + i)], i * RowHeight);
    layout.upVisible = offset > 0;
    layout.downVisible = offset + RowsInView < layout.rowCount;
    return layout;
}

ChartPointer PointAt(const ChartLayout& layout, int x, int y) {
    ChartPointer pointer;
    if (y >= 0 && y / RowHeight < layout.shownRows) pointer.row = y / RowHeight;
    if (const ChartHit* box = HitAt(layout.boxes, x, y)) pointer.box = box->node;
    if (const ChartHit* name = HitAt(layout.names, x, y)) pointer.name = name->node;
    if (pointer.name && pointer.name->depth >= 2) pointer.target = pointer.name;
    return pointer;
}

ChartPress PressAt(const ChartLayout& layout, int mode, int x, int y, bool rightButton) {
    ChartPress press;
    const ChartPointer pointer = PointAt(layout, x, y);
    if (pointer.box) {
        press.toggle = pointer.box;
    } else if (pointer.name && pointer.name->HasChildren()) {
        press.toggle = pointer.name;
    } else if (pointer.name && mode == 2 && rightButton && pointer.name->selectable) {
        press.offerDelete = pointer.name;
    } else {
        press.start = pointer.target;
    }
    return press;
}

}  // namespace quillan
