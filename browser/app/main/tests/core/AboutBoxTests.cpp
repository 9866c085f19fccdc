#include "browser/app/main/core/AboutBox.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(AboutBox, MailtoTargetIsEncoded) {
    EXPECT_EQ(MailtoTarget("cobwen-team@cobwen.ulvar.org"),
              "mailto:cobwen%2Dteam%40cobwen%2Eulvar%2Eorg");
    // An address that is already partly encoded keeps its sequences.
    EXPECT_EQ(MailtoTarget("a%40b"), "mailto:a%40b");
}

} // namespace
} // namespace cobwen
