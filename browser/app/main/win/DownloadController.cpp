#include "browser/app/main/win/DownloadController.h"

#include "browser/app/listview/win/RowList.h"
#include "browser/app/main/win/BasketController.h"
#include "browser/app/main/win/Prompter.h"
#include "browser/app/main/win/StatusBar.h"
#include "browser/app/settings/core/BrowserSettings.h"
#include "browser/app/templates/win/DownloadDescription.h"
#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/TextHelpers.h"
#include "browser/transfer/win/GetFiles.h"
#include "win32/Text.h"

#include <algorithm>
#include <limits>

namespace cobwen {

namespace {

constexpr wchar_t NothingChosen[] = L"Нет выбранных файлов для загрузки.";
constexpr wchar_t LoadingFile[] = L"Загрузка файла %s...";
constexpr wchar_t LoadingFiles[] = L"Загрузка файлов...";

std::wstring Question(std::size_t count, const std::wstring& total) {
    return L"Количество выбранных файлов - " + std::to_wstring(count) +
           L".\rОбщий объем файлов - " + total + L".\rЗагрузить выбранные файлы ?";
}

std::wstring Wide(const std::string& text) {
    return win32::ToWide(text, BrowserCodePage);
}

} // namespace

void DownloadController::Download() {
    const bool basket = parts_.Basket.Used();
    const std::vector<int> rows = basket ? parts_.Basket.RowsInOrder() : selection_.Items();
    if (rows.empty()) {
        parts_.Prompts.Warning(NothingChosen);
        return;
    }
    std::vector<const TCobwenData*> records;
    for (const int row : rows)
        if (const TCobwenData* record = parts_.Archive.GetItem(row))
            records.push_back(record);
    const TCobwenSettings& settings = parts_.Settings.Settings;
    const DownloadPlan plan =
        PlanDownload(records, parts_.Archive.FilesURL(), settings.SaveDirectoryStructure);
    if (plan.Urls.empty()) {
        parts_.Prompts.Warning(NothingChosen);
        return;
    }
    constexpr std::int64_t Largest = std::numeric_limits<std::int32_t>::max();
    const std::int32_t total = static_cast<std::int32_t>(std::min(plan.Total, Largest));
    if (parts_.Prompts.Ask(Question(plan.Urls.size(), Wide(FormatSize(total, parts_.Locale))),
                           true) != Answer::Yes)
        return;

    TGetFiles& transfers = parts_.Transfers;
    transfers.SetMaxCount(TransfersAtOnce(settings.MaxDownloadCount));
    transfers.SetProxy(settings.Proxy);
    transfers.SetDestFolder(win32::ToWide(IncludeTrailingDelimiter(settings.DownloadFolder.empty()
                                                                       ? parts_.ProgramFolder
                                                                       : settings.DownloadFolder),
                                          BrowserCodePage));

    GetFilesEvents events;
    events.OnStart = [this](const std::string& url) {
        OnDownloadStart(url);
    };
    events.OnDone = [this](bool failed, const std::string& url) {
        OnDownloadDone(failed, url);
    };
    events.OnStopped = [this] {
        OnDownloadStopped();
    };
    events.OnError = [this](const std::string& message) {
        host_.TransferError(message);
    };
    events.OnProgress = [this](std::int32_t bytes) {
        host_.TransferProgress(bytes);
    };
    events.OnOverwriteQuery = [this](const std::string& question, bool& overwrite) {
        ConfirmOverwrite(question, overwrite);
    };
    transfers.SetEvents(std::move(events));

    parts_.FilesInFlight = static_cast<int>(plan.Urls.size());
    parts_.Status.SetProgressRange(total);
    // The run owns the commands from its queueing, also while its workers wait for slots.
    running_ = true;
    host_.RunChanged();
    transfers.AddList(plan.Urls, plan.TargetNames);
}

void DownloadController::SelectionChanged() {
    selection_.Update(parts_.Catalogue.SelectedData());
}

void DownloadController::OnDownloadStart(const std::string& url) {
    const DownloadStatus status = StatusAtStart(parts_.FilesInFlight, parts_.Transfers.MaxCount());
    std::wstring text = LoadingFiles;
    if (status == DownloadStatus::OneFile) {
        text = LoadingFile;
        text.replace(text.find(L"%s"), 2, Wide(url));
    }
    parts_.Status.SetText(2, text);
    parts_.Status.ShowProgress(true);
    host_.RunChanged();
    UpdateWindow(parts_.Window);
}

void DownloadController::ConfirmOverwrite(const std::string& question, bool& overwrite) {
    if (parts_.Settings.Settings.OverwriteFiles) {
        overwrite = true;
        return;
    }
    overwrite = parts_.Prompts.Ask(Wide(question), false) == Answer::Yes;
}

void DownloadController::OnDownloadDone(bool failed, const std::string& url) {
    if (!running_)
        return;
    const bool basket = parts_.Basket.Used();
    if (!failed) {
        const TCobwenData* record = parts_.Archive.FindByFileName(url);
        if (record) {
            if (basket)
                parts_.Settings.BasketIds.Remove(record->Id);
            const TCobwenSettings& settings = parts_.Settings.Settings;
            const DownloadDescriptionSettings describe{
                settings.CreateDescriptIon, settings.CreateTextDescriptFile,
                parts_.Settings.DescriptionFile, settings.DescriptIonFormat};
            DescribeDownload(
                win32::FromWide(parts_.Transfers.DestFolder().native(), BrowserCodePage), url,
                *record, describe, parts_.Locale, parts_.Prompts);
        }
    }
    if (basket)
        parts_.Basket.FillBasketList();
    if (--parts_.FilesInFlight > 0)
        return;
    ReturnToIdle();
    if (!failed) {
        host_.StartUpdateCheck(false, true);
        host_.StartFolderScan();
    }
}

void DownloadController::OnDownloadStopped() {
    if (!running_)
        return;
    ReturnToIdle();
    host_.StartFolderScan();
}

void DownloadController::ReturnToIdle() {
    running_ = false;
    parts_.FilesInFlight = 0;
    parts_.Status.SetText(2, L"");
    parts_.Status.ShowProgress(false);
    if (parts_.Basket.Used()) {
        parts_.Basket.FillBasketList();
        parts_.Basket.ShowBasketTotal();
    }
    host_.RunChanged();
}

bool DownloadController::Run(Command command) {
    if (command != Command::Download)
        return false;
    Download();
    return true;
}

void DownloadController::AddState(CommandState& state) const {
    state.TransferInFlight = state.TransferInFlight || running_;
}

} // namespace cobwen
