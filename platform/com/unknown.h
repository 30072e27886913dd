#pragma once

#include "com/export.h"
#include "com/guid.h"
#include "vb/object.h"

namespace com {

// The interfaces an interface derives from, so that a query for any of them finds the object.
template <class... Interfaces>
struct InterfaceList {};

// The root of every interface of a component: an object that says which interfaces it has.
// Interfaces derive from their bases virtually, so an object holds each interface once, and every
// interface names its identifier (kIid) and its bases (Bases).
class COM_API Unknown : public vb::Object {
public:
    static constexpr InterfaceId kIid = MakeGuid("{289A932E-D889-4F43-BFC7-82EEC90AC6DB}");
    using Bases = InterfaceList<>;

    // A counted pointer to the interface with that identifier, or nullptr when the object lacks it.
    virtual void* QueryInterface(const InterfaceId& iid) = 0;
};

// The object's interface I, or Nothing when it has none.
template <class I>
vb::Ref<I> QueryInterface(Unknown* object) {
    if (!object) return {};
    return vb::Ref<I>::Adopt(static_cast<I*>(object->QueryInterface(I::kIid)));
}

// The same for an object held as the runtime holds it (a Variant's object, for instance).
template <class I>
vb::Ref<I> QueryInterface(const vb::Ref<vb::Object>& object) {
    return QueryInterface<I>(dynamic_cast<Unknown*>(object.get()));
}

}  // namespace com
