#include "plugins/game/core/OptionsMenu.h"

#include "plugin-host/kit/core/ItemBuilders.h"
#include "plugins/game/core/Messages.h"

#include <array>
#include <string>

namespace blocksby {
namespace {

constexpr int KeyItems = 7;
constexpr int LeaveItem = 7;
constexpr int DropItem = 8;
constexpr int RotationItem = 9;
constexpr int ColourItem = 10;
constexpr int ItemCount = 11;

// Menu items 0-6 in their order: left, right, rotate, drop, swap, all the way left and right.
std::uint16_t& KeyOfItem(GameKeys& keys, int item) {
    std::uint16_t* const order[KeyItems] = {&keys.left, &keys.right,   &keys.rotate,  &keys.drop,
                                            &keys.swap, &keys.allLeft, &keys.allRight};
    return *order[item];
}

// Waits for the next key pressed; Esc keeps the old key.
void DefineKey(GameConsole& console, std::uint16_t& key) {
    ConsoleEvent event;
    while (console.ReadEvent(event)) {
        if (!event.IsKeyDown()) {
            continue;
        }
        if (event.virtualKey != vk::Escape) {
            key = event.virtualKey;
        }
        return;
    }
}

} // namespace

void RunOptionsMenu(const ulvar::kit::HostServices& host, GameConsole& console, GameScreen& screen,
                    const Options& options) {
    int cursor = 0;
    for (;;) {
        std::array<ulvar::MenuItem, ItemCount> items{};
        for (int i = 0; i < KeyItems; ++i) {
            items[i] = ulvar::kit::MakeMenuItem(host.Msg(msg::KeyLeft + i));
        }
        items[LeaveItem] = ulvar::kit::MakeMenuItem(host.Msg(msg::LeaveOptions));
        items[DropItem] = ulvar::kit::MakeMenuItem(
            host.Msg(options.state.shortDrop ? msg::DropTwoRows : msg::DropToBottom));
        items[RotationItem] = ulvar::kit::MakeMenuItem(
            host.Msg(options.state.rotateForward ? msg::RotateForward : msg::RotateBackward));
        items[ColourItem] = ulvar::kit::MakeMenuItem(
            host.Msg(options.colourMode ? msg::ColoursOn : msg::ColoursOff));
        items[cursor].Selected = 1;

        const int chosen =
            host.Menu(ulvar::MenuWrapMode, host.Msg(msg::OptionsTitle), items.data(), ItemCount);
        if (chosen < 0 || chosen == LeaveItem || chosen >= ItemCount) {
            return;
        }
        if (chosen < KeyItems) {
            screen.DrawStatus(std::string(host.Msg(msg::DefineKeyPrompt)) + ": " +
                                  host.Msg(msg::KeyLeft + chosen),
                              colour::Playing);
            screen.Flush();
            DefineKey(console, KeyOfItem(options.keys, chosen));
            cursor = chosen + 1;
            continue;
        }
        if (chosen == DropItem) {
            options.state.shortDrop = !options.state.shortDrop;
        } else if (chosen == RotationItem) {
            options.state.rotateForward = !options.state.rotateForward;
        } else {
            options.colourMode = !options.colourMode;
            screen.DrawBoard(options.state.board, options.colourMode);
            screen.Flush();
        }
        cursor = LeaveItem;
    }
}

} // namespace blocksby
