#pragma once

// Numbers of the plug-in's messages in its language files.

namespace blocksby::msg {

inline constexpr int MenuEntry = 0;
inline constexpr int ScoreLabel = 1;
inline constexpr int LinesLabel = 2;
inline constexpr int BestScoreLabel = 3;
inline constexpr int DelayLabel = 4;
inline constexpr int NextLabel = 5;
inline constexpr int PlayingStatus = 6;
inline constexpr int ConsoleTitle = 7;
inline constexpr int PausedStatus = 8;
inline constexpr int KeyHelp1 = 9;
inline constexpr int KeyHelp2 = 10;
inline constexpr int DefineKeyPrompt = 11;
inline constexpr int KeyLeft = 12; // 12-18: left, right, rotate, drop, swap, all left, all right
inline constexpr int OptionsTitle = 19;
inline constexpr int LeaveOptions = 20;
inline constexpr int DropToBottom = 21;
inline constexpr int DropTwoRows = 22;
inline constexpr int RotateForward = 23;
inline constexpr int RotateBackward = 24;
inline constexpr int NameTitle = 25;
inline constexpr int NamePrompt = 26;
inline constexpr int Ok = 27;
inline constexpr int Cancel = 28;
inline constexpr int ScoresTitle = 29;
inline constexpr int ScoresHeadings = 30;
inline constexpr int ColoursOn = 31;
inline constexpr int ColoursOff = 32;
inline constexpr int KeyHelp3 = 33;
inline constexpr int HintSpeedUp = 34;
inline constexpr int HintDelay = 35;
inline constexpr int HintPreview = 36;

} // namespace blocksby::msg
