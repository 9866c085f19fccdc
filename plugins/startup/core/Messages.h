#pragma once

// Numbers of the plug-in's messages in its language files (launchet_<language>.lng).

namespace launchet::msg {

inline constexpr int ErrorTitle = 0;
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int PluginName = 3;
inline constexpr int EntryTitle = 4;
inline constexpr int ProgramLabel = 5;
inline constexpr int ArgumentsLabel = 6;
inline constexpr int LocationLabel = 7;
inline constexpr int Delete = 8;
inline constexpr int DeleteQuestion = 9;
inline constexpr int DeleteOne = 10;     // "%s": the program's file name
inline constexpr int DeleteSeveral = 11; // "%d": the count
inline constexpr int DeleteFailed = 12;
inline constexpr int CreateOne = 13; // also the plug-ins-menu item that adds files
inline constexpr int CreateSeveral = 14;
inline constexpr int NameLabel = 15;
inline constexpr int NewArgumentsLabel = 16;
inline constexpr int UserStartupFolder = 17;
inline constexpr int CommonStartupFolder = 18;
inline constexpr int UserRunKey = 19;
inline constexpr int MachineRunKey = 20;
inline constexpr int OpenPanelItem = 21;
inline constexpr int AddToDisksMenu = 22;
inline constexpr int DisksMenuHotkey = 23;
inline constexpr int AddToPluginsMenu = 24;
inline constexpr int ProtectedBoot = 25;
inline constexpr int ProtectedLogon = 26;
inline constexpr int InvalidName = 27;
inline constexpr int MoveRefused = 28;

inline constexpr int Count = 29;

} // namespace launchet::msg
