#pragma once

#include "browser/app/listview/win/RowList.h"
#include "browser/app/main/core/SettingsFormValues.h"
#include "browser/app/main/core/SettingsSample.h"
#include "browser/app/main/win/SettingsFormDialogs.h"
#include "browser/app/main/win/SettingsNFind.h"
#include "browser/app/settings/core/CobwenSettings.h"
#include "browser/app/settings/core/ViewSettings.h"
#include "win32/Handle.h"

#include <array>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

namespace cobwen {

class TCobwenArchive;
class TextLocale;

// The controls of TCobwenSettingsForm by their ids.
enum SettingsControlId : int {
    IdPages = 200,
    IdPageFrame,
    // "Основные"
    IdInterfaceGroup,
    IdLanguageLabel,
    IdLanguage,
    IdShowAddInfo,
    IdFindInLabel,
    IdFindIn,
    IdFindInButton,
    IdUseDownloadBasket,
    IdMinimizeToTray,
    IdProxyGroup,
    IdNoProxy,
    IdDefaultProxy,
    IdSpecifiedProxy,
    IdHostLabel,
    IdHost,
    IdAuthNeeded,
    IdUserNameLabel,
    IdUserName,
    IdPasswordLabel,
    IdPassword,
    IdPluginsGroup,
    IdDownloadFolderLabel,
    IdDownloadFolder,
    IdBrowseFolder,
    IdSaveDirectoryStructure,
    IdOverwriteFiles,
    IdCreateDescription,
    IdCreateTextDescriptFile,
    IdMaxDownloadCountLabel,
    IdMaxDownloadCount,
    IdMaxDownloadCountSpin,
    // "Форматы"
    IdAddInfoFormatLabel,
    IdAddInfoFormat,
    IdDescriptionFormatLabel,
    IdDescriptionFormat,
    IdStatusInfoFormatLabel,
    IdStatusInfoFormat,
    IdClipboardFormatLabel,
    IdClipboardFormat,
    IdCopyAllSelected,
    IdFormatsBand,
    IdFormats,
    IdFormatsHint,
    // "Список плагинов"
    IdViewBand,
    IdPreview,
    IdFontList,
    IdFontPreview,
    IdStripedRow,
    IdBackgroundList,
    IdBackgroundOdd,
    IdBackgroundNew,
    IdBackgroundDownloaded,
    IdView,
    // "Дополнительно"
    IdCheckUpdatedPlugins,
    IdCheckUpdatedHint,
    IdCheckForUpdate,
    IdPeriodLabel,
    IdPeriod,
    IdPeriodSpin,
    IdDaysLabel,
    IdSaveToIni,
    IdLastControl,
};

inline constexpr wchar_t SettingsFormClass[] = L"TCobwenSettingsForm";
inline constexpr int SettingsPageCount = 4;

// "Настройки": the modal dialog that edits copies of the settings and of the catalogue list's
// look, with a sample of the list. Created for one run of RunSettingsDialog.
class TCobwenSettingsForm final : public RowListOwner {
public:
    TCobwenSettingsForm(HWND owner, const TCobwenSettings& settings, const ViewSettings& view,
                        const TCobwenArchive& archive, const TextLocale& locale,
                        SettingsFormDialogs& dialogs);
    TCobwenSettingsForm(const TCobwenSettingsForm&) = delete;
    TCobwenSettingsForm& operator=(const TCobwenSettingsForm&) = delete;
    ~TCobwenSettingsForm() override;

    // Shows the dialog on its first page until OK or "Отмена"; true for OK.
    bool ShowModal();
    // The copies as the dialog took them back at OK.
    const TCobwenSettings& Settings() const { return settings_; }
    const ViewSettings& View() const { return view_; }

    HWND Window() const { return window_; }
    RowList& Sample() { return *sample_; }
    // The form of an open settings dialog's window, null for any other window.
    static TCobwenSettingsForm* FromWindow(HWND window);

    // RowListOwner: the sample list.
    std::wstring CellText(int data, int column) override;
    int CompareRows(int dataA, int dataB, int column, SortDirection direction) override;
    CellColours CellColour(int data, int rowPosition, int columnPosition, bool selected) override;
    std::wstring PreviewText(int data) override;
    CellColours PreviewColour(int data, bool selected) override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    // Creation, page by page (SettingsFormPages.cpp).
    void CreateControls();
    void CreateMainPage();
    void CreateFormatsPage();
    void CreateViewPage();
    void CreateMorePage();
    HWND Add(int page, int id, const wchar_t* className, const wchar_t* text, DWORD style,
             RECT bounds, DWORD exStyle = 0);
    void AddHint(HWND control, const wchar_t* hint);

    void ShowPage(int page);
    void PutValues();
    SettingsFormValues TakeValues() const;
    void ApplyProxyEnabling();
    void ApplyUpdateEnabling();
    void OnCommand(int id, int code);
    void OnOk();
    void Close(bool confirmed);
    void BrowseFolder();
    void ToggleFindIn();
    void PickFont(FontSettings& font);
    void PickColour(std::uint32_t& colour);
    void ApplySampleFonts();
    void ApplySamplePreview();
    // Dragging a placeholder from tlFormats onto a template field.
    void BeginPlaceholderDrag();
    void EndPlaceholderDrag(POINT screen);

    std::wstring Text(int id) const;
    void SetText(int id, const std::string& browserText);
    bool Checked(int id) const;
    void Check(int id, bool checked);
    void Enable(int id, bool enabled);

    HWND owner_;
    TCobwenSettings settings_;
    ViewSettings view_;
    const TCobwenArchive& archive_;
    const TextLocale& locale_;
    SettingsFormDialogs& dialogs_;
    std::vector<SampleRow> sampleRows_;
    std::uint8_t findIn_ = 0;

    HWND window_ = nullptr;
    HWND tooltips_ = nullptr;
    win32::FontObject uiFont_;
    win32::FontObject underlinedFont_;
    win32::FontObject listFont_;
    win32::FontObject previewFont_;
    std::unique_ptr<RowList> sample_;
    std::unique_ptr<TCobwenSettingsNFind> findInFrame_;
    std::array<std::vector<HWND>, SettingsPageCount> pages_;
    int page_ = 0;
    bool done_ = false;
    bool confirmed_ = false;
    bool dragging_ = false;
};

// Runs "Настройки" over `owner` on copies of `settings` and `view`; on OK they are replaced by the
// edited copies and the result is true, on cancel nothing changes.
bool RunSettingsDialog(HWND owner, TCobwenSettings& settings, ViewSettings& view,
                       const TCobwenArchive& archive, const TextLocale& locale,
                       SettingsFormDialogs& dialogs);

} // namespace cobwen
