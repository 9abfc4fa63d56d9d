#pragma once

#include <windows.h>

#include "Geometry.h"
#include "OwnedHandles.h"

namespace trelvane::test {

// The screen DPI the Wine prefix was made for (TRELVANE_DPI, default 96).
int ExpectedDpi();

// Handles every waiting message; true when one was WM_QUIT.
bool PumpMessages();

// A visible, borderless top-level form with a client area of width x height
// and a "FORM_" class, whose procedure uses the framework as an
// application's does: record, anchoring, focus memory, colours.
UniqueWindow MakeTestForm(int width, int height);

HWND MakeChild(HWND parent, const char* className, int x, int y, int width, int height, DWORD style = WS_VISIBLE);
Rect ChildRect(HWND child);  // in its parent's client coordinates
LOGFONTA FontInfo(HFONT font);
bool IsGdiObject(HGDIOBJ handle);

// A child window whose own procedure, ProbeProc, records in *finalState
// what the window still had when its last message (WM_NCDESTROY) came.
struct ProbeFinalState {
    bool destroyed = false;
    HANDLE record = nullptr;
    HANDLE tag = nullptr;
    HANDLE tag2 = nullptr;
    WNDPROC procedure = nullptr;
};
HWND MakeProbe(HWND parent, ProbeFinalState* finalState);
LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace trelvane::test
