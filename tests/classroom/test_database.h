#pragma once

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace quillan::classroom::test {

// The stores the tests run against: "sqlite" always, "postgresql" when QUILLAN_TEST_PG names a
// reachable server (scripts/test starts one).
inline const std::vector<std::string> kBackends{"sqlite", "postgresql"};

// A fresh, empty database of one backend, gone with the object: an SQLite file in a temporary
// directory, or a schema of its own on the PostgreSQL server.
class TestDatabase {
public:
    explicit TestDatabase(const std::string& backend);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // False (with the reason) when the backend cannot be had here: the test is then skipped.
    bool Available() const { return !uri_.empty(); }
    const std::string& Unavailable() const { return why_; }
    // What --db takes.
    const std::string& Uri() const { return uri_; }
    const std::string& Dir() const { return dir_.Path(); }

private:
    quillan::test::TempDir dir_;
    std::string uri_, why_, server_, schema_;
};

}  // namespace quillan::classroom::test
