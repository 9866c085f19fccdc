// The download run against the local site: the question, the status texts, the basket shrinking,
// the archives compared byte for byte with the site's files and their descriptions read back.
#include "browser/app/main/tests/win/MainFormFixture.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/UrlHelpers.h"
#include "tools/testsupport/ScratchFolder.h"
#include "win32/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace cobwen {
namespace {

using test::MainFormTest;
using test::PumpWindow;
using Shown = test::ScriptedPrompter::Shown;

class MainFormDownloadTest : public MainFormTest {
protected:
    std::string SettingsKey() const { return registry_.ProgramKey() + "\\Settings"; }
    std::string DownFolder() const { return folder_.File("down"); }

    void Put(const std::string& name, const std::string& text) {
        ASSERT_TRUE(testsupport::SetString(SettingsKey(), name, text));
    }

    // The ids of the `count` smallest records served from the site's files folder, `inFolder`
    // choosing those whose archive lies in a sub-folder there, of at least `minimum` bytes.
    std::vector<std::int32_t> SmallRecords(std::size_t count, bool inFolder = false,
                                           std::int32_t minimum = 0) {
        TCobwenMainForm& probe = Open();
        std::vector<const TCobwenData*> records;
        const std::string files = probe.Archive().FilesURL();
        for (int n = 0; n < probe.Archive().Count(); ++n) {
            const TCobwenData* record = probe.Archive().GetItem(n);
            if (record->URL.rfind(files, 0) != 0)
                continue;
            const bool folder = record->URL.find('/', files.size()) != std::string::npos;
            if (folder == inFolder && record->Size >= minimum)
                records.push_back(record);
        }
        std::ranges::sort(records, {}, &TCobwenData::Size);
        std::vector<std::int32_t> ids;
        for (std::size_t n = 0; n < count && n < records.size(); ++n)
            ids.push_back(records[n]->Id);
        SendMessageW(probe.Window(), WM_CLOSE, 0, 0);
        return ids;
    }

    void PutBasket(const std::vector<std::int32_t>& ids) {
        std::string text;
        for (const std::int32_t id : ids)
            text += (text.empty() ? "" : ",") + std::to_string(id);
        Put("BasketContents", text);
    }

    const TCobwenData* ById(TCobwenMainForm& form, std::int32_t id) {
        for (int n = 0; n < form.Archive().Count(); ++n)
            if (form.Archive().GetItem(n)->Id == id)
                return form.Archive().GetItem(n);
        return nullptr;
    }

    // The site's file for a record and its name below the download folder.
    std::string SiteFile(TCobwenMainForm& form, const TCobwenData& record) {
        std::string path = record.URL.substr(form.Archive().FilesURL().size());
        std::ranges::replace(path, '/', '\\');
        return site_ + "\\downld\\files\\" + path;
    }

    // Runs the download with Yes to the question; collects the status texts and basket sizes seen.
    void RunDownload(TCobwenMainForm& form) {
        prompts_.Answer(Answer::Yes);
        form.RunCommand({Command::Download});
        ASSERT_TRUE(form.Downloading());
        ASSERT_TRUE(PumpWindow(
            form,
            [&] {
                statusTexts_.insert(form.Status().Text(2));
                basketSizes_.insert(form.BasketList().RowCount());
                return !form.Downloading();
            },
            60000));
    }

    std::string Descriptions() const {
        return testsupport::ReadBytes(DownFolder() + "\\Descript.ion");
    }

    std::set<std::wstring> statusTexts_;
    std::set<int> basketSizes_;
};

TEST_F(MainFormDownloadTest, ThreeBasketEntriesOneAtATimeAndThreeAtOnce) {
    PutOldCatalogue();
    // Of some kilobytes: from the slow site each takes long enough for its status to be seen.
    const std::vector<std::int32_t> ids = SmallRecords(3, false, 4000);
    ASSERT_EQ(ids.size(), 3u);
    for (const int atOnce : {1, 3}) {
        SCOPED_TRACE(atOnce);
        statusTexts_.clear();
        basketSizes_.clear();
        testsupport::DeleteTree(DownFolder());
        ASSERT_TRUE(
            testsupport::SetDword(SettingsKey(), "MaxDownloadCount", static_cast<DWORD>(atOnce)));
        Put("DownloadFolder", DownFolder());
        PutBasket(ids);
        TCobwenMainForm& form = Open("/slow");
        ASSERT_EQ(form.BasketList().RowCount(), 3);
        RunDownload(form);
        const std::wstring question = prompts_.Last(Shown::Question);
        EXPECT_NE(question.find(L"Количество выбранных файлов - 3."), std::wstring::npos);

        if (atOnce == 1) {
            for (const std::int32_t id : ids) {
                const std::wstring text = L"Загрузка файла " +
                                          win32::ToWide(ById(form, id)->URL, BrowserCodePage) +
                                          L"...";
                EXPECT_TRUE(statusTexts_.contains(text)) << ById(form, id)->URL;
            }
        } else {
            EXPECT_TRUE(statusTexts_.contains(L"Загрузка файлов..."));
        }
        // The basket shrank as the archives arrived (seen one at a time) and is empty now.
        EXPECT_EQ(form.BasketList().RowCount(), 0);
        EXPECT_EQ(form.Settings().BasketIds.Count(), 0);
        if (atOnce == 1) {
            EXPECT_TRUE(basketSizes_.contains(2) && basketSizes_.contains(1));
        }
        const std::string descriptions = Descriptions();
        for (const std::int32_t id : ids) {
            const TCobwenData& record = *ById(form, id);
            const std::string name = UrlFileName(record.URL);
            EXPECT_EQ(testsupport::ReadBytes(DownFolder() + "\\" + name),
                      testsupport::ReadBytes(SiteFile(form, record)))
                << name;
            EXPECT_NE(descriptions.find(name + " "), std::string::npos) << name;
        }
        EXPECT_EQ(prompts_.Count(Shown::Error), 0u)
            << win32::FromWide(prompts_.Last(Shown::Error), BrowserCodePage);
        ExpectIdle(form);
        EXPECT_FALSE(form.Tools().Enabled(ToolButton::Download));
        // The scan after the run marks the three as downloaded.
        ASSERT_TRUE(PumpWindow(form, [&] { return !form.Scanning(); }));
        for (const std::int32_t id : ids)
            EXPECT_TRUE(form.DownloadedIds().Contains(id)) << id;
        SendMessageW(form.Window(), WM_CLOSE, 0, 0);
    }
}

TEST_F(MainFormDownloadTest, NothingChosenWarnsOrIsOff) {
    PutOldCatalogue();
    {
        // An empty basket: F7 is off and does nothing.
        TCobwenMainForm& form = Open();
        EXPECT_FALSE(form.Tools().Enabled(ToolButton::Download));
        form.RunCommand({Command::Download});
        EXPECT_FALSE(form.Downloading());
        EXPECT_EQ(prompts_.History().size(), 0u);
        SendMessageW(form.Window(), WM_CLOSE, 0, 0);
    }
    // Without the basket a focused row enables F7, but with no row selected there is nothing.
    Put("UseDownloadBasket", "0");
    TCobwenMainForm& form = Open();
    ASSERT_GT(form.CatalogueList().RowCount(), 0);
    ASSERT_TRUE(form.CatalogueList().Locate(form.CatalogueList().RowData(0), false));
    ASSERT_EQ(form.CatalogueList().SelectedCount(), 0);
    ASSERT_TRUE(form.Tools().Enabled(ToolButton::Download));
    form.RunCommand({Command::Download});
    EXPECT_FALSE(form.Downloading());
    EXPECT_EQ(prompts_.Last(Shown::Warning), L"Нет выбранных файлов для загрузки.");
    EXPECT_EQ(prompts_.Count(Shown::Question), 0u);
}

TEST_F(MainFormDownloadTest, DeclinedOverwriteKeepsTheFileAndStillDescribesIt) {
    PutOldCatalogue();
    const std::vector<std::int32_t> ids = SmallRecords(1);
    ASSERT_EQ(ids.size(), 1u);
    Put("OverwriteFiles", "0");
    Put("DownloadFolder", DownFolder());
    PutBasket(ids);
    TCobwenMainForm& form = Open();
    const std::string name = UrlFileName(ById(form, ids[0])->URL);
    ASSERT_TRUE(CreateDirectoryA(DownFolder().c_str(), nullptr));
    testsupport::WriteBytes(DownFolder() + "\\" + name, "kept");
    prompts_.Answer(Answer::Yes); // the run
    prompts_.Answer(Answer::No);  // the overwrite
    form.RunCommand({Command::Download});
    ASSERT_TRUE(PumpWindow(
        form, [&] { return !form.Downloading(); }, 30000));
    EXPECT_NE(prompts_.Last(Shown::Question).find(win32::ToWide(name, BrowserCodePage)),
              std::wstring::npos);
    EXPECT_EQ(testsupport::ReadBytes(DownFolder() + "\\" + name), "kept");
    EXPECT_EQ(form.BasketList().RowCount(), 0);
    EXPECT_NE(Descriptions().find(name + " "), std::string::npos);
}

TEST_F(MainFormDownloadTest, SaveDirectoryStructureKeepsTheSitesFolder) {
    PutOldCatalogue();
    const std::vector<std::int32_t> ids = SmallRecords(1, true);
    ASSERT_EQ(ids.size(), 1u);
    Put("SaveDirectoryStructure", "1");
    Put("DownloadFolder", DownFolder());
    PutBasket(ids);
    TCobwenMainForm& form = Open();
    const TCobwenData& record = *ById(form, ids[0]);
    std::string below = record.URL.substr(form.Archive().FilesURL().size());
    std::ranges::replace(below, '/', '\\');
    RunDownload(form);
    EXPECT_EQ(testsupport::ReadBytes(DownFolder() + "\\" + below),
              testsupport::ReadBytes(SiteFile(form, record)))
        << below;
    // The description lies in the download folder itself, with the bare file name.
    const std::string descriptions = Descriptions();
    EXPECT_EQ(descriptions.rfind(UrlFileName(record.URL) + " ", 0), 0u) << descriptions;
}

TEST_F(MainFormDownloadTest, WithoutTheBasketTheSelectedRowsAreFetched) {
    PutOldCatalogue();
    const std::vector<std::int32_t> ids = SmallRecords(2);
    ASSERT_EQ(ids.size(), 2u);
    Put("UseDownloadBasket", "0");
    Put("DownloadFolder", DownFolder());
    TCobwenMainForm& form = Open();
    RowList& list = form.CatalogueList();
    for (int position = 0; position < list.RowCount(); ++position) {
        if (form.Archive().GetItem(list.RowData(position))->Id == ids[0]) {
            ASSERT_TRUE(list.Locate(list.RowData(position), true));
        }
    }
    ASSERT_TRUE(form.Tools().Enabled(ToolButton::Download));
    RunDownload(form);
    EXPECT_NE(prompts_.Last(Shown::Question).find(L"Количество выбранных файлов - 1."),
              std::wstring::npos);
    const TCobwenData& record = *ById(form, ids[0]);
    EXPECT_EQ(testsupport::ReadBytes(DownFolder() + "\\" + UrlFileName(record.URL)),
              testsupport::ReadBytes(SiteFile(form, record)));
    // F7 works again at once: the row is still focused.
    EXPECT_TRUE(form.Tools().Enabled(ToolButton::Download));
}

TEST_F(MainFormDownloadTest, ScanOfTheProgramsFolderMarksDownloadedAndBasketsUpdated) {
    PutOldCatalogue();
    // Two archives of the old catalogue, in a sub-folder of the program's folder (no download
    // folder is set): one as the site has it, one of another size; and a file of no record.
    const std::vector<std::int32_t> ids = SmallRecords(2);
    ASSERT_EQ(ids.size(), 2u);
    Put("CheckUpdatedPlugins", "1");
    Put("BasketContents", "");
    std::string same, other;
    {
        TCobwenMainForm& probe = Open();
        same = SiteFile(probe, *ById(probe, ids[0]));
        other = UrlFileName(ById(probe, ids[1])->URL);
        ASSERT_TRUE(CreateDirectoryA(folder_.File("arc").c_str(), nullptr));
        testsupport::WriteBytes(folder_.File("arc") + "\\" + UrlFileName(ById(probe, ids[0])->URL),
                                testsupport::ReadBytes(same));
        testsupport::WriteBytes(folder_.File("arc") + "\\" + other, "short");
        testsupport::WriteBytes(folder_.File("nomatch_0.zip"), "x");
        SendMessageW(probe.Window(), WM_CLOSE, 0, 0);
    }
    TCobwenMainForm& form = Open();
    ASSERT_TRUE(PumpWindow(form, [&] { return !form.Scanning(); }));
    EXPECT_EQ(form.DownloadedIds().Items(), std::vector<std::int32_t>{ids[0]});
    // Its row is drawn in the downloaded colour.
    const RowList& list = form.CatalogueList();
    const COLORREF downloaded = form.Settings().View.ColorDownloaded & 0x80000000u
                                    ? GetSysColor(form.Settings().View.ColorDownloaded & 0xFF)
                                    : form.Settings().View.ColorDownloaded;
    for (int row = 0; row < list.RowCount(); ++row)
        if (form.Archive().GetItem(list.RowData(row))->Id == ids[0]) {
            EXPECT_EQ(form.CellColour(list.RowData(row), row, 0, false).Background, downloaded);
        }
    EXPECT_EQ(form.BasketList().RowCount(), 0);

    // A refresh lists the archive of another size: it lands in the basket.
    Refresh(form);
    ASSERT_TRUE(PumpWindow(form, [&] { return !form.Scanning(); }));
    EXPECT_TRUE(form.Settings().BasketIds.Contains(ids[1]));
    EXPECT_FALSE(form.Settings().BasketIds.Contains(ids[0]));
    EXPECT_EQ(form.BasketList().RowCount(), 1);
}

} // namespace
} // namespace cobwen
