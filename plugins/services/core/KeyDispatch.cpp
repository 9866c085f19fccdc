#include "plugins/services/core/KeyDispatch.h"

#include "ulvar/Plugin.h"

namespace sentrel {

namespace {

constexpr int F1 = 0x70;
constexpr int F4 = 0x73;
constexpr int F5 = 0x74;
constexpr int F6 = 0x75;
constexpr int F7 = 0x76;
constexpr int F8 = 0x77;

struct Binding {
    int key;
    unsigned state;
    KeyAction action;
};

constexpr Binding Bindings[] = {
    {F6, 0, KeyAction::AskComputer},
    {F6, ulvar::KeyAlt, KeyAction::PickComputer},
    {F6, ulvar::KeyShift, KeyAction::UseLocalComputer},
    {'R', ulvar::KeyCtrl, KeyAction::Reread},
    {F4, 0, KeyAction::EditProperties},
    {F5, 0, KeyAction::Start},
    {F7, 0, KeyAction::Pause},
    {F8, 0, KeyAction::Stop},
    {'Z', ulvar::KeyCtrl, KeyAction::EditDescriptions},
    {F4, ulvar::KeyAlt, KeyAction::HardwareProfiles},
    {F5, ulvar::KeyAlt, KeyAction::Restart},
    {F1, ulvar::KeyShift, KeyAction::RereadState},
    {F4, ulvar::KeyShift, KeyAction::CreateService},
    {F5, ulvar::KeyShift, KeyAction::StartWithParameters},
    {F8, ulvar::KeyShift, KeyAction::DeleteItem},
};

} // namespace

KeyAction KeyActionFor(int key, unsigned controlState) {
    if (controlState & ulvar::KeyPreprocess)
        return KeyAction::None;
    const unsigned state = controlState & (ulvar::KeyCtrl | ulvar::KeyAlt | ulvar::KeyShift);
    for (const Binding& binding : Bindings)
        if (binding.key == key && binding.state == state)
            return binding.action;
    return KeyAction::None;
}

} // namespace sentrel
