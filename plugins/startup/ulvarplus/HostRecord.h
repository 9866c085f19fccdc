#pragma once

// The class library's kept copy of the host's startup record. Which services the host has is
// decided from the size the record states, by the offsets of the record as this build lays it out:
// a record that ends before HostAdvControl comes from a host without that service, and the host's
// build number is then 0.

#include "plugin-host/kit/core/HostServices.h"
#include "ulvar/Plugin.h"

#include <cstdint>

namespace ulvarplus {

class HostRecord {
public:
    // Copies as many bytes as the record states, at most this layout's record.
    void Keep(const ulvar::HostStartupInfo& info) { services_.Keep(info); }

    const ulvar::kit::HostServices& Services() const { return services_; }
    const ulvar::HostStartupInfo& Info() const { return services_.Info(); }
    bool HasAdvControl() const { return services_.HasAdvControl(); }
    // The upper 16 bits of the host's version, 0 without HostAdvControl.
    int BuildNumber() const;
    // The plug-in's flags for PluginInfoRecord.
    std::uint32_t PluginFlags() const { return 0; }

    // The message, "" when the host has none; never null.
    const char* Msg(int number) const { return services_.Msg(number); }

private:
    ulvar::kit::HostServices services_;
};

} // namespace ulvarplus
