#include "plugins/startup/core/Sources.h"

#include "plugins/startup/core/EntryNames.h"
#include "plugins/startup/core/ValueLists.h"

namespace launchet {

namespace {

// The value's text, "" when it cannot be read.
std::string ReadText(const StartupContext& context, const SourceDefinition& definition) {
    auto const stored =
        context.store.ReadValue(definition.root, definition.keyPath, definition.value);
    return stored ? ValueText(stored->type, stored->bytes) : std::string();
}

// Whether an ANSI text names an existing file.
FileExists AnsiFileExists(const StartupContext& context) {
    return [&context](const std::string& ansi) {
        return context.store.FileExists(context.codePages.OemFromAnsi(ansi));
    };
}

FileExists OemFileExists(const StartupContext& context) {
    return [&context](const std::string& oem) {
        return context.store.FileExists(oem);
    };
}

RegistryPlace PlaceOf(const SourceDefinition& definition) {
    return {definition.root, definition.keyPath, definition.value ? definition.value : ""};
}

} // namespace

bool StartupSource::Add(const std::string&, const std::string&, const std::string&) {
    return false;
}

ValueListSource::ValueListSource(const StartupContext& context, const SourceDefinition& definition)
    : context_(context), definition_(definition) {
}

void ValueListSource::Collect(EntryList& entries) {
    auto const elements = SplitValueList(ReadText(context_, definition_));
    for (std::size_t k = 0; k < elements.size(); ++k)
        entries.push_back(std::make_unique<RegistryValueEntry>(
            context_, SplitRegistryCommand(elements[k], AnsiFileExists(context_)),
            PlaceOf(definition_), definition_.value, static_cast<int>(k), definition_.protection));
}

MultiStringSource::MultiStringSource(const StartupContext& context,
                                     const SourceDefinition& definition)
    : context_(context), definition_(definition) {
}

void MultiStringSource::Collect(EntryList& entries) {
    for (auto const& text : SplitMultiString(ReadText(context_, definition_)))
        entries.push_back(std::make_unique<RegistryValueEntry>(
            context_, SplitRegistryCommand(text, AnsiFileExists(context_)), PlaceOf(definition_),
            definition_.value, -1, definition_.protection));
}

RenamePairSource::RenamePairSource(const StartupContext& context,
                                   const SourceDefinition& definition)
    : context_(context), definition_(definition) {
}

void RenamePairSource::Collect(EntryList& entries) {
    for (auto const& [source, target] : SplitRenamePairs(ReadText(context_, definition_))) {
        std::string const text = '"' + source + " -> " + target + '"';
        entries.push_back(std::make_unique<RegistryValueEntry>(
            context_, SplitRegistryCommand(text, AnsiFileExists(context_)), PlaceOf(definition_),
            definition_.value, -1, definition_.protection));
    }
}

RunKeySource::RunKeySource(const StartupContext& context, const SourceDefinition& definition)
    : context_(context), definition_(definition) {
}

void RunKeySource::Collect(EntryList& entries) {
    auto const& pages = context_.codePages;
    for (auto const& value : context_.store.Values(definition_.root, definition_.keyPath)) {
        // Whatever its type, the data counts as text up to its first zero.
        std::string const data = ValueText(TypeString, value.value.bytes);
        RegistryPlace place{definition_.root, definition_.keyPath, value.name};
        entries.push_back(std::make_unique<RegistryValueEntry>(
            context_, SplitRegistryCommand(pages.OemFromAnsi(data), OemFileExists(context_)),
            std::move(place), pages.OemFromAnsi(value.name), -1, 0));
    }
}

bool RunKeySource::Add(const std::string& path, const std::string& name,
                       const std::string& arguments) {
    auto const& pages = context_.codePages;
    std::string const base = pages.AnsiFromOem(name);
    auto const free = FirstFreeName(
        [&base](int number) { return number == 0 ? base : base + std::to_string(number); },
        [this](const std::string& candidate) {
            return context_.store.HasValue(definition_.root, definition_.keyPath, candidate);
        });
    if (!free)
        return false;
    StoredValue value;
    value.type = TypeString;
    value.bytes = pages.AnsiFromOem(RunValueData(path, arguments));
    value.bytes += '\0';
    return context_.store.WriteValue(definition_.root, definition_.keyPath, *free, value) == 0;
}

StartupFolderSource::StartupFolderSource(const StartupContext& context,
                                         const SourceDefinition& definition)
    : context_(context), folder_(context.codePages.OemFromAnsi(ReadText(context, definition))) {
    if (!folder_.empty() && folder_.back() != '\\')
        folder_ += '\\';
}

void StartupFolderSource::Collect(EntryList& entries) {
    if (folder_.empty())
        return;
    for (auto const& found : context_.store.ListFolder(folder_)) {
        if (found.name.empty() || found.name.front() == '.' || found.hidden)
            continue;
        std::string const file = folder_ + found.name;
        Command command{file, {}};
        if (auto const target = context_.store.ResolveShortcut(file))
            command = {target->path, target->arguments};
        entries.push_back(std::make_unique<ShortcutEntry>(context_, std::move(command), file));
    }
}

bool StartupFolderSource::Add(const std::string& path, const std::string& name,
                              const std::string& arguments) {
    // Without a folder the shortcut would land in whatever folder is current.
    if (folder_.empty())
        return false;
    auto const file = FirstFreeName(
        [this, &name](int number) {
            return folder_ + name + (number == 0 ? std::string() : std::to_string(number)) + ".lnk";
        },
        [this](const std::string& candidate) { return context_.store.FileExists(candidate); });
    return file && context_.store.CreateShortcut(*file, path, arguments) == 0;
}

WinIniSource::WinIniSource(const StartupContext& context, const SourceDefinition& definition)
    : context_(context), definition_(definition) {
}

void WinIniSource::Collect(EntryList& entries) {
    for (const char* key : {"load", "run"}) {
        auto const tokens =
            TokenizeIniLine(context_.store.ReadIni(definition_.keyPath, definition_.value, key));
        for (std::size_t k = 0; k < tokens.size(); ++k)
            entries.push_back(std::make_unique<IniListEntry>(context_, SplitIniToken(tokens[k]),
                                                             definition_.keyPath, definition_.value,
                                                             key, static_cast<int>(k)));
    }
}

std::unique_ptr<StartupSource> MakeSource(const StartupContext& context,
                                          const SourceDefinition& definition) {
    switch (definition.kind) {
    case SourceKind::MultiString:
        return std::make_unique<MultiStringSource>(context, definition);
    case SourceKind::RenamePair:
        return std::make_unique<RenamePairSource>(context, definition);
    case SourceKind::ValueList:
        return std::make_unique<ValueListSource>(context, definition);
    case SourceKind::RunKey:
        return std::make_unique<RunKeySource>(context, definition);
    case SourceKind::StartupFolder:
        return std::make_unique<StartupFolderSource>(context, definition);
    case SourceKind::WinIni:
        return std::make_unique<WinIniSource>(context, definition);
    }
    return nullptr;
}

} // namespace launchet
