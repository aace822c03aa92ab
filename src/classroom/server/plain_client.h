#pragma once

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quillan::classroom {

// A blocking classroom client on plain sockets, one connection per request as the program
// makes them; for the load program and the tests, which talk to a server on this machine.
// Every step waits at most the time limit; failures throw ClientError.
class ClientError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PlainClient {
public:
    PlainClient(std::string host, std::uint16_t port, std::chrono::milliseconds limit = std::chrono::seconds(60));

    // Sends the bytes and returns everything the server sends until it closes.
    std::string Exchange(std::string_view request) const;
    // Sends the bytes and closes, as the program does after an upload.
    void Send(std::string_view request) const;

    // A connection that sends `bytes` and then stays open without a word, to see what the
    // server does with it; the descriptor is the caller's to close.
    int OpenAndSend(std::string_view bytes) const;

private:
    int Connect() const;

    std::string host_;
    std::uint16_t port_;
    std::chrono::milliseconds limit_;
};

// Whether the server has closed the connection: reads what is left (up to the time limit) and
// tells whether the end came. `received` gets the bytes read.
bool ClosedByPeer(int fd, std::chrono::milliseconds limit, std::string* received = nullptr);

// Sends all bytes on a connected socket; false when the peer is gone.
bool SendAll(int fd, std::string_view bytes);

}  // namespace quillan::classroom
