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
        {FindInDescription, "в описании"},
        {FindInURL, "в URL"},
        {FindInHomePage, "в URL"},
        {FindInURL | FindInHomePage, "в URL"},
        {FindInEMail, "в e-mail"},
        {FindInDescription | FindInEMail, "в описании, в e-mail"},
        {FindInDescription | FindInURL, "в описании, в URL"},
        {FindInURL | FindInEMail, "в URL, в e-mail"},
        {FindInMask, "в описании, в URL, в e-mail"},
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
        {FindInDescription, {true, false, false, false}},
        {FindInURL, {false, true, false, false}},
        {FindInHomePage, {false, false, true, false}},
        {FindInEMail, {false, false, false, true}},
        {FindInMask, {true, true, true, true}},
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
