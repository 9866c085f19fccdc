#pragma once

// A panel shown by a plug-in, as the host keeps it: what GetOpenPluginInfo described, the listing
// of GetFindData in the host's order, the cursor and the selection. It calls the plug-in's panel
// entry points in the order the host does: on every listing the description first, then the new
// listing, and only then FreeFindData of the old one.

#include "plugin-host/standin/core/EntryPoints.h"
#include "plugin-host/standin/core/RowMatch.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ulvar::standin {

// A copy of OpenPluginInfoRecord whose texts stay valid after the plug-in changed them.
struct PanelDescription {
    struct Mode {
        std::string columnTypes, columnWidths;
        std::optional<std::vector<std::string>> columnTitles; // none: the host's titles
        bool fullScreen = false;
        bool detailedStatus = false;
        bool alignExtensions = false;
        bool caseConversion = false;
        std::string statusColumnTypes, statusColumnWidths;
    };
    // A key-bar label: none leaves the host's label, "" blanks it.
    using KeyLabel = std::optional<std::string>;
    enum KeyRow { Plain = 0, Ctrl = 1, Alt = 2, Shift = 3 };

    std::uint32_t flags = 0;
    std::string hostFile, curDir, format, panelTitle, shortcutData;
    std::vector<InfoPanelLine> infoLines;
    std::vector<std::string> descrFiles;
    std::vector<Mode> modes; // PanelModesNumber entries, or none
    int startPanelMode = NoStartMode;
    int startSortMode = SortDefault;
    int startSortOrder = 0;
    bool hasKeyBar = false;
    std::array<std::array<KeyLabel, 12>, 4> keyBar;

    static PanelDescription From(const OpenPluginInfoRecord& record);
};

class PluginPanel {
public:
    // Does not call the plug-in; Refresh lists it.
    PluginPanel(const PluginEntryPoints& plugin, PanelHandle handle);
    // Frees the listing (FreeFindData); ClosePlugin is the caller's business (Close).
    ~PluginPanel();
    PluginPanel(const PluginPanel&) = delete;
    PluginPanel& operator=(const PluginPanel&) = delete;

    PanelHandle Handle() const { return handle_; }
    const PanelDescription& Description() const { return description_; }

    // GetOpenPluginInfo and GetFindData. With keepSelection the selected rows stay selected; the
    // cursor stays on the same row, else at the same index. Rows are found again by name, among
    // equal names by their column texts or their order among them (RowMatch.h). False when
    // GetFindData failed (the listing is then empty).
    // opMode goes to GetFindData (OpSilent, OpFind; recorded as "GetFindData <mode>" when not 0).
    bool Refresh(bool keepSelection = true, int opMode = 0);
    // The host's search: a listing of its own in find mode, GetFiles in find mode of every item
    // that is no folder into folder, and the names of those whose file holds text.
    std::vector<std::string> Search(const std::string& text, const std::string& folder);
    // Frees the listing and calls ClosePlugin; the panel is dead afterwards.
    void Close();
    bool Closed() const { return closed_; }

    int Count() const { return static_cast<int>(order_.size()); }
    const PanelItem& Item(int index) const;
    std::string Name(int index) const { return Item(index).Data.FileName; }
    bool IsDots(int index) const;            // the host's ".." item
    int Find(const std::string& name) const; // index or -1

    int Current() const { return current_; }
    int Top() const { return top_; }
    // Moves the cursor (clamped); top -1 keeps the top item unless the cursor left the page.
    void SetCursor(int current, int top = -1);
    void MoveCursor(int delta) { SetCursor(current_ + delta); }
    void SetPageHeight(int rows) { pageHeight_ = rows > 0 ? rows : 1; }

    // The ".." item cannot be selected.
    void Select(int index, bool selected);
    bool IsSelected(int index) const;
    int SelectedCount() const;
    // The selected items, or the current one when nothing is selected.
    std::vector<int> Selection() const;

    // The plug-in's SetDirectory; on success the panel is listed again with the cursor on the
    // folder left behind when going up ("..").
    bool SetDirectory(const std::string& name, int opMode = 0);
    // Enter on the current item: SetDirectory when it is a folder (or ".."). False otherwise.
    bool EnterCurrent();
    int ProcessKey(int key, unsigned controlState);
    int ProcessEvent(int event, void* param);
    // GetFiles of the selection into destination (a copy of it goes to the plug-in).
    int GetFiles(const std::string& destination, bool move, int opMode);
    int DeleteFiles(int opMode);
    int PutFiles(std::vector<PanelItem>& items, bool move, int opMode);

    int ViewMode() const { return viewMode_; }
    // The mode 0..9; tells the plug-in the new column types.
    void SetViewMode(int mode);
    // The columns of the current mode ("N" and "0" when the plug-in gave none).
    std::string ColumnTypes() const;
    std::string ColumnWidths() const;
    int SortMode() const { return sortMode_; }
    bool SortDescending() const { return sortDescending_; }
    void SetSortMode(int mode, bool descending = false);

    // HostControl's picture of this panel. The item arrays stay valid until the next call.
    void FillInfo(PanelInfo& info);
    // HostControl's set selection: the ItemSelected flags of the first items in info.
    void ApplySelection(const PanelInfo& info);

    // The entry points called, in order: "GetOpenPluginInfo", "GetFindData", "FreeFindData",
    // "SetDirectory <name>", "ProcessKey <key>", "ProcessEvent <event>", "GetFiles",
    // "PutFiles", "DeleteFiles", "ClosePlugin" (Compare is not recorded).
    const std::vector<std::string>& Calls() const { return calls_; }

private:
    struct Listing {
        PanelItem* items = nullptr;
        int count = 0;
        bool valid = false;
    };

    void FreeListing(Listing& listing);
    std::vector<RowKey> Keys() const;
    void BuildOrder();
    std::vector<PanelItem> SelectionItems() const;
    bool Less(int a, int b) const;
    int HostCompare(const PanelItem& a, const PanelItem& b) const;

    PluginEntryPoints plugin_;
    PanelHandle handle_;
    PanelDescription description_;
    Listing listing_;
    PanelItem dots_{};
    std::vector<int> order_; // indices into the listing; -1 for ".."
    std::vector<bool> selected_;
    int current_ = 0;
    int top_ = 0;
    int pageHeight_ = 20;
    int viewMode_ = 2;
    int sortMode_ = SortByName;
    bool sortDescending_ = false;
    bool closed_ = false;
    bool listedOnce_ = false;
    std::vector<PanelItem> infoItems_;
    std::vector<PanelItem> infoSelected_;
    std::vector<std::string> calls_;
};

} // namespace ulvar::standin
