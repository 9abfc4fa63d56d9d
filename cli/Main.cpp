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

int Run(const std::vector<std::string>& args) {
    std::ios::sync_with_stdio(false);
    // Whatever goes wrong ends in one line and exit status 1, never in an
    // abort.
    try {
        const ParsedArguments arguments = ParseCompareArguments(args);
#ifdef _WIN32
        std::optional<ConsoleOutput> consoleOut, consoleErr;
        const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE), err = GetStdHandle(STD_ERROR_HANDLE);
        const CompareRequest& request = arguments.request;
        if (ConsoleOutput::IsConsole(out)) {
            // The text report is in the ANSI code page, CSV, JSON and help in UTF-8.
            std::cout.rdbuf(
                &consoleOut.emplace(out, request.format == trelvane::ReportFormat::kText ? CP_ACP : CP_UTF8));
        } else if (arguments.action == ParsedArguments::Action::kCompare) {
            // Reports and lists end their lines themselves (the text report
            // with CR LF here): the C library's text mode must not add a CR,
            // so that a redirected report holds the bytes the window saves.
            _setmode(_fileno(stdout), _O_BINARY);
        }
        // Names on stderr are UTF-8, as the user gave them.
        if (ConsoleOutput::IsConsole(err)) std::cerr.rdbuf(&consoleErr.emplace(err, CP_UTF8));
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
    return Run(trelvane::Utf8Arguments(argc, argv));
}
#else
int main(int argc, char** argv) {
    // A reader that goes away (| head) shows as EPIPE, which ends the output
    // quietly; the lists asked for are still saved.
    std::signal(SIGPIPE, SIG_IGN);
    return Run(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
