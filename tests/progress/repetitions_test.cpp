#include "progress/repetitions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "platform/errors.h"
#include "progress/results_store.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

void PutBytes(std::string& bytes, size_t at, std::initializer_list<unsigned> values) {
    for (unsigned v : values) bytes[at++] = static_cast<char>(v);
}

TEST(RepetitionLayout, ReadsEveryFieldAtItsOffsetAndWritesTheSameBytes) {
    std::string b(136, '\0');
    b[0] = 5;
    b.replace(1, 5, "dia_3");
    PutBytes(b, 104, {74, 0, 0, 0});
    PutBytes(b, 108, {0xFE, 0xFF, 0xFF, 0xFF});                          // -2
    PutBytes(b, 112, {0x06, 0x00, 0x00, 0x00});
    PutBytes(b, 116, {0x00, 0x00, 0x00, 0x00, 0x68, 0xF9, 0xE5, 0x40});  // 45003.25
    PutBytes(b, 124, {0x00, 0x00, 0x00, 0x00, 0x00, 0xF9, 0xE5, 0x40});  // 45000
    PutBytes(b, 132, {4});

    const RepetitionEntry e = DecodeRepetition(b.data());
    EXPECT_EQ(e.Id, "dia_3");
    EXPECT_EQ(e.Kind, 74);
    EXPECT_EQ(e.Key, -2);
    EXPECT_EQ(e.Interval, 6);
    EXPECT_EQ(e.Due, 45003.25);
    EXPECT_EQ(e.LastUpdate, 45000.0);
    EXPECT_EQ(e.Index, 4);

    std::string written(136, 'x');
    EncodeRepetition(e, written.data());
    EXPECT_EQ(written, b);
}

// A day of the schedule: the clock at `day` (+ a time), a report, and the expected entry.
struct Step {
    double at;          // day number of the report
    int percent;
    bool listed;        // the entry is on the list afterwards
    int interval;
    double dueDay;      // the date the entry is due from (whole days)
};

class RepetitionSchedule : public ::testing::Test {
protected:
    RepetitionList list;
    RepetitionSettings settings;  // the defaults: on, threshold 61, first interval 3

    void Run(const std::vector<Step>& steps) {
        test::FakeClock clock;
        for (size_t i = 0; i < steps.size(); ++i) {
            const Step& s = steps[i];
            clock.now = s.at;
            RecordRepetition(list, settings, clock.Now(), s.percent, "Slo_7", 61, 1, 0, 2);
            const RepetitionEntry* e = FindRepetition(list, "slo_7", 61, 2);
            ASSERT_EQ(e != nullptr, s.listed) << "step " << i;
            if (!e) continue;
            EXPECT_EQ(e->Interval, s.interval) << "step " << i;
            EXPECT_EQ(FormatDate(e->Due), FormatDate(s.dueDay)) << "step " << i;
            EXPECT_EQ(e->LastUpdate, DateOnly(s.at)) << "step " << i;
        }
    }
};

TEST_F(RepetitionSchedule, FirstReportSchedulesThenAGoodResultRemoves) {
    Run({{45000.5, 100, true, 3, 45003}, {45004.4, 100, false, 0, 0}});
    EXPECT_EQ(list.entries[0].Due, 45003.5) << "a new entry keeps the time of the report";
}

TEST_F(RepetitionSchedule, APoorResultDoublesTheIntervalOncePerDay) {
    Run({{45000.5, 100, true, 3, 45003},
         {45003.2, 50, true, 6, 45009},
         {45003.9, 40, true, 6, 45009},  // same day: no second doubling
         {45009.1, 61, true, 12, 45021}, // at the threshold it stays
         {45021.1, 10, true, 3, 45024},  // below 15: back to three days
         {45030.0, 62, false, 0, 0}});
}

TEST_F(RepetitionSchedule, TheIntervalStopsGrowingAtItsCeiling) {
    std::vector<Step> steps{{45000.5, 50, true, 3, 45003}};
    double day = 45000.5;
    int interval = 3;
    for (int i = 0; i < 20; ++i) {
        day += 1;
        interval = std::min(interval * 2, kMaxRepetitionInterval);
        steps.push_back({day, 50, true, interval, std::floor(day) + interval});
    }
    Run(steps);
    EXPECT_EQ(list.entries[0].Interval, kMaxRepetitionInterval);
}

TEST_F(RepetitionSchedule, SettingsDecideWhetherAReportCounts) {
    EXPECT_EQ(RecordRepetition(list, settings, 45000.5, 50, "tek_1", 40, 0, 3, 1), RepetitionChange::None)
        << "an interrupted exercise is not reported by default";
    settings.RepetitionsWhenInterrupted = true;
    EXPECT_EQ(RecordRepetition(list, settings, 45000.5, 50, "tek_1", 40, 0, 3, 1), RepetitionChange::Added);

    settings.RepetitionsOn = false;
    const RepetitionList before = list;
    EXPECT_EQ(RecordRepetition(list, settings, 45001.5, 5, "tek_1", 40, 1, 3, 1), RepetitionChange::None);
    EXPECT_EQ(list.entries, before.entries);

    settings = {};
    settings.FirstRepetitionInterval = 7;
    RecordRepetition(list, settings, 45000.5, 50, "tek_1", 41, 1, 4, 2);
    EXPECT_EQ(list.entries.back().Interval, 7);
    EXPECT_EQ(list.entries.back().Key, 4);
}

// An interval read from a damaged file, reported on a later day or on its last update's day;
// also a first interval from a hand-edited settings file. Doubling -1667392099 wrapped to
// 960183098 days, so the exercise never came due again.
TEST(RepetitionBounds, IntervalsOutOfBoundsComeBackWithinThem) {
    struct Case {
        std::int32_t stored;  // the entry's interval in the file
        bool sameDay;         // reported on the day of its last update (no doubling)
        std::int32_t expected;
    };
    const Case cases[] = {
        {-1667392099, false, 1}, {-5, false, 1}, {0, false, 1}, {INT32_MAX, false, kMaxRepetitionInterval},
        {-7, true, 1},           {0, true, 1},   {INT32_MAX, true, kMaxRepetitionInterval},
    };
    const RepetitionSettings settings;
    for (const Case& c : cases) {
        RepetitionList list;
        list.entries.push_back({"tek_1", 40, 3, c.stored, 45000.0, c.sameDay ? 45010.0 : 45000.0, 1});
        ASSERT_EQ(RecordRepetition(list, settings, 45010.5, 50, "tek_1", 40, 1, 3, 1), RepetitionChange::Rescheduled);
        EXPECT_EQ(list.entries[0].Interval, c.expected) << c.stored;
        EXPECT_EQ(list.entries[0].Due, 45010.0 + c.expected) << c.stored;
    }

    for (const auto& [first, expected] : {std::pair{0, 1}, {-4, 1}, {1000000, kMaxRepetitionInterval}}) {
        RepetitionList list;
        RepetitionSettings edited;
        edited.FirstRepetitionInterval = first;
        RecordRepetition(list, edited, 45010.5, 50, "tek_1", 40, 1, 3, 1);
        EXPECT_EQ(list.entries[0].Interval, expected) << first;
    }
}

TEST(Repetitions, RemoveClearAndDueDates) {
    RepetitionList list;
    const RepetitionSettings settings;
    RecordRepetition(list, settings, 45000.9, 50, "tek_1", 40, 1, 3, 1);
    RecordRepetition(list, settings, 45000.9, 50, "zda_2", 51, 1, 0, 2);

    EXPECT_FALSE(IsRepetitionDue(list, 45002.99, "tek_1", 40, 1));
    EXPECT_TRUE(IsRepetitionDue(list, 45003.0, "TEK_1", 40, 1)) << "due by date, not by the hour";
    EXPECT_FALSE(IsRepetitionDue(list, 45010.0, "tek_1", 40, 2)) << "another index";
    EXPECT_FALSE(IsRepetitionDue(list, 45010.0, "", 40, 1));

    RemoveRepetition(list, "tek_1", 40, 9);  // no such key: nothing happens
    EXPECT_NE(FindRepetition(list, "tek_1", 40, 1), nullptr);
    RemoveRepetition(list, "Tek_1", 40, 3);
    EXPECT_EQ(FindRepetition(list, "tek_1", 40, 1), nullptr);
    EXPECT_FALSE(IsRepetitionDue(list, 45010.0, "tek_1", 40, 1));
    EXPECT_EQ(list.entries.size(), 2u) << "the removed entry stays as an empty slot until saved";

    ClearRepetitions(list);
    EXPECT_TRUE(list.entries.empty());
}

TEST(Repetitions, ALookupAnswersAsTheListDoes) {
    RepetitionList list;
    list.entries = {{"tek_1", 40, 3, 3, 45005.5, 45000.0, 1}, {"tek_1", 40, 4, 3, 45001.2, 45000.0, 1},
                    {"", 40, 3, 3, 45000.0, 45000.0, 1},     {"zda_2", 51, 0, 6, 45003.9, 45000.0, 2},
                    {"tek_1", 41, 3, 3, 45009.0, 45000.0, 2}};
    const std::pair<std::string, std::pair<int, int>> queries[] = {
        {"tek_1", {40, 1}}, {"TEK_1", {40, 1}}, {"tek_1", {41, 2}}, {"zda_2", {51, 2}},
        {"zda_2", {51, 1}}, {"", {40, 1}},      {"slo_1", {60, 1}}};
    for (DayNumber now : {45000.5, 45001.0, 45003.1, 45010.0}) {
        const RepetitionLookup lookup(list, now);
        for (const auto& [id, kindIndex] : queries) {
            const auto [kind, index] = kindIndex;
            SCOPED_TRACE(id + " " + std::to_string(kind) + " " + std::to_string(now));
            EXPECT_EQ(lookup.Find(id, kind, index), FindRepetition(list, id, kind, index));
            EXPECT_EQ(lookup.IsDue(id, kind, index), IsRepetitionDue(list, now, id, kind, index));
        }
    }
}

TEST(Repetitions, AnyDueNeedsTheExerciseInTheTable) {
    RepetitionList list;
    RecordRepetition(list, {}, 45000.5, 50, "slo_3", 62, 1, 0, 3);
    ResultsTable results;
    AppendRecord(results, 45000.0, "slo_3", "S", 61, 1);
    EXPECT_FALSE(AnyRepetitionDue(list, results, 45010.0)) << "no record of that kind";
    AppendRecord(results, 45000.0, "SLO_3", "S", 62, 1);
    EXPECT_FALSE(AnyRepetitionDue(list, results, 45002.0)) << "not due yet";
    EXPECT_TRUE(AnyRepetitionDue(list, results, 45003.0));
}

TEST(Repetitions, AFullListReusesRemovedSlotsAndRefusesBeyond) {
    RepetitionList list;
    for (size_t i = 0; i < kMaxRepetitions; ++i)
        list.entries.push_back({"tek_" + std::to_string(i), 40, 0, 3, 45003, 45000, 1});
    EXPECT_THROW(RecordRepetition(list, {}, 45000.5, 50, "new_1", 40, 1, 0, 1), TableFullError);
    EXPECT_EQ(list.entries.size(), kMaxRepetitions);
    EXPECT_EQ(RecordRepetition(list, {}, 45000.5, 50, "tek_5", 40, 1, 0, 1), RepetitionChange::Rescheduled)
        << "an entry already listed is updated in a full list";

    RemoveRepetition(list, "tek_7", 40, 0);
    EXPECT_EQ(RecordRepetition(list, {}, 45000.5, 50, "new_1", 40, 1, 0, 1), RepetitionChange::Added);
    EXPECT_EQ(list.entries.size(), kMaxRepetitions);
    EXPECT_EQ(list.entries.back().Id, "new_1");
}

TEST(RepetitionsFile, SavesOnlyListedEntriesAndLoadsThemBack) {
    test::TempDir dir;
    RepetitionList list;
    list.file.path = dir.Path() + "powt_qlr2_55";
    RecordRepetition(list, {}, 45000.5, 50, "tek_1", 40, 1, 3, 1);
    RecordRepetition(list, {}, 45000.5, 50, "zda_2", 51, 1, 0, 2);
    RemoveRepetition(list, "tek_1", 40, 3);
    SaveRepetitions(list);
    EXPECT_EQ(dir.Read("powt_qlr2_55").size(), 136u);

    RepetitionList loaded;
    LoadRepetitions(loaded, list.file.path, 45001.0);
    ASSERT_EQ(loaded.entries.size(), 1u);
    EXPECT_EQ(loaded.entries[0], list.entries[1]);
}

// Another program may leave other bytes than zeros where the entry has no field; a report and
// a save rewrite only the fields the schedule sets.
TEST(RepetitionsFile, BytesWithoutAFieldComeBackAsTheyWereRead) {
    test::TempDir dir;
    std::string entry(136, '\0');
    entry[0] = 5;
    entry.replace(1, 5, "zda_2");
    PutBytes(entry, 6, {0x55, 0x66});                                        // the id's unused tail
    PutBytes(entry, 101, {1, 2, 3});                                         // padding after the id
    PutBytes(entry, 104, {51, 0, 0, 0});                                     // kind 51
    PutBytes(entry, 112, {6, 0, 0, 0});                                      // interval 6
    PutBytes(entry, 116, {0x00, 0x00, 0x00, 0x00, 0x68, 0xF9, 0xE5, 0x40});  // due 45003.25
    PutBytes(entry, 124, {0x00, 0x00, 0x00, 0x00, 0x00, 0xF9, 0xE5, 0x40});  // last update 45000
    PutBytes(entry, 132, {2, 0xC1, 0xC2, 0xC3});                             // index 2, then padding
    const std::string other = "\x05tek_1" + entry.substr(6);  // another exercise, not reported
    dir.Write("powt_qlr2_55", entry + other);

    RepetitionList list;
    LoadRepetitions(list, dir.Path() + "powt_qlr2_55", 45010.5);
    ASSERT_EQ(list.entries.size(), 2u);
    EXPECT_EQ(RecordRepetition(list, {}, 45010.5, 40, "zda_2", 51, 1, 0, 2), RepetitionChange::Rescheduled);
    SaveRepetitions(list);

    const std::string saved = dir.Read("powt_qlr2_55");
    ASSERT_EQ(saved.size(), 2 * 136u);
    std::string expected = entry;
    char fields[136];
    EncodeRepetition(list.entries[0], fields);
    for (size_t at = 112; at < 132; ++at) expected[at] = fields[at];  // interval, due, last update
    EXPECT_EQ(saved.substr(0, 136), expected);
    EXPECT_EQ(saved.substr(136), other);
    EXPECT_EQ(DecodeRepetition(saved.data()).Interval, 12);
}

TEST(RepetitionsFile, ADamagedFileIsCopiedBeforeItIsReplaced) {
    test::TempDir dir;
    std::string original(136 * 2 + 10, '\0');
    original[0] = 5;
    original.replace(1, 5, "tek_1");
    dir.Write("powt_qlr2_55", original);

    RepetitionList list;
    LoadRepetitions(list, dir.Path() + "powt_qlr2_55", 46365.5);
    EXPECT_EQ(list.entries.size(), 2u);
    EXPECT_EQ(list.file.state, LearnerFile::State::Damaged);
    EXPECT_EQ(dir.Read("powt_qlr2_55.damaged-2026-12-09"), original);
    SaveRepetitions(list);
    EXPECT_EQ(dir.Read("powt_qlr2_55").size(), 136u) << "the one named entry is kept, the empty slot dropped";
}

TEST(RepetitionsFile, MoreEntriesThanTheListHoldsAreKeptInACopy) {
    test::TempDir dir;
    RepetitionList big;
    big.file.path = dir.Path() + "powt_qlr2_55";
    for (size_t i = 0; i < kMaxRepetitions + 1; ++i) big.entries.push_back({"tek_" + std::to_string(i), 40, 0, 3, 1, 1, 1});
    SaveRepetitions(big);

    RepetitionList list;
    LoadRepetitions(list, big.file.path, 46365.5);
    EXPECT_EQ(list.entries.size(), kMaxRepetitions);
    EXPECT_EQ(list.file.fileRecords, kMaxRepetitions + 1);
    EXPECT_EQ(dir.Read("powt_qlr2_55.damaged-2026-12-09").size(), 136 * (kMaxRepetitions + 1));
}

TEST(RepetitionIndex, FollowsTheKindOfTheExercise) {
    EXPECT_EQ(RepetitionIndexFor(43, 4), 4);
    EXPECT_EQ(RepetitionIndexFor(52, 9), 3);
    EXPECT_EQ(RepetitionIndexFor(64, 9), 5);
    EXPECT_EQ(RepetitionIndexFor(73, 9), 3);
    EXPECT_EQ(RepetitionIndexFor(54, 9), 0);
    EXPECT_TRUE(KindReportsRepetition(74));
    EXPECT_FALSE(KindReportsRepetition(72));
    EXPECT_FALSE(KindReportsRepetition(56));
}

}  // namespace
}  // namespace quillan
