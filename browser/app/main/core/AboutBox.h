#pragma once

#include <string>
#include <string_view>

namespace cobwen {

// The people behind the program as the about box lists them; texts in code page 1251 are made
// from these UTF-8 ones by the window.
struct AboutDeveloper {
    std::string_view Name;
    std::string_view Role;
    std::string_view Mail;
    std::string_view Url;
};

inline constexpr AboutDeveloper AboutDevelopers[] = {
    {"Команда Ulvar Cobwen", "(разработка)", "team@cobwen.ulvar.org", "http://cobwen.ulvar.org/"},
    {"Сообщество Ulvar", "(первоначальная идея)", "ideas@cobwen.ulvar.org",
     "http://cobwen.ulvar.org/"},
};

// What a click on an e-mail address opens: "mailto:" and the address, percent-encoded.
std::string MailtoTarget(std::string_view address);

} // namespace cobwen
