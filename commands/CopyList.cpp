#include "CopyList.h"

#include <cstring>

#include "WinHandles.h"

namespace trelvane {

std::wstring ListText(HWND list) {
    std::wstring text;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length < 0) continue;
        const std::size_t start = text.size();
        text.resize(start + static_cast<std::size_t>(length) + 1);
        const LRESULT got =
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data() + start));
        text.resize(start + static_cast<std::size_t>(got < 0 ? 0 : got));
        text += L"\r\n";
    }
    return text;
}

bool CopyListLines(HWND form, HWND list) {
    const std::wstring text = ListText(list);
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!block) return false;
    void* const target = GlobalLock(block.get());
    if (!target) return false;
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(block.get());

    const OpenedClipboard clipboard(form);
    if (!clipboard || !EmptyClipboard()) return false;
    if (!SetClipboardData(CF_UNICODETEXT, block.get())) return false;
    // The clipboard owns the block now.
    (void)block.release();
    return true;
}

}  // namespace trelvane
