#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace trelvane::cli {

// trelvane-compare PRIOR_FOLDER CURRENT_FOLDER [--departed FILE] [--arrivals FILE]
//
// Prints both counts and both lists, and writes the requested exports with
// the same bytes the Windows program saves. Returns the exit code: 0 done,
// 1 a player file or an export file failed, 2 a usage error.
int RunCompare(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace trelvane::cli
