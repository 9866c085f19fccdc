#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace cobwen {

// The keyboard layouts installed for the thread and the way to move through them.
class KeyboardLayouts {
public:
    virtual ~KeyboardLayouts() = default;

    // Identifies the active layout (two layouts may share a name).
    virtual std::uintptr_t Active() const = 0;
    // The name of the active layout, such as "00000419".
    virtual std::string ActiveName() const = 0;
    virtual std::size_t Count() const = 0;
    // Activates the next installed layout; false when the system refuses.
    virtual bool ActivateNext() = 0;
};

// The layouts of the calling thread.
class SystemKeyboardLayouts final : public KeyboardLayouts {
public:
    std::uintptr_t Active() const override;
    std::string ActiveName() const override;
    std::size_t Count() const override;
    bool ActivateNext() override;
};

// Runs `action` with the layout `name` active: moves to the next layout until that one is active,
// giving up after a full round (the action runs all the same), and afterwards moves on until the
// layout active before is active again. Returns what the action returns.
bool WithKeyboardLayout(KeyboardLayouts& layouts, std::string_view name,
                        const std::function<bool()>& action);

} // namespace cobwen
