#include "plugin-host/standin/win/PluginLibrary.h"
#include "plugin-host/tests/win/EchoCopy.h"

#include <gtest/gtest.h>

#include <utility>
#include <windows.h>

using namespace ulvar::standin;
using namespace testsupport;
using namespace ulvar::standin::test;

namespace {

TEST(PluginLibrary, FindsEveryEntryPointByName) {
    ScratchFolder folder;
    std::string const dll = CopyEchoPlugin(folder);
    PluginLibrary library(dll);
    ASSERT_TRUE(library.Loaded()) << library.Error();
    EXPECT_EQ(lstrcmpiA(library.Path().c_str(), dll.c_str()), 0);
    auto const& e = library.EntryPoints();
    const void* const found[] = {reinterpret_cast<const void*>(e.SetStartupInfo),
                                 reinterpret_cast<const void*>(e.GetPluginInfo),
                                 reinterpret_cast<const void*>(e.OpenPlugin),
                                 reinterpret_cast<const void*>(e.ClosePlugin),
                                 reinterpret_cast<const void*>(e.GetOpenPluginInfo),
                                 reinterpret_cast<const void*>(e.GetFindData),
                                 reinterpret_cast<const void*>(e.FreeFindData),
                                 reinterpret_cast<const void*>(e.SetDirectory),
                                 reinterpret_cast<const void*>(e.GetFiles),
                                 reinterpret_cast<const void*>(e.PutFiles),
                                 reinterpret_cast<const void*>(e.DeleteFiles),
                                 reinterpret_cast<const void*>(e.ProcessKey),
                                 reinterpret_cast<const void*>(e.ProcessEvent),
                                 reinterpret_cast<const void*>(e.Compare),
                                 reinterpret_cast<const void*>(e.Configure),
                                 reinterpret_cast<const void*>(e.ExitUlvar)};
    for (std::size_t i = 0; i < std::size(found); ++i)
        EXPECT_NE(found[i], nullptr) << "entry point " << i;
    EXPECT_EQ(reinterpret_cast<const void*>(e.OpenPlugin), library.Export("OpenPlugin"));
    EXPECT_NE(library.Export("EchoObserved"), nullptr);
    EXPECT_EQ(library.Export("NoSuchExport"), nullptr);
}

TEST(PluginLibrary, MovingKeepsOneOwnerAndDestroyingUnloads) {
    ScratchFolder folder;
    std::string const dll = CopyEchoPlugin(folder);
    {
        PluginLibrary first(dll);
        PluginLibrary second(std::move(first));
        EXPECT_FALSE(first.Loaded());
        EXPECT_EQ(first.EntryPoints().OpenPlugin, nullptr);
        ASSERT_TRUE(second.Loaded());
        PluginLibrary third;
        third = std::move(second);
        EXPECT_NE(GetModuleHandleA(dll.c_str()), nullptr);
        EXPECT_NE(third.EntryPoints().OpenPlugin, nullptr);
    }
    EXPECT_EQ(GetModuleHandleA(dll.c_str()), nullptr);
}

TEST(PluginLibrary, MissingLibraryTellsWhy) {
    ScratchFolder folder;
    PluginLibrary library(folder.File("absent.dll"));
    EXPECT_FALSE(library.Loaded());
    EXPECT_FALSE(library.Error().empty());
    EXPECT_EQ(library.EntryPoints().SetStartupInfo, nullptr);
    EXPECT_EQ(library.Export("OpenPlugin"), nullptr);
}

} // namespace
