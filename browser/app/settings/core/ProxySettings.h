#pragma once

#include <cstdint>
#include <string>

namespace cobwen {

// How the transfers reach the web servers.
enum class ProxyAccessMode : std::uint8_t {
    Direct = 0, // no proxy
    System = 1, // the system's proxy settings
    Given = 2,  // the proxy in ProxyHost
};

// The proxy part of the settings, copied whole into a transfer queue before each use. Texts are
// code page 1251; the password is plain here and scrambled only in the settings store.
struct TProxySettings {
    ProxyAccessMode ProxyAccess = ProxyAccessMode::Direct;
    std::string ProxyHost; // host name and port separated by a colon
    std::string ProxyUserName;
    std::string ProxyPassword;
    bool ProxyAuthRequired = false;

    friend bool operator==(const TProxySettings&, const TProxySettings&) = default;
};

} // namespace cobwen
