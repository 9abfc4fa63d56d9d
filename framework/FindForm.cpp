#include "FindForm.h"

#include "FormClassName.h"

namespace trelvane {
namespace {

constexpr int kClassNameBuffer = 100;

}  // namespace

HWND FindForm(HWND hwnd) {
    for (;;) {
        // A null handle has no style at all, so the search ends there.
        if (!(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD)) return hwnd;
        if (GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_MDICHILD) return hwnd;
        char className[kClassNameBuffer] = {};
        GetClassNameA(hwnd, className, sizeof className);
        if (IsFormClassName(className)) return hwnd;
        hwnd = GetParent(hwnd);
    }
}

}  // namespace trelvane
