#include "browser/app/list/core/FilterLists.h"

#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/TextLocale.h"

#include "browser/app/list/tests/core/Catalogue.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

using test::Cp;

TEST(BuildFilterLists, OffersTheArchivesValuesAndTheFixedChoices) {
    const BuiltinRussianLocale locale;
    TCobwenArchive archive(locale);
    archive.Language = 1;
    ASSERT_EQ(archive.LoadFromText(test::CatalogueLine(1, "A", "Tools", "P") +
                                   test::CatalogueLine(2, "B", "Games", "#") +
                                   test::CatalogueLine(3, "C", "tools")),
              LoadOk);
    const FilterLists lists = BuildFilterLists(archive);
    EXPECT_EQ(lists.Category, (std::vector<std::string>{"Games", "Tools"}));
    EXPECT_EQ(lists.SrcLanguage,
              (std::vector<std::string>{Cp("на любом языке"), "C#", "Delphi/Virtual Pascal"}));
    EXPECT_EQ(lists.Released.size(), 6u);
    EXPECT_EQ(lists.Released.front(), Cp("За последнюю неделю"));
    EXPECT_EQ(lists.Released.back(), Cp("За последний год"));
    EXPECT_EQ(lists.WindowsVersion,
              (std::vector<std::string>{"Windows 9x", "Windows NT", "Windows 2000", "Windows XP",
                                        "Windows 2003", "Windows Vista", "Windows x64"}));
    EXPECT_EQ(&lists.Values(Filter::HasSources), &lists.SrcLanguage);
    EXPECT_TRUE(lists.Values(Filter::Name).empty());
}

TEST(SelectStoredIndex, CorrectsAnIndexBeyondTheValues) {
    const struct {
        Filter filter;
        int stored, count, selected;
    } cases[] = {
        {Filter::Category, 3, 5, 3},       {Filter::Category, 5, 5, 0},
        {Filter::Category, -1, 5, 0},      {Filter::Category, 0, 0, -1},
        {Filter::Author, 99, 2, 0},        {Filter::HasSources, 7, 3, 0},
        {Filter::UlvarVersion, 4, 4, 0},   {Filter::WindowsVersion, 7, 7, 0},
        {Filter::WindowsVersion, 6, 7, 6}, {Filter::Released, 5, 6, 5},
        {Filter::Released, 6, 6, -1},      {Filter::Released, -1, 6, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SelectStoredIndex(c.filter, c.stored, c.count), c.selected)
            << static_cast<int>(c.filter) << " " << c.stored;
    }
}

} // namespace
} // namespace cobwen
