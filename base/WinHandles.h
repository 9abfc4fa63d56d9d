#pragma once

// Windows only, unlike the rest of base/: owners of what the system hands
// the caller to give back, each released once, with the call that fits it.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shtypes.h>

#include <utility>

#include "UniqueAny.h"

namespace trelvane {

// Release calls with the shape UniqueAny wants.
namespace release {
inline void DeleteFont(HFONT font) { DeleteObject(font); }
inline void DeleteBrush(HBRUSH brush) { DeleteObject(brush); }
inline void DeleteDeviceContext(HDC dc) { DeleteDC(dc); }
inline void DestroyAccelerators(HACCEL accel) { DestroyAcceleratorTable(accel); }
inline void DestroyMenuHandle(HMENU menu) { DestroyMenu(menu); }
inline void DestroyOwnedWindow(HWND window) { DestroyWindow(window); }
inline void FreeHeapBlock(void* block) { HeapFree(GetProcessHeap(), 0, block); }
inline void FreeGlobalBlock(HGLOBAL block) { GlobalFree(block); }
inline void KillThreadTimer(UINT_PTR timer) { KillTimer(nullptr, timer); }
inline void EnableAgain(HWND window) { EnableWindow(window, TRUE); }
inline void FreeLibraryHandle(HMODULE library) { FreeLibrary(library); }
inline void CloseFileHandle(HANDLE file) { CloseHandle(file); }
inline void CloseSearch(HANDLE search) { FindClose(search); }
inline void FinishDrop(HDROP drop) { DragFinish(drop); }
inline void FreeItemList(LPITEMIDLIST items) { CoTaskMemFree(items); }
}  // namespace release

using UniqueFont = UniqueAny<HFONT, release::DeleteFont>;
using UniqueBrush = UniqueAny<HBRUSH, release::DeleteBrush>;
using UniqueDc = UniqueAny<HDC, release::DeleteDeviceContext>;  // from CreateDC
using UniqueAccel = UniqueAny<HACCEL, release::DestroyAccelerators>;
using UniqueMenu = UniqueAny<HMENU, release::DestroyMenuHandle>;  // a menu no window holds
using UniqueWindow = UniqueAny<HWND, release::DestroyOwnedWindow>;
using UniqueHeapBlock = UniqueAny<void*, release::FreeHeapBlock>;         // from the process heap
using UniqueThreadTimer = UniqueAny<UINT_PTR, release::KillThreadTimer>;  // SetTimer with no window
using UniqueLibrary = UniqueAny<HMODULE, release::FreeLibraryHandle>;
// A movable global block, as the clipboard takes it; freed unless released
// to the clipboard, which then owns it.
using UniqueGlobal = UniqueAny<HGLOBAL, release::FreeGlobalBlock>;

// A file from CreateFileW and a folder search from FindFirstFileW: both
// fail with INVALID_HANDLE_VALUE, not null, and are held as they come.
using UniqueFile = UniqueAny<HANDLE, release::CloseFileHandle, -1>;
using UniqueSearch = UniqueAny<HANDLE, release::CloseSearch, -1>;
// Items dropped on a window, as WM_DROPFILES hands them over.
using UniqueDrop = UniqueAny<HDROP, release::FinishDrop>;
using UniqueItemList = UniqueAny<LPITEMIDLIST, release::FreeItemList>;  // a shell item list, from COM's allocator

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
        if (const ATOM atom = std::exchange(atom_, ATOM{0})) UnregisterClassW(MAKEINTATOM(atom), instance_);
    }

private:
    ATOM atom_ = 0;
    HINSTANCE instance_ = nullptr;
};

// The clipboard, opened for this window and closed again when the owner
// goes. Neither copied nor moved: only the window that opened it closes it.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) noexcept : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    explicit operator bool() const noexcept { return open_; }

private:
    bool open_;
};

// COM on this thread in a single-threaded apartment (the shell's dialogs
// need one), uninitialised when the owner goes. False when COM did not
// start here (Result() says why); a failed start is not undone, as COM
// counts only the successful ones. Neither copied nor moved: the apartment
// belongs to the thread that made it.
class ComApartment {
public:
    ComApartment() noexcept : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    explicit operator bool() const noexcept { return SUCCEEDED(result_); }
    HRESULT Result() const noexcept { return result_; }

private:
    HRESULT result_;
};

}  // namespace trelvane
