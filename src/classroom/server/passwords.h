#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quillan::classroom {

// Passwords are kept only as argon2id hashes in libsodium's string form (algorithm, limits and
// salt inside). Hashing is slow on purpose; the server does it on its hashing threads only.
std::string HashPassword(std::string_view password);
bool VerifyPassword(const std::string& hash, std::string_view password);
// Costs as much as checking a real hash, for names nobody has, so that the answer's timing
// does not tell which names exist. Always false.
bool VerifyAgainstNobody(std::string_view password);

// Passwords already verified in this process, so that the requests after a login need no
// hashing. An entry is keyed on the learner and the stored hash it was verified against, so a
// changed password (from any process) no longer matches; it holds a keyed hash of the
// password under a key made at start, never the password. Safe to use from any thread.
class CredentialCache {
public:
    explicit CredentialCache(size_t capacity = 100000);
    bool Matches(std::int64_t user, const std::string& storedHash, std::string_view password) const;
    void Remember(std::int64_t user, const std::string& storedHash, std::string_view password);

private:
    using Digest = std::array<unsigned char, 32>;
    Digest Keyed(std::int64_t user, const std::string& storedHash, std::string_view password) const;

    std::array<unsigned char, 32> key_;
    size_t capacity_;
    mutable std::mutex mutex_;
    std::map<std::pair<std::int64_t, std::string>, Digest> entries_;
};

// Slows down the logins of a name after wrong passwords: one verification at a time per name,
// and after the third wrong password in a row each further one waits 1 s, 2 s, 4 s, then 8 s
// after the last. The longest wait stays well under the time the program waits for a reply, so
// that the learner who types the right password at last is logged in, not told the server is
// gone. A right password clears the name. The owner supplies the clock and the way to run
// something later (its event loop); the throttle itself is used from one thread.
class LoginThrottle {
public:
    using Clock = std::chrono::steady_clock;
    using Schedule = std::function<void(Clock::duration delay, std::function<void()> work)>;

    explicit LoginThrottle(Schedule schedule) : schedule_(std::move(schedule)) {}

    // Runs `verify` for the name when its turn comes; `verify` must end with Finished.
    void Enqueue(const std::string& name, std::function<void()> verify, Clock::time_point now);
    void Finished(const std::string& name, bool passwordRight, Clock::time_point now);

    static constexpr std::chrono::seconds kLongestDelay{8};

    // The wait before the next verification after `failures` wrong passwords in a row.
    static Clock::duration DelayAfter(int failures);
    size_t Tracked() const { return entries_.size(); }

private:
    struct Entry {
        int failures = 0;
        Clock::time_point nextAllowed{};
        bool busy = false;
        std::deque<std::function<void()>> waiting;
    };
    void Start(Entry& entry, std::function<void()> verify, Clock::time_point now);
    void Forget(Clock::time_point now);

    Schedule schedule_;
    std::unordered_map<std::string, Entry> entries_;
};

}  // namespace quillan::classroom
