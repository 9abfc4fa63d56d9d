#pragma once

#include <windows.h>

#include <string>

#include "Geometry.h"
#include "OwnedHandles.h"

namespace trelvane::test {

// The screen DPI the Wine prefix was set up with (TRELVANE_DPI, default 96).
int ExpectedDpi();

// Handles every message waiting for this thread. Returns true when one of
// them was WM_QUIT.
bool PumpMessages();

// A visible borderless top-level form of the given client size, run by a
// form procedure built on the framework the way an application's is: its
// record on WM_CREATE and WM_DESTROY, anchoring on WM_SIZE, focus memory,
// colour messages and system colour changes. Its class name starts "FORM_".
UniqueWindow MakeTestForm(int clientWidth, int clientHeight);

// A child window of parent at (x, y) with the given size.
HWND MakeChild(HWND parent, const char* className, int x, int y, int width, int height,
               DWORD style = WS_VISIBLE, int id = 0);

// child's rectangle in its parent's client coordinates.
Rect ChildRect(HWND child);

// The font's LOGFONT, read back from GDI.
LOGFONTA FontInfo(HFONT font);

// True while handle is a live GDI object.
bool IsGdiObject(HGDIOBJ handle);

// What a probe window looked like when it received WM_NCDESTROY, the last
// message of its life.
struct ProbeFinalState {
    bool destroyed = false;
    HANDLE record = nullptr;
    HANDLE tag = nullptr;
    HANDLE tag2 = nullptr;
    WNDPROC procedure = nullptr;
};

// A plain child window of class "TrelvaneProbe" whose own procedure,
// ProbeProc, fills *finalState when it is destroyed.
HWND MakeProbe(HWND parent, ProbeFinalState* finalState);
LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace trelvane::test
