// The basket as a user drives it: its list and total, Ins, Del, Enter and Shift+Del through the
// system's input queue, its menu entries, and its contents kept in the real registry.
#include "browser/app/main/tests/win/MainFormFixture.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/DateTime.h"
#include "browser/catalogue/core/TextHelpers.h"
#include "tools/testsupport/win/Input.h"
#include "win32/Text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace cobwen {
namespace {

using test::MainFormTest;
using test::PumpWindow;
using Shown = test::ScriptedPrompter::Shown;

// An id no catalogue of the test site holds.
constexpr std::int32_t LeftTheCatalogue = 999999;

class MainFormBasketTest : public MainFormTest {
protected:
    std::string SettingsKey() const { return registry_.ProgramKey() + "\\Settings"; }

    void PutBasket(const std::string& contents) {
        ASSERT_TRUE(testsupport::SetString(SettingsKey(), "BasketContents", contents));
    }

    TCobwenMainForm& OpenInFront() {
        TCobwenMainForm& form = Open();
        testsupport::BringToFront(form.Window());
        PumpWindow(
            form, [&] { return GetForegroundWindow() == form.Window(); }, 2000);
        return form;
    }

    // Presses the keys and lets the window handle them.
    void Press(TCobwenMainForm& form, std::initializer_list<WORD> keys) {
        ASSERT_TRUE(testsupport::PressKeys(keys));
        bool settled = false;
        PumpWindow(
            form, [&] { return std::exchange(settled, true); }, 1000);
        PumpWindow(
            form, [] { return false; }, 150);
    }

    std::vector<std::int32_t> BasketListIds(TCobwenMainForm& form) {
        std::vector<std::int32_t> ids;
        for (int row = 0; row < form.BasketList().RowCount(); ++row)
            ids.push_back(form.Archive().GetItem(form.BasketList().RowData(row))->Id);
        std::ranges::sort(ids);
        return ids;
    }

    std::wstring TotalOf(TCobwenMainForm& form, std::initializer_list<int> indexes) {
        std::int32_t total = 0;
        for (const int index : indexes)
            total += form.Archive().GetItem(index)->Size;
        return win32::ToWide(FormatSize(total, locale_), BrowserCodePage);
    }

    std::wstring DateOf(TCobwenMainForm& form) {
        return win32::ToWide(FormatShortDate(form.Archive().CatalogueDate(), locale_),
                             BrowserCodePage);
    }

    bool MenuHas(TCobwenMainForm& form, Command command) {
        return GetMenuState(form.ContextMenuHandle(), TCobwenMainForm::MenuId(command),
                            MF_BYCOMMAND) != static_cast<UINT>(-1);
    }

    SystemTextLocale locale_;
};

TEST_F(MainFormBasketTest, StoredBasketShowsItsRowsAndTotalAndKeepsAnIdThatLeftTheCatalogue) {
    PutOldCatalogue();
    {
        // Ids of the catalogue's third and first records, and one it does not hold.
        TCobwenMainForm& first = Open();
        const std::int32_t a = first.Archive().GetItem(2)->Id;
        const std::int32_t b = first.Archive().GetItem(0)->Id;
        SendMessageW(first.Window(), WM_CLOSE, 0, 0);
        PutBasket(std::to_string(a) + "," + std::to_string(LeftTheCatalogue) + "," +
                  std::to_string(b));
    }
    TCobwenMainForm& form = Open();
    ASSERT_TRUE(IsWindowVisible(form.BasketList().Window()));
    // Archive order, and no row for the id without a record.
    ASSERT_EQ(form.BasketList().RowCount(), 2);
    std::vector<int> rows{form.BasketList().RowData(0), form.BasketList().RowData(1)};
    std::ranges::sort(rows);
    EXPECT_EQ(rows, (std::vector<int>{0, 2}));
    EXPECT_EQ(form.Status().Text(1), TotalOf(form, {0, 2}));
    EXPECT_TRUE(form.Tools().Enabled(ToolButton::Download));
    // The basket's rows have the catalogue's colours and no preview.
    EXPECT_FALSE(form.BasketList().PreviewShown());

    SendMessageW(form.Window(), WM_CLOSE, 0, 0);
    const std::optional<std::string> stored =
        testsupport::GetString(SettingsKey(), "BasketContents");
    ASSERT_TRUE(stored);
    EXPECT_NE(stored->find(std::to_string(LeftTheCatalogue)), std::string::npos) << *stored;
}

TEST_F(MainFormBasketTest, InsDelEnterAndShiftDelWithTheirMenuEntries) {
    PutOldCatalogue();
    TCobwenMainForm& form = OpenInFront();
    ASSERT_EQ(form.BasketList().RowCount(), 0);
    EXPECT_FALSE(form.Tools().Enabled(ToolButton::Download));
    EXPECT_EQ(form.Status().Text(1), DateOf(form));
    // Nothing to clear: no question.
    SetFocus(form.CatalogueList().Window());
    Press(form, {VK_SHIFT, VK_DELETE});
    EXPECT_EQ(prompts_.Count(Shown::Question), 0u);

    // Ins adds the selected rows of the catalogue list; a second Ins adds nothing again.
    RowList& catalogue = form.CatalogueList();
    ASSERT_GE(catalogue.RowCount(), 3);
    const int first = catalogue.RowData(0);
    const int second = catalogue.RowData(1);
    ASSERT_TRUE(catalogue.Locate(first, true));
    EXPECT_TRUE(MenuHas(form, Command::AddToBasket));
    EXPECT_FALSE(MenuHas(form, Command::RemoveFromBasket));
    Press(form, {VK_INSERT});
    ASSERT_TRUE(catalogue.Locate(second, true));
    Press(form, {VK_INSERT});
    Press(form, {VK_INSERT});
    EXPECT_EQ(form.Settings().BasketIds.Count(), 2);
    EXPECT_EQ(form.BasketList().RowCount(), 2);
    EXPECT_EQ(form.Status().Text(1), TotalOf(form, {first, second}));
    EXPECT_TRUE(form.Tools().Enabled(ToolButton::Download));

    // Del in the name field edits the field and leaves the basket alone.
    SetFocus(form.Filters().ValueControl(Filter::Name));
    Press(form, {VK_DELETE});
    EXPECT_EQ(form.BasketList().RowCount(), 2);

    // In the basket: the remove and find entries instead of the add entry.
    SetFocus(form.BasketList().Window());
    PumpWindow(
        form, [] { return false; }, 100);
    EXPECT_FALSE(MenuHas(form, Command::AddToBasket));
    EXPECT_TRUE(MenuHas(form, Command::RemoveFromBasket));
    EXPECT_TRUE(MenuHas(form, Command::FindPlugin));
    // Enter finds the focused basket row in the catalogue list.
    ASSERT_TRUE(form.BasketList().Locate(second, true));
    ASSERT_TRUE(catalogue.Locate(first, true));
    SetFocus(form.BasketList().Window());
    Press(form, {VK_RETURN});
    EXPECT_EQ(catalogue.FocusedData(), second);
    // Del removes the selected basket row; the other one stays.
    SetFocus(form.BasketList().Window());
    ASSERT_TRUE(form.BasketList().Locate(second, true));
    Press(form, {VK_DELETE});
    ASSERT_EQ(form.BasketList().RowCount(), 1);
    EXPECT_EQ(form.BasketList().RowData(0), first);
    EXPECT_EQ(form.Status().Text(1), TotalOf(form, {first}));

    // Shift+Del asks; No keeps the basket, Yes empties it and the date comes back.
    prompts_.Answer(Answer::No);
    Press(form, {VK_SHIFT, VK_DELETE});
    EXPECT_EQ(prompts_.Last(Shown::Question), L"Очистить корзину загружаемых плагинов ?");
    EXPECT_EQ(form.BasketList().RowCount(), 1);
    prompts_.Answer(Answer::Yes);
    Press(form, {VK_SHIFT, VK_DELETE});
    EXPECT_EQ(prompts_.Count(Shown::Question), 2u);
    EXPECT_EQ(form.BasketList().RowCount(), 0);
    EXPECT_EQ(form.Settings().BasketIds.Count(), 0);
    EXPECT_EQ(form.Status().Text(1), DateOf(form));
    EXPECT_FALSE(form.Tools().Enabled(ToolButton::Download));
}

TEST_F(MainFormBasketTest, WithoutTheBasketDownloadFollowsTheFocusedRow) {
    PutOldCatalogue();
    ASSERT_TRUE(testsupport::SetString(SettingsKey(), "UseDownloadBasket", "0"));
    TCobwenMainForm& form = Open();
    EXPECT_FALSE(IsWindowVisible(form.BasketList().Window()));
    EXPECT_FALSE(MenuHas(form, Command::AddToBasket));
    ASSERT_GT(form.CatalogueList().RowCount(), 0);
    form.CatalogueList().Locate(form.CatalogueList().RowData(0), true);
    PumpWindow(
        form, [] { return false; }, 100);
    EXPECT_TRUE(form.Tools().Enabled(ToolButton::Download));
}

} // namespace
} // namespace cobwen
