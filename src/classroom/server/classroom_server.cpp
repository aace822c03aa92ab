#include "classroom/server/classroom_server.h"

#include <QTcpSocket>

#include <algorithm>
#include <thread>

#include "platform/cp1250.h"
#include "platform/day_date.h"
#include "platform/system_clock.h"

namespace quillan::classroom {
namespace {

using SteadyClock = std::chrono::steady_clock;

// How long a stop waits for the requests under way.
constexpr auto kStopGrace = std::chrono::seconds(5);

}  // namespace

struct ClassroomServer::Connection {
    enum class State { ReadingLine, ReadingUpload, Working, Replying };

    Id id = 0;
    QTcpSocket* socket = nullptr;
    std::string peer;
    State state = State::ReadingLine;
    std::string received;  // the request line so far, then the upload
    std::shared_ptr<Request> request;
    SteadyClock::time_point opened, lastActivity;
};

ClassroomServer::ClassroomServer(const ServerOptions& options, StoreFactory stores, std::ostream& log)
    : options_(options),
      log_(log),
      throttle_([this](LoginThrottle::Clock::duration delay, std::function<void()> work) {
          QTimer::singleShot(std::chrono::duration_cast<std::chrono::milliseconds>(delay), this, std::move(work));
      }),
      stores_(std::make_unique<StorePool>(std::max<size_t>(1, options.storeThreads), std::move(stores))),
      // Hashing gives way to serving: a crowd logging in does not hold up the results of those
      // logged in.
      hashes_(std::make_unique<WorkerPool>(
          std::clamp<size_t>(options.hashThreads, 1, std::max(1u, std::thread::hardware_concurrency())), 10)) {
    listener_.setMaxPendingConnections(1024);
    listener_.setListenBacklogSize(1024);
    QObject::connect(&listener_, &QTcpServer::newConnection, this, [this] { Accept(); });
    QObject::connect(&listener_, &QTcpServer::acceptError, this, [this](QAbstractSocket::SocketError) {
        Log("-", "cannot take a connection: " + listener_.errorString().toStdString());
    });
    sweep_.setInterval(std::chrono::milliseconds(250));
    QObject::connect(&sweep_, &QTimer::timeout, this, [this] { Sweep(); });
}

ClassroomServer::~ClassroomServer() {
    // The work under way finishes first; what it hands back to the loop is never run.
    hashes_.reset();
    stores_.reset();
    for (auto& [id, connection] : connections_) {
        connection->socket->disconnect(this);
        connection->socket->abort();
        delete connection->socket;
    }
}

bool ClassroomServer::Listen(std::string& error) {
    if (!listener_.listen(options_.address, options_.port)) {
        error = listener_.errorString().toStdString();
        return false;
    }
    sweep_.start();
    return true;
}

void ClassroomServer::Stop(std::function<void()> stopped) {
    listener_.close();
    stopped_ = std::move(stopped);
    stopDeadline_ = SteadyClock::now() + kStopGrace;
    Sweep();
}

void ClassroomServer::Accept() {
    while (QTcpSocket* socket = listener_.nextPendingConnection()) {
        const std::string peer =
            socket->peerAddress().toString().toStdString() + ":" + std::to_string(socket->peerPort());
        if (connections_.size() >= options_.maxConnections) {
            Log(peer, "closed: more than " + std::to_string(options_.maxConnections) + " connections at once");
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto connection = std::make_unique<Connection>();
        connection->id = nextId_++;
        connection->socket = socket;
        connection->peer = peer;
        connection->opened = connection->lastActivity = SteadyClock::now();
        socket->setReadBufferSize(kMaxRequestLine + 2);
        const Id id = connection->id;
        QObject::connect(socket, &QTcpSocket::readyRead, this, [this, id] { Read(id); });
        QObject::connect(socket, &QTcpSocket::disconnected, this, [this, id] { Disconnected(id); });
        QObject::connect(socket, &QTcpSocket::bytesWritten, this, [this, id](qint64) {
            if (auto it = connections_.find(id); it != connections_.end())
                it->second->lastActivity = SteadyClock::now();
        });
        connections_.emplace(id, std::move(connection));
        // Bytes may have come with the connection already.
        if (socket->bytesAvailable() > 0) Read(id);
    }
}

void ClassroomServer::Read(Id id) {
    auto it = connections_.find(id);
    if (it == connections_.end()) return;
    Connection& c = *it->second;
    const QByteArray bytes = c.socket->readAll();
    if (bytes.isEmpty()) return;
    c.lastActivity = SteadyClock::now();
    switch (c.state) {
    case Connection::State::ReadingLine: {
        c.received.append(bytes.constData(), bytes.size());
        const size_t lf = c.received.find('\n');
        if (lf == std::string::npos) {
            if (c.received.size() > kMaxRequestLine + 1)
                Drop(c, "closed: a request line longer than " + std::to_string(kMaxRequestLine) + " bytes");
            return;
        }
        std::string line = c.received.substr(0, lf);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > kMaxRequestLine) {
            Drop(c, "closed: a request line longer than " + std::to_string(kMaxRequestLine) + " bytes");
            return;
        }
        ReadLine read = ReadRequestLine(line);
        if (!read.request) {
            c.state = Connection::State::Working;
            Finish(id, "", read.refusal);
            return;
        }
        c.request = std::make_shared<Request>(std::move(*read.request));
        if (c.request->command == kUploadResultsCommand) {
            c.state = Connection::State::ReadingUpload;
            holds_[c.request->who.user].uploads.push_back(id);
            uploadsUnderWay_.emplace(id, c.request->who.user);
            c.received.erase(0, lf + 1);
            if (c.received.size() > kMaxUploadBytes)
                Drop(c, "closed: an upload larger than a whole results table; nothing stored");
            return;
        }
        c.received.clear();
        Dispatch(c);
        return;
    }
    case Connection::State::ReadingUpload:
        c.received.append(bytes.constData(), bytes.size());
        if (c.received.size() > kMaxUploadBytes)
            Drop(c, "closed: an upload larger than a whole results table; nothing stored");
        return;
    case Connection::State::Working:
    case Connection::State::Replying:
        return;  // nothing more is asked on this connection
    }
}

void ClassroomServer::Disconnected(Id id) {
    auto it = connections_.find(id);
    if (it == connections_.end()) return;
    Connection& c = *it->second;
    if (c.state == Connection::State::ReadingUpload) {
        // The upload ends where the client closes.
        const QByteArray rest = c.socket->readAll();
        c.received.append(rest.constData(), rest.size());
        if (c.received.size() > kMaxUploadBytes) {
            Drop(c, "closed: an upload larger than a whole results table; nothing stored");
            return;
        }
        c.request->upload = std::move(c.received);
        Dispatch(c);  // the answer has nobody to go to; the upload is stored all the same
    } else if (c.state == Connection::State::ReadingLine && !c.received.empty()) {
        Log(c.peer, "closed by the client before its request line ended");
    }
    c.socket->deleteLater();
    connections_.erase(it);
}

void ClassroomServer::Drop(Connection& c, const std::string& why) {
    Log(c.peer, why);
    QTcpSocket* socket = c.socket;
    const Id id = c.id;
    connections_.erase(id);
    UploadDone(id);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void ClassroomServer::Sweep() {
    const auto now = SteadyClock::now();
    std::vector<std::pair<Id, std::string>> late;
    for (const auto& [id, c] : connections_) {
        const bool reading = c->state == Connection::State::ReadingLine ||
                             c->state == Connection::State::ReadingUpload;
        if (reading && now - c->lastActivity > options_.silenceLimit)
            late.emplace_back(id, "closed: the client was silent for " +
                                      std::to_string(options_.silenceLimit.count() / 1000) + " s");
        // A reply (a whole results table, say) may take a busy client a while to read.
        else if (c->state == Connection::State::Replying && now - c->lastActivity > options_.requestLimit)
            late.emplace_back(id, "closed: the client took none of its reply for " +
                                      std::to_string(options_.requestLimit.count() / 1000) + " s");
        else if (reading && now - c->opened > options_.requestLimit)
            late.emplace_back(id, "closed: the request did not arrive within " +
                                      std::to_string(options_.requestLimit.count() / 1000) + " s");
    }
    for (const auto& [id, why] : late)
        if (auto it = connections_.find(id); it != connections_.end()) Drop(*it->second, why);

    if (stopped_ && (connections_.empty() || now > stopDeadline_)) {
        sweep_.stop();
        auto stopped = std::move(stopped_);
        stopped_ = nullptr;
        stopped();
    }
}

void ClassroomServer::Dispatch(Connection& c) {
    c.state = Connection::State::Working;
    if (options_.logRequests) Log(c.peer, Cp1250ToUtf8(c.request->command + c.request->who.user));
    Begin(c.id, c.request);
}

void ClassroomServer::Begin(Id id, std::shared_ptr<Request> request) {
    if (auto hold = holds_.find(request->who.user); hold != holds_.end() && hold->second.uploads.front() != id) {
        hold->second.waiting.emplace_back(id, std::move(request));
        return;
    }
    Authenticate(id, std::move(request));
}

void ClassroomServer::UploadDone(Id id) {
    auto upload = uploadsUnderWay_.find(id);
    if (upload == uploadsUnderWay_.end()) return;
    auto hold = holds_.find(upload->second);
    uploadsUnderWay_.erase(upload);
    if (hold == holds_.end()) return;
    std::vector<Id>& uploads = hold->second.uploads;
    uploads.erase(std::find(uploads.begin(), uploads.end(), id));
    auto& waiting = hold->second.waiting;
    if (!uploads.empty()) {
        // The next upload goes on once its client has closed; the rest wait for it too.
        auto next = std::find_if(waiting.begin(), waiting.end(),
                                 [&uploads](const auto& request) { return request.first == uploads.front(); });
        if (next != waiting.end()) {
            auto [nextId, request] = std::move(*next);
            waiting.erase(next);
            Authenticate(nextId, std::move(request));
        }
        return;
    }
    const auto released = std::move(waiting);
    holds_.erase(hold);
    for (const auto& [nextId, request] : released)
        if (connections_.count(nextId)) Begin(nextId, request);  // only while its client waits
}

void ClassroomServer::Authenticate(Id id, std::shared_ptr<Request> request) {
    stores_->Post([this, id, request](ClassroomStore& store) {
        try {
            std::optional<Account> account = store.FindAccount(request->who.user, request->who.file);
            const bool cached =
                account && credentials_.Matches(account->id, account->passwordHash, request->who.password);
            // Most requests end here: a learner whose password was verified before, asking
            // for the learner's own data.
            if (cached && request->command != kChangePasswordCommand && account->flags.access) {
                Reply reply = Serve(store, *request, *account, SystemClock().Now());
                OnLoop([this, id, request, reply] { Finish(id, request->command, reply); });
                return;
            }
            OnLoop([this, id, request, account, cached] { Authenticated(id, request, account, cached); });
        } catch (const std::exception& e) {
            Reply reply = StoreFailureReply(*request, e.what());
            OnLoop([this, id, request, reply] { Finish(id, request->command, reply); });
        }
    });
}

void ClassroomServer::Authenticated(Id id, std::shared_ptr<Request> request, std::optional<Account> account,
                                    bool cached) {
    if (cached) {
        Proceed(id, request, *account);
        return;
    }
    const std::string name = request->who.user;
    throttle_.Enqueue(
        name,
        [this, id, request, account] {
            hashes_->Post([this, id, request, account] {
                const bool right = account ? VerifyPassword(account->passwordHash, request->who.password)
                                           : VerifyAgainstNobody(request->who.password);
                OnLoop([this, id, request, account, right] { Verified(id, request, account, right); });
            });
        },
        SteadyClock::now());
}

void ClassroomServer::Verified(Id id, std::shared_ptr<Request> request, std::optional<Account> account, bool right) {
    throttle_.Finished(request->who.user, right, SteadyClock::now());
    if (!right) {
        Reply reply = WrongCredentialsReply(*request);
        reply.note = account ? "wrong password for " + Cp1250ToUtf8(request->who.user)
                             : "no learner " + Cp1250ToUtf8(request->who.user);
        Finish(id, request->command, reply);
        return;
    }
    credentials_.Remember(account->id, account->passwordHash, request->who.password);
    Proceed(id, request, *account);
}

void ClassroomServer::Proceed(Id id, std::shared_ptr<Request> request, const Account& account) {
    if (request->command == kChangePasswordCommand) {
        ChangePassword(id, request, account);
        return;
    }
    if (!account.flags.access) {
        Finish(id, request->command, NoAccessReply(*request));
        return;
    }
    stores_->Post([this, id, request, account](ClassroomStore& store) {
        Reply reply;
        try {
            reply = Serve(store, *request, account, SystemClock().Now());
        } catch (const std::exception& e) {
            reply = StoreFailureReply(*request, e.what());
        }
        OnLoop([this, id, request, reply] { Finish(id, request->command, reply); });
    });
}

void ClassroomServer::ChangePassword(Id id, std::shared_ptr<Request> request, const Account& account) {
    hashes_->Post([this, id, request, account] {
        std::string newHash;
        try {
            newHash = HashPassword(request->newPassword);
        } catch (const std::exception& e) {
            Reply reply = StoreFailureReply(*request, e.what());
            OnLoop([this, id, request, reply] { Finish(id, request->command, reply); });
            return;
        }
        stores_->Post([this, id, request, account, newHash](ClassroomStore& store) {
            Reply reply;
            try {
                reply = PasswordChangedReply(store.ReplacePasswordHash(account.id, account.passwordHash, newHash));
            } catch (const std::exception& e) {
                reply = StoreFailureReply(*request, e.what());
            }
            OnLoop([this, id, request, reply] { Finish(id, request->command, reply); });
        });
    });
}

void ClassroomServer::Finish(Id id, const std::string& command, const Reply& reply) {
    UploadDone(id);
    auto it = connections_.find(id);
    const std::string peer = it != connections_.end() ? it->second->peer : "-";
    if (!reply.note.empty()) Log(peer, command.empty() ? reply.note : Cp1250ToUtf8(command) + " " + reply.note);
    if (it == connections_.end()) return;  // the client is gone
    Connection& c = *it->second;
    c.state = Connection::State::Replying;
    c.lastActivity = SteadyClock::now();
    if (!reply.bytes.empty()) c.socket->write(reply.bytes.data(), static_cast<qint64>(reply.bytes.size()));
    c.socket->disconnectFromHost();
}

void ClassroomServer::OnLoop(std::function<void()> work) {
    QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}

void ClassroomServer::Log(const std::string& peer, const std::string& text) {
    log_ << FormatDateTime(SystemClock().Now()) << ' ' << peer << ' ' << text << std::endl;
}

}  // namespace quillan::classroom
