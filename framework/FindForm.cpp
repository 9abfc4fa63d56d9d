#include "FindForm.h"

#include "FormClassName.h"
#include "WindowQueries.h"

namespace trelvane {

HWND FindForm(HWND hwnd) {
    for (;;) {
        // A null handle has no style at all, so the search ends there.
        if (!(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD)) return hwnd;
        if (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_MDICHILD) return hwnd;
        if (IsFormClassName(ClassNameOf(hwnd))) return hwnd;
        hwnd = GetParent(hwnd);
    }
}

}  // namespace trelvane
