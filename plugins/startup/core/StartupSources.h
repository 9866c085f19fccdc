#pragma once

// The twenty places Windows starts programs from, in the order the panel reads them.

#include <array>
#include <cstddef>

namespace launchet {

enum class SourceKind { MultiString, RenamePair, ValueList, RunKey, StartupFolder, WinIni };
enum class RootKey { LocalMachine, CurrentUser };

// Message numbers of the warnings shown instead of deleting a protected entry.
inline constexpr int ProtectedBootEntry = 25;
inline constexpr int ProtectedLogonEntry = 26;

struct SourceDefinition {
    SourceKind kind;
    RootKey root;
    const char* keyPath; // WinIni: the file
    const char* value;   // RunKey: null (every value); WinIni: the section
    int protection;      // message shown instead of deleting; 0 = none
};

inline constexpr const char* SessionManager = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
inline constexpr const char* Winlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
inline constexpr const char* UserWindows =
    "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
inline constexpr const char* ShellFolders =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr const char* UserShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

inline constexpr std::array<SourceDefinition, 20> StartupSources = {{
    {SourceKind::MultiString, RootKey::LocalMachine, SessionManager, "BootExecute",
     ProtectedBootEntry},
    {SourceKind::RenamePair, RootKey::LocalMachine, SessionManager, "PendingFileRenameOperations",
     ProtectedBootEntry},
    {SourceKind::ValueList, RootKey::LocalMachine, Winlogon, "Userinit", ProtectedLogonEntry},
    {SourceKind::RunKey, RootKey::LocalMachine,
     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce", nullptr, 0},
    {SourceKind::RunKey, RootKey::LocalMachine,
     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnceEx", nullptr, 0},
    {SourceKind::ValueList, RootKey::CurrentUser, UserWindows, "Run", 0},
    {SourceKind::RunKey, RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
     nullptr, 0},
    {SourceKind::RunKey, RootKey::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
     nullptr, 0},
    {SourceKind::StartupFolder, RootKey::LocalMachine, ShellFolders, "Common Startup", 0},
    {SourceKind::StartupFolder, RootKey::LocalMachine, ShellFolders, "Common AltStartup", 0},
    {SourceKind::StartupFolder, RootKey::CurrentUser, UserShellFolders, "Startup", 0},
    {SourceKind::ValueList, RootKey::CurrentUser, UserWindows, "Load", 0},
    {SourceKind::RunKey, RootKey::LocalMachine,
     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices", nullptr, 0},
    {SourceKind::RunKey, RootKey::LocalMachine,
     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServicesOnce", nullptr, 0},
    {SourceKind::RunKey, RootKey::CurrentUser,
     "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices", nullptr, 0},
    {SourceKind::RunKey, RootKey::CurrentUser,
     "Software\\Microsoft\\Windows\\CurrentVersion\\RunServicesOnce", nullptr, 0},
    {SourceKind::RunKey, RootKey::CurrentUser,
     "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce", nullptr, 0},
    {SourceKind::RunKey, RootKey::CurrentUser,
     "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnceEx", nullptr, 0},
    {SourceKind::RunKey, RootKey::LocalMachine,
     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\Explorer\\Run", nullptr, 0},
    {SourceKind::WinIni, RootKey::LocalMachine, "win.ini", "windows", 0},
}};

// Where new entries go, by the "CreateAs" setting 0..3: the current user's startup folder, all
// users' startup folder, the current user's Run key, the machine's Run key.
inline constexpr std::array<std::size_t, 4> Destinations = {10, 8, 7, 6};
// The destination when none is chosen.
inline constexpr std::size_t DefaultDestination = 10;

} // namespace launchet
