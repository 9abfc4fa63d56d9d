#include "ConsoleOutput.h"

#include <string>

#include "Windows1252.h"
#include "WindowsText.h"

namespace trelvane::cli {

bool WriteToConsole(HANDLE console, std::wstring_view text) {
    DWORD written = 0;
    for (; !text.empty(); text.remove_prefix(written)) {
        if (!WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) || written == 0) {
            return false;
        }
    }
    return true;
}

bool ConsoleOutput::IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

ConsoleOutput::int_type ConsoleOutput::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char one = traits_type::to_char_type(c);
    return xsputn(&one, 1) == 1 ? c : traits_type::eof();
}

// Text is handed over in whole lines, so no character is split between two
// calls.
std::streamsize ConsoleOutput::xsputn(const char* text, std::streamsize size) {
    if (size <= 0) return 0;
    const std::string_view bytes(text, static_cast<std::size_t>(size));
    std::wstring wide = bytes_ == ConsoleBytes::kUtf8 ? WideFromUtf8(bytes) : WideFromWindows1252(bytes);
    // The byte-order mark that begins a UTF-8 file is no text to show.
    if (!started_ && wide.starts_with(L'\xFEFF')) wide.erase(0, 1);
    started_ = true;
    for (std::wstring_view rest = wide; !rest.empty();) {
        std::size_t piece = std::min(rest.size(), kConsolePieceChars);
        // A character beyond U+FFFF is two units, written together.
        if (piece < rest.size() && IS_HIGH_SURROGATE(rest[piece - 1])) --piece;
        if (!write_(console_, rest.substr(0, piece))) return 0;
        rest.remove_prefix(piece);
    }
    return size;
}

}  // namespace trelvane::cli
