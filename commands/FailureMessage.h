#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace trelvane {

// Tells the user what failed: a warning box owned by the form, with the
// form's caption as its title and a single OK button. text is UTF-8.
void ShowFailure(HWND form, std::string_view text);

}  // namespace trelvane
