#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "classroom/classroom_records.h"
#include "platform/day_date.h"
#include "progress/results_store.h"

namespace quillan::classroom {

// What the classroom server keeps: learners with their password hashes and the teacher's
// settings, each learner's results file per course as its 548-byte records, the teacher's
// lessons and their assignments to learners. Names, course names and every text that travels
// on the wire are kept as the Windows-1250 bytes they are.
//
// Every operation that changes something is atomic and durable: when it returns, the change is
// committed (flushed to the disk); when it throws, nothing of it is kept. One store object is
// one connection to the database and is used by one thread at a time.

struct AccountFlags {
    bool wholeCourse = false;  // may work on the whole course without lessons
    bool access = true;        // may use the program at all
    bool typing = true;        // the typing exercises of the text packages are open

    bool operator==(const AccountFlags&) const = default;
};

// A learner as a request sees it, read with one indexed query.
struct Account {
    std::int64_t id = 0;
    std::string name;
    std::string passwordHash;  // crypto_pwhash_str text
    AccountFlags flags;
    bool hasResults = false;   // a results file is stored for the course asked about
};

struct UserSummary {
    std::string name;
    AccountFlags flags;
    std::int64_t resultsFiles = 0;
    std::int64_t records = 0;
    std::int64_t assignments = 0;
};

// An assignment as the teacher made it: no start means at once, no end means open-ended.
struct AssignmentPlan {
    std::int32_t lessonNumber = 0;
    std::optional<DayNumber> from;
    std::optional<DayNumber> until;
};

// What a recorded result did to the learner's table.
enum class RecordOutcome {
    Updated,    // the matching record took the attempt
    Appended,   // no record matched; the record was added at the end
    NoResults,  // the learner has no results file for the course: nothing kept
    TableFull,  // no record matched and the table holds the most records it may
};

// A store fault (the database unreachable, a constraint broken); the text says what.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The records of one learner's results file inside a write transaction, as the recording of a
// result needs them.
class LearnerRecords {
public:
    struct Candidate {
        std::int32_t position = 0;  // 0-based place in the file
        std::string id;             // the record's Id
    };
    virtual ~LearnerRecords() = default;
    // The records whose Kind and Key are those given, in file order.
    virtual std::vector<Candidate> WithKindAndKey(int kind, int key) = 0;
    virtual CW_Info At(std::int32_t position) = 0;
    virtual std::int32_t Count() = 0;
    virtual void Replace(std::int32_t position, const CW_Info& record) = 0;
    virtual void Append(const CW_Info& record) = 0;
};

// Records a result sent by a learner's program in the learner's table: the record that
// RecordExerciseResult would update (FindRecord) takes the attempt (date, time, result, count,
// completed, lesson mode as sent); without one the sent record is appended, unless the table
// is full.
RecordOutcome RecordSentResult(LearnerRecords& records, const CW_Info& sent);

class ClassroomStore {
public:
    virtual ~ClassroomStore() = default;

    // ---- What the requests do ----

    // The learner of that name with whether results are stored for `course`; nothing when
    // there is no such learner.
    virtual std::optional<Account> FindAccount(std::string_view name, std::string_view course) = 0;
    // Stores an uploaded results file (whole records) as the learner's first one for the
    // course. False, with nothing changed, when one is stored already.
    virtual bool StoreFirstResults(std::int64_t user, std::string_view course, std::string_view records) = 0;
    // The learner's results file, records in order; nothing when none is stored.
    virtual std::optional<std::string> LoadResults(std::int64_t user, std::string_view course) = 0;
    virtual RecordOutcome RecordResult(std::int64_t user, std::string_view course, const CW_Info& sent) = 0;
    // Replaces the password hash only while it is still `expectedHash` (another process may
    // have changed it meanwhile). False when it was not.
    virtual bool ReplacePasswordHash(std::int64_t user, std::string_view expectedHash, std::string_view newHash) = 0;
    // The lessons of the learner's assignments that are open at `now` and those assignments,
    // each at most as many as the program takes.
    virtual void OpenLessons(std::int64_t user, DayNumber now, std::vector<TeacherLesson>& lessons,
                             std::vector<Assignment>& assignments) = 0;

    // ---- Administration ----

    // Throws StoreError when the name is taken.
    virtual void AddUser(std::string_view name, std::string_view passwordHash, const AccountFlags& flags) = 0;
    // False when there is no such learner.
    virtual bool SetUserFlags(std::string_view name, const AccountFlags& flags) = 0;
    virtual bool SetPasswordHash(std::string_view name, std::string_view passwordHash) = 0;
    virtual std::vector<UserSummary> Users() = 0;
    // Throws StoreError when the lesson number is taken.
    virtual void AddLesson(std::int32_t number, const TeacherLesson& lesson) = 0;
    // Throws StoreError when the learner or the lesson does not exist.
    virtual void Assign(std::string_view userName, const AssignmentPlan& plan, DayNumber now) = 0;

    // True when the connection to the database is lost; the store is then replaced.
    virtual bool Broken() const { return false; }
};

using StoreFactory = std::function<std::unique_ptr<ClassroomStore>()>;

// The store named by `database`: a "postgresql://" or "postgres://" connection URI selects
// PostgreSQL, anything else is the path of an SQLite file (made when missing). The tables are
// made when missing before the factory returns. Every store the factory makes is a new
// connection to the same database. Throws StoreError when the database cannot be opened.
StoreFactory OpenStoreFactory(const std::string& database);

bool IsPostgresUri(std::string_view database);

}  // namespace quillan::classroom
