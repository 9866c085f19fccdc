#pragma once

#include "browser/app/list/tests/core/Records.h"

#include <string>
#include <vector>

namespace cobwen::test {

// A catalogue line (code page 1251 fields separated by 0x14) for a record with the given name,
// category, source language code ("" for none) and date ("dd/mm/yyyy").
inline std::string CatalogueLine(int id, const std::string& name, const std::string& category,
                                 const std::string& srcLanguage = "",
                                 const std::string& date = "15/03/2004") {
    const std::string n = std::to_string(id);
    const std::vector<std::string> fields = {n,
                                             "-",
                                             name,
                                             category,
                                             Cp("Описание ") + n,
                                             "Description " + n,
                                             "p" + n + ".rar",
                                             "1 024",
                                             "a" + n + "@host.ru",
                                             Cp("Автор ") + n,
                                             "Author " + n,
                                             "http://home/" + n,
                                             "1." + n,
                                             date,
                                             "1.70",
                                             "111",
                                             srcLanguage.empty() ? "no" : "yes",
                                             srcLanguage.empty() ? "-" : srcLanguage,
                                             "2004031500" + n};
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        line += (i ? "\x14" : "") + fields[i];
    }
    return line + "\r\n";
}

} // namespace cobwen::test
