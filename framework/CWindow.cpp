#include "CWindow.h"

#include <commctrl.h>

#include <new>

#include "Centring.h"
#include "ControlRecord.h"
#include "FontSpec.h"
#include "Fonts.h"
#include "FormClassName.h"
#include "WindowQueries.h"
#include "WindowsText.h"

namespace trelvane {
namespace {

// Form classes registered so far in this process; the next one's number.
int gClassCounter = 0;

constexpr std::size_t kMaxTooltipText = 79;
constexpr DWORD kAllCommonControlClasses = 0x7FFF;
constexpr UINT kFormClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
// One pointer to the owning CWindow.
constexpr int kFormClassExtraBytes = sizeof(LONG_PTR);
constexpr int kFormWindowExtraBytes = 4;
constexpr DWORD kDefaultFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kDefaultFormExStyle = WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE;
constexpr DWORD kDefaultControlStyle = WS_VISIBLE | WS_TABSTOP;

bool IsDefaultStyle(DWORD style) { return style == 0 || style == kDefaultStyle; }

}  // namespace

CWindowRef CWindow::Create() { return CWindowRef::Adopt(new (std::nothrow) CWindow); }

CWindow::CWindow() : hinstance(GetModuleHandleW(nullptr)) {
    SetDpi(-1.0f);
    const double version = WindowsVersion();
    if (default_face.empty()) default_face = trelvane::DefaultFace(version);
    if (default_points == 0) default_points = trelvane::DefaultPoints(version);
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), kAllCommonControlClasses};
    InitCommonControlsEx(&classes);
}

CWindow::~CWindow() {
    // A window that outlives its object must not lead ObjectOfWindow to freed memory.
    if (hwnd && IsWindow(hwnd) && GetClassLongPtrW(hwnd, 0) == reinterpret_cast<ULONG_PTR>(this)) {
        SetClassLongPtrW(hwnd, 0, 0);
    }
    form_font.reset();
    registered_class.reset();
}

void CWindow::AddRef() noexcept { ++references_; }

void CWindow::Release() noexcept {
    if (--references_ == 0) delete this;
}

void CWindow::SetClassName(std::string_view name) { class_name = name.substr(0, kMaxClassNameLength); }

HWND CWindow::CreateForm(const NewForm& form) {
    if (hwnd) return hwnd;
    Placement at = form.at;
    if (at.width == 0) {
        at.width = CW_USEDEFAULT;
        if (at.x == 0) at.x = CW_USEDEFAULT;
    }
    RegisteredClass formClass = RegisterFormClass(class_name, hinstance, form.windowProc);
    if (!formClass) return nullptr;
    class_atom = formClass.Atom();
    registered_class = std::move(formClass);
    const DWORD style = IsDefaultStyle(form.style) ? kDefaultFormStyle : form.style;
    const DWORD exStyle = IsDefaultStyle(form.exStyle) ? kDefaultFormExStyle : form.exStyle;
    form_font = MakeScaledFont({.face = default_face, .points = default_points});
    if (form.units == Units::kDesign) at = ScaleDesignUnits(at, scaling);
    // WM_CREATE finds the object through this (ObjectFromCreateData).
    CWindow* self = this;
    // A Unicode window: the form and every text it holds keep any character.
    hwnd = CreateWindowExW(exStyle, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(class_atom)),
                           WideFromUtf8(form.caption).c_str(), style, at.x, at.y, at.width, at.height, form.parent,
                           nullptr, hinstance, &self);
    if (!hwnd) return nullptr;
    SetClassLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(this));
    class_name = ClassNameOf(hwnd);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(form_font.get()), FALSE);
    return hwnd;
}

void CWindow::Centre(HWND window, HWND relativeTo) {
    if (!window) window = hwnd;
    RECT own{};
    GetWindowRect(window, &own);
    // The work area of the monitor the window is on, which need not be the
    // primary one; for the primary one, the system's setting, which is the
    // same on Windows and which Wine's monitor information does not follow.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    const bool onOther = GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor) &&
                         !(monitor.dwFlags & MONITORINFOF_PRIMARY);
    RECT work = monitor.rcWork;
    if (!onOther && !SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
        work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    RECT reference = work;
    if (relativeTo) GetWindowRect(relativeTo, &reference);
    const Point corner = CentredPosition(ToRect(reference), ToRect(work), own.right - own.left, own.bottom - own.top);
    POINT position{corner.x, corner.y};
    // A child is positioned in its parent's client area, whatever it was centred over.
    if (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) MapWindowPoints(HWND_DESKTOP, GetParent(window), &position, 1);
    SetWindowPos(window, nullptr, position.x, position.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CWindow::SetHandle(HWND window) {
    if (!hwnd) hwnd = window;
}

UniqueFont CWindow::MakeScaledFont(const FontRequest& request) const { return MakeScaledFontAt(scaling.Dpi, request); }

void CWindow::SetBigIcon(HICON icon) { SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon)); }

void CWindow::SetSmallIcon(HICON icon) { SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon)); }

void CWindow::SetClassStyle(DWORD style) {
    if (hwnd) SetClassLongW(hwnd, GCL_STYLE, static_cast<LONG>(style));
}

void CWindow::SetBackgroundBrush(HBRUSH brush) {
    if (!hwnd) return;
    SetClassLongPtrW(hwnd, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
}

void CWindow::SetDpi(float dpi) { scaling = ScreenScaling(dpi); }

HWND CWindow::AddControl(const NewControl& control) {
    const DWORD style = (control.style == kDefaultStyle ? kDefaultControlStyle : control.style) | WS_CHILD;
    const DWORD exStyle = control.exStyle == kDefaultStyle ? 0 : control.exStyle;
    const Placement at = control.units == Units::kDesign ? ScaleDesignUnits(control.at, scaling) : control.at;
    // A control made with the W function keeps its text in UTF-16; one made
    // with the A function keeps it in the ANSI code page and loses what that
    // cannot hold.
    const HWND made =
        CreateWindowExW(exStyle, WideFromUtf8(control.className).c_str(), WideFromUtf8(control.text).c_str(), style,
                        at.x, at.y, at.width, at.height, control.parent ? control.parent : hwnd,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), hinstance, control.createParam);
    if (made && control.windowProc) {
        const LONG_PTR oldProc = SetWindowLongPtrW(made, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control.windowProc));
        SetPropW(made, kOldWndProcProperty, reinterpret_cast<HANDLE>(oldProc));
    }
    return made;
}

UniqueWindow CWindow::AddTooltip(HWND control, std::string_view text, bool balloon, bool centre) {
    if (!control) return {};
    DWORD style = WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP;
    if (balloon) style |= TTS_BALLOON;
    UniqueWindow tooltip{CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, style, 0, 0, 0, 0, nullptr, nullptr,
                                         hinstance, nullptr)};
    if (!tooltip) return tooltip;
    SetWindowPos(tooltip.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    std::wstring shown = WideFromUtf8(text);
    if (shown.size() > kMaxTooltipText) shown.resize(kMaxTooltipText);
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    // Known by its window rather than a rectangle, the tool follows the
    // control wherever anchoring moves or stretches it.
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | (centre ? TTF_CENTERTIP : 0u);
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.hinst = GetModuleHandleW(nullptr);
    tool.lpszText = shown.data();
    SendMessageW(tooltip.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return tooltip;
}

RegisteredClass RegisterFormClass(std::string_view name, HINSTANCE instance, WNDPROC windowProc) {
    const std::wstring registeredName = WideFromUtf8(FormClassName(name, gClassCounter));
    WNDCLASSEXW formClass{};
    formClass.cbSize = sizeof formClass;
    formClass.style = kFormClassStyle;
    formClass.lpfnWndProc = windowProc ? windowProc : DefaultFormProc;
    formClass.cbClsExtra = kFormClassExtraBytes;
    formClass.cbWndExtra = kFormWindowExtraBytes;
    formClass.hInstance = instance;
    formClass.hIcon = nullptr;
    formClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    formClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    formClass.lpszMenuName = nullptr;
    formClass.lpszClassName = registeredName.c_str();
    formClass.hIconSm = nullptr;
    const ATOM atom = RegisterClassExW(&formClass);
    if (atom) ++gClassCounter;
    return RegisteredClass(atom, instance);
}

CWindowRef ObjectOfWindow(HWND window) {
    if (!window) return {};
    const HWND root = GetAncestor(window, GA_ROOTOWNER);
    if (!root) return {};
    return CWindowRef::Share(reinterpret_cast<CWindow*>(GetClassLongPtrW(root, 0)));
}

CWindowRef ObjectFromCreateData(const CREATESTRUCTW* create) {
    if (!create || !create->lpCreateParams) return {};
    return CWindowRef::Share(*static_cast<CWindow* const*>(create->lpCreateParams));
}

bool SysCloseToClose(HWND form, WPARAM command) {
    // The low four bits of a system command are Windows' own.
    if ((command & 0xFFF0) != SC_CLOSE) return false;
    SendMessageW(form, WM_CLOSE, 0, 0);
    return true;
}

LRESULT CALLBACK DefaultFormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SYSCOMMAND:
            if (SysCloseToClose(hwnd, wParam)) return 0;
            break;
        case WM_COMMAND:
            if (LOWORD(wParam) != IDCANCEL || HIWORD(wParam) != 0) break;
            SendMessageW(hwnd, WM_CLOSE, 0, 0);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace trelvane
