#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "Geometry.h"

namespace trelvane {

inline Rect ToRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// A child window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);

// The name window's class is registered under; empty when window is not a
// window.
std::string ClassNameOf(HWND window);

// True when window's class is name in any ASCII case. An empty name matches
// no window.
bool HasClassName(HWND window, std::string_view name);

}  // namespace trelvane
