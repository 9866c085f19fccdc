#pragma once

#include "browser/app/list/core/FindInFlags.h"

#include <array>
#include <cstdint>
#include <string>

namespace cobwen {

// The four check boxes of TCobwenSettingsNFind, one per FindIn flag.
struct FindInBoxes {
    bool Description = false; // chxDescription
    bool URL = false;         // chxURL
    bool HomePage = false;    // chxHomePage
    bool EMail = false;       // chxEMail

    friend bool operator==(const FindInBoxes&, const FindInBoxes&) = default;
};

// Setting the check boxes from flags (bits of no box are dropped) and reading flags from them.
FindInBoxes BoxesFromFindIn(std::uint8_t flags);
std::uint8_t FindInFromBoxes(const FindInBoxes& boxes);

// The summary the settings dialog's field shows for the flags: the searched fields joined by ", "
// ("в описании", "в URL" for the URL or the home page, "в e-mail"), or "ни в чем больше" when
// only the name is searched (code page 1251).
std::string FindInText(std::uint8_t flags);

struct FindInBoxCaption {
    std::uint8_t flag;   // FindInFlags
    const char* caption; // code page 1251
};

// The check boxes' captions, top to bottom.
inline constexpr std::array<FindInBoxCaption, 4> FindInBoxCaptions{{
    {FindInDescription,
     "\xE2 \xEE\xEF\xE8\xF1\xE0\xED\xE8\xE8 \xEF\xEB\xE0\xE3\xE8\xED\xE0"}, // "в описании плагина"
    {FindInURL,
     "\xE2 URL \xF1\xF1\xFB\xEB\xEA\xE8 \xED\xE0 \xEF\xEB\xE0\xE3\xE8\xED"}, // "в URL ссылки на
                                                                             // плагин"
    {FindInHomePage,
     "\xE2 URL \xF1\xF2\xF0\xE0\xED\xE8\xF6\xFB \xE0\xE2\xF2\xEE\xF0\xE0"}, // "в URL страницы
                                                                            // автора"
    {FindInEMail, "\xE2 e-mail \xE0\xE2\xF2\xEE\xF0\xE0"}, // "в e-mail автора"
}};

} // namespace cobwen
