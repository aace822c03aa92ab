#include "exercises/texts/definitions.h"

#include "exercises/texts/shuffle.h"

namespace quillan {

DfContent ParseDefinitions(std::string_view content, Problems& problems, const ContentPlace& place) {
    DfContent result;
    TerminatedFields fields(content, '#');
    size_t number = 0;
    while (!fields.AtEnd()) {
        const std::string_view text = fields.Next();
        const std::string name = "entry " + std::to_string(++number);
        if (fields.Unterminated()) NoteProblem(problems, place, name + " is not closed by \"#\"");
        if (result.Entries.size() >= static_cast<size_t>(kDfEntryLimit)) {
            if (number == static_cast<size_t>(kDfEntryLimit) + 1)
                NoteProblem(problems, place,
                            "the window holds " + std::to_string(kDfEntryLimit) + " definitions: " + name +
                                " and those after it are left out");
            continue;
        }
        DfEntry entry;
        const size_t star = text.find('*');
        if (star == std::string_view::npos) {
            NoteProblem(problems, place, name + " has no \"*\" between the term and its definition");
            entry.Term = std::string(text);
        } else {
            entry.Term = std::string(text.substr(0, star));
            entry.Definition = std::string(text.substr(star + 1));
        }
        result.Entries.push_back(std::move(entry));
    }
    if (result.Entries.size() < 2)
        NoteProblem(problems, place, "the exercise needs at least two definitions; it has " + std::to_string(result.Entries.size()));
    return result;
}

void Definitions::Prepare(const DfContent& content) {
    attempt_.Start();
    frame_ = FrameState();
    entries_ = content.Entries;
    labels_.clear();
    for (size_t e = 0; e < entries_.size(); ++e) labels_.push_back(DfLabel{entries_[e].Term, static_cast<int>(e)});
    slots_.assign(entries_.size(), DfSlot());
    const int count = static_cast<int>(labels_.size());
    SwapShuffle(random_, count, count, [&](int a, int b) { std::swap(labels_[static_cast<size_t>(a)], labels_[static_cast<size_t>(b)]); });
}

bool Definitions::StartDrag(int label) {
    if (attempt_.Evaluated() || label < 0 || static_cast<size_t>(label) >= labels_.size()) return false;
    attempt_.Touch();
    return true;
}

void Definitions::TakeOut(int label) {
    DfLabel& l = labels_[static_cast<size_t>(label)];
    if (l.Slot >= 0) slots_[static_cast<size_t>(l.Slot)].Label = -1;
    l.Slot = -1;
}

void Definitions::PutIn(int label, int slot) {
    TakeOut(label);
    labels_[static_cast<size_t>(label)].Slot = slot;
    slots_[static_cast<size_t>(slot)].Label = label;
}

void Definitions::Drop(int label, int slot) {
    if (attempt_.Evaluated() || label < 0 || static_cast<size_t>(label) >= labels_.size()) return;
    const bool inSlot = slot >= 0 && static_cast<size_t>(slot) < slots_.size();
    if (inSlot && (slots_[static_cast<size_t>(slot)].Label < 0 || slots_[static_cast<size_t>(slot)].Label == label))
        PutIn(label, slot);
    else
        TakeOut(label);
}

void Definitions::Check() {
    attempt_.Touch();
    if (attempt_.Evaluated()) return;
    int right = 0;
    for (DfSlot& slot : slots_) {
        if (slot.Label < 0) {
            slot.Mark = DfMark::Wrong;
            slot.Hint = kNoAnswerHint;
            continue;
        }
        const DfLabel& label = labels_[static_cast<size_t>(slot.Label)];
        if (label.Slot == label.Entry) {
            slot.Mark = DfMark::Right;
            ++right;
        } else {
            slot.Mark = DfMark::Wrong;
            slot.Hint = YourAnswerHint(label.Term);
        }
    }
    const int count = static_cast<int>(labels_.size());
    if (right < count) {
        for (DfSlot& slot : slots_) slot.Label = -1;
        for (size_t i = 0; i < labels_.size(); ++i) {
            labels_[i].Slot = labels_[i].Entry;
            slots_[static_cast<size_t>(labels_[i].Entry)].Label = static_cast<int>(i);
        }
    }
    attempt_.Finish(right, count - right);
    frame_.CheckVisible = false;
    frame_.AgainVisible = true;
    frame_.GaugeVisible = true;
    frame_.Percent = attempt_.Percent();
}

}  // namespace quillan
