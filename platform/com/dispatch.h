#pragma once

#include "com/unknown.h"
#include "vb/variant.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace com {

// The number under which a member is called late, by identifier instead of by the typed interface.
using DispId = std::int32_t;

// Identifiers are often written as unsigned hexadecimal constants (&HFFFFFE0B and the like).
constexpr DispId MakeDispId(std::uint32_t written) { return static_cast<DispId>(written); }

// How a member is called: a method, a property read, a property assignment (Let) or an object
// property assignment (Set). A caller that cannot tell a method from a property read passes both.
enum class InvokeKind : unsigned { Method = 1, PropertyGet = 2, PropertyPut = 4, PropertyPutRef = 8 };
constexpr InvokeKind operator|(InvokeKind a, InvokeKind b) {
    return static_cast<InvokeKind>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool Includes(InvokeKind kinds, InvokeKind kind) {
    return (static_cast<unsigned>(kinds) & static_cast<unsigned>(kind)) != 0;
}

// An object whose members can be called by identifier.
class COM_API Dispatch : public virtual Unknown {
public:
    static constexpr InterfaceId kIid = MakeGuid("{6659836F-B382-4876-A6BA-9F3932ACC91B}");
    using Bases = InterfaceList<Unknown>;

    // The identifier of a member, found without regard to letter case; error 438 when none.
    virtual DispId GetIDOfName(std::string_view name) = 0;
    // Calls the member. The arguments are in the order of the parameters, the assigned value last
    // for a property assignment; trailing optional ones may be left out. A by-reference parameter
    // is written back into its argument's slot, so the caller reads what the member put there.
    virtual vb::Variant Invoke(DispId member, InvokeKind kind, std::span<vb::Variant> arguments) = 0;
};

}  // namespace com
