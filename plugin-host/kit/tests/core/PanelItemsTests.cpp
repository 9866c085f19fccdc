// Panel-item blocks: the texts live as long as the block, a block handed out is released by one
// FreePanelItems call, and a release of something that is no block changes nothing. The
// sanitizers of the native build report a leak or a second release.

#include "plugin-host/kit/core/PanelItems.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace ulvar::kit {
namespace {

TEST(PanelItemBlockTest, ItemsStartEmptyAndCarryTheirTextsToTheHost) {
    PanelItemBlock block(2);
    ASSERT_EQ(block.Count(), 2u);
    EXPECT_STREQ(block[1].Data.FileName, "");
    EXPECT_EQ(block[1].CustomColumnData, nullptr);
    EXPECT_EQ(block[1].Description, nullptr);
    block.SetName(0, "first");
    block.SetColumns(0, {"a", "bb", ""});
    block.SetDescription(0, "described");
    block.SetOwner(0, "owner");
    block.SetName(1, "second");
    block[1].PackSize = 12;

    PanelItem* const items = block.HandOut();
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(block.Count(), 0u) << "the items belong to the host now";
    EXPECT_STREQ(items[0].Data.FileName, "first");
    ASSERT_EQ(items[0].CustomColumnNumber, 3);
    EXPECT_STREQ(items[0].CustomColumnData[0], "a");
    EXPECT_STREQ(items[0].CustomColumnData[1], "bb");
    EXPECT_STREQ(items[0].CustomColumnData[2], "");
    EXPECT_STREQ(items[0].Description, "described");
    EXPECT_STREQ(items[0].Owner, "owner");
    EXPECT_STREQ(items[1].Data.FileName, "second");
    EXPECT_EQ(items[1].PackSize, 12u);
    EXPECT_EQ(items[1].CustomColumnNumber, 0);
    FreePanelItems(items);
}

TEST(PanelItemBlockTest, TextsStayInPlaceWhileManyMoreAreAdded) {
    constexpr std::size_t Count = 3000;
    PanelItemBlock block(Count);
    for (std::size_t i = 0; i < Count; ++i)
        block.SetColumns(i, {std::to_string(i) + " a text longer than a short string's buffer",
                             std::to_string(i)});
    PanelItem* const items = block.HandOut();
    for (std::size_t i = 0; i < Count; ++i) {
        ASSERT_EQ(std::string(items[i].CustomColumnData[1]), std::to_string(i));
        ASSERT_EQ(std::string(items[i].CustomColumnData[0]).substr(0, std::to_string(i).size()),
                  std::to_string(i));
    }
    FreePanelItems(items);
}

TEST(PanelItemBlockTest, NameIsCutToTheFileNameField) {
    PanelItemBlock block(1);
    block.SetName(0, std::string(400, 'n'));
    EXPECT_EQ(std::string(block[0].Data.FileName), std::string(MaxPath - 1, 'n'));
}

TEST(PanelItemBlockTest, IndexBeyondTheBlockThrows) {
    PanelItemBlock block(1);
    EXPECT_THROW(block[1], std::out_of_range);
    EXPECT_THROW(block.SetName(5, "x"), std::out_of_range);
    EXPECT_THROW(block.SetColumns(1, {"x"}), std::out_of_range);
}

TEST(PanelItemBlockTest, EmptyBlockHandsOutNothing) {
    PanelItemBlock block(0);
    EXPECT_EQ(block.HandOut(), nullptr);
    FreePanelItems(nullptr);
}

TEST(PanelItemBlockTest, BlockNotHandedOutIsReleasedWithItself) {
    PanelItemBlock block(3);
    block.SetColumns(2, {"kept until the block goes"});
    PanelItemBlock moved = std::move(block);
    EXPECT_STREQ(moved[2].CustomColumnData[0], "kept until the block goes");
}

TEST(PanelItemBlockTest, ReleasingTwiceOrSomethingElseChangesNothing) {
    PanelItemBlock first(1);
    PanelItemBlock second(1);
    second.SetName(0, "still here");
    PanelItem* const a = first.HandOut();
    PanelItem* const b = second.HandOut();
    FreePanelItems(a);
    FreePanelItems(a);
    PanelItem notABlock{};
    FreePanelItems(&notABlock);
    EXPECT_STREQ(b[0].Data.FileName, "still here");
    FreePanelItems(b);
}

} // namespace
} // namespace ulvar::kit
