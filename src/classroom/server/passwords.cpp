#include "classroom/server/passwords.h"

#include <sodium.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <stdexcept>

namespace quillan::classroom {
namespace {

void EnsureSodium() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (sodium_init() < 0) throw std::runtime_error("libsodium cannot start");
    });
}

// Wrong passwords of a name are forgotten this long after the last one.
constexpr auto kForgetAfter = std::chrono::hours(1);
// Names beyond this many make the throttle drop the ones it no longer needs.
constexpr size_t kMaxTracked = 10000;

}  // namespace

std::string HashPassword(std::string_view password) {
    EnsureSodium();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw std::runtime_error("out of memory while hashing a password");
    return hash;
}

bool VerifyPassword(const std::string& hash, std::string_view password) {
    EnsureSodium();
    return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}

bool VerifyAgainstNobody(std::string_view password) {
    static const std::string nobody = [] {
        EnsureSodium();
        unsigned char secret[32];
        randombytes_buf(secret, sizeof secret);
        return HashPassword(std::string_view(reinterpret_cast<const char*>(secret), sizeof secret));
    }();
    VerifyPassword(nobody, password);
    return false;
}

CredentialCache::CredentialCache(size_t capacity) : capacity_(capacity) {
    EnsureSodium();
    crypto_generichash_keygen(key_.data());
}

CredentialCache::Digest CredentialCache::Keyed(std::int64_t user, const std::string& storedHash,
                                               std::string_view password) const {
    crypto_generichash_state state;
    crypto_generichash_init(&state, key_.data(), key_.size(), sizeof(Digest));
    unsigned char head[16];
    std::memcpy(head, &user, 8);
    const std::uint64_t hashLength = storedHash.size();
    std::memcpy(head + 8, &hashLength, 8);
    crypto_generichash_update(&state, head, sizeof head);
    crypto_generichash_update(&state, reinterpret_cast<const unsigned char*>(storedHash.data()), storedHash.size());
    crypto_generichash_update(&state, reinterpret_cast<const unsigned char*>(password.data()), password.size());
    Digest digest;
    crypto_generichash_final(&state, digest.data(), digest.size());
    return digest;
}

bool CredentialCache::Matches(std::int64_t user, const std::string& storedHash, std::string_view password) const {
    const Digest wanted = Keyed(user, storedHash, password);
    std::lock_guard lock(mutex_);
    auto it = entries_.find({user, storedHash});
    return it != entries_.end() && sodium_memcmp(it->second.data(), wanted.data(), wanted.size()) == 0;
}

void CredentialCache::Remember(std::int64_t user, const std::string& storedHash, std::string_view password) {
    const Digest digest = Keyed(user, storedHash, password);
    std::lock_guard lock(mutex_);
    if (entries_.size() >= capacity_) entries_.clear();
    entries_[{user, storedHash}] = digest;
}

LoginThrottle::Clock::duration LoginThrottle::DelayAfter(int failures) {
    if (failures < 3) return Clock::duration::zero();
    const int doublings = std::min(failures - 3, 5);
    return std::min<Clock::duration>(std::chrono::seconds(1 << doublings), kLongestDelay);
}

void LoginThrottle::Enqueue(const std::string& name, std::function<void()> verify, Clock::time_point now) {
    if (entries_.size() > kMaxTracked) Forget(now);
    Entry& entry = entries_[name];
    if (entry.busy) {
        entry.waiting.push_back(std::move(verify));
        return;
    }
    if (entry.failures > 0 && now - entry.nextAllowed > kForgetAfter) entry.failures = 0;
    Start(entry, std::move(verify), now);
}

void LoginThrottle::Start(Entry& entry, std::function<void()> verify, Clock::time_point now) {
    entry.busy = true;
    if (entry.nextAllowed > now)
        schedule_(entry.nextAllowed - now, std::move(verify));
    else
        verify();  // may finish at once: nothing of `entry` is touched after it
}

void LoginThrottle::Finished(const std::string& name, bool passwordRight, Clock::time_point now) {
    auto it = entries_.find(name);
    if (it == entries_.end()) return;
    Entry& entry = it->second;
    entry.busy = false;
    if (passwordRight) {
        entry.failures = 0;
        entry.nextAllowed = now;
    } else {
        ++entry.failures;
        entry.nextAllowed = now + DelayAfter(entry.failures);
    }
    if (!entry.waiting.empty()) {
        std::function<void()> next = std::move(entry.waiting.front());
        entry.waiting.pop_front();
        Start(entry, std::move(next), now);
        return;
    }
    if (entry.failures == 0) entries_.erase(it);
}

void LoginThrottle::Forget(Clock::time_point now) {
    std::erase_if(entries_, [now](const auto& item) {
        const Entry& e = item.second;
        return !e.busy && e.waiting.empty() && now - e.nextAllowed > kForgetAfter;
    });
}

}  // namespace quillan::classroom
