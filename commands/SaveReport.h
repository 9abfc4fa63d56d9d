#pragma once

#include <cstdint>

#include "CommandArgs.h"

namespace trelvane {

// "Save the league report...": asks for a file, compares the seasons named
// by the prior and current folder boxes as "Process" does, with both team
// files, and saves the report in the format the file's type gives, as
// trelvane-compare prints it. Written and refused as the list exports are;
// what went wrong is told in one box. Returns 0.
std::int32_t SaveLeagueReport(const CommandArgs& args);

}  // namespace trelvane
