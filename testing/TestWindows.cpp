#include "TestWindows.h"

#include <cstdlib>

#include "Anchoring.h"
#include "Colours.h"
#include "ControlRecord.h"
#include "WindowQueries.h"

namespace trelvane::test {
namespace {

// The application declares itself DPI-aware in its manifest; the tests do it here.
[[maybe_unused]] const bool gDpiAware = SetProcessDPIAware() != FALSE;

LRESULT CALLBACK TestFormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
    const ControlRecord* record = RecordOf(form);
    if (message == WM_CREATE) return CreateFormRecord(form) ? 0 : -1;
    if (message == WM_DESTROY) DestroyFormRecord(form);
    if (message == WM_SIZE) AnchorOnSize(form, wParam);
    if (message == WM_SETFOCUS && record && record->last_focus) SetFocus(record->last_focus);
    if (message == WM_SYSCOLORCHANGE) EnumChildWindows(form, RefreshSysColors, 0);
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        if (auto brush = ControlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
            return reinterpret_cast<LRESULT>(*brush);
        }
    }
    return DefWindowProcA(form, message, wParam, lParam);
}

void Register(const char* name, WNDPROC procedure) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);  // fails, harmlessly, once registered
}

}  // namespace

int ExpectedDpi() {
    const char* dpi = std::getenv("TRELVANE_DPI");
    return dpi && *dpi ? std::atoi(dpi) : 96;
}

bool PumpMessages() {
    bool quit = false;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        quit = quit || message.message == WM_QUIT;
        DispatchMessageA(&message);
    }
    return quit;
}

UniqueWindow MakeTestForm(int width, int height) {
    Register("FORM_TrelvaneTest", TestFormProc);
    UniqueWindow form{CreateWindowExA(WS_EX_CONTROLPARENT, "FORM_TrelvaneTest", "Test form", WS_POPUP, 20, 20, width,
                                      height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)};
    // Not activated: without a window manager Wine waits two seconds for one
    // whenever an activated top-level window goes away.
    ShowWindow(form.get(), SW_SHOWNOACTIVATE);
    PumpMessages();
    return form;
}

HWND MakeChild(HWND parent, const char* className, int x, int y, int width, int height) {
    return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE, x, y, width, height, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

Rect ChildRect(HWND child) { return ToRect(RectInParent(child)); }

LOGFONTA FontInfo(HFONT font) {
    LOGFONTA info{};
    GetObjectA(font, sizeof info, &info);
    return info;
}

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<FinalState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY && state) {
        *state = {GetPropA(hwnd, kRecordProperty), GetPropA(hwnd, kTagProperty), GetPropA(hwnd, kTag2Property),
                  reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC))};
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND MakeProbe(HWND parent, FinalState* state) {
    Register("TrelvaneProbe", ProbeProc);
    const HWND probe = MakeChild(parent, "TrelvaneProbe", 10, 10, 50, 20);
    SetWindowLongPtrA(probe, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    return probe;
}

}  // namespace trelvane::test
