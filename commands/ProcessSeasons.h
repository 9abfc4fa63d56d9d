#pragma once

#include <cstdint>

#include "CommandArgs.h"

namespace trelvane {

// "Process": compares the seasons named by the prior and current folder
// boxes and fills both lists and both counts on the form. Returns 0.
std::int32_t ProcessSeasons(const CommandArgs& args);

}  // namespace trelvane
