#pragma once

// Windows only, unlike the rest of base/: owners of what the system hands
// the caller to give back.
#include <windows.h>
#include <objbase.h>

#include "UniqueAny.h"

namespace trelvane {

namespace release {
inline void FreeLocalBuffer(HLOCAL buffer) { LocalFree(buffer); }
}  // namespace release

// A block the system allocated for the caller with LocalAlloc, such as the
// text FormatMessage makes with FORMAT_MESSAGE_ALLOCATE_BUFFER.
using UniqueLocalBuffer = UniqueAny<HLOCAL, release::FreeLocalBuffer>;

// COM on this thread in a single-threaded apartment (the shell's dialogs
// need one), uninitialised when the owner goes. A failed initialisation is
// not undone: COM counts only the successful ones. Neither copied nor moved:
// the apartment belongs to the thread that made it.
class ComApartment {
public:
    ComApartment() noexcept : result_(CoInitialize(nullptr)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    HRESULT Result() const noexcept { return result_; }

private:
    HRESULT result_;
};

}  // namespace trelvane
