#include "plugins/startup/core/PanelDialogs.h"

#include "plugins/startup/core/MessageFormat.h"
#include "plugins/startup/core/Messages.h"
#include "plugins/startup/ulvarplus/DialogBuilder.h"
#include "plugins/startup/ulvarplus/TextFunctions.h"

namespace launchet {

using ulvarplus::DialogBuilder;

namespace {

constexpr int ValueWidth = 60;
constexpr int NewEntryWidth = 50;

} // namespace

void ShowEntryDialog(const ulvarplus::HostRecord& host, const StartupEntry& entry,
                     int consoleWidth) {
    DialogBuilder dialog(host, msg::EntryTitle);
    bool const edits = host.HasAdvControl() && host.BuildNumber() >= ReadOnlyEditsBuild;
    int const width = consoleWidth - 10;
    auto const value = [&](const std::string& full, const std::string& shortened) {
        if (edits)
            dialog.Edit(full, ValueWidth, nullptr, DialogBuilder::AutoColumn,
                        ulvar::DialogReadOnly);
        else
            dialog.Text(shortened);
    };
    dialog.Text(msg::ProgramLabel);
    value(entry.Program(), ulvarplus::ShortenPath(entry.Program(), width));
    dialog.Text(msg::ArgumentsLabel);
    value(entry.Arguments(), entry.Arguments().empty() ? "<none>" : entry.Arguments());
    dialog.Text(msg::LocationLabel);
    value(entry.Location(), ulvarplus::ShortenLocation(entry.Location(), width));
    dialog.Separator();
    dialog.Button(msg::Ok);
    dialog.Run();
}

std::optional<CreateChoice> AskCreate(const ulvarplus::HostRecord& host, std::size_t fileCount,
                                      const std::string& defaultName, std::uint32_t createAs) {
    bool const one = fileCount == 1;
    DialogBuilder dialog(host, one ? msg::CreateOne : msg::CreateSeveral, "StartupCreate");
    int nameItem = -1, argumentsItem = -1;
    if (one) {
        dialog.Text(msg::NameLabel);
        nameItem = dialog.Edit(defaultName, NewEntryWidth, "Launchet.ItemName");
        dialog.Text(msg::NewArgumentsLabel);
        argumentsItem = dialog.Edit("", NewEntryWidth, "Launchet.Args");
        dialog.Separator();
    }
    ulvarplus::RadioGroup destinations(dialog, static_cast<int>(createAs));
    for (int text :
         {msg::UserStartupFolder, msg::CommonStartupFolder, msg::UserRunKey, msg::MachineRunKey})
        destinations.Add(text);
    dialog.Separator();
    int const ok = dialog.Button(msg::Ok);
    dialog.Button(msg::Cancel);
    if (dialog.Run() != ok)
        return std::nullopt;
    CreateChoice choice;
    auto const& items = dialog.Items();
    if (one) {
        choice.name = ulvarplus::Trim(items[static_cast<std::size_t>(nameItem)].Data);
        choice.arguments = ulvarplus::Trim(items[static_cast<std::size_t>(argumentsItem)].Data);
    }
    choice.createAs = destinations.Selection();
    return choice;
}

bool ConfirmDelete(const ulvarplus::HostRecord& host, const std::vector<StartupEntry*>& entries) {
    std::string const text =
        entries.size() == 1
            ? FillPlaceholder(host.Msg(msg::DeleteOne), "%s",
                              ulvarplus::FileNamePart(entries.front()->Program()))
            : FillPlaceholder(host.Msg(msg::DeleteSeveral), "%d", std::to_string(entries.size()));
    return ulvarplus::MessageBuilder(host)
               .Line(msg::Delete)
               .Line(msg::DeleteQuestion)
               .Line(text)
               .Button(msg::Delete)
               .Button(msg::Cancel)
               .Run() == 0;
}

std::optional<Settings> AskConfiguration(const ulvarplus::HostRecord& host,
                                         const Settings& settings) {
    Settings edited = settings;
    DialogBuilder dialog(host, msg::PluginName, "Config");
    dialog.CheckBox(msg::AddToDisksMenu, edited.addToDisksMenu);
    dialog.NumberEdit(edited.disksMenuHotkey, 1, 5, true);
    dialog.Text(msg::DisksMenuHotkey, 7);
    dialog.CheckBox(msg::AddToPluginsMenu, edited.addToPluginsMenu);
    dialog.Separator();
    int const ok = dialog.Button(msg::Ok, true);
    dialog.Button(msg::Cancel);
    if (dialog.Run() != ok)
        return std::nullopt;
    return edited;
}

} // namespace launchet
