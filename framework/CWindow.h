#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "Fonts.h"
#include "Geometry.h"
#include "RefPtr.h"
#include "Scaling.h"
#include "WinHandles.h"

namespace trelvane {

// "Pick the default" for a style or extended style argument.
inline constexpr DWORD kDefaultStyle = static_cast<DWORD>(-1);

// What a position and size are given in: design units, scaled by the
// object's ScaleX and ScaleY, or pixels taken as they are.
enum class Units { kDesign, kPixels };

// The form CWindow::CreateForm makes. A width of 0 (and an x of 0 with it)
// leaves position and size to Windows; a style or extended style of 0 or
// kDefaultStyle gives an overlapped window and a control parent.
struct NewForm {
    HWND parent = nullptr;
    std::string_view caption{};
    Placement at{};
    DWORD style = kDefaultStyle;
    DWORD exStyle = kDefaultStyle;
    WNDPROC windowProc = nullptr;  // null: DefaultFormProc
    Units units = Units::kDesign;
};

// A control CWindow::AddControl makes. kDefaultStyle as style gives a
// visible tab stop, as exStyle none; WS_CHILD is always added. With
// windowProc the control is subclassed and its old procedure kept in the
// "OLDWNDPROC" property.
struct NewControl {
    std::string_view className;
    HWND parent = nullptr;  // null: the form
    int id = 0;
    std::string_view text{};
    Placement at{};
    DWORD style = kDefaultStyle;
    DWORD exStyle = 0;
    void* createParam = nullptr;
    WNDPROC windowProc = nullptr;
    Units units = Units::kDesign;
};

class CWindow;
using CWindowRef = RefPtr<CWindow>;

// One form window with the class it is registered under, its default font
// and its scaling context. Counted: whoever holds a CWindowRef holds a
// reference, and the object goes with the last one, deleting its font and
// unregistering its class. The window itself is not destroyed with the
// object (its own close handling does that first); it is only borrowed here.
//
// Use: Create(); SetClassName; SetDpi(-1); CreateForm (the form procedure
// gets the object back in WM_CREATE with ObjectFromCreateData and adds its
// controls with AddControl); SetClassStyle, SetBackgroundBrush, icons;
// Centre(0, 0); run the form; drop the reference.
class CWindow {
public:
    // A new object at the screen's DPI with the version's default face and
    // size; empty when it cannot be allocated.
    [[nodiscard]] static CWindowRef Create();

    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    void AddRef() noexcept;
    void Release() noexcept;

    // The class name to register under; after CreateForm, the name actually
    // registered (with ":" and the running number).
    const std::string& ClassName() const { return class_name; }
    void SetClassName(std::string_view name);  // cut to kMaxClassNameLength characters

    // Registers a new class for the form and creates the window (see
    // NewForm). The form procedure's WM_CREATE runs inside. Returns the
    // window, or null when registration or creation fails. Acts once: later
    // calls return the window it already has.
    HWND CreateForm(const NewForm& form);

    // Centres window (null: the form) over relativeTo (null: the work area),
    // kept inside the work area of the monitor the window is on. A child window is placed in its parent's
    // client coordinates.
    void Centre(HWND window, HWND relativeTo);

    HWND GetHandle() const { return hwnd; }
    void SetHandle(HWND window);  // only while the object has no window

    // A font for this object's Dpi (see MakeScaledFontAt); the caller owns it.
    [[nodiscard]] UniqueFont MakeScaledFont(const FontRequest& request) const;
    // The form's default font, owned by the object.
    HFONT FormFont() const { return form_font.get(); }

    // Icons stay the caller's (shared icons from LoadIcon need no freeing).
    void SetBigIcon(HICON icon);
    void SetSmallIcon(HICON icon);

    // The form class's style and background; nothing without a window.
    // A brush given to SetBackgroundBrush becomes the class's: Windows
    // deletes a class background brush when the class is unregistered.
    void SetClassStyle(DWORD style);
    void SetBackgroundBrush(HBRUSH brush);

    float GetDpi() const { return static_cast<float>(scaling.Dpi); }
    // dpi rounded halves to even becomes Dpi and dpi / 96 both factors; a
    // negative dpi means the screen's.
    void SetDpi(float dpi);
    float GetScaleX() const { return scaling.ScaleX; }
    float GetScaleY() const { return scaling.ScaleY; }

    // Creates a child control (see NewControl). Returns the control (owned
    // by its parent) or null.
    HWND AddControl(const NewControl& control);

    // A topmost tooltip showing text (first 79 characters) over control.
    // The tooltip has no parent, so the caller owns it; empty when control
    // is null or the tooltip cannot be made.
    [[nodiscard]] UniqueWindow AddTooltip(HWND control, std::string_view text, bool balloon, bool centre);

private:
    CWindow();
    ~CWindow();

    long references_ = 1;
    HWND hwnd = nullptr;  // borrowed: the window owns itself
    HINSTANCE hinstance = nullptr;
    UniqueFont form_font;
    Scaling scaling;  // Dpi, ScaleX, ScaleY
    ATOM class_atom = 0;
    RegisteredClass registered_class;  // owns class_atom
    std::int32_t default_points = 0;
    std::string class_name;
    std::string default_face;
};

// Registers a form window class named FormClassName(name, counter) with the
// next running number (first 0), window procedure windowProc or
// DefaultFormProc, room for the owning object in the class extra bytes, the
// arrow cursor and the button face background. Empty on failure.
[[nodiscard]] RegisteredClass RegisterFormClass(std::string_view name, HINSTANCE instance, WNDPROC windowProc);

// The object of the form that owns window (through its root owner's class),
// as a new reference; empty when there is none.
[[nodiscard]] CWindowRef ObjectOfWindow(HWND window);

// The object whose CreateForm is running, from the CREATESTRUCTW of
// WM_CREATE, as a new reference; empty when there is none.
[[nodiscard]] CWindowRef ObjectFromCreateData(const CREATESTRUCTW* create);

// A form procedure's WM_SYSCOMMAND step: the system menu's Close (the close
// box, Alt+F4) becomes the form's own WM_CLOSE, so that every way of closing
// runs the same handling. True when it was Close and has been handled.
bool SysCloseToClose(HWND form, WPARAM command);

// Window procedure of forms that give none: Close and Escape (IDCANCEL)
// close the form, and its destruction ends the message loop.
LRESULT CALLBACK DefaultFormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace trelvane
