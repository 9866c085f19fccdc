// The language files as built beside the plug-in: a label that several dialogs show is the same
// message text in each of them, so a message moved to the wrong number shows up as a pair that
// differs.

#include "plugin-host/standin/core/LanguageFile.h"
#include "tools/testsupport/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace sentrel::test {

namespace {

struct SameText {
    int message, sameAs;
    const char* what;
};

// The advanced services dialog against the main one, the creation dialog and the advanced
// drivers dialog; the main dialog's buttons against the drivers dialog's. (The start types are
// not among them: in Russian they agree with "service" and "driver" in gender.)
constexpr SameText SharedLabels[] = {
    {250, 235, "display-name label (main dialog)"},
    {250, 225, "display-name label (creation dialog)"},
    {250, 276, "display-name label (advanced drivers dialog)"},
    {251, 226, "path label (creation dialog)"},
    {255, 279, "load-order group label (advanced drivers dialog)"},
    {256, 280, "error-control box (advanced drivers dialog)"},
    {257, 281, "ignore"},
    {258, 282, "normal"},
    {259, 283, "severe"},
    {260, 284, "critical"},
    {261, 285, "OK"},
    {262, 286, "cancel"},
    {263, 287, "dependencies button"},
    {246, 272, "OK (drivers dialog)"},
    {247, 273, "cancel (drivers dialog)"},
    {248, 274, "advanced (drivers dialog)"},
};

} // namespace

TEST(LanguageFiles, LabelsSharedByTheDialogsAreTheSameMessages) {
    for (const char* language : {"en", "ru"}) {
        SCOPED_TRACE(language);
        ulvar::standin::LanguageTable table;
        ASSERT_TRUE(table.LoadFile((std::filesystem::path(testsupport::ProgramFolder()) /
                                    (std::string("sentrel_") + language + ".lng"))
                                       .string()));
        for (const SameText& pair : SharedLabels)
            EXPECT_STREQ(table.Get(pair.message), table.Get(pair.sameAs))
                << pair.message << " and " << pair.sameAs << ": " << pair.what;
        // The advanced dialog's labels are three different texts.
        EXPECT_STRNE(table.Get(250), table.Get(251));
        EXPECT_STRNE(table.Get(251), table.Get(255));
    }
}

} // namespace sentrel::test
