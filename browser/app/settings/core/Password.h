#pragma once

#include <random>
#include <string>
#include <string_view>

namespace cobwen {

// Where the filler bytes of a scrambled password come from.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniformly distributed number from 0 to bound - 1 (bound > 0).
    virtual unsigned Below(unsigned bound) = 0;
};

class SystemRandom final : public RandomSource {
public:
    SystemRandom();
    unsigned Below(unsigned bound) override;

private:
    std::mt19937 engine_;
};

// The proxy password as the settings store keeps it: not readable at a glance, nothing more.
//
// A password of L bytes (L = 2 or L >= 4), with h = L div 2: going from the last byte to the first,
// byte n becomes (p[n] + n mod h + 12) mod 256, and before each byte whose n mod h is 0 stands a
// random filler byte from 33 to 127. The stored form is L + 2 bytes long, so it never has 1, 2, 3
// or 5 bytes.
//
// The transform cannot take a password of 1 byte (h would be 0) or of 3 bytes (6 bytes, the same
// length as a 4-byte password's form). Those are kept in a form of their own with the lengths the
// transform never makes: a filler byte, each byte n as (p[n] + n + 12) mod 256, and a filler byte
// again; 3 bytes for a 1-byte password, 5 bytes for a 3-byte one.
std::string ScramblePassword(std::string_view password, RandomSource& random);
std::string ScramblePassword(std::string_view password);

// The password back from its stored form. A stored text of 1 byte, which nothing writes, gives an
// empty password.
std::string UnscramblePassword(std::string_view stored);

} // namespace cobwen
