#pragma once

// The interface of the small component that the component-layer tests load: a counter with a
// property, a read-only property, by-reference and optional parameters, an event and an error.

#include "com/dispatch.h"
#include "com/events.h"
#include "vb/collection.h"

#include <cstdint>
#include <optional>
#include <string>

namespace counter_test {

inline constexpr com::ClassId kCounterClassId = com::MakeGuid("{396A0A5B-3125-4467-ADE8-269F8F4F91AD}");
inline constexpr const char* kCounterProgId = "QuellmarTest.Counter";

class CounterEvents : public virtual com::Unknown {
public:
    static constexpr com::InterfaceId kIid = com::MakeGuid("{54932CA2-4A6E-465B-8A01-C104B55D5FAC}");
    using Bases = com::InterfaceList<com::Unknown>;

    // Before a step: a handler may change the amount or cancel the step.
    virtual void Stepping(std::int32_t& Amount, bool& Cancel) = 0;
};

class Counter : public virtual com::Dispatch, public com::EventSource<CounterEvents> {
public:
    static constexpr com::InterfaceId kIid = com::MakeGuid("{1BF5BD50-1066-4281-AFD2-C3F2514DA23F}");
    using Bases = com::InterfaceList<com::Dispatch>;

    enum Member : com::DispId { kTotal = 1, kName = 2, kAdd = 3, kStep = 4, kGetHistory = 5, kFail = 6, kScale = 7 };

    virtual std::int32_t Total() = 0;
    virtual void LetTotal(std::int32_t value) = 0;
    virtual std::string Name() = 0;
    // Adds Amount Times times (once when left out); false with the reason when the total overflows.
    virtual bool Add(std::string& strError, std::int32_t Amount, std::optional<std::int32_t> Times) = 0;
    // Raises Stepping with 1 and adds what the handlers leave, unless they cancel; the new total.
    virtual std::int32_t Step() = 0;
    // Every total so far, keyed "1", "2", ...
    virtual bool GetHistory(std::string& strError, vb::Ref<vb::Collection>& colHistory) = 0;
    // Raises the component's first application error, "Failed".
    virtual void Fail() = 0;
    // Multiplies both values by the factor, as Singles.
    virtual void Scale(float& X, float& Y, float Factor) = 0;
};

}  // namespace counter_test
