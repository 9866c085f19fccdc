#pragma once

// The owner of an image list of the common controls. Apart from Handle.h so that only the users
// of the common controls include their header.

#include "win32/Handle.h"

#include <commctrl.h>

namespace win32 {

namespace traits {
struct ImageList {
    using Type = HIMAGELIST;
    static Type Empty() { return nullptr; }
    static bool IsValid(Type list) { return list != nullptr; }
    static void Close(Type list) { ImageList_Destroy(list); }
};
} // namespace traits

using ImageListHandle = UniqueHandle<traits::ImageList>;

} // namespace win32
