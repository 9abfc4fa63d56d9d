#pragma once

#include <windows.h>

#include <cstddef>
#include <ostream>
#include <streambuf>
#include <string_view>

namespace trelvane::cli {

// What the bytes written to a console are: the season files' own
// Windows-1252 (a list given "-"), or UTF-8 (help, messages, reports).
enum class ConsoleBytes { kWindows1252, kUtf8 };

// Writes a piece of wide text to a console; false when it did not all get
// there. Tests pass one that records the pieces.
using ConsoleWriter = bool (*)(HANDLE console, std::wstring_view text);
bool WriteToConsole(HANDLE console, std::wstring_view text);

// WriteConsoleW is given at most this many characters at a time: the
// console host copies each call through a buffer of limited size, and a
// large call can fail for want of memory.
inline constexpr std::size_t kConsolePieceChars = 8 * 1024;

// A Windows console shows text in its own code page, which is neither the
// season files' nor UTF-8: "é" in either comes out as another letter. This
// decodes the bytes and writes them as Unicode.
class ConsoleOutput : public std::streambuf {
public:
    ConsoleOutput(HANDLE console, ConsoleBytes bytes, ConsoleWriter write = WriteToConsole)
        : console_(console), bytes_(bytes), write_(write) {}
    // True when handle is a console rather than a file or a pipe.
    static bool IsConsole(HANDLE handle);

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize size) override;

private:
    HANDLE console_;  // borrowed: the process's standard handle
    ConsoleBytes bytes_;
    ConsoleWriter write_;
    bool started_ = false;
};

// A standard stream pointed at a console for as long as this lives; then
// flushed and given its own buffer back. It must outlive every write to the
// stream, the error handlers' included, and the C++ library flushes the
// standard streams once more at exit: so main owns it.
class ConsoleStream {
public:
    ConsoleStream(std::ostream& stream, HANDLE console, ConsoleBytes bytes)
        : stream_(stream), console_(console, bytes), own_(stream.rdbuf(&console_)) {}
    ConsoleStream(const ConsoleStream&) = delete;
    ConsoleStream& operator=(const ConsoleStream&) = delete;
    ~ConsoleStream() {
        stream_.flush();
        stream_.rdbuf(own_);
    }

private:
    std::ostream& stream_;
    ConsoleOutput console_;
    std::streambuf* own_;
};

}  // namespace trelvane::cli
