#pragma once

// A listing for GetFindData: a block of PanelItems and every text they point to. Names are copied
// into the items; descriptions, owners and custom column texts are kept in the block. The plug-in
// owns the block until the host hands the items back to FreeFindData, where one call of
// FreePanelItems releases all of it.

#include "ulvar/Plugin.h"

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string_view>

namespace ulvar::kit {

namespace detail {
struct PanelItemBlockData;
} // namespace detail

class PanelItemBlock {
public:
    // count items, every field zero.
    explicit PanelItemBlock(std::size_t count);
    PanelItemBlock(PanelItemBlock&&) noexcept;
    PanelItemBlock& operator=(PanelItemBlock&&) noexcept;
    // Releases a block that was not handed out.
    ~PanelItemBlock();

    std::size_t Count() const;
    // std::out_of_range beyond Count().
    PanelItem& operator[](std::size_t index);

    // The file name, cut to FindData::FileName.
    void SetName(std::size_t index, std::string_view name);
    // The texts of the custom columns C0, C1, ... in order.
    void SetColumns(std::size_t index, std::initializer_list<std::string_view> texts);
    void SetDescription(std::size_t index, std::string_view text);
    void SetOwner(std::size_t index, std::string_view text);

    // The items for GetFindData, null for an empty block; from here on they belong to the host
    // until FreePanelItems, and this block is empty.
    PanelItem* HandOut();

private:
    const char* Keep(std::string_view text);

    std::unique_ptr<detail::PanelItemBlockData> data_;
};

// Releases a block that was handed out, with its texts. Null, or a pointer that is no handed-out
// block (one released already), changes nothing.
void FreePanelItems(PanelItem* items);

} // namespace ulvar::kit
