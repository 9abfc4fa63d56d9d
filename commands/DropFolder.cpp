#include "DropFolder.h"

#include <string>

#include "ControlTexts.h"
#include "PathParts.h"
#include "WindowsText.h"

namespace trelvane {

void PutDroppedFolder(HWND form, int box, HDROP drop) {
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    if (length == 0) return;
    std::wstring path(length + 1, L'\0');
    if (DragQueryFileW(drop, 0, path.data(), length + 1) != length) return;
    path.resize(length);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        path = FolderOf<wchar_t>(path, L"\\/");
        // The folder without its last separator, but a drive's root keeps it.
        if (path.size() > 3) path.pop_back();
    }
    ControlTexts(form).SetBoxText(box, Utf8FromWide(path));
}

}  // namespace trelvane
