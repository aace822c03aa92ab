#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "classroom/server/classroom_store.h"

namespace quillan::classroom {

// Work waiting for a pool's threads, taken in order of posting.
template <typename Work>
class WorkQueue {
public:
    void Post(Work work) {
        {
            std::lock_guard lock(mutex_);
            queue_.push_back(std::move(work));
        }
        ready_.notify_one();
    }
    // The next work; nothing once the queue is stopped and empty.
    std::optional<Work> Take() {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty()) return std::nullopt;
        Work work = std::move(queue_.front());
        queue_.pop_front();
        return work;
    }
    // Work not yet taken is dropped: whoever waited for it is gone with the pool.
    void Stop() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
            queue_.clear();
        }
        ready_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Work> queue_;
    bool stopping_ = false;
};

// Threads that run posted work. The destructor lets the work under way finish, drops the work
// not yet begun and joins the threads. With a niceness above 0 the threads give way to the
// other threads of the process when the processors are busy.
class WorkerPool {
public:
    explicit WorkerPool(size_t threads, int niceness = 0);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    void Post(std::function<void()> work) { queue_.Post(std::move(work)); }

private:
    WorkQueue<std::function<void()>> queue_;
    std::vector<std::thread> threads_;
};

// Threads each holding its own connection to the store, made on the thread's first work and
// made again after it broke. When no connection can be made the work gets a store whose every
// operation throws the connection's error. Stops as WorkerPool does.
class StorePool {
public:
    StorePool(size_t threads, StoreFactory factory);
    ~StorePool();
    StorePool(const StorePool&) = delete;
    StorePool& operator=(const StorePool&) = delete;

    void Post(std::function<void(ClassroomStore&)> work) { queue_.Post(std::move(work)); }

private:
    void Serve();

    StoreFactory factory_;
    WorkQueue<std::function<void(ClassroomStore&)>> queue_;
    std::vector<std::thread> threads_;
};

}  // namespace quillan::classroom
