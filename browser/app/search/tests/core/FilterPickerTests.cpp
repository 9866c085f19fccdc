#include "browser/app/search/core/FilterPicker.h"
#include "browser/app/search/core/SearchMatches.h"

#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/TextLocale.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

std::vector<std::string> Texts(const FilterPicker& picker) {
    std::vector<std::string> texts;
    for (const PickerEntry& entry : picker.Result()) {
        texts.push_back(entry.Text);
    }
    return texts;
}

using Texts_ = std::vector<std::string>;

TEST(SearchMatches, ComparesUpperCasedTextsInsideOrFromTheStart) {
    const struct {
        std::string value, text;
        bool inner, matches;
    } cases[] = {
        {"Editor", "", false, true},
        {"", "", true, true},
        {"Editor", "it", true, true},
        {"Editor", "it", false, false},
        {"Editor", "ED", false, true},
        {"Ed", "Editor", false, true}, // the value is the beginning of the text
        {"Ed", "Editor", true, false},
        {"", "x", false, true},
        {"Editor", "x", true, false},
        {Cp("Утилиты"), Cp("УТИЛ"), false, true},
        {Cp("утилиты"), Cp("ИЛИТ"), true, true},
        {Cp("Ёлка"), Cp("ёл"), false, true},
        {Cp("Утилиты"), Cp("Ути л"), false, false},
    };
    const BuiltinRussianLocale locale;
    for (const auto& c : cases) {
        EXPECT_EQ(SearchMatches(c.value, c.text, c.inner, locale), c.matches)
            << c.value << " / " << c.text << " inner " << c.inner;
    }
}

class FilterPickerTest : public testing::Test {
protected:
    const BuiltinRussianLocale locale;
};

TEST_F(FilterPickerTest, ShowsAllValuesWithTheStartIndexSelected) {
    const FilterPicker picker({"Editor", "Games", "Utils"}, 1, locale);
    EXPECT_EQ(Texts(picker), (Texts_{"Editor", "Games", "Utils"}));
    EXPECT_EQ(picker.Selected(), 1);
    EXPECT_TRUE(picker.Inner());
    EXPECT_EQ(picker.Accept(), 1);

    const FilterPicker none({"Editor", "Games"}, -1, locale);
    EXPECT_EQ(none.Selected(), -1);
    EXPECT_EQ(none.Accept(), std::nullopt);
}

TEST_F(FilterPickerTest, NarrowsTheValuesAsTheUserTypes) {
    const struct {
        const char* text;
        bool inner;
        Texts_ shown;
    } cases[] = {
        {"i", true, {"Editor", "Utils"}},
        {"it", true, {"Editor"}}, // "Utils" holds "ti", not "it"
        {"ti", true, {"Utils"}},
        {"it", false, {}},
        {"e", false, {"Editor"}},
        {"ed", false, {"Editor"}},
        {"ED", true, {"Editor"}},
        {"s", true, {"Games", "Utils"}},
        {"", false, {"Editor", "Games", "Utils"}},
        {"xyz", true, {}},
    };
    for (const auto& c : cases) {
        FilterPicker picker({"Editor", "Games", "Utils"}, 2, locale);
        picker.SetInner(c.inner);
        picker.SetSearchText(c.text);
        EXPECT_EQ(Texts(picker), c.shown) << c.text << " inner " << c.inner;
        EXPECT_EQ(picker.Selected(), c.shown.empty() ? -1 : 0) << c.text;
    }
}

TEST_F(FilterPickerTest, ChoosingInAShortenedListGivesTheSourcePosition) {
    FilterPicker picker({"Editor", "Games", "Utils", "Viewers"}, 0, locale);
    picker.SetSearchText("s");
    ASSERT_EQ(Texts(picker), (Texts_{"Games", "Utils", "Viewers"}));
    EXPECT_EQ(picker.Accept(), 1);
    picker.MoveDown();
    EXPECT_EQ(picker.Accept(), 2);
    picker.MoveDown();
    picker.MoveDown();
    EXPECT_EQ(picker.Selected(), 2) << "Down stops at the last value";
    EXPECT_EQ(picker.Accept(), 3);
    picker.MoveUp();
    picker.MoveUp();
    picker.MoveUp();
    EXPECT_EQ(picker.Selected(), 0) << "Up stops at the first value";
    picker.Select(2);
    EXPECT_EQ(picker.Accept(), 3);
    picker.SetInner(false);
    EXPECT_EQ(Texts(picker), Texts_{}) << "no value begins with s";
}

TEST_F(FilterPickerTest, WithNoMatchEnterDoesNothing) {
    FilterPicker picker({"Editor", "Games", "Utils"}, 0, locale);
    picker.SetSearchText("q");
    picker.MoveDown();
    picker.MoveUp();
    EXPECT_EQ(picker.Selected(), -1);
    EXPECT_EQ(picker.Accept(), std::nullopt);
    picker.SetSearchText("u");
    EXPECT_EQ(picker.Accept(), 2);
}

TEST_F(FilterPickerTest, IgnoresCaseOfCyrillicValues) {
    FilterPicker picker({Cp("Архиваторы"), Cp("Система"), Cp("утилиты")}, 0, locale);
    picker.SetSearchText(Cp("УТИ"));
    EXPECT_EQ(Texts(picker), Texts_{Cp("утилиты")});
    EXPECT_EQ(picker.Accept(), 2);
    picker.SetSearchText(Cp("сис"));
    picker.SetInner(false);
    EXPECT_EQ(picker.Accept(), 1);
}

} // namespace
} // namespace cobwen
