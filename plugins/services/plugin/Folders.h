#pragma once

// The folder objects: the root folder with "Services" and "Devices", and the services and devices
// folders (one class, told apart by the driver flag).

#include "plugins/services/core/ViewModes.h"
#include "plugins/services/plugin/PanelInstance.h"

namespace sentrel {

class RootFolder : public FolderContent {
public:
    using FolderContent::FolderContent;
    FolderKind Kind() const override { return FolderKind::Root; }
    void Describe(Description& description) override;
    int List(ulvar::PanelItem** items, int* count, int mode,
             std::vector<ServicePtr>& records) override;
};

class ServiceFolder : public FolderContent {
public:
    ServiceFolder(PanelInstance& panel, bool drivers) : FolderContent(panel), drivers_(drivers) {}
    FolderKind Kind() const override {
        return drivers_ ? FolderKind::Devices : FolderKind::Services;
    }
    // Folder-name message, enumeration mask, driver flag.
    int NameMessage() const;
    std::uint32_t TypeMask() const;
    bool Drivers() const { return drivers_; }

    void Describe(Description& description) override;
    int List(ulvar::PanelItem** items, int* count, int mode,
             std::vector<ServicePtr>& records) override;
    int GetFiles(ulvar::PanelItem* items, int count, int move, char* destination,
                 int mode) override;
    void ProcessEvent(int event, void* param) override;
    int ProcessKey(int key, unsigned controlState) override;
    int Compare(const ulvar::PanelItem& a, const ulvar::PanelItem& b, unsigned mode) override;

    // Enumerates the panel's computer afresh into the cache; null when nothing was read.
    ListPtr ReadList(int mode);
    // The record under the cursor with info filled, or null: an empty panel, the cursor on the
    // first item, or an item that carries no record.
    ServiceNode* CurrentRecord(ulvar::PanelInfo& info);
    // The selection marks of the items the host reports as selected (the item under the cursor
    // it reports when nothing is selected is not marked), set or cleared.
    void MarkSelection(const ulvar::PanelInfo& info);
    static void ClearMarks(const ulvar::PanelInfo& info);
    // The host's selection from the marks, then a redraw (on the named service when given).
    void Reselect(const std::string* cursorName);

private:
    ViewModes Modes() const;
    bool SwapOfCurrentMode();
    int Msg2(int servicesNumber) const { return servicesNumber + (drivers_ ? 1 : 0); }

    bool drivers_;
    bool swapped_ = false;
    bool listRefreshed_ = false;
};

} // namespace sentrel
