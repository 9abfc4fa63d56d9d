#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "CompareCommand.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // Whatever goes wrong ends in one line and exit status 1, never in an
    // abort.
    try {
        return trelvane::cli::RunCompare(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << "trelvane-compare: out of memory\n";
    } catch (const std::exception& error) {
        std::cerr << "trelvane-compare: " << error.what() << '\n';
    }
    return 1;
}
