#pragma once

#include <windows.h>
#include <shellapi.h>

namespace trelvane {

// Items dropped on a folder box from Explorer or the desktop: a folder puts
// its path in the box, a file its folder's; of several items the first
// counts, and an item with no path on a disk or share (a virtual one) is
// ignored. The drop stays the caller's to finish.
void PutDroppedFolder(HWND form, int box, HDROP drop);

}  // namespace trelvane
