#pragma once

// Real sockets on 127.0.0.1 for the listing to find: owned, closed when destroyed.

#include <winsock2.h>

#include <cstdint>
#include <utility>

namespace sockwell::test {

class Socket {
public:
    Socket() = default;
    explicit Socket(SOCKET socket) : socket_(socket) {}
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    Socket(Socket&& other) noexcept : socket_(std::exchange(other.socket_, INVALID_SOCKET)) {}
    Socket& operator=(Socket&& other) noexcept {
        if (this != &other) {
            Close();
            socket_ = std::exchange(other.socket_, INVALID_SOCKET);
        }
        return *this;
    }
    ~Socket() { Close(); }

    bool Valid() const { return socket_ != INVALID_SOCKET; }
    SOCKET Get() const { return socket_; }
    // The local port (host order), 0 when not bound.
    std::uint16_t Port() const;
    void Close();

private:
    SOCKET socket_ = INVALID_SOCKET;
};

// Windows Sockets for the test's own sockets.
class SocketsSession {
public:
    SocketsSession();
    ~SocketsSession();
    SocketsSession(const SocketsSession&) = delete;
    SocketsSession& operator=(const SocketsSession&) = delete;
};

// A listening TCP socket on 127.0.0.1 (port 0: any free port); invalid when it failed.
Socket ListenTcp(std::uint16_t port = 0);
// A UDP socket bound to 127.0.0.1.
Socket BindUdp(std::uint16_t port = 0);
// A connection to a listener, and the listener's end of it.
struct Connection {
    Socket client;
    Socket server;
};
Connection Connect(const Socket& listener);

// The loopback address in network byte order.
std::uint32_t LoopbackAddress();

} // namespace sockwell::test
