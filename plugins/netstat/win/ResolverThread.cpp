#include "plugins/netstat/win/ResolverThread.h"

#include "win32/Text.h"

#include <windows.h>
#include <winsock2.h>

#include <memory>

namespace sockwell::win {

namespace {

struct ThreadStart {
    std::function<void()> job;
    HMODULE module = nullptr;
};

DWORD WINAPI ResolverThreadMain(void* parameter) {
    HMODULE module = nullptr;
    {
        std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
        module = start->module;
        try {
            start->job();
        } catch (...) {
        }
    }
    WSACleanup();
    // Returns into the system, not into this module, which may be unmapped by this very call.
    FreeLibraryAndExitThread(module, 0);
    return 0;
}

} // namespace

bool StartResolverThread(std::function<void()> job) {
    auto start = std::make_unique<ThreadStart>();
    start->job = std::move(job);
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCWSTR>(&ResolverThreadMain), &start->module))
        return false;
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
        FreeLibrary(start->module);
        return false;
    }
    HMODULE const module = start->module;
    HANDLE const thread = CreateThread(nullptr, 0, ResolverThreadMain, start.get(), 0, nullptr);
    if (!thread) {
        WSACleanup();
        FreeLibrary(module);
        return false;
    }
    start.release();
    CloseHandle(thread);
    return true;
}

std::optional<std::string> LookUpHostName(std::uint32_t networkOrderAddress) {
    hostent const* host =
        gethostbyaddr(reinterpret_cast<const char*>(&networkOrderAddress), 4, AF_INET);
    if (!host || !host->h_name)
        return std::nullopt;
    return win32::OemFromAnsi(host->h_name);
}

} // namespace sockwell::win
