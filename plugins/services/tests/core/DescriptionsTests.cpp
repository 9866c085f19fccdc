#include "plugins/services/core/Descriptions.h"

#include <gtest/gtest.h>

namespace sentrel::test {

namespace {

MessageFn Label(std::string format) {
    return [format](int number) {
        return number == 327 ? format : std::string("m");
    };
}

} // namespace

TEST(Descriptions, AnUnchangedTextIsNotWritten) {
    EXPECT_FALSE(DescriptionChange(std::nullopt, ""));
    EXPECT_FALSE(DescriptionChange(std::string("old"), "old"));
    EXPECT_EQ(DescriptionChange(std::string("old"), "new"), "new");
    EXPECT_EQ(DescriptionChange(std::string("old"), ""), "");
    EXPECT_EQ(DescriptionChange(std::nullopt, "new"), "new");
}

TEST(Descriptions, ALongDescriptionIsNeitherCutNorLost) {
    const std::string shown(DescriptionFieldLength, 'a');
    const std::string tail = "the end of a long text";
    const std::string description = shown + tail;
    const DialogLayout dialog = DescriptionDialog("Name", description, Label("%1"));
    EXPECT_EQ(std::string(dialog.items[descr::Edit].Data), shown);
    // Confirmed as shown: nothing is written, the service keeps the whole text.
    EXPECT_FALSE(DescriptionChange(description, dialog.items[descr::Edit].Data));
    // Edited: the part the field could not show follows the edited text.
    EXPECT_EQ(DescriptionChange(description, "b" + shown.substr(1)), "b" + shown.substr(1) + tail);
    // Emptied: cleared.
    EXPECT_EQ(DescriptionChange(description, ""), "");
}

TEST(Descriptions, TheDialogEditClosesWithEnter) {
    const DialogLayout dialog = DescriptionDialog("Name", std::string("text"), Label("%1:"));
    ASSERT_EQ(dialog.items.size(), 3u);
    EXPECT_EQ(dialog.width, 76);
    EXPECT_EQ(dialog.height, 6);
    EXPECT_STREQ(dialog.items[1].Data, "Name:");
    EXPECT_NE(dialog.items[descr::Edit].Flags & ulvar::DialogEditEnter, 0u);
    EXPECT_STREQ(dialog.items[descr::Edit].History, "DizText");
    EXPECT_STREQ(dialog.items[descr::Edit].Data, "text");
}

TEST(Descriptions, LongDisplayNamesAreShortenedAndWidthsStayAtZero) {
    // Message length 4: names longer than 64 are cut to 61 and "...".
    EXPECT_EQ(DescriptionLabel(std::string(64, 'n'), Label("%1: ")), std::string(64, 'n') + ": ");
    EXPECT_EQ(DescriptionLabel(std::string(65, 'n'), Label("%1: ")),
              std::string(61, 'n') + "...: ");
    // A message longer than the line: the name is cut to nothing, not to a negative length.
    const std::string longFormat = std::string(70, 'x') + "%1";
    EXPECT_EQ(DescriptionLabel("Name", Label(longFormat)), std::string(70, 'x') + "...");
}

} // namespace sentrel::test
