// The main window's layout as the screen shows it: after maximising, restoring, resizing and
// moving the splitter no pixel of an earlier layout stays, and at every size the window allows no
// control covers another or leaves the client area.
#include "browser/app/main/tests/win/MainFormFixture.h"
#include "tools/testsupport/win/Input.h"
#include "tools/testsupport/win/WindowProbe.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace cobwen {
namespace {

using test::MainFormTest;
using test::PumpWindow;

// Lets the window paint everything that is due.
void Settle(TCobwenMainForm& form) {
    const ULONGLONG until = GetTickCount64() + 400;
    PumpWindow(
        form, [&] { return GetTickCount64() >= until; }, 2000);
    UpdateWindow(form.Window());
}

std::string Describe(const RECT& rect) {
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom) + ")";
}

std::string ClassOf(HWND window) {
    char name[64]{};
    GetClassNameA(window, name, 64);
    char text[64]{};
    GetWindowTextA(window, text, 64);
    return std::string(name) + " \"" + text + "\"";
}

struct Child {
    HWND window;
    RECT rect; // in the main window's client coordinates
};

BOOL CALLBACK CollectChild(HWND window, LPARAM children) {
    auto& list = *reinterpret_cast<std::vector<Child>*>(children);
    const HWND parent = GetAncestor(window, GA_PARENT);
    if (!IsWindowVisible(window) || list.empty() || parent != list.front().window)
        return TRUE;
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    list.push_back({window, rect});
    return TRUE;
}

// The visible controls right below the window (the first entry is the window itself).
std::vector<Child> Controls(HWND window) {
    std::vector<Child> children{{window, {}}};
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    children.erase(children.begin());
    return children;
}

class MainFormLayoutTest : public MainFormTest {
protected:
    TCobwenMainForm& OpenInFront() {
        PutOldCatalogue();
        TCobwenMainForm& form = Open();
        testsupport::BringToFront(form.Window());
        PumpWindow(
            form, [&] { return GetForegroundWindow() == form.Window(); }, 2000);
        Settle(form);
        return form;
    }

    // The screen after the step equals the screen of a window painted anew from nothing.
    void ExpectNoStalePixels(TCobwenMainForm& form, const std::string& step) {
        Settle(form);
        const testsupport::Pixels shown = testsupport::ClientPixels(form.Window());
        RedrawWindow(form.Window(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        Settle(form);
        const testsupport::Pixels fresh = testsupport::ClientPixels(form.Window());
        ASSERT_GT(shown.data.size(), 0u) << step;
        const testsupport::PixelDifference difference = testsupport::Difference(shown, fresh);
        EXPECT_EQ(difference.count, 0u)
            << step << ": pixels of an earlier layout in " << Describe(difference.box);
    }

    void ExpectNoOverlap(TCobwenMainForm& form, const std::string& step) {
        Settle(form);
        RECT client{};
        GetClientRect(form.Window(), &client);
        const std::vector<Child> controls = Controls(form.Window());
        ASSERT_GT(controls.size(), 10u) << step;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const Child& a = controls[i];
            RECT inside{};
            IntersectRect(&inside, &a.rect, &client);
            EXPECT_TRUE(EqualRect(&inside, &a.rect))
                << step << ": " << ClassOf(a.window) << " at " << Describe(a.rect)
                << " leaves the client area " << Describe(client);
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                const Child& b = controls[j];
                RECT common{};
                EXPECT_FALSE(IntersectRect(&common, &a.rect, &b.rect))
                    << step << ": " << ClassOf(a.window) << " at " << Describe(a.rect) << " covers "
                    << ClassOf(b.window) << " at " << Describe(b.rect);
            }
        }
    }

    // Drags the splitter above the basket by dy pixels with the mouse messages the window gets.
    static void DragSplitter(TCobwenMainForm& form, int dy) {
        RECT caption{};
        GetWindowRect(form.BasketCaptionWindow(), &caption);
        MapWindowPoints(nullptr, form.Window(), reinterpret_cast<POINT*>(&caption), 2);
        const int x = (caption.left + caption.right) / 2;
        const int y = caption.top - 2;
        SendMessageW(form.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(form.Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y + dy));
        SendMessageW(form.Window(), WM_LBUTTONUP, 0, MAKELPARAM(x, y + dy));
    }

    static void Resize(TCobwenMainForm& form, int width, int height) {
        SetWindowPos(form.Window(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    }
};

TEST_F(MainFormLayoutTest, NoPixelOfAnEarlierLayoutStays) {
    TCobwenMainForm& form = OpenInFront();
    ASSERT_TRUE(IsWindowVisible(form.BasketCaptionWindow()));
    const struct {
        const char* step;
        std::function<void()> run;
    } steps[] = {
        {"F5 maximises",
         [&] {
             SetFocus(form.CatalogueList().Window());
             ASSERT_TRUE(testsupport::PressKeys({VK_F5}));
             ASSERT_TRUE(PumpWindow(form, [&] { return IsZoomed(form.Window()) != FALSE; }));
         }},
        {"F5 restores",
         [&] {
             ASSERT_TRUE(testsupport::PressKeys({VK_F5}));
             ASSERT_TRUE(PumpWindow(form, [&] { return IsZoomed(form.Window()) == FALSE; }));
         }},
        {"a smaller window",
         [&] {
             Resize(form, 760, 520);
         }},
        {"a larger window",
         [&] {
             Resize(form, 900, 650);
         }},
        {"the splitter moved up",
         [&] {
             DragSplitter(form, -60);
         }},
        {"the splitter moved down",
         [&] {
             DragSplitter(form, 40);
         }},
    };
    for (const auto& step : steps) {
        step.run();
        ExpectNoStalePixels(form, step.step);
    }
}

TEST_F(MainFormLayoutTest, NoControlCoversAnotherAtAnySizeTheWindowAllows) {
    TCobwenMainForm& form = OpenInFront();
    const struct {
        const char* step;
        std::function<void()> run;
    } steps[] = {
        {"the designed size",
         [] {
         }},
        {"the smallest size",
         [&] {
             Resize(form, 100, 100);
         }},
        {"the smallest size, the splitter at the top",
         [&] {
             DragSplitter(form, -400);
         }},
        {"the smallest size, the splitter at the bottom",
         [&] {
             DragSplitter(form, 400);
         }},
        {"the smallest width, a tall window",
         [&] {
             Resize(form, 100, 800);
         }},
        {"maximised",
         [&] {
             ShowWindow(form.Window(), SW_MAXIMIZE);
         }},
    };
    for (const auto& step : steps) {
        step.run();
        ExpectNoOverlap(form, step.step);
    }
}

} // namespace
} // namespace cobwen
