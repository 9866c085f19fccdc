#include "plugins/services/core/PathInterpretation.h"

#include "plugins/services/tests/core/TestText.h"

#include <gtest/gtest.h>

namespace sentrel::test {

namespace {

using K = FolderKind;

struct Case {
    int layout;
    K current;
    std::string path;
    K expected;
    std::optional<std::string> computer = std::nullopt;
};

PathContext Context(int layout, K current, const std::string& services = "Services",
                    const std::string& devices = "Devices") {
    return PathContext{layout, current, services, devices};
}

} // namespace

TEST(PathInterpretation, FolderNamesAndDotsFollowTheLayout) {
    const Case cases[] = {
        // Layout 0: the root holds both folders.
        {0, K::Root, "Services", K::Services},
        {0, K::Root, "Devices", K::Devices},
        {0, K::Root, "Dev", K::Devices},
        {0, K::Root, "se", K::Services},
        {0, K::Root, "ServicesX", K::Root},
        {0, K::Root, "", K::Root},
        {0, K::Services, "..", K::Root},
        {0, K::Devices, "..", K::Root},
        {0, K::Root, "..", K::Root},
        {0, K::Services, "Devices", K::Services},
        {0, K::Services, "..\\Devices", K::Devices},
        {0, K::Services, "../Devices", K::Devices},
        {0, K::Services, "\\Devices", K::Devices},
        {0, K::Devices, "\\", K::Root},
        {0, K::Root, "Services\\..\\Devices", K::Devices},
        // A component that names nothing stops; the folder reached stays.
        {0, K::Root, "Services\\Nothing\\..", K::Services},
        {0, K::Root, "  Services", K::Services},
        // Layout 1: services at the top, devices inside.
        {1, K::Services, "..", K::Services},
        {1, K::Services, "Devices", K::Devices},
        {1, K::Devices, "..", K::Services},
        {1, K::Devices, "\\", K::Services},
        {1, K::Services, "Services", K::Services},
        // Layout 2: devices at the top, services inside.
        {2, K::Devices, "Services", K::Services},
        {2, K::Services, "..", K::Devices},
        {2, K::Devices, "Devices", K::Devices},
        {2, K::Services, "\\Services", K::Services},
        // Computers.
        {0, K::Root, "\\\\PC1\\Services", K::Services, "PC1"},
        {0, K::Root, "//pc2/Dev", K::Devices, "pc2"},
        {0, K::Services, "\\\\PC1", K::Services, "PC1"},
        {0, K::Root, "\\\\\\Services", K::Services, ""},
        {0, K::Root, "\\\\ \tPC3\\", K::Root, "PC3"},
        {1, K::Devices, "\\\\PC4\\", K::Services, "PC4"},
        // Mixed delimiters are no computer.
        {0, K::Root, "\\/PC\\Services", K::Root},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "layout " << c.layout << " from "
                                        << static_cast<int>(c.current) << ": " << c.path);
        const PathResult result =
            InterpretPath(c.path, false, Context(c.layout, c.current), Text());
        EXPECT_FALSE(result.fileSystemPath);
        EXPECT_FALSE(result.computerTooLong);
        EXPECT_EQ(result.kind, c.expected);
        EXPECT_EQ(result.computer, c.computer);
    }
}

TEST(PathInterpretation, TranslatedNamesComeFirstThenTheEnglishOnes) {
    const std::string services = Oem("Службы");
    const std::string devices = Oem("Устройства");
    const Case cases[] = {
        {0, K::Root, Oem("Службы"), K::Services}, {0, K::Root, Oem("сл"), K::Services},
        {0, K::Root, Oem("УСТР"), K::Devices},    {0, K::Root, "serv", K::Services},
        {0, K::Root, "DEVICES", K::Devices},      {0, K::Root, Oem("Служба"), K::Root},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(
            InterpretPath(c.path, false, Context(0, c.current, services, devices), Text()).kind,
            c.expected);
    }
    // The first name is tried first: a leading part of both names enters the services folder.
    EXPECT_EQ(InterpretPath("S", false, Context(0, K::Root, "Stuff", "Storage"), Text()).kind,
              K::Services);
}

TEST(PathInterpretation, AColonHandsThePathToTheHostUnlessFinding) {
    const PathResult handed = InterpretPath("C:\\Windows", false, Context(0, K::Root), Text());
    EXPECT_TRUE(handed.fileSystemPath);
    const PathResult found = InterpretPath("Services:x", true, Context(0, K::Root), Text());
    EXPECT_FALSE(found.fileSystemPath);
    EXPECT_EQ(found.kind, K::Root);
}

TEST(PathInterpretation, LongComponentsAreCutAndLongComputerNamesRefused) {
    const std::string longName = "Services" + std::string(300, 'x');
    // Cut to 259 characters the component is still longer than the name: no match, no error.
    EXPECT_EQ(InterpretPath(longName, false, Context(0, K::Root), Text()).kind, K::Root);
    const std::string longLeading = std::string(300, 'x');
    EXPECT_EQ(InterpretPath("Services\\" + longLeading, false, Context(0, K::Root), Text()).kind,
              K::Services);

    const std::string name49(49, 'A');
    const PathResult fits =
        InterpretPath("\\\\" + name49 + "\\Services", false, Context(0, K::Root), Text());
    EXPECT_EQ(fits.computer, name49);
    EXPECT_EQ(fits.kind, K::Services);

    for (std::size_t length : {50u, 99u, 100u, 300u}) {
        SCOPED_TRACE(length);
        const std::string name(length, 'B');
        const PathResult refused =
            InterpretPath("\\\\" + name + "\\Services", false, Context(0, K::Root), Text());
        EXPECT_TRUE(refused.computerTooLong);
        EXPECT_FALSE(refused.computer.has_value());
        EXPECT_EQ(refused.kind, K::Root);
        EXPECT_EQ(refused.refusedComputer.substr(0, 50), name.substr(0, 50));
    }
}

TEST(PathInterpretation, TypedComputerNamesAreCleaned) {
    const std::pair<std::string, std::string> cases[] = {
        {"PC1", "PC1"},       {"  PC1  ", "PC1"},     {"\\\\PC1", "PC1"},
        {"//PC1", "PC1"},     {" \\\\  PC1 ", "PC1"}, {"", ""},
        {"   ", ""},          {"\\\\", ""},           {"\\PC1", "\\PC1"},
        {"\t\\\\PC\t", "PC"},
    };
    for (const auto& [typed, clean] : cases) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(CleanComputerName(typed), clean);
    }
}

} // namespace sentrel::test
