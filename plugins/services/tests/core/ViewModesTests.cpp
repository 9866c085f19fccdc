#include "plugins/services/core/ViewModes.h"

#include "plugins/services/core/Messages.h"
#include "plugins/services/tests/core/ServiceFixtures.h"

#include <gtest/gtest.h>

namespace sentrel::test {

namespace {

ViewModes Build(const std::string& types, const std::string& widths, bool descriptions = true,
                const std::string& fullScreen = "", bool drivers = false) {
    return BuildViewModes({fullScreen, types, widths}, descriptions, drivers, NumberedMessage);
}

std::vector<std::string> Titles(const ViewModes& modes, int mode) {
    std::vector<std::string> titles;
    for (const char* title : modes.TitlePointers(mode))
        titles.emplace_back(title);
    return titles;
}

} // namespace

TEST(ViewModes, ModesAreSplitAtBlanksAndTabs) {
    const ViewModes modes = Build("N,C0  N,C1\tC2,C0,N N", "0,8 0,10\t12,8,0 0");
    EXPECT_EQ(modes.types[0], "N,C0");
    EXPECT_EQ(modes.types[1], "N,C1");
    EXPECT_EQ(modes.widths[1], "0,10");
    EXPECT_EQ(modes.types[3], "N");
    EXPECT_EQ(modes.types[4], "");
    EXPECT_EQ(modes.widths[9], "");
    EXPECT_EQ(Titles(modes, 0), (std::vector<std::string>{"m9", "m7"}));
    EXPECT_TRUE(Titles(modes, 4).empty());
}

TEST(ViewModes, ABarChoosesByDescriptionSupport) {
    const ViewModes with = Build("N,C0,C1|N,C0,Z", "0,8,10|0,8,30", true);
    EXPECT_EQ(with.types[0], "N,C0,Z");
    EXPECT_EQ(with.widths[0], "0,8,30");
    EXPECT_EQ(Titles(with, 0), (std::vector<std::string>{"m9", "m7", "m15"}));
    const ViewModes without = Build("N,C0,C1|N,C0,Z", "0,8,10|0,8,30", false);
    EXPECT_EQ(without.types[0], "N,C0,C1");
    EXPECT_EQ(without.widths[0], "0,8,10");
    EXPECT_EQ(Titles(without, 0), (std::vector<std::string>{"m9", "m7", "m8"}));
}

TEST(ViewModes, DisplayNameBeforeTheNameSwapsTheMode) {
    struct Case {
        std::string types, expected;
        bool swapped;
    };
    const Case cases[] = {
        {"C2,C0,N", "N,C0,C2", true},
        {"NM,C2", "NM,C2", false},
        {"C2,C0", "N,C0", true},
        {"C2,NR,C1", "NR,C2,C1", true},
        // The last occurrence counts.
        {"N,C2,N", "N,N,C2", true},
        {"C2,N,C2", "C2,N,C2", false},
        {"C0,C1", "C0,C1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.types);
        const ViewModes modes = Build(c.types, "0");
        EXPECT_EQ(modes.types[0], c.expected);
        EXPECT_EQ(modes.swapped[0], c.swapped);
        EXPECT_EQ(IsSwappedColumns(c.types), c.swapped);
    }
    // Each column keeps the title of the text it shows.
    EXPECT_EQ(Titles(Build("C2,C0,N", "0"), 0), (std::vector<std::string>{"m10", "m7", "m9"}));
}

TEST(ViewModes, TitlesOfEveryColumnType) {
    const ViewModes services = Build("C0,C1,C2,C3,C4,D,L,N,O,Z,X", "0");
    EXPECT_EQ(Titles(services, 0), (std::vector<std::string>{"m7", "m8", "m10", "m16", "m17", "m14",
                                                             "m13", "m9", "m11", "m15", "???"}));
    const ViewModes drivers = Build("O", "0", true, "", true);
    EXPECT_EQ(Titles(drivers, 0), (std::vector<std::string>{"m12"}));
}

TEST(ViewModes, FullScreenModesAndTheTitleLimit) {
    const ViewModes modes = Build("N N N N N N N N N N", "0", true, "3, 7,x,12,9");
    const std::array<bool, 10> expected = {false, false, false, true,  false,
                                           false, false, true,  false, true};
    EXPECT_EQ(modes.fullScreen, expected);

    std::string many;
    for (int i = 0; i < 60; ++i)
        many += i ? ",C0" : "C0";
    const ViewModes full = Build(many + " " + many, "0 0");
    EXPECT_EQ(full.titleCount[0], 60u);
    // The second mode would pass the limit: it gets no titles of its own rather than a cut list.
    EXPECT_EQ(full.titleCount[1], 0u);
    EXPECT_LE(full.titles.size(), MaxColumnTitles);
}

} // namespace sentrel::test
