#pragma once

#include <utility>

namespace trelvane {

// A counted reference to an object that counts itself (AddRef / Release).
// Copying takes another reference; the object goes when the last one does.
template <typename T> class RefPtr {
public:
    RefPtr() noexcept = default;
    ~RefPtr() { reset(); }

    // Takes over a reference the caller already holds (a new object's first).
    [[nodiscard]] static RefPtr Adopt(T* object) noexcept { return RefPtr(object); }
    // Takes a new reference to object.
    [[nodiscard]] static RefPtr Share(T* object) noexcept {
        if (object) object->AddRef();
        return RefPtr(object);
    }

    RefPtr(const RefPtr& other) noexcept : object_(other.object_) {
        if (object_) object_->AddRef();
    }
    RefPtr& operator=(const RefPtr& other) noexcept {
        RefPtr copy(other);
        std::swap(object_, copy.object_);
        return *this;
    }
    RefPtr(RefPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    RefPtr& operator=(RefPtr&& other) noexcept {
        RefPtr taken(std::move(other));
        std::swap(object_, taken.object_);
        return *this;
    }

    T* get() const noexcept { return object_; }
    T* operator->() const noexcept { return object_; }
    T& operator*() const noexcept { return *object_; }
    explicit operator bool() const noexcept { return object_ != nullptr; }

    // Drops this reference.
    void reset() noexcept {
        if (T* object = std::exchange(object_, nullptr)) object->Release();
    }

private:
    explicit RefPtr(T* object) noexcept : object_(object) {}

    T* object_ = nullptr;
};

}  // namespace trelvane
