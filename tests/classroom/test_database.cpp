#include "classroom/test_database.h"

#include <libpq-fe.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>

namespace quillan::classroom::test {
namespace {

// Runs one statement; the error text, or empty.
std::string Execute(const std::string& server, const std::string& sql) {
    PGconn* c = PQconnectdb(server.c_str());
    std::string error;
    if (PQstatus(c) != CONNECTION_OK) {
        error = PQerrorMessage(c);
    } else {
        PGresult* r = PQexec(c, sql.c_str());
        if (PQresultStatus(r) != PGRES_COMMAND_OK) error = PQresultErrorMessage(r);
        PQclear(r);
    }
    PQfinish(c);
    return error;
}

}  // namespace

TestDatabase::TestDatabase(const std::string& backend) {
    if (backend == "sqlite") {
        uri_ = dir_.Path() + "classroom.db";
        return;
    }
    const char* server = std::getenv("QUILLAN_TEST_PG");
    if (!server || !*server) {
        why_ = "QUILLAN_TEST_PG names no PostgreSQL server";
        return;
    }
    static std::atomic<int> counter{0};
    const std::string schema = "quillan_test_" + std::to_string(getpid()) + "_" + std::to_string(counter++);
    if (const std::string error = Execute(server, "CREATE SCHEMA " + schema); !error.empty()) {
        why_ = "PostgreSQL unreachable: " + error;
        return;
    }
    server_ = server;
    schema_ = schema;
    uri_ = server_ + (server_.find('?') == std::string::npos ? "?" : "&") + "options=-csearch_path%3D" + schema;
}

TestDatabase::~TestDatabase() {
    if (!schema_.empty()) Execute(server_, "SET client_min_messages TO warning; DROP SCHEMA " + schema_ + " CASCADE");
}

}  // namespace quillan::classroom::test
