#pragma once

// Numbers of the plug-in's messages in its language files (sockwell_<language>.lng).

namespace sockwell::msg {

inline constexpr int Title = 0;
inline constexpr int ColumnName = 1;
inline constexpr int ColumnLocal = 2;
inline constexpr int ColumnRemote = 3;
inline constexpr int ColumnState = 4;
inline constexpr int ButtonOk = 5;
inline constexpr int ButtonCancel = 6;
inline constexpr int CheckResolveHosts = 7;
inline constexpr int CheckAutoRefresh = 8;
inline constexpr int CheckResolvePorts = 9;
inline constexpr int ProcessIdLabel = 10;
inline constexpr int ProcessNameLabel = 11;

inline constexpr int Count = 12;

} // namespace sockwell::msg
