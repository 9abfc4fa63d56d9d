#pragma once

#include <windows.h>

#include <streambuf>

namespace trelvane::cli {

// A Windows console shows text in its own code page, which is not the ANSI
// one: "é" in ANSI bytes comes out as another letter. This writes the bytes,
// read in codePage, as Unicode with WriteConsoleW.
class ConsoleOutput : public std::streambuf {
public:
    ConsoleOutput(HANDLE console, UINT codePage) : console_(console), codePage_(codePage) {}
    // True when handle is a console rather than a file or a pipe.
    static bool IsConsole(HANDLE handle);

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize size) override;

private:
    HANDLE console_;  // borrowed: the process's standard handle
    UINT codePage_;
};

}  // namespace trelvane::cli
