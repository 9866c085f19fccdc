#pragma once

#include "browser/catalogue/core/CobwenData.h"
#include "browser/catalogue/core/DateTime.h"

namespace cobwen::test {

// A catalogue record with every field set; texts are code page 1251.
inline TCobwenData SampleRecord() {
    TCobwenData record;
    record.Id = 42;
    record.Name = "Sentry Tools";
    record.Category = "\xD1\xE8\xF1\xF2\xE5\xEC\xE0"; // "Система"
    record.Description = "Shows <b>services</b> &amp; drivers.<br>See <a "
                         "href=\"http://example.org/doc\">the manual</a>.";
    record.URL = "http://cobwen.example/downld/files/sentry.rar";
    record.EMail = "Ivan Petrov <ivan.petrov@example.org>";
    record.Author = "\xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2"; // "Иван Петров"
    record.HomePage = "http://petrov.example.org/";
    record.Version = "1.2";
    record.UlvarVersion = "1.70";
    record.WindowsVersion = "00111";
    record.SrcLanguage = "C";
    record.Size = 1234567;
    record.Date = *EncodeDate(2004, 3, 5);
    record.Stamp = "2004-03-05";
    record.HasSources = true;
    return record;
}

} // namespace cobwen::test
