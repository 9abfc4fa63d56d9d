#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "CompareArguments.h"

namespace trelvane::cli {

// trelvane-compare PRIOR_FOLDER CURRENT_FOLDER [--departed FILE] [--arrivals FILE]
//                  [--moved FILE] [--format text|csv|json|html]
//
// Prints the report in the format asked for and writes the requested lists
// with the same bytes the Windows program saves. Returns the exit code: 0
// done, 1 a player file or a list file failed, 2 wrong arguments or a list
// file that is a season file (then nothing is read or written).
int RunCompare(const ParsedArguments& arguments, std::ostream& out, std::ostream& err);
int RunCompare(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace trelvane::cli
