#include "FailureMessage.h"

#include "WindowsText.h"

namespace trelvane {

void ShowFailure(HWND form, std::string_view text) {
    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(form)) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(GetWindowTextW(form, caption.data(), static_cast<int>(caption.size()))));
    MessageBoxW(form, WideFromUtf8(text).c_str(), caption.c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace trelvane
