#pragma once

#include <cstdint>
#include <type_traits>
#include <utility>

namespace trelvane {

// Owns one handle and releases it exactly once with Release. Move-only: a
// copy would release the same handle twice. Invalid is the value that means
// "no handle": null for pointer-like handles and 0 for identifiers unless
// told otherwise; a number for a pointer-like handle (-1 for the
// INVALID_HANDLE_VALUE of CreateFileW and FindFirstFileW), so that the
// system's failure result can be held as it comes.
template <typename Handle, auto Release, auto Invalid = Handle{}> class UniqueAny {
public:
    static Handle Empty() noexcept {
        if constexpr (std::is_pointer_v<Handle> && std::is_integral_v<decltype(Invalid)>) {
            return reinterpret_cast<Handle>(static_cast<std::intptr_t>(Invalid));
        } else {
            return static_cast<Handle>(Invalid);
        }
    }

    UniqueAny() noexcept = default;
    explicit UniqueAny(Handle handle) noexcept : handle_(handle) {}
    ~UniqueAny() { reset(); }

    UniqueAny(const UniqueAny&) = delete;
    UniqueAny& operator=(const UniqueAny&) = delete;
    UniqueAny(UniqueAny&& other) noexcept : handle_(other.release()) {}
    UniqueAny& operator=(UniqueAny&& other) noexcept {
        reset(other.release());
        return *this;
    }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Empty(); }

    // Gives the handle up without releasing it.
    [[nodiscard]] Handle release() noexcept { return std::exchange(handle_, Empty()); }

    // Releases the held handle (if any) and holds handle instead.
    void reset(Handle handle = Empty()) noexcept {
        const Handle old = std::exchange(handle_, handle);
        if (old != Empty()) Release(old);
    }

private:
    Handle handle_ = Empty();
};

}  // namespace trelvane
