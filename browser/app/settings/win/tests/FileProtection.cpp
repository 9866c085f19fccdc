#include "FileProtection.h"

#include "ScratchFolder.h"
#include "catalogue/win/Handles.h"

#include <windows.h>

namespace cobwen::test {

bool ReadOnlyAttributeIsIgnored() {
    const ScratchFolder folder;
    const std::string path = folder.File("probe.txt");
    if (!WriteFile(path, "x") || !SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY))
        return true;
    const FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    return file.Valid();
}

} // namespace cobwen::test
