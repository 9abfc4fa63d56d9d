#pragma once

#include <windows.h>

#include <utility>

#include "UniqueAny.h"

namespace trelvane {

// Release calls with the shape UniqueAny wants.
namespace release {
inline void DeleteFont(HFONT font) { DeleteObject(font); }
inline void DeleteBrush(HBRUSH brush) { DeleteObject(brush); }
inline void DeleteDeviceContext(HDC dc) { DeleteDC(dc); }
inline void DestroyAccelerators(HACCEL accel) { DestroyAcceleratorTable(accel); }
inline void DestroyOwnedWindow(HWND window) { DestroyWindow(window); }
inline void FreeHeapBlock(void* block) { HeapFree(GetProcessHeap(), 0, block); }
inline void KillThreadTimer(UINT_PTR timer) { KillTimer(nullptr, timer); }
inline void EnableAgain(HWND window) { EnableWindow(window, TRUE); }
inline void DestroyMenuHandle(HMENU menu) { DestroyMenu(menu); }
}  // namespace release

using UniqueFont = UniqueAny<HFONT, release::DeleteFont>;
using UniqueBrush = UniqueAny<HBRUSH, release::DeleteBrush>;
using UniqueDc = UniqueAny<HDC, release::DeleteDeviceContext>;  // from CreateDC
using UniqueAccel = UniqueAny<HACCEL, release::DestroyAccelerators>;
using UniqueWindow = UniqueAny<HWND, release::DestroyOwnedWindow>;
using UniqueMenu = UniqueAny<HMENU, release::DestroyMenuHandle>;          // a menu no window holds
using UniqueHeapBlock = UniqueAny<void*, release::FreeHeapBlock>;         // from the process heap
using UniqueThreadTimer = UniqueAny<UINT_PTR, release::KillThreadTimer>;  // SetTimer with no window

// The owner of a modal form, disabled while the form runs and enabled again
// when this goes, however the form ends.
using DisabledOwner = UniqueAny<HWND, release::EnableAgain>;

// Disables owner (nothing when it is null) and returns what enables it again.
[[nodiscard]] inline DisabledOwner DisableOwner(HWND owner) {
    if (owner) EnableWindow(owner, FALSE);
    return DisabledOwner{owner};
}

// The screen's device context, borrowed with GetDC and given back on scope
// exit. Null when the screen cannot be had.
class ScreenDc {
public:
    ScreenDc() noexcept : dc_(GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_) ReleaseDC(nullptr, dc_);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;

    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }
    // A capability of the screen, 0 when there is no screen to ask.
    int Caps(int index) const noexcept { return dc_ ? GetDeviceCaps(dc_, index) : 0; }

private:
    HDC dc_;
};

// A registered window class, unregistered when the owner goes. Windows
// refuses to unregister a class while windows of it exist; the class then
// stays until the process ends.
class RegisteredClass {
public:
    RegisteredClass() noexcept = default;
    RegisteredClass(ATOM atom, HINSTANCE instance) noexcept : atom_(atom), instance_(instance) {}
    ~RegisteredClass() { reset(); }
    RegisteredClass(const RegisteredClass&) = delete;
    RegisteredClass& operator=(const RegisteredClass&) = delete;
    RegisteredClass(RegisteredClass&& other) noexcept
        : atom_(std::exchange(other.atom_, ATOM{0})), instance_(other.instance_) {}
    RegisteredClass& operator=(RegisteredClass&& other) noexcept {
        if (this != &other) {
            reset();
            atom_ = std::exchange(other.atom_, ATOM{0});
            instance_ = other.instance_;
        }
        return *this;
    }

    ATOM Atom() const noexcept { return atom_; }
    explicit operator bool() const noexcept { return atom_ != 0; }
    void reset() noexcept {
        if (const ATOM atom = std::exchange(atom_, ATOM{0})) UnregisterClassA(MAKEINTATOM(atom), instance_);
    }

private:
    ATOM atom_ = 0;
    HINSTANCE instance_ = nullptr;
};

}  // namespace trelvane
