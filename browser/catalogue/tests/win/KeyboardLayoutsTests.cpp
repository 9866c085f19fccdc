#include "browser/catalogue/win/KeyboardLayouts.h"

#include <gtest/gtest.h>
#include <vector>

namespace cobwen {
namespace {

// A ring of named layouts that counts its switches; a refusing ring acts like a system that
// cannot switch layouts at all.
class LayoutRing final : public KeyboardLayouts {
public:
    LayoutRing(std::vector<std::string> names, std::size_t active, bool refuses = false)
        : names_(std::move(names)), active_(active), refuses_(refuses) {}

    std::uintptr_t Active() const override { return active_; }
    std::string ActiveName() const override { return names_[active_]; }
    std::size_t Count() const override { return names_.size(); }
    bool ActivateNext() override {
        if (refuses_)
            return false;
        active_ = (active_ + 1) % names_.size();
        ++switches;
        return true;
    }

    int switches = 0;

private:
    std::vector<std::string> names_;
    std::size_t active_;
    bool refuses_;
};

TEST(WithKeyboardLayout, RunsTheActionUnderTheLayoutAndRestoresThePreviousOne) {
    const struct {
        const char* what;
        std::vector<std::string> names;
        std::size_t start;
        bool refuses;
        const char* layoutDuringAction;
        int switches;
    } cases[] = {
        {"already active", {"00000409", "00000419"}, 1, false, "00000419", 0},
        {"next one", {"00000409", "00000419"}, 0, false, "00000419", 2},
        {"behind the start",
         {"00000419", "00000409", "00000407", "0000040C"},
         2,
         false,
         "00000419",
         4},
        {"missing: one round", {"00000409", "00000407", "0000040C"}, 1, false, "00000407", 3},
        {"system refuses", {"00000409", "00000419"}, 0, true, "00000409", 0},
        // Two layouts share the name: the one that was active is the one restored.
        {"same name twice", {"00000409", "00000419", "00000409"}, 2, false, "00000419", 3},
    };
    for (const auto& c : cases) {
        LayoutRing ring(c.names, c.start, c.refuses);
        std::string during;
        const bool result = WithKeyboardLayout(ring, "00000419", [&] {
            during = ring.ActiveName();
            return true;
        });
        EXPECT_TRUE(result) << c.what;
        EXPECT_EQ(during, c.layoutDuringAction) << c.what;
        EXPECT_EQ(ring.Active(), c.start) << c.what;
        EXPECT_EQ(ring.switches, c.switches) << c.what;
    }
}

TEST(WithKeyboardLayout, PassesOnTheActionsResult) {
    LayoutRing ring({"00000409", "00000419"}, 0);
    EXPECT_FALSE(WithKeyboardLayout(ring, "00000419", [] { return false; }));
    EXPECT_EQ(ring.Active(), 0u);
}

TEST(SystemKeyboardLayouts, DescribesTheActiveLayout) {
    SystemKeyboardLayouts layouts;
    EXPECT_GE(layouts.Count(), 1u);
    const std::string name = layouts.ActiveName();
    ASSERT_EQ(name.size(), 8u) << name;
    EXPECT_EQ(name.find_first_not_of("0123456789ABCDEFabcdef"), std::string::npos) << name;
    EXPECT_NE(layouts.Active(), 0u);
}

} // namespace
} // namespace cobwen
