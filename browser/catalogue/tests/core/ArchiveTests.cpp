#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/FileAge.h"
#include "browser/catalogue/core/TextLocale.h"

#include "browser/catalogue/tests/core/TestFiles.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace cobwen {
namespace {

using testsupport::ScratchFolder;

std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

// One catalogue line with plausible values in every field.
struct Line {
    std::vector<std::string> fields;

    explicit Line(int id) {
        const std::string n = std::to_string(id);
        fields = {n,
                  "-",
                  "Plugin" + n,
                  "Tools",
                  Cp("Описание <b>") + n,
                  "Description " + n,
                  "p" + n + ".rar",
                  "1 024",
                  "Author <a" + n + "@host.ru>",
                  Cp("Автор ") + n,
                  "Author " + n,
                  "http://home/" + n,
                  "1." + n,
                  "15/03/2004",
                  "1.70",
                  "111",
                  "yes",
                  "C",
                  "2004031500" + n};
    }
    Line& Set(std::size_t index, std::string value) {
        fields.resize(std::max(fields.size(), index + 1));
        fields[index] = std::move(value);
        return *this;
    }
    Line& Fields(std::size_t count) {
        fields.resize(count);
        return *this;
    }
    std::string Text() const {
        std::string text;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            text += (i ? "\x14" : "") + fields[i];
        }
        return text;
    }
};

std::string Catalogue(const std::vector<Line>& lines, const char* lineEnd = "\r\n") {
    std::string text;
    for (const auto& line : lines) {
        text += line.Text() + lineEnd;
    }
    return text;
}

class ArchiveTest : public ::testing::Test {
protected:
    int Load(const std::string& text) {
        testing::WriteGzip(folder.File("plugins.dat.gz"), text);
        return archive.LoadFromFile(folder.File("plugins.dat.gz"));
    }

    ScratchFolder folder;
    BuiltinRussianLocale locale;
    TCobwenArchive archive{locale, "cat.example"};
};

TEST_F(ArchiveTest, StartsEmptyWithItsUrls) {
    EXPECT_EQ(archive.Count(), 0);
    EXPECT_EQ(archive.GetItem(0), nullptr);
    EXPECT_EQ(archive.NewestStamp(), "");
    EXPECT_EQ(archive.Language, 0);
    EXPECT_EQ(archive.CatalogueURL(), "http://cat.example/downld/plugins.dat.gz");
    EXPECT_EQ(archive.FilesURL(), "http://cat.example/downld/files/");
    EXPECT_EQ(archive.CatalogueDate(), Today());
    EXPECT_EQ(archive.Categories().Count(), 0);
}

TEST_F(ArchiveTest, FillsEveryFieldInTheChosenLanguage) {
    const std::string text = Catalogue({Line(7)});
    for (int language : {1, 0, 2}) {
        archive.Language = static_cast<std::uint8_t>(language);
        ASSERT_EQ(Load(text), LoadOk);
        ASSERT_EQ(archive.Count(), 1);
        const TCobwenData& r = *archive.GetItem(0);
        const bool russian = language == 1;
        EXPECT_EQ(r.Id, 7);
        EXPECT_EQ(r.Name, "Plugin7");
        EXPECT_EQ(r.Category, "Tools");
        EXPECT_EQ(r.Description, russian ? Cp("Описание <b>7") : "Description 7");
        EXPECT_EQ(r.URL, "http://cat.example/downld/files/p7.rar");
        EXPECT_EQ(r.EMail, "Author <a7@host.ru>");
        EXPECT_EQ(r.Author, russian ? Cp("Автор 7") : "Author 7");
        EXPECT_EQ(r.HomePage, "http://home/7");
        EXPECT_EQ(r.Version, "1.7");
        EXPECT_EQ(r.UlvarVersion, "1.70");
        EXPECT_EQ(r.WindowsVersion, "111");
        EXPECT_EQ(r.SrcLanguage, "C");
        EXPECT_EQ(r.Size, 1024);
        EXPECT_EQ(r.Date, *EncodeDate(2004, 3, 15));
        EXPECT_EQ(r.Stamp, "20040315007");
        EXPECT_TRUE(r.HasSources);
    }
}

TEST_F(ArchiveTest, ReadsOddFieldValues) {
    struct Case {
        const char* name;
        std::size_t field;
        std::string value;
        std::function<void(const TCobwenData&)> check;
    };
    const std::vector<Case> cases = {
        {"size with grouped digits", 7, "1 234 567",
         [](auto& r) {
             EXPECT_EQ(r.Size, 1234567);
         }},
        {"size of letters", 7, "big",
         [](auto& r) {
             EXPECT_EQ(r.Size, 0);
         }},
        {"negative size", 7, "-5",
         [](auto& r) {
             EXPECT_EQ(r.Size, -5);
         }},
        {"size beyond 32 bits", 7, "99999999999",
         [](auto& r) {
             EXPECT_EQ(r.Size, 0);
         }},
        {"date with slashes", 13, "01/12/1999",
         [](auto& r) {
             EXPECT_EQ(r.Date, *EncodeDate(1999, 12, 1));
         }},
        {"date year first", 13, "2004-03-15",
         [](auto& r) {
             EXPECT_EQ(r.Date, 0);
         }},
        {"impossible date", 13, "31/02/2004",
         [](auto& r) {
             EXPECT_EQ(r.Date, 0);
         }},
        {"empty date", 13, "",
         [](auto& r) {
             EXPECT_EQ(r.Date, 0);
         }},
        {"relative URL", 6, "tools/x.rar",
         [](auto& r) {
             EXPECT_EQ(r.URL, "http://cat.example/downld/files/tools/x.rar");
         }},
        {"absolute URL in capitals", 6, "HTTP://Mirror.Example/X.RAR",
         [](auto& r) {
             EXPECT_EQ(r.URL, "HTTP://Mirror.Example/X.RAR");
         }},
        {"sources YES", 16, "YES",
         [](auto& r) {
             EXPECT_TRUE(r.HasSources);
         }},
        {"sources y", 16, "y",
         [](auto& r) {
             EXPECT_FALSE(r.HasSources);
         }},
        {"sources yes with blank", 16, "yes ",
         [](auto& r) {
             EXPECT_FALSE(r.HasSources);
         }},
        {"negative id", 0, "-12",
         [](auto& r) {
             EXPECT_EQ(r.Id, -12);
         }},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Load(Catalogue({Line(1).Set(c.field, c.value)})), LoadOk) << c.name;
        SCOPED_TRACE(c.name);
        c.check(*archive.GetItem(0));
    }
}

TEST_F(ArchiveTest, NonNumericIdBecomesMinusTheLineNumber) {
    std::vector<Line> lines;
    for (int i = 0; i < 7; ++i) {
        lines.push_back(Line(100 + i));
    }
    lines[0].Set(0, "first");
    lines[5].Set(0, "x5");
    ASSERT_EQ(Load(Catalogue(lines)), LoadOk);
    EXPECT_EQ(archive.GetItem(0)->Id, 0);
    EXPECT_EQ(archive.GetItem(5)->Id, -5);
    EXPECT_EQ(archive.GetItem(6)->Id, 106);
}

TEST_F(ArchiveTest, ResultCodesAndWhatTheyLeave) {
    ASSERT_EQ(Load(Catalogue({Line(1), Line(2)})), LoadOk);
    const double firstDate = archive.StoredCatalogueDate();
    const std::string firstStamp = archive.NewestStamp();
    struct Case {
        const char* name;
        std::string text; // gzip content
        bool corrupt;     // write raw garbage with the gzip magic instead
        int result;
        int count;
    };
    const Case cases[] = {
        {"empty member", "", false, LoadNoLines, 2},
        {"corrupt", "", true, LoadUnreadable, 2},
    };
    for (const auto& c : cases) {
        if (c.corrupt) {
            testing::WriteBytes(folder.File("plugins.dat.gz"),
                                std::string("\x1f\x8b\x08\x00garbage garbage garbage", 27));
            EXPECT_EQ(archive.LoadFromFile(folder.File("plugins.dat.gz")), c.result) << c.name;
        } else {
            EXPECT_EQ(Load(c.text), c.result) << c.name;
        }
        EXPECT_EQ(archive.Count(), c.count) << c.name;
        EXPECT_EQ(archive.NewestStamp(), firstStamp) << c.name;
        EXPECT_EQ(archive.StoredCatalogueDate(), firstDate) << c.name;
    }
    EXPECT_EQ(archive.LoadFromFile(folder.File("missing.gz")), LoadUnreadable);
    EXPECT_EQ(archive.Count(), 2);
}

TEST_F(ArchiveTest, ShortLinesAreSkipped) {
    struct Case {
        const char* name;
        std::string text;
        int result;
        std::vector<std::int32_t> ids;
    };
    const Case cases[] = {
        {"19 fields", Catalogue({Line(1).Fields(19)}), LoadOk, {1}},
        {"25 fields", Catalogue({Line(1).Set(24, "extra")}), LoadOk, {1}},
        {"18 fields", Catalogue({Line(1), Line(2).Fields(18), Line(3)}), LoadSkippedLines, {1, 3}},
        {"blank line", Line(1).Text() + "\r\n\r\n" + Line(2).Text(), LoadSkippedLines, {1, 2}},
        {"only a line end", "\n", LoadSkippedLines, {}},
        {"no separators at all", "plain text\nmore", LoadSkippedLines, {}},
        {"lone CR, lone LF and CR LF",
         Line(1).Text() + "\r" + Line(2).Text() + "\n" + Line(3).Text() + "\r\n" + Line(4).Text(),
         LoadOk,
         {1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Load(c.text), c.result) << c.name;
        std::vector<std::int32_t> ids;
        for (int i = 0; i < archive.Count(); ++i) {
            ids.push_back(archive.GetItem(i)->Id);
        }
        EXPECT_EQ(ids, c.ids) << c.name;
    }
}

TEST_F(ArchiveTest, ValueListsAreSortedUniqueIgnoringCaseAndOnlyGrow) {
    archive.Language = 1;
    ASSERT_EQ(Load(Catalogue({
                  Line(1).Set(3, Cp("Утилиты")).Set(9, "Beta").Set(14, "2.0"),
                  Line(2).Set(3, Cp("УТИЛИТЫ")).Set(9, "alpha").Set(14, "1.70"),
                  Line(3).Set(3, "Games").Set(9, "").Set(16, "no").Set(17, "P"),
                  Line(4).Set(3, "games").Set(9, "ALPHA").Set(17, "#"),
              })),
              LoadOk);
    using V = std::vector<std::string>;
    EXPECT_EQ(archive.Categories().Items(), (V{"Games", Cp("Утилиты")}));
    EXPECT_EQ(archive.Authors().Items(), (V{"", "alpha", "Beta"}));
    EXPECT_EQ(archive.UlvarVersions().Items(), (V{"1.70", "2.0"}));
    EXPECT_EQ(archive.SrcLanguages().Items(), (V{"#", "C"})); // "P" has no sources

    ASSERT_EQ(Load(Catalogue({Line(5).Set(3, "Archivers").Set(9, "beta")})), LoadOk);
    EXPECT_EQ(archive.Count(), 1);
    EXPECT_EQ(archive.Categories().Items(), (V{"Archivers", "Games", Cp("Утилиты")}));
    EXPECT_EQ(archive.Authors().Items(), (V{"", "alpha", "Beta"}));
    EXPECT_EQ(archive.Categories().IndexOf("GAMES"), 1);
    EXPECT_EQ(archive.Categories().IndexOf("Sound"), -1);
}

TEST_F(ArchiveTest, NewestStampIsTheGreatestOfTheLastLoad) {
    ASSERT_EQ(Load(Catalogue(
                  {Line(1).Set(18, "0005"), Line(2).Set(18, "0012"), Line(3).Set(18, "0009")})),
              LoadOk);
    EXPECT_EQ(archive.NewestStamp(), "0012");
    // Byte-wise: "9" is greater than "10".
    ASSERT_EQ(Load(Catalogue({Line(1).Set(18, "10"), Line(2).Set(18, "9")})), LoadOk);
    EXPECT_EQ(archive.NewestStamp(), "9");
    archive.Clear();
    EXPECT_EQ(archive.Count(), 0);
    EXPECT_EQ(archive.NewestStamp(), "9");
    EXPECT_EQ(archive.Categories().Count(), 1);
}

TEST_F(ArchiveTest, FindsRecordsByFileNameIgnoringCase) {
    ASSERT_EQ(Load(Catalogue({
                  Line(1).Set(6, "tools/xa.rar"),
                  Line(2).Set(6, "tools/a.rar"),
                  Line(3).Set(6, Cp("http://mirror/Файл.ZIP")),
                  Line(4).Set(6, "other/a.rar"),
              })),
              LoadOk);
    struct Case {
        std::string name;
        int id; // 0: nothing
    };
    const Case cases[] = {
        {"a.rar", 1}, // a plain suffix test: xa.rar ends with a.rar
        {"A.RAR", 1},        {"/a.rar", 2}, {Cp("файл.zip"), 3},
        {Cp("ФАЙЛ.zip"), 3}, {"b.rar", 0},  {"", 0},
    };
    for (const auto& c : cases) {
        const TCobwenData* found = archive.FindByFileName(c.name);
        EXPECT_EQ(found ? found->Id : 0, c.id) << c.name;
    }
}

TEST_F(ArchiveTest, CatalogueDateIsTheFileTime) {
    ASSERT_EQ(Load(Catalogue({Line(1)})), LoadOk);
    const double fileTime = FileAge(folder.File("plugins.dat.gz"));
    ASSERT_NE(fileTime, 0);
    EXPECT_EQ(archive.CatalogueDate(), fileTime);
    EXPECT_NEAR(fileTime, Now(), 1.0 / 24); // written a moment ago (both local times)
}

TEST_F(ArchiveTest, KeepsAtMostTheCountsWidth) {
    std::string text;
    const int lines = TCobwenArchive::MaxCount + 2;
    text.reserve(static_cast<std::size_t>(lines) * 64);
    const std::string rest = std::string(18, '\x14');
    for (int i = 0; i < lines; ++i) {
        text += std::to_string(i) + rest + "\n";
    }
    EXPECT_EQ(Load(text), LoadSkippedLines);
    EXPECT_EQ(archive.Count(), TCobwenArchive::MaxCount);
    EXPECT_EQ(archive.LineCount(), lines);
    EXPECT_EQ(archive.GetItem(TCobwenArchive::MaxCount - 1)->Id, TCobwenArchive::MaxCount - 1);
}

} // namespace
} // namespace cobwen
