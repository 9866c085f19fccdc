#pragma once

// The host's own texts (key bar, column titles, "selected", menus, prompts) in the language the
// host runs in, as the console's OEM code page spells them: code page 437 for English, 866 for
// Russian. Any other language gets the English texts.

#include <array>
#include <string>

namespace ulvar::standin {

struct HostTexts {
    const char* name;
    const char* size;
    const char* folder;
    const char* description;
    const char* owner;
    const char* selected;
    const char* pluginMenuTitle;
    const char* pluginMenuBottom;
    const char* mainBottom;
    const char* disk;
    const char* configure;
    const char* configureEntry;
    const char* commandLine;
    const char* commandLineEntry;
    const char* open;
    const char* copyIntoPanel;
    const char* from;
    const char* copy;
    const char* cancel;
    const char* ok;
    const char* pluginsMenu;
    const char* makeFolder;
    const char* folderName;
    const char* make;
    const char* search;
    const char* searchFor;
    const char* find;
    const char* notFound;
    const char* information;
    const char* items;
    const char* yes;
    const char* no;
    const char* retry;
    const char* abort;
    const char* ignore;
    const char* language;     // "Language: "
    const char* languageName; // this language in its own words
    // The labels of F1..F12 for the plain, Ctrl, Alt and Shift rows.
    std::array<std::array<const char*, 12>, 4> keyBar;
};

const HostTexts& TextsFor(const std::string& language);

} // namespace ulvar::standin
