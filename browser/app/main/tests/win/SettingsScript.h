#pragma once

#include "browser/app/main/win/SettingsFormDialogs.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace cobwen::test {

// Plays steps into the settings dialog's modal loop: a thread timer finds the shown dialog and
// runs one step per tick, so that input a step gives is handled before the next one runs. A
// dialog still open a few seconds after the last step is closed (and TimedOut tells so). A quit
// message waiting in the thread's queue is dropped first.
class SettingsScript {
public:
    using Step = std::function<void(HWND dialog)>;
    explicit SettingsScript(std::vector<Step> steps);
    SettingsScript(const SettingsScript&) = delete;
    SettingsScript& operator=(const SettingsScript&) = delete;
    ~SettingsScript();

    bool Done() const { return next_ >= steps_.size(); }
    bool TimedOut() const { return timedOut_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int idleTicks_ = 0;
    bool running_ = false;
    bool timedOut_ = false;
    UINT_PTR timer_ = 0;
};

// A control's WM_COMMAND as its click gives it, sent to the dialog.
void Command(HWND dialog, int id);
// A real click (SendInput) at the middle of a control or of a page's tab.
void ClickControl(HWND dialog, int id);
void ClickPage(HWND dialog, int page);
std::wstring ControlText(HWND dialog, int id);
bool ControlChecked(HWND dialog, int id);

// The font, colour and folder dialogs answered from fields, with what they were asked.
class ScriptedSettingsDialogs final : public SettingsFormDialogs {
public:
    std::optional<FontSettings> font;
    std::optional<std::uint32_t> colour;
    std::optional<std::string> folder;
    std::vector<std::uint32_t> colourStarts;
    std::vector<FontSettings> fontStarts;
    std::vector<std::string> folderTitles;
    std::vector<std::string> folderStarts;

    std::optional<FontSettings> AskFont(HWND, const FontSettings& current) override {
        fontStarts.push_back(current);
        return font;
    }
    std::optional<std::uint32_t> AskColour(HWND, std::uint32_t current) override {
        colourStarts.push_back(current);
        return colour;
    }
    std::optional<std::string> BrowseForFolder(HWND, const std::string& title,
                                               const std::string& startFolder) override {
        folderTitles.push_back(title);
        folderStarts.push_back(startFolder);
        return folder;
    }
};

} // namespace cobwen::test
