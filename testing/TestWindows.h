#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include "ControlRecord.h"
#include "Geometry.h"
#include "WinHandles.h"

namespace trelvane::test {

// The screen DPI the Wine prefix was made for (TRELVANE_DPI, default 96).
int ExpectedDpi();

// The row of a table with a `dpi` member that is for the screen's DPI.
template <typename Row, std::size_t N> const Row& RowForScreen(const Row (&table)[N]) {
    for (const Row& row : table) {
        if (row.dpi == ExpectedDpi()) return row;
    }
    ADD_FAILURE() << "nothing expected at " << ExpectedDpi() << " DPI";
    return table[0];
}

// Handles every waiting message; true when one was WM_QUIT.
bool PumpMessages();

// A visible, borderless "FORM_" form with a client area of width x height,
// whose procedure uses the framework as an application's does: record,
// anchoring, focus memory, colours.
UniqueWindow MakeTestForm(int width, int height);

// The set-up the application gives its edit boxes: its own font, system
// colours, every edge following the form.
ControlSetup EditSetup(std::string_view fontSpec = "Tahoma,10,1");

HWND MakeChild(HWND parent, const wchar_t* className, int x, int y, int width, int height);
Rect ChildRect(HWND child);  // in its parent's client coordinates
LOGFONTW FontInfo(HFONT font);
inline bool IsGdiObject(HGDIOBJ handle) { return GetObjectType(handle) != 0; }

// What a window still had when its last message (WM_NCDESTROY) came.
struct FinalState {
    HANDLE record, tag;
    WNDPROC procedure;
};
// A child whose procedure, ProbeProc, records its final state in *state.
HWND MakeProbe(HWND parent, FinalState* state);
LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace trelvane::test
