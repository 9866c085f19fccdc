#pragma once

// The entries of the panel: a program and its arguments, where they are stored, and how they are
// removed from there.

#include "plugin-host/kit/core/CodePages.h"
#include "plugins/startup/core/CommandText.h"
#include "plugins/startup/core/StartupSources.h"
#include "plugins/startup/core/StartupStore.h"

#include <functional>
#include <string>

namespace launchet {

// What entries and sources work with: the store, the code pages, and the warning shown instead of
// deleting a protected entry (its message number).
struct StartupContext {
    StartupStore& store;
    const ulvar::kit::CodePages& codePages;
    std::function<void(int message)> warn;
};

// The position of an entry inside a list kept in one stored text (a comma list, a win.ini line).
struct ListElement {
    std::string list; // tells the lists apart
    int index = 0;
};

class StartupEntry {
public:
    explicit StartupEntry(Command command) : command_(std::move(command)) {}
    virtual ~StartupEntry() = default;
    StartupEntry(const StartupEntry&) = delete;
    StartupEntry& operator=(const StartupEntry&) = delete;

    // Removes the entry from where it is stored; false (with the thread's last error set) when it
    // could not be removed. A protected entry shows its warning, stays and counts as success.
    virtual bool Delete() = 0;
    // Where the entry lives, as the entry dialog shows it.
    virtual std::string Location() const = 0;
    // Deleting leaves the entry where it is.
    virtual bool Protected() const { return false; }
    // The entry's place in a list, when it is one element of a stored list.
    virtual ListElement* Element() { return nullptr; }

    const std::string& Program() const { return command_.program; }
    const std::string& Arguments() const { return command_.arguments; }
    const Command& GetCommand() const { return command_; }
    std::string RowName() const { return launchet::RowName(command_); }

private:
    Command command_;
};

struct RegistryPlace {
    RootKey root = RootKey::CurrentUser;
    std::string keyPath;   // ANSI
    std::string valueName; // ANSI, as stored
};

class RegistryValueEntry : public StartupEntry {
public:
    // elementIndex -1: the whole value; shownName: the value name as the location shows it.
    RegistryValueEntry(const StartupContext& context, Command command, RegistryPlace place,
                       std::string shownName, int elementIndex, int protection);

    bool Delete() override;
    std::string Location() const override;
    bool Protected() const override { return protection_ != 0; }
    ListElement* Element() override { return element_.index >= 0 ? &element_ : nullptr; }

    const RegistryPlace& Place() const { return place_; }
    int ElementIndex() const { return element_.index; }
    int Protection() const { return protection_; }

private:
    bool DeleteElement();

    const StartupContext& context_;
    RegistryPlace place_;
    std::string shownName_;
    ListElement element_;
    int protection_;
};

class ShortcutEntry : public StartupEntry {
public:
    ShortcutEntry(const StartupContext& context, Command command, std::string file);

    bool Delete() override;
    std::string Location() const override { return file_; }
    const std::string& File() const { return file_; }

private:
    const StartupContext& context_;
    std::string file_; // OEM
};

class IniListEntry : public StartupEntry {
public:
    IniListEntry(const StartupContext& context, Command command, std::string file,
                 std::string section, std::string key, int tokenIndex);

    bool Delete() override;
    std::string Location() const override { return file_; }
    ListElement* Element() override { return &element_; }
    const std::string& Key() const { return key_; }
    int TokenIndex() const { return element_.index; }

private:
    const StartupContext& context_;
    std::string file_, section_, key_;
    ListElement element_;
};

} // namespace launchet
