// Password hashes, the memory of verified passwords and the slowing down of wrong ones.

#include "classroom/server/passwords.h"

#include <gtest/gtest.h>

namespace quillan::classroom {
namespace {

using namespace std::chrono_literals;

TEST(Passwords, KeptOnlyAsArgon2idHashes) {
    const std::string hash = HashPassword("z\xB3oto");
    EXPECT_TRUE(hash.starts_with("$argon2id$")) << hash;
    EXPECT_EQ(hash.find("z\xB3oto"), std::string::npos);
    EXPECT_NE(HashPassword("z\xB3oto"), hash) << "salted";
    EXPECT_TRUE(VerifyPassword(hash, "z\xB3oto"));
    EXPECT_FALSE(VerifyPassword(hash, "zloto"));
    EXPECT_FALSE(VerifyPassword("not a hash", "z\xB3oto"));
    EXPECT_FALSE(VerifyAgainstNobody("z\xB3oto"));
}

TEST(CredentialCache, RemembersAPasswordForTheLearnerAndTheStoredHashItWasCheckedAgainst) {
    CredentialCache cache;
    cache.Remember(7, "$argon2id$first", "tajne");
    EXPECT_TRUE(cache.Matches(7, "$argon2id$first", "tajne"));
    EXPECT_FALSE(cache.Matches(7, "$argon2id$first", "tajnE"));
    EXPECT_FALSE(cache.Matches(7, "$argon2id$second", "tajne")) << "the password was changed";
    EXPECT_FALSE(cache.Matches(8, "$argon2id$first", "tajne")) << "another learner";

    CredentialCache small(2);
    small.Remember(1, "h", "a");
    small.Remember(2, "h", "b");
    small.Remember(3, "h", "c");
    EXPECT_TRUE(small.Matches(3, "h", "c"));
    EXPECT_FALSE(small.Matches(1, "h", "a")) << "a full memory starts again";
}

TEST(LoginThrottle, WaitsGrowAfterTheThirdWrongPasswordUpToEightSeconds) {
    const std::pair<int, std::chrono::seconds> delays[] = {{0, 0s}, {1, 0s}, {2, 0s}, {3, 1s},  {4, 2s},
                                                           {5, 4s}, {6, 8s}, {7, 8s}, {8, 8s}, {50, 8s}};
    for (const auto& [failures, delay] : delays) EXPECT_EQ(LoginThrottle::DelayAfter(failures), delay) << failures;
}

// A throttle whose delayed work waits in a list until the test runs it.
struct ThrottleRun {
    std::vector<std::pair<LoginThrottle::Clock::duration, std::function<void()>>> delayed;
    std::vector<std::string> started;
    LoginThrottle throttle{[this](LoginThrottle::Clock::duration d, std::function<void()> work) {
        delayed.emplace_back(d, std::move(work));
    }};
    LoginThrottle::Clock::time_point now{};

    void Try(const std::string& name, const std::string& tag) {
        throttle.Enqueue(name, [this, tag] { started.push_back(tag); }, now);
    }
};

TEST(LoginThrottle, OneCheckAtATimePerNameAndWrongOnesDelayTheNext) {
    ThrottleRun run;
    run.Try("jan", "j1");
    run.Try("jan", "j2");
    run.Try("ewa", "e1");
    EXPECT_EQ(run.started, (std::vector<std::string>{"j1", "e1"})) << "j2 waits for j1";
    for (int i = 0; i < 2; ++i) {
        run.throttle.Finished("jan", false, run.now);  // j1, then j2 wrong
        if (i == 0) {
            EXPECT_EQ(run.started.back(), "j2");
        }
    }
    run.Try("jan", "j3");
    run.throttle.Finished("jan", false, run.now);  // the third wrong one
    EXPECT_TRUE(run.delayed.empty());
    run.Try("jan", "j4");
    ASSERT_EQ(run.delayed.size(), 1u);
    EXPECT_EQ(run.delayed[0].first, 1s);
    EXPECT_EQ(run.started.back(), "j3");
    run.delayed[0].second();
    EXPECT_EQ(run.started.back(), "j4");
    run.throttle.Finished("jan", true, run.now);
    run.throttle.Finished("ewa", true, run.now);
    EXPECT_EQ(run.throttle.Tracked(), 0u) << "right passwords leave nothing behind";
    run.Try("jan", "j5");
    EXPECT_EQ(run.started.back(), "j5");
    EXPECT_EQ(run.delayed.size(), 1u);
}

TEST(LoginThrottle, WrongPasswordsAreForgottenAfterAnHour) {
    ThrottleRun run;
    for (int i = 0; i < 5; ++i) {
        run.Try("jan", "j");
        if (!run.delayed.empty()) {
            run.delayed.back().second();
            run.delayed.clear();
        }
        run.throttle.Finished("jan", false, run.now);
    }
    run.now += 2h;
    run.Try("jan", "later");
    EXPECT_TRUE(run.delayed.empty());
    run.throttle.Finished("jan", false, run.now);
    run.Try("jan", "next");
    EXPECT_TRUE(run.delayed.empty()) << "counted from one again";
}

}  // namespace
}  // namespace quillan::classroom
