#include "plugins/startup/ulvarplus/MenuBuilder.h"

#include "plugin-host/kit/core/ItemBuilders.h"

namespace ulvarplus {

namespace {

std::string Resolve(const HostRecord& host, const MessageText& text) {
    if (auto const* number = std::get_if<int>(&text))
        return host.Msg(*number);
    return std::get<std::string>(text);
}

} // namespace

MenuBuilder::MenuBuilder(const HostRecord& host, const MessageText& title, std::uint32_t flags)
    : host_(host), title_(Resolve(host, title)), flags_(flags) {
}

MenuBuilder& MenuBuilder::Item(const MessageText& text, bool selected, bool checked) {
    ulvar::MenuItem item = ulvar::kit::MakeMenuItem(Resolve(host_, text), selected);
    item.Checked = checked ? 1 : 0;
    items_.push_back(item);
    return *this;
}

MenuBuilder& MenuBuilder::Separator() {
    ulvar::MenuItem item = ulvar::kit::MakeMenuItem("");
    item.Separator = 1;
    items_.push_back(item);
    return *this;
}

int MenuBuilder::Run() const {
    return host_.Services().Menu(flags_, title_.c_str(), items_.data(),
                                 static_cast<int>(items_.size()), nullptr, nullptr, "", "");
}

} // namespace ulvarplus
