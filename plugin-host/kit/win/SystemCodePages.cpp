#include "plugin-host/kit/win/SystemCodePages.h"

#include "win32/Text.h"

namespace ulvar::kit::win {

namespace {

class System : public CodePages {
public:
    std::string AnsiFromOem(std::string_view oem) const override { return win32::AnsiFromOem(oem); }
    std::string OemFromAnsi(std::string_view ansi) const override {
        return win32::OemFromAnsi(ansi);
    }
};

} // namespace

const CodePages& SystemCodePages() {
    static const System system;
    return system;
}

} // namespace ulvar::kit::win
