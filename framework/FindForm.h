#pragma once

#include <windows.h>

namespace trelvane {

// The form hwnd belongs to: the first window, from hwnd up through its
// parents, that is not a child window, is an MDI child, or has a class name
// starting "FORM_". Null for a null handle.
HWND FindForm(HWND hwnd);

}  // namespace trelvane
