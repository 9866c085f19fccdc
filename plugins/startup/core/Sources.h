#pragma once

// The sources of startup entries: each reads its place into entries, and the Run keys and the
// startup folders also take new entries.

#include "plugins/startup/core/StartupEntries.h"

#include <memory>
#include <string>
#include <vector>

namespace launchet {

using EntryList = std::vector<std::unique_ptr<StartupEntry>>;

class StartupSource {
public:
    virtual ~StartupSource() = default;
    // Appends the source's entries in stored order; a place that cannot be read adds nothing.
    virtual void Collect(EntryList& entries) = 0;
    // A new entry for the program (OEM texts); false when the source takes none or it could not
    // be created.
    virtual bool Add(const std::string& path, const std::string& name,
                     const std::string& arguments);
};

// One value holding a comma list of programs; each element is an entry of its own.
class ValueListSource : public StartupSource {
public:
    ValueListSource(const StartupContext& context, const SourceDefinition& definition);
    void Collect(EntryList& entries) override;

private:
    const StartupContext& context_;
    SourceDefinition definition_;
};

// A multi-string of programs, up to its first empty string.
class MultiStringSource : public StartupSource {
public:
    MultiStringSource(const StartupContext& context, const SourceDefinition& definition);
    void Collect(EntryList& entries) override;

private:
    const StartupContext& context_;
    SourceDefinition definition_;
};

// Pending renames: pairs of source and target, shown as "source -> target".
class RenamePairSource : public StartupSource {
public:
    RenamePairSource(const StartupContext& context, const SourceDefinition& definition);
    void Collect(EntryList& entries) override;

private:
    const StartupContext& context_;
    SourceDefinition definition_;
};

// Every value of a key is a program with its arguments.
class RunKeySource : public StartupSource {
public:
    RunKeySource(const StartupContext& context, const SourceDefinition& definition);
    void Collect(EntryList& entries) override;
    // A value named name, or name1, name2, ... when it is taken.
    bool Add(const std::string& path, const std::string& name,
             const std::string& arguments) override;

private:
    const StartupContext& context_;
    SourceDefinition definition_;
};

// A folder of programs and shortcuts, its path read from a registry value when constructed.
class StartupFolderSource : public StartupSource {
public:
    StartupFolderSource(const StartupContext& context, const SourceDefinition& definition);
    void Collect(EntryList& entries) override;
    // A shortcut "<name>.lnk", or "<name>1.lnk", ... when it is taken; nothing without a folder.
    bool Add(const std::string& path, const std::string& name,
             const std::string& arguments) override;
    // OEM, with a trailing backslash; empty when the value is missing.
    const std::string& Folder() const { return folder_; }

private:
    const StartupContext& context_;
    std::string folder_;
};

// The "load" and "run" lines of a section of win.ini.
class WinIniSource : public StartupSource {
public:
    WinIniSource(const StartupContext& context, const SourceDefinition& definition);
    void Collect(EntryList& entries) override;

private:
    const StartupContext& context_;
    SourceDefinition definition_;
};

std::unique_ptr<StartupSource> MakeSource(const StartupContext& context,
                                          const SourceDefinition& definition);

} // namespace launchet
