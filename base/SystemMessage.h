#pragma once

#include <string>

namespace trelvane {

// The system's own words for a Windows error code, without the line end and
// full stop; "error N" when it has none.
std::string SystemMessage(unsigned long error);

}  // namespace trelvane
