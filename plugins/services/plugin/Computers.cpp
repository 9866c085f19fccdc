// Choosing the panel's computer: the F6 dialog, the Alt+F6 menu of the computers visited, Shift+F6
// back to the local computer.

#include "plugin-host/kit/core/ItemBuilders.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/core/PathInterpretation.h"
#include "plugins/services/plugin/PanelInstance.h"

#include <algorithm>

namespace sentrel {

void PanelInstance::ChangeComputer(const std::string& ansi) {
    SetComputer(ansi);
    library_.host.Control(Handle(), ulvar::ControlUpdatePanel, nullptr);
    library_.host.Control(Handle(), ulvar::ControlRedrawPanel, nullptr);
    RefreshOtherPanel();
}

void PanelInstance::UseLocalComputer() {
    ChangeComputer("");
}

void PanelInstance::AskComputer() {
    ulvar::kit::DialogItems dialog;
    dialog.DoubleBox(3, 1, 44, 5, library_.Msg(msg::ComputerDialogTitle));
    dialog.Text(5, 2, library_.Msg(msg::ComputerDialogLabel));
    ulvar::DialogItem& edit = dialog.Edit(5, 3, 42, display_, "SentrelCompHist");
    edit.Focus = 1;
    edit.Flags |= ulvar::DialogEditEnter;
    dialog.Text(5, 4, library_.Msg(msg::ComputerDialogHint));
    std::vector<ulvar::DialogItem> items = std::move(dialog).Take();
    if (library_.host.Dialog(48, 7, items, "SelCompDlg") != 2)
        return;
    const std::string name = library_.text.AnsiFromOem(CleanComputerName(items[2].Data));
    if (name.size() > MaxComputerName) {
        library_.ErrorNotice(0, msg::ComputerNameTooLong, library_.text.OemFromAnsi(name));
        return;
    }
    if (SameNoCase(library_.text, name, computer_))
        return;
    ChangeComputer(name);
}

void PanelInstance::PickComputer() {
    const SystemText& text = library_.text;
    std::vector<std::string> names;
    for (const std::string& name : library_.cache.Computers())
        if (!name.empty() && !SameNoCase(text, name, library_.localName))
            names.push_back(name);
    names.push_back(library_.localName);
    std::sort(names.begin(), names.end(), [&text](const std::string& a, const std::string& b) {
        return text.UpperAnsi(a) < text.UpperAnsi(b);
    });
    const std::string current = IsLocal() ? library_.localName : computer_;
    std::vector<ulvar::MenuItem> items;
    for (const std::string& name : names) {
        const bool chosen = SameNoCase(text, name, current);
        ulvar::MenuItem item = ulvar::kit::MakeMenuItem(
            text.OemFromAnsi(std::string_view(name).substr(0, 127)), chosen);
        item.Checked = chosen ? 1 : 0;
        items.push_back(item);
    }
    const int picked = library_.host.Menu(0, library_.Msg(msg::ComputerMenuTitle), items.data(),
                                          static_cast<int>(items.size()), nullptr, nullptr, nullptr,
                                          "SelCompMenu");
    if (picked < 0)
        return;
    const std::string& name = names[static_cast<std::size_t>(picked)];
    ChangeComputer(SameNoCase(text, name, library_.localName) ? std::string() : name);
}

} // namespace sentrel
