#include <csignal>
#include <exception>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "CompareCommand.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "ConsoleOutput.h"
#include "WindowsText.h"
#endif

namespace {

using namespace trelvane::cli;

#ifdef _WIN32
// The standard streams' console buffers, when they are consoles.
struct ConsoleStreams {
    std::optional<ConsoleStream> out, err;
};

// Standard output carries the report in UTF-8, or a list given "-" in the
// season files' own bytes.
ConsoleBytes StandardOutputBytes(const CompareRequest& request) {
    for (const std::optional<std::string>* file : {&request.departedFile, &request.arrivalsFile, &request.movedFile}) {
        if (*file == "-") return ConsoleBytes::kWindows1252;
    }
    return ConsoleBytes::kUtf8;
}

void UseConsoles(const ParsedArguments& arguments, ConsoleStreams& consoles) {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE), err = GetStdHandle(STD_ERROR_HANDLE);
    if (ConsoleOutput::IsConsole(out)) {
        consoles.out.emplace(std::cout, out, StandardOutputBytes(arguments.request));
    } else if (arguments.action == ParsedArguments::Action::kCompare) {
        // Reports and lists end their lines themselves (the text report
        // with CR LF here): the C library's text mode must not add a CR,
        // so that a redirected report holds the bytes the window saves.
        _setmode(_fileno(stdout), _O_BINARY);
    }
    // Names on stderr are UTF-8, as the user gave them.
    if (ConsoleOutput::IsConsole(err)) consoles.err.emplace(std::cerr, err, ConsoleBytes::kUtf8);
}
#endif

#ifdef _WIN32
int Run(const std::vector<std::string>& args, ConsoleStreams& consoles) {
#else
int Run(const std::vector<std::string>& args) {
#endif
    std::ios::sync_with_stdio(false);
    // Whatever goes wrong ends in one line and exit status 1, never in an
    // abort.
    try {
        const ParsedArguments arguments = ParseCompareArguments(args);
#ifdef _WIN32
        UseConsoles(arguments, consoles);
#endif
        return RunCompare(arguments, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << "trelvane-compare: out of memory\n";
    } catch (const std::exception& error) {
        std::cerr << "trelvane-compare: " << error.what() << '\n';
    }
    return 1;
}

}  // namespace

#ifdef _WIN32
// Linked with -municode: the arguments come as the user typed them.
int wmain(int argc, wchar_t** argv) {
    // Any library loaded by name from now on comes from the system folder,
    // never from the program's own folder or the current one.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    ConsoleStreams consoles;
    return Run(trelvane::Utf8Arguments(argc, argv), consoles);
}
#else
int main(int argc, char** argv) {
    // A reader that goes away (| head) shows as EPIPE, which ends the output
    // quietly; the lists asked for are still saved.
    std::signal(SIGPIPE, SIG_IGN);
    return Run(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
