#pragma once

namespace cobwen {

// The sections of the settings store. "Window\FontList" and "Window\FontPreview" are sub-keys of
// "Window" in the registry and sections of those names in the INI file; the list layouts exist in
// the registry only.
inline constexpr char SettingsSection[] = "Settings";
inline constexpr char WindowSection[] = "Window";
inline constexpr char FontListSection[] = "Window\\FontList";
inline constexpr char FontPreviewSection[] = "Window\\FontPreview";
inline constexpr char ListLayoutSection[] = "List";
inline constexpr char BasketLayoutSection[] = "Basket";
// The value that holds a list layout in its section.
inline constexpr char LayoutKey[] = "Layout";

// The update check's own keys in SettingsSection: the version information it keeps between runs
// (text) and the day number of its last completed check (integer).
inline constexpr char LastVersionKey[] = "LastVersion";
inline constexpr char LastUpdateKey[] = "LastUpdate";

} // namespace cobwen
