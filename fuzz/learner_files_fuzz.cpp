// One libFuzzer target per decoder of a learner's files, chosen by QUILLAN_FUZZ_TARGET: the
// results and repetitions records, the settings file and the installation's list of learners
// ("usr.t"). Whatever a damaged file holds, its decoder must read it without a fault, what is
// read must be written back the same, and the program's work on what was read must keep its
// rules.

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/learners.h"
#include "course/data_errors.h"
#include "fuzz_target.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "progress/repetitions.h"
#include "progress/results_json.h"
#include "progress/results_store.h"
#include "progress/settings.h"
#include "text/text_utils.h"

namespace {

using namespace quillan;
using fuzz::Require;

constexpr DayNumber kNow = 45366.5;  // 2024-03-15 12:00

// The byte at `at`, or 0 past the end: lets the input also choose what is done with it.
int ByteAt(std::string_view data, size_t at) { return at < data.size() ? static_cast<unsigned char>(data[at]) : 0; }

void Results(std::string_view data) {
    ResultsTable table;
    table.records = DecodeResults(data);
    Require(table.records.size() == data.size() / kCwInfoSize);
    // A record read back is written the same (compared as bytes: a date may be NaN).
    const std::string bytes = EncodeResults(table.records);
    Require(bytes.size() == table.records.size() * kCwInfoSize);
    Require(EncodeResults(DecodeResults(bytes)) == bytes);

    for (const CW_Info& record : table.records) {
        CwInfoRecordText(record);
        CwInfoJson(record);
        if (CW_Info* found = FindRecord(table, record.Id, record.Kind, record.Key))
            Require(found->Id == LowerAscii(record.Id) && found->Kind == record.Kind && found->Key == record.Key);
    }
    if (!table.records.empty()) {
        const CW_Info first = table.records.front();
        const CW_Info* target = FindRecord(table, first.Id, first.Kind, first.Key);
        const std::int32_t doneBefore = target ? target->DoneCount : 0;
        const int percent = ByteAt(data, 364) - 100;
        CW_Info* recorded = RecordExerciseResult(table, kNow, percent, first.Id, first.Kind, 1, first.Key);
        Require(recorded == target);
        if (recorded) {
            Require(recorded->Result <= 100 && recorded->LastDone == kNow && recorded->LessonMode == 0);
            Require(recorded->DoneCount == (doneBefore == INT32_MAX ? doneBefore : doneBefore + 1));
            CwInfoRecordText(*recorded);
        }
    }
    const int number = 2000 + ByteAt(data, 0) * 8;
    const int added = AddOpenExerciseRecord(table, kNow, number, std::string_view(data).substr(0, 300));
    if (added > 0) Require(table.records[static_cast<size_t>(added) - 1].Id == "Otw_" + std::to_string(number));
    Require(DecodeResults(EncodeResults(table.records)).size() == table.records.size());
}

void Repetitions(std::string_view data) {
    RepetitionList list;
    list.entries = DecodeRepetitions(data);
    Require(list.entries.size() == data.size() / kRepetitionSize);
    std::string bytes(list.entries.size() * kRepetitionSize, '\0');
    for (size_t i = 0; i < list.entries.size(); ++i) EncodeRepetition(list.entries[i], bytes.data() + i * kRepetitionSize);
    for (size_t at = 0; at < bytes.size(); at += kRepetitionSize) {
        char again[kRepetitionSize];
        EncodeRepetition(DecodeRepetition(bytes.data() + at), again);
        Require(std::equal(again, again + kRepetitionSize, bytes.data() + at));
    }

    // The chart's lookup answers as the single questions do.
    const RepetitionLookup lookup(list, kNow);
    ResultsTable results;
    for (const RepetitionEntry& entry : list.entries) {
        RepetitionJson(entry);
        Require(lookup.Find(entry.Id, entry.Kind, entry.Index) == FindRepetition(list, entry.Id, entry.Kind, entry.Index));
        Require(lookup.IsDue(entry.Id, entry.Kind, entry.Index) ==
                IsRepetitionDue(list, kNow, entry.Id, entry.Kind, entry.Index));
        CW_Info& record = results.records.emplace_back();
        record.Id = entry.Id;
        record.Kind = static_cast<std::uint8_t>(entry.Kind);
    }
    AnyRepetitionDue(list, results, kNow);

    // Reporting each exercise again keeps the schedule's rules.
    RepetitionSettings settings;
    settings.FirstRepetitionInterval = ByteAt(data, 133) - 100;
    const std::vector<RepetitionEntry> read = list.entries;
    for (size_t i = 0; i < read.size(); ++i) {
        const RepetitionEntry& entry = read[i];
        if (entry.Id.empty()) continue;  // a removed slot: no exercise to report
        const int percent = ByteAt(data, i * kRepetitionSize + 134) - 50;
        const RepetitionChange change = RecordRepetition(list, settings, kNow, percent, entry.Id, entry.Kind, 1,
                                                         entry.Key, entry.Index);
        if (change == RepetitionChange::Rescheduled) {
            const RepetitionEntry* found = FindRepetition(list, entry.Id, entry.Kind, entry.Index);
            Require(found && found->Interval >= 1 && found->Interval <= kMaxRepetitionInterval);
            Require(found->Due == DateOnly(kNow) + found->Interval);
            FormatDate(found->Due);
        }
    }
    Require(list.entries.size() <= kMaxRepetitions);
}

void Settings_(std::string_view data) {
    Settings settings;
    try {
        settings = ParseSettings(std::string(data));
    } catch (const ConversionError&) {
        return;
    }
    Require(ParseSettings(FormatSettings(settings)) == settings);
    RepetitionSettingsOf(settings);

    // The settings window's two number fields: the first line and the rest.
    const size_t end = data.find('\n');
    const std::string_view threshold = data.substr(0, end);
    const std::string_view interval = end == std::string_view::npos ? std::string_view() : data.substr(end + 1);
    const int problem = RepetitionFieldsProblem(threshold, interval);
    Require(problem == 0 || (problem >= 124 && problem <= 127));
    if (problem == 0) {
        const int thresholdValue = IntOfTrimmed(threshold), intervalValue = IntOfTrimmed(interval);
        Require(thresholdValue >= 1 && thresholdValue <= 100 && intervalValue >= 1 && intervalValue <= 100);
    }
}

void Learners(std::string_view data) {
    LineReader reader(std::string(data), "usr.t");
    LearnerList learners;
    try {
        learners = ReadLearners(reader);
    } catch (const DataLineError& error) {
        Require(error.Place().File == "usr.t" && error.Place().Line >= 1);
        return;
    }
    LineReader written(LearnersText(learners), "usr.t");
    Require(ReadLearners(written) == learners);

    for (const LearnerEntry& learner : learners) LearnerDirectory("C:\\kurs\\", learner);
    const LearnerList before = learners;
    // A name as the new learner's window gives it: one line.
    const std::string_view name = data.substr(0, std::min(data.find_first_of("\r\n"), size_t{40}));
    const int position = AddLearner(learners, name);
    if (position == 0) {
        Require(learners == before);
        return;
    }
    // The new learner comes last with a number of his own, so his directory is his alone.
    Require(static_cast<size_t>(position) == learners.size() && learners.size() == before.size() + 1);
    const LearnerEntry& added = learners.back();
    Require(added.Name == Trim(name));
    for (const LearnerEntry& learner : before) Require(learner.Number != added.Number);
    LineReader saved(LearnersText(learners), "usr.t");
    Require(ReadLearners(saved) == learners);
}

const fuzz::Target kTargets[] = {
    {"results", Results},
    {"repetitions", Repetitions},
    {"settings", Settings_},
    {"learners", Learners},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto run = fuzz::Selected(kTargets);
    run(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
