#pragma once

// One use of Windows Sockets: WSAStartup now, WSACleanup when destroyed.

#include <winsock2.h>

namespace sockwell::win {

class WinsockSession {
public:
    WinsockSession() {
        WSADATA data;
        started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    ~WinsockSession() {
        if (started_)
            WSACleanup();
    }
    bool Started() const { return started_; }

private:
    bool started_ = false;
};

} // namespace sockwell::win
