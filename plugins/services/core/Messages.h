#pragma once

// Numbers of the plug-in's messages in its language files (sentrel_<language>.lng). The plug-in
// asks for 0 to Count - 1 only; where a message has a services and a drivers variant, the drivers
// one is the services number + 1.

namespace sentrel::msg {

inline constexpr int Title = 0;
inline constexpr int DisksMenu = 1;
inline constexpr int FullScreenModes = 2;
inline constexpr int ColumnTypes = 3;
inline constexpr int ColumnWidths = 4;
inline constexpr int ServicesFolder = 5;
inline constexpr int DevicesFolder = 6;
inline constexpr int TitleC0 = 7;
inline constexpr int TitleC1 = 8;
inline constexpr int TitleName = 9;
inline constexpr int TitleC2 = 10;
inline constexpr int TitleOwnerServices = 11; // drivers: 12
inline constexpr int TitleLinks = 13;
inline constexpr int TitleDate = 14;
inline constexpr int TitleDescription = 15;
inline constexpr int TitleC3 = 16;
inline constexpr int TitleC4 = 17;
inline constexpr int KeyF5 = 18;
inline constexpr int KeyF6 = 19;
inline constexpr int KeyF7 = 20;
inline constexpr int KeyF8 = 21;
inline constexpr int KeyCtrlF5 = 22;
inline constexpr int KeyCtrlF6 = 23;
inline constexpr int KeyCtrlF8 = 24;
inline constexpr int KeyCtrlF10 = 25;
inline constexpr int KeyAltF4 = 26;
inline constexpr int KeyAltF5 = 27;
inline constexpr int KeyAltF6 = 28;
inline constexpr int KeyShiftF1 = 29;
inline constexpr int KeyShiftF4 = 30;
inline constexpr int KeyShiftF5 = 31;
inline constexpr int KeyShiftF6 = 32;
inline constexpr int StateRunning = 33;
inline constexpr int StatePaused = 34;
inline constexpr int StateRunningShort = 35;
inline constexpr int StatePausedShort = 36;
inline constexpr int StartType = 37;      // + start type 0..4
inline constexpr int StartTypeShort = 42; // + start type 0..4
inline constexpr int InfoTitle = 47;
inline constexpr int InfoComputer = 48;
inline constexpr int InfoServices = 49;        // drivers: 50
inline constexpr int InfoRunningServices = 51; // drivers: 52
inline constexpr int Connecting = 53;
inline constexpr int ReadingServices = 54; // drivers: 55
inline constexpr int Warning = 58;
inline constexpr int Error = 59;
inline constexpr int Ok = 60;
inline constexpr int Cancel = 61;
inline constexpr int Retry = 64;
inline constexpr int Skip = 65;
inline constexpr int CannotConnect = 100;
inline constexpr int CannotEnumerateServices = 101; // drivers: 102
inline constexpr int CannotReadService = 103;       // drivers: 104
inline constexpr int ComputerNameTooLong = 113;

// The service report.
inline constexpr int ReportName = 149;
inline constexpr int ReportDisplayName = 150;
inline constexpr int ReportType = 151;
inline constexpr int ReportWin32 = 152;
inline constexpr int ReportKernelDriver = 153;
inline constexpr int ReportFileSystemDriver = 154;
inline constexpr int ReportOwnProcess = 155;
inline constexpr int ReportSharedProcess = 156;
inline constexpr int ReportInteractive = 157;
inline constexpr int ReportStartType = 158;
inline constexpr int ReportStartTypeBoot = 159; // .. 163
inline constexpr int ReportState = 164;
inline constexpr int ReportStateStopped = 165; // .. 171 for the states 1 .. 7
inline constexpr int ReportErrorControl = 172;
inline constexpr int ReportErrorIgnore = 173; // .. 176
inline constexpr int ReportAccount = 177;
inline constexpr int ReportDriverObject = 178;
inline constexpr int ReportGroup = 179;
inline constexpr int ReportTag = 180;
inline constexpr int ReportDependencies = 181;
inline constexpr int ReportGroupDependency = 182;
inline constexpr int ReportPath = 183;
inline constexpr int ReportDescription = 184;

inline constexpr int ComputerMenuTitle = 195;
inline constexpr int ComputerDialogTitle = 220;
inline constexpr int ComputerDialogLabel = 221;
inline constexpr int ComputerDialogHint = 222;

inline constexpr int Count = 330;

} // namespace sentrel::msg
