#pragma once

#include "drawing/drawing_surface.h"

#include <string>
#include <vector>

namespace gui {

// One call made on a recording surface, with what it was given.
struct DrawCall {
    enum class Kind { RasterOp, Line, Polyline, Arc, Ellipse, Pixel, Polygon, Rectangle, Text };
    Kind kind = Kind::Line;
    Pen pen;
    std::vector<PixelPoint> points;  // line: from, to; arc: start, end; pixel: the point; text: anchor
    PixelRect box;
    Colour colour = kBlack;          // pixel, polygon and text colour
    RasterOp rasterOp = RasterOp::CopyPen;
    bool filled = false;
    TextFont font;
    double rotation = 0;
    TextAlign align = TextAlign::Left;
    std::string text;
};

// A surface that keeps the calls made on it, for tests of what a drawing routine asks for. Text is
// measured by a fixed rule, so tests know the extents: every character is half the cell height wide,
// the ascent is four fifths of the cell, and a cell is 1.25 em.
class RecordingSurface : public DrawingSurface {
public:
    static constexpr double kCellPerEm = 1.25;

    const std::vector<DrawCall>& Calls() const { return calls_; }
    std::vector<DrawCall> CallsOf(DrawCall::Kind kind) const;
    void Clear() { calls_.clear(); }

    void SetRasterOp(RasterOp op) override;
    void DrawLine(const Pen& pen, PixelPoint from, PixelPoint to) override;
    void DrawPolyline(const Pen& pen, std::span<const PixelPoint> points) override;
    void DrawArc(const Pen& pen, const PixelRect& box, PixelPoint start, PixelPoint end) override;
    void DrawEllipse(const Pen& pen, const PixelRect& box) override;
    void SetPixel(PixelPoint point, Colour colour) override;
    void FillPolygon(std::span<const PixelPoint> corners, Colour colour) override;
    void DrawRectangle(const Pen& pen, const PixelRect& box, bool filled) override;
    void DrawText(const TextFont& font, PixelPoint anchor, double rotation, TextAlign align, Colour colour,
                  std::string_view text) override;
    TextMetrics MeasureText(const TextFont& font, std::string_view text) override;

private:
    DrawCall& Add(DrawCall::Kind kind);

    std::vector<DrawCall> calls_;
};

}  // namespace gui
