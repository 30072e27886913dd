#include "vb/convert.h"

#include "vb/error.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace vb {
namespace {

template <typename Int>
Int RoundToEven(double value) {
    // nearbyint rounds half to even in the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
        RaiseOverflow();
    }
    return static_cast<Int>(rounded);
}

}  // namespace

std::int16_t CInt(double value) { return RoundToEven<std::int16_t>(value); }

std::int32_t CLng(double value) { return RoundToEven<std::int32_t>(value); }


}  // namespace vb
