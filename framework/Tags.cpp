#include "Tags.h"

#include <cstring>

#include "ControlRecord.h"
#include "WinHandles.h"

namespace trelvane {
namespace {

void StoreTag(HWND hwnd, const wchar_t* property, std::string_view text) {
    if (!IsWindow(hwnd)) return;
    UniqueHeapBlock previous{RemovePropW(hwnd, property)};
    previous.reset();
    const bool terminated = !text.empty() && text.back() == '\0';
    const std::size_t size = text.size() + (terminated ? 0 : 1);
    UniqueHeapBlock copy{HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size)};
    if (copy && !text.empty()) std::memcpy(copy.get(), text.data(), text.size());
    // A failed allocation still sets the property, to null.
    if (SetPropW(hwnd, property, copy.get())) (void)copy.release();
}

}  // namespace

void SetTag(HWND hwnd, std::string_view text) { StoreTag(hwnd, kTagProperty, text); }

void SetTag2(HWND hwnd, std::string_view text) { StoreTag(hwnd, kTag2Property, text); }

void ReleaseTags(HWND hwnd) {
    UniqueHeapBlock{RemovePropW(hwnd, kTagProperty)}.reset();
    UniqueHeapBlock{RemovePropW(hwnd, kTag2Property)}.reset();
}

}  // namespace trelvane
