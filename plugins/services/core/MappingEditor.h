#pragma once

// The attribute-mapping editor: the menu's lines, the dialog of one mapping ("MapAttrDlg") and how
// an edited or new mapping takes its place in the list. A fully specified mapping (start type and
// status given) comes before a partial one, and a partial one before one for any start type and
// any status, so that the earlier one of two partial mappings still wins where both apply.

#include "plugins/services/core/AttrMappings.h"
#include "plugins/services/core/ConfigDialog.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace sentrel {

// The widths of the start-type and status columns of the menu: the longest of their texts,
// reduced when together they pass 56.
struct MappingColumns {
    int startup = 0;
    int status = 0;
};
MappingColumns MappingColumnWidths(const MessageFn& msg);
// "<start type> | <status> => RHSAC" with "." for an attribute not given, "*" for any.
std::string MappingLine(const AttrMapping& mapping, const MappingColumns& columns,
                        const MessageFn& msg);
// The five attribute positions: the letters of "RHSAC" for the bits set, "." for the others.
std::string AttributeLetters(std::uint16_t attributes);

// "MapAttrDlg": preset from current, or nothing chosen for a new mapping.
namespace mapdlg {
inline constexpr int FirstStartup = 2;    // 2 to 7: any, boot, system, automatic, manual, disabled
inline constexpr int FirstStatus = 9;     // 9 to 12: any, running, paused, other
inline constexpr int FirstAttribute = 15; // 15 to 19
inline constexpr int Confirm = 21;
inline constexpr int Cancel = 22;
inline constexpr std::uint16_t AttributeBits[] = {0x1, 0x2, 0x4, 0x20, 0x800};
} // namespace mapdlg
DialogLayout MappingDialog(const AttrMapping* current, const MessageFn& msg);
// The mapping the dialog was confirmed with, or none: not confirmed, or the start type or the
// status not chosen.
std::optional<AttrMapping> MappingFromDialog(int closingItem,
                                             const std::vector<ulvar::DialogItem>& items);

// Whether a should come before b.
bool ComesBefore(const AttrMapping& a, const AttrMapping& b);
// Puts mapping into the list: inserted before position (insert), or over the mapping at position;
// every other mapping with the same start type and status is removed, and the mapping is moved up
// past the neighbours before it that it should come before, and down past the neighbours after
// it that should come before it. Returns its final position.
std::size_t PlaceMapping(std::vector<AttrMapping>& list, std::size_t position, bool insert,
                         const AttrMapping& mapping);
// Removes the mapping at position; the position that stays current.
std::size_t RemoveMapping(std::vector<AttrMapping>& list, std::size_t position);

} // namespace sentrel
