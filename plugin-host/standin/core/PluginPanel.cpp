#include "plugin-host/standin/core/PluginPanel.h"

#include "plugin-host/standin/core/FilePanel.h"
#include "plugin-host/standin/core/RowMatch.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <utility>

namespace ulvar::standin {

namespace {

std::string Text(const char* text) {
    return text ? text : "";
}

int ColumnCount(const std::string& columnTypes) {
    return columnTypes.empty()
               ? 0
               : 1 + static_cast<int>(std::count(columnTypes.begin(), columnTypes.end(), ','));
}

std::string LastComponent(std::string path) {
    while (!path.empty() && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    auto const slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int CompareNoCase(const char* a, const char* b) {
    for (;; ++a, ++b) {
        int const ca = std::tolower(static_cast<unsigned char>(*a));
        int const cb = std::tolower(static_cast<unsigned char>(*b));
        if (ca != cb || ca == 0)
            return ca < cb ? -1 : ca > cb ? 1 : 0;
    }
}

template <typename T> int Order(T a, T b) {
    return a < b ? -1 : b < a ? 1 : 0;
}

const char* Extension(const char* name) {
    const char* dot = std::strrchr(name, '.');
    return dot ? dot + 1 : "";
}

void CopyText(char* target, std::size_t size, const std::string& text) {
    std::snprintf(target, size, "%s", text.c_str());
}

#if defined(_WIN32)
constexpr char PathDelimiter = '\\';
#else
constexpr char PathDelimiter = '/';
#endif

} // namespace

PanelDescription PanelDescription::From(const OpenPluginInfoRecord& record) {
    PanelDescription d;
    d.flags = record.Flags;
    d.hostFile = Text(record.HostFile);
    d.curDir = Text(record.CurDir);
    d.format = Text(record.Format);
    d.panelTitle = Text(record.PanelTitle);
    d.shortcutData = Text(record.ShortcutData);
    if (record.InfoLines)
        d.infoLines.assign(record.InfoLines,
                           record.InfoLines + std::max(record.InfoLinesNumber, 0));
    for (int i = 0; record.DescrFiles && i < record.DescrFilesNumber; ++i)
        d.descrFiles.push_back(Text(record.DescrFiles[i]));
    for (int i = 0; record.PanelModesArray && i < record.PanelModesNumber; ++i) {
        auto const& in = record.PanelModesArray[i];
        Mode mode;
        mode.columnTypes = Text(in.ColumnTypes);
        mode.columnWidths = Text(in.ColumnWidths);
        if (in.ColumnTitles) {
            mode.columnTitles.emplace();
            for (int c = 0; c < ColumnCount(mode.columnTypes); ++c)
                mode.columnTitles->push_back(Text(in.ColumnTitles[c]));
        }
        mode.fullScreen = in.FullScreen != 0;
        mode.detailedStatus = in.DetailedStatus != 0;
        mode.alignExtensions = in.AlignExtensions != 0;
        mode.caseConversion = in.CaseConversion != 0;
        mode.statusColumnTypes = Text(in.StatusColumnTypes);
        mode.statusColumnWidths = Text(in.StatusColumnWidths);
        d.modes.push_back(std::move(mode));
    }
    d.startPanelMode = record.StartPanelMode;
    d.startSortMode = record.StartSortMode;
    d.startSortOrder = record.StartSortOrder;
    if (record.KeyBar) {
        d.hasKeyBar = true;
        const char* const* rows[4] = {record.KeyBar->Titles, record.KeyBar->CtrlTitles,
                                      record.KeyBar->AltTitles, record.KeyBar->ShiftTitles};
        for (int row = 0; row < 4; ++row)
            for (int key = 0; key < 12; ++key)
                if (rows[row][key])
                    d.keyBar[row][key] = std::string(rows[row][key]);
    }
    return d;
}

PluginPanel::PluginPanel(const PluginEntryPoints& plugin, PanelHandle handle)
    : plugin_(plugin), handle_(handle), dots_(MakePanelItem("..", AttributeDirectory)) {
}

PluginPanel::~PluginPanel() {
    if (!closed_)
        FreeListing(listing_);
}

void PluginPanel::FreeListing(Listing& listing) {
    if (!listing.valid)
        return;
    calls_.push_back("FreeFindData");
    if (plugin_.FreeFindData)
        plugin_.FreeFindData(handle_, listing.items, listing.count);
    listing = Listing{};
}

bool PluginPanel::Refresh(bool keepSelection, int opMode) {
    if (closed_)
        return false;
    bool const first = !std::exchange(listedOnce_, true);
    auto const oldKeys = Keys();
    std::vector<RowKey> selectedKeys;
    for (int i = 0; keepSelection && i < Count(); ++i)
        if (IsSelected(i))
            selectedKeys.push_back(oldKeys[static_cast<std::size_t>(i)]);
    std::optional<RowKey> const currentKey =
        Count() > 0 ? std::optional<RowKey>(oldKeys[static_cast<std::size_t>(current_)])
                    : std::nullopt;
    int const oldCurrent = current_;

    calls_.push_back("GetOpenPluginInfo");
    OpenPluginInfoRecord record{};
    record.StructSize = sizeof record;
    if (plugin_.GetOpenPluginInfo)
        plugin_.GetOpenPluginInfo(handle_, &record);
    description_ = PanelDescription::From(record);
    if (first) {
        if (description_.startPanelMode >= '0' && description_.startPanelMode <= '9')
            viewMode_ = description_.startPanelMode - '0';
        if (description_.startSortMode != SortDefault) {
            sortMode_ = description_.startSortMode;
            sortDescending_ = description_.startSortOrder != 0;
        }
    }

    Listing fresh;
    calls_.push_back(opMode ? "GetFindData " + std::to_string(opMode) : "GetFindData");
    if (plugin_.GetFindData) {
        fresh.valid = plugin_.GetFindData(handle_, &fresh.items, &fresh.count, opMode) != 0;
        if (!fresh.valid || fresh.count < 0 || (fresh.count > 0 && !fresh.items))
            fresh = Listing{fresh.items, 0, fresh.valid};
    }
    FreeListing(listing_);
    listing_ = fresh;

    selected_.assign(static_cast<std::size_t>(listing_.count), false);
    BuildOrder();
    auto const keys = Keys();
    for (auto const& key : selectedKeys)
        Select(FindRow(keys, key), true);
    int const found = currentKey ? FindRow(keys, *currentKey) : -1;
    SetCursor(found >= 0 ? found : oldCurrent);
    return listing_.valid;
}

std::vector<std::string> PluginPanel::Search(const std::string& text, const std::string& folder) {
    std::vector<std::string> found;
    if (closed_ || !plugin_.GetFindData)
        return found;
    calls_.push_back("GetFindData " + std::to_string(OpFind));
    PanelItem* items = nullptr;
    int count = 0;
    if (!plugin_.GetFindData(handle_, &items, &count, OpFind))
        return found;
    for (int i = 0; items && i < count; ++i) {
        if (IsFolder(items[i]) || !plugin_.GetFiles)
            continue;
        PanelItem copy = items[i];
        char destination[MaxPath];
        CopyText(destination, sizeof destination, folder);
        calls_.push_back("GetFiles " + std::to_string(OpFind));
        if (!plugin_.GetFiles(handle_, &copy, 1, 0, destination, OpFind))
            continue;
        std::string const name = items[i].Data.AlternateFileName[0]
                                     ? items[i].Data.AlternateFileName
                                     : items[i].Data.FileName;
        std::ifstream file(folder + PathDelimiter + name, std::ios::binary);
        std::string const bytes{std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>()};
        if (bytes.find(text) != std::string::npos)
            found.push_back(items[i].Data.FileName);
    }
    calls_.push_back("FreeFindData");
    if (plugin_.FreeFindData)
        plugin_.FreeFindData(handle_, items, count);
    return found;
}

void PluginPanel::Close() {
    if (closed_)
        return;
    FreeListing(listing_);
    order_.clear();
    selected_.clear();
    calls_.push_back("ClosePlugin");
    if (plugin_.ClosePlugin)
        plugin_.ClosePlugin(handle_);
    closed_ = true;
}

std::vector<RowKey> PluginPanel::Keys() const {
    std::vector<const PanelItem*> rows;
    for (int i = 0; i < Count(); ++i)
        rows.push_back(&Item(i));
    return RowKeys(rows);
}

const PanelItem& PluginPanel::Item(int index) const {
    int const at = order_.at(static_cast<std::size_t>(index));
    return at < 0 ? dots_ : listing_.items[at];
}

bool PluginPanel::IsDots(int index) const {
    return index >= 0 && index < Count() && order_[static_cast<std::size_t>(index)] < 0;
}

int PluginPanel::Find(const std::string& name) const {
    for (int i = 0; i < Count(); ++i)
        if (Name(i) == name)
            return i;
    return -1;
}

void PluginPanel::SetCursor(int current, int top) {
    int const last = std::max(Count() - 1, 0);
    current_ = std::clamp(current, 0, last);
    if (top >= 0)
        top_ = std::clamp(top, 0, last);
    if (current_ < top_)
        top_ = current_;
    if (current_ >= top_ + pageHeight_)
        top_ = current_ - pageHeight_ + 1;
}

void PluginPanel::Select(int index, bool selected) {
    if (index < 0 || index >= Count() || IsDots(index))
        return;
    selected_[static_cast<std::size_t>(order_[static_cast<std::size_t>(index)])] = selected;
}

bool PluginPanel::IsSelected(int index) const {
    return index >= 0 && index < Count() && !IsDots(index) &&
           selected_[static_cast<std::size_t>(order_[static_cast<std::size_t>(index)])];
}

int PluginPanel::SelectedCount() const {
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

std::vector<int> PluginPanel::Selection() const {
    std::vector<int> indices;
    for (int i = 0; i < Count(); ++i)
        if (IsSelected(i))
            indices.push_back(i);
    if (indices.empty() && Count() > 0)
        indices.push_back(current_);
    return indices;
}

std::vector<PanelItem> PluginPanel::SelectionItems() const {
    std::vector<PanelItem> items;
    for (int index : Selection())
        if (!IsDots(index))
            items.push_back(Item(index));
    return items;
}

bool PluginPanel::SetDirectory(const std::string& name, int opMode) {
    calls_.push_back("SetDirectory " + name);
    if (!plugin_.SetDirectory || !plugin_.SetDirectory(handle_, name.c_str(), opMode))
        return false;
    std::string const left = LastComponent(description_.curDir);
    selected_.clear();
    order_.clear();
    current_ = top_ = 0;
    Refresh(false);
    if (name == "..") {
        int const found = Find(left);
        SetCursor(found >= 0 ? found : 0);
    }
    return true;
}

bool PluginPanel::EnterCurrent() {
    if (Count() == 0)
        return false;
    if (IsDots(current_))
        return SetDirectory("..");
    if (!IsFolder(Item(current_)))
        return false;
    return SetDirectory(Name(current_));
}

int PluginPanel::ProcessKey(int key, unsigned controlState) {
    calls_.push_back("ProcessKey " + std::to_string(key));
    return plugin_.ProcessKey ? plugin_.ProcessKey(handle_, key, controlState) : 0;
}

int PluginPanel::ProcessEvent(int event, void* param) {
    calls_.push_back("ProcessEvent " + std::to_string(event));
    return plugin_.ProcessEvent ? plugin_.ProcessEvent(handle_, event, param) : 0;
}

int PluginPanel::GetFiles(const std::string& destination, bool move, int opMode) {
    auto items = SelectionItems();
    if (items.empty() || !plugin_.GetFiles)
        return 0;
    calls_.push_back("GetFiles");
    char path[MaxPath];
    CopyText(path, sizeof path, destination);
    int const result = plugin_.GetFiles(handle_, items.data(), static_cast<int>(items.size()),
                                        move ? 1 : 0, path, opMode);
    if (result)
        std::fill(selected_.begin(), selected_.end(), false);
    return result;
}

int PluginPanel::DeleteFiles(int opMode) {
    auto items = SelectionItems();
    if (items.empty() || !plugin_.DeleteFiles)
        return 0;
    calls_.push_back("DeleteFiles");
    int const result =
        plugin_.DeleteFiles(handle_, items.data(), static_cast<int>(items.size()), opMode);
    if (result)
        Refresh(false);
    return result;
}

int PluginPanel::PutFiles(std::vector<PanelItem>& items, bool move, int opMode) {
    if (items.empty() || !plugin_.PutFiles)
        return 0;
    calls_.push_back("PutFiles");
    int const result = plugin_.PutFiles(handle_, items.data(), static_cast<int>(items.size()),
                                        move ? 1 : 0, opMode);
    if (result)
        Refresh(true);
    return result;
}

void PluginPanel::SetViewMode(int mode) {
    viewMode_ = std::clamp(mode, 0, ViewModeCount - 1);
    std::string const columns = ColumnTypes();
    ProcessEvent(EventChangeViewMode, const_cast<char*>(columns.c_str()));
}

std::string PluginPanel::ColumnTypes() const {
    auto const mode = static_cast<std::size_t>(viewMode_);
    if (mode < description_.modes.size() && !description_.modes[mode].columnTypes.empty())
        return description_.modes[mode].columnTypes;
    return "N";
}

std::string PluginPanel::ColumnWidths() const {
    auto const mode = static_cast<std::size_t>(viewMode_);
    if (mode < description_.modes.size() && !description_.modes[mode].columnTypes.empty())
        return description_.modes[mode].columnWidths;
    return "0";
}

void PluginPanel::SetSortMode(int mode, bool descending) {
    int const at = Count() > 0 ? order_[static_cast<std::size_t>(current_)] : -1;
    sortMode_ = mode;
    sortDescending_ = descending;
    BuildOrder();
    auto const found = std::find(order_.begin(), order_.end(), at);
    SetCursor(found != order_.end() ? static_cast<int>(found - order_.begin()) : 0);
}

void PluginPanel::BuildOrder() {
    order_.clear();
    for (int i = 0; i < listing_.count; ++i)
        order_.push_back(i);
    if (sortMode_ != SortUnsorted)
        std::stable_sort(order_.begin(), order_.end(), [this](int a, int b) { return Less(a, b); });
    if (description_.flags & PanelAddDots)
        order_.insert(order_.begin(), -1);
}

bool PluginPanel::Less(int a, int b) const {
    auto const& left = listing_.items[a];
    auto const& right = listing_.items[b];
    if (IsFolder(left) != IsFolder(right))
        return IsFolder(left);
    int result = CompareUseHostOrder;
    if (plugin_.Compare)
        result = plugin_.Compare(handle_, &left, &right, static_cast<unsigned>(sortMode_));
    if (result == CompareUseHostOrder)
        result = HostCompare(left, right);
    return sortDescending_ ? result > 0 : result < 0;
}

int PluginPanel::HostCompare(const PanelItem& a, const PanelItem& b) const {
    auto const& x = a.Data;
    auto const& y = b.Data;
    int result = 0;
    switch (sortMode_) {
    case SortByExtension:
        result = CompareNoCase(Extension(x.FileName), Extension(y.FileName));
        break;
    case SortByWriteTime:
        result = Order(x.LastWriteTime, y.LastWriteTime);
        break;
    case SortByCreationTime:
        result = Order(x.CreationTime, y.CreationTime);
        break;
    case SortByAccessTime:
        result = Order(x.LastAccessTime, y.LastAccessTime);
        break;
    case SortBySize:
        result = Order(x.FileSize, y.FileSize);
        break;
    case SortByDescription:
        result =
            CompareNoCase(a.Description ? a.Description : "", b.Description ? b.Description : "");
        break;
    case SortByOwner:
        result = CompareNoCase(a.Owner ? a.Owner : "", b.Owner ? b.Owner : "");
        break;
    case SortByPackedSize:
        result = Order(a.PackSize, b.PackSize);
        break;
    case SortByLinks:
        result = Order(a.NumberOfLinks, b.NumberOfLinks);
        break;
    default:
        break;
    }
    return result != 0 ? result : CompareNoCase(x.FileName, y.FileName);
}

void PluginPanel::FillInfo(PanelInfo& info) {
    info = PanelInfo{};
    info.PanelType = PanelTypeFiles;
    info.Plugin = 1;
    info.Rect = PanelRect{0, 1, 39, pageHeight_ + 2};
    infoItems_.clear();
    for (int i = 0; i < Count(); ++i) {
        PanelItem item = Item(i);
        item.Flags = IsSelected(i) ? (item.Flags | ItemSelected) : (item.Flags & ~ItemSelected);
        infoItems_.push_back(item);
    }
    infoSelected_.clear();
    for (int index : Selection())
        infoSelected_.push_back(infoItems_[static_cast<std::size_t>(index)]);
    info.PanelItems = infoItems_.empty() ? nullptr : infoItems_.data();
    info.ItemsNumber = Count();
    info.SelectedItems = infoSelected_.empty() ? nullptr : infoSelected_.data();
    info.SelectedItemsNumber = static_cast<int>(infoSelected_.size());
    info.CurrentItem = current_;
    info.TopPanelItem = top_;
    info.Visible = 1;
    info.Focus = 1;
    info.ViewMode = viewMode_;
    CopyText(info.ColumnTypes, sizeof info.ColumnTypes, ColumnTypes());
    CopyText(info.ColumnWidths, sizeof info.ColumnWidths, ColumnWidths());
    CopyText(info.CurDir, sizeof info.CurDir, description_.curDir);
    info.SortMode = sortMode_;
    info.Flags = sortDescending_ ? std::uint32_t{PanelInfoReverseSort} : 0u;
}

void PluginPanel::ApplySelection(const PanelInfo& info) {
    if (!info.PanelItems)
        return;
    for (int i = 0; i < std::min(info.ItemsNumber, Count()); ++i)
        Select(i, (info.PanelItems[i].Flags & ItemSelected) != 0);
}

} // namespace ulvar::standin
