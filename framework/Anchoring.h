#pragma once

#include <windows.h>

namespace trelvane {

// EnumChildWindows callbacks for a form's WM_SIZE. CaptureLayout stores,
// once per record, the parent's client rectangle and the window's rectangle
// in it; ApplyAnchors moves a captured window by its anchor specification
// (see AnchorSpec.h) from those captured values, so resizing never drifts.
// Windows without a record are left alone. Both always return TRUE.
BOOL CALLBACK CaptureLayout(HWND child, LPARAM lParam);
BOOL CALLBACK ApplyAnchors(HWND child, LPARAM lParam);

// A form's WM_SIZE handling: captures every descendant that has not been
// captured yet, then, unless the form was minimised (sizeKind SIZE_MINIMIZED),
// re-anchors them all.
void AnchorOnSize(HWND form, WPARAM sizeKind);

}  // namespace trelvane
