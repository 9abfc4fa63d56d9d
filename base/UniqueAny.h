#pragma once

#include <utility>

namespace trelvane {

// Owns one handle and releases it exactly once with Release. Move-only: a
// copy would release the same handle twice. Empty is the value that means
// "no handle" (null for pointer-like handles, 0 for identifiers).
template <typename Handle, auto Release, Handle Empty = Handle{}> class UniqueAny {
public:
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
    explicit operator bool() const noexcept { return handle_ != Empty; }

    // Gives the handle up without releasing it.
    [[nodiscard]] Handle release() noexcept { return std::exchange(handle_, Empty); }

    // Releases the held handle (if any) and holds handle instead.
    void reset(Handle handle = Empty) noexcept {
        const Handle old = std::exchange(handle_, handle);
        if (old != Empty) Release(old);
    }

private:
    Handle handle_ = Empty;
};

}  // namespace trelvane
