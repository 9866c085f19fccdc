#pragma once

// One open panel (`PanelInstance`): its computer, its current folder object, the description the
// host reads and the saved copy of the previous one, and the records its listings show. The folder
// objects (`FolderContent`: `RootFolder`, `ServicesFolder`, `DevicesFolder`) do the listing,
// describing, keys and events of their kind.

#include "plugins/services/core/FolderKinds.h"
#include "plugins/services/core/ServiceNode.h"
#include "plugins/services/plugin/Description.h"
#include "plugins/services/plugin/Library.h"
#include "win32/ServiceHandle.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace sentrel {

class PanelInstance;

class FolderContent {
public:
    explicit FolderContent(PanelInstance& panel) : panel_(panel) {}
    virtual ~FolderContent() = default;
    FolderContent(const FolderContent&) = delete;
    FolderContent& operator=(const FolderContent&) = delete;

    virtual FolderKind Kind() const = 0;
    virtual void Describe(Description& description) = 0;
    // The listing; records receives the records the items point to.
    virtual int List(ulvar::PanelItem** items, int* count, int mode,
                     std::vector<ServicePtr>& records) = 0;
    virtual int GetFiles(ulvar::PanelItem*, int, int, char*, int) { return 0; }
    virtual void ProcessEvent(int, void*) {}
    virtual int ProcessKey(int, unsigned) { return 0; }
    virtual int Compare(const ulvar::PanelItem&, const ulvar::PanelItem&, unsigned) {
        return ulvar::CompareUseHostOrder;
    }

    PanelInstance& Panel() const { return panel_; }

    bool rereadRequested = false;

protected:
    PanelInstance& panel_;
};

std::unique_ptr<FolderContent> MakeFolder(PanelInstance& panel, FolderKind kind);

class PanelInstance {
public:
    explicit PanelInstance(Library& library);
    ~PanelInstance();
    PanelInstance(const PanelInstance&) = delete;
    PanelInstance& operator=(const PanelInstance&) = delete;

    Library& Lib() const { return library_; }
    ulvar::PanelHandle Handle() { return this; }
    FolderContent& Folder() { return *folder_; }
    FolderKind Kind() const { return folder_->Kind(); }
    bool IsTopFolder() const { return static_cast<int>(Kind()) == library_.settings.dirStructure; }

    // The computer as typed (ANSI; empty = local), its display form (upper case, OEM), and the
    // name texts use (the display form, or the local computer's OEM name).
    const std::string& Computer() const { return computer_; }
    const std::string& DisplayComputer() const { return display_; }
    std::string ComputerText() const;
    bool IsLocal() const { return CacheKey().empty(); }
    std::string CacheKey() const;
    void SetComputer(const std::string& ansi);

    // The path of SetDirectory, OpenPlugin and the command line; 1 when interpreted.
    int Interpret(const std::string& path, int mode);
    void GetOpenPluginInfo(ulvar::OpenPluginInfoRecord& record);
    int GetFindData(ulvar::PanelItem** items, int* count, int mode);
    void FreeFindData(ulvar::PanelItem* items);
    int ProcessKey(int key, unsigned controlState);
    int ProcessEvent(int event, void* param);
    // The remembered path of this panel: "\\<computer>\<folder name>".
    std::string RememberedPath() const;

    // A please-wait title instead of the panel's (none: the panel's own).
    void SetTitleOverride(const std::string& text);
    void ClearTitleOverride() { titleOverride_.reset(); }
    void RedrawAndFlush();
    // When the other panel is the information panel: update and redraw it.
    void RefreshOtherPanel();
    void InvalidateDescription() { built_ = false; }

    // The service control manager of the panel's computer, with the progress title, Ctrl+Break
    // and the retry prompt; invalid when not opened.
    win32::ServiceHandle OpenManager(std::uint32_t access, int mode);

    // The computer keys.
    void AskComputer();
    void PickComputer();
    void UseLocalComputer();
    void ChangeComputer(const std::string& ansi);

private:
    void Rebuild();
    void ReplaceFolder(std::unique_ptr<FolderContent> folder);

    Library& library_;
    std::unique_ptr<FolderContent> folder_;
    std::string computer_, display_;
    std::shared_ptr<Description> description_;
    std::shared_ptr<Description> saved_;
    // The description the host got last: its texts stay valid until the host asks again, even
    // when a listing or a folder change has built a new one meanwhile.
    std::shared_ptr<Description> handedOut_;
    bool built_ = false;
    bool builtDots_ = false;
    int builtLayout_ = 0;
    bool listing_ = false;
    std::optional<std::string> titleOverride_;
    // The records each listing's items point to, until the host releases the items.
    std::map<ulvar::PanelItem*, std::vector<ServicePtr>> shown_;
};

bool IsSilent(int mode);

} // namespace sentrel
