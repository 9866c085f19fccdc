#pragma once

// The interface between Ulvar and its plug-ins: the records both sides exchange, the services the
// host offers through HostStartupInfo, and the entry points a plug-in exports. All text crossing
// this interface is 8-bit text in the console's OEM code page. The header needs no Windows
// header, so platform-free code can build panel items and dialogs too.

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#define ULVAR_EXPORT extern "C" __declspec(dllexport)
#else
#define ULVAR_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace ulvar {

inline constexpr int MaxPath = 260;

// A panel handle returned by OpenPlugin; InvalidPanel when no panel was opened.
using PanelHandle = void*;
inline PanelHandle const InvalidPanel =
    reinterpret_cast<PanelHandle>(static_cast<std::intptr_t>(-1));
// HostControl's handle for the active panel and the passive one.
inline PanelHandle const ActivePanel =
    reinterpret_cast<PanelHandle>(static_cast<std::intptr_t>(-1));
inline PanelHandle const PassivePanel =
    reinterpret_cast<PanelHandle>(static_cast<std::intptr_t>(-2));

// ---------------------------------------------------------------------------------------------
// Version of the host: major << 8 | minor in the lower 16 bits, the build in the upper 16 bits.
constexpr std::uint32_t MakeVersion(std::uint32_t major, std::uint32_t minor, std::uint32_t build) {
    return (build << 16) | (major << 8) | minor;
}

// ---------------------------------------------------------------------------------------------
// Where OpenPlugin was called from.
enum OpenOrigin : int {
    OpenFromDisksMenu = 0,
    OpenFromPluginsMenu = 1,
    OpenFromFindList = 2,
    OpenFromShortcut = 3,
    OpenFromCommandLine = 4, // item: the text after the plug-in's prefix (const char*)
    OpenFromEditor = 5,
    OpenFromViewer = 6,
};

// Operation-mode bits passed with listings and file operations.
enum OperationMode : int {
    OpSilent = 0x01,    // show nothing, ask nothing
    OpFind = 0x02,      // called by the host's file search
    OpView = 0x04,      // the host views the item (F3)
    OpEdit = 0x08,      // the host edits the item (F4)
    OpTopLevel = 0x10,  // the whole selection of the top level is processed
    OpDescr = 0x20,     // description files are requested
    OpQuickView = 0x40, // the quick-view panel asks
};

// Control-key state passed with keys to ProcessKey and in break keys.
enum KeyState : unsigned {
    KeyCtrl = 0x01,
    KeyAlt = 0x02,
    KeyShift = 0x04,
    KeyPreprocess = 0x80000, // the key is offered before the host handles it
};

// A break key of HostMenu: virtual-key code in the lower 16 bits, KeyState bits above them.
constexpr int MakeBreakKey(int virtualKey, unsigned state) {
    return virtualKey | static_cast<int>(state << 16);
}

// Events for ProcessEvent.
enum PanelEvent : int {
    EventChangeViewMode = 0, // param: the new column types (const char*)
    EventRedraw = 1,         // param: null or const RedrawInfo*
    EventIdle = 2,           // the user has been idle for a while
    EventClose = 3,          // the panel is about to close; nonzero keeps it open
    EventBreak = 4,          // Ctrl+Break; may arrive on another thread during a long operation
    EventCommand = 5,        // param: the command line text; nonzero means handled
};

// ---------------------------------------------------------------------------------------------
// Panel items.

// File times are 100-ns intervals since 1 January 1601 (UTC), as Windows keeps them.
struct FindData {
    std::uint32_t FileAttributes;
    std::uint64_t CreationTime;
    std::uint64_t LastAccessTime;
    std::uint64_t LastWriteTime;
    std::uint64_t FileSize;
    char FileName[MaxPath];
    char AlternateFileName[14];
};

enum PanelItemFlags : std::uint32_t {
    ItemSelected = 0x40000000,
    ItemHasUserData = 0x20000000, // UserData points to a block that starts with its own size
};

struct PanelItem {
    FindData Data;
    std::uint64_t PackSize;
    std::uint32_t Flags;
    std::uint32_t NumberOfLinks;
    const char* Description;
    const char* Owner;
    const char* const* CustomColumnData; // texts of the columns C0, C1, ...
    int CustomColumnNumber;
    std::intptr_t UserData;
    std::uint32_t Reserved[2];
};

// One view mode: column types and widths in the host's notation ("N,S,C0", "0,8,10"), and titles
// for the columns in order (null: the host's own titles).
struct PanelMode {
    const char* ColumnTypes;
    const char* ColumnWidths;
    const char* const* ColumnTitles;
    int FullScreen;
    int DetailedStatus;
    int AlignExtensions;
    int CaseConversion;
    const char* StatusColumnTypes;
    const char* StatusColumnWidths;
    std::uint32_t Reserved[2];
};

inline constexpr int ViewModeCount = 10;

// A line of the information panel.
struct InfoPanelLine {
    char Text[80];
    char Data[80];
    int Separator; // nonzero: a separator titled Text
};

// Key-bar labels for F1..F12 in four rows. A null label leaves the host's own label; an empty
// label blanks it.
struct KeyBarTitles {
    const char* Titles[12];
    const char* CtrlTitles[12];
    const char* AltTitles[12];
    const char* ShiftTitles[12];
};

enum SortMode : int {
    SortDefault = 0,
    SortUnsorted = 1,
    SortByName = 2,
    SortByExtension = 3,
    SortByWriteTime = 4,
    SortByCreationTime = 5,
    SortByAccessTime = 6,
    SortBySize = 7,
    SortByDescription = 8,
    SortByOwner = 9,
    SortByPackedSize = 10,
    SortByLinks = 11,
};

// What Compare returns to let the host order two items itself.
inline constexpr int CompareUseHostOrder = -2;

enum OpenPanelFlags : std::uint32_t {
    PanelUseFilter = 0x0001,
    PanelUseSortGroups = 0x0002,
    PanelUseHighlighting = 0x0004, // colour items by their attributes
    PanelAddDots = 0x0008,         // a ".." item at index 0, without user data
    PanelRawSelection = 0x0010,
    PanelRealNames = 0x0020,
    PanelShowNamesOnly = 0x0040,
    PanelShowRightAlignNames = 0x0080,
    PanelPreserveCase = 0x0100,
    PanelFindFolders = 0x0200, // folders are shown by the host's search
    PanelCompareFatTime = 0x0400,
    PanelExternalGet = 0x0800,
    PanelExternalPut = 0x1000,
    PanelExternalDelete = 0x2000,
    PanelExternalMkDir = 0x4000,
    PanelUseAttrHighlighting = 0x8000,
};

// "No start mode": the host keeps the mode it has.
inline constexpr int NoStartMode = 0;

struct OpenPluginInfoRecord {
    int StructSize;
    std::uint32_t Flags; // OpenPanelFlags
    const char* HostFile;
    const char* CurDir;
    const char* Format;
    const char* PanelTitle;
    const InfoPanelLine* InfoLines;
    int InfoLinesNumber;
    const char* const* DescrFiles;
    int DescrFilesNumber;
    const PanelMode* PanelModesArray; // ViewModeCount modes, or null
    int PanelModesNumber;
    int StartPanelMode; // '0'..'9', or NoStartMode
    int StartSortMode;  // SortMode
    int StartSortOrder; // nonzero: descending
    const KeyBarTitles* KeyBar;
    const char* ShortcutData;
};

// ---------------------------------------------------------------------------------------------
// What a plug-in offers the host's menus.

enum PluginFlags : std::uint32_t {
    PluginPreload = 0x0001,
    PluginDisabled = 0x0002,
    PluginInEditor = 0x0004, // the plug-ins-menu entry is offered in the editor too
    PluginInViewer = 0x0008, // ... and in the viewer
    PluginFullCommandLine = 0x0010,
};

struct PluginInfoRecord {
    int StructSize;
    std::uint32_t Flags; // PluginFlags
    const char* const* DisksMenuStrings;
    const int* DisksMenuNumbers; // hot digits, 0 = none
    int DisksMenuStringsNumber;
    const char* const* PluginMenuStrings;
    int PluginMenuStringsNumber;
    const char* const* PluginConfigStrings;
    int PluginConfigStringsNumber;
    const char* CommandPrefix;
};

// ---------------------------------------------------------------------------------------------
// Menus.

enum MenuFlags : std::uint32_t {
    MenuShowAmpersand = 0x01,
    MenuWrapMode = 0x02, // the cursor wraps from the last item to the first
    MenuAutoHighlight = 0x04,
    MenuReverseAutoHighlight = 0x08,
};

struct MenuItem {
    char Text[128];
    int Selected;  // the cursor starts here
    int Checked;   // a check mark
    int Separator; // a separator line instead of an item
};

// ---------------------------------------------------------------------------------------------
// Dialogs.

enum DialogItemType : int {
    DialogText = 0,
    DialogVText = 1,
    DialogSingleBox = 2,
    DialogDoubleBox = 3,
    DialogEdit = 4,
    DialogPasswordEdit = 5,
    DialogFixEdit = 6, // fixed-width edit; Mask may restrict the characters
    DialogButton = 7,
    DialogCheckBox = 8,
    DialogRadioButton = 9,
};

enum DialogItemFlags : std::uint32_t {
    DialogColorMask = 0x000000FF,
    DialogSetColor = 0x00000100,   // use the colour in the lower byte
    DialogBoxColor = 0x00000200,   // texts: draw in the box colour
    DialogGroup = 0x00000400,      // radio buttons: the first of a group
    DialogLeftText = 0x00000800,   // boxes: title at the left instead of centred
    DialogMoveSelect = 0x00001000, // radio buttons: moving the cursor selects
    DialogShowAmpersand = 0x00002000,
    DialogCenterGroup = 0x00004000, // buttons (and texts) of one row are centred together
    DialogNoBrackets = 0x00008000,  // buttons without [ ]
    DialogSeparator = 0x00010000,   // texts: a separator line (title = Data)
    DialogSeparator2 = 0x00020000,  // texts: a double separator line
    DialogEditor = 0x00040000,
    DialogHistory = 0x00080000, // edits: History names the history list
    DialogEditExpand = 0x00100000,
    DialogMask = 0x00200000, // fixed edits: Mask holds the allowed characters
    DialogSelectOnEntry = 0x00400000,
    DialogReadOnly = 0x00800000,  // edits: the text cannot be changed
    DialogEditEnter = 0x01000000, // edits: Enter closes the dialog with this item
    DialogDisable = 0x02000000,
    DialogCenterText = 0x04000000,
};

struct DialogItem {
    int Type; // DialogItemType
    int X1, Y1, X2, Y2;
    int Focus;
    int Selected;        // check boxes and radio buttons: the state (in and out)
    const char* History; // edits with DialogHistory
    const char* Mask;    // fixed edits with DialogMask
    std::uint32_t Flags; // DialogItemFlags
    int DefaultButton;
    char Data[512]; // the text (in and out)
};

// ---------------------------------------------------------------------------------------------
// Messages.

enum MessageFlags : std::uint32_t {
    MessageWarning = 0x00000001,
    MessageErrorLine = 0x00000002, // add the text of the last Windows error code as a line
    MessageKeepBackground = 0x00000004,
    MessageDown = 0x00000008,
    MessageLeftAlign = 0x00000010,
    // Ready-made button rows; without one, the last ButtonsNumber items are the buttons.
    MessageButtonsMask = 0x000F0000,
    MessageOk = 0x00010000,
    MessageOkCancel = 0x00020000,
    MessageAbortRetryIgnore = 0x00030000,
    MessageYesNo = 0x00040000,
    MessageYesNoCancel = 0x00050000,
    MessageRetryCancel = 0x00060000,
};

// ---------------------------------------------------------------------------------------------
// Panel control.

enum ControlCommand : int {
    ControlGetPanelInfo = 1,      // param: PanelInfo*
    ControlGetOtherPanelInfo = 2, // param: PanelInfo*
    ControlUpdatePanel = 3,       // param: non-null keeps the selection
    ControlUpdateOtherPanel = 4,  // param: non-null keeps the selection
    ControlRedrawPanel = 5,       // param: null or const RedrawInfo*
    ControlRedrawOtherPanel = 6,  // param: null or const RedrawInfo*
    ControlSetSelection = 7,      // param: PanelInfo* whose items' ItemSelected flags count
    ControlSetPanelDirectory = 8, // param: const char* file-system folder
    ControlSetOtherPanelDirectory = 9,
    ControlSetViewMode = 10, // param: int* mode 0..9
    ControlSetSortMode = 11, // param: int* SortMode
    ControlClosePlugin = 12, // param: null or const char* folder to show
};

enum PanelType : int {
    PanelTypeFiles = 0,
    PanelTypeTree = 1,
    PanelTypeQuickView = 2,
    PanelTypeInfo = 3,
};

enum PanelInfoFlags : std::uint32_t {
    PanelInfoShowHidden = 0x01,
    PanelInfoHighlight = 0x02,
    PanelInfoReverseSort = 0x04,
    PanelInfoUseSortGroups = 0x08,
    PanelInfoSelectedFirst = 0x10,
};

struct PanelRect {
    int Left, Top, Right, Bottom;
};

struct PanelInfo {
    int PanelType; // PanelType
    int Plugin;    // nonzero: the panel shows a plug-in
    PanelRect Rect;
    PanelItem* PanelItems;
    int ItemsNumber;
    PanelItem* SelectedItems; // the current item when nothing is selected
    int SelectedItemsNumber;
    int CurrentItem;
    int TopPanelItem;
    int Visible;
    int Focus;
    int ViewMode;
    char ColumnTypes[80];
    char ColumnWidths[80];
    char CurDir[MaxPath];
    int ShortNames;
    int SortMode;
    std::uint32_t Flags; // PanelInfoFlags
};

struct RedrawInfo {
    int CurrentItem;
    int TopPanelItem;
};

// ---------------------------------------------------------------------------------------------
// Other host services.

enum AdvControlCommand : int {
    AdvGetVersion = 0, // returns MakeVersion(...)
    AdvGetConsoleWindow = 1,
};

// A rectangle of the screen; -1 everywhere means the whole screen.
struct ScreenRect {
    int Left, Top, Right, Bottom;
};

using HostGetMsgFn = const char* (*)(int module, int messageNumber);
// Positions of menus and dialogs: -1 centres on the screen (a dialog passes (-1, -1, width,
// height) to be centred with that size).
// breakKeys: zero-terminated list of MakeBreakKey values, or null; *breakCode receives the index
// of the break key that closed the menu, or -1. Returns the chosen item, or -1.
using HostMenuFn = int (*)(int module, int x, int y, int maxHeight, std::uint32_t flags,
                           const char* title, const char* bottom, const char* helpTopic,
                           const int* breakKeys, int* breakCode, const MenuItem* items,
                           int itemsNumber);
// Returns the index of the closing item, or -1; edited texts and states are written back.
using HostDialogFn = int (*)(int module, int x1, int y1, int x2, int y2, const char* helpTopic,
                             DialogItem* items, int itemsNumber);
// items: the title, the lines and then the buttons. Returns the chosen button, or -1.
using HostMessageFn = int (*)(int module, std::uint32_t flags, const char* helpTopic,
                              const char* const* items, int itemsNumber, int buttonsNumber);
using HostControlFn = int (*)(PanelHandle panel, int command, void* param);
using HostSaveScreenFn = void* (*)(int left, int top, int right, int bottom);
using HostRestoreScreenFn = void (*)(void* saved); // null: redraw the whole screen
// Writes text at (x, y) in a console colour attribute; a null text flushes the output.
using HostTextFn = void (*)(int x, int y, int colour, const char* text);
using HostAdvControlFn = std::intptr_t (*)(int module, int command, void* param);

// Handed to SetStartupInfo. A plug-in keeps a copy of StructSize bytes; a record too short to
// hold AdvControl comes from a host without that service.
struct HostStartupInfo {
    int StructSize;
    char ModuleName[MaxPath]; // the plug-in library's full path
    int ModuleNumber;         // passed back to the services
    const char* RootKey;      // registry key (under HKEY_CURRENT_USER) for plug-in settings
    HostMenuFn Menu;
    HostDialogFn Dialog;
    HostMessageFn Message;
    HostGetMsgFn GetMsg;
    HostControlFn Control;
    HostSaveScreenFn SaveScreen;
    HostRestoreScreenFn RestoreScreen;
    HostTextFn Text;
    HostAdvControlFn AdvControl;
};

inline constexpr int StartupInfoSizeWithoutAdvControl =
    static_cast<int>(offsetof(HostStartupInfo, AdvControl));

// ---------------------------------------------------------------------------------------------
// Entry points, by their exported names.
using SetStartupInfoFn = void (*)(const HostStartupInfo* info);
using GetPluginInfoFn = void (*)(PluginInfoRecord* info);
using OpenPluginFn = PanelHandle (*)(int openFrom, std::intptr_t item);
using ClosePluginFn = void (*)(PanelHandle panel);
using GetOpenPluginInfoFn = void (*)(PanelHandle panel, OpenPluginInfoRecord* info);
using GetFindDataFn = int (*)(PanelHandle panel, PanelItem** items, int* itemsNumber, int opMode);
using FreeFindDataFn = void (*)(PanelHandle panel, PanelItem* items, int itemsNumber);
using SetDirectoryFn = int (*)(PanelHandle panel, const char* dir, int opMode);
using GetFilesFn = int (*)(PanelHandle panel, PanelItem* items, int itemsNumber, int move,
                           char* destPath, int opMode);
using PutFilesFn = int (*)(PanelHandle panel, PanelItem* items, int itemsNumber, int move,
                           int opMode);
using DeleteFilesFn = int (*)(PanelHandle panel, PanelItem* items, int itemsNumber, int opMode);
using ProcessKeyFn = int (*)(PanelHandle panel, int key, unsigned controlState);
using ProcessEventFn = int (*)(PanelHandle panel, int event, void* param);
using CompareFn = int (*)(PanelHandle panel, const PanelItem* a, const PanelItem* b,
                          unsigned sortMode);
using ConfigureFn = int (*)(int itemNumber);
using ExitUlvarFn = void (*)();

} // namespace ulvar
