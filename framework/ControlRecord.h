#pragma once

#include <windows.h>

#include <cstdint>
#include <new>
#include <string>
#include <string_view>

#include "WinHandles.h"

namespace trelvane {

// Window properties of the framework. Each window that has them owns what
// they point to, and its own WM_DESTROY handling frees it.
inline constexpr const wchar_t* kRecordProperty = L"KEL_PTR";
inline constexpr const wchar_t* kTagProperty = L"KEL_TAGPROPERTY";
inline constexpr const wchar_t* kTag2Property = L"KEL_TAGPROPERTY2";
// Previous window procedure of a control subclassed by CWindow::AddControl.
// It holds a code address, nothing to free; Windows drops it with the window.
inline constexpr const wchar_t* kOldWndProcProperty = L"OLDWNDPROC";

// The background brush of a record: either one the record owns (deleted with
// it) or a system colour brush, which belongs to Windows and is only borrowed.
class RecordBrush {
public:
    HBRUSH get() const noexcept { return owned_ ? owned_.get() : system_; }
    explicit operator bool() const noexcept { return get() != nullptr; }
    void Own(UniqueBrush brush) noexcept {
        owned_ = std::move(brush);
        system_ = nullptr;
    }
    void UseSystem(HBRUSH systemBrush) noexcept {
        owned_.reset();
        system_ = systemBrush;
    }
    void reset() noexcept { UseSystem(nullptr); }

private:
    UniqueBrush owned_;
    HBRUSH system_ = nullptr;  // borrowed from Windows
};

// What the framework remembers about one window (a form or a control). It is
// allocated zero-filled from the process heap, hung on its window as the
// "KEL_PTR" property, and freed, with the font, brush, accelerators and timer
// it owns, by that window's own WM_DESTROY handling (ControlProc for a
// control, DestroyFormRecord for a form).
struct ControlRecord {
    WNDPROC old_proc = nullptr;  // control: the procedure SetupControl replaced
    HWND hwnd = nullptr;         // borrowed: the window this record belongs to
    HWND owner = nullptr;        // form: borrowed, window disabled while the form runs modally
    std::int32_t is_form = 0;
    std::int32_t modal = 0;
    UniqueFont font;          // control: made from its font specification
    UniqueAccel accel;        // form
    UniqueThreadTimer timer;  // form: a thread timer (no window)
    std::int32_t user_value = 0;
    HWND last_focus = nullptr;  // form: borrowed, the control that last had the focus
    std::int32_t select_all_on_focus = 0;
    std::int32_t colours_on = 0;
    std::int32_t text_is_sys = 0;
    std::int32_t back_is_sys = 0;
    RecordBrush brush;
    COLORREF text_colour = 0;  // RGB, or a COLOR_ index when text_is_sys
    COLORREF back_colour = 0;  // RGB, or a COLOR_ index when back_is_sys
    std::int32_t layout_captured = 0;
    RECT parent_rect0{};          // parent's client rectangle at capture
    RECT rect0{};                 // the window in its parent's client coordinates at capture
    std::string anchor;           // at most kMaxAnchorLength characters
    void* create_data = nullptr;  // form: WM_CREATE creation data, kept for its owner; nothing reads it

    // Records live on the process heap, zero-filled; new gives null on failure.
    static void* operator new(std::size_t size, const std::nothrow_t&) noexcept;
    static void operator delete(void* block) noexcept;
    static void operator delete(void* block, const std::nothrow_t&) noexcept;
};

// The record of hwnd, borrowed from the window; null when it has none.
ControlRecord* RecordOf(HWND hwnd);

// How SetupControl sets up a control. Designated initialisers read well:
//     SetupControl(edit, {.subclass = true, .useFont = true, .fontSpec = "Tahoma,10,1", ...});
struct ControlSetup {
    bool subclass = false;  // replace the window procedure by newProc
    bool useFont = false;   // make and set a font from fontSpec
    std::string_view fontSpec{};
    std::int32_t userValue = 0;
    bool coloursOn = false;  // answer colour messages from the fields below
    bool textIsSys = false;
    bool backIsSys = false;
    COLORREF textColour = 0;        // RGB, or a COLOR_ index when textIsSys
    COLORREF backColour = 0;        // RGB, or a COLOR_ index when backIsSys
    UniqueBrush brush{};            // taken by the record; empty: chosen from backColour
    WNDPROC newProc = nullptr;      // usually ControlProc; null leaves the procedure alone
    std::string_view anchorSpec{};  // see AnchorSpec.h
    bool substituteFace = false;    // the version's default face instead of fontSpec's
};

// Attaches a record to a control right after its window exists: subclasses
// it, gives it its font (and a date-time picker's calendar the same font),
// stores the anchor and the colour rule. Returns the record, which the
// window owns, or null (nothing done) when it cannot be allocated or attached.
ControlRecord* SetupControl(HWND hwnd, ControlSetup setup);

// The window procedure of every control set up with subclassing. On
// WM_DESTROY it frees the record, font, brush and tags and puts the old
// procedure back; on WM_SETFOCUS it sets or clears the selection and tells
// the form's record that this control has the focus.
LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// What ControlProc does on WM_DESTROY before passing it on, for a control
// whose own procedure stands in for ControlProc: frees the record (with its
// brush and font) and both tags, restores the old procedure and returns it.
WNDPROC ReleaseControlRecord(HWND hwnd);

// The form's record, for its WM_CREATE: null when it cannot be allocated,
// and the form must then fail its creation (return -1).
ControlRecord* CreateFormRecord(HWND form);

// The form's WM_DESTROY step: frees the record with its brush, accelerators
// and timer, frees both tags and removes the "KEL_PTR" property.
void DestroyFormRecord(HWND form);

}  // namespace trelvane
