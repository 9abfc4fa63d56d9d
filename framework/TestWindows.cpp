#include "TestWindows.h"

#include <cstdlib>

#include "Anchoring.h"
#include "Colours.h"
#include "ControlRecord.h"

namespace trelvane::test {
namespace {

// The application declares itself DPI-aware in its manifest; the tests do it here.
const bool gDpiAware = SetProcessDPIAware() != FALSE;

constexpr const char* kTestFormClass = "FORM_TrelvaneTest";
constexpr const char* kProbeClass = "TrelvaneProbe";

LRESULT OnCreate(HWND form) { return CreateFormRecord(form) ? 0 : -1; }

void OnSetFocus(HWND form) {
    const ControlRecord* record = RecordOf(form);
    if (record && record->last_focus) SetFocus(record->last_focus);
}

LRESULT CALLBACK TestFormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            if (OnCreate(form) != 0) return -1;
            break;
        case WM_DESTROY:
            DestroyFormRecord(form);
            return 0;
        case WM_SIZE:
            AnchorOnSize(form, wParam);
            break;
        case WM_SETFOCUS:
            OnSetFocus(form);
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
            if (auto brush = ControlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
                return reinterpret_cast<LRESULT>(*brush);
            }
            break;
        case WM_SYSCOLORCHANGE:
        case WM_THEMECHANGED:
            EnumChildWindows(form, RefreshSysColors, 0);
            break;
        default:
            break;
    }
    return DefWindowProcA(form, message, wParam, lParam);
}

void RegisterOnce(const char* name, WNDPROC procedure) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExA(GetModuleHandleA(nullptr), name, &windowClass)) return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
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
        if (message.message == WM_QUIT) quit = true;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return quit;
}

UniqueWindow MakeTestForm(int clientWidth, int clientHeight) {
    RegisterOnce(kTestFormClass, TestFormProc);
    UniqueWindow form{CreateWindowExA(WS_EX_CONTROLPARENT, kTestFormClass, "Test form",
                                      WS_POPUP | WS_CLIPCHILDREN, 20, 20, clientWidth, clientHeight, nullptr,
                                      nullptr, GetModuleHandleA(nullptr), nullptr)};
    // Not activated: without a window manager Wine waits two seconds for one
    // whenever an activated top-level window goes away.
    ShowWindow(form.get(), SW_SHOWNOACTIVATE);
    PumpMessages();
    return form;
}

HWND MakeChild(HWND parent, const char* className, int x, int y, int width, int height, DWORD style, int id) {
    return CreateWindowExA(0, className, "", WS_CHILD | style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

Rect ChildRect(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

LOGFONTA FontInfo(HFONT font) {
    LOGFONTA info{};
    GetObjectA(font, sizeof info, &info);
    return info;
}

bool IsGdiObject(HGDIOBJ handle) { return GetObjectType(handle) != 0; }

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        if (auto* finalState = reinterpret_cast<ProbeFinalState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA))) {
            finalState->destroyed = true;
            finalState->record = GetPropA(hwnd, kRecordProperty);
            finalState->tag = GetPropA(hwnd, kTagProperty);
            finalState->tag2 = GetPropA(hwnd, kTag2Property);
            finalState->procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
        }
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND MakeProbe(HWND parent, ProbeFinalState* finalState) {
    RegisterOnce(kProbeClass, ProbeProc);
    const HWND probe = MakeChild(parent, kProbeClass, 10, 10, 50, 20);
    SetWindowLongPtrA(probe, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(finalState));
    return probe;
}

}  // namespace trelvane::test
