#include "plugin-host/kit/core/PanelItems.h"

#include "plugin-host/kit/core/ItemBuilders.h"

#include <deque>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

namespace ulvar::kit {

struct detail::PanelItemBlockData {
    std::vector<PanelItem> items;
    // Deques keep their elements in place as they grow, so the pointers in the items stay valid.
    std::deque<std::string> texts;
    std::deque<std::vector<const char*>> columns;
};

namespace {

// The blocks handed out to the host, by the address of their first item. The host may free a
// listing on another thread than the one that made the next.
struct HandedOut {
    std::mutex mutex;
    std::map<const PanelItem*, std::unique_ptr<detail::PanelItemBlockData>> blocks;
};

HandedOut& Blocks() {
    static HandedOut handedOut;
    return handedOut;
}

} // namespace

PanelItemBlock::PanelItemBlock(std::size_t count)
    : data_(std::make_unique<detail::PanelItemBlockData>()) {
    data_->items.resize(count, PanelItem{});
}

PanelItemBlock::PanelItemBlock(PanelItemBlock&&) noexcept = default;
PanelItemBlock& PanelItemBlock::operator=(PanelItemBlock&&) noexcept = default;
PanelItemBlock::~PanelItemBlock() = default;

std::size_t PanelItemBlock::Count() const {
    return data_ ? data_->items.size() : 0;
}

PanelItem& PanelItemBlock::operator[](std::size_t index) {
    if (index >= Count())
        throw std::out_of_range("no such panel item");
    return data_->items[index];
}

const char* PanelItemBlock::Keep(std::string_view text) {
    return data_->texts.emplace_back(text).c_str();
}

void PanelItemBlock::SetName(std::size_t index, std::string_view name) {
    CopyText((*this)[index].Data.FileName, name);
}

void PanelItemBlock::SetColumns(std::size_t index, std::initializer_list<std::string_view> texts) {
    PanelItem& item = (*this)[index];
    auto& pointers = data_->columns.emplace_back();
    pointers.reserve(texts.size());
    for (std::string_view text : texts)
        pointers.push_back(Keep(text));
    item.CustomColumnData = pointers.data();
    item.CustomColumnNumber = static_cast<int>(pointers.size());
}

void PanelItemBlock::SetDescription(std::size_t index, std::string_view text) {
    (*this)[index].Description = Keep(text);
}

void PanelItemBlock::SetOwner(std::size_t index, std::string_view text) {
    (*this)[index].Owner = Keep(text);
}

PanelItem* PanelItemBlock::HandOut() {
    if (!data_ || data_->items.empty())
        return nullptr;
    PanelItem* const items = data_->items.data();
    auto& handedOut = Blocks();
    const std::lock_guard lock(handedOut.mutex);
    handedOut.blocks.emplace(items, std::move(data_));
    return items;
}

void FreePanelItems(PanelItem* items) {
    if (!items)
        return;
    std::unique_ptr<detail::PanelItemBlockData> released;
    {
        auto& handedOut = Blocks();
        const std::lock_guard lock(handedOut.mutex);
        const auto found = handedOut.blocks.find(items);
        if (found == handedOut.blocks.end())
            return;
        released = std::move(found->second);
        handedOut.blocks.erase(found);
    }
}

} // namespace ulvar::kit
