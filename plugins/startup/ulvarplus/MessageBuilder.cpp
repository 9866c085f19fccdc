#include "plugins/startup/ulvarplus/MessageBuilder.h"

namespace ulvarplus {

namespace {

constexpr int TitleMessage = 0;
constexpr int OkMessage = 1;

} // namespace

MessageBuilder::MessageBuilder(const HostRecord& host, std::uint32_t flags, std::string helpTopic)
    : host_(host), flags_(flags), helpTopic_(std::move(helpTopic)) {
}

std::string MessageBuilder::Resolve(const MessageText& text) const {
    if (auto const* number = std::get_if<int>(&text))
        return host_.Msg(*number);
    return std::get<std::string>(text);
}

MessageBuilder& MessageBuilder::Line(const MessageText& text) {
    lines_.push_back(Resolve(text));
    return *this;
}

MessageBuilder& MessageBuilder::Button(const MessageText& text) {
    buttons_.push_back(Resolve(text));
    return *this;
}

int MessageBuilder::Run() const {
    std::vector<const char*> items;
    for (auto const& line : lines_)
        items.push_back(line.c_str());
    for (auto const& button : buttons_)
        items.push_back(button.c_str());
    return host_.Services().Message(flags_, helpTopic_.empty() ? nullptr : helpTopic_.c_str(),
                                    items.data(), static_cast<int>(items.size()),
                                    static_cast<int>(buttons_.size()));
}

int SimpleMessage(const HostRecord& host, std::uint32_t flags,
                  const std::vector<MessageText>& lines, bool addOk) {
    MessageBuilder message(host, flags);
    for (auto const& line : lines)
        message.Line(line);
    if (addOk)
        message.Button(OkMessage);
    return message.Run();
}

int ErrorMessage(const HostRecord& host, const MessageText& text, std::uint32_t flags) {
    return MessageBuilder(host, flags | ulvar::MessageWarning)
        .Line(TitleMessage)
        .Line(text)
        .Button(OkMessage)
        .Run();
}

} // namespace ulvarplus
