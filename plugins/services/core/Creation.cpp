#include "plugins/services/core/Creation.h"

#include "plugin-host/kit/core/ItemBuilders.h"

#include <algorithm>
#include <cctype>

namespace sentrel {

namespace {

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

bool IsDeviceName(std::string_view shortName) {
    const std::string base = Upper(shortName.substr(0, shortName.find('.')));
    static constexpr const char* Devices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* device : Devices)
        if (base == device)
            return true;
    return base.size() == 4 && (base.rfind("COM", 0) == 0 || base.rfind("LPT", 0) == 0) &&
           base[3] >= '0' && base[3] <= '9';
}

} // namespace

CreateArguments CreateArgumentsOf(const NewService& service) {
    CreateArguments arguments;
    if (service.account != LocalSystemAccount) {
        arguments.account = service.account;
        arguments.password = service.password;
    }
    if (!service.loadOrderGroup.empty())
        arguments.group = service.loadOrderGroup;
    if (!service.dependencies.empty()) {
        std::string list;
        for (const std::string& entry : service.dependencies) {
            list += entry;
            list += '\0';
        }
        list += '\0';
        arguments.dependencies = std::move(list);
    }
    return arguments;
}

DialogLayout CreateServiceDialog(const CreateTexts& texts, const MessageFn& msg) {
    DialogLayout dialog;
    dialog.width = 64;
    dialog.height = 13;
    ulvar::kit::DialogItems items;
    items.DoubleBox(3, 1, 60, 11, msg(223));
    items.Text(5, 2, msg(224));
    items.Edit(5, 3, 58, texts.name, "SentrelNameHist").Focus = 1;
    items.Text(5, 4, msg(225));
    items.Edit(5, 5, 58, texts.displayName, "SentrelDNameHist");
    items.Text(5, 6, msg(226));
    items.Edit(5, 7, 58, texts.path, "SentrelPathHist");
    items.Separator(0, 9);
    items.Button(10, msg(227)).DefaultButton = 1;
    items.Button(10, msg(228));
    dialog.items = std::move(items).Take();
    return dialog;
}

CreateTexts CreateTextsFromDialog(const std::vector<ulvar::DialogItem>& items) {
    CreateTexts texts;
    if (items.size() <= static_cast<std::size_t>(create::Cancel))
        return texts;
    texts.name = items[create::Name].Data;
    texts.displayName = items[create::DisplayName].Data;
    texts.path = items[create::Path].Data;
    return texts;
}

std::optional<NameProblem> ServiceNameProblem(std::string_view name) {
    if (name.empty())
        return NameProblem::Empty;
    if (name.find_first_of("\\/") != std::string_view::npos)
        return NameProblem::PathSeparator;
    const std::string_view shortName = name.substr(0, std::min(name.size(), ShortNameLength));
    for (const char c : shortName) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view(":*?\"<>|").find(c) != std::string_view::npos)
            return NameProblem::NotAFileName;
    }
    if (shortName.back() == '.' || shortName.back() == ' ' || IsDeviceName(shortName))
        return NameProblem::NotAFileName;
    return std::nullopt;
}

} // namespace sentrel
