#pragma once

#include <string>

#include "FormControls.h"

namespace trelvane {

// The bytes of a list export: every line of the list, in list order and
// exactly as the list holds it (trailing blanks too), each ended by CR LF.
// No header, no byte-order mark; an empty list gives no bytes at all.
std::string ExportText(FormControls& form, int listId);

}  // namespace trelvane
