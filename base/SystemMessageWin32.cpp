#include <windows.h>

#include "SystemMessage.h"
#include "WindowsText.h"

namespace trelvane {

std::string SystemMessage(unsigned long error) {
    wchar_t text[512];
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                        text, static_cast<DWORD>(std::size(text)), nullptr);
    std::string message = length ? Utf8FromWide({text, length}) : "error " + std::to_string(error);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.')) {
        message.pop_back();
    }
    return message;
}

}  // namespace trelvane
