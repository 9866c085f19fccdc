#include "plugins/startup/win/SystemStore.h"

#include "plugins/startup/win/RegistryText.h"
#include "win32/Com.h"
#include "win32/Registry.h"
#include "win32/Text.h"

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace launchet::win {

namespace {

// CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER
constexpr DWORD LinkContext = 7;
constexpr std::size_t MaxIniLine = 1 << 20;

unsigned long ErrorOf(HRESULT result) {
    if (SUCCEEDED(result))
        return 0;
    return HRESULT_FACILITY(result) == FACILITY_WIN32 ? HRESULT_CODE(result)
                                                      : static_cast<unsigned long>(result);
}

std::optional<win32::ComPointer<IShellLinkW>> NewLink() {
    win32::ComPointer<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, LinkContext, IID_IShellLinkW,
                                link.Receive())))
        return std::nullopt;
    return link;
}

} // namespace

std::optional<StoredValue> SystemStore::ReadValue(RootKey root, const std::string& key,
                                                  const std::string& name) const {
    auto const opened = win32::OpenKey(RootHandle(root), key, KEY_READ);
    if (!opened.Valid())
        return std::nullopt;
    return ReadRegistryValue(opened.Get(), name);
}

std::vector<NamedValue> SystemStore::Values(RootKey root, const std::string& key) const {
    auto const opened = win32::OpenKey(RootHandle(root), key, KEY_READ);
    if (!opened.Valid())
        return {};
    return ReadRegistryValues(opened.Get());
}

bool SystemStore::HasValue(RootKey root, const std::string& key, const std::string& name) const {
    auto const opened = win32::OpenKey(RootHandle(root), key, KEY_QUERY_VALUE);
    return opened.Valid() && RegQueryValueExA(opened.Get(), name.c_str(), nullptr, nullptr, nullptr,
                                              nullptr) == ERROR_SUCCESS;
}

unsigned long SystemStore::WriteValue(RootKey root, const std::string& key, const std::string& name,
                                      const StoredValue& value) {
    win32::RegistryKey created;
    LONG const opened =
        RegCreateKeyExA(RootHandle(root), key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, created.Receive(), nullptr);
    if (opened != ERROR_SUCCESS) {
        created.Release();
        return static_cast<unsigned long>(opened);
    }
    return static_cast<unsigned long>(RegSetValueExA(
        created.Get(), name.c_str(), 0, value.type,
        reinterpret_cast<const BYTE*>(value.bytes.data()), static_cast<DWORD>(value.bytes.size())));
}

unsigned long SystemStore::DeleteValue(RootKey root, const std::string& key,
                                       const std::string& name) {
    win32::RegistryKey opened;
    LONG const result =
        RegOpenKeyExA(RootHandle(root), key.c_str(), 0, KEY_SET_VALUE, opened.Receive());
    if (result != ERROR_SUCCESS) {
        opened.Release();
        return static_cast<unsigned long>(result);
    }
    return static_cast<unsigned long>(RegDeleteValueA(opened.Get(), name.c_str()));
}

bool SystemStore::FileExists(const std::string& path) const {
    // No wildcards: "autochk *" names no file, whatever the current folder holds.
    if (path.empty() || path.find_first_of("*?") != std::string::npos)
        return false;
    return GetFileAttributesW(win32::WideFromOem(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<FolderEntry> SystemStore::ListFolder(const std::string& folder) const {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found{};
    win32::FindHandle search(FindFirstFileW(win32::WideFromOem(folder + "*").c_str(), &found));
    if (!search.Valid())
        return entries;
    do {
        entries.push_back({win32::OemFromWide(found.cFileName),
                           (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0});
    } while (FindNextFileW(search.Get(), &found));
    return entries;
}

std::optional<ShortcutTarget> SystemStore::ResolveShortcut(const std::string& file) const {
    auto link = NewLink();
    if (!link)
        return std::nullopt;
    win32::ComPointer<IPersistFile> persist;
    if (FAILED((*link)->QueryInterface(IID_IPersistFile, persist.Receive())))
        return std::nullopt;
    if (FAILED(persist->Load(win32::WideFromOem(file).c_str(), 0)))
        return std::nullopt;
    if (FAILED((*link)->Resolve(nullptr, SLR_NO_UI)))
        return std::nullopt;
    wchar_t path[MAX_PATH] = {};
    wchar_t arguments[MAX_PATH] = {};
    if (FAILED((*link)->GetPath(path, MAX_PATH, nullptr, 0)))
        path[0] = L'\0';
    if (FAILED((*link)->GetArguments(arguments, MAX_PATH)))
        arguments[0] = L'\0';
    return ShortcutTarget{win32::OemFromWide(path), win32::OemFromWide(arguments)};
}

unsigned long SystemStore::CreateShortcut(const std::string& file, const std::string& target,
                                          const std::string& arguments) {
    auto link = NewLink();
    if (!link)
        return ERROR_NOT_SUPPORTED;
    HRESULT result = (*link)->SetPath(win32::WideFromOem(target).c_str());
    if (SUCCEEDED(result) && !arguments.empty())
        result = (*link)->SetArguments(win32::WideFromOem(arguments).c_str());
    if (FAILED(result))
        return ErrorOf(result);
    win32::ComPointer<IPersistFile> persist;
    result = (*link)->QueryInterface(IID_IPersistFile, persist.Receive());
    if (SUCCEEDED(result))
        result = persist->Save(win32::WideFromOem(file).c_str(), TRUE);
    return ErrorOf(result);
}

unsigned long SystemStore::RemoveFile(const std::string& path) {
    return DeleteFileW(win32::WideFromOem(path).c_str()) ? 0 : GetLastError();
}

std::string SystemStore::ReadIni(const std::string& file, const std::string& section,
                                 const std::string& key) const {
    // A line that fills the buffer may go on: read again with a larger one, so that writing it
    // back never cuts off what came after.
    for (std::size_t size = 256; size <= MaxIniLine; size *= 2) {
        std::string line(size, '\0');
        DWORD const length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", line.data(),
                                                      static_cast<DWORD>(size), file.c_str());
        if (length + 1 < size) {
            line.resize(length);
            return line;
        }
    }
    return {};
}

unsigned long SystemStore::WriteIni(const std::string& file, const std::string& section,
                                    const std::string& key,
                                    const std::optional<std::string>& line) {
    BOOL const written = WritePrivateProfileStringA(section.c_str(), key.c_str(),
                                                    line ? line->c_str() : nullptr, file.c_str());
    return written ? 0 : GetLastError();
}

void SystemStore::SetLastError(unsigned long code) {
    ::SetLastError(code);
}

std::string FullPath(const std::string& name) {
    wchar_t path[MAX_PATH] = {};
    DWORD const length =
        GetFullPathNameW(win32::WideFromOem(name).c_str(), MAX_PATH, path, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return name;
    return win32::OemFromWide(path);
}

} // namespace launchet::win
