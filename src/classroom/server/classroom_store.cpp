#include "classroom/server/classroom_store.h"

#include "classroom/server/postgres_store.h"
#include "classroom/server/sqlite_store.h"

namespace quillan::classroom {

RecordOutcome RecordSentResult(LearnerRecords& records, const CW_Info& sent) {
    // Only records of the sent Kind and Key can match, so only their Ids are read; which of
    // them is the one is FindRecord's to say, as for the learner's own table.
    const std::vector<LearnerRecords::Candidate> candidates = records.WithKindAndKey(sent.Kind, sent.Key);
    ResultsTable table;
    table.records.resize(candidates.size());
    for (size_t i = 0; i < candidates.size(); ++i) {
        table.records[i].Id = candidates[i].id;
        table.records[i].Kind = sent.Kind;
        table.records[i].Key = sent.Key;
    }
    if (const CW_Info* match = FindRecord(table, sent.Id, sent.Kind, sent.Key)) {
        const std::int32_t position = candidates[match - table.records.data()].position;
        CW_Info stored = records.At(position);
        stored.LastDone = sent.LastDone;
        stored.TimeDone = sent.TimeDone;
        stored.Result = sent.Result;
        stored.DoneCount = sent.DoneCount;
        stored.Completed = sent.Completed;
        stored.LessonMode = sent.LessonMode;
        records.Replace(position, stored);
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
