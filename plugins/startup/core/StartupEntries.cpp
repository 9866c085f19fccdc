#include "plugins/startup/core/StartupEntries.h"

#include "plugins/startup/core/ValueLists.h"

namespace launchet {

namespace {

const char* RootName(RootKey root) {
    return root == RootKey::LocalMachine ? "HKLM\\" : "HKCU\\";
}

// Fails with the error code as the thread's last error.
bool Fail(const StartupContext& context, unsigned long code) {
    context.store.SetLastError(code);
    return false;
}

} // namespace

RegistryValueEntry::RegistryValueEntry(const StartupContext& context, Command command,
                                       RegistryPlace place, std::string shownName, int elementIndex,
                                       int protection)
    : StartupEntry(std::move(command)), context_(context), place_(std::move(place)),
      shownName_(std::move(shownName)), protection_(protection) {
    element_.list = RootName(place_.root) + place_.keyPath + '\\' + place_.valueName;
    element_.index = elementIndex;
}

std::string RegistryValueEntry::Location() const {
    return RootName(place_.root) + place_.keyPath + '\\' + shownName_;
}

bool RegistryValueEntry::Delete() {
    if (protection_ != 0) {
        if (context_.warn)
            context_.warn(protection_);
        return true;
    }
    if (element_.index >= 0)
        return DeleteElement();
    unsigned long const error =
        context_.store.DeleteValue(place_.root, place_.keyPath, place_.valueName);
    return error == 0 || Fail(context_, error);
}

bool RegistryValueEntry::DeleteElement() {
    auto const stored = context_.store.ReadValue(place_.root, place_.keyPath, place_.valueName);
    if (!stored)
        return Fail(context_, ErrorFileNotFound);
    auto elements = SplitValueList(ValueText(stored->type, stored->bytes));
    auto const index = static_cast<std::size_t>(element_.index);
    if (index >= elements.size())
        return Fail(context_, ErrorFileNotFound);
    elements.erase(elements.begin() + static_cast<std::ptrdiff_t>(index));
    // An expandable value stays expandable; anything else is written as a plain string.
    StoredValue written;
    written.type = stored->type == TypeExpandString ? TypeExpandString : TypeString;
    written.bytes = JoinValueList(elements);
    written.bytes += '\0';
    unsigned long const error =
        context_.store.WriteValue(place_.root, place_.keyPath, place_.valueName, written);
    return error == 0 || Fail(context_, error);
}

ShortcutEntry::ShortcutEntry(const StartupContext& context, Command command, std::string file)
    : StartupEntry(std::move(command)), context_(context), file_(std::move(file)) {
}

bool ShortcutEntry::Delete() {
    unsigned long const error = context_.store.RemoveFile(file_);
    return error == 0 || Fail(context_, error);
}

IniListEntry::IniListEntry(const StartupContext& context, Command command, std::string file,
                           std::string section, std::string key, int tokenIndex)
    : StartupEntry(std::move(command)), context_(context), file_(std::move(file)),
      section_(std::move(section)), key_(std::move(key)) {
    element_.list = file_ + '[' + section_ + ']' + key_;
    element_.index = tokenIndex;
}

bool IniListEntry::Delete() {
    auto tokens = TokenizeIniLine(context_.store.ReadIni(file_, section_, key_));
    auto const index = static_cast<std::size_t>(element_.index);
    if (element_.index < 0 || index >= tokens.size())
        return Fail(context_, ErrorFileNotFound);
    tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(index));
    // The key goes only when no program is left in it.
    std::optional<std::string> line;
    if (!tokens.empty())
        line = JoinIniTokens(tokens);
    unsigned long const error = context_.store.WriteIni(file_, section_, key_, line);
    return error == 0 || Fail(context_, error);
}

} // namespace launchet
