#pragma once

#include "vb/export.h"

#include <cstdint>

namespace vb {

// Whole-number conversions round half to even (2.5 -> 2, 3.5 -> 4) and raise Overflow outside
// the target's range (or for a value that is not a number).
VB_API std::int16_t CInt(double value);
VB_API std::int32_t CLng(double value);

// Conversion to single precision; raises Overflow outside the Single range.
VB_API float CSng(double value);

}  // namespace vb
