#pragma once

// The properties editor of the services folder: the dialog "SvcPropDlg" (start type, desktop
// interaction, account and password; without the account part for a service sharing a process),
// the advanced dialog "SvcAdvPropDlg" (display name, path, process kind, group, error control,
// dependencies), and the edit record the confirmed dialogs ask for. Dialog texts are OEM, the
// edit record ANSI.

#include "plugins/services/core/ConfigDialog.h"
#include "plugins/services/core/ServiceConfigEdit.h"
#include "plugins/services/core/SystemText.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sentrel {

inline constexpr std::uint32_t OwnProcess = 0x10;
inline constexpr std::uint32_t SharedProcess = 0x20;
inline constexpr std::uint32_t InteractiveProcess = 0x100;

// "SvcPropDlg".
namespace svcdlg {
inline constexpr int FirstStart = 4; // 4 to 6: automatic, manual, disabled
inline constexpr int Ok = 7;
inline constexpr int Cancel = 8;
inline constexpr int Advanced = 9;
inline constexpr int Interactive = 11;
inline constexpr int LocalSystem = 12;
inline constexpr int OtherAccount = 13;
inline constexpr int Account = 14;
inline constexpr int Password = 16;
inline constexpr int Confirmed = 18;
} // namespace svcdlg

// "SvcAdvPropDlg".
namespace svcadv {
inline constexpr int DisplayName = 2;
inline constexpr int Path = 4;
inline constexpr int Own = 6;
inline constexpr int Shared = 7;
inline constexpr int Group = 9;
inline constexpr int FirstErrorControl = 11; // 11 to 14: ignore, normal, severe, critical
inline constexpr int Ok = 16;
inline constexpr int Cancel = 17;
inline constexpr int Dependencies = 18;
} // namespace svcadv

// What "SvcPropDlg" shows and the user left in it; texts in OEM.
struct ServiceMainValues {
    std::int64_t startType = NoChange; // 2, 3, 4, or none of them
    bool interactive = false;
    bool localSystem = true;
    std::string account, password, confirmed;
};

// What "SvcAdvPropDlg" shows and gave; texts in OEM, dependencies in ANSI as the record holds them.
struct ServiceAdvancedValues {
    std::string displayName, binaryPath, loadOrderGroup;
    std::int64_t errorControl = 1;
    bool sharedProcess = false;
    std::vector<std::string> dependencies;
};

// The values the dialogs start with for the stored values of edit.
ServiceMainValues MainValuesOf(const ServiceConfigEdit& stored, const SystemText& text);
ServiceAdvancedValues AdvancedValuesOf(const ServiceConfigEdit& stored, const SystemText& text);

// "SvcPropDlg" for the display name (OEM); sharedProcess shows items 0 to 12 only.
DialogLayout ServiceDialog(const std::string& displayName, const ServiceMainValues& values,
                           bool sharedProcess, const MessageFn& msg);
// The values the dialog's items hold, on top of values.
ServiceMainValues MainValuesFromDialog(const std::vector<ulvar::DialogItem>& items,
                                       ServiceMainValues values);

DialogLayout ServiceAdvancedDialog(const ServiceAdvancedValues& values, const MessageFn& msg);
// The values the advanced dialog's items hold, on top of values (the dependencies stay).
ServiceAdvancedValues AdvancedValuesFromDialog(const std::vector<ulvar::DialogItem>& items,
                                               ServiceAdvancedValues values);

// The advanced values confirmed: shared process, when it was not the stored kind, chooses the
// local system account in the main values.
void TakeAdvanced(ServiceMainValues& main, const ServiceAdvancedValues& advanced,
                  const ServiceConfigEdit& stored);

// Fills edit (holding the stored values on entry) from the confirmed dialogs: -1 in the number
// fields that equal the stored ones, a text changed only when it differs from what was shown (so a
// name the user left alone is kept byte for byte, whatever the OEM code page lacks), the account
// as ApplyAccountChoice decides. displayComputer is the panel computer's name (OEM).
// PasswordsDiffer leaves edit as it was.
AccountOutcome FinishServiceEdit(ServiceConfigEdit& edit, const ServiceMainValues& main,
                                 const ServiceAdvancedValues& advanced,
                                 const std::string& displayComputer, const SystemText& text);

} // namespace sentrel
