#pragma once

namespace quellmar::shell {

// The kinds of selection document, by the codes of the type chooser's buttons.
enum class CoolerType { Air = 0, Water = 1, Mobile = 2 };

// The page family a document hands to the quotation preview: 1 air-cooled, 2 mobile,
// 3 water-cooled.
constexpr int PageFamilyOf(CoolerType type) {
    switch (type) {
        case CoolerType::Air: return 1;
        case CoolerType::Mobile: return 2;
        case CoolerType::Water: break;
    }
    return 3;
}

}  // namespace quellmar::shell
