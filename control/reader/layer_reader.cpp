#include "reader/load_pass.h"

#include "reader/colour_table.h"
#include "reader/flag_bits.h"
#include "reader/pen_styles.h"
#include "reader/traced.h"

#include "vb/convert.h"

#include <cstdlib>

namespace tiraq {

bool LoadPass::DXFNewLayer() {
    return Traced(host_, " ->  DXFNewLayer.", [&] {
        LoadEntity();
        std::string name(groupValue_[2]);
        const std::int16_t colorIndex = vb::CInt(Val(62));
        const std::int32_t color = ACIToRGB(std::abs(static_cast<std::int32_t>(colorIndex)));
        // A negative colour is the DXF sign of a layer that is off; a frozen layer is off too.
        std::int16_t on = 0;
        if (colorIndex >= 0) on = IsBitSet(vb::CLng(Val(70)), 0) ? 0 : -1;
        const std::int32_t lineType = LineTypeToPenStyle(groupValue_[6]);
        const bool redline = groupValue_[999].find("REDLINE") != std::string_view::npos;
        db_.Layers->Add(on, color, std::move(name), 0, redline, lineType);
        return true;
    });
}

}  // namespace tiraq
