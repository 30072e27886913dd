#pragma once

#include "reader/drawing_records.h"

#include <cstdint>
#include <string>

namespace tiraq {

// One entry of a block spool file: an entity of a block definition relative to the block's base
// point. Each kind uses the fields its values line carries (an ellipse keeps its axis end in
// X2, Y2).
struct SpoolEntry {
    DisplayKind Kind = DisplayKind::Line;
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0, X3 = 0, Y3 = 0, X4 = 0, Y4 = 0;
    float Radius = 0, StartAngle = 0, EndAngle = 0;
    float Ratio = 0, StartParam = 0, EndParam = 0;
    float Height = 0, Rotation = 0, FontScalar = 0;
    float Linewidth = 0, Bulge = 0;
    std::int32_t EntityColor = 0, LayerIndex = 0, LineType = 0, HorzAlign = 0, Underline = 0;
    std::string Txt{}, FontName{};
};

// What a replay of a block copies of its entries: an insert every kind that a drawing stores,
// a dimension no polyline segments either. Ellipses stay where they were spooled.
constexpr bool InsertCopies(DisplayKind kind) noexcept {
    return kind >= DisplayKind::Line && kind <= DisplayKind::Point;
}
constexpr bool DimensionCopies(DisplayKind kind) noexcept {
    return InsertCopies(kind) && kind != DisplayKind::Polyline;
}

}  // namespace tiraq
