#include "reader/pen_styles.h"

#include <array>
#include <utility>

namespace tiraq {

std::int32_t LineTypeToPenStyle(std::string_view Name) {
    static constexpr std::array<std::pair<std::string_view, std::int32_t>, 15> kPenStyleMap = {{
        {"CONTINUOUS", kPenSolid},
        {"CENTER", kPenDash},     {"DASHED", kPenDash},       {"DASHED2", kPenDash},
        {"DASHEDX2", kPenDash},   {"TRATTEGGIATA2", kPenDash},
        {"DOT", kPenDot},         {"DOT2", kPenDot},          {"DOTX2", kPenDot},
        {"DASHDOT", kPenDashDot}, {"DASHDOT2", kPenDashDot},  {"DASHDOTX2", kPenDashDot},
        {"PHANTOM", kPenDashDotDot}, {"PHANTOM2", kPenDashDotDot}, {"PHANTOMX2", kPenDashDotDot},
    }};
    for (const auto& [name, style] : kPenStyleMap)
        if (name == Name) return style;
    return kPenSolid;
}

}  // namespace tiraq
