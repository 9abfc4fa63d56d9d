#include <windows.h>

#include "SystemText.h"
#include "WindowsText.h"

namespace trelvane::cli {

std::string Utf8FromSystemText(std::string_view text) {
    const std::wstring wide = WideFromAnsi(text);
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

}  // namespace trelvane::cli
