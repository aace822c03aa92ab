#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "classroom/server/classroom_store.h"
#include "classroom/server/passwords.h"
#include "classroom/server/requests.h"
#include "classroom/server/worker_pools.h"

class QTcpSocket;

namespace quillan::classroom {

struct ServerOptions {
    QHostAddress address = QHostAddress::AnyIPv4;
    std::uint16_t port = kClassroomPort;  // 0: any free port
    size_t maxConnections = 256;          // connections beyond are closed at once
    size_t storeThreads = 16;             // connections to the database
    size_t hashThreads = 2;               // at most the number of cores
    std::chrono::milliseconds silenceLimit{10000};  // a client silent this long is dropped
    std::chrono::milliseconds requestLimit{60000};  // the whole request must arrive within this,
                                                    // and a client must read some of its reply
    bool logRequests = false;             // every request in the log, not only the problems
};

// The classroom server: one request per connection, served in the formats of the program's
// classroom protocol. Connections are read and answered on the thread of the event loop;
// database work runs on the store threads and password hashing on the hashing threads. What
// is refused or goes wrong is told on `log`, one line each.
class ClassroomServer : public QObject {
public:
    ClassroomServer(const ServerOptions& options, StoreFactory stores, std::ostream& log);
    ~ClassroomServer() override;

    // Starts listening. False with the reason in `error` when the address cannot be taken.
    bool Listen(std::string& error);
    QHostAddress Address() const { return listener_.serverAddress(); }
    std::uint16_t Port() const { return listener_.serverPort(); }

    // Stops taking connections and calls `stopped` once the requests under way are answered
    // (or after a few seconds).
    void Stop(std::function<void()> stopped);

private:
    struct Connection;
    using Id = std::uint64_t;

    void Accept();
    void Read(Id id);
    void Disconnected(Id id);
    void Sweep();
    void Drop(Connection& connection, const std::string& why);
    void Dispatch(Connection& connection);
    void Begin(Id id, std::shared_ptr<Request> request);
    void UploadDone(Id id);

    void Authenticate(Id id, std::shared_ptr<Request> request);
    void Authenticated(Id id, std::shared_ptr<Request> request, std::optional<Account> account, bool cached);
    void Verified(Id id, std::shared_ptr<Request> request, std::optional<Account> account, bool right);
    void Proceed(Id id, std::shared_ptr<Request> request, const Account& account);
    void ChangePassword(Id id, std::shared_ptr<Request> request, const Account& account);
    void Finish(Id id, const std::string& command, const Reply& reply);

    // Runs `work` on the event loop's thread.
    void OnLoop(std::function<void()> work);
    void Log(const std::string& peer, const std::string& text);

    ServerOptions options_;
    std::ostream& log_;
    QTcpServer listener_;
    QTimer sweep_;
    std::unordered_map<Id, std::unique_ptr<Connection>> connections_;
    Id nextId_ = 1;
    // An upload is stored after its client has closed, and the program asks its next request
    // at once. From the moment an upload's request line is read until it is stored (or
    // dropped), that learner's later requests wait for it, so that each sees what came before.
    struct UploadHold {
        std::vector<Id> uploads;  // in the order their lines came; the first one goes on
        std::vector<std::pair<Id, std::shared_ptr<Request>>> waiting;
    };
    std::unordered_map<std::string, UploadHold> holds_;  // by learner name
    std::unordered_map<Id, std::string> uploadsUnderWay_;  // upload -> learner
    std::function<void()> stopped_;
    std::chrono::steady_clock::time_point stopDeadline_{};

    CredentialCache credentials_;
    LoginThrottle throttle_;
    std::unique_ptr<StorePool> stores_;
    std::unique_ptr<WorkerPool> hashes_;
};

}  // namespace quillan::classroom
