#pragma once

#include "com/unknown.h"

#include <cstdint>

namespace com {

// The platform's picture object, which controls take as their Picture, MouseIcon and Image
// properties. The user-interface library makes pictures; here is what every holder may ask.
class COM_API Picture : public virtual Unknown {
public:
    static constexpr InterfaceId kIid = MakeGuid("{D3977C3D-8386-4FD0-A797-7A5DE8E1D142}");
    using Bases = InterfaceList<Unknown>;

    // The size in HIMETRIC units (hundredths of a millimetre), as the platform gives it.
    virtual std::int32_t Width() = 0;
    virtual std::int32_t Height() = 0;
};

}  // namespace com
