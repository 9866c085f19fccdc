// The dependency editor over the services of the Wine prefix, with the host's menus scripted.

#include "plugins/services/plugin/Dependencies.h"
#include "plugins/services/plugin/Folders.h"
#include "plugins/services/tests/win/PluginFixture.h"
#include "plugins/services/tests/win/TestService.h"

#include <windows.h>

namespace sentrel::test {

using ulvar::standin::MenuAnswer;
using ulvar::standin::MenuShown;

TEST_F(SentrelTest, TheDependencyEditorMovesDeletesAndAddsButNeverTheServiceItself) {
    const std::string name = "SentrelDeps" + std::to_string(GetCurrentProcessId()) + "x" +
                             std::to_string(GetTickCount64() % 1000000);
    TestService service(name, "Sentrel deps " + name, "");
    ASSERT_TRUE(service.Created());
    LoadLinked();
    Open();
    ASSERT_TRUE(Host().EnterFolder(Msg(5)));
    auto& folder =
        static_cast<ServiceFolder&>(static_cast<PanelInstance*>(Panel().Handle())->Folder());

    ui.QueueMenu(MenuAnswer{0, 2});  // Ctrl+Up on the top entry: nothing
    ui.QueueMenu(MenuAnswer{2, 1});  // Del on the last entry
    ui.QueueMenu(MenuAnswer{-1, 0}); // Ins
    std::vector<std::string> offered;
    ui.QueueMenu([&offered](const MenuShown& menu) {
        int pick = -1;
        for (std::size_t i = 0; i < menu.items.size(); ++i) {
            offered.emplace_back(menu.items[i].Text);
            if (offered.back().rfind("PlugPlay ", 0) == 0)
                pick = static_cast<int>(i);
        }
        return MenuAnswer{pick, -1};
    });
    ui.QueueMenu(MenuAnswer{0, 3});   // Ctrl+Down on the top entry
    ui.QueueMenu(MenuAnswer{-1, -1}); // Escape
    std::vector<std::string> entries = {"First", "+SomeGroup", "Last"};
    EditDependencies(folder, "Sentrel deps " + name, name, entries);

    EXPECT_EQ(entries, (std::vector<std::string>{"+SomeGroup", "First", "PlugPlay"}));
    ASSERT_EQ(ui.Menus().size(), 6u);
    const MenuShown& first = ui.Menus()[0].shown;
    EXPECT_EQ(first.title, "Dependencies of Sentrel deps " + name);
    EXPECT_EQ(first.helpTopic, "DepsM");
    ASSERT_EQ(first.items.size(), 3u);
    EXPECT_EQ(std::string(first.items[1].Text),
              Msg(198).substr(0, Msg(198).find("%1")) + "SomeGroup");
    EXPECT_EQ(first.bottom, "3 dependencies");
    EXPECT_EQ(std::string(ui.Menus()[1].shown.items[0].Text), "First"); // did not move
    const MenuShown& adding = ui.Menus()[3].shown;
    EXPECT_EQ(adding.title, Msg(202));
    EXPECT_EQ(adding.helpTopic, "NewDepM");
    EXPECT_FALSE(offered.empty());
    for (const std::string& line : offered) {
        EXPECT_NE(line.rfind(name + " ", 0), 0u) << "the service itself is offered";
        EXPECT_NE(line.rfind("First ", 0), 0u);
    }
    // after adding, the new entry is the current one
    const MenuShown& after = ui.Menus()[4].shown;
    ASSERT_EQ(after.items.size(), 3u);
    EXPECT_TRUE(after.items[2].Selected);
    EXPECT_EQ(ui.UnscriptedCount(), 0);
}

} // namespace sentrel::test
