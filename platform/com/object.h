#pragma once

#include "com/unknown.h"

#include <atomic>

namespace com {

namespace module {

// The objects alive whose code lies in this library (or program). Each library keeps its own
// count, since the symbol is hidden: a component library answers DllCanUnloadNow by it.
[[gnu::visibility("hidden")]] inline std::atomic<long> liveObjects{0};

}  // namespace module

namespace detail {

template <class I, class... Bases>
void* FindInterface(I* object, const InterfaceId& iid, InterfaceList<Bases...>) {
    if (iid == I::kIid) return static_cast<void*>(object);
    void* found = nullptr;
    ((found = found ? found : FindInterface(static_cast<Bases*>(object), iid, typename Bases::Bases{})), ...);
    return found;
}

}  // namespace detail

// The reference-counted base of a component's objects: it implements the counting and the query
// for the listed interfaces (and all their bases), and counts the object as alive in the library
// whose code creates it. Objects start with no reference; vb::New gives them the first.
template <class... Interfaces>
class Object : public Interfaces... {
public:
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    void AddRef() noexcept final { references_.fetch_add(1, std::memory_order_relaxed); }
    void Release() noexcept final {
        if (references_.fetch_sub(1, std::memory_order_acq_rel) == 1) delete this;
    }
    void* QueryInterface(const InterfaceId& iid) override {
        void* found = nullptr;
        ((found = found ? found
                        : detail::FindInterface(static_cast<Interfaces*>(this), iid, typename Interfaces::Bases{})),
         ...);
        if (found) AddRef();
        return found;
    }

protected:
    Object() { module::liveObjects.fetch_add(1, std::memory_order_relaxed); }
    ~Object() override { module::liveObjects.fetch_sub(1, std::memory_order_acq_rel); }

private:
    std::atomic<long> references_{0};
};

}  // namespace com
