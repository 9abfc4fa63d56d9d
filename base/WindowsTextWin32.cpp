#include "WindowsText.h"

#include <windows.h>

namespace trelvane {
namespace {

std::wstring WideFrom(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

// usedDefault, where given, tells whether a character had no exact form.
std::string NarrowFrom(UINT codePage, DWORD flags, std::wstring_view text, BOOL* usedDefault) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr, usedDefault);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

}  // namespace

std::wstring WideFromUtf8(std::string_view text) { return WideFrom(CP_UTF8, text); }

std::string Utf8FromWide(std::wstring_view text) { return NarrowFrom(CP_UTF8, 0, text, nullptr); }

std::wstring WideFromAnsi(std::string_view text) { return WideFrom(CP_ACP, text); }

std::optional<std::string> ExactAnsiFromWide(std::wstring_view text) {
    BOOL usedDefault = FALSE;
    std::string ansi = NarrowFrom(CP_ACP, WC_NO_BEST_FIT_CHARS, text, &usedDefault);
    // A code page without a default character reports none: the round trip
    // decides then.
    if (usedDefault || WideFromAnsi(ansi) != text) return std::nullopt;
    return ansi;
}

std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(Utf8FromWide(argv[i]));
    return args;
}

}  // namespace trelvane
