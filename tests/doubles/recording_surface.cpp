#include "doubles/recording_surface.h"

namespace gui {

std::vector<DrawCall> RecordingSurface::CallsOf(DrawCall::Kind kind) const {
    std::vector<DrawCall> found;
    for (const DrawCall& call : calls_) {
        if (call.kind == kind) found.push_back(call);
    }
    return found;
}

DrawCall& RecordingSurface::Add(DrawCall::Kind kind) {
    DrawCall& call = calls_.emplace_back();
    call.kind = kind;
    return call;
}

void RecordingSurface::SetRasterOp(RasterOp op) { Add(DrawCall::Kind::RasterOp).rasterOp = op; }

void RecordingSurface::DrawLine(const Pen& pen, PixelPoint from, PixelPoint to) {
    DrawCall& call = Add(DrawCall::Kind::Line);
    call.pen = pen;
    call.points = {from, to};
}

void RecordingSurface::DrawPolyline(const Pen& pen, std::span<const PixelPoint> points) {
    DrawCall& call = Add(DrawCall::Kind::Polyline);
    call.pen = pen;
    call.points.assign(points.begin(), points.end());
}

void RecordingSurface::DrawArc(const Pen& pen, const PixelRect& box, PixelPoint start, PixelPoint end) {
    DrawCall& call = Add(DrawCall::Kind::Arc);
    call.pen = pen;
    call.box = box;
    call.points = {start, end};
}

void RecordingSurface::DrawEllipse(const Pen& pen, const PixelRect& box) {
    DrawCall& call = Add(DrawCall::Kind::Ellipse);
    call.pen = pen;
    call.box = box;
}

void RecordingSurface::SetPixel(PixelPoint point, Colour colour) {
    DrawCall& call = Add(DrawCall::Kind::Pixel);
    call.points = {point};
    call.colour = colour;
}

void RecordingSurface::FillPolygon(std::span<const PixelPoint> corners, Colour colour) {
    DrawCall& call = Add(DrawCall::Kind::Polygon);
    call.points.assign(corners.begin(), corners.end());
    call.colour = colour;
}

void RecordingSurface::DrawRectangle(const Pen& pen, const PixelRect& box, bool filled) {
    DrawCall& call = Add(DrawCall::Kind::Rectangle);
    call.pen = pen;
    call.box = box;
    call.filled = filled;
}

void RecordingSurface::DrawText(const TextFont& font, PixelPoint anchor, double rotation, TextAlign align,
                                Colour colour, std::string_view text) {
    DrawCall& call = Add(DrawCall::Kind::Text);
    call.font = font;
    call.points = {anchor};
    call.rotation = rotation;
    call.align = align;
    call.colour = colour;
    call.text = std::string(text);
}

TextMetrics RecordingSurface::MeasureText(const TextFont& font, std::string_view text) {
    const double cell =
        font.heightKind == TextFont::Height::Cell ? font.pixelHeight : font.pixelHeight * kCellPerEm;
    double characters = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) characters += 1;
    }
    return TextMetrics{characters * cell / 2, cell, cell * 0.8};
}

}  // namespace gui
