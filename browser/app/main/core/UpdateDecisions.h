#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cobwen {

// The update server's paths; the host is the catalogue site's unless told otherwise.
inline constexpr char UpdateInfoPath[] = "/ulvar/lv_gui.dat";
inline constexpr char UpdateArchivePath[] = "/ulvar/cobwen_gui.rar";
// The names the two downloads are stored under.
inline constexpr char UpdateInfoFileName[] = "lv_gui.dat";
inline constexpr char UpdateArchiveFileName[] = "cobwen_gui.rar";
// The first line of the information file, compared exactly.
inline constexpr char UpdateInfoSignature[] = "ULVAR Cobwen GUI";

// "http://HOST/ulvar/lv_gui.dat" and "http://HOST/ulvar/cobwen_gui.rar".
std::string UpdateInfoUrl(std::string_view host);
std::string UpdateArchiveUrl(std::string_view host);

// What an automatic check is decided by.
struct UpdateCheckOccasion {
    bool Manual = false;
    bool AfterTransfer = false;
    bool CheckForUpdates = false;
    bool SystemProxy = false;    // ProxyAccess is 1: the system's proxy settings
    std::int32_t Today = 0;      // day number
    std::int32_t LastUpdate = 0; // day number of the last recorded check; 0 when unknown
    std::int32_t Period = 30;    // PeriodCheckForUpdates, in days
};

// A manual check always runs. An automatic one runs when checks are on, not at start-up with the
// system's proxy settings, and only once more than Period days have passed since LastUpdate.
bool ShouldCheckForUpdate(const UpdateCheckOccasion& occasion);

// Lines 2 to 4 of the information file.
struct UpdateInfo {
    std::string Version;      // the published version number, decimal digits
    std::string ShownVersion; // as shown to the user
    std::string ReleaseDate;  // as shown to the user

    friend bool operator==(const UpdateInfo&, const UpdateInfo&) = default;
};

// A decimal number of digits only that fits the 32-bit integer the versions are compared as;
// nothing otherwise (a number too large is no number, never a wrapped one).
std::optional<std::int32_t> VersionValue(std::string_view text);

// The version the published one is compared with: `lastVersion` when it is digits only (a
// missing one reads as `versionNumber`, the program's own file version without its dots),
// `versionNumber` otherwise.
std::string KnownVersion(const std::optional<std::string>& lastVersion,
                         std::string_view versionNumber);

enum class UpdateVerdict {
    Offer,     // the published version is newer: ask the user
    NoNewer,   // nothing newer: nothing is recorded
    Malformed, // the file is not what the server should publish
};

struct UpdateInfoDecision {
    UpdateVerdict Verdict = UpdateVerdict::Malformed;
    UpdateInfo Info;
};

// Reads the information file's text (lines ended by CR LF or by LF alone; missing lines read
// as empty, further lines are ignored) and compares its version with `knownVersion`.
UpdateInfoDecision DecideOnUpdateInfo(std::string_view fileText, std::string_view knownVersion);

} // namespace cobwen
