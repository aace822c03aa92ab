#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/day_date.h"

namespace quillan {

struct AppContext;
class RepetitionLookup;

// One line of the exercise chart: a lesson (depth 1), a package of exercises (depth 2) or one
// exercise (depth 3; directly under its lesson when it belongs to no package).
struct ChartNode {
    ChartNode* parent = nullptr;
    std::vector<std::unique_ptr<ChartNode>> children;
    bool expanded = false;
    size_t recordIndex = 1;      // 1-based record of the results table: a package's last member; 1 for a lesson
    std::string name;
    int depth = 1;
    int level = 0;
    bool done = false;
    int result = 0;              // percent
    std::string dateText;        // LastDone as "yyyy-mm-dd"
    int icon = 0;                // an exercise's Kind; a package's icon code 1..5 or 0; 0 for a lesson
    std::string repetitionText;  // the due date of the exercise's repetition, or empty
    int position = 1;            // 1-based position of the exercise in its package
    bool selectable = false;     // an exercise line, whose repetition can be deleted

    std::string lessonCode;      // a lesson: the code its records carry
    std::vector<size_t> members; // a package: the records of all its members, in table order

    bool HasChildren() const { return !children.empty(); }
    // The indent level of the line: 1 lessons, 2 packages and exercises outside packages,
    // 3 members of packages.
    int TreeLevel() const;
};

// Package icon codes of the chart.
namespace chart_icon {
inline constexpr int Sentences = 0, TextVideo = 1, TextSound = 2, TextPage = 3, Dialogue = 4, Vocabulary = 5;
}

// Kinds of exercises that carry no score (sentence recording, letters, curiosities).
bool IsUnscoredKind(int kind);

// A visible line and its place in the outline.
struct ChartRow {
    ChartNode* node = nullptr;
    int level = 1;  // ChartNode::TreeLevel
};

// The exercise chart: the learner's exercises grouped by lesson (in course order) and package.
// Mode 1 shows every exercise; mode 2 only those whose repetition is due.
class ChartTree {
public:
    ChartTree();

    // Frees any previous tree and builds it from the course's lessons, the learner's results
    // table and repetitions; everything collapsed.
    void Build(const AppContext& context, int mode, DayNumber now);
    // Recomputes every line's result, done flag, date and repetition texts from the tables,
    // keeping the lines and their expansion.
    void Refresh(const AppContext& context, DayNumber now);
    void Clear();

    int Mode() const { return mode_; }
    const std::vector<std::unique_ptr<ChartNode>>& Lessons() const { return root_->children; }

    // The lines shown: each lesson, then, when it is expanded, its children, each followed
    // (when expanded) by its own.
    std::vector<ChartRow> VisibleRows() const;
    int VisibleRowCount() const;

    void SetAllExpanded(bool expanded);
    // Takes an exercise line out of the outline; a package left without lines goes too.
    void Remove(ChartNode& node);

private:
    void RefreshNode(ChartNode& node, const AppContext& context, const RepetitionLookup& repetitions) const;

    int mode_ = 1;
    std::unique_ptr<ChartNode> root_;  // held apart, so that its lines keep their parent when the tree moves
};

// The media of the course texts decide the icons of their packages: a video "Teksty_mpg_r\" +
// name + ".mpg" gives TextVideo, else a page "teksty_htm_r\" + name + ".htm" TextPage, else
// TextSound (letter case not counting). The two directories are read once.
class TextMedia {
public:
    explicit TextMedia(const std::string& programDir);
    int Icon(const std::string& mediaName) const;

private:
    std::set<std::string> videos_, pages_;  // file names in lower case
};

}  // namespace quillan
