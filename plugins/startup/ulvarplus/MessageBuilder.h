#pragma once

// Message boxes through HostMessage: a title line first, then text lines, then buttons (lines are
// always kept before the buttons, whatever order they were added in). Texts are given as the
// host's message numbers or as texts of their own.

#include "plugins/startup/ulvarplus/HostRecord.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace ulvarplus {

// A message number of the plug-in's language file, or a text of its own.
using MessageText = std::variant<int, std::string>;

class MessageBuilder {
public:
    MessageBuilder(const HostRecord& host, std::uint32_t flags = 0, std::string helpTopic = {});

    MessageBuilder& Line(const MessageText& text);
    MessageBuilder& Button(const MessageText& text);
    // The chosen button (from 0) or -1.
    int Run() const;

    const std::vector<std::string>& Lines() const { return lines_; }
    const std::vector<std::string>& Buttons() const { return buttons_; }

private:
    std::string Resolve(const MessageText& text) const;

    const HostRecord& host_;
    std::uint32_t flags_;
    std::string helpTopic_;
    std::vector<std::string> lines_;
    std::vector<std::string> buttons_;
};

// The lines in order (the first is the title); with addOk, message 1 as the one button.
int SimpleMessage(const HostRecord& host, std::uint32_t flags,
                  const std::vector<MessageText>& lines, bool addOk);
// A warning titled message 0 with the text and message 1 as the only button; flags may add more
// (MessageErrorLine for the system's text of the last error).
int ErrorMessage(const HostRecord& host, const MessageText& text, std::uint32_t flags = 0);

} // namespace ulvarplus
