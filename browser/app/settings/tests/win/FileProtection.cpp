#include "browser/app/settings/tests/win/FileProtection.h"

#include "tools/testsupport/ScratchFolder.h"
#include "win32/Handle.h"

#include <windows.h>

namespace cobwen::test {

bool ReadOnlyAttributeIsIgnored() {
    const testsupport::ScratchFolder folder;
    const std::string path = folder.File("probe.txt");
    if (!testsupport::WriteFile(path, "x") ||
        !SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY))
        return true;
    const win32::KernelHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    return file.Valid();
}

} // namespace cobwen::test
