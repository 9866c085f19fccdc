#pragma once

#include "browser/catalogue/core/CobwenData.h"
#include "browser/catalogue/core/Cp1251.h"

#include <string>

namespace cobwen::test {

// Code page 1251 text written as UTF-8 in the test source.
inline std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

// A record that passes every filter that does not ask for something particular: no sources, no
// Windows flags, a date in 2004.
inline TCobwenData Record(const std::string& name) {
    TCobwenData record;
    record.Id = 1;
    record.Name = name;
    record.Category = "Tools";
    record.Author = "Author";
    record.Description = "Plain description";
    record.URL = "http://cobwen.example/downld/files/file.rar";
    record.HomePage = "http://home.example/";
    record.EMail = "someone@mail.example";
    record.Version = "1.0";
    record.UlvarVersion = "1.70";
    record.Stamp = "20040301000000";
    record.Date = 38047; // 1 March 2004
    return record;
}

} // namespace cobwen::test
