#include "classroom/server/worker_pools.h"

#include <sys/resource.h>
#include <unistd.h>

namespace quillan::classroom {
namespace {

// Stands in for a connection that could not be made.
class UnavailableStore : public ClassroomStore {
public:
    explicit UnavailableStore(std::string error) : error_(std::move(error)) {}

    std::optional<Account> FindAccount(std::string_view, std::string_view) override { Fail(); }
    bool StoreFirstResults(std::int64_t, std::string_view, std::string_view) override { Fail(); }
    std::optional<std::string> LoadResults(std::int64_t, std::string_view) override { Fail(); }
    RecordOutcome RecordResult(std::int64_t, std::string_view, const CW_Info&) override { Fail(); }
    bool ReplacePasswordHash(std::int64_t, std::string_view, std::string_view) override { Fail(); }
    void OpenLessons(std::int64_t, DayNumber, std::vector<TeacherLesson>&, std::vector<Assignment>&) override {
        Fail();
    }
    void AddUser(std::string_view, std::string_view, const AccountFlags&) override { Fail(); }
    bool SetUserFlags(std::string_view, const AccountFlags&) override { Fail(); }
    bool SetPasswordHash(std::string_view, std::string_view) override { Fail(); }
    std::vector<UserSummary> Users() override { Fail(); }
    void AddLesson(std::int32_t, const TeacherLesson&) override { Fail(); }
    void Assign(std::string_view, const AssignmentPlan&, DayNumber) override { Fail(); }
    bool Broken() const override { return true; }

private:
    [[noreturn]] void Fail() { throw StoreError(error_); }
    std::string error_;
};

}  // namespace

WorkerPool::WorkerPool(size_t threads, int niceness) {
    for (size_t i = 0; i < threads; ++i)
        threads_.emplace_back([this, niceness] {
            if (niceness > 0) setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), niceness);  // this thread only
            while (std::optional<std::function<void()>> work = queue_.Take()) (*work)();
        });
}

WorkerPool::~WorkerPool() {
    queue_.Stop();
    for (std::thread& thread : threads_) thread.join();
}

StorePool::StorePool(size_t threads, StoreFactory factory) : factory_(std::move(factory)) {
    for (size_t i = 0; i < threads; ++i) threads_.emplace_back([this] { Serve(); });
}

StorePool::~StorePool() {
    queue_.Stop();
    for (std::thread& thread : threads_) thread.join();
}

void StorePool::Serve() {
    std::unique_ptr<ClassroomStore> store;
    while (std::optional<std::function<void(ClassroomStore&)>> work = queue_.Take()) {
        if (!store || store->Broken()) {
            try {
                store = factory_();
            } catch (const std::exception& e) {
                store = std::make_unique<UnavailableStore>(e.what());
            }
        }
        (*work)(*store);
    }
}

}  // namespace quillan::classroom
