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
    return DefWindowProcW(form, message, wParam, lParam);
}

void Register(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);  // fails, harmlessly, once registered
}

}  // namespace

int ExpectedDpi() {
    const char* dpi = std::getenv("TRELVANE_DPI");
    return dpi && *dpi ? std::atoi(dpi) : 96;
}

bool PumpMessages() {
    bool quit = false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        quit = quit || message.message == WM_QUIT;
        DispatchMessageW(&message);
    }
    return quit;
}

UniqueWindow MakeTestForm(int width, int height) {
    Register(L"FORM_TrelvaneTest", TestFormProc);
    UniqueWindow form{CreateWindowExW(WS_EX_CONTROLPARENT, L"FORM_TrelvaneTest", L"Test form", WS_POPUP, 20, 20, width,
                                      height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)};
    // Not activated: without a window manager Wine waits two seconds for one
    // whenever an activated top-level window goes away.
    ShowWindow(form.get(), SW_SHOWNOACTIVATE);
    PumpMessages();
    return form;
}

ControlSetup EditSetup(std::string_view fontSpec) {
    return {.subclass = true,
            .useFont = true,
            .fontSpec = fontSpec,
            .coloursOn = true,
            .textIsSys = true,
            .backIsSys = true,
            .textColour = COLOR_WINDOWTEXT,
            .backColour = COLOR_WINDOW,
            .newProc = ControlProc,
            .anchorSpec = "S,S,S,S"};
}

HWND MakeChild(HWND parent, const wchar_t* className, int x, int y, int width, int height) {
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE, x, y, width, height, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

Rect ChildRect(HWND child) { return ToRect(RectInParent(child)); }

LOGFONTW FontInfo(HFONT font) {
    LOGFONTW info{};
    GetObjectW(font, sizeof info, &info);
    return info;
}

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<FinalState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY && state) {
        *state = {GetPropW(hwnd, kRecordProperty), GetPropW(hwnd, kTagProperty),
                  reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC))};
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND MakeProbe(HWND parent, FinalState* state) {
    Register(L"TrelvaneProbe", ProbeProc);
    const HWND probe = MakeChild(parent, L"TrelvaneProbe", 10, 10, 50, 20);
    SetWindowLongPtrW(probe, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    return probe;
}

}  // namespace trelvane::test
