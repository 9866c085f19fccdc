#include "browser/app/search/core/FindInFrame.h"

#include "browser/catalogue/core/Cp1251.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(FindInText, SummarisesTheSearchedFields) {
    const struct {
        std::uint8_t flags;
        const char* text; // UTF-8
    } cases[] = {
        {0, "ни в чем больше"},
        {kFindInDescription, "в описании"},
        {kFindInURL, "в URL"},
        {kFindInHomePage, "в URL"},
        {kFindInURL | kFindInHomePage, "в URL"},
        {kFindInEMail, "в e-mail"},
        {kFindInDescription | kFindInEMail, "в описании, в e-mail"},
        {kFindInDescription | kFindInURL, "в описании, в URL"},
        {kFindInURL | kFindInEMail, "в URL, в e-mail"},
        {kFindInMask, "в описании, в URL, в e-mail"},
        {0xF0, "ни в чем больше"}, // bits of no field
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cp1251ToUtf8(FindInText(c.flags)), c.text) << int(c.flags);
    }
}

TEST(FindInBoxes, CarryEachFlagInItsOwnBox) {
    const struct {
        std::uint8_t flags;
        FindInBoxes boxes;
    } cases[] = {
        {0, {}},
        {kFindInDescription, {true, false, false, false}},
        {kFindInURL, {false, true, false, false}},
        {kFindInHomePage, {false, false, true, false}},
        {kFindInEMail, {false, false, false, true}},
        {kFindInMask, {true, true, true, true}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BoxesFromFindIn(c.flags), c.boxes) << int(c.flags);
        EXPECT_EQ(FindInFromBoxes(c.boxes), c.flags) << int(c.flags);
    }
    EXPECT_EQ(BoxesFromFindIn(0xF0), FindInBoxes{});
}

TEST(FindInBoxes, OnlyTheHomePageBoxReadsInURL) {
    const FindInBoxes checked{false, false, true, false};
    const std::uint8_t stored = FindInFromBoxes(checked);
    EXPECT_EQ(BoxesFromFindIn(stored), checked);
    EXPECT_EQ(Cp1251ToUtf8(FindInText(stored)), "в URL");
}

} // namespace
} // namespace cobwen
