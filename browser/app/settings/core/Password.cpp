#include "browser/app/settings/core/Password.h"

#include <algorithm>

namespace cobwen {

namespace {

char Shifted(char c, int offset) {
    return static_cast<char>((static_cast<unsigned char>(c) + offset) & 0xFF);
}

char FillerByte(RandomSource& random) {
    return static_cast<char>(33 + random.Below(95));
}

bool HasOwnShortForm(std::size_t length) {
    return length == 1 || length == 3;
}

std::string ScrambleShort(std::string_view password, RandomSource& random) {
    std::string stored(1, FillerByte(random));
    for (std::size_t n = 1; n <= password.size(); ++n)
        stored += Shifted(password[n - 1], static_cast<int>(n) + 12);
    stored += FillerByte(random);
    return stored;
}

std::string UnscrambleShort(std::string_view stored) {
    std::string password;
    for (std::size_t n = 1; n + 1 < stored.size(); ++n)
        password += Shifted(stored[n], -(static_cast<int>(n) + 12));
    return password;
}

} // namespace

SystemRandom::SystemRandom() : engine_(std::random_device{}()) {
}

unsigned SystemRandom::Below(unsigned bound) {
    return std::uniform_int_distribution<unsigned>(0, bound - 1)(engine_);
}

std::string ScramblePassword(std::string_view password, RandomSource& random) {
    if (password.empty())
        return {};
    if (HasOwnShortForm(password.size()))
        return ScrambleShort(password, random);
    const std::size_t half = password.size() / 2;
    std::string reversed; // built from the last byte to the first
    for (std::size_t n = password.size(); n >= 1; --n) {
        const std::size_t rest = n % half;
        reversed += Shifted(password[n - 1], static_cast<int>(rest) + 12);
        if (rest == 0)
            reversed += FillerByte(random);
    }
    return {reversed.rbegin(), reversed.rend()};
}

std::string ScramblePassword(std::string_view password) {
    SystemRandom random;
    return ScramblePassword(password, random);
}

std::string UnscramblePassword(std::string_view stored) {
    if (stored.size() <= 1)
        return {};
    if (HasOwnShortForm(stored.size() - 2))
        return UnscrambleShort(stored);
    const std::size_t half = stored.size() / 2;
    std::string reversed;
    std::size_t i = stored.size();
    while (i > 0) {
        const std::size_t rest = i % half;
        reversed += Shifted(stored[i - 1], -(static_cast<int>(rest) + 12));
        --i;
        if (rest == 0 && i > 0)
            --i; // the filler byte
    }
    return {reversed.rbegin(), reversed.rend()};
}

} // namespace cobwen
