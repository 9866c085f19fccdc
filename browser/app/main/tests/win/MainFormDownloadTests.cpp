// The download run against the local site: the question, the status texts, the basket shrinking,
// the archives compared byte for byte with the site's files and their descriptions read back; rows
// dragged between the lists, before and during a run.
#include "browser/app/main/tests/win/MainFormFixture.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/UrlHelpers.h"
#include "tools/testsupport/ScratchFolder.h"
#include "tools/testsupport/win/Input.h"
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

// Rows dragged with the mouse between the lists, as a user drags them.
class MainFormDragTest : public MainFormDownloadTest {
protected:
    TCobwenMainForm& OpenInFront(const std::string& path) {
        TCobwenMainForm& form = Open(path);
        testsupport::BringToFront(form.Window());
        PumpWindow(
            form, [&] { return GetForegroundWindow() == form.Window(); }, 2000);
        return form;
    }

    static int PositionOf(RowList& list, int data) {
        for (int position = 0; position < list.RowCount(); ++position)
            if (list.RowData(position) == data)
                return position;
        return -1;
    }

    static int RecordOf(TCobwenMainForm& form, std::int32_t id) {
        for (int n = 0; n < form.Archive().Count(); ++n)
            if (form.Archive().GetItem(n)->Id == id)
                return n;
        return -1;
    }

    // A point on the row's first line, on the screen.
    static POINT OnRow(RowList& list, int position) {
        const RECT row = list.RowRect(position);
        POINT point{row.left + 30, row.top + 6};
        ClientToScreen(list.Window(), &point);
        return point;
    }

    // The middle of the list's rows, on the screen.
    static POINT InsideOf(RowList& list) {
        RECT client{};
        GetClientRect(list.Window(), &client);
        POINT point{client.right / 2, client.bottom / 2 + 10};
        ClientToScreen(list.Window(), &point);
        return point;
    }

    void Drag(TCobwenMainForm& form, POINT from, POINT to) {
        ASSERT_TRUE(testsupport::DragFromTo(from, to, [&] {
            PumpWindow(
                form, [] { return false; }, 40);
        }));
        PumpWindow(
            form, [] { return false; }, 150);
    }

    std::vector<std::int32_t> BasketIds(TCobwenMainForm& form) {
        std::vector<std::int32_t> ids;
        for (int n = 0; n < form.Settings().BasketIds.Count(); ++n)
            ids.push_back(form.Settings().BasketIds[n]);
        std::ranges::sort(ids);
        return ids;
    }
};

TEST_F(MainFormDragTest, RowsMoveBetweenTheListsAndTheSelectionGoesWhole) {
    PutOldCatalogue();
    const std::vector<std::int32_t> ids = SmallRecords(2);
    ASSERT_EQ(ids.size(), 2u);
    Put("DownloadFolder", DownFolder());
    TCobwenMainForm& form = OpenInFront("");
    RowList& catalogue = form.CatalogueList();
    RowList& basket = form.BasketList();
    ASSERT_EQ(basket.RowCount(), 0);

    // Two selected rows dragged from the second of them: both go into the basket.
    ASSERT_TRUE(catalogue.Locate(RecordOf(form, ids[0]), true));
    const int first = catalogue.FocusedPosition();
    ASSERT_GE(first, 0);
    ASSERT_LT(first + 1, catalogue.RowCount());
    SetFocus(catalogue.Window());
    ASSERT_TRUE(testsupport::PressKeys({VK_SHIFT, VK_DOWN}));
    ASSERT_TRUE(PumpWindow(
        form, [&] { return catalogue.SelectedCount() == 2; }, 3000));
    const std::vector<int> dragged = catalogue.SelectedData();
    Drag(form, OnRow(catalogue, first + 1), InsideOf(basket));
    ASSERT_EQ(basket.RowCount(), 2);
    std::vector<std::int32_t> expected{form.Archive().GetItem(dragged[0])->Id,
                                       form.Archive().GetItem(dragged[1])->Id};
    std::ranges::sort(expected);
    EXPECT_EQ(BasketIds(form), expected);
    EXPECT_TRUE(form.Tools().Enabled(ToolButton::Download));

    // Rows dropped on their own list change nothing.
    Drag(form, OnRow(catalogue, first), InsideOf(catalogue));
    EXPECT_EQ(basket.RowCount(), 2);

    // A basket row dropped on the catalogue leaves the basket; the catalogue keeps its rows.
    const int rows = catalogue.RowCount();
    const int leaving = basket.RowData(0);
    Drag(form, OnRow(basket, 0), InsideOf(catalogue));
    ASSERT_EQ(basket.RowCount(), 1);
    EXPECT_NE(basket.RowData(0), leaving);
    EXPECT_EQ(catalogue.RowCount(), rows);
    EXPECT_FALSE(form.Settings().BasketIds.Contains(form.Archive().GetItem(leaving)->Id));
}

TEST_F(MainFormDragTest, DraggingWorksDuringARunAndTheRunGoesOn) {
    PutOldCatalogue();
    // Of 20 KB and more: from the slow site (1 KB in 100 ms) the first archive takes two seconds
    // at least, so that both drags end before a row leaves the basket under the mouse.
    const std::vector<std::int32_t> ids = SmallRecords(4, false, 20000);
    ASSERT_EQ(ids.size(), 4u);
    ASSERT_TRUE(testsupport::SetDword(SettingsKey(), "MaxDownloadCount", 1));
    Put("DownloadFolder", DownFolder());
    PutBasket({ids[0], ids[1], ids[2]});
    TCobwenMainForm& form = OpenInFront("/slow");
    RowList& catalogue = form.CatalogueList();
    RowList& basket = form.BasketList();
    ASSERT_EQ(basket.RowCount(), 3);

    // The run fetches the basket in its list's order: the last row comes last.
    const int lastOfRun = basket.RowData(basket.RowCount() - 1);
    prompts_.Answer(Answer::Yes);
    form.RunCommand({Command::Download});
    ASSERT_TRUE(form.Downloading());
    // Ins does nothing during a run, a drop onto the basket still adds.
    ASSERT_TRUE(catalogue.Locate(RecordOf(form, ids[3]), true));
    Drag(form, OnRow(catalogue, catalogue.FocusedPosition()), InsideOf(basket));
    ASSERT_TRUE(form.Downloading()) << "the run ended before the drop; the test proves nothing";
    EXPECT_TRUE(form.Settings().BasketIds.Contains(ids[3]));
    // The run's last entry leaves the basket before its archive arrives.
    const int last = PositionOf(basket, lastOfRun);
    ASSERT_GE(last, 0);
    Drag(form, OnRow(basket, last), InsideOf(catalogue));
    ASSERT_TRUE(form.Downloading());
    EXPECT_FALSE(form.Settings().BasketIds.Contains(form.Archive().GetItem(lastOfRun)->Id));

    ASSERT_TRUE(PumpWindow(
        form, [&] { return !form.Downloading(); }, 90000));
    // Every archive of the run arrived; the entry added during it waits in the basket.
    for (const std::int32_t id : {ids[0], ids[1], ids[2]}) {
        const TCobwenData& record = *ById(form, id);
        EXPECT_EQ(testsupport::ReadBytes(DownFolder() + "\\" + UrlFileName(record.URL)),
                  testsupport::ReadBytes(SiteFile(form, record)))
            << record.URL;
    }
    EXPECT_EQ(BasketIds(form), std::vector<std::int32_t>{ids[3]});
    EXPECT_EQ(prompts_.Count(Shown::Error), 0u)
        << win32::FromWide(prompts_.Last(Shown::Error), BrowserCodePage);
}

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

TEST_F(MainFormDownloadTest, SaveDirectoryStructureWithTwoFoldersOfTheSite) {
    const std::string deep = test::Environment("COBWEN_TEST_DEEP_CATALOGUE");
    if (deep.empty())
        GTEST_SKIP() << "needs the catalogue with an archive two folders deep of run_with_site.py";
    ASSERT_TRUE(CopyFileA(deep.c_str(), folder_.File("plugins.dat.gz").c_str(), FALSE));
    Put("SaveDirectoryStructure", "1");
    Put("DownloadFolder", DownFolder());
    TCobwenMainForm& probe = Open();
    const std::string files = probe.Archive().FilesURL();
    std::int32_t id = -1;
    for (int n = 0; n < probe.Archive().Count() && id < 0; ++n) {
        const std::string& url = probe.Archive().GetItem(n)->URL;
        if (url.rfind(files, 0) == 0 &&
            std::count(url.begin() + static_cast<std::ptrdiff_t>(files.size()), url.end(), '/') ==
                2)
            id = probe.Archive().GetItem(n)->Id;
    }
    SendMessageW(probe.Window(), WM_CLOSE, 0, 0);
    ASSERT_GE(id, 0) << "no record two folders below " << files;
    PutBasket({id});
    TCobwenMainForm& form = Open();
    const TCobwenData& record = *ById(form, id);
    std::string below = record.URL.substr(files.size());
    std::ranges::replace(below, '/', '\\');
    RunDownload(form);
    EXPECT_EQ(prompts_.Count(Shown::Error), 0u)
        << win32::FromWide(prompts_.Last(Shown::Error), BrowserCodePage);
    EXPECT_EQ(testsupport::ReadBytes(DownFolder() + "\\" + below),
              testsupport::ReadBytes(SiteFile(form, record)))
        << below;
    EXPECT_FALSE(testsupport::FileExists(DownFolder() + "\\" + UrlFileName(record.URL)));
    EXPECT_EQ(Descriptions().rfind(UrlFileName(record.URL) + " ", 0), 0u) << Descriptions();
    EXPECT_EQ(form.BasketList().RowCount(), 0);
}

// On a Western system (ANSI code page 1252) the catalogue's Cyrillic still reaches the description
// line as the console's code page spells the letters, and the text file as the ANSI code page
// does, never as the 1251 bytes taken for Western letters.
TEST_F(MainFormDownloadTest, DescriptionsOfCyrillicTextOutsideTheAnsiCodePage) {
    if (GetACP() == 1251)
        GTEST_SKIP() << "shows only under an ANSI code page other than 1251";
    PutOldCatalogue();
    Put("CreateTextDescriptFile", "1");
    Put("DescriptIonFormat", "%Category");
    Put("DownloadFolder", DownFolder());
    std::int32_t id = -1;
    {
        TCobwenMainForm& probe = Open();
        const std::string files = probe.Archive().FilesURL();
        for (int n = 0; n < probe.Archive().Count() && id < 0; ++n) {
            const TCobwenData& record = *probe.Archive().GetItem(n);
            const bool cyrillic = std::ranges::any_of(
                record.Category, [](char c) { return static_cast<unsigned char>(c) >= 0xC0; });
            if (cyrillic && record.URL.rfind(files, 0) == 0 &&
                record.URL.find('/', files.size()) == std::string::npos)
                id = record.Id;
        }
        SendMessageW(probe.Window(), WM_CLOSE, 0, 0);
    }
    ASSERT_GE(id, 0) << "no record with a Cyrillic category";
    PutBasket({id});
    TCobwenMainForm& form = Open();
    const TCobwenData& record = *ById(form, id);
    RunDownload(form);
    EXPECT_EQ(prompts_.Count(Shown::Error), 0u);
    const std::string name = UrlFileName(record.URL);
    const std::wstring category = win32::ToWide(record.Category, BrowserCodePage);
    EXPECT_EQ(Descriptions(), name + " " + win32::FromWide(category, win32::OemCodePage));
    EXPECT_EQ(testsupport::ReadBytes(DownFolder() + "\\" + name + ".txt"),
              win32::FromWide(category, win32::AnsiCodePage));
}

// Every archive of this site answers 404: the first transfer of two fails, the question whether
// to go on comes with its error, and No ends the run before the second transfer.
TEST_F(MainFormDownloadTest, AFailingFirstTransferAnsweredNoEndsTheRunAndKeepsTheBasket) {
    PutOldCatalogue();
    const std::vector<std::int32_t> ids = SmallRecords(2);
    ASSERT_EQ(ids.size(), 2u);
    Put("DownloadFolder", DownFolder());
    PutBasket(ids);
    TCobwenMainForm& form = Open("/missing");
    ASSERT_EQ(form.BasketList().RowCount(), 2);
    prompts_.Answer(Answer::Yes); // the run
    prompts_.Answer(Answer::No);  // go on with the next files?
    form.RunCommand({Command::Download});
    ASSERT_TRUE(form.Downloading());
    ASSERT_TRUE(PumpWindow(
        form, [&] { return !form.Downloading(); }, 30000));
    ASSERT_EQ(prompts_.Count(Shown::Question), 2u);
    const std::wstring goOn = prompts_.Last(Shown::Question);
    EXPECT_NE(goOn.find(L"\r\rПродолжать загрузку следующих файлов ?"), std::wstring::npos)
        << win32::FromWide(goOn, BrowserCodePage);
    EXPECT_GT(goOn.find(L"\r\r"), 0u) << "the worker's error comes first";
    EXPECT_EQ(prompts_.Count(Shown::Error), 0u) << "the second transfer never ran";
    // Nothing arrived, nothing is described, both stay in the basket; the window is idle.
    for (const std::int32_t id : ids)
        EXPECT_FALSE(
            testsupport::FileExists(DownFolder() + "\\" + UrlFileName(ById(form, id)->URL)));
    EXPECT_FALSE(testsupport::FileExists(DownFolder() + "\\Descript.ion"));
    EXPECT_EQ(form.BasketList().RowCount(), 2);
    EXPECT_EQ(form.Settings().BasketIds.Count(), 2);
    ExpectIdle(form);
    EXPECT_TRUE(form.Tools().Enabled(ToolButton::Download));

    // The next run starts afresh: the first failure asks again, Yes goes on, and the second
    // failure, the last transfer, is told alone.
    prompts_.Answer(Answer::Yes);
    prompts_.Answer(Answer::Yes);
    form.RunCommand({Command::Download});
    ASSERT_TRUE(form.Downloading());
    ASSERT_TRUE(PumpWindow(
        form, [&] { return !form.Downloading(); }, 30000));
    EXPECT_EQ(prompts_.Count(Shown::Question), 4u);
    EXPECT_EQ(prompts_.Count(Shown::Error), 1u);
    EXPECT_EQ(form.BasketList().RowCount(), 2);
    ExpectIdle(form);
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

// A download folder of tens of thousands of files: the scan started with the window is ended
// by a refresh's new catalogue, the scan after it finds everything, and closing the window during
// a scan ends it before it has walked the tree, with nothing delivered afterwards.
TEST_F(MainFormDownloadTest, ScansOfALargeTreeEndForTheRefreshAndForTheClosingWindow) {
    const std::string tree = test::Environment("COBWEN_TEST_LARGE_TREE");
    if (tree.empty())
        GTEST_SKIP() << "needs the large download folder of run_with_site.py";
    // The site's own catalogue: the refresh brings the same one again.
    ASSERT_TRUE(CopyFileA(SiteCatalogue().c_str(), folder_.File("plugins.dat.gz").c_str(), FALSE));
    Put("DownloadFolder", tree);
    Put("CheckUpdatedPlugins", "0");

    // The whole walk, for reference.
    TCobwenMainForm& whole = Open();
    ULONGLONG const started = GetTickCount64();
    ASSERT_TRUE(whole.Scanning());
    ASSERT_TRUE(PumpWindow(
        whole, [&] { return !whole.Scanning(); }, 120000));
    ULONGLONG const walk = GetTickCount64() - started;
    const std::vector<std::int32_t> found = whole.DownloadedIds().Items();
    ASSERT_FALSE(found.empty()) << "the tree holds archives of the catalogue";
    // Closing costs its own time (the settings are saved); a scan adds at most a few entries.
    ULONGLONG const idleStarted = GetTickCount64();
    SendMessageW(whole.Window(), WM_CLOSE, 0, 0);
    ULONGLONG const idleClose = GetTickCount64() - idleStarted;

    // A refresh while the first scan walks: the scan ends before the catalogue is replaced, and
    // the one after the refresh finds the same archives.
    TCobwenMainForm& form = Open();
    ASSERT_TRUE(form.Scanning());
    Refresh(form);
    EXPECT_EQ(prompts_.Count(Shown::Error), 0u)
        << win32::FromWide(prompts_.Last(Shown::Error), BrowserCodePage);
    ASSERT_TRUE(PumpWindow(
        form, [&] { return !form.Scanning(); }, 120000));
    EXPECT_EQ(form.DownloadedIds().Items(), found);
    SendMessageW(form.Window(), WM_CLOSE, 0, 0);

    // Closing at once: the scan ends after its current entry, and its finds never arrive.
    TCobwenMainForm& closing = Open();
    ASSERT_TRUE(closing.Scanning());
    ULONGLONG const closeStarted = GetTickCount64();
    SendMessageW(closing.Window(), WM_CLOSE, 0, 0);
    ULONGLONG const closed = GetTickCount64() - closeStarted;
    EXPECT_FALSE(closing.Scanning());
    EXPECT_LT(closed, idleClose + walk / 2) << "a walk of the whole tree took " << walk
                                            << " ms, closing without a scan " << idleClose << " ms";
    PumpWindow(
        closing, [] { return false; }, 300);
    EXPECT_EQ(closing.DownloadedIds().Count(), 0);
}

} // namespace
} // namespace cobwen
