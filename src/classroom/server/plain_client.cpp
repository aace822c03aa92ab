#include "classroom/server/plain_client.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quillan::classroom {
namespace {

// Closes the descriptor when it goes.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) close(fd);
    }
};

bool WaitFor(int fd, short events, std::chrono::milliseconds limit) {
    pollfd p{fd, events, 0};
    int rc;
    do {
        rc = poll(&p, 1, static_cast<int>(limit.count()));
    } while (rc < 0 && errno == EINTR);
    return rc > 0;
}

}  // namespace

bool SendAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool ClosedByPeer(int fd, std::chrono::milliseconds limit, std::string* received) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    char buffer[65536];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !WaitFor(fd, POLLIN, left)) return false;
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno == ECONNRESET;  // closed all the same
        if (n == 0) return true;
        if (received) received->append(buffer, static_cast<size_t>(n));
    }
}

PlainClient::PlainClient(std::string host, std::uint16_t port, std::chrono::milliseconds limit)
    : host_(std::move(host)), port_(port), limit_(limit) {}

int PlainClient::Connect() const {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host_.c_str(), std::to_string(port_).c_str(), &hints, &found) != 0 || !found)
        throw ClientError("unknown host " + host_);
    const int fd = socket(found->ai_family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int rc = fd < 0 ? -1 : connect(fd, found->ai_addr, found->ai_addrlen);
    const int error = errno;
    freeaddrinfo(found);
    if (rc != 0) {
        if (fd >= 0) close(fd);
        throw ClientError(std::string("connect: ") + std::strerror(error));
    }
    const int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return fd;
}

std::string PlainClient::Exchange(std::string_view request) const {
    Descriptor d{Connect()};
    if (!SendAll(d.fd, request)) throw ClientError("the server closed while the request was sent");
    std::string reply;
    if (!ClosedByPeer(d.fd, limit_, &reply)) throw ClientError("no end of the reply in time");
    return reply;
}

void PlainClient::Send(std::string_view request) const {
    Descriptor d{Connect()};
    if (!SendAll(d.fd, request)) throw ClientError("the server closed while the request was sent");
}

int PlainClient::OpenAndSend(std::string_view bytes) const {
    const int fd = Connect();
    SendAll(fd, bytes);
    return fd;
}

}  // namespace quillan::classroom
