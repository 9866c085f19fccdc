#include "browser/catalogue/win/KeyboardLayouts.h"

#include <windows.h>

namespace cobwen {

std::uintptr_t SystemKeyboardLayouts::Active() const {
    return reinterpret_cast<std::uintptr_t>(GetKeyboardLayout(0));
}

std::string SystemKeyboardLayouts::ActiveName() const {
    char name[KL_NAMELENGTH] = {};
    if (!GetKeyboardLayoutNameA(name))
        return {};
    return name;
}

std::size_t SystemKeyboardLayouts::Count() const {
    const int count = GetKeyboardLayoutList(0, nullptr);
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

bool SystemKeyboardLayouts::ActivateNext() {
    return ActivateKeyboardLayout(reinterpret_cast<HKL>(HKL_NEXT), 0) != nullptr;
}

bool WithKeyboardLayout(KeyboardLayouts& layouts, std::string_view name,
                        const std::function<bool()>& action) {
    const std::uintptr_t previous = layouts.Active();
    const std::size_t round = layouts.Count();
    for (std::size_t step = 0; step < round && layouts.ActiveName() != name; ++step) {
        if (!layouts.ActivateNext())
            break;
    }
    const bool result = action();
    for (std::size_t step = 0; step < round && layouts.Active() != previous; ++step) {
        if (!layouts.ActivateNext())
            break;
    }
    return result;
}

} // namespace cobwen
