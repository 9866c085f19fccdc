#include "browser/app/list/core/ListFilter.h"

#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/FieldDecoding.h"
#include "browser/catalogue/core/TextLocale.h"

#include "browser/app/list/tests/core/Catalogue.h"
#include "browser/app/list/tests/core/Records.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

using test::Cp;
using test::Record;

// The drop-downs of a small catalogue.
FilterLists SampleLists() {
    FilterLists lists;
    lists.Category = {"Games", "Tools", Cp("Утилиты")};
    lists.Author = {"Author", "Other"};
    for (const auto& period : ReleasePeriods) {
        lists.Released.emplace_back(period.text);
    }
    lists.SrcLanguage = {AnySourceLanguage, "C/C++", "Delphi/Virtual Pascal"};
    lists.UlvarVersion = {"1.70", "1.75"};
    for (const auto& version : WindowsVersions) {
        lists.WindowsVersion.push_back(std::string("Windows ") + version.name);
    }
    return lists;
}

class ListFilterTest : public testing::Test {
protected:
    bool Passes(const TCobwenData& record) const {
        return ListFilter(lists, input, locale).Passes(record);
    }

    const BuiltinRussianLocale locale;
    const FilterLists lists = SampleLists();
    FilterInput input;
};

TEST_F(ListFilterTest, FiltersThatAreOffLetEveryRecordPass) {
    input.Panel.Category = 0;
    input.Panel.Name = "no such name";
    input.Panel.Date = 0;
    input.Now = *EncodeDate(2010, 1, 1);
    TCobwenData record = Record("Name");
    record.Date = 0;
    record.Category = "Elsewhere";
    EXPECT_TRUE(Passes(record));
}

TEST_F(ListFilterTest, ReleasePeriodCountsBackFromTheCurrentMoment) {
    const DateTime today = *EncodeDate(2004, 3, 15);
    input.Now = today + EncodeTime(10, 0, 0);
    input.Panel.UseRelease = true;
    const struct {
        const char* what;
        int period;
        DateTime date;
        bool passes;
    } cases[] = {
        {"a week, 6 days ago", 0, today - 6, true},
        {"a week, 7 days ago at midnight is before 10:00", 0, today - 7, false},
        {"a week, 7 days ago at 10:00", 0, today - 7 + EncodeTime(10, 0, 0), true},
        {"a week, today", 0, today, true},
        {"a week, no date", 0, 0, false},
        {"two weeks, 13 days ago", 1, today - 13, true},
        {"two weeks, 15 days ago", 1, today - 15, false},
        {"a year, 364 days ago", 5, today - 364, true},
        {"a year, 366 days ago", 5, today - 366, false},
        {"nothing selected passes an old record", -1, today - 5000, true},
        {"nothing selected passes a record without date", -1, 0, true},
        {"an index beyond the periods passes everything", 6, 0, true},
    };
    for (const auto& c : cases) {
        input.Panel.Date = c.period;
        TCobwenData record = Record("Name");
        record.Date = c.date;
        EXPECT_EQ(Passes(record), c.passes) << c.what;
    }
}

TEST_F(ListFilterTest, TextFiltersCompareTheShownValueExactly) {
    const struct {
        const char* what;
        void (*set)(FilterSettings&);
        void (*change)(TCobwenData&);
        bool passes;
    } cases[] = {
        {"category equal", [](FilterSettings& p) { p.UseCategory = true, p.Category = 2; },
         [](TCobwenData& r) { r.Category = Cp("Утилиты"); }, true},
        {"category in another case",
         [](FilterSettings& p) { p.UseCategory = true, p.Category = 2; },
         [](TCobwenData& r) { r.Category = Cp("УТИЛИТЫ"); }, false},
        {"category with nothing selected",
         [](FilterSettings& p) { p.UseCategory = true, p.Category = -1; },
         [](TCobwenData& r) { r.Category = ""; }, true},
        {"author equal", [](FilterSettings& p) { p.UseAuthor = true, p.Author = 1; },
         [](TCobwenData& r) { r.Author = "Other"; }, true},
        {"author differs", [](FilterSettings& p) { p.UseAuthor = true, p.Author = 1; },
         [](TCobwenData& r) { r.Author = "other"; }, false},
        {"host version equal",
         [](FilterSettings& p) { p.UseUlvarVersion = true, p.UlvarVersion = 1; },
         [](TCobwenData& r) { r.UlvarVersion = "1.75"; }, true},
        {"host version differs",
         [](FilterSettings& p) { p.UseUlvarVersion = true, p.UlvarVersion = 1; },
         [](TCobwenData& r) { r.UlvarVersion = "1.70"; }, false},
    };
    for (const auto& c : cases) {
        input = {};
        c.set(input.Panel);
        TCobwenData record = Record("Name");
        c.change(record);
        EXPECT_EQ(Passes(record), c.passes) << c.what;
    }
}

TEST_F(ListFilterTest, SourcesFilterWantsSourcesInTheChosenLanguage) {
    input.Panel.HasSources = true;
    const struct {
        int language;
        bool hasSources;
        const char* code;
        bool passes;
    } cases[] = {
        {0, true, "P", true},  {0, true, "C", true},   {0, false, "P", false}, {2, true, "P", true},
        {2, true, "C", false}, {2, false, "P", false}, {1, true, "C", true},
    };
    for (const auto& c : cases) {
        input.Panel.SrcLang = c.language;
        TCobwenData record = Record("Name");
        record.HasSources = c.hasSources;
        record.SrcLanguage = c.code;
        EXPECT_EQ(Passes(record), c.passes) << c.language << " " << c.hasSources << " " << c.code;
    }
}

TEST_F(ListFilterTest, WindowsVersionNeedsACommonBit) {
    input.Panel.UseWindowsVersion = true;
    const struct {
        int row;
        const char* flags; // first character is bit 0
        bool passes;
    } cases[] = {
        {2, "01", true},                          // "2000" (0x06): bit 1
        {2, "001", true},                         // bit 2
        {2, "0111", true},       {2, "1", false}, // bit 0 only
        {2, "0001", false},                       // bit 3 only
        {2, "", false},          {0, "1", true},  // "9x" (0x03)
        {6, "00000001", true},                    // "x64" (0x80)
        {-1, "11111111", false},
    };
    for (const auto& c : cases) {
        input.Panel.WindowsVersion = c.row;
        TCobwenData record = Record("Name");
        record.WindowsVersion = c.flags;
        EXPECT_EQ(Passes(record), c.passes) << c.row << " " << c.flags;
    }
}

TEST_F(ListFilterTest, NameFilterSearchesTheFieldsFindInAdds) {
    TCobwenData record = Record("Commander");
    record.Description = "Shows <b>archives</b> inside panels";
    record.URL = "http://cobwen.example/downld/files/zipview.rar";
    record.HomePage = "http://petrov.example.org/";
    record.EMail = "Ivan <ivan@mail.example>";
    const struct {
        const char* pattern;
        std::uint8_t findIn;
        bool passes;
    } cases[] = {
        {"command", 0, true},
        {"archives", 0, false},
        {"archives", FindInDescription, true},
        {"<b>archives", FindInDescription, true}, // the stored HTML text
        {"zipview", 0, false},
        {"zipview", FindInURL, true},
        {"zipview", FindInDescription | FindInEMail | FindInHomePage, false},
        {"petrov", FindInURL, false},
        {"petrov", FindInHomePage, true},
        {"ivan@", FindInHomePage, false},
        {"ivan@", FindInEMail, true},
        {"Ivan <", FindInEMail, true}, // the stored field, not the bare address
        {"^http.*zip", FindInURL, true},
        {"^http.*zip", FindInMask & ~FindInURL, false},
    };
    input.Panel.UseName = true;
    for (const auto& c : cases) {
        input.Panel.Name = c.pattern;
        input.FindIn = c.findIn;
        EXPECT_EQ(Passes(record), c.passes) << c.pattern << " " << int(c.findIn);
    }
}

TEST_F(ListFilterTest, NameFilterWithoutUsableTextOrWithABadExpression) {
    input.Panel.UseName = true;
    input.FindIn = FindInMask;
    const TCobwenData record = Record("Name (beta)");

    input.Panel.Name = "";
    EXPECT_TRUE(Passes(record)) << "an empty text shows every record";
    EXPECT_TRUE(ListFilter(lists, input, locale).NameExpressionValid());

    for (const char* bad : {"(beta", "[a-", "*x", "a{2,1}"}) {
        input.Panel.Name = bad;
        const ListFilter filter(lists, input, locale);
        EXPECT_FALSE(filter.NameExpressionValid()) << bad;
        EXPECT_FALSE(filter.NameMatches(record)) << bad;
    }
    input.Panel.UseName = false;
    EXPECT_TRUE(Passes(record)) << "the bad text does not matter while the filter is off";
}

TEST(FillList, GivesThePassingRecordsInArchiveOrder) {
    const BuiltinRussianLocale locale;
    TCobwenArchive archive(locale);
    archive.Language = 1;
    const std::string text = test::CatalogueLine(1, "Zip view", "Tools") +
                             test::CatalogueLine(2, "Arj", Cp("Утилиты"), "C") +
                             test::CatalogueLine(3, Cp("Просмотр zip"), Cp("УТИЛИТЫ"), "P") +
                             test::CatalogueLine(4, "Rar", "Tools", "", "01/01/1990") +
                             test::CatalogueLine(5, Cp("ПРОСМОТР картинок"), "Tools");
    ASSERT_EQ(archive.LoadFromText(text), LoadOk);
    const FilterLists lists = BuildFilterLists(archive);
    ASSERT_EQ(lists.Category, (std::vector<std::string>{"Tools", Cp("Утилиты")}))
        << "one spelling of a category written two ways";

    const auto name = [](std::string pattern) {
        FilterSettings panel;
        panel.UseName = true;
        panel.Name = std::move(pattern);
        return panel;
    };
    const auto category = [](int index) {
        FilterSettings panel;
        panel.UseCategory = true;
        panel.Category = index;
        return panel;
    };
    const auto sources = [](int language) {
        FilterSettings panel;
        panel.HasSources = true;
        panel.SrcLang = language;
        return panel;
    };
    const FilterSettings none;
    FilterSettings two = category(0);
    two.UseName = true;
    two.Name = "z";
    const struct {
        const char* what;
        FilterSettings panel;
        std::vector<int> rows;
    } cases[] = {
        {"no filter", none, {0, 1, 2, 3, 4}},
        {"alternatives", name("arj|rar"), {1, 3}},
        {"Cyrillic without regard to case", name(Cp("просмотр")), {2, 4}},
        {"a regular expression", name(Cp("^п.*zip$")), {2}},
        {"an invalid expression", name("zip("), {}},
        {"the category chosen as offered", category(1), {1}},
        {"any source language", sources(0), {1, 2}},
        {"Delphi sources", sources(2), {2}},
        {"two filters", two, {0}},
    };
    for (const auto& c : cases) {
        FilterInput input;
        input.Panel = c.panel;
        input.Now = *EncodeDate(2004, 3, 20);
        EXPECT_EQ(FillList(archive, lists, input, locale), c.rows) << c.what;
    }
    ASSERT_EQ(lists.SrcLanguage, (std::vector<std::string>{AnySourceLanguage, SrcLanguageName("C"),
                                                           SrcLanguageName("P")}));
}

// A long catalogue is shared among threads; the rows and their order stay those of one thread,
// and those of the backtracking engine.
TEST(FillList, ThreadsSharingTheRecordsGiveTheRowsOfOne) {
    const BuiltinRussianLocale locale;
    TCobwenArchive archive(locale);
    archive.Language = 1;
    std::string text;
    for (int id = 1; id <= 9000; ++id) {
        const std::string name = (id % 7 == 0 ? "Zip " : Cp("Архив ")) + std::to_string(id * 37);
        text += test::CatalogueLine(id, name, id % 3 == 0 ? "Tools" : "Games");
    }
    ASSERT_EQ(archive.LoadFromText(text), LoadOk);
    ASSERT_EQ(archive.Count(), 9000);
    const FilterLists lists = BuildFilterLists(archive);
    for (const char* pattern : {"[0-9]{3}7$", "zip", "^zip|(11)+", "\\b9\\d{4}\\b"}) {
        FilterInput input;
        input.Panel.UseName = true;
        input.Panel.Name = pattern;
        input.Panel.UseCategory = true;
        input.Panel.Category = 0;
        input.FindIn = FindInMask;
        const std::vector<int> one =
            FillList(archive, lists, input, locale, {NameEngine::Automaton, 1});
        EXPECT_GT(one.size(), 10u) << pattern;
        EXPECT_LT(one.size(), 3000u) << pattern;
        EXPECT_EQ(FillList(archive, lists, input, locale, {NameEngine::Backtracking, 1}), one)
            << pattern;
        for (unsigned workers : {0u, 2u, 3u}) {
            EXPECT_EQ(FillList(archive, lists, input, locale, {NameEngine::Automaton, workers}),
                      one)
                << pattern << " with " << workers << " threads";
        }
    }
}

TEST(FillList, AnEmptyCatalogueGivesNoRows) {
    const BuiltinRussianLocale locale;
    const TCobwenArchive archive(locale);
    const FilterLists lists = BuildFilterLists(archive);
    const std::vector<int> rows = FillList(archive, lists, {}, locale);
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(RowCountText(static_cast<int>(rows.size()), archive.Count()), "0/0");
    EXPECT_EQ(RowCountText(12, 65535), "12/65535");
}

} // namespace
} // namespace cobwen
