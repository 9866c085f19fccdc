#pragma once

#include "browser/app/settings/core/BrowserSettings.h"
#include "browser/app/settings/core/ListColours.h"

#include <string>

namespace cobwen::test {

// Code page 1251 text from UTF-8 source text.
std::string Cp(const char* utf8);

// The colour defaults the tests pass to LoadSettings.
ListColours SampleColourDefaults();

// What the main window holds before its settings are read: the designed fonts, placement and
// basket height, and a list area of 484 pixels.
BrowserSettings WindowBeforeLoading();

// What loading from an empty store must give, from WindowBeforeLoading().
BrowserSettings FreshStoreSettings(bool saveToIni);

// Every value that is written differs from its default (the basket stays on so that its contents
// are written); texts with Cyrillic letters, line breaks, blanks and quotes, a password whose
// scrambled form holds control and NUL bytes, and binary list layouts.
BrowserSettings EveryValueChanged(bool saveToIni);

// What loading gives after `saved` was saved into a store of that kind: the values that are never
// written, or not kept in INI mode, are back at their defaults.
BrowserSettings AfterRoundTrip(BrowserSettings saved);

// Every field, one per line, non-printable bytes escaped: a failed comparison shows the lines
// that differ.
std::string Describe(const BrowserSettings& settings);

// Compares the two field by field (by their descriptions, then as a whole).
void ExpectSameSettings(const BrowserSettings& actual, const BrowserSettings& expected);

} // namespace cobwen::test
