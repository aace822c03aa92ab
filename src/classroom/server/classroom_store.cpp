#include "classroom/server/classroom_store.h"

#include "classroom/server/postgres_store.h"
#include "classroom/server/sqlite_store.h"

namespace quillan::classroom {

RecordOutcome RecordSentResult(LearnerRecords& records, const CW_Info& sent) {
    // Only records of the sent Kind and Key can match, so only they are read; which of them is
    // the one is FindRecord's to say, as for the learner's own table.
    std::vector<LearnerRecords::Stored> candidates = records.WithKindAndKey(sent.Kind, sent.Key);
    ResultsTable table;
    table.records.reserve(candidates.size());
    for (const LearnerRecords::Stored& stored : candidates) table.records.push_back(stored.record);
    if (CW_Info* match = FindRecord(table, sent.Id, sent.Kind, sent.Key)) {
        match->LastDone = sent.LastDone;
        match->TimeDone = sent.TimeDone;
        match->Result = sent.Result;
        match->DoneCount = sent.DoneCount;
        match->Completed = sent.Completed;
        match->LessonMode = sent.LessonMode;
        records.Replace(candidates[match - table.records.data()].position, *match);
        return RecordOutcome::Updated;
    }
    if (static_cast<size_t>(records.Count()) >= kMaxResults) return RecordOutcome::TableFull;
    records.Append(sent);
    return RecordOutcome::Appended;
}

bool IsPostgresUri(std::string_view database) {
    return database.starts_with("postgresql://") || database.starts_with("postgres://");
}

StoreFactory OpenStoreFactory(const std::string& database) {
    return IsPostgresUri(database) ? PostgresStoreFactory(database) : SqliteStoreFactory(database);
}

}  // namespace quillan::classroom
