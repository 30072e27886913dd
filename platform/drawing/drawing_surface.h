#pragma once

// The device a drawing is made on, in the device's own pixels: a picture's image, a printer page,
// a metafile or a recording for tests. The interface needs no Qt, so code without windows can draw.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace gui {

// A colour as the drawing vocabulary holds it: red in the low byte (&H00BBGGRR).
using Colour = std::uint32_t;

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// Corners as given; the surface puts them in order. A box covers its corners' pixels inclusively.
struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

// The five pen styles of drawings: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot. A pen wider
// than one pixel draws solid whatever its style; width 0 is one pixel.
enum class PenStyle : int { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4 };

struct Pen {
    PenStyle style = PenStyle::Solid;
    std::int32_t width = 1;
    Colour colour = kBlack;
    bool operator==(const Pen&) const = default;
};

// How what is drawn meets what is there: copied, or inverting the pixels it covers (drawing the
// same figure twice in Invert restores the pixels exactly).
enum class RasterOp { CopyPen, Invert };

// A font by face and height in pixels. A cell height covers the line from the top of the highest
// accent to the bottom of the lowest descender; an em height is the design size.
struct TextFont {
    enum class Height { Cell, Em };
    std::string face;
    double pixelHeight = 0;
    Height heightKind = Height::Cell;
    int weight = 400;  // 100 thin ... 400 regular ... 700 bold
    bool italic = false;
    bool underline = false;
    bool operator==(const TextFont&) const = default;
};

// Where a text's anchor lies on its baseline.
enum class TextAlign { Left, Center, Right };

struct TextMetrics {
    double width = 0;
    double height = 0;  // ascent plus descent
    double ascent = 0;
};

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual void SetRasterOp(RasterOp op) = 0;

    // Both end points are drawn.
    virtual void DrawLine(const Pen& pen, PixelPoint from, PixelPoint to) = 0;
    virtual void DrawPolyline(const Pen& pen, std::span<const PixelPoint> points) = 0;
    // The arc of the ellipse in `box`, counter-clockwise as seen on the device, from where the ray
    // from the box's centre through `start` meets it to where the ray through `end` does; equal
    // rays draw the whole ellipse.
    virtual void DrawArc(const Pen& pen, const PixelRect& box, PixelPoint start, PixelPoint end) = 0;
    // Outline only: the inside is left as it was.
    virtual void DrawEllipse(const Pen& pen, const PixelRect& box) = 0;
    virtual void SetPixel(PixelPoint point, Colour colour) = 0;
    // Outline and inside (odd-even rule) in one colour.
    virtual void FillPolygon(std::span<const PixelPoint> corners, Colour colour) = 0;
    // Outline pixels only when `filled` is false; the box's corner pixels are included either way.
    virtual void DrawRectangle(const Pen& pen, const PixelRect& box, bool filled) = 0;
    // `rotation` in degrees counter-clockwise about the anchor; text is UTF-8.
    virtual void DrawText(const TextFont& font, PixelPoint anchor, double rotation, TextAlign align,
                          Colour colour, std::string_view text) = 0;
    virtual TextMetrics MeasureText(const TextFont& font, std::string_view text) = 0;
};

}  // namespace gui
