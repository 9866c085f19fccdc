#pragma once

#include "win32/Gdi.h"
#include "win32/Handle.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>
#include <windows.h>

namespace cobwen {

class Prompter;

// What the about box shows and what its buttons reach.
struct AboutInput {
    HWND Owner = nullptr;
    HFONT Font = nullptr;                // the owner's font; null: the system's
    std::wstring Title;                  // "ULVAR Cobwen GUI"
    std::wstring ProgramVersion;         // ProgramVersion of the main window
    std::wstring ProgramDateText;        // ProgramDateText of the main window
    std::filesystem::path ProgramFolder; // with its trailing backslash
    Prompter* Prompts = nullptr;
    // The manual update check, after the user confirmed it.
    std::function<void()> CheckForUpdate;
    // Opens a document or address with the shell's "open" verb; empty: the shell itself.
    std::function<void(const std::wstring& target)> Open;
};

// The modal about box "О программе": logo, title, version line, the developers with clickable
// addresses, and the buttons "Новая версия", "Справка" (only with readme.txt) and "OK".
class TCobwenAboutForm {
public:
    static constexpr int Width = 387;
    static constexpr int Height = 233;
    enum ControlId : int {
        IdOk = IDOK,
        IdCancel = IDCANCEL,
        IdNewVersion = 100,
        IdHelp = 101,
        IdVersionLine = 102,
        IdTitle = 103,
        IdLogo = 104,
        IdFirstLink = 200, // mail and web address of each developer in turn
    };

    // Creates the box, hidden, centred on its owner.
    explicit TCobwenAboutForm(AboutInput input);
    TCobwenAboutForm(const TCobwenAboutForm&) = delete;
    TCobwenAboutForm& operator=(const TCobwenAboutForm&) = delete;
    ~TCobwenAboutForm();

    HWND Window() const { return window_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    // Shows the box with its owner disabled until OK or Esc closes it.
    void ShowModal();
    bool Closed() const { return closed_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    HWND Add(const wchar_t* className, const std::wstring& text, DWORD style, int id, RECT rect,
             HFONT font);
    void CreateControls();
    // A clickable address: its text, what a click opens.
    void AddLink(const std::wstring& text, const std::wstring& target, int id, RECT room);
    void OnCommand(int id, int code);
    void OpenTarget(const std::wstring& target);
    bool IsLink(HWND control) const;

    AboutInput input_;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    win32::FontObject boldFont_;
    win32::FontObject linkFont_;
    win32::IconHandle logo_;
    // The target of each address, by its control's id less IdFirstLink.
    std::vector<std::wstring> linkTargets_;
    bool closed_ = false;
};

} // namespace cobwen
