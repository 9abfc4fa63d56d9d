#pragma once

#include <windows.h>

#include <cstdint>

namespace trelvane {

// The four values the form procedure hands to every command: the source
// control's user value, the form, the message's lParam (the clicked
// button) and the command identifier. A command returns 0 to let default
// processing go on.
struct CommandArgs {
    std::int32_t userValue = 0;
    HWND form = nullptr;
    LPARAM lParam = 0;
    std::int32_t commandId = 0;
};

}  // namespace trelvane
