#pragma once

// Window procedures and subclass procedures that no exception leaves: a failure while handling a
// message costs that message only, and the message loop goes on.

#include <exception>
#include <windows.h>

namespace win32 {

// The report of last resort, for a failure that nothing else could report: the text goes to the
// debugger output. Never throws and never needs memory of its own.
void LastResort(const char* what) noexcept;

namespace detail {
template <class Failure> LRESULT AnswerFailure(Failure& failure, const char* what) noexcept {
    try {
        return failure(what);
    } catch (...) {
        LastResort(what);
        return 0;
    }
}
} // namespace detail

// Runs `body` (returning the message's result). An exception that escapes it is handed to
// `failure(what)`, whose result answers the message instead; if `failure` throws as well, the last
// resort reports the first failure and the message gets 0.
template <class Body, class Failure>
LRESULT GuardedMessage(Body&& body, Failure&& failure) noexcept {
    try {
        return body();
    } catch (const std::exception& error) {
        return detail::AnswerFailure(failure, error.what());
    } catch (...) {
        return detail::AnswerFailure(failure, "unknown failure");
    }
}

// The object a window procedure works for: the pointer passed as the creation parameter of
// CreateWindowEx is kept in the window's user data at WM_NCCREATE; null before that and once it
// was cleared.
template <class T> T* WindowObject(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

} // namespace win32
