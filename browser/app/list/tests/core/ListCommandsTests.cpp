#include "browser/app/list/core/ListCommands.h"

#include "browser/catalogue/core/TextLocale.h"

#include "browser/app/list/tests/core/Records.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(MenuOnListEnter, ShowsTheEntriesOfTheFocusedList) {
    const struct {
        const char* what;
        ActiveList list;
        bool basket;
        int basketRows;
        bool add, remove, filter;
    } cases[] = {
        {"catalogue with basket", ActiveList::Catalogue, true, 3, true, false, true},
        {"catalogue without basket", ActiveList::Catalogue, false, 0, false, false, true},
        {"basket with rows", ActiveList::Basket, true, 3, false, true, false},
        {"empty basket", ActiveList::Basket, true, 0, false, false, false},
    };
    for (const auto& c : cases) {
        const ListMenuVisibility menu = MenuOnListEnter(c.list, c.basket, c.basketRows);
        EXPECT_EQ(menu.AddToBasket, c.add) << c.what;
        EXPECT_EQ(menu.RemoveFromBasket, c.remove) << c.what;
        EXPECT_EQ(menu.FindInCatalogue, c.remove) << c.what;
        EXPECT_EQ(menu.FirstSeparator, c.filter) << c.what;
        EXPECT_EQ(menu.SetFilterSubmenu, c.filter) << c.what;
    }
}

TEST(FocusedRowCommands, EnablesAuthorCommandsByTheRecord) {
    const struct {
        const char* email;
        const char* homePage;
        bool write, visit;
    } cases[] = {
        {"ivan@mail.example", "http://a.example/", true, true},
        {"Ivan <ivan@mail.example>", "http://ab.ru", true, true}, // 12 characters
        {"@mail.example", "http://a.r", false, false},            // "@" first; 10 characters
        {"Ivan <@mail.example>", "-", false, false},
        {"Ivan@ <x>", "", false, false}, // the bare address decides
        {"", "http://a.ru", false, true},
    };
    const BuiltinRussianLocale locale;
    for (const auto& c : cases) {
        TCobwenData record = test::Record("Zip");
        record.EMail = c.email;
        record.HomePage = c.homePage;
        const FocusedRowState state =
            FocusedRowCommands(&record, ActiveList::Basket, false, "", locale);
        EXPECT_TRUE(state.AddToBasket && state.SetFilter && state.CopyInfo) << c.email;
        EXPECT_EQ(state.WriteToAuthor, c.write) << c.email;
        EXPECT_EQ(state.GotoAuthorPage, c.visit) << c.homePage;
    }
}

TEST(FocusedRowCommands, StatusTextOnlyForTheCatalogueListWithoutTransfer) {
    const BuiltinRussianLocale locale;
    const TCobwenData record = test::Record("Zip");
    EXPECT_EQ(
        FocusedRowCommands(&record, ActiveList::Catalogue, false, "%Name %Ver", locale).StatusText,
        "Zip 1.0");
    EXPECT_EQ(FocusedRowCommands(&record, ActiveList::Catalogue, false, "", locale).StatusText, "");
    EXPECT_EQ(FocusedRowCommands(&record, ActiveList::Catalogue, true, "%Name", locale).StatusText,
              std::nullopt);
    EXPECT_EQ(FocusedRowCommands(&record, ActiveList::Basket, false, "%Name", locale).StatusText,
              std::nullopt);
}

TEST(FocusedRowCommands, WithoutAFocusedRowEverythingIsDisabled) {
    const BuiltinRussianLocale locale;
    const FocusedRowState state =
        FocusedRowCommands(nullptr, ActiveList::Catalogue, false, "%Name", locale);
    EXPECT_FALSE(state.AddToBasket || state.SetFilter || state.CopyInfo || state.WriteToAuthor ||
                 state.GotoAuthorPage);
    EXPECT_EQ(state.StatusText, std::nullopt);
}

TEST(SelectionTotalText, ShowsTheCatalogueDateUntilTwoRowsAreSelected) {
    const BuiltinRussianLocale locale;
    const DateTime date = *EncodeDate(2004, 3, 5) + 0.5;
    TCobwenData a = test::Record("A");
    TCobwenData b = test::Record("B");
    a.Size = 1024;
    b.Size = 2048;
    EXPECT_EQ(SelectionTotalText({}, date, locale), "05.03.2004");
    EXPECT_EQ(SelectionTotalText({&a}, date, locale), "05.03.2004");
    EXPECT_EQ(SelectionTotalText({&a, &b}, date, locale), "3K");
    a.Size = b.Size = 2000000000;
    EXPECT_EQ(SelectionTotalText({&a, &b}, date, locale), "2,00G");
}

} // namespace
} // namespace cobwen
