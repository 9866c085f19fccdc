#include "browser/app/main/win/UpdateController.h"

#include "browser/app/main/resources/MessageIds.h"
#include "browser/app/main/win/Prompter.h"
#include "browser/app/main/win/Texts.h"
#include "browser/app/settings/core/BrowserSettings.h"
#include "browser/app/settings/core/SettingsSections.h"
#include "browser/app/settings/core/SettingsStore.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/DateTime.h"
#include "browser/catalogue/win/FileInfo.h"
#include "browser/catalogue/win/SystemError.h"
#include "browser/transfer/win/GetFiles.h"
#include "win32/Handle.h"
#include "win32/Text.h"

#include <cmath>
#include <optional>

namespace cobwen {

namespace {

std::int32_t TodayNumber() {
    return static_cast<std::int32_t>(std::floor(Today()));
}

std::wstring Wide(const std::string& browserText) {
    return win32::ToWide(browserText, BrowserCodePage);
}

// The whole file; nothing when it cannot be opened (the thread's last error says why then).
// `readFailed` tells of a read that failed part way.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, bool& readFailed) {
    readFailed = false;
    win32::KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return std::nullopt;
    std::string text;
    char buffer[4096];
    // The information file is a few lines; more than this is not one.
    constexpr std::size_t Limit = 64 * 1024;
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr)) {
            readFailed = true;
            break;
        }
        if (read == 0)
            break;
        text.append(buffer, read);
        if (text.size() > Limit)
            break;
    }
    return text;
}

} // namespace

void UpdateController::StartUpdateCheck(bool manual, bool afterTransfer) {
    if (checkRunning_)
        return;
    const TCobwenSettings& settings = parts_.Settings.Settings;
    if (!manual) {
        UpdateCheckOccasion occasion;
        occasion.AfterTransfer = afterTransfer;
        occasion.CheckForUpdates = settings.CheckForUpdates;
        occasion.SystemProxy = settings.Proxy.ProxyAccess == ProxyAccessMode::System;
        occasion.Today = TodayNumber();
        occasion.Period = settings.PeriodCheckForUpdates;
        try {
            occasion.LastUpdate =
                parts_.OpenStore()->ReadInteger(SettingsSection, LastUpdateKey, 0);
        } catch (const std::exception&) {
            occasion.LastUpdate = 0;
        }
        if (!ShouldCheckForUpdate(occasion))
            return;
    }
    manualCheck_ = manual;
    archivePhase_ = false;
    TGetFiles& transfers = parts_.Transfers;
    transfers.SetProxy(settings.Proxy);
    transfers.SetDestFolder(TempFolder());
    GetFilesEvents events;
    events.OnStart = [this](const std::string&) {
        checkRunning_ = true;
    };
    events.OnDone = [this](bool failed, const std::string&) {
        OnDone(failed);
    };
    events.OnError = [this](const std::string& message) {
        OnError(message);
    };
    transfers.SetEvents(std::move(events));
    // Set already while the transfer waits for its slot, so that no second check is queued
    // behind it.
    checkRunning_ = true;
    transfers.Add(UpdateInfoUrl(parts_.Host));
}

UpdateController::~UpdateController() {
    parts_.Transfers.SetEvents({});
}

void UpdateController::Closing() {
    parts_.Transfers.SetEvents({});
    parts_.Transfers.Stop();
    checkRunning_ = false;
}

void UpdateController::OnError(const std::string& message) {
    checkRunning_ = false;
    if (manualCheck_ || archivePhase_)
        parts_.Prompts.Error(Wide(message));
}

void UpdateController::OnDone(bool failed) {
    try {
        if (!archivePhase_) {
            if (failed)
                checkRunning_ = false;
            else
                InformationReceived();
            return;
        }
        if (!failed)
            ArchiveReceived();
        checkRunning_ = false;
    } catch (const std::exception& error) {
        checkRunning_ = false;
        parts_.Prompts.Error(Wide(error.what()));
    }
}

void UpdateController::InformationReceived() {
    const std::filesystem::path file = parts_.Transfers.DestFolder() / UpdateInfoFileName;
    bool readFailed = false;
    const std::optional<std::string> text = ReadWholeFile(file, readFailed);
    if (!text) {
        checkRunning_ = false;
        if (manualCheck_) {
            const std::string format =
                win32::FromWide(MessageText(IDS_CANNOT_OPEN_FILE), BrowserCodePage);
            const std::string what =
                win32::FromWide(MessageText(IDS_UPDATE_INFO_FILE), BrowserCodePage);
            ShowSystemError(format, what, true, parts_.Prompts);
        }
        return;
    }
    DeleteFileW(file.c_str());
    if (readFailed)
        return Malformed();

    std::optional<std::string> lastVersion;
    try {
        lastVersion =
            parts_.OpenStore()->ReadText(SettingsSection, LastVersionKey, parts_.VersionNumber);
    } catch (const std::exception&) {
        lastVersion = std::string();
    }
    const UpdateInfoDecision decision =
        DecideOnUpdateInfo(*text, KnownVersion(lastVersion, parts_.VersionNumber));
    info_ = decision.Info;
    switch (decision.Verdict) {
    case UpdateVerdict::Malformed:
        return Malformed();
    case UpdateVerdict::NoNewer:
        checkRunning_ = false;
        if (manualCheck_)
            parts_.Prompts.Information(MessageText(IDS_NO_NEW_VERSION));
        return;
    case UpdateVerdict::Offer:
        break;
    }
    const std::wstring question =
        FormatText(MessageText(IDS_NEW_VERSION_QUESTION),
                   {parts_.Title, Wide(info_.ShownVersion), Wide(info_.ReleaseDate)});
    if (parts_.Prompts.Ask(question, true) != Answer::Yes) {
        checkRunning_ = false;
        RecordDecision();
        return;
    }
    archivePhase_ = true;
    const std::string& downloadFolder = parts_.Settings.Settings.DownloadFolder;
    parts_.Transfers.SetDestFolder(downloadFolder.empty()
                                       ? parts_.ProgramFolder
                                       : std::filesystem::path(Wide(downloadFolder)));
    parts_.Transfers.Add(UpdateArchiveUrl(parts_.Host));
}

void UpdateController::ArchiveReceived() {
    RecordDecision();
    std::wstring folder = parts_.Transfers.DestFolder().native();
    if (!folder.empty() && folder.back() != L'\\')
        folder += L'\\';
    const std::wstring archive = folder + Wide(UpdateArchiveFileName);
    parts_.Prompts.Information(
        FormatText(MessageText(IDS_NEW_VERSION_LOADED),
                   {parts_.Title, Wide(info_.ShownVersion), Wide(info_.ReleaseDate), archive}));
}

void UpdateController::RecordDecision() {
    try {
        const std::unique_ptr<SettingsStore> store = parts_.OpenStore();
        store->WriteText(SettingsSection, LastVersionKey, info_.Version);
        store->WriteInteger(SettingsSection, LastUpdateKey, TodayNumber());
    } catch (const std::exception&) {
        // The decision is only a convenience: a store that refuses it costs a question later.
    }
}

void UpdateController::Malformed() {
    checkRunning_ = false;
    parts_.Prompts.Error(MessageText(IDS_BAD_UPDATE_INFO));
}

} // namespace cobwen
