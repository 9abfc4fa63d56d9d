#include "Colours.h"

#include "ControlRecord.h"
#include "WindowQueries.h"

namespace trelvane {
namespace {

COLORREF Resolve(COLORREF colour, std::int32_t isSys) { return isSys ? GetSysColor(static_cast<int>(colour)) : colour; }

}  // namespace

std::optional<HBRUSH> ControlColours(HDC hdc, HWND control) {
    const ControlRecord* record = RecordOf(control);
    if (!record) record = RecordOf(GetFocus());
    if (!record || !record->colours_on) return std::nullopt;
    SetTextColor(hdc, Resolve(record->text_colour, record->text_is_sys));
    SetBkColor(hdc, Resolve(record->back_colour, record->back_is_sys));
    HBRUSH result = record->brush.get();
    if (HasClassName(record->hwnd, "EDIT")) {
        SetBkMode(hdc, OPAQUE);
        if (!IsWindowEnabled(control)) {
            SetBkColor(hdc, GetSysColor(COLOR_BTNFACE));
            result = GetSysColorBrush(COLOR_BTNFACE);
        }
    } else {
        SetBkMode(hdc, TRANSPARENT);
    }
    return result;
}

BOOL CALLBACK RefreshSysColors(HWND hwnd, LPARAM) {
    ControlRecord* record = RecordOf(hwnd);
    if (record && record->colours_on && record->back_is_sys) {
        record->brush.UseSystem(GetSysColorBrush(static_cast<int>(record->back_colour)));
    }
    return TRUE;
}

}  // namespace trelvane
