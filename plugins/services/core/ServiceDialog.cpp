#include "plugins/services/core/ServiceDialog.h"

#include "plugin-host/kit/core/ItemBuilders.h"

#include <algorithm>

namespace sentrel {

namespace {

constexpr int MinRight = 54, MaxRight = 76;
constexpr int SharedRows = 5;
constexpr int MaxAdvancedText = 66;

std::string Bracketed(const std::string& text) {
    return "[" + text + "]";
}

std::string Shortened(const std::string& text, int room) {
    if (static_cast<int>(text.size()) <= room)
        return text;
    return text.substr(0, static_cast<std::size_t>(std::max(0, room - 3))) + "...";
}

std::string DataOf(const std::vector<ulvar::DialogItem>& items, int index) {
    return std::string(items[static_cast<std::size_t>(index)].Data);
}

bool SelectedIn(const std::vector<ulvar::DialogItem>& items, int index) {
    return static_cast<std::size_t>(index) < items.size() &&
           items[static_cast<std::size_t>(index)].Selected != 0;
}

} // namespace

ServiceMainValues MainValuesOf(const ServiceConfigEdit& stored, const SystemText& text) {
    ServiceMainValues values;
    values.startType = stored.startType;
    values.interactive = (stored.serviceType & InteractiveProcess) != 0;
    values.localSystem = stored.account == LocalSystemAccount;
    if (!values.localSystem) {
        values.account = text.OemFromAnsi(AccountForEditing(stored.account));
        if (!stored.account.empty())
            values.password = values.confirmed = KeptPassword;
    }
    return values;
}

ServiceAdvancedValues AdvancedValuesOf(const ServiceConfigEdit& stored, const SystemText& text) {
    ServiceAdvancedValues values;
    values.displayName = text.OemFromAnsi(stored.displayName);
    values.binaryPath = text.OemFromAnsi(stored.binaryPath);
    values.loadOrderGroup = text.OemFromAnsi(stored.loadOrderGroup);
    values.errorControl = stored.errorControl;
    values.sharedProcess = (stored.serviceType & SharedProcess) != 0;
    values.dependencies = stored.dependencies;
    return values;
}

DialogLayout ServiceDialog(const std::string& displayName, const ServiceMainValues& values,
                           bool sharedProcess, const MessageFn& msg) {
    const std::string ok = Bracketed(msg(246)), cancel = Bracketed(msg(247)),
                      advanced = Bracketed(msg(248));
    int startRight = 22;
    for (int number = 237; number <= 239; ++number)
        startRight = std::max(startRight, 7 + 4 + ShownLength(msg(number)) + 1);
    startRight = std::max(startRight, 7 + ShownLength(msg(236)) + 2);
    const int buttonColumn = std::max(42, startRight + 3 + 3);
    const int nameColumn = std::max(14, 5 + ShownLength(msg(235)) + 1);
    int editColumn = std::max({25, 12 + ShownLength(msg(244)) + 1, 12 + ShownLength(msg(245)) + 1,
                               7 + 4 + ShownLength(msg(243)) + 1});
    int right = MinRight;
    right = std::max(right, buttonColumn + ShownLength(ok) + 2);
    right = std::max(right, buttonColumn + ShownLength(cancel) + 2);
    right = std::max(right, buttonColumn - 3 + ShownLength(advanced) + 2);
    right = std::max(right, 9 + 4 + ShownLength(msg(241)) + 3);
    right = std::max(right, 7 + 4 + ShownLength(msg(242)) + 3);
    right = std::max(right, 7 + ShownLength(msg(240)) + 4);
    right = std::max(right, 5 + ShownLength(msg(234)) + 4);
    right = std::max(right, editColumn + 20 + 4);
    right = std::min(right, MaxRight);
    editColumn = std::min(editColumn, right - 4 - 10);

    const int shorter = sharedProcess ? SharedRows : 0;
    DialogLayout dialog;
    dialog.width = right + 4;
    dialog.height = 21 - shorter;
    ulvar::kit::DialogItems items;
    items.DoubleBox(3, 1, right, 19 - shorter, msg(234));
    items.Text(5, 3, msg(235));
    items.Text(nameColumn, 3, Shortened(displayName, right - 1 - nameColumn));
    items.Add(ulvar::DialogSingleBox, 5, 5, startRight, 9, msg(236), ulvar::DialogLeftText);
    for (int index = 0; index < 3; ++index) {
        ulvar::DialogItem& radio =
            items.Add(ulvar::DialogRadioButton, 7, 6 + index, 0, 0, msg(237 + index),
                      index == 0 ? ulvar::DialogGroup : 0u);
        radio.Selected = radio.Focus = values.startType == 2 + index ? 1 : 0;
    }
    const bool known = values.startType >= 2 && values.startType <= 4;
    ulvar::DialogItem& okButton =
        items.Add(ulvar::DialogButton, buttonColumn, 5, 0, 0, ok, ulvar::DialogNoBrackets);
    okButton.DefaultButton = 1;
    okButton.Focus = known ? 0 : 1;
    items.Add(ulvar::DialogButton, buttonColumn, 7, 0, 0, cancel, ulvar::DialogNoBrackets);
    items.Add(ulvar::DialogButton, buttonColumn - 3, 9, 0, 0, advanced, ulvar::DialogNoBrackets);
    items.Add(ulvar::DialogSingleBox, 5, 10, right - 2, 18 - shorter, msg(240),
              ulvar::DialogLeftText);
    items.CheckBox(9, 12, msg(241), values.interactive);
    items.Add(ulvar::DialogRadioButton, 7, 11, 0, 0, msg(242), ulvar::DialogGroup).Selected =
        values.localSystem ? 1 : 0;
    if (!sharedProcess) {
        items.Add(ulvar::DialogRadioButton, 7, 14, 0, 0, msg(243)).Selected =
            values.localSystem ? 0 : 1;
        items.Edit(editColumn, 14, right - 4, values.localSystem ? "" : values.account);
        items.Text(12, 16, msg(244));
        items.Add(ulvar::DialogPasswordEdit, editColumn, 16, right - 4, 16,
                  values.localSystem ? "" : values.password);
        items.Text(12, 17, msg(245));
        items.Add(ulvar::DialogPasswordEdit, editColumn, 17, right - 4, 17,
                  values.localSystem ? "" : values.confirmed);
    }
    dialog.items = std::move(items).Take();
    return dialog;
}

ServiceMainValues MainValuesFromDialog(const std::vector<ulvar::DialogItem>& items,
                                       ServiceMainValues values) {
    if (items.size() <= static_cast<std::size_t>(svcdlg::LocalSystem))
        return values;
    values.startType = NoChange;
    for (int index = 0; index < 3; ++index)
        if (SelectedIn(items, svcdlg::FirstStart + index))
            values.startType = 2 + index;
    values.interactive = SelectedIn(items, svcdlg::Interactive);
    if (items.size() > static_cast<std::size_t>(svcdlg::Confirmed)) {
        values.localSystem = !SelectedIn(items, svcdlg::OtherAccount);
        values.account = DataOf(items, svcdlg::Account);
        values.password = DataOf(items, svcdlg::Password);
        values.confirmed = DataOf(items, svcdlg::Confirmed);
    } else if (SelectedIn(items, svcdlg::LocalSystem)) {
        values.localSystem = true;
    }
    return values;
}

DialogLayout ServiceAdvancedDialog(const ServiceAdvancedValues& values, const MessageFn& msg) {
    int widest = 0;
    for (int number = 249; number <= 263; ++number)
        widest = std::max(widest, ShownLength(msg(number)));
    DialogLayout dialog;
    dialog.width = std::max(64, std::min(widest, MaxAdvancedText) + 10);
    dialog.height = 18;
    const int right = dialog.width - 4;
    ulvar::kit::DialogItems items;
    items.DoubleBox(3, 1, right, 16, msg(249));
    items.Text(5, 2, msg(250));
    items.Edit(5, 3, right - 2, values.displayName, "SentrelDNameHist").Focus = 1;
    items.Text(5, 4, msg(251));
    items.Edit(5, 5, right - 2, values.binaryPath, "SentrelPathHist");
    items.Add(ulvar::DialogSingleBox, 5, 7, 40, 10, msg(252), ulvar::DialogLeftText);
    items.Add(ulvar::DialogRadioButton, 7, 8, 0, 0, msg(253), ulvar::DialogGroup).Selected =
        values.sharedProcess ? 0 : 1;
    items.Add(ulvar::DialogRadioButton, 7, 9, 0, 0, msg(254)).Selected =
        values.sharedProcess ? 1 : 0;
    items.Text(5, 11, msg(255));
    items.Edit(5, 12, 39, values.loadOrderGroup, "SentrelGroup");
    items.Add(ulvar::DialogSingleBox, 42, 7, 58, 12, msg(256), ulvar::DialogLeftText);
    for (int level = 0; level < 4; ++level)
        items
            .Add(ulvar::DialogRadioButton, 44, 8 + level, 0, 0, msg(257 + level),
                 level == 0 ? ulvar::DialogGroup : 0u)
            .Selected = values.errorControl == level ? 1 : 0;
    items.Separator(0, 14);
    items.Button(15, msg(261)).DefaultButton = 1;
    items.Button(15, msg(262));
    items.Button(15, msg(263));
    dialog.items = std::move(items).Take();
    return dialog;
}

ServiceAdvancedValues AdvancedValuesFromDialog(const std::vector<ulvar::DialogItem>& items,
                                               ServiceAdvancedValues values) {
    if (items.size() <= static_cast<std::size_t>(svcadv::Dependencies))
        return values;
    values.displayName = DataOf(items, svcadv::DisplayName);
    values.binaryPath = DataOf(items, svcadv::Path);
    values.loadOrderGroup = DataOf(items, svcadv::Group);
    if (SelectedIn(items, svcadv::Own))
        values.sharedProcess = false;
    else if (SelectedIn(items, svcadv::Shared))
        values.sharedProcess = true;
    for (int level = 0; level < 4; ++level)
        if (SelectedIn(items, svcadv::FirstErrorControl + level))
            values.errorControl = level;
    return values;
}

void TakeAdvanced(ServiceMainValues& main, const ServiceAdvancedValues& advanced,
                  const ServiceConfigEdit& stored) {
    if (advanced.sharedProcess && (stored.serviceType & SharedProcess) == 0)
        main.localSystem = true;
}

AccountOutcome FinishServiceEdit(ServiceConfigEdit& edit, const ServiceMainValues& main,
                                 const ServiceAdvancedValues& advanced,
                                 const std::string& displayComputer, const SystemText& text) {
    const ServiceConfigEdit stored = edit;
    const ServiceMainValues shownMain = MainValuesOf(stored, text);
    const ServiceAdvancedValues shownAdvanced = AdvancedValuesOf(stored, text);
    const bool switchedToShared =
        advanced.sharedProcess && (stored.serviceType & SharedProcess) == 0;

    ServiceConfigEdit result = stored;
    std::int64_t serviceType = (stored.serviceType & Win32ServiceTypes);
    if (advanced.sharedProcess != shownAdvanced.sharedProcess)
        serviceType = advanced.sharedProcess ? SharedProcess : OwnProcess;

    const bool localSystem = main.localSystem || switchedToShared;
    if (localSystem) {
        if (main.interactive)
            serviceType |= InteractiveProcess;
        AccountChoice choice;
        ApplyAccountChoice(result, stored.account, choice, "", text);
    } else if (advanced.sharedProcess && stored.account != LocalSystemAccount &&
               main.account == shownMain.account && main.password == shownMain.password &&
               main.confirmed == shownMain.confirmed) {
        // A service already sharing a process under another account: the dialog does not show
        // the account, which stays as it is.
        result.changedAccount = result.changedPassword = false;
    } else {
        AccountChoice choice;
        choice.localSystem = false;
        // An account name left as shown is the stored one, whatever the OEM code page lacks.
        choice.name = main.account == shownMain.account ? AccountForEditing(stored.account)
                                                        : text.AnsiFromOem(main.account);
        choice.password =
            main.password == KeptPassword ? main.password : text.AnsiFromOem(main.password);
        choice.confirmed =
            main.confirmed == KeptPassword ? main.confirmed : text.AnsiFromOem(main.confirmed);
        if (ApplyAccountChoice(result, stored.account, choice, text.AnsiFromOem(displayComputer),
                               text) == AccountOutcome::PasswordsDiffer)
            return AccountOutcome::PasswordsDiffer;
        if (!result.changedAccount)
            result.account = stored.account;
    }

    result.startType = main.startType == stored.startType ? NoChange : main.startType;
    result.serviceType = serviceType == stored.serviceType ? NoChange : serviceType;
    result.errorControl =
        advanced.errorControl == stored.errorControl ? NoChange : advanced.errorControl;

    auto takeText = [&text](const std::string& edited, const std::string& shown,
                            const std::string& before, std::string& field, bool& flag) {
        flag = false;
        field = before;
        if (edited == shown)
            return;
        const std::string ansi = text.AnsiFromOem(edited);
        if (ansi != before) {
            field = ansi;
            flag = true;
        }
    };
    takeText(advanced.displayName, shownAdvanced.displayName, stored.displayName,
             result.displayName, result.changedDisplayName);
    takeText(advanced.binaryPath, shownAdvanced.binaryPath, stored.binaryPath, result.binaryPath,
             result.changedBinaryPath);
    takeText(advanced.loadOrderGroup, shownAdvanced.loadOrderGroup, stored.loadOrderGroup,
             result.loadOrderGroup, result.changedGroup);
    result.dependencies = advanced.dependencies;
    result.changedDependencies = advanced.dependencies != stored.dependenciesAsRead;
    edit = std::move(result);
    return AccountOutcome::Applied;
}

} // namespace sentrel
