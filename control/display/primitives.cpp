#include "display/primitives.h"

#include "vb/convert.h"
#include "vb/cp1252.h"
#include "vb/error.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tiraq {
namespace {

constexpr int kLightWeight = 300;

gui::PenStyle StyleOf(std::int32_t style) {
    return style >= 0 && style <= 4 ? gui::PenStyle(style) : gui::PenStyle::Solid;
}

}  // namespace

gui::Pen MakePen(std::int32_t Style, double Width, gui::Colour Colour) {
    const double rounded = std::isnan(Width) ? 0 : std::nearbyint(Width);
    return gui::Pen{StyleOf(Style), std::int32_t(std::clamp(rounded, 0.0, double(kWidestPen))), Colour};
}

gui::TextFont MakeTextFont(std::string_view FaceName, std::int32_t Height) {
    return gui::TextFont{.face = std::string(FaceName), .pixelHeight = double(Height), .weight = kLightWeight};
}

bool DrawLine(gui::DrawingSurface& DC, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2,
              std::int32_t Width, gui::Colour Colour, std::int32_t Style) {
    DC.DrawLine(MakePen(Style, Width, Colour), {X1, Y1}, {X2, Y2});
    return true;
}

bool DrawArc(gui::DrawingSurface& DC, const gui::PixelRect& Box, gui::PixelPoint Start, gui::PixelPoint End,
             gui::Colour Colour, std::int32_t Style, float Width) {
    DC.DrawArc(MakePen(Style, Width, Colour), Box, Start, End);
    return true;
}

bool DrawCircle(gui::DrawingSurface& DC, gui::PixelRect Box, gui::Colour Colour, std::int32_t Style, float Width) {
    if (Box.left == Box.right && Box.top == Box.bottom) {
        Box = {Box.left - 1, Box.top - 1, Box.right + 1, Box.bottom + 1};
    }
    DC.DrawEllipse(MakePen(Style, Width, Colour), Box);
    return true;
}

bool DrawPoint(gui::DrawingSurface& DC, gui::PixelPoint Point, gui::Colour Colour) {
    DC.SetPixel(Point, Colour);
    return true;
}

bool DrawSolid(gui::DrawingSurface& DC, const gui::PixelPoint (&Points)[4], gui::Colour Colour) {
    DC.FillPolygon(Points, Colour);
    return true;
}

bool DrawString(gui::DrawingSurface& DC, std::string_view Text, std::int32_t X, std::int32_t Y, std::int32_t Height,
                float Rotation, std::int32_t Align, gui::Colour Colour, std::string_view FaceName) {
    const std::int64_t escapement = std::int64_t(vb::CLng(Rotation)) * 10;
    if (escapement > INT32_MAX || escapement < INT32_MIN) vb::RaiseOverflow();
    const gui::TextAlign align = Align == 2                 ? gui::TextAlign::Right
                                 : Align == 1 || Align == 4 ? gui::TextAlign::Center
                                                            : gui::TextAlign::Left;
    DC.DrawText(MakeTextFont(FaceName, Height), {X, Y}, double(escapement) / 10, align, Colour,
                vb::Cp1252ToUtf8(Text));
    return true;
}

}  // namespace tiraq
