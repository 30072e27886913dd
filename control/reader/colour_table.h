#pragma once

#include <cstdint>

namespace tiraq {

// DXF colour index (group 62) -> Windows RGB (&H00BBGGRR) by the control's fixed table of
// indexes 0 to 259; any other index gives 0 (black). 256 (by layer) gives white like 7.
std::int32_t ACIToRGB(std::int32_t Index);

// RGB -> the smallest colour index that gives it (0 for black); pure red, blue and magenta give
// 1, 5 and 6; any other colour 7.
std::int32_t RGBToACI(std::int32_t Color);

}  // namespace tiraq
