#include "ConsoleOutput.h"

#include <string>

namespace trelvane::cli {

bool ConsoleOutput::IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

ConsoleOutput::int_type ConsoleOutput::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char one = traits_type::to_char_type(c);
    return xsputn(&one, 1) == 1 ? c : traits_type::eof();
}

// The report is handed over in whole lines, so no character is split
// between two calls.
std::streamsize ConsoleOutput::xsputn(const char* text, std::streamsize size) {
    if (size <= 0) return 0;
    const int length = MultiByteToWideChar(codePage_, 0, text, static_cast<int>(size), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage_, 0, text, static_cast<int>(size), wide.data(), length);
    DWORD written = 0;
    for (std::size_t done = 0; done < wide.size(); done += written) {
        if (!WriteConsoleW(console_, wide.data() + done, static_cast<DWORD>(wide.size() - done), &written, nullptr) ||
            written == 0) {
            return 0;
        }
    }
    return size;
}

}  // namespace trelvane::cli
