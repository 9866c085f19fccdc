#pragma once

// Creating a service: the record a new service starts from, the dialog "CreateDlg" that names it,
// the check of the name, and what CreateServiceA is given.

#include "plugins/services/core/ConfigDialog.h"
#include "plugins/services/core/ServiceConfigEdit.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sentrel {

// A service to be created; texts in ANSI.
struct NewService {
    std::string name, displayName, binaryPath;
    std::uint32_t serviceType = 0x10; // own process
    std::uint32_t startType = 3;      // manual
    std::uint32_t errorControl = 1;   // normal
    std::string account = LocalSystemAccount;
    std::string password;
    std::string loadOrderGroup;
    std::vector<std::string> dependencies;
};

// What CreateServiceA takes beyond the numbers: none where a text is not given. The default
// account passes no account and no password.
struct CreateArguments {
    std::optional<std::string> account, password, group;
    // Double-zero-terminated, or none for no dependencies.
    std::optional<std::string> dependencies;
};
CreateArguments CreateArgumentsOf(const NewService& service);

// "CreateDlg" with the texts (OEM) as the user left them.
namespace create {
inline constexpr int Name = 2;
inline constexpr int DisplayName = 4;
inline constexpr int Path = 6;
inline constexpr int Next = 8;
inline constexpr int Cancel = 9;
} // namespace create
struct CreateTexts {
    std::string name, displayName, path; // OEM
};
DialogLayout CreateServiceDialog(const CreateTexts& texts, const MessageFn& msg);
CreateTexts CreateTextsFromDialog(const std::vector<ulvar::DialogItem>& items);

// The length of the short name a listed service gets: the first characters of its name.
inline constexpr std::size_t ShortNameLength = 8;

// Why a service name cannot be given to a new service, or none. The short name names the report
// file the host views, so it must stay one plain file name: no ":" (a file stream), no "\" or
// "/" (a path, which the manager refuses in any case), none of the characters file names cannot
// hold, no control characters, no trailing dot or blank (Windows drops them), and no device name
// ("CON", "NUL", "COM1", ... with or without an extension). An empty name is refused too.
enum class NameProblem { Empty, PathSeparator, NotAFileName };
std::optional<NameProblem> ServiceNameProblem(std::string_view ansiName);

} // namespace sentrel
