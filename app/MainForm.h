#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "CWindow.h"
#include "MessageLoop.h"
#include "WinHandles.h"

namespace trelvane {

// How CreateAndRunMainForm runs the form.
struct MainFormRun {
    HWND owner = nullptr;
    Modality modality = Modality::kModal;
    std::int32_t initialResult = 0;  // the form result until a command sets one
};

// The main form, made and centred on the work area but not yet shown, with
// the tooltips that explain its controls.
struct MainFormWindow {
    CWindowRef object;
    HWND form = nullptr;
    std::vector<UniqueWindow> tooltips;
};
std::optional<MainFormWindow> MakeMainForm(const MainFormRun& run);

// Makes the main form and runs it until it is gone. Returns the form
// result, or -1 when the form could not be made.
std::intptr_t CreateAndRunMainForm(const MainFormRun& run);

// The form's WM_CREATE step that makes its fourteen controls. Returns -1
// (and makes none) when the form's object cannot be found.
int CreateMainFormControls(HWND form, const CREATESTRUCTW* create);

// The form's WM_DPICHANGED step, also taken when the form starts on a
// monitor of another DPI than the system's: the controls' fonts made for
// dpi, the form moved to suggested (or, without one, sized to its design
// size at dpi), and the controls laid out as a start at dpi lays them out,
// with their anchors, in whatever size the form now has.
void RescaleMainForm(HWND form, std::int32_t dpi, const RECT* suggested);

}  // namespace trelvane
