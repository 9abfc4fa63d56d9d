#include "Anchoring.h"

#include "AnchorSpec.h"
#include "ControlRecord.h"
#include "WindowQueries.h"

namespace trelvane {

BOOL CALLBACK CaptureLayout(HWND child, LPARAM) {
    ControlRecord* record = RecordOf(child);
    if (!record || record->layout_captured == 1) return TRUE;
    GetClientRect(GetParent(child), &record->parent_rect0);
    record->rect0 = RectInParent(child);
    record->layout_captured = 1;
    return TRUE;
}

BOOL CALLBACK ApplyAnchors(HWND child, LPARAM) {
    const ControlRecord* record = RecordOf(child);
    if (!record || !record->layout_captured) return TRUE;
    RECT parentNow{};
    GetClientRect(GetParent(child), &parentNow);
    const auto placement =
        AnchoredPlacement(record->anchor, ToRect(record->parent_rect0), ToRect(parentNow), ToRect(record->rect0));
    if (placement) {
        SetWindowPos(child, nullptr, placement->x, placement->y, placement->width, placement->height, SWP_NOZORDER);
    }
    return TRUE;
}

void AnchorOnSize(HWND form, WPARAM sizeKind) {
    // Everything is captured before anything moves.
    EnumChildWindows(form, CaptureLayout, 0);
    if (sizeKind != SIZE_MINIMIZED) EnumChildWindows(form, ApplyAnchors, 0);
}

}  // namespace trelvane
