#pragma once

#include <cstdint>

namespace tiraq {

// Whether bit `Bit` (0 to 8, the bits of DXF flag values) of `Value` is set. Other bits, and
// negative values, answer false.
constexpr bool IsBitSet(std::int32_t Value, std::int32_t Bit) {
    if (Bit < 0 || Bit > 8 || Value < 0) return false;
    return ((Value >> Bit) & 1) != 0;
}

}  // namespace tiraq
