#include "plugins/services/plugin/Library.h"

#include "plugins/services/core/MessageText.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/win/AccountRights.h"
#include "plugins/services/win/ConfigManager.h"
#include "plugins/services/win/ErrorText.h"
#include "plugins/services/win/ServiceControl.h"

#include <windows.h>

namespace sentrel {

Library::Library()
    : opener(win::SystemManagerOpener()), lockDatabase(&LockServiceDatabase),
      changeConfig(&ChangeServiceConfigA),
      configManager([] { return std::make_unique<win::SystemConfigManager>(); }),
      servicePort(
          [](SC_HANDLE manager) { return std::make_unique<win::SystemServicePort>(manager); }),
      accountRights([] { return std::make_unique<win::SystemAccountRights>(); }) {
}

const char* Library::Msg(int number) const {
    if (number < 0 || number >= msg::Count)
        return "???";
    return host.Msg(number);
}

int Library::ShowMessage(const std::vector<std::optional<std::string>>& texts, std::uint32_t flags,
                         int buttons, unsigned long errorCode) const {
    const bool errorLine = (flags & ulvar::MessageErrorLine) != 0;
    const MessageBox box =
        BuildMessageBox(texts, buttons, errorLine, errorLine ? win::ErrorText(errorCode) : "");
    std::vector<const char*> items;
    for (const std::string& line : box.lines)
        items.push_back(line.c_str());
    for (const std::string& button : box.buttons)
        items.push_back(button.c_str());
    std::uint32_t hostFlags = flags & ~std::uint32_t{ulvar::MessageErrorLine};
    if (box.errorLineByHost) {
        hostFlags |= ulvar::MessageErrorLine;
        SetLastError(errorCode);
    }
    return host.Message(hostFlags, nullptr, items.data(), static_cast<int>(items.size()),
                        static_cast<int>(box.buttons.size()));
}

int Library::ErrorPrompt(unsigned long code, int number, const std::string& insert1,
                         const std::string& insert2) const {
    std::vector<std::optional<std::string>> texts = {Msg(msg::Error),
                                                     FillInserts(Msg(number), {insert1, insert2})};
    if (code != 0)
        texts.push_back(std::nullopt);
    texts.push_back(std::string(Msg(msg::Retry)));
    texts.push_back(std::string(Msg(msg::Cancel)));
    const std::uint32_t flags =
        ulvar::MessageWarning | (code != 0 ? std::uint32_t{ulvar::MessageErrorLine} : 0u);
    return ShowMessage(texts, flags, 2, code) == 0 ? 0 : 1;
}

void Library::ErrorNotice(unsigned long code, int number, const std::string& insert1,
                          const std::string& insert2) const {
    std::vector<std::optional<std::string>> texts = {Msg(msg::Error),
                                                     FillInserts(Msg(number), {insert1, insert2})};
    if (code != 0)
        texts.push_back(std::nullopt);
    texts.push_back(std::string(Msg(msg::Ok)));
    const std::uint32_t flags =
        ulvar::MessageWarning | (code != 0 ? std::uint32_t{ulvar::MessageErrorLine} : 0u);
    ShowMessage(texts, flags, 1, code);
}

} // namespace sentrel
