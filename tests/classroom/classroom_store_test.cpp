// The server's storage, the same tests against SQLite and PostgreSQL.

#include "classroom/server/classroom_store.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "classroom/protocol.h"
#include "classroom/test_database.h"

namespace quillan::classroom {
namespace {

constexpr const char* kCourse = "qlr2_55";

class Store : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        database_ = std::make_unique<test::TestDatabase>(GetParam());
        if (!database_->Available()) GTEST_SKIP() << database_->Unavailable();
        factory_ = OpenStoreFactory(database_->Uri());
        store_ = factory_();
    }

    std::int64_t AddLearner(const std::string& name, AccountFlags flags = {}) {
        store_->AddUser(name, "$argon2id$hash-" + std::to_string(++learners_), flags);
        return store_->FindAccount(name, kCourse)->id;
    }

    std::unique_ptr<test::TestDatabase> database_;
    StoreFactory factory_;
    std::unique_ptr<ClassroomStore> store_;
    int learners_ = 0;
};

// A learner's table as the program builds it: records of several kinds, two of them alike.
ResultsTable LearnerTable(DayNumber now) {
    ResultsTable table;
    AppendRecord(table, now, "slo_1", "S0101", 61, 1);
    AppendRecord(table, now, "tek_3", "Tekst 3", 40, 2).Key = 2;
    AppendRecord(table, now, "tek_3", "Tekst 3", 41, 2).Key = 3;
    AppendRecord(table, now, "slo_1", "S0101 again", 61, 1);  // the same id, kind and key as the first
    AppendRecord(table, now, "dia_2", "Dialog", 70, 3);
    AppendRecord(table, now, "Otw_2500", "Wypracowanie", 90, 1);
    for (CW_Info& r : table.records) r.LessonCode = "D01";
    return table;
}

// The record as it travels with RCW: and as the server reads it.
CW_Info Sent(const CW_Info& record) {
    const std::string line = RecordResultRequest({"jan", "x", kCourse}, record);
    const std::vector<std::string> fields = ParseRequestLine(line.substr(0, line.size() - 2))->fields;
    return *ParseRecordFields({fields.begin() + 3, fields.end()});
}

TEST_P(Store, AccountsByTheirExactNameWithTheTeachersSettings) {
    const std::int64_t lucja = AddLearner("\xA3ucja", {true, true, false});
    AddLearner("\xB3ucja");
    const std::optional<Account> found = store_->FindAccount("\xA3ucja", kCourse);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->id, lucja);
    EXPECT_EQ(found->passwordHash, "$argon2id$hash-1");
    EXPECT_EQ(found->flags, (AccountFlags{true, true, false}));
    EXPECT_FALSE(found->hasResults);
    EXPECT_FALSE(store_->FindAccount("\xA3UCJA", kCourse));
    EXPECT_FALSE(store_->FindAccount("nobody", kCourse));
    EXPECT_THROW(store_->AddUser("\xA3ucja", "h", {}), StoreError);

    EXPECT_TRUE(store_->SetUserFlags("\xA3ucja", {false, false, true}));
    EXPECT_TRUE(store_->SetPasswordHash("\xA3ucja", "$argon2id$new"));
    EXPECT_FALSE(store_->SetUserFlags("nobody", {}));
    EXPECT_FALSE(store_->SetPasswordHash("nobody", "h"));
    const Account changed = *store_->FindAccount("\xA3ucja", kCourse);
    EXPECT_EQ(changed.flags, (AccountFlags{false, false, true}));
    EXPECT_EQ(changed.passwordHash, "$argon2id$new");
}

TEST_P(Store, APasswordHashIsReplacedOnlyWhileItIsTheOneChecked) {
    const std::int64_t jan = AddLearner("jan");
    EXPECT_TRUE(store_->ReplacePasswordHash(jan, "$argon2id$hash-1", "$argon2id$second"));
    EXPECT_FALSE(store_->ReplacePasswordHash(jan, "$argon2id$hash-1", "$argon2id$third"))
        << "changed meanwhile by someone else";
    EXPECT_EQ(store_->FindAccount("jan", kCourse)->passwordHash, "$argon2id$second");
}

TEST_P(Store, TheFirstUploadIsKeptAndNoLaterOneReplacesIt) {
    const std::int64_t jan = AddLearner("jan"), ewa = AddLearner("ewa");
    const ResultsTable table = LearnerTable(46000.5);
    const std::string bytes = EncodeResults(table.records);
    EXPECT_FALSE(store_->LoadResults(jan, kCourse));

    EXPECT_TRUE(store_->StoreFirstResults(jan, kCourse, bytes));
    EXPECT_TRUE(store_->FindAccount("jan", kCourse)->hasResults);
    EXPECT_FALSE(store_->FindAccount("jan", "qlr2_66")->hasResults) << "another course";
    EXPECT_FALSE(store_->FindAccount("ewa", kCourse)->hasResults);

    EXPECT_FALSE(store_->StoreFirstResults(jan, kCourse, EncodeResults({table.records[0]})));
    EXPECT_EQ(store_->LoadResults(jan, kCourse), bytes);
    EXPECT_FALSE(store_->LoadResults(ewa, kCourse));
    EXPECT_TRUE(store_->StoreFirstResults(jan, "qlr2_66", ""));
    EXPECT_EQ(store_->LoadResults(jan, "qlr2_66"), "");
}

TEST_P(Store, ARecordedResultLandsWhereTheProgramRecordedIt) {
    // The program records in its own table and sends the record; the server's copy of the
    // table must come out as the program's.
    const std::int64_t jan = AddLearner("jan");
    ResultsTable local = LearnerTable(46000.5);
    ASSERT_TRUE(store_->StoreFirstResults(jan, kCourse, EncodeResults(local.records)));

    struct Attempt {
        const char* id;
        int kind, key, percent;
        DayNumber now;
    };
    const Attempt attempts[] = {
        {"slo_1", 61, 0, 80, ToDayNumber({2026, 12, 9, 10, 0, 0})},   // the later of the two alike
        {"SLO_1", 61, 0, 90, ToDayNumber({2026, 12, 9, 11, 30, 5})},  // any letter case
        {"tek_3", 41, 3, 55, ToDayNumber({2026, 12, 10, 8, 0, 0})},
        {"tek_3", 40, 2, -4, ToDayNumber({2026, 12, 10, 9, 0, 0})},
        {"dia_2", 70, 0, 100, ToDayNumber({2026, 12, 11, 23, 59, 59})},
    };
    for (const Attempt& a : attempts) {
        const CW_Info* recorded = RecordExerciseResult(local, a.now, a.percent, a.id, a.kind, 1, a.key);
        ASSERT_TRUE(recorded) << a.id;
        EXPECT_EQ(store_->RecordResult(jan, kCourse, Sent(*recorded)), RecordOutcome::Updated) << a.id;
    }
    EXPECT_EQ(DecodeResults(*store_->LoadResults(jan, kCourse)), local.records);
    EXPECT_EQ(local.records[0].DoneCount, 0) << "the earlier of the two alike is never updated";
    EXPECT_EQ(local.records[3].DoneCount, 2);
}

TEST_P(Store, ARecordThatMatchesNoneIsAppendedUntilTheTableIsFull) {
    const std::int64_t jan = AddLearner("jan");
    ResultsTable local = LearnerTable(46000.5);
    ASSERT_TRUE(store_->StoreFirstResults(jan, kCourse, EncodeResults(local.records)));

    CW_Info open = local.records[5];  // "Otw_" records are matched by nobody
    open.DoneCount = 1;
    EXPECT_EQ(store_->RecordResult(jan, kCourse, open), RecordOutcome::Appended);
    CW_Info other = local.records[1];
    other.Key = 9;
    EXPECT_EQ(store_->RecordResult(jan, kCourse, other), RecordOutcome::Appended);
    std::vector<CW_Info> stored = DecodeResults(*store_->LoadResults(jan, kCourse));
    ASSERT_EQ(stored.size(), local.records.size() + 2);
    EXPECT_EQ(stored[6], open);
    EXPECT_EQ(stored[7], other);
    EXPECT_EQ(stored[5], local.records[5]);

    ResultsTable full;
    for (size_t i = 0; i < kMaxResults; ++i) AppendRecord(full, 46000, "slo_" + std::to_string(i), "S", 61, 1);
    const std::int64_t ewa = AddLearner("ewa");
    ASSERT_TRUE(store_->StoreFirstResults(ewa, kCourse, EncodeResults(full.records)));
    EXPECT_EQ(store_->RecordResult(ewa, kCourse, other), RecordOutcome::TableFull);
    CW_Info last = full.records.back();
    last.Result = 70;
    EXPECT_EQ(store_->RecordResult(ewa, kCourse, last), RecordOutcome::Updated) << "a full table still updates";
    EXPECT_EQ(store_->LoadResults(ewa, kCourse)->size(), kMaxResults * kCwInfoSize);
}

TEST_P(Store, NoResultIsKeptForALearnerWithoutAResultsFile) {
    const std::int64_t jan = AddLearner("jan");
    EXPECT_EQ(store_->RecordResult(jan, kCourse, LearnerTable(46000).records[0]), RecordOutcome::NoResults);
    EXPECT_FALSE(store_->LoadResults(jan, kCourse));
    EXPECT_FALSE(store_->FindAccount("jan", kCourse)->hasResults);
}

TEST_P(Store, ResultsRecordedAtOnceFromSeveralConnectionsAreAllKept) {
    const std::int64_t jan = AddLearner("jan");
    ASSERT_TRUE(store_->StoreFirstResults(jan, kCourse, ""));
    constexpr int kThreads = 3, kEach = 40;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([this, jan, t] {
            std::unique_ptr<ClassroomStore> own = factory_();
            for (int i = 0; i < kEach; ++i) {
                CW_Info r;
                r.Id = "tek_" + std::to_string(t * 1000 + i);
                r.Kind = 40;
                EXPECT_EQ(own->RecordResult(jan, kCourse, r), RecordOutcome::Appended);
            }
        });
    for (std::thread& thread : threads) thread.join();
    const std::vector<CW_Info> stored = DecodeResults(*store_->LoadResults(jan, kCourse));
    EXPECT_EQ(stored.size(), static_cast<size_t>(kThreads * kEach));
}

TEST_P(Store, WritesThatFailAmongOthersKeepNothingAndSpoilNothing) {
    const std::int64_t jan = AddLearner("jan");
    ASSERT_TRUE(store_->StoreFirstResults(jan, kCourse, ""));
    store_->AddLesson(1, {"1.fcs", "One", {}});
    std::atomic<int> refused{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            std::unique_ptr<ClassroomStore> own = factory_();
            for (int i = 0; i < 15; ++i) {
                CW_Info r;
                r.Id = "zda_" + std::to_string(t * 100 + i);
                r.Kind = 50;
                EXPECT_EQ(own->RecordResult(jan, kCourse, r), RecordOutcome::Appended);
                try {
                    own->AddLesson(1, {"1.fcs", "Again", {{2000 + i, "x"}}});  // taken: refused
                } catch (const StoreError&) {
                    ++refused;
                }
            }
        });
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(refused, 60);
    EXPECT_EQ(DecodeResults(*store_->LoadResults(jan, kCourse)).size(), 60u);
    std::vector<TeacherLesson> lessons;
    std::vector<Assignment> assignments;
    store_->Assign("jan", {1, {}, {}}, 46000);
    store_->OpenLessons(jan, 46001, lessons, assignments);
    ASSERT_EQ(lessons.size(), 1u);
    EXPECT_EQ(lessons[0].name, "One");
    EXPECT_TRUE(lessons[0].exercises.empty()) << "nothing of a refused lesson was kept";
}

TEST_P(Store, OpenLessonsAreThoseOfTheLearnersAssignmentsOpenNow) {
    AddLearner("jan");
    AddLearner("ewa");
    const std::int64_t jan = store_->FindAccount("jan", kCourse)->id;
    const TeacherLesson first{"5.fcs", "Pierwsza", {{2500, "Wypracowanie"}, {12, "Tekst"}, {2501, "List"}}};
    const TeacherLesson second{"6.fcs", "Druga", {}};
    const TeacherLesson later{"7.fcs", "Potem", {{2600, "x"}}};
    store_->AddLesson(5, first);
    store_->AddLesson(6, second);
    store_->AddLesson(7, later);
    EXPECT_THROW(store_->AddLesson(5, second), StoreError);
    EXPECT_THROW(store_->Assign("nobody", {5, {}, {}}, 46000), StoreError);
    EXPECT_THROW(store_->Assign("jan", {8, {}, {}}, 46000), StoreError);

    const DayNumber now = 46000.5;
    store_->Assign("jan", {5, {}, {}}, now - 3);             // at once, open-ended
    store_->Assign("jan", {6, now - 1, now + 1}, now);       // open now
    store_->Assign("jan", {7, now + 1, {}}, now);            // not yet
    store_->Assign("jan", {6, now - 10, now - 0.25}, now);   // over
    store_->Assign("jan", {5, {}, now + 0.1}, now);          // the same lesson again
    store_->Assign("ewa", {7, {}, {}}, now - 1);             // somebody else's

    std::vector<TeacherLesson> lessons;
    std::vector<Assignment> assignments;
    store_->OpenLessons(jan, now, lessons, assignments);
    EXPECT_EQ(lessons, (std::vector<TeacherLesson>{first, second}));
    EXPECT_EQ(assignments, (std::vector<Assignment>{{5, now - 3, true, 0}, {6, now - 1, false, now + 1},
                                                    {5, now, true, now + 0.1}}));

    const std::vector<UserSummary> users = store_->Users();
    ASSERT_EQ(users.size(), 2u);
    EXPECT_EQ(users[0].name, "ewa");
    EXPECT_EQ(users[1].assignments, 5);
}

INSTANTIATE_TEST_SUITE_P(Backends, Store, ::testing::ValuesIn(test::kBackends),
                         [](const auto& info) { return info.param; });

TEST(StoreFactory, ADatabaseThatCannotBeOpenedIsToldAtOnce) {
    EXPECT_THROW(OpenStoreFactory("/nonexistent-directory/classroom.db"), StoreError);
    EXPECT_THROW(OpenStoreFactory("postgresql:///nodb?host=/nonexistent-directory&connect_timeout=2"), StoreError);
    EXPECT_TRUE(IsPostgresUri("postgres://host/db"));
    EXPECT_FALSE(IsPostgresUri("/var/lib/quillan/postgresql://x"));
}

}  // namespace
}  // namespace quillan::classroom
