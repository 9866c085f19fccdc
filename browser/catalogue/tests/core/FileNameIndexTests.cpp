#include "browser/catalogue/core/FileNameIndex.h"

#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/TextLocale.h"

#include <gtest/gtest.h>

#include <random>

namespace cobwen {
namespace {

const std::vector<std::string> Urls = {
    "http://site/downld/files/xa.rar",      "http://site/downld/files/tools/a.rar",
    "http://mirror/\xf4\xe0\xe9\xeb.zip", // "файл.zip" in code page 1251
    "http://site/downld/files/other/a.rar", "http://site/downld/files/xa.rar",
    "http://site/downld/files/arc.7z",      "",
};

TEST(FileNameIndex, AnswersWhatTheWalkOverEveryUrlAnswers) {
    const FileNameIndex index(Urls);
    struct Case {
        std::string name;
        int position;
    };
    const Case cases[] = {
        {"xa.rar", 0},
        {"a.rar", 0},  // the tail of a URL's last part: xa.rar ends with a.rar too
        {"/a.rar", 1}, // two URLs end with it: the first in catalogue order
        {"tools/a.rar", 1},
        {"\xf4\xe0\xe9\xeb.zip", 2},
        {"\xe0\xe9\xeb.zip", 2},
        {"7z", 5},
        {"r", 0},
        {"http://site/downld/files/arc.7z", 5},   // the whole URL
        {"xhttp://site/downld/files/arc.7z", -1}, // longer than any URL ending with it
        {std::string(300, 'a'), -1},
        {"b.rar", -1},
        {"A.RAR", -1}, // the index compares as given; the archive lowers both sides
        {"", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(index.Find(c.name), c.position) << c.name;
        EXPECT_EQ(FileNameIndex::FindByWalk(Urls, c.name), c.position) << c.name;
    }
    EXPECT_EQ(FileNameIndex().Find("a.rar"), -1);
}

TEST(FileNameIndex, AgreesWithTheWalkOnRandomCatalogues) {
    std::mt19937 random(2004);
    const std::string alphabet = "ab./z\xe0";
    auto text = [&](std::size_t length) {
        std::string result;
        for (std::size_t i = 0; i < length; ++i)
            result += alphabet[random() % alphabet.size()];
        return result;
    };
    for (int round = 0; round < 40; ++round) {
        std::vector<std::string> urls;
        const std::size_t count = 1 + random() % 300;
        for (std::size_t i = 0; i < count; ++i)
            urls.push_back(i > 0 && random() % 5 == 0 ? urls[random() % i] : text(random() % 12));
        const FileNameIndex index(urls);
        for (int query = 0; query < 300; ++query) {
            std::string name;
            if (query % 2 == 0) {
                const std::string& url = urls[random() % urls.size()];
                name = url.substr(url.size() - std::min<std::size_t>(url.size(), random() % 14));
            } else {
                name = text(random() % 6);
            }
            ASSERT_EQ(index.Find(name), FileNameIndex::FindByWalk(urls, name))
                << "round " << round << ", name \"" << name << "\"";
        }
    }
}

TEST(FileNameIndex, TheArchiveFindsByIndexWhatItFindsByWalkIgnoringCase) {
    const BuiltinRussianLocale locale;
    TCobwenArchive archive(locale);
    std::mt19937 random(65535);
    const char* const parts[] = {
        "Tools/", "ARC", "arc", "\xc0\xf0\xf5\xe8\xe2", "\xe0\xf0\xf5", ".zip", ".ZIP", "-1", "x"};
    std::string catalogue;
    for (int id = 1; id <= 2000; ++id) {
        std::string url;
        for (int k = 0; k < 4; ++k)
            url += parts[random() % std::size(parts)];
        std::string line = std::to_string(id) + std::string(6, '\x14') + url;
        line += std::string(12, '\x14') + "\r\n";
        catalogue += line;
    }
    ASSERT_EQ(archive.LoadFromText(catalogue), LoadOk);
    for (int query = 0; query < 3000; ++query) {
        std::string name;
        for (int k = 0, n = 1 + static_cast<int>(random() % 3); k < n; ++k)
            name += parts[random() % std::size(parts)];
        const TCobwenData* indexed = archive.FindByFileName(name);
        const TCobwenData* walked = archive.FindByFileNameWalk(name);
        ASSERT_EQ(indexed ? indexed->Id : 0, walked ? walked->Id : 0) << Cp1251ToUtf8(name);
    }
}

} // namespace
} // namespace cobwen
