#include "classroom/server/sqlite_store.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

#include "classroom/server/stored_records.h"

namespace quillan::classroom {
namespace {

constexpr const char* kSchema = R"(
CREATE TABLE IF NOT EXISTS users(
  id INTEGER PRIMARY KEY,
  name BLOB NOT NULL UNIQUE,
  password_hash TEXT NOT NULL,
  whole_course INTEGER NOT NULL,
  access INTEGER NOT NULL,
  typing INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS results_files(
  user_id INTEGER NOT NULL REFERENCES users(id),
  course BLOB NOT NULL,
  PRIMARY KEY(user_id, course));
CREATE TABLE IF NOT EXISTS results(
  user_id INTEGER NOT NULL,
  course BLOB NOT NULL,
  position INTEGER NOT NULL,
  record_kind INTEGER NOT NULL,
  record_key INTEGER NOT NULL,
  record_id BLOB NOT NULL,
  record BLOB NOT NULL,
  PRIMARY KEY(user_id, course, position),
  FOREIGN KEY(user_id, course) REFERENCES results_files(user_id, course));
-- The Ids of a learner's records of one kind and key, read without the records.
CREATE INDEX IF NOT EXISTS results_by_kind ON results(user_id, course, record_kind, record_key, position, record_id);
CREATE TABLE IF NOT EXISTS lessons(
  number INTEGER PRIMARY KEY,
  file_name BLOB NOT NULL,
  name BLOB NOT NULL);
CREATE TABLE IF NOT EXISTS lesson_exercises(
  lesson INTEGER NOT NULL REFERENCES lessons(number),
  position INTEGER NOT NULL,
  reference INTEGER NOT NULL,
  name BLOB NOT NULL,
  PRIMARY KEY(lesson, position));
CREATE TABLE IF NOT EXISTS assignments(
  id INTEGER PRIMARY KEY,
  user_id INTEGER NOT NULL REFERENCES users(id),
  lesson INTEGER NOT NULL REFERENCES lessons(number),
  available_from REAL NOT NULL,
  at_once INTEGER NOT NULL,
  available_until REAL);
CREATE INDEX IF NOT EXISTS assignments_by_user ON assignments(user_id, id);
)";

class Connection;

// A prepared statement kept for the connection's life; Query resets it after each use.
class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) : db_(db) {
        if (sqlite3_prepare_v3(db, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &statement_, nullptr) != SQLITE_OK)
            throw StoreError(std::string("SQLite: ") + sqlite3_errmsg(db));
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* Get() const { return statement_; }
    sqlite3* Db() const { return db_; }

private:
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

// One use of a prepared statement: bind, step, read columns; reset when it goes.
class Query {
public:
    explicit Query(Statement& statement) : s_(statement.Get()), db_(statement.Db()) {}
    ~Query() {
        sqlite3_reset(s_);
        sqlite3_clear_bindings(s_);
    }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    Query& Int(int at, std::int64_t value) {
        Check(sqlite3_bind_int64(s_, at, value));
        return *this;
    }
    Query& Real(int at, double value) {
        Check(sqlite3_bind_double(s_, at, value));
        return *this;
    }
    Query& Null(int at) {
        Check(sqlite3_bind_null(s_, at));
        return *this;
    }
    Query& Blob(int at, std::string_view bytes) {
        Check(sqlite3_bind_blob64(s_, at, bytes.data(), bytes.size(), SQLITE_STATIC));
        return *this;
    }
    Query& Text(int at, std::string_view text) {
        Check(sqlite3_bind_text64(s_, at, text.data(), text.size(), SQLITE_STATIC, SQLITE_UTF8));
        return *this;
    }

    // True while a row is there.
    bool Step() {
        const int rc = sqlite3_step(s_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        throw StoreError(std::string("SQLite: ") + sqlite3_errmsg(db_));
    }
    void Run() {
        while (Step()) {
        }
    }

    std::int64_t IntAt(int column) const { return sqlite3_column_int64(s_, column); }
    double RealAt(int column) const { return sqlite3_column_double(s_, column); }
    bool IsNull(int column) const { return sqlite3_column_type(s_, column) == SQLITE_NULL; }
    std::string BytesAt(int column) const {
        const void* data = sqlite3_column_blob(s_, column);
        const int size = sqlite3_column_bytes(s_, column);
        return data ? std::string(static_cast<const char*>(data), size) : std::string();
    }

private:
    void Check(int rc) {
        if (rc != SQLITE_OK) throw StoreError(std::string("SQLite: ") + sqlite3_errmsg(db_));
    }
    sqlite3_stmt* s_;
    sqlite3* db_;
};

class Connection {
public:
    explicit Connection(const std::string& path) {
        const int rc = sqlite3_open_v2(path.c_str(), &db_,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
        if (rc != SQLITE_OK) {
            const std::string error = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
            sqlite3_close(db_);
            throw StoreError("cannot open the SQLite database " + path + ": " + error);
        }
        sqlite3_busy_timeout(db_, 10000);
        Exec("PRAGMA foreign_keys=ON; PRAGMA synchronous=FULL;");
    }
    ~Connection() {
        statements_.clear();
        sqlite3_close(db_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void Exec(const char* sql) {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string text = error ? error : sqlite3_errmsg(db_);
            sqlite3_free(error);
            throw StoreError("SQLite: " + text);
        }
    }

    Statement& Prepared(const std::string& sql) {
        auto it = statements_.find(sql);
        if (it == statements_.end()) it = statements_.emplace(sql, std::make_unique<Statement>(db_, sql)).first;
        return *it->second;
    }

    std::int64_t Changes() const { return sqlite3_changes64(db_); }
    bool InTransaction() const { return sqlite3_get_autocommit(db_) == 0; }

private:
    sqlite3* db_ = nullptr;
    std::map<std::string, std::unique_ptr<Statement>> statements_;
};

// The writes of every store of one file, made on a connection of their own by one thread: the
// writes waiting when a transaction begins all go into it, each in a savepoint of its own, so
// that a write that fails takes back only itself; everyone is answered after the commit. The
// disk is flushed once per transaction, not once per write, and no write waits in SQLite's
// retry sleeps for another of this process. The log of committed writes is copied into the
// file by a thread of its own, so that no write waits for that either.
class Writer {
public:
    using Write = std::function<void(Connection&)>;

    explicit Writer(std::string path)
        : path_(std::move(path)), thread_([this] { Serve(); }), checkpoints_([this] { Checkpoint(); }) {}
    ~Writer() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        stop_.notify_one();
        thread_.join();
        checkpoints_.join();
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    // Makes the write and returns once it is committed; throws what the write threw (nothing of
    // it kept) or why the transaction failed.
    void Run(const Write& write) {
        Job job{&write, nullptr, false};
        std::unique_lock lock(mutex_);
        queue_.push_back(&job);
        wake_.notify_one();
        done_.wait(lock, [&job] { return job.done; });
        if (job.error) std::rethrow_exception(job.error);
    }

private:
    struct Job {
        const Write* write;
        std::exception_ptr error;
        bool done = false;
    };
    static constexpr size_t kMostPerTransaction = 256;

    void Serve() {
        std::unique_ptr<Connection> c;
        for (;;) {
            std::vector<Job*> batch;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
                if (queue_.empty()) return;
                while (!queue_.empty() && batch.size() < kMostPerTransaction) {
                    batch.push_back(queue_.front());
                    queue_.pop_front();
                }
            }
            try {
                if (!c) {
                    c = std::make_unique<Connection>(path_);
                    // Each write reads the learner's records: the more of them stay in memory,
                    // the fewer are read again.
                    c->Exec("PRAGMA cache_size=-131072; PRAGMA wal_autocheckpoint=0");
                }
                Commit(*c, batch);
            } catch (...) {
                for (Job* job : batch)
                    if (!job->error) job->error = std::current_exception();
                c.reset();  // whatever is left of the transaction goes with the connection
            }
            {
                std::lock_guard lock(mutex_);
                for (Job* job : batch) job->done = true;
            }
            done_.notify_all();
        }
    }

    // Copies what the log holds into the file, as far as the readers let it, twice a second.
    void Checkpoint() {
        std::unique_ptr<Connection> c;
        std::unique_lock lock(mutex_);
        while (!stop_.wait_for(lock, std::chrono::milliseconds(500), [this] { return stopping_; })) {
            lock.unlock();
            try {
                if (!c) c = std::make_unique<Connection>(path_);
                c->Exec("PRAGMA wal_checkpoint(PASSIVE)");
            } catch (const StoreError&) {
                c.reset();  // tried again next time
            }
            lock.lock();
        }
    }

    static void Commit(Connection& c, const std::vector<Job*>& batch) {
        c.Exec("BEGIN IMMEDIATE");
        for (size_t i = 0; i < batch.size(); ++i) {
            try {
                c.Exec("SAVEPOINT write");
                (*batch[i]->write)(c);
                c.Exec("RELEASE write");
            } catch (...) {
                batch[i]->error = std::current_exception();
                if (!c.InTransaction()) {
                    // SQLite gave up the whole transaction: the writes before are gone with it
                    // and those after are not tried.
                    for (Job* job : batch)
                        if (!job->error) job->error = batch[i]->error;
                    return;
                }
                c.Exec("ROLLBACK TO write");
                c.Exec("RELEASE write");
            }
        }
        try {
            c.Exec("COMMIT");
        } catch (...) {
            if (c.InTransaction()) c.Exec("ROLLBACK");
            throw;
        }
    }

    std::string path_;
    std::mutex mutex_;
    std::condition_variable wake_, done_, stop_;
    std::deque<Job*> queue_;
    bool stopping_ = false;
    std::thread thread_, checkpoints_;
};

class SqliteRecords : public LearnerRecords {
public:
    SqliteRecords(Connection& c, std::int64_t user, std::string_view course) : c_(c), user_(user), course_(course) {}

    std::vector<Candidate> WithKindAndKey(int kind, int key) override {
        Query q(c_.Prepared("SELECT position, record_id FROM results WHERE user_id=?1 AND course=?2 "
                            "AND record_kind=?3 AND record_key=?4 ORDER BY position"));
        q.Int(1, user_).Blob(2, course_).Int(3, kind).Int(4, key);
        std::vector<Candidate> candidates;
        while (q.Step()) candidates.push_back({static_cast<std::int32_t>(q.IntAt(0)), q.BytesAt(1)});
        return candidates;
    }

    CW_Info At(std::int32_t position) override {
        Query q(c_.Prepared("SELECT record FROM results WHERE user_id=?1 AND course=?2 AND position=?3"));
        q.Int(1, user_).Blob(2, course_).Int(3, position);
        const std::string bytes = q.Step() ? q.BytesAt(0) : std::string();
        return RecordOfStoredBytes(bytes);
    }

    std::int32_t Count() override {
        Query q(c_.Prepared("SELECT count(*) FROM results WHERE user_id=?1 AND course=?2"));
        q.Int(1, user_).Blob(2, course_);
        q.Step();
        return static_cast<std::int32_t>(q.IntAt(0));
    }

    void Replace(std::int32_t position, const CW_Info& record) override {
        Query q(c_.Prepared("UPDATE results SET record=?4, record_kind=?5, record_key=?6, record_id=?7 "
                            "WHERE user_id=?1 AND course=?2 AND position=?3"));
        const std::string bytes = RecordBytes(record);
        q.Int(1, user_).Blob(2, course_).Int(3, position).Blob(4, bytes).Int(5, record.Kind).Int(6, record.Key);
        q.Blob(7, IdOf(record)).Run();
    }

    void Append(const CW_Info& record) override { Insert(Count(), record); }

    void Insert(std::int32_t position, const CW_Info& record) {
        Query q(c_.Prepared("INSERT INTO results(user_id, course, position, record_kind, record_key, record_id, "
                            "record) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)"));
        const std::string bytes = RecordBytes(record);
        q.Int(1, user_).Blob(2, course_).Int(3, position).Int(4, record.Kind).Int(5, record.Key);
        q.Blob(6, IdOf(record)).Blob(7, bytes).Run();
    }

private:
    Connection& c_;
    std::int64_t user_;
    std::string_view course_;
};

AccountFlags FlagsAt(const Query& q, int first) {
    return {q.IntAt(first) != 0, q.IntAt(first + 1) != 0, q.IntAt(first + 2) != 0};
}

std::optional<std::int64_t> UserId(Connection& c, std::string_view name) {
    Query q(c.Prepared("SELECT id FROM users WHERE name=?1"));
    q.Blob(1, name);
    if (!q.Step()) return std::nullopt;
    return q.IntAt(0);
}

bool LessonExists(Connection& c, std::int32_t number) {
    Query q(c.Prepared("SELECT 1 FROM lessons WHERE number=?1"));
    q.Int(1, number);
    return q.Step();
}

bool ResultsFileExists(Connection& c, std::int64_t user, std::string_view course) {
    Query q(c.Prepared("SELECT 1 FROM results_files WHERE user_id=?1 AND course=?2"));
    q.Int(1, user).Blob(2, course);
    return q.Step();
}

// Reads on the store's own connection; writes through the writer of the file.
class SqliteStore : public ClassroomStore {
public:
    SqliteStore(const std::string& path, std::shared_ptr<Writer> writer) : c_(path), writer_(std::move(writer)) {}

    std::optional<Account> FindAccount(std::string_view name, std::string_view course) override {
        Query q(c_.Prepared("SELECT id, password_hash, whole_course, access, typing, "
                            "EXISTS(SELECT 1 FROM results_files f WHERE f.user_id=users.id AND f.course=?2) "
                            "FROM users WHERE name=?1"));
        q.Blob(1, name).Blob(2, course);
        if (!q.Step()) return std::nullopt;
        return Account{q.IntAt(0), std::string(name), q.BytesAt(1), FlagsAt(q, 2), q.IntAt(5) != 0};
    }

    bool StoreFirstResults(std::int64_t user, std::string_view course, std::string_view records) override {
        bool stored = false;
        writer_->Run([&](Connection& c) {
            {
                Query q(c.Prepared("INSERT OR IGNORE INTO results_files(user_id, course) VALUES(?1, ?2)"));
                q.Int(1, user).Blob(2, course).Run();
            }
            if (c.Changes() == 0) return;
            SqliteRecords rows(c, user, course);
            const std::vector<CW_Info> decoded = DecodeResults(records);
            for (size_t i = 0; i < decoded.size(); ++i) rows.Insert(static_cast<std::int32_t>(i), decoded[i]);
            stored = true;
        });
        return stored;
    }

    std::optional<std::string> LoadResults(std::int64_t user, std::string_view course) override {
        // One read transaction, so that the records are those of the file found.
        c_.Exec("BEGIN");
        std::optional<std::string> bytes;
        try {
            if (ResultsFileExists(c_, user, course)) {
                Query q(c_.Prepared("SELECT record FROM results WHERE user_id=?1 AND course=?2 ORDER BY position"));
                q.Int(1, user).Blob(2, course);
                bytes.emplace();
                while (q.Step()) *bytes += q.BytesAt(0);
            }
        } catch (...) {
            c_.Exec("ROLLBACK");
            throw;
        }
        c_.Exec("COMMIT");
        return bytes;
    }

    RecordOutcome RecordResult(std::int64_t user, std::string_view course, const CW_Info& sent) override {
        RecordOutcome outcome = RecordOutcome::NoResults;
        writer_->Run([&](Connection& c) {
            if (!ResultsFileExists(c, user, course)) return;
            SqliteRecords rows(c, user, course);
            outcome = RecordSentResult(rows, sent);
        });
        return outcome;
    }

    bool ReplacePasswordHash(std::int64_t user, std::string_view expectedHash, std::string_view newHash) override {
        bool changed = false;
        writer_->Run([&](Connection& c) {
            Query q(c.Prepared("UPDATE users SET password_hash=?3 WHERE id=?1 AND password_hash=?2"));
            q.Int(1, user).Text(2, expectedHash).Text(3, newHash).Run();
            changed = c.Changes() == 1;
        });
        return changed;
    }

    void OpenLessons(std::int64_t user, DayNumber now, std::vector<TeacherLesson>& lessons,
                     std::vector<Assignment>& assignments) override {
        std::vector<std::int32_t> numbers;
        {
            Query q(c_.Prepared("SELECT lesson, available_from, at_once, available_until FROM assignments "
                                "WHERE user_id=?1 AND available_from<=?2 "
                                "AND (available_until IS NULL OR available_until>?2) ORDER BY id LIMIT ?3"));
            q.Int(1, user).Real(2, now).Int(3, kMaxAssignments);
            while (q.Step()) {
                Assignment a{static_cast<std::int32_t>(q.IntAt(0)), q.RealAt(1), q.IntAt(2) != 0,
                             q.IsNull(3) ? 0.0 : q.RealAt(3)};
                assignments.push_back(a);
                if (std::find(numbers.begin(), numbers.end(), a.lessonNumber) == numbers.end() &&
                    numbers.size() < kMaxLessons)
                    numbers.push_back(a.lessonNumber);
            }
        }
        for (std::int32_t number : numbers) {
            TeacherLesson lesson;
            {
                Query q(c_.Prepared("SELECT file_name, name FROM lessons WHERE number=?1"));
                q.Int(1, number);
                if (!q.Step()) continue;
                lesson.fileName = q.BytesAt(0);
                lesson.name = q.BytesAt(1);
            }
            Query q(c_.Prepared("SELECT reference, name FROM lesson_exercises WHERE lesson=?1 "
                                "ORDER BY position LIMIT ?2"));
            q.Int(1, number).Int(2, kMaxLessonExercises);
            while (q.Step()) lesson.exercises.push_back({static_cast<std::int32_t>(q.IntAt(0)), q.BytesAt(1)});
            lessons.push_back(std::move(lesson));
        }
    }

    void AddUser(std::string_view name, std::string_view passwordHash, const AccountFlags& flags) override {
        writer_->Run([&](Connection& c) {
            if (UserId(c, name)) throw StoreError("a learner of that name exists already");
            Query q(c.Prepared("INSERT INTO users(name, password_hash, whole_course, access, typing) "
                               "VALUES(?1, ?2, ?3, ?4, ?5)"));
            q.Blob(1, name).Text(2, passwordHash).Int(3, flags.wholeCourse).Int(4, flags.access);
            q.Int(5, flags.typing).Run();
        });
    }

    bool SetUserFlags(std::string_view name, const AccountFlags& flags) override {
        bool changed = false;
        writer_->Run([&](Connection& c) {
            Query q(c.Prepared("UPDATE users SET whole_course=?2, access=?3, typing=?4 WHERE name=?1"));
            q.Blob(1, name).Int(2, flags.wholeCourse).Int(3, flags.access).Int(4, flags.typing).Run();
            changed = c.Changes() == 1;
        });
        return changed;
    }

    bool SetPasswordHash(std::string_view name, std::string_view passwordHash) override {
        bool changed = false;
        writer_->Run([&](Connection& c) {
            Query q(c.Prepared("UPDATE users SET password_hash=?2 WHERE name=?1"));
            q.Blob(1, name).Text(2, passwordHash).Run();
            changed = c.Changes() == 1;
        });
        return changed;
    }

    std::vector<UserSummary> Users() override {
        Query q(c_.Prepared("SELECT name, whole_course, access, typing, "
                            "(SELECT count(*) FROM results_files f WHERE f.user_id=u.id), "
                            "(SELECT count(*) FROM results r WHERE r.user_id=u.id), "
                            "(SELECT count(*) FROM assignments a WHERE a.user_id=u.id) "
                            "FROM users u ORDER BY name"));
        std::vector<UserSummary> users;
        while (q.Step()) users.push_back({q.BytesAt(0), FlagsAt(q, 1), q.IntAt(4), q.IntAt(5), q.IntAt(6)});
        return users;
    }

    void AddLesson(std::int32_t number, const TeacherLesson& lesson) override {
        writer_->Run([&](Connection& c) {
            if (LessonExists(c, number)) throw StoreError("lesson " + std::to_string(number) + " exists already");
            {
                Query q(c.Prepared("INSERT INTO lessons(number, file_name, name) VALUES(?1, ?2, ?3)"));
                q.Int(1, number).Blob(2, lesson.fileName).Blob(3, lesson.name).Run();
            }
            for (size_t k = 0; k < lesson.exercises.size(); ++k) {
                Query q(c.Prepared("INSERT INTO lesson_exercises(lesson, position, reference, name) "
                                   "VALUES(?1, ?2, ?3, ?4)"));
                q.Int(1, number).Int(2, static_cast<std::int64_t>(k)).Int(3, lesson.exercises[k].reference);
                q.Blob(4, lesson.exercises[k].name).Run();
            }
        });
    }

    void Assign(std::string_view userName, const AssignmentPlan& plan, DayNumber now) override {
        writer_->Run([&](Connection& c) {
            const std::optional<std::int64_t> user = UserId(c, userName);
            if (!user) throw StoreError("no learner of that name");
            if (!LessonExists(c, plan.lessonNumber)) throw StoreError("no lesson " + std::to_string(plan.lessonNumber));
            Query q(c.Prepared("INSERT INTO assignments(user_id, lesson, available_from, at_once, available_until) "
                               "VALUES(?1, ?2, ?3, ?4, ?5)"));
            q.Int(1, *user).Int(2, plan.lessonNumber).Real(3, plan.from.value_or(now)).Int(4, plan.from ? 0 : 1);
            if (plan.until)
                q.Real(5, *plan.until);
            else
                q.Null(5);
            q.Run();
        });
    }

private:
    Connection c_;
    std::shared_ptr<Writer> writer_;
};

}  // namespace

StoreFactory SqliteStoreFactory(const std::string& path) {
    {
        Connection setup(path);
        setup.Exec("PRAGMA journal_mode=WAL");
        setup.Exec("BEGIN IMMEDIATE");
        setup.Exec(kSchema);
        setup.Exec("COMMIT");
    }
    auto writer = std::make_shared<Writer>(path);
    return [path, writer]() -> std::unique_ptr<ClassroomStore> { return std::make_unique<SqliteStore>(path, writer); };
}

}  // namespace quillan::classroom
