#pragma once

namespace cobwen {

// The sections of the settings store. "Window\FontList" and "Window\FontPreview" are sub-keys of
// "Window" in the registry and sections of those names in the INI file; the list layouts exist in
// the registry only.
inline constexpr char kSettingsSection[] = "Settings";
inline constexpr char kWindowSection[] = "Window";
inline constexpr char kFontListSection[] = "Window\\FontList";
inline constexpr char kFontPreviewSection[] = "Window\\FontPreview";
inline constexpr char kListLayoutSection[] = "List";
inline constexpr char kBasketLayoutSection[] = "Basket";
// The value that holds a list layout in its section.
inline constexpr char kLayoutKey[] = "Layout";

// The update check's own keys in kSettingsSection: the version information it keeps between runs
// (text) and the day number of its last completed check (integer).
inline constexpr char kLastVersionKey[] = "LastVersion";
inline constexpr char kLastUpdateKey[] = "LastUpdate";

} // namespace cobwen
