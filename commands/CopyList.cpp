#include "CopyList.h"

#include <cstring>
#include <optional>

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

namespace {

// A movable block holding bytes, for the clipboard.
UniqueGlobal GlobalBlock(const void* bytes, std::size_t size) {
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, size));
    void* const target = block ? GlobalLock(block.get()) : nullptr;
    if (!target) return {};
    std::memcpy(target, bytes, size);
    GlobalUnlock(block.get());
    return block;
}

// A copy of the open clipboard's Unicode text, if it holds any.
UniqueGlobal ClipboardTextCopy() {
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const void* const bytes = data ? GlobalLock(data) : nullptr;
    if (!bytes) return {};
    UniqueGlobal copy = GlobalBlock(bytes, GlobalSize(data));
    GlobalUnlock(data);
    return copy;
}

}  // namespace

bool CopyListLines(HWND form, HWND list, ClipboardSetter set) {
    // Everything that can fail for want of memory is done before the
    // user's clipboard is emptied.
    const std::wstring text = ListText(list);
    UniqueGlobal block = GlobalBlock(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    if (!block) return false;

    // Clipboard managers and other programs' copies open the clipboard
    // for moments at a time.
    std::optional<OpenedClipboard> clipboard;
    for (int tries = 1; !clipboard.emplace(form) && tries < 20; ++tries) Sleep(50);
    if (!*clipboard) return false;
    UniqueGlobal previous = ClipboardTextCopy();
    if (!EmptyClipboard()) return false;
    // The clipboard owns a block once it is set.
    if (set(CF_UNICODETEXT, block.get())) {
        (void)block.release();
        return true;
    }
    if (previous && SetClipboardData(CF_UNICODETEXT, previous.get())) (void)previous.release();
    return false;
}

}  // namespace trelvane
