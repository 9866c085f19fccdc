#include "plugins/netstat/tests/win/LoopbackSockets.h"

#include <ws2tcpip.h>

namespace sockwell::test {

namespace {

sockaddr_in Loopback(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

Socket Bound(int type, int protocol, std::uint16_t port) {
    Socket socket(::socket(AF_INET, type, protocol));
    if (!socket.Valid())
        return socket;
    sockaddr_in const address = Loopback(port);
    if (bind(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return Socket();
    return socket;
}

} // namespace

std::uint16_t Socket::Port() const {
    sockaddr_in address{};
    int size = sizeof address;
    if (!Valid() || getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        return 0;
    return ntohs(address.sin_port);
}

void Socket::Close() {
    if (Valid())
        closesocket(socket_);
    socket_ = INVALID_SOCKET;
}

SocketsSession::SocketsSession() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
}

SocketsSession::~SocketsSession() {
    WSACleanup();
}

Socket ListenTcp(std::uint16_t port) {
    Socket socket = Bound(SOCK_STREAM, IPPROTO_TCP, port);
    if (socket.Valid() && listen(socket.Get(), 4) != 0)
        return Socket();
    return socket;
}

Socket BindUdp(std::uint16_t port) {
    return Bound(SOCK_DGRAM, IPPROTO_UDP, port);
}

Connection Connect(const Socket& listener) {
    Connection connection;
    connection.client = Socket(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    sockaddr_in const address = Loopback(listener.Port());
    if (!connection.client.Valid() ||
        connect(connection.client.Get(), reinterpret_cast<const sockaddr*>(&address),
                sizeof address) != 0)
        return Connection{};
    connection.server = Socket(accept(listener.Get(), nullptr, nullptr));
    return connection;
}

std::uint32_t LoopbackAddress() {
    return htonl(INADDR_LOOPBACK);
}

} // namespace sockwell::test
