#pragma once

#include "vb/export.h"

#include <concepts>
#include <cstddef>
#include <utility>

namespace vb {

// An object as the runtime holds it in object variables and Variants: kept alive by the count of
// the references to it, destroyed by the object itself when the last reference goes.
class VB_API Object {
public:
    virtual void AddRef() noexcept = 0;
    virtual void Release() noexcept = 0;

protected:
    virtual ~Object() = default;
};

// A counted reference to an object; an empty reference is Nothing.
template <class T>
class Ref {
public:
    Ref() = default;
    Ref(std::nullptr_t) {}
    explicit Ref(T* object) : object_(object) {
        if (object_) object_->AddRef();
    }
    Ref(const Ref& other) : Ref(other.object_) {}
    Ref(Ref&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    template <class U>
        requires std::convertible_to<U*, T*>
    Ref(const Ref<U>& other) : Ref(static_cast<T*>(other.get())) {}
    template <class U>
        requires std::convertible_to<U*, T*>
    Ref(Ref<U>&& other) noexcept : object_(other.Detach()) {}
    ~Ref() {
        if (object_) object_->Release();
    }

    Ref& operator=(Ref other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }

    // Takes over a reference that was already counted for the caller (a fresh interface pointer).
    static Ref Adopt(T* object) {
        Ref ref;
        ref.object_ = object;
        return ref;
    }
    // Hands the counted reference to the caller, leaving Nothing behind.
    T* Detach() noexcept { return std::exchange(object_, nullptr); }

    T* get() const noexcept { return object_; }
    T* operator->() const noexcept { return object_; }
    T& operator*() const noexcept { return *object_; }
    explicit operator bool() const noexcept { return object_ != nullptr; }

    // The runtime's Is: the same object, or both Nothing.
    friend bool operator==(const Ref&, const Ref&) = default;

private:
    T* object_ = nullptr;
};

// The runtime's New: a fresh object and the first reference to it.
template <class T, class... Args>
Ref<T> New(Args&&... args) {
    return Ref<T>(new T(std::forward<Args>(args)...));
}

}  // namespace vb
