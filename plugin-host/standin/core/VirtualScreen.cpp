#include "plugin-host/standin/core/VirtualScreen.h"

#include <algorithm>

namespace ulvar::standin {

VirtualScreen::VirtualScreen(int width, int height)
    : width_(std::max(width, MinWidth)), height_(std::max(height, MinHeight)),
      cells_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)) {
}

void VirtualScreen::Write(int x, int y, int colour, std::string_view text) {
    if (y < 0 || y >= height_)
        return;
    auto const end = text.find('\0');
    if (end != std::string_view::npos)
        text = text.substr(0, end);
    auto const attr = static_cast<std::uint8_t>(colour & 0xFF);
    for (std::size_t i = 0; i < text.size(); ++i) {
        long const column = static_cast<long>(x) + static_cast<long>(i);
        if (column < 0)
            continue;
        if (column >= width_)
            break;
        auto& cell =
            cells_[static_cast<std::size_t>(y) * width_ + static_cast<std::size_t>(column)];
        cell.ch = text[i];
        cell.attr = attr;
    }
}

void VirtualScreen::Text(int x, int y, int colour, const char* text) {
    if (text == nullptr)
        Flush();
    else
        Write(x, y, colour, text);
}

void VirtualScreen::Fill(int left, int top, int right, int bottom, char ch, int colour) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_ - 1);
    bottom = std::min(bottom, height_ - 1);
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            cells_[static_cast<std::size_t>(y) * width_ + x] =
                Cell{ch, static_cast<std::uint8_t>(colour & 0xFF)};
}

void* VirtualScreen::Save(int left, int top, int right, int bottom) {
    if (left == -1 && top == -1 && right == -1 && bottom == -1) {
        left = top = 0;
        right = width_ - 1;
        bottom = height_ - 1;
    }
    SavedArea area{std::max(left, 0),
                   std::max(top, 0),
                   std::min(right, width_ - 1),
                   std::min(bottom, height_ - 1),
                   {}};
    for (int y = area.top; y <= area.bottom; ++y)
        for (int x = area.left; x <= area.right; ++x)
            area.cells.push_back(cells_[static_cast<std::size_t>(y) * width_ + x]);
    saved_.push_back(std::move(area));
    return &saved_.back();
}

bool VirtualScreen::Restore(void* saved) {
    auto const found = std::find_if(saved_.begin(), saved_.end(),
                                    [saved](SavedArea const& area) { return &area == saved; });
    if (found == saved_.end())
        return false;
    std::size_t i = 0;
    for (int y = found->top; y <= found->bottom; ++y)
        for (int x = found->left; x <= found->right; ++x)
            cells_[static_cast<std::size_t>(y) * width_ + x] = found->cells[i++];
    saved_.erase(found);
    return true;
}

Cell VirtualScreen::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return Cell{' ', 0};
    return cells_[static_cast<std::size_t>(y) * width_ + x];
}

std::string VirtualScreen::Row(int y) const {
    return TextAt(0, y, width_);
}

std::string VirtualScreen::TextAt(int x, int y, int length) const {
    std::string text;
    for (int i = 0; i < length; ++i)
        text += CharAt(x + i, y);
    return text;
}

} // namespace ulvar::standin
