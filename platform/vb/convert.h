#pragma once

#include "vb/error.h"
#include "vb/export.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace vb {

// Whole-number conversions round half to even (2.5 -> 2, 3.5 -> 4) and raise Overflow outside
// the target's range (or for a value that is not a number).
VB_API std::int16_t CInt(double value);
VB_API std::int32_t CLng(double value);

// Conversion to single precision; raises Overflow outside the Single range. Inline, since file
// readers convert every coordinate with it.
inline float CSng(double value) {
    if (!(std::fabs(value) <= FLT_MAX)) RaiseOverflow();
    return static_cast<float>(value);
}

}  // namespace vb
