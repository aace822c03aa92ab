#include "chart/chart_tree.h"

#include "progress/exercise_table.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "session/app_context.h"
#include "course/exercise_kinds.h"
#include "platform/paths.h"
#include "progress/exercise_table.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// Records of these families that follow each other with the same Id form a package.
bool IsPackageFamily(const std::string& id) {
    return StartsWith(id, "tek_") || StartsWith(id, "dia_") || StartsWith(id, "zda_") || StartsWith(id, "slo_");
}

int RoundedAverage(long long sum, long long count) {
    return count == 0 ? 0 : static_cast<int>(std::nearbyint(static_cast<double>(sum) / static_cast<double>(count)));
}

const CW_Info& RecordAt(const AppContext& context, size_t index) {
    return context.learner.results.records.at(index - 1);
}

// The repetition of an exercise line is the one its window reports: by the line's kind and its
// position in its package. That is the position itself for the members of text, sentence and
// vocabulary packages, and it also finds the repetitions of a text with a single exercise
// (reported at position 1) and of dialogue parts after a third part (reported by variant).
int LineRepetitionIndex(int kind, int position) { return RepetitionIndexFor(kind, position); }

// Builds the lines of one lesson.
class LessonBuilder {
public:
    LessonBuilder(const AppContext& context, int mode, const RepetitionLookup& repetitions,
                  const DisplayNameIndex& names, const TextMedia& media)
        : context_(context), mode_(mode), repetitions_(repetitions), names_(names), media_(media) {}

    void Build(ChartNode& lesson) {
        const std::vector<CW_Info>& records = context_.learner.results.records;
        std::vector<size_t> package;
        for (size_t index : lesson.members) {
            const CW_Info& record = records[index - 1];
            const bool continues =
                IsPackageFamily(record.Id) && index < records.size() && records[index].Id == record.Id;
            if (continues) {
                package.push_back(index);
            } else if (!package.empty()) {
                package.push_back(index);
                AddPackage(lesson, package);
                package.clear();
            } else {
                AddSingle(lesson, index);
            }
        }
        // A package whose next record belongs to another lesson ends with the lesson.
        if (!package.empty()) AddPackage(lesson, package);
    }

private:
    // An open task shows its instruction instead of the title template it is stored with.
    std::string LineName(const CW_Info& record) const {
        std::string task = OpenTaskLineName(context_.course, record.Id, record.Title, context_.startup.LangIndex);
        return task.empty() ? names_(record.Title) : task;
    }

    bool Due(const CW_Info& record, int position) const {
        return repetitions_.IsDue(record.Id, record.Kind, LineRepetitionIndex(record.Kind, position));
    }

    std::unique_ptr<ChartNode> Exercise(size_t index, int position) const {
        const CW_Info& record = RecordAt(context_, index);
        auto node = std::make_unique<ChartNode>();
        node->recordIndex = index;
        node->depth = 3;
        node->icon = record.Kind;
        node->level = record.Level;
        node->position = position;
        node->selectable = true;
        return node;
    }

    void AddSingle(ChartNode& lesson, size_t index) {
        const CW_Info& record = RecordAt(context_, index);
        if (mode_ == 2 && !Due(record, 1)) return;
        std::unique_ptr<ChartNode> node = Exercise(index, 1);
        node->name = LineName(record);
        node->parent = &lesson;
        lesson.children.push_back(std::move(node));
    }

    void AddPackage(ChartNode& lesson, const std::vector<size_t>& members) {
        const CW_Info& first = RecordAt(context_, members.front());
        auto package = std::make_unique<ChartNode>();
        package->recordIndex = members.back();
        package->name = names_(RecordAt(context_, members.back()).Title);
        package->depth = 2;
        package->icon = PackageIcon(first.Id);
        package->level = first.Level;
        package->members = members;
        package->parent = &lesson;
        for (size_t k = 0; k < members.size(); ++k) {
            const int position = static_cast<int>(k) + 1;
            const CW_Info& record = RecordAt(context_, members[k]);
            if (mode_ == 2 && !Due(record, position)) continue;
            std::unique_ptr<ChartNode> node = Exercise(members[k], position);
            node->name = ExerciseKindName(record.Kind, context_.startup.CourseVariant, context_.course.interfaceTexts);
            node->parent = package.get();
            package->children.push_back(std::move(node));
        }
        if (mode_ == 2 && package->children.empty()) return;
        lesson.children.push_back(std::move(package));
    }

    int PackageIcon(const std::string& id) {
        if (StartsWith(id, "dia_")) return chart_icon::Dialogue;
        if (StartsWith(id, "slo_")) return chart_icon::Vocabulary;
        if (!StartsWith(id, "tek_")) return chart_icon::Sentences;
        // The text's media, named as the text's exercises in the text-exercise list name it.
        const std::string number = id.substr(4);
        const int text = std::atoi(number.c_str());
        std::string mediaName = number;
        for (const TextExercise& exercise : context_.course.textExercises) {
            const std::string field = TextNumberField(exercise);
            if (!field.empty() && std::atoi(field.c_str()) == text) {
                mediaName = field;
                break;
            }
        }
        return media_.Icon(mediaName);
    }

    const AppContext& context_;
    int mode_;
    const RepetitionLookup& repetitions_;
    const DisplayNameIndex& names_;
    const TextMedia& media_;
};

void CollectRows(const ChartNode& parent, int level, std::vector<ChartRow>& rows) {
    for (const auto& child : parent.children) {
        rows.push_back({child.get(), level});
        if (child->expanded) CollectRows(*child, level + 1, rows);
    }
}

int CountRows(const ChartNode& parent) {
    int count = 0;
    for (const auto& child : parent.children) count += 1 + (child->expanded ? CountRows(*child) : 0);
    return count;
}

void SetExpanded(ChartNode& parent, bool expanded) {
    for (auto& child : parent.children) {
        child->expanded = expanded;
        SetExpanded(*child, expanded);
    }
}

}  // namespace

int ChartNode::TreeLevel() const {
    int level = 0;
    for (const ChartNode* node = this; node->parent; node = node->parent) ++level;
    return level;
}

bool IsUnscoredKind(int kind) { return kind >= 56 && kind <= 58; }

TextMedia::TextMedia(const std::string& programDir) {
    for (const std::string& name : ListFiles(programDir + "Teksty_mpg_r\\", ".mpg")) videos_.insert(LowerAscii(name));
    for (const std::string& name : ListFiles(programDir + "teksty_htm_r\\", ".htm")) pages_.insert(LowerAscii(name));
}

int TextMedia::Icon(const std::string& mediaName) const {
    const std::string name = LowerAscii(mediaName);
    if (videos_.count(name + ".mpg")) return chart_icon::TextVideo;
    if (pages_.count(name + ".htm")) return chart_icon::TextPage;
    return chart_icon::TextSound;
}

ChartTree::ChartTree() : root_(std::make_unique<ChartNode>()) { root_->depth = 0; }

void ChartTree::Clear() { root_->children.clear(); }

void ChartTree::Build(const AppContext& context, int mode, DayNumber now) {
    Clear();
    mode_ = mode;
    const std::vector<CW_Info>& records = context.learner.results.records;
    const TextMedia media(context.startup.ProgramDir);
    const RepetitionLookup repetitions(context.learner.repetitions, now);
    const DisplayNameIndex names(context.course.displayNames, context.course.sections);
    for (const Section& section : context.course.sections) {
        auto lesson = std::make_unique<ChartNode>();
        lesson->name = section.SectionName;
        lesson->parent = root_.get();
        // Records carry the code cut to the length they keep.
        lesson->lessonCode = section.SectionCode.substr(0, kLessonCodeCapacity);
        for (size_t i = 0; i < records.size(); ++i)
            if (records[i].LessonCode == lesson->lessonCode) lesson->members.push_back(i + 1);
        LessonBuilder(context, mode, repetitions, names, media).Build(*lesson);
        root_->children.push_back(std::move(lesson));
    }
    Refresh(context, now);
}

void ChartTree::Refresh(const AppContext& context, DayNumber now) {
    const RepetitionLookup repetitions(context.learner.repetitions, now);
    for (auto& lesson : root_->children) RefreshNode(*lesson, context, repetitions);
}

void ChartTree::RefreshNode(ChartNode& node, const AppContext& context, const RepetitionLookup& repetitions) const {
    for (auto& child : node.children) RefreshNode(*child, context, repetitions);
    if (node.depth == 3) {
        const CW_Info& record = RecordAt(context, node.recordIndex);
        node.result = record.Result;
        node.done = record.DoneCount >= 1;
        node.dateText = FormatDate(record.LastDone);
        const RepetitionEntry* repetition =
            repetitions.Find(record.Id, record.Kind, LineRepetitionIndex(record.Kind, node.position));
        node.repetitionText = repetition ? FormatDate(repetition->Due) : std::string();
        return;
    }
    // A lesson averages its scored records, a package all its members; either is done when
    // any of its records was done.
    long long sum = 0, count = 0;
    node.done = false;
    node.dateText.clear();
    for (size_t index : node.members) {
        const CW_Info& record = RecordAt(context, index);
        if (record.DoneCount > 0) node.done = true;
        if (node.depth == 1 && IsUnscoredKind(record.Kind)) continue;
        sum += record.Result;
        ++count;
        if (node.depth == 2) node.dateText = std::max(node.dateText, FormatDate(record.LastDone));
    }
    node.result = RoundedAverage(sum, count);
}

std::vector<ChartRow> ChartTree::VisibleRows() const {
    std::vector<ChartRow> rows;
    CollectRows(*root_, 1, rows);
    return rows;
}

int ChartTree::VisibleRowCount() const { return CountRows(*root_); }

void ChartTree::SetAllExpanded(bool expanded) { SetExpanded(*root_, expanded); }

void ChartTree::Remove(ChartNode& node) {
    ChartNode* parent = node.parent;
    if (!parent) return;
    std::erase_if(parent->children, [&](const std::unique_ptr<ChartNode>& child) { return child.get() == &node; });
    if (parent->depth == 2 && parent->children.empty()) Remove(*parent);
}

}  // namespace quillan
