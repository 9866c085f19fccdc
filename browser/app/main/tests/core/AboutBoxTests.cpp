#include "browser/app/main/core/AboutBox.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(AboutBox, MailtoTargetIsEncoded) {
    EXPECT_EQ(MailtoTarget("team@cobwen.ulvar.org"), "mailto:team%40cobwen%2Eulvar%2Eorg");
    EXPECT_EQ(MailtoTarget("ulvar-team@x.org"), "mailto:ulvar%2Dteam%40x%2Eorg");
    // An address that is already partly encoded keeps its sequences.
    EXPECT_EQ(MailtoTarget("a%40b"), "mailto:a%40b");
}

} // namespace
} // namespace cobwen
