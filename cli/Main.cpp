#include <csignal>
#include <exception>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "CompareCommand.h"

#ifdef _WIN32
#include "ConsoleOutput.h"
#endif

int main(int argc, char** argv) {
    using namespace trelvane::cli;
    std::ios::sync_with_stdio(false);
#ifndef _WIN32
    // A reader that goes away (| head) shows as EPIPE, which ends the output
    // quietly; the lists asked for are still saved.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    // Whatever goes wrong ends in one line and exit status 1, never in an
    // abort.
    try {
        const ParsedArguments arguments = ParseCompareArguments(std::vector<std::string>(argv + 1, argv + argc));
#ifdef _WIN32
        std::optional<ConsoleOutput> consoleOut, consoleErr;
        const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE), err = GetStdHandle(STD_ERROR_HANDLE);
        if (ConsoleOutput::IsConsole(out)) {
            // The text report is in the ANSI code page, CSV and JSON in UTF-8.
            const bool ansi = arguments.request.format == ReportFormat::kText;
            std::cout.rdbuf(&consoleOut.emplace(out, ansi ? CP_ACP : CP_UTF8));
        }
        if (ConsoleOutput::IsConsole(err)) std::cerr.rdbuf(&consoleErr.emplace(err, CP_ACP));
#endif
        return RunCompare(arguments, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << "trelvane-compare: out of memory\n";
    } catch (const std::exception& error) {
        std::cerr << "trelvane-compare: " << error.what() << '\n';
    }
    return 1;
}
