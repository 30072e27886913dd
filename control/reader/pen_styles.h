#pragma once

#include <cstdint>
#include <string_view>

namespace tiraq {

// Windows pen styles, the line types of the drawing database.
inline constexpr std::int32_t kPenSolid = 0;
inline constexpr std::int32_t kPenDash = 1;
inline constexpr std::int32_t kPenDot = 2;
inline constexpr std::int32_t kPenDashDot = 3;
inline constexpr std::int32_t kPenDashDotDot = 4;

// DXF line-type name -> pen style; names compare exactly (case-sensitive), unknown names are solid.
std::int32_t LineTypeToPenStyle(std::string_view Name);

}  // namespace tiraq
