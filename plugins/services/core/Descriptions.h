#pragma once

// Editing a service's description: the dialog of one service and what its answer asks to be
// written. The dialog's field holds at most DescriptionFieldLength characters; a longer
// description is shown cut there, and the part beyond it is kept: confirming the shown text
// unchanged writes nothing, and an edited text is written with that part after it, so no text the
// user did not see is lost. An emptied field clears the description.

#include "plugins/services/core/ConfigDialog.h"

#include <optional>
#include <string>
#include <vector>

namespace sentrel {

inline constexpr std::size_t DescriptionFieldLength = 511;

namespace descr {
inline constexpr int Edit = 2;
} // namespace descr

// The label: message 327 with the display name (OEM); a display name longer than 68 minus the
// message's length is cut to 65 minus that length (never below 0) and followed by "...".
std::string DescriptionLabel(const std::string& displayName, const MessageFn& msg);
DialogLayout DescriptionDialog(const std::string& displayName,
                               const std::optional<std::string>& description, const MessageFn& msg);

// The description to write (OEM; "" clears it) from the field's text, or none when nothing
// changed.
std::optional<std::string> DescriptionChange(const std::optional<std::string>& current,
                                             const std::string& edited);

} // namespace sentrel
